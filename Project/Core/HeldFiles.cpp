#include "HeldFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

void CHeldFiles::CollectMaps(const QString& mapsPath, QSet<SFileId>& held)
{
    QFile maps(mapsPath);
    if (!maps.open(QIODevice::ReadOnly))
        return;
    // address perms offset major:minor inode path. Read whole: /proc files
    // report size 0, so QFile::atEnd() would end at once.
    const QList<QByteArray> lines = maps.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() < 6)
            continue;
        const QList<QByteArray> device = columns.at(3).split(':');
        bool okInode = false, okMajor = false, okMinor = false;
        const qulonglong inode = columns.at(4).toULongLong(&okInode);
        if (device.size() != 2 || !okInode || inode == 0)
            continue;
        const uint major = device.at(0).toUInt(&okMajor, 16);
        const uint minor = device.at(1).toUInt(&okMinor, 16);
        if (okMajor && okMinor)
            held.insert({quint64(makedev(major, minor)), quint64(inode)});
    }
}

bool CHeldFiles::Collect(QSet<SFileId>& held, const QString& procRoot)
{
    QDir proc(procRoot);
    if (!proc.exists())
        return false;
    bool complete = true;
    const uid_t me = geteuid();
    const QStringList pids = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool isPid = false;
        pid.toUInt(&isPid);
        if (!isPid)
            continue;
        const QString base = procRoot + QLatin1Char('/') + pid;
        struct stat processInfo;
        if (::stat(QFile::encodeName(base).constData(), &processInfo) != 0)
            continue; // ended meanwhile
        const QString fdPath = base + QStringLiteral("/fd");
        QDir fdDir(fdPath);
        if (!fdDir.isReadable()) {
            // A process of this user that vanished is no holder; one still
            // there but hidden from us leaves the holders unknown.
            if (processInfo.st_uid == me && QFileInfo::exists(base))
                complete = false;
            continue;
        }
        const QStringList fds = fdDir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& fd : fds) {
            struct stat target;
            if (::stat(QFile::encodeName(fdPath + QLatin1Char('/') + fd).constData(), &target) == 0)
                held.insert(SFileIdentity::FromStat(target).id);
        }
        CollectMaps(base + QStringLiteral("/maps"), held);
    }
    return complete;
}
