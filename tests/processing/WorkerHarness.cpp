#include "WorkerHarness.h"

#include "EngineFixtures.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "MagickRuntime.h"
#include "PathSafety.h"
#include "PhotoMaker.h"
#include "TempFolder.h"
#include "UserProfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

namespace BqTest
{

WorkerHarness::WorkerHarness() = default;

WorkerHarness::~WorkerHarness()
{
    Clear();
}

void WorkerHarness::ResetJob(const QString& destPath)
{
    CUserProfile* p = CUserProfile::GetInstance();
    p->Destination = 1;
    p->SaveOnDiskFTP = false;
    p->OutputFolderStruct = 0;
    p->DestPath = destPath;
    p->OutputFolder.clear();
    p->OutputFormat = QStringLiteral("JPG");
    p->DefaultFormat = QStringLiteral("JPG");
    p->Quality = 88;
    p->FixedSize = false;
    p->DeleteSource = false;
    p->OriginalDate = false;
    p->Multipage = false;
    p->MultipageWrite = 0;
    p->SilentRun = false;
    p->Overwrite = false;
    p->PicCount = 0;
    p->DisableNotifications = false;
    p->FilterFilename = CFilterFilename();
    p->FilterFilename.preset = 0;
    CListFilters::GetInstance()->filters.clear();
}

void WorkerHarness::AddFilter(quint32 id, const QString& name, double slot0)
{
    SFilterRecord record;
    record.id = id;
    record.name = name;
    record.AddNumber(slot0);
    record.active = true;
    CListFilters::GetInstance()->filters.append(record);
}

SImageRecord WorkerHarness::Photo(const QString& path, qint64 position)
{
    SImageRecord record;
    const int slash = path.lastIndexOf('/');
    const QString file = path.mid(slash + 1);
    const int dot = file.lastIndexOf('.');
    record.path = path;
    record.folder = path.left(slash);
    record.name = dot < 0 ? file : file.left(dot);
    record.extension = dot < 0 ? QString() : file.mid(dot + 1);
    record.position = position;
    return record;
}

void WorkerHarness::Clear()
{
    for (CProcessThread* worker : workers) {
        worker->wait();
        delete worker;
    }
    workers.clear();
    events.clear();
    runNames.Clear();
    outputPaths.clear();
    outputPathsLower.clear();
    writtenFiles.clear();
    m_Finished = 0;
}

void WorkerHarness::Prepare(const QStringList& paths, int count)
{
    Clear();
    QList<SImageRecord>& list = CListImages::GetInstance()->images;
    list.clear();
    QStringList folders;
    for (int i = 0; i < paths.size(); ++i) {
        list << Photo(paths.at(i), i);
        folders << list.last().folder;
    }
    const QString root =
        CUserProfile::GetInstance()->OutputFolderStruct == 1 ? CPathSafety::CommonRoot(folders) : QString();
    dealer = std::make_unique<CPhotoDealer>(list);
    for (int i = 0; i < count; ++i) {
        CProcessThread* worker = new CProcessThread;
        worker->dealer = dealer.get();
        worker->threadIndex = i;
        worker->commonRoot = root;
        worker->questionLock = &questionLock;
        worker->folderLock = &folderLock;
        worker->outputPathsLock = &outputPathsLock;
        worker->runNames = &runNames;
        worker->outputPaths = &outputPaths;
        worker->outputPathsLower = &outputPathsLower;
        worker->writtenFiles = &writtenFiles;
        // The shared folder stands in for the run's own that the controller makes.
        worker->tempFolder = BrandquillTempFolder(&worker->tempFolderError);
        if (engineFactory)
            worker->SetEngine(engineFactory());
        const auto q = Qt::QueuedConnection;
        connect(
            worker, &CProcessThread::IncProgressOperation, this, [=] { Record(i, "IncProgressOperation"); }, q);
        connect(
            worker, &CProcessThread::IncProgressImage, this, [=] { Record(i, "IncProgressImage"); }, q);
        connect(
            worker, &CProcessThread::AppendLog, this, [=](QString m, int f) { Record(i, "AppendLog", m, f); }, q);
        connect(
            worker, &CProcessThread::OpenOutputFolder, this, [=](QString f) { Record(i, "OpenOutputFolder", f); }, q);
        connect(
            worker, &CProcessThread::DisplayGSMessage, this, [=](QString e) { Record(i, "DisplayGSMessage", e); }, q);
        connect(
            worker, &CProcessThread::ShowOverwriteDlg, this,
            [=](QString p, int t) {
                Record(i, "ShowOverwriteDlg", p, t);
                Answer(p, t);
            },
            q);
        connect(
            worker, &CProcessThread::ThreadFinished, this,
            [=] {
                Record(i, "ThreadFinished");
                ++m_Finished;
            },
            q);
        workers << worker;
    }
}

bool WorkerHarness::Run()
{
    // Workers x library threads stay within the cores, as in a real run.
    const MagickCore::MagickSizeType saved = Magick::ResourceLimits::thread();
    if (workers.size() > 1)
        Magick::ResourceLimits::thread(std::max(1, QThread::idealThreadCount() / workers.size()));
    for (CProcessThread* worker : workers)
        worker->start();
    const bool done = QTest::qWaitFor([this] { return m_Finished >= workers.size(); }, 120000);
    for (CProcessThread* worker : workers)
        worker->wait();
    Magick::ResourceLimits::thread(saved);
    return done;
}

bool WorkerHarness::RunJob(const QStringList& paths, int count)
{
    Prepare(paths, count);
    return Run();
}

void WorkerHarness::Record(int worker, const QString& signal, const QString& text, int number)
{
    events << SWorkerEvent{worker, signal, text, number};
}

void WorkerHarness::Answer(const QString& path, int index)
{
    const SOverwriteAnswer answer = answers.isEmpty() ? SOverwriteAnswer{AnswerAbort, QString()} : answers.takeFirst();
    for (CProcessThread* worker : workers) {
        if (answer.code == AnswerAbort)
            worker->cancel.store(true);
        if (answer.code == AnswerYesToAll)
            worker->yesToAll.store(true);
        if (answer.code == AnswerNoToAll)
            worker->noToAll.store(true);
    }
    workers.at(index)->AnswerQuestion(answer.code, answer.path.isEmpty() ? path : answer.path);
}

QStringList WorkerHarness::Log(int flag) const
{
    QStringList lines;
    for (const SWorkerEvent& e : events) {
        if (e.signal == QLatin1String("AppendLog") && e.number == flag)
            lines << e.text;
    }
    return lines;
}

QStringList WorkerHarness::Texts(const QString& signal) const
{
    QStringList texts;
    for (const SWorkerEvent& e : events) {
        if (e.signal == signal)
            texts << e.text;
    }
    return texts;
}

int WorkerHarness::Count(const QString& signal) const
{
    return Texts(signal).size();
}

int WorkerHarness::Errors() const
{
    int total = 0;
    for (const CProcessThread* worker : workers)
        total += worker->ErrorCount();
    return total;
}

bool WorkerHarness::FinishedOnceAndLast() const
{
    for (int i = 0; i < workers.size(); ++i) {
        int finished = 0;
        QString last;
        for (const SWorkerEvent& e : events) {
            if (e.worker != i)
                continue;
            last = e.signal;
            finished += e.signal == QLatin1String("ThreadFinished");
        }
        if (finished != 1 || last != QLatin1String("ThreadFinished"))
            return false;
    }
    return true;
}

void WriteJpeg(const QString& path, int width, int height, quint32 seed)
{
    WriteFile(path, JpegBytes(MakePhoto(width, height, seed)));
}

void WritePng(const QString& path, int width, int height)
{
    Magick::Image image = MakePhoto(width, height, 7);
    image.magick("PNG");
    Magick::Blob blob;
    image.write(&blob);
    WriteFile(path, BlobBytes(blob));
}

void WriteHalfOf(const QString& source, const QString& path)
{
    const QByteArray bytes = FileBytes(source);
    WriteFile(path, bytes.left(bytes.size() / 2));
}

void StartWorkerTests()
{
    umask(022);
    StartMagickRuntime();
    CFormatsEnum::GetInstance()->GenerateList();
}

QString MakeFolder(const QString& path)
{
    QDir().mkpath(path);
    return path;
}

QStringList FilesIn(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.sort();
    return files;
}

} // namespace BqTest
