// The text editor: defaults and slot layout, loading (truncation, clamping,
// non-finite slots, records reported as given), the one-second debounce of
// every control, keywords, tiling, rotation, the font and texture choosers.
#include "BqTestMain.h"
#include "ColorPicker.h"
#include "ControlImage.h"
#include "ControlImageThread.h"
#include "FilterTestSupport.h"
#include "FilterText.h"
#include "FilterTypes.h"
#include "ImageChooser.h"
#include "ModalDriver.h"
#include "ReportClock.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <limits>
#include <memory>

using namespace FilterTest;

namespace
{

struct SEditor {
    SEditor()
    {
        window.resize(260, 600);
        editor = new CFilterText(&window, FilterText);
        states = std::make_unique<QSignalSpy>(editor, &CFilterPage::SaveState);
        window.show();
    }
    template <class T> T* Get(const char* name) { return editor->findChild<T*>(name); }
    SFilterRecord Saved()
    {
        SFilterRecord rec;
        editor->Save(rec);
        return rec;
    }
    SFilterRecord LastState() const { return states->last().first().value<SFilterRecord>(); }
    // Waits for the pending preview to fire.
    bool Settle()
    {
        return QTest::qWaitFor([&] { return !editor->timerPreview->isActive(); }, kWait);
    }

    QWidget window;
    CFilterText* editor = nullptr;
    std::unique_ptr<QSignalSpy> states;
};

} // namespace

class TestFilterText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;
    QString m_Photo;

