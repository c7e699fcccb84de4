// Preloaded (LD_PRELOAD) into a test, makes every file system look like one
// without rename flags (SMB/CIFS, some FUSE file systems): renameat2() fails
// with EINVAL. With BQ_NO_HARD_LINKS set, link() and linkat() fail with EPERM
// as well. With BQ_TAKE_AT_RENAME=<file name>, a rename() to a free name of
// that file name finds a folder made there just before, as another writer
// would take the name between a look and the rename.
//
// More, each set by its variable:
// - BQ_FOLD_FOLDER=<absolute folder>: names below that folder, folders' too,
//   are looked up as a casefold ext4 folder (or an SMB share, an exFAT card)
//   does: by NFD and full case folding, "Straße" finding "STRASSE"; a new
//   name is kept as spelt.
// - BQ_FOLD_OWN_INODES=1: there, as on exfat-fuse, a spelling other than the
//   entries' own finds the file or folder, and the file opened by it,
//   under an inode number of its own.
// - BQ_RENAME_DELAY_MS=<ms>: every rename() waits that long first, as on a
//   network share.
// - BQ_EXIT_AT_RENAME=<file name>: the process ends at a rename() to that
//   name, before it, as a kill would end it.
// - BQ_REPLACE_AT_CLAIM=<file name>: a file of that name that is created
//   exclusively (O_EXCL) is at once replaced by another writer's file,
//   holding "old".
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#define COMMA ,

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

namespace
{
template <typename Function> Function Real(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

const char* BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

bool Named(const char* variable, const char* path)
{
    const char* name = std::getenv(variable);
    return name && path && std::strcmp(BaseName(path), name) == 0;
}

// NFD, full case folding, NFD again (folding may undo the first); a name
// that is not UTF-8 is its own key, as the kernel treats it.
std::u16string FoldKey(const char* name)
{
    UChar utf16[1024], normal[2048], folded[4096], key[8192];
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(utf16, 1024, &length, name, -1, &status);
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    length = unorm2_normalize(nfd, utf16, length, normal, 2048, &status);
    length = u_strFoldCase(folded, 4096, normal, length, U_FOLD_CASE_DEFAULT, &status);
    length = unorm2_normalize(nfd, folded, length, key, 8192, &status);
    if (U_FAILURE(status)) {
        std::u16string raw;
        for (const char* c = name; *c; ++c)
            raw += char16_t(static_cast<unsigned char>(*c));
        return u"\xFFFF" + raw;
    }
    return std::u16string(reinterpret_cast<const char16_t*>(key), size_t(length));
}

// The entry of `folder` that `name` folds to, or `name` when there is none.
std::string Entry(const std::string& folder, const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return name;
    const std::u16string key = FoldKey(name.c_str());
    std::string found = name;
    if (DIR* entries = Real<DIR* (*)(const char*)>("opendir")(folder.c_str())) {
        while (const dirent* entry = ::readdir(entries)) {
            if (FoldKey(entry->d_name) == key) {
                found = entry->d_name;
                break;
            }
        }
        ::closedir(entries);
    }
    return found;
}

// `path`, each name below the folding folder, folders too, spelt as the
// entry that it folds to, where there is one.
std::string Folded(const char* path)
{
    const char* folder = std::getenv("BQ_FOLD_FOLDER");
    if (!folder || !path)
        return path ? path : "";
    const size_t length = std::strlen(folder);
    if (std::strncmp(path, folder, length) != 0 || path[length] != '/')
        return path;
    std::string found = folder;
    for (const char* name = path + length + 1;; ++name) {
        const char* end = std::strchr(name, '/');
        const std::string spelt = end ? std::string(name, end) : std::string(name);
        found += "/" + Entry(found, spelt);
        if (!end)
            return found;
        name = end;
    }
}

// The inode number that a stat of `path`, found as `real`, reports.
template <typename Number> void OwnInode(const char* path, const std::string& real, Number& inode)
{
    if (std::getenv("BQ_FOLD_OWN_INODES") && path && real != path)
        inode = Number(std::hash<std::string>()(path) | (1ULL << 62));
}

// The spelling each open file was opened by where it has a number of its
// own: exfat-fuse reports that number for the open file too.
std::string g_Spelt[1024];

mode_t ModeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int)) : 0;
}

// Another writer's file in place of the claim just made.
void ReplaceClaim(const char* path, int flags, int fd)
{
    if (fd < 0 || (flags & (O_CREAT | O_EXCL)) != (O_CREAT | O_EXCL) || !Named("BQ_REPLACE_AT_CLAIM", path))
        return;
    const std::string other = std::string(path) + ".other";
    if (FILE* file = std::fopen(other.c_str(), "w")) {
        std::fputs("old", file);
        std::fclose(file);
        Real<int (*)(const char*, const char*)>("rename")(other.c_str(), path);
    }
}

