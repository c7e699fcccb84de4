// Output paths and name conflicts of a worker: folder by folder mode, the
// name from the naming engine, batch-unique names, the existing-file check
// with its question, and silent-run renaming.
#include "CProcessThread.h"

#include "AtomicReplace.h"
#include "CPhotoDealer.h"
#include "CRunNames.h"
#include "FileAttributes.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "MagickReader.h"
#include "PathSafety.h"
#include "UserProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

namespace
{

QString JoinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// Splits a path into its folder (with the last "/"), the name and the
// extension part ("." and what follows, or "" when the file name has none).
void SplitPath(const QString& path, QString& folder, QString& name, QString& extension)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    folder = path.left(slash + 1);
    const QString file = path.mid(slash + 1);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    name = dot < 0 ? file : file.left(dot);
    extension = dot < 0 ? QString() : file.mid(dot);
}

bool Occupied(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

void CProcessThread::PingHeader()
{
    // A separate engine: the worker's own keeps its document pages.
    CImageManager ping;
    const bool pinged = Guarded([&] { return ping.Ping(m_SourcePath); });
    m_Naming.exifDate = pinged ? ping.m_Properties.dateTime : QString();
    // Kept for the read: a JPEG may be decoded at the size the chain needs,
    // except as a document's page, which is read whole.
    m_DecodeHint = pinged && !OneDocument() ? Guarded([&] { return ping.DecodeHint(m_pFilters->filters); }) : QSize();
    m_Header = CPhotoPeaks::SPhoto();
    Guarded([&] {
        if (pinged && ping.m_Image.isValid()) {
            const Magick::Image& header = ping.m_Image;
            m_Header.size = CMagickReader::ComposedSize(header);
            m_Header.orientation = int(header.orientation());
            m_Header.indexed =
                header.classType() == Magick::PseudoClass || header.colorSpace() == Magick::CMYKColorspace;
            m_Header.format = QString::fromStdString(header.magick());
        } else if (pinged) {
            // A camera raw gives its size to the properties only.
            m_Header.size = QSize(int(ping.m_Properties.width), int(ping.m_Properties.height));
            m_Header.format = QStringLiteral("RAW");
        }
        return true;
    });
}

void CProcessThread::GeneratePathName()
{
    // Every photo's memory is planned from its own header.
    PingHeader();
    // One document: every photo goes into the first photo's output.
    if (m_DocumentBegun)
        return;
    m_Refused = false;
    m_FolderFailure.clear();
    m_PageCount = 1;
    m_PageCountKnown = false;
    m_RecordedPaths.clear();
    ReleaseAttributes();

    m_Naming.sourcePath = m_SourcePath;
    m_Naming.sourceFolder = m_SourceFolder;
    m_Naming.sourceName = m_SourceName;
    m_Naming.listPosition = m_ListPosition;
    if (IsKeepFormat())
        SetOriginalFileExtension();
    m_Naming.GenerateFilename(m_pImages->images.size(), false);
    const QString fileName = m_Naming.result;

    QString folder;
    if (!OutputFolder(folder)) {
        // Named as it stands, for the failure lines.
        m_Refused = true;
        m_OutputPath = folder.isEmpty() ? fileName : JoinPath(folder, fileName);
        return;
    }

    // Before the name is chosen: a name a killed run claimed and left empty
    // is free again.
    CleanOutputFolder(JoinPath(folder, fileName));
    // Known before the name is chosen: every page file must be free.
    if (!OneDocument() && m_pProfile->MultipageWrite == 0) {
        m_PageCount = Guarded([&] { return m_Engine->GetPageCount(m_SourcePath); });
        m_PageCountKnown = true;
    }
    QString unused;
    QString name;
    QString extension;
    SplitPath(fileName, unused, name, extension);
    m_OutputPath = ResolveDuplicateFilenames(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'),
                                             name, extension);
    RecordOutputPaths();

    // Read now: after a move the source is gone.
    FileAttributes::Read(QFile::encodeName(m_SourcePath).constData(), &m_Attributes);
}

bool CProcessThread::OutputFolder(QString& folder)
{
    const int mode = m_pProfile->OutputFolderStruct;
    if (mode == 3) {
        // A subfolder of the source's folder, also in upload-only runs.
        folder = m_SourceFolder;
        if (!QDir::isAbsolutePath(folder))
            return false;
        const QString sub = CPathSafety::SanitizeSubfolder(m_pProfile->OutputFolder);
        if (!sub.isEmpty())
            folder = JoinPath(folder, sub);
        m_FolderFailure = MakeFolder(folder);
        return m_FolderFailure.isEmpty();
    }
    if (mode == 2 && m_KeepOnDisk) {
        folder = m_SourceFolder;
        return QDir::isAbsolutePath(folder);
    }

    // The temporary folder as checked at the start, not as TMPDIR names it now.
    if (m_KeepOnDisk)
        folder = CPathSafety::ResolvePath(m_pProfile->DestPath);
    else
        folder = m_TempFolder.isEmpty() ? QDir::tempPath() + QStringLiteral("/BrandquillTemp") : m_TempFolder;
    // Never "/" for an empty folder, never the working folder for a relative
    // one, and never a temporary folder that is not safely ours.
    if (!QDir::isAbsolutePath(folder) || (!m_KeepOnDisk && m_TempFolder.isEmpty()))
        return false;
    if (mode == 1) {
        // The source's folder below the common root; a folder outside it
        // (a silent run's monitor folder) keeps its whole path.
        QString relative = CPathSafety::ReplaceRoot(m_SourceFolder, commonRoot, QStringLiteral("/"));
        if (relative.isNull())
            relative = QString(m_SourceFolder).remove(QLatin1Char(':'));
        const QString sub = CPathSafety::SanitizeSubfolder(relative);
        if (!sub.isEmpty())
            folder = JoinPath(folder, sub);
        m_FolderFailure = MakeFolder(folder);
    }
    return m_FolderFailure.isEmpty();
}

void CProcessThread::SetOriginalFileExtension()
{
    if (CheckLightProcessing()) {
        m_Naming.extension = m_SourceExtension;
        return;
    }
    // By format identifier: ".jpeg" and ".tiff" find no record.
    const SFormatRecord record = m_pFormats->GetRecordById(m_SourceExtension);
    m_Naming.extension = !record.id.isEmpty() && record.writable ? m_SourceExtension : m_pProfile->DefaultFormat;
}

QString CProcessThread::ResolveDuplicateFilenames(const QString& folder, const QString& name, const QString& extension,
                                                  bool freeOnDisk)
{
    m_NameBase = folder + name + extension;
    return ReserveName(NameBook(), folder, name, extension, freeOnDisk);
}

CProcessThread::SNameBook CProcessThread::NameBook() const
{
    SNameBook book;
    book.names = runNames;
    book.dealer = dealer;
    book.source = m_SourcePath;
    book.pages = PageFilesOutput() ? m_PageCount : 0;
    return book;
}

QString CProcessThread::ReserveName(const SNameBook& book, const QString& folder, const QString& name,
                                    const QString& extension, bool freeOnDisk, qint64 from)
{
    const auto lock = book.names->Lock();
    // The files written, then the name itself: pages or not, it is the photo's.
    QStringList files;
    const auto taken = [&](const QString& path, bool onDisk) {
        files = book.pages > 0 ? PagePaths(path, book.pages) : QStringList{path};
        for (const QString& file : qAsConst(files)) {
            if ((onDisk && Occupied(file)) || (book.dealer && book.dealer->IsOtherPhoto(file, book.source)))
                return true;
        }
        if (book.pages > 0)
            files << path;
        for (const QString& file : qAsConst(files)) {
            if (book.names->Holds(file))
                return true;
        }
        return false;
    };
    // Only the name asked for may be judged without the disk.
    bool asked = from <= 1;
    const auto takenInFolder = [&](const QString& file) {
        const bool onDisk = freeOnDisk || !asked;
        asked = false;
        return taken(folder + file, onDisk);
    };
    // A numbered name is cut so that its last page's number fits too.
    const int tail = book.pages > 0 ? CPathSafety::Utf8Length("-" + QString::number(book.pages - 1)) : 0;
    const QString path = folder + CPathSafety::FreeName(name, extension, takenInFolder, from, tail);
    for (const QString& file : qAsConst(files))
        book.names->Add(file);
    return path;
}

std::function<QString(const QString&)> CProcessThread::NextFreeName() const
{
    QString folder;
    QString name;
    QString extension;
    SplitPath(m_NameBase, folder, name, extension);
    const SNameBook book = NameBook();
    return [=](const QString&) { return ReserveName(book, folder, name, extension, true, 2); };
}

CAtomicReplace::SRun CProcessThread::RunOutputs() const
{
    CAtomicReplace::SRun run;
    run.ledger = &runNames->Ledger();
    run.next = NextFreeName();
    return run;
}

bool CProcessThread::MayReplace() const
{
    const bool overwrite = yesToAll.load() || m_Yes || (m_pProfile->SilentRun && m_pProfile->Overwrite);
    return m_OutputPath == m_NameBase && !m_RenameAnswer && overwrite;
}

void CProcessThread::NoteFinalName(const QString& placed, const QStringList& files)
{
    const bool moved = !placed.isEmpty() && placed != m_OutputPath;
    if (moved)
        m_OutputPath = placed;
    // A name the user typed is told as written: the file name rule may have
    // changed it ("../a" is written as ".._a").
    const bool asAnswered = m_OutputPath == m_NameBase;
    if (asAnswered && !m_RenameAnswer)
        return;
    LogLines(tr("Written as"), files.isEmpty() ? OutputFiles(m_OutputPath) : files, WritePathLength,
             asAnswered ? QString()
             : moved    ? tr("the name was taken meanwhile")
                        : tr("the name was taken"));
}

void CProcessThread::AddToOutputPaths(const QString& path)
{
    QMutexLocker lock(outputPathsLock);
    outputPaths->append(path);
    outputPathsLower->insert(path.toLower());
}

void CProcessThread::RecordOutputPaths()
{
    m_RecordedPaths = OutputFiles(m_OutputPath);
    for (const QString& path : m_RecordedPaths)
        AddToOutputPaths(path);
}

QStringList CProcessThread::PagePaths(const QString& path, int pages)
{
    QStringList paths;
    for (int i = 0; i < pages; ++i)
        paths << CAtomicReplace::PartPath(path, i);
    return paths;
}

QStringList CProcessThread::OutputFiles(const QString& path) const
{
    return PageFilesOutput() ? PagePaths(path, m_PageCount) : QStringList{path};
}

QString CProcessThread::ExistingOutput() const
{
    const QStringList paths = OutputFiles(m_OutputPath);
    for (const QString& path : paths) {
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

void CProcessThread::DecideSameFile()
{
    m_SourceIsOutput = false;
    const QStringList paths = OutputFiles(m_OutputPath);
    for (const QString& path : paths)
        m_SourceIsOutput = m_SourceIsOutput || CPathSafety::IsSameFile(m_SourcePath, path);
}

void CProcessThread::CheckPathName(bool& skip)
{
    skip = false;
    if (m_DocumentBegun)
        return;
    m_Yes = m_No = m_RenameAnswer = false;
    DecideSameFile();
    if (UploadIntoSourceTree()) {
        // These outputs lie among the user's files and are deleted once
        // sent: one that would replace a file (its own source, another
        // photo, an earlier output) takes a free name instead.
        if (!NameIsFree(m_OutputPath))
            ChooseSilentName();
        m_OutputExisted = false;
        return;
    }
    // A photo that would be copied onto itself: nothing will be touched, so
    // there is nothing to ask.
    if (m_SourceIsOutput && CheckLightProcessing()) {
        m_OutputExisted = false;
        return;
    }
    const QString existing = ExistingOutput();
    m_OutputExisted = !existing.isEmpty();
    if (!m_OutputExisted)
        return;

    if (m_pProfile->SilentRun) {
        if (m_pProfile->Overwrite)
            yesToAll.store(true);
        else
            ChooseSilentName();
        return;
    }
    if (yesToAll.load())
        return;
    if (noToAll.load()) {
        skip = true;
        return;
    }
    AskOverwrite(existing, skip);
}

void CProcessThread::AskOverwrite(const QString& existing, bool& skip)
{
    // The answer may depend on what the photo before left on disk.
    CompletePending();
    int code = AnswerAbort;
    QString renamed;
    {
        // Held for the whole question: one dialog at a time, and a worker
        // that waited here sees the to-all flags of the answer.
        QMutexLocker lock(questionLock);
        if (cancel.load() || yesToAll.load())
            return;
        if (noToAll.load()) {
            skip = true;
            return;
        }
        questionPending.store(true, std::memory_order_release);
        emit ShowOverwriteDlg(existing, threadIndex);
        while (questionPending.load(std::memory_order_acquire))
            QThread::msleep(PollMs);
        code = answerCode.load(std::memory_order_acquire);
        renamed = m_AnswerPath;
    }

    switch (code) {
    case AnswerYes:
        m_Yes = true;
        break;
    case AnswerYesToAll:
        yesToAll.store(true);
        break;
    case AnswerNo:
        m_No = true;
        skip = true;
        break;
    case AnswerNoToAll:
        noToAll.store(true);
        skip = true;
        break;
    case AnswerRename: {
        m_RenameAnswer = true;
        QString folder;
        QString name;
        QString extension;
        SplitPath(renamed, folder, name, extension);
        if (!QDir::isAbsolutePath(folder) || (name + extension).isEmpty()) {
            m_OutputPath = renamed;
            LogFailure(tr("Failed to write"), renamed, WritePathLength, tr("not a full path to a file"));
            skip = true;
            break;
        }
        // The new name is the batch's like any other: a later photo must
        // not be written over it, nor it over a file nobody was asked about.
        m_OutputPath = ResolveDuplicateFilenames(folder, name, extension, true);
        DecideSameFile();
        break;
    }
    default:
        // Abort: the controller has set cancel; the next checkpoint stops.
        break;
    }
}

void CProcessThread::ChooseSilentName()
{
    QString folder;
    QString name;
    QString extension;
    SplitPath(m_OutputPath, folder, name, extension);
    // Chosen and reserved under one lock, so two workers never pick the
    // same free name.
    const QString chosen = ReserveName(NameBook(), folder, name, extension, true, 2);
    m_OutputPath = chosen;
    const QStringList fresh = OutputFiles(chosen);
    {
        QMutexLocker lock(outputPathsLock);
        for (int i = 0; i < m_RecordedPaths.size() && i < fresh.size(); ++i) {
            const QString old = m_RecordedPaths.at(i).toLower();
            // The set may hold names since replaced; the list decides.
            if (!outputPathsLower->contains(old))
                continue;
            for (int j = 0; j < outputPaths->size(); ++j) {
                if (outputPaths->at(j).toLower() == old) {
                    (*outputPaths)[j] = fresh.at(i);
                    outputPathsLower->insert(fresh.at(i).toLower());
                    break;
                }
            }
        }
    }
    m_RecordedPaths = fresh;
    DecideSameFile();
}

bool CProcessThread::NameIsFree(const QString& path) const
{
    const QStringList paths = OutputFiles(path);
    for (const QString& one : paths) {
        if (Occupied(one))
            return false;
    }
    return true;
}

QString CProcessThread::MakeFolder(const QString& path)
{
    QMutexLocker lock(folderLock);
    const QString reason = CPathSafety::MakeFolders(path);
    // The write would only find the folder missing: the photo's line says why.
    return reason.isEmpty() ? QString()
                            : QCoreApplication::translate("TempFolder", "cannot create %1: %2").arg(path, reason);
}
