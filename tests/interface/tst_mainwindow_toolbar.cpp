// The wizard toolbar at the screen's scale, panel switching and its
// transition flag, the help and web actions, About, the manual update check,
// Show Log and Exit. Registered at scale 1, 2 and 3.
#include "BqTestMain.h"
#include "CRunLogFile.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWidgetAction>
#include <QtTest>

#include <memory>

using namespace WindowTest;

class TestMainWindowToolbar : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> window;
    QList<QUrl> opened;

    QList<bool> Checks() const
    {
        QList<bool> checks;
        for (QAction* action : window->ToolBarActions())
            checks << action->isChecked();
        return checks;
    }
    int Page() const { return window->findChild<QStackedWidget*>("tabWidget")->currentIndex(); }
    QAction* Action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    void Click(QAction* action)
    {
        qobject_cast<QToolButton*>(window->WizardToolBar()->widgetForAction(action))->click();
    }

    // The transition flag as each page sees it when it is shown.
    QList<bool> seenFlags;
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window pointer is already null while the pages are deleted.
        if (window && event->type() == QEvent::Show)
            seenFlags << window->PanelTransition();
        return false;
    }

public slots:
    void Open(const QUrl& url) { opened << url; }

private slots:
    void initTestCase()
    {
        qApp->setQuitOnLastWindowClosed(false);
        const QString home = BqTest::TempHome();
        QDir().mkpath(home + "/Home & #1/Documents");
        QFile dirs(home + "/.config/user-dirs.dirs");
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Home & #1/Documents\"\n");
        dirs.close();
        for (const char* scheme : {"http", "https", "file", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    void init()
    {
        ResetStore();
        window.reset(new MainWindow(nullptr));
        window->show();
        QCoreApplication::processEvents();
        opened.clear();
    }
    void cleanup() { window.reset(); }

    void toolbarLayoutAndIcons()
    {
        QToolBar* bar = window->WizardToolBar();
        QCOMPARE(bar->windowTitle(), QString("Wizard Steps"));
        QCOMPARE(bar->objectName(), QString("Wizard Steps"));
        QVERIFY(!bar->isMovable());
        QCOMPARE(window->toolBarArea(bar), Qt::TopToolBarArea);
        const QList<QAction*> actions = bar->actions();
        QCOMPARE(actions.size(), 8);
        QWidget* gap = qobject_cast<QWidgetAction*>(actions[0])->defaultWidget();
        QCOMPARE(gap->minimumSize(), QSize(32, 0));
        QCOMPARE(gap->maximumSize(), QSize(32, 0));
        for (int stretch : {1, 6})
            QCOMPARE(qobject_cast<QWidgetAction*>(actions[stretch])->defaultWidget()->sizePolicy().horizontalPolicy(),
                     QSizePolicy::Expanding);
        QStringList texts;
        for (int i : {2, 3, 4, 5, 7})
            texts << actions[i]->text() + ": " + actions[i]->toolTip();
        QCOMPARE(texts.join('\n'), QString("Add Photos: Step 1 - Add all the photos you want to edit\n"
                                           "Edit Photos: Step 2 - Set the graphic filters that will be applied on "
                                           "all selected photos\n"
                                           "Setup: Step 3 - Select the output path and image format for the edited "
                                           "photos\n"
                                           "Process: When you are ready select Process to have all your photos "
                                           "edited\n"
                                           "Help: Help"));

        const int scale = qMax(1, int(qApp->devicePixelRatio()));
        QImage sheet(scale == 1 ? ":/Icons-WizardSteps.png" : ":/Icons-WizardSteps@2x.png");
        sheet.setDevicePixelRatio(1); // compared pixel for pixel
        const int cell = scale == 1 ? 32 : 64;
        QCOMPARE(sheet.height(), cell);
        QCOMPARE(bar->iconSize(), QSize(64 / scale, 32));
        // Without high-DPI pixmaps the icon hands back its own pixmap unscaled.
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, false);
        for (int i = 0; i < 5; ++i) {
            const QImage icon = actions[i < 4 ? 2 + i : 7]->icon().pixmap(cell, cell).toImage();
            QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                     sheet.copy(i * cell, 0, cell, cell).convertToFormat(QImage::Format_ARGB32));
        }
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    }

    void switching()
    {
        for (QWidget* page : {(QWidget*)window->Panel1(), (QWidget*)window->Panel2(), (QWidget*)window->Panel3()})
            page->installEventFilter(this);

        const QList<bool> step1{true, false, false, false}, step2{false, true, false, false};
        window->ChangePanel(-1);
        window->ChangePanel(4);
        QCOMPARE(Page(), 0);
        QCOMPARE(Checks(), step1);

        Click(window->ToolBarActions()[1]);
        QCOMPARE(Page(), 1);
        QCOMPARE(Checks(), step2);
        Click(window->ToolBarActions()[1]);
        QCOMPARE(Checks(), step2);
        Click(window->ToolBarActions()[3]); // Process on step 2
        QCOMPARE(Page(), 1);
        QCOMPARE(Checks(), step2);
        Action("actionProcess")->trigger();
        QCOMPARE(Checks(), step2);
        QCOMPARE(seenFlags, QList<bool>{false});

        seenFlags.clear();
        Action("actionStep_1_Add_Photos")->trigger();
        Action("actionStep_2_Edit_Photos")->trigger();
        Action("actionStep_3_Setup")->trigger();
        QCOMPARE(Checks(), (QList<bool>{false, false, true, false}));
        Click(window->ToolBarActions()[0]);
        QCOMPARE(seenFlags, (QList<bool>{true, true, false, false}));
        QVERIFY(!window->PanelTransition());
    }

    void helpAndWebPages()
    {
        window->ChangePanel(1);
        const QUrl step2("https://help.brandquill.example/help/index.html?user-interface_step2_add-filters.htm");
        Click(window->WizardToolBar()->actions().last());
        QTest::keyClick(window.get(), Qt::Key_F1);
        QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier);
        Action("actionHelp_Manual")->trigger();
        QCOMPARE(opened, (QList<QUrl>{step2, step2, step2, step2}));
        QCOMPARE(Page(), 1);
        QCOMPARE(Checks(), (QList<bool>{false, true, false, false}));

        opened.clear();
        Action("actionHow_to_Resize_and_Rotate_Photos")->trigger();
        Action("actionOnline_Support")->trigger();
        Action("actionVisit_Our_Web_Site")->trigger();
        QCOMPARE(opened, (QList<QUrl>{QUrl("https://help.brandquill.example/help/"
                                           "index.html?tutorials_how-to-resize-and-rotate.htm"),
                                      QUrl("http://www.brandquill.example/support.html"),
                                      QUrl("http://www.brandquill.example/")}));
    }

    void aboutAndManualCheck()
    {
        BqTest::CModalDriver driver;
        driver.Arm();
        Action("actionAbout_Us")->trigger();
        QCOMPARE(driver.Seen().size(), 1);
        QCOMPARE(driver.Seen()[0].className + "|" + driver.Seen()[0].parentClass, QString("CDialogAbout|MainWindow"));
        QVERIFY(driver.Seen()[0].labels.contains("Version 1.0.0"));

        driver.Clear();
        Action("action_Check_for_New_Version")->trigger();
        const CCheckNew& checker = window->UpdateChecker();
        QVERIFY(checker.isModal());
        QVERIFY(!checker.automatic);
        QCOMPARE(checker.parentRect, window->geometry());
        QTRY_VERIFY(!driver.Seen().isEmpty() &&
                    driver.Seen().last().text == "Could not check for a new version. Please try again later.");
    }

    void showLogAndExit()
    {
        const QString log = CRunLogFile::ProcessingLogPath();
        QVERIFY(log.contains("/Home & #1/Documents/"));
        QDir().mkpath(QFileInfo(log).path());
        QFile file(log);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        BqTest::CModalDriver driver;
        driver.Arm();
        Action("actionShow_Log")->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(log)});
        QVERIFY(driver.Seen().isEmpty());

        QFile::remove(log);
        Action("actionShow_Log")->trigger();
        QCOMPARE(driver.Seen().size(), 1);
        QCOMPARE(driver.Seen()[0].text, QString("The log file will be created after the first processing session."));
        QCOMPARE(driver.Seen()[0].title, QString());

        Action("actionExit")->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(StoreValue("Settings/MainWindow.WindowGeometry").isValid());
    }
};

BQ_TEST_MAIN(TestMainWindowToolbar)
#include "tst_mainwindow_toolbar.moc"
