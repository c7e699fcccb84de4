#pragma once

#include "AtomicReplace.h"

#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

#include <mutex>

// The output names a run has handed out, shared by its workers. A name is
// held for its whole path folded (CPathSafety::PathKey), so that a folding
// file system never gets two outputs in one file however its folders are
// spelt, and for the folder it really is: through a link, "." or a bind
// mount two photos would otherwise get one file. An inode number only ever
// says that two spellings are one: exfat-fuse gives each spelling its own.
// Its ledger holds the files the run has put in place, which no commit of
// the run replaces: it sees what no rule on spellings can (a folder that
// folds by rules of its own).
class CRunNames
{
public:
    // The run's lock: the look-ups and additions made while it is held are
    // one step for the other workers.
    std::unique_lock<QMutex> Lock() { return std::unique_lock<QMutex>(m_Lock); }
    // With the lock held only.
    bool Holds(const QString& path) const;
    void Add(const QString& path);
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
    // The whole path's key and, for a folder that is there, its device and
    // inode with the name's key.
    static QStringList Keys(const QString& path);

    QMutex m_Lock;
    QSet<QString> m_Keys;
    QSet<QString> m_Folders;
    COutputLedger m_Ledger;
};
