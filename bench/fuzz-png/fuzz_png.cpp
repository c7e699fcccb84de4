// libFuzzer driver for the PNG reader and writer. Each input is written to a
// file, pinged and read by CPngCoder; what reads is written as PNG and read
// again. Besides crashes, leaks and hangs it stops on a broken promise of the
// coder: a written file that does not read back, reads back with warnings,
// or comes back in another size.
#include "EngineFixtures.h"
#include "FuzzSupport.h"
#include "ICCProfiles.h"
#include "PhotoMaker.h"
#include "PngCoder.h"
#include "PngFile.h"

#include <QFile>

#include <Magick++.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

QString g_input;
QString g_output;

[[noreturn]] void Fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stdout, "fuzz_png: %s %s\n", what, qPrintable(detail));
    std::fflush(stdout);
    std::abort();
}

// Every colour type and depth the reader knows, interlaced and not, with
// text, a profile and a density, for an empty corpus folder.
void WriteSeeds(const QString& folder)
{
    const char* types[] = {"PNG24:", "PNG48:", "PNG32:", "PNG64:", "PNG8:", "PNG:"};
    int n = 0;
    for (const char* type : types) {
        for (bool interlaced : {false, true}) {
            Magick::Image image = BqTest::MakePhoto(23, 17, quint32(n + 1));
            if (std::string(type) == "PNG32:" || std::string(type) == "PNG64:")
                image.matte(true);
            if (std::string(type) == "PNG:")
                image.type(Magick::GrayscaleType);
            if (std::string(type) == "PNG8:") {
                image.quantizeColors(16);
                image.quantize();
            }
            image.interlaceType(interlaced ? Magick::LineInterlace : Magick::NoInterlace);
            image.attribute("Title", "a title");
            image.density(Magick::Geometry(72, 72));
            const QString name = folder + QStringLiteral("/seed-%1.png").arg(n++);
            image.write(type + QFile::encodeName(name).toStdString());
        }
    }
    // The first seed with text chunks that ask much of the reader and the
    // writer: keys that clean to nothing or to "fx:", keys the library takes
    // for settings, Latin-1 bytes that are UTF-8 too, more texts than a
    // reader keeps, text over the chunk limit, a profile with a wrong CRC.
    const QByteArray first = BqTest::FileBytes(folder + "/seed-0.png");
    QByteArray keys;
    for (const char* key : {"\xc2\xa0", " FX:foo",
                            "\x01"
                            "fx:bar",
                            "\xc2\xa0"
                            "fx:r*0"})
        keys += BqTest::PngChunk("tEXt", QByteArray(key) + '\0' + "1");
    QByteArray settings;
    for (const char* key : {"colorspace", "depth", "page", "gamma", "Delay"})
        settings += BqTest::PngChunk("tEXt", QByteArray(key) + '\0' + "CMYK 300x200+5+7");
    QByteArray many;
    for (int i = 0; i < 1100; ++i)
        many += BqTest::PngChunk("tEXt", "k" + QByteArray::number(i) + '\0');
    const QByteArray inflated = qCompress(QByteArray(9 << 20, 'x'), 9).mid(4);
    QByteArray profile = BqTest::PngChunk(
        "iCCP",
        QByteArray("icc\0\0", 5) +
            qCompress(BqTest::BlobBytes(CICCProfiles::GetInstance()->GetIccProfile(CICCProfiles::SlotSrgb)), 9).mid(4));
    profile[profile.size() - 1] = char(profile.at(profile.size() - 1) ^ 1);
    // Keys other formats' writers read as settings, as they stand and
    // once cleaned; profiles that are not what their names say; densities
    // and orientations out of range; a text at the reader's limit beside a
    // whole profile.
    QByteArray coders = BqTest::PngChunk("zTXt", QByteArray("JPEG:Sampling-Factor\0\0", 22) + qCompress("5x5").mid(4)) +
                        BqTest::PngChunk("iTXt", QByteArray("tiff:subfiletype\0\0\0\0\0", 21) + "MASK");
    for (const char* key : {"jpeg:sampling-factor", " jpeg:sampling-factor"})
        coders += BqTest::PngChunk("tEXt", QByteArray(key) + '\0' + "1x1");
    QByteArray ranges;
    for (const char* text : {"exif:XResolution=nan", "exif:YResolution=-300", "exif:ResolutionUnit=2",
                             "exif:Orientation=100000000000000000000", "tiff:Orientation=9"})
        ranges += BqTest::PngChunk("tEXt", QByteArray(text).replace('=', '\0'));
    QByteArray raw;
    for (const char* text : {"xmp=\nxmp\n3\n3c783e\n", "iptc=\niptc\n4\n61626364\n"})
        raw += BqTest::PngChunk("tEXt", SPngFile::kRawProfile + QByteArray(text).replace('=', '\0'));
    const QByteArray atLimit =
        BqTest::PngChunk("iCCP", profile.mid(8, profile.size() - 12)) +
        BqTest::PngChunk("tEXt", QByteArray("Comment\0", 8) + QByteArray(int(SPngFile::kChunkLimit) - 8, 'x'));
    const QByteArray chunks[] = {keys,
                                 settings,
                                 BqTest::PngChunk("tEXt", QByteArray("Author\0\xc3\xa9", 9)),
                                 many,
                                 BqTest::PngChunk("zTXt", QByteArray("Comment\0\0", 9) + inflated),
                                 profile,
                                 coders,
                                 ranges,
                                 raw,
                                 atLimit};
    for (const QByteArray& chunk : chunks)
        BqTest::WriteFile(folder + QStringLiteral("/seed-%1.png").arg(n++), first.left(33) + chunk + first.mid(33));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    const QString home = BqTest::StartEngineFuzzer(argc, argv, WriteSeeds);
    g_input = home + "/input.png";
    g_output = home + "/output.png";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BqTest::WriteFuzzInput(g_input, data, size);
    CPngCoder::Read(g_input, true, nullptr);
    CMagickReader::SResult read = CPngCoder::Read(g_input, false, nullptr);
    if (read.frames.isEmpty())
        return 0;
    Magick::Image image = read.frames.first();
    image.depth(8); // as the engine writes
    QString reason;
    QString warning;
    if (!CPngCoder::Write(image, g_output, reason, &warning))
        Fail("a photo that read could not be written:", reason);
    const CMagickReader::SResult again = CPngCoder::Read(g_output, false, nullptr);
    if (again.frames.isEmpty())
        Fail("the written file does not read back:", again.error);
    if (!again.clean)
        Fail("the written file reads back with warnings");
    if (again.frames.first().columns() != image.columns() || again.frames.first().rows() != image.rows())
        Fail("the written file has another size");
    return 0;
}
