// The processing dialog driven headless: thread count and dealing, the run
// log and its file, progress and clock, pause and cancel, the overwrite
// handshake, hidden runs, the output folder and the image library's thread
// limit. Mid-run actions happen inside the answerer, while the workers wait.
#include "BqTestMain.h"
#include "CProcessController.h"
#include "CRunLogFile.h"
#include "FilterTypes.h"
#include "MagickRuntime.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <Magick++.h>

#include <cstdio>
#include <fcntl.h>
#include <future>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

using namespace ProcTest;

namespace
{
QString Screen(QWidget& dialog)
{
    return Child<QTextEdit>(dialog, "editProcessLog")->toPlainText();
}
// Closes an interactive dialog as soon as its run has ended.
void CloseAtEnd(CProcessController& dialog)
{
    QObject::connect(&dialog, &CProcessController::Panel2StartPreview, &dialog,
                     [&dialog] { QTimer::singleShot(0, &dialog, &CProcessController::reject); });
}
} // namespace

class TestProcessController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StartMagickRuntime()); }
    void init();

    void timeForms_data();
    void timeForms();
    void logFilePrepend_data();
    void logFilePrepend();
    void commonPath_data();
    void commonPath();
    void threadCount_data();
    void threadCount();
    void headerAndWholeLog();
    void routingAndEmptyList_data();
    void routingAndEmptyList();
    void formProgressAndPreviews();
    void pauseAndCancel_data();
    void pauseAndCancel();
    void answers_data();
    void answers();
    void dealingAndPositions();
    void handshakeStress();
    void repeatedHiddenRuns();
    void faultyPhotos();
    void customProfileMissing();
    void magickThreadLimit_data();
    void magickThreadLimit();
    void hiddenRunRestoresWindows_data();
    void hiddenRunRestoresWindows();
    void silentScriptRun();
    void outputFolder_data();
    void outputFolder();
    void logSwitches_data();
    void logSwitches();
    void showLogLinkEscaped();
    void logFileInTheWay();

private:
    QStringList Photos(int count, const QString& prefix = QStringLiteral("p"));
    // Outputs that exist before the run: small, so their size tells them apart.
    void PlaceOldOutputs(const QStringList& photos);
    int Run(SRecorder& recorder, const std::function<void(CProcessController&)>& setUp = {});

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_src;
    QString m_dest;
};

void TestProcessController::init()
{
    m_tmp.reset(new QTemporaryDir);
    m_src = m_tmp->path() + "/src";
    m_dest = m_tmp->path() + "/out";
    QDir().mkpath(m_src);
    QDir().mkpath(m_dest);
    ResetJob(m_dest);
    QFile::remove(LogPath());
}

QStringList TestProcessController::Photos(int count, const QString& prefix)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << MakeJpeg(QStringLiteral("%1/%2%3.jpg").arg(m_src, prefix).arg(i), 24 + i, 16 + i, quint32(i + 1));
    SetPhotos(paths);
    return paths;
}

void TestProcessController::PlaceOldOutputs(const QStringList& photos)
{
    for (const QString& photo : photos)
        MakeJpeg(m_dest + "/" + QFileInfo(photo).fileName(), 8, 8, 99);
}

int TestProcessController::Run(SRecorder& recorder, const std::function<void(CProcessController&)>& setUp)
{
    CProcessController dialog(nullptr, recorder.Hooks());
    CloseAtEnd(dialog);
    if (setUp)
        setUp(dialog);
    bool timedOut = false;
    const int result = ExecWithWatchdog(dialog, &timedOut);
    if (timedOut)
        qWarning("processing dialog timed out");
    return timedOut ? -1 : result;
}

void TestProcessController::timeForms_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("shortForm");
    QTest::addColumn<QString>("longForm");
    QTest::newRow("seconds") << qint64(5432) << "5.4s" << "00:05";
    QTest::newRow("minutes") << qint64(65432) << "1:05.4s" << "01:05";
    QTest::newRow("hours") << qint64(3723456) << "1:02:03.4s" << "01:02:03";
    QTest::newRow("below one second") << qint64(999) << "0.9s" << "00:00";
    QTest::newRow("zero") << qint64(0) << "0.0s" << "00:00";
    QTest::newRow("negative") << qint64(-5000) << "0.0s" << "00:00";
}

void TestProcessController::timeForms()
{
    QFETCH(QString, shortForm);
    QFETCH(QString, longForm);
    QFETCH(qint64, ms);
    QCOMPARE(CRunLogFile::TimeN2ShortS(ms), shortForm);
    QCOMPARE(CRunLogFile::TimeN2LongS(ms), longForm);
}

