// Where a worker's outputs go and how conflicts end: the path rules, the
// atomic copy and move, folder modes, batch-unique and silent-run names, the
// overwrite handshake, same-file identity and upload-only runs.
#include "AtomicReplace.h"
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FilterDescriptions.h"
#include "FilterJobs.h"
#include "ImageManager.h"
#include "PathSafety.h"
#include "PhotoMaker.h"
#include "TemporaryRecord.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WorkerHarness.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QTime>
#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace BqTest;

namespace
{

// Every file below `folder`, relative to it, sorted.
QStringList TreeOf(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size() + 1);
    files.sort();
    return files;
}

int ModeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// The active chain record of that type, with the editors' defaults.
SFilterRecord DefaultRecord(quint32 id)
{
    for (SFilterRecord record : DefaultFilterRecords()) {
        if (record.id == id) {
            record.active = true;
            return record;
        }
    }
    return SFilterRecord();
}

// Another run writing into the same folder: it takes the output's name
// after this run has found it free.
class RacingEngine : public CImageManager
{
public:
    bool Write(const QString& path) override
    {
        WriteFile(path, "old");
        return CImageManager::Write(path);
    }
};

// `count` pages of 10x10 pixels.
void WritePages(const QString& path, int count)
{
    std::vector<Magick::Image> pages(size_t(count), Magick::Image(Magick::Geometry(10, 10), Magick::Color("red")));
    Magick::writeImages(pages.begin(), pages.end(), QFile::encodeName(path).toStdString(), true);
}

QSize SizeOf(const QString& path)
{
    Magick::Image image;
    image.ping(QFile::encodeName(path).toStdString());
    return QSize(int(image.columns()), int(image.rows()));
}

} // namespace

class TestWorkerOutputs : public QObject
{
    Q_OBJECT

private:
    QString T, S, D;
    std::unique_ptr<QTemporaryDir> m_Tmp;
    CUserProfile* P = nullptr;

    QString Src(const QString& relative, quint32 seed = 1)
    {
        const QString path = T + "/" + relative;
        MakeFolder(QFileInfo(path).path());
        WriteJpeg(path, 64, 48, seed);
        return path;
    }
    QString TempFolder() const { return QDir::tempPath() + "/BrandquillTemp"; }

private slots:
    void initTestCase()
    {
        StartWorkerTests();
        P = CUserProfile::GetInstance();
    }
    void init()
    {
        m_Tmp.reset(new QTemporaryDir(QDir::tempPath() + "/out-XXXXXX"));
        T = m_Tmp->path();
        S = MakeFolder(T + "/src");
        D = MakeFolder(T + "/out");
        WorkerHarness::ResetJob(D);
        RemoveDir(TempFolder());
    }

    // --- path rules -------------------------------------------------------

