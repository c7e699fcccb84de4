#pragma once

#include "FileIdentity.h"

#include <QSet>
#include <QString>

// The files that running processes hold open or mapped, as far as the
// process table (/proc) lets this user see: a file about to be removed as a
// leftover may still be in use by a long batch or a second instance.
class CHeldFiles
{
public:
    // Adds every file held open or mapped by a process listed in
    // `procRoot`; false when some process of this user could not be looked
    // at (or there is no process table), so that the holders are unknown.
    // Processes of other users cannot be examined; they cannot open this
    // user's private files either, unless they are root.
    static bool Collect(QSet<SFileId>& held, const QString& procRoot = QStringLiteral("/proc"));

private:
    CHeldFiles() = delete;
    static void CollectMaps(const QString& mapsPath, QSet<SFileId>& held);
};
