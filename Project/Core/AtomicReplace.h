#pragma once

#include <QString>
#include <QStringList>

// Writes a file beside its final name and renames it into place only when
// it is complete, so a failed write never leaves a partial file and never
// destroys the file it replaces (even when that file is the source).
//
// The temporary is a hidden sibling ".bq-XXXXXX.<ext>" in the target's
// folder, ending in the target's extension so that writers choosing a coder
// by extension pick the right one. A writer that splits its output into
// numbered files produces ".bq-XXXXXX-0.<ext>", "-1", ...; those become
// "<name>-0.<ext>", "<name>-1.<ext>", ... beside the target.
class CAtomicReplace
{
public:
    explicit CAtomicReplace(const QString& target);
    // Removes every temporary that was not committed.
    ~CAtomicReplace();

    CAtomicReplace(const CAtomicReplace&) = delete;
    CAtomicReplace& operator=(const CAtomicReplace&) = delete;

    // Reserves the temporary (mode 0600 until commit); false when the
    // folder is missing or not writable.
    bool Create();
    // Absolute path of the temporary; empty before Create().
    QString TemporaryPath() const;
    // The temporary of part `index` of a split output.
    QString TemporaryPartPath(int index) const;
    // "<name>-<index>.<ext>" beside `target`.
    static QString PartPath(const QString& target, int index);

    // Renames the result into place with the mode a new file gets (0666
    // less the umask). When the writer split its output into parts, every
    // part from 0 up is renamed instead and the reserved temporary dropped.
    // False (all temporaries removed, old files untouched) when nothing was
    // written or a rename fails.
    bool Commit();
    // Removes the temporaries.
    void Discard();

    // The final paths that Commit() put in place.
    const QStringList& CommittedFiles() const { return m_Committed; }

    // Copies a regular file byte for byte through a temporary sibling of
    // `target` (an empty source gives an empty file). On failure `target`
    // is as it was and no temporary is left.
    static bool CopyFile(const QString& source, const QString& target);
    // rename(); across file systems, CopyFile and then the source removed,
    // so that the source goes only once the target is complete.
    static bool MoveFile(const QString& source, const QString& target);

private:
    QStringList ExistingParts() const;
    bool Publish(const QString& from, const QString& to);

    QString m_Target;
    QString m_Folder;    // absolute
    QString m_Base;      // ".bq-XXXXXX" once created
    QString m_Extension; // with its dot, case kept; empty when none
    QStringList m_Committed;
    bool m_AllowEmpty = false; // a copy of an empty file is a result
};