int OpenAt(const char* symbol, int folder, const char* path, int flags, mode_t mode)
{
    const std::string real = Folded(path);
    const int fd = Real<int (*)(int, const char*, int, ...)>(symbol)(folder, real.c_str(), flags, mode);
    if (fd >= 0 && fd < 1024)
        g_Spelt[fd] = std::getenv("BQ_FOLD_OWN_INODES") && real != path ? path : "";
    ReplaceClaim(real.c_str(), flags, fd);
    return fd;
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
    return Real<int (*)(const char*, const char*)>("link")(Folded(from).c_str(), Folded(to).c_str());
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept
{
    if (std::getenv("BQ_NO_HARD_LINKS")) {
        errno = EPERM;
        return -1;
    }
    return Real<int (*)(int, const char*, int, const char*, int)>("linkat")(fromFolder, Folded(from).c_str(), toFolder,
                                                                            Folded(to).c_str(), flags);
}

int rename(const char* from, const char* to) noexcept
{
    const char* taken = std::getenv("BQ_TAKE_AT_RENAME");
    if (taken && std::strcmp(BaseName(to), taken) == 0)
        ::mkdir(to, 0700); // fails when the name is taken
    if (Named("BQ_EXIT_AT_RENAME", to))
        ::_exit(0);
    if (const char* delay = std::getenv("BQ_RENAME_DELAY_MS"))
        ::usleep(useconds_t(std::atoi(delay)) * 1000);
    return Real<int (*)(const char*, const char*)>("rename")(Folded(from).c_str(), Folded(to).c_str());
}

// The variadic opens, each through OpenAt with the mode it was given.
#define BQ_OPEN(name, symbol, folderParameter, folder)                                                                 \
    int name(folderParameter const char* path, int flags, ...)                                                         \
    {                                                                                                                  \
        va_list arguments;                                                                                             \
        va_start(arguments, flags);                                                                                    \
        const mode_t mode = ModeOf(flags, arguments);                                                                  \
        va_end(arguments);                                                                                             \
        return OpenAt(symbol, folder, path, flags, mode);                                                              \
    }
BQ_OPEN(open, "openat", , AT_FDCWD)
BQ_OPEN(open64, "openat64", , AT_FDCWD)
BQ_OPEN(openat, "openat", int folder COMMA, folder)
BQ_OPEN(openat64, "openat64", int folder COMMA, folder)

FILE* fopen(const char* path, const char* how)
{
    return Real<FILE* (*)(const char*, const char*)>("fopen")(Folded(path).c_str(), how);
}

FILE* fopen64(const char* path, const char* how)
{
    return Real<FILE* (*)(const char*, const char*)>("fopen64")(Folded(path).c_str(), how);
}

// The path-taking calls of one shape: the same call on the folded path.
#define BQ_FOLDED(name, type)                                                                                          \
    int name(const char* path, type value) noexcept                                                                    \
    {                                                                                                                  \
        return Real<int (*)(const char*, type)>(#name)(Folded(path).c_str(), value);                                   \
    }
BQ_FOLDED(access, int)
BQ_FOLDED(chmod, mode_t)
BQ_FOLDED(mkdir, mode_t)

DIR* opendir(const char* path)
{
    return Real<DIR* (*)(const char*)>("opendir")(Folded(path).c_str());
}

char* realpath(const char* path, char* resolved) noexcept
{
    return Real<char* (*)(const char*, char*)>("realpath")(Folded(path).c_str(), resolved);
}

// The stat calls, each on the folded path, with the inode number it reports.
#define BQ_STAT(name, inode, parameters, arguments)                                                                    \
    int name(parameters) noexcept                                                                                      \
    {                                                                                                                  \
        const std::string real = Folded(path);                                                                         \
        const int result = Real<int (*)(parameters)>(#name)(arguments);                                                \
        if (result == 0)                                                                                               \
            OwnInode(path, real, st->inode);                                                                           \
        return result;                                                                                                 \
    }
BQ_STAT(stat, st_ino, const char* path COMMA struct stat* st, real.c_str() COMMA st)
BQ_STAT(stat64, st_ino, const char* path COMMA struct stat64* st, real.c_str() COMMA st)
BQ_STAT(lstat, st_ino, const char* path COMMA struct stat* st, real.c_str() COMMA st)
BQ_STAT(lstat64, st_ino, const char* path COMMA struct stat64* st, real.c_str() COMMA st)
BQ_STAT(fstatat, st_ino, int folder COMMA const char* path COMMA struct stat* st COMMA int flags,
        folder COMMA real.c_str() COMMA st COMMA flags)
BQ_STAT(fstatat64, st_ino, int folder COMMA const char* path COMMA struct stat64* st COMMA int flags,
        folder COMMA real.c_str() COMMA st COMMA flags)
BQ_STAT(statx, stx_ino,
        int folder COMMA const char* path COMMA int flags COMMA unsigned int mask COMMA struct statx* st,
        folder COMMA real.c_str() COMMA flags COMMA mask COMMA st)

#define BQ_FSTAT(name, type)                                                                                           \
    int name(int fd, type* st) noexcept                                                                                \
    {                                                                                                                  \
        const int result = Real<int (*)(int, type*)>(#name)(fd, st);                                                   \
        if (result == 0 && fd >= 0 && fd < 1024 && !g_Spelt[fd].empty())                                               \
            OwnInode(g_Spelt[fd].c_str(), std::string(), st->st_ino);                                                  \
        return result;                                                                                                 \
    }
BQ_FSTAT(fstat, struct stat)
BQ_FSTAT(fstat64, struct stat64)

int close(int fd)
{
    if (fd >= 0 && fd < 1024)
        g_Spelt[fd].clear();
    return Real<int (*)(int)>("close")(fd);
}

int unlink(const char* path) noexcept
{
    return Real<int (*)(const char*)>("unlink")(Folded(path).c_str());
}

int utimensat(int folder, const char* path, const struct timespec times[2], int flags) noexcept
{
    return Real<int (*)(int, const char*, const struct timespec*, int)>("utimensat")(folder, Folded(path).c_str(),
                                                                                     times, flags);
}
}
