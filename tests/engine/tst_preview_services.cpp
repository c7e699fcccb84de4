// Preview services of the image engine: zoom, checkerboard, pixmaps, the
// one-entry cache of preview engines, progress with cancel through the sink
// interface, engine copies, and the filter hand-off.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "IMImageCache.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "PreviewProgressSink.h"
#include "Quantum.h"
#include "UserProfile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// A preview thread stand-in that counts the progress it receives and can
// cancel at its first call.
class CountingSink : public QThread, public IPreviewProgressSink
{
public:
    ~CountingSink() override { CImageManager::ClearThread(this); }
    void UpdateStatusBar(SProgressData* progress) override
    {
        calls.fetch_add(1);
        lastPercent.store(progress->percent.load());
        if (abortAtFirstCall)
            progress->abort.store(true);
    }
    std::atomic<int> calls{0};
    std::atomic<int> lastPercent{-1};
    bool abortAtFirstCall = false;

protected:
    void run() override {}
};

// A thread that is no sink.
class PlainThread : public QThread
{
protected:
    void run() override {}
};

QByteArray Rgb8(const Magick::Image& image, int x, int y, int w, int h)
{
    QByteArray out(w * h * 3, '\0');
    Magick::Image copy(image);
    copy.write(x, y, size_t(w), size_t(h), "RGB", Magick::CharPixel, out.data());
    return out;
}

bool HasMonitor(const Magick::Image& image)
{
    return image.constImage()->progress_monitor != nullptr;
}

SFilterRecord HalfSize()
{
    SFilterRecord record;
    record.id = FilterType::FilterResize;
    record.active = true;
    for (double v : {50.0, 50.0, 0.0, 0.0, 1.0, 0.0})
        record.AddNumber(v);
    return record;
}

} // namespace

class TestPreviewServices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoom_data();
    void zoom();
    void alphaToCheckboard();
    void imageToPixmap_data();
    void imageToPixmap();

    void previewEngineUsesTheCache();
    void cacheKeepsItsFirstEntry();
    void cacheCarriesPropertiesAsUtf8();

    void callbackContract_data();
    void callbackContract();
    void recordSinkWinsOverThreadSink();
    void threadWithoutInterfaceGetsNothing();
    void cancelledReadFailsAndIsNotCached();
    void cancelledZoomFails();
    void cancelledCheckboardFails_data();
    void cancelledCheckboardFails();

    void copiesDropTheMonitor();
    void copiedEngineIsIndependent();

    void applyFilter();
    void applyFilterToPages_data();
    void applyFilterToPages();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    QString WriteJpeg(const QString& name, size_t w, size_t h, quint32 seed = 1);

    std::unique_ptr<QTemporaryDir> m_magickTemp;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPreviewServices::initTestCase()
{
    m_magickTemp.reset(new QTemporaryDir);
    QVERIFY(m_magickTemp->isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_magickTemp->path()));
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestPreviewServices::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    CUserProfile::GetInstance()->MultipageWrite = 0;
}

void TestPreviewServices::cleanup()
{
    CImageManager().SetThread(nullptr);
}

QString TestPreviewServices::WriteJpeg(const QString& name, size_t w, size_t h, quint32 seed)
{
    const QString path = Path(name);
    BqTest::WriteFile(path, BqTest::JpegBytes(BqTest::MakePhoto(w, h, seed)));
    return path;
}

void TestPreviewServices::zoom_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("percent");
    QTest::addColumn<QSize>("expected"); // empty: fails
    QTest::newRow("101 by half") << QSize(101, 101) << 50.0 << QSize(51, 51);
    QTest::newRow("double") << QSize(64, 48) << 200.0 << QSize(128, 96);
    QTest::newRow("one third") << QSize(90, 60) << 33.3 << QSize(30, 20);
    QTest::newRow("to nothing") << QSize(10, 10) << 0.1 << QSize();
    QTest::newRow("negative") << QSize(10, 10) << -50.0 << QSize();
}

void TestPreviewServices::zoom()
{
    QFETCH(QSize, size);
    QFETCH(double, percent);
    QFETCH(QSize, expected);
    CImageManager engine;
    QVERIFY(!engine.Zoom(percent)); // no image yet
    engine.SetImage(BqTest::MakePhoto(size_t(size.width()), size_t(size.height())));
    QCOMPARE(engine.Zoom(percent), !expected.isEmpty());
    if (!expected.isEmpty()) {
        QCOMPARE(int(engine.m_Image.columns()), expected.width());
        QCOMPARE(int(engine.m_Image.rows()), expected.height());
    }
}

