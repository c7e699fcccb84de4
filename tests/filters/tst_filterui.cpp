// The editor interface and the page base: catalogue row, photo size, the
// one-filter preview and the debounced report cycle.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "ControlImageThread.h"
#include "FilterPage.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "ReportClock.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace FilterTest;

namespace
{

// The smallest page: one spin box in slot 0, 1000 ms debounce.
class CTestPage : public CFilterPage
{
public:
    CTestPage(QWidget* parent, int filterId) : CFilterPage(parent, filterId), spin(new QSpinBox(this))
    {
        spin->setRange(0, 100);
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { RestartPreview(1000); });
    }
    void Initialize() override
    {
        spin->setValue(10);
        RestartPreview(0);
    }
    void Load(SFilterRecord rec, bool startPreview) override
    {
        spin->setValue(int(rec.numbers[0]));
        if (startPreview)
            RestartPreview(0);
    }
    void Save(SFilterRecord& rec) override
    {
        rec.numberCount = 1;
        rec.numbers[0] = spin->value();
    }
    QSpinBox* spin;
};

} // namespace

class TestFilterUI : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;
    QString m_Photo;

private slots:
    void initTestCase()
    {
        QVERIFY(StartEngineAndCatalogues());
        m_Photo = m_Dir.filePath("p640.png");
        QVERIFY(WritePhoto(m_Photo, 640, 480));
    }

    void catalogueRow_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<quint16>("rowId");
        QTest::addColumn<QString>("name");
        QTest::newRow("logo") << 1010 << quint16(1010) << "Logo";
        QTest::newRow("crop") << 5020 << quint16(5020) << "Crop";
        QTest::newRow("unknown") << 9999 << quint16(0) << "";
    }
    void catalogueRow()
    {
        QFETCH(int, id);
        QFETCH(quint16, rowId);
        QFETCH(QString, name);
        CTestPage page(nullptr, id);
        QCOMPARE(page.filterId, id);
        QCOMPARE(page.filterRecord.id, rowId);
        QCOMPARE(page.filterRecord.name, name);
        QCOMPARE(page.imageWidth, qint64(0));
        QCOMPARE(page.imageRatio, 1.0);
    }

    void pingImage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<double>("ratio");
        QTest::newRow("640x480 png") << "p640.png" << qint64(640) << qint64(480) << 640.0 / 480.0;
        QTest::newRow("missing") << "missing.png" << qint64(0) << qint64(0) << 1.0;
        QTest::newRow("no photo") << "" << qint64(0) << qint64(0) << 1.0;
    }
    void pingImage()
    {
        QFETCH(QString, file);
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QFETCH(double, ratio);
        CTestPage page(nullptr, FilterText);
        // A successful earlier ping must not leak into a failed one.
        page.previewImage.path = m_Photo;
        page.PingImage();
        page.previewImage.path = file.isEmpty() ? QString() : m_Dir.filePath(file);
        page.PingImage();
        QCOMPARE(page.imageWidth, width);
        QCOMPARE(page.imageHeight, height);
        QCOMPARE(page.imageRatio, ratio);
    }

    void startPreviewUsesItsOwnCopy()
    {
        SViewRig rig;
        CTestPage page(nullptr, FilterText);
        page.filterView = rig.view;
        page.previewImage.path = m_Photo;
        rig.view->AddFilter(DefaultLogo()); // replaced, not appended to
        SFilterRecord rec = DefaultText();
        rec.id = 0;
        rec.name.clear();
        rec.active = false;
        rec.numbers[3] = 0; // a visible spot: 0 px from the bottom edge
        page.StartPreview(rec);
        QCOMPARE(rig.view->filters.size(), 1);
        const SFilterRecord& shown = rig.view->filters.first();
        QCOMPARE(shown.id, quint32(FilterText));
        QCOMPARE(shown.name, QStringLiteral("Text"));
        QVERIFY(shown.active);
        QCOMPARE(shown.numbers[9], 48.0);
        QVERIFY(QTest::qWaitFor([&] { return rig.view->shown && !rig.view->pending; }, kWait));
        const QImage withText = rig.Shown();

        // The same photo without the filter: the inactive text was applied.
        SViewRig plain;
        QVERIFY(plain.Show(m_Photo));
        QCOMPARE(withText.size(), plain.Shown().size());
        QVERIFY(withText != plain.Shown());
    }

    void debounceGivesOneReport()
    {
        SViewRig rig;
        CTestPage page(nullptr, FilterText);
        page.filterView = rig.view;
        page.previewImage.path = m_Photo;
        QSignalSpy states(&page, &CFilterPage::SaveState);
        CReportClock clock(&page);
        const quint64 posted = rig.view->Worker().PostedGeneration();
        page.spin->setValue(20);
        clock.Change();
        QTest::qWait(300);
        page.spin->setValue(30);
        clock.Change();
        QCOMPARE(page.timerPreview->interval(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!page.timerPreview->isActive(), kWait);
        QVERIFY(clock.Debounced(1000));
        QCOMPARE(states.last().first().value<SFilterRecord>().numbers[0], 30.0);
        QCOMPARE(rig.view->Worker().PostedGeneration(), posted + quint64(states.count()));
        QVERIFY(!page.timerPreview->isActive());
    }

    void initializeAndLoadReportAtOnce_data()
    {
        QTest::addColumn<bool>("load");
        QTest::newRow("Initialize") << false;
        QTest::newRow("Load with preview") << true;
    }
    void initializeAndLoadReportAtOnce()
    {
        QFETCH(bool, load);
        SViewRig rig;
        CTestPage page(nullptr, FilterText);
        page.filterView = rig.view;
        page.previewImage.path = m_Photo;
        QSignalSpy states(&page, &CFilterPage::SaveState);
        const quint64 posted = rig.view->Worker().PostedGeneration();
        SFilterRecord rec;
        rec.AddNumber(42);
        if (load)
            page.Load(rec, true);
        else
            page.Initialize();
        // The 0 ms start wins over the 1000 ms restart of the value change.
        QCOMPARE(page.timerPreview->interval(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(states.count(), 1, kWait);
        QCOMPARE(rig.view->Worker().PostedGeneration(), posted + 1);
        QTest::qWait(1200);
        QCOMPARE(states.count(), 1);
        QCOMPARE(states.first().first().value<SFilterRecord>().numbers[0], load ? 42.0 : 10.0);
    }
};

BQ_TEST_MAIN(TestFilterUI)
#include "tst_filterui.moc"
