// The settings dialog and its tab classes: what an empty store shows, what
// OK, Cancel, Escape and closing write, the restart message, values outside
// the lists, help, the tab widths and the tab icons at ratio 1 and 2.
// BQ_EXPECT_RETINA=1 runs it under QT_SCALE_FACTOR=2.
#include "BqTestMain.h"
#include "CSettings.h"
#include "CTabWidgetEx.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "ModalDriver.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <functional>

namespace
{
using BqTest::FindChild;
template <typename T = QWidget> T* Child(QWidget& d, const char* name)
{
    return FindChild<T>(d, name);
}
QComboBox* Combo(QWidget& d, const char* name)
{
    return Child<QComboBox>(d, name);
}
QCheckBox* Check(QWidget& d, const char* name)
{
    return Child<QCheckBox>(d, name);
}

// Every field the dialog may write, in one comparable list.
QVariantList Fields(const CUserProfile* p)
{
    return {p->LanguageId,        p->UseMulticore,     p->ProcessEnvCVLog, p->ShowProfiles, p->ShowStartupWizard,
            p->CheckNewAutoCheck, p->CheckNewInterval, p->MultipageWrite,  p->RawDemosaic,  p->RawWhiteBalance,
            p->RawHighlight,      p->ThemeId,          p->ContextualMenu,  p->MonitorLaunch};
}

QString IniPath()
{
    return QSettings(organization, application).fileName();
}
QByteArray IniBytes()
{
    QFile f(IniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestDialogSettings : public QObject
{
    Q_OBJECT
public slots:
    void OpenUrl(const QUrl& url) { m_urls << url; }

private slots:
    void initTestCase();
    void init();
    void emptyStoreShows();
    void helpFromEveryControl();
    void languageMessage_data();
    void languageMessage();
    void cancelEscapeCloseChangeNothing_data();
    void cancelEscapeCloseChangeNothing();
    void updateCheckList();
    void storeWrittenOnlyAtDestroy();
    void tabWidths();
    void tabIcons();

private:
    // Runs the dialog; `whileOpen` acts on it from inside exec().
    int Run(CSettings& dialog, const std::function<void()>& whileOpen);
    QList<QUrl> m_urls;
    BqTest::CModalDriver m_driver{
        [](QWidget* w, const BqTest::SModalSeen&) { return BqTest::CModalDriver::Press(w, "OK"); }};
};

void TestDialogSettings::initTestCase()
{
    CImageCache::GetInstance()->retina = CHardwareProfile::GetInstance()->IsRetina();
    QCOMPARE(CImageCache::GetInstance()->retina, qEnvironmentVariableIntValue("BQ_EXPECT_RETINA") == 1);
}

void TestDialogSettings::init()
{
    CUserProfile::DeleteInstance();
    QFile::remove(IniPath());
    CUserProfile::GetInstance()->ReadRegistrySettings();
    m_driver.Clear();
}

int TestDialogSettings::Run(CSettings& dialog, const std::function<void()>& whileOpen)
{
    return BqTest::RunWhileOpen(dialog, whileOpen, &m_driver);
}

void TestDialogSettings::emptyStoreShows()
{
    CSettings dialog;
    QCOMPARE(dialog.size(), QSize(500, 380));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.windowTitle(), QString("Settings"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(Child<QTabWidget>(dialog, "tabWidget")->currentIndex(), 0);
    QCOMPARE(Combo(dialog, "comboLang")->currentText(), QString("English"));
    QCOMPARE(Combo(dialog, "comboLang")->itemText(2), QString::fromUtf8("Fran\xc3\xa7"
                                                                        "ais"));
    QVERIFY(Check(dialog, "checkMulticore")->isChecked());
    QVERIFY(Check(dialog, "checkLog")->isChecked());
    QVERIFY(!Check(dialog, "checkShowProfiles")->isChecked());
    QVERIFY(Check(dialog, "checkStartupWizard")->isChecked());
    QVERIFY(Check(dialog, "checkCheckNew")->isChecked());
    QCOMPARE(Combo(dialog, "comboCheckNew")->currentText(), QString("Once a week"));
    QVERIFY(Combo(dialog, "comboCheckNew")->isEnabled());
    QCOMPARE(Combo(dialog, "comboLayerConfig")->currentText(),
             QString("Save each layer as a separate image (default)"));
    QCOMPARE(Combo(dialog, "comboDemosaic")->currentText(), QString("Auto, best algorithm for camera model (default)"));
    QCOMPARE(Combo(dialog, "comboWB")->currentText(), QString("Use camera's settings (default)"));
    QCOMPARE(Combo(dialog, "comboHighLight")->currentText(), QString("0 - Clip all (default)"));
    QCOMPARE(Combo(dialog, "comboHighLight")->count(), 10);
    QCOMPARE(Combo(dialog, "comboHighLight")->itemText(3), QString("3 - Reconstruct"));
    QCOMPARE(Combo(dialog, "comboHighLight")->itemText(9), QString("9 - Reconstruct"));
    QCOMPARE(Combo(dialog, "comboDemosaic")->count(), 5);
    QCOMPARE(Combo(dialog, "comboWB")->count(), 3);
    QCOMPARE(Child<QLabel>(dialog, "linkHelp")->text(),
             QString("<a href=\"mailto:support@brandquill.example?subject=Help With Translation\">"
                     "Help with translation</a>"));
}

void TestDialogSettings::helpFromEveryControl()
{
    QDesktopServices::setUrlHandler("https", this, "OpenUrl");
    m_urls.clear();
    CSettings dialog;
    int presses = 0;
    Run(dialog, [&] {
        for (const char* name : {"comboLang", "checkMulticore", "checkCheckNew", "comboCheckNew", "buttonOK",
                                 "tabWidget", "comboHighLight"}) {
            QWidget* w = Child(dialog, name);
            if (w == Child(dialog, "comboHighLight"))
                Child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_F1);
            ++presses;
        }
        dialog.reject();
    });
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(m_urls.size(), presses);
    for (const QUrl& url : m_urls)
        QCOMPARE(url.toString(),
                 QString("https://help.brandquill.example/help/index.html?user-interface_settings.htm"));
}

void TestDialogSettings::languageMessage_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("messages");
    QTest::newRow("Deutsch") << 1033 << QList<int>{1} << 1031 << 1;
    QTest::newRow("Japanese") << 1033 << QList<int>{4} << 1041 << 1;
    QTest::newRow("changed and back") << 1036 << QList<int>{1, 2} << 1036 << 0;
    QTest::newRow("same again") << 1040 << QList<int>{3} << 1040 << 0;
    QTest::newRow("outside the table") << 2052 << QList<int>() << 1033 << 1;
}

void TestDialogSettings::languageMessage()
{
    QFETCH(int, stored);
    QFETCH(QList<int>, choices);
    QFETCH(int, result);
    QFETCH(int, messages);
    CUserProfile::GetInstance()->LanguageId = stored;
    CSettings dialog;
    QString shown;
    const int r = Run(dialog, [&] {
        shown = Combo(dialog, "comboLang")->currentText();
        for (int c : choices)
            Combo(dialog, "comboLang")->setCurrentIndex(c);
        Child<QPushButton>(dialog, "buttonOK")->click();
    });
    QCOMPARE(r, 1);
    if (stored == 2052)
        QCOMPARE(shown, QString("English"));
    QCOMPARE(CUserProfile::GetInstance()->LanguageId, result);
    QCOMPARE(m_driver.Seen().size(), messages);
    if (messages) {
        QCOMPARE(m_driver.Seen()[0].className, QString("QMessageBox"));
        QCOMPARE(m_driver.Seen()[0].title, QString());
        QCOMPARE(m_driver.Seen()[0].text, QString("You need to restart Brandquill for the changes to take effect."));
        QCOMPARE(m_driver.Seen()[0].buttons, QStringList{"OK"});
    }
}

void TestDialogSettings::cancelEscapeCloseChangeNothing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close") << 2;
}

void TestDialogSettings::cancelEscapeCloseChangeNothing()
{
    QFETCH(int, how);
    const QVariantList before = Fields(CUserProfile::GetInstance());
    CSettings dialog;
    const int r = Run(dialog, [&] {
        Combo(dialog, "comboLang")->setCurrentIndex(1);
        for (const char* c : {"checkMulticore", "checkLog", "checkShowProfiles", "checkStartupWizard", "checkCheckNew"})
            Check(dialog, c)->click();
        for (const char* c : {"comboCheckNew", "comboLayerConfig", "comboDemosaic", "comboWB", "comboHighLight"})
            Combo(dialog, c)->setCurrentIndex(2);
        if (how == 0)
            Child<QPushButton>(dialog, "buttonCancel")->click();
        else if (how == 1)
            QTest::keyClick(Combo(dialog, "comboLang"), Qt::Key_Escape);
        else
            dialog.close();
    });
    QCOMPARE(r, 0);
    QCOMPARE(Fields(CUserProfile::GetInstance()), before);
    QVERIFY(m_driver.Seen().isEmpty());
}

void TestDialogSettings::updateCheckList()
{
    CSettings dialog;
    bool enabledAfter = true;
    Run(dialog, [&] {
        Combo(dialog, "comboCheckNew")->setCurrentIndex(3);
        QTest::mouseClick(Check(dialog, "checkCheckNew"), Qt::LeftButton, {}, QPoint(5, 5));
        enabledAfter = Combo(dialog, "comboCheckNew")->isEnabled();
        Child<QPushButton>(dialog, "buttonOK")->click();
    });
    QVERIFY(!enabledAfter);
    QCOMPARE(CUserProfile::GetInstance()->CheckNewAutoCheck, false);
    QCOMPARE(CUserProfile::GetInstance()->CheckNewInterval, 3);

    // Init sets the first state itself: a stored "off" starts disabled.
    CSettings again;
    QVERIFY(!Check(again, "checkCheckNew")->isChecked());
    QVERIFY(!Combo(again, "comboCheckNew")->isEnabled());
    QCOMPARE(Combo(again, "comboCheckNew")->currentIndex(), 3);
}

void TestDialogSettings::storeWrittenOnlyAtDestroy()
{
    // Indexes no list shows are kept, and written back unchanged.
    CUserProfile* p = CUserProfile::GetInstance();
    p->CheckNewInterval = 9, p->MultipageWrite = 5, p->RawHighlight = 42;
    const QByteArray before = IniBytes();
    CSettings dialog;
    QCOMPARE(Combo(dialog, "comboHighLight")->currentIndex(), -1);
    Run(dialog, [&] {
        Combo(dialog, "comboLang")->setCurrentIndex(1);
        Check(dialog, "checkShowProfiles")->click();
        Combo(dialog, "comboDemosaic")->setCurrentIndex(4);
        Child<QPushButton>(dialog, "buttonOK")->click();
    });
    QCOMPARE(IniBytes(), before);
    QCOMPARE(QVariantList({p->CheckNewInterval, p->MultipageWrite, p->RawHighlight}), QVariantList({9, 5, 42}));
    CUserProfile::DeleteInstance();
    QVERIFY(IniBytes().contains("[Settings]"));
    QVERIFY(IniBytes().contains("Settings.LanguageId=1031"));
    QSettings store(organization, application);
    QCOMPARE(store.value("Settings/Settings.ShowProfiles").toInt(), 1);
    QCOMPARE(store.value("Settings/Settings.RawDemosaic").toInt(), 4);
    QCOMPARE(store.value("Settings/Settings.UseMulticore").toInt(), 1);
    QCOMPARE(store.value("Settings/CheckNew.Interval").toInt(), 9);
    QCOMPARE(store.value("Settings/Settings.MultipageWrite").toInt(), 5);
    QCOMPARE(store.value("Settings/Settings.RawHighlight").toInt(), 42);
}

void TestDialogSettings::tabWidths()
{
    // Every test destroys a CTabWidgetEx; under BQ_SANITIZE a double free of
    // its bar would stop there.
    CSettings dialog;
    QTabBar* bar = Child<QTabWidget>(dialog, "tabWidget")->tabBar();
    QVERIFY(qobject_cast<CTabBarEx*>(bar));
    for (int i = 0; i < bar->count(); ++i)
        QVERIFY2(bar->tabRect(i).width() >= 125, qPrintable(bar->tabText(i)));

    // Unexpanded, as a tab widget lays out its bar at the bar's own size. A
    // short title is widened, a long one keeps its natural width, and the
    // height is never touched.
    const QString wide(40, QLatin1Char('W'));
    CTabBarEx ex;
    QTabBar plain;
    for (QTabBar* b : {static_cast<QTabBar*>(&ex), &plain}) {
        b->setExpanding(false);
        b->addTab("General");
        b->addTab(wide);
    }
    QVERIFY2(plain.tabRect(0).width() < 125, qPrintable(QString::number(plain.tabRect(0).width())));
    QCOMPARE(ex.tabRect(0).width(), 125);
    QCOMPARE(ex.tabRect(0).height(), plain.tabRect(0).height());
    QVERIFY(plain.tabRect(1).width() > 125);
    QCOMPARE(ex.tabRect(1).width(), plain.tabRect(1).width());
}

void TestDialogSettings::tabIcons()
{
    const bool retina = CImageCache::GetInstance()->retina;
    const QImage sheet = CImageCache::GetInstance()->GetAsset("Settings.png", false, retina);
    QCOMPARE(sheet.size(), retina ? QSize(128, 64) : QSize(64, 32));
    const int cell = retina ? 64 : 32;
    CSettings dialog;
    QTabWidget* tabs = Child<QTabWidget>(dialog, "tabWidget");
    QCOMPARE(tabs->iconSize(), QSize(32, 32));
    for (int tab = 0; tab < 2; ++tab) {
        const QIcon icon = tabs->tabIcon(tab);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(cell, cell)});
        QImage shown = icon.pixmap(QSize(cell, cell)).toImage().convertToFormat(QImage::Format_ARGB32);
        QImage expected = sheet.copy(tab * cell, 0, cell, cell).convertToFormat(QImage::Format_ARGB32);
        shown.setDevicePixelRatio(1);
        expected.setDevicePixelRatio(1);
        QCOMPARE(shown, expected);
    }
}

BQ_TEST_MAIN(TestDialogSettings)
#include "tst_dialog_settings.moc"