void TestPreviewServices::alphaToCheckboard()
{
    CImageManager engine;
    QVERIFY(engine.AlphaToCheckboard()); // an empty engine has nothing to do
    const Magick::Image opaque = BqTest::MakePhoto(40, 30);
    engine.SetImage(opaque);
    QVERIFY(engine.AlphaToCheckboard());
    QCOMPARE(engine.m_Image.signature(), Magick::Image(opaque).signature());

    Magick::Image clear(Magick::Geometry(40, 30), Magick::Color("none"));
    QVERIFY(clear.matte());
    engine.SetImage(clear);
    QVERIFY(engine.AlphaToCheckboard());
    QCOMPARE(engine.m_Image.columns(), size_t(40));
    QByteArray rgba(40 * 30 * 4, '\0');
    engine.m_Image.write(0, 0, 40, 30, "RGBA", Magick::CharPixel, rgba.data());
    QSet<quint32> tones;
    for (int i = 0; i < rgba.size(); i += 4) {
        QCOMPARE(quint8(rgba[i + 3]), quint8(255));
        tones.insert((quint32(quint8(rgba[i])) << 16) | (quint32(quint8(rgba[i + 1])) << 8) | quint8(rgba[i + 2]));
    }
    QCOMPARE(tones.size(), 2);
}

void TestPreviewServices::imageToPixmap_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("alpha"); // of every pixel of the photo
    QTest::newRow("inside") << QRect(QPoint(10, 5), QPoint(19, 14)) << true << 255;
    QTest::newRow("whole image") << QRect(0, 0, 64, 48) << true << 255;
    QTest::newRow("one pixel") << QRect(63, 47, 1, 1) << true << 255;
    QTest::newRow("half transparent") << QRect(0, 0, 64, 48) << true << 128;
    QTest::newRow("fully transparent") << QRect(QPoint(10, 5), QPoint(19, 14)) << true << 0;
    QTest::newRow("wholly outside") << QRect(100, 100, 10, 10) << false << 255;
    QTest::newRow("partly outside") << QRect(60, 40, 10, 10) << false << 255;
    QTest::newRow("negative corner") << QRect(-5, -5, 10, 10) << false << 255;
    QTest::newRow("empty") << QRect() << false << 255;
}

void TestPreviewServices::imageToPixmap()
{
    QFETCH(QRect, rect);
    QFETCH(bool, valid);
    QFETCH(int, alpha);
    Magick::Image photo = BqTest::MakePhoto(64, 48);
    photo.matte(true); // transparency is dropped in the pixmap
    if (alpha < 255)
        photo.opacity(QuantumFrom8(255 - alpha));
    CImageManager engine;
    engine.SetImage(photo);
    const QPixmap pixmap = engine.ImageToPixmap(rect);
    QCOMPARE(!pixmap.isNull(), valid);
    if (!valid)
        return;
    QCOMPARE(pixmap.size(), rect.size());
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB888);
    const QByteArray expected = Rgb8(photo, rect.x(), rect.y(), rect.width(), rect.height());
    for (int y = 0; y < rect.height(); ++y)
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.constScanLine(y)), rect.width() * 3),
                 expected.mid(y * rect.width() * 3, rect.width() * 3));
    QVERIFY(!pixmap.hasAlphaChannel());
    // Drawn over a transparent canvas, the pixmap covers it opaquely.
    QImage canvas(rect.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter(&canvas).drawPixmap(0, 0, pixmap);
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            QCOMPARE(canvas.pixelColor(x, y).alpha(), 255);
    // The engine's image is left as it was.
    QCOMPARE(engine.m_Image.columns(), size_t(64));
}

