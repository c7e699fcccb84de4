// Area editing on a single-filter preview: fitted geometry, hit-test and
// cursors, handles, and the text, logo, crop and resize drags written back
// into the record (also under QT_SCALE_FACTOR=2).
#include "BqTestMain.h"
#include "ControlImage.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "ImageCache.h"
#include "ImageManager.h"
#include "PreviewTestSupport.h"
#include "UserProfile.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

using FilterTest::DefaultLogo;
using FilterTest::DefaultText;

namespace
{

// A 400 x 300 view in single-filter mode, as the filter dialog's.
struct SAreaRig {
    SAreaRig()
    {
        window.resize(400, 300);
        view = new CControlImage(&window);
        view->setGeometry(0, 0, 400, 300);
        view->singleFilterMode = true;
        // As in the filter dialog's form: hovering reaches the view.
        view->setMouseTracking(true);
        view->viewport()->setMouseTracking(true);
        image = new QLabel(view->viewport());
        image->setAlignment(Qt::AlignCenter);
        view->imageLabel = image;
        area = new QLabel(view->viewport());
        area->setAlignment(Qt::AlignCenter);
        area->hide();
        view->areaLabel = area;
        updates = std::make_unique<QSignalSpy>(view, &CControlImage::UpdateFilterInterface);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    bool Show(const QString& path, const SFilterRecord& record)
    {
        CUserProfile::GetInstance()->PreviewPath = path;
        view->ClearFiltersList();
        view->AddFilter(record);
        QSignalSpy zooms(view, &CControlImage::UpdateZoomPercent);
        return view->StartPreview(path) &&
               QTest::qWaitFor([&] { return zooms.count() > 0 && !view->pending && area->isVisible(); }, kWait);
    }
    void Send(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, pos, view->viewport()->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Press(QPoint pos) { Send(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton); }
    void Move(QPoint pos) { Send(QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
    void Hover(QPoint pos) { Send(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton); }
    void Release(QPoint pos) { Send(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton); }
    // Press, `steps` equal moves to `to`, release.
    void Drag(QPoint from, QPoint to, int steps = 1)
    {
        Press(from);
        for (int i = 1; i <= steps; ++i)
            Move(from + (to - from) * i / steps);
        Release(to);
    }
    SFilterRecord Record() const { return view->filters.first(); }
    QRect Label() const { return area->geometry(); }

    QWidget window;
    CControlImage* view = nullptr;
    QLabel* image = nullptr;
    QLabel* area = nullptr;
    std::unique_ptr<QSignalSpy> updates;
    bool exposed = false;
};

SFilterRecord Crop(double left, double top, double width, double height, double unit = 0)
{
    return Record(FilterCrop, "Crop", {left, top, width, height, unit});
}

SFilterRecord Resize(double width, double height, double keep, double mode)
{
    return Record(FilterResize, "Resize", {width, height, keep, mode, 0, 0});
}

SFilterRecord Text(const QString& text, double placement, double x, double y)
{
    SFilterRecord rec = DefaultText();
    rec.id = FilterText;
    rec.name = "Text";
    rec.active = true;
    rec.strings[0] = text;
    rec.numbers[1] = placement;
    rec.numbers[2] = x;
    rec.numbers[3] = y;
    return rec;
}

SFilterRecord Logo(const QString& path, double placement, double scale)
{
    SFilterRecord rec = DefaultLogo();
    rec.id = FilterLogo;
    rec.name = "Logo";
    rec.active = true;
    rec.strings[0] = path;
    rec.numbers[0] = placement;
    rec.numbers[6] = scale;
    return rec;
}

} // namespace

class TestAreaEditing : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;
    QString P(const QString& name) const { return m_Dir.filePath(name); }
    double Ratio() const { return qApp->devicePixelRatio(); }

private slots:
    void initTestCase()
    {
        QVERIFY(FilterTest::StartEngineAndCatalogues());
        // As the main window sets it from the display: double-density images.
        CImageCache::GetInstance()->retina = Ratio() > 1;
        QVERIFY(FilterTest::WritePhoto(P("800x600.png"), 800, 600));
        QVERIFY(FilterTest::WritePhoto(P("1000x500.png"), 1000, 500));
        QVERIFY(FilterTest::WritePhoto(P("720x400.png"), 720, 400));
        QVERIFY(FilterTest::WritePhoto(P("logo20x10.png"), 20, 10, 7));
    }

    void fittedGeometry_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<float>("scale");
        QTest::addColumn<QRect>("fit");
        QTest::addColumn<QRect>("label"); // pixels (100, 100, 200 x 200)
        QTest::newRow("800x600") << "800x600.png" << 0.5f << QRect(0, 0, 400, 300) << QRect(50, 50, 100, 100);
        QTest::newRow("1000x500") << "1000x500.png" << 0.4f << QRect(0, 50, 400, 200) << QRect(40, 90, 80, 80);
    }
    void fittedGeometry()
    {
        QFETCH(QString, photo);
        QFETCH(float, scale);
        QFETCH(QRect, fit);
        QFETCH(QRect, label);
        SAreaRig rig;
        QVERIFY(rig.Show(P(photo), Crop(100, 100, 200, 200)));
        QCOMPARE(float(rig.view->FitScale()), scale);
        QCOMPARE(rig.view->FitRect(), fit);
        QCOMPARE(rig.Label(), label);
    }

    void hitTestAndCursors_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("crop");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("cropCursor");
        QTest::addColumn<int>("textCursor"); // -1: the rotate bitmap
        QTest::newRow("left edge") << QPoint(55, 100) << 1 << 9 << int(Qt::SizeHorCursor) << int(Qt::OpenHandCursor);
        QTest::newRow("right edge") << QPoint(145, 100) << 2 << 9 << int(Qt::SizeHorCursor) << int(Qt::OpenHandCursor);
        QTest::newRow("top edge") << QPoint(100, 55) << 3 << 9 << int(Qt::SizeVerCursor) << int(Qt::OpenHandCursor);
        QTest::newRow("bottom edge") << QPoint(100, 145) << 4 << 9 << int(Qt::SizeVerCursor) << int(Qt::OpenHandCursor);
        QTest::newRow("top-left") << QPoint(55, 55) << 5 << 5 << int(Qt::SizeFDiagCursor) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right") << QPoint(145, 55) << 6 << 6 << int(Qt::SizeBDiagCursor) << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-left") << QPoint(55, 145) << 7 << 7 << int(Qt::SizeBDiagCursor)
                                     << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-right") << QPoint(145, 145) << 8 << 8 << int(Qt::SizeFDiagCursor)
                                      << int(Qt::SizeFDiagCursor);
        QTest::newRow("rotate handle") << QPoint(40, 40) << 10 << 10 << -2 << -1;
        QTest::newRow("inside") << QPoint(100, 100) << 9 << 9 << int(Qt::OpenHandCursor) << int(Qt::OpenHandCursor);
        QTest::newRow("outside") << QPoint(10, 10) << 11 << 11 << int(Qt::ArrowCursor) << int(Qt::ArrowCursor);
        QTest::newRow("on the frame line")
            << QPoint(50, 100) << 11 << 11 << int(Qt::ArrowCursor) << int(Qt::ArrowCursor);
    }
    void hitTestAndCursors()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, crop);
        QFETCH(int, text);
        QFETCH(int, cropCursor);
        QFETCH(int, textCursor);
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Crop(100, 100, 200, 200)));
        QCOMPARE(rig.Label(), QRect(50, 50, 100, 100));
        QCOMPARE(int(rig.view->DetermineAreaOnWatermark(pos.x(), pos.y())), crop);
        rig.view->setCursor(Qt::WaitCursor);
        rig.Hover(pos);
        QCOMPARE(int(rig.view->cursor().shape()), cropCursor == -2 ? int(Qt::WaitCursor) : cropCursor);

        QVERIFY(rig.Show(P("800x600.png"), Text("ABCD", 0, 0, 0)));
        rig.area->setGeometry(50, 50, 100, 100);
        QCOMPARE(int(rig.view->DetermineAreaOnWatermark(pos.x(), pos.y())), text);
        rig.Hover(pos);
        if (textCursor == -1) {
            QCOMPARE(rig.view->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(rig.view->cursor().pixmap().size(), QSize(16, 16) * Ratio());
            QCOMPARE(rig.view->cursor().hotSpot(), QPoint(8, 8));
        } else {
            QCOMPARE(int(rig.view->cursor().shape()), textCursor);
        }
        rig.view->showPreview = false;
        rig.Hover(pos);
        QCOMPARE(rig.view->cursor().shape(), Qt::ArrowCursor);
    }

    void pressedAndResizeCursors()
    {
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Crop(100, 100, 200, 200)));
        rig.Press(QPoint(100, 100));
        QCOMPARE(rig.view->cursor().shape(), Qt::ClosedHandCursor);
        rig.Release(QPoint(100, 100));
        QVERIFY(rig.Show(P("800x600.png"), Resize(400, 300, 1, 0)));
        rig.Hover(rig.Label().center());
        QCOMPARE(rig.view->cursor().shape(), Qt::ArrowCursor);
    }

    void darkening()
    {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(120, 50, 30, 128));
        const QRgb out = CControlImage::Darkened(image, 100).pixel(0, 0);
        QCOMPARE(QColor::fromRgba(out), QColor(20, 0, 0, 255));
    }

    void handlesInDevicePixels()
    {
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Crop(100, 100, 200, 200)));
        const QImage handles = rig.area->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
        const int s = int(10 * Ratio());
        QCOMPARE(handles.size(), QSize(100, 100) * Ratio());
        QCOMPARE(QColor(handles.pixel(s, s / 2)), QColor(Qt::black)); // outline of the corner square
        QVERIFY(QColor(handles.pixel(s / 2, s / 2)).lightness() > 200);
        QVERIFY(handles.pixel(s + 2, s / 2) != handles.pixel(s, s / 2));
        QCOMPARE(QColor(handles.pixel(handles.width() / 2 - s / 2, s / 2)), QColor(Qt::black)); // top edge guide
    }

    void textCorners_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("corner");
        QTest::addColumn<double>("size");
        QTest::newRow("bottom-right at top-left") << 0 << "br" << 38.0;
        QTest::newRow("bottom-right at top-centre") << 1 << "br" << 28.0;
        QTest::newRow("anchored top-left") << 0 << "tl" << 48.0;
    }
    void textCorners()
    {
        QFETCH(int, placement);
        QFETCH(QString, corner);
        QFETCH(double, size);
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Text("ABCD", placement, 0, 0)));
        const QRect g = rig.Label();
        QVERIFY(g.width() > 60);
        const QPoint from = corner == "br" ? g.bottomRight() - QPoint(4, 4) : g.topLeft() + QPoint(5, 5);
        rig.Drag(from, from - QPoint(36, 0));
        QCOMPARE(rig.Record().numbers[9], size);
        QCOMPARE(rig.updates->count(), size == 48.0 ? 0 : 1);
    }

    void textMoveWritesPlacementAndOffsets()
    {
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Text("ABCD", 0, 20, 40)));
        QCOMPARE(rig.Label().topLeft(), QPoint(10, 20));
        const QPoint from = rig.Label().center();
        rig.Drag(from, from + QPoint(30, 20), 3);
        QCOMPARE(rig.updates->count(), 3);
        QCOMPARE(rig.Record().numbers[1], 0.0);
        QCOMPARE(rig.Record().numbers[2], 80.0);
        QCOMPARE(rig.Record().numbers[3], 80.0);
        QCOMPARE(rig.updates->last().first().value<SFilterRecord>().numbers[2], 80.0);
        // Pushed past the photo's corner: held inside, as the last column.
        rig.Drag(rig.Label().center(), rig.Label().center() + QPoint(1000, 1000), 100);
        QCOMPARE(rig.Label().bottomRight(), QPoint(399, 299));
        QCOMPARE(rig.Record().numbers[1], 8.0);
        QCOMPARE(rig.Record().numbers[2], 0.0);
    }

    void textRotation_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<double>("rotation");
        QTest::newRow("across the vertical turns by one") << "left of centre" << 359.0;
        QTest::newRow("onto the centre changes nothing") << "centre" << 0.0;
    }
    void textRotation()
    {
        QFETCH(QString, target);
        QFETCH(double, rotation);
        SAreaRig rig;
        SFilterRecord rec = Text("ABCDEFGHIJKL", 4, 0, 0);
        rec.numbers[26] = 0; // no shadow: a tight label
        QVERIFY(rig.Show(P("800x600.png"), rec));
        const QRect g = rig.Label();
        QVERIFY2(g.width() >= 4 * g.height(), qPrintable(QString("%1x%2").arg(g.width()).arg(g.height())));
        const QPoint handle(g.x() + g.width() + 10, g.y() - 10);
        const QPoint centre(g.x() + g.width() / 2, g.y() + g.height() / 2);
        const QPoint to = target == "centre" ? centre : QPoint(centre.x() - 5, handle.y());
        rig.Press(handle);
        QCOMPARE(rig.view->DragArea(), CControlImage::AreaRotate);
        rig.Move(to);
        rig.Release(to);
        QCOMPARE(rig.Record().numbers[4], rotation);
    }

    void emptyTextAndMissingLogoDoNothing_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::newRow("empty text") << false;
        QTest::newRow("missing logo") << true;
    }
    void emptyTextAndMissingLogoDoNothing()
    {
        QFETCH(bool, logo);
        SAreaRig rig;
        const SFilterRecord rec = logo ? Logo(P("missing.png"), 0, 100) : Text("", 0, 0, 0);
        CUserProfile::GetInstance()->PreviewPath = P("800x600.png");
        rig.view->AddFilter(rec);
        QSignalSpy zooms(rig.view, &CControlImage::UpdateZoomPercent);
        QVERIFY(rig.view->StartPreview(P("800x600.png")));
        QTRY_VERIFY_WITH_TIMEOUT(zooms.count() > 0 && !rig.view->pending, kWait);
        rig.area->setGeometry(50, 50, 100, 100);
        rig.area->show();
        rig.Drag(QPoint(145, 145), QPoint(120, 120));
        rig.Drag(QPoint(100, 100), QPoint(120, 120));
        QCOMPARE(rig.updates->count(), 0);
        QVERIFY(FilterTest::SameRecord(rig.Record(), rec));
    }

    void logoCornerScales()
    {
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Logo(P("logo20x10.png"), 8, 400)));
        const QRect g = rig.Label();
        const QPoint from = g.topLeft() + QPoint(5, 5);
        rig.Drag(from, from + QPoint(20, 0));
        QVERIFY(qAbs(rig.Record().numbers[6] - 400.0 * (g.width() - 20) / g.width()) < 1e-9);

        // Outward past the editor's range: held at 1000.
        QVERIFY(rig.Show(P("800x600.png"), Logo(P("logo20x10.png"), 0, 990)));
        const QPoint corner = rig.Label().bottomRight() - QPoint(4, 4);
        rig.Drag(corner, corner + QPoint(30, 0), 10);
        QCOMPARE(rig.Record().numbers[6], 1000.0);
    }

    void cropDrags()
    {
        SAreaRig rig;
        QVERIFY(rig.Show(P("800x600.png"), Crop(100, 100, 200, 200)));
        rig.Drag(QPoint(100, 100), QPoint(120, 110));
        QCOMPARE(rig.Record().numbers[0], 140.0);
        QCOMPARE(rig.Record().numbers[1], 120.0);

        QVERIFY(rig.Show(P("800x600.png"), Crop(100, 100, 200, 200)));
        rig.Press(QPoint(145, 100));
        for (int x = 149; x <= 545; x += 4)
            rig.Move(QPoint(x, 100));
        rig.Release(QPoint(545, 100));
        QCOMPARE(rig.Record().numbers[0] + rig.Record().numbers[2], 800.0);
        QCOMPARE(rig.Label().x() + rig.Label().width(), rig.view->FitRect().right() + 1);

        QVERIFY(rig.Show(P("800x600.png"), Crop(10, 10, 50, 50, 1)));
        rig.Drag(rig.Label().center(), rig.Label().center() + QPoint(20, 0));
        const SFilterRecord rec = rig.Record();
        QCOMPARE(QList<double>({rec.numbers[0], rec.numbers[1], rec.numbers[2], rec.numbers[3], rec.numbers[4]}),
                 QList<double>({15, 10, 50, 50, 1}));
    }

    void cropDragsPastThePhoto_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to"); // 100 steps of 4 view pixels
        QTest::addColumn<QRectF>("crop"); // rounded to 1/100
        QTest::addColumn<QString>("photo");
        QTest::newRow("right edge") << QPoint(145, 100) << QPoint(545, 100) << QRectF(100, 100, 700, 200) << "800x600";
        QTest::newRow("bottom edge") << QPoint(100, 145) << QPoint(100, 545) << QRectF(100, 100, 200, 500) << "800x600";
        QTest::newRow("bottom-right corner, rightwards")
            << QPoint(145, 145) << QPoint(545, 145) << QRectF(100, 100, 700, 200) << "800x600";
        QTest::newRow("moved whole") << QPoint(100, 100) << QPoint(500, 100) << QRectF(600, 100, 200, 200) << "800x600";
        QTest::newRow("left edge") << QPoint(55, 100) << QPoint(-345, 100) << QRectF(0, 100, 300, 200) << "800x600";
        QTest::newRow("top edge") << QPoint(100, 55) << QPoint(100, -345) << QRectF(100, 0, 200, 300) << "800x600";
        QTest::newRow("top-left corner, leftwards")
            << QPoint(55, 55) << QPoint(-345, 55) << QRectF(0, 100, 300, 200) << "800x600";
        QTest::newRow("top-left corner, diagonally")
            << QPoint(55, 55) << QPoint(-345, -345) << QRectF(0, 0, 300, 300) << "800x600";
        // The fitted photo is not a whole number of view pixels: the others keep their values.
        QTest::newRow("right edge, 720 x 400")
            << QPoint(162, 150) << QPoint(200, 150) << QRectF(100, 100, 268.4, 200) << "720x400";
        QTest::newRow("bottom-right corner, 720 x 400")
            << QPoint(162, 201) << QPoint(200, 230) << QRectF(100, 100, 268.4, 252.2) << "720x400";
    }
    void cropDragsPastThePhoto()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRectF, crop);
        QFETCH(QString, photo);
        SAreaRig rig;
        QVERIFY(rig.Show(P(photo + ".png"), Crop(100, 100, 200, 200)));
        rig.Drag(from, to, 100);
        const SFilterRecord rec = rig.Record();
        const auto r = [&rec](int i) { return std::round(rec.numbers[i] * 100) / 100; };
        QCOMPARE(QRectF(r(0), r(1), r(2), r(3)), crop);
    }

    void resizeDrags()
    {
        SAreaRig rig;
        const SFilterRecord rec = Resize(400, 300, 1, 0);
        QVERIFY(rig.Show(P("800x600.png"), rec));
        QCOMPARE(rig.Label(), QRect(100, 75, 200, 150));
        rig.Drag(QPoint(295, 150), QPoint(250, 150)); // right edge: refused
        QVERIFY(FilterTest::SameRecord(rig.Record(), rec));
        QCOMPARE(rig.updates->count(), 0);
        rig.Drag(QPoint(295, 220), QPoint(255, 190));
        QCOMPARE(rig.Record().numbers[0], 320.0);
        QCOMPARE(rig.Record().numbers[1], 240.0);
        QCOMPARE(rig.Label().size(), QSize(160, 120));

        // The run makes exactly the size the box showed.
        CImageManager engine;
        QVERIFY(engine.Read(P("800x600.png")));
        QVERIFY(engine.ApplyFilter(rig.Record()));
        QCOMPARE(QSize(int(engine.m_Image.columns()), int(engine.m_Image.rows())), QSize(320, 240));
    }
};

BQ_TEST_MAIN(TestAreaEditing)
#include "tst_areaediting.moc"
