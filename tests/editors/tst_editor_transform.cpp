// Resize, crop, rotate and auto-rotate pages: coupling, unit switches,
// stepping, and the photos the engine makes from what the pages save.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "EditorFixture.h"
#include "EngineFixtures.h"
#include "FilterPage.h"
#include "FilterTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

using namespace EditorTest;

Q_DECLARE_METATYPE(QList<double>)

namespace
{

QList<double> Values(const CEditor& e, const QStringList& names)
{
    QList<double> values;
    for (const QString& name : names)
        values.append(e.Child<QDoubleSpinBox>(name)->value());
    return values;
}

} // namespace

class TestEditorTransform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitOnce(); }

    void resizeRangesFollowThePhoto_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("maxWidth");
        QTest::addColumn<double>("maxHeight");
        QTest::newRow("1000x800") << 1000 << 800 << 10000.0 << 8000.0;
        QTest::newRow("4000x3000") << 4000 << 3000 << 30000.0 << 30000.0;
        QTest::newRow("no photo") << 0 << 0 << 30000.0 << 30000.0;
    }
    void resizeRangesFollowThePhoto()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, maxWidth);
        QFETCH(double, maxHeight);
        CEditor e(FilterResize, SFilterRecord(), width ? Photo(width, height) : QString());
        QCOMPARE(e.Child<QDoubleSpinBox>("spinWidth")->maximum(), maxWidth);
        QCOMPARE(e.Child<QDoubleSpinBox>("spinHeight")->maximum(), maxHeight);
        QCOMPARE(e.Child<QLabel>("textOriginalSize")->text(),
                 QStringLiteral("Original image size: %1 x %2").arg(width).arg(height));
        // A side typed follows the ratio (1.0 without a photo).
        e.Child<QDoubleSpinBox>("spinWidth")->setValue(500);
        QCOMPARE(e.Child<QDoubleSpinBox>("spinHeight")->value(), width ? 500.0 * height / width : 500.0);
    }

    void resizePercentAndBack()
    {
        CEditor e(FilterResize, SFilterRecord(), Photo(1000, 800));
        e.Fire();
        auto* units = e.Child<QComboBox>("comboDimensions");
        Activate(units, 1);
        QCOMPARE(Values(e, {"spinWidth", "spinHeight"}), (QList<double>{70, 70}));
        QCOMPARE(e.Child<QDoubleSpinBox>("spinWidth")->maximum(), 1000.0);
        QVERIFY(!e.Child<QComboBox>("comboResizeBy")->isEnabled());
        QVERIFY(e.Child<QCheckBox>("checkAspectRatio")->isChecked());
        QVERIFY(e.Child<QCheckBox>("checkAspectRatio")->isEnabled());
        QVERIFY(!e.Child<QCheckBox>("checkNoUpscale")->isChecked());
        QVERIFY(!e.Child<QCheckBox>("checkNoUpscale")->isEnabled());
        QCOMPARE(e.Pending(), 500);
        QCOMPARE(e.Fire().size(), 1);
        Activate(units, 0);
        QCOMPARE(Values(e, {"spinWidth", "spinHeight"}), (QList<double>{700, 560}));
        QVERIFY(e.Child<QComboBox>("comboResizeBy")->isEnabled());
    }

    void resizeModesEnableTheirSides_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("width");
        QTest::addColumn<bool>("height");
        QTest::addColumn<bool>("aspect");
        QTest::addColumn<double>("heightAfter"); // after typing width 500
        QTest::newRow("fixed width") << 1 << true << false << false << 400.0;
        QTest::newRow("fixed height") << 2 << false << true << false << 400.0;
        QTest::newRow("fixed box") << 3 << true << true << false << 560.0;
        QTest::newRow("back to both") << 0 << true << true << true << 400.0;
    }
    void resizeModesEnableTheirSides()
    {
        QFETCH(int, mode);
        QFETCH(bool, width);
        QFETCH(bool, height);
        QFETCH(bool, aspect);
        QFETCH(double, heightAfter);
        CEditor e(FilterResize, SFilterRecord(), Photo(1000, 800));
        Activate(e.Child<QComboBox>("comboResizeBy"), 3);
        Activate(e.Child<QComboBox>("comboResizeBy"), mode);
        QCOMPARE(e.Child<QDoubleSpinBox>("spinWidth")->isEnabled(), width);
        QCOMPARE(e.Child<QDoubleSpinBox>("spinHeight")->isEnabled(), height);
        QCOMPARE(e.Child<QCheckBox>("checkAspectRatio")->isEnabled(), aspect);
        QVERIFY(e.Child<QCheckBox>("checkAspectRatio")->isChecked());
        e.Child<QDoubleSpinBox>("spinWidth")->setValue(500);
        QCOMPARE(e.Child<QDoubleSpinBox>("spinHeight")->value(), heightAfter);
        QCOMPARE(e.Saved().numbers[3], double(mode));
    }

    void resizeFitsAStoredBoxToThePhoto()
    {
        const SFilterRecord stored = Record(FilterResize, {800, 600, 1, 0, 0, 0});
        CEditor e(FilterResize, stored, Photo(600, 900));
        QCOMPARE(Values(e, {"spinWidth", "spinHeight"}), (QList<double>{533, 800}));
        e.Fire();
        e.page->Load(stored, false);
        const QList<SFilterRecord> states = e.Take();
        QCOMPARE(states.size(), 1);
        QVERIFY(qAbs(states.first().numbers[0] - 533.33) < 0.01);
        QCOMPARE(states.first().numbers[1], 800.0);
        QCOMPARE(e.Pending(), -1);
    }

    // Without a photo the unit switches keep the numbers and still give one
    // state each.
    void unitSwitchWithoutPhotoKeepsNumbers_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QStringList>("spins");
        QTest::addColumn<int>("delay");
        QTest::newRow("resize") << int(FilterResize) << QList<double>{800, 600, 0, 0, 0, 0}
                                << QStringList{"spinWidth", "spinHeight"} << 500;
        QTest::newRow("crop") << int(FilterCrop) << QList<double>{10, 20, 300, 200, 0}
                              << QStringList{"spinLeft", "spinTop", "spinWidth", "spinHeight"} << 1000;
        QTest::newRow("border") << int(FilterSimpleBorder) << QList<double>{100, 4, 100, 4, 0, 0, 0}
                                << QStringList{"spinTop", "spinBottom", "spinLeft", "spinRight"} << 1000;
    }
    void unitSwitchWithoutPhotoKeepsNumbers()
    {
        QFETCH(int, type);
        QFETCH(QList<double>, values);
        QFETCH(QStringList, spins);
        QFETCH(int, delay);
        CEditor e(type, Record(quint32(type), values), QString());
        QCOMPARE(e.Fire().size(), 1);
        for (int unit : {1, 0}) {
            Activate(e.Child<QComboBox>("comboDimensions"), unit);
            for (int i = 0; i < spins.size(); ++i)
                QCOMPARE(e.Child<QAbstractSpinBox>(spins.at(i))->property("value").toDouble(), values.at(i));
            QCOMPARE(e.Pending(), delay);
            const QList<SFilterRecord> states = e.Fire();
            QCOMPARE(states.size(), 1);
            QCOMPARE(states.first().numbers[4], double(unit));
        }
        QCOMPARE(e.Saved().numbers[0], values.at(0));
        QCOMPARE(e.Saved().numbers[1], values.at(1));
    }

    void cropDefaultsAndPercent()
    {
        QTest::ignoreMessage(QtDebugMsg, "- CFilterCrop 150.00 120.00 700.00 560.00");
        CEditor e(FilterCrop, SFilterRecord(), Photo(1000, 800));
        const QStringList spins{"spinLeft", "spinTop", "spinWidth", "spinHeight"};
        QCOMPARE(Values(e, spins), (QList<double>{150, 120, 700, 560}));
        e.Fire();
        Activate(e.Child<QComboBox>("comboDimensions"), 1);
        QCOMPARE(Values(e, spins), (QList<double>{15, 15, 70, 70}));
        QCOMPARE(e.Child<QDoubleSpinBox>("spinLeft")->decimals(), 2);
        QCOMPARE(e.Child<QDoubleSpinBox>("spinWidth")->maximum(), 30000.0);
        QCOMPARE(e.Pending(), 1000);
        Activate(e.Child<QComboBox>("comboDimensions"), 0);
        QCOMPARE(Values(e, spins), (QList<double>{150, 120, 700, 560}));
        QCOMPARE(e.Child<QDoubleSpinBox>("spinLeft")->decimals(), 0);
    }

    void rotateSteps_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        const int table[][3] = {{0, 270, 90},  {45, 0, 90},   {90, 0, 180}, {180, 90, 270},
                                {270, 180, 0}, {300, 270, 0}, {359, 270, 0}};
        for (const auto& row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1] << row[2];
    }
    void rotateSteps()
    {
        QFETCH(int, before);
        QFETCH(int, left);
        QFETCH(int, right);
        CEditor e(FilterRotate, Record(FilterRotate, {double(before), 0}), QString());
        e.Child<QPushButton>("buttonRotateLeft")->click();
        QCOMPARE(e.Child<QSpinBox>("spinDegrees")->value(), left);
        e.page->Load(Record(FilterRotate, {double(before), 0}), true);
        e.Child<QPushButton>("buttonRotateRight")->click();
        QCOMPARE(e.Child<QDial>("dialDegrees")->value(), right);
        QCOMPARE(e.Child<QSpinBox>("spinDegrees")->value(), right);
        QCOMPARE(e.Pending(), 500);
    }

    void rotateSpinWrapsAndTheDialFollows()
    {
        CEditor e(FilterRotate, Record(FilterRotate, {359, 0}), QString());
        e.Child<QSpinBox>("spinDegrees")->stepBy(1);
        QCOMPARE(e.Child<QSpinBox>("spinDegrees")->value(), 0);
        QCOMPARE(e.Child<QDial>("dialDegrees")->value(), 0);
    }

    // The preview of a transposed or transversed photo is the upright photo.
    void autoRotatePreviewIsUpright_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QString>("zoom"); // zoomed in, then back by "fit" or "out"
        QTest::newRow("5") << "o5" << QSize(300, 300) << "";
        QTest::newRow("7") << "o7" << QSize(300, 300) << "";
        QTest::newRow("6, wide view") << "o6" << QSize(300, 150) << "";
        QTest::newRow("6, zoom to fit") << "o6" << QSize(300, 150) << "fit";
        QTest::newRow("6, zoom out") << "o6" << QSize(300, 150) << "out";
    }
    void autoRotatePreviewIsUpright()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, view);
        QFETCH(QString, zoom);
        const QString photo = Photo(400, 300, kind);
        CEditor e(FilterAutoRotate, SFilterRecord(), photo);
        e.filtered->resize(view);
        QCOMPARE(e.Fire().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(e.filtered->shown && !e.filtered->pending, 5000);
        const QSize fit = e.filtered->imageLabel->pixmap(Qt::ReturnByValue).size();
        if (!zoom.isEmpty()) { // back to the fit of the turned photo
            QSignalSpy zoomed(e.filtered, &CControlImage::UpdateZoomPercent);
            QVERIFY(e.filtered->ZoomIn());
            QTRY_VERIFY_WITH_TIMEOUT(zoomed.count() == 1, 5000);
            QVERIFY(zoom == "fit" ? e.filtered->ZoomToFit() : e.filtered->ZoomOut());
            QTRY_VERIFY_WITH_TIMEOUT(zoomed.count() == 2, 5000);
        }
        const QImage shown = e.filtered->imageLabel->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(shown.size(), fit);
        Magick::Image upright(photo.toStdString());
        upright.autoOrient();
        QCOMPARE(upright.columns(), size_t(300));
        // Same proportions, and the same colours near each corner.
        QCOMPARE(qRound(100.0 * shown.width() / shown.height()), qRound(100.0 * 300 / 400));
        const double scale = 300.0 / shown.width();
        for (QPoint p : {QPoint(3, 3), QPoint(shown.width() - 4, 3), QPoint(3, shown.height() - 4),
                         QPoint(shown.width() - 4, shown.height() - 4)}) {
            const QRgb want = BqTest::PixelRgb(upright, size_t(p.x() * scale), size_t(p.y() * scale));
            QVERIFY2(BqTest::ChannelDistance(shown.pixel(p), want) < 40, qPrintable(QString::number(p.x())));
        }
    }
};

BQ_TEST_MAIN(TestEditorTransform)
#include "tst_editor_transform.moc"
