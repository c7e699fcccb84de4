// The job-file commands of the real main window: loading and saving
// profiles and scripts, New, Ctrl+S, the title, closing with changes and
// the open-file event. Boxes, choosers and dialogs go through the hooks.
#include "BqTestMain.h"
#include "CDialogProfileSave.h"
#include "CDialogSaveProject.h"
#include "CDialogTip.h"
#include "CScripts.h"
#include "FitToScreen.h"
#include "JobWindowSupport.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MainPanel2.h"
#include "ModalDriver.h"
#include "ProcessTestSupport.h"
#include "ResourceRoot.h"
#include "SignalCloser.h"
#include "StatesList.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QListWidget>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace JobWindow;

namespace
{
// A profile of the job as it stands, written as the program writes one.
QString WriteProfile(const QString& path, const QString& name = QString(), const QString& description = QString())
{
    CScripts writer(path);
    writer.ProfileHeader.Name = name;
    writer.ProfileHeader.Description = description;
    writer.Save(CScripts::ModeProfile);
    return path;
}

QByteArray HeaderBytes(const QByteArray& file)
{
    const int start = file.indexOf("<Properties Class=\"Profile\">");
    return file.mid(start, file.indexOf("</Properties>", start) - start);
}

void Change(MainWindow& window)
{
    window.Panel2()->changed = true;
    emit window.Panel2()->SignalChanges();
}
} // namespace

