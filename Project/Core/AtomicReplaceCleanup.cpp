// Removal of temporaries that a killed run left behind.
#include "AtomicReplace.h"

#include "TemporaryRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// (device, inode) of a file, to compare with the files processes hold open.
typedef QPair<quint64, quint64> FileId;

// Every file any process has open, as far as /proc lets this user see.
// Processes of other users cannot be examined; they cannot open this
// user's 0600 temporaries either, unless they are root.
QSet<FileId> OpenFiles()
{
    QSet<FileId> open;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return open;
    while (const dirent* process = ::readdir(proc)) {
        if (process->d_name[0] < '0' || process->d_name[0] > '9')
            continue;
        const QByteArray fdFolder = QByteArray("/proc/") + process->d_name + "/fd";
        DIR* fds = ::opendir(fdFolder.constData());
        if (!fds)
            continue;
        while (const dirent* fd = ::readdir(fds)) {
            struct stat st;
            if (fd->d_name[0] != '.' && ::stat((fdFolder + "/" + fd->d_name).constData(), &st) == 0 &&
                S_ISREG(st.st_mode))
                open.insert(FileId(st.st_dev, st.st_ino));
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return open;
}

} // namespace

int CAtomicReplace::RemoveStaleTemporaries(const QString& folder, const QDateTime& before)
{
    // ".bq-" and six random characters, then an optional part number or
    // backup mark, then the target's extension (which holds no ".").
    static const QRegularExpression own(QStringLiteral("^(\\.bq-[A-Za-z0-9]{6})(-[0-9]+|-was-[0-9]+)?(\\.[^.]*)?$"));
    const QStringList hidden = QDir(folder).entryList({QStringLiteral(".bq-*")}, QDir::Files | QDir::Hidden);
    if (hidden.isEmpty())
        return 0;
    // The reserved files that ended processes recorded in this folder: a
    // name alone proves nothing, the user may have such files.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    QSet<QString> recorded;
    for (const QString& path : CTemporaryRecord::LeftByEndedProcesses()) {
        const QFileInfo info(path);
        if (!canonical.isEmpty() && info.dir().canonicalPath() == canonical)
            recorded.insert(info.fileName());
    }
    const qint64 limit = before.toSecsSinceEpoch();
    QStringList candidates;
    QList<FileId> ids;
    for (const QString& name : hidden) {
        const QRegularExpressionMatch match = own.match(name);
        if (!match.hasMatch() || !recorded.contains(match.captured(1) + match.captured(3)))
            continue;
        const QString path = folder + "/" + name;
        struct stat st;
        // Only this user's regular files, never through a link.
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || st.st_mtime >= limit)
            continue;
        candidates << path;
        ids << FileId(st.st_dev, st.st_ino);
    }
    if (candidates.isEmpty())
        return 0;
    const QSet<FileId> open = OpenFiles();
    int removed = 0;
    for (int i = 0; i < candidates.size(); ++i) {
        if (!open.contains(ids[i]) && ::unlink(QFile::encodeName(candidates[i]).constData()) == 0)
            ++removed;
    }
    return removed;
}