void TestProcessController::logFilePrepend_data()
{
    QTest::addColumn<QByteArray>("old"); // null: no file
    QTest::addColumn<bool>("folderInTheWay");
    QTest::addColumn<bool>("staleTmp");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");
    // Another run is rewriting the log as this one starts: it holds the log,
    // its ".tmp" half written.
    QTest::addColumn<bool>("otherRun");
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray run("Run \xC3\xA9\r\n");
    QTest::newRow("first run") << QByteArray() << false << false << true << bom + run << false;
    QTest::newRow("second run") << bom + "Old\r\n" << false << false << true << bom + run + "Old\r\n" << false;
    QTest::newRow("old without mark") << QByteArray("abcdef") << false << false << true << bom + run + "abcdef"
                                      << false;
    QTest::newRow("old shorter than a mark") << QByteArray("ab") << false << false << true << bom + run + "ab" << false;
    QTest::newRow("stale temporary file") << bom + "Old" << false << true << true << bom + run + "Old" << false;
    QTest::newRow("folder in the way") << bom + "Old" << true << false << false << bom + "Old" << false;
    QTest::newRow("another run rewriting it")
        << bom + "Old" << false << false << true << bom + run + "Other\r\nOld" << true;
}

void TestProcessController::logFilePrepend()
{
    QFETCH(bool, staleTmp);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, old);
    QFETCH(bool, folderInTheWay);
    QFETCH(bool, otherRun);
    const QString folder = m_tmp->path() + "/Docs/Brandquill";
    const QString path = folder + "/Brandquill.log";
    QDir().mkpath(folder);
    if (!old.isNull())
        WriteAll(path, old);
    if (folderInTheWay)
        QDir().mkpath(path + ".tmp/inner");
    if (staleTmp)
        WriteAll(path + ".tmp", "stale");

    int held = -1;
    QFile other(path + ".tmp");
    if (otherRun) {
        held = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        QCOMPARE(::flock(held, LOCK_EX), 0);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write(old.left(3) + "Other\r\n");
    }
    auto saved = std::async(std::launch::async,
                            [&] { return CRunLogFile::Prepend(path, QString::fromUtf8("Run \xC3\xA9\r\n")); });
    if (otherRun) {
        QThread::msleep(300);
        other.write(old.mid(3));
        other.close();
        std::rename(QFile::encodeName(other.fileName()).constData(), QFile::encodeName(path).constData());
        ::close(held);
    }
    QCOMPARE(saved.get(), ok);
    QCOMPARE(ReadAll(path), expected);
    const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList expectedLeft = folderInTheWay ? QStringList{"Brandquill.log", "Brandquill.log.tmp"}
                                                    : QStringList{"Brandquill.log"};
    QCOMPARE(left, expectedLeft);
}

void TestProcessController::commonPath_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("root");
    QTest::newRow("siblings") << QStringList{"/a/b/c", "/a/b/d"} << "/a/b";
    QTest::newRow("contained elsewhere") << QStringList{"/a/b", "/x/a/b/c"} << "";
    QTest::newRow("name prefix") << QStringList{"/a", "/ab/c"} << "";
    QTest::newRow("disjoint") << QStringList{"/a", "/b"} << "";
    QTest::newRow("one photo") << QStringList{"/a/b"} << "/a/b";
    QTest::newRow("no photo") << QStringList{} << "";
}

void TestProcessController::commonPath()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, root);
    QList<SImageRecord> photos;
    for (const QString& folder : folders) {
        SImageRecord record;
        record.folder = folder;
        record.path = folder + "/x.jpg";
        photos << record;
    }
    QCOMPARE(CProcessController::FindCommonPath(photos), root);
}

void TestProcessController::threadCount_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("ideal");
    QTest::addColumn<bool>("multipage");
    QTest::addColumn<bool>("multicore");
    QTest::addColumn<QString>("lines");
    QTest::newRow("one photo") << 1 << 8 << false << true << "Launching 1 thread(s) of execution.";
    QTest::newRow("fewer photos than cores") << 5 << 8 << false << true << "Launching 5 thread(s) of execution.";
    QTest::newRow("zero cores") << 12 << 0 << false << true << "System: 0 CPU core(s) detected.\r\nLaunching 1 ";
    QTest::newRow("negative cores") << 12 << -1 << false << true << "Launching 1 thread(s)";
    QTest::newRow("too many cores") << 12 << 40 << false << true
                                    << "System: 40 CPU core(s) detected.\r\nLaunching 1 thread(s) of execution.";
    QTest::newRow("multi-page document") << 3 << 8 << true << true
                                         << "\r\n\r\nCreating a single multi-page document.\r\n\r\n";
    QTest::newRow("multicore off") << 5 << 8 << false << false << "Launching 1 thread(s) of execution.";
}

