// Image engine, write side: every writable format, the ICC profile decision,
// the per-format options, multi-page writing, and outputs that are never
// left half-written.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "ICCProfiles.h"
#include "ImageManager.h"
#include "MagickReader.h"
#include "MagickRuntime.h"
#include "OrientationFixtures.h"
#include "PhotoMaker.h"
#include "PngCoder.h"
#include "ResourceRoot.h"
#include "UserProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>
#include <memory>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList FilesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

// The concatenated IDAT data of a PNG file: the compressed pixels alone,
// without the text chunks that carry dates; or the data of another chunk.
QByteArray PngPixelData(const QByteArray& png, const QByteArray& chunk = "IDAT")
{
    QByteArray data;
    int at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = (quint32(quint8(png[at])) << 24) | (quint32(quint8(png[at + 1])) << 16) |
                               (quint32(quint8(png[at + 2])) << 8) | quint32(quint8(png[at + 3]));
        if (png.mid(at + 4, 4) == chunk)
            data += png.mid(at + 8, int(length));
        at += 12 + int(length);
    }
    return data;
}

// A photo in which each column differs from its neighbours, and each row
// from the next, so that a part drawn a pixel off shows; with alpha, each
// column has its own.
Magick::Image Columns(size_t width, size_t height, bool alpha)
{
    const size_t channels = alpha ? 4 : 3;
    std::vector<unsigned char> pixels(width * height * channels);
    for (size_t y = 0; y < height; ++y) {
        for (size_t x = 0; x < width; ++x) {
            unsigned char* p = &pixels[(y * width + x) * channels];
            p[0] = static_cast<unsigned char>(x);
            p[1] = static_cast<unsigned char>(x / 256 * 8);
            p[2] = static_cast<unsigned char>(y * 40);
            if (alpha)
                p[3] = static_cast<unsigned char>(255 - x % 200);
        }
    }
    return Magick::Image(width, height, alpha ? "RGBA" : "RGB", Magick::CharPixel, pixels.data());
}

// Where the 8-bit colours of two images of one size first differ ("x,y"),
// or "" when they never do.
QString FirstDifference(Magick::Image a, Magick::Image b)
{
    std::vector<unsigned char> pixelsA(a.columns() * a.rows() * 3);
    std::vector<unsigned char> pixelsB(pixelsA.size());
    a.write(0, 0, a.columns(), a.rows(), "RGB", Magick::CharPixel, pixelsA.data());
    b.write(0, 0, b.columns(), b.rows(), "RGB", Magick::CharPixel, pixelsB.data());
    for (size_t i = 0; i < pixelsA.size(); ++i) {
        if (pixelsA[i] != pixelsB[i])
            return QString("%1,%2").arg(i / 3 % a.columns()).arg(i / 3 / a.columns());
    }
    return QString();
}

// A real failure in the middle of a write: the file size limit, with the
// signal that would kill the process ignored. Restored on destruction.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestImageWrite : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void everyWritableFormat_data();
    void everyWritableFormat();
    void profileDecision_data();
    void profileDecision();

    void jpegQuality();
    void jpegSizeLimitOnlyForJpg();
    void interlace_data();
    void interlace();
    void tiffCompression_data();
    void tiffCompression();
    void transparentOutputs_data();
    void transparentOutputs();
    void pngCompression();
    void pngCarriesSoftware();
    void pngAsTheLibraryWritesIt_data();
    void pngAsTheLibraryWritesIt();
    void pngLeavesOutWhatItCannotHold_data();
    void pngLeavesOutWhatItCannotHold();
    void sixteenBitSourceWrittenAsEightBit_data();
    void sixteenBitSourceWrittenAsEightBit();

    void writeMultipage_data();
    void writeMultipage();
    void flattenAfterInsertedPages();
    void failedMultipageKeepsPages();

    void percentInNames_data();
    void percentInNames();
    void successLeavesOnlyTheOutput();
    void failedWriteKeepsOldOutput_data();
    void failedWriteKeepsOldOutput();
    void unwritableTargets_data();
    void unwritableTargets();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    Magick::Image ReadBack(const QString& path) const;

    std::unique_ptr<QTemporaryDir> m_magickTemp;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImageWrite::initTestCase()
{
    m_magickTemp.reset(new QTemporaryDir);
    QVERIFY(m_magickTemp->isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_magickTemp->path()));
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestImageWrite::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    // The format options' defaults.
    CUserProfile* p = CUserProfile::GetInstance();
    p->Quality = 88;
    p->PNGComp = 1;
    p->Interlaced = 0;
    p->FixedSize = false;
    p->FileSize = 100;
    p->JpegType = 1;
    p->TiffType = 2;
    p->TiffAlg = 0;
    p->MultipageWrite = 0;
    p->SetDefaultCustomProfile();
    CICCProfiles::GetInstance()->ResetCustomProfile();
}

Magick::Image TestImageWrite::ReadBack(const QString& path) const
{
    Magick::Image image;
    image.read(QFile::encodeName(path).toStdString());
    return image;
}