void TestPreviewServices::previewEngineUsesTheCache()
{
    const QString a = WriteJpeg("a.jpg", 400, 300, 1);
    const QString b = WriteJpeg("b.jpg", 200, 100, 2);
    CountingSink sink;
    CImageManager preview;
    preview.m_bPreview = true;
    preview.SetThread(&sink);
    QVERIFY(preview.Read(a));
    QVERIFY(sink.calls.load() > 0);
    QCOMPARE(sink.lastPercent.load(), 100);
    const QByteArray first = Rgb8(preview.m_Image, 0, 0, 400, 300);

    // A second read of the path is served from the cache: no decoding.
    sink.calls = 0;
    CImageManager second;
    second.m_bPreview = true;
    QVERIFY(second.Read(a));
    QCOMPARE(sink.calls.load(), 0);
    QCOMPARE(Rgb8(second.m_Image, 0, 0, 400, 300), first);
    QCOMPARE(second.m_Properties.width, qint64(400));
    QCOMPARE(second.m_Path, a);

    // An engine outside the preview neither reads nor fills the cache.
    CImageManager worker;
    QVERIFY(worker.Read(b));
    QCOMPARE(sink.calls.load(), 0);
    Magick::Image probe;
    QVERIFY(CIMImageCache::GetInstance()->Check(a, probe));
    QVERIFY(!CIMImageCache::GetInstance()->Check(b, probe));
    // The cache is keyed by the exact path.
    QVERIFY(!CIMImageCache::GetInstance()->Check(a.toUpper(), probe));
}

void TestPreviewServices::cacheKeepsItsFirstEntry()
{
    CIMImageCache* cache = CIMImageCache::GetInstance();
    const QString path = Path("entry.png");
    QVERIFY(cache->Write(path, BqTest::FourQuadrants()));
    QVERIFY(!cache->Write(path, BqTest::FourQuadrants(10, 10)));
    Magick::Image hit;
    QVERIFY(cache->Check(path, hit));
    QCOMPARE(hit.columns(), size_t(64));
    QCOMPARE(BqTest::QuadrantCentres(hit),
             (QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)}));
    // An image without pixels drops the entry rather than keep half of one.
    QVERIFY(!cache->Write(Path("other.png"), Magick::Image()) || !cache->Check(path, hit));
    QVERIFY(!cache->Check(path, hit));
}

void TestPreviewServices::cacheCarriesPropertiesAsUtf8()
{
    // The raw path sets these attributes as UTF-8 texts.
    Magick::Image photo = BqTest::MakePhoto(60, 40);
    photo.attribute("EXIF:Make", QString::fromUtf8("Sigma Ü").toUtf8().toStdString());
    photo.attribute("EXIF:Model", "SD1");
    photo.attribute("EXIF:DateTimeOriginal", "2013:05:04 14:22:10");
    photo.resolutionUnits(Magick::PixelsPerInchResolution);
    photo.density(Magick::Geometry(300, 300));
    photo.orientation(Magick::RightTopOrientation);
    const QString path = Path("never-decoded.cr2");
    QVERIFY(CIMImageCache::GetInstance()->Write(path, photo));

    CImageManager cached;
    cached.m_bPreview = true;
    QVERIFY(cached.Read(path)); // the file does not exist: a hit reads nothing
    const SImageProperties& p = cached.m_Properties;
    QCOMPARE(p.make, QString::fromUtf8("Sigma Ü"));
    QCOMPARE(p.model, QString("SD1"));
    QCOMPARE(p.dateTime, QString("2013:05:04 14:22:10"));
    QCOMPARE(p.width, qint64(60));
    QCOMPARE(p.densityX, 300);
    QCOMPARE(p.densityY, 300);
    QCOMPARE(p.units, 1);
    QCOMPARE(int(cached.m_Image.orientation()), 6);
    QVERIFY(!cached.m_Image.matte());
    QCOMPARE(Rgb8(cached.m_Image, 0, 0, 60, 40), Rgb8(photo, 0, 0, 60, 40));
    QVERIFY(!cached.m_bSourceCmyk);
}

void TestPreviewServices::callbackContract_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<bool>("abort");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<int>("percent");
    QTest::newRow("a third") << qint64(1) << qint64(3) << false << true << 33;
    QTest::newRow("two thirds") << qint64(2) << qint64(3) << false << true << 67;
    QTest::newRow("half rounds up") << qint64(1) << qint64(200) << false << true << 1;
    QTest::newRow("span 0") << qint64(5) << qint64(0) << false << true << 0;
    QTest::newRow("past the end") << qint64(7) << qint64(5) << false << true << 100;
    QTest::newRow("aborted") << qint64(1) << qint64(2) << true << false << -1;
}