void TestProcessController::threadCount()
{
    QFETCH(int, photos);
    QFETCH(bool, multicore);
    QFETCH(int, ideal);
    QFETCH(QString, lines);
    QFETCH(bool, multipage);
    Photos(photos);
    CUserProfile* p = CUserProfile::GetInstance();
    p->Multipage = multipage;
    p->OutputFormat = multipage ? QStringLiteral("TIF") : QStringLiteral("JPG");
    p->UseMulticore = multicore;
    SRecorder recorder;
    recorder.ideal = ideal;
    QVERIFY(Run(recorder) >= 0);
    const QString run = NewestRun();
    QVERIFY2(run.contains(lines), qPrintable(run));
    QCOMPARE(run.contains("System:"), !multipage);
    QVERIFY(run.contains("Process completed without errors."));
}

void TestProcessController::headerAndWholeLog()
{
    // Header: 10 photos, 2 active filters, 8 cores.
    Photos(10);
    CListFilters::GetInstance()->filters = {KeepSizeResize(), KeepSizeResize()};
    SRecorder recorder;
    recorder.ideal = 8;
    QString screen;
    QVERIFY(Run(recorder, [&](CProcessController& d) {
                connect(&d, &CProcessController::Panel2StartPreview, [&] { screen = Screen(d); });
            }) >= 0);
    QVERIFY(NewestRun().startsWith("Process started at 2026-03-05, 14:07:09.\r\n\r\n"
                                   "Processing 10 images with 2 graphical filter(s) per image.\r\n\r\n"
                                   "System: 8 CPU core(s) detected.\r\nLaunching 8 thread(s) of execution.\r\n\r\n"));
    QVERIFY(!screen.contains("Process started"));
    QVERIFY(screen.startsWith("Processing 10 images"));

    // The whole file, byte for byte, over two runs.
    init();
    const QStringList photos = {MakeJpeg(m_src + "/a.jpg", 30, 20), MakeJpeg(m_src + "/b.jpg", 31, 21)};
    SetPhotos(photos);
    recorder.ideal = 1;
    const auto advanceClock = [&](CProcessController&) { recorder.clock = 65432; };
    QVERIFY(Run(recorder, advanceClock) >= 0);
    const QByteArray first =
        QByteArray("\xEF\xBB\xBF") +
        "Process started at 2026-03-05, 14:07:09.\r\n\r\nProcessing 2 images with 0 graphical filter(s) per image.\r\n\r\n"
        "System: 1 CPU core(s) detected.\r\nLaunching 1 thread(s) of execution.\r\n\r\n" +
        (" - Processed " + photos[0] + "\r\n - Processed " + photos[1] + "\r\n").toUtf8() +
        "\r\nProcess completed without errors.\r\nTime elapsed: 1:05.4s\r\n\r\n----------\r\n\r\n";
    QCOMPARE(ReadAll(LogPath()), first);
    recorder.clock = 0;
    QVERIFY(QFile::remove(m_dest + "/a.jpg") && QFile::remove(m_dest + "/b.jpg"));
    QVERIFY(Run(recorder, advanceClock) >= 0);
    QCOMPARE(ReadAll(LogPath()), first + first.mid(3));
}

void TestProcessController::routingAndEmptyList_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("onScreen");
    QTest::addColumn<bool>("inFile");
    QTest::newRow("screen and file") << 0 << true << true;
    QTest::newRow("screen only") << 1 << true << false;
    QTest::newRow("file only") << 2 << false << true;
    QTest::newRow("unknown") << 3 << false << false;
    QTest::newRow("negative") << -1 << false << false;
}

void TestProcessController::routingAndEmptyList()
{
    QFETCH(bool, onScreen);
    QFETCH(bool, inFile);
    // No photo: no worker starts, yet the run ends and a hidden run closes.
    QFETCH(int, flag);
    CUserProfile::GetInstance()->HideProcessing = true;
    SRecorder recorder;
    CProcessController dialog(nullptr, recorder.Hooks());
    dialog.UpdateLog("<b>marker</b>", flag);
    // The Ghostscript notice never applies: nothing shows, the run goes on.
    dialog.DisplayGSMessage("eps");
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!timedOut);
    QCOMPARE(Screen(dialog).contains("<b>marker</b>"), onScreen);
    const QString run = NewestRun();
    QCOMPARE(run.contains("<b>marker</b>\r\n"), inFile);
    QVERIFY(run.contains("Processing 0 images"));
    QVERIFY(run.contains("\r\nProcess completed without errors.\r\nTime elapsed: 0.0s"));
}

