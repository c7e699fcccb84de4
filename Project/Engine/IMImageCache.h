#pragma once

#include "ImageRecords.h"

#include <QMutex>
#include <QString>

#include <Magick++.h>

#include <vector>

// One decoded photo kept for the preview engines, so that a filter change
// does not decode the same file again. Keyed by the exact path; the first
// entry for a path stays until another path is written.
class CIMImageCache
{
public:
    static CIMImageCache* GetInstance();
    static void DeleteInstance();

    // True on a hit: image is rebuilt from the stored pixels and properties.
    bool Check(const QString& path, Magick::Image& image);
    // Stores a copy of the image under path; false (entry kept) when path is
    // the cached one, false (entry dropped) when the pixels cannot be read.
    bool Write(const QString& path, const Magick::Image& image);

private:
    CIMImageCache() = default;

    QMutex m_Mutex;
    std::vector<unsigned char> m_Pixels; // "BGRO", 8 bits per sample
    SImageProperties m_Properties;
    QString m_Path;

    static CIMImageCache* s_pInstance;
};
