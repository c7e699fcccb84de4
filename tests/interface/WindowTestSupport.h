#pragma once
// Shared set-up of the main-window tests: a settings store with the start-up
// dialogs switched off unless a case asks for them, and the window's keys.

#include <QStringList>
#include <QVariantMap>

namespace WindowTest
{
// Empties the store, then writes ShowStartupWizard 0, CheckNew.AutoCheck 0
// and every entry of `seed` (which may override those two).
void ResetStore(const QVariantMap& seed = {});
QVariant StoreValue(const QString& key);
// The 14 application keys that the settings object writes when destroyed.
QStringList ApplicationKeys();
} // namespace WindowTest
