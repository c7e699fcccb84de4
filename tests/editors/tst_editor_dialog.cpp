// The eleven editor pages in the real filter dialog: page class, title,
// zoom controls, help page, the undo protocol with its reload echo, OK and
// Cancel, and a resize undo from percent back to pixels.
#include "BqTestMain.h"
#include "EditorFixture.h"
#include "EngineFixtures.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterSettings.h"
#include "FilterTypes.h"
#include "FitToScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QPushButton>

using namespace EditorTest;

namespace
{

class CUrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

// The editor's debounce has fired and the dialog has taken its state.
bool Settled(CFilterSettings& d)
{
    const bool idle = QTest::qWaitFor([&] { return !d.Editor()->timerPreview->isActive(); }, 5000);
    QTest::qWait(20);
    return idle;
}

QPushButton* Button(CFilterSettings& d, const char* name)
{
    return d.findChild<QPushButton*>(name);
}

} // namespace

class TestEditorDialog : public QObject
{
    Q_OBJECT

    CUrlCatcher m_Urls;

private slots:
    void initTestCase()
    {
        InitOnce();
        // A desktop with room for the dialog's own size.
        SetScreenRoom(QRect(0, 0, 1920, 1080));
        QDesktopServices::setUrlHandler("https", &m_Urls, "Open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }

    void everyType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("edit"); // a control to change; "" for none
        const struct {
            int type;
            const char *page, *title, *help, *edit;
        } rows[] = {
            {FilterResize, "CFilterResize", "Resize", "filters_transform_resize.htm", "spinWidth"},
            {FilterCrop, "CFilterCrop", "Crop", "filters_transform_crop.htm", "spinLeft"},
            {FilterRotate, "CFilterRotate", "Rotate", "filters_transform_rotate.htm", "buttonRotateRight"},
            {FilterAutoRotate, "CFilterBlank", "Auto Rotate", "filters_transform_auto-rotate.htm", ""},
            {FilterSimpleBorder, "CFilterSimpleBorder", "Simple Border", "filters_borders_border.htm", "spinTop"},
            {FilterShapeFrame, "CFilterShapeFrame", "Shape Frame", "filters_borders_shape_frame.htm", "comboEdges"},
            {FilterGrungeFrame, "CFilterGrungeFrame", "Grunge Frame", "filters_borders_grunge_frame.htm", "comboFrame"},
            {FilterPictureFrame, "CFilterPictureFrame", "Picture Frame", "filters_borders_picture_frame.htm",
             "checkRandomFrame"},
            {FilterVintageFrame, "CFilterVintageFrame", "Vintage Frame", "filters_borders_vintage_frame.htm",
             "checkTranspBackground"},
            {FilterShadow, "CFilterShadow", "Shadow", "filters_borders_shadow.htm", "sliderSize"},
            {FilterRaise, "CFilterRaise", "Raise", "filters_borders_raise.htm", "comboEffect"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.title) << r.type << r.page << r.title << r.help << r.edit;
    }
    void everyType()
    {
        QFETCH(int, type);
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(QString, help);
        QFETCH(QString, edit);
        m_Urls.urls.clear();
        SFilterRecord opened;
        const SDialogRun run = RunDialog(
            type, SFilterRecord(), Photo(400, 300),
            [&](CFilterSettings& d) {
                QCOMPARE(d.Editor()->metaObject()->className(), qPrintable(page));
                QCOMPARE(d.windowTitle(), title);
                // The form's size, or more where a text needs the room at this font.
                QCOMPARE(d.minimumSize().expandedTo(QSize(840, 590)), d.minimumSize());
                const bool noZoom = type == FilterCrop || type == FilterResize;
                QCOMPARE(d.findChild<QWidget*>("buttonZoomIn")->isVisible(), !noZoom);
                QTest::keyClick(&d, Qt::Key_F1);
                QVERIFY(Settled(d));
                QVERIFY(!Button(d, "buttonUndo")->isEnabled());
                QVERIFY(!Button(d, "buttonRedo")->isEnabled());
                if (edit.isEmpty())
                    Button(d, "buttonReset")->click();
                else
                    Poke(d.Editor()->findChild<QWidget*>(edit));
                QVERIFY(Settled(d));
                QVERIFY(Button(d, "buttonUndo")->isEnabled());
                Button(d, "buttonUndo")->click();
                QVERIFY(Settled(d));
                QVERIFY(Button(d, "buttonRedo")->isEnabled());
                QVERIFY(!Button(d, "buttonUndo")->isEnabled());
                d.Editor()->Save(opened);
                Button(d, "buttonReset")->click();
                QVERIFY(Settled(d));
                QVERIFY(!Button(d, "buttonRedo")->isEnabled());
                QVERIFY(Button(d, "buttonUndo")->isEnabled());
            },
            true);
        QCOMPARE(run.result, 1);
        QCOMPARE(int(run.record.id), type);
        QCOMPARE(run.record.numberCount, opened.numberCount);
        for (int i = 0; i < opened.numberCount; ++i)
            QCOMPARE(run.record.numbers[i], opened.numbers[i]);
        QCOMPARE(m_Urls.urls.size(), 1);
        QCOMPARE(m_Urls.urls.first().toString(), "https://help.brandquill.example/help/index.html?" + help);
    }

    void typesWithoutPageOpenNothing()
    {
        for (int type : {2005, 2009, 9999}) {
            QVERIFY(!CreateFilterPage(type, nullptr));
            bool shown = false;
            const SDialogRun run = RunDialog(
                type, SFilterRecord(), Photo(400, 300), [&](CFilterSettings&) { shown = true; }, true);
            QCOMPARE(run.result, 0);
            QVERIFY(!shown);
        }
    }

    // The pixel range must be in force before an undo sets pixel values.
    void resizeUndoFromPercent()
    {
        const SDialogRun run = RunDialog(
            FilterResize, SFilterRecord(), Photo(1000, 800),
            [&](CFilterSettings& d) {
                auto* width = d.findChild<QDoubleSpinBox*>("spinWidth");
                width->setValue(1500);
                QVERIFY(Settled(d));
                Activate(d.findChild<QComboBox*>("comboDimensions"), 1);
                QCOMPARE(width->value(), 150.0);
                QVERIFY(Settled(d));
                Button(d, "buttonUndo")->click();
                QVERIFY(Settled(d));
                QCOMPARE(width->value(), 1500.0);
                QCOMPARE(d.findChild<QDoubleSpinBox*>("spinHeight")->value(), 1200.0);
                QVERIFY(d.findChild<QComboBox*>("comboResizeBy")->isEnabled());
                QVERIFY(d.findChild<QCheckBox*>("checkNoUpscale")->isEnabled());
            },
            true);
        QCOMPARE(run.record.numbers[0], 1500.0);
        QCOMPARE(run.record.numbers[1], 1200.0);
    }

    // What OK stores, applied by the engine as a batch applies it.
    void okRecordThroughTheEngine_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("source"); // the photo's pixel expected at `at`
        QTest::addColumn<QRgb>("colour");   // else this colour, when not 0
        const QString large = Photo(1000, 800), small = Photo(400, 300), red = Photo(400, 300, "red");
        const QPoint none(-1, -1);
        QTest::newRow("resize") << int(FilterResize) << large << "" << QSize(700, 560) << none << none << 0u;
        QTest::newRow("crop") << int(FilterCrop) << large << "" << QSize(700, 560) << QPoint(0, 0) << QPoint(150, 120)
                              << 0u;
        QTest::newRow("rotate right") << int(FilterRotate) << small << "buttonRotateRight" << QSize(300, 400) << none
                                      << none << 0u;
        QTest::newRow("auto-rotate 6") << int(FilterAutoRotate) << Photo(400, 300, "o6") << "" << QSize(300, 400)
                                       << none << none << 0u;
        QTest::newRow("border colour") << int(FilterSimpleBorder) << small << "" << QSize(600, 500) << QPoint(0, 0)
                                       << none << qRgb(187, 187, 255);
        QTest::newRow("border photo") << int(FilterSimpleBorder) << small << "" << QSize(600, 500) << QPoint(100, 100)
                                      << QPoint(0, 0) << 0u;
        QTest::newRow("shadow") << int(FilterShadow) << small << "" << QSize(600, 500) << none << none << 0u;
        QTest::newRow("raise") << int(FilterRaise) << large << "" << QSize(1000, 800) << none << none << 0u;
        QTest::newRow("shape outside") << int(FilterShapeFrame) << red << "" << QSize(400, 300) << QPoint(2, 2) << none
                                       << qRgb(255, 255, 255);
        QTest::newRow("shape inside") << int(FilterShapeFrame) << red << "" << QSize(400, 300) << QPoint(200, 150)
                                      << QPoint(200, 150) << 0u;
    }
    void okRecordThroughTheEngine()
    {
        QFETCH(int, type);
        QFETCH(QString, photo);
        QFETCH(QString, edit);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(QPoint, source);
        QFETCH(QRgb, colour);
        const SDialogRun run = RunDialog(
            type, SFilterRecord(), photo,
            [&](CFilterSettings& d) {
                if (!edit.isEmpty()) {
                    Poke(d.Editor()->findChild<QWidget*>(edit));
                    QVERIFY(Settled(d));
                }
            },
            true);
        QCOMPARE(run.result, 1);
        const Magick::Image result = Apply(run.record, photo);
        QVERIFY(result.isValid());
        QCOMPARE(QSize(int(result.columns()), int(result.rows())), size);
        const Magick::Image original(photo.toStdString());
        if (source.x() >= 0)
            QVERIFY(BqTest::ChannelDistance(BqTest::PixelRgb(result, size_t(at.x()), size_t(at.y())),
                                            BqTest::PixelRgb(original, size_t(source.x()), size_t(source.y()))) <= 1);
        if (colour)
            QCOMPARE(BqTest::PixelRgb(result, size_t(at.x()), size_t(at.y())), colour);
        if (type == FilterAutoRotate)
            QCOMPARE(result.orientation(), Magick::TopLeftOrientation);
        if (type == FilterRaise) {
            Magick::Image raised = original;
            raised.raise(Magick::Geometry(40, 40), true);
            QCOMPARE(Magick::Image(result).signature(true), raised.signature(true));
        }
    }
};

BQ_TEST_MAIN(TestEditorDialog)
#include "tst_editor_dialog.moc"