void TestPreviewServices::callbackContract()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(bool, abort);
    QFETCH(bool, goOn);
    QFETCH(int, percent);
    QVERIFY(MagickProgressMonitor("x", done, MagickCore::MagickSizeType(total), nullptr) == MagickCore::MagickTrue);
    QVERIFY(ProgressMonitor(done, total, nullptr));

    CountingSink sink;
    CImageManager().SetThread(&sink);
    SProgressData record;
    record.percent = -1;
    record.abort = abort;
    QCOMPARE(MagickProgressMonitor("x", done, MagickCore::MagickSizeType(total), &record) == MagickCore::MagickTrue,
             goOn);
    QCOMPARE(record.percent.load(), percent);
    record.percent = -1;
    QCOMPARE(ProgressMonitor(done, total, &record), goOn);
    QCOMPARE(record.percent.load(), percent);
    QCOMPARE(sink.calls.load(), goOn ? 2 : 0);
}

void TestPreviewServices::recordSinkWinsOverThreadSink()
{
    CountingSink shared;
    CountingSink own;
    CImageManager engine;
    engine.SetThread(&shared);
    SProgressData record;
    record.sink = &own;
    QVERIFY(ProgressMonitor(1, 2, &record));
    QCOMPARE(own.calls.load(), 1);
    QCOMPARE(shared.calls.load(), 0);

    record.sink = nullptr;
    QVERIFY(ProgressMonitor(1, 2, &record));
    QCOMPARE(shared.calls.load(), 1);
    // Only the sink that is registered can clear the registration.
    CImageManager::ClearThread(&own);
    QVERIFY(ProgressMonitor(1, 2, &record));
    QCOMPARE(shared.calls.load(), 2);
    CImageManager::ClearThread(&shared);
    QVERIFY(ProgressMonitor(1, 2, &record));
    QCOMPARE(shared.calls.load(), 2);
    QCOMPARE(own.calls.load(), 1);
}

void TestPreviewServices::threadWithoutInterfaceGetsNothing()
{
    CountingSink sink;
    PlainThread plain;
    CImageManager engine;
    engine.SetThread(&sink);
    engine.SetThread(&plain);
    SProgressData record;
    QVERIFY(ProgressMonitor(1, 4, &record));
    QCOMPARE(record.percent.load(), 25);
    QCOMPARE(sink.calls.load(), 0);
}

void TestPreviewServices::cancelledReadFailsAndIsNotCached()
{
    const QString path = WriteJpeg("cancel.jpg", 600, 400, 3);
    CountingSink sink;
    sink.abortAtFirstCall = true;
    CImageManager engine;
    engine.m_bPreview = true;
    engine.SetThread(&sink);
    QVERIFY(!engine.Read(path));
    QCOMPARE(sink.calls.load(), 1);
    QVERIFY(engine.m_Progress.abort.load());
    Magick::Image probe;
    QVERIFY(!CIMImageCache::GetInstance()->Check(path, probe));

    // Cleared, the next read decodes again.
    sink.abortAtFirstCall = false;
    engine.m_Progress.abort = false;
    QVERIFY(engine.Read(path));
    QVERIFY(sink.calls.load() > 1);
    QCOMPARE(engine.m_Image.columns(), size_t(600));
    QVERIFY(CIMImageCache::GetInstance()->Check(path, probe));
}

void TestPreviewServices::cancelledZoomFails()
{
    CImageManager engine;
    engine.m_bPreview = true;
    engine.SetImage(BqTest::MakePhoto(300, 200));
    engine.m_Progress.abort = true;
    QVERIFY(!engine.Zoom(50));
    engine.m_Progress.abort = false;
    engine.SetImage(BqTest::MakePhoto(300, 200));
    QVERIFY(engine.Zoom(50));
    QCOMPARE(engine.m_Image.columns(), size_t(150));
}

void TestPreviewServices::cancelledCheckboardFails_data()
{
    QTest::addColumn<bool>("atFirstReport"); // else cancelled before the call
    QTest::newRow("cancelled before") << false;
    QTest::newRow("cancelled at the first report") << true;
}

