// Image engine, read side: identification, reading and pinging every
// readable extension, page counts, CMYK sources, multi-page reads, damaged
// and hostile files, and eight engines reading large photos at once.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FormatsEnum.h"
#include "ICCProfiles.h"
#include "ImageManager.h"
#include "MagickReader.h"
#include "MagickRuntime.h"
#include "Metadata.h"
#include "ResourceRoot.h"
#include "UserProfile.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <memory>
#include <vector>

#include <sys/stat.h>

using BqTest::ExifBlockBuilder;

namespace {
const char* const kDateA = "2013:05:04 14:22:10";
const char* const kDateB = "2014:01:02 03:04:05";

// An Exif block with a capture date and a camera.
QByteArray ExifWithDate(const char* date, const char* make = "Canon")
{
    ExifBlockBuilder exif;
    exif.AddAscii(ExifBlockBuilder::Ifd0, 0x010F, make);
    exif.AddPointer(ExifBlockBuilder::Ifd0, 0x8769, ExifBlockBuilder::ExifIfd);
    exif.AddAscii(ExifBlockBuilder::ExifIfd, 0x9003, date);
    return exif.Build();
}

// A red and a blue 40 x 30 frame as a GIF, cut inside the second frame.
QByteArray GifCutInSecondFrame()
{
    std::vector<Magick::Image> frames{Magick::Image(Magick::Geometry(40, 30), Magick::Color("red")),
                                      Magick::Image(Magick::Geometry(40, 30), Magick::Color("blue"))};
    Magick::Blob blob;
    frames.front().magick("GIF");
    Magick::writeImages(frames.begin(), frames.end(), &blob, true);
    const QByteArray gif = BqTest::BlobBytes(blob);
    const int second = gif.indexOf(',', gif.indexOf(',') + 12); // the second image descriptor
    return second < 0 ? QByteArray() : gif.left(second + 14);
}

// Three pages whose PageNumber tags (297) are turned into tag 299, which
// no reader knows: libtiff warns of each, the pages are intact.
void WriteThreePageTiffWithUnknownTag(const QString& path)
{
    BqTest::WriteThreePageTiff(path);
    QByteArray bytes = BqTest::FileBytes(path);
    BqTest::WriteFile(path, bytes.replace(QByteArray("\x29\x01\x03\x00", 4), QByteArray("\x2b\x01\x03\x00", 4)));
}

bool SameProperties(const SImageProperties& a, const SImageProperties& b)
{
    return a.width == b.width && a.height == b.height && a.dateTime == b.dateTime && a.make == b.make &&
           a.model == b.model && a.densityX == b.densityX && a.densityY == b.densityY && a.units == b.units &&
           a.orientation == b.orientation && a.gps == b.gps && a.colorSpace == b.colorSpace;
}
} // namespace

class TestImageRead : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void identifyImage_data();
    void identifyImage();
    void everyReadableExtension_data();
    void everyReadableExtension();
    void pageCount_data();
    void pageCount();
    void unreadableInput_data();
    void unreadableInput();
    void truncatedJpegKeepsItsExif();
    void damageIsNamed_data();
    void damageIsNamed();
    void decompressionBombs_data();
    void decompressionBombs();
    void pngAsTheLibraryReadsIt_data();
    void pngAsTheLibraryReadsIt();
    void pngBesideTheLibrarysCoder_data();
    void pngBesideTheLibrarysCoder();

    void cmykSource_data();
    void cmykSource();
    void sourceColourClearedByNextRead_data();
    void sourceColourClearedByNextRead();

    void readMultipage_data();
    void readMultipage();
    void readMultipageFailures_data();
    void readMultipageFailures();
    void readAndInsertPage();

    void eightEnginesReadLargePhotos();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    QString WritePhotoA();
    bool MakeUnreadable(const QString& kind, QString& path);

    std::unique_ptr<QTemporaryDir> m_magickTemp;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImageRead::initTestCase()
{
    m_magickTemp.reset(new QTemporaryDir);
    QVERIFY(m_magickTemp->isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_magickTemp->path()));
    QVERIFY(StartMagickRuntime());
    // The raw extension list is empty until the table is generated.
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestImageRead::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    CUserProfile::GetInstance()->MultipageWrite = 0;
}

QString TestImageRead::WritePhotoA()
{
    const QString path = Path("a.jpg");
    BqTest::WriteFile(path, BqTest::SpliceApp1(BqTest::JpegBytes(BqTest::FourQuadrants(80, 60)),
                                               ExifWithDate(kDateA)));
    return path;
}

