#pragma once

#include <QString>

// Folder that holds the application's resources (profiles, frames, ICC
// profiles, translations, the ImageMagick policy): the folder above the
// executable's folder, plus "/Resources". Needs the application object.
QString ResourceRoot();

// Makes ResourceRoot() answer `root` instead; an empty text restores the
// normal folder. Only tests set it (to a temporary copy whose files they may
// delete), before any worker thread starts.
void SetResourceRootOverride(const QString& root);
