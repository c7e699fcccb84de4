#include "CPhotoDealer.h"

CPhotoDealer::CPhotoDealer(const QList<SImageRecord>& photos) : m_Photos(photos) {}

bool CPhotoDealer::Take(SImageRecord& photo)
{
    const int index = m_Next.fetch_add(1, std::memory_order_relaxed);
    if (index >= m_Photos.size())
        return false;
    photo = m_Photos.at(index);
    return true;
}
