#include "StartupHousekeeping.h"

#include <QDirIterator>

QRect FirstStartGeometry(const QRect& available)
{
    const QSize size = QSize(794, 672).boundedTo(available.size());
    const QSize margin = available.size() - size;
    return QRect(available.topLeft() + QPoint(margin.width() / 2, margin.height() / 2), size);
}

bool FitRestoredGeometry(QRect& window, const QRect& available, const QSize& minimum)
{
    const QRect shown = window.intersected(available);
    const qint64 area = qint64(window.width()) * window.height();
    if (area <= 0 || qint64(shown.width()) * shown.height() * 4 < area)
        return false;
    const int width = qMin(window.width(), qMax(available.width(), minimum.width()));
    const int height = qMin(window.height(), qMax(available.height(), minimum.height()));
    const int x = qMax(available.left(), qMin(window.left(), available.right() + 1 - width));
    const int y = qMax(available.top(), qMin(window.top(), available.bottom() + 1 - height));
    window = QRect(x, y, width, height);
    return true;
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