// Points `path` at the unreadable input of `kind` ("empty", "text",
// "folder"), made here; other kinds leave it alone. False where a file
// could not be written.
bool TestImageRead::MakeUnreadable(const QString& kind, QString& path)
{
    if (kind == "empty")
        return BqTest::WriteFile(path = Path("empty.jpg"), QByteArray());
    if (kind == "text")
        return BqTest::WriteFile(path = Path("notes.jpg"), "plain text\n");
    if (kind == "folder")
        path = m_dir->path();
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path = Path("x.jpg")).constData(), 0600) == 0;
    if (kind == "kernel file link")
        return QFile::link("/proc/self/mem", path = Path("mem.jpg"));
    if (kind == "fifo link") {
        QString fifo;
        return MakeUnreadable("fifo", fifo) && QFile::link(fifo, path = Path("link.png"));
    }
    return true;
}

void TestImageRead::identifyImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::newRow("upper-case raw") << "/p/IMG_1.CR2" << 2;
    QTest::newRow("lower-case raw") << "/p/img_1.cr2" << 2;
    QTest::newRow("mixed-case raw") << "/p/x.Nef" << 2;
    QTest::newRow("jpeg") << "/p/x.JPG" << 1;
    QTest::newRow("no dot") << "/p/photo" << 1;
    QTest::newRow("dot in folder only") << "/p/a.b/IMG" << 1;
    QTest::newRow("raw name without dot") << "CR2" << 2;
    QTest::newRow("raw word as folder") << "/p/CR2/x" << 1;
    QTest::newRow("trailing dot") << "/p/x.cr2." << 1;
    QTest::newRow("empty") << "" << 1;
}

void TestImageRead::identifyImage()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    CImageManager engine;
    QCOMPARE(engine.IdentifyImage(path), kind);
    // The file is never opened: a real file of that name answers the same.
    const QString name = QFileInfo(path).fileName();
    if (name.contains('.')) {
        QVERIFY(BqTest::WriteFile(Path(name), "x"));
        QCOMPARE(engine.IdentifyImage(Path(name)), kind);
    }
}

void TestImageRead::everyReadableExtension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("coder");
    const QList<QPair<QString, QString>> table = {
        {"BMP", "BMP"}, {"PCT", "PICT"}, {"PICT", "PICT"}, {"GIF", "GIF"},  {"JP2", "JP2"},   {"JPC", "JPC"},
        {"JPG", "JPEG"}, {"JPEG", "JPEG"}, {"JPE", "JPEG"}, {"PCX", "PCX"},  {"PNG", "PNG"},   {"PSD", "PSD"},
        {"PDD", "PSD"}, {"SGI", "SGI"},   {"TGA", "TGA"},   {"ICB", "TGA"},  {"VDA", "TGA"},   {"VST", "TGA"},
        {"TIF", "TIFF"}, {"TIFF", "TIFF"}, {"WBMP", "WBMP"}};
    QCOMPARE(table.size(), 21);
    for (const auto& row : table) {
        QTest::newRow(qPrintable(row.first)) << row.first << row.second;
        QTest::newRow(qPrintable(row.first.toLower())) << row.first.toLower() << row.second;
    }
}

void TestImageRead::everyReadableExtension()
{
    QFETCH(QString, extension);
    QFETCH(QString, coder);
    // Every extension of the table is offered as readable.
    QVERIFY(CFormatsEnum::GetInstance()->readableExtensions.contains(extension.toUpper()));
    const QString path = Path("photo." + extension);
    Magick::Image photo = BqTest::FourQuadrants();
    photo.write((coder + ":" + path).toStdString());

    CImageManager engine;
    QVERIFY(engine.Read(path));
    QCOMPARE(engine.m_Image.columns(), size_t(64));
    QCOMPARE(engine.m_Image.rows(), size_t(48));
    QCOMPARE(engine.m_Path, path);
    QCOMPARE(engine.m_Properties.width, qint64(64));

    CImageManager pinger;
    QVERIFY(pinger.Ping(path));
    QCOMPARE(pinger.m_Properties.width, qint64(64));
    QCOMPARE(pinger.m_Properties.height, qint64(48));
    QVERIFY(pinger.GetPageCount(path) >= 1);
}

void TestImageRead::pageCount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("pages");
    QTest::newRow("3-page tiff") << "tiff" << 3;
    QTest::newRow("jpeg") << "jpeg" << 1;
    QTest::newRow("photoshop") << "psd" << 2; // merged image plus one layer
    QTest::newRow("missing") << "missing" << 0;
    QTest::newRow("zero bytes") << "empty" << 0;
    QTest::newRow("text named jpg") << "text" << 0;
    QTest::newRow("folder") << "folder" << 0;
    QTest::newRow("gif of the frame limit") << "1023.gif" << 1023;
    QTest::newRow("gif one frame over the limit, not one page") << "1024.gif" << 0;
    QTest::newRow("3-page tiff with an unknown tag warns") << "tagged.tif" << 3;
}