void TestPreviewServices::cancelledCheckboardFails()
{
    // A newer preview cancels the board: the call fails and the process
    // lives on, and the same engine lays a board once the cancel is cleared.
    QFETCH(bool, atFirstReport);
    CountingSink sink;
    sink.abortAtFirstCall = atFirstReport;
    CImageManager engine;
    engine.m_bPreview = true;
    engine.SetThread(&sink);
    const Magick::Image clear(Magick::Geometry(300, 200), Magick::Color("none"));
    engine.SetImage(clear);
    engine.m_Progress.abort = !atFirstReport;
    QVERIFY(!engine.AlphaToCheckboard());
    sink.abortAtFirstCall = false;
    engine.m_Progress.abort = false;
    engine.SetImage(clear);
    QVERIFY(engine.AlphaToCheckboard());
    QVERIFY(!engine.m_Image.matte() || engine.m_Image.isOpaque());
}

void TestPreviewServices::copiesDropTheMonitor()
{
    const QString path = WriteJpeg("monitor.jpg", 120, 80);
    CImageManager preview;
    preview.m_bPreview = true;
    QVERIFY(preview.Read(path));
    QVERIFY(HasMonitor(preview.m_Image));

    CImageManager copy(preview);
    QVERIFY(!HasMonitor(copy.m_Image));
    CImageManager assigned;
    assigned = preview;
    QVERIFY(!HasMonitor(assigned.m_Image));
    CImageManager other;
    other.SetImage(preview.m_Image);
    QVERIFY(!HasMonitor(other.m_Image));
    // The original keeps its own.
    QVERIFY(HasMonitor(preview.m_Image));
    QCOMPARE(copy.m_Path, path);
    QVERIFY(copy.m_bPreview);
    QCOMPARE(copy.m_Properties.width, qint64(120));
}

void TestPreviewServices::copiedEngineIsIndependent()
{
    CImageManager original;
    original.m_bPreview = true;
    original.SetImage(BqTest::MakePhoto(100, 60));
    QVERIFY(original.Zoom(100)); // installs the monitor on the original's image
    CImageManager copy(original);
    original.m_Progress.abort = true;
    QVERIFY(copy.Zoom(50));
    QCOMPARE(copy.m_Image.columns(), size_t(50));
    QCOMPARE(original.m_Image.columns(), size_t(100));
    QVERIFY(!original.Zoom(50));
}

void TestPreviewServices::applyFilter()
{
    CImageManager engine;
    engine.SetImage(BqTest::MakePhoto(80, 60));
    engine.m_Progress.abort = true;
    engine.m_Progress.finished = true;
    QVERIFY(engine.ApplyFilter(HalfSize()));
    QCOMPARE(engine.m_Image.columns(), size_t(40));
    QCOMPARE(engine.m_Image.rows(), size_t(30));
    // The engine clears both flags before it runs the filter.
    QVERIFY(!engine.m_Progress.abort.load());
    QVERIFY(!engine.m_Progress.finished);

    SFilterRecord unknown;
    unknown.id = 4242;
    QVERIFY(!engine.ApplyFilter(unknown));
    CImageManager empty;
    QVERIFY(!empty.ApplyFilter(HalfSize()));
    QVERIFY(!empty.ApplyFilterToCurrentPage(HalfSize()));
}

void TestPreviewServices::applyFilterToPages_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("every page") << 0 << QList<int>{20, 25, 30};
    QTest::newRow("first page only") << 2 << QList<int>{20, 50, 60};
}

void TestPreviewServices::applyFilterToPages()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, widths);
    CUserProfile::GetInstance()->MultipageWrite = mode;
    const QString path = Path("three.tif");
    BqTest::WriteThreePageTiff(path);
    CImageManager engine;
    QVERIFY(engine.ReadMultipage(path));
    QVERIFY(engine.ApplyFilterToMultipage(HalfSize()));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(engine.m_Pages[i].columns()), widths[i]);
    // Only the last page for the current-page variant.
    QVERIFY(engine.ApplyFilterToCurrentPage(HalfSize()));
    QCOMPARE(int(engine.m_Pages.last().columns()), widths[2] / 2);
    QCOMPARE(int(engine.m_Pages.first().columns()), widths[0]);
}

BQ_TEST_MAIN(TestPreviewServices)
#include "tst_preview_services.moc"
