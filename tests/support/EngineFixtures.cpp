#include "EngineFixtures.h"

#include "ICCProfiles.h"
#include "MagickQt.h"

#include <QFile>

#include <lcms2.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace BqTest {

Magick::Image FourQuadrants(size_t width, size_t height)
{
    std::vector<unsigned char> rgb(width * height * 3);
    for (size_t y = 0; y < height; ++y) {
        for (size_t x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb c = !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                             : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
            unsigned char* p = &rgb[(y * width + x) * 3];
            p[0] = static_cast<unsigned char>(qRed(c));
            p[1] = static_cast<unsigned char>(qGreen(c));
            p[2] = static_cast<unsigned char>(qBlue(c));
        }
    }
    Magick::Image image(width, height, "RGB", Magick::CharPixel, rgb.data());
    image.type(Magick::TrueColorType);
    return image;
}

QList<QRgb> QuadrantCentres(const Magick::Image& image)
{
    const size_t w = image.columns();
    const size_t h = image.rows();
    return {PixelRgb(image, w / 4, h / 4), PixelRgb(image, w * 3 / 4, h / 4), PixelRgb(image, w / 4, h * 3 / 4),
            PixelRgb(image, w * 3 / 4, h * 3 / 4)};
}

QRgb PixelRgb(const Magick::Image& image, size_t x, size_t y)
{
    unsigned char p[3] = {0, 0, 0};
    Magick::Image copy(image);
    copy.write(static_cast<ssize_t>(x), static_cast<ssize_t>(y), 1, 1, "RGB", Magick::CharPixel, p);
    return qRgb(p[0], p[1], p[2]);
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

QByteArray JpegBytes(const Magick::Image& image, int quality)
{
    Magick::Image copy(image);
    copy.quality(static_cast<size_t>(quality));
    copy.magick("JPEG");
    Magick::Blob blob;
    copy.write(&blob);
    return BlobBytes(blob);
}

QByteArray ClaimingJpeg(quint16 width, quint16 height)
{
    QByteArray jpeg = JpegBytes(Magick::Image(Magick::Geometry(16, 16), Magick::Color("gray50")));
    const int sof = jpeg.indexOf("\xFF\xC0");
    const int sos = jpeg.indexOf("\xFF\xDA");
    if (sof < 0 || sos < 0)
        return QByteArray();
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg.left(sos + 20);
}

namespace {
quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        crc ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray BigEndian32(quint32 v)
{
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
    return out;
}

} // namespace

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    return BigEndian32(static_cast<quint32>(data.size())) + body + BigEndian32(Crc32(body));
}

Magick::Image PngVariant(const QString& kind, std::string& prefix)
{
    // 16-bit samples that 8 bits cannot hold; the alpha falls from the left.
    std::vector<quint16> samples;
    for (quint16 y = 0; y < 48; ++y) {
        for (quint16 x = 0; x < 64; ++x)
            samples.insert(samples.end(), {quint16(1000 * x + 7 * y + 3), quint16(65000 - 900 * y - 5 * x),
                                           quint16(20000 + 311 * x + 411 * y), quint16(65535 - 700 * x)});
    }
    Magick::Image image;
    image.read(64, 48, kind.contains("alpha") ? "RGBA" : "RGBO", Magick::ShortPixel, samples.data());
    image.matte(kind.contains("alpha"));
    const bool deep = kind.contains("16");
    prefix = deep ? "PNG48:" : "PNG24:";
    if (kind.startsWith("grey")) {
        image.type(kind.contains("alpha") ? Magick::GrayscaleMatteType : Magick::GrayscaleType);
        prefix = "PNG:";
    }
    if (kind.contains("alpha"))
        prefix = kind == "alpha16" ? "PNG64:" : kind == "alpha" ? "PNG32:" : "PNG:";
    if (kind.startsWith("palette")) {
        image.quantizeColors(40);
        image.quantize();
        prefix = "PNG8:";
    }
    if (kind.contains("interlaced"))
        image.interlaceType(Magick::LineInterlace);
    if (kind == "profile") {
        image.profile("icc", CICCProfiles::GetInstance()->GetIccProfile(CICCProfiles::SlotSrgb));
        image.density(Magick::Geometry(300, 300));
        image.resolutionUnits(Magick::PixelsPerInchResolution);
        image.attribute("exif:Software", "Brandquill");
        image.attribute("exif:Orientation", "6");
        // One directory entry: the orientation, top-left.
        static const char exif[] = "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x01\0\0\0\0\0\0\0";
        image.profile("exif", Magick::Blob(exif, sizeof(exif) - 1));
    }
    image.depth(deep ? 16 : 8);
    return image;
}

