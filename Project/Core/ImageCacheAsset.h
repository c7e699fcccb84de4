#pragma once

#include <QImage>
#include <QString>

// One interface image of the cache: its resource name and the image loaded
// from it when the asset is made. A name that names no resource keeps a null
// image, so a failed load is remembered rather than retried.
class CImageCacheAsset
{
public:
    explicit CImageCacheAsset(const QString& resourceName);

    const QString& Name() const { return m_name; }
    const QImage& Image() const { return m_image; }

private:
    QString m_name;
    QImage m_image;
};
