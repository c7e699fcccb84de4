// The per-photo pipeline of a worker: read, filters, write, the copy path,
// source deletion, attributes, log lines, progress, pause and cancel.
#include "BqTestMain.h"
#include "CoreMetaTypes.h"
#include "EngineFixtures.h"
#include "FilterDescriptions.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "PhotoMaker.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WorkerHarness.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <new>
#include <sys/stat.h>
#include <type_traits>

using namespace BqTest;

namespace
{

// Engine whose read of "throw-read" and write of "throw-write" throw, as a
// library or allocator failure would.
class ThrowingEngine : public CImageManager
{
public:
    bool Read(const QString& path)
    {
        if (path.contains(QLatin1String("throw-read")))
            throw Magick::ErrorCorruptImage("corrupt image");
        return CImageManager::Read(path);
    }
    bool Write(const QString& path)
    {
        if (path.contains(QLatin1String("throw-write")))
            throw std::bad_alloc();
        return CImageManager::Write(path);
    }
};

QSize SizeOf(const QString& path)
{
    Magick::Image image(QFile::encodeName(path).toStdString());
    return QSize(int(image.columns()), int(image.rows()));
}

} // namespace

class TestWorkerPipeline : public QObject
{
    Q_OBJECT

private:
    QString S, D; // source and output folders of the current test
    std::unique_ptr<QTemporaryDir> m_Tmp;
    CUserProfile* P = nullptr;

    QString Src(const QString& name, int w = 64, int h = 48, quint32 seed = 1)
    {
        WriteJpeg(S + "/" + name, w, h, seed);
        return S + "/" + name;
    }

private slots:
    void initTestCase()
    {
        StartWorkerTests();
        RegisterCoreMetaTypes();
        P = CUserProfile::GetInstance();
    }
    void init()
    {
        m_Tmp.reset(new QTemporaryDir(QDir::tempPath() + "/pipe-XXXXXX"));
        S = MakeFolder(m_Tmp->path() + "/src");
        D = MakeFolder(m_Tmp->path() + "/out");
        WorkerHarness::ResetJob(D);
    }