void TestProcessController::formProgressAndPreviews()
{
    Photos(10);
    CListFilters::GetInstance()->filters = {KeepSizeResize()};
    SRecorder recorder;
    recorder.ideal = 2;
    QString timeBefore20;
    QStringList startTexts;
    CProcessController dialog(nullptr, recorder.Hooks());
    QSignalSpy preview1(&dialog, &CProcessController::Panel1StartPreview);
    QSignalSpy preview2(&dialog, &CProcessController::Panel2StartPreview);
    startTexts << dialog.windowTitle() << Child<QLabel>(dialog, "textProgressCount")->text()
               << Child<QLabel>(dialog, "textTime")->text() << Child<QPushButton>(dialog, "buttonOKCancel")->text();
    recorder.clock = 2000;
    connect(Child<QProgressBar>(dialog, "progressBar"), &QProgressBar::valueChanged, [&](int value) {
        if (value == 19) {
            dialog.OnTimer();
            timeBefore20 = Child<QLabel>(dialog, "textTime")->text();
        }
    });
    CloseAtEnd(dialog);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!timedOut);
    QCOMPARE(startTexts, (QStringList{"Brandquill - Processing (0%)", "0 / 10", "00:00 / NA", "Cancel"}));
    QCOMPARE(timeBefore20, QString("00:02 / NA"));
    dialog.OnTimer();
    QCOMPARE(Child<QLabel>(dialog, "textTime")->text(), QString("00:02 / 00:03"));
    QCOMPARE(dialog.windowTitle(), QString("Brandquill - Processing (100%)"));
    QCOMPARE(Child<QLabel>(dialog, "textProgressCount")->text(), QString("10 / 10"));
    QVERIFY(Child<QPushButton>(dialog, "buttonPause")->isHidden());
    QCOMPARE(Child<QPushButton>(dialog, "buttonOKCancel")->text(), QString("OK"));
    QVERIFY(!Child<QLabel>(dialog, "linkShowLog")->isHidden());
    QCOMPARE(preview1.count(), 1);
    QCOMPARE(preview1.first().first().toBool(), true);
    QCOMPARE(preview2.count(), 1);
    QVERIFY(!Screen(dialog).contains(" - Processed"));
}

void TestProcessController::pauseAndCancel_data()
{
    QTest::addColumn<bool>("resume");
    QTest::newRow("cancel while paused") << false;
    QTest::newRow("pause then resume") << true;
}

void TestProcessController::pauseAndCancel()
{
    QFETCH(bool, resume);
    const QStringList photos = Photos(3);
    PlaceOldOutputs({photos[0]});
    const QString firstOut = m_dest + "/p0.jpg";
    const QByteArray oldBytes = ReadAll(firstOut);
    SRecorder recorder;
    recorder.clock = 1000;
    QString pausedText;
    recorder.answerer = [&](QWidget* parent, QString&, int) {
        auto* dialog = static_cast<CProcessController*>(parent);
        auto* pause = Child<QPushButton>(*dialog, "buttonPause");
        recorder.clock = 6000;
        pause->click();
        pausedText = pause->text();
        recorder.clock = 16000; // ten seconds spent paused
        if (resume) {
            QTimer::singleShot(0, pause, &QPushButton::click);
        } else {
            recorder.yesNoAnswer = true;
            dialog->reject();
        }
        return 1;
    };
    QVERIFY(Run(recorder) >= 0);
    QCOMPARE(pausedText, QString("Resume"));
    QCOMPARE(recorder.asked.size(), 1);
    const QString run = NewestRun();
    QVERIFY2(run.endsWith("\r\nProcess completed without errors.\r\nTime elapsed: 5.0s"), qPrintable(run));
    if (resume) {
        QVERIFY(recorder.questions.isEmpty());
        QVERIFY(run.contains(" - Processed and replaced " + photos[0]));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ImageSize(QStringLiteral("%1/p%2.jpg").arg(m_dest).arg(i)), QSize(24 + i, 16 + i));
    } else {
        QCOMPARE(recorder.questions, QStringList{"Photo processing not completed. Abort the operation?"});
        QVERIFY(run.contains("\r\nProcess interrupted by the user.\r\nProcess completed without errors."));
        QVERIFY(!run.contains(" - Processed"));
        QCOMPARE(ReadAll(firstOut), oldBytes);
        QVERIFY(!QFile::exists(m_dest + "/p1.jpg"));
    }
}

