#include "DialogSheets.h"

#include "ImageCache.h"

#include <QPixmap>

QImage LoadDialogSheet(const QString& name, int& scale)
{
    CImageCache* cache = CImageCache::GetInstance();
    QImage sheet = cache->GetAsset(name, false, true);
    scale = cache->retina && !sheet.isNull() ? 2 : 1;
    if (sheet.isNull() && cache->retina)
        sheet = cache->GetAsset(name, false, false);
    return sheet;
}

QPixmap DialogSheetCell(const QImage& sheet, int scale, int points, int column, int row)
{
    const int size = points * scale;
    const QRect cell(column * size, row * size, size, size);
    if (sheet.isNull() || !sheet.rect().contains(cell))
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(sheet.copy(cell));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}
