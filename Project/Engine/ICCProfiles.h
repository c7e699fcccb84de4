#pragma once

#include <QMutex>
#include <QString>

#include <Magick++.h>

class CUserProfile;

// The process-wide store of the three ICC profiles the engine assigns:
// slot 0 sRGB, slot 1 the RSWOP press profile, slot 2 the user's custom
// profile. Each slot is read from its file the first time it is needed and
// kept; every access goes through the one mutex, so worker and preview
// threads may ask at the same time.
class CICCProfiles
{
public:
    enum Slot { SlotSrgb = 0, SlotRswop = 1, SlotCustom = 2 };

    static CICCProfiles* GetInstance();
    static void DeleteInstance();

    // Makes sure the slot is loaded. A missing sRGB or RSWOP file leaves its
    // slot empty (tried again next time); a custom file that is missing,
    // unreadable or carries no ICC profile makes slot 2 the sRGB profile.
    void LoadIccProfile(int slot);
    // Loads the slot and returns a copy of its bytes; empty when the slot
    // could not be loaded or is out of range.
    Magick::Blob GetIccProfile(int slot);
    // True once slot 2 holds bytes; while it does, a changed CustomProfile
    // is not read.
    bool IsCustomProfileLoaded() const;
    // Forgets the custom profile, so that the next use reads CustomProfile
    // again (the format options dialog calls it after a new choice).
    void ResetCustomProfile();

    // Whether the bytes hold a profile readers parse: the signature, a
    // length in the header that the bytes hold, and a tag table that holds
    // a tag and whose tags lie inside that length.
    static bool IsWhole(const void* data, size_t length);

    // The files behind slots 0 and 1.
    static QString SrgbProfilePath();
    static QString RswopProfilePath();

    static QMutex mutex;

private:
    CICCProfiles();

    // Loads one slot; the caller holds the mutex.
    void LoadLocked(int slot);

    CUserProfile* m_pProfile;
    Magick::Blob m_Profiles[3];
    bool m_bLoaded[3] = {false, false, false};

    static CICCProfiles* s_pInstance;
};
