#pragma once

#include <QByteArray>

#include <mutex>

// Held from the look at a final name to its rename: by this process's
// workers, and through an advisory lock on the folder by other runs, so that
// no other commit comes in between. A folder that cannot be locked (some
// network file systems) is written to without.
class CPlacingLock
{
public:
    // `target`: a file in the folder to lock, as the system spells it.
    explicit CPlacingLock(const QByteArray& target);
    ~CPlacingLock();
    CPlacingLock(const CPlacingLock&) = delete;
    CPlacingLock& operator=(const CPlacingLock&) = delete;

private:
    static std::mutex& ProcessLock();
    std::lock_guard<std::mutex> m_Process;
    int m_Folder = -1;
};
