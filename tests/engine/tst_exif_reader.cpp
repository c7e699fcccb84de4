// JPEG section and Exif reader: the embedded thumbnail in both byte orders,
// the messages for files that are no JPEG or are damaged, and files damaged
// on purpose (cut, lying lengths, looping directories, flipped bytes) that
// must end cleanly without reading outside their data.
#include "BqTestMain.h"
#include "ExifBlockBuilder.h"
#include "MagickRuntime.h"
#include "Metadata.h"
#include "PhotoMaker.h"
#include "StderrCapture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <Magick++.h>

using BqTest::ExifBlockBuilder;
using Fractions = QVector<ExifBlockBuilder::Fraction>;

namespace {
struct Outcome {
    QByteArray thumbnail;
    unsigned size = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    QByteArray messages;
};

QByteArray Encode(Magick::Image image, const char* format, int quality = 85)
{
    image.quality(static_cast<size_t>(quality));
    Magick::Blob blob;
    image.write(&blob, format);
    return QByteArray(static_cast<const char*>(blob.data()), static_cast<int>(blob.length()));
}

// ImageMagick writes a JFIF header; tests that write their own drop it.
QByteArray WithoutJfif(const QByteArray& jpeg)
{
    if (jpeg.size() < 6 || static_cast<quint8>(jpeg[3]) != 0xe0)
        return jpeg;
    const int length = (static_cast<quint8>(jpeg[4]) << 8) | static_cast<quint8>(jpeg[5]);
    return jpeg.left(2) + jpeg.mid(2 + 2 + length);
}

QByteArray Patched(QByteArray bytes, int at, const QByteArray& with)
{
    bytes.replace(at, with.size(), with);
    return bytes;
}

QByteArray Nonfatal(const QByteArray& message)
{
    return "\nNonfatal Error : " + message + "\n";
}

// Little-endian Exif whose first directory points at `count` distinct empty
// directories.
QByteArray DistinctDirectories(int count)
{
    auto u16 = [](int v) { return QByteArray(1, char(v & 0xff)) + char((v >> 8) & 0xff); };
    auto u32 = [&u16](int v) { return u16(v & 0xffff) + u16(v >> 16); };
    const int first = 8 + 2 + 12 * count + 4;
    QByteArray tiff = QByteArray("II*\0", 4) + u32(8) + u16(count);
    for (int i = 0; i < count; ++i)
        tiff += u16(0x8769) + u16(4) + u32(1) + u32(first + 6 * i);
    tiff += u32(0);
    for (int i = 0; i < count; ++i)
        tiff += u16(0) + u32(0);
    return QByteArray("Exif\0\0", 6) + tiff;
}
} // namespace

class TestExifReader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void byteOrders_data();
    void byteOrders();
    void notJpeg_data();
    void notJpeg();
    void thumbnailLengths_data();
    void thumbnailLengths();
    void padding_data();
    void padding();
    void damagedExif_data();
    void damagedExif();
    void budgetPerFile_data();
    void budgetPerFile();
    void fatalErrors_data();
    void fatalErrors();
    void jfifHeader_data();
    void jfifHeader();
    void comments_data();
    void comments();
    void makerNote_data();
    void makerNote();
    void secondReadReplacesFirst();
    void mutations();

private:
    ExifBlockBuilder StandardBlock(bool bigEndian) const;
    QByteArray ExifJpeg(const QByteArray& payload) const { return BqTest::SpliceApp1(m_photo, payload); }
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    static Outcome Read(CMetadata& metadata, const QString& path);

    QTemporaryDir m_dir;
    QByteArray m_photo;          // JPEG without JFIF header or Exif
    QByteArray m_thumbnail;      // 160 x 120 JPEG
    QByteArray m_otherThumbnail; // 120 x 160 JPEG
    QByteArray m_png;
};

void TestExifReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(m_dir.filePath("magick")));
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_dir.filePath("magick")));
    QVERIFY(StartMagickRuntime());

    m_photo = WithoutJfif(Encode(BqTest::MakePhoto(96, 64, 1), "JPEG"));
    m_thumbnail = Encode(BqTest::MakePhoto(160, 120, 2), "JPEG", 80);
    m_otherThumbnail = Encode(BqTest::MakePhoto(120, 160, 3), "JPEG", 80);
    m_png = Encode(BqTest::MakePhoto(32, 24, 4), "PNG");
    QCOMPARE(static_cast<quint8>(m_photo[3]), quint8(0xdb)); // tables follow start-of-image
}

