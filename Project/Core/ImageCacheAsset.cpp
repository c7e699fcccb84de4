#include "ImageCacheAsset.h"

CImageCacheAsset::CImageCacheAsset(const QString& resourceName) : m_name(resourceName), m_image(resourceName) {}
