#include "AssetPixmap.h"

#include "ImageCache.h"

#include <QImage>

namespace
{
QPixmap AtLayoutWidth(const QImage& image, int logicalWidth)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    if (!pixmap.isNull() && logicalWidth > 0 && pixmap.width() > logicalWidth)
        pixmap.setDevicePixelRatio(qreal(pixmap.width()) / logicalWidth);
    return pixmap;
}
} // namespace

QPixmap AssetPixmap(const QString& name, int logicalWidth)
{
    return AtLayoutWidth(CImageCache::GetInstance()->GetAsset(name, false, true), logicalWidth);
}

QPixmap AssetSheetCell(const QString& name, int index, int logicalSide)
{
    const QImage sheet = CImageCache::GetInstance()->GetAsset(name, false, true);
    const int side = sheet.height();
    if (side <= 0 || (index + 1) * side > sheet.width())
        return QPixmap();
    return AtLayoutWidth(sheet.copy(index * side, 0, side, side), logicalSide);
}