void TestImageWrite::everyWritableFormat_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("tolerance"); // -1: black and white only
    QTest::addColumn<QByteArray>("texts"); // "key=value;...": read from a PNG with these tEXt chunks;
                                           // "Orientation=n": from a JPEG with this Exif orientation;
                                           // "Size=WxH[ alpha];...": Columns() instead of FourQuadrants()
    QTest::addColumn<QByteArray>("kept");  // bytes the written file holds, or "the ...": what it was written without
    for (const char* id : {"BMP", "PICT", "GIF", "PCX", "PNG", "PSD", "SGI", "TGA", "TIF"})
        QTest::newRow(id) << QString(id) << 0 << QByteArray() << QByteArray();
    for (const char* id : {"JPG", "JP2", "JPC"})
        QTest::newRow(id) << QString(id) << 3 << QByteArray() << QByteArray();
    QTest::newRow("WBMP") << "WBMP" << -1 << QByteArray() << QByteArray();
    // Texts are only text: no writer takes them for settings, profiles or
    // values out of range.
    QTest::newRow("JPG, text jpeg:sampling-factor")
        << "JPG" << 3 << QByteArray("JPEG:Sampling-Factor=5x5") << QByteArray();
    QTest::newRow("GIF, XMP text that is no XML")
        << "GIF" << 0 << QByteArray("Raw profile type xmp=\nxmp\n3\n3c783e") << QByteArray();
    QTest::newRow("TIF, density NaN") << "TIF" << 0
                                      << QByteArray("exif:XResolution=nan;exif:YResolution=-300;exif:ResolutionUnit=2")
                                      << QByteArray();
    QTest::newRow("TIF, orientation 9") << "TIF" << 0 << QByteArray("exif:Orientation=9") << QByteArray();
    QTest::newRow("TIF, Exif orientation 9 from a JPEG") << "TIF" << 3 << QByteArray("Orientation=9") << QByteArray();
    QTest::newRow("TIF, Exif orientation 65535 from a JPEG")
        << "TIF" << 3 << QByteArray("Orientation=65535") << QByteArray();
    QTest::newRow("JPG, Exif orientation 0 from a JPEG") << "JPG" << 3 << QByteArray("Orientation=0") << QByteArray();
    QTest::newRow("PNG, Exif orientation 0 from a JPEG") << "PNG" << 3 << QByteArray("Orientation=0") << QByteArray();
    QTest::newRow("TIF, IPTC of 4 bytes")
        << "TIF" << 0 << QByteArray("Raw profile type iptc=\niptc\n4\n61626364") << QByteArray();
    // Metadata a writer cannot hold is cut to fit, repaired or left out.
    const auto raw = [](const char* name, const QByteArray& bytes) {
        return "Raw profile type " + QByteArray(name) + "=\n" + name + "\n" + QByteArray::number(bytes.size()) + "\n" +
               bytes.toHex();
    };
    const QByteArray harbour("\x1c\x02\x00\x00\x02\x00\x04\x1c\x02\x05\x00\x07Harbour", 19);
    QTest::newRow("JP2, comment of 70000 bytes")
        << "JP2" << 3 << "Comment=" + QByteArray(70000, 'x') << QByteArray("\xff\x64\xff\xff", 4); // the marker, full
    QTest::newRow("TGA, comment of 300 bytes")
        << "TGA" << 0 << "Comment=" + QByteArray(300, 'c') << QByteArray("the comment past 255 bytes");
    QTest::newRow("PSD, label of 200 \xc3\xa9, cut between characters")
        << "PSD" << 0 << "label=" + QByteArray("\xc3\xa9").repeated(200)
        << '\xfe' + QByteArray("\xc3\xa9").repeated(127);
    QTest::newRow("PICT, IPTC of odd length") << "PICT" << 0 << raw("iptc", harbour) << QByteArray("Harbour");
    QByteArray icc = BqTest::FileBytes(ResourceRoot() + "/sRGB.icm").leftJustified(200000, '\xff');
    icc.replace(0, 4, QByteArray("\0\x03\x0d\x40", 4));
    QTest::newRow("PICT, ICC profile of 200000 bytes") << "PICT" << 0 << raw("icc", icc) << QByteArray();
    // As wide as the library's coder writes: its own file. Wider: bands
    // side by side, each a pixel map of 3 or 4 components (alpha, red,
    // green, blue).
    QTest::newRow("PICT, 8127 x 5") << "PICT" << 0 << QByteArray("Size=8127x5") << QByteArray();
    QTest::newRow("PICT, 8128 x 5") << "PICT" << 0 << QByteArray("Size=8128x5")
                                    << QByteArray("\0\x10\0\x20\0\x03\0\x08", 8);
    QTest::newRow("PICT, 8200 x 6 with alpha")
        << "PICT" << 0 << QByteArray("Size=8200x6 alpha") << QByteArray("\0\x10\0\x20\0\x04\0\x08", 8);
    QTest::newRow("PICT, 20000 x 3") << "PICT" << 0 << QByteArray("Size=20000x3")
                                     << QByteArray("\0\x01\0\x0a\0\0\0\0\0\x03\x4e\x20", 12); // clip: the frame
    // The header's resolution in whole pixels an inch, cut as the coder cuts it.
    QTest::newRow("PICT, 8200 x 6 at 118.11 pixels a centimetre")
        << "PICT" << 0
        << QByteArray("Size=8200x6;exif:XResolution=118.11;exif:YResolution=118.11;exif:ResolutionUnit=3")
        << QByteArray("\x0c\0\xff\xfe\0\0\x01\x2b\0\0\x01\x2b\0\0", 14);
    const QByteArray srgb = BqTest::FileBytes(ResourceRoot() + "/sRGB.icm");
    // The profile behind the comment's length and zero word.
    QTest::newRow("PICT, 8200 x 6 with an ICC profile")
        << "PICT" << 0 << "Size=8200x6;" + raw("icc", srgb) << QByteArray(4, '\0') + srgb;
    const QByteArray unpadded = QByteArray("8BIM\x04\x04\0\0\0\0\0\x13", 12) + harbour +
                                QByteArray("8BIM\x03\xed\0\0\0\0\0\x10", 12) +
                                QByteArray("\0\x48\0\0\0\1\0\1\0\x48\0\0\0\1\0\1", 16);
    QTest::newRow("PSD, resource without its pad byte") << "PSD" << 0 << raw("8bim", unpadded) << harbour + '\0';
    QTest::newRow("PSD, resource past its block")
        << "PSD" << 0 << raw("8bim", QByteArray("8BIM\x04\x04\0\0\0\0\0\x28", 12) + harbour) << QByteArray();
    QTest::newRow("PSD, named resource, then one without data")
        << "PSD" << 0
        << raw("8bim", QByteArray("8BIM\x04\x04\x07"
                                  "Caption\0\0\0\x13",
                                  18) +
                           harbour + '\0' + QByteArray("8BIM\x04\x05\0\0\0\0\0\0", 12))
        << QByteArray("8BIM\x04\x04\0\0\0\0\0\x13", 12) + harbour + '\0';
    BqTest::ExifBlockBuilder exif;
    exif.AddAscii(BqTest::ExifBlockBuilder::Ifd0, 0x010f, "HarbourCam");
    QTest::newRow("JPG, Exif of 100 KB without thumbnail")
        << "JPG" << 3
        << raw("exif", exif.AddAscii(BqTest::ExifBlockBuilder::Ifd0, 0x010e, QByteArray(100000, 'd')).Build())
        << QByteArray();
    exif = BqTest::ExifBlockBuilder();
    exif.AddAscii(BqTest::ExifBlockBuilder::Ifd0, 0x010f, "HarbourCam");
    exif.SetThumbnail("\xff\xd8" + QByteArray(100000, 't'));
    QTest::newRow("JPG, Exif of 100 KB, its thumbnail cut")
        << "JPG" << 3 << raw("exif", exif.Build()) << QByteArray("HarbourCam");
    QTest::newRow("JPG, Exif of 100 KB as a PSD holds it, without header")
        << "JPG" << 3 << raw("exif", exif.Build().mid(6)) << QByteArray("Exif\0\0II", 8);
    exif.SetThumbnail("\xff\xd8" + QByteArray(100001, 't'));
    QTest::newRow("JPG, Exif of 100 KB, its odd thumbnail cut with its pad byte")
        << "JPG" << 3 << raw("exif", exif.Build() + '\0') << QByteArray("HarbourCam");
    // Data that holds offsets of its own between IFD1 and the thumbnail
    // stays where it is, and the block ends with it (the JPEG marker after).
    const auto between = [](BqTest::ExifBlockBuilder::Ifd ifd, quint16 tag, quint16 type, const QByteArray& inner) {
        BqTest::ExifBlockBuilder b;
        b.AddRawEntry(ifd, tag, type, type == 7 ? quint32(inner.size()) : 1, 0);
        b.AddAscii(BqTest::ExifBlockBuilder::Ifd0, 0x010f, "HarbourCam").SetThumbnail(QByteArray(100000, 't'));
        QByteArray block = b.Build();
        const quint32 at = b.ThumbnailOffset();
        block.replace(6 + int(b.IfdOffset(ifd)) + 10, 4, b.U32(at));
        block.replace(6 + int(b.IfdOffset(BqTest::ExifBlockBuilder::Ifd1)) + 22, 4, b.U32(at + quint32(inner.size())));
        return block.insert(6 + int(at), inner);
    };
    const QByteArray subIfd("\1\0\x0e\x01\2\0\4\0\0\0Sub\0\0\0\0\0", 18);
    QTest::newRow("JPG, Exif of 100 KB, sub-IFDs before its thumbnail")
        << "JPG" << 3 << raw("exif", between(BqTest::ExifBlockBuilder::Ifd0, 0x014a, 4, subIfd)) << subIfd + '\xff';
    const QByteArray note("Nikon\0\2\0", 8);
    QTest::newRow("JPG, Exif of 100 KB, maker note before its thumbnail")
        << "JPG" << 3 << raw("exif", between(BqTest::ExifBlockBuilder::ExifIfd, 0x927c, 7, note)) << note + '\xff';
    // A density out of range is none; TIFF and PSD state 72 dpi for none.
    QTest::newRow("JPG, density 5e9 dpi")
        << "JPG" << 3 << QByteArray("exif:XResolution=5e9;exif:YResolution=5e9;exif:ResolutionUnit=2")
        << QByteArray("JFIF\0\x01\x01\0\0\x01\0\x01", 12);
    QTest::newRow("TIF, no density") << "TIF" << 0 << QByteArray()
                                     << QByteArray("\x1a\x01\x05\0\x01\0\0\0", 8); // XResolution, one rational
    QTest::newRow("PSD, no density") << "PSD" << 0 << QByteArray()
                                     << QByteArray("8BIM\x03\xed\0\0\0\0\0\x10\0\x48", 14);
    QTest::newRow("PSD, density without a unit")
        << "PSD" << 0 << QByteArray("exif:XResolution=1;exif:YResolution=1;exif:ResolutionUnit=1")
        << QByteArray("8BIM\x03\xed\0\0\0\0\0\x10\0\x48", 14);
}

