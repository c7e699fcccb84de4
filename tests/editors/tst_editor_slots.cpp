// Every page from its values to its controls and back: the defaults of a new
// filter, the rounding of each stored value (good and malformed side by
// side), and values far beyond any control's range.
#include "BqTestMain.h"
#include "CScripts.h"
#include "ColorPicker.h"
#include "EditorFixture.h"
#include "FilterPage.h"
#include "FilterTypes.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace EditorTest;

Q_DECLARE_METATYPE(QList<double>)

class TestEditorSlots : public QObject
{
    Q_OBJECT

    const QList<int> m_Types{FilterResize,       FilterCrop,       FilterRotate,      FilterAutoRotate,
                             FilterSimpleBorder, FilterShapeFrame, FilterGrungeFrame, FilterPictureFrame,
                             FilterVintageFrame, FilterShadow,     FilterRaise};

private slots:
    void initTestCase() { InitOnce(); }

    void newFilterSavesItsDefaults_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("values");
        const double white = 4294967295.0;
        QTest::newRow("resize") << int(FilterResize) << QList<double>{700, 560, 1, 0, 0, 0};
        QTest::newRow("crop") << int(FilterCrop) << QList<double>{150, 120, 700, 560, 0};
        QTest::newRow("rotate") << int(FilterRotate) << QList<double>{0, 0};
        QTest::newRow("border") << int(FilterSimpleBorder) << QList<double>{100, 100, 100, 100, 0, 4290493439.0, 1};
        QTest::newRow("auto-rotate") << int(FilterAutoRotate) << QList<double>{};
        QTest::newRow("shape") << int(FilterShapeFrame) << QList<double>{0, white, 0, 0, 0};
        QTest::newRow("grunge") << int(FilterGrungeFrame) << QList<double>{0, white, 0, 0};
        QTest::newRow("picture") << int(FilterPictureFrame) << QList<double>{0, white, 0, 0};
        QTest::newRow("vintage") << int(FilterVintageFrame) << QList<double>{0, white, 0, 0};
        QTest::newRow("shadow") << int(FilterShadow) << QList<double>{50, 50, 4278190080.0, 0};
        QTest::newRow("raise") << int(FilterRaise) << QList<double>{20, 1};
    }
    void newFilterSavesItsDefaults()
    {
        QFETCH(int, type);
        QFETCH(QList<double>, values);
        CEditor editor(type, SFilterRecord(), Photo(1000, 800));
        QVERIFY(editor.page);
        QCOMPARE(editor.page->findChildren<QTimer*>().size(), 1);
        QCOMPARE(editor.Pending(), 0);
        const QList<SFilterRecord> states = editor.Fire();
        QCOMPARE(states.size(), 1);
        QCOMPARE(int(states.first().numberCount), values.size());
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(states.first().numbers[i], values.at(i));
        QCOMPARE(editor.Chain().size(), 1);
        const SFilterRecord& shown = editor.Chain().first();
        QCOMPARE(int(shown.id), type);
        QCOMPARE(shown.name, editor.page->filterRecord.name);
        QVERIFY(!shown.name.isEmpty());
        QVERIFY(shown.active);
        QCOMPARE(int(editor.Saved().numberCount), values.size());
    }

    void storedValueShowsRounded_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<double>("shown");
        QTest::addColumn<int>("slot"); // the slot Save writes back
        QTest::addColumn<double>("saved");
        const int rot = FilterRotate;
        QTest::newRow("rotate 89.5") << rot << QList<double>{89.5, 0} << "dialDegrees"
                                     << "value" << 90.0 << 0 << 90.0;
        QTest::newRow("rotate condition 2.7") << rot << QList<double>{0, 2.7} << "comboOrientation"
                                              << "currentIndex" << 2.0 << 1 << 2.0;
        // The same rotation, not a clamped one.
        QTest::newRow("rotate -90") << rot << QList<double>{-90, 0} << "spinDegrees"
                                    << "value" << 270.0 << 0 << 270.0;
        QTest::newRow("rotate 359.5") << rot << QList<double>{359.5, 0} << "dialDegrees"
                                      << "value" << 0.0 << 0 << 0.0;
        QTest::newRow("rotate 450") << rot << QList<double>{450, 0} << "dialDegrees"
                                    << "value" << 90.0 << 0 << 90.0;
        QTest::newRow("rotate 720") << rot << QList<double>{720, 0} << "spinDegrees"
                                    << "value" << 0.0 << 0 << 0.0;
        const int shape = FilterShapeFrame;
        QTest::newRow("shape 2.5") << shape << QList<double>{2.5, 0, 0, 0, 0} << "comboFrame"
                                   << "currentIndex" << 3.0 << 0 << 3.0;
        QTest::newRow("shape edges 0.9") << shape << QList<double>{0, 0, 0.9, 0, 0} << "comboEdges"
                                         << "currentIndex" << 0.0 << 2 << 0.0;
        QTest::newRow("shape transparent 0.2") << shape << QList<double>{0, 0, 0, 0.2, 0} << "checkTranspBackground"
                                               << "checked" << 1.0 << 3 << 1.0;
        QTest::newRow("shape 7") << shape << QList<double>{7, 0, 0, 0, 0} << "comboFrame"
                                 << "currentIndex" << -1.0 << 0 << -1.0;
        QTest::newRow("colour -1") << shape << QList<double>{0, -1, 0, 0, 0} << "CPBackgroundColor"
                                   << "color" << 4294967295.0 << 1 << 4294967295.0;
        const int border = FilterSimpleBorder;
        QTest::newRow("border uniform 0.2")
            << border << QList<double>{1, 1, 1, 1, 0, 0, 0.2} << "checkUniformDimensions"
            << "checked" << 0.0 << 6 << 0.0;
        QTest::newRow("border uniform 0.5")
            << border << QList<double>{1, 1, 1, 1, 0, 0, 0.5} << "checkUniformDimensions"
            << "checked" << 1.0 << 6 << 1.0;
        QTest::newRow("border colour fraction") << border << QList<double>{1, 1, 1, 1, 0, 4290493439.9, 1} << "CPColor"
                                                << "color" << 4290493439.0 << 5 << 4290493439.0;
        QTest::newRow("border -5") << border << QList<double>{-5, 1, 1, 1, 0, 0, 1} << "spinTop"
                                   << "value" << 0.0 << 0 << 0.0;
        const int shadow = FilterShadow;
        QTest::newRow("shadow 49.5") << shadow << QList<double>{49.5, 10, 0, 0} << "sliderTransparency"
                                     << "value" << 50.0 << 0 << 50.0;
        QTest::newRow("shadow 120") << shadow << QList<double>{10, 120, 0, 0} << "spinSize"
                                    << "value" << 99.0 << 1 << 99.0;
        const int raise = FilterRaise;
        QTest::newRow("raise 10.5") << raise << QList<double>{10.5, 1} << "spinBorder"
                                    << "value" << 11.0 << 0 << 11.0;
        QTest::newRow("raise 150") << raise << QList<double>{150, 1} << "sliderBorder"
                                   << "value" << 99.0 << 0 << 99.0;
        QTest::newRow("raise effect 2") << raise << QList<double>{20, 2} << "comboEffect"
                                        << "currentIndex" << -1.0 << 1 << -1.0;
        QTest::newRow("crop unit 1.9") << int(FilterCrop) << QList<double>{10, 10, 50, 50, 1.9} << "spinLeft"
                                       << "decimals" << 2.0 << 4 << 1.0;
        const int resize = FilterResize;
        QTest::newRow("resize aspect 0.4") << resize << QList<double>{800, 600, 0.4, 0, 0, 0} << "checkAspectRatio"
                                           << "checked" << 0.0 << 2 << 0.0;
        QTest::newRow("resize mode 5") << resize << QList<double>{800, 600, 1, 5, 0, 0} << "comboResizeBy"
                                       << "currentIndex" << -1.0 << 3 << -1.0;
        QTest::newRow("resize mode 2 forces aspect")
            << resize << QList<double>{800, 600, 0, 2, 0, 0} << "checkAspectRatio"
            << "checked" << 1.0 << 2 << 1.0;
        QTest::newRow("vintage 8") << int(FilterVintageFrame) << QList<double>{8, 0, 0, 0} << "comboFrame"
                                   << "currentIndex" << 8.0 << 0 << 8.0;
        QTest::newRow("picture 3.5") << int(FilterPictureFrame) << QList<double>{3.5, 0, 0, 0} << "comboFrame"
                                     << "currentIndex" << -1.0 << 0 << -1.0;
    }
    void storedValueShowsRounded()
    {
        QFETCH(int, type);
        QFETCH(QList<double>, values);
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(double, shown);
        QFETCH(int, slot);
        QFETCH(double, saved);
        CEditor editor(type, Record(quint32(type), values), Photo(1000, 800));
        QObject* widget = editor.Child<QObject>(control);
        QVERIFY(widget);
        double value;
        if (auto* picker = qobject_cast<CColorPicker*>(widget))
            value = picker->color;
        else
            value = widget->property(qPrintable(property)).toDouble();
        QCOMPARE(value, shown);
        QCOMPARE(editor.Saved().numbers[slot], saved);
    }

    // Five changes inside the debounce: one pending restart with the
    // control's delay, no state before it fires, one state when it does.
    void burstGivesOneState_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("delay");
        const struct {
            int type;
            const char* control;
            int delay;
        } rows[] = {{FilterResize, "spinWidth", 1000},
                    {FilterResize, "comboDimensions", 500},
                    {FilterResize, "comboResizeBy", 500},
                    {FilterResize, "checkAspectRatio", 500},
                    {FilterResize, "checkNoUpscale", 500},
                    {FilterCrop, "spinTop", 1000},
                    {FilterCrop, "comboDimensions", 1000},
                    {FilterRotate, "dialDegrees", 500},
                    {FilterRotate, "spinDegrees", 500},
                    {FilterRotate, "buttonRotateLeft", 500},
                    {FilterRotate, "comboOrientation", 500},
                    {FilterSimpleBorder, "spinTop", 1000},
                    {FilterSimpleBorder, "comboDimensions", 1000},
                    {FilterSimpleBorder, "checkUniformDimensions", 500},
                    {FilterShapeFrame, "comboEdges", 500},
                    {FilterShapeFrame, "checkRandomFrame", 500},
                    {FilterGrungeFrame, "comboFrame", 500},
                    {FilterPictureFrame, "checkTranspBackground", 500},
                    {FilterShadow, "sliderSize", 1000},
                    {FilterShadow, "spinTransparency", 1000},
                    {FilterShadow, "checkWhiteBackground", 500},
                    {FilterRaise, "sliderBorder", 1000},
                    {FilterRaise, "comboEffect", 500}};
        for (const auto& row : rows)
            QTest::addRow("%d %s", row.type, row.control) << row.type << row.control << row.delay;
    }
    void burstGivesOneState()
    {
        QFETCH(int, type);
        QFETCH(QString, control);
        QFETCH(int, delay);
        CEditor editor(type, SFilterRecord(), Photo(1000, 800));
        QCOMPARE(editor.Fire().size(), 1);
        QWidget* widget = editor.Child<QWidget>(control);
        QVERIFY(widget);
        for (int i = 0; i < 5; ++i)
            Poke(widget, i % 2 ? -1 : 2);
        QCOMPARE(editor.Take().size(), 0);
        QCOMPARE(editor.Pending(), delay);
        QCOMPARE(editor.Fire().size(), 1);
        QCOMPARE(editor.Pending(), -1);
    }

    // A record brought back by a drag: the draggable pages report it at
    // once, the others preview it after their handlers' delay, if at all.
    void loadWithoutPreview_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("states");
        QTest::addColumn<int>("pending");
        QTest::newRow("crop") << int(FilterCrop) << QList<double>{10, 20, 300, 200, 0} << 1 << -1;
        QTest::newRow("resize") << int(FilterResize) << QList<double>{800, 600, 1, 0, 0, 0} << 1 << -1;
        QTest::newRow("border") << int(FilterSimpleBorder) << QList<double>{100, 100, 100, 100, 0, 0, 1} << 0 << 500;
        QTest::newRow("shape") << int(FilterShapeFrame) << QList<double>{0, 0, 0, 0, 0} << 0 << 500;
        QTest::newRow("vintage") << int(FilterVintageFrame) << QList<double>{1, 0, 0, 0} << 0 << 500;
        QTest::newRow("raise same") << int(FilterRaise) << QList<double>{20, 1} << 0 << 500;
        QTest::newRow("raise border") << int(FilterRaise) << QList<double>{30, 0} << 0 << 1000;
        QTest::newRow("rotate same") << int(FilterRotate) << QList<double>{0, 0} << 0 << -1;
        QTest::newRow("rotate changed") << int(FilterRotate) << QList<double>{90, 0} << 0 << 500;
        QTest::newRow("shadow same") << int(FilterShadow) << QList<double>{50, 50, 0, 0} << 0 << -1;
        QTest::newRow("shadow changed") << int(FilterShadow) << QList<double>{60, 50, 0, 0} << 0 << 1000;
        QTest::newRow("auto-rotate") << int(FilterAutoRotate) << QList<double>{} << 0 << -1;
    }
    void loadWithoutPreview()
    {
        QFETCH(int, type);
        QFETCH(QList<double>, values);
        QFETCH(int, states);
        QFETCH(int, pending);
        CEditor editor(type, SFilterRecord(), Photo(1000, 800));
        editor.Fire();
        editor.page->Load(Record(quint32(type), values), false);
        QCOMPARE(editor.Take().size(), states);
        QCOMPARE(editor.Pending(), pending);
        editor.page->Load(Record(quint32(type), values), true);
        QCOMPARE(editor.Pending(), 0);
    }

    // What OK stores is what a profile holds, and reopening it shows the
    // same controls.
    void profileHoldsTheSavedSlots_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QStringList>("params");
        QTest::newRow("resize defaults") << int(FilterResize) << QList<double>{}
                                         << QStringList{"700.000000", "560.000000", "1.000000",
                                                        "0.000000",   "0.000000",   "0.000000"};
        QTest::newRow("grunge with six slots") << int(FilterGrungeFrame) << QList<double>{2, 4278190080.0, 1, 0, 7, 8}
                                               << QStringList{"2.000000", "4278190080.000000", "1.000000", "0.000000"};
    }
    void profileHoldsTheSavedSlots()
    {
        QFETCH(int, type);
        QFETCH(QList<double>, values);
        QFETCH(QStringList, params);
        const QString photo = Photo(1000, 800);
        CEditor editor(type, Record(quint32(type), values), photo);
        const SFilterRecord saved = editor.Saved();
        CListFilters* chain = CListFilters::GetInstance();
        chain->filters = {saved};
        QTemporaryDir dir;
        const QString path = dir.filePath("editor.bqf");
        QVERIFY(CScripts(path).Save(CScripts::ModeProfile));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QStringList written;
        QRegularExpressionMatchIterator it =
            QRegularExpression("<Param Type=\"float\">([^<]*)</Param>").globalMatch(text);
        while (it.hasNext())
            written << it.next().captured(1);
        QCOMPARE(written, params);

        chain->filters.clear();
        QVERIFY(CScripts(path).Load());
        QCOMPARE(chain->filters.size(), 1);
        CEditor reopened(type, chain->filters.first(), photo);
        const SFilterRecord again = reopened.Saved();
        QCOMPARE(again.numberCount, saved.numberCount);
        for (int i = 0; i < saved.numberCount; ++i)
            QCOMPARE(again.numbers[i], saved.numbers[i]);
    }

    // A hand-edited job file: every slot huge, tiny or not a number.
    void extremeSlotsLoadWithinRange_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("1e300") << 1e300;
        QTest::newRow("-1e300") << -1e300;
        QTest::newRow("NaN") << std::nan("");
    }
    void extremeSlotsLoadWithinRange()
    {
        QFETCH(double, value);
        for (int type : m_Types) {
            QList<double> values;
            for (int i = 0; i < SFilterRecord::MaxNumbers; ++i)
                values.append(value);
            CEditor editor(type, Record(quint32(type), values), Photo(1000, 800));
            for (QSpinBox* spin : editor.page->findChildren<QSpinBox*>())
                QVERIFY(spin->value() >= spin->minimum() && spin->value() <= spin->maximum());
            for (QDoubleSpinBox* spin : editor.page->findChildren<QDoubleSpinBox*>())
                QVERIFY2(spin->value() >= spin->minimum() && spin->value() <= spin->maximum(),
                         qPrintable(spin->objectName()));
            for (QAbstractSlider* slider : editor.page->findChildren<QAbstractSlider*>())
                QVERIFY(slider->value() >= slider->minimum() && slider->value() <= slider->maximum());
            const SFilterRecord saved = editor.Saved();
            for (int i = 0; i < saved.numberCount; ++i)
                QVERIFY2(std::isfinite(saved.numbers[i]), qPrintable(QString::number(type)));
        }
    }
};

BQ_TEST_MAIN(TestEditorSlots)
#include "tst_editor_slots.moc"