private slots:
    void initTestCase()
    {
        QVERIFY(StartEngineAndCatalogues());
        m_Photo = m_Dir.filePath("photo.png");
        QVERIFY(WritePhoto(m_Photo, 320, 240));
    }
    void cleanup() { ImageChooser() = nullptr; }

    void initializeReportsTheDefaults()
    {
        SEditor e;
        e.editor->Initialize();
        QCOMPARE(e.editor->timerPreview->interval(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(e.states->count(), 1, kWait);
        QVERIFY(SameParameters(e.LastState(), DefaultText()));
        QCOMPARE(e.Get<QComboBox>("comboPlacement")->count(), 9);
        QCOMPARE(e.Get<QComboBox>("comboAlignment")->currentText(), QStringLiteral("Align Center"));
        QVERIFY(e.Get<QLineEdit>("editTexturePath")->isHidden());
        QVERIFY(!e.Get<QSlider>("sliderTileOffsetX")->isEnabled());
        QVERIFY(!e.Get<QPushButton>("buttonBrowseTexture")->isEnabled());
        QVERIFY(e.Get<QSpinBox>("spinStrokeWidth")->isEnabled());
        QVERIFY(!e.Get<QSpinBox>("spinBoxOffset")->isEnabled());
        QVERIFY(e.Get<QDial>("dialShadowAngle")->isEnabled());
        QCOMPARE(e.Get<QDial>("dialShadowAngle")->value(), 315);
    }

    void spinBurstGivesOnePreview()
    {
        SViewRig rig;
        SEditor e;
        e.editor->filterView = rig.view;
        e.editor->previewImage.path = m_Photo;
        const quint64 posted = rig.view->Worker().PostedGeneration();
        CReportClock clock(e.editor);
        auto* spin = e.Get<QSpinBox>("spinDeltaX");
        for (int v : {10, 20, 30}) {
            spin->setValue(v);
            clock.Change();
            QTest::qWait(200);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!e.editor->timerPreview->isActive(), kWait);
        QVERIFY(clock.Debounced(1000));
        QCOMPARE(e.LastState().numbers[2], 30.0);
        QCOMPARE(rig.view->Worker().PostedGeneration(), posted + quint64(e.states->count()));
        QCOMPARE(rig.view->filters.size(), 1);
        QCOMPARE(rig.view->filters.first().id, quint32(FilterText));
    }

    void everyControlWaitsOneSecond_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"editText",          "comboAlignment",    "comboPlacement",  "spinDeltaX",
                                 "spinDeltaY",        "spinLineSpacing",   "spinAlpha",       "spinStrokeAlpha",
                                 "spinStrokeWidth",   "spinBoxAlpha",      "spinBoxOffset",   "spinShadowAlpha",
                                 "sliderTileOffsetX", "sliderTileOffsetY", "sliderBlur",      "sliderShadowDistance",
                                 "sliderShadowBlur",  "spinRotation",      "dialRotation",    "spinShadowAngle",
                                 "dialShadowAngle",   "checkUseTile",      "checkUseTexture", "checkUseStroke",
                                 "checkUseBox",       "checkUseShadow",    "CPFontColor",     "CPStrokeColor",
                                 "CPBoxColor",        "CPShadowColor"})
            QTest::newRow(name) << QString(name);
    }
    void everyControlWaitsOneSecond()
    {
        QFETCH(QString, control);
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        QObject* w = e.editor->findChild<QObject*>(control);
        QVERIFY(w);
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            spin->setValue(spin->value() + 1);
        else if (auto* slider = qobject_cast<QAbstractSlider*>(w))
            slider->setValue(slider->value() + 1);
        else if (auto* check = qobject_cast<QCheckBox*>(w))
            check->click();
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            emit combo->activated(2);
        else if (auto* picker = qobject_cast<CColorPicker*>(w))
            emit picker->ColorChanged();
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            edit->setPlainText("x");
        QVERIFY(e.editor->timerPreview->isActive());
        QCOMPARE(e.editor->timerPreview->interval(), 1000);
    }

    void loadWithoutPreviewReportsTheRecordAsGiven()
    {
        SEditor e;
        SFilterRecord rec = DefaultText();
        rec.id = FilterText;
        rec.name = "My text";
        rec.description = "kept";
        rec.active = false;
        rec.numbers[2] = 40000; // beyond the spin box
        rec.numbers[4] = 12.9;
        e.editor->Load(rec, false);
        QCOMPARE(e.states->count(), 1); // at once, not from the timer
        QVERIFY(SameRecord(e.LastState(), rec));
        QVERIFY(!e.editor->timerPreview->isActive());
        QTest::qWait(1500);
        QCOMPARE(e.states->count(), 1);
        QCOMPARE(e.Get<QSpinBox>("spinDeltaX")->value(), 30000);
    }

    void loadConvertsSlots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("saved");
        QTest::newRow("12.9 truncates") << 2 << 12.9 << 12.0;
        QTest::newRow("-2.7 truncates") << 3 << -2.7 << -2.0;
        QTest::newRow("half counts as tiling on") << 6 << 0.5 << 1.0;
        QTest::newRow("NaN offset") << 2 << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("1e20 offset clamps") << 3 << 1e20 << 30000.0;
        QTest::newRow("-inf offset clamps") << 3 << -std::numeric_limits<double>::infinity() << -30000.0;
        QTest::newRow("NaN check is off") << 18 << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("colour kept") << 14 << 4282568191.0 << 4282568191.0;
        QTest::newRow("infinite colour") << 19 << std::numeric_limits<double>::infinity() << 0.0;
        QTest::newRow("alignment outside the list") << 0 << 7.0 << 1.0;
        QTest::newRow("placement outside the list") << 1 << -1.0 << 7.0;
        QTest::newRow("rotation 359") << 4 << 359.0 << 359.0;
        QTest::newRow("font size") << 9 << 36.6 << 36.0;
        QTest::newRow("texture on, a folder: marked") << 15 << 1.0 << 1.0;
    }
    void loadConvertsSlots()
    {
        QFETCH(int, slot);
        QFETCH(double, value);
        QFETCH(double, saved);
        SEditor e;
        SFilterRecord rec = DefaultText();
        rec.numbers[slot] = value;
        if (slot == 15)
            rec.strings[2] = m_Dir.path();
        e.editor->Load(rec, true);
        QVERIFY(e.Settle());
        QCOMPARE(e.states->count(), 1);
        QCOMPARE(e.LastState().numbers[slot], saved);
        if (slot == 14)
            QCOMPARE(QColor(e.Get<CColorPicker>("CPFontColor")->color), QColor(66, 205, 255));
        if (slot == 4)
            QCOMPARE(e.Get<QDial>("dialRotation")->value(), 359);
        if (slot == 15) { // the texture that a run could not read, and why
            auto* state = e.Get<QLabel>("labelTextureState");
            QVERIFY(state && !state->isHidden());
            QCOMPARE(state->toolTip(), m_Dir.path() + " is a folder, not a regular file");
        }
    }

    void emptyStringsLoadEmpty()
    {
        SEditor e;
        SFilterRecord rec = DefaultText();
        rec.stringCount = 0;
        for (QString& s : rec.strings)
            s.clear();
        rec.strings[5] = "untouched by Save";
        e.editor->Load(rec, false);
        SFilterRecord saved;
        saved.strings[5] = "kept";
        e.editor->Save(saved);
        QCOMPARE(saved.stringCount, quint8(3));
        QCOMPARE(saved.strings[0], QString());
        QCOMPARE(saved.strings[1], QString());
        QCOMPARE(saved.strings[2], QString());
        QCOMPARE(saved.strings[5], QStringLiteral("kept"));
    }

    void keywordMenu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("result");
        QTest::newRow("path after mid-text cursor") << "Hello world"
                                                    << "Source Path"
                                                    << "Hello world[Path]";
        QTest::newRow("after a final line break") << "Line\n"
                                                  << "Source Filename"
                                                  << "Line\n[Filename]";
        QTest::newRow("symbol") << "A " << QString("Copyright \u00A9") << "A [Copyright]";
        QTest::newRow("cancelled") << "A"
                                   << ""
                                   << "A";
        // A job file holds 65,536 characters of one text, and so does the box.
        QTest::newRow("past the longest text") << QString(100000, 'x') << "Source Path" << QString(65536, 'x');
    }
    void keywordMenu()
    {
        QFETCH(QString, text);
        QFETCH(QString, entry);
        QFETCH(QString, result);
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        auto* edit = e.Get<QPlainTextEdit>("editText");
        edit->setPlainText(text);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(2);
        edit->setTextCursor(cursor);
        QVERIFY(e.Settle());
        QStringList entries;
        BqTest::CModalDriver driver([&](QWidget* w, const BqTest::SModalSeen&) {
            entries = BqTest::CModalDriver::MenuEntries(w);
            return !entry.isEmpty() && BqTest::CModalDriver::TriggerMenu(w, entry);
        });
        driver.Arm();
        bool timedOut = false;
        {
            BqTest::CModalWatchdog guard(&timedOut);
            e.Get<QPushButton>("buttonAddKeyword")->click();
        }
        QVERIFY(!timedOut);
        QCOMPARE(entries, (QStringList{"Symbols>", "Copyright \u00A9", "Registered \u00AE", "Trademark \u2122",
                                       "Servicemark \u2120", "Source Filename", "Source Extension", "Source Folder",
                                       "Source Path"}));
        QCOMPARE(edit->toPlainText(), result);
        QCOMPARE(e.editor->timerPreview->isActive(), !entry.isEmpty());
    }

    void tileSwitchesTheControls()
    {
        SEditor e;
        SFilterRecord rec = DefaultText();
        rec.numbers[2] = 15;
        rec.numbers[3] = 25;
        e.editor->Load(rec, true);
        QVERIFY(e.Settle());
        e.Get<QCheckBox>("checkUseTile")->click();
        for (const char* name : {"comboPlacement", "spinDeltaX", "spinDeltaY"})
            QVERIFY2(!e.editor->findChild<QWidget*>(name)->isEnabled(), name);
        for (const char* name : {"sliderTileOffsetX", "sliderTileOffsetY"})
            QVERIFY2(e.editor->findChild<QWidget*>(name)->isEnabled(), name);
        const SFilterRecord saved = e.Saved();
        QCOMPARE(saved.numbers[6], 1.0);
        QCOMPARE(saved.numbers[2], 15.0);
        QCOMPARE(saved.numbers[3], 25.0);
    }

    void rotationWrapsAndCouples()
    {
        SEditor e;
        SFilterRecord rec = DefaultText();
        rec.numbers[4] = 359;
        e.editor->Load(rec, true);
        QVERIFY(e.Settle());
        e.Get<QSpinBox>("spinRotation")->stepUp();
        QCOMPARE(e.Get<QSpinBox>("spinRotation")->value(), 0);
        QCOMPARE(e.Get<QDial>("dialRotation")->value(), 0);
        e.Get<QDial>("dialShadowAngle")->setValue(90);
        QCOMPARE(e.Get<QSpinBox>("spinShadowAngle")->value(), 90);
        QCOMPARE(e.Saved().numbers[30], 90.0);
    }

    void fontDialogRoundTrip_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }
    void fontDialogRoundTrip()
    {
        QFETCH(bool, accept);
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        QString shownSize;
        BqTest::CModalDriver driver([&](QWidget* w, const BqTest::SModalSeen& seen) {
            if (seen.className != "CDialogFont")
                return false;
            auto* size = w->findChild<QComboBox*>("comboFontSize");
            shownSize = size->currentText();
            size->setEditText("30");
            w->findChild<QCheckBox*>("checkItalic")->setChecked(true);
            return BqTest::CModalDriver::Press(w, accept ? "OK" : "Cancel");
        });
        driver.Arm();
        bool timedOut = false;
        {
            BqTest::CModalWatchdog guard(&timedOut);
            e.Get<QPushButton>("buttonFont")->click();
        }
        QVERIFY(!timedOut);
        QCOMPARE(shownSize, QStringLiteral("48"));
        const SFilterRecord saved = e.Saved();
        QCOMPARE(saved.numbers[9], accept ? 30.0 : 48.0);
        QCOMPARE(saved.numbers[11], accept ? 1.0 : 0.0);
        QCOMPARE(saved.strings[1] == "Arial-Regular", !accept);
        QCOMPARE(e.editor->timerPreview->isActive(), accept);
    }

    void textureFolderIsRemembered()
    {
        SEditor e;
        e.editor->Initialize();
        QVERIFY(e.Settle());
        const QString pictures = GetMyPictures();
        QVERIFY(QDir().mkpath(pictures + "/tex")); // the choosers start only in folders that are there
        QStringList folders;
        ImageChooser() = [&](QWidget*, const QString&, const QString& folder) {
            folders << folder;
            return folders.size() == 1 ? pictures + "/tex/a.png" : QString();
        };
        auto* browse = e.Get<QPushButton>("buttonBrowseTexture");
        browse->setEnabled(true);
        browse->click();
        QVERIFY(e.editor->timerPreview->isActive());
        QVERIFY(e.Settle());
        browse->click(); // cancelled: nothing changes, no preview
        QVERIFY(!e.editor->timerPreview->isActive());
        QCOMPARE(folders, (QStringList{pictures, pictures + "/tex"}));
        QCOMPARE(GetRegistryString("GUI/WatermarkTextTexturePath", ""), pictures + "/tex");
        QCOMPARE(e.Saved().strings[2], pictures + "/tex/a.png");
    }
};

BQ_TEST_MAIN(TestFilterText)
#include "tst_filtertext.moc"