void TestImageWrite::everyWritableFormat()
{
    QFETCH(QString, id);
    QFETCH(int, tolerance);
    QFETCH(QByteArray, texts);
    QFETCH(QByteArray, kept);
    QVERIFY(CFormatsEnum::GetInstance()->GetRecordById(id).writable);
    const QString path = Path("x." + id.toLower());
    Magick::Image photo = BqTest::FourQuadrants();
    const bool sized = texts.startsWith("Size=");
    if (sized) {
        const QList<QByteArray> size = texts.split(';').first().mid(5).split(' ');
        const QList<QByteArray> sides = size.first().split('x');
        photo = Columns(sides.first().toUInt(), sides.last().toUInt(), size.size() > 1);
        const int rest = texts.indexOf(';');
        texts = rest < 0 ? QByteArray() : texts.mid(rest + 1);
    }
    CImageManager engine;
    engine.SetImage(photo);
    QVERIFY(QDir().mkpath(Path("in")));
    if (texts.startsWith("Orientation=")) {
        const QByteArray jpeg = BqTest::JpegBytes(BqTest::FourQuadrants(), 100);
        QVERIFY(BqTest::WriteFile(Path("in/o.jpg"), BqTest::InsertExifOrientation(jpeg, texts.mid(12).toInt())));
        QVERIFY(engine.Read(Path("in/o.jpg")));
    } else if (!texts.isEmpty()) {
        photo.write("PNG24:" + QFile::encodeName(Path("in/t.png")).toStdString());
        QByteArray png = BqTest::FileBytes(Path("in/t.png"));
        for (const QByteArray& text : texts.split(';'))
            png.insert(33, BqTest::PngChunk("tEXt", QByteArray(text).replace('=', '\0')));
        QVERIFY(BqTest::WriteFile(Path("in/t.png"), png));
        QVERIFY(engine.Read(Path("in/t.png")));
    }
    QVERIFY2(engine.Write(path), qPrintable(engine.WriteError()));
    QCOMPARE(engine.WrittenFiles(), QStringList{path});
    QCOMPARE(FilesIn(m_dir->path()), QStringList{"x." + id.toLower()});
    // Reading an output back leaves the library's memory count as it was: a
    // count left behind sent every later pixel cache of a run to the disk.
    const auto counted = MagickCore::GetMagickResource(MagickCore::MemoryResource);
    QVERIFY(CMagickReader::Stream(path).error.isEmpty());
    QCOMPARE(MagickCore::GetMagickResource(MagickCore::MemoryResource), counted);
    if (kept.startsWith("the "))
        QCOMPARE(engine.LeftOut(), QString(kept));
    else
        QVERIFY(BqTest::FileBytes(path).contains(kept));
    // An orientation outside 1-8 is none, and none is written.
    for (const int orientation : BqTest::OrientationEntries(BqTest::FileBytes(path)))
        QVERIFY2(orientation >= 1 && orientation <= 8, qPrintable(QString::number(orientation)));

    CImageManager back;
    QVERIFY(back.Read(path));
    if (sized) {
        QCOMPARE(back.m_Image.columns(), photo.columns());
        QCOMPARE(back.m_Image.rows(), photo.rows());
        QCOMPARE(FirstDifference(back.m_Image, photo), QString());
        if (photo.columns() <= 8127) {
            photo.write("PICT:" + QFile::encodeName(Path("own.pict")).toStdString());
            QCOMPARE(BqTest::FileBytes(path), BqTest::FileBytes(Path("own.pict")));
        }
        return;
    }
    QCOMPARE(back.m_Image.columns(), size_t(64));
    QCOMPARE(back.m_Image.rows(), size_t(48));
    const QList<QRgb> got = BqTest::QuadrantCentres(back.m_Image);
    QList<QRgb> want = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    if (tolerance < 0) {
        want = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 255)};
        tolerance = 0;
    }
    for (int i = 0; i < 4; ++i)
        QVERIFY2(BqTest::ChannelDistance(got[i], want[i]) <= tolerance,
                 qPrintable(QString("quadrant %1: %2").arg(i).arg(got[i], 0, 16)));
}

void TestImageWrite::profileDecision_data()
{
    QTest::addColumn<QString>("source");  // rgb, rgb+q, cmyk, cmyk+p, stale
    QTest::addColumn<QString>("output");  // file extension
    QTest::addColumn<int>("jpegType");
    QTest::addColumn<int>("tiffType");
    QTest::addColumn<QString>("profile"); // what the file carries: rswop, p, q, srgb, custom
    QTest::addColumn<bool>("cmyk");

    QTest::newRow("rgb -> jpg cmyk") << "rgb" << "jpg" << 2 << 2 << "rswop" << true;
    QTest::newRow("rgb+q -> jpg cmyk") << "rgb+q" << "jpg" << 2 << 2 << "rswop" << true;
    QTest::newRow("cmyk+p -> jpg cmyk") << "cmyk+p" << "jpg" << 2 << 2 << "p" << true;
    QTest::newRow("cmyk -> jpg cmyk") << "cmyk" << "jpg" << 2 << 2 << "rswop" << true;
    QTest::newRow("cmyk+p, then rgb -> jpg cmyk") << "stale" << "jpg" << 2 << 2 << "rswop" << true;
    QTest::newRow("rgb -> tif cmyk") << "rgb" << "TIF" << 1 << 4 << "rswop" << true;
    QTest::newRow("rgb -> tif custom") << "rgb" << "tif" << 1 << 5 << "custom" << false;
    QTest::newRow("cmyk+p -> tiff custom") << "cmyk+p" << "tiff" << 1 << 5 << "custom" << false;
    QTest::newRow("rgb -> jpeg custom") << "rgb" << "jpeg" << 3 << 2 << "custom" << false;
    QTest::newRow("cmyk -> jpg rgb") << "cmyk" << "jpg" << 1 << 2 << "srgb" << false;
    QTest::newRow("rgb+q -> jpg rgb") << "rgb+q" << "jpg" << 1 << 2 << "q" << false;
    QTest::newRow("cmyk+p -> png") << "cmyk+p" << "png" << 2 << 4 << "srgb" << false;
    QTest::newRow("rgb -> png") << "rgb" << "png" << 2 << 4 << "none" << false;
    // Left out of JPEG: a profile for grey pixels on colour ones, one over
    // 255 segments.
    QTest::newRow("rgb+grey -> jpg rgb") << "rgb+grey"
                                         << "jpg" << 1 << 2 << "none" << false;
    QTest::newRow("rgb+17 MB -> jpg rgb") << "rgb+17 MB"
                                          << "jpg" << 1 << 2 << "none" << false;
    // Every writer: a profile of other pixels, or one whose first tag lies
    // past its end, is left out; a writer that stores none says so.
    QTest::newRow("rgb+grey -> tif rgb") << "rgb+grey" << "tif" << 1 << 2 << "none" << false;
    QTest::newRow("rgb+grey -> psd") << "rgb+grey" << "psd" << 1 << 2 << "none" << false;
    for (const char* format : {"jpg", "tif", "psd"})
        QTest::newRow(qPrintable(QString("rgb+tag past its end -> %1").arg(format)))
            << "rgb+tag past its end" << format << 1 << 2 << "none" << false;
    QTest::newRow("rgb+q -> jp2") << "rgb+q" << "jp2" << 1 << 2 << "none" << false;
    // The type written takes out a profile for other pixels: said too.
    QTest::newRow("grey+grey -> jpg rgb") << "grey+grey" << "jpg" << 1 << 2 << "none" << false;
    QTest::newRow("rgb+q -> jpg grey") << "rgb+q" << "jpg" << 0 << 2 << "none" << false;
    // Converted as sRGB, not through a profile for grey pixels.
    QTest::newRow("rgb+grey -> jpg cmyk") << "rgb+grey" << "jpg" << 2 << 2 << "rswop" << true;
    // The comparison is exact on the upper-cased extension: ".Tif" is TIF.
    QTest::newRow("rgb -> Tif cmyk") << "rgb" << "Tif" << 1 << 4 << "rswop" << true;
}

