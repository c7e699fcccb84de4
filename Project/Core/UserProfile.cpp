#include "UserProfile.h"

#include "ResourceRoot.h"
#include "Utils.h"

#include <QMutexLocker>

CUserProfile* CUserProfile::s_pInstance = nullptr;

namespace {

// One application setting in the store: an int field or a flag (stored as
// 0 or 1, read as "not 0"). Read and write walk this table in its order.
struct SAppSetting {
    const char* key;
    int defaultValue;
    int CUserProfile::*number;
    bool CUserProfile::*flag;
};

const SAppSetting kAppSettings[] = {
    {"Settings/Settings.LanguageId", 1033, &CUserProfile::LanguageId, nullptr},
    {"Settings/Settings.UseMulticore", 1, nullptr, &CUserProfile::UseMulticore},
    {"Settings/Settings.ContextualMenu", 1, nullptr, &CUserProfile::ContextualMenu},
    {"Settings/Settings.ShowProfiles", 0, nullptr, &CUserProfile::ShowProfiles},
    {"Settings/Settings.ShowStartupWizard", 1, nullptr, &CUserProfile::ShowStartupWizard},
    {"Settings/CheckNew.AutoCheck", 1, nullptr, &CUserProfile::CheckNewAutoCheck},
    {"Settings/CheckNew.Interval", 1, &CUserProfile::CheckNewInterval, nullptr},
    {"Settings/ProcessEnv.CVLog", 1, nullptr, &CUserProfile::ProcessEnvCVLog},
    {"Settings/MonitorLaunch", 1, nullptr, &CUserProfile::MonitorLaunch},
    {"Settings/Settings.ThemeId", 0, &CUserProfile::ThemeId, nullptr},
    {"Settings/Settings.MultipageWrite", 0, &CUserProfile::MultipageWrite, nullptr},
    {"Settings/Settings.RawWhiteBalance", 0, &CUserProfile::RawWhiteBalance, nullptr},
    {"Settings/Settings.RawHighlight", 0, &CUserProfile::RawHighlight, nullptr},
    {"Settings/Settings.RawDemosaic", 0, &CUserProfile::RawDemosaic, nullptr},
};

} // namespace

CUserProfile* CUserProfile::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CUserProfile();
    return s_pInstance;
}

void CUserProfile::DeleteInstance()
{
    delete s_pInstance;
    s_pInstance = nullptr;
}

CUserProfile::CUserProfile()
{
    // Everything else has its default in the declaration; the profile path
    // needs the application object.
    SetDefaultCustomProfile();
}

CUserProfile::~CUserProfile()
{
    // The only place the application settings reach the store.
    WriteRegistrySettings();
}

void CUserProfile::ReadRegistrySettings()
{
    for (const SAppSetting& s : kAppSettings) {
        const int value = GetRegistryInt(QString::fromLatin1(s.key), s.defaultValue);
        if (s.flag)
            this->*s.flag = value != 0;
        else
            this->*s.number = value;
    }
}

void CUserProfile::WriteRegistrySettings()
{
    for (const SAppSetting& s : kAppSettings) {
        const int value = s.flag ? (this->*s.flag ? 1 : 0) : this->*s.number;
        SetRegistryInt(QString::fromLatin1(s.key), value);
    }
}

void CUserProfile::SetDefaultCustomProfile()
{
    CustomProfile = ResourceRoot() + "/sRGB.icm";
}

void CUserProfile::SetPreviewProgress(int percent)
{
    {
        QMutexLocker lock(&m_previewLock);
        PreviewProgress = percent;
    }
    // Emitted unlocked: a direct receiver may call GetPreviewStatus.
    emit UpdateStatusBar();
}

void CUserProfile::SetPreviewComment(const QString& text)
{
    {
        QMutexLocker lock(&m_previewLock);
        PreviewComment = text;
    }
    emit UpdateStatusBar();
}

void CUserProfile::GetPreviewStatus(int& progress, QString& comment) const
{
    QMutexLocker lock(&m_previewLock);
    progress = PreviewProgress;
    comment = PreviewComment;
}
