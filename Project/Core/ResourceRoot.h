#pragma once

#include <QString>

// Folder that holds the application's resources (profiles, frames, ICC
// profiles, translations, the ImageMagick policy): the folder above the
// executable's folder, plus "/Resources". Needs the application object.
QString ResourceRoot();
