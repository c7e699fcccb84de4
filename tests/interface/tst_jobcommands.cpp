// The job-file commands of the real main window: loading and saving
// profiles and scripts, New, Ctrl+S, the title, closing with changes and
// the open-file event. Boxes, choosers and dialogs go through the hooks.
#include "BqTestMain.h"
#include "CDialogProfileSave.h"
#include "CDialogSaveProject.h"
#include "CDialogTip.h"
#include "CScripts.h"
#include "JobWindowSupport.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "ProcessTestSupport.h"
#include "ResourceRoot.h"
#include "StatesList.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileOpenEvent>
#include <QTemporaryDir>
#include <QtTest>

using namespace JobWindow;

namespace
{
// A profile of the job as it stands, written as the program writes one.
QString WriteProfile(const QString& path)
{
    CScripts writer(path);
    writer.Save(CScripts::ModeProfile);
    return path;
}

void Change(MainWindow& window)
{
    window.Panel2()->changed = true;
    emit window.Panel2()->SignalChanges();
}

int SaveAsDialogs(const SRecorder& recorder)
{
    return recorder.choosers.size();
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
        QTest::newRow("corrupt profile") << "bad.bqf"
                                         << "Could not load profile.";
        QTest::newRow("corrupt script") << "bad.bqs"
                                        << "Could not load script.";
    }