QString PngDifference(const Magick::Image& a, const Magick::Image& b)
{
    if (a.columns() != b.columns() || a.rows() != b.rows())
        return "size";
    if (a.depth() != b.depth())
        return "depth";
    if (a.matte() != b.matte())
        return "alpha";
    if (a.signature() != b.signature())
        return "pixels";
    for (const char* profile : {"icc", "exif"}) {
        if (BlobBytes(a.profile(profile)) != BlobBytes(b.profile(profile)))
            return profile;
    }
    if (a.density().width() != b.density().width() || a.resolutionUnits() != b.resolutionUnits())
        return "density";
    if (a.orientation() != b.orientation())
        return "orientation";
    for (const char* text : {"exif:Software", "exif:Orientation"}) {
        if (a.attribute(text) != b.attribute(text))
            return text;
    }
    return QString();
}

QByteArray ClaimingPng(quint32 width, quint32 height)
{
    // 8-bit grey; the first rows only, the decoder runs out of data after them.
    QByteArray header = BigEndian32(width) + BigEndian32(height);
    header.append(char(8)).append(char(0)).append(char(0)).append(char(0)).append(char(0));
    const QByteArray rows(65536, '\0');
    const QByteArray zlib = qCompress(rows, 9).mid(4); // drop Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", zlib) +
           PngChunk("IEND", QByteArray());
}

void WriteCmykJpeg(const QString& path, const Magick::Blob& profile)
{
    Magick::Image image = FourQuadrants();
    image.quality(95);
    image.type(Magick::ColorSeparationType);
    if (profile.length() > 0)
        image.profile("icc", profile); // labels the CMYK data, no conversion
    image.write(QFile::encodeName(path).toStdString());
}

void WriteThreePageTiff(const QString& path)
{
    std::vector<Magick::Image> pages;
    pages.emplace_back(Magick::Geometry(40, 30), Magick::Color("red"));
    pages.emplace_back(Magick::Geometry(50, 40), Magick::Color("lime"));
    pages.emplace_back(Magick::Geometry(60, 50), Magick::Color("blue"));
    Magick::writeImages(pages.begin(), pages.end(), QFile::encodeName(path).toStdString(), true);
}

QByteArray GifOfFrames(int count)
{
    std::vector<Magick::Image> frames{Magick::Image(Magick::Geometry(10, 10), Magick::Color("red")),
                                      Magick::Image(Magick::Geometry(10, 10), Magick::Color("blue"))};
    Magick::Blob blob;
    frames.front().magick("GIF");
    Magick::writeImages(frames.begin(), frames.end(), &blob, true);
    const QByteArray two = BlobBytes(blob);
    // The second frame runs from its control extension to the trailer.
    const QByteArray control("\x21\xF9\x04", 3);
    const int second = two.indexOf(control, two.indexOf(control) + 1);
    const QByteArray frame = two.mid(second, two.size() - 1 - second);
    return two.left(second) + frame.repeated(count - 1) + ';';
}

QByteArray GifOfPatches(int count, int screen, int side)
{
    std::vector<Magick::Image> frames{size_t(count)};
    for (Magick::Image& frame : frames) {
        frame = Magick::Image(Magick::Geometry(size_t(side), size_t(side)), Magick::Color("red"));
        if (side > 1)
            frame.addNoise(MagickCore::RandomNoise);
        frame.page(Magick::Geometry(size_t(screen), size_t(screen), 5, 5));
    }
    Magick::Blob blob;
    frames.front().magick("GIF");
    Magick::writeImages(frames.begin(), frames.end(), &blob, true);
    return BlobBytes(blob);
}

Magick::Blob ProfileVariant(const QString& path, const char* description)
{
    cmsHPROFILE profile = cmsOpenProfileFromFile(QFile::encodeName(path).constData(), "r");
    if (!profile)
        return Magick::Blob();
    cmsMLU* text = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(text, "en", "US", description);
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, text);
    cmsMLUfree(text);
    cmsUInt32Number size = 0;
    Magick::Blob result;
    if (cmsSaveProfileToMem(profile, nullptr, &size) && size > 0) {
        std::vector<char> bytes(size);
        if (cmsSaveProfileToMem(profile, bytes.data(), &size))
            result = Magick::Blob(bytes.data(), size);
    }
    cmsCloseProfile(profile);
    return result;
}

SFilterRecord Record(quint32 id, const QVector<double>& values)
{
    SFilterRecord r;
    r.id = id;
    r.active = true;
    for (double v : values)
        r.AddNumber(v);
    return r;
}

QRgb Pixel(const Magick::Image& image, int x, int y)
{
    return ImageMagickToQt(image, QRect(x, y, 1, 1)).pixel(0, 0);
}

MagickCore::MagickBooleanType StopAtOnce(const char*, MagickCore::MagickOffsetType, MagickCore::MagickSizeType, void*)
{
    return MagickCore::MagickFalse;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray BlobBytes(const Magick::Blob& blob)
{
    return QByteArray(static_cast<const char*>(blob.data()), static_cast<int>(blob.length()));
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace BqTest
