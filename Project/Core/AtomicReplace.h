#pragma once

#include "FileIdentity.h"

#include <QDateTime>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

// The files a run has put in place, by device and inode. A folder that
// folds names (casefold ext4, SMB, exFAT: "Straße" is "STRASSE", NFC is
// NFD) makes two names one file, which no rule on spellings can tell: the
// file system's answer decides. Safe to use from any thread.
class COutputLedger
{
public:
    bool Holds(const SFileId& id) const;
    void Add(const SFileId& id);
    void Clear();

private:
    mutable QMutex m_Lock;
    QSet<SFileId> m_Ids;
};

// Writes a file beside its final name and renames it into place only when
// it is complete, so a failed write never leaves a partial file and never
// destroys the file it replaces (even when that file is the source).
//
// The temporary is a hidden sibling ".bq-XXXXXX.<ext>" in the target's
// folder, ending in the target's extension so that writers choosing a coder
// by extension pick the right one. Its name is recorded before it is made
// (CTemporaryRecord), so that only a run's own strays are ever cleaned up. A writer that splits its output into
// numbered files produces ".bq-XXXXXX-0.<ext>", "-1", ...; those become
// "<name>-0.<ext>", "<name>-1.<ext>", ... beside the target.
//
// Durability: every file is synced before it is renamed into place and its
// folder after, so that after a power cut a final name never points at an
// empty file; callers may remove a source once Commit() has returned.
class CAtomicReplace
{
public:
    explicit CAtomicReplace(const QString& target);

    // For an output that must not replace a file: called with the final
    // name found taken when it was to be put in place, it gives the next
    // name to try in the same folder, or "" to give up.
    typedef std::function<QString(const QString& taken)> NextTarget;
    // The run an output belongs to: a commit never replaces a file that the
    // run has put in place, whatever its name looks like, but takes the name
    // `next` offers, as for a name found taken; what it puts in place joins
    // the ledger.
    struct SRun {
        COutputLedger* ledger = nullptr;
        NextTarget next;
    };
    // Removes every temporary that was not committed.
    ~CAtomicReplace();

    CAtomicReplace(const CAtomicReplace&) = delete;
    CAtomicReplace& operator=(const CAtomicReplace&) = delete;

    // The file the output is made from. A new output gets its permission
    // bits less the umask (as cp does); without a source, 0666 less the
    // umask. A file replaced in place keeps its own mode, narrowed to the
    // source's bits when the source is another file, so that an output
    // never becomes readable by more users than the photo it holds.
    void SetModeSource(const QString& source);

    // From now on Commit() never replaces a file: a final name (a part's
    // included) taken since it was chosen gives all parts the name `next`
    // offers; without one, the commit fails.
    void SetNoReplace(const NextTarget& next);
    void SetRun(const SRun& run);
    // The final name: the one given, or the last one `next` offered.
    const QString& Target() const { return m_Target; }

    // Reserves the temporary (mode 0600 until commit); false when the
    // folder is missing or not writable.
    bool Create();
    // Absolute path of the temporary; empty before Create().
    QString TemporaryPath() const;
    // The temporary of part `index` of a split output; Discard() removes each one handed out.
    QString TemporaryPartPath(int index) const;
    // "<name>-<index>.<ext>" beside `target`.
    static QString PartPath(const QString& target, int index);

    // Renames the result into place. When the writer split its output into
    // parts, every part from 0 up is renamed instead and the reserved
    // temporary dropped; the parts go in as one unit: should one rename
    // fail, the parts already renamed are put back as they were (by the
    // next run's RemoveStaleTemporaries when this one is killed). False
    // (all temporaries removed, old files untouched) when nothing was
    // written or a step fails.
    bool Commit();
    // Removes the temporaries.
    void Discard();

    // The final paths that Commit() put in place.
    const QStringList& CommittedFiles() const { return m_Committed; }
    // Why the last Create() or Commit() failed, in the system's words
    // ("no space left on device"); empty after a success.
    const QString& ErrorString() const { return m_Error; }

    // Copies a regular file byte for byte through a temporary sibling of
    // `target` (an empty source gives an empty file). On failure `target`
    // is as it was, no temporary is left and `error` says why. With
    // `noReplace`, an existing file is never replaced (SetNoReplace), and
    // `placed` gets the final name; `run` as SetRun.
    static bool CopyFile(const QString& source, const QString& target, QString* error = nullptr,
                         const NextTarget* noReplace = nullptr, QString* placed = nullptr, const SRun* run = nullptr);
    // rename(); across file systems, CopyFile and then the source removed,
    // so that the source goes only once the target is complete and synced.
    // True once the target is in place; a source that changed while it was
    // copied, or that cannot be removed, stays, and `error` then says why.
    static bool MoveFile(const QString& source, const QString& target, QString* error = nullptr,
                         const NextTarget* noReplace = nullptr, QString* placed = nullptr, const SRun* run = nullptr);

