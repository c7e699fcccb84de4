// libFuzzer driver for the engine's read of any input format and its write
// into every output format. Each input is written to a file and read by
// CImageManager, as a run reads a photo; the photo, with its metadata, is
// written as each of the 13 output formats and read back by the engine.
// Besides crashes, leaks and hangs it stops on a broken promise: a photo
// that read but could not be written, a written file that does not read
// back or comes back in another size, or, from a lossless format, with
// other pixels. With BQ_FUZZ_FAULTS naming a folder, such a promise broken
// is written there instead, its input and reason once per reason, and the run
// goes on (while a known fault is being mended); crashes still stop it.
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FuzzSupport.h"
#include "ICCProfiles.h"
#include "ImageManager.h"
#include "PhotoMaker.h"
#include "PngCoder.h"
#include "PngFile.h"

#include <QFile>
#include <QSet>
#include <QtEndian>

#include <Magick++.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace
{

QString g_home;
const uint8_t* g_data = nullptr;
size_t g_size = 0;

// Larger photos take the run's time for nothing the small ones miss.
constexpr double kMostPixels = 256.0 * 256.0;
// Below this a lossless format's pixels are not the photo's (PSNR, dB).
constexpr double kLeastPsnr = 30;

[[noreturn]] void Fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stdout, "fuzz_formats: %s %s\n", what, qPrintable(detail));
    std::fflush(stdout);
    std::abort();
}

// A broken promise of the current input.
void Broken(const QString& what, const QString& detail = QString())
{
    static const QString folder = qEnvironmentVariable("BQ_FUZZ_FAULTS");
    static QSet<QString> seen;
    if (folder.isEmpty())
        Fail(qPrintable(what), detail);
    if (!seen.contains(what + detail)) {
        seen.insert(what + detail);
        const QString name = folder + QStringLiteral("/fault-%1").arg(seen.size());
        BqTest::WriteFile(name, QByteArray(reinterpret_cast<const char*>(g_data), int(g_size)));
        BqTest::WriteFile(name + ".txt", (what + ' ' + detail + '\n').toUtf8());
    }
}

QByteArray Encoded(Magick::Image image, const char* magick)
{
    Magick::Blob blob;
    image.write(&blob, magick);
    return BqTest::BlobBytes(blob);
}

// A Photoshop image resource; `stated` is the length it claims.
QByteArray Resource(quint16 id, const QByteArray& data, bool pad, int stated = -1)
{
    QByteArray bytes = "8BIM";
    bytes += char(id >> 8);
    bytes += char(id & 0xff);
    bytes += QByteArray(2, '\0'); // an empty name, padded
    const quint32 length = quint32(stated < 0 ? data.size() : stated);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += char(length >> shift);
    bytes += data;
    if (pad && data.size() % 2)
        bytes += '\0';
    return bytes;
}

// IPTC records 2:00 and 2:05 (object name), 12 + `name` bytes.
QByteArray Iptc(const QByteArray& name)
{
    return QByteArray("\x1c\x02\x00\x00\x02\x00\x04", 7) + QByteArray("\x1c\x02\x05\x00", 4) + char(name.size()) + name;
}

// A text chunk as the library's coder writes a profile, optionally with a
// wrong stated length.
QByteArray RawProfileChunk(const char* name, const QByteArray& data, int stated = -1)
{
    QByteArray text =
        "\n" + QByteArray(name) + "\n" + QByteArray::number(stated < 0 ? data.size() : stated).rightJustified(8) + "\n";
    const QByteArray hex = data.toHex();
    for (int at = 0; at < hex.size(); at += 72)
        text += hex.mid(at, 72) + "\n";
    return BqTest::PngChunk("zTXt",
                            SPngFile::kRawProfile + QByteArray(name) + QByteArray(2, '\0') + qCompress(text).mid(4));
}

QByteArray WithPngChunks(const QByteArray& png, const QByteArray& chunks)
{
    return png.left(33) + chunks + png.mid(33);
}

QByteArray WithJpegSegment(const QByteArray& jpeg, quint8 marker, const QByteArray& body)
{
    return jpeg.left(2) + BqTest::JpegSegment(marker, body) + jpeg.mid(2);
}

