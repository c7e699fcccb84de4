// Preloaded (LD_PRELOAD) into a test, makes every file system look like one
// without rename flags (SMB/CIFS, some FUSE file systems): renameat2() fails
// with EINVAL. With BQ_NO_HARD_LINKS set, link() and linkat() fail with EPERM
// as well. With BQ_TAKE_AT_RENAME=<file name>, a rename() to a free name of
// that file name finds a folder made there just before, as another writer
// would take the name between a look and the rename.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>

namespace
{
template <typename Function> Function Real(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" {

int renameat2(int, const char*, int, const char*, unsigned int) noexcept
{
    errno = EINVAL;
    return -1;
}

int link(const char* from, const char* to) noexcept
{
    if (std::getenv("BQ_NO_HARD_LINKS")) {
        errno = EPERM;
        return -1;
    }
    return Real<int (*)(const char*, const char*)>("link")(from, to);
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept
{
    if (std::getenv("BQ_NO_HARD_LINKS")) {
        errno = EPERM;
        return -1;
    }
    return Real<int (*)(int, const char*, int, const char*, int)>("linkat")(fromFolder, from, toFolder, to, flags);
}

int rename(const char* from, const char* to) noexcept
{
    const char* taken = std::getenv("BQ_TAKE_AT_RENAME");
    const char* slash = std::strrchr(to, '/');
    if (taken && std::strcmp(slash ? slash + 1 : to, taken) == 0)
        ::mkdir(to, 0700); // fails when the name is taken
    return Real<int (*)(const char*, const char*)>("rename")(from, to);
}
}
