// Start-up and shutdown of the real main window: geometry, keys, the order of
// the start-up dialogs and of destruction, the temporary-file clean-up, the
// application object, the status bar, Undo/Redo, the title and a hidden run.
#include "BqTestMain.h"
#include "CProcessController.h"
#include "FitToScreen.h"
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

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <functional>
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

// 794 x 672 centred on the 800 x 600 test screen, which holds only 600 of
// its height: the window keeps to the screen with its frame (the offscreen
// platform's is 2 px a side), its least height giving way.
QRect FirstStart()
{
    return QRect(3, 2, 794, 596);
}

// Records whether a Hide event reached the watched widget.
struct SHideSpy : QObject {
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen = seen || event->type() == QEvent::Hide;
        return false;
    }
};
} // namespace

class TestMainWindowStartup : public QObject
{
    Q_OBJECT
    QString m_startFolder = QDir::currentPath();

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }
    void init()
    {
        ResetStore();
        SetScreenRoom(QRect());
    }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void firstStartAndKeys()
    {
        ResetStore({{"Settings/DownloadSourceName", "old"}});
        auto window = StartWindow();
        QCOMPARE(window->geometry(), FirstStart());
        QCOMPARE(
            window->minimumSize(),
            QSize(615, 640).expandedTo(window->layout()->totalMinimumSize()).boundedTo(QSize(QWIDGETSIZE_MAX, 596)));
        QCOMPARE(FirstStartGeometry(QRect(0, 0, 791, 599)), QRect(0, 0, 791, 599));
        QCOMPARE(FirstStartGeometry(QRect(0, 30, 1920, 1170)), QRect(563, 279, 794, 672));
        QCOMPARE(window->windowTitle(), QString("Brandquill"));
        auto* pages = window->findChild<QStackedWidget*>("tabWidget");
        QStringList names;
        for (int i = 0; i < pages->count(); ++i)
            names << pages->widget(i)->metaObject()->className() + QString(":") + pages->widget(i)->objectName();
        QCOMPARE(names.join(' '), QString("CMainPanel1:CMainPanel1 CMainPanel2:CMainPanel2 CMainPanel3:CMainPanel3 "
                                          "QWidget: QWidget:tabWidgetPage1 QWidget:tabWidgetPage2 "
                                          "QWidget:tabWidgetPage3"));
        QVERIFY(pages->currentIndex() == 0 && window->ToolBarActions().at(0)->isChecked());
        QCoreApplication::processEvents();
        QVERIFY(!window->findChild<QAction*>("actionUndo")->isEnabled());
        QVERIFY(!window->findChild<QAction*>("actionRedo")->isEnabled());
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
        QTemporaryDir tree, outside, empty;
        QDir(tree.path()).mkpath("sub/ref=abc");
        QDir(outside.path()).mkpath("ref=evil");
        QVERIFY(QFile::link(outside.path(), tree.path() + "/link"));
        QCOMPARE(FindDownloadSource(tree.path()), QString("abc"));
        QDir(empty.path()).mkpath("a/b");
        QCOMPARE(FindDownloadSource(empty.path()), QString());
    }

    // The test screen is 800 x 600: a stored window that does not fit comes
    // back shrunk and moved onto it, one mostly off it at the first start.
    void restartAndCorruptGeometry_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("restored"); // empty: the first start
        QTest::newRow("on screen") << QRect(20, 2, 760, 596) << QRect(20, 2, 760, 596);
        QTest::newRow("title bar above the screen") << QRect(20, 0, 760, 596) << QRect(20, 2, 760, 596);
        QTest::newRow("right edge off screen") << QRect(500, 2, 760, 596) << QRect(38, 2, 760, 596);
        QTest::newRow("below the screen") << QRect(20, 300, 760, 596) << QRect(20, 2, 760, 596);
        QTest::newRow("far off, very wide") << QRect(-29490, 0, 32767, 600) << QRect();
        QTest::newRow("beyond the left edge") << QRect(-750, 0, 760, 600) << QRect();
        QTest::newRow("taller than the screen") << QRect(20, -80, 760, 900) << QRect(20, 2, 760, 596);
    }

    void restartAndCorruptGeometry()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, restored);
        auto window = StartWindow();
        window->setGeometry(stored);
        QVERIFY(window->close());
        QVERIFY(StoreValue("Settings/MainWindow.WindowGeometry").isValid());
        QVERIFY(StoreValue("Settings/MainWindow.WindowState").isValid());
        window = StartWindow();
        QCOMPARE(window->geometry(), restored.isEmpty() ? FirstStart() : restored);
        QCOMPARE(StoreValue("Settings/LaunchCounter").toInt(), 2);
        window.reset();
        ResetStore({{"Settings/MainWindow.WindowGeometry", QByteArray::fromHex("8f03a1c44e2b77d0193e5a6cb2f0d841")}});
        window = StartWindow();
        QCOMPARE(window->geometry(), FirstStart());
    }

    // Whatever the style's menu, toolbar and status bar take, the step pages
    // keep their minimum height where the screen has room; the width and place
    // stay as given.
    void stepPagesFullHeight_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("room"); // empty: the test screen's
        QTest::newRow("first start") << 1033 << QRect() << QRect();
        QTest::newRow("first start, Japanese") << 1041 << QRect() << QRect();
        QTest::newRow("restored at the least height") << 1033 << QRect(20, 2, 760, 640) << QRect();
        QTest::newRow("first start, German, 1366 x 768") << 1031 << QRect() << QRect(0, 0, 1366, 768);
    }

    void stepPagesFullHeight()
    {
        QFETCH(int, language);
        QFETCH(QRect, saved);
        QFETCH(QRect, room);
        SetScreenRoom(room);
        ResetStore({{"Settings/Settings.LanguageId", language}});
        if (saved.isValid()) {
            auto first = StartWindow();
            first->setGeometry(saved);
            QVERIFY(first->close());
        }
        auto window = StartWindow();
        QTest::qWait(400); // the second fit, once framed
        const QRect expected = saved.isValid() ? saved : FirstStart();
        if (room.isValid()) {
            // Centred on the size its texts gave it.
            const QRect frame = window->frameGeometry();
            QVERIFY2(qAbs(frame.left() + frame.right() - room.width() + 1) <= 1,
                     qPrintable(QString::number(frame.left())));
        } else {
            QCOMPARE(window->geometry().topLeft(), expected.topLeft());
            QCOMPARE(window->width(), expected.width());
        }
        auto* pages = window->findChild<QStackedWidget*>("tabWidget");
        for (int step = 0; step < 3; ++step) {
            window->ChangePanel(step);
            QWidget* page = pages->currentWidget();
            // The part of the page inside the window's middle; the page's own
            // scroll area hides it from visibleRegion().
            const int shown = QRect(page->mapTo(window.get(), QPoint()), page->size())
                                  .intersected(window->centralWidget()->geometry())
                                  .height();
            // A screen too short for them holds the whole window instead, and
            // the pages take all the height it leaves.
            const QRect screen = ScreenRoom(nullptr);
            QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(QString("step %1").arg(step + 1)));
            QVERIFY2(shown >= page->minimumHeight() ||
                         (window->frameGeometry().height() == screen.height() && shown == pages->height()),
                     qPrintable(QString("step %1: %2 px").arg(step + 1).arg(shown)));
        }
    }

    void shutdownOrder()
    {
        auto window = StartWindow();
        QStringList order;
        const QList<QObject*> watched = {window->Panel1(), window->Panel2(), window->Panel3(),
                                         CUserProfile::GetInstance()};
        for (QObject* object : watched)
            connect(object, &QObject::destroyed, [&, object] { order << QString::number(watched.indexOf(object)); });
        window.reset();
        QCOMPARE(order.join(""), QString("0123"));
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
        QCOMPARE(seen[0].className + "|" + seen[0].title + "|" + seen[0].text,
                 QString("QMessageBox||You need to restart Brandquill for the changes to take effect."));
        QVERIFY(!seen[0].mainWindowVisible);
        QCOMPARE(seen[1].className + "|" + seen[1].title + "|" + seen[1].parentClass,
                 QString("CWizardStart|Welcome to Brandquill|MainWindow"));
        QVERIFY(seen[1].mainWindowVisible);
        QCOMPARE(seen[2].className, QString("CDialogTip"));
        QCOMPARE(StoreValue("Settings/Settings.LanguageId").toInt(), 1033);
        window.reset();

        driver.Clear();
        QSettings store(organization, application);
        store.setValue("Settings/Settings.ShowStartupWizard", 0);
        store.setValue("Settings/CheckNew.AutoCheck", 0);
        store.sync();
        window = StartWindow(); // 1033 was kept: no warning
        window.reset();
        ResetStore({{"Settings/Settings.ShowStartupWizard", 1}});
        window = StartWindow("x.cvx"); // no wizard for this extension
        QTest::qWait(50);
        QCOMPARE(driver.Seen().size(), 0);
    }

    void staleTemporaryFilesOnly()
    {
        const QString temp = QDir::tempPath();
        QVERIFY(temp.startsWith(BqTest::TempHome()));
        QTemporaryDir outside;
        const QString target = outside.path() + "/magick-target";
        for (const QString& path :
             {temp + "/magick-old", temp + "/magick-new", temp + "/note.txt", temp + "/magick-foreign", target}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (!path.endsWith("magick-new"))
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-25 * 3600),
                                         QFileDevice::FileModificationTime));
        }
        QDir(temp).mkdir("magick-dir");
        QVERIFY(QFile::link(target, temp + "/magick-link"));
        const bool root = geteuid() == 0; // only root can hand a file to another owner
        if (root)
            QCOMPARE(::chown(qPrintable(temp + "/magick-foreign"), 65534, 65534), 0);
        else
            QFile::remove(temp + "/magick-foreign");

        auto window = StartWindow();
        QCOMPARE(QDir(temp).entryList({"magick-*", "note.txt"}, QDir::AllEntries | QDir::System, QDir::Name),
                 root ? QStringList({"magick-dir", "magick-foreign", "magick-link", "magick-new", "note.txt"})
                      : QStringList({"magick-dir", "magick-link", "magick-new", "note.txt"}));
        QVERIFY(QFile::exists(target));
    }

    void applicationObjectAndCommandLine()
    {
        auto window = StartWindow();
        QMessageBox box(QMessageBox::Information, "", "x", QMessageBox::Ok | QMessageBox::Cancel);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.testAttribute(Qt::WA_MacSmallSize));
        for (QAbstractButton* button : box.buttons())
            QVERIFY(button->testAttribute(Qt::WA_MacSmallSize));

        for (const QPair<QString, QString>& path : QList<QPair<QString, QString>>{
                 {"sub\\job.bqf", QDir::currentPath() + "/sub/job.bqf"}, {"/a\\b.bqf", "/a/b.bqf"}}) {
            MainWindow other(nullptr);
            other.StartLoadingFileWindows(path.first);
            QVERIFY(other.FilePending());
            QCOMPARE(other.JobFilePath(), path.second);
            QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        }
    }

    void statusBarFromThreads()
    {
        auto window = StartWindow();
        const QProgressBar& bar = window->PreviewProgressBar();
        const QLabel& label = window->PreviewStatusLabel();
        // Fixed widths; the heights take at least a line of their font.
        QCOMPARE(bar.maximumWidth(), 150);
        QCOMPARE(bar.minimumSize(), QSize(150, qMax(15, bar.minimumSizeHint().height())));
        QCOMPARE(label.minimumSize(), QSize(250, 15));
        QCOMPARE(label.maximumWidth(), 250);
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
            return bar.isVisible() && label.isVisible();
        };
        QVERIFY(post("Reading", 40));
        QCOMPARE(bar.value(), 40);
        QCOMPARE(label.text(), QString("Reading"));
        QVERIFY(bar.geometry().left() > label.geometry().right());
        QVERIFY(!post("", 50) && bar.isHidden() && label.isHidden());
        QVERIFY(!post("x", -1) && bar.isHidden() && label.isHidden());
        QVERIFY(post("Preview", 0));
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
        std::thread a(writer, QString("a")), b(writer, QString("b"));
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
        QAction* undo = window->findChild<QAction*>("actionUndo");
        QAction* redo = window->findChild<QAction*>("actionRedo");
        CStatesList* states = CStatesList::GetInstance();
        QStringList seen;
        const std::function<void()> save = [states] { states->SaveState(false); };
        const std::function<void()> back = [states] { states->Undo(); };
        const std::function<void()> forth = [states] { states->Redo(); };
        for (const std::function<void()>& step : {save, back, forth, back, save}) {
            step();
            QCoreApplication::processEvents();
            seen << QString("%1%2").arg(undo->isEnabled()).arg(redo->isEnabled());
        }
        QCOMPARE(seen.join(' '), QString("10 01 10 01 10"));

        const auto title = [&] {
            QCoreApplication::processEvents();
            return window->windowTitle();
        };
        emit window->Panel1()->SignalChanges();
        emit window->Panel3()->SignalChanges();
        QCOMPARE(window->windowTitle(), QString("Brandquill")); // queued
        QCOMPARE(title(), QString("Brandquill*"));
        window->Panel2()->UnsignalPanelChanged();
        QCOMPARE(title(), QString("Brandquill"));
        window->SetAppTitleExt("Trip*");
        emit window->Panel2()->SignalChanges();
        QCOMPARE(title(), QString("Brandquill - Trip*"));
        emit window->Panel1()->UnsignalChanges();
        QCOMPARE(title(), QString("Brandquill - Trip"));
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
        SHideSpy spy;
        window->installEventFilter(&spy);
        {
            CProcessController dialog(window.get());
            bool timedOut = false;
            BqTest::ExecWithWatchdog(dialog, &timedOut);
            QVERIFY(!timedOut);
        }
        QVERIFY(spy.seen);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowOpacity(), 1.0);
        QCOMPARE(lastClosed.count(), 0);
    }
};

BQ_TEST_MAIN_APP(TestMainWindowStartup, NativeLookingApplication)
#include "tst_mainwindow_startup.moc"