ExifBlockBuilder TestExifReader::StandardBlock(bool bigEndian) const
{
    using B = ExifBlockBuilder;
    B block(bigEndian);
    block.AddAscii(B::Ifd0, 0x010f, "NIKON CORPORATION")
        .AddAscii(B::Ifd0, 0x0110, "NIKON D700")
        .AddShort(B::Ifd0, 0x0112, 6)
        .AddRationals(B::Ifd0, 0x011a, Fractions{{300, 1}})
        .AddRationals(B::Ifd0, 0x011b, Fractions{{300, 1}})
        .AddShort(B::Ifd0, 0x0128, 2)
        .AddAscii(B::Ifd0, 0x0132, "2013:05:04 14:22:10")
        .AddRationals(B::ExifIfd, 0x829a, Fractions{{1, 250}})
        .AddRationals(B::ExifIfd, 0x829d, Fractions{{28, 10}})
        .AddShort(B::ExifIfd, 0x8827, 200)
        .AddAscii(B::ExifIfd, 0x9003, "2014:01:02 03:04:05")
        .AddRationals(B::ExifIfd, 0x920a, Fractions{{50, 1}})
        .AddLong(B::ExifIfd, 0xa002, 4000)
        .AddShort(B::ExifIfd, 0xa003, 3000)
        .AddRationals(B::ExifIfd, 0xa20e, Fractions{{4000, 36}})
        .AddShort(B::ExifIfd, 0xa210, 4)
        .AddAscii(B::GpsIfd, 1, "N")
        .AddRationals(B::GpsIfd, 2, Fractions{{48, 1}, {51, 1}, {2943, 100}})
        .AddAscii(B::GpsIfd, 3, "E")
        .AddRationals(B::GpsIfd, 4, Fractions{{2, 1}, {17, 1}, {40, 1}})
        .AddBytes(B::GpsIfd, 5, B::Byte, QByteArray(1, '\1'))
        .AddRationals(B::GpsIfd, 6, Fractions{{1234, 10}})
        .SetThumbnail(m_thumbnail);
    return block;
}

QString TestExifReader::WriteFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

Outcome TestExifReader::Read(CMetadata& metadata, const QString& path)
{
    Outcome out;
    BqTest::StderrCapture capture;
    metadata.Read(path);
    out.messages = capture.Take();
    out.size = metadata.GetThumbnailSize();
    out.thumbnail = QByteArray(reinterpret_cast<const char*>(metadata.GetThumbnail()), static_cast<int>(out.size));
    out.width = metadata.GetThumbnailWidth();
    out.height = metadata.GetThumbnailHeight();
    return out;
}

void TestExifReader::byteOrders_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("II") << false;
    QTest::newRow("MM") << true;
}

void TestExifReader::byteOrders()
{
    QFETCH(bool, bigEndian);
    const QString path = WriteFile("order.jpg", ExifJpeg(StandardBlock(bigEndian).Build()));
    CMetadata metadata;
    const Outcome out = Read(metadata, path);

    QCOMPARE(out.messages, QByteArray());
    QCOMPARE(out.thumbnail, m_thumbnail);
    QCOMPARE(out.width, 160u);
    QCOMPARE(out.height, 120u);

    const ImageInfo_t& info = metadata.GetImageInfo();
    QCOMPARE(QByteArray(info.CameraMake), QByteArray("NIKON CORPORATION"));
    QCOMPARE(QByteArray(info.CameraModel), QByteArray("NIKON D700"));
    // The capture date wins over the file date; both positions are kept.
    QCOMPARE(QByteArray(info.DateTime), QByteArray("2014:01:02 03:04:05"));
    QCOMPARE(info.NumDateTimeTags, 2);
    QCOMPARE(info.Orientation, 6);
    QCOMPARE(info.xResolution, 300.0f);
    QCOMPARE(info.ResolutionUnit, 2);
    QCOMPARE(info.ExposureTime, 0.004f);
    QCOMPARE(info.ApertureFNumber, 2.8f);
    QCOMPARE(info.ISOequivalent, 200);
    QCOMPARE(info.CCDWidth, 36.0f);
    QCOMPARE(info.FocalLength35mmEquiv, 50);
    QVERIFY(info.GpsInfoPresent);
    QCOMPARE(QByteArray(info.GpsLat), QByteArray("N 48d 51m 29.43s"));
    QCOMPARE(QByteArray(info.GpsLong), QByteArray("E 2d 17m 40.00s"));
    QCOMPARE(QByteArray(info.GpsAlt), QByteArray("-123.40m"));
    QVERIFY(info.ThumbnailAtEnd);
    // The frame of the photo itself.
    QCOMPARE(info.Width, 96);
    QCOMPARE(info.Height, 64);
    QCOMPARE(info.IsColor, 1);
    QCOMPARE(info.Process, 0xc0);
}

