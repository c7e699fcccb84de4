// The preview worker and widget seen from outside: the photo and zoom that a
// view shows, the pixels of its label, the hand-over between GUI and worker
// (newest request wins, cancel, clean-up, no hang in "pending"), and the
// status published through the settings object.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "ControlImageThread.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "ImageCache.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "UserProfile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QMutex>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>
#include <list>
#include <memory>

namespace {

constexpr int kWait = 5000;

SFilterRecord Record(quint32 id, const QString& name, std::initializer_list<double> values, bool active = true)
{
    SFilterRecord record;
    record.id = id;
    record.name = name;
    record.active = active;
    for (double value : values)
        record.AddNumber(value);
    return record;
}

QImage LabelImage(const QLabel* label)
{
    return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Drag(CControlImage* view, QPoint from, QPoint to)
{
    SendMouse(view->viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(view->viewport(), QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(view->viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// Waits without processing events, so that queued results stay queued.
bool SpinUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < kWait)
        QThread::msleep(5);
    return done();
}

// A view in a window of its own, with its label on the viewport.
struct ViewRig
{
    explicit ViewRig(QSize size = QSize(800, 500))
    {
        window.resize(size);
        view = new CControlImage(&window);
        view->setGeometry(QRect(QPoint(), size));
        label = new QLabel(view->viewport());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->imageLabel = label;
        zooms = std::make_unique<QSignalSpy>(view, &CControlImage::UpdateZoomPercent);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    bool Show(const QString& path)
    {
        const int before = zooms->count();
        if (!view->StartPreview(path))
            return false;
        return QTest::qWaitFor([&] { return zooms->count() > before && !view->pending; }, kWait);
    }
    // Runs a zoom call and waits for its percent; -1 when it posted nothing.
    int Zoom(const std::function<bool()>& call)
    {
        const quint64 generation = view->Worker().PostedGeneration();
        const int before = zooms->count();
        if (!call())
            return -2;
        if (view->Worker().PostedGeneration() == generation)
            return -1;
        return QTest::qWaitFor([&] { return zooms->count() > before; }, kWait) ? zooms->last().at(0).toInt() : -3;
    }
    QWidget window;
    CControlImage* view = nullptr;
    QLabel* label = nullptr;
    std::unique_ptr<QSignalSpy> zooms;
};

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

// Counts how often the published comment turns into a given text.
struct CommentWatch
{
    explicit CommentWatch(const QString& wanted)
    {
        connection = QObject::connect(CUserProfile::GetInstance(), &CUserProfile::UpdateStatusBar, [this, wanted] {
            int progress = 0;
            QString comment;
            CUserProfile::GetInstance()->GetPreviewStatus(progress, comment);
            QMutexLocker lock(&mutex);
            hits += comment == wanted && last != wanted;
            last = comment;
            seen.append(comment);
        });
    }
    ~CommentWatch() { QObject::disconnect(connection); }
    bool Seen(const QString& text)
    {
        QMutexLocker lock(&mutex);
        return seen.contains(text);
    }
    QMetaObject::Connection connection;
    QMutex mutex;
    QString last;
    QStringList seen;
    std::atomic<int> hits{0};
};

bool StatusFinished()
{
    int progress = 0;
    QString comment;
    CUserProfile::GetInstance()->GetPreviewStatus(progress, comment);
    return progress == -1 && comment.isEmpty();
}

int g_readWarnings = 0;
QtMessageHandler g_previousHandler = nullptr;
void CountReadWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QStringLiteral("Preview: cannot read")))
        g_readWarnings++;
    g_previousHandler(type, context, text);
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;
    QString P(const QString& name) const { return m_Dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(StartMagickRuntime());
        QVERIFY(m_Dir.isValid());
        Magick::Image photo = BqTest::MakePhoto(4000, 3000, 3);
        photo.quality(85);
        photo.write(P("p1.jpg").toStdString());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(QFile::copy(P("p1.jpg"), P(QStringLiteral("copy%1.jpg").arg(i))));
        QImage gradient(1600, 1000, QImage::Format_RGB32);
        for (int x = 0; x < 1600; ++x)
            for (int y = 0; y < 1000; ++y)
                gradient.setPixel(x, y, qRgb(x * 255 / 1599, 0, 0));
        QVERIFY(gradient.save(P("p3.png")));
        const auto solid = [](int w, int h, QRgb colour) {
            QImage image(w, h, QImage::Format_RGB32);
            image.fill(colour);
            return image;
        };
        QVERIFY(solid(200, 100, qRgb(0, 160, 0)).save(P("p2.png")));
        QVERIFY(solid(2000, 1250, qRgb(90, 90, 90)).save(P("p4.png")));
        QVERIFY(solid(400, 300, qRgb(255, 0, 0)).save(P("red.png")));
        QVERIFY(solid(400, 300, qRgb(0, 0, 255)).save(P("blue.png")));
        QVERIFY(solid(400, 300, qRgb(128, 128, 128)).save(P("grey.png")));
        QVERIFY(solid(3000, 2000, qRgb(0, 0, 255)).save(P("blue.jpg"), "JPG", 90));
        QFile zero(P("zero.jpg"));
        QVERIFY(zero.open(QIODevice::WriteOnly));
        zero.close();
        QFile notPhoto(P("doc.Xgs"));
        QVERIFY(notPhoto.open(QIODevice::WriteOnly) && notPhoto.write("no magic bytes here") > 0);
        notPhoto.close();
        std::list<Magick::Image> pages{Magick::Image(Magick::Geometry(100, 100), Magick::Color("red")),
                                       Magick::Image(Magick::Geometry(100, 100), Magick::Color("blue"))};
        Magick::writeImages(pages.begin(), pages.end(), P("pages.tif").toStdString());
    }

    // --- widget: zoom --------------------------------------------------------

    void fitZoom_data()
    {
        QTest::addColumn<QString>("photo"); // "!" first: preview switched off
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("fit"); // 0: refused, nothing posted
        QTest::addColumn<QSize>("pixmap");
        QTest::newRow("4000x3000 jpeg") << "p1.jpg" << QSize(800, 500) << 50000.0 / 3000 << QSize(667, 500);
        QTest::newRow("small png enlarged") << "p2.png" << QSize(800, 600) << 400.0 << QSize(800, 400);
        QTest::newRow("overwrite dialog size") << "p3.png" << QSize(201, 161) << 12.5625 << QSize(201, 126);
        QTest::newRow("preview off") << "!red.png" << QSize(800, 500) << 0.0 << QSize();
        QTest::newRow("empty path") << "" << QSize(800, 500) << 0.0 << QSize();
        QTest::newRow("missing file") << "missing.png" << QSize(800, 500) << 0.0 << QSize();
        QTest::newRow("folder") << "." << QSize(800, 500) << 0.0 << QSize();
    }
    void fitZoom()
    {
        QFETCH(QString, photo);
        QFETCH(QSize, size);
        QFETCH(double, fit);
        QFETCH(QSize, pixmap);
        ViewRig rig(size);
        QVERIFY(!rig.view->ZoomToMatch()); // nothing shown yet
        rig.view->showPreview = !photo.startsWith('!');
        photo.remove('!');
        if (fit == 0) {
            QVERIFY(!rig.view->StartPreview(photo.isEmpty() ? photo : P(photo)));
            QVERIFY(!rig.view->pending);
            QCOMPARE(rig.view->Worker().PostedGeneration(), quint64(0));
            return;
        }
        QVERIFY(rig.Show(P(photo)));
        QVERIFY(qAbs(rig.view->CurrentZoom() - fit) < 0.001);
        QCOMPARE(rig.zooms->last().at(0).toInt(), PreviewRound(fit));
        QCOMPARE(LabelImage(rig.label).size(), pixmap);
    }

    void zoomSequence_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QSize>("size");
        // call:percent[:label size], "-" when nothing is posted
        QTest::addColumn<QString>("script");
        QTest::newRow("fit 50") << "p3.png" << QSize(800, 500)
                                << "match:100 out:67 out:50 out:- 80:80 in:100 in:-";
        QTest::newRow("fit 400") << "p2.png" << QSize(800, 600) << "in:- match:100:200x100 fit:400:800x400";
    }
    void zoomSequence()
    {
        QFETCH(QString, photo);
        QFETCH(QSize, size);
        QFETCH(QString, script);
        ViewRig rig(size);
        QVERIFY(rig.Show(P(photo)));
        for (const QString& step : script.split(' ')) {
            const QString call = step.section(':', 0, 0);
            const QString expected = step.section(':', 1, 1);
            const QString size = step.section(':', 2);
            CControlImage* v = rig.view;
            const int got = rig.Zoom([&] {
                return call == "in" ? v->ZoomIn() : call == "out" ? v->ZoomOut() : call == "fit" ? v->ZoomToFit()
                    : call == "match" ? v->ZoomToMatch() : v->ZoomPreview(call.toDouble());
            });
            QCOMPARE(got, expected == "-" ? -1 : expected.toInt());
            if (!size.isEmpty())
                QCOMPARE(LabelImage(rig.label).size(),
                         QSize(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt()));
        }
    }

    void zoomRules()
    {
        // A single view refuses a zoom while its own preview is pending.
        ViewRig single(QSize(201, 161));
        QVERIFY(single.Show(P("p2.png")));
        QVERIFY(single.view->StartPreview(P("p3.png")));
        QVERIFY(!single.view->ZoomIn());
        QTRY_VERIFY_WITH_TIMEOUT(!single.view->pending, kWait);
        QCOMPARE(single.zooms->last().at(0).toInt(), 13);
        // Size-changing chains refit on the same photo; a resize keeps the zoom.
        ViewRig rig;
        QVERIFY(rig.Show(P("p3.png")));
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomToMatch(); }), 100);
        const QPoint start = rig.view->ScrollPosition();
        Drag(rig.view, QPoint(400, 250), QPoint(500, 300));
        QCOMPARE(rig.view->ScrollPosition(), start - QPoint(100, 50));
        QVERIFY(rig.Show(P("p3.png")));
        QCOMPARE(rig.zooms->last().at(0).toInt(), 100);
        QCOMPARE(rig.view->ScrollPosition(), start - QPoint(100, 50));
        rig.view->AddFilter(Record(FilterRotate, "Rotate", {90, 0}));
        QVERIFY(rig.Show(P("p3.png")));
        QCOMPARE(rig.view->CurrentZoom(), 31.25);
        QCOMPARE(rig.zooms->last().at(0).toInt(), 31);
        QCOMPARE(LabelImage(rig.label).size(), QSize(313, 500));
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomIn(); }), 47);
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomToMatch(); }), 100);
        rig.view->AddFilter(Record(FilterResize, "Resize", {800, 500, 0, 0, 0, 0}));
        QVERIFY(rig.Show(P("p3.png")));
        QCOMPARE(rig.zooms->last().at(0).toInt(), 100);
        QCOMPARE(LabelImage(rig.label).size(), QSize(800, 500));
        // One editable area in the filter dialog: zoom calls do nothing.
        ViewRig area;
        area.view->singleFilterMode = true;
        area.view->AddFilter(Record(FilterCrop, "Crop", {0, 0, 100, 100, 0}));
        QVERIFY(area.Show(P("p3.png")));
        QCOMPARE(LabelImage(area.label).size(), QSize(800, 500)); // the plain photo
        for (const auto& call : {&CControlImage::ZoomIn, &CControlImage::ZoomOut, &CControlImage::ZoomToFit,
                                 &CControlImage::ZoomToMatch})
            QCOMPARE(area.Zoom([&] { return (area.view->*call)(); }), -1);
    }

    // --- widget: pairs, pan, resize, theme -----------------------------------

    void friendTakeOver_data()
    {
        QTest::addColumn<bool>("withCrop");
        QTest::addColumn<int>("expected");
        QTest::newRow("same photo zoomed in") << false << 100;
        QTest::newRow("crop in chain") << true << 50;
    }
    void friendTakeOver()
    {
        QFETCH(bool, withCrop);
        QFETCH(int, expected);
        ViewRig a, b;
        a.view->friendView = b.view;
        b.view->friendView = a.view;
        QVERIFY(b.Show(P("p3.png")));
        QCOMPARE(b.Zoom([&] { return b.view->ZoomToMatch(); }), 100);
        if (withCrop)
            a.view->AddFilter(Record(FilterCrop, "Crop", {0, 0, 1000, 800, 0}));
        QVERIFY(a.Show(P("p3.png")));
        QCOMPARE(a.zooms->last().at(0).toInt(), expected);
        QCOMPARE(LabelImage(a.label) == LabelImage(b.label), !withCrop);
    }

    void panAndCursor()
    {
        ViewRig rig;
        QVERIFY(rig.Show(P("p3.png")));
        QCOMPARE(rig.view->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomToMatch(); }), 100);
        QCOMPARE(rig.view->cursor().shape(), Qt::OpenHandCursor);
        QWidget* port = rig.view->viewport();
        const int startX = rig.view->ScrollPosition().x();
        SendMouse(port, QEvent::MouseButtonPress, QPoint(400, 250), Qt::LeftButton);
        QCOMPARE(rig.view->cursor().shape(), Qt::ClosedHandCursor);
        SendMouse(port, QEvent::MouseMove, QPoint(100, 250), Qt::LeftButton);
        SendMouse(port, QEvent::MouseButtonRelease, QPoint(100, 250), Qt::NoButton);
        QCOMPARE(rig.view->cursor().shape(), Qt::OpenHandCursor);
        QCOMPARE(rig.view->ScrollPosition().x(), startX + 300);
        Drag(rig.view, QPoint(700, 250), QPoint(-200, 250));
        QCOMPARE(rig.view->ScrollPosition().x(), 800);
        QVERIFY(qAbs(qRed(rig.view->grab().toImage().pixel(0, 10)) - 127) <= 1);
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomToFit(); }), 50);
        QCOMPARE(rig.view->cursor().shape(), Qt::ArrowCursor);
    }

    void synchronizeFriend()
    {
        ViewRig original, filtered;
        original.view->friendView = filtered.view;
        filtered.view->friendView = original.view;
        // A turned result is narrower than the original: scroll scales both ways.
        filtered.view->AddFilter(Record(FilterRotate, "Rotate", {90, 0}));
        QVERIFY(original.Show(P("p4.png")));
        QVERIFY(filtered.Show(P("p4.png")));
        QCOMPARE(original.Zoom([&] { return original.view->ZoomToMatch(); }), 100);
        QCOMPARE(original.view->ScrollPosition().x(), 600);
        Drag(original.view, QPoint(5, 5), QPoint(5, 5));
        QCOMPARE(filtered.view->ScrollPosition(), QPoint(375, 600));
        QCOMPARE(filtered.Zoom([&] { return filtered.view->ZoomToMatch(); }), 100);
        const int drag = filtered.view->ScrollPosition().x() - 100;
        Drag(filtered.view, QPoint(0, 5), QPoint(drag, 5));
        QCOMPARE(filtered.view->ScrollPosition().x(), 100);
        QCOMPARE(original.view->ScrollPosition().x(), 160);
    }

    void resize_data()
    {
        QTest::addColumn<int>("flag"); // -1 no flag pointer
        QTest::addColumn<bool>("atMatch");
        QTest::addColumn<int>("expected"); // percent emitted, -1 nothing posted
        QTest::addColumn<bool>("blank");
        QTest::newRow("fitted, panels still") << 0 << false << 10 << false;
        QTest::newRow("at 100, panels still") << 0 << true << -1 << false;
        QTest::newRow("panel transition") << 1 << false << -1 << false;
        QTest::newRow("no flag") << -1 << false << -1 << true;
    }
    void resize()
    {
        QFETCH(int, flag);
        QFETCH(bool, atMatch);
        QFETCH(int, expected);
        QFETCH(bool, blank);
        ViewRig rig;
        bool transition = flag == 1;
        rig.view->panelTransition = flag < 0 ? nullptr : &transition;
        rig.view->ShowBlank();
        const QImage placeholder = LabelImage(rig.label);
        QVERIFY(rig.Show(P("p1.jpg")));
        if (atMatch)
            QCOMPARE(rig.Zoom([&] { return rig.view->ZoomToMatch(); }), 100);
        const double zoom = rig.view->CurrentZoom();
        QCOMPARE(rig.Zoom([&] {
            rig.view->resize(400, 300);
            return true;
        }),
                 expected);
        if (expected < 0)
            QCOMPARE(rig.view->CurrentZoom(), zoom);
        QCOMPARE(LabelImage(rig.label) == placeholder, blank);
    }

    void themePlaceholder_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("alpha");
        QTest::newRow("light") << 0 << 255;
        QTest::newRow("dark") << 1 << 20;
        QTest::newRow("any other than 0") << 2 << 20;
    }
    void themePlaceholder()
    {
        QFETCH(int, theme);
        QFETCH(int, alpha);
        CUserProfile::GetInstance()->ThemeId = theme;
        ViewRig rig;
        CUserProfile::GetInstance()->ThemeId = 0;
        rig.view->ShowBlank();
        const QImage asset = CImageCache::GetInstance()->GetAsset("Preview-Placeholder.png", false, true);
        QPoint opaque(-1, -1);
        for (int i = 0; i < asset.width() * asset.height() && opaque.x() < 0; ++i)
            if (qAlpha(asset.pixel(i % asset.width(), i / asset.width())) == 255)
                opaque = QPoint(i % asset.width(), i / asset.width());
        QVERIFY(opaque.x() >= 0);
        QVERIFY(qAbs(qAlpha(LabelImage(rig.label).pixel(opaque)) - alpha) <= 1);
    }

    // --- worker: pixels, centre, status, failures ----------------------------

    void workerJob_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QList<SFilterRecord>>("chain");
        QTest::addColumn<int>("multipage");
        QTest::addColumn<QPoint>("at");     // the second point is the centre
        QTest::addColumn<QRgb>("outside");  // 0: no result expected
        QTest::addColumn<QRgb>("centre");
        using Chain = QList<SFilterRecord>;
        const QRgb dim = qRgb(30, 30, 30), grey = qRgb(128, 128, 128), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
        const QPoint at(10, 10);
        QTest::newRow("crop dims around") << "grey.png" << Chain{Record(FilterCrop, "C", {0, 0, 100, 100, 0})} << 0
                                          << at << dim << grey;
        QTest::newRow("resize dims around") << "grey.png" << Chain{Record(FilterResize, "R", {200, 150, 0, 0, 0, 0})}
                                            << 0 << at << dim << grey;
        QTest::newRow("inactive crop") << "grey.png" << Chain{Record(FilterCrop, "C", {0, 0, 9, 9, 0}, false)} << 0
                                       << at << grey << grey;
        QTest::newRow("unknown type fails") << "red.png" << Chain{Record(9999, "U", {1})} << 0 << at << QRgb(0) << red;
        QTest::newRow("inactive unknown skipped") << "red.png" << Chain{Record(9999, "U", {1}, false)} << 0 << at
                                                  << red << red;
        QTest::newRow("two pages: first") << "pages.tif" << Chain{} << 0 << at << red << red;
        QTest::newRow("two pages: flattened") << "pages.tif" << Chain{} << 1 << at << blue << blue;
        QTest::newRow("two pages: first layer") << "pages.tif" << Chain{} << 2 << at << red << red;
    }
    void workerJob()
    {
        QFETCH(QString, photo);
        QFETCH(QList<SFilterRecord>, chain);
        QFETCH(int, multipage);
        QFETCH(QPoint, at);
        QFETCH(QRgb, outside);
        QFETCH(QRgb, centre);
        CUserProfile::GetInstance()->MultipageWrite = multipage;
        WorkerRig rig;
        rig.Post(P(photo), chain);
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows + rig.drops == 1 && rig.worker.PendingOp() == 0, kWait);
        CUserProfile::GetInstance()->MultipageWrite = 0;
        QVERIFY(StatusFinished());
        SPreviewResult result;
        QCOMPARE(rig.worker.TakeResult(result), outside != 0);
        if (outside == 0)
            return;
        const QImage image = result.zoomed.ImageToPixmap(QRect(0, 0, int(result.zoomed.m_Image.columns()),
                                                                int(result.zoomed.m_Image.rows()))).toImage();
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
    }

    void statusTexts()
    {
        CommentWatch watch(QStringLiteral("Loading..."));
        ViewRig rig;
        rig.view->AddFilter(Record(FilterCrop, "Crop", {0, 0, 3000, 2000, 0}));
        QVERIFY(rig.Show(P("copy1.jpg")));
        QTRY_VERIFY_WITH_TIMEOUT(StatusFinished(), kWait);
        QVERIFY(watch.Seen("Loading..."));
        QVERIFY(watch.Seen("Applying 'Crop' filter..."));
        QVERIFY(rig.Zoom([&] { return rig.view->ZoomIn(); }) > 0);
        QTRY_VERIFY_WITH_TIMEOUT(StatusFinished(), kWait);
        QVERIFY(watch.Seen("Zooming..."));
    }

    void unreadableFileDropped()
    {
        // One warning per dropped request; the pair's zoom buttons live again.
        ViewRig a, b;
        a.view->friendView = b.view;
        b.view->friendView = a.view;
        std::atomic<qint64> clock{QDateTime::currentSecsSinceEpoch() + 100};
        a.view->Worker().SetSecondsSource([&clock] { return clock.load(); });
        std::atomic<int> drops{0};
        connect(&a.view->Worker(), &CControlImageThread::JobDropped, [&drops](quint64) { drops++; });
        QVERIFY(a.Show(P("red.png")));
        QVERIFY(b.Show(P("red.png")));
        const int shows = a.zooms->count();
        // A format that needs Ghostscript: the table has no such row, so add one.
        SFormatRecord format;
        format.id = "XGS";
        format.needsGhostscript = true;
        CFormatsEnum::GetInstance()->records.append(format);
        QSignalSpy notices(a.view, &CControlImage::GhostscriptNotice);
        g_readWarnings = 0;
        g_previousHandler = qInstallMessageHandler(CountReadWarnings);
        QVERIFY(a.view->StartPreview(P("doc.Xgs")));
        QTRY_VERIFY_WITH_TIMEOUT(a.view->Worker().FailureCount() >= 4, kWait);
        QVERIFY(!b.view->ZoomIn());
        clock++;
        QTRY_VERIFY_WITH_TIMEOUT(!a.view->pending, kWait);
        QTest::qWait(200); // further passes must not report again
        qInstallMessageHandler(g_previousHandler);
        CFormatsEnum::GetInstance()->records.removeLast();
        QCOMPARE(g_readWarnings, 1);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.first().at(0).toString(), QString("Xgs")); // case kept
        QCOMPARE(drops.load(), 1);
        QCOMPARE(a.zooms->count(), shows);
        QCOMPARE(QColor(LabelImage(a.label).pixel(100, 100)), QColor(Qt::red));
        QVERIFY(StatusFinished());
        QVERIFY(a.view->ZoomIn());
        QVERIFY(b.view->ZoomIn());
    }

    void zeroSizedView()
    {
        ViewRig rig;
        QVERIFY(rig.Show(P("red.png")));
        const int shows = rig.zooms->count();
        rig.view->resize(0, 0);
        QVERIFY(rig.view->StartPreview(P("blue.png")));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.view->pending, kWait);
        QCOMPARE(rig.zooms->count(), shows);
        QCOMPARE(rig.view->currentPath, P("red.png"));
        QVERIFY(!rig.view->ZoomToFit());
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

    void newestWinsUnderStress()
    {
        ViewRig rig(QSize(400, 300));
        QRandomGenerator random(7);
        for (int round = 0; round < 3; ++round) {
            QString last;
            for (int i = 0; i < 100; ++i) {
                last = P(i % 2 ? "blue.png" : "red.png");
                QVERIFY(rig.view->StartPreview(last));
                QTest::qWait(random.bounded(61));
            }
            QTRY_VERIFY_WITH_TIMEOUT(!rig.view->pending, 15000);
            const QColor expected = last.endsWith("red.png") ? QColor(Qt::red) : QColor(Qt::blue);
            QCOMPARE(QColor(LabelImage(rig.label).pixel(200, 150)), expected);
            QCOMPARE(rig.view->currentPath, last);
        }
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
        // Failures of an older request do not drop the newer one.
        rig.Post(P("zero.jpg"));
        QTRY_VERIFY_WITH_TIMEOUT(rig.worker.FailureCount() >= 4, kWait);
        rig.Post(P("red.png"));
        clock++;
        QVERIFY(QTest::qWaitFor([&] { return rig.worker.TakeResult(result) && result.loader.m_Path == P("red.png"); },
                                kWait));
        QCOMPARE(rig.drops.load(), 0);
    }

    void olderResultShownWhileNewerPending()
    {
        ViewRig rig(QSize(400, 300));
        std::atomic<int> shows{0};
        connect(&rig.view->Worker(), &CControlImageThread::Show, [&shows] { shows++; });
        CommentWatch loading(QStringLiteral("Loading..."));
        QVERIFY(rig.view->StartPreview(P("red.png")));
        QVERIFY(SpinUntil([&] { return shows == 1; }));
        const int before = loading.hits;
        QVERIFY(rig.view->StartPreview(P("blue.jpg")));
        QVERIFY(SpinUntil([&] { return loading.hits > before; }));
        QCoreApplication::processEvents();
        QCOMPARE(QColor(LabelImage(rig.label).pixel(10, 10)), QColor(Qt::red));
        QVERIFY(rig.view->pending);
        QVERIFY(!rig.view->ZoomIn());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.view->pending, kWait);
        const QRgb blue = LabelImage(rig.label).pixel(10, 10);
        QVERIFY(qBlue(blue) > 240 && qRed(blue) < 20);
    }

    void cleanupAndCancel()
    {
        ViewRig rig;
        rig.view->ShowBlank();
        const QImage placeholder = LabelImage(rig.label);
        QVERIFY(!placeholder.isNull());
        QVERIFY(rig.view->StartPreview(P("copy2.jpg")));
        rig.view->Cleanup();
        QTRY_VERIFY_WITH_TIMEOUT(rig.view->Worker().PendingOp() == 0, kWait);
        QTest::qWait(100);
        QCOMPARE(LabelImage(rig.label), placeholder);
        QVERIFY(!rig.view->shown && !rig.view->pending);
        QCOMPARE(rig.view->currentPath, QString());
        // A cancel stops the job without a result; the next request runs.
        QVERIFY(rig.view->StartPreview(P("copy3.jpg")));
        rig.view->CancelJob();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.view->pending, kWait);
        QVERIFY(rig.Show(P("red.png")));
        QCOMPARE(QColor(LabelImage(rig.label).pixel(10, 10)), QColor(Qt::red));
    }

    void destroyWhileRunning()
    {
        ViewRig main;
        QVERIFY(main.view->StartPreview(P("copy4.jpg")));
        for (int i = 0; i < 20; ++i) {
            CControlImage doomed;
            doomed.resize(400, 300);
            QVERIFY(doomed.StartPreview(P(QStringLiteral("copy%1.jpg").arg(1 + i % 6))));
            QThread::msleep(static_cast<unsigned long>(i % 4) * 10);
        }
        QTRY_VERIFY_WITH_TIMEOUT(main.view->shown && !main.view->pending, kWait);
        QCOMPARE(main.zooms->last().at(0).toInt(), 17);
    }
};

BQ_TEST_MAIN(TestPreview)
#include "tst_preview.moc"
