// The end of a run that goes to e-mail, FTP or Flickr, against a recording
// uploader: what is handed over, the upload mode of the dialog, its log lines
// and file, closing, aborting, and which sources an upload-only run removes.
#include "BqTestMain.h"
#include "CProcessController.h"
#include "FakeUpload.h"
#include "MagickRuntime.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using namespace ProcTest;

class TestUploadHandOff : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StartMagickRuntime()); }
    void init();

    void ftpUpload_data();
    void ftpUpload();
    void flickrUpload();
    void abortUpload();
    void mailHandOff_data();
    void mailHandOff();
    void ftpSourceDeletion_data();
    void ftpSourceDeletion();
    void onlyWrittenFilesUploaded();
    void interruptedRunHandsNothing();
    void closing_data();
    void closing();

private:
    // `ownFolders`: each photo in a folder of its own below the source folder.
    QStringList Photos(int count, bool ownFolders = false);
    // Runs the dialog with a fresh FakeUpload; its calls are in m_calls.
    void Run(const std::function<void(CProcessController&)>& setUp = {});

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_src;
    SRecorder m_recorder;
    FakeUpload* m_fake = nullptr;
    QList<FakeUpload::SCall> m_calls;
    int m_uploadersMade = 0;
    std::function<void(CProcessController&, FakeUpload&)> m_onCall;
};

void TestUploadHandOff::init()
{
    m_tmp.reset(new QTemporaryDir);
    m_src = m_tmp->path() + "/src";
    QDir().mkpath(m_src);
    QDir(TempFolder()).removeRecursively();
    ResetJob(m_tmp->path() + "/out");
    QDir().mkpath(m_tmp->path() + "/out");
    QFile::remove(LogPath());
    m_recorder = SRecorder();
    m_fake = nullptr;
    m_calls.clear();
    m_uploadersMade = 0;
    m_onCall = nullptr;
}

QStringList TestUploadHandOff::Photos(int count, bool ownFolders)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString folder = ownFolders ? QStringLiteral("%1/f%2").arg(m_src).arg(i) : m_src;
        QDir().mkpath(folder);
        paths << MakeJpeg(QStringLiteral("%1/p%2.jpg").arg(folder).arg(i), 24 + i, 16, quint32(i + 1));
    }
    SetPhotos(paths);
    return paths;
}

void TestUploadHandOff::Run(const std::function<void(CProcessController&)>& setUp)
{
    CProcessController* current = nullptr;
    m_recorder.uploader = [this, &current]() -> CUploadBase* {
        ++m_uploadersMade;
        m_fake = new FakeUpload;
        m_fake->onCall = [this, &current](FakeUpload& fake) {
            if (m_onCall)
                m_onCall(*current, fake);
        };
        return m_fake;
    };
    CProcessController dialog(nullptr, m_recorder.Hooks());
    current = &dialog;
    if (setUp)
        setUp(dialog);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    // The dialog owns its uploader: keep what it saw.
    m_calls = m_fake ? m_fake->calls : QList<FakeUpload::SCall>();
    m_fake = nullptr;
    QVERIFY(!timedOut);
}

void TestUploadHandOff::ftpUpload_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QStringList>("connection");
    QTest::addColumn<QString>("remoteFolder");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("tail");
    const QString secret = EncryptString("secret");
    QTest::newRow("four sent") << 4 << "2121" << "" << 4 << false << QStringList{"127.0.0.1", "user", secret, "2121"}
                               << "/"
                               << QStringList{"Uploading (25%)", "Uploading (50%)", "Uploading (75%)",
                                              "Uploading (100%)"}
                               << "Time elapsed: 1:05.4s\r\n\r\n\r\nUploading to 127.0.0.1...\r\ndone\r\n"
                                  "Successfuly uploaded 4 picture(s).\r\n\r\nDeleting temporary files...\r\n\r\n"
                                  "Upload completed.\r\n\r\n----------\r\n\r\n";
    QTest::newRow("three sent, port not a number")
        << 3 << "abc" << "/in" << 3 << false << QStringList{"127.0.0.1", "user", secret, "0"} << "/in"
        << QStringList{"Uploading (33%)", "Uploading (67%)", "Uploading (100%)"}
        << "done\r\nSuccessfuly uploaded 3 picture(s).\r\n\r\nDeleting temporary files...\r\n\r\nUpload completed.";
    QTest::newRow("none sent")
        << 2 << "21"
        << "/in" << 0 << false << QStringList{"127.0.0.1", "user", secret, "21"} << "/in" << QStringList{}
        << "\r\ndone\r\nUpload failed.\r\nTemporary files kept in ";
    QTest::newRow("kept on disk") << 2 << "21" << "/in" << 2 << true
                                  << QStringList{"127.0.0.1", "user", secret, "21"} << "/in"
                                  << QStringList{"Uploading (50%)", "Uploading (100%)"}
                                  << "done\r\nSuccessfuly uploaded 2 picture(s).\r\n\r\nUpload completed.\r\n\r\n---";
}