void TestImageRead::pageCount()
{
    QFETCH(QString, kind);
    QFETCH(int, pages);
    QString path = Path("file." + kind);
    if (kind == "tiff")
        BqTest::WriteThreePageTiff(path);
    else if (kind == "jpeg" || kind == "psd")
        BqTest::FourQuadrants().write(QFile::encodeName(path).toStdString());
    else if (kind == "tagged.tif")
        WriteThreePageTiffWithUnknownTag(path);
    else if (kind.endsWith(".gif"))
        QVERIFY(BqTest::WriteFile(path, BqTest::GifOfFrames(kind.section('.', 0, 0).toInt())));
    else
        QVERIFY(MakeUnreadable(kind, path));

    CImageManager engine;
    const QString photo = WritePhotoA();
    QVERIFY(engine.Read(photo));
    const SImageProperties before = engine.m_Properties;
    const std::string signature = engine.m_Image.signature();

    QCOMPARE(engine.GetPageCount(path), pages);
    if (kind == "1024.gif")
        QCOMPARE(engine.m_ReadError, QString("more than 1023 frames, the most one file may have"));
    // Counting touches nothing of the engine.
    QCOMPARE(engine.m_Path, photo);
    QCOMPARE(engine.m_Image.signature(), signature);
    QVERIFY(SameProperties(engine.m_Properties, before));
    QVERIFY(engine.m_Pages.isEmpty());
}

void TestImageRead::unreadableInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("zero bytes") << "empty";
    QTest::newRow("text named jpg") << "text";
    QTest::newRow("folder") << "folder";
    QTest::newRow("named pipe called x.jpg") << "fifo";
    QTest::newRow("link to a named pipe") << "fifo link";
    QTest::newRow("link to /proc/self/mem") << "kernel file link";
    QTest::newRow("empty path") << "none";
    QTest::newRow("path of 4096 bytes") << "long";
}

void TestImageRead::unreadableInput()
{
    QFETCH(QString, kind);
    QString path;
    if (kind == "missing")
        path = Path("missing.jpg");
    else if (kind == "long")
        path = "/" + QString(4091, 'a') + ".jpg";
    else
        QVERIFY(MakeUnreadable(kind, path));

    CImageManager engine;
    const QString photo = WritePhotoA();
    QVERIFY(engine.Read(photo));
    const SImageProperties before = engine.m_Properties;
    const std::string signature = engine.m_Image.signature();

    QVERIFY(!engine.Read(path));
    if (kind.startsWith("fifo"))
        QVERIFY2(engine.m_ReadError.endsWith("is a named pipe, not a regular file"), qPrintable(engine.m_ReadError));
    if (kind.startsWith("kernel"))
        QVERIFY2(engine.m_ReadError.endsWith("is a file of the kernel, not a regular file"),
                 qPrintable(engine.m_ReadError));
    QVERIFY(!engine.Ping(path));
    QCOMPARE(engine.GetPageCount(path), 0);
    CMetadata exif;
    exif.Read(path);
    QCOMPARE(exif.GetThumbnailSize(), 0u);
    QCOMPARE(engine.m_Image.signature(), signature);
    QCOMPARE(engine.m_Path, photo);
    QVERIFY(SameProperties(engine.m_Properties, before));
    QCOMPARE(engine.m_Properties.dateTime, QString(kDateA));
    // The multi-page read empties the image on failure.
    QVERIFY(!engine.ReadMultipage(path));
    QVERIFY(!engine.m_Image.isValid());
    QVERIFY(engine.m_Pages.isEmpty());
}

void TestImageRead::truncatedJpegKeepsItsExif()
{
    const QByteArray whole = BqTest::SpliceApp1(BqTest::JpegBytes(BqTest::FourQuadrants(160, 120)),
                                                ExifWithDate(kDateB, "Nikon"));
    const QString cut = Path("cut.jpg");
    QVERIFY(BqTest::WriteFile(cut, whole.left(whole.size() / 2)));

    CImageManager engine;
    QVERIFY(engine.Read(WritePhotoA()));
    QCOMPARE(engine.m_Properties.dateTime, QString(kDateA));
    QVERIFY(engine.Read(cut));
    QCOMPARE(engine.m_Image.columns(), size_t(160));
    QCOMPARE(engine.m_Image.rows(), size_t(120));
    QCOMPARE(engine.m_Properties.width, qint64(160));
    QCOMPARE(engine.m_Properties.dateTime, QString(kDateB));
    QCOMPARE(engine.m_Properties.make, QString("Nikon"));
    QCOMPARE(engine.m_Path, cut);
    // The decoded top half keeps its colours.
    QVERIFY(BqTest::ChannelDistance(BqTest::PixelRgb(engine.m_Image, 20, 10), qRgb(255, 0, 0)) <= 3);

    CImageManager pinger;
    QVERIFY(pinger.Ping(cut));
    QCOMPARE(pinger.m_Properties.dateTime, QString(kDateB));
}

