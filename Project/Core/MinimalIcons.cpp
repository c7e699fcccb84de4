#include "MinimalIcons.h"

#include "ImageCache.h"

#include <QPixmap>

QIcon MinimalIcon(int column, int row, qreal ratio)
{
    const int scale = qMax(1, static_cast<int>(ratio));
    const int cell = 16 * scale;
    const QImage sheet = CImageCache::GetInstance()->GetAsset(QStringLiteral("Icons-Minimal.png"), true, true);
    const QRect area(column * cell, row * cell, cell, cell);
    if (sheet.isNull() || !sheet.rect().contains(area))
        return QIcon();
    QPixmap pixmap = QPixmap::fromImage(sheet.copy(area));
    pixmap.setDevicePixelRatio(scale);
    return QIcon(pixmap);
}