// The input's first byte picks its name's extension: formats without a
// signature (PICT, TGA) are read by their extension only.
const char* const kInputs[] = {"jpg", "png", "tif", "gif", "bmp", "psd", "tga", "pcx", "sgi", "jp2", "pct"};

QByteArray Seed(const char* extension, const QByteArray& bytes)
{
    for (size_t i = 0; i < std::size(kInputs); ++i) {
        if (qstrcmp(kInputs[i], extension) == 0)
            return char(i) + bytes;
    }
    Fail("no such input extension:", extension);
}

// Small photos in every readable format, plain and with the metadata that
// writers have failed on: comments over a JPEG 2000 marker, IPTC of odd
// length, Photoshop resources without their pad byte or with a wrong
// length, profiles for other pixels, Exif orientations out of range, Exif
// over a JPEG segment, a BMP's zero primaries beside its profile and a PNG
// whose Exif is an eXIf chunk.
void WriteSeeds(const QString& folder)
{
    using B = BqTest::ExifBlockBuilder;
    const Magick::Image photo = BqTest::MakePhoto(40, 30, 7);
    const QByteArray jpeg = Encoded(photo, "JPEG");
    const QByteArray png = Encoded(photo, "PNG24");
    const Magick::Blob srgb = CICCProfiles::GetInstance()->GetIccProfile(CICCProfiles::SlotSrgb);
    const Magick::Blob rswop = CICCProfiles::GetInstance()->GetIccProfile(CICCProfiles::SlotRswop);
    QList<QPair<QString, QByteArray>> seeds;
    for (const char* extension : kInputs)
        seeds.append({QStringLiteral("plain.%1").arg(extension), Encoded(photo, extension)});

    seeds.append({"comment-65533.jpg", WithJpegSegment(jpeg, 0xfe, QByteArray(65533, 'c'))});
    Magick::Image described = photo;
    described.attribute("comment", "<xml>" + std::string(100 << 10, 'd') + "</xml>");
    seeds.append({"description-100k.tif", Encoded(described, "TIFF")});
    Magick::Image commented = photo;
    commented.comment(std::string(300 << 10, 'g'));
    seeds.append({"comment-300k.gif", Encoded(commented, "GIF")});

    const QByteArray photoshop("Photoshop 3.0\0", 14);
    seeds.append({"iptc-19.jpg", WithJpegSegment(jpeg, 0xed, photoshop + Resource(0x0404, Iptc("Harbour"), true))});
    seeds.append({"iptc-33.png", WithPngChunks(png, RawProfileChunk("iptc", Iptc("Harbour at dawn, 1931."), -1))});
    seeds.append({"iptc-unpadded.jpg", WithJpegSegment(jpeg, 0xed,
                                                       photoshop + Resource(0x0404, Iptc(QByteArray(21, 'h')), false) +
                                                           Resource(0x03ed, QByteArray(16, '\1'), true))});
    seeds.append({"8bim-wrong-length.png",
                  WithPngChunks(png, RawProfileChunk("8bim", Resource(0x0404, Iptc("Harbour"), true, 400)))});
    Magick::Image cmykProfiled = photo;
    cmykProfiled.profile("icc", rswop);
    seeds.append({"rgb-with-cmyk-profile.tif", Encoded(cmykProfiled, "TIFF")});

    Magick::Image cmyk = photo;
    cmyk.colorSpace(Magick::CMYKColorspace);
    seeds.append(
        {"cmyk-with-rgb-profile.jpg",
         WithJpegSegment(Encoded(cmyk, "JPEG"), 0xe2, QByteArray("ICC_PROFILE\0\1\1", 14) + BqTest::BlobBytes(srgb))});

    for (int orientation : {9, 65535}) {
        B exif(orientation > 9);
        exif.AddShort(B::Ifd0, 0x0112, quint16(orientation));
        seeds.append({QStringLiteral("orientation-%1.jpg").arg(orientation), BqTest::SpliceApp1(jpeg, exif.Build())});
    }

    B big;
    big.AddAscii(B::Ifd0, 0x010f, "Canon").AddBytes(B::ExifIfd, 0x927c, B::Undefined, QByteArray(100 << 10, 'm'));
    const QByteArray bigExif = big.Build();
    seeds.append({"exif-100k.png", WithPngChunks(png, RawProfileChunk("exif", bigExif))});
    Magick::Image psd = photo;
    const QByteArray resources = Resource(0x0422, bigExif.mid(6), true);
    psd.profile("8bim", Magick::Blob(resources.constData(), size_t(resources.size())));
    seeds.append({"exif-100k.psd", Encoded(psd, "PSD")});

    Magick::Image bmp = photo;
    bmp.profile("icc", srgb);
    seeds.append({"profile.bmp", Encoded(bmp, "BMP")});

    B camera;
    camera.AddAscii(B::Ifd0, 0x010f, "Canon")
        .AddShort(B::Ifd0, 0x0112, 6)
        .AddAscii(B::Ifd0, 0x0132, "2013:05:04 14:22:10");
    Magick::Image exifPhoto = photo;
    exifPhoto.orientation(Magick::RightTopOrientation);
    const QByteArray block = camera.Build();
    exifPhoto.profile("exif", Magick::Blob(block.constData(), size_t(block.size())));
    QString reason;
    const QString exifPng = folder + "/exif.png";
    if (!CPngCoder::Write(exifPhoto, exifPng, reason))
        Fail("cannot write a seed:", reason);
    seeds.append({"exif.png", BqTest::FileBytes(exifPng)});

    for (const auto& seed : seeds) {
        const QString name = seed.first;
        if (!BqTest::WriteFile(folder + '/' + name, Seed(qPrintable(name.mid(name.lastIndexOf('.') + 1)), seed.second)))
            Fail("cannot write a seed:", seed.first);
    }
}

