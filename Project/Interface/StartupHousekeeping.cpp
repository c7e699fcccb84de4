#include "StartupHousekeeping.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

QRect FirstStartGeometry(const QRect& desktop)
{
    const int x = static_cast<int>(desktop.width() * 0.5 - 397);
    const int y = static_cast<int>(desktop.height() * 0.5 - 336);
    return QRect(x, y, 794, 672);
}

QString FindDownloadSource(const QString& root)
{
    QString source;
    // No FollowSymlinks: a link to a huge or looping tree is never entered.
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.startsWith(QLatin1String("ref=")))
            source = name.mid(4);
    }
    return source;
}

int RemoveStaleMagickFiles(const QString& folder)
{
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-24 * 3600);
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("magick-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isFile() || entry.ownerId() != static_cast<uint>(geteuid()))
            continue;
        if (entry.lastModified().toUTC() > limit)
            continue;
        if (QFile::remove(entry.absoluteFilePath())) {
            qDebug().noquote() << entry.fileName() << "deleted";
            ++removed;
        }
    }
    return removed;
}
