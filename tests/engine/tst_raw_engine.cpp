// Camera raw files through the image engine: ping, page count, tool tip,
// reading with the user's raw settings, writing the result, preview progress
// with cancel and the preview cache. Raw files never reach ImageMagick.
#include "BqTestMain.h"
#include "DCRaw.h"
#include "DngWriter.h"
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FormatsEnum.h"
#include "ImageInfoText.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "PreviewProgressSink.h"
#include "ResourceRoot.h"
#include "UserProfile.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <memory>

using namespace BqTest;

namespace {

const char* const CameraDate = "2013:05:04 14:22:10";

// A preview thread stand-in: records the percent of every call and sets
// abort at one chosen percent.
class RecordingSink : public QThread, public IPreviewProgressSink
{
public:
    ~RecordingSink() override { CImageManager::ClearThread(this); }
    void UpdateStatusBar(SProgressData* progress) override
    {
        QMutexLocker lock(&m_mutex);
        m_percents.append(progress->percent.load());
        if (progress->percent.load() == abortAt)
            progress->abort.store(true);
    }
    QList<int> Take()
    {
        QMutexLocker lock(&m_mutex);
        const QList<int> out = m_percents;
        m_percents.clear();
        return out;
    }
    int abortAt = -1;

protected:
    void run() override {}

private:
    QMutex m_mutex;
    QList<int> m_percents;
};

// The decoder's own result for the settings, as RGB triples.
QByteArray DecoderRgb(const QString& path, int whiteBalance, int highlight, int demosaic, QSize* size)
{
    SRAWImage request;
    request.fileName = path;
    request.whiteBalance = whiteBalance;
    request.highlight = highlight;
    request.demosaic = demosaic;
    std::unique_ptr<CDCRaw> decoder(new CDCRaw);
    if (decoder->Convert(&request) != RawConvertDone || !request.pixels)
        return QByteArray();
    const int pixels = int(request.width * request.height);
    QByteArray rgb(pixels * 3, '\0');
    for (int i = 0; i < pixels; ++i) {
        for (int c = 0; c < 3; ++c)
            rgb[i * 3 + c] = char(request.pixels[i * request.channels + (request.channels == 1 ? 0 : c)]);
    }
    free(request.pixels);
    *size = QSize(int(request.width), int(request.height));
    return rgb;
}

QByteArray Export(const Magick::Image& image, const char* map)
{
    QByteArray out(int(image.columns() * image.rows() * strlen(map)), '\0');
    Magick::Image copy(image);
    copy.write(0, 0, image.columns(), image.rows(), map, Magick::CharPixel, out.data());
    return out;
}

} // namespace

class TestRawEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pingAndPageCount_data();
    void pingAndPageCount();
    void toolTipOfRawFile();
    void pingClearsPreviousPhotoFields();

    void readMatchesDecoder_data();
    void readMatchesDecoder();
    void readThenWrite_data();
    void readThenWrite();
    void failedReadKeepsEngine_data();
    void failedReadKeepsEngine();
    void staleCmykProfileNotCarried();

    void previewProgressAndCache_data();
    void previewProgressAndCache();
    void previewCancel_data();
    void previewCancel();

private:
    QString File(const QString& name) const { return m_dir.filePath(name); }
    // A copy of a DNG under a name no preview engine has cached yet.
    QString FreshCopy(const QString& name);

    QTemporaryDir m_dir;
    int m_copies = 0;
};

