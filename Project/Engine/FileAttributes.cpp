#include "FileAttributes.h"

#include <cerrno>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// What a handle holds: only what a new file may take over from its source.
struct SFileAttributeSet {
    timespec accessed;
    timespec modified;
    mode_t permissions;
    uid_t owner;
    gid_t group;
};

// Sets the owner only when it differs; a process that may not give files
// away (EPERM) keeps its own, which is no failure of the copy.
bool CopyOwner(const char* path, const SFileAttributeSet& set)
{
    struct stat now;
    if (::stat(path, &now) != 0)
        return false;
    if (now.st_uid == set.owner && now.st_gid == set.group)
        return true;
    if (::chown(path, set.owner, set.group) == 0 || errno == EPERM)
        return true;
    return false;
}

} // namespace

bool FileAttributes::Read(const char* path, void** attributes)
{
    if (!attributes)
        return false;
    *attributes = nullptr;
    struct stat st;
    if (!path || ::stat(path, &st) != 0)
        return false;
    SFileAttributeSet* set = new SFileAttributeSet;
    set->accessed = st.st_atim;
    set->modified = st.st_mtim;
    set->permissions = st.st_mode & 0777;
    set->owner = st.st_uid;
    set->group = st.st_gid;
    *attributes = set;
    return true;
}

bool FileAttributes::Write(const char* path, void* attributes)
{
    if (!path || !attributes)
        return false;
    const SFileAttributeSet& set = *static_cast<const SFileAttributeSet*>(attributes);
    // Owner first, since chown may drop permission bits; times last, so that
    // an output whose permissions were refused keeps its own times too.
    if (!CopyOwner(path, set))
        return false;
    if (::chmod(path, set.permissions) != 0)
        return false;
    const timespec times[2] = {set.accessed, set.modified};
    return ::utimensat(AT_FDCWD, path, times, 0) == 0;
}

bool FileAttributes::DisableReadOnly(const char* path)
{
    if (!path)
        return false;
    // O_NONBLOCK keeps a FIFO given as a photo from blocking the worker.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The kernel reads and writes an int here, whatever the macro's type says.
    int flags = 0;
    bool cleared = false;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_IMMUTABLE_FL)) {
        flags &= ~FS_IMMUTABLE_FL;
        cleared = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return cleared;
}

void FileAttributes::Free(void* attributes)
{
    delete static_cast<SFileAttributeSet*>(attributes);
}