void TestImageWrite::profileDecision()
{
    QFETCH(QString, source);
    QFETCH(QString, output);
    QFETCH(int, jpegType);
    QFETCH(int, tiffType);
    QFETCH(QString, profile);
    QFETCH(bool, cmyk);

    const QString root = ResourceRoot();
    const Magick::Blob p = BqTest::ProfileVariant(root + "/RSWOP.ICM", "press P");
    const Magick::Blob q = BqTest::ProfileVariant(root + "/sRGB.icm", "camera Q");
    const Magick::Blob custom = BqTest::ProfileVariant(root + "/sRGB.icm", "custom C");
    QVERIFY(BqTest::WriteFile(Path("custom.icc"), BqTest::BlobBytes(custom)));
    CUserProfile* settings = CUserProfile::GetInstance();
    settings->CustomProfile = Path("custom.icc");
    settings->JpegType = jpegType;
    settings->TiffType = tiffType;

    CImageManager engine;
    QString rgbPath = Path("rgb.png");
    Magick::Image rgb = BqTest::FourQuadrants();
    if (source == "rgb+q")
        rgb.profile("icc", q);
    if (source == "grey+grey")
        rgb = Magick::Image(Magick::Geometry(64, 48), Magick::Color("gray50"));
    if (source.endsWith("+grey") || source == "rgb+17 MB" || source == "rgb+tag past its end") { // as PNG holds none
        QByteArray icc = BqTest::FileBytes(root + "/sRGB.icm");
        if (source.endsWith("+grey"))
            icc.replace(16, 4, "GRAY");
        else if (source == "rgb+tag past its end")
            qToBigEndian(quint32(icc.size() + 4), icc.data() + 136);
        else
            icc = icc.leftJustified(255 * 65519 + 1, '\xff').replace(0, 4, QByteArray("\x00\xfe\xef\x12", 4));
        rgb.profile("icc", Magick::Blob(icc.constData(), size_t(icc.size())));
        rgbPath = Path("rgb.tif");
    }
    rgb.write(QFile::encodeName(rgbPath).toStdString());
    if (source.startsWith("cmyk") || source == "stale") {
        const QString cmykPath = Path("cmyk.jpg");
        BqTest::WriteCmykJpeg(cmykPath, source == "cmyk" ? Magick::Blob() : p);
        QVERIFY(engine.Read(cmykPath));
        QVERIFY(engine.m_bSourceCmyk);
    }
    if (!source.startsWith("cmyk"))
        QVERIFY(engine.Read(rgbPath));

    const QString out = Path("out." + output);
    QVERIFY(engine.Write(out));
    // A profile the photo had and the file has not is named in the line.
    QCOMPARE(engine.LeftOut().contains("the ICC profile"), profile == "none" && source.contains('+'));
    const Magick::Image written = ReadBack(out);
    QCOMPARE(written.colorSpace() == Magick::CMYKColorspace, cmyk);
    const QByteArray carried = BqTest::BlobBytes(written.profile("icc"));
    QByteArray expected;
    if (profile == "rswop")
        expected = BqTest::FileBytes(root + "/RSWOP.ICM");
    else if (profile == "p")
        expected = BqTest::BlobBytes(p);
    else if (profile == "q")
        expected = BqTest::BlobBytes(q);
    else if (profile == "srgb")
        expected = BqTest::FileBytes(root + "/sRGB.icm");
    else if (profile == "custom")
        expected = BqTest::BlobBytes(custom);
    QCOMPARE(carried, expected);
    if (cmyk && source.startsWith("rgb")) { // the red quadrant stays red
        CImageManager back;
        QVERIFY(back.Read(out));
        const QRgb red = BqTest::QuadrantCentres(back.m_Image).first();
        QVERIFY2(qRed(red) > qMax(qGreen(red), qBlue(red)) + 100, qPrintable(QString::number(red, 16)));
    }
}

void TestImageWrite::jpegQuality()
{
    CUserProfile::GetInstance()->Quality = 88;
    CImageManager engine;
    engine.SetImage(BqTest::MakePhoto(120, 90));
    QVERIFY(engine.Write(Path("q.jpg")));
    QCOMPARE(ReadBack(Path("q.jpg")).quality(), size_t(88));
    CUserProfile::GetInstance()->Quality = 40;
    QVERIFY(engine.Write(Path("q40.jpg")));
    QCOMPARE(ReadBack(Path("q40.jpg")).quality(), size_t(40));
}

void TestImageWrite::jpegSizeLimitOnlyForJpg()
{
    CUserProfile* settings = CUserProfile::GetInstance();
    settings->FixedSize = true;
    settings->FileSize = 250;
    const Magick::Image photo = BqTest::MakePhoto(3000, 2000);
    CImageManager engine;
    engine.SetImage(photo);
    QVERIFY(engine.Write(Path("limited.JPG")));
    const qint64 limited = QFileInfo(Path("limited.JPG")).size();
    QVERIFY2(limited > 0 && limited <= 256000, qPrintable(QString::number(limited)));

    engine.SetImage(photo);
    QVERIFY(engine.Write(Path("free.jpeg")));
    const qint64 free = QFileInfo(Path("free.jpeg")).size();
    QVERIFY2(free > limited && free > 256000, qPrintable(QString::number(free)));
}

void TestImageWrite::interlace_data()
{
    QTest::addColumn<int>("interlaced");
    QTest::newRow("off") << 0;
    QTest::newRow("on") << 1;
}

