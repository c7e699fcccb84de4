// The logo editor: defaults, the slots it owns, per-control delays and the
// coupled rotation pair, records reported as given, and the image chooser.
#include "BqTestMain.h"
#include "ColorPicker.h"
#include "FilterLogo.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "ImageChooser.h"
#include "ReportClock.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <memory>

using namespace FilterTest;

namespace
{

struct SEditor {
    SEditor()
    {
        editor = new CFilterLogo(&window, FilterLogo);
        states = std::make_unique<QSignalSpy>(editor, &CFilterPage::SaveState);
        window.resize(260, 600);
        window.show();
    }
    template <class T> T* Get(const char* name) { return editor->findChild<T*>(name); }
    SFilterRecord Saved()
    {
        SFilterRecord rec;
        editor->Save(rec);
        return rec;
    }
    bool Settle()
    {
        return QTest::qWaitFor([&] { return !editor->timerPreview->isActive(); }, kWait);
    }

    QWidget window;
    CFilterLogo* editor = nullptr;
    std::unique_ptr<QSignalSpy> states;
};

} // namespace

class TestFilterLogo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StartEngineAndCatalogues()); }
    void cleanup() { ImageChooser() = nullptr; }

    void initializeShowsTheDefaults()
    {
        SEditor e;
        e.editor->Initialize();
        QCOMPARE(e.Get<QComboBox>("comboPlacement")->currentText(), QStringLiteral("Bottom-Right"));
        QVERIFY(!e.Get<QSlider>("sliderTileOffsetX")->isEnabled());
        QVERIFY(e.Get<QSpinBox>("spinDeltaY")->isEnabled());
        for (const char* name : {"CPStrokeColor", "spinStrokeAlpha", "spinStrokeWidth"})
            QVERIFY2(!e.editor->findChild<QWidget*>(name)->isEnabled(), name);
        QVERIFY(e.Get<QDial>("dialShadowAngle")->isEnabled());
        QCOMPARE(e.Get<QDial>("dialShadowAngle")->value(), 315);
        QCOMPARE(e.Get<QDial>("dialRotation")->value(), 0);
        QCOMPARE(e.Get<CColorPicker>("CPShadowColor")->color, QRgb(0xFF000000));
        QCOMPARE(e.editor->timerPreview->interval(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(e.states->count(), 1, kWait);
        QVERIFY(SameParameters(e.states->first().first().value<SFilterRecord>(), DefaultLogo()));
    }

    void loadAndSave_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("saved");
        QTest::newRow("rotation 45.9") << 7 << 45.9 << 45.0;
        QTest::newRow("tiling 0.5") << 3 << 0.5 << 1.0;
        QTest::newRow("offset 40000 clamps") << 1 << 40000.0 << 30000.0;
        QTest::newRow("placement outside the list") << 0 << 9.0 << 8.0;
        QTest::newRow("scale 1e20 clamps") << 6 << 1e20 << 1000.0;
    }
    void loadAndSave()
    {
        QFETCH(int, slot);
        QFETCH(double, value);
        QFETCH(double, saved);
        SEditor e;
        SFilterRecord rec = DefaultLogo();
        rec.numbers[slot] = value;
        rec.numbers[25] = 7;
        rec.strings[0] = "logos\\a.png";
        rec.strings[3] = "other";
        e.editor->Load(rec, false);
        // Reported as given, at once, with no preview to follow.
        QCOMPARE(e.states->count(), 1);
        QVERIFY(SameRecord(e.states->first().first().value<SFilterRecord>(), rec));
        QVERIFY(!e.editor->timerPreview->isActive());
        SFilterRecord out;
        out.numbers[25] = 3;
        out.strings[3] = "kept";
        e.editor->Save(out);
        QCOMPARE(out.numberCount, quint8(20));
        QCOMPARE(out.stringCount, quint8(1));
        QCOMPARE(out.numbers[slot], saved);
        QCOMPARE(out.numbers[25], 3.0);
        QCOMPARE(out.strings[3], QStringLiteral("kept"));
        QCOMPARE(out.strings[0], QStringLiteral("logos/a.png"));
        if (slot == 7)
            QCOMPARE(e.Get<QDial>("dialRotation")->value(), 45);
        if (slot == 3)
            QVERIFY(!e.Get<QComboBox>("comboPlacement")->isEnabled());
    }

    void delays_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("interval");
        QTest::newRow("dial rotation") << "dialRotation" << 500;
        QTest::newRow("spin rotation") << "spinRotation" << 1000;
        QTest::newRow("dial shadow angle") << "dialShadowAngle" << 500;
        QTest::newRow("spin shadow angle") << "spinShadowAngle" << 1000;
        QTest::newRow("scale") << "spinScale" << 500;
        QTest::newRow("tile offset") << "sliderTileOffsetY" << 500;
        QTest::newRow("stroke width") << "spinStrokeWidth" << 1000;
        QTest::newRow("shadow blur") << "sliderShadowBlur" << 1000;
        QTest::newRow("shadow check") << "checkUseShadow" << 1000;
        QTest::newRow("tile check") << "checkUseTile" << 500;
        QTest::newRow("typed path") << "editImagePath" << -1;
    }
    void delays()
    {
        QFETCH(QString, control);
        QFETCH(int, interval);
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        QObject* w = e.editor->findChild<QObject*>(control);
        if (auto* slider = qobject_cast<QAbstractSlider*>(w))
            slider->setValue(90);
        else if (auto* spin = qobject_cast<QSpinBox*>(w))
            spin->setValue(90);
        else if (auto* check = qobject_cast<QCheckBox*>(w))
            check->click();
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            QTest::keyClicks(edit, "x");
        QCOMPARE(e.editor->timerPreview->isActive(), interval > 0);
        if (interval > 0)
            QCOMPARE(e.editor->timerPreview->interval(), interval);
        if (control.endsWith("Rotation"))
            QCOMPARE(e.Saved().numbers[7], 90.0);
    }

    void burstGivesOneState()
    {
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        e.states->clear();
        CReportClock clock(e.editor);
        for (int v : {110, 120, 130, 140, 150}) {
            e.Get<QSpinBox>("spinScale")->setValue(v);
            clock.Change();
            QTest::qWait(300);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!e.editor->timerPreview->isActive(), kWait);
        QTest::qWait(600);
        QVERIFY(clock.Debounced(500));
        QCOMPARE(e.states->last().first().value<SFilterRecord>().numbers[6], 150.0);
    }

    // The chooser starts in a folder that is there: the pictures folder when
    // the account has one, else home.
    void chooserRemembersTheFolder_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::newRow("pictures folder") << true;
        QTest::newRow("no pictures folder") << false;
    }
    void chooserRemembersTheFolder()
    {
        QFETCH(bool, pictures);
        QDir(GetMyPictures()).removeRecursively();
        if (pictures)
            QVERIFY(QDir().mkpath(GetMyPictures()));
        SetRegistryString("GUI/WatermarkImagePath", QString());
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        const QString chosen = GetMyPictures() + "/logos/mark.png";
        QString startFolder;
        ImageChooser() = [&](QWidget*, const QString&, const QString& folder) {
            startFolder = folder;
            return chosen;
        };
        e.Get<QPushButton>("buttonBrowse")->click();
        QCOMPARE(startFolder, pictures ? GetMyPictures() : QDir::homePath());
        QCOMPARE(GetRegistryString("GUI/WatermarkImagePath", ""), GetMyPictures() + "/logos");
        QCOMPARE(e.editor->timerPreview->interval(), 500);
        QCOMPARE(e.Saved().strings[0], chosen);
    }
};

BQ_TEST_MAIN(TestFilterLogo)
#include "tst_filterlogo.moc"
