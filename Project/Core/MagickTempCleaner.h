#pragma once

#include <QSet>
#include <QString>

#include <sys/types.h>

// Removes the image library's leftover "magick-*" files from a temporary
// folder. Only regular, unlinked files of this user that nobody has touched
// for 24 hours go, and none that a running process (this one included) holds
// open or mapped: a long batch or a second instance may still use an old
// pixel cache. Where the holders cannot be told, the age rule decides alone.
class CMagickTempCleaner
{
public:
    explicit CMagickTempCleaner(const QString& folder, const QString& procRoot = QStringLiteral("/proc"));

    // Returns how many files were removed.
    int Run();

private:
    struct SFileId {
        dev_t device;
        ino_t inode;
        bool operator==(const SFileId& other) const { return device == other.device && inode == other.inode; }
    };
    friend uint qHash(const SFileId& id, uint seed) { return qHash(quint64(id.inode) ^ quint64(id.device), seed); }

    // Every file held open or mapped by a process; false when some process
    // of this user could not be looked at.
    bool CollectHeldFiles(QSet<SFileId>& held) const;
    static void CollectMaps(const QString& mapsPath, QSet<SFileId>& held);

    QString m_folder;
    QString m_procRoot;
};