void TestImageWrite::interlace()
{
    QFETCH(int, interlaced);
    CUserProfile::GetInstance()->Interlaced = interlaced;
    CImageManager engine;
    engine.SetImage(BqTest::MakePhoto(64, 48));
    QVERIFY(engine.Write(Path("i.jpg")));
    QVERIFY(engine.Write(Path("i.png")));
    const QByteArray jpeg = BqTest::FileBytes(Path("i.jpg"));
    QCOMPARE(jpeg.contains(QByteArray("\xFF\xC2", 2)), interlaced == 1); // progressive
    QCOMPARE(jpeg.contains(QByteArray("\xFF\xC0", 2)), interlaced == 0); // baseline
    const QByteArray png = BqTest::FileBytes(Path("i.png"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(png[28]), interlaced); // Adam7 when interlaced
}

void TestImageWrite::tiffCompression_data()
{
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("compression");
    QTest::addColumn<bool>("bilevel");
    QTest::newRow("LZW") << 0 << 2 << int(Magick::LZWCompression) << false;
    QTest::newRow("Zip") << 2 << 2 << int(Magick::ZipCompression) << false;
    QTest::newRow("Fax bilevel") << 4 << 0 << int(Magick::FaxCompression) << true;
    QTest::newRow("Fax with the RGB type") << 4 << 2 << int(Magick::FaxCompression) << true;
    QTest::newRow("Group 4 with the CMYK type") << 5 << 4 << int(Magick::Group4Compression) << true;
    QTest::newRow("none") << 6 << 2 << int(Magick::NoCompression) << false;
    QTest::newRow("out of table") << 9 << 2 << int(Magick::NoCompression) << false;
}

void TestImageWrite::tiffCompression()
{
    QFETCH(int, algorithm);
    QFETCH(int, type);
    QFETCH(int, compression);
    QFETCH(bool, bilevel);
    CUserProfile::GetInstance()->TiffAlg = algorithm;
    CUserProfile::GetInstance()->TiffType = type;
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    QVERIFY(engine.Write(Path("c.tif")));
    const Magick::Image written = ReadBack(Path("c.tif"));
    QCOMPARE(int(written.compressType()), compression);
    QCOMPARE(written.type() == Magick::BilevelType, bilevel);
}

void TestImageWrite::transparentOutputs_data()
{
    QTest::addColumn<QString>("chain");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tiffType");
    QTest::addColumn<int>("tiffAlgorithm");
    QTest::addColumn<QRgb>("margin"); // the transparent margin once written; 0 while it stays transparent
    const QRgb white = qRgb(255, 255, 255);
    QTest::newRow("shadow to jpg") << "shadow" << "o.jpg" << 2 << 0 << white;
    QTest::newRow("shadow to bmp") << "shadow" << "o.bmp" << 2 << 0 << white;
    QTest::newRow("shadow to pcx") << "shadow" << "o.pcx" << 2 << 0 << white;
    QTest::newRow("shadow to RGB tif") << "shadow" << "o.tif" << 2 << 0 << white;
    QTest::newRow("shadow to Fax tif") << "shadow" << "o.tif" << 3 << 4 << white;
    QTest::newRow("shadow to RGBA tif") << "shadow" << "o.tif" << 3 << 0 << QRgb(0);
    QTest::newRow("shadow to png") << "shadow" << "o.png" << 2 << 0 << QRgb(0);
    QTest::newRow("transparent shape frame to jpg") << "frame" << "o.jpg" << 2 << 0 << white;
    QTest::newRow("red shape frame, then shadow, to jpg") << "red frame" << "o.jpg" << 2 << 0 << qRgb(255, 0, 0);
}

void TestImageWrite::transparentOutputs()
{
    QFETCH(QString, chain);
    QFETCH(QString, file);
    QFETCH(int, tiffType);
    QFETCH(int, tiffAlgorithm);
    QFETCH(QRgb, margin);
    CUserProfile::GetInstance()->TiffType = tiffType;
    CUserProfile::GetInstance()->TiffAlg = tiffAlgorithm;
    const double red = 4294901760.0; // 0xFFFF0000
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants(400, 300));
    // Shape 1 with a transparent or a red background; the shadow as the
    // filter comes by default, on a transparent margin.
    if (chain != "shadow")
        QVERIFY(engine.ApplyFilter(BqTest::Record(FilterType::FilterShapeFrame,
                                                  {1, red, 0, chain == "frame" ? 1.0 : 0.0, 0})));
    if (chain != "frame")
        QVERIFY(engine.ApplyFilter(BqTest::Record(FilterType::FilterShadow, {50, 10, 4278190080.0, 0})));
    QVERIFY(engine.Write(Path(file)));

    const Magick::Image back = ReadBack(Path(file));
    // The frame leaves the photo's corner outside its shape; the shadow
    // leaves the bottom-left corner of its band.
    const size_t x = chain == "frame" ? 1 : 5;
    const size_t y = chain == "frame" ? 1 : back.rows() - 5;
    QCOMPARE(back.matte() && BqTest::Pixel(back, int(x), int(y)) >> 24 != 255, margin == 0);
    if (margin == 0)
        QCOMPARE(BqTest::Pixel(back, int(x), int(y)), QRgb(0));
    else
        QVERIFY2(BqTest::ChannelDistance(BqTest::PixelRgb(back, x, y), margin) <= 3,
                 qPrintable(QString::number(BqTest::PixelRgb(back, x, y), 16)));
    // The photo itself stays as it was.
    QVERIFY(BqTest::ChannelDistance(BqTest::PixelRgb(back, 300, 200), qRgb(255, 255, 255)) <= 3);
}

void TestImageWrite::pngCompression()
{
    const Magick::Image photo = BqTest::MakePhoto(200, 150);
    CImageManager engine;
    CUserProfile::GetInstance()->PNGComp = 0;
    engine.SetImage(photo);
    QVERIFY(engine.Write(Path("zero.png")));
    CUserProfile::GetInstance()->PNGComp = 1;
    engine.SetImage(photo);
    QVERIFY(engine.Write(Path("one.png")));

    // What the library writes when no quality is given.
    Magick::Image plain(photo);
    plain.attribute("exif:Software", "Brandquill");
    plain.interlaceType(Magick::NoInterlace);
    plain.depth(8);
    plain.write(QFile::encodeName(Path("plain.png")).toStdString());

    const QByteArray zero = PngPixelData(BqTest::FileBytes(Path("zero.png")));
    const QByteArray one = PngPixelData(BqTest::FileBytes(Path("one.png")));
    QVERIFY(!zero.isEmpty());
    QCOMPARE(zero, PngPixelData(BqTest::FileBytes(Path("plain.png"))));
    QVERIFY(one.size() <= zero.size());
}

void TestImageWrite::pngCarriesSoftware()
{
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    QVERIFY(engine.Write(Path("s.png")));
    QCOMPARE(QString::fromStdString(ReadBack(Path("s.png")).attribute("exif:Software")), QString("Brandquill"));
    // The multi-page writer does not set it.
    engine.m_Pages.append(BqTest::FourQuadrants());
    QVERIFY(engine.WriteMultipage(Path("m.png"), false));
    QCOMPARE(QString::fromStdString(ReadBack(Path("m.png")).attribute("exif:Software")), QString());
}

void TestImageWrite::pngAsTheLibraryWritesIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("interlaced");
    QTest::addColumn<int>("compression");
    QTest::addColumn<bool>("read"); // the image read from the coder's file first, by each side
    for (const char* kind : {"rgb", "rgb16", "grey", "palette", "alpha", "grey+alpha", "profile"})
        QTest::newRow(kind) << kind << 0 << 1 << false;
    QTest::newRow("interlaced") << "rgb" << 1 << 1 << false;
    QTest::newRow("interlaced grey, quick compression") << "grey" << 1 << 0 << false;
    QTest::newRow("profile, read from a file") << "profile" << 0 << 1 << true;
    QTest::newRow("palette, read from a file") << "palette" << 0 << 1 << true;
}

