#include "PlacingLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CPlacingLock::CPlacingLock(const QByteArray& target) : m_Process(ProcessLock())
{
    const int slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    m_Folder = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (m_Folder >= 0 && ::flock(m_Folder, LOCK_EX) != 0 && errno == EINTR) {
    }
}

CPlacingLock::~CPlacingLock()
{
    if (m_Folder >= 0)
        ::close(m_Folder);
}

std::mutex& CPlacingLock::ProcessLock()
{
    static std::mutex lock;
    return lock;
}