void TestExifReader::notJpeg_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("messages"); // %1 is the path

    const QByteArray endBeforeScan = QByteArray("\xff\xd8", 2) + BqTest::JpegSegment(0xfe, "note") + "\xff\xd9";
    QTest::newRow("png") << "file" << m_png << "Not JPEG: %1\n";
    QTest::newRow("missing file") << "missing" << QByteArray() << "can't open '%1'\n";
    QTest::newRow("zero bytes") << "file" << QByteArray() << "Not JPEG: %1\n";
    QTest::newRow("text named jpg") << "file" << QByteArray("not a photo\n") << "Not JPEG: %1\n";
    QTest::newRow("folder") << "folder" << QByteArray() << "Not JPEG: %1\n";
    QTest::newRow("end of image before scan") << "file" << endBeforeScan << "No image in jpeg!\nNot JPEG: %1\n";
    QTest::newRow("no application-1 section") << "file" << m_photo << "";
    QTest::newRow("xmp only") << "file"
                              << BqTest::SpliceApp1(m_photo, "http://ns.adobe.com/xap/1.0/\0<x/>") << "";
}

void TestExifReader::notJpeg()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, messages);

    QString path = m_dir.filePath("input.jpg");
    QFile::remove(path);
    if (kind == "file")
        QCOMPARE(WriteFile("input.jpg", content), path);
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(path = m_dir.filePath("folder.jpg")));

    CMetadata metadata;
    const Outcome out = Read(metadata, path);
    QCOMPARE(QString::fromUtf8(out.messages), QString(messages).replace("%1", path));
    QCOMPARE(out.size, 0u);
    QCOMPARE(out.width, 0u);
    QCOMPARE(out.height, 0u);
    QVERIFY(metadata.GetThumbnail() != nullptr);
    QCOMPARE(metadata.GetThumbnail()[0], static_cast<unsigned char>(0));
}

void TestExifReader::thumbnailLengths_data()
{
    using B = ExifBlockBuilder;
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("size"); // -1: the whole thumbnail
    QTest::addColumn<uint>("width");
    QTest::addColumn<uint>("height");

    // A plain white picture compresses well: more pixels than a thumbnail
    // has, yet small enough for a section.
    Magick::Image white(Magick::Geometry(2100, 2100), Magick::Color("white"));
    const QByteArray huge = Encode(white, "JPEG", 10);

    QTest::newRow("exact") << StandardBlock(true).Build() << -1 << 160u << 120u;
    QTest::newRow("stated length past the data")
        << StandardBlock(false).SetThumbnailLength(m_thumbnail.size() + 5000).Build() << -1 << 160u << 120u;
    QTest::newRow("stated length zero") << StandardBlock(false).SetThumbnailLength(0).Build() << 0 << 0u << 0u;
    QTest::newRow("offset past the data")
        << B(false).AddRawEntry(B::Ifd1, 0x0201, B::Long, 1, 0x00ffffff).AddLong(B::Ifd1, 0x0202, 100).Build()
        << 0 << 0u << 0u;
    QTest::newRow("not a picture") << StandardBlock(false).SetThumbnail("no picture at all").Build() << 0 << 0u << 0u;
    QTest::newRow("png thumbnail") << StandardBlock(false).SetThumbnail(m_png).Build() << 0 << 0u << 0u;
    QTest::newRow("thumbnail cut in half")
        << StandardBlock(false).SetThumbnail(m_thumbnail.left(m_thumbnail.size() / 2)).Build() << 0 << 0u << 0u;
    QTest::newRow("thumbnail of 2100 x 2100") << StandardBlock(false).SetThumbnail(huge).Build() << 0 << 0u << 0u;
}

