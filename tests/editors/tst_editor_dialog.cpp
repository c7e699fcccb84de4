// The eleven editor pages in the real filter dialog: page class, title,
// zoom controls, help page, the undo protocol with its reload echo, OK and
// Cancel, and a resize undo from percent back to pixels.
#include "BqTestMain.h"
#include "EditorFixture.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterSettings.h"
#include "FilterTypes.h"

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
                QCOMPARE(d.minimumSize(), QSize(840, 590));
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

    void cancelKeepsTheRecord()
    {
        const SFilterRecord stored = Record(FilterRaise, {30, 0});
        const SDialogRun run = RunDialog(
            FilterRaise, stored, Photo(400, 300),
            [&](CFilterSettings& d) { Poke(d.findChild<QWidget*>("sliderBorder"), 10); }, false);
        QCOMPARE(run.result, 0);
        QCOMPARE(run.record.numbers[0], 30.0);
    }
};

BQ_TEST_MAIN(TestEditorDialog)
#include "tst_editor_dialog.moc"