void TestUploadHandOff::ftpUpload()
{
    QFETCH(QString, port);
    QFETCH(QString, folder);
    QFETCH(QStringList, connection);
    QFETCH(QString, remoteFolder);
    QFETCH(QString, tail);
    QFETCH(int, photos);
    QFETCH(int, sent);
    QFETCH(bool, keep);
    QFETCH(QStringList, titles);
    Photos(photos);
    CUserProfile* p = CUserProfile::GetInstance();
    p->Destination = 3;
    p->HideProcessing = true;
    p->SaveOnDiskFTP = keep;
    p->FTPPort = port;
    p->FTPFolder = folder;
    m_recorder.clock = 0;
    QStringList uploadMode;
    QStringList seenTitles;
    QString speedText;
    bool openBeforeFinish = false;
    m_onCall = [&](CProcessController& dialog, FakeUpload& fake) {
        const auto* bar = Child<QProgressBar>(dialog, "progressBar");
        uploadMode << Child<QPushButton>(dialog, "buttonOKCancel")->text() << dialog.windowTitle()
                   << Child<QLabel>(dialog, "textProgressCount")->text() << Child<QLabel>(dialog, "textTime")->text()
                   << QStringLiteral("%1..%2").arg(bar->minimum()).arg(bar->maximum());
        connect(&dialog, &QWidget::windowTitleChanged, [&](const QString& title) { seenTitles << title; });
        for (int i = 0; i < sent; ++i)
            fake.Sent(i == 0 ? 12.7 : 0.0);
        QTimer::singleShot(0, &dialog, [&dialog, &fake, &openBeforeFinish, &speedText, sent] {
            openBeforeFinish = dialog.isVisible();
            speedText = Child<QLabel>(dialog, "textTime")->text();
            fake.Finish(sent, "done");
        });
    };
    bool endedWell = false;
    Run([&](CProcessController& dialog) {
        m_recorder.clock = 65432;
        connect(&dialog, &QDialog::finished, [&] { endedWell = dialog.EndedWell(); });
    });

    QCOMPARE(m_calls.size(), 2);
    QCOMPARE(m_calls[0].name, QString("ConnectFTP"));
    QCOMPARE(m_calls[0].connection, connection);
    const FakeUpload::SCall& upload = m_calls[1];
    QCOMPARE(upload.name, QString("UploadFTP"));
    QCOMPARE(upload.folder, remoteFolder);
    QCOMPARE(p->FTPFolder, upload.folder);
    QCOMPARE(upload.deleteWhenDone, !keep);
    QCOMPARE(upload.files.size(), photos);
    for (const QString& file : upload.files)
        QCOMPARE(QFileInfo(file).path().section('/', 0, keep ? -1 : -2), keep ? m_tmp->path() + "/out" : TempFolder());
    QCOMPARE(uploadMode, (QStringList{"Cancel", "Uploading (0%)", QStringLiteral("0 / %1").arg(photos), "",
                                      QStringLiteral("0..%1").arg(photos)}));
    QCOMPARE(seenTitles, titles);
    QCOMPARE(speedText, sent > 0 ? QString("12 KB/s") : QString());
    QVERIFY(openBeforeFinish);
    const QString file = QString::fromUtf8(ReadAll(LogPath()));
    QVERIFY2(file.contains(tail), qPrintable(file));
    QCOMPARE(file.contains("Successfuly uploaded"), sent > 0);
    QCOMPARE(endedWell, sent == photos);
}