// The engine's PNG against the one the library's coder makes of the same
// image with the same options: the same pixels, colour type, interlace,
// profile, density and texts.
void TestImageWrite::pngAsTheLibraryWritesIt()
{
    QFETCH(QString, kind);
    QFETCH(int, interlaced);
    QFETCH(int, compression);
    QFETCH(bool, read);
    CUserProfile::GetInstance()->Interlaced = interlaced;
    CUserProfile::GetInstance()->PNGComp = compression;
    std::string prefix;
    Magick::Image image = BqTest::PngVariant(kind, prefix);
    image.attribute("exif:Orientation", "1");
    image.orientation(Magick::TopLeftOrientation); // undefined, the library would write 0
    CImageManager engine;
    engine.SetImage(image);
    if (read) {
        image.write(prefix + QFile::encodeName(Path("source.png")).toStdString());
        QVERIFY(engine.Read(Path("source.png")));
        image = ReadBack(Path("source.png"));
        // The library's coder leaves the eXIf chunk it wrote; the engine
        // reads it as the photo's Exif, and looks its orientation up.
        const QByteArray exif = QByteArray("Exif\0\0", 6) + PngPixelData(BqTest::FileBytes(Path("source.png")), "eXIf");
        if (exif.size() > 6)
            image.profile("exif", Magick::Blob(exif.constData(), size_t(exif.size())));
        image.attribute("EXIF:Orientation");
    }
    QVERIFY(engine.Write(Path("mine.png")));
    image.quality(compression * 100);
    image.interlaceType(Magick::InterlaceType(interlaced + 1));
    image.attribute("exif:Software", "Brandquill");
    image.depth(8);
    image.write(QFile::encodeName(Path("theirs.png")).toStdString());

    const QByteArray mineBytes = BqTest::FileBytes(Path("mine.png"));
    const QByteArray theirBytes = BqTest::FileBytes(Path("theirs.png"));
    QCOMPARE(mineBytes.at(25), theirBytes.at(25)); // colour type
    QCOMPARE(mineBytes.at(28), theirBytes.at(28)); // interlace
    for (const char* chunk : {"pHYs", "eXIf", "tEXt", "zTXt", "IDAT"}) {
        if (kind != "palette" || chunk != QByteArray("IDAT")) // the palette's order differs
            QCOMPARE(PngPixelData(mineBytes, chunk), PngPixelData(theirBytes, chunk));
    }
    const QString difference = BqTest::PngDifference(ReadBack(Path("mine.png")), ReadBack(Path("theirs.png")));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageWrite::pngLeavesOutWhatItCannotHold_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("chunk"); // the chunk the row looks for
    QTest::addColumn<QByteArray>("holds"); // what it holds, or "" for no such chunk
    QTest::addColumn<bool>("warns");
    QTest::newRow("UTF-8 text as iTXt") << "utf8" << QByteArray("iTXt") << QByteArray("K\xc3\xb6ln \xe2\x98\x83")
                                        << false;
    QTest::newRow("Latin-1 text as tEXt") << "latin1" << QByteArray("tEXt") << QByteArray("Zo\xeb \xdcnal") << false;
    QTest::newRow("fx: key never evaluated") << "fx" << QByteArray("tEXt") << QByteArray("fx:") << false;
    QTest::newRow("gamma -5") << "gamma-5" << QByteArray("gAMA") << QByteArray() << true;
    QTest::newRow("gamma NaN") << "gammaNaN" << QByteArray("gAMA") << QByteArray() << true;
    QTest::newRow("key of a space") << "key " << QByteArray("tEXt") << QByteArray("value") << true;
    QTest::newRow("key of a control") << "key\x01" << QByteArray("tEXt") << QByteArray("value") << true;
    QTest::newRow("density 5e9 dpi") << "density" << QByteArray("pHYs") << QByteArray("\x7f\xff\xff\xff", 4) << false;
    QTest::newRow("Exif without TIFF header") << "exif" << QByteArray("eXIf") << QByteArray() << true;
    QTest::newRow("ICC without tags") << "icc-no-tags" << QByteArray("iCCP") << QByteArray() << true;
    QTest::newRow("ICC not D50") << "icc-not-d50" << QByteArray("iCCP") << QByteArray() << true;
    QTest::newRow("ICC sRGB kept") << "icc" << QByteArray("iCCP") << QByteArray("icc") << false;
    QTest::newRow("ICC libpng's stream warns") << "icc-stream" << QByteArray("iCCP") << QByteArray("icc") << false;
    QTest::newRow("ICC kept beside zero primaries")
        << "icc-primaries" << QByteArray("iCCP") << QByteArray("icc") << true;
    QTest::newRow("key of a no-break space") << "key\xc2\xa0" << QByteArray("tEXt") << QByteArray("value") << true;
    QTest::newRow("key fx: after cleaning") << "key\xc2\xa0 fx:w" << QByteArray("tEXt") << QByteArray("value") << false;
    QTest::newRow("key jpeg: after cleaning")
        << "key jpeg:sampling-factor" << QByteArray("tEXt") << QByteArray("value") << false;
    QTest::newRow("text at the reader's limit, ICC kept")
        << "icc+text" << QByteArray("iCCP") << QByteArray("icc") << true;
    QTest::newRow("more texts than a reader keeps") << "many" << QByteArray("tEXt") << QByteArray("k0") << true;
    // Read from a file first.
    QTest::newRow("tEXt bytes as read") << "read tEXt" << QByteArray("tEXt") << QByteArray("Author\0\xc3\xa9", 9)
                                        << false;
    QTest::newRow("ICC read with a wrong CRC") << "read iCCP" << QByteArray("iCCP") << QByteArray() << false;
}