void TestRawEngine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_dir.path()));
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();

    const QByteArray dng = MakeDng(DngLayout());
    QVERIFY(WriteBytes(File("IMG_0001.DNG"), dng));
    QVERIFY(WriteBytes(File("standard.dng"), dng));
    QVERIFY(WriteBytes(File("truncated.dng"), dng.left(dng.size() / 2)));
    QVERIFY(WriteBytes(File("stub.dng"), dng.left(200)));
    DngLayout layout;
    layout.orientation = 6;
    QVERIFY(WriteBytes(File("orientation6.dng"), MakeDng(layout)));
    layout = DngLayout();
    layout.monochrome = true;
    QVERIFY(WriteBytes(File("mono.dng"), MakeDng(layout)));
    layout = DngLayout();
    layout.dateTime.clear();
    QVERIFY(WriteBytes(File("nodate.dng"), MakeDng(layout)));
    // An ordinary photo under a raw name, which ImageMagick itself would read.
    Magick::Image photo = FourQuadrants();
    photo.magick("PNG");
    Magick::Blob blob;
    photo.write(&blob);
    QVERIFY(WriteFile(File("photo.png.DNG"), BlobBytes(blob)));
    // ImageMagick alone cannot even ping the good DNG, so every raw answer
    // below comes from the raw decoder.
    Magick::Image probe;
    QVERIFY_EXCEPTION_THROWN(probe.ping(QFile::encodeName(File("standard.dng")).toStdString()),
                             Magick::Exception);
}

void TestRawEngine::init()
{
    CUserProfile* settings = CUserProfile::GetInstance();
    settings->RawWhiteBalance = 0;
    settings->RawHighlight = 0;
    settings->RawDemosaic = 0;
    settings->JpegType = 1;
}

void TestRawEngine::cleanup()
{
    CImageManager().SetThread(nullptr);
}

QString TestRawEngine::FreshCopy(const QString& name)
{
    const QString copy = File(QString("copy%1-%2").arg(++m_copies).arg(name));
    return QFile::copy(File(name), copy) ? copy : QString();
}

void TestRawEngine::pingAndPageCount_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("raw"); // a raw file the decoder knows
    QTest::addColumn<QString>("date");

    QTest::newRow("upper-case extension") << "IMG_0001.DNG" << true << CameraDate;
    QTest::newRow("lower-case extension") << "standard.dng" << true << CameraDate;
    QTest::newRow("no date") << "nodate.dng" << true << "";
    QTest::newRow("PNG renamed .DNG") << "photo.png.DNG" << false << "";
    QTest::newRow("200-byte stub") << "stub.dng" << false << "";
    QTest::newRow("missing") << "missing.dng" << false << "";
}

void TestRawEngine::pingAndPageCount()
{
    QFETCH(QString, file);
    QFETCH(bool, raw);
    QFETCH(QString, date);
    const QString path = File(file);

    CImageManager engine;
    const Magick::Image previous = FourQuadrants(20, 10);
    engine.SetImage(previous);
    engine.m_Properties.make = "previous";

    QCOMPARE(engine.Ping(path), raw);
    QCOMPARE(engine.GetPageCount(path), raw ? 1 : 0);
    // The image is never touched, and a failed ping keeps the properties.
    QCOMPARE(engine.m_Image.columns(), size_t(20));
    QCOMPARE(Magick::Image(engine.m_Image).signature(), Magick::Image(previous).signature());
    const SImageProperties& p = engine.m_Properties;
    if (!raw) {
        QCOMPARE(p.make, QString("previous"));
        return;
    }
    QCOMPARE(p.width, qint64(64));
    QCOMPARE(p.height, qint64(48));
    QCOMPARE(p.dateTime, date);
    QCOMPARE(p.make, QString("Canon"));
    QCOMPARE(p.model, QString("EOS 5D"));
    QCOMPARE(p.densityX, 72);
    QCOMPARE(p.densityY, 72);
    QCOMPARE(p.units, 1);
}

void TestRawEngine::toolTipOfRawFile()
{
    const QStringList lines = ReadImageProperties(File("IMG_0001.DNG")).split('\n');
    QVERIFY2(lines.contains("Dimensions: 64x48"), qPrintable(lines.join('|')));
    QVERIFY(lines.contains("Date: 2013-05-04 14:22"));
    QVERIFY(lines.contains("Camera: Canon EOS 5D"));
    // Not raw after all: the tool tip stops after the file lines.
    QVERIFY(!ReadImageProperties(File("photo.png.DNG")).contains("Dimensions"));
}

