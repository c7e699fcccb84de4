#include "MinimalIcons.h"

#include "ImageCache.h"

#include <QPixmap>

QIcon MinimalIcon(int column, int row, qreal ratio)
{
    CImageCache* cache = CImageCache::GetInstance();
    // Until the cache is told about a high-density screen it hands out the
    // single-density sheet: cut that at its own scale.
    const int scale = cache->retina ? qMax(1, static_cast<int>(ratio)) : 1;
    const int cell = 16 * scale;
    const QImage sheet = cache->GetAsset(QStringLiteral("Icons-Minimal.png"), true, true);
    const QRect area(column * cell, row * cell, cell, cell);
    if (sheet.isNull() || !sheet.rect().contains(area))
        return QIcon();
    QPixmap pixmap = QPixmap::fromImage(sheet.copy(area));
    pixmap.setDevicePixelRatio(scale);
    return QIcon(pixmap);
}