void TestUploadHandOff::flickrUpload()
{
    Photos(2);
    CUserProfile::GetInstance()->Destination = 4;
    CUserProfile::GetInstance()->HideProcessing = true;
    QString screen;
    m_onCall = [&](CProcessController& dialog, FakeUpload& fake) {
        screen = Child<QTextEdit>(dialog, "editProcessLog")->toPlainText();
        fake.Finish(2, QString());
    };
    Run();
    QCOMPARE(m_calls.size(), 1);
    QCOMPARE(m_calls[0].name, QString("UploadFlickr"));
    QCOMPARE(m_calls[0].files.size(), 2);
    QVERIFY(m_calls[0].deleteWhenDone);
    QVERIFY(screen.endsWith("\n\n\nUploading to Flickr..."));
    QVERIFY(QString::fromUtf8(ReadAll(LogPath())).contains("\r\n\r\n\r\nUploading to Flickr...\r\n"));
}

void TestUploadHandOff::abortUpload()
{
    Photos(1);
    CUserProfile::GetInstance()->Destination = 3;
    CUserProfile::GetInstance()->HideProcessing = true;
    m_recorder.yesNoAnswer = true;
    bool abortSeen = false;
    bool stillOpen = false;
    m_onCall = [&](CProcessController& dialog, FakeUpload& fake) {
        QTimer::singleShot(0, &dialog, [&] {
            dialog.reject();
            abortSeen = fake.abortRequest;
            stillOpen = dialog.isVisible();
            fake.Finish(0, "Upload interrupted by the user.");
        });
    };
    Run();
    QCOMPARE(m_recorder.questions, QStringList{"Upload not completed. Abort the operation?"});
    QVERIFY(abortSeen);
    QVERIFY(stillOpen);
    QVERIFY(QString::fromUtf8(ReadAll(LogPath())).contains("Upload interrupted by the user.\r\n"));
}

void TestUploadHandOff::mailHandOff_data()
{
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<QString>("renamed"); // the hand-off's lines after its own
    QTest::newRow("mail program took it") << true << "";
    QTest::newRow("mail program failed") << false << "";
    QTest::newRow("mail program failed, a photo renamed") << false << "\r\n/s/a.jpg attached as a (2).jpg: taken";
}

void TestUploadHandOff::mailHandOff()
{
    QFETCH(bool, handedOver);
    QFETCH(QString, renamed);
    const QStringList sources = Photos(3);
    CUserProfile* p = CUserProfile::GetInstance();
    p->Destination = 2;
    p->DeleteSource = true;
    p->HideProcessing = true;
    bool logBefore = true;
    bool endedWell = !handedOver;
    QString summary;
    m_onCall = [&](CProcessController& dialog, FakeUpload& fake) {
        connect(&dialog, &QDialog::finished, [&] {
            endedWell = dialog.EndedWell();
            summary = dialog.Summary();
        });
        logBefore = QFile::exists(LogPath());
        fake.mailResult = handedOver;
        fake.mailLog = (handedOver ? "Handed over." : "Kept in /k.") + renamed;
    };
    Run();
    QCOMPARE(m_calls.size(), 1);
    QCOMPARE(m_calls[0].name, QString("AddAttachments"));
    QCOMPARE(m_calls[0].files.size(), 3);
    QVERIFY(m_calls[0].deleteWhenDone);
    QVERIFY(!logBefore);
    QVERIFY(NewestRun().endsWith(QString("Time elapsed: 0.0s\r\n\r\n\r\n") +
                                 (handedOver ? "Handed over." : "Kept in /k.") + renamed));
    for (const QString& source : sources)
        QCOMPARE(QFile::exists(source), !handedOver);
    // A script's exit status reads it, and a failure's summary is the hand-off's.
    QCOMPARE(endedWell, handedOver);
    QCOMPARE(summary, handedOver ? QString("Process completed without errors.") : QString("Kept in /k."));
}

void TestUploadHandOff::ftpSourceDeletion_data()
{
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("rewritten"); // the first source, during the upload
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("mode"); // 1: the photos' folders mirrored in the run's temporary folder
    QTest::newRow("all sent") << 3 << false << 3 << 0;
    QTest::newRow("one missing") << 2 << false << 3 << 0;
    QTest::newRow("one rewritten after its read") << 3 << true << 3 << 0;
    QTest::newRow("one rewritten after its read, mail") << 3 << true << 2 << 0;
    QTest::newRow("all sent from three folders") << 3 << false << 3 << 1;
}

