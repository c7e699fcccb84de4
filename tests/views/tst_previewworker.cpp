// The preview worker alone: the pixels and geometry of its results, the
// centre it keeps across zooms, and the hand-over of requests (a request
// posted while a job settles runs, aborted jobs never count as failures).
#include "BqTestMain.h"
#include "ControlImageThread.h"
#include "FilterTypes.h"
#include "MagickRuntime.h"
#include "PreviewTestSupport.h"
#include "UserProfile.h"

#include <QDateTime>

#include <atomic>
#include <stdexcept>

namespace {

// A worker alone, with counters fed through direct connections.
struct WorkerRig
{
    WorkerRig()
    {
        QObject::connect(&worker, &CControlImageThread::Show, [this] { shows++; });
        QObject::connect(&worker, &CControlImageThread::JobDropped, [this](quint64) { drops++; });
        worker.start();
    }
    quint64 Post(const QString& path, QList<SFilterRecord> filters = {}, QSize viewport = QSize(400, 300),
                 double zoom = 100, double minZoom = 100, QPoint scroll = QPoint())
    {
        SPreviewRequest request;
        request.path = path;
        request.filters = filters;
        request.viewport = viewport;
        request.scroll = scroll;
        request.zoom = zoom;
        request.minZoom = minZoom;
        return worker.PostPreview(request);
    }
    // The newest result, waiting for one when the slot is empty.
    bool Take(SPreviewResult& result)
    {
        return QTest::qWaitFor([&] { return worker.TakeResult(result); }, kWait);
    }
    CControlImageThread worker;
    std::atomic<int> shows{0};
    std::atomic<int> drops{0};
};

} // namespace

class TestPreviewWorker : public QObject
{
    Q_OBJECT

