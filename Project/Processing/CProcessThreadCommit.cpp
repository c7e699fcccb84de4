// The commit beside the next photo: a re-encoded output, complete under its
// temporary name, is synced and renamed into place on a thread of its own
// while the worker reads and filters the next photo. The sync waits for the
// disk, and a worker waiting there leaves its core idle.
#include "CProcessThread.h"

#include "AtomicReplace.h"
#include "FileAttributes.h"

#include <system_error>
#include <utility>

void CProcessThread::CommitLater(std::unique_ptr<CAtomicReplace> output)
{
    m_Pending = std::make_unique<SPendingCommit>();
    m_Pending->output = std::move(output);
    // The photo's state goes with its output; the worker keeps a blank one
    // (nothing to log) until it takes the next photo.
    SwapPhotoEnd(m_Pending->photo);
    CAtomicReplace* pending = m_Pending->output.get();
    try {
        m_Pending->committed = std::async(std::launch::async, [pending] { return pending->Commit(); });
    } catch (const std::system_error&) {
        // No thread to be had: committed here, as without one.
        std::promise<bool> done;
        done.set_value(pending->Commit());
        m_Pending->committed = done.get_future();
    }
}

void CProcessThread::CompletePending()
{
    if (!m_Pending)
        return;
    // Taken first: the end logs, and every log line completes what is pending.
    const std::unique_ptr<SPendingCommit> pending = std::move(m_Pending);
    const bool committed = Guarded([&] { return pending->committed.get(); });
    // The photo ends with its own state in place of the current photo's.
    SwapPhotoEnd(pending->photo);
    if (committed) {
        NoteFinalName(pending->output->Target(), pending->output->CommittedFiles());
        EndWrite(pending->output->CommittedFiles());
        // Counted even after a cancel: it is logged as written.
        emit IncProgressImage();
    } else {
        LogFailure(tr("Failed to write"), OutputFiles(m_OutputPath), WritePathLength, pending->output->ErrorString());
    }
    LogAppendAction();
    CountRemainingOperations();
    SwapPhotoEnd(pending->photo);
    FileAttributes::Free(pending->photo.attributes);
}

void CProcessThread::SwapPhotoEnd(SPhotoEnd& other)
{
    std::swap(m_SourcePath, other.sourcePath);
    std::swap(m_SourceExtension, other.sourceExtension);
    std::swap(m_OutputPath, other.outputPath);
    std::swap(m_NameBase, other.nameBase);
    std::swap(m_SourceRead, other.sourceRead);
    std::swap(m_Damage, other.damage);
    std::swap(m_PageCount, other.pageCount);
    std::swap(m_MultiPage, other.multiPage);
    std::swap(m_OutputExisted, other.outputExisted);
    std::swap(m_Yes, other.yes);
    std::swap(m_No, other.no);
    std::swap(m_RenameAnswer, other.renameAnswer);
    std::swap(m_SourceIsOutput, other.sourceIsOutput);
    std::swap(m_StageFailed, other.stageFailed);
    std::swap(m_OutputProduced, other.outputProduced);
    std::swap(m_PhotoLogged, other.photoLogged);
    std::swap(m_PhotoOperations, other.operations);
    std::swap(m_Attributes, other.attributes);
}
