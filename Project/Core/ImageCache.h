#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

class CImageCacheAsset;

// Interface images compiled into the program, looked up by plain name
// ("Icons-Minimal.png") and handed out in the theme's variant and, on a
// high-density screen, at double resolution. Each resource is loaded once.
// GUI thread only.
class CImageCache
{
public:
    static CImageCache* GetInstance();
    static void DeleteInstance();

    // The image for a name, loaded on first request; a missing resource
    // gives a null image, which is kept too.
    QImage GetAsset(const QString& name, bool themed, bool hires);
    // ":/" + base + ("-Dark" | "-Light" when themed) + ("@2x" when hires on a
    // retina screen) + "." + extension; a name without "." has no extension.
    QString GenerateImagePathName(const QString& name, bool themed, bool hires) const;
    // The cells of an icon sheet (double-resolution sheet and cells on a
    // retina screen), row by row, with sheet rows taken in the order 0, 1, 5,
    // 4, 3, 2 and row 0 for any further row. The caller owns the list; it is
    // empty for a missing sheet or a cell size below 1.
    QList<QIcon>* LoadIconsFromPath(const QString& name, bool themed, int size);

    // How many distinct resource names have been requested.
    int AssetCount() const { return m_assets.size(); }

    // Set by the main window from the display profile and the settings.
    bool retina = false;
    qint32 ThemeId = 1; // 0 light, anything else dark

protected:
    CImageCache() = default;
    virtual ~CImageCache();

private:
    QList<CImageCacheAsset*> m_assets;
    static CImageCache* s_pInstance;
};
