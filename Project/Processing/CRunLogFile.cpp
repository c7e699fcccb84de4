#include "CRunLogFile.h"

#include "PathSafety.h"
#include "Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const QByteArray ByteOrderMark("\xEF\xBB\xBF", 3);
constexpr qint64 CopyBlock = 1024;

QString TwoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Appends the old log after the new run, dropping its byte order mark only
// when it really has one.
bool CopyOldContent(QFile& old, QFile& out)
{
    QByteArray block = old.read(ByteOrderMark.size());
    if (block.isNull() && old.error() != QFileDevice::NoError)
        return false;
    if (block != ByteOrderMark && out.write(block) != block.size())
        return false;
    for (;;) {
        block = old.read(CopyBlock);
        if (old.error() != QFileDevice::NoError)
            return false;
        if (block.isEmpty())
            return true;
        if (out.write(block) != block.size())
            return false;
    }
}

// Locks the log (made empty when there is none yet: `created`) for one run's
// rewrite; runs that end at once then each put their entry in front in turn.
// Locked again when a run before has renamed another file into its place.
// -1 when no lock can be had here: the rewrite goes on as without one.
int LockLog(const QByteArray& path, bool* created)
{
    for (int tries = 0; tries < 100; ++tries) {
        *created = false;
        int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_CREAT | O_EXCL, 0666);
            *created = fd >= 0;
        }
        if (fd < 0 && errno == EEXIST)
            continue; // made by another run just now
        if (fd < 0)
            break;
        int locked;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        struct stat held, now;
        if (locked == 0 && ::fstat(fd, &held) == 0 && ::stat(path.constData(), &now) == 0 &&
            held.st_dev == now.st_dev && held.st_ino == now.st_ino)
            return fd;
        ::close(fd);
        if (locked != 0)
            break;
    }
    *created = false;
    return -1;
}

} // namespace

const QString CRunLogFile::Separator = QStringLiteral("\r\n\r\n----------\r\n\r\n");

QString CRunLogFile::ProcessingLogPath()
{
    return GetMyDocuments() + QStringLiteral("/Brandquill/Brandquill.log");
}

QString CRunLogFile::MonitorLogPath(const QString& monitorId)
{
    return GetMyDocuments() + QStringLiteral("/Corvantile/Monitor/") +
           CPathSafety::SanitizeFileName(monitorId) + QStringLiteral(".log");
}

bool CRunLogFile::Prepend(const QString& path, const QString& runText)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        QDir().mkpath(path.left(slash));

    bool created = false;
    const int lock = LockLog(QFile::encodeName(path), &created);

    // Under the lock, a temporary file or link is a leftover of an earlier
    // failed save, ours to replace; anything else in its place (a folder)
    // makes the save fail.
    const QString tmpPath = path + QStringLiteral(".tmp");
    const QFileInfo tmpInfo(tmpPath);
    if (tmpInfo.isSymLink() || tmpInfo.isFile())
        QFile::remove(tmpPath);
    QFile tmp(tmpPath);
    const bool opened = tmp.open(QIODevice::WriteOnly | QIODevice::NewOnly);

    const QByteArray text = runText.toUtf8();
    bool ok = opened && tmp.write(ByteOrderMark) == ByteOrderMark.size() && tmp.write(text) == text.size();
    QFile old(path);
    if (ok && old.exists()) {
        // An old log we cannot read would be lost by the rename.
        ok = old.open(QIODevice::ReadOnly) && CopyOldContent(old, tmp);
        old.close();
    }
    ok = ok && tmp.flush();
    tmp.close();
    ok = ok && tmp.error() == QFileDevice::NoError;
    // rename() replaces the old file in one step; QFile::rename would refuse.
    ok = ok && std::rename(QFile::encodeName(tmpPath).constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok && opened)
        QFile::remove(tmpPath);
    if (!ok && created)
        QFile::remove(path);
    if (lock >= 0)
        ::close(lock);
    return ok;
}

QString CRunLogFile::TimeN2LongS(qint64 ms)
{
    ms = qMax<qint64>(0, ms);
    const qint64 h = ms / 3600000;
    const qint64 m = (ms - h * 3600000) / 60000;
    const qint64 s = (ms - h * 3600000 - m * 60000) / 1000;
    if (h > 0)
        return TwoDigits(h) + QLatin1Char(':') + TwoDigits(m) + QLatin1Char(':') + TwoDigits(s);
    return TwoDigits(m) + QLatin1Char(':') + TwoDigits(s);
}

QString CRunLogFile::TimeN2ShortS(qint64 ms)
{
    ms = qMax<qint64>(0, ms);
    qint64 t = ms / 100; // tenths
    const qint64 h = ms / 3600000;
    t -= h * 36000;
    const qint64 m = t / 600;
    t -= m * 600;
    const qint64 s = t / 10;
    const qint64 d = t - s * 10;
    const QString tenths = QLatin1Char('.') + QString::number(d) + QLatin1Char('s');
    if (h > 0)
        return QString::number(h) + QLatin1Char(':') + TwoDigits(m) + QLatin1Char(':') + TwoDigits(s) + tenths;
    if (m > 0)
        return QString::number(m) + QLatin1Char(':') + TwoDigits(s) + tenths;
    return QString::number(s) + tenths;
}