void TestProcessController::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("disableNotifications");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lines");
    // Only the first photo has an old output; the others are re-encoded.
    QTest::addColumn<bool>("firstOnly");
    QTest::newRow("yes to all") << 2 << false << 1 << " - Processed and replaced " << 8 << false;
    QTest::newRow("no to all") << 4 << false << 1 << " - Skipped " << 8 << false;
    QTest::newRow("abort") << 0 << false << 1 << "Process interrupted by the user." << 1 << false;
    QTest::newRow("rename") << 5 << false << 8 << " - Processed and renamed " << 8 << false;
    QTest::newRow("notifications off") << 3 << true << 0 << " - Processed and replaced " << 8 << false;
    QTest::newRow("no to each") << 3 << false << 8 << " - Skipped " << 8 << false;
    QTest::newRow("abort beside commits") << 0 << false << 1 << "Process interrupted by the user." << 1 << true;
}

void TestProcessController::answers()
{
    QFETCH(bool, disableNotifications);
    QFETCH(int, asked);
    QFETCH(QString, line);
    QFETCH(int, lines);
    QFETCH(int, answer);
    QFETCH(bool, firstOnly);
    const QStringList photos = Photos(8);
    PlaceOldOutputs(firstOnly ? QStringList{photos.first()} : photos);
    if (firstOnly)
        CListFilters::GetInstance()->filters = {KeepSizeResize()};
    QList<QByteArray> oldBytes;
    for (const QString& photo : photos)
        oldBytes << ReadAll(m_dest + "/" + QFileInfo(photo).fileName());
    CUserProfile::GetInstance()->DisableNotifications = disableNotifications;
    SRecorder recorder;
    recorder.ideal = 4;
    recorder.answerer = [&](QWidget*, QString& path, int) {
        if (answer == 5)
            path = m_dest + "/holiday.jpg";
        // Once a later photo's output is in place, its worker has gone on.
        for (int i = 0; firstOnly && i < 5000 && !QFile::exists(m_dest + "/p1.jpg"); ++i)
            QThread::msleep(1);
        return answer;
    };
    QString count;
    bool barFull = false;
    QVERIFY(Run(recorder, [&](CProcessController& d) {
                connect(&d, &CProcessController::Panel2StartPreview, [&] {
                    const auto* bar = Child<QProgressBar>(d, "progressBar");
                    barFull = bar->value() == bar->maximum();
                    count = Child<QLabel>(d, "textProgressCount")->text();
                });
            }) >= 0);
    QCOMPARE(recorder.asked.size(), asked);
    const QString run = NewestRun();
    QCOMPARE(run.count(line), lines);
    // Every photo handled fills the bar; the count is what the log lists as written.
    QCOMPARE(barFull, answer != 0);
    QCOMPARE(count, QStringLiteral("%1 / 8").arg(run.count(" - Processed")));
    for (int i = 0; i < photos.size(); ++i) {
        const QString out = m_dest + "/" + QFileInfo(photos[i]).fileName();
        if (answer == 4 || answer == 5 || (answer == 3 && !disableNotifications))
            QCOMPARE(ReadAll(out), oldBytes[i]);
        else if (answer != 0)
            QCOMPARE(ImageSize(out), QSize(24 + i, 16 + i));
    }
    if (answer == 5)
        QVERIFY(QFile::exists(m_dest + "/holiday.jpg"));
}

void TestProcessController::dealingAndPositions()
{
    // Seven photos on three workers, all answered No: each photo is asked
    // about once, and each worker takes its photos in list order.
    QStringList photos = Photos(7);
    PlaceOldOutputs(photos);
    SRecorder recorder;
    recorder.ideal = 3;
    QVERIFY(Run(recorder) >= 0);
    QCOMPARE(recorder.asked.size(), 7);
    QSet<int> askedOnce;
    QHash<int, int> lastOfWorker;
    for (const auto& question : recorder.asked) {
        const int index = QFileInfo(question.first).completeBaseName().mid(1).toInt();
        QVERIFY2(!askedOnce.contains(index), qPrintable(question.first));
        askedOnce.insert(index);
        QVERIFY(question.second >= 0 && question.second < 3);
        QVERIFY(index > lastOfWorker.value(question.second, -1));
        lastOfWorker.insert(question.second, index);
    }

    // Positions from a job file only name photos; each is still processed once.
    init();
    photos = Photos(4);
    const qint64 positions[] = {-3, 5, 5, 0};
    for (int i = 0; i < 4; ++i)
        CListImages::GetInstance()->images[i].position = positions[i];
    QVERIFY(Run(recorder) >= 0);
    const QString run = NewestRun();
    for (const QString& photo : photos)
        QCOMPARE(run.count(" - Processed " + photo + "\r\n"), 1);
}