void TestExifReader::thumbnailLengths()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, size);
    QFETCH(uint, width);
    QFETCH(uint, height);
    QVERIFY(payload.size() < 65000);

    CMetadata metadata;
    const Outcome out = Read(metadata, WriteFile("lengths.jpg", ExifJpeg(payload)));
    QCOMPARE(out.messages, QByteArray());
    if (size < 0)
        QCOMPARE(out.thumbnail, m_thumbnail);
    else
        QCOMPARE(out.size, static_cast<unsigned>(size));
    QCOMPARE(out.width, width);
    QCOMPARE(out.height, height);
}

void TestExifReader::padding_data()
{
    QTest::addColumn<QByteArray>("fill"); // before the section's own 0xFF
    QTest::addColumn<QByteArray>("messages");

    QTest::newRow("ten FF") << QByteArray(9, '\xff') << QByteArray();
    QTest::newRow("eleven FF") << QByteArray(10, '\xff')
                               << Nonfatal("Extraneous 10 padding bytes before section E1");
    QTest::newRow("thirteen FF") << QByteArray(12, '\xff')
                                 << Nonfatal("Extraneous 12 padding bytes before section E1");
    QTest::newRow("twelve zero bytes") << QByteArray(12, '\0')
                                       << Nonfatal("Extraneous 12 padding bytes before section E1");
}

void TestExifReader::padding()
{
    QFETCH(QByteArray, fill);
    QFETCH(QByteArray, messages);
    const QByteArray file = m_photo.left(2) + fill + BqTest::JpegSegment(0xe1, StandardBlock(false).Build())
        + m_photo.mid(2);
    CMetadata metadata;
    const Outcome out = Read(metadata, WriteFile("padding.jpg", file));
    QCOMPARE(out.messages, messages);
    QCOMPARE(out.thumbnail, m_thumbnail);
}

