#pragma once

#include <QHash>
#include <QString>

struct stat;

// Which file a path leads to, whatever its spelling: links, hard links and
// bind mounts reach one device and inode.
struct SFileId {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const SFileId& other) const { return device == other.device && inode == other.inode; }
    bool operator!=(const SFileId& other) const { return !(*this == other); }
};
inline uint qHash(const SFileId& id, uint seed = 0)
{
    return qHash(qMakePair(id.device, id.inode), seed);
}

// A file as it was seen at one moment: its id, and what a rewrite in place or
// a new file given the old inode number changes (size, modification and
// change times).
struct SFileIdentity {
    SFileId id;
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    // Follows links; empty (exists false) when the path cannot be resolved.
    static SFileIdentity Of(const QString& path);
    static SFileIdentity FromStat(const struct stat& st);

    // One file, whatever happened to it since.
    bool SameFile(const SFileIdentity& other) const { return exists && other.exists && id == other.id; }
    // One file, untouched since `this` was taken.
    bool Unchanged(const SFileIdentity& other) const
    {
        return SameFile(other) && size == other.size && modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
};