void TestProcessController::handshakeStress()
{
    const int count = 40;
    const QStringList photos = Photos(count);
    PlaceOldOutputs(photos);
    const QByteArray oldBytes = ReadAll(m_dest + "/p0.jpg");
    SRecorder recorder;
    recorder.ideal = 4;
    QHash<QString, QPair<int, QString>> given; // asked path -> answer, renamed path
    recorder.answerer = [&](QWidget*, QString& path, int) {
        const int answer = QList<int>{1, 3, 5}.at(given.size() % 3);
        const QString asked = path;
        if (answer == 5)
            path = QStringLiteral("%1/renamed-%2.jpg").arg(m_dest).arg(given.size());
        given.insert(asked, qMakePair(answer, path));
        return answer;
    };
    QVERIFY(Run(recorder) >= 0);
    QCOMPARE(given.size(), count);
    for (int i = 0; i < count; ++i) {
        const QString out = QStringLiteral("%1/p%2.jpg").arg(m_dest).arg(i);
        const QSize size(24 + i, 16 + i);
        const auto answer = given.value(out);
        if (answer.first == 1) {
            QCOMPARE(ImageSize(out), size);
        } else if (answer.first == 3) {
            QCOMPARE(ReadAll(out), oldBytes);
        } else {
            QCOMPARE(ImageSize(answer.second), size);
            QCOMPARE(ReadAll(out), oldBytes);
        }
    }
}

void TestProcessController::repeatedHiddenRuns()
{
    Photos(2);
    CUserProfile::GetInstance()->HideProcessing = true;
    SRecorder recorder;
    recorder.ideal = 2;
    for (int i = 0; i < 30; ++i) {
        CProcessController dialog(nullptr, recorder.Hooks());
        bool timedOut = false;
        ExecWithWatchdog(dialog, &timedOut);
        QVERIFY(!timedOut);
    }
    QCOMPARE(ReadAll(LogPath()).count("----------"), 30);
}

namespace
{
quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}
QByteArray Chunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk;
    QDataStream(&chunk, QIODevice::WriteOnly) << quint32(data.size());
    const QByteArray body = type + data;
    QByteArray crc;
    QDataStream(&crc, QIODevice::WriteOnly) << Crc32(body);
    return chunk + body + crc;
}
// A well-formed PNG header that declares 100000 x 100000 pixels.
QByteArray HugePng()
{
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint32(100000) << quint32(100000) << quint8(8) << quint8(2)
                                               << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IEND", QByteArray());
}
} // namespace

void TestProcessController::faultyPhotos()
{
    const QString good = MakeJpeg(m_src + "/good.jpg", 40, 30);
    const QString cut = m_src + "/cut-inside-its-headers-with-a-long-name.jpg";
    WriteAll(cut, ReadAll(good).left(200));
    const QString empty = m_src + "/empty.jpg";
    WriteAll(empty, QByteArray());
    const QString huge = m_src + "/huge.png";
    WriteAll(huge, HugePng());
    const QString garbage = m_src + "/garbage.nef";
    WriteAll(garbage, QByteArray(4096, 'x'));
    const QStringList bad = {empty, cut, huge, garbage};
    SetPhotos(QStringList{good} + bad);
    CListFilters::GetInstance()->filters = {KeepSizeResize()};
    CUserProfile::GetInstance()->HideProcessing = true;
    SRecorder recorder;
    recorder.ideal = 2;
    CProcessController dialog(nullptr, recorder.Hooks());
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!timedOut);

    QCOMPARE(ImageSize(m_dest + "/good.jpg"), QSize(40, 30));
    const QString run = NewestRun();
    const QString screen = Screen(dialog);
    for (const QString& path : bad) {
        QVERIFY2(run.contains(" - Failed to load " + path + ": "), qPrintable(path));
        QVERIFY(screen.contains(" - Failed to load " + TruncateString(path, 32, true)));
    }
    QVERIFY(run.contains(" - Processed " + good));
    QVERIFY(!screen.contains(" - Processed"));
    QVERIFY(run.contains("\r\nWarning: Process completed with 4 errors. For details see the log above.\r\n"));
}

void TestProcessController::customProfileMissing()
{
    Photos(1);
    CUserProfile* p = CUserProfile::GetInstance();
    p->JpegType = 3;
    p->CustomProfile = m_tmp->path() + "/missing.icc";
    SRecorder recorder;
    CProcessController dialog(nullptr, recorder.Hooks());
    CloseAtEnd(dialog);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    const QString line = " - Failed to load " + p->CustomProfile;
    QVERIFY(Screen(dialog).contains(line));
    QVERIFY(NewestRun().contains(line + "\r\n"));
    QVERIFY(NewestRun().contains("Warning: Process completed with 1 errors."));
}

