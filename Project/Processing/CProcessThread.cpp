#include "CProcessThread.h"

#include "AtomicReplace.h"
#include "CPhotoDealer.h"
#include "CRunNames.h"
#include "ExifThumbnail.h"
#include "FilterDescriptions.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "PathSafety.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cerrno>
#include <unistd.h>

namespace
{

bool HasPixels(const Magick::Image& image)
{
    return image.isValid() && image.columns() > 0 && image.rows() > 0;
}

} // namespace

CProcessThread::CProcessThread(QObject* parent)
    : QThread(parent), m_pProfile(CUserProfile::GetInstance()), m_pFilters(CListFilters::GetInstance()),
      m_pImages(CListImages::GetInstance()), m_pFormats(CFormatsEnum::GetInstance())
      // Built here, on the controller's thread, so that the engine's own
      // singletons exist before any worker runs.
      ,
      m_Engine(std::make_unique<CImageManager>())
{
    m_KeepOnDisk = m_pProfile->KeepsOutputOnDisk();
}

CProcessThread::~CProcessThread()
{
    ReleaseAttributes();
}

void CProcessThread::AnswerQuestion(int code, const QString& outputPath)
{
    m_AnswerPath = outputPath;
    answerCode.store(code, std::memory_order_release);
    // Last: the worker reads the code and the path once it sees this clear.
    questionPending.store(false, std::memory_order_release);
}

void CProcessThread::SetEngine(std::unique_ptr<CImageManager> engine)
{
    if (engine)
        m_Engine = std::move(engine);
}

void CProcessThread::run()
{
    SystemLogWrite(QStringLiteral("CProcessThread::run"));
    m_Finished = false;
    try {
        RunPhotos();
    } catch (...) {
        // Stages catch their own failures; this only keeps the thread alive
        // long enough to say that it has finished.
    }
    // Whatever ended the run, its memory goes back to the other runs.
    m_Lease.reset();
    ReleaseAttributes();
    FinishRun();
}

void CProcessThread::RunPhotos()
{
    m_Naming = m_pProfile->FilterFilename;
    if (!IsKeepFormat())
        m_Naming.extension = m_pProfile->OutputFormat.toLower();
    if (m_pProfile->SilentRun && !m_pProfile->Overwrite) {
        m_Naming.monitorNumbering = true;
        m_Naming.monitorPicCount = m_pProfile->PicCount;
        m_Naming.counterStart = (qint64(m_pProfile->PicCount) + 1) * m_Naming.counterStep;
    }
    if (!m_KeepOnDisk) {
        m_TempFolder = tempFolder;
        m_TempFolderError = tempFolderError;
        // The run's own folder holds nothing to ask about; in the source
        // tree nothing is replaced (CheckPathName).
        if (!UploadIntoSourceTree())
            yesToAll.store(true);
    }

    m_PhotosBegun = 0;
    m_DocumentBegun = false;
    m_DocumentDone = false;
    m_DamagedPages.clear();
    SImageRecord photo;
    while (dealer && dealer->Take(photo)) {
        if (UserRequestedCancel() || !ProcessPhoto(photo))
            return;
    }
    if (OneDocument() && !m_DocumentDone && !m_Engine->m_Pages.isEmpty()) {
        // The last photo could not be read: the pages collected are the document.
        bool skip = false;
        WriteDocument(skip);
    }
    m_Engine->m_Image = Magick::Image();
    m_Engine->m_Pages.clear();
    PostProcessing();
}

