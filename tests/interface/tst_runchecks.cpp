// The checks before a run on the real main window, the run counter and the
// share prompt, the refusal of job files during a run, the unattended rule
// and a script given at start, in process.
#include "BqTestMain.h"
#include "CProcessThread.h"
#include "CScripts.h"
#include "JobWindowSupport.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QFileOpenEvent>
#include <QTemporaryDir>
#include <QtTest>

using namespace JobWindow;

namespace
{
const QString kNoPhotos = "There are no photos to process.";
const QString kReady = "Ready to process 3 photos?";
const QString kNoFolder = "An output folder, for the edited photos, needs to be selected before processing (Step 3 > "
                          "Destination > Folder on My Computer)";
const QString kMissing = "The selected folder does not exist, do you want to create it now?";
const QString kDelete = "You have selected to delete the source photos after writing the modified ones. Continue?";
const QString kNoDestination =
    "No photo was processed: the destination is not one that Step 3 offers. Choose one in Step 3 > Destination.";
const QString kNoFlickr = "Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.";
// Every top-level widget that is shown, and whether it stays off the screen.
struct SShowSpy : QObject {
    QList<const void*> shown;
    QStringList onScreen;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow()) {
            shown.append(widget);
            if (!widget->testAttribute(Qt::WA_DontShowOnScreen))
                onScreen.append(widget->metaObject()->className());
        }
        return false;
    }
};
} // namespace