    void appendSuffix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("result");
        QTest::newRow("plain") << "x"
                               << ".jpg"
                               << "x (2).jpg";
        QTest::newRow("no extension") << "ajpg"
                                      << ""
                                      << "ajpg (2)";
        QTest::newRow("cut to fit") << QString(300, 'n') << ".jpg" << QString(255 - 8, 'n') + " (2).jpg";
        QTest::newRow("cut between characters")
            << QString(200, QChar(0x00E9)) << ".png" << QString(123, QChar(0x00E9)) + " (2).png";
    }
    void appendSuffix()
    {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QFETCH(QString, result);
        const QString got = CPathSafety::AppendSuffix(name, 2, extension);
        QCOMPARE(got, result);
        QVERIFY(got.toUtf8().size() <= 255);
    }

    void atomicCopy_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("sourceExists");
        QTest::newRow("photo") << QByteArray(100000, 'x') << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("missing source") << QByteArray() << false;
    }
    void atomicCopy()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, sourceExists);
        if (sourceExists)
            WriteFile(S + "/a.JPG", bytes);
        WriteFile(D + "/a.JPG", "old");
        QCOMPARE(CAtomicReplace::CopyFile(S + "/a.JPG", D + "/a.JPG"), sourceExists);
        QCOMPARE(FileBytes(D + "/a.JPG"), sourceExists ? bytes : QByteArray("old"));
        QCOMPARE(FilesIn(D), QStringList{"a.JPG"});
    }

    // A source replaced while it is copied is another file: it stays.
    void moveAcrossFileSystems_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("moved") << false;
        QTest::newRow("source replaced while it is copied") << true;
    }
    void moveAcrossFileSystems()
    {
        QFETCH(bool, replaced);
        QTemporaryDir shm("/dev/shm/bq-XXXXXX");
        struct stat a, b;
        if (!shm.isValid() || ::stat("/dev/shm", &a) != 0 || ::stat(QFile::encodeName(T).constData(), &b) != 0 ||
            a.st_dev == b.st_dev)
            QSKIP("no second file system at /dev/shm");
        const QString source = shm.path() + "/m.jpg";
        WriteFile(source, "moved bytes");
        // Asked once the copy is made, when its name is found taken.
        const CAtomicReplace::NextTarget next = [&](const QString&) {
            WriteFile(shm.path() + "/new", "new bytes");
            ::rename(QFile::encodeName(shm.path() + "/new").constData(), QFile::encodeName(source).constData());
            return D + "/m (2).jpg";
        };
        if (replaced)
            WriteFile(D + "/m.jpg", "taken");
        QString error;
        QVERIFY(CAtomicReplace::MoveFile(source, D + "/m.jpg", &error, replaced ? &next : nullptr));
        QCOMPARE(FileBytes(D + (replaced ? "/m (2).jpg" : "/m.jpg")), QByteArray("moved bytes"));
        QCOMPARE(FileBytes(source), replaced ? QByteArray("new bytes") : QByteArray());
        QCOMPARE(error, replaced ? QString("the source changed while it was copied") : QString());
        QCOMPARE(FilesIn(D), replaced ? QStringList({"m (2).jpg", "m.jpg"}) : QStringList{"m.jpg"});
    }

    // A private photo stays private: an output replaced in place keeps its
    // mode, a new one gets the source's bits less the umask (022 here).
    void privateSource_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("rewritten in place") << "in place";
        QTest::newRow("re-encoded") << "re-encode";
        QTest::newRow("copied") << "copy";
        QTest::newRow("moved across file systems") << "move";
    }
    void privateSource()
    {
        QFETCH(QString, how);
        QString folder = S;
        std::unique_ptr<QTemporaryDir> shm;
        if (how == "move") {
            shm.reset(new QTemporaryDir("/dev/shm/bq-XXXXXX"));
            struct stat a, b;
            if (!shm->isValid() || ::stat("/dev/shm", &a) != 0 || ::stat(QFile::encodeName(T).constData(), &b) != 0 ||
                a.st_dev == b.st_dev)
                QSKIP("no second file system at /dev/shm");
            folder = shm->path();
            P->DeleteSource = true;
        }
        const QString src = folder + "/private.jpg";
        WriteJpeg(src);
        QVERIFY(QFile::setPermissions(src, QFile::ReadOwner | QFile::WriteOwner));
        if (how == "in place")
            P->OutputFolderStruct = 2;
        if (how == "in place" || how == "re-encode")
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({src}));
        QCOMPARE(h.Errors(), 0);
        const QString out = how == "in place" ? src : D + "/private.jpg";
        QCOMPARE(ModeOf(out), 0600);
    }

    // The pages of one output go in together: a page that cannot be
    // replaced leaves every old page as it was; pages of an earlier, longer
    // output are reported and never deleted.
    void pagesAsOneUnit_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("last page blocked") << true;
        QTest::newRow("longer earlier output") << false;
    }
    void pagesAsOneUnit()
    {
        QFETCH(bool, blocked);
        const QString tif = S + "/doc.tif";
        WriteThreePageTiff(tif);
        WriteFile(D + "/doc-0.jpg", "old page");
        if (blocked)
            MakeFolder(D + "/doc-2.jpg");
        else
            WriteFile(D + "/doc-3.jpg", "older page");
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({tif}));
        if (blocked) {
            QCOMPARE(FileBytes(D + "/doc-0.jpg"), QByteArray("old page"));
            QCOMPARE(FilesIn(D), QStringList{"doc-0.jpg"});
            QVERIFY(QFileInfo(D + "/doc-2.jpg").isDir());
            QCOMPARE(h.Log(LogFile), QStringList{" - Failed to write " + D + "/doc-0.jpg to " + D +
                                                 "/doc-2.jpg: " + CAtomicReplace::SystemError(EISDIR)});
            QCOMPARE(h.Errors(), 1);
        } else {
            QCOMPARE(FilesIn(D), QStringList({"doc-0.jpg", "doc-1.jpg", "doc-2.jpg", "doc-3.jpg"}));
            QVERIFY(FileBytes(D + "/doc-0.jpg") != QByteArray("old page"));
            QCOMPARE(FileBytes(D + "/doc-3.jpg"), QByteArray("older page"));
            QCOMPARE(h.Log(LogFile), QStringList({" - Not written by this run, left as it was " + D + "/doc-3.jpg",
                                                  " - Processed " + tif}));
            QCOMPARE(h.Errors(), 0);
        }
    }

    // Temporaries of a killed run go; nothing else does: not one that is
    // newer or held open, nor a file of the user's that only looks like one,
    // nor those of a run still going. A record names only the temporaries in
    // flight, no folder's name makes it name another file, and a record
    // reached through a link is not read.
    void killedRunTemporaries_data()
    {
        QTest::addColumn<QString>("run");
        QTest::newRow("killed") << "killed";
        QTest::newRow("still running") << "running";
        QTest::newRow("killed after 50 outputs") << "long";
        QTest::newRow("line break in the folder's name") << "line break";
        QTest::newRow("record reached through a link") << "linked";
        // Within the second of the killed run's last temporaries.
        QTest::newRow("run again at once") << "again";
        QTest::newRow("name claimed, killed before the rename") << "claim";
        // The old pages come back whole, none of the new.
        QTest::newRow("pages replaced, killed at the second") << "pages";
        // Nothing is put back from backups that are gone.
        QTest::newRow("pages replaced, killed at the second, backups gone") << "pages, backups gone";
        // Another run puts the set back and writes its own page 0 while this
        // one is about to: its page stays.
        QTest::newRow("pages, put back by another run meanwhile") << "pages, other page meanwhile";
        // Only the killed run's own page goes: not one written since.
        QTest::newRow("pages, page 0 written since the kill") << "pages, other page since";
        // Nothing replaced: the pages that came in go, and the name is free.
        QTest::newRow("first pages, killed at the third") << "pages, first set";
    }
    void killedRunTemporaries()
    {
        QFETCH(QString, run);
        if (run == "claim" && qEnvironmentVariableIsEmpty("BQ_NO_HARD_LINKS"))
            QSKIP("names are claimed only where there are neither rename flags nor hard links");
        if (run.startsWith("pages") && qEnvironmentVariableIsEmpty("LD_PRELOAD"))
            QSKIP("a run ends at a rename only under the limited file-system library");
        // Its temporaries there; D then holds files of the user's so named.
        const QString folder = run == "line break"                         ? MakeFolder(D + "/nl\n" + D)
                               : run == "claim" || run.startsWith("pages") ? MakeFolder(D + "/sub")
                                                                           : D;
        const QStringList pages{"m-0.jpg", "m-1.jpg", "m-2.jpg"};
        const bool otherPage = run.contains("other page");
        for (int i = otherPage ? 1 : 0; run.startsWith("pages") && !run.endsWith("first set") && i < pages.size(); ++i)
            WriteFile(D + "/" + pages[i], "old " + QByteArray::number(i));
        int hold[2];
        QCOMPARE(::pipe(hold), 0);
        // The killed run: a process that makes its temporaries and dies, or
        // one that waits until the test ends.
        const pid_t child = ::fork();
        if (child == 0) {
            for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
                if (!(new CAtomicReplace(folder + "/" + name))->Create())
                    _exit(1);
            }
            for (int i = 0; run == "long" && i < 50; ++i) {
                CAtomicReplace done(MakeFolder(T + "/long") + "/n.jpg");
                if (!done.Create() || !WriteFile(done.TemporaryPath(), "n") || !done.Commit())
                    _exit(1);
            }
            if (run == "claim") {
                // The run ends at the rename into its claimed name, as a kill would end it.
                ::setenv("BQ_EXIT_AT_RENAME", "k.jpg", 1);
                CAtomicReplace* claimed = new CAtomicReplace(D + "/k.jpg");
                claimed->SetNoReplace(nullptr);
                if (!claimed->Create() || !WriteFile(claimed->TemporaryPath(), "k") || claimed->Commit())
                    _exit(1);
            }
            if (run.startsWith("pages")) {
                ::setenv("BQ_EXIT_AT_RENAME", run.endsWith("first set") ? "m-2.jpg" : "m-1.jpg", 1);
                CAtomicReplace* replaced = new CAtomicReplace(D + "/m.jpg");
                if (!replaced->Create())
                    _exit(1);
                for (int i = 0; i < pages.size(); ++i)
                    WriteFile(replaced->TemporaryPartPath(i), "new");
                replaced->Commit();
                _exit(1);
            }
            char end;
            ::close(hold[1]);
            _exit(run == "running" && ::read(hold[0], &end, 1) < 0 ? 1 : 0);
        }
        ::close(hold[0]);
        int status = -1;
        QTRY_COMPARE(FilesIn(folder).size(), 4);
        if (run != "running") {
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        // Another inode under the page's name.
        if (run.endsWith("since") && WriteFile(D + "/new", "another writer's page"))
            QVERIFY(QFile::remove(D + "/m-0.jpg") && QFile::rename(D + "/new", D + "/m-0.jpg"));
        for (const QString& backup : QDir(D).entryList({".bq-*-was-*"}, QDir::Files | QDir::Hidden))
            QVERIFY(run != "pages, backups gone" || QFile::remove(D + "/" + backup));
        const QString record = CTemporaryRecord::Folder() + "/" + QString::number(child) + "-*.run";
        const QFileInfoList records = QDir(CTemporaryRecord::Folder(), QFileInfo(record).fileName()).entryInfoList();
        QCOMPARE(records.size(), 1);
        QFile recorded(records.first().filePath());
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        const QByteArray names = recorded.readAll();
        QCOMPARE(names.count(".bq-"), run == "claim" || run.startsWith("pages") ? 5 : 4);
        QCOMPARE(names.count("/k.jpg"), run == "claim" ? 1 : 0);
        recorded.close();
        if (run == "linked") {
            QVERIFY(QFile::rename(recorded.fileName(), T + "/record"));
            QVERIFY(QFile::link(T + "/record", recorded.fileName()));
        }
        const QStringList made = FilesIn(folder);
        const QString base = made.at(1).chopped(4);
        const QStringList stale = {made.at(0), made.at(1), base + "-1.jpg", base + "-was-2.jpg"};
        const QStringList kept = {made.at(2),        made.at(3),  ".bq-abc123.jpg", ".bq-Keep01.png",
                                  ".bq-toolong.jpg", "photo.jpg", ".bq-AbC1.jpg"};
        const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
        const QStringList claimed = run == "claim" ? FilesIn(D) : QStringList();
        for (const QString& name : stale + kept + claimed) {
            if (!claimed.contains(name))
                WriteFile(D + "/" + name, "partial");
            QFile file(D + "/" + name);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(name == made.at(3) ? hourAgo.addSecs(7200) : hourAgo,
                                     QFileDevice::FileModificationTime));
        }
        QFile open(D + "/" + made.at(2));
        QVERIFY(open.open(QIODevice::ReadOnly));
        // The killed run's last temporaries, in the second this run starts.
        while (run == "again" && QTime::currentTime().msec() > 300)
            QThread::msleep(10);
        for (const QString& name : run == "again" ? stale : QStringList()) {
            QFile file(D + "/" + name);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
        }
        WorkerHarness h;
        QStringList photos{Src("src/k.jpg")};
        if (run.endsWith("first set")) {
            WriteThreePageTiff(S + "/m.tif");
            photos << S + "/m.tif";
        }
        h.Prepare(photos);
        h.workers.first()->puttingBack = [&] {
            if (!run.endsWith("meanwhile"))
                return;
            CAtomicReplace::RemoveStaleTemporaries(D, QDateTime::currentDateTime());
            WriteFile(D + "/m-0.jpg", "another writer's page");
        };
        const bool ran = h.Run();
        ::close(hold[1]);
        if (run == "running")
            QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(ran);
        QStringList expected = kept;
        if (run != "killed" && run != "long" && run != "again")
            expected << stale;
        expected << "k.jpg";
        if (run == "pages") {
            expected << pages;
            for (int i = 0; i < pages.size(); ++i)
                QCOMPARE(FileBytes(D + "/" + pages[i]), "old " + QByteArray::number(i));
            QCOMPARE(h.Log(LogFile).first(),
                     " - Put back as it was before a run that was cut short " + D + "/m-0.jpg to " + D + "/m-2.jpg");
        }
        if (run == "pages, backups gone" || run.endsWith("meanwhile"))
            QCOMPARE(h.Log(LogFile).filter("Put back"), QStringList());
        if (otherPage)
            QCOMPARE(FileBytes(D + "/m-0.jpg"), QByteArray("another writer's page"));
        if (run.startsWith("pages, "))
            expected << pages;
        expected.sort();
        QCOMPARE(FilesIn(D), expected);
    }

    // After any filter the output has no embedded Exif thumbnail (it would
    // show what the crop removed, the unmarked or unturned photo); a plain
    // copy keeps its bytes, unless the Exif needs more than a JPEG segment.
    void exifThumbnail_data()
    {
        QTest::addColumn<quint32>("filter");
        QTest::addColumn<QString>("after"); // the thumbnail: "make" (from a PNG, 70 KB of thumbnail), "maker note"
        QTest::newRow("crop") << quint32(5020) << "";
        QTest::newRow("text mark") << quint32(1000) << "";
        QTest::newRow("rotate") << quint32(5070) << "";
        QTest::newRow("plain copy") << quint32(0) << "";
        QTest::newRow("crop, Exif past a JPEG segment, data after its thumbnail") << quint32(5020) << "make";
        QTest::newRow("plain copy, Exif past a JPEG segment, data after its thumbnail") << quint32(0) << "make";
        // Its offsets would move: the thumbnail's bytes are zeroed in place.
        QTest::newRow("crop, maker note after the thumbnail") << quint32(5020) << "maker note";
        // Directories after the thumbnail: its bytes zeroed where its length
        // runs into them, else closed up by an even count, each moved once.
        QTest::newRow("crop, thumbnail's length past the next directory") << quint32(5020) << "long thumbnail";
        QTest::newRow("crop, GPS directory reached twice") << quint32(5020) << "GPS twice";
        QTest::newRow("crop, odd thumbnail before the directories") << quint32(5020) << "odd thumbnail";
        QTest::newRow("crop, Exif in a Photoshop block too") << quint32(5020) << "photoshop";
    }
    void exifThumbnail()
    {
        QFETCH(quint32, filter);
        QFETCH(QString, after);
        const bool big = after == "make", first = after.endsWith("thumbnail") || after == "GPS twice";
        QByteArray thumbnail = JpegBytes(MakePhoto(40, 30, 77), 80) + QByteArray(big ? 70000 : 0, 't');
        ExifBlockBuilder exif;
        if (first) {
            thumbnail += QByteArray(thumbnail.size() % 2 == (after == "odd thumbnail" ? 0 : 1), 't');
            exif.SetThumbnailFirst().AddAscii(ExifBlockBuilder::ExifIfd, 0x9003, "2014:07:03 18:22:09");
            exif.AddRationals(ExifBlockBuilder::GpsIfd, 0x0002, {{10, 1}, {20, 1}, {30, 1}});
            if (after == "GPS twice") // further past the thumbnail than its length
                exif.AddPointer(ExifBlockBuilder::ExifIfd, 0x8825, ExifBlockBuilder::GpsIfd)
                    .AddBytes(ExifBlockBuilder::ExifIfd, 0x9286, ExifBlockBuilder::Undefined, QByteArray(4000, 'u'));
            if (after == "long thumbnail")
                exif.SetThumbnailLength(quint32(thumbnail.size()) + 5000);
        }
        exif.AddAscii(ExifBlockBuilder::Ifd0, 0x010F, "Maker").SetThumbnail(thumbnail);
        if (after == "maker note")
            exif.AddBytes(ExifBlockBuilder::ExifIfd, 0x927C, ExifBlockBuilder::Undefined, "Nikon\0\2\0");
        QByteArray block = exif.Build();
        QString src = S + "/thumb.jpg";
        if (after == "maker note") {
            block.replace(6 + int(exif.IfdOffset(ExifBlockBuilder::ExifIfd)) + 10, 4,
                          exif.U32(quint32(block.size() - 6)));
            block += QByteArray("Nikon\0\2\0", 8);
        }
        if (big) {
            // The make's value moved past the thumbnail.
            block.replace(6 + int(exif.IfdOffset(ExifBlockBuilder::Ifd0)) + 10, 4, exif.U32(quint32(block.size() - 6)));
            block += QByteArray("Maker", 6);
            src = S + "/thumb.png";
            MakePhoto(200, 150, 3).write(QFile::encodeName(src).toStdString());
            QByteArray png = FileBytes(src);
            QVERIFY(WriteFile(src, png.insert(33, PngChunk("eXIf", block.mid(6)))));
        } else {
            QByteArray jpeg = SpliceApp1(JpegBytes(MakePhoto(200, 150, 3)), block);
            const QByteArray tiff = block.mid(6) + QByteArray(block.size() % 2, '\0');
            if (after == "photoshop") // the Exif in a Photoshop block too
                jpeg.insert(2, JpegSegment(0xed, QByteArray("Photoshop 3.0\08BIM\x04\x22\0\0", 22) +
                                                     ExifBlockBuilder(true).U32(quint32(tiff.size())) + tiff));
            WriteFile(src, jpeg);
        }
        if (filter != 0) {
            SFilterRecord record = DefaultRecord(filter);
            if (filter == 5020)
                record.numbers[0] = record.numbers[1] = 10, record.numbers[2] = 100, record.numbers[3] = 80;
            CListFilters::GetInstance()->filters.append(record);
        }
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        QCOMPARE(h.Errors(), 0);
        const QByteArray out = FileBytes(D + "/thumb.jpg");
        QCOMPARE(out.contains(thumbnail.left(1000)), filter == 0 && !big);
        Magick::Image back;
        back.ping(QFile::encodeName(D + "/thumb.jpg").toStdString());
        QCOMPARE(back.attribute("exif:Make"), std::string("Maker"));
        if (first) {
            // Reached from the Exif directory, the library names it a thumbnail's.
            QCOMPARE(back.attribute("exif:GPSLatitude") + back.attribute("exif:thumbnail:GPSLatitude"),
                     std::string("10/1, 20/1, 30/1"));
            QCOMPARE((out.indexOf("2014:07:03") - out.indexOf(QByteArray("Exif\0\0", 6)) - 6) % 2, 0);
        }
        QCOMPARE(h.Log(LogFile).contains(" - Written without the Exif thumbnail: " + D + "/thumb.jpg"),
                 filter == 0 && big);
    }

    // --- folders and names ------------------------------------------------

    void folderModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("sub");
        QTest::addColumn<bool>("uploadOnly");
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("outputs");
        QTest::newRow("mode 1") << 1 << "" << false << QStringList{"a/b/c/p.jpg", "a/b/d/q.jpg", "a/b/r.jpg"}
                                << QStringList{"out/c/p.png", "out/d/q.png", "out/r.png"};
        QTest::newRow("mode 1, root inside another path")
            << 1 << "" << false << QStringList{"a/b/p.jpg", "x/a/b/c/q.jpg"}
            << QStringList{"out/a/b/p.png", "out/x/a/b/c/q.png"};
        QTest::newRow("mode 1, whole components")
            << 1 << "" << false << QStringList{"a/p.jpg", "ab/c/q.jpg"} << QStringList{"out/a/p.png", "out/ab/c/q.png"};
        QTest::newRow("mode 2") << 2 << "" << false << QStringList{"a/p.jpg", "b/q.jpg"}
                                << QStringList{"a/p.png", "b/q.png"};
        QTest::newRow("mode 3") << 3 << "done" << false << QStringList{"a/b/c/p.jpg"}
                                << QStringList{"a/b/c/done/p.png"};
        QTest::newRow("mode 3, upload only")
            << 3 << "done" << true << QStringList{"a/b/c/p.jpg"} << QStringList{"a/b/c/done/p.png"};
        QTest::newRow("mode 3, traversal")
            << 3 << "../up" << false << QStringList{"a/p.jpg"} << QStringList{"a/_/up/p.png"};
        QTest::newRow("mode 3, absolute")
            << 3 << "/abs/x" << false << QStringList{"a/p.jpg"} << QStringList{"a/abs/x/p.png"};
    }
    void folderModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, sub);
        QFETCH(bool, uploadOnly);
        QFETCH(QStringList, sources);
        QFETCH(QStringList, outputs);
        QStringList paths;
        for (const QString& s : sources)
            paths << Src(s);
        P->OutputFolderStruct = mode;
        P->OutputFolder = sub;
        P->OutputFormat = "PNG";
        if (uploadOnly)
            P->Destination = 3;
        WorkerHarness h;
        QVERIFY(h.RunJob(paths, 2));
        QStringList expected = outputs + sources;
        expected.sort();
        QCOMPARE(TreeOf(T), expected);
        QCOMPARE(h.Errors(), 0);
    }

    void batchUniqueNames()
    {
        const QStringList paths = {Src("1/a.jpg"), Src("2/A.jpg"), Src("3/a.jpg")};
        WorkerHarness h;
        QVERIFY(h.RunJob(paths));
        QCOMPARE(h.outputPaths, QStringList({D + "/a.jpg", D + "/A (2).jpg", D + "/a (3).jpg"}));
        QCOMPARE(FilesIn(D), QStringList({"A (2).jpg", "a (3).jpg", "a.jpg"}));
    }

    void renameJoinsTheBatch()
    {
        const QString first = Src("src/a.jpg"), second = Src("src/b.jpg", 2);
        WriteFile(D + "/a.jpg", "old");
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerRename, D + "/b.jpg"};
        QVERIFY(h.RunJob({first, second}));
        QCOMPARE(FileBytes(D + "/b.jpg"), FileBytes(first));
        QCOMPARE(FileBytes(D + "/b (2).jpg"), FileBytes(second));
        QCOMPARE(FileBytes(D + "/a.jpg"), QByteArray("old"));
        QCOMPARE(h.Log(LogFile),
                 QStringList({" - Written as " + D + "/b.jpg", " - Processed and renamed " + first,
                              " - Written as " + D + "/b (2).jpg: the name was taken", " - Processed " + second}));
    }

    // A Rename answer never replaces a file: not the one typed, should it
    // have appeared since, nor the suffixed form a reserved name leads to.
    void renameReplacesNothing_data()
    {
        QTest::addColumn<bool>("reserved"); // a missing photo reserves D/b.jpg first
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("output");
        QTest::newRow("typed name on disk") << false << "b.jpg"
                                            << "b (2).jpg";
        QTest::newRow("suffixed name on disk") << true << "b (2).jpg"
                                               << "b (3).jpg";
    }
    void renameReplacesNothing()
    {
        QFETCH(bool, reserved);
        QFETCH(QString, existing);
        QFETCH(QString, output);
        QStringList paths;
        if (reserved)
            paths << S + "/b.jpg";
        const QString src = Src("src/a.jpg");
        paths << src;
        WriteFile(D + "/a.jpg", "old");
        WriteFile(D + "/" + existing, "mine");
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerRename, D + "/b.jpg"};
        QVERIFY(h.RunJob(paths));
        QCOMPARE(FileBytes(D + "/" + existing), QByteArray("mine"));
        QCOMPARE(FileBytes(D + "/" + output), FileBytes(src));
        QCOMPARE(FileBytes(D + "/a.jpg"), QByteArray("old"));
        QCOMPARE(FilesIn(D).size(), 3);
    }

    void silentRuns_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("onDisk");
        QTest::addColumn<QString>("output");
        QTest::newRow("third name") << false << "" << QStringList{"x.jpg", "x (2).jpg"} << "x (3).jpg";
        QTest::newRow("monitor overwrites") << true << "" << QStringList{"x.jpg"} << "x.jpg";
        QTest::newRow("monitor count") << false << "holiday.[Extension]" << QStringList{} << "holiday (06).jpg";
    }
    void silentRuns()
    {
        QFETCH(bool, overwrite);
        QFETCH(QString, pattern);
        QFETCH(QStringList, onDisk);
        QFETCH(QString, output);
        for (const QString& name : onDisk)
            WriteFile(D + "/" + name, "old");
        P->SilentRun = true;
        P->Overwrite = overwrite;
        P->PicCount = 5;
        if (!pattern.isEmpty()) {
            P->FilterFilename.preset = 3;
            P->FilterFilename.pattern = pattern;
            P->FilterFilename.counterDigits = 2;
        }
        const QString src = Src("src/x.jpg");
        WorkerHarness h;
        const bool ran = h.RunJob({src});
        P->SilentRun = false;
        QVERIFY(ran);
        QCOMPARE(h.Count("ShowOverwriteDlg"), 0);
        QCOMPARE(FileBytes(D + "/" + output), FileBytes(src));
        QCOMPARE(h.outputPaths, QStringList{D + "/" + output});
        QStringList lines{" - Processed " + src};
        if (pattern.isEmpty() && output != "x.jpg")
            lines.prepend(" - Written as " + D + "/" + output + ": the name was taken");
        QCOMPARE(h.Log(LogFile), lines);
        QCOMPARE(FilesIn(D).size(), onDisk.size() + (overwrite ? 0 : 1));
    }

    void silentRunTwoWorkers()
    {
        WriteFile(D + "/x.jpg", "old");
        QStringList paths;
        for (int i = 0; i < 4; ++i)
            paths << Src(QString("%1/x.jpg").arg(i), quint32(i + 1));
        P->SilentRun = true;
        WorkerHarness h;
        const bool ran = h.RunJob(paths, 2);
        P->SilentRun = false;
        QVERIFY(ran);
        QCOMPARE(FileBytes(D + "/x.jpg"), QByteArray("old"));
        QCOMPARE(FilesIn(D), QStringList({"x (2).jpg", "x (3).jpg", "x (4).jpg", "x (5).jpg", "x.jpg"}));
        // Each photo's line, and the name it was written as.
        QCOMPARE(h.Log(LogFile).size(), 8);
    }

    // An output never shares a file with another photo of the run (its
    // source, or its output's pages), nor takes a name the run made up or
    // found taken at the commit while a file is there. Entries are
    // "path=WxH" (a ".tif" has three pages) or "path=old", a file of the
    // user's, or "link->target" a folder link; `left` is every file there is
    // after the run, `notes` the "Written as" lines (with %1 for the folder).
    // `limits` sets variables of the limited file-system library (a
    // folder's relative to the test's folder), each "NAME=value".
    void sharedNames_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("deleteSource");
        QTest::addColumn<bool>("raced");
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("limits");
        const QString taken = ": the name was taken";
        QTest::newRow("another photo at the name, written")
            << 2 << "JPG" << true << true << false << QStringList{"src/a.png=64x48", "src/a.jpg=36x28"}
            << QStringList{"src/a.jpg=36x28", "src/a (2).jpg=64x48"} << QStringList{"%1/src/a (2).jpg" + taken}
            << QString();
        QTest::newRow("another photo at the name, moved")
            << 0 << "keep" << true << true << false << QStringList{"src/a.jpg=64x48", "out/a.jpg=36x28"}
            << QStringList{"out/a.jpg=36x28", "out/a (2).jpg=64x48"} << QStringList{"%1/out/a (2).jpg" + taken}
            << QString();
        for (bool overwrite : {false, true})
            QTest::newRow(overwrite ? "pages and another photo's output, overwrite"
                                    : "pages and another photo's output")
                << 2 << "JPG" << overwrite << true << false << QStringList{"src/a.tif=0x0", "src/a-1.png=36x28"}
                << QStringList{"src/a-0.jpg=40x30", "src/a-1.jpg=50x40", "src/a-2.jpg=60x50", "src/a-1 (2).jpg=36x28"}
                << QStringList{"%1/src/a-1 (2).jpg" + taken} << QString();
        QTest::newRow("pages given a made-up name")
            << 0 << "JPG" << true << true << false << QStringList{"in1/a.png=64x48", "in2/a.tif=0x0"}
            << QStringList{"out/a.jpg=64x48", "out/a (2)-0.jpg=40x30", "out/a (2)-1.jpg=50x40", "out/a (2)-2.jpg=60x50"}
            << QStringList{"%1/out/a (2)-0.jpg to %1/out/a (2)-2.jpg" + taken} << QString();
        QTest::newRow("made-up name taken on disk")
            << 0 << "JPG" << true << false << false
            << QStringList{"in1/a.png=64x48", "in2/a.png=36x28", "out/a (2).jpg=old"}
            << QStringList{"in1/a.png=64x48", "in2/a.png=36x28", "out/a.jpg=64x48", "out/a (2).jpg=old",
                           "out/a (3).jpg=36x28"}
            << QStringList{"%1/out/a (3).jpg" + taken} << QString();
        QTest::newRow("name taken after the check")
            << 0 << "JPG" << false << false << true << QStringList{"src/a.png=64x48"}
            << QStringList{"src/a.png=64x48", "out/a.jpg=old", "out/a (2).jpg=64x48"}
            << QStringList{"%1/out/a (2).jpg" + taken + " meanwhile"} << QString();
        QTest::newRow("name taken after the check, overwrite")
            << 0 << "JPG" << true << false << true << QStringList{"src/a.png=64x48"}
            << QStringList{"src/a.png=64x48", "out/a.jpg=64x48"} << QStringList{} << QString();
        // One folder by two spellings: a name is the folder's, however it is reached.
        const QStringList aliased{"src/a.png=64x48", "alias->src", "alias/a.jpeg=36x28"};
        QTest::newRow("one folder by two spellings, subfolder")
            << 3 << "JPG" << true << true << false << aliased
            << QStringList{"src/sub/a.jpg=64x48", "src/sub/a (2).jpg=36x28"}
            << QStringList{"%1/alias/sub/a (2).jpg" + taken} << QString();
        QTest::newRow("two subfolders linked to one")
            << 3 << "JPG" << true << false << false
            << QStringList{"in1/a.png=64x48", "in2/a.jpeg=36x28", "in1/sub->../exp", "in2/sub->../exp"}
            << QStringList{"in1/a.png=64x48", "in2/a.jpeg=36x28", "exp/a.jpg=64x48", "exp/a (2).jpg=36x28"}
            << QStringList{"%1/in2/sub/a (2).jpg" + taken} << QString();
        QTest::newRow("name taken at the rename, written")
            << 0 << "JPG" << false << false << false << QStringList{"src/a.png=64x48"}
            << QStringList{"src/a.png=64x48", "out/a.jpg=64x48"} << QStringList{} << "BQ_TAKE_AT_RENAME=a.jpg";
        // A photo listed by a link: its file is the output, only the link goes.
        QTest::newRow("photo by a relative link, moved")
            << 3 << "keep" << true << true << false << QStringList{"links/a.jpg->../real/a.jpg=64x48"}
            << QStringList{"real/a.jpg=64x48", "links/sub/a.jpg=64x48"} << QStringList{} << QString();
        QTest::newRow("photo by an absolute link, moved")
            << 1 << "keep" << true << true << false << QStringList{"links/a.jpg->%1/real/a.jpg=64x48"}
            << QStringList{"real/a.jpg=64x48", "out/a.jpg=64x48"} << QStringList{} << QString();
        // Another run, told to overwrite, puts its file in place of the claim.
        QTest::newRow("claimed name taken by another run")
            << 0 << "JPG" << false << false << false << QStringList{"src/a.png=64x48"}
            << QStringList{"src/a.png=64x48", "out/a.jpg=old", "out/a (2).jpg=64x48"}
            << QStringList{"%1/out/a (2).jpg" + taken + " meanwhile"} << "BQ_REPLACE_AT_CLAIM=a.jpg";
        // Long names on 11 pages ("in/x.tif=11"): a numbered name is cut
        // once, on a character boundary, so that its last page fits too.
        const auto pages = [](const QString& base, const QString& value) {
            QStringList files;
            for (int i = 0; i <= 10; ++i)
                files << QString("out/%1-%2.jpg=%3").arg(base).arg(i).arg(value);
            return files;
        };
        const QString m(245, 'm');
        QTest::newRow("long name, pages twice")
            << 0 << "JPG" << false << true << false << QStringList{"in1/" + m + ".tif=11", "in2/" + m + ".tif=11"}
            << pages(m, "10x10") + pages(QString(244, 'm') + " (2)", "10x10")
            << QStringList{"%1/out/" + m.left(244) + " (2)-0.jpg to %1/out/" + m.left(244) + " (2)-10.jpg" + taken}
            << QString();
        for (const QString& letter : {QString(QChar(0x00E9)), QString("\U0001F600")}) {
            // The tenth name: "(10)" is one byte longer than "(2)" to "(9)";
            // 243 bytes are left beside " (10)", "-10" and ".jpg".
            const QString base = letter.repeated(244 / letter.toUtf8().size());
            QStringList olds = pages(base, "old").mid(0, 1);
            for (int n = 2; n <= 9; ++n)
                olds << pages(base + QString(" (%1)").arg(n), "old").mid(0, 1);
            const QString cut = letter.repeated(243 / letter.toUtf8().size()) + " (10)";
            QTest::newRow(qPrintable(letter.toUtf8().size() == 2 ? "long name of \u00e9, pages as (10)"
                                                                 : "long name of emoji, pages as (10)"))
                << 0 << "JPG" << false << true << false << QStringList{"in/" + base + ".tif=11"} + olds
                << olds + pages(cut, "10x10")
                << QStringList{"%1/out/" + cut + "-0.jpg to %1/out/" + cut + "-10.jpg" + taken} << QString();
        }
        QTest::newRow("pages over pages, overwrite")
            << 0 << "JPG" << true << true << false << QStringList{"src/a.tif=0x0", "out/a-0.jpg=old", "out/a-1.jpg=old"}
            << QStringList{"out/a-0.jpg=40x30", "out/a-1.jpg=50x40", "out/a-2.jpg=60x50"} << QStringList{} << QString();
        // Names that a casefold folder makes one: the second photo never
        // replaces the first, moved or written.
        QTest::newRow("folded names, moved")
            << 0 << "keep" << true << true << false << QStringList{"s1/Straße.jpg=64x48", "s2/STRASSE.jpg=36x28"}
            << QStringList{"out/Straße.jpg=64x48", "out/STRASSE (2).jpg=36x28"}
            << QStringList{"%1/out/STRASSE (2).jpg" + taken} << "BQ_FOLD_FOLDER=out";
        QTest::newRow("NFC and NFD names, written")
            << 0 << "JPG" << true << true << false << QStringList{"s1/\u00e9.png=64x48", "s2/e\u0301.png=36x28"}
            << QStringList{"out/\u00e9.jpg=64x48", "out/e\u0301 (2).jpg=36x28"}
            << QStringList{"%1/out/e\u0301 (2).jpg" + taken} << "BQ_FOLD_FOLDER=out";
        // As on an exFAT card through exfat-fuse: each spelling of a file has
        // an inode number of its own, so only the names can tell.
        const QString exfat = "BQ_FOLD_FOLDER=out BQ_FOLD_OWN_INODES=1";
        const QList<QPair<QString, QString>> spellings{
            {"\u03c3", "\u03c2"},
            {"\u039b\u03ad\u03c3\u03b2\u03bf\u03c2", "\u039b\u0388\u03a3\u0392\u039f\u03a3"},
            {"Stra\u00dfe", "STRASSE"},
            {"\u00e9t\u00e9", "e\u0301te\u0301"},
            {"\ufb01le", "file"}};
        for (const auto& names : spellings) {
            const QString first = names.first, second = names.second;
            QTest::newRow(qPrintable(first + " and " + second + ", own inodes, moved"))
                << 0 << "keep" << true << true << false
                << QStringList{"s1/" + first + ".jpg=64x48", "s2/" + second + ".jpg=36x28"}
                << QStringList{"out/" + first + ".jpg=64x48", "out/" + second + " (2).jpg=36x28"}
                << QStringList{"%1/out/" + second + " (2).jpg" + taken} << exfat;
            QTest::newRow(qPrintable(first + " and " + second + ", own inodes, written"))
                << 0 << "JPG" << true << false << false
                << QStringList{"s1/" + first + ".png=64x48", "s2/" + second + ".png=36x28"}
                << QStringList{"s1/" + first + ".png=64x48", "s2/" + second + ".png=36x28",
                               "out/" + first + ".jpg=64x48", "out/" + second + " (2).jpg=36x28"}
                << QStringList{"%1/out/" + second + " (2).jpg" + taken} << exfat;
        }
        // Folders too: each spelling of a folder has an inode number of its
        // own, and an output never replaces another, nor another's source.
        QTest::newRow("folders spelt two ways, own inodes, moved")
            << 1 << "keep" << true << true << false << QStringList{"src/Trip/a.jpg=64x48", "src/TRIP/a.jpg=36x28"}
            << QStringList{"out/Trip/a.jpg=64x48", "out/Trip/a (2).jpg=36x28"}
            << QStringList{"%1/out/TRIP/a (2).jpg" + taken} << exfat;
        QTest::newRow("folders spelt two ways, own inodes, written")
            << 1 << "JPG" << true << false << false << QStringList{"src/Trip/a.png=64x48", "src/TRIP/a.png=36x28"}
            << QStringList{"src/Trip/a.png=64x48", "src/TRIP/a.png=36x28", "out/Trip/a.jpg=64x48",
                           "out/Trip/a (2).jpg=36x28"}
            << QStringList{"%1/out/TRIP/a (2).jpg" + taken} << exfat;
        QTest::newRow("subfolders of folders spelt two ways, own inodes")
            << 3 << "JPG" << true << true << false << QStringList{"out/Trip/a.jpg=64x48", "out/TRIP/A.png=36x28"}
            << QStringList{"out/Trip/sub/a.jpg=64x48", "out/Trip/sub/A (2).jpg=36x28"}
            << QStringList{"%1/out/TRIP/sub/A (2).jpg" + taken} << exfat;
        for (bool deleteSource : {true, false})
            QTest::newRow(deleteSource ? "another photo's source spelt otherwise, own inodes, moved"
                                       : "another photo's source spelt otherwise, own inodes")
                << 2 << "PNG" << true << deleteSource << false
                << QStringList{"out/IMG_0001.JPG=64x48", "out/img_0001.png=36x28"}
                << QStringList{"out/IMG_0001 (2).png=64x48", "out/img_0001.png=36x28"} +
                       (deleteSource ? QStringList() : QStringList{"out/IMG_0001.JPG=64x48"})
                << QStringList{"%1/out/IMG_0001 (2).png" + taken} << exfat;
        // Where names do not fold, two folders are two: the second takes a number.
        QTest::newRow("folders spelt two ways, no folding")
            << 1 << "keep" << true << true << false << QStringList{"src/Trip/a.jpg=64x48", "src/TRIP/a.jpg=36x28"}
            << QStringList{"out/Trip/a.jpg=64x48", "out/TRIP/a (2).jpg=36x28"}
            << QStringList{"%1/out/TRIP/a (2).jpg" + taken} << QString();
    }

    void sharedNames()
    {
        QFETCH(int, mode);
        QFETCH(QString, format);
        QFETCH(bool, overwrite);
        QFETCH(bool, deleteSource);
        QFETCH(bool, raced);
        QFETCH(QStringList, sources);
        QFETCH(QStringList, left);
        QFETCH(QStringList, notes);
        QFETCH(QString, limits);
        // Set first: a folding folder takes its photos as it would take any file.
        // The first variable decides whether the row can run here.
        const QStringList settings = limits.split(' ', Qt::SkipEmptyParts);
        const QByteArray variable = settings.value(0).section('=', 0, 0).toUtf8();
        const QString limit = (variable == "BQ_FOLD_FOLDER" ? T + "/" : QString()) + settings.value(0).section('=', 1);
        for (const QString& setting : settings)
            qputenv(setting.section('=', 0, 0).toUtf8(), setting.section('=', 1).toUtf8());
        if (!variable.isEmpty())
            qputenv(variable, limit.toUtf8());
        // Kept to the end: the checks see the files as the run did.
        const auto unset = qScopeGuard([&] {
            for (const QString& setting : settings)
                qunsetenv(setting.section('=', 0, 0).toUtf8());
        });
        QStringList photos;
        for (const QString& entry : sources) {
            if (entry.contains("->")) {
                // "link->target" a folder link, "link->target=WxH" a photo listed by its link.
                const QString link = T + "/" + entry.section("->", 0, 0), value = entry.section('=', 1);
                const QString target = entry.section("->", 1).section('=', 0, 0).replace("%1", T);
                const QString reached = QDir(MakeFolder(QFileInfo(link).path())).filePath(target);
                MakeFolder(value.isEmpty() ? reached : QFileInfo(reached).path());
                if (!value.isEmpty()) {
                    WriteJpeg(reached, value.section('x', 0, 0).toInt(), value.section('x', 1).toInt(), 1);
                    photos << link;
                }
                QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
                continue;
            }
            const QString path = T + "/" + entry.section('=', 0, 0), value = entry.section('=', 1);
            MakeFolder(QFileInfo(path).path());
            const int w = value.section('x', 0, 0).toInt(), h = value.section('x', 1).toInt();
            if (value == "old")
                WriteFile(path, "old");
            else if (path.endsWith(".tif") && !value.contains('x'))
                WritePages(path, value.toInt());
            else if (path.endsWith(".tif"))
                WriteThreePageTiff(path);
            else if (path.endsWith(".png"))
                WritePng(path, w, h);
            else
                WriteJpeg(path, w, h, quint32(photos.size() + 1));
            if (value != "old")
                photos << path;
        }
        // "ß" found as "SS" where names fold; only the _nolinks run claims names.
        const bool folds =
            variable == "BQ_FOLD_FOLDER" && WriteFile(limit + "/\u00df", "") && QFile::remove(limit + "/SS");
        const bool claims = variable == "BQ_REPLACE_AT_CLAIM" && !qEnvironmentVariableIsEmpty("BQ_NO_HARD_LINKS");
        if ((variable == "BQ_FOLD_FOLDER" && !folds) || (variable == "BQ_REPLACE_AT_CLAIM" && !claims)) {
            QFile::remove(limit + "/\u00df");
            QSKIP("names are folded, or claimed where there are no hard links, only as the limited file-system library "
                  "emulates it");
        }
        P->OutputFolderStruct = mode;
        P->OutputFormat = format == "keep" ? KeepOriginalFormatText() : format;
        P->SilentRun = true;
        P->Overwrite = overwrite;
        P->DeleteSource = deleteSource;
        P->OutputFolder = "sub";
        WorkerHarness h;
        if (raced)
            h.engineFactory = [] { return std::make_unique<RacingEngine>(); };
        const bool ran = h.RunJob(photos);
        P->SilentRun = false;
        QVERIFY(ran);
        QCOMPARE(h.Errors(), 0);
        QStringList names;
        for (const QString& entry : left)
            names << entry.section('=', 0, 0);
        names.sort();
        QCOMPARE(TreeOf(T), names);
        for (const QString& entry : left) {
            const QString path = T + "/" + entry.section('=', 0, 0), value = entry.section('=', 1);
            QVERIFY2(!QFileInfo(path).isSymLink(), qPrintable(path));
            if (value == "old")
                QCOMPARE(FileBytes(path), QByteArray("old"));
            else
                QCOMPARE(QString("%1x%2").arg(SizeOf(path).width()).arg(SizeOf(path).height()), value);
        }
        // What the run says it wrote is what is there.
        const QString real = QFileInfo(T).canonicalFilePath();
        for (const auto& written : h.writtenFiles) {
            const QString file = QFileInfo(written.second).canonicalFilePath();
            QVERIFY2(names.contains(file.mid(real.size() + 1)), qPrintable(written.second));
        }
        // And it names every file that is not the name asked for.
        const QStringList named = h.Log(LogFile).filter(QRegularExpression("^ - Written as "));
        QCOMPARE(named, notes.replaceInStrings(QRegularExpression("^"), " - Written as ").replaceInStrings("%1", T));
    }

    // --- the overwrite handshake -----------------------------------------

    void answers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("workers");
        QTest::addColumn<int>("photos");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("written");
        QTest::newRow("no") << int(AnswerNo) << 1 << 1 << "Skipped" << false;
        QTest::newRow("rename") << int(AnswerRename) << 1 << 1 << "Processed and renamed" << true;
        QTest::newRow("yes to all") << int(AnswerYesToAll) << 2 << 8 << "Processed and replaced" << true;
        QTest::newRow("no to all") << int(AnswerNoToAll) << 2 << 8 << "Skipped" << false;
        QTest::newRow("abort") << int(AnswerAbort) << 2 << 8 << "" << false;
    }
    void answers()
    {
        QFETCH(int, code);
        QFETCH(int, workers);
        QFETCH(int, photos);
        QFETCH(QString, line);
        QFETCH(bool, written);
        QStringList paths;
        for (int i = 0; i < photos; ++i) {
            paths << Src(QString("src/p%1.jpg").arg(i));
            WriteFile(D + QString("/p%1.jpg").arg(i), "old");
        }
        WorkerHarness h;
        h.answers << SOverwriteAnswer{code, code == AnswerRename ? D + "/renamed.jpg" : QString()};
        QVERIFY(h.RunJob(paths, workers));
        QCOMPARE(h.Count("ShowOverwriteDlg"), 1);
        QStringList expected;
        for (const QString& p : paths) {
            if (!line.isEmpty())
                expected << " - " + line + " " + p;
        }
        if (code == AnswerRename) // the name typed, as written
            expected << " - Written as " + D + "/renamed.jpg";
        QStringList lines = h.Log(LogFile);
        lines.sort();
        expected.sort();
        QCOMPARE(lines, expected);
        const QString check = code == AnswerRename ? D + "/renamed.jpg" : D + "/p0.jpg";
        QCOMPARE(FileBytes(check) == FileBytes(paths.first()), written);
        for (CProcessThread* w : h.workers)
            QCOMPARE(w->cancel.load(), code == AnswerAbort);
        QVERIFY(h.FinishedOnceAndLast());
    }

    // One question per run however the workers meet it.
    void oneQuestionLoop()
    {
        QStringList paths;
        for (int i = 0; i < 24; ++i) {
            paths << Src(QString("src/l%1.jpg").arg(i));
            WriteFile(D + QString("/l%1.jpg").arg(i), "old");
        }
        for (int run = 0; run < 20; ++run) {
            WorkerHarness h;
            h.answers << SOverwriteAnswer{AnswerYesToAll, QString()};
            QVERIFY(h.RunJob(paths, 4));
            QCOMPARE(h.Count("ShowOverwriteDlg"), 1);
            QCOMPARE(h.Log(LogFile).size(), 24);
            QVERIFY(h.FinishedOnceAndLast());
        }
    }

    void existingPageIsAsked()
    {
        const QString tif = S + "/doc.tif";
        WriteThreePageTiff(tif);
        WriteFile(D + "/doc-1.jpg", "old");
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerNo, QString()};
        QVERIFY(h.RunJob({tif}));
        QCOMPARE(h.Texts("ShowOverwriteDlg"), QStringList{D + "/doc-1.jpg"});
        QCOMPARE(FilesIn(D), QStringList{"doc-1.jpg"});
        QCOMPARE(FileBytes(D + "/doc-1.jpg"), QByteArray("old"));
    }

    // --- same file ---------------------------------------------------------

    void sameFileCopy_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("dest");
        QTest::addColumn<bool>("deleteSource");
        for (bool del : {false, true}) {
            const char* d = del ? ", delete source" : "";
            QTest::newRow(qPrintable(QString("mode 3 empty%1").arg(d))) << 3 << "" << del;
            QTest::newRow(qPrintable(QString("mode 3 dot%1").arg(d))) << 3 << "." << del;
            QTest::newRow(qPrintable(QString("double slash%1").arg(d))) << 0 << "//" << del;
            QTest::newRow(qPrintable(QString("dot segment%1").arg(d))) << 0 << "/./" << del;
            QTest::newRow(qPrintable(QString("folder link%1").arg(d))) << 0 << "link" << del;
        }
    }
    void sameFileCopy()
    {
        QFETCH(int, mode);
        QFETCH(QString, dest);
        QFETCH(bool, deleteSource);
        const QString src = Src("src/IMG_0001.jpg");
        const QByteArray bytes = FileBytes(src);
        QVERIFY(QFile::link(S, T + "/link"));
        P->OutputFolderStruct = mode;
        P->OutputFolder = dest;
        P->DestPath = dest == "link" ? T + "/link" : T + dest + "src";
        P->DeleteSource = deleteSource;
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        QCOMPARE(FileBytes(src), bytes);
        QCOMPARE(FilesIn(S), QStringList{"IMG_0001.jpg"});
        QCOMPARE(h.Log(LogFile), QStringList{" - Processed " + src});
        QCOMPARE(h.Count("ShowOverwriteDlg"), 0);
        QCOMPARE(h.Count("IncProgressOperation"), 2);
        QCOMPARE(h.Count("IncProgressImage"), 1);
    }

    void linkAtOutputIsReplaced()
    {
        const QString src = Src("src/x.jpg");
        const QByteArray bytes = FileBytes(src);
        QVERIFY(QFile::link(src, D + "/x.jpg"));
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({src}));
        QVERIFY(!QFileInfo(D + "/x.jpg").isSymLink());
        QVERIFY(FileBytes(D + "/x.jpg") != bytes);
        QCOMPARE(FileBytes(src), bytes);
    }

    void caseDiffers_data()
    {
        QTest::addColumn<bool>("deleteSource");
        QTest::newRow("copy") << false;
        QTest::newRow("move") << true;
    }
    void caseDiffers()
    {
        QFETCH(bool, deleteSource);
        const QString src = Src("src/IMG_0001.JPG");
        const QByteArray bytes = FileBytes(src);
        P->OutputFolderStruct = 2;
        P->DeleteSource = deleteSource;
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        QCOMPARE(FilesIn(S),
                 deleteSource ? QStringList{"IMG_0001.jpg"} : QStringList({"IMG_0001.JPG", "IMG_0001.jpg"}));
        QCOMPARE(FileBytes(S + "/IMG_0001.jpg"), bytes);
    }

    // --- upload-only runs and the list of written files ------------------

    void uploadOnly_data()
    {
        QTest::addColumn<bool>("deleteSource");
        QTest::newRow("keep sources") << false;
        QTest::newRow("delete source asked") << true;
    }
    void uploadOnly()
    {
        QFETCH(bool, deleteSource);
        const QString copied = Src("src/c.jpg"), encoded = Src("src/e.png", 2);
        MakeFolder(TempFolder());
        WriteFile(TempFolder() + "/c.jpg", "old");
        P->Destination = 3;
        P->OutputFormat = "JPG";
        P->DeleteSource = deleteSource;
        WorkerHarness h;
        QVERIFY(h.RunJob({copied, encoded}));
        QCOMPARE(FilesIn(TempFolder()), QStringList({"c.jpg", "e.jpg"}));
        QCOMPARE(FileBytes(TempFolder() + "/c.jpg"), FileBytes(copied));
        QVERIFY(QFileInfo::exists(copied) && QFileInfo::exists(encoded));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(TempFolder()).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0700);
        QCOMPARE(h.Count("ShowOverwriteDlg"), 0);
        QCOMPARE(h.Count("OpenOutputFolder"), 0);
        QCOMPARE(h.writtenFiles.size(), 2);
    }

    void writtenFilesList()
    {
        const QString p1 = Src("src/p1.jpg"), p2 = Src("src/p2.jpg"), p3 = S + "/p3.jpg", p4 = Src("src/p4.jpg");
        WriteFile(p3, QByteArray());
        WriteFile(D + "/p2.jpg", "old");
        WriteFile(D + "/p4.jpg", "old");
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerNo, QString()} << SOverwriteAnswer{AnswerRename, D + "/renamed.jpg"};
        QVERIFY(h.RunJob({p1, p2, p3, p4}));
        QCOMPARE(h.writtenFiles, WrittenFileList({qMakePair(p1, D + "/p1.jpg"), qMakePair(p4, D + "/renamed.jpg")}));
        QCOMPARE(h.outputPaths, QStringList({D + "/p1.jpg", D + "/p2.jpg", D + "/p3.jpg", D + "/p4.jpg"}));
    }

    // TMPDIR may name a folder that does not exist yet (QDir::tempPath() is
    // then empty): it is made, and nothing goes to "/BrandquillTemp".
    void missingTmpDir()
    {
        const QByteArray saved = qgetenv("TMPDIR");
        const QString tmp = T + "/no/such/tmp";
        qputenv("TMPDIR", QFile::encodeName(tmp));
        const QString src = Src("src/m.jpg");
        const QString atRoot = "/BrandquillTemp";
        const bool rootHadOne = QFileInfo::exists(atRoot);
        P->Destination = 3;
        WorkerHarness h;
        const bool ran = h.RunJob({src});
        qputenv("TMPDIR", saved);
        // Whatever a faulty run left at the root goes again.
        const bool leaked = !rootHadOne && QFileInfo::exists(atRoot);
        if (leaked)
            QDir(atRoot).removeRecursively();
        QVERIFY(ran);
        QVERIFY(!leaked);
        QCOMPARE(h.Errors(), 0);
        QCOMPARE(FilesIn(tmp + "/BrandquillTemp"), QStringList{"m.jpg"});
    }

    void unsafeTempFolder_data()
    {
        QTest::addColumn<bool>("link");
        QTest::addColumn<bool>("ownNameTaken");
        QTest::newRow("symbolic link") << true << false;
        QTest::newRow("another user's folder") << false << false;
        QTest::newRow("both names links") << true << true;
    }
    void unsafeTempFolder()
    {
        QFETCH(bool, link);
        QFETCH(bool, ownNameTaken);
        const QString elsewhere = MakeFolder(T + "/elsewhere");
        const QString own = TempFolder() + "-" + QString::number(::geteuid());
        if (link) {
            QVERIFY(QFile::link(elsewhere, TempFolder()));
        } else {
            if (::geteuid() != 0)
                QSKIP("giving a folder to another user needs root");
            MakeFolder(TempFolder());
            QCOMPARE(::chown(QFile::encodeName(TempFolder()).constData(), 65534, 65534), 0);
        }
        if (ownNameTaken)
            QVERIFY(QFile::link(elsewhere, own));
        const QString src = Src("src/u.jpg");
        P->Destination = 3;
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        // Refused as it stands: the run falls back to a name of its own,
        // then to the user's runtime folder.
        const QString used = ownNameTaken ? qEnvironmentVariable("XDG_RUNTIME_DIR") + "/BrandquillTemp" : own;
        QCOMPARE(h.Errors(), 0);
        QCOMPARE(FilesIn(used), QStringList{"u.jpg"});
        QCOMPARE(ModeOf(used), 0700);
        QVERIFY(FilesIn(elsewhere).isEmpty());
        QVERIFY(FilesIn(TempFolder()).isEmpty());
        QFile::remove(TempFolder());
        QFile::remove(own);
        RemoveDir(used);
    }

    void relativeDestination_data()
    {
        QTest::addColumn<QString>("dest");
        QTest::newRow("empty") << "";
        QTest::newRow("relative") << "out";
    }
    void relativeDestination()
    {
        QFETCH(QString, dest);
        const QString name = QFileInfo(T).fileName() + ".jpg";
        const QString src = Src("src/" + name);
        P->DestPath = dest;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(T);
        WorkerHarness h;
        const bool ran = h.RunJob({src, src});
        QDir::setCurrent(cwd);
        QVERIFY(ran);
        const QString shown = dest.isEmpty() ? name : dest + "/" + name;
        const QString why = ": the output folder is not a full path";
        QCOMPARE(h.Log(LogFile),
                 QStringList({" - Failed to write " + shown + why, " - Failed to write " + shown + why}));
        QCOMPARE(h.Errors(), 2);
        QVERIFY(!QFileInfo::exists("/" + name));
        QCOMPARE(TreeOf(T), QStringList{"src/" + name});
        QCOMPARE(h.Count("OpenOutputFolder"), 0);
    }
};

BQ_TEST_MAIN(TestWorkerOutputs)
#include "tst_worker_outputs.moc"
