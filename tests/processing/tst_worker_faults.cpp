// Bad input and faults: damaged and fake photos, a read-only output folder,
// folders and sources removed mid-run, a full disk and unsafe job values.
// In every case the batch goes on, ThreadFinished comes once and last, no
// source changes, old outputs stay intact and no temporary file is left.
#include "AtomicReplace.h"
#include "BqTestMain.h"
#include "DngWriter.h"
#include "EngineFixtures.h"
#include "FilterDescriptions.h"
#include "ImageManager.h"
#include "PixelBudget.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WorkerHarness.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace BqTest;

namespace
{

// Sets or clears the immutable flag of a folder; false where not permitted.
bool SetImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Names the parent's test folder to the disk-full child process.
const char* const ChildDirVariable = "BQ_WORKER_CHILD_DIR";

// An engine whose reads of photos named "cut*" report damaged pixels, as
// the library does for a JPEG cut short.
class DamagingEngine : public CImageManager
{
public:
    bool Read(const QString& path) override
    {
        const bool ok = CImageManager::Read(path);
        if (ok && QFileInfo(path).fileName().startsWith(QLatin1String("cut")))
            m_Damage = QStringLiteral("premature end of JPEG file");
        return ok;
    }
};

// An engine that notes what its worker holds in the pixel budget as a read begins.
struct BudgetEngine : CImageManager {
    static std::atomic<quint64> held;
    bool Read(const QString& path) override
    {
        held = CPixelBudget::Shared().Held();
        return CImageManager::Read(path);
    }
};
std::atomic<quint64> BudgetEngine::held{0};

} // namespace

class TestWorkerFaults : public QObject
{
    Q_OBJECT

private:
    QString T, S, D;
    std::unique_ptr<QTemporaryDir> m_Tmp;
    QString m_Locked; // a folder made read-only by the test
    CUserProfile* P = nullptr;

    QString Src(const QString& name, int w = 64, int h = 48, quint32 seed = 1)
    {
        WriteJpeg(S + "/" + name, w, h, seed);
        return S + "/" + name;
    }

