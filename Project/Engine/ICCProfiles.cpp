#include "ICCProfiles.h"

#include "ResourceRoot.h"
#include "UserProfile.h"

#include <QFile>
#include <QMutexLocker>
#include <QtEndian>

#include <cstring>

namespace {

// The ICC header's signature: the library takes any bytes in a file named
// .icc or .icm as a profile.
bool LooksLikeIcc(const Magick::Blob& blob)
{
    const auto* bytes = static_cast<const char*>(blob.data());
    return blob.length() >= 132 && bytes && std::memcmp(bytes + 36, "acsp", 4) == 0;
}

// The "icc" profile of an image file (a bare .icc/.icm file reads as a 1x1
// image carrying it); empty when the file cannot be read or carries none.
Magick::Blob ReadIccFromFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (path.isEmpty() || name.size() >= 4096 || !QFile::exists(path))
        return Magick::Blob();
    try {
        Magick::Image image;
        image.quiet(true); // a warning still leaves the profile readable
        image.read(std::string(name.constData(), static_cast<size_t>(name.size())));
        const Magick::Blob profile = image.profile("icc");
        return LooksLikeIcc(profile) ? profile : Magick::Blob();
    } catch (const Magick::Exception&) {
        return Magick::Blob();
    }
}

} // namespace

QMutex CICCProfiles::mutex;
CICCProfiles* CICCProfiles::s_pInstance = nullptr;

CICCProfiles* CICCProfiles::GetInstance()
{
    QMutexLocker lock(&mutex);
    if (!s_pInstance)
        s_pInstance = new CICCProfiles();
    return s_pInstance;
}

void CICCProfiles::DeleteInstance()
{
    QMutexLocker lock(&mutex);
    delete s_pInstance;
    s_pInstance = nullptr;
}

CICCProfiles::CICCProfiles()
    : m_pProfile(CUserProfile::GetInstance())
{
}

bool CICCProfiles::IsWhole(const void* data, size_t length)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto at = [bytes](size_t offset) { return qFromBigEndian<quint32>(bytes + offset); };
    if (!bytes || length < 132 || at(0) < 132 || at(0) > length || std::memcmp(bytes + 36, "acsp", 4) != 0)
        return false;
    // Bytes after the stated length (a PICT comment's pad) are not read.
    length = at(0);
    const quint32 tags = at(128);
    if (tags == 0 || tags > (length - 132) / 12)
        return false;
    for (size_t entry = 132; entry < 132 + size_t(tags) * 12; entry += 12) {
        if (at(entry + 4) > length || at(entry + 8) > length - at(entry + 4))
            return false;
    }
    return true;
}

QString CICCProfiles::SrgbProfilePath()
{
    return ResourceRoot() + "/sRGB.icm";
}

QString CICCProfiles::RswopProfilePath()
{
    return ResourceRoot() + "/RSWOP.ICM";
}

void CICCProfiles::LoadIccProfile(int slot)
{
    QMutexLocker lock(&mutex);
    LoadLocked(slot);
}

Magick::Blob CICCProfiles::GetIccProfile(int slot)
{
    QMutexLocker lock(&mutex);
    LoadLocked(slot);
    if (slot < 0 || slot > 2 || !m_bLoaded[slot])
        return Magick::Blob();
    return m_Profiles[slot];
}

bool CICCProfiles::IsCustomProfileLoaded() const
{
    QMutexLocker lock(&mutex);
    return m_bLoaded[SlotCustom];
}

void CICCProfiles::ResetCustomProfile()
{
    QMutexLocker lock(&mutex);
    m_bLoaded[SlotCustom] = false;
    m_Profiles[SlotCustom] = Magick::Blob();
}

void CICCProfiles::LoadLocked(int slot)
{
    if (slot < 0 || slot > 2 || m_bLoaded[slot])
        return;
    Magick::Blob bytes;
    switch (slot) {
    case SlotSrgb:
        bytes = ReadIccFromFile(SrgbProfilePath());
        break;
    case SlotRswop:
        bytes = ReadIccFromFile(RswopProfilePath());
        break;
    default:
        // The settings object's CustomProfile is written on the GUI thread
        // only while no run is going.
        bytes = ReadIccFromFile(m_pProfile->CustomProfile);
        if (bytes.length() == 0)
            bytes = ReadIccFromFile(SrgbProfilePath());
        break;
    }
    // An empty result stays unloaded, so the next call tries again.
    if (bytes.length() == 0)
        return;
    m_Profiles[slot] = bytes;
    m_bLoaded[slot] = true;
}
