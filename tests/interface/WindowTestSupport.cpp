#include "WindowTestSupport.h"

#include "Utils.h"

#include <QSettings>

namespace WindowTest
{

void ResetStore(const QVariantMap& seed)
{
    QSettings store(organization, application);
    store.clear();
    store.setValue("Settings/Settings.ShowStartupWizard", 0);
    store.setValue("Settings/CheckNew.AutoCheck", 0);
    for (auto it = seed.cbegin(); it != seed.cend(); ++it)
        store.setValue(it.key(), it.value());
}

QVariant StoreValue(const QString& key)
{
    return QSettings(organization, application).value(key);
}

QStringList ApplicationKeys()
{
    QStringList keys;
    for (const char* name :
         {"Settings.LanguageId", "Settings.ThemeId", "Settings.UseMulticore", "Settings.ContextualMenu",
          "Settings.ShowProfiles", "Settings.ShowStartupWizard", "MonitorLaunch", "CheckNew.AutoCheck",
          "Settings.RawDemosaic", "Settings.RawWhiteBalance", "Settings.RawHighlight", "CheckNew.Interval",
          "Settings.MultipageWrite", "ProcessEnv.CVLog"})
        keys << QStringLiteral("Settings/") + QLatin1String(name);
    return keys;
}

} // namespace WindowTest