    // Holds worker 0 at its checkpoint after its first photo has ended, then
    // runs `damage` and lets it go on. A re-encoded photo ends once its
    // output is in place, when the next photo has been read and filtered:
    // the hold then comes just before that photo's write.
    bool RunHeld(WorkerHarness& h, const QStringList& photos, const std::function<void()>& damage)
    {
        h.Prepare(photos);
        CProcessThread* w = h.workers.first();
        auto held = std::make_shared<std::atomic<bool>>(false);
        connect(
            w, &CProcessThread::IncProgressImage, w,
            [w, held] {
                if (!held->exchange(true))
                    w->pause.store(true);
            },
            Qt::DirectConnection);
        w->start();
        if (!QTest::qWaitFor([&] { return h.Count("IncProgressImage") == 1; }, 60000))
            return false;
        damage();
        w->pause.store(false);
        const bool done = QTest::qWaitFor([&] { return h.Count("ThreadFinished") == 1; }, 60000);
        w->wait();
        return done;
    }

private slots:
    void initTestCase()
    {
        StartWorkerTests();
        P = CUserProfile::GetInstance();
    }
    void init()
    {
        m_Tmp.reset(new QTemporaryDir(QDir::tempPath() + "/fault-XXXXXX"));
        T = m_Tmp->path();
        S = MakeFolder(T + "/src");
        D = MakeFolder(T + "/out");
        WorkerHarness::ResetJob(D);
    }
    void cleanup()
    {
        if (!m_Locked.isEmpty()) {
            SetImmutable(m_Locked, false);
            QFile::setPermissions(m_Locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            m_Locked.clear();
        }
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("reason");
        for (bool filter : {true, false}) {
            const QString path = filter ? "re-encode" : "copy";
            const QString failed = filter ? "Failed to load" : "Processed";
            // A re-encode writes what could be decoded and says why it is an error;
            // a plain copy keeps the bytes and decodes nothing.
            QTest::newRow(qPrintable("JPEG cut in half, " + path))
                << "half.jpg" << filter << (filter ? "Written from a damaged photo" : "Processed")
                << (filter ? "Premature end of JPEG file" : "");
            QTest::newRow(qPrintable("PNG cut in half, " + path)) << "half.png" << filter << failed << "Read Error";
            QTest::newRow(qPrintable("zero bytes, " + path)) << "zero.jpg" << filter << failed << "the file is empty";
            QTest::newRow(qPrintable("text, " + path))
                << "text.jpg" << filter << failed << "insufficient image data in file";
            QTest::newRow(qPrintable("link loop, " + path))
                << "loop.jpg" << filter << "Failed to load" << CAtomicReplace::SystemError(ELOOP);
        }
        QTest::newRow("line break and tab in the name") << "zero\n - Processed x\t.jpg" << true << "Failed to load"
                                                        << "the file is empty";
        QTest::newRow("link to /proc/self/mem, re-encode") << "mem.jpg" << true << "Failed to load"
                                                           << "not a regular file";
        QTest::newRow("link to /proc/self/mem, copy") << "mem.jpg" << false << "Failed to Copy"
                                                      << "not a regular file";
        // A good photo whose mark's logo or texture is the photos' folder.
        QTest::newRow("logo is a folder") << "logo.jpg" << true << "Failed to apply 'Logo' filter to"
                                          << "%1 is a folder, not a regular file";
        QTest::newRow("texture is a folder") << "texture.jpg" << true << "Failed to apply 'Text' filter to"
                                             << "%1 is a folder, not a regular file";
        // The decoder's reason, as its note on stderr gives it, and why a filter could not run.
        QTest::newRow("JPEG header claims 16000 x 16000")
            << "claims.jpg" << true << "Failed to load"
            << QString("%1 bytes cannot hold the 16000 x 16000 pixels the header promises")
                   .arg(BqTest::ClaimingJpeg(16000, 16000).size());
        QTest::newRow("PNG of 70000 x 4") << "wide.png" << true << "Failed to load"
                                          << "Invalid IHDR data";
        QTest::newRow("GIF of 50 patches on a 1000 x 1000 screen")
            << "patches.gif" << true << "Failed to load"
            << QString("%1 bytes cannot hold the 50 frames of 1000 x 1000 pixels the header promises")
                   .arg(BqTest::GifOfPatches(50, 1000).size());
        QTest::newRow("GIF of 50 noise patches on an 8000 x 8000 screen")
            << "noise.gif" << true << "Failed to load"
            << "the 50 frames of 8000 x 8000 pixels the header promises need more than the 19 GiB of memory and "
               "disk the pixel cache may use";
        QTest::newRow("GIF over the frame limit, not one page") << "frames.gif" << true << "Failed to load"
                                                                << "more than 1023 frames, the most one file may have";
        QTest::newRow("frame number outside its list")
            << "frame.jpg" << true << "Failed to apply 'Vintage Frame' filter to"
            << "frame number 9 is not one of 0 to 8";
    }
    void badInput()
    {
        QFETCH(QString, kind);
        QFETCH(bool, filter);
        QFETCH(QString, action);
        QFETCH(QString, reason);
        const QString bad = S + "/" + kind;
        // A good photo whose filter fails.
        const bool mark = kind == "logo.jpg" || kind == "texture.jpg" || kind == "frame.jpg";
        if (kind == "frame.jpg") {
            Src(kind);
            WorkerHarness::AddFilter(2004, "Vintage Frame", 9);
        } else if (mark) {
            Src(kind);
            const bool logo = kind == "logo.jpg";
            WorkerHarness::AddFilter(logo ? 1010 : 1000, logo ? "Logo" : "Text", 0);
            SFilterRecord& record = CListFilters::GetInstance()->filters.last();
            record.numbers[9] = 20; // the text's size, its texture on
            record.numbers[15] = 1;
            record.strings[0] = logo ? S : "Mark";
            record.strings[2] = S;
        } else if (kind == "claims.jpg") {
            WriteFile(bad, BqTest::ClaimingJpeg(16000, 16000));
        } else if (kind == "wide.png") {
            WriteFile(bad, BqTest::ClaimingPng(70000, 4));
        } else if (kind == "patches.gif" || kind == "noise.gif") {
            WriteFile(bad, kind == "noise.gif" ? BqTest::GifOfPatches(50, 8000, 200) : BqTest::GifOfPatches(50, 1000));
        } else if (kind == "frames.gif") {
            WriteFile(bad, BqTest::GifOfFrames(1024));
        } else if (kind == "half.jpg") {
            WriteHalfOf(Src("whole.jpg", 300, 200), bad);
            QFile::remove(S + "/whole.jpg");
        } else if (kind == "half.png") {
            WritePng(S + "/whole.png", 300, 200);
            WriteHalfOf(S + "/whole.png", bad);
            QFile::remove(S + "/whole.png");
        } else if (kind == "mem.jpg") {
            QVERIFY(QFile::link("/proc/self/mem", bad));
        } else if (kind == "loop.jpg") {
            QVERIFY(QFile::link(kind, bad));
        } else {
            WriteFile(bad, kind == "text.jpg" ? QByteArray("just some words\n") : QByteArray());
        }
        const QByteArray before = FileBytes(bad);
        const QString good = Src("good.jpg");
        P->OutputFormat = kind.endsWith(".png") ? "PNG" : "JPG";
        if (filter && !mark)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        QVERIFY(h.RunJob(mark ? QStringList{bad} : QStringList{bad, good}));
        const bool failed = action != "Processed";
        const bool written = !failed || action.startsWith("Written") || mark;
        const QString why = failed ? ": " + (reason.contains("%1") ? reason.arg(S) : reason) : QString();
        auto shown = [](QString path) { return path.replace('\n', "\\n").replace('\t', "\\t"); };
        QStringList logged{" - " + action + " " + shown(bad) + why};
        if (!mark)
            logged << " - Processed " + good;
        QCOMPARE(h.Log(LogFile), logged);
        QCOMPARE(h.Log(LogScreen), failed
                                       ? QStringList{" - " + action + " " + shown(TruncateString(bad, 32, true)) + why}
                                       : QStringList{});
        QCOMPARE(h.Errors(), failed ? 1 : 0);
        QCOMPARE(FileBytes(bad), before);
        const QString ext = kind.endsWith(".png") ? ".png" : ".jpg";
        const QString out = QFileInfo(bad).completeBaseName() + ext;
        QStringList expected;
        if (!mark)
            expected << "good" + ext;
        if (written)
            expected << out;
        expected.sort();
        QCOMPARE(FilesIn(D), expected);
        if (!filter)
            QCOMPARE(FileBytes(D + "/" + out), before);
        QVERIFY(h.FinishedOnceAndLast());
    }

    // A photo's worker holds at least its decoded image as its read begins.
    void heldBeforeRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("pixels"); // of the decoded image
        QTest::newRow("camera raw") << "raw.dng" << 640 * 480;
        QTest::newRow("GIF patch on a 1000 x 1000 screen") << "patch.gif" << 1000 * 1000;
    }
    void heldBeforeRead()
    {
        QFETCH(QString, kind);
        QFETCH(int, pixels);
        BqTest::DngLayout raw;
        raw.width = 640;
        raw.height = 480;
        const QString path = S + "/" + kind;
        QVERIFY(WriteFile(path, kind == "raw.dng" ? BqTest::MakeDng(raw) : BqTest::GifOfPatches(1, 1000)));
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.engineFactory = [] { return std::unique_ptr<CImageManager>(new BudgetEngine); };
        QVERIFY(h.RunJob({path}));
        QCOMPARE(h.Log(LogFile), QStringList{" - Processed " + path});
        QVERIFY2(BudgetEngine::held >= quint64(pixels) * 8, qPrintable(QString::number(BudgetEngine::held)));
    }

