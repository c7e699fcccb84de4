#include "CPhotoDealer.h"

#include "PathSafety.h"

CPhotoDealer::CPhotoDealer(const QList<SImageRecord>& photos) : m_Photos(photos)
{
    for (const SImageRecord& photo : photos) {
        m_Spellings.insert(CPathSafety::PathKey(photo.path), photo.path);
        const SFileIdentity identity = SFileIdentity::Of(photo.path);
        if (!identity.exists)
            continue;
        m_Files.insert(identity.id, photo.path);
        m_Ids.insert(photo.path, identity.id);
    }
}

bool CPhotoDealer::Take(SImageRecord& photo)
{
    const int index = m_Next.fetch_add(1, std::memory_order_relaxed);
    if (index >= m_Photos.size())
        return false;
    photo = m_Photos.at(index);
    return true;
}

bool CPhotoDealer::IsOtherPhoto(const QString& path, const QString& own) const
{
    // By the folded path first: where each spelling has an inode number of
    // its own, only the names tell that two are one file.
    const QStringList spelt = m_Spellings.values(CPathSafety::PathKey(path));
    for (const QString& listed : spelt) {
        if (listed != own && StillListed(listed))
            return true;
    }
    const SFileIdentity identity = SFileIdentity::Of(path);
    if (!identity.exists)
        return false;
    const auto listed = m_Files.constFind(identity.id);
    // The listed name must still lead there: its photo may have gone, and
    // the inode been given to a new file.
    return listed != m_Files.constEnd() && *listed != own && StillListed(*listed);
}

bool CPhotoDealer::StillListed(const QString& path) const
{
    const auto id = m_Ids.constFind(path);
    if (id == m_Ids.constEnd())
        return false;
    const SFileIdentity identity = SFileIdentity::Of(path);
    return identity.exists && identity.id == *id;
}