void TestProcessController::magickThreadLimit_data()
{
    QTest::addColumn<int>("ideal");
    QTest::addColumn<int>("answer");
    QTest::addColumn<qint64>("during"); // at the first question: the library's count for the run
    QTest::addColumn<bool>("rotated");  // larger photos turned 30 degrees, compared with one thread's
    QTest::addColumn<QString>("format");
    QTest::newRow("four workers of eight cores") << 8 << 3 << qint64(8) << false << "JPG";
    QTest::newRow("interrupted") << 8 << 0 << qint64(8) << false << "JPG";
    QTest::newRow("one worker") << 1 << 3 << qint64(-1) << false << "JPG"; // -1: untouched
    QTest::newRow("shared cores give one thread's outputs") << 8 << 2 << qint64(8) << true << "JPG";
    // Read back through a stream, whose loops run on one thread beside the
    // other photo's on many.
    QTest::newRow("streamed read-back beside shared cores") << 8 << 2 << qint64(8) << true << "PSD";
}

void TestProcessController::magickThreadLimit()
{
    QFETCH(int, ideal);
    QFETCH(int, answer);
    QFETCH(qint64, during);
    QFETCH(bool, rotated);
    QFETCH(QString, format);
    // Turned: one small photo ends early, and the large one then runs alone.
    const QStringList photos = Photos(rotated ? 2 : 4);
    PlaceOldOutputs(photos);
    const auto output = [&](const QString& photo) {
        return QStringLiteral("%1/%2.%3").arg(m_dest, QFileInfo(photo).completeBaseName(), format.toLower());
    };
    CUserProfile::GetInstance()->OutputFormat = format;
    for (const QString& photo : photos)
        MakeJpeg(output(photo), 8, 8, 99);
    if (rotated) {
        MakeJpeg(photos[0], 300, 200, 7);
        MakeJpeg(photos[1], 1800, 1300, 8);
        SFilterRecord rotate;
        rotate.id = FilterRotate;
        rotate.name = QStringLiteral("Rotate");
        rotate.active = true;
        rotate.AddNumber(30);
        rotate.AddNumber(0);
        CListFilters::GetInstance()->filters = {rotate, KeepSizeResize(), rotate};
    }
    const qint64 before = qint64(Magick::ResourceLimits::thread());
    SRecorder recorder;
    recorder.ideal = ideal;
    QList<qint64> seen;
    recorder.answerer = [&](QWidget*, QString&, int) {
        seen << qint64(Magick::ResourceLimits::thread());
        return answer;
    };
    QVERIFY(Run(recorder) >= 0);
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.first(), during < 0 ? before : during);
    QCOMPARE(qint64(Magick::ResourceLimits::thread()), before);
    if (!rotated)
        return;

    // One worker leaves the library as it is: here, on one thread.
    QHash<QString, QByteArray> shared;
    for (const QString& photo : photos)
        shared.insert(photo, ReadAll(output(photo)));
    Magick::ResourceLimits::thread(1);
    recorder.ideal = 1;
    QVERIFY(Run(recorder) >= 0);
    Magick::ResourceLimits::thread(MagickCore::MagickSizeType(before));
    for (const QString& photo : photos) {
        const QByteArray alone = ReadAll(output(photo));
        QVERIFY(alone.size() > 10000);
        QVERIFY2(alone == shared.value(photo), qPrintable(photo));
    }
}

void TestProcessController::hiddenRunRestoresWindows_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("visible main window") << true;
    QTest::newRow("main window never shown") << false;
}

void TestProcessController::hiddenRunRestoresWindows()
{
    QFETCH(bool, shown);
    Photos(2);
    CUserProfile::GetInstance()->HideProcessing = true;
    QMainWindow window;
    if (shown)
        window.show();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    SRecorder recorder;
    CProcessController dialog(&window, recorder.Hooks());
    QVERIFY(!window.isVisible());
    QCOMPARE(dialog.windowOpacity(), 0.0);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!timedOut);
    QCOMPARE(window.isVisible(), shown);
    QCOMPARE(window.windowOpacity(), 1.0);
    QCOMPARE(dialog.windowOpacity(), 1.0);
    QCOMPARE(lastClosed.count(), 0);
}

void TestProcessController::silentScriptRun()
{
    Photos(2);
    CUserProfile* p = CUserProfile::GetInstance();
    p->SilentRun = true;
    p->RunFromScript = true;
    SRecorder recorder;
    CProcessController dialog(nullptr, recorder.Hooks());
    QSignalSpy preview1(&dialog, &CProcessController::Panel1StartPreview);
    QSignalSpy preview2(&dialog, &CProcessController::Panel2StartPreview);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!timedOut);
    QCOMPARE(preview1.count() + preview2.count(), 0);
    QVERIFY(NewestRun().contains("Process completed without errors."));
}