void TestImageRead::damageIsNamed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<QString>("damage"); // what m_Damage says, "" for nothing
    QTest::newRow("whole jpeg") << "whole" << true << "";
    QTest::newRow("jpeg cut in half") << "cut" << true << "Premature end of JPEG file";
    QTest::newRow("stray byte before the end marker") << "stray" << true << "";
    // The harmless warning comes first and heads the library's report.
    QTest::newRow("stray bytes, then cut") << "stray+cut" << true << "Premature end of JPEG file";
    QTest::newRow("tiny jpeg claiming 16000 x 16000") << "claim" << false << "cannot hold the 16000 x 16000 pixels";
    QTest::newRow("gif cut in its second frame") << "gif" << true << "";
    QTest::newRow("multi-page read of a cut jpeg") << "multipage" << false << "Premature end of JPEG file";
    // libtiff reads past a ResolutionUnit it refuses; the density is none.
    QTest::newRow("tiff of ResolutionUnit 7") << "unit 7" << true << "";
    QTest::newRow("tiff of ResolutionUnit 0") << "unit 0" << true << "";
}

void TestImageRead::damageIsNamed()
{
    QFETCH(QString, kind);
    QFETCH(bool, reads);
    QFETCH(QString, damage);
    const QByteArray whole = BqTest::JpegBytes(BqTest::FourQuadrants(160, 120));
    QByteArray bytes = whole;
    if (kind == "cut" || kind == "multipage")
        bytes = whole.left(whole.size() / 2);
    else if (kind == "stray")
        bytes = whole.left(whole.size() - 2) + QByteArray("\x00\xFF\xD9", 3);
    else if (kind == "stray+cut")
        bytes = whole.left(whole.size() / 2).insert(whole.indexOf("\xFF\xC4"), QByteArray(2, '\0'));
    else if (kind == "claim")
        bytes = BqTest::ClaimingJpeg(16000, 16000);
    else if (kind == "gif")
        bytes = GifCutInSecondFrame();
    if (kind.startsWith("unit")) {
        Magick::Image tiff = BqTest::FourQuadrants(160, 120);
        tiff.resolutionUnits(Magick::PixelsPerInchResolution);
        tiff.density(Magick::Geometry(300, 300));
        Magick::Blob blob;
        tiff.write(&blob, "TIFF");
        bytes = BqTest::BlobBytes(blob);
        const int unit = bytes.indexOf(QByteArray("\x28\x01\x03\0\x01\0\0\0\x02\0", 10));
        QVERIFY(unit > 0);
        bytes[unit + 8] = char(kind.mid(5).toInt());
    }
    QVERIFY(!bytes.isEmpty());
    const QString path = Path(kind == "gif" ? "anim.gif" : kind.startsWith("unit") ? "photo.tif" : "photo.jpg");
    QVERIFY(BqTest::WriteFile(path, bytes));

    CImageManager engine;
    engine.m_Damage = "left over";
    QCOMPARE(kind == "multipage" ? engine.ReadMultipage(path) : engine.Read(path), reads);
    QVERIFY2(damage.isEmpty() ? engine.m_Damage.isEmpty() : engine.m_Damage.contains(damage),
             qPrintable(engine.m_Damage));
    if (kind == "gif") // only the first frame is decoded
        QCOMPARE(BqTest::PixelRgb(engine.m_Image, 5, 5), qRgb(255, 0, 0));
    if (kind.startsWith("unit"))
        QCOMPARE(engine.m_Image.constImage()->x_resolution, 0.0);
    // The next read starts clean.
    QVERIFY(engine.Read(WritePhotoA()));
    QVERIFY(engine.m_Damage.isEmpty());
}

void TestImageRead::decompressionBombs_data()
{
    QTest::addColumn<quint32>("side");
    QTest::addColumn<bool>("pings");
    QTest::newRow("100000 square") << quint32(100000) << false;
    QTest::newRow("60000 square") << quint32(60000) << true;
}

