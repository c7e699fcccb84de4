#pragma once
// Start-up chores of the main window that need no window: where a first
// window goes, which download source the installation names, and the
// clean-up of the image library's stale temporary files.

#include <QRect>
#include <QString>

// 794 x 672 centred on the desktop, the offsets truncated toward zero.
QRect FirstStartGeometry(const QRect& desktop);

// The text after "ref=" of the last entry so named below `root`, walked
// without following links; "" when there is none.
QString FindDownloadSource(const QString& root);

// Removes the "magick-*" regular files in `folder` that the current user owns
// and that have not been touched for 24 hours: younger ones may belong to an
// ImageMagick program still running. Links and folders are left alone.
// Returns how many were removed.
int RemoveStaleMagickFiles(const QString& folder);
