#pragma once
// Start-up chores of the main window that need no window: where a first
// window goes and which download source the installation names.

#include <QRect>
#include <QString>

// 794 x 672 centred on the desktop, the offsets truncated toward zero.
QRect FirstStartGeometry(const QRect& desktop);

// The text after "ref=" of the last entry so named below `root`, walked
// without following links; "" when there is none.
QString FindDownloadSource(const QString& root);