void TestExifReader::damagedExif_data()
{
    using B = ExifBlockBuilder;
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("message"); // empty: none at all
    QTest::addColumn<bool>("thumbnailKept");

    const QByteArray nesting = "Maximum Exif directory nesting exceeded (corrupt Exif header)";
    const QByteArray standard = StandardBlock(false).Build();

    QTest::newRow("directories in a loop") << StandardBlock(false).SetNextLink(B::Ifd1, B::Ifd0).Build()
                                           << nesting << true;
    QTest::newRow("exif directory holds itself")
        << StandardBlock(true).AddPointer(B::ExifIfd, 0x8769, B::ExifIfd).Build() << nesting << true;
    B fanOut = StandardBlock(false);
    for (int i = 0; i < 200; ++i)
        fanOut.AddPointer(B::ExifIfd, 0x8769, B::ExifIfd);
    // Walked once: the links back are refused and the thumbnail's
    // directory is still reached.
    QTest::newRow("200 links to one directory") << fanOut.Build() << nesting << true;
    QTest::newRow("make with 70000 components")
        << StandardBlock(false).AddRawEntry(B::Ifd0, 0x010f, B::Ascii, 70000, 16).Build()
        << QByteArray("Too many components 70000 for tag 010f in Exif") << true;
    QTest::newRow("value pointer past the data")
        << StandardBlock(true).AddRawEntry(B::Ifd0, 0x0110, B::Ascii, 20, 0xfffffff0).Build()
        << QByteArray("Illegal value pointer for tag 0110 in Exif") << true;
    QTest::newRow("illegal number format")
        << StandardBlock(false).AddRawEntry(B::Ifd0, 0x0112, 13, 1, 6).Build()
        << QByteArray("Illegal number format 13 for tag 0112 in Exif") << true;
    QTest::newRow("exif pointer past the data") << StandardBlock(false).SetSubIfdPointer(B::ExifIfd, 0x7fffffff).Build()
                                                << QByteArray("Illegal Exif or interop ofset directory link") << true;
    QTest::newRow("interop pointer past the data")
        << StandardBlock(true).AddRawEntry(B::ExifIfd, 0xa005, B::Long, 1, 0xffffff).Build()
        << QByteArray("Illegal Exif or interop ofset directory link") << true;
    QTest::newRow("gps pointer past the data") << StandardBlock(false).SetSubIfdPointer(B::GpsIfd, 0xffffffff).Build()
                                               << QByteArray("Illegal GPS directory link in Exif") << true;
    QTest::newRow("link past the data") << StandardBlock(false).SetNextLinkRaw(B::Ifd1, 0x00ffff00).Build()
                                        << QByteArray("Illegal subdirectory link in Exif header") << true;
    QTest::newRow("link just past the data")
        << B(false).AddAscii(B::Ifd0, 0x010f, "Make").SetNextLinkPastEnd(B::Ifd0, 4).Build() << QByteArray() << false;
    QTest::newRow("entry count past the data") << StandardBlock(false).SetEntryCount(B::ExifIfd, 5000).Build()
                                               << QByteArray("Illegally sized Exif subdirectory (5000 entries)") << true;
    QTest::newRow("byte order mark") << StandardBlock(false).SetByteOrderMark("IM").Build()
                                     << QByteArray("Invalid Exif alignment marker.") << false;
    QTest::newRow("tiff magic") << StandardBlock(true).SetMagic(43).Build()
                                << QByteArray("Invalid Exif start (1)") << false;
    QTest::newRow("first directory inside the header") << StandardBlock(false).SetFirstIfdOffset(4).Build()
                                                       << QByteArray("invalid offset for first Exif IFD value") << false;
    QTest::newRow("first directory past the data") << Patched(standard, 6 + 4, QByteArray("\xf0\xff\xff\xff", 4))
                                                   << QByteArray("invalid offset for first Exif IFD value") << false;
    QTest::newRow("first directory further on") << StandardBlock(false).SetFirstIfdOffset(40).Build()
                                                << QByteArray("Suspicious offset of first Exif IFD value") << true;
    QTest::newRow("tiff header cut") << QByteArray("Exif\0\0II*\0", 10)
                                     << QByteArray("invalid offset for first Exif IFD value") << false;
    QTest::newRow("no exif identifier") << Patched(standard, 4, QByteArray("\0X", 2))
                                        << QByteArray("Incorrect Exif header") << false;
    QTest::newRow("orientation 9") << StandardBlock(false).AddShort(B::Ifd0, 0x0112, 9).Build()
                                   << QByteArray("Undefined rotation value 9 in Exif") << true;
    QTest::newRow("three orientations")
        << StandardBlock(true).AddShort(B::Ifd0, 0x0112, 1).AddShort(B::Ifd0, 0x0112, 3).Build()
        << QByteArray("More than two orientation in Exif") << true;
    B dates = StandardBlock(false);
    for (int i = 0; i < 9; ++i)
        dates.AddAscii(B::ExifIfd, 0x9004, "2014:01:02 03:04:05");
    QTest::newRow("eleven date fields") << dates.Build()
                                        << QByteArray("More than 10 date fields in Exif.  This is nuts") << true;
    QTest::newRow("gps coordinates as longs")
        << StandardBlock(false).AddBytes(B::GpsIfd, 2, B::Long, QByteArray(12, '\1')).Build()
        << QByteArray("Inappropriate format (4) for Exif GPS coordinates!") << true;
    QTest::newRow("gps entry with format 0") << StandardBlock(true).AddRawEntry(B::GpsIfd, 2, 0, 3, 0).Build()
                                             << QByteArray("Illegal number format 0 for Exif gps tag 0002") << true;
    QTest::newRow("gps value past the data")
        << StandardBlock(false).AddRawEntry(B::GpsIfd, 4, B::Rational, 3, 0xffff0000).Build()
        << QByteArray("Illegal value pointer for Exif gps tag 0004") << true;
}

void TestExifReader::damagedExif()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, message);
    QFETCH(bool, thumbnailKept);

    CMetadata metadata;
    const Outcome out = Read(metadata, WriteFile("damaged.jpg", ExifJpeg(payload)));
    if (message.isEmpty())
        QCOMPARE(out.messages, QByteArray());
    else
        QVERIFY2(out.messages.contains(Nonfatal(message)), out.messages.constData());
    QVERIFY(!out.messages.contains("\nError : "));
    if (thumbnailKept)
        QCOMPARE(out.thumbnail, m_thumbnail);
    else
        QCOMPARE(out.size, 0u);
}

