#pragma once

#include <QString>

// Starts ImageMagick with the application's own configuration folder, so that
// its policy (resource limits, refused coders) is read before the first image
// exists. Call once, right after the application object; later calls do
// nothing. Returns false when the policy file is missing (a warning is
// printed and the system limits apply). Disk caches go to the private
// BrandquillTempFolder() unless MAGICK_TEMPORARY_PATH names another folder.
bool StartMagickRuntime();

// The running ImageMagick library's version number, such as "6.9.11-60".
QString MagickLibraryVersion();