void TestProcessController::outputFolder_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("hide");
    QTest::newRow("three workers report") << true << false;
    QTest::newRow("hidden run") << true << true;
    QTest::newRow("switch off") << false << false;
}

void TestProcessController::outputFolder()
{
    QFETCH(bool, open);
    QFETCH(bool, hide);
    const QString folder = m_tmp->path() + QString::fromUtf8("/Out put #1/\xC3\xA9");
    QDir().mkpath(folder);
    QStringList photos;
    for (int i = 0; i < 3; ++i)
        photos << MakeJpeg(QStringLiteral("%1/f%2.jpg").arg(folder).arg(i), 20 + i, 20);
    SetPhotos(photos);
    CUserProfile* p = CUserProfile::GetInstance();
    p->OutputFolderStruct = 2;
    p->FilterFilename.preset = 3;
    p->FilterFilename.pattern = QStringLiteral("[Filename]-copy.[Extension]");
    p->OpenOutputFolder = open;
    p->HideProcessing = hide;
    SRecorder recorder;
    recorder.ideal = 3;
    QVERIFY(Run(recorder) >= 0);
    QVERIFY(QFile::exists(folder + "/f2-copy.jpg"));
    if (p->OpenOutputFolder && !p->HideProcessing) {
        QCOMPARE(recorder.urls.size(), 1);
        QCOMPARE(recorder.urls.first(), QUrl::fromLocalFile(folder));
        QCOMPARE(recorder.urls.first().toLocalFile(), folder);
    } else {
        QVERIFY(recorder.urls.isEmpty());
    }
}

void TestProcessController::logSwitches_data()
{
    QTest::addColumn<bool>("monitor");
    QTest::newRow("run log off") << false;
    QTest::newRow("monitor run") << true;
}

void TestProcessController::logSwitches()
{
    QFETCH(bool, monitor);
    Photos(1);
    CUserProfile* p = CUserProfile::GetInstance();
    p->ProcessEnvCVLog = monitor;
    p->MonitorMode = monitor;
    p->Id = QStringLiteral("../../x");
    const QString docs = GetMyDocuments();
    QDir(docs + "/Corvantile").removeRecursively();
    SRecorder recorder;
    CProcessController dialog(nullptr, recorder.Hooks());
    CloseAtEnd(dialog);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!Child<QLabel>(dialog, "linkShowLog")->isHidden());
    QVERIFY(!QFile::exists(LogPath()));
    if (monitor) {
        QCOMPARE(QDir(docs + "/Corvantile/Monitor").entryList(QDir::Files | QDir::Hidden), QStringList{".._.._x.log"});
        QCOMPARE(QDir(docs + "/Corvantile").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Monitor"});
    } else {
        QVERIFY(!QFile::exists(docs + "/Corvantile"));
    }
}

void TestProcessController::showLogLinkEscaped()
{
    const QByteArray oldHome = qgetenv("HOME");
    const QString home = m_tmp->path() + "/Home & #1";
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    const QString logPath = LogPath();
    SRecorder recorder;
    CProcessController dialog(nullptr, recorder.Hooks());
    qputenv("HOME", oldHome);
    QVERIFY(logPath.startsWith(home));
    QLabel* link = Child<QLabel>(dialog, "linkShowLog");
    QVERIFY(link->text().contains("&amp;"));
    const QString href = QTextDocumentFragment::fromHtml(link->text().section('"', 1, 1)).toPlainText();
    QCOMPARE(QUrl(href).toLocalFile(), logPath);
    emit link->linkActivated(href);
    QCOMPARE(recorder.urls.value(0).toLocalFile(), logPath);
}

void TestProcessController::logFileInTheWay()
{
    Photos(1);
    QDir().mkpath(LogPath() + ".tmp");
    WriteAll(LogPath(), "\xEF\xBB\xBFolder run");
    SRecorder recorder;
    CProcessController dialog(nullptr, recorder.Hooks());
    CloseAtEnd(dialog);
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QDir(LogPath() + ".tmp").removeRecursively();
    QCOMPARE(recorder.warnings, QStringList{"Could not save log."});
    QCOMPARE(ReadAll(LogPath()), QByteArray("\xEF\xBB\xBFolder run"));
    QVERIFY(!Child<QLabel>(dialog, "linkShowLog")->isHidden());
    QVERIFY(QFile::exists(m_dest + "/p0.jpg"));
}

BQ_TEST_MAIN(TestProcessController)
#include "tst_processcontroller.moc"