class TestJobCommands : public QObject
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

    void profileAtStart()
    {
        WindowTest::ResetStore({{"Settings/Settings.ShowProfiles", 1}});
        QVERIFY(QDir().mkpath(m_dir->path() + "/dir"));
        WriteProfile(m_dir->path() + "/dir/web.bqf");
        QDir::setCurrent(m_dir->path());
        SRecorder recorder;
        QStringList tipKeys;
        recorder.onDialog = [&](QDialog* dialog) {
            if (auto* tip = qobject_cast<CDialogTip*>(dialog))
                tipKeys << tip->tipKey + "|" + tip->tipText.left(32);
            return 1;
        };
        auto window = Start(recorder, "dir\\web.bqf");
        QCOMPARE(window->JobFilePath(), m_dir->path() + "/dir/web.bqf");
        QCOMPARE(window->JobKind(), 2);
        // The tip only: no profile browser was offered.
        QCOMPARE(recorder.dialogs, QStringList{"CDialogTip"});
        QCOMPARE(tipKeys, QStringList{"MainWindow.ShowTipAfterProfile|Now just add your photos in Step"});
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill - web"));
        QTRY_VERIFY(!window->findChild<QAction*>("actionUndo")->isEnabled());
    }

    void failedLoadsChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        // The reader's reason follows the message.
        QTest::newRow("corrupt profile") << "bad.bqf"
                                         << "Could not load profile.\nThe job file is not a well-formed XML document.";
        QTest::newRow("corrupt script") << "bad.bqs"
                                        << "Could not load script.\nThe job file is not a well-formed XML document.";
    }

    void failedLoadsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        SRecorder recorder;
        auto window = Start(recorder);
        const QString good = WriteProfile(m_dir->path() + "/good.bqf");
        window->StartLoadingFile(good);
        CListFilters::GetInstance()->filters = {ProcTest::KeepSizeResize(), ProcTest::KeepSizeResize(),
                                                ProcTest::KeepSizeResize()};
        window->RefreshPanels();
        auto* filterView = window->Panel2()->findChild<QListWidget*>("listFilters");
        QCOMPARE(filterView->count(), 3);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill - good"));
        const int states = CStatesList::GetInstance()->GetCount();
        ProcTest::SetPhotos({"/x/a.jpg", "/x/b.jpg"});
        QFile bad(m_dir->path() + "/" + name);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("<Prof");
        bad.close();
        recorder.asked.clear();
        window->StartLoadingFile(bad.fileName());
        QCOMPARE(recorder.Texts(), QStringList{message});
        QCOMPARE(CListFilters::GetInstance()->filters.size(), 3);
        QCOMPARE(filterView->count(), 3);
        QCOMPARE(CListImages::GetInstance()->images.size(), 2);
        QCOMPARE(window->JobFilePath(), good);
        QCOMPARE(window->JobKind(), 2);
        QCOMPARE(CStatesList::GetInstance()->GetCount(), states);
        QCOMPARE(recorder.exits, QList<int>());
        QTest::qWait(0);
        QCOMPARE(window->windowTitle(), QString("Brandquill - good"));
    }

    void saveProfileAs()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        CUserProfile::GetInstance()->BuiltInProfileLoaded = true;
        const QString folder = GetMyDocuments() + "/Brandquill/Profiles/";
        recorder.chosen << m_dir->path() + "/myjob";
        QString preset;
        recorder.onDialog = [&](QDialog* dialog) {
            auto* properties = qobject_cast<CDialogProfileSave*>(dialog);
            if (!properties)
                return 0;
            preset = properties->ProfileName;
            properties->ProfileName = "Web";
            return 1;
        };
        Change(*window);
        window->OnCtrlS();
        QCOMPARE(recorder.choosers, QStringList{"Save Profile As|" + folder + "profile|Profile Files (*.bqf)|bqf"});
        QCOMPARE(preset, QString("myjob"));
        QVERIFY(QFile::exists(m_dir->path() + "/myjob.bqf"));
        QCOMPARE(window->JobKind(), 2);
        QCOMPARE(window->JobName(), QString("Web"));
        QVERIFY(!CUserProfile::GetInstance()->BuiltInProfileLoaded);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill - Web"));
    }

    void saveScriptAs_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("title");
        QTest::newRow("no extension") << "nightly"
                                      << "nightly.bqs"
                                      << "Brandquill - nightly";
        QTest::newRow("other extension") << "nightly.txt"
                                         << "nightly.txt.bqs"
                                         << "Brandquill - nightly.txt";
        QTest::newRow("its extension") << "x.bqs"
                                       << "x.bqs"
                                       << "Brandquill - x";
        QTest::newRow("dots in the name") << "x.y.bqs"
                                          << "x.y.bqs"
                                          << "Brandquill - x.y";
    }

    void saveScriptAs()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(QString, title);
        SRecorder recorder;
        auto window = Start(recorder);
        recorder.chosen << m_dir->path() + "/" + answer;
        QVERIFY(QDir().mkpath(m_dir->path() + "/dir.bqs"));
        for (int i = 0; i < 5; ++i)
            Change(*window);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill*"));
        window->findChild<QAction*>("actionSave_Script_As")->trigger();
        const bool saved = !written.isEmpty();
        QCOMPARE(recorder.Texts(), saved ? QStringList() : QStringList{"Could not save script."});
        QCOMPARE(window->JobKind(), saved ? 3 : 0);
        QCOMPARE(window->JobFilePath(), saved ? m_dir->path() + "/" + written : QString());
        QCOMPARE(window->Panel2()->changed, !saved);
        QTest::qWait(0);
        QTRY_COMPARE(window->windowTitle(), title);
        QVERIFY(QDir(GetMyDocuments() + "/Brandquill/Scripts").exists());
    }

    void ctrlSRows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("builtIn");
        QTest::addColumn<bool>("viaSaveProfile");
        QTest::addColumn<bool>("opensSaveAs");
        QTest::addColumn<bool>("rewrites");
        QTest::newRow("nothing loaded, no change") << 0 << false << false << false << true << false;
        QTest::newRow("profile, no change") << 2 << false << false << false << false << false;
        QTest::newRow("built-in, changed") << 2 << true << true << false << true << false;
        QTest::newRow("profile, changed") << 2 << true << false << false << false << true;
        QTest::newRow("script, changed") << 3 << true << false << false << false << true;
        QTest::newRow("script, Save Profile") << 3 << true << false << true << true << false;
        QTest::newRow("profile, Save Profile") << 2 << true << false << true << false << true;
    }

    void ctrlSRows()
    {
        QFETCH(int, kind);
        QFETCH(bool, changed);
        QFETCH(bool, builtIn);
        QFETCH(bool, viaSaveProfile);
        QFETCH(bool, opensSaveAs);
        QFETCH(bool, rewrites);
        SRecorder recorder;
        auto window = Start(recorder);
        const QString path = m_dir->path() + (kind == 3 ? "/job.bqs" : "/job.bqf");
        if (kind == 3) {
            recorder.chosen << path;
            window->on_actionSave_Script_As_triggered();
        } else if (kind == 2) {
            window->StartLoadingFile(WriteProfile(path, "my prof.v2", "Desc <&> 1\nline 2"));
        }
        const QByteArray header = HeaderBytes(ProcTest::ReadAll(path));
        QCOMPARE(window->JobKind(), kind);
        if (kind != 0)
            QVERIFY(QFile::remove(path));
        CUserProfile::GetInstance()->BuiltInProfileLoaded = builtIn;
        if (changed)
            Change(*window);
        recorder.choosers.clear();
        if (viaSaveProfile)
            window->findChild<QAction*>("actionSave_Profile")->trigger();
        else
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(recorder.choosers.size(), opensSaveAs ? 1 : 0);
        QCOMPARE(QFile::exists(path), rewrites);
        // Saved in place, a profile keeps the name and description it held.
        if (rewrites && kind == 2)
            QCOMPARE(HeaderBytes(ProcTest::ReadAll(path)), header);
    }

    void newResetsTheJob()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        window->StartLoadingFile(WriteProfile(m_dir->path() + "/p.bqf"));
        CUserProfile* profile = CUserProfile::GetInstance();
        const auto formats = [profile] {
            return QVariantList{profile->Quality,       profile->FileSize,      profile->PNGComp,  profile->Interlaced,
                                profile->CustomProfile, profile->JpegType,      profile->TiffType, profile->TiffAlg,
                                profile->PdfAlg,        profile->DefaultFormat, profile->FixedSize};
        };
        profile->Quality = 50;
        profile->FileSize = 7;
        profile->CustomProfile = "x.icc";
        profile->TiffType = 0;
        profile->DefaultFormat = "PNG";
        profile->FixedSize = true;
        profile->BuiltInProfileLoaded = true;
        recorder.asked.clear();
        window->findChild<QAction*>("actionNew")->trigger();
        QCOMPARE(recorder.Texts(), QStringList{"Your settings will be discarded. Continue?"});
        QCOMPARE(recorder.asked[0].defaultButton, QMessageBox::Yes);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill"));
        QCOMPARE(formats(), (QVariantList{88, 100, 1, 0, ResourceRoot() + "/sRGB.icm", 1, 2, 0, 0, "JPG", false}));
        QVERIFY(profile->BuiltInProfileLoaded);
        QCOMPARE(CStatesList::GetInstance()->GetCount(), 1);
        QCOMPARE(window->JobKind(), 0);
        window->OnCtrlS();
        QCOMPARE(recorder.choosers.size(), 1);
    }

    void undoRedoSettings()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        window->StartLoadingFile(WriteProfile(m_dir->path() + "/p.bqf"));
        QList<SImageRecord>& images = CListImages::GetInstance()->images;
        ProcTest::SetPhotos({"/x/a.jpg", "/x/b.jpg"});
        CStatesList::GetInstance()->SaveState(false);
        const int states = CStatesList::GetInstance()->GetCount();
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill - p"));
        window->on_actionUndo_triggered();
        QCOMPARE(images.size(), 0);
        QCOMPARE(CStatesList::GetInstance()->GetCount(), states);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill - p*"));
        window->on_actionRedo_triggered();
        QCOMPARE(images.size(), 2);
        QCOMPARE(images[1].path, QString("/x/b.jpg"));
        QTRY_VERIFY(!window->findChild<QAction*>("actionRedo")->isEnabled());
        window->on_actionUndo_triggered();
        QTRY_VERIFY(window->findChild<QAction*>("actionRedo")->isEnabled());
        CStatesList::GetInstance()->SaveState(false);
        QTRY_VERIFY(!window->findChild<QAction*>("actionRedo")->isEnabled());
        window->findChild<QAction*>("actionSettings")->trigger();
        QCOMPARE(recorder.dialogs.last(), QString("CSettings"));
    }

    // A store that refuses writes is told once, by its file; nothing is
    // lost in silence. A folder in the file's place refuses even root.
    void settingsThatCannotBeSaved()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        const QString file = QSettings(organization, application).fileName();
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        auto restore = qScopeGuard([file] { QDir(file).removeRecursively(); });
        CUserProfile::GetInstance()->UseMulticore = !CUserProfile::GetInstance()->UseMulticore;
        recorder.asked.clear();
        QVERIFY(window->close());
        window.reset();
        const QStringList told = recorder.Texts().filter(QDir::toNativeSeparators(file));
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().startsWith("The settings could not be saved to"), qPrintable(told.first()));
    }

    // The box of what a job file held otherwise than written stays on a
    // small screen, however many notes and however long their values; a
    // note that fits the screen's width is shown whole.
    void loadNotesFitTheScreen_data()
    {
        QTest::addColumn<QString>("filters");
        QTest::addColumn<QString>("whole");
        QTest::newRow("40 unknown filters") << QString("<Filter Id=\"9999\"/>").repeated(40) << QString();
        QTest::newRow("values of 2000 characters")
            << QString("<Filter Id=\"%1\"/>").arg(QString("no such filter ").repeated(130)).repeated(3) << QString();
        QTest::newRow("a note whole") << QString("<Filter Id=\"5040\"><Param Type=\"double\">7</Param></Filter>")
                                      << QString("Resize: Param Type 'double' is not known: left out");
    }

    void loadNotesFitTheScreen()
    {
        QFETCH(QString, filters);
        QFETCH(QString, whole);
        SetScreenRoom(QRect(0, 0, 640, 360)); // 1280 x 720 at 2x
        auto restore = qScopeGuard([] { SetScreenRoom(QRect()); });
        SRecorder recorder;
        auto window = Start(recorder);
        window->hooks.message = SMainWindowHooks().message;
        const QString path = m_dir->path() + "/notes.bqf";
        ProcTest::WriteAll(path, ("<Profile Version=\"1\"><Filters>" + filters + "</Filters></Profile>").toUtf8());
        QRect box;
        QString text;
        BqTest::CModalDriver driver([&box, &text](QWidget* shown, const BqTest::SModalSeen& seen) {
            if (seen.className == "QMessageBox") {
                box = shown->frameGeometry();
                text = seen.text;
            }
            return false;
        });
        driver.Arm();
        QVERIFY(window->LoadProfile(path));
        driver.Disarm();
        const QSize screen = ScreenRoom(window->screen()).size();
        QVERIFY2(box.width() <= screen.width() && box.height() <= screen.height() && !box.isEmpty(),
                 qPrintable(QString("%1 x %2").arg(box.width()).arg(box.height())));
        QVERIFY2(text.contains(whole.toHtmlEscaped()), qPrintable(text)); // the box shows rich text
    }

    // The real defaults of the hooks, driven once: the box's buttons and
    // default, the chooser's extension, and a dialog's own exec().
    void realHookDefaults()
    {
        SMainWindowHooks hooks;
        const QString folder = m_dir->path();
        BqTest::CModalDriver driver([folder](QWidget* window, const BqTest::SModalSeen& seen) {
            if (seen.className == "QMessageBox")
                return BqTest::CModalDriver::Press(window, "No");
            return seen.className == "QFileDialog" && BqTest::CModalDriver::ChooseFile(window, folder + "/script");
        });
        driver.Arm();
        QCOMPARE(hooks.message(nullptr, QMessageBox::Question, "Continue?", QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes),
                 QMessageBox::No);
        const QString chosen =
            hooks.saveFileName(nullptr, "Save Script As", m_dir->path() + "/script", "Script Files (*.bqs)", "bqs");
        QCOMPARE(chosen, m_dir->path() + "/script.bqs");
        CDialogSaveProject prompt;
        QCOMPARE(hooks.runDialog(&prompt), int(QDialog::Rejected));
        driver.Disarm();
        QCOMPARE(driver.Seen().size(), 3);
        QCOMPARE(driver.Seen()[0].buttons.size(), 2);
        QCOMPARE(driver.Seen()[2].className, QString("CDialogSaveProject"));
        QVERIFY(prompt.bCancel);
    }

    void closeMatrix_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("answer"); // message answer, or the prompt's flag 0 yes, 1 no, 2 cancel; -signal
        QTest::addColumn<bool>("pathInTheWay");
        QTest::addColumn<bool>("promptOff");
        QTest::addColumn<bool>("closes");
        QTest::newRow("profile, Cancel") << true << int(QMessageBox::Cancel) << false << false << false;
        QTest::newRow("profile, Escape") << true << int(QMessageBox::Escape) << false << false << false;
        QTest::newRow("profile, No") << true << int(QMessageBox::No) << false << false << true;
        QTest::newRow("profile, Yes, save fails") << true << int(QMessageBox::Yes) << true << false << false;
        QTest::newRow("profile, Yes") << true << int(QMessageBox::Yes) << false << false << true;
        QTest::newRow("no path, cancel") << false << 2 << false << false << false;
        QTest::newRow("no path, no") << false << 1 << false << false << true;
        QTest::newRow("no path, yes, chooser cancelled") << false << 0 << true << false << false;
        QTest::newRow("no path, yes, saved") << false << 0 << false << false << true;
        QTest::newRow("no path, prompt off") << false << 0 << false << true << true;
        QTest::newRow("profile, SIGTERM") << true << -SIGTERM << false << false << true;
        QTest::newRow("no path, SIGHUP") << false << -SIGHUP << false << false << true;
    }

    void closeMatrix()
    {
        QFETCH(bool, loaded);
        QFETCH(int, answer);
        QFETCH(bool, pathInTheWay);
        QFETCH(bool, promptOff);
        QFETCH(bool, closes);
        WindowTest::ResetStore(
            {{"Settings/MainWindow.WindowGeometry", QByteArray("seed")}, {"GUI/bShowSaveProject", promptOff ? 0 : 1}});
        SRecorder recorder;
        auto window = Start(recorder);
        const QString profile = m_dir->path() + "/p.bqf";
        if (loaded)
            window->StartLoadingFile(WriteProfile(profile));
        const QByteArray before = ProcTest::ReadAll(profile);
        Change(*window);
        recorder.answers << QMessageBox::StandardButton(answer);
        if (loaded && pathInTheWay) {
            QVERIFY(QFile::remove(profile));
            QVERIFY(QDir().mkpath(profile));
        }
        if (!loaded && !pathInTheWay)
            recorder.chosen << m_dir->path() + "/saved";
        recorder.onDialog = [&](QDialog* dialog) {
            if (auto* prompt = qobject_cast<CDialogSaveProject*>(dialog)) {
                if (promptOff)
                    return prompt->exec(); // returns at once, no flag set
                (answer == 0 ? prompt->bYes : answer == 1 ? prompt->bNo : prompt->bCancel) = true;
                return 1;
            }
            return 1; // the profile properties: OK
        };
        QCloseEvent event;
        if (answer < 0) {
            CSignalCloser closer(window.get());
            recorder.asked.clear();
            recorder.dialogs.clear();
            QDialog open(window.get());
            QTimer::singleShot(0, [answer] { ::raise(-answer); });
            QCOMPARE(open.exec(), int(QDialog::Rejected));
            QTRY_VERIFY(!window->isVisible());
            QVERIFY(recorder.asked.isEmpty() && recorder.dialogs.isEmpty());
            QVERIFY(WindowTest::StoreValue("Settings/MainWindow.WindowGeometry").toByteArray() != "seed");
            // The user's dialogs stay open again.
            QDialog later;
            QTimer::singleShot(200, &later, &QDialog::accept);
            QCOMPARE(later.exec(), int(QDialog::Accepted));
        } else
            QApplication::sendEvent(window.get(), &event);
        QCOMPARE(event.isAccepted(), closes);
        if (!closes)
            QCOMPARE(WindowTest::StoreValue("Settings/MainWindow.WindowGeometry").toByteArray(), QByteArray("seed"));
        if (loaded && (answer == QMessageBox::No || answer < 0))
            QCOMPARE(ProcTest::ReadAll(profile), before);
        if (loaded && pathInTheWay)
            QVERIFY(recorder.Texts().contains("Could not save profile."));
        if (!loaded && closes && answer == 0 && !promptOff)
            QVERIFY(QFile::exists(m_dir->path() + "/saved.bqf"));
        if (promptOff)
            QCOMPARE(recorder.choosers.size(), 0);
    }
};

BQ_TEST_MAIN(TestJobCommands)
#include "tst_jobcommands.moc"
