#pragma once

#include <QString>

// Removes the image library's leftover "magick-*" files from a temporary
// folder. Only regular, unlinked files of this user that nobody has touched
// for 24 hours go, and none that a running process (this one included) holds
// open or mapped: a long batch or a second instance may still use an old
// pixel cache. Where the holders cannot be told, the age rule decides alone.
class CMagickTempCleaner
{
public:
    explicit CMagickTempCleaner(const QString& folder, const QString& procRoot = QStringLiteral("/proc"));

    // Returns how many files were removed.
    int Run();

private:
    QString m_folder;
    QString m_procRoot;
};
