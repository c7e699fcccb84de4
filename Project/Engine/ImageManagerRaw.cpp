// Camera raw half of CImageManager: reading, pinging and counting raw files
// through the raw decoder.
//
// Not connected yet: until the decoder is wired in here, raw files fail to
// read and ping and count no pages.
#include "ImageManager.h"

bool CImageManager::ReadRAW(const QString& path)
{
    Q_UNUSED(path);
    return false;
}

bool CImageManager::PingRAW(const QString& path)
{
    Q_UNUSED(path);
    return false;
}

int CImageManager::GetRawPageCount(const QString& path)
{
    Q_UNUSED(path);
    return 0;
}