void TestRawEngine::pingClearsPreviousPhotoFields()
{
    ExifBlockBuilder exif;
    exif.AddShort(ExifBlockBuilder::Ifd0, 0x0112, 6);
    exif.AddPointer(ExifBlockBuilder::Ifd0, 0x8769, ExifBlockBuilder::ExifIfd);
    exif.AddPointer(ExifBlockBuilder::Ifd0, 0x8825, ExifBlockBuilder::GpsIfd);
    exif.AddRationals(ExifBlockBuilder::ExifIfd, 0x829D, {{28, 10}});
    exif.AddRationals(ExifBlockBuilder::ExifIfd, 0x829A, {{1, 250}});
    exif.AddShort(ExifBlockBuilder::ExifIfd, 0x8827, 200);
    exif.AddShort(ExifBlockBuilder::ExifIfd, 0xA001, 1);
    exif.AddAscii(ExifBlockBuilder::GpsIfd, 0x0001, "N");
    exif.AddRationals(ExifBlockBuilder::GpsIfd, 0x0002, {{48, 1}, {51, 1}, {29, 1}});
    exif.AddAscii(ExifBlockBuilder::GpsIfd, 0x0003, "E");
    exif.AddRationals(ExifBlockBuilder::GpsIfd, 0x0004, {{2, 1}, {17, 1}, {40, 1}});
    exif.AddRationals(ExifBlockBuilder::GpsIfd, 0x0006, {{50, 1}});
    const QString jpeg = File("gps.jpg");
    QVERIFY(WriteFile(jpeg, SpliceApp1(JpegBytes(FourQuadrants()), exif.Build())));

    CImageManager engine;
    QVERIFY(engine.Read(jpeg));
    const SImageProperties& p = engine.m_Properties;
    const auto filled = [&p] {
        return QStringList{p.gps, p.altitude, p.aperture, p.exposure, p.iso}.filter(QRegExp(".+")).size();
    };
    QCOMPARE(filled(), 5);
    QCOMPARE(p.orientation + p.colorSpace, 6 + 1);

    QVERIFY(engine.Ping(File("standard.dng")));
    QCOMPARE(filled(), 0);
    QCOMPARE(p.orientation, 0);
    QCOMPARE(p.colorSpace, 0);
}

void TestRawEngine::readMatchesDecoder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVector<int>>("settings"); // white balance, highlight, demosaic
    QTest::addColumn<QVector<int>>("decoder");  // what the decoder is asked for the same bytes
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("tint"); // least G - R at the grey centre; -1: neutral

    QTest::newRow("camera balance") << "standard.dng" << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0}
                                    << QSize(64, 48) << -1;
    QTest::newRow("no balance") << "standard.dng" << QVector<int>{2, 0, 0} << QVector<int>{2, 0, 0}
                                << QSize(64, 48) << 30;
    QTest::newRow("stored settings out of range") << "standard.dng" << QVector<int>{0, 42, 9}
                                                  << QVector<int>{0, 9, 4} << QSize(64, 48) << -1;
    QTest::newRow("turned by orientation") << "orientation6.dng" << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0}
                                           << QSize(48, 64) << -1;
    QTest::newRow("monochrome camera") << "mono.dng" << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0}
                                       << QSize(64, 48) << -1;
}