    // A damaged photo is written, reported, counted, and keeps its source,
    // whether it is re-encoded or would have been moved.
    void damagedPhoto_data()
    {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<QString>("zero");
        QTest::newRow("re-encode") << true << "Written from a damaged photo"
                                   << "Failed to load";
        QTest::newRow("move") << false << "Damaged photo copied, its source kept"
                              << "Damaged photo copied, its source kept";
    }
    void damagedPhoto()
    {
        QFETCH(bool, filter);
        QFETCH(QString, damaged);
        QFETCH(QString, zero);
        const QString good = Src("good.jpg"), cut = Src("cut.jpg", 64, 48, 2), empty = S + "/zero.jpg";
        WriteFile(empty, QByteArray());
        P->DeleteSource = true;
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.engineFactory = [] { return std::unique_ptr<CImageManager>(new DamagingEngine); };
        QVERIFY(h.RunJob({good, cut, empty}));
        QCOMPARE(h.Log(LogFile),
                 QStringList({" - Processed " + good, " - " + damaged + " " + cut + ": premature end of JPEG file",
                              " - " + zero + " " + empty + ": the file is empty"}));
        QCOMPARE(h.Errors(), 2);
        QCOMPARE(FilesIn(S), QStringList({"cut.jpg", "zero.jpg"}));
        QCOMPARE(FilesIn(D),
                 filter ? QStringList({"cut.jpg", "good.jpg"}) : QStringList({"cut.jpg", "good.jpg", "zero.jpg"}));
        // An upload would not delete the sources kept.
        for (const auto& written : h.writtenFiles)
            QCOMPARE(written.first.isEmpty(), written.second != D + "/good.jpg");
    }