// Metadata PNG or libpng cannot hold is left out with a warning, the photo
// written all the same; what is written reads back without a warning.
void TestImageWrite::pngLeavesOutWhatItCannotHold()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, chunk);
    QFETCH(QByteArray, holds);
    QFETCH(bool, warns);
    Magick::Image image = BqTest::MakePhoto(24, 16);
    image.modifyImage();
    MagickCore::Image* raw = image.image();
    QByteArray srgb = BqTest::BlobBytes(CICCProfiles::GetInstance()->GetIccProfile(CICCProfiles::SlotSrgb));
    if (kind.startsWith("read")) {
        QByteArray chunk = BqTest::PngChunk("iCCP", QByteArray("icc\0\0", 5) + qCompress(srgb).mid(4));
        chunk[chunk.size() - 1] = char(chunk.at(chunk.size() - 1) ^ 1);
        if (kind == "read tEXt")
            chunk = BqTest::PngChunk("tEXt", holds);
        image.write("PNG24:" + QFile::encodeName(Path("in.png")).toStdString());
        const QByteArray bytes = BqTest::FileBytes(Path("in.png"));
        QVERIFY(BqTest::WriteFile(Path("in.png"), bytes.left(33) + chunk + bytes.mid(33)));
        image = CPngCoder::Read(Path("in.png"), false, nullptr).frames.value(0);
        image.modifyImage();
        raw = image.image();
    }
    if (kind == "utf8")
        image.attribute("Title", "Gr\xc3\xbc\xc3\x9f"
                                 "e aus K\xc3\xb6ln \xe2\x98\x83 \xe6\x9d\xb1\xe4\xba\xac");
    if (kind == "latin1")
        image.attribute("Author", "Zo\xc3\xab \xc3\x9cnal");
    if (kind == "fx")
        MagickCore::SetImageProperty(raw, "fx:w", "x");
    if (kind == "icc+text") // a tEXt chunk of 8 MiB
        image.attribute("Comment", std::string((8 << 20) - 8, 'x'));
    if (kind.startsWith("gamma"))
        raw->gamma = kind == "gamma-5" ? -5 : std::nan("");
    if (kind.startsWith("key"))
        MagickCore::SetImageProperty(raw, kind.mid(3).toUtf8().constData(), "value");
    for (int i = 0; kind == "many" && i < 1500; ++i)
        MagickCore::SetImageProperty(raw, ("k" + QByteArray::number(i)).constData(), "v");
    if (kind == "density") {
        raw->x_resolution = raw->y_resolution = 5e9;
        raw->units = MagickCore::PixelsPerInchResolution;
    }
    if (kind == "exif")
        image.profile("exif", Magick::Blob("Exif\0\0not a TIFF header", 24));
    if (kind == "icc-no-tags") {
        srgb.truncate(132);
        srgb.replace(0, 4, QByteArray("\0\0\0\x84", 4));
        srgb.replace(128, 4, QByteArray(4, '\0'));
    }
    if (kind == "icc-not-d50")
        srgb.replace(68, 12, QByteArray("\0\1\0\0\0\1\0\0\0\1\0\0", 12));
    // Bytes after the tags on which libpng's writer, at its default level,
    // ends the stream past where its reader stops.
    for (quint32 x = 1; kind == "icc-stream" && srgb.size() < 1280;)
        srgb += char((x = x * 1103515245u + 12345u) >> 16);
    if (kind == "icc-stream")
        srgb.replace(0, 4, QByteArray("\0\0\x05\0", 4));
    if (kind == "icc-primaries") { // as a BMP header with a profile gives them
        raw->chromaticity = MagickCore::ChromaticityInfo();
        raw->chromaticity.white_point = {0.3127, 0.329, 0};
    }
    if (kind.startsWith("icc"))
        image.profile("icc", Magick::Blob(srgb.constData(), size_t(srgb.size())));

    QString reason;
    QString warning;
    QVERIFY2(CPngCoder::Write(image, Path("m.png"), reason, &warning), qPrintable(reason));
    QCOMPARE(!warning.isEmpty(), warns);
    const QByteArray data = PngPixelData(BqTest::FileBytes(Path("m.png")), chunk);
    if (holds.isEmpty())
        QCOMPARE(data, QByteArray());
    else
        QCOMPARE(data.contains(holds), kind != "fx" && !kind.startsWith("key"));
    const CMagickReader::SResult back = CPngCoder::Read(Path("m.png"), false, nullptr);
    QCOMPARE(back.frames.size(), 1);
    QVERIFY(back.clean);
}

void TestImageWrite::sixteenBitSourceWrittenAsEightBit_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("png") << "png";
    QTest::newRow("tif") << "tif";
}

void TestImageWrite::sixteenBitSourceWrittenAsEightBit()
{
    QFETCH(QString, output);
    Magick::Image deep = BqTest::MakePhoto(40, 30);
    deep.write("PNG48:" + QFile::encodeName(Path("deep.png")).toStdString());
    QCOMPARE(BqTest::FileBytes(Path("deep.png")).at(24), char(16));

    CImageManager engine;
    QVERIFY(engine.Read(Path("deep.png")));
    QVERIFY(engine.Write(Path("out." + output)));
    QCOMPARE(ReadBack(Path("out." + output)).depth(), size_t(8));
    if (output == "png")
        QCOMPARE(BqTest::FileBytes(Path("out.png")).at(24), char(8));
}

void TestImageWrite::writeMultipage_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("oneDocument");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("pages"); // page count of each file
    QTest::newRow("every page, files") << 0 << false << QStringList{"name-0.tif", "name-1.tif", "name-2.tif"}
                                       << QList<int>{1, 1, 1};
    QTest::newRow("every page, one document") << 0 << true << QStringList{"name.tif"} << QList<int>{3};
    QTest::newRow("every page, one gif whose screen holds each")
        << 0 << true << QStringList{"name.gif"} << QList<int>{3};
    QTest::newRow("every page, PICT files, the last wider than the library's coder writes")
        << 0 << true << QStringList{"name-0.pict", "name-1.pict", "name-2.pict"} << QList<int>{1, 1, 1};
    QTest::newRow("flatten") << 1 << false << QStringList{"name.tif"} << QList<int>{1};
    QTest::newRow("first page") << 2 << false << QStringList{"name.tif"} << QList<int>{1};
    QTest::newRow("unknown mode") << 7 << false << QStringList{} << QList<int>{};
}

void TestImageWrite::writeMultipage()
{
    QFETCH(int, mode);
    QFETCH(bool, oneDocument);
    QFETCH(QStringList, files);
    QFETCH(QList<int>, pages);
    CUserProfile::GetInstance()->MultipageWrite = mode;
    const QString source = Path("three.tif");
    BqTest::WriteThreePageTiff(source);
    QVERIFY(QDir().mkpath(Path("out")));

    CImageManager engine;
    QVERIFY(engine.ReadMultipage(source));
    QCOMPARE(engine.m_Pages.size(), 3);
    const QString format = files.isEmpty() ? "tif" : QFileInfo(files.first()).suffix();
    const size_t lastWidth = format == "pict" ? 8200 : 60;
    if (format == "pict")
        engine.m_Pages[2] = Columns(lastWidth, 4, false);
    // No listing of the folder (inotify: an access to it): the cost stays whatever is beside it.
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(inotify_add_watch(watch, QFile::encodeName(Path("out")).constData(), IN_ACCESS) >= 0);
    QVERIFY(engine.WriteMultipage(Path("out/name." + format), oneDocument));
    QVERIFY(engine.m_Pages.isEmpty());
    alignas(inotify_event) char events[65536];
    const ssize_t got = ::read(watch, events, sizeof events);
    ::close(watch);
    for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(events + at);
        QVERIFY2(event->len > 0, "the folder was listed"); // a file in it has its name
        at += ssize_t(sizeof(inotify_event) + event->len);
    }
    QCOMPARE(FilesIn(Path("out")), files);
    QStringList written;
    for (const QString& f : files)
        written << Path("out/" + f);
    QCOMPARE(engine.WrittenFiles(), written);
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(engine.GetPageCount(written[i]), pages[i]);
    if (mode == 0 && files.size() == 3)
        QCOMPARE(ReadBack(written[2]).columns(), lastWidth);
    if (mode == 2)
        QCOMPARE(ReadBack(written[0]).columns(), size_t(40));
    if (format == "gif") // the largest page's width and height
        QCOMPARE(ReadBack(written[0]).page(), Magick::Geometry(60, 50, 0, 0));
}

void TestImageWrite::flattenAfterInsertedPages()
{
    CUserProfile::GetInstance()->MultipageWrite = 1;
    CImageManager engine;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const QString page = Path(QString("p%1.png").arg(i));
        Magick::Image(Magick::Geometry(30, 20), Magick::Color(colours[i].name().toStdString()))
            .write(QFile::encodeName(page).toStdString());
        QVERIFY(engine.ReadAndInsertPage(page));
    }
    QVERIFY(!engine.m_Image.isValid());
    QVERIFY(engine.WriteMultipage(Path("doc.png"), true));
    QCOMPARE(engine.WrittenFiles(), QStringList{Path("doc.png")});
    const Magick::Image flat = ReadBack(Path("doc.png"));
    QCOMPARE(flat.columns(), size_t(30));
    QCOMPARE(BqTest::PixelRgb(flat, 10, 10), qRgb(0, 0, 255));
}