void TestExifReader::budgetPerFile_data()
{
    QTest::addColumn<QByteArray>("earlier"); // an Exif section before the standard one
    QTest::addColumn<bool>("thumbnailKept");
    QTest::newRow("a standard section before") << StandardBlock(true).Build() << true;
    QTest::newRow("budget spent by an earlier section") << DistinctDirectories(70) << false;
}

void TestExifReader::budgetPerFile()
{
    QFETCH(QByteArray, earlier);
    QFETCH(bool, thumbnailKept);
    CMetadata metadata;
    const QByteArray jpeg = BqTest::SpliceApp1(ExifJpeg(StandardBlock(false).Build()), earlier);
    const Outcome out = Read(metadata, WriteFile("sections.jpg", jpeg));
    QCOMPARE(out.size > 0, thumbnailKept);
    QCOMPARE(out.messages.contains("Maximum Exif directory nesting exceeded"), !thumbnailKept);
}

void TestExifReader::fatalErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("message");

    const QByteArray soi("\xff\xd8", 2);
    const QByteArray exif = ExifJpeg(StandardBlock(false).Build());
    const QByteArray app1 = BqTest::JpegSegment(0xe1, StandardBlock(false).Build());
    QByteArray manySections = soi;
    for (int i = 0; i < 1001; ++i)
        manySections += BqTest::JpegSegment(0xe2, QByteArray());
    QByteArray bigSections = soi;
    for (int i = 0; i < 257; ++i)
        bigSections += BqTest::JpegSegment(0xe2, QByteArray(65533, 'x'));

    QTest::newRow("cut inside the exif section") << exif.left(120) << QByteArray("Premature end of file?");
    QTest::newRow("cut between sections") << soi + app1 << QByteArray("Premature end of file?");
    QTest::newRow("cut inside a length") << soi + QByteArray("\xff\xe1\x00", 3) << QByteArray("Premature end of file?");
    QTest::newRow("cut within fill bytes") << soi + QByteArray(3, '\xff') << QByteArray("Premature end of file?");
    QTest::newRow("start of image only") << soi << QByteArray("Premature end of file?");
    QTest::newRow("length below two") << soi + QByteArray("\xff\xe1\x00\x01", 4) << QByteArray("invalid marker");
    QTest::newRow("1001 sections") << manySections << QByteArray("Too many JPEG sections");
    QTest::newRow("16 MiB of sections") << bigSections << QByteArray("Too many JPEG sections");
    QTest::newRow("17 MiB of fill") << soi + QByteArray(17 << 20, '\0') << QByteArray("Too many JPEG sections");
}

void TestExifReader::fatalErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, message);

    CMetadata metadata;
    const Outcome out = Read(metadata, WriteFile("fatal.jpg", file));
    QCOMPARE(out.messages, "\nError : " + message + "\n");
    QCOMPARE(out.size, 0u);
    QVERIFY(metadata.Sections().Sections().empty());
    QCOMPARE(QByteArray(metadata.GetImageInfo().CameraMake), QByteArray());
}

void TestExifReader::jfifHeader_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("xDensity");
    QTest::addColumn<int>("yDensity");

    const QByteArray fields("\x01\x02\x01\x01\x2c\x00\x96\x00\x00", 9); // 1.2, dpi, 300 x 150, no thumbnail
    QTest::newRow("valid") << QByteArray("JFIF\0", 5) + fields << QByteArray() << true << 1 << 300 << 150;
    QTest::newRow("too short") << QByteArray("JFIF\0\x01\x02", 7) << QByteArray("Jfif header too short\n") << false
                               << 1 << 300 << 300;
    QTest::newRow("missing marker") << QByteArray("JFXX\0", 5) + fields << QByteArray("Header missing JFIF marker\n")
                                    << true << 1 << 300 << 150;
}