    void failedLoadsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        SRecorder recorder;
        auto window = Start(recorder);
        const QString good = WriteProfile(m_dir->path() + "/good.bqf");
        window->StartLoadingFile(good);
        CListFilters::GetInstance()->filters = QList<SFilterRecord>()
                                               << SFilterRecord() << SFilterRecord() << SFilterRecord();
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
        QCOMPARE(CListImages::GetInstance()->images.size(), 2);
        QCOMPARE(window->JobFilePath(), good);
        QCOMPARE(window->JobKind(), 2);
        QCOMPARE(CStatesList::GetInstance()->GetCount(), states);
        QCOMPARE(recorder.exits, QList<int>());
        QTest::qWait(0);
        QCOMPARE(window->windowTitle(), QString("Brandquill - good"));
    }

    void overwriteQuestionOnlyForSteps2And3_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<bool>("asks");
        QTest::newRow("photos only") << 1 << false;
        QTest::newRow("filters") << 2 << true;
        QTest::newRow("output") << 3 << true;
    }

    void overwriteQuestionOnlyForSteps2And3()
    {
        QFETCH(int, panel);
        QFETCH(bool, asks);
        SRecorder recorder;
        auto window = Start(recorder);
        (panel == 1   ? window->Panel1()->changed
         : panel == 2 ? window->Panel2()->changed
                      : window->Panel3()->changed) = true;
        recorder.answers << QMessageBox::No;
        window->StartLoadingFile(WriteProfile(m_dir->path() + "/p.bqf"));
        QCOMPARE(recorder.Texts().contains("Loading a profile will overwrite your settings. Continue?"), asks);
        QCOMPARE(window->JobKind(), asks ? 0 : 2);
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
        for (int i = 0; i < 5; ++i)
            Change(*window);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill*"));
        window->findChild<QAction*>("actionSave_Script_As")->trigger();
        QVERIFY(QFile::exists(m_dir->path() + "/" + written));
        QCOMPARE(window->JobKind(), 3);
        QCOMPARE(window->JobFilePath(), m_dir->path() + "/" + written);
        QTRY_COMPARE(window->windowTitle(), title);
        QVERIFY(QDir(GetMyDocuments() + "/Brandquill/Scripts").exists());
    }

    void failedSaveKeepsMarker()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        QVERIFY(QDir().mkpath(m_dir->path() + "/in-the-way.bqs"));
        recorder.chosen << m_dir->path() + "/in-the-way.bqs";
        Change(*window);
        window->on_actionSave_Script_As_triggered();
        QCOMPARE(recorder.Texts(), QStringList{"Could not save script."});
        QVERIFY(window->Panel2()->changed);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill*"));
        QCOMPARE(window->JobKind(), 0);
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
            window->StartLoadingFile(WriteProfile(path));
        }
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
        QCOMPARE(SaveAsDialogs(recorder), opensSaveAs ? 1 : 0);
        QCOMPARE(QFile::exists(path), rewrites);
    }

    void saveScriptWithoutChange()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        recorder.chosen << m_dir->path() + "/s.bqs";
        window->on_actionSave_Script_As_triggered();
        QVERIFY(QFile::remove(m_dir->path() + "/s.bqs"));
        window->on_actionSave_Script_triggered();
        QVERIFY(!QFile::exists(m_dir->path() + "/s.bqs"));
        QCOMPARE(recorder.choosers.size(), 1);
    }

    void newResetsTheJob()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        window->StartLoadingFile(WriteProfile(m_dir->path() + "/p.bqf"));
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->Quality = 50;
        profile->FileSize = 7;
        profile->PNGComp = 0;
        profile->Interlaced = 1;
        profile->CustomProfile = "x.icc";
        profile->JpegType = 3;
        profile->TiffType = 0;
        profile->TiffAlg = 2;
        profile->PdfAlg = 1;
        profile->DefaultFormat = "PNG";
        profile->FixedSize = true;
        profile->BuiltInProfileLoaded = true;
        recorder.asked.clear();
        window->findChild<QAction*>("actionNew")->trigger();
        QCOMPARE(recorder.asked.size(), 1);
        QCOMPARE(recorder.asked[0].text, QString("Your settings will be discarded. Continue?"));
        QCOMPARE(recorder.asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(recorder.asked[0].defaultButton, QMessageBox::Yes);
        QTRY_COMPARE(window->windowTitle(), QString("Brandquill"));
        QCOMPARE(profile->Quality, 88);
        QCOMPARE(profile->FileSize, qint64(100));
        QCOMPARE(profile->PNGComp, 1);
        QCOMPARE(profile->Interlaced, 0);
        QCOMPARE(profile->CustomProfile, ResourceRoot() + "/sRGB.icm");
        QCOMPARE(profile->JpegType, 1);
        QCOMPARE(profile->TiffType, 2);
        QCOMPARE(profile->TiffAlg, 0);
        QCOMPARE(profile->PdfAlg, 0);
        QCOMPARE(profile->DefaultFormat, QString("JPG"));
        QVERIFY(!profile->FixedSize);
        QVERIFY(profile->BuiltInProfileLoaded);
        QCOMPARE(CStatesList::GetInstance()->GetCount(), 1);
        QCOMPARE(window->JobKind(), 0);
        QVERIFY(window->JobFilePath().isEmpty());
        window->OnCtrlS();
        QCOMPARE(recorder.choosers.size(), 1);
    }

    void closeMatrix_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("answer"); // message answer, or the prompt's flag 0 yes, 1 no, 2 cancel
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
        const QByteArray before = ProfileBytes(profile);
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
        QApplication::sendEvent(window.get(), &event);
        QCOMPARE(event.isAccepted(), closes);
        if (!closes)
            QCOMPARE(WindowTest::StoreValue("Settings/MainWindow.WindowGeometry").toByteArray(), QByteArray("seed"));
        if (loaded && answer == QMessageBox::No)
            QCOMPARE(ProfileBytes(profile), before);
        if (loaded && pathInTheWay)
            QVERIFY(recorder.Texts().contains("Could not save profile."));
        if (!loaded && closes && answer == 0 && !promptOff)
            QVERIFY(QFile::exists(m_dir->path() + "/saved.bqf"));
        if (promptOff)
            QCOMPARE(recorder.choosers.size(), 0);
    }

    void openFileEvent()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        for (const char* name : {"p.BQF", "p.txt", "p"}) {
            QFileOpenEvent ignored(m_dir->path() + "/" + QLatin1String(name));
            QApplication::sendEvent(qApp, &ignored);
        }
        QCOMPARE(recorder.asked.size(), 0);
        QCOMPARE(window->JobKind(), 0);
        QVERIFY(window->JobFilePath().isEmpty());
        const QString profile = WriteProfile(m_dir->path() + "/p.bqf");
        QFileOpenEvent event(profile);
        QApplication::sendEvent(qApp, &event);
        QCOMPARE(window->JobFilePath(), profile);
        QCOMPARE(window->JobKind(), 2);
    }

    void undoRedoSettings()
    {
        SRecorder recorder;
        auto window = Start(recorder);
        window->StartLoadingFile(WriteProfile(m_dir->path() + "/p.bqf"));
        QList<SImageRecord>& images = CListImages::GetInstance()->images;
        const QList<SImageRecord> before = images;
        images << SImageRecord{"/x/a.jpg", "/x", "a", "jpg", 0} << SImageRecord{"/x/b.jpg", "/x", "b", "jpg", 1};
        CStatesList::GetInstance()->SaveState(false);
        QTRY_VERIFY(window->findChild<QAction*>("actionUndo")->isEnabled());
        const int states = CStatesList::GetInstance()->GetCount();
        window->on_actionUndo_triggered();
        QCOMPARE(images.size(), before.size());
        QCOMPARE(CStatesList::GetInstance()->GetCount(), states);
        window->on_actionRedo_triggered();
        QCOMPARE(images.size(), before.size() + 2);
        QCOMPARE(images.last().path, QString("/x/b.jpg"));
        window->findChild<QAction*>("actionSettings")->trigger();
        QCOMPARE(recorder.dialogs.last(), QString("CSettings"));
    }

private:
    static QByteArray ProfileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

BQ_TEST_MAIN(TestJobCommands)
#include "tst_jobcommands.moc"