    // Files "<name>-N.<ext>" beside `target` for N = `from`, `from` + 1, ...
    // as long as they exist: pages of an earlier, longer output.
    static QStringList StaleParts(const QString& target, int from);

    // Removes from `folder` the temporaries recorded by a process that has
    // ended (a run that was killed left them) that were last changed before
    // `before` and that no process holds open; never any other file, not
    // one that merely looks like a temporary. A final name that such a
    // process claimed and left empty goes too. Pages that such a process had
    // begun to rename over the files they replace are first put back as the
    // whole set they replaced, named in `restored`; their backups never go
    // before. Only a page that is still that process's own file goes.
    // `locking` is called as each set is about to be put back, before the
    // folder is locked. Returns how many went. (AtomicReplaceCleanup.cpp)
    static int RemoveStaleTemporaries(const QString& folder, const QDateTime& before, QStringList* restored = nullptr,
                                      const std::function<void()>& locking = {});

    // The system's text for an errno value, starting in lower case.
    static QString SystemError(int error);

private:
    // Removes `path` if it is still the empty file `id`, with no commit
    // under way in its folder: a claim that a killed run left.
    static bool RemoveClaim(const QString& path, const SFileId& id);
    // The journal of a commit of pages, in the reserved file (unused when
    // there are parts) from before the first rename until all are done or
    // undone: this head, then a line per page, "+" when a backup
    // ("<base>-was-<n><ext>") holds the file it replaces or "-", its file
    // name, percent-encoded, and after a space each the device and inode
    // of its part (an older journal has none).
    static constexpr char JournalHead[] = "brandquill pages 1";
    bool WriteJournal(const QStringList& parts, const QStringList& pages, const QStringList& backups) const;
    // Truncates the journal at `path` and syncs it, so that it cannot come
    // back after a power cut once the backups it names are gone.
    static bool EmptyJournal(const QString& path);
    // Empties the journal, then removes the backups; keeps them where it
    // cannot.
    void DropBackups(const QStringList& backups) const;
    // Whether the reserved file `path` holds a journal.
    static bool HoldsJournal(const QString& path);
    // Puts back, from the journal at `path` of an ended run, the files that
    // its pages replaced, and empties the journal: a page that has come in
    // (its part no longer beside it) gives way to its backup or, where it
    // replaced nothing, goes; an unneeded backup goes. False, the journal
    // kept, when a step fails. (AtomicReplaceCleanup.cpp)
    static bool PutBackPages(const QString& path, QStringList* restored, const std::function<void()>& locking);
    QStringList ExistingParts() const;
    // TemporaryPartPath() without counting the name as handed out.
    QString PartName(int index) const;
    // "<folder>/<base>-<index><ext>", a part's temporary, and
    // "<folder>/<base>-was-<index><ext>", the backup of the file it replaces.
    static QString PartName(const QString& folder, const QString& base, int index, const QString& extension);
    static QString BackupName(const QString& folder, const QString& base, int index, const QString& extension);
    // fsync of a file or folder by path; errno is kept on failure.
    static bool SyncPath(const QString& path, bool folder);
    // Mode for the file that becomes `finalPath`.
    mode_t FinalMode(const QString& finalPath) const;
    // Gives a temporary its final mode and syncs it to disk.
    bool Prepare(const QString& temporary, const QString& finalPath);
    // Renames each pair (temporary, final) into place, all or none.
    bool Publish(const QStringList& from, const QStringList& to);
    bool Fail(int error);

    // Names a new target may be offered before the commit gives up.
    static constexpr int MaxRetargets = 1000;

    QString m_Target;
    QString m_Folder;    // absolute
    QString m_Base;      // ".bq-XXXXXX" once created
    QString m_Extension; // with its dot, case kept; empty when none
    mutable int m_PartsNamed = 0; // part names handed to the writer
    QStringList m_Committed;
    QString m_Error;
    int m_Errno = 0; // of the last failure
    bool m_NoReplace = false;
    NextTarget m_NextTarget;
    COutputLedger* m_Ledger = nullptr;
    bool m_AllowEmpty = false; // a copy of an empty file is a result
    bool m_HasSource = false;
    mode_t m_SourceMode = 0; // permission bits of the source
    SFileId m_SourceId;
};