void TestImageRead::decompressionBombs()
{
    QFETCH(quint32, side);
    QFETCH(bool, pings);
    const QString bomb = Path("bomb.png");
    const QByteArray bytes = BqTest::ClaimingPng(side, side);
    QVERIFY(bytes.size() < 1024);
    QVERIFY(BqTest::WriteFile(bomb, bytes));

    CImageManager engine;
    QVERIFY(engine.Read(WritePhotoA()));
    const SImageProperties before = engine.m_Properties;

    QVERIFY(!engine.Read(bomb));
    QVERIFY(SameProperties(engine.m_Properties, before));
    QCOMPARE(QDir(m_magickTemp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());

    CImageManager pinger;
    QCOMPARE(pinger.Ping(bomb), pings);
    if (pings) {
        QCOMPARE(pinger.m_Properties.width, qint64(side));
        QCOMPARE(pinger.m_Properties.height, qint64(side));
    } else {
        QCOMPARE(pinger.GetPageCount(bomb), 0);
    }
    QCOMPARE(QDir(m_magickTemp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestImageRead::pngAsTheLibraryReadsIt_data()
{
    QTest::addColumn<QString>("kind");
    // "", "cut" in half, "crc" wrong in the pixel data, a text chunk whose
    // "length" is 2 GiB with no data, a "palette" of 4 colours for 40
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    for (const char* kind :
         {"rgb", "rgb16", "grey", "grey16", "palette", "alpha", "alpha16", "grey+alpha", "interlaced", "profile",
          "rgb16+interlaced", "grey+interlaced", "grey+alpha+interlaced", "palette+alpha", "palette+interlaced"})
        QTest::newRow(kind) << kind << "" << "";
    QTest::newRow("cut in half") << "rgb" << "cut" << "";
    QTest::newRow("wrong CRC") << "interlaced" << "crc" << "";
    QTest::newRow("text chunk of 2 GiB") << "rgb" << "length" << "tEXt: chunk data is too large";
    QTest::newRow("index past the palette") << "palette" << "palette" << "invalid colormap index";
    // Chunks that leave the pixels as they are: texts whose keys name image
    // or coder settings (the library writes its coders' own into every PNG
    // it makes: no warning for them), and a text over the chunk limit after
    // the pixels.
    QTest::newRow("texts named as settings") << "rgb" << "settings" << "";
    QTest::newRow("text of 9 MiB") << "rgb" << "big text" << "";
    // The eXIf chunk, which the library's coder leaves, is the photo's Exif,
    // and wins over a raw profile text.
    QTest::newRow("eXIf chunk") << "rgb"
                                << "eXIf"
                                << "";
    QTest::newRow("eXIf chunk beside a raw Exif text") << "rgb"
                                                       << "eXIf+raw"
                                                       << "";
}

void TestImageRead::pngAsTheLibraryReadsIt()
{
    QFETCH(QString, kind);
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    std::string prefix;
    const QString path = Path("v.png");
    BqTest::PngVariant(kind, prefix).write(prefix + QFile::encodeName(path).toStdString());
    QByteArray bytes = BqTest::FileBytes(path);
    if (damage == "cut")
        bytes.truncate(bytes.size() / 2);
    if (damage == "crc")
        bytes[bytes.indexOf("IDAT") + 8] = char(bytes[bytes.indexOf("IDAT") + 8] ^ 0x55);
    if (damage == "length")
        bytes = bytes.left(33) + QByteArray("\x7f\xff\xff\xf0tEXt", 8);
    if (damage == "palette") {
        const int plte = bytes.indexOf("PLTE") - 4;
        bytes.replace(plte, 12 + int(qFromBigEndian<quint32>(bytes.constData() + plte)),
                      BqTest::PngChunk("PLTE", bytes.mid(plte + 8, 12)));
    }
    // Files with added chunks are compared with the library's read of the
    // file without them.
    const bool added = damage == "settings" || damage == "big text" || damage.startsWith("eXIf");
    Magick::Image theirs;
    if (added)
        theirs.read(QFile::encodeName(path).toStdString());
    const std::pair<const char*, QByteArray> settings[] = {
        {"colorspace", "CMYK"},         {"Gamma", "0.1"},
        {"page", "10x10+5+5"},          {"depth", "2"},
        {"tiff:alpha", "unassociated"}, {"jpeg:sampling-factor", "5x5"}};
    for (const auto& text : settings) {
        if (damage == "settings")
            bytes.insert(33, BqTest::PngChunk("tEXt", text.first + QByteArray(1, '\0') + text.second));
    }
    // Orientation 6 in the eXIf chunk, 3 in the raw text.
    const auto exif = [](bool big, quint16 orientation) {
        return ExifBlockBuilder(big).AddShort(ExifBlockBuilder::Ifd0, 0x0112, orientation).Build();
    };
    if (damage.startsWith("eXIf"))
        bytes.insert(33, BqTest::PngChunk("eXIf", exif(true, 6).mid(6)));
    if (damage == "eXIf+raw")
        bytes.insert(33, BqTest::PngChunk("tEXt", "Raw profile type exif\0\nexif\n" +
                                                      QByteArray::number(exif(false, 3).size()) + "\n" +
                                                      exif(false, 3).toHex()));
    if (damage == "big text")
        bytes.insert(bytes.size() - 12, BqTest::PngChunk("tEXt", QByteArray("Comment\0", 8) + QByteArray(9 << 20, 'x')));
    QVERIFY(BqTest::WriteFile(path, bytes));

    try {
        if (!added)
            theirs.read(QFile::encodeName(path).toStdString());
    } catch (const Magick::Exception&) {
    }
    // The library's coder reads some files whose indices pass the palette.
    const bool theyRead = theirs.isValid();
    CImageManager engine;
    QCOMPARE(engine.Read(path), damage.isEmpty() || added);
    QCOMPARE(theyRead, damage.isEmpty() || damage == "palette" || added);
    if (!reason.isEmpty())
        QCOMPARE(engine.m_ReadError, reason);
    if (!damage.isEmpty() && !added)
        return;
    if (damage == "settings")
        QVERIFY(CMagickReader::Read(path, CMagickReader::FirstFrame).clean);
    // The library's coder leaves the eXIf chunk it writes; the engine reads
    // it as the photo's Exif.
    const int chunk = bytes.indexOf("eXIf");
    if (chunk > 4) {
        const QByteArray block = "Exif" + QByteArray(2, '\0') +
                                 bytes.mid(chunk + 4, int(qFromBigEndian<quint32>(bytes.constData() + chunk - 4)));
        theirs.profile("exif", Magick::Blob(block.constData(), size_t(block.size())));
    }
    if (damage.startsWith("eXIf"))
        theirs.orientation(Magick::RightTopOrientation);
    const QString difference = BqTest::PngDifference(engine.m_Image, theirs);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageRead::pngBesideTheLibrarysCoder_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

// The library's PNG coder reads with its lock held while its progress
// monitor waits; the engine reads and writes PNG files meanwhile.
void TestImageRead::pngBesideTheLibrarysCoder()
{
    QFETCH(bool, write);
    const QString png = Path("photo.png");
    BqTest::FourQuadrants().write(QFile::encodeName(png).toStdString());
    static QSemaphore entered;
    static QSemaphore go;
    auto wait = [](const char*, MagickCore::MagickOffsetType, MagickCore::MagickSizeType, void*) {
        entered.release();
        go.acquire();
        return MagickCore::MagickTrue;
    };
    QThread* library = QThread::create([&png, wait] {
        Magick::Image held;
        MagickCore::SetImageInfoProgressMonitor(held.imageInfo(), wait, nullptr);
        held.read(QFile::encodeName(png).toStdString());
    });
    library->start();
    QVERIFY(entered.tryAcquire(1, 15000));

    bool done = false;
    QThread* worker = QThread::create([&] {
        CImageManager engine;
        engine.SetImage(BqTest::FourQuadrants());
        done = write ? engine.Write(Path("out.png")) : engine.Read(png);
    });
    worker->start();
    const bool inTime = worker->wait(15000);
    go.release(1000000); // every later report of the library's read passes
    QVERIFY(library->wait(60000));
    QVERIFY(worker->wait(60000));
    delete library;
    delete worker;
    go.acquire(go.available());
    entered.acquire(entered.available());
    QVERIFY(inTime);
    QVERIFY(done);
}

void TestImageRead::cmykSource_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("cmyk without profile") << "cmyk";
    QTest::newRow("cmyk with profile") << "cmyk+p";
    QTest::newRow("rgb with profile") << "rgb+p";
    QTest::newRow("rgb without profile") << "rgb";
    // A profile for other pixels is ignored.
    QTest::newRow("cmyk with an rgb profile") << "cmyk+rgb";
    QTest::newRow("rgb with a cmyk profile") << "rgb+cmyk";
    QTest::newRow("rgb with a cmyk profile, read as pages") << "rgb+cmyk pages";
}

void TestImageRead::cmykSource()
{
    QFETCH(QString, kind);
    const QString path = Path("source.jpg");
    const QByteArray srgb = BqTest::FileBytes(ResourceRoot() + "/sRGB.icm");
    Magick::Blob embedded;
    if (kind == "cmyk") {
        BqTest::WriteCmykJpeg(path);
    } else if (kind == "cmyk+p") {
        embedded = BqTest::ProfileVariant(ResourceRoot() + "/RSWOP.ICM", "press P");
        BqTest::WriteCmykJpeg(path, embedded);
    } else if (kind == "cmyk+rgb") {
        BqTest::WriteCmykJpeg(path, BqTest::ProfileVariant(ResourceRoot() + "/sRGB.icm", "camera RGB"));
    } else {
        Magick::Image photo = BqTest::FourQuadrants();
        if (kind == "rgb+p") {
            embedded = BqTest::ProfileVariant(ResourceRoot() + "/sRGB.icm", "camera RGB");
            photo.profile("icc", embedded);
        }
        if (kind.startsWith("rgb+cmyk"))
            photo.profile("icc", BqTest::ProfileVariant(ResourceRoot() + "/RSWOP.ICM", "press P"));
        photo.write(QFile::encodeName(path).toStdString());
    }

    CImageManager engine;
    if (kind.endsWith(" pages")) {
        QVERIFY(engine.ReadMultipage(path));
        QCOMPARE(engine.m_Pages.size(), 1);
        QCOMPARE(engine.m_Pages.first().profile("icc").length(), size_t(0));
        return;
    }
    QVERIFY(engine.Read(path));
    const bool cmyk = kind.startsWith("cmyk");
    QCOMPARE(engine.m_bSourceCmyk, cmyk);
    QCOMPARE(BqTest::BlobBytes(engine.m_SourceProfile), BqTest::BlobBytes(embedded));
    QVERIFY(engine.m_Image.colorSpace() != Magick::CMYKColorspace);
    const QByteArray held = BqTest::BlobBytes(engine.m_Image.profile("icc"));
    if (cmyk)
        QCOMPARE(held, srgb); // converted to sRGB at read
    else
        QCOMPARE(held, BqTest::BlobBytes(embedded)); // an RGB photo keeps its own
    // Colours survive the trip through CMYK within JPEG's accuracy.
    const QList<QRgb> want = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const QList<QRgb> got = BqTest::QuadrantCentres(engine.m_Image);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(BqTest::ChannelDistance(want[i], got[i]) <= (cmyk ? 40 : 3), qPrintable(QString::number(got[i], 16)));
}

void TestImageRead::sourceColourClearedByNextRead_data()
{
    QTest::addColumn<QString>("next");
    QTest::newRow("Read") << "read";
    QTest::newRow("ReadMultipage") << "multipage";
    QTest::newRow("ReadAndInsertPage") << "insert";
    QTest::newRow("failed Read") << "failed";
}

void TestImageRead::sourceColourClearedByNextRead()
{
    QFETCH(QString, next);
    const QString cmyk = Path("cmyk.jpg");
    BqTest::WriteCmykJpeg(cmyk, BqTest::ProfileVariant(ResourceRoot() + "/RSWOP.ICM", "press P"));
    const QString rgb = Path("rgb.png");
    BqTest::FourQuadrants().write(QFile::encodeName(rgb).toStdString());

    CImageManager engine;
    QVERIFY(engine.Read(cmyk));
    QVERIFY(engine.m_bSourceCmyk);
    QVERIFY(engine.m_SourceProfile.length() > 0);
    if (next == "read")
        QVERIFY(engine.Read(rgb));
    else if (next == "multipage")
        QVERIFY(engine.ReadMultipage(rgb));
    else if (next == "insert")
        QVERIFY(engine.ReadAndInsertPage(rgb));
    else
        QVERIFY(!engine.Read(Path("missing.png")));
    QVERIFY(!engine.m_bSourceCmyk);
    QCOMPARE(engine.m_SourceProfile.length(), size_t(0));
}

void TestImageRead::readMultipage_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("source");
    QTest::newRow("every page") << 0 << "three.tif";
    QTest::newRow("flatten") << 1 << "three.tif";
    QTest::newRow("first page") << 2 << "three.tif";
    QTest::newRow("every page, an unknown tag warns") << 0 << "tagged.tif";
    QTest::newRow("optimised gif, each frame as shown") << 0 << "patch.gif";
}

void TestImageRead::readMultipage()
{
    QFETCH(int, mode);
    QFETCH(QString, source);
    CUserProfile::GetInstance()->MultipageWrite = mode;
    const QString path = Path(source);
    if (source == "tagged.tif") {
        WriteThreePageTiffWithUnknownTag(path);
    } else if (source == "patch.gif") {
        // On a 50x30 screen a 40x30 red frame, then a 10x10 blue patch at 20,10.
        std::vector<Magick::Image> frames{Magick::Image(Magick::Geometry(40, 30), Magick::Color("red")),
                                          Magick::Image(Magick::Geometry(10, 10), Magick::Color("blue"))};
        frames.front().page(Magick::Geometry(50, 30, 0, 0));
        frames.back().page(Magick::Geometry(50, 30, 20, 10));
        Magick::writeImages(frames.begin(), frames.end(), QFile::encodeName(path).toStdString(), true);
    } else {
        BqTest::WriteThreePageTiff(path);
    }

    CImageManager engine;
    QVERIFY(engine.ReadMultipage(path));
    QCOMPARE(engine.m_Path, path);
    if (source == "patch.gif") {
        QCOMPARE(engine.m_Pages.size(), 2);
        QCOMPARE(engine.m_Pages[1].size(), Magick::Geometry(50, 30));
        QCOMPARE(BqTest::PixelRgb(engine.m_Pages[1], 5, 5), qRgb(255, 0, 0));
        QCOMPARE(BqTest::PixelRgb(engine.m_Pages[1], 25, 15), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(BqTest::Pixel(engine.m_Pages[1], 45, 5)), 0); // the screen beyond the frames
        return;
    }
    QCOMPARE(engine.m_Pages.size(), 3);
    const size_t widths[] = {40, 50, 60};
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(engine.m_Pages[i].columns(), widths[i]);
        QCOMPARE(BqTest::PixelRgb(engine.m_Pages[i], 5, 5), colours[i]);
    }
    if (mode == 1) {
        // Flattened onto the first page's canvas, the last page on top.
        QVERIFY(engine.m_Image.isValid());
        QCOMPARE(BqTest::PixelRgb(engine.m_Image, 5, 5), qRgb(0, 0, 255));
    } else {
        QVERIFY(!engine.m_Image.isValid());
    }
    // A second read starts a new page list.
    QVERIFY(engine.ReadMultipage(path));
    QCOMPARE(engine.m_Pages.size(), 3);
}

void TestImageRead::readMultipageFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("truncated jpeg warns") << "cut";
}

void TestImageRead::readMultipageFailures()
{
    QFETCH(QString, kind);
    QString path = Path("missing.tif");
    if (kind == "cut") {
        const QByteArray jpeg = BqTest::JpegBytes(BqTest::FourQuadrants(160, 120));
        path = Path("cut.jpg");
        QVERIFY(BqTest::WriteFile(path, jpeg.left(jpeg.size() / 2)));
    }
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    QVERIFY(!engine.ReadMultipage(path));
    // A warning counts as a failure here, unlike the ordinary read.
    QVERIFY(!engine.m_Image.isValid());
    QCOMPARE(engine.m_Path, path);
}

void TestImageRead::readAndInsertPage()
{
    const QString a = Path("a.png");
    const QString b = Path("b.jpg");
    BqTest::FourQuadrants(30, 20).write(QFile::encodeName(a).toStdString());
    QVERIFY(BqTest::WriteFile(b, BqTest::SpliceApp1(BqTest::JpegBytes(BqTest::FourQuadrants(50, 40)),
                                                     ExifWithDate(kDateB))));
    CImageManager engine;
    QVERIFY(engine.ReadAndInsertPage(a));
    QVERIFY(!engine.ReadAndInsertPage(Path("missing.png")));
    QVERIFY(engine.ReadAndInsertPage(b));
    QCOMPARE(engine.m_Pages.size(), 2);
    QCOMPARE(engine.m_Pages.last().columns(), size_t(50));
    QVERIFY(!engine.m_Image.isValid());
    QCOMPARE(engine.m_Properties.width, qint64(50));
    QCOMPARE(engine.m_Properties.dateTime, QString(kDateB));
}

void TestImageRead::eightEnginesReadLargePhotos()
{
    const QString path = Path("large.jpg");
    Magick::Image large(Magick::Geometry(6000, 4000), Magick::Color("gray60"));
    large.quality(80);
    large.write(QFile::encodeName(path).toStdString());

    constexpr int kThreads = 8;
    QSemaphore read;
    QSemaphore release;
    std::vector<int> ok(kThreads, 0);
    std::vector<QThread*> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.push_back(QThread::create([&, i] {
            CImageManager engine;
            const bool done = engine.Read(path);
            ok[size_t(i)] = done && engine.m_Image.columns() == 6000 && engine.m_Image.rows() == 4000;
            read.release();
            release.acquire(); // every engine keeps its photo until all have read
        }));
    }
    for (QThread* t : threads)
        t->start();
    read.acquire(kThreads);
    release.release(kThreads);
    for (QThread* t : threads) {
        QVERIFY(t->wait(300000));
        delete t;
    }
    for (int i = 0; i < kThreads; ++i)
        QVERIFY2(ok[size_t(i)], qPrintable(QString("engine %1").arg(i)));
}

BQ_TEST_MAIN(TestImageRead)
#include "tst_image_read.moc"