void TestExifReader::jfifHeader()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, messages);
    QFETCH(bool, present);
    QFETCH(int, units);
    QFETCH(int, xDensity);
    QFETCH(int, yDensity);

    CMetadata metadata;
    const QByteArray file = m_photo.left(2) + BqTest::JpegSegment(0xe0, body) + m_photo.mid(2);
    const Outcome out = Read(metadata, WriteFile("jfif.jpg", file));
    QCOMPARE(out.messages, messages);
    const ImageInfo_t& info = metadata.GetImageInfo();
    QCOMPARE(info.JfifPresent, present);
    QCOMPARE(info.JfifResolutionUnits, units);
    QCOMPARE(info.JfifXDensity, xDensity);
    QCOMPARE(info.JfifYDensity, yDensity);
    // The header is read, not kept.
    for (const Section_t& section : metadata.Sections().Sections())
        QVERIFY(section.Type != M_JFIF);
}

void TestExifReader::comments_data()
{
    QTest::addColumn<QByteArrayList>("sections");
    QTest::addColumn<QByteArray>("comment");

    QTest::newRow("control bytes") << QByteArrayList{QByteArray("a\x01" "b\x1f" "c\x7f\xe9", 7)}
                                   << QByteArray("a?b?c\x7f\xe9");
    QTest::newRow("crlf") << QByteArrayList{"line 1\r\nline 2\r\n"} << QByteArray("line 1\nline 2\n");
    QTest::newRow("lone cr") << QByteArrayList{"a\rb"} << QByteArray("a?b");
    QTest::newRow("tab and lf kept") << QByteArrayList{"a\tb\nc"} << QByteArray("a\tb\nc");
    QTest::newRow("nul byte") << QByteArrayList{QByteArray("a\0b", 3)} << QByteArray("a?b");
    QTest::newRow("second comment ignored") << QByteArrayList{"first", "second"} << QByteArray("first");
    QTest::newRow("2100 bytes") << QByteArrayList{QByteArray(2100, 'x')} << QByteArray(1998, 'x');
}

void TestExifReader::comments()
{
    QFETCH(QByteArrayList, sections);
    QFETCH(QByteArray, comment);

    QByteArray file = m_photo.left(2);
    for (const QByteArray& body : sections)
        file += BqTest::JpegSegment(0xfe, body);
    file += m_photo.mid(2);
    CMetadata metadata;
    const Outcome out = Read(metadata, WriteFile("comment.jpg", file));
    QCOMPARE(out.messages, QByteArray());
    QCOMPARE(QByteArray(metadata.GetImageInfo().Comments), comment);
    int kept = 0;
    for (const Section_t& section : metadata.Sections().Sections())
        kept += section.Type == M_COM ? 1 : 0;
    QCOMPARE(kept, 1);
}

void TestExifReader::makerNote_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<QByteArray>("make");
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QByteArray>("message");

    // A one-entry directory in Intel order, as Canon writes it.
    const QByteArray canonNote("\x01\x00" "\x01\x00\x03\x00\x01\x00\x00\x00\x05\x00\x00\x00" "\x00\x00\x00\x00", 18);
    const QByteArray damagedNote = QByteArray("\xff\xff", 2) + QByteArray(16, '\0');
    QTest::newRow("canon in a motorola file") << true << QByteArray("Canon") << canonNote << QByteArray();
    QTest::newRow("canon in an intel file") << false << QByteArray("Canon") << canonNote << QByteArray();
    QTest::newRow("canon, damaged note") << true << QByteArray("Canon") << damagedNote
                                         << QByteArray("Illegally sized Exif subdirectory (65535 entries)");
    QTest::newRow("other make, damaged note") << true << QByteArray("NIKON") << damagedNote << QByteArray();
}

void TestExifReader::makerNote()
{
    using B = ExifBlockBuilder;
    QFETCH(bool, bigEndian);
    QFETCH(QByteArray, make);
    QFETCH(QByteArray, note);
    QFETCH(QByteArray, message);

    B block(bigEndian);
    block.AddAscii(B::Ifd0, 0x010f, make)
        .AddBytes(B::ExifIfd, 0x927c, B::Undefined, note)
        .AddShort(B::ExifIfd, 0xa405, 50) // read after the note, in the file's own order
        .SetThumbnail(m_thumbnail);
    CMetadata metadata;
    const Outcome out = Read(metadata, WriteFile("makernote.jpg", ExifJpeg(block.Build())));
    QCOMPARE(out.messages, message.isEmpty() ? QByteArray() : Nonfatal(message));
    QCOMPARE(metadata.GetImageInfo().FocalLength35mmEquiv, 50);
    QCOMPARE(out.thumbnail, m_thumbnail);
}

