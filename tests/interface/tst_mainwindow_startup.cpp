// Start-up and shutdown of the real main window: geometry, keys, the order of
// the start-up dialogs and of destruction, the temporary-file clean-up, the
// application object, the status bar, Undo/Redo, the title and a hidden run.
#include "BqTestMain.h"
#include "CProcessController.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "NativeLookingApplication.h"
#include "ResourceRoot.h"
#include "StartupHousekeeping.h"
#include "StatesList.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <unistd.h>

using namespace WindowTest;

namespace
{
std::unique_ptr<MainWindow> StartWindow(const QString& pending = QString())
{
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    if (!pending.isEmpty())
        window->StartLoadingFileWindows(pending);
    window->show();
    return window;
}

QAction* Action(MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}
} // namespace

class TestMainWindowStartup : public QObject
{
    Q_OBJECT
    QString m_startFolder = QDir::currentPath();

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }
    void init() { ResetStore(); }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void firstStartAndKeys()
    {
        ResetStore({{"Settings/DownloadSourceName", "old"}});
        auto window = StartWindow();
        QCOMPARE(window->geometry(), QRect(3, -36, 794, 672));
        QCOMPARE(window->minimumSize(), QSize(615, 640));
        QCOMPARE(FirstStartGeometry(QRect(0, 0, 791, 599)).topLeft(), QPoint(-1, -36));
        QCOMPARE(window->windowTitle(), QString("Brandquill"));
        auto* pages = window->findChild<QStackedWidget*>("tabWidget");
        QCOMPARE(pages->count(), 7);
        QCOMPARE(pages->widget(0), window->Panel1());
        QCOMPARE(pages->widget(1), window->Panel2());
        QCOMPARE(pages->widget(2), window->Panel3());
        QCOMPARE(pages->widget(3)->objectName(), QString());
        QCOMPARE(pages->widget(4)->objectName(), QString("tabWidgetPage1"));
        QCOMPARE(pages->widget(6)->objectName(), QString("tabWidgetPage3"));
        QCOMPARE(pages->currentIndex(), 0);
        QVERIFY(window->ToolBarActions().at(0)->isChecked());
        QCoreApplication::processEvents();
        QVERIFY(!Action(*window, "actionUndo")->isEnabled());
        QVERIFY(!Action(*window, "actionRedo")->isEnabled());
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps));
        QVERIFY(!(window->windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(qgetenv("MAGICK_CONFIGURE_PATH"), ResourceRoot().toUtf8());

        QCOMPARE(StoreValue("Settings/LaunchCounter").toInt(), 1);
        QCOMPARE(CUserProfile::GetInstance()->LaunchCounter, 1);
        QCOMPARE(StoreValue("Settings/DownloadSourceName").toString(), QString());
        QVERIFY(!StoreValue("Settings/MainWindow.WindowGeometry").isValid());
        QVERIFY(!StoreValue("Settings/MainWindow.WindowState").isValid());
    }

    void downloadSourceMarker()
    {
        QTemporaryDir tree, outside;
        QDir(tree.path()).mkpath("sub/ref=abc");
        QDir(outside.path()).mkpath("ref=evil");
        QVERIFY(QFile::link(outside.path(), tree.path() + "/link"));
        QCOMPARE(FindDownloadSource(tree.path()), QString("abc"));
        QTemporaryDir empty;
        QDir(empty.path()).mkpath("a/b");
        QCOMPARE(FindDownloadSource(empty.path()), QString());
    }

    void restartAndCorruptGeometry()
    {
        auto window = StartWindow();
        window->setGeometry(20, 30, 700, 650);
        QVERIFY(window->close());
        QVERIFY(StoreValue("Settings/MainWindow.WindowGeometry").isValid());
        QVERIFY(StoreValue("Settings/MainWindow.WindowState").isValid());
        window.reset();
        window = StartWindow();
        QCOMPARE(window->geometry(), QRect(20, 30, 700, 650));
        QCOMPARE(StoreValue("Settings/LaunchCounter").toInt(), 2);
        window.reset();

        QByteArray noise(16, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), 4);
        ResetStore({{"Settings/MainWindow.WindowGeometry", noise}});
        window = StartWindow();
        QCOMPARE(window->geometry(), QRect(3, -36, 794, 672));
    }

    void shutdownOrder()
    {
        auto window = StartWindow();
        QStringList order;
        const QList<QPair<QObject*, QString>> watched = {{window->Panel1(), "panel 1"},
                                                         {window->Panel2(), "panel 2"},
                                                         {window->Panel3(), "panel 3"},
                                                         {CUserProfile::GetInstance(), "profile"}};
        for (const auto& entry : watched) {
            const QString name = entry.second;
            connect(entry.first, &QObject::destroyed, [&order, name] { order << name; });
        }
        window.reset();
        QCOMPARE(order, (QStringList{"panel 1", "panel 2", "panel 3", "profile"}));
        for (const QString& key : ApplicationKeys())
            QVERIFY2(StoreValue(key).isValid(), qPrintable(key));
    }

    void startupDialogsInOrder()
    {
        ResetStore({{"Settings/Settings.LanguageId", 1034},
                    {"Settings/Settings.ShowStartupWizard", 1},
                    {"Settings/CheckNew.AutoCheck", 1}});
        BqTest::CModalDriver driver;
        driver.Arm();
        auto window = StartWindow();
        QTRY_COMPARE(driver.Seen().size(), 3);
        const auto& seen = driver.Seen();
        QCOMPARE(seen[0].className, QString("QMessageBox"));
        QCOMPARE(seen[0].title, QString());
        QCOMPARE(seen[0].text, QString("You need to restart Brandquill for the changes to take effect."));
        QVERIFY(!seen[0].mainWindowVisible);
        QCOMPARE(seen[1].title, QString("Welcome to Brandquill"));
        QCOMPARE(seen[1].parentClass, QString("MainWindow"));
        QVERIFY(seen[1].mainWindowVisible);
        QCOMPARE(seen[2].className, QString("CDialogTip"));
        QCOMPARE(StoreValue("Settings/Settings.LanguageId").toInt(), 1033);
        window.reset();

        driver.Clear();
        QSettings(organization, application).setValue("Settings/Settings.ShowStartupWizard", 0);
        QSettings(organization, application).setValue("Settings/CheckNew.AutoCheck", 0);
        window = StartWindow(); // 1033 was kept: no warning
        QTest::qWait(50);
        QCOMPARE(driver.Seen().size(), 0);
        window.reset();

        ResetStore({{"Settings/Settings.ShowStartupWizard", 1}});
        window = StartWindow("x.cvx");
        QTest::qWait(50);
        QCOMPARE(driver.Seen().size(), 0);
    }

    void staleTemporaryFilesOnly()
    {
        const QString temp = QDir::tempPath();
        QVERIFY(temp.startsWith(BqTest::TempHome()));
        QTemporaryDir outside;
        const QString target = outside.path() + "/magick-target";
        const QStringList files = {"magick-old", "magick-new", "note.txt", "magick-foreign"};
        for (const QString& name : files + QStringList{target}) {
            QFile file(name.startsWith('/') ? name : temp + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (name != "magick-new")
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-25 * 3600),
                                         QFileDevice::FileModificationTime));
        }
        QDir(temp).mkdir("magick-dir");
        QVERIFY(QFile::link(target, temp + "/magick-link"));
        const bool root = geteuid() == 0;
        if (root)
            QCOMPARE(::chown(qPrintable(temp + "/magick-foreign"), 65534, 65534), 0);
        else
            QFile::remove(temp + "/magick-foreign");

        auto window = StartWindow();
        QVERIFY(!QFile::exists(temp + "/magick-old"));
        for (const char* kept : {"magick-new", "magick-dir", "magick-link", "note.txt"})
            QVERIFY2(QFileInfo(temp + "/" + kept).exists() || QFileInfo(temp + "/" + kept).isSymLink(), kept);
        QVERIFY(QFile::exists(target));
        QCOMPARE(QFile::exists(temp + "/magick-foreign"), root);
    }

    void applicationObjectSmallControls()
    {
        auto window = StartWindow();
        QMessageBox box(QMessageBox::Information, "", "x", QMessageBox::Ok | QMessageBox::Cancel);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.testAttribute(Qt::WA_MacSmallSize));
        for (QAbstractButton* button : box.buttons())
            QVERIFY(button->testAttribute(Qt::WA_MacSmallSize));
    }

    void commandLinePath_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");
        QTest::newRow("relative with backslash") << "sub\\job.bqf" << QDir::currentPath() + "/sub/job.bqf";
        QTest::newRow("absolute with backslash") << "/a\\b.bqf"
                                                 << "/a/b.bqf";
    }

    void commandLinePath()
    {
        QFETCH(QString, given);
        QFETCH(QString, stored);
        MainWindow window(nullptr);
        window.StartLoadingFileWindows(given);
        QVERIFY(window.FilePending());
        QCOMPARE(window.JobFilePath(), stored);
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    }

    void statusBarFromThreads()
    {
        auto window = StartWindow();
        const QProgressBar& bar = window->PreviewProgressBar();
        const QLabel& label = window->PreviewStatusLabel();
        QCOMPARE(bar.minimumSize(), QSize(150, 15));
        QCOMPARE(bar.maximumSize(), QSize(150, 15));
        QCOMPARE(label.minimumSize(), QSize(250, 15));
        QVERIFY(bar.isHidden() && label.isHidden());
        QCOMPARE(bar.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(window->statusBar()->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(window->statusBar()->contentsMargins(), QMargins(0, 0, 10, 0));

        CUserProfile* profile = CUserProfile::GetInstance();
        const auto post = [&](const QString& comment, int progress) {
            std::thread([&] {
                profile->SetPreviewProgress(progress);
                profile->SetPreviewComment(comment);
            }).join();
            QCoreApplication::processEvents();
        };
        post("Reading", 40);
        QVERIFY(bar.isVisible() && label.isVisible());
        QCOMPARE(bar.value(), 40);
        QCOMPARE(label.text(), QString("Reading"));
        QVERIFY(bar.geometry().left() > label.geometry().right());
        post("", 50);
        QVERIFY(bar.isHidden() && label.isHidden());
        post("x", -1);
        QVERIFY(bar.isHidden() && label.isHidden());
        post("Preview", 0);
        QVERIFY(bar.isVisible());
        QCOMPARE(bar.value(), 0);

        // Two writers at once: no crash, and the display ends on the last pair.
        std::atomic<int> finished{0};
        const auto writer = [&](const QString& prefix) {
            for (int i = 0; i < 10000; ++i) {
                profile->SetPreviewProgress(i % 100);
                profile->SetPreviewComment(prefix + QString::number(i));
            }
            ++finished;
        };
        std::thread a(writer, QString("a"));
        std::thread b(writer, QString("b"));
        while (finished < 2)
            QCoreApplication::processEvents();
        a.join();
        b.join();
        QCoreApplication::processEvents();
        int progress = -1;
        QString comment;
        profile->GetPreviewStatus(progress, comment);
        QCOMPARE(bar.value(), progress);
        QCOMPARE(label.text(), comment);
    }

    void undoRedoAndTitle()
    {
        auto window = StartWindow();
        QAction* undo = Action(*window, "actionUndo");
        QAction* redo = Action(*window, "actionRedo");
        CStatesList* states = CStatesList::GetInstance();
        const auto expect = [&](bool u, bool r) {
            QCoreApplication::processEvents();
            return undo->isEnabled() == u && redo->isEnabled() == r;
        };
        states->SaveState(false);
        QVERIFY(expect(true, false));
        states->Undo();
        QVERIFY(expect(false, true));
        states->Redo();
        QVERIFY(expect(true, false));
        states->Undo();
        states->SaveState(false);
        QVERIFY(expect(true, false));

        emit window->Panel1()->SignalChanges();
        emit window->Panel3()->SignalChanges();
        QCOMPARE(window->windowTitle(), QString("Brandquill")); // queued
        QCoreApplication::processEvents();
        QCOMPARE(window->windowTitle(), QString("Brandquill*"));
        window->Panel2()->UnsignalPanelChanged();
        QCoreApplication::processEvents();
        QCOMPARE(window->windowTitle(), QString("Brandquill"));
        window->SetAppTitleExt("Trip*");
        emit window->Panel2()->SignalChanges();
        QCoreApplication::processEvents();
        QCOMPARE(window->windowTitle(), QString("Brandquill - Trip*"));
        emit window->Panel1()->UnsignalChanges();
        QCoreApplication::processEvents();
        QCOMPARE(window->windowTitle(), QString("Brandquill - Trip"));
    }

    void hiddenRunRestoresWindow()
    {
        auto window = StartWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        CListImages::GetInstance()->images.clear();
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->HideProcessing = true;
        profile->ProcessEnvCVLog = false;
        profile->OpenOutputFolder = false;
        QSignalSpy lastClosed(qApp, &QApplication::lastWindowClosed);
        bool hidden = false;
        struct SHideSpy : QObject {
            bool* seen;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Hide)
                    *seen = true;
                return false;
            }
        } spy;
        spy.seen = &hidden;
        window->installEventFilter(&spy);
        {
            CProcessController dialog(window.get());
            bool timedOut = false;
            BqTest::ExecWithWatchdog(dialog, &timedOut);
            QVERIFY(!timedOut);
        }
        window->removeEventFilter(&spy);
        QVERIFY(hidden);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowOpacity(), 1.0);
        QCOMPARE(lastClosed.count(), 0);
    }
};

BQ_TEST_MAIN_APP(TestMainWindowStartup, NativeLookingApplication)
#include "tst_mainwindow_startup.moc"