class TestRunChecks : public QObject
{
    Q_OBJECT
    QString m_startFolder = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }
    void init()
    {
        WindowTest::ResetStore();
        m_dir.reset(new QTemporaryDir);
    }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void checks_data()
    {
        QTest::addColumn<int>("photos");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("folderMode");
        // "" none, "missing" a missing nested folder, "file", "under a file", "flickr" upload there,
        // "upload only" the missing folder while nothing is kept on disk,
        // "linked" the missing folder named through link/.. with link -> out/z
        QTest::addColumn<QString>("dest");
        QTest::addColumn<bool>("disableNotifications");
        QTest::addColumn<bool>("deleteSource");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("runs");
        QTest::addColumn<bool>("folderMade");
        const QList<int> none;
        const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
        QTest::newRow("no photos") << 0 << false << 2 << "" << false << false << none << QStringList{kNoPhotos} << 0
                                   << false;
        QTest::newRow("no photos, silent")
            << 0 << true << 2 << "" << false << false << none << QStringList() << 0 << false;
        QTest::newRow("declined") << 3 << false << 2 << "" << false << false << QList<int>{no} << QStringList{kReady}
                                  << 0 << false;
        QTest::newRow("mode 2, no folder")
            << 3 << false << 2 << "" << false << false << none << QStringList{kReady} << 1 << false;
        QTest::newRow("mode 3, no folder")
            << 3 << true << 3 << "" << false << false << none << QStringList() << 1 << false;
        QTest::newRow("mode 0, no folder")
            << 3 << false << 0 << "" << false << false << none << QStringList{kReady, kNoFolder} << 0 << false;
        QTest::newRow("mode 0, no folder, silent")
            << 3 << true << 0 << "" << false << false << none << QStringList{kNoFolder} << 0 << false;
        QTest::newRow("missing, No") << 3 << false << 1 << "missing" << false << false << QList<int>{yes, no}
                                     << QStringList{kReady, kMissing} << 0 << false;
        QTest::newRow("missing, Yes") << 3 << false << 1 << "missing" << false << false << QList<int>{yes, yes}
                                      << QStringList{kReady, kMissing} << 1 << true;
        QTest::newRow("missing, Yes, under a file")
            << 3 << false << 1 << "under a file" << false << false << QList<int>{yes, yes}
            << QStringList{kReady, kMissing, "Could not create the output folder <dir>/out/a/b: not a directory."} << 0
            << false;
        QTest::newRow("a file") << 3 << false << 1 << "file" << false << false << QList<int>{yes}
                                << QStringList{kReady, "The output folder path names a file, not a folder:\n<dir>/out"}
                                << 0 << false;
        QTest::newRow("missing through a linked folder's ..")
            << 3 << false << 1 << "linked" << true << false << none << QStringList{kReady} << 1 << true;
        QTest::newRow("missing, upload only") << 3 << false << 1 << "upload only" << false << false << QList<int>{yes}
                                              << QStringList{kReady} << 1 << false;
        QTest::newRow("missing, notifications off")
            << 3 << false << 0 << "missing" << true << true << none << QStringList{kReady} << 1 << true;
        QTest::newRow("delete, Cancel") << 3 << false << 2 << "" << false << true << QList<int>{yes, cancel}
                                        << QStringList{kReady, kDelete} << 0 << false;
        QTest::newRow("delete, silent") << 3 << true << 2 << "" << false << true << none << QStringList() << 1 << false;
        QTest::newRow("flickr without a key")
            << 3 << false << 2 << "flickr" << false << false << none << QStringList{kNoFlickr} << 0 << false;
    }

    // Destination 5 builds no processing dialog: the checks, the counter, and
    // why nothing was processed.
    void checks()
    {
        QFETCH(int, photos);
        QFETCH(bool, silent);
        QFETCH(int, folderMode);
        QFETCH(QString, dest);
        QFETCH(bool, disableNotifications);
        QFETCH(bool, deleteSource);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, texts);
        QFETCH(int, runs);
        QFETCH(bool, folderMade);
        SRecorder recorder;
        auto window = Start(recorder);
        QStringList paths;
        for (int i = 0; i < photos; ++i)
            paths << ProcTest::MakeJpeg(m_dir->path() + QString("/p%1.jpg").arg(i), 64 + i, 48);
        if (dest.contains("file"))
            ProcTest::WriteAll(m_dir->path() + "/out", "x");
        if (dest == "linked")
            QVERIFY(QDir(m_dir->path()).mkpath("out/z") &&
                    QFile::link(m_dir->path() + "/out/z", m_dir->path() + "/link"));
        ProcTest::SetPhotos(paths);
        const QStringList sources = QDir(m_dir->path()).entryList(QDir::Files);
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->SilentRun = silent;
        profile->OutputFolderStruct = folderMode;
        const QString missing = m_dir->path() + "/out/a/b";
        profile->DestPath = dest == "file"                       ? m_dir->path() + "/out"
                            : dest.isEmpty() || dest == "flickr" ? QString()
                            : dest == "linked"                   ? m_dir->path() + "/link/../a/b"
                                                                 : missing;
        profile->DisableNotifications = disableNotifications;
        profile->DeleteSource = deleteSource;
        profile->Destination = dest == "flickr" ? 4 : 5;
        profile->SaveOnDiskFacebook = dest != "upload only";
        profile->HideProcessing = dest == "flickr"; // a run that starts closes by itself
        for (int answer : answers)
            recorder.answers << QMessageBox::StandardButton(answer);
        window->OnPanelConvert(true);
        texts.replaceInStrings("<dir>", m_dir->path());
        QCOMPARE(recorder.Texts(), runs ? texts + QStringList{kNoDestination} : texts);
        // The step-3 chooser follows the no-folder warning; cancelled, it ends.
        QCOMPARE(recorder.folderChoosers.size(), texts.contains(kNoFolder) ? 1 : 0);
        QCOMPARE(profile->RunCount, runs);
        QCOMPARE(QDir(missing).exists(), folderMade);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), sources);
        QVERIFY(!window->RunInProgress());
        for (const SAsked& one : recorder.asked) {
            if (one.text == kReady) {
                QCOMPARE(one.icon, QMessageBox::Question);
                QCOMPARE(one.defaultButton, QMessageBox::Yes);
            } else if (one.text == kDelete) {
                QCOMPARE(one.buttons, QMessageBox::Ok | QMessageBox::Cancel);
                QCOMPARE(one.defaultButton, QMessageBox::Ok);
            } else if (one.text != kMissing) {
                QCOMPARE(one.icon, QMessageBox::Warning);
                QCOMPARE(one.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            }
        }
    }

    void sharePrompt_data()
    {
        QTest::addColumn<int>("launches");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<int>("prompts");
        QTest::newRow("third start") << 2 << false << false << 1;
        QTest::newRow("fourth start") << 3 << false << false << 0;
        QTest::newRow("third start, silent") << 2 << true << false << 0;
        QTest::newRow("third start, hidden") << 2 << false << true << 0;
    }

    void sharePrompt()
    {
        QFETCH(int, launches);
        QFETCH(bool, silent);
        QFETCH(bool, hidden);
        QFETCH(int, prompts);
        WindowTest::ResetStore({{"Settings/LaunchCounter", launches}});
        SRecorder recorder;
        auto window = Start(recorder);
        ProcTest::SetPhotos({ProcTest::MakeJpeg(m_dir->path() + "/p.jpg", 64, 48)});
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->SilentRun = silent;
        profile->HideProcessing = hidden;
        profile->OutputFolderStruct = 2;
        profile->Destination = 5;
        window->OnPanelConvert(false);
        window->OnPanelConvert(false);
        QCOMPARE(recorder.dialogs.count("CDialogSocial"), prompts);
        QCOMPARE(profile->RunCount, 2);
    }

    // A profile opened while the processing dialog asks about an existing
    // output is refused; the run goes on with the job it started with, and
    // the same file opened afterwards loads.
    void refusalDuringRun()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        const QString out = m_dir->path() + "/out";
        ProcTest::ResetJob(out);
        QVERIFY(QDir().mkpath(out));
        ProcTest::SetPhotos({ProcTest::MakeJpeg(m_dir->path() + "/p.jpg", 64, 48)});
        ProcTest::WriteAll(out + "/p.jpg", "old");
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->HideProcessing = true;
        const QString other = m_dir->path() + "/other.bqf";
        {
            // A profile that would switch the output to PNG.
            const QString format = profile->OutputFormat;
            profile->OutputFormat = "PNG";
            CScripts(other).Save(CScripts::ModeProfile);
            profile->OutputFormat = format;
        }
        const QString title = window->windowTitle();
        int asked = 0;
        window->hooks.processHooks.askOverwrite = [&](QWidget*, QString&, int) {
            ++asked;
            QFileOpenEvent event(other);
            QApplication::sendEvent(qApp, &event);
            return int(AnswerYes);
        };
        window->OnPanelConvert(false);
        QCOMPARE(asked, 1);
        QCOMPARE(recorder.Texts(), QStringList{"Photos are being processed. The file was not opened:\n" + other});
        QVERIFY(window->JobFilePath().isEmpty());
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(ProcTest::ReadAll(out + "/p.jpg") != "old");
        QVERIFY(!QFile::exists(out + "/p.png"));
        QCOMPARE(profile->RunCount, 1);

        QFileOpenEvent again(other);
        QApplication::sendEvent(qApp, &again);
        QCOMPARE(window->JobFilePath(), other);
        QCOMPARE(profile->OutputFormat, QString("PNG"));
    }

    void scriptAtStartInProcess()
    {
        const QString temp = QDir::tempPath() + "/magick-old";
        QFile stale(temp);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        const QString out = m_dir->path() + "/out/a/b";
        QVERIFY(QDir().mkpath(m_dir->path() + "/src"));
        const QString photo = ProcTest::MakeJpeg(m_dir->path() + "/src/p.jpg", 64, 48);
        QFile script(m_dir->path() + "/job.bqs");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("<Script Version=\"1\" Mode=\"Silent\"><Images><Image Path=\"%1\" /></Images>"
                             "<Properties Class=\"Rename\"><Property Name=\"PresetRename\">1</Property></Properties>"
                             "<Properties Class=\"Output\"><Property Name=\"Destination\">1</Property>"
                             "<Property Name=\"DestPath\">%2</Property>"
                             "<Property Name=\"OutputFolderStruct\">0</Property></Properties>"
                             "<Properties Class=\"Format\"><Property Name=\"OutputFormat\">JPG</Property></Properties>"
                             "</Script>")
                         .arg(photo, out)
                         .toUtf8());
        script.close();
        SShowSpy spy;
        qApp->installEventFilter(&spy);
        SRecorder recorder;
        std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
        recorder.Attach(*window);
        window->hooks.unattended = true;
        // The pages (which join their threads) are gone before the exit.
        bool pagesGoneAtExit = false;
        MainWindow* raw = window.get();
        window->hooks.exitProcess = [&](int status) {
            recorder.exits << status;
            pagesGoneAtExit = !raw->Panel1() && !raw->Panel2() && !raw->Panel3();
        };
        window->StartLoadingFileWindows(script.fileName());
        window->show();
        QCOMPARE(recorder.exits, QList<int>{0});
        QVERIFY(pagesGoneAtExit);
        qApp->removeEventFilter(&spy);
        QVERIFY(!spy.shown.contains(window.get()));
        QVERIFY(!spy.shown.isEmpty());
        QCOMPARE(spy.onScreen, QStringList());
        QVERIFY(window->Ending());
        QVERIFY(QFile::exists(temp));
        CUserProfile* profile = CUserProfile::GetInstance();
        QVERIFY(profile->RunFromScript);
        QCOMPARE(profile->FilterFilename.preset, 1);
        // Named after the photo's folder.
        const QStringList outputs = QDir(out).entryList(QDir::Files);
        QCOMPARE(outputs.size(), 1);
        QVERIFY2(outputs[0].startsWith("src"), qPrintable(outputs[0]));
    }

    // With a display, a script whose run a check stopped did not do its job
    // either: the caller reads 2, as from a run without one.
    void scriptStoppedWithADisplay()
    {
        const QString photo = ProcTest::MakeJpeg(m_dir->path() + "/p.jpg", 64, 48);
        ProcTest::WriteAll(m_dir->path() + "/script.bqs",
                           QString("<Script Version=\"1\" Mode=\"Silent\"><Images><Image Path=\"%1\" /></Images>"
                                   "<Properties Class=\"Output\"><Property Name=\"Destination\">1</Property>"
                                   "<Property Name=\"DestPath\">%1/out</Property></Properties></Script>")
                               .arg(photo)
                               .toUtf8());
        SRecorder recorder;
        auto window = Start(recorder);
        window->hooks.unattended = false;
        window->StartLoadingFile(m_dir->path() + "/script.bqs");
        QCOMPARE(recorder.Texts().filter("Could not create the output folder").size(), 1);
        QCOMPARE(recorder.exits, QList<int>{2});
    }
};

BQ_TEST_MAIN(TestRunChecks)
#include "tst_runchecks.moc"
