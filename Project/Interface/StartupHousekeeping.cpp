#include "StartupHousekeeping.h"

#include <QDirIterator>

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