    PreviewPhotos m_Photos;
    QString P(const QString& name) const { return m_Photos.Path(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(StartMagickRuntime());
        m_Photos.Make();
    }

    void workerJob_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QList<SFilterRecord>>("chain");
        QTest::addColumn<int>("multipage");
        QTest::addColumn<QPoint>("at");     // the second point is the centre
        QTest::addColumn<QRgb>("outside");  // 0: no result expected
        QTest::addColumn<QRgb>("centre");
        QTest::addColumn<QSize>("size");    // of the result at zoom 100
        using Chain = QList<SFilterRecord>;
        const QRgb dim = qRgb(30, 30, 30), grey = qRgb(128, 128, 128), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
        const QPoint at(10, 10);
        const QSize full(400, 300), page(100, 100);
        QTest::newRow("crop dims around") << "grey.png" << Chain{Record(FilterCrop, "C", {0, 0, 100, 100, 0})} << 0
                                          << at << dim << grey << full;
        QTest::newRow("resize dims around") << "grey.png" << Chain{Record(FilterResize, "R", {200, 150, 0, 0, 0, 0})}
                                            << 0 << at << dim << grey << full;
        QTest::newRow("inactive crop") << "grey.png" << Chain{Record(FilterCrop, "C", {0, 0, 9, 9, 0}, false)} << 0
                                       << at << grey << grey << full;
        QTest::newRow("no area record") << "grey.png" << Chain{} << 0 << at << grey << grey << full;
        QTest::newRow("unknown type fails") << "red.png" << Chain{Record(9999, "U", {1})} << 0 << at << QRgb(0) << red
                                            << QSize();
        QTest::newRow("inactive unknown skipped") << "red.png" << Chain{Record(9999, "U", {1}, false)} << 0 << at
                                                  << red << red << full;
        QTest::newRow("two pages: first") << "pages.tif" << Chain{} << 0 << at << red << red << page;
        QTest::newRow("two pages: flattened") << "pages.tif" << Chain{} << 1 << at << blue << blue << page;
        QTest::newRow("two pages: first layer") << "pages.tif" << Chain{} << 2 << at << red << red << page;
        QTest::newRow("unreadable photo") << "zero.jpg" << Chain{} << 0 << at << QRgb(0) << QRgb(0) << QSize();
    }
    void workerJob()
    {
        QFETCH(QString, photo);
        QFETCH(QList<SFilterRecord>, chain);
        QFETCH(int, multipage);
        QFETCH(QPoint, at);
        QFETCH(QRgb, outside);
        QFETCH(QRgb, centre);
        QFETCH(QSize, size);
        CUserProfile::GetInstance()->MultipageWrite = multipage;
        CommentWatch loading(QStringLiteral("Loading..."));
        WorkerRig rig;
        rig.Post(P(photo), chain);
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows + rig.drops == 1 && rig.worker.PendingOp() == 0, kWait);
        QCOMPARE(loading.hits.load(), 1); // one request, one try
        CUserProfile::GetInstance()->MultipageWrite = 0;
        QVERIFY(StatusFinished());
        SPreviewResult result;
        QCOMPARE(rig.worker.TakeResult(result), outside != 0);
        if (outside == 0)
            return;
        const QImage image = result.zoomed.ImageToPixmap(QRect(0, 0, int(result.zoomed.m_Image.columns()),
                                                                int(result.zoomed.m_Image.rows()))).toImage();
        QCOMPARE(image.size(), size);
        const auto near = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 && qAbs(qBlue(a) - qBlue(b)) <= 2;
        };
        QVERIFY(near(image.pixel(at), outside));
        QVERIFY(near(image.pixel(image.width() / 2, image.height() / 2), centre));
    }

    void centreFormula()
    {
        WorkerRig rig;
        rig.Post(P("p3.png"), {}, QSize(800, 500), 100, 50, QPoint(800, 500));
        SPreviewResult result;
        QVERIFY(rig.Take(result));
        QCOMPARE(result.scroll, QPoint(800, 500));
        rig.worker.PostZoom(200.0 / 3, 50, result.scroll, QSize(800, 500));
        QVERIFY(rig.Take(result));
        QCOMPARE(QSize(int(result.zoomed.m_Image.columns()), int(result.zoomed.m_Image.rows())), QSize(1067, 667));
        QCOMPARE(result.scroll, QPoint(400, 250));
        rig.worker.PostZoom(50, 50, result.scroll, QSize(800, 500));
        QVERIFY(rig.Take(result));
        QCOMPARE(result.scroll, QPoint(0, 0));
        // A refit is the fit zoom: it centres, whatever the previous zoomed
        // size (500x313 here) and the fit the view asked with.
        rig.Post(P("p3.png"), {}, QSize(500, 800), 31.25, 31.25);
        QVERIFY(rig.Take(result));
        rig.Post(P("p3.png"), {Record(FilterRotate, "Rotate", {90, 0})}, QSize(500, 800), 31.25, 31.25);
        QVERIFY(rig.Take(result));
        QCOMPARE(result.zoom, 50.0);
        QCOMPARE(result.minZoom, 50.0);
        QCOMPARE(result.scroll, QPoint(0, 0));
    }

    // --- hand-over between GUI and worker ------------------------------------

    void settleHook_data()
    {
        QTest::addColumn<bool>("throws");
        QTest::newRow("request posted while settling") << false;
        QTest::newRow("hook throws once") << true;
    }
    void settleHook()
    {
        // The hook posts once, between the end of a job and its settling.
        QFETCH(bool, throws);
        WorkerRig rig;
        std::atomic<bool> posted{false};
        rig.worker.SetSettleHook([&] {
            if (posted.exchange(true))
                return;
            rig.Post(P("blue.png"));
            if (throws)
                throw std::runtime_error("settle");
        });
        rig.Post(P("red.png"));
        QString last;
        QVERIFY(QTest::qWaitFor([&] {
            SPreviewResult result;
            if (rig.worker.TakeResult(result))
                last = result.loader.m_Path;
            return last == P("blue.png") && rig.worker.PendingOp() == 0;
        }, kWait));
    }

    void abortedReadsDoNotCount()
    {
        WorkerRig rig;
        CommentWatch loading(QStringLiteral("Loading..."));
        std::atomic<qint64> clock{QDateTime::currentSecsSinceEpoch() + 100};
        rig.worker.SetSecondsSource([&clock] { return clock.load(); });
        for (int i = 1; i <= 6; ++i) {
            // The second changes while the sixth is still posted: the job it
            // stops looks at the clock before the sixth is taken.
            if (i == 6)
                clock++;
            const int before = loading.hits;
            rig.Post(P(QStringLiteral("copy%1.jpg").arg(i)), {}, QSize(800, 500), 20, 20);
            QVERIFY(SpinUntil([&] { return loading.hits > before; }));
        }
        SPreviewResult result;
        QVERIFY(QTest::qWaitFor([&] { return rig.worker.TakeResult(result) && result.loader.m_Path == P("copy6.jpg"); },
                                kWait));
        // A failed read drops only its own request.
        rig.Post(P("zero.jpg"));
        QTRY_COMPARE_WITH_TIMEOUT(rig.drops.load(), 1, kWait);
        QCOMPARE(rig.worker.FailureCount(), 1);
        rig.Post(P("red.png"));
        clock++;
        QVERIFY(QTest::qWaitFor([&] { return rig.worker.TakeResult(result) && result.loader.m_Path == P("red.png"); },
                                kWait));
        QCOMPARE(rig.drops.load(), 1);
    }
};

BQ_TEST_MAIN(TestPreviewWorker)
#include "tst_previewworker.moc"
