#pragma once

#include "AtomicReplace.h"

#include <QMutex>
#include <QSet>
#include <QString>

#include <mutex>

// The output names a run has handed out, shared by its workers. A name is
// held for the folder it really is, not for the folder as spelt: through a
// link, "." or a bind mount two photos would otherwise get one file. Names
// differing only in letter case are one name. Its ledger holds the files
// the run has put in place, which no commit of the run replaces.
class CRunNames : public COutputLedger
{
public:
    // The run's lock: the look-ups and additions made while it is held are
    // one step for the other workers.
    std::unique_lock<QMutex> Lock() { return std::unique_lock<QMutex>(m_Lock); }
    // With the lock held only.
    bool Holds(const QString& path) const { return m_Keys.contains(Key(path)); }
    void Add(const QString& path) { m_Keys.insert(Key(path)); }

    void Clear();

private:
    // The folder's device and inode and the lower-cased name; for a folder
    // that is not there, the whole path lower-cased.
    static QString Key(const QString& path);

    QMutex m_Lock;
    QSet<QString> m_Keys;
};