void TestExifReader::secondReadReplacesFirst()
{
    using B = ExifBlockBuilder;
    const QString first = WriteFile("first.jpg", ExifJpeg(StandardBlock(false).Build()));
    const QString second = WriteFile(
        "second.jpg", ExifJpeg(B(true).AddAscii(B::Ifd0, 0x0110, "X100").SetThumbnail(m_otherThumbnail).Build()));
    const QString png = WriteFile("second.png", m_png);

    CMetadata metadata;
    QCOMPARE(Read(metadata, first).thumbnail, m_thumbnail);
    QVERIFY(metadata.GetImageInfo().GpsInfoPresent);

    const Outcome out = Read(metadata, second);
    QCOMPARE(out.thumbnail, m_otherThumbnail);
    QCOMPARE(out.width, 120u);
    QCOMPARE(out.height, 160u);
    QCOMPARE(QByteArray(metadata.GetImageInfo().CameraModel), QByteArray("X100"));
    QCOMPARE(QByteArray(metadata.GetImageInfo().CameraMake), QByteArray());
    QVERIFY(!metadata.GetImageInfo().GpsInfoPresent);

    const Outcome none = Read(metadata, png);
    QCOMPARE(none.size, 0u);
    QCOMPARE(none.width, 0u);
    QVERIFY(metadata.Sections().Sections().empty());

    QCOMPARE(Read(metadata, first).thumbnail, m_thumbnail);
}

void TestExifReader::mutations()
{
    ExifBlockBuilder block = StandardBlock(false);
    const QByteArray original = ExifJpeg(block.Build());
    // Bytes before the TIFF header: start of image, marker, length, "Exif\0\0".
    const int tiffAt = 2 + 4 + 6;
    QVector<QPair<int, int>> fields{{4, 2}};
    for (const auto& field : block.LengthFields())
        fields.append({tiffAt + field.first, field.second});
    QVERIFY(original.size() > 2048);

    const QString path = m_dir.filePath("mutated.jpg");
    int withThumbnail = 0;
    int without = 0;
    for (int n = 0; n < 3000; ++n) {
        QRandomGenerator random(static_cast<quint32>(n));
        QByteArray file = original;
        if (n < 2048) {
            file.truncate(n);
        } else if (n < 2600) {
            // A length, count, offset or link rewritten: often near its old
            // value, sometimes anything.
            const auto field = fields[static_cast<int>(random.bounded(fields.size()))];
            for (int i = 0; i < field.second; ++i) {
                const int at = field.first + i;
                file[at] = random.bounded(3) == 0 ? static_cast<char>(random.bounded(256))
                                                  : static_cast<char>(file[at] + random.bounded(-2, 3));
            }
        } else {
            const int flips = 1 + static_cast<int>(random.bounded(8));
            for (int i = 0; i < flips; ++i)
                file[static_cast<int>(random.bounded(2048))] = static_cast<char>(random.bounded(256));
        }
        QCOMPARE(WriteFile("mutated.jpg", file), path);

        CMetadata metadata;
        const Outcome out = Read(metadata, path);
        if (out.size == 0) {
            ++without;
            QCOMPARE(out.width, 0u);
            continue;
        }
        ++withThumbnail;
        const Section_t* section = metadata.Sections().ThumbnailSection();
        QVERIFY2(section, qPrintable(QString::number(n)));
        const unsigned char* begin = section->Data.data() + 8;
        const unsigned char* end = section->Data.data() + section->Size;
        QVERIFY2(metadata.GetThumbnail() >= begin && metadata.GetThumbnail() + out.size <= end,
                 qPrintable(QString::number(n)));
        QVERIFY(out.width > 0 && out.height > 0);
    }
    // Both outcomes occur, so the checks above ran on both kinds.
    QVERIFY(withThumbnail > 100);
    QVERIFY(without > 100);
}

BQ_TEST_MAIN(TestExifReader)
#include "tst_exif_reader.moc"
