// Light processing of a worker: the plain copy or move of a photo that
// needs no re-encoding, making files writable, and the output's attributes.
#include "CProcessThread.h"

#include "AtomicReplace.h"
#include "CPhotoDealer.h"
#include "FileAttributes.h"
#include "ImageManager.h"
#include "ListFilters.h"
#include "PathSafety.h"
#include "UserProfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

bool CProcessThread::CheckLightProcessing() const
{
    if (m_pFilters->GetActiveCount() > 0)
        return false;
    const QString format = m_pProfile->OutputFormat.toUpper();
    if (format != m_SourceExtension.toUpper() && !IsKeepFormat())
        return false;
    // One document never copies: its photos become pages.
    return !m_DocumentBegun && !OneDocument() && !m_pProfile->FixedSize && m_pProfile->Quality > 87;
}

void CProcessThread::LightProcessing(bool& skip)
{
    skip = false;
    if (!CheckLightProcessing())
        return;
    // Its progress and line follow the end of the photo before.
    CompletePending();
    const QString unreachable = CPathSafety::UnreachableReason(m_SourcePath);
    if (!unreachable.isEmpty()) {
        LogFailure(tr("Failed to load"), m_SourcePath, LoadPathLength, unreachable);
        skip = true;
        return;
    }
    skip = true;
    // Copied onto itself: nothing to do, and nothing may be touched.
    if (!m_SourceIsOutput) {
        DisableReadOnly(m_OutputPath);
        CleanOutputFolder(m_OutputPath);
        const bool nameChanged = m_Naming.IsOutputModified();
        // An upload-only run copies: its sources go only after the hand-off.
        // A damaged photo is copied and its source kept.
        // Something written over the photo since the run began is copied.
        bool move = m_pProfile->DeleteSource && m_KeepOnDisk && dealer && dealer->StillListed(m_SourcePath);
        const QString blocker = move ? MoveBlocker() : QString();
        move = move && blocker.isEmpty();
        QString reason;
        const CAtomicReplace::NextTarget next = NextFreeName();
        const CAtomicReplace::NextTarget* noReplace = MayReplace() ? nullptr : &next;
        const CAtomicReplace::SRun run = RunOutputs();
        QString placed;
        // As it was copied: an upload-only run removes it later only as such.
        m_SourceRead = SFileIdentity::Of(m_SourcePath);
        // A link is what was listed, not the file it leads to: that file is
        // copied, and only the link goes.
        const bool link = QFileInfo(m_SourcePath).isSymLink();
        const bool ok = Guarded([&] {
            return move && !link
                       ? CAtomicReplace::MoveFile(m_SourcePath, m_OutputPath, &reason, noReplace, &placed, &run)
                       : CAtomicReplace::CopyFile(m_SourcePath, m_OutputPath, &reason, noReplace, &placed, &run);
        });
        if (ok && move && link && ::unlink(QFile::encodeName(m_SourcePath).constData()) != 0)
            reason = CAtomicReplace::SystemError(errno);
        if (!ok) {
            const QString text = move ? (nameChanged ? tr("Failed to Rename and Move") : tr("Failed to Move"))
                                      : (nameChanged ? tr("Failed to Rename and Copy") : tr("Failed to Copy"));
            LogFailure(text, m_SourcePath, LoadPathLength, reason);
            return;
        }
        NoteFinalName(placed, {});
        m_Damage = blocker;
        RecordWritten({m_OutputPath});
        if (!blocker.isEmpty())
            LogFailure(tr("Damaged photo copied, its source kept"), m_SourcePath, LoadPathLength, blocker);
        else if (move && !reason.isEmpty())
            LogFailure(tr("Copied, its source kept"), m_SourcePath, LoadPathLength, reason);
    } else {
        // Unchanged, it is still this photo's output: an upload sends it.
        RecordWritten({m_OutputPath});
    }
    m_OutputProduced = true;
    CountOperation();
    CountOperation();
    emit IncProgressImage();
    if (!m_SourceIsOutput)
        UpdateFileAttributes({m_OutputPath});
}

QString CProcessThread::MoveBlocker()
{
    // Never read a named pipe or a device: it could block the worker.
    if (!QFileInfo(m_SourcePath).isFile())
        return LoadFailureReason();
    CImageManager& engine = *m_Engine;
    engine.m_Damage.clear();
    const bool read = Guarded([&] { return engine.Read(m_SourcePath); });
    const QString damage = read ? engine.m_Damage : LoadFailureReason();
    engine.m_Image = Magick::Image();
    return damage;
}

bool CProcessThread::DisableReadOnly(const QString& path)
{
    const QFileInfo info(path);
    // A link is replaced by the write, never changed through.
    if (!info.exists() || info.isSymLink())
        return false;
    FileAttributes::DisableReadOnly(QFile::encodeName(path).constData());
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteUser);
}

void CProcessThread::UpdateFileAttributes(const QStringList& files)
{
    for (const QString& file : files) {
        DisableReadOnly(file);
        if (m_pProfile->OriginalDate && m_Attributes)
            FileAttributes::Write(QFile::encodeName(file).constData(), m_Attributes);
    }
}

void CProcessThread::ReleaseAttributes()
{
    FileAttributes::Free(m_Attributes);
    m_Attributes = nullptr;
}