void TestImageWrite::failedMultipageKeepsPages()
{
    const QString source = Path("three.tif");
    BqTest::WriteThreePageTiff(source);
    CImageManager engine;
    QVERIFY(engine.ReadMultipage(source));
    QVERIFY(!engine.WriteMultipage(Path("missing/name.tif"), false));
    QCOMPARE(engine.m_Pages.size(), 3);
    QVERIFY(engine.WrittenFiles().isEmpty());
    QVERIFY(engine.WriteMultipage(Path("name.tif"), false));
    QVERIFY(engine.m_Pages.isEmpty());
    // Nothing left to write.
    QVERIFY(!engine.WriteMultipage(Path("again.tif"), false));
}

void TestImageWrite::percentInNames_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain folder") << "";
    QTest::newRow("folder with %d") << "100%d";
}

void TestImageWrite::percentInNames()
{
    QFETCH(QString, folder);
    const QString dir = folder.isEmpty() ? m_dir->path() : Path(folder);
    QVERIFY(QDir().mkpath(dir));
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    QVERIFY(engine.Write(dir + "/50%off.jpg"));
    QVERIFY(QFile::exists(dir + "/50%off.jpg"));
    QVERIFY(!QFile::exists(dir + "/500ff.jpg"));
    QVERIFY(engine.Read(dir + "/50%off.jpg"));

    engine.m_Pages = {BqTest::FourQuadrants(), BqTest::FourQuadrants(20, 10)};
    QVERIFY(engine.WriteMultipage(dir + "/50%off.tif", false));
    QCOMPARE(FilesIn(dir), (QStringList{"50%off-0.tif", "50%off-1.tif", "50%off.jpg"}));
}

void TestImageWrite::successLeavesOnlyTheOutput()
{
    const QString out = Path("mode.jpg");
    QVERIFY(BqTest::WriteFile(out, "old"));
    QVERIFY(QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner));
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    QVERIFY(engine.Write(out));
    QCOMPARE(FilesIn(m_dir->path()), QStringList{"mode.jpg"});
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(out).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u); // a file replaced in place keeps its own mode
    QVERIFY(BqTest::FileBytes(out).startsWith("\xFF\xD8"));
}

void TestImageWrite::failedWriteKeepsOldOutput_data()
{
    QTest::addColumn<bool>("overSource");
    QTest::newRow("over an old output") << false;
    QTest::newRow("over the source itself") << true;
}

void TestImageWrite::failedWriteKeepsOldOutput()
{
    QFETCH(bool, overSource);
    const QString source = Path("source.png");
    BqTest::MakePhoto(400, 300).write(QFile::encodeName(source).toStdString());
    const QString out = overSource ? source : Path("out.png");
    if (!overSource)
        QVERIFY(BqTest::WriteFile(out, "an old output of a previous run"));
    const QByteArray before = BqTest::FileBytes(out);
    const QStringList filesBefore = FilesIn(m_dir->path());

    CImageManager engine;
    QVERIFY(engine.Read(source));
    bool written = true;
    {
        FileSizeLimit limit(20000);
        written = engine.Write(out);
    }
    QVERIFY(!written);
    QVERIFY(engine.WrittenFiles().isEmpty());
    QCOMPARE(BqTest::FileBytes(out), before);
    QCOMPARE(FilesIn(m_dir->path()), filesBefore);
    // Without the limit the same write goes through.
    QVERIFY(engine.Write(out));
    QVERIFY(BqTest::FileBytes(out).size() > 20000);
}

void TestImageWrite::unwritableTargets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "folder";
    QTest::newRow("profile the library rejects") << "profile";
    QTest::newRow("empty path") << "empty";
    QTest::newRow("path of 4096 bytes") << "long";
    QTest::newRow("no image") << "noimage";
    QTest::newRow("density libtiff refuses") << "nan";
    QTest::newRow("PSD that does not read back") << "readback";
    QTest::newRow("BMP cut short after its pixels were let go") << "cut";
    QTest::newRow("PICT taller than its coordinates") << "tall";
}

void TestImageWrite::unwritableTargets()
{
    QFETCH(QString, kind);
    QString out = Path("out.tif");
    QVERIFY(BqTest::WriteFile(out, "old output"));
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    if (kind == "folder") {
        out = Path("missing/out.tif");
    } else if (kind == "profile") {
        // A valid header whose tag table points past the data.
        QByteArray broken = BqTest::FileBytes(ResourceRoot() + "/sRGB.icm");
        for (int i = 132; i < broken.size(); ++i)
            broken[i] = char(0xEE);
        QVERIFY(BqTest::WriteFile(Path("broken.icc"), broken));
        CUserProfile::GetInstance()->CustomProfile = Path("broken.icc");
        CUserProfile::GetInstance()->TiffType = 5;
    } else if (kind == "empty") {
        out.clear();
    } else if (kind == "long") {
        out = m_dir->path() + "/" + QString(4100, 'a') + ".tif";
    } else if (kind == "noimage") {
        engine.SetImage(Magick::Image());
    } else if (kind == "nan") {
        engine.m_Image.modifyImage();
        engine.m_Image.image()->x_resolution = engine.m_Image.image()->y_resolution = std::nan("");
        engine.m_Image.resolutionUnits(Magick::PixelsPerInchResolution);
    } else if (kind == "cut") {
        // As a worker writes: the photo goes before the streamed read-back.
        engine.SetReleaseWritten(true);
        engine.SetBeforeCheck([&] {
            for (const QString& name : FilesIn(m_dir->path()))
                if (name.startsWith(".bq-"))
                    QVERIFY(QFile::resize(Path(name), BqTest::FileBytes(Path(name)).size() / 2));
        });
        out = Path("out.bmp");
    } else if (kind == "readback") {
        out = Path("out.psd");
    } else if (kind == "tall") {
        engine.SetImage(Magick::Image(Magick::Geometry(2, 32768), Magick::Color("red")));
        out = Path("out.pict");
    }
    const QStringList before = FilesIn(m_dir->path());
    // Readers refuse a width over the limit; writers take it.
    const MagickCore::MagickSizeType width = MagickCore::GetMagickResourceLimit(MagickCore::WidthResource);
    if (kind == "readback")
        MagickCore::SetMagickResourceLimit(MagickCore::WidthResource, 32);
    const bool written = engine.Write(out);
    MagickCore::SetMagickResourceLimit(MagickCore::WidthResource, width);
    QVERIFY(!written);
    // Named as the user knows it, never as the temporary written first.
    QVERIFY2(!engine.WriteError().contains(".bq-"), qPrintable(engine.WriteError()));
    if (kind == "nan")
        QVERIFY2(engine.WriteError().contains(out), qPrintable(engine.WriteError()));
    if (kind == "readback" || kind == "cut")
        QVERIFY2(engine.WriteError().startsWith("the file written does not read back: "),
                 qPrintable(engine.WriteError()));
    if (kind == "cut")
        QVERIFY(!engine.m_Image.isValid());
    if (kind == "tall")
        QCOMPARE(engine.WriteError(), QString("width or height exceeds limit: a PICT holds at most 32767 pixels a side"));
    QVERIFY(engine.WrittenFiles().isEmpty());
    QCOMPARE(FilesIn(m_dir->path()), before);
    QCOMPARE(BqTest::FileBytes(Path("out.tif")), QByteArray("old output"));
}

BQ_TEST_MAIN(TestImageWrite)
#include "tst_image_write.moc"