void TestRawEngine::readMatchesDecoder()
{
    QFETCH(QString, file);
    QFETCH(QVector<int>, settings);
    QFETCH(QVector<int>, decoder);
    QFETCH(QSize, size);
    QFETCH(int, tint);
    const QString path = File(file);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->RawWhiteBalance = settings[0];
    profile->RawHighlight = settings[1];
    profile->RawDemosaic = settings[2];

    CImageManager engine;
    QVERIFY(engine.Read(path));
    const Magick::Image& image = engine.m_Image;
    QCOMPARE(QSize(int(image.columns()), int(image.rows())), size);
    QCOMPARE(image.depth(), size_t(8));
    QVERIFY(image.matte());
    const QByteArray alpha = Export(image, "A");
    QCOMPARE(alpha.count(char(0xFF)), alpha.size());

    QSize decodedSize;
    const QByteArray expected = DecoderRgb(path, decoder[0], decoder[1], decoder[2], &decodedSize);
    QCOMPARE(decodedSize, size);
    const QByteArray rgb = Export(image, "RGB");
    QVERIFY(rgb == expected);

    // Properties give the raster as stored; attributes carry the record's texts.
    QCOMPARE(engine.m_Properties.width, qint64(64));
    QCOMPARE(engine.m_Properties.height, qint64(48));
    QCOMPARE(engine.m_Path, path);
    QCOMPARE(QString::fromStdString(image.attribute("EXIF:DateTimeOriginal")), QString(CameraDate));
    QCOMPARE(QString::fromStdString(image.attribute("EXIF:Make")), QString("Canon"));
    QCOMPARE(QString::fromStdString(image.attribute("EXIF:Model")), QString("EOS 5D"));

    const QRgb centre = PixelRgb(image, image.columns() / 2, image.rows() * 3 / 4);
    if (tint < 0) {
        QVERIFY2(qAbs(qRed(centre) - qGreen(centre)) <= 3 && qAbs(qBlue(centre) - qGreen(centre)) <= 3,
                 qPrintable(QString::number(centre, 16)));
    } else {
        QVERIFY2(qGreen(centre) - qRed(centre) >= tint, qPrintable(QString::number(centre, 16)));
    }
    if (file == "mono.dng") {
        for (int i = 0; i < rgb.size(); i += 3)
            QVERIFY(rgb[i] == rgb[i + 1] && rgb[i] == rgb[i + 2]);
    }
}

void TestRawEngine::readThenWrite_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("tolerance"); // largest channel difference at the centre
    QTest::newRow("JPEG") << "out.jpg" << 12;
    QTest::newRow("PNG") << "out.png" << 0;
}

void TestRawEngine::readThenWrite()
{
    QFETCH(QString, output);
    QFETCH(int, tolerance);
    CImageManager engine;
    QVERIFY(engine.Read(File("standard.dng")));
    const QString out = File(output);
    QVERIFY(engine.Write(out));

    Magick::Image back;
    back.read(QFile::encodeName(out).toStdString());
    QCOMPARE(back.columns(), size_t(64));
    QCOMPARE(back.rows(), size_t(48));
    for (const QPoint& at : {QPoint(32, 3), QPoint(32, 36)}) {
        const QRgb written = PixelRgb(back, size_t(at.x()), size_t(at.y()));
        const QRgb read = PixelRgb(engine.m_Image, size_t(at.x()), size_t(at.y()));
        QVERIFY2(ChannelDistance(written, read) <= tolerance, qPrintable(QString::number(written, 16)));
    }
}

void TestRawEngine::failedReadKeepsEngine_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("PNG renamed .DNG") << "photo.png.DNG";
    QTest::newRow("cut in half") << "truncated.dng";
    QTest::newRow("200-byte stub") << "stub.dng";
    QTest::newRow("missing") << "missing.dng";
}

void TestRawEngine::failedReadKeepsEngine()
{
    QFETCH(QString, file);
    CImageManager engine;
    QVERIFY(engine.Read(File("orientation6.dng")));
    const std::string signature = Magick::Image(engine.m_Image).signature();
    engine.m_Properties.make = "kept";

    QVERIFY(!engine.Read(File(file)));
    // Only a raw file whose data ends early is damaged; the others are no photos.
    QCOMPARE(engine.m_Damage, QString(file == "truncated.dng" ? "Unexpected end of raw data" : ""));
    QCOMPARE(Magick::Image(engine.m_Image).signature(), signature);
    QCOMPARE(engine.m_Path, File("orientation6.dng"));
    QCOMPARE(engine.m_Properties.make, QString("kept"));

    QVERIFY(engine.Read(File("standard.dng")));
    QCOMPARE(engine.m_Image.columns(), size_t(64));
    QCOMPARE(engine.m_Properties.make, QString("Canon"));
}