bool CProcessThread::ProcessPhoto(const SImageRecord& photo)
{
    m_PhotoLogged = false;
    m_PhotoOperations = 0;
    ++m_PhotosBegun;
    m_SourcePath = photo.path;
    m_SourceFolder = photo.folder;
    m_SourceName = photo.name;
    m_SourceExtension = photo.extension;
    m_ListPosition = photo.position;
    m_MultiPage = false;
    m_StageFailed = false;
    m_Filtered = false;
    m_Damage.clear();
    m_SourceRead = SFileIdentity();
    m_OutputProduced = false;
    // The pages of one document share the first photo's path and answer.
    if (!m_DocumentBegun) {
        m_Yes = m_No = m_RenameAnswer = false;
        m_SourceIsOutput = false;
        m_OutputExisted = false;
    }

    GeneratePathName();
    bool skip = false;
    if (m_Refused) {
        const bool tempRefused = !m_KeepOnDisk && m_TempFolder.isEmpty();
        LogFailure(tr("Failed to write"), m_OutputPath, WritePathLength,
                   tempRefused                  ? m_TempFolderError
                   : !m_FolderFailure.isEmpty() ? m_FolderFailure
                                                : tr("the output folder is not a full path"));
        skip = true;
    } else {
        CheckPathName(skip);
    }

    if (OneDocument()) {
        if (noToAll.load() || m_No) {
            LogAppendAction();
            FinishRun();
            return false;
        }
        m_DocumentBegun = true;
    }

    if (!skip) {
        if (UserRequestedCancel())
            return false;
        if (!m_PageCountKnown)
            m_PageCount = Guarded([&] { return m_Engine->GetPageCount(m_SourcePath); });
        m_MultiPage = m_PageCount > 1;
        LightProcessing(skip);
        if (!skip && !TakePhotoMemory())
            return !UserRequestedCancel();
        if (!skip)
            ReadImage(skip);
        if (!skip) {
            if (UserRequestedCancel())
                return false;
            ApplyFilters();
            // One commit at a time: the photo before ends here at the latest,
            // and a pause its end asks for holds this photo before its write.
            CompletePending();
            if (UserRequestedCancel())
                return false;
            WriteImage(skip);
            EndPhotoMemory();
            // The photo ends once its output is in place.
            if (m_Pending)
                return true;
            // Counted even when a cancel follows: it is logged as written.
            if (!skip)
                emit IncProgressImage();
        }
    }
    EndPhotoMemory();
    LogAppendAction();
    CountRemainingOperations();
    return true;
}

bool CProcessThread::UserRequestedCancel()
{
    WaitWhilePaused();
    if (!cancel.load())
        return false;
    CompletePending();
    // A photo stopped before its output exists reports nothing.
    if (!m_OutputProduced)
        m_PhotoLogged = true;
    LogAppendAction();
    PostProcessing();
    return true;
}

void CProcessThread::ReadImage(bool& skip)
{
    skip = false;
    CImageManager& engine = *m_Engine;
    engine.m_Damage.clear();
    // Before the read: a change while it reads shows as well.
    m_SourceRead = SFileIdentity::Of(m_SourcePath);
    bool ok = false;
    if (OneDocument()) {
        const int before = engine.m_Pages.size();
        ok = Guarded([&] { return engine.ReadAndInsertPage(m_SourcePath); });
        // A read that brought no pixels adds no page to the document.
        while (engine.m_Pages.size() > before && !HasPixels(engine.m_Pages.last())) {
            engine.m_Pages.removeLast();
            ok = false;
        }
        ok = ok && engine.m_Pages.size() > before;
    } else if (m_PageCount < 1) {
        // Pages that cannot be counted (the frame limit included) are
        // never read as one: the count's reason fails the photo.
        ok = false;
    } else if (m_MultiPage) {
        engine.m_Pages.clear();
        ok = Guarded([&] { return engine.ReadMultipage(m_SourcePath); }) && !engine.m_Pages.isEmpty();
        for (const Magick::Image& page : engine.m_Pages)
            ok = ok && HasPixels(page);
    } else {
        // Cleared first: a read that "succeeds" without an image (a PNG cut
        // short) must not leave the previous photo's pixels to be written.
        engine.m_Image = Magick::Image();
        engine.SetDecodeHint(m_DecodeHint);
        ok = Guarded([&] { return engine.Read(m_SourcePath); }) && HasPixels(engine.m_Image);
        engine.SetDecodeHint(QSize());
    }
    PassPhotoSteps(1);
    if (ok) {
        // Written all the same (the user may want what is there), but
        // reported, counted, and its source kept.
        m_Damage = engine.m_Damage;
        if (OneDocument() && !m_Damage.isEmpty())
            m_DamagedPages << qMakePair(m_SourcePath, m_Damage);
        CountOperation();
        return;
    }
    CompletePending();
    if (m_pFormats->GetRecordById(m_SourceExtension).needsGhostscript)
        emit DisplayGSMessage(m_SourceExtension);
    LogFailure(tr("Failed to load"), m_SourcePath, LoadPathLength, LoadFailureReason());
    skip = true;
}