const char* const kOutputs[] = {"BMP", "PICT", "GIF", "PCX", "PNG", "PSD", "SGI",
                                "TGA", "TIF",  "JPG", "JP2", "JPC", "WBMP"};

bool Lossless(const QString& format)
{
    return format != "GIF" && format != "JPG" && format != "JP2" && format != "JPC" && format != "WBMP";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    g_home = BqTest::StartEngineFuzzer(argc, argv, WriteSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QString input = g_home + "/input." + kInputs[data[0] % std::size(kInputs)];
    BqTest::WriteFuzzInput(input, data + 1, size - 1);
    g_data = data;
    g_size = size;
    CImageManager engine;
    if (!engine.Read(input) || !engine.m_Image.isValid())
        return 0;
    const Magick::Image& photo = engine.m_Image;
    if (double(photo.columns()) * double(photo.rows()) > kMostPixels)
        return 0;
    const bool opaque = !photo.matte() || photo.isOpaque();
    for (const char* format : kOutputs) {
        const QString path = g_home + "/output." + QString(format).toLower();
        CImageManager writer(engine);
        if (!writer.Write(path)) {
            Broken(QStringLiteral("a photo that read could not be written as %1:").arg(format), writer.WriteError());
            continue;
        }
        CImageManager back;
        if (!back.Read(path)) {
            Broken(QStringLiteral("the written %1 does not read back:").arg(format), back.m_ReadError);
            continue;
        }
        if (back.m_Image.columns() != photo.columns() || back.m_Image.rows() != photo.rows()) {
            Broken(QStringLiteral("the written %1 has another size").arg(format));
            continue;
        }
        if (opaque && Lossless(format)) {
            Magick::Image mine = photo;
            mine.colorSpace(Magick::sRGBColorspace);
            Magick::Image theirs = back.m_Image;
            theirs.colorSpace(Magick::sRGBColorspace);
            theirs.matte(false);
            mine.matte(false);
            const double psnr = mine.compare(theirs, Magick::PeakSignalToNoiseRatioMetric);
            if (psnr < kLeastPsnr)
                Broken(QStringLiteral("the written %1 reads back with other pixels (PSNR below %2 dB)")
                           .arg(format)
                           .arg(kLeastPsnr));
        }
        QFile::remove(path);
    }
    return 0;
}