void TestUploadHandOff::ftpSourceDeletion()
{
    QFETCH(int, sent);
    QFETCH(bool, rewritten);
    QFETCH(int, destination);
    QFETCH(int, mode);
    const QStringList sources = Photos(3, mode == 1);
    CUserProfile* p = CUserProfile::GetInstance();
    p->OutputFolderStruct = mode;
    p->Destination = destination;
    p->DeleteSource = true;
    p->HideProcessing = true;
    bool endedWell = true;
    m_onCall = [&](CProcessController& dialog, FakeUpload& fake) {
        connect(&dialog, &QDialog::finished, [&] { endedWell = dialog.EndedWell(); });
        if (rewritten)
            WriteAll(sources[0], QByteArray("another picture"));
        if (destination == 3)
            fake.Finish(sent, QString());
    };
    Run();
    for (const QString& source : sources)
        QCOMPARE(QFile::exists(source), sent != 3 || (rewritten && source == sources[0]));
    // A source kept that was to go is a failure, as a photo not sent is.
    QCOMPARE(endedWell, sent == 3 && !rewritten);
    // Nothing is left of a run that sent everything: no file, no folder.
    QCOMPARE(QDir(TempFolder()).isEmpty(), destination == 3 && sent == 3);
    // A line of its own, after the upload's last.
    if (rewritten)
        QVERIFY(NewestRun().contains("\r\n - Source changed since it was read, left as it is " + sources[0] + "\r\n"));
}

void TestUploadHandOff::onlyWrittenFilesUploaded()
{
    const QString out = m_tmp->path() + "/out";
    const QStringList sources = Photos(3);
    MakeJpeg(out + "/p0.jpg", 8, 8);            // exists: answered No
    WriteAll(sources[1], QByteArray("broken")); // unreadable
    CUserProfile* p = CUserProfile::GetInstance();
    p->Destination = 3;
    p->SaveOnDiskFTP = true;
    p->HideProcessing = true;
    CListFilters::GetInstance()->filters = {KeepSizeResize()};
    m_onCall = [](CProcessController&, FakeUpload& fake) { fake.Finish(1, QString()); };
    Run();
    QCOMPARE(m_recorder.asked.size(), 1);
    QCOMPARE(m_calls.last().files, QStringList{out + "/p2.jpg"});
}

void TestUploadHandOff::interruptedRunHandsNothing()
{
    const QStringList sources = Photos(2);
    MakeJpeg(m_tmp->path() + "/out/p0.jpg", 8, 8);
    CUserProfile* p = CUserProfile::GetInstance();
    p->Destination = 3;
    p->SaveOnDiskFTP = true;
    p->HideProcessing = true;
    m_recorder.answerer = [](QWidget*, QString&, int) { return 0; };
    Run();
    QCOMPARE(m_uploadersMade, 0);
    QVERIFY(NewestRun().contains("Process interrupted by the user."));
}

void TestUploadHandOff::closing_data()
{
    QTest::addColumn<int>("destination");
    QTest::newRow("folder") << 1;
    QTest::newRow("e-mail") << 2;
    QTest::newRow("hidden destination") << 5;
}

void TestUploadHandOff::closing()
{
    QFETCH(int, destination);
    // OK during the run asks; No lets the run finish; OK after it closes.
    const QStringList sources = Photos(2);
    MakeJpeg(m_tmp->path() + "/out/p0.jpg", 8, 8);
    CUserProfile::GetInstance()->Destination = destination;
    CUserProfile::GetInstance()->SaveOnDiskMail = CUserProfile::GetInstance()->SaveOnDiskFacebook = true;
    m_recorder.answerer = [](QWidget* parent, QString&, int) {
        Child<QPushButton>(*parent, "buttonOKCancel")->click();
        return 1;
    };
    Run([](CProcessController& dialog) {
        connect(&dialog, &CProcessController::Panel2StartPreview, &dialog, [&dialog] {
            QTimer::singleShot(0, Child<QPushButton>(dialog, "buttonOKCancel"), &QPushButton::click);
        });
    });
    QCOMPARE(m_recorder.questions, QStringList{"Photo processing not completed. Abort the operation?"});
    const QString run = NewestRun();
    QVERIFY(run.contains(" - Processed and replaced " + sources[0]));
    QVERIFY(run.contains(" - Processed " + sources[1]));
}

BQ_TEST_MAIN(TestUploadHandOff)
#include "tst_uploadhandoff.moc"
