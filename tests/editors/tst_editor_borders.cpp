// Simple border, shadow and raise pages: unit conversion of the four sides,
// the colour button, slider and spin box mirrors, and the engine's result
// of the saved records.
#include "BqTestMain.h"
#include "ColorPicker.h"
#include "EditorFixture.h"
#include "FilterPage.h"
#include "FilterTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

using namespace EditorTest;

namespace
{

QList<int> Sides(const CEditor& e)
{
    QList<int> sides;
    for (const char* name : {"spinTop", "spinBottom", "spinLeft", "spinRight"})
        sides.append(e.Child<QSpinBox>(name)->value());
    return sides;
}

} // namespace

class TestEditorBorders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOnce(); }

    void borderPercentConvertsEverySide()
    {
        CEditor e(FilterSimpleBorder, SFilterRecord(), Photo(2000, 1000));
        QVERIFY(!e.Child<QSpinBox>("spinLeft")->isEnabled());
        QCOMPARE(e.Child<CColorPicker>("CPColor")->color, 0xFFBBBBFFu);
        e.Fire();
        Activate(e.Child<QComboBox>("comboDimensions"), 1);
        QCOMPARE(Sides(e), (QList<int>{10, 10, 5, 5}));
        QCOMPARE(e.Pending(), 1000);
        QCOMPARE(e.Fire().size(), 1);
        Activate(e.Child<QComboBox>("comboDimensions"), 0);
        QCOMPARE(Sides(e), (QList<int>{100, 100, 100, 100}));
    }

    void borderPercentIsWhole()
    {
        CEditor e(FilterSimpleBorder, Record(FilterSimpleBorder, {33, 33, 33, 33, 0, 0, 1}), Photo(1000, 1000));
        Activate(e.Child<QComboBox>("comboDimensions"), 1);
        QCOMPARE(e.Child<QSpinBox>("spinTop")->value(), 3);
    }

    void borderUniformOffKeepsTheSides()
    {
        CEditor e(FilterSimpleBorder, Record(FilterSimpleBorder, {10, 20, 30, 40, 0, 0, 1}), Photo(400, 300));
        QVERIFY(!e.Child<QSpinBox>("spinRight")->isEnabled());
        e.Fire();
        e.Child<QCheckBox>("checkUniformDimensions")->click();
        for (const char* name : {"spinBottom", "spinLeft", "spinRight"})
            QVERIFY(e.Child<QSpinBox>(name)->isEnabled());
        QCOMPARE(Sides(e), (QList<int>{10, 20, 30, 40}));
        QCOMPARE(e.Pending(), 500);
    }

    // Accepted (also unchanged) colours preview after 500 ms; a cancelled
    // chooser changes nothing.
    void colourChooser_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("picker");
        QTest::addColumn<int>("slot");
        QTest::newRow("border") << int(FilterSimpleBorder) << "CPColor" << 5;
        QTest::newRow("shadow") << int(FilterShadow) << "CPColor" << 2;
    }
    void colourChooser()
    {
        QFETCH(int, type);
        QFETCH(QString, picker);
        QFETCH(int, slot);
        CEditor e(type, SFilterRecord(), Photo(400, 300));
        e.Fire();
        auto* button = e.Child<CColorPicker>(picker);
        const double before = e.Saved().numbers[slot];
        ChooseColour(button, 0xFF336699u, false);
        QCOMPARE(e.Pending(), -1);
        QCOMPARE(e.Saved().numbers[slot], before);
        ChooseColour(button, 0xFF336699u, true);
        QCOMPARE(e.Pending(), 500);
        QCOMPARE(e.Fire().first().numbers[slot], 4281558681.0);
        ChooseColour(button, 0xFF336699u, true);
        QCOMPARE(e.Pending(), 500);
    }

    void slidersMirrorTheirSpinBoxes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("spin");
        QTest::newRow("transparency") << int(FilterShadow) << "sliderTransparency"
                                      << "spinTransparency";
        QTest::newRow("size") << int(FilterShadow) << "sliderSize"
                              << "spinSize";
        QTest::newRow("border") << int(FilterRaise) << "sliderBorder"
                                << "spinBorder";
    }
    void slidersMirrorTheirSpinBoxes()
    {
        QFETCH(int, type);
        QFETCH(QString, slider);
        QFETCH(QString, spin);
        CEditor e(type, SFilterRecord(), Photo(400, 300));
        e.Fire();
        e.Child<QSlider>(slider)->setValue(33);
        QCOMPARE(e.Child<QSpinBox>(spin)->value(), 33);
        e.Child<QSpinBox>(spin)->setValue(44);
        QCOMPARE(e.Child<QSlider>(slider)->value(), 44);
        QCOMPARE(e.Take().size(), 0);
        QCOMPARE(e.Pending(), 1000);
        QCOMPARE(e.Fire().size(), 1);
        QCOMPARE(e.Saved().numbers[slider == "sliderSize" ? 1 : 0], 44.0);
    }

    void raiseLowerSavesZero()
    {
        CEditor e(FilterRaise, SFilterRecord(), Photo(400, 300));
        e.Fire();
        auto* effect = e.Child<QComboBox>("comboEffect");
        effect->setCurrentIndex(effect->findText("Lower"));
        QCOMPARE(e.Pending(), 500);
        QCOMPARE(e.Fire().first().numbers[1], 0.0);
    }
};

BQ_TEST_MAIN(TestEditorBorders)
#include "tst_editor_borders.moc"