    void scenarioA()
    {
        const QString p1 = Src("IMG_0001.jpg"), p2 = S + "/broken.jpg", p3 = Src("IMG_0003.jpg", 64, 48, 3);
        WriteFile(p2, QByteArray());
        WriteJpeg(D + "/IMG_0003.jpg", 20, 20, 9);
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({p1, p2, p3}));
        QCOMPARE(SizeOf(D + "/IMG_0001.jpg"), QSize(48, 64));
        QCOMPARE(SizeOf(D + "/IMG_0003.jpg"), QSize(48, 64));
        QCOMPARE(h.Log(LogFile), QStringList({" - Processed " + p1, " - Failed to load " + p2 + ": the file is empty",
                                              " - Processed and replaced " + p3}));
        QCOMPARE(h.Log(LogScreen),
                 QStringList{" - Failed to load " + TruncateString(p2, 32, true) + ": the file is empty"});
        QVERIFY(h.Log(LogScreen).first().contains(p2.right(32) + "\": "));
        QVERIFY(h.Log(LogScreenAndFile).isEmpty());
        QCOMPARE(h.Texts("ShowOverwriteDlg"), QStringList{D + "/IMG_0003.jpg"});
        QCOMPARE(h.Count("IncProgressOperation"), 9);
        QCOMPARE(h.Count("IncProgressImage"), 2);
        QCOMPARE(h.Errors(), 1);
        QCOMPARE(h.Texts("OpenOutputFolder"), QStringList{D});
        QCOMPARE(h.events.at(h.events.size() - 2).signal, QString("OpenOutputFolder"));
        QVERIFY(h.FinishedOnceAndLast());
    }

    void copyOrReencode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("fixedSize");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("copied");
        QTest::newRow("copy at 88") << "a.jpg" << 88 << false << false << true;
        QTest::newRow("quality 87") << "a.jpg" << 87 << false << false << false;
        QTest::newRow("fixed size") << "a.jpg" << 88 << true << false << false;
        QTest::newRow("one filter") << "a.jpg" << 88 << false << true << false;
        QTest::newRow(".jpeg is not JPG") << "a.jpeg" << 100 << false << false << false;
    }
    void copyOrReencode()
    {
        QFETCH(QString, name);
        QFETCH(int, quality);
        QFETCH(bool, fixedSize);
        QFETCH(bool, filter);
        QFETCH(bool, copied);
        const QString src = Src(name, 64, 48, 5);
        P->Quality = quality;
        P->FixedSize = fixedSize;
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 180);
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        const QString out = D + "/a.jpg";
        QCOMPARE(FileBytes(out) == FileBytes(src), copied);
        QCOMPARE(SizeOf(out), QSize(64, 48));
        QCOMPARE(h.Count("IncProgressOperation"), filter ? 3 : 2);
        QCOMPARE(h.Count("IncProgressImage"), 1);
        QCOMPARE(h.Log(LogFile), QStringList{" - Processed " + src});
    }

    void keepFormat_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QString>("output");
        QTest::newRow("jpeg falls to default") << "a.jpeg" << true << "a.png";
        QTest::newRow("png kept") << "b.png" << true << "b.png";
        QTest::newRow("copied as it is") << "c.JPEG" << false << "c.jpeg";
        QTest::newRow("tiff falls to default") << "d.tiff" << true << "d.png";
    }
    void keepFormat()
    {
        QFETCH(QString, source);
        QFETCH(bool, filter);
        QFETCH(QString, output);
        const QString src = S + "/" + source;
        Magick::Image photo = MakePhoto(40, 30);
        photo.write(QFile::encodeName(src).toStdString());
        P->OutputFormat = KeepOriginalFormatText();
        P->DefaultFormat = "PNG";
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        QCOMPARE(QDir(D).entryList(QDir::Files | QDir::Hidden), QStringList{output});
        if (!filter)
            QCOMPARE(FileBytes(D + "/" + output), FileBytes(src));
        else
            QCOMPARE(SizeOf(D + "/" + output), QSize(30, 40));
    }

    void deleteSource_data()
    {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("ownOutput");
        QTest::newRow("moved") << false << false;
        QTest::newRow("removed after write") << true << false;
        QTest::newRow("own output kept") << true << true;
    }
    void deleteSource()
    {
        QFETCH(bool, filter);
        QFETCH(bool, ownOutput);
        const QString src = Src("x.jpg");
        const QByteArray before = FileBytes(src);
        P->DeleteSource = true;
        if (ownOutput)
            P->DestPath = S;
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({src}));
        QCOMPARE(QFileInfo::exists(src), ownOutput);
        const QString out = ownOutput ? src : D + "/x.jpg";
        QCOMPARE(FileBytes(out) == before, !filter);
        QCOMPARE(h.Errors(), 0);
    }

    void failingFilterKeepsSource()
    {
        const QString src = Src("f.jpg");
        P->DeleteSource = true;
        WorkerHarness::AddFilter(2007, "Broken", 0);
        WorkerHarness h;
        QVERIFY(h.RunJob({src}));
        QCOMPARE(h.Log(LogScreen),
                 QStringList{" - Failed to apply 'Broken' filter to " + TruncateString(src, 32, true)});
        QCOMPARE(h.Log(LogFile), QStringList{" - Failed to apply 'Broken' filter to " + src});
        QVERIFY(QFileInfo::exists(D + "/f.jpg"));
        QVERIFY(QFileInfo::exists(src));
        QCOMPARE(h.Count("IncProgressOperation"), 3);
    }

    void attributes_data()
    {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("originalDate");
        QTest::newRow("copy, original date") << false << true;
        QTest::newRow("write, original date") << true << true;
        QTest::newRow("copy") << false << false;
        QTest::newRow("write") << true << false;
    }
    void attributes()
    {
        QFETCH(bool, filter);
        QFETCH(bool, originalDate);
        const QString src = Src("t.jpg");
        const QDateTime when(QDate(2012, 1, 5), QTime(22, 30, 15));
        QFile file(src);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
        file.close();
        // An old output that nobody may write to.
        WriteFile(D + "/t.jpg", "old");
        QFile::setPermissions(D + "/t.jpg", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        P->OriginalDate = originalDate;
        if (filter)
            WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerYes, QString()};
        QVERIFY(h.RunJob({src}));
        const QFileInfo out(D + "/t.jpg");
        QVERIFY(out.size() > 3);
        QCOMPARE(out.lastModified() == when, originalDate);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(out.filePath()).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0644); // the source's own mode is 0644 too
        QCOMPARE(h.Log(LogFile), QStringList{" - Processed and replaced " + src});
    }

    void pauseAndCancel_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("resume") << false;
        QTest::newRow("cancel while paused") << true;
    }
    void pauseAndCancel()
    {
        QFETCH(bool, cancel);
        const QStringList photos = {Src("p0.jpg"), Src("p1.jpg"), Src("p2.jpg"), Src("p3.jpg")};
        WorkerHarness h;
        h.Prepare(photos, 2);
        for (CProcessThread* w : h.workers)
            w->pause.store(true);
        for (CProcessThread* w : h.workers)
            w->start();
        // Held: a checkpoint sleeps in 100 ms steps; several of them pass here.
        QTest::qWait(400);
        QVERIFY(h.events.isEmpty());
        QVERIFY(QDir(D).isEmpty());
        for (CProcessThread* w : h.workers) {
            w->cancel.store(cancel);
            w->pause.store(false);
        }
        QTRY_COMPARE_WITH_TIMEOUT(h.Count("ThreadFinished"), 2, 60000);
        QCOMPARE(QDir(D).entryList(QDir::Files | QDir::Hidden).size(), cancel ? 0 : 4);
        QCOMPARE(h.Log(LogFile).size(), cancel ? 0 : 4);
        QCOMPARE(h.Count("OpenOutputFolder"), 2);
        QVERIFY(h.FinishedOnceAndLast());
    }

    // Paused while the first photo's output is still being committed (the
    // second has just been read): the first ends before the worker waits.
    void pauseEndsThePhotoBefore()
    {
        const QStringList photos = {Src("e0.jpg"), Src("e1.jpg")};
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.Prepare(photos);
        CProcessThread* w = h.workers.first();
        auto operations = std::make_shared<int>(0);
        // Read, rotate, then the second photo's read.
        connect(
            w, &CProcessThread::IncProgressOperation, w,
            [w, operations] {
                if (++*operations == 3)
                    w->pause.store(true);
            },
            Qt::DirectConnection);
        w->start();
        const QStringList firstLine{" - Processed " + photos.at(0)};
        const bool ended = QTest::qWaitFor([&] { return h.Log(LogFile) == firstLine; }, 60000);
        const int images = h.Count("IncProgressImage");
        w->pause.store(false); // before any check: a failed one must not leave it held
        QVERIFY(ended);
        QCOMPARE(images, 1);
        QTRY_COMPARE_WITH_TIMEOUT(h.Count("ThreadFinished"), 1, 60000);
    }

    // A worker held up does not hold up the photos: the free one takes them.
    void freeWorkerTakesTheRest()
    {
        const QStringList photos = {Src("f0.jpg"), Src("f1.jpg"), Src("f2.jpg"), Src("f3.jpg")};
        WorkerHarness h;
        h.Prepare(photos, 2);
        CProcessThread* held = h.workers.at(0);
        held->pause.store(true);
        for (CProcessThread* w : h.workers)
            w->start();
        // The held worker has taken at most one photo.
        const bool othersDone = QTest::qWaitFor([&] { return h.Count("IncProgressImage") >= 3; }, 60000);
        held->pause.store(false);
        QVERIFY(othersDone);
        QTRY_COMPARE_WITH_TIMEOUT(h.Count("ThreadFinished"), 2, 60000);
        QCOMPARE(h.Count("IncProgressImage"), 4);
    }

    // A cancel after the read stops the photo before its write: no output,
    // no line, and the source stays although it was to be deleted.
    void cancelAfterRead()
    {
        const QString src = Src("c.jpg");
        P->DeleteSource = true;
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.Prepare({src});
        CProcessThread* w = h.workers.first();
        connect(
            w, &CProcessThread::IncProgressOperation, w, [w] { w->cancel.store(true); }, Qt::DirectConnection);
        QVERIFY(h.Run());
        QVERIFY(QDir(D).isEmpty());
        QVERIFY(h.Log(LogFile).isEmpty());
        QVERIFY(QFileInfo::exists(src));
        QCOMPARE(h.Texts("OpenOutputFolder"), QStringList{D});
    }

    void multiPage()
    {
        const QString tif = S + "/doc.tif";
        WriteThreePageTiff(tif);
        WorkerHarness h;
        QVERIFY(h.RunJob({tif}));
        const QStringList pages = {D + "/doc-0.jpg", D + "/doc-1.jpg", D + "/doc-2.jpg"};
        QCOMPARE(h.outputPaths, pages);
        QCOMPARE(QDir(D).entryList(QDir::Files | QDir::Hidden).size(), 3);
        QCOMPARE(SizeOf(pages.at(2)), QSize(60, 50));
        QCOMPARE(h.writtenFiles.size(), 3);
    }

    void oneDocument_data()
    {
        QTest::addColumn<bool>("lastBroken");
        QTest::newRow("three pages") << false;
        QTest::newRow("last unreadable") << true;
    }
    void oneDocument()
    {
        QFETCH(bool, lastBroken);
        const QStringList photos = {Src("d1.jpg"), Src("d2.jpg"), Src("d3.jpg")};
        if (lastBroken)
            WriteFile(photos.at(2), QByteArray());
        P->Multipage = true;
        P->OutputFormat = "TIF";
        WorkerHarness h;
        h.Prepare(photos);
        // Nothing is written before the last photo.
        QList<int> filesAtImage;
        CProcessThread* w = h.workers.first();
        connect(
            w, &CProcessThread::IncProgressImage, w,
            [&] { filesAtImage << QDir(D).entryList(QDir::Files | QDir::Hidden).size(); }, Qt::DirectConnection);
        QVERIFY(h.Run());
        QCOMPARE(filesAtImage, lastBroken ? QList<int>({0, 0}) : QList<int>({0, 0, 1}));
        QCOMPARE(QDir(D).entryList(QDir::Files | QDir::Hidden), QStringList{"d1.tif"});
        std::vector<Magick::Image> pages;
        Magick::readImages(&pages, QFile::encodeName(D + "/d1.tif").toStdString());
        QCOMPARE(int(pages.size()), lastBroken ? 2 : 3);
    }

    void oneDocumentRefused()
    {
        const QStringList photos = {Src("n1.jpg"), Src("n2.jpg")};
        WriteFile(D + "/n1.tif", "keep");
        P->Multipage = true;
        P->OutputFormat = "TIF";
        WorkerHarness h;
        h.answers << SOverwriteAnswer{AnswerNo, QString()};
        QVERIFY(h.RunJob(photos));
        QCOMPARE(FileBytes(D + "/n1.tif"), QByteArray("keep"));
        QCOMPARE(h.Count("OpenOutputFolder"), 0);
        QCOMPARE(h.Log(LogFile), QStringList{" - Skipped " + photos.first()});
        QVERIFY(h.FinishedOnceAndLast());
    }

    void ghostscriptNotice()
    {
        const QString src = S + "/g.jpg";
        WriteFile(src, "not a photo");
        for (SFormatRecord& r : CFormatsEnum::GetInstance()->records)
            r.needsGhostscript = r.id == "JPG";
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        const bool ran = h.RunJob({src});
        for (SFormatRecord& r : CFormatsEnum::GetInstance()->records)
            r.needsGhostscript = false;
        QVERIFY(ran);
        QCOMPARE(h.events.first().signal, QString("DisplayGSMessage"));
        QCOMPARE(h.events.first().text, QString("jpg"));
        QCOMPARE(h.events.at(1).text,
                 " - Failed to load " + TruncateString(src, 32, true) + ": insufficient image data in file");
    }

    void lastFolderOfModeTwo()
    {
        const QString other = MakeFolder(m_Tmp->path() + "/b");
        WriteJpeg(other + "/z.jpg");
        P->OutputFolderStruct = 2;
        WorkerHarness h;
        QVERIFY(h.RunJob({Src("y.jpg"), other + "/z.jpg"}));
        QCOMPARE(h.Texts("OpenOutputFolder"), QStringList{other});
        QVERIFY(h.FinishedOnceAndLast());
    }

    // Exceptions from the engine are stage failures; the run goes on.
    void exceptionsStayInside()
    {
        if (!std::has_virtual_destructor<CImageManager>::value)
            QSKIP("the engine's Read, Write and destructor are not virtual yet: no test engine can stand in");
        const QString bad = Src("throw-read.jpg"), good = Src("fine.jpg"), late = Src("throw-write.jpg");
        WorkerHarness::AddFilter(5070, "Rotate", 90);
        WorkerHarness h;
        h.engineFactory = [] { return std::unique_ptr<CImageManager>(new ThrowingEngine); };
        QVERIFY(h.RunJob({bad, good, late}));
        QCOMPARE(h.Log(LogFile),
                 QStringList({" - Failed to load " + bad + ": not readable as an image", " - Processed " + good,
                              " - Failed to write " + D + "/throw-write.jpg: the image library gave no reason"}));
        QCOMPARE(QDir(D).entryList(QDir::Files | QDir::Hidden), QStringList{"fine.jpg"});
        QVERIFY(h.FinishedOnceAndLast());
    }
};

BQ_TEST_MAIN(TestWorkerPipeline)
#include "tst_worker_pipeline.moc"