void TestRawEngine::staleCmykProfileNotCarried()
{
    const QString root = ResourceRoot();
    const Magick::Blob press = ProfileVariant(root + "/RSWOP.ICM", "press P");
    const QString cmyk = File("cmyk.jpg");
    WriteCmykJpeg(cmyk, press);
    CUserProfile::GetInstance()->JpegType = 2;

    CImageManager engine;
    QVERIFY(engine.Read(cmyk));
    QVERIFY(engine.m_bSourceCmyk);
    QVERIFY(engine.Read(File("standard.dng")));
    QVERIFY(!engine.m_bSourceCmyk);
    QVERIFY(engine.Write(File("cmyk-out.jpg")));

    Magick::Image back;
    back.read(QFile::encodeName(File("cmyk-out.jpg")).toStdString());
    QCOMPARE(back.colorSpace(), Magick::CMYKColorspace);
    const QByteArray carried = BlobBytes(back.profile("icc"));
    QVERIFY(carried != BlobBytes(press));
    QCOMPARE(carried, FileBytes(root + "/RSWOP.ICM"));
}

void TestRawEngine::previewProgressAndCache_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("fresh");  // properties of a decode: the stored raster
    QTest::addColumn<QSize>("cached"); // properties of a cache hit: the decoded size
    QTest::newRow("landscape") << "standard.dng" << QSize(64, 48) << QSize(64, 48);
    QTest::newRow("turned by orientation") << "orientation6.dng" << QSize(64, 48) << QSize(48, 64);
}

void TestRawEngine::previewProgressAndCache()
{
    QFETCH(QString, file);
    QFETCH(QSize, fresh);
    QFETCH(QSize, cached);
    const QString path = FreshCopy(file);
    QVERIFY(!path.isEmpty());
    RecordingSink sink;
    CImageManager engine;
    engine.m_bPreview = true;
    engine.SetThread(&sink);

    QVERIFY(engine.Read(path));
    // Exactly the decoder's three steps: ImageMagick reported nothing.
    QCOMPARE(sink.Take(), QList<int>({30, 70, 95}));
    QCOMPARE(QSize(int(engine.m_Properties.width), int(engine.m_Properties.height)), fresh);
    const QByteArray first = Export(engine.m_Image, "RGBA");

    CImageManager second;
    second.m_bPreview = true;
    QVERIFY(second.Read(path));
    QCOMPARE(sink.Take(), QList<int>());
    QVERIFY(Export(second.m_Image, "RGBA") == first);
    QCOMPARE(QSize(int(second.m_Properties.width), int(second.m_Properties.height)), cached);
    QCOMPARE(second.m_Properties.model, QString("EOS 5D"));
    QCOMPARE(second.m_Properties.dateTime, QString(CameraDate));
}

void TestRawEngine::previewCancel_data()
{
    QTest::addColumn<int>("abortAt");
    QTest::addColumn<QList<int>>("calls");
    QTest::newRow("at 30") << 30 << QList<int>{30};
    QTest::newRow("at 70") << 70 << QList<int>{30, 70};
    QTest::newRow("at 95") << 95 << QList<int>{30, 70, 95};
}

void TestRawEngine::previewCancel()
{
    QFETCH(int, abortAt);
    QFETCH(QList<int>, calls);
    const QString path = FreshCopy("standard.dng");
    RecordingSink sink;
    CImageManager engine;
    engine.m_bPreview = true;
    engine.SetThread(&sink);
    QVERIFY(engine.Read(File("orientation6.dng")));
    sink.Take();

    sink.abortAt = abortAt;
    QVERIFY(!engine.Read(path));
    QCOMPARE(sink.Take(), calls);
    QCOMPARE(engine.m_Image.columns(), size_t(48));
    QCOMPARE(engine.m_Path, File("orientation6.dng"));

    // Nothing was cached: the next read decodes again.
    sink.abortAt = -1;
    engine.m_Progress.abort.store(false);
    QVERIFY(engine.Read(path));
    QCOMPARE(sink.Take(), QList<int>({30, 70, 95}));
    QCOMPARE(engine.m_Image.columns(), size_t(64));
}

BQ_TEST_MAIN(TestRawEngine)
#include "tst_raw_engine.moc"
