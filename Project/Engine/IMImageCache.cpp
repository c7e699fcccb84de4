#include "IMImageCache.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include <new>

namespace {
const char* const kPacketMap = "BGRO";

// An empty text stays absent, as it was in the photo.
void SetAttribute(Magick::Image& image, const char* name, const QString& text)
{
    if (!text.isEmpty())
        image.attribute(name, text.toUtf8().toStdString());
}

QString AttributeText(const Magick::Image& image, const char* name)
{
    return QString::fromStdString(image.attribute(name));
}
} // namespace

CIMImageCache* CIMImageCache::s_pInstance = nullptr;

namespace {
QMutex g_instanceLock;
}

CIMImageCache* CIMImageCache::GetInstance()
{
    QMutexLocker lock(&g_instanceLock);
    if (!s_pInstance) {
        s_pInstance = new CIMImageCache();
        // Freed with the application object rather than left to the OS.
        if (QCoreApplication::instance())
            qAddPostRoutine(&CIMImageCache::DeleteInstance);
    }
    return s_pInstance;
}

void CIMImageCache::DeleteInstance()
{
    QMutexLocker lock(&g_instanceLock);
    delete s_pInstance;
    s_pInstance = nullptr;
}

bool CIMImageCache::Check(const QString& path, Magick::Image& image)
{
    QMutexLocker lock(&m_Mutex);
    if (m_Path.isEmpty() || path != m_Path)
        return false;
    const SImageProperties& p = m_Properties;
    try {
        Magick::Image rebuilt(static_cast<size_t>(p.width), static_cast<size_t>(p.height), kPacketMap,
                              Magick::CharPixel, m_Pixels.data());
        rebuilt.matte(p.hasAlpha);
        SetAttribute(rebuilt, "EXIF:DateTimeOriginal", p.dateTime);
        SetAttribute(rebuilt, "EXIF:Make", p.make);
        SetAttribute(rebuilt, "EXIF:Model", p.model);
        rebuilt.density(Magick::Geometry(static_cast<size_t>(p.densityX), static_cast<size_t>(p.densityY)));
        rebuilt.resolutionUnits(p.units == 1 ? Magick::PixelsPerInchResolution
                                             : Magick::PixelsPerCentimeterResolution);
        if (p.orientation >= 1 && p.orientation <= 8)
            rebuilt.orientation(static_cast<Magick::OrientationType>(p.orientation));
        image = rebuilt;
    } catch (const Magick::Exception&) {
        return false;
    }
    return true;
}

bool CIMImageCache::Write(const QString& path, const Magick::Image& image)
{
    QMutexLocker lock(&m_Mutex);
    if (path == m_Path)
        return false;
    m_Pixels.clear();
    m_Pixels.shrink_to_fit();
    m_Path = path;
    SImageProperties& p = m_Properties;
    try {
        p.width = static_cast<qint64>(image.columns());
        p.height = static_cast<qint64>(image.rows());
        p.hasAlpha = image.matte();
        p.dateTime = AttributeText(image, "EXIF:DateTimeOriginal");
        p.make = AttributeText(image, "EXIF:Make");
        p.model = AttributeText(image, "EXIF:Model");
        const Magick::Geometry density = image.density();
        p.densityX = static_cast<int>(density.width());
        p.densityY = static_cast<int>(density.height());
        p.units = image.resolutionUnits() == Magick::PixelsPerCentimeterResolution ? 2 : 1;
        const int orientation = static_cast<int>(image.orientation());
        p.orientation = orientation >= 2 && orientation <= 8 ? orientation : 1;
        m_Pixels.resize(static_cast<size_t>(p.width) * static_cast<size_t>(p.height) * 4);
        Magick::Image source(image);
        source.write(0, 0, image.columns(), image.rows(), kPacketMap, Magick::CharPixel, m_Pixels.data());
    } catch (const std::bad_alloc&) {
        m_Path.clear();
        return false;
    } catch (const Magick::Exception&) {
        // No later Check may match a half-written entry.
        m_Path.clear();
        m_Pixels.clear();
        return false;
    }
    return true;
}