    // Every photo is written at the lowest quality; the run log says which
    // missed the limit and by how much.
    void sizeLimitNotMet()
    {
        const QString big = Src("big.jpg", 600, 400, 5), tiny = Src("tiny.jpg", 8, 8);
        P->FixedSize = true;
        P->FileSize = 2;
        WorkerHarness h;
        QVERIFY(h.RunJob({big, tiny}));
        const qint64 size = QFileInfo(D + "/big.jpg").size();
        QVERIFY(size > 2000);
        QVERIFY(QFileInfo(D + "/tiny.jpg").size() <= 2000);
        QCOMPARE(h.Log(LogFile),
                 QStringList({QString(" - Size limit of 2 KB not met, %1 bytes written at the lowest quality %2")
                                  .arg(size)
                                  .arg(D + "/big.jpg"),
                              " - Processed " + tiny}));
        QCOMPARE(h.Errors(), 1);
    }

    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("renamed");
        QTest::addColumn<QString>("text");
        // The source's folder is the read-only one: the source cannot go, and
        // no output takes its name.
        QTest::addColumn<bool>("sourceLocked");
        QTest::addColumn<int>("mode"); // of the output folder
        QTest::newRow("write") << true << false << false << "Failed to write" << false << 0;
        QTest::newRow("copy") << false << false << false << "Failed to Copy" << false << 0;
        QTest::newRow("renamed copy") << false << false << true << "Failed to Rename and Copy" << false << 0;
        QTest::newRow("move") << false << true << false << "Failed to Move" << false << 0;
        QTest::newRow("renamed move") << false << true << true << "Failed to Rename and Move" << false << 0;
        QTest::newRow("move from a read-only folder") << false << true << false << "Failed to Move" << true << 0;
        // Written all the same: only the source's removal fails.
        QTest::newRow("re-encode from a read-only folder")
            << true << true << false << "Failed to delete the source" << true << 0;
        // Its subfolder cannot be made: that is the reason, not a missing folder.
        QTest::newRow("move into a subfolder of a read-only folder")
            << false << true << false << "Failed to write" << true << 3;
    }
    void readOnlyFolder()
    {
        QFETCH(bool, filter);
        QFETCH(bool, move);
        QFETCH(bool, renamed);
        QFETCH(QString, text);
        QFETCH(bool, sourceLocked);
        QFETCH(int, mode);
        const QString src = Src("r.jpg");
        const QByteArray bytes = FileBytes(src);
        const QString name = renamed ? "new_r.jpg" : "r.jpg";
        if (!sourceLocked)
            WriteFile(D + "/" + name, "old output");
        WriteFile(D + "/other.jpg", "another old output");
        m_Locked = sourceLocked ? S : D;
        if (::geteuid() == 0 ? !SetImmutable(m_Locked, true)
                             : !QFile::setPermissions(m_Locked, QFile::ReadOwner | QFile::ExeOwner))
            QSKIP("the folder cannot be made read-only here");
        if (QFile(m_Locked + "/probe").open(QIODevice::WriteOnly)) {
            QFile::remove(m_Locked + "/probe");
            QSKIP("the read-only folder still takes new files");
        }
        if (renamed) {
            P->FilterFilename.preset = 3;
            P->FilterFilename.pattern = "new_[Filename].[Extension]";
        }
        P->DeleteSource = move;
        P->OutputFolderStruct = mode;
        P->OutputFolder = "Processed";
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({src}));
        const bool written = filter && move;
        const QString sub = S + "/Processed";
        const QString shown = mode == 3 ? sub + "/" + name : filter && !move ? D + "/" + name : src;
        // The immutable flag refuses even root; a mode only others.
        const QString why = (mode == 3 ? ": cannot create " + sub + ": " : QString(": ")) +
                            CAtomicReplace::SystemError(::geteuid() == 0 ? EPERM : EACCES);
        QCOMPARE(h.Log(LogFile), QStringList{" - " + text + " " + shown + why});
        QCOMPARE(h.Log(LogScreen),
                 QStringList{" - " + text + " " + TruncateString(shown, shown == src ? 32 : 64, true) + why});
        QCOMPARE(h.Errors(), 1);
        QCOMPARE(FileBytes(src), bytes);
        if (!written)
            QCOMPARE(FileBytes(D + "/" + name), sourceLocked ? QByteArray() : QByteArray("old output"));
        QStringList expected{"other.jpg"};
        if (!sourceLocked || written)
            expected << name;
        expected.sort();
        QCOMPARE(FilesIn(D), expected);
        QCOMPARE(h.writtenFiles.size(), written ? 1 : 0);
    }

    void folderRemovedMidRun_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fileLeft"); // a file takes the folder's name
        QTest::newRow("mode 0") << 0 << false;
        QTest::newRow("mode 1") << 1 << false;
        QTest::newRow("mode 3") << 3 << false;
        QTest::newRow("mode 3, a file in its place") << 3 << true;
    }
    void folderRemovedMidRun()
    {
        QFETCH(int, mode);
        QFETCH(bool, fileLeft);
        const QStringList photos = {Src("m1.jpg"), Src("m2.jpg"), Src("m3.jpg")};
        P->OutputFolderStruct = mode;
        P->OutputFolder = "sub";
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        const QString folder = mode == 3 ? S + "/sub" : D;
        WorkerHarness h;
        QVERIFY(RunHeld(h, photos, [&] { QVERIFY(RemoveDir(folder) && (!fileLeft || WriteFile(folder, "x"))); }));
        // The second photo had its folder before it went: its write fails in
        // every mode. Only modes 1 and 3 make the folder again for the third.
        const QString why = ": " + CAtomicReplace::SystemError(fileLeft ? ENOTDIR : ENOENT);
        QStringList lines{" - Processed " + photos.at(0), " - Failed to write " + folder + "/m2.jpg" + why};
        if (mode == 0) {
            QVERIFY(!QFileInfo::exists(folder));
            lines << " - Failed to write " + D + "/m3.jpg" + why;
        } else if (fileLeft) {
            lines << " - Failed to write " + folder + "/m3.jpg: cannot create " + folder + why;
        } else {
            QCOMPARE(FilesIn(folder), QStringList{"m3.jpg"});
            lines << " - Processed " + photos.at(2);
        }
        QCOMPARE(h.Log(LogFile), lines);
        QCOMPARE(h.Errors(), mode == 0 || fileLeft ? 2 : 1);
        QCOMPARE(FilesIn(S),
                 QStringList({"m1.jpg", "m2.jpg", "m3.jpg"}) + (fileLeft ? QStringList{"sub"} : QStringList()));
        QVERIFY(h.FinishedOnceAndLast());
    }

    void sourceRemovedMidRun_data()
    {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QString>("change"); // of the second photo, read and not yet written
        QTest::newRow("re-encode") << true << "";
        QTest::newRow("copy") << false << "";
        // Sources to delete: a file other than the one read is kept.
        QTest::newRow("rewritten in place after its read") << true << "rewrite";
        QTest::newRow("made again after its read") << true << "renew";
    }
    void sourceRemovedMidRun()
    {
        QFETCH(bool, filter);
        QFETCH(QString, change);
        const QStringList photos = {Src("s1.jpg"), Src("s2.jpg"), Src("s3.jpg"), Src("s4.jpg")};
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        if (!change.isEmpty()) {
            P->DeleteSource = true;
            QVERIFY(RunHeld(h, photos, [&] {
                QVERIFY(change == "rewrite" || QFile::remove(photos.at(1)));
                WriteJpeg(photos.at(1), 80, 60, 9);
            }));
            QVERIFY(h.Log(LogFile).contains(" - Source changed since it was read, left as it is " + photos.at(1)));
            QCOMPARE(h.Errors(), 1);
            QCOMPARE(FilesIn(S), QStringList{"s2.jpg"});
            return;
        }
        // The third: a re-encoded second photo has been read at the hold.
        QVERIFY(RunHeld(h, photos, [&] { QVERIFY(QFile::remove(photos.at(2))); }));
        QCOMPARE(h.Log(LogFile),
                 QStringList({" - Processed " + photos.at(0), " - Processed " + photos.at(1),
                              " - Failed to load " + photos.at(2) + ": " + CAtomicReplace::SystemError(ENOENT),
                              " - Processed " + photos.at(3)}));
        QCOMPARE(FilesIn(D), QStringList({"s1.jpg", "s2.jpg", "s4.jpg"}));
        QVERIFY(h.FinishedOnceAndLast());
    }

    // Three photos moved; a folder stands where the second one's output
    // goes. Re-encoded, its rename fails beside the third photo's read;
    // moved as it is, at once. Either way it reports the failure in its
    // place, counts no progress and keeps its source.
    void renameBlocked_data()
    {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QString>("failure");
        QTest::newRow("re-encoded") << true << "Failed to write";
        QTest::newRow("moved as it is") << false << "Failed to Move";
    }
    void renameBlocked()
    {
        QFETCH(bool, filter);
        QFETCH(QString, failure);
        const QStringList photos = {Src("a.jpg"), Src("b.jpg"), Src("c.jpg")};
        MakeFolder(D + "/b.jpg");
        P->DeleteSource = true;
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob(photos));
        // A write names its output, a move its source.
        const QString shown = filter ? D + "/b.jpg" : photos.at(1);
        QCOMPARE(h.Log(LogFile),
                 QStringList({" - Processed " + photos.at(0),
                              " - " + failure + " " + shown + ": " + CAtomicReplace::SystemError(EISDIR),
                              " - Processed " + photos.at(2)}));
        QCOMPARE(h.Errors(), 1);
        QCOMPARE(h.Count("IncProgressImage"), 2);
        QCOMPARE(FilesIn(S), QStringList{"b.jpg"});
        QCOMPARE(FilesIn(D), QStringList({"a.jpg", "c.jpg"}));
        QCOMPARE(h.writtenFiles.size(), 2);
        QVERIFY(h.FinishedOnceAndLast());
    }

    void diskFull_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("write") << "write";
        QTest::newRow("copy") << "copy";
    }
    // Runs this executable again with a file size limit of half the big
    // photo, so that only its output cannot be written.
    void diskFull()
    {
        QFETCH(QString, mode);
        Src("big.jpg", 1200, 900, 11);
        Src("small.jpg");
        WriteFile(D + "/big.jpg", "old output");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(ChildDirVariable, T);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"child:" + mode});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QStringList lines;
        for (const QString& line : output.split('\n')) {
            if (line.startsWith("LINE "))
                lines << line.mid(5);
        }
        const QString failure =
            (mode == "write" ? "2  - Failed to write " + D + "/big.jpg" : "2  - Failed to Copy " + S + "/big.jpg") +
            ": " + CAtomicReplace::SystemError(EFBIG);
        QCOMPARE(lines, QStringList({failure, "2  - Processed " + S + "/small.jpg"}));
        QVERIFY2(output.contains("ERRORS 1"), qPrintable(output));
        QCOMPARE(FileBytes(D + "/big.jpg"), QByteArray("old output"));
        QCOMPARE(FilesIn(D), QStringList({"big.jpg", "small.jpg"}));
        QCOMPARE(FilesIn(S), QStringList({"big.jpg", "small.jpg"}));
    }

    void child_data() { diskFull_data(); }
    // The child side of diskFull; skipped when run on its own.
    void child()
    {
        QFETCH(QString, mode);
        const QString dir = qEnvironmentVariable(ChildDirVariable);
        if (dir.isEmpty())
            QSKIP("runs only as the child process of diskFull");
        const QString src = dir + "/src", out = dir + "/out";
        const rlimit limit{rlim_t(QFileInfo(src + "/big.jpg").size() / 2), RLIM_INFINITY};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        WorkerHarness::ResetJob(out);
        if (mode == "write")
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({src + "/big.jpg", src + "/small.jpg"}));
        QTextStream stdOut(stdout);
        for (const QString& line : h.Log(LogFile))
            stdOut << "LINE " << LogFile << ' ' << line << '\n';
        stdOut << "ERRORS " << h.Errors() << '\n';
    }

    void jobValues_data()
    {
        QTest::addColumn<QString>("outputFormat");
        QTest::addColumn<QString>("defaultFormat");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("oneDocument");
        QTest::newRow("default format with a slash") << KeepOriginalFormatText() << "X/Y"
                                                     << "a.x_y" << false;
        QTest::newRow("unknown format") << "XYZ"
                                        << "JPG"
                                        << "a.xyz" << false;
        // Each photo has its line; the document's failure has its own.
        QTest::newRow("one document, PDF not writable") << "PDF"
                                                        << "JPG"
                                                        << "a.pdf" << true;
    }
    void jobValues()
    {
        QFETCH(QString, outputFormat);
        QFETCH(QString, defaultFormat);
        QFETCH(QString, output);
        QFETCH(bool, oneDocument);
        const QStringList photos = oneDocument ? QStringList{Src("a.jpeg"), Src("b.jpeg")} : QStringList{Src("a.jpeg")};
        P->OutputFormat = outputFormat;
        P->DefaultFormat = defaultFormat;
        P->Multipage = oneDocument;
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        QVERIFY(h.RunJob(photos));
        const QString failed = " - Failed to write " + D + "/" + output +
                               ": no writable image format has the extension \"" + output.mid(2) + "\"";
        const QStringList lines{" - Processed " + photos[0], " - Processed " + photos.last(), failed};
        QCOMPARE(h.Log(LogFile), oneDocument ? lines : QStringList{failed});
        QVERIFY(FilesIn(D).isEmpty());
        QVERIFY(h.FinishedOnceAndLast());
    }
};

BQ_TEST_MAIN(TestWorkerFaults)
#include "tst_worker_faults.moc"
