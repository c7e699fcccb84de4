#include "FileIdentity.h"

#include <QFile>

#include <sys/stat.h>

SFileIdentity SFileIdentity::Of(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return SFileIdentity();
    return FromStat(st);
}

SFileIdentity SFileIdentity::FromStat(const struct stat& st)
{
    SFileIdentity identity;
    identity.exists = true;
    identity.id.device = quint64(st.st_dev);
    identity.id.inode = quint64(st.st_ino);
    identity.size = qint64(st.st_size);
    identity.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return identity;
}