QString CProcessThread::LoadFailureReason() const
{
    const QString unreachable = CPathSafety::UnreachableReason(m_SourcePath);
    if (!unreachable.isEmpty())
        return unreachable;
    // Checked before opening: opening a named pipe would wait for a writer.
    if (!CPathSafety::NotRegularFileReason(m_SourcePath).isEmpty())
        return tr("not a regular file");
    QFile file(m_SourcePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return file.errorString().toLower();
    if (QFileInfo(m_SourcePath).size() == 0)
        return tr("the file is empty");
    // The decoder's own words, as its note on stderr gives them.
    if (!m_Engine->m_ReadError.isEmpty())
        return m_Engine->m_ReadError;
    return tr("not readable as an image");
}

void CProcessThread::ApplyFilters()
{
    int done = 1; // the read
    for (int i = 0; i < m_pFilters->filters.size(); ++i) {
        WaitWhilePaused();
        if (cancel.load())
            return;
        const SFilterRecord record = m_pFilters->filters.at(i);
        if (!record.active)
            continue;
        m_Filtered = true;
        ++done;
        const bool ok = Guarded([&] {
            if (OneDocument())
                return m_Engine->ApplyFilterToCurrentPage(record);
            if (m_MultiPage)
                return m_Engine->ApplyFilterToMultipage(record);
            return m_Engine->ApplyFilter(record);
        });
        PassPhotoSteps(done);
        if (ok) {
            CountOperation();
        } else {
            // The photo is still written, but its source is kept.
            m_StageFailed = true;
            LogFailure(tr("Failed to apply '%1' filter to").arg(record.name), m_SourcePath, LoadPathLength,
                       m_Engine->FilterFailure());
        }
    }
    if (!m_Filtered)
        return;
    // The embedded thumbnail would still show the photo as it was taken:
    // what a crop removed, without the mark, turned the old way.
    Guarded([&] {
        if (m_Engine->m_Image.isValid())
            ExifThumbnail::RemoveFrom(m_Engine->m_Image);
        for (Magick::Image& page : m_Engine->m_Pages)
            ExifThumbnail::RemoveFrom(page);
        return true;
    });
}

void CProcessThread::WriteImage(bool& skip)
{
    skip = false;
    if (OneDocument()) {
        // Pages are collected until the last photo of the document, which
        // is written and committed as one unit.
        if (m_PhotosBegun >= dealer->Count())
            WriteDocument(skip);
        return;
    }
    const QStringList targets = OutputFiles(m_OutputPath);
    for (const QString& target : targets)
        DisableReadOnly(target);
    CleanOutputFolder(m_OutputPath);
    // Synced and renamed into place while the next photo is read.
    const bool ok = WriteUncommitted(
        [&] { return m_MultiPage ? m_Engine->WriteMultipage(m_OutputPath, false) : m_Engine->Write(m_OutputPath); });
    if (!ok) {
        LogFailure(tr("Failed to write"), targets, WritePathLength, WriteFailureReason());
        skip = true;
        return;
    }
    ReportLeftOut();
    std::unique_ptr<CAtomicReplace> output = m_Engine->TakeUncommitted();
    if (output && !MayReplace())
        output->SetNoReplace(NextFreeName());
    if (output) {
        output->SetRun(RunOutputs());
        CommitLater(std::move(output));
    } else {
        // An engine that put its output in place itself.
        NoteFinalName(QString(), m_Engine->WrittenFiles());
        EndWrite(m_Engine->WrittenFiles());
    }
}

void CProcessThread::EndWrite(const QStringList& files)
{
    m_OutputProduced = true;
    RecordWritten(files);
    CountOperation();
    UpdateFileAttributes(files);
    ReportWritten(files);
    DeleteSourceIfComplete(files);
}

QString CProcessThread::WriteFailureReason() const
{
    if (!WritableOutput())
        return tr("no writable image format has the extension \"%1\"").arg(QFileInfo(m_OutputPath).suffix());
    const QString reason = m_Engine->WriteError();
    return reason.isEmpty() ? tr("the image library gave no reason") : reason;
}

bool CProcessThread::WriteUncommitted(const std::function<bool()>& write)
{
    if (!WritableOutput())
        return false;
    m_Engine->SetCommitLater(true);
    m_Engine->SetReleaseWritten(true);
    const bool ok = Guarded(write);
    m_Engine->SetCommitLater(false);
    m_Engine->SetReleaseWritten(false);
    return ok;
}

void CProcessThread::ReportLeftOut()
{
    if (!m_Engine->LeftOut().isEmpty())
        LogLines(tr("Written without %1:").arg(m_Engine->LeftOut()), OutputFiles(m_OutputPath), WritePathLength,
                 QString());
}

void CProcessThread::ReportWritten(const QStringList& files)
{
    if (!m_Damage.isEmpty())
        LogFailure(tr("Written from a damaged photo"), m_SourcePath, LoadPathLength, m_Damage);
    // The library reads the limit's "kb" as 1000 bytes.
    const qint64 limit = qint64(m_pProfile->FileSize) * 1000;
    if (m_pProfile->FixedSize && CImageManager::FormatOf(m_OutputPath) == QLatin1String("JPG") && !files.isEmpty()) {
        const qint64 size = QFileInfo(files.first()).size();
        if (size > limit)
            LogFailure(tr("Size limit of %1 KB not met, %2 bytes written at the lowest quality")
                           .arg(m_pProfile->FileSize)
                           .arg(size),
                       files.first(), WritePathLength);
    }
    if (PageFilesOutput()) {
        for (const QString& stale : CAtomicReplace::StaleParts(m_OutputPath, files.size()))
            LogLines(tr("Not written by this run, left as it was"), stale, WritePathLength);
    }
}

void CProcessThread::CleanOutputFolder(const QString& outputPath)
{
    const QString folder = QFileInfo(outputPath).absolutePath();
    QStringList restored;
    {
        // Once a run, by the first worker there; the others wait for it
        // before they look at names in the folder.
        const auto lock = runNames->Lock();
        if (!runNames->FirstVisit(folder))
            return;
        Guarded([&] { return CAtomicReplace::RemoveStaleTemporaries(folder, m_RunStart, &restored, puttingBack); });
    }
    if (!restored.isEmpty())
        LogLines(tr("Put back as it was before a run that was cut short"), restored, WritePathLength, QString());
}

void CProcessThread::WriteDocument(bool& skip)
{
    skip = false;
    m_DocumentDone = true;
    DisableReadOnly(m_OutputPath);
    CleanOutputFolder(m_OutputPath);
    // Committed here, so that a name taken since the check is not replaced.
    bool ok = WriteUncommitted([&] { return m_Engine->WriteMultipage(m_OutputPath, true); });
    const std::unique_ptr<CAtomicReplace> output = m_Engine->TakeUncommitted();
    QString reason = ok ? QString() : WriteFailureReason();
    if (ok && output) {
        if (!MayReplace())
            output->SetNoReplace(NextFreeName());
        output->SetRun(RunOutputs());
        ok = Guarded([&] { return output->Commit(); });
        reason = output->ErrorString();
    }
    if (!ok) {
        // The photo ending the document was taken in as a page, as those
        // before it were; the failure is the document's.
        LogAppendAction();
        LogFailure(tr("Failed to write"), m_OutputPath, WritePathLength, reason);
        skip = true;
        return;
    }
    ReportLeftOut();
    if (output)
        NoteFinalName(output->Target(), output->CommittedFiles());
    m_OutputProduced = true;
    RecordWritten(output ? output->CommittedFiles() : m_Engine->WrittenFiles());
    for (const auto& page : m_DamagedPages)
        LogFailure(tr("Written from a damaged photo"), page.first, LoadPathLength, page.second);
    // The pages before have had their share when they were taken in.
    CountOperation();
}

void CProcessThread::RecordWritten(const QStringList& files)
{
    QMutexLocker lock(outputPathsLock);
    if (!writtenFiles)
        return;
    const QString source = SourceMayGo() ? m_SourcePath : QString();
    for (const QString& file : files)
        writtenFiles->append(qMakePair(source, file));
    if (sourcesRead && !source.isEmpty())
        sourcesRead->insert(source, m_SourceRead);
}

bool CProcessThread::SourceMayGo() const
{
    return !m_StageFailed && m_Damage.isEmpty() && m_DamagedPages.isEmpty();
}

void CProcessThread::DeleteSourceIfComplete(const QStringList& written)
{
    // An upload-only run keeps every source: the controller removes them
    // once the hand-off has succeeded. One document never removes any.
    if (!m_pProfile->DeleteSource || !m_KeepOnDisk || OneDocument() || !SourceMayGo() || !m_OutputProduced ||
        m_SourceIsOutput)
        return;
    // Only the file as it was read: one rewritten or made again since holds
    // another picture than the output.
    const SFileIdentity now = SFileIdentity::Of(m_SourcePath);
    if (now.exists && !m_SourceRead.Unchanged(now)) {
        LogFailure(tr("Source changed since it was read, left as it is"), m_SourcePath, LoadPathLength);
        return;
    }
    // Something written over the photo since the run began (an output) is
    // not the photo.
    if (dealer && !dealer->StillListed(m_SourcePath))
        return;
    // The output may now stand where the source was. exfat-fuse gives each
    // spelling its own inode number: one spelt otherwise ("a.jpg" for
    // "a.JPG") took the source's place if the folder no longer lists the
    // source's own spelling.
    const QFileInfo source(m_SourcePath);
    for (const QString& file : written) {
        if (CPathSafety::IsSameFile(m_SourcePath, file) ||
            (CPathSafety::PathKey(m_SourcePath) == CPathSafety::PathKey(file) &&
             !source.dir().entryList(QDir::Files | QDir::Hidden | QDir::System).contains(source.fileName())))
            return;
    }
    DisableReadOnly(m_SourcePath);
    // The user asked for it to go: one that stays is a failure of the photo.
    if (::unlink(QFile::encodeName(m_SourcePath).constData()) != 0 && errno != ENOENT)
        LogFailure(tr("Failed to delete the source"), m_SourcePath, LoadPathLength, CAtomicReplace::SystemError(errno));
}

void CProcessThread::LogAppendAction()
{
    if (m_PhotoLogged)
        return;
    m_PhotoLogged = true;
    QString text;
    if (!m_OutputExisted || m_MultiPage || m_pProfile->SilentRun)
        text = tr("Processed");
    else if (m_RenameAnswer)
        text = tr("Processed and renamed");
    else if (yesToAll.load() || m_Yes)
        text = tr("Processed and replaced");
    else if (noToAll.load() || m_No)
        text = tr("Skipped");
    else
        return; // the question was answered Abort
    EmitLog(QStringLiteral(" - ") + text + QLatin1Char(' ') + m_SourcePath, LogFile);
}

void CProcessThread::PostProcessing()
{
    CompletePending();
    if (m_KeepOnDisk) {
        QString folder;
        switch (m_pProfile->OutputFolderStruct) {
        case 0:
        case 1:
            folder = m_pProfile->DestPath;
            break;
        case 2:
            folder = m_SourceFolder;
            break;
        case 3: {
            const QString sub = CPathSafety::SanitizeSubfolder(m_pProfile->OutputFolder);
            folder = m_Naming.sourceFolder;
            if (!sub.isEmpty() && !folder.isEmpty())
                folder += QLatin1Char('/') + sub;
            break;
        }
        default:
            break;
        }
        // A refused (relative or empty) folder is never shown.
        if (QDir::isAbsolutePath(folder))
            emit OpenOutputFolder(folder);
    }
    FinishRun();
}

void CProcessThread::IncrementErrors()
{
    ++m_ErrorCount;
    m_PhotoLogged = true;
}

void CProcessThread::CountOperation()
{
    if (m_PhotoOperations >= m_pFilters->GetActiveCount() + 2)
        return;
    ++m_PhotoOperations;
    emit IncProgressOperation();
}

void CProcessThread::CountRemainingOperations()
{
    while (m_PhotoOperations < m_pFilters->GetActiveCount() + 2)
        CountOperation();
}

void CProcessThread::LogLines(const QString& text, const QString& path, int length, const QString& reason)
{
    LogLines(text, QStringList{path}, length, reason);
}

void CProcessThread::LogLines(const QString& text, const QStringList& files, int length, const QString& reason)
{
    const auto named = [&](int shortened) {
        const auto name = [&](const QString& file) {
            return shortened > 0 ? TruncateString(file, shortened, true) : file;
        };
        if (files.size() < 2)
            return files.isEmpty() ? QString() : name(files.first());
        return tr("%1 to %2").arg(name(files.first()), name(files.last()));
    };
    const QString head = QStringLiteral(" - ") + text + QLatin1Char(' ');
    const QString tail = reason.isEmpty() ? QString() : QStringLiteral(": ") + reason;
    EmitLog(head + named(length) + tail, LogScreen);
    EmitLog(head + named(0) + tail, LogFile);
}

void CProcessThread::EmitLog(const QString& line, int flag)
{
    CompletePending();
    // One line per photo: a file name may hold a line break.
    emit AppendLog(PrintableInLog(line), flag);
}

void CProcessThread::WaitWhilePaused()
{
    // Held with the photo before shown as done.
    if (pause.load())
        CompletePending();
    while (pause.load() && !cancel.load())
        QThread::msleep(PollMs);
}

void CProcessThread::LogFailure(const QString& text, const QString& path, int length, const QString& reason)
{
    LogFailure(text, QStringList{path}, length, reason);
}

void CProcessThread::LogFailure(const QString& text, const QStringList& files, int length, const QString& reason)
{
    LogLines(text, files, length, reason);
    IncrementErrors();
}

void CProcessThread::FinishRun()
{
    CompletePending();
    if (m_Finished)
        return;
    m_Finished = true;
    emit ThreadFinished();
}

bool CProcessThread::IsKeepFormat() const
{
    return m_pProfile->OutputFormat.toUpper() == KeepOriginalFormatText().toUpper();
}

bool CProcessThread::WritableOutput() const
{
    // The library would write an unknown extension in the source's format.
    const SFormatRecord record = m_pFormats->GetRecordById(CImageManager::FormatOf(m_OutputPath));
    return !record.id.isEmpty() && record.writable;
}

bool CProcessThread::UploadIntoSourceTree() const
{
    return !m_KeepOnDisk && m_pProfile->OutputFolderStruct == 3;
}

bool CProcessThread::OneDocument() const
{
    return m_pProfile->Multipage;
}

bool CProcessThread::PageFilesOutput() const
{
    // A plain copy keeps every page in the one file.
    return !OneDocument() && m_pProfile->MultipageWrite == 0 && m_PageCount > 1 && !CheckLightProcessing();
}
