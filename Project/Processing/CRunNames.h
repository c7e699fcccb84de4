#pragma once

#include "AtomicReplace.h"

#include <QMutex>
#include <QSet>
#include <QString>

#include <mutex>

// The output names a run has handed out, shared by its workers. A name is
// held for the folder it really is, not for the folder as spelt: through a
// link, "." or a bind mount two photos would otherwise get one file. Names
// that CPathSafety::NameKey makes one are one name. Its ledger holds the
// files the run has put in place, which no commit of the run replaces: it
// sees what no rule on spellings can (a folder that folds by rules of its
// own), while the key sees what the ledger cannot (a file system that gives
// each spelling of one file its own inode number, as exfat-fuse does).
class CRunNames
{
public:
    // The run's lock: the look-ups and additions made while it is held are
    // one step for the other workers.
    std::unique_lock<QMutex> Lock() { return std::unique_lock<QMutex>(m_Lock); }
    // With the lock held only.
    bool Holds(const QString& path) const { return m_Keys.contains(Key(path)); }
    void Add(const QString& path) { m_Keys.insert(Key(path)); }
    // With the lock held only: true the first time the run asks for the
    // folder, whose leftovers of killed runs are then seen to.
    bool FirstVisit(const QString& folder)
    {
        const int before = m_Folders.size();
        m_Folders.insert(folder);
        return m_Folders.size() > before;
    }

    COutputLedger& Ledger() { return m_Ledger; }

    void Clear();

private:
    // The folder's device and inode and the name's key; for a folder that
    // is not there, the whole path's key.
    static QString Key(const QString& path);

    QMutex m_Lock;
    QSet<QString> m_Keys;
    QSet<QString> m_Folders;
    COutputLedger m_Ledger;
};
