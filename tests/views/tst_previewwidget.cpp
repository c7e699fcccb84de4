// The preview widget seen from outside: the photo and zoom that a view
// shows, the pixels of its label, pairs, pan, resize and theme, and the
// hand-over to its worker (newest request wins, cancel, clean-up, no hang
// in "pending"), with the status published through the settings object.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "ControlImageThread.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "ImageCache.h"
#include "MagickRuntime.h"
#include "PreviewTestSupport.h"
#include "UserProfile.h"

#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include <atomic>
#include <memory>

namespace {

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

// True when the image has pixels and every one of them passes.
bool Everywhere(const QImage& image, const std::function<bool(QRgb)>& test)
{
    if (image.isNull())
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!test(image.pixel(x, y)))
                return false;
    return true;
}

// Counts the wheel events that reach a widget.
class WheelCount : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Wheel;
        return false;
    }
};

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

int g_readWarnings = 0;
QtMessageHandler g_previousHandler = nullptr;
void CountReadWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QStringLiteral("Preview: cannot read")))
        g_readWarnings++;
    g_previousHandler(type, context, text);
}

} // namespace

class TestPreviewWidget : public QObject
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

    // --- zoom ----------------------------------------------------------------

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
        QCOMPARE(start, QPoint(400, 250));
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

    // --- pairs, pan, resize, theme -------------------------------------------

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
        // Off centre, so that taking the scroll over differs from centring.
        Drag(b.view, QPoint(400, 250), QPoint(500, 300));
        QCOMPARE(b.view->ScrollPosition(), QPoint(300, 200));
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
        QCOMPARE(startX, 400); // the zoom keeps the fitted view's centre
        SendMouse(port, QEvent::MouseButtonPress, QPoint(400, 250), Qt::LeftButton);
        QCOMPARE(rig.view->cursor().shape(), Qt::ClosedHandCursor);
        SendMouse(port, QEvent::MouseMove, QPoint(100, 250), Qt::LeftButton);
        SendMouse(port, QEvent::MouseButtonRelease, QPoint(100, 250), Qt::NoButton);
        QCOMPARE(rig.view->cursor().shape(), Qt::OpenHandCursor);
        QCOMPARE(rig.view->ScrollPosition().x(), startX + 300);
        QCOMPARE(rig.view->ScrollPosition().x(), 700);
        Drag(rig.view, QPoint(700, 250), QPoint(-200, 250));
        QCOMPARE(rig.view->ScrollPosition().x(), 800);
        QVERIFY(qAbs(qRed(rig.view->grab().toImage().pixel(0, 10)) - 127) <= 1);
        // Zoomed out from the corner, the worker's scroll (400, 250) lies past
        // the 1067x667 image's end: the cut is clamped to (267, 167), the
        // stored scroll is kept. Red 64 is x 401 of the photo.
        Drag(rig.view, QPoint(400, 400), QPoint(400, 100));
        QCOMPARE(rig.view->ScrollPosition(), QPoint(800, 500));
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomOut(); }), 67);
        QCOMPARE(rig.view->ScrollPosition(), QPoint(400, 250));
        QCOMPARE(LabelImage(rig.label).size(), QSize(800, 500));
        QVERIFY(qAbs(qRed(LabelImage(rig.label).pixel(0, 10)) - 64) <= 2);
        // The wheel is the owner's: ignored here, it reaches the parent.
        WheelCount parentWheels;
        rig.window.installEventFilter(&parentWheels);
        QWheelEvent wheel(QPointF(400, 250), QPointF(port->mapToGlobal(QPoint(400, 250))), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // Delivered as from the window system (sendEvent would mark it as
        // synthesized, and Qt propagates only spontaneous wheel events).
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(port, &wheel);
        QVERIFY(!wheel.isAccepted());
        QCOMPARE(parentWheels.count, 1);
        QCOMPARE(rig.view->ScrollPosition(), QPoint(400, 250));
        QCOMPARE(rig.Zoom([&] { return rig.view->ZoomToFit(); }), 50);
        QCOMPARE(rig.view->cursor().shape(), Qt::ArrowCursor);
    }

    void synchronizeFriend_data()
    {
        QTest::addColumn<SFilterRecord>("filter");
        QTest::addColumn<QPoint>("handed");  // the filtered view's scroll from the original's (600, 375)
        QTest::addColumn<int>("back");       // the original's x from the filtered view's 100
        // A turned result is narrower than the original: scroll scales both ways.
        QTest::newRow("turned") << Record(FilterRotate, "Rotate", {90, 0}) << QPoint(375, 600) << 160;
        // An active resize is shown over the dimmed full-size photo, which
        // keeps the original's size: the scroll is handed over unchanged.
        QTest::newRow("resized over the dimmed photo") << Record(FilterResize, "Resize", {1000, 625, 0, 0, 0, 0})
                                                       << QPoint(600, 375) << 100;
    }
    void synchronizeFriend()
    {
        QFETCH(SFilterRecord, filter);
        QFETCH(QPoint, handed);
        QFETCH(int, back);
        ViewRig original, filtered;
        original.view->friendView = filtered.view;
        filtered.view->friendView = original.view;
        filtered.view->AddFilter(filter);
        QVERIFY(original.Show(P("p4.png")));
        QVERIFY(filtered.Show(P("p4.png")));
        QCOMPARE(original.Zoom([&] { return original.view->ZoomToMatch(); }), 100);
        QCOMPARE(original.view->ScrollPosition().x(), 600);
        Drag(original.view, QPoint(5, 5), QPoint(5, 5));
        QCOMPARE(filtered.view->ScrollPosition(), handed);
        QCOMPARE(filtered.Zoom([&] { return filtered.view->ZoomToMatch(); }), 100);
        const int drag = filtered.view->ScrollPosition().x() - 100;
        Drag(filtered.view, QPoint(0, 5), QPoint(drag, 5));
        QCOMPARE(filtered.view->ScrollPosition().x(), 100);
        QCOMPARE(original.view->ScrollPosition().x(), back);
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

    // --- status and failures -------------------------------------------------

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
        // One try and one warning per request; the view says that the photo
        // cannot be read, and the pair's zoom buttons live again.
        ViewRig a, b;
        a.view->friendView = b.view;
        b.view->friendView = a.view;
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
        QTRY_VERIFY_WITH_TIMEOUT(!a.view->pending, kWait);
        QTest::qWait(200); // no further tries must report again
        qInstallMessageHandler(g_previousHandler);
        CFormatsEnum::GetInstance()->records.removeLast();
        QCOMPARE(g_readWarnings, 1);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.first().at(0).toString(), QString("Xgs")); // case kept
        QCOMPARE(drops.load(), 1);
        QCOMPARE(a.zooms->count(), shows);
        QCOMPARE(a.label->text(), QString("This photo cannot be read."));
        QVERIFY(StatusFinished());
        QVERIFY(!a.view->ZoomIn()); // nothing shown to zoom
        QVERIFY(b.view->ZoomIn());
    }

    void zeroSizedView()
    {
        ViewRig rig;
        QVERIFY(rig.Show(P("red.png")));
        const int shows = rig.zooms->count();
        rig.view->resize(0, 0);
        const QImage before = LabelImage(rig.label);
        QVERIFY(rig.view->StartPreview(P("blue.png")));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.view->pending, kWait);
        QCOMPARE(rig.zooms->count(), shows);
        QCOMPARE(LabelImage(rig.label), before);
        QCOMPARE(rig.view->currentPath, P("red.png"));
        QVERIFY(!rig.view->ZoomToFit());
    }

    // --- hand-over between GUI and worker ------------------------------------

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
        QVERIFY(Everywhere(LabelImage(rig.label), [](QRgb c) { return c == qRgb(255, 0, 0); }));
        QVERIFY(rig.view->pending);
        QVERIFY(!rig.view->ZoomIn());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.view->pending, kWait);
        const QRgb blue = LabelImage(rig.label).pixel(10, 10);
        QVERIFY(qBlue(blue) > 240 && qRed(blue) < 20);
        QVERIFY(Everywhere(LabelImage(rig.label), [](QRgb c) { return qBlue(c) > 240 && qRed(c) < 20; }));
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

BQ_TEST_MAIN(TestPreviewWidget)
#include "tst_previewwidget.moc"
