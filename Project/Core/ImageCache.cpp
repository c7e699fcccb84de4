#include "ImageCache.h"

#include "ImageCacheAsset.h"

#include <QPixmap>

CImageCache* CImageCache::s_pInstance = nullptr;

CImageCache* CImageCache::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CImageCache();
    return s_pInstance;
}

void CImageCache::DeleteInstance()
{
    delete s_pInstance;
    s_pInstance = nullptr;
}

CImageCache::~CImageCache()
{
    qDeleteAll(m_assets);
}

QString CImageCache::GenerateImagePathName(const QString& name, bool themed, bool hires) const
{
    const int dot = name.lastIndexOf('.');
    QString base = dot < 0 ? name : name.left(dot);
    if (themed)
        base += ThemeId != 0 ? "-Dark" : "-Light";
    if (retina && hires)
        base += "@2x";
    return ":/" + base + (dot < 0 ? QString() : name.mid(dot));
}

QImage CImageCache::GetAsset(const QString& name, bool themed, bool hires)
{
    const QString path = GenerateImagePathName(name, themed, hires);
    for (const CImageCacheAsset* asset : qAsConst(m_assets)) {
        if (asset->Name() == path)
            return asset->Image();
    }
    m_assets.append(new CImageCacheAsset(path));
    return m_assets.last()->Image();
}

QList<QIcon>* CImageCache::LoadIconsFromPath(const QString& name, bool themed, int size)
{
    auto* icons = new QList<QIcon>();
    const int cell = retina ? size * 2 : size;
    if (cell <= 0)
        return icons;
    // The sheet is cut once by its caller, so it stays out of the cache.
    const QImage sheet(GenerateImagePathName(name, themed, true));
    const int columns = sheet.width() / cell;
    const int rows = sheet.height() / cell;
    if (rows < 1)
        return icons;
    static const int sheetRow[] = {0, 1, 5, 4, 3, 2};
    for (int r = 0; r < rows; ++r) {
        const int s = r < 6 ? sheetRow[r] : 0;
        for (int c = 0; c < columns; ++c)
            icons->append(QIcon(QPixmap::fromImage(sheet.copy(c * cell, s * cell, cell, cell))));
    }
    return icons;
}
