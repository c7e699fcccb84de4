#pragma once
// Start-up chores of the main window that need no window: where a first
// window goes and which download source the installation names.

#include <QRect>
#include <QSize>
#include <QString>

// 794 x 672 centred in the screen's available area, the offsets truncated
// toward zero; on a smaller area as much of it as the area holds.
QRect FirstStartGeometry(const QRect& available);

// A restored window rectangle brought into the screen's available area:
// shrunk to it, though never below `minimum`, and moved inside it (to its
// top left where it is still larger). False when less than a quarter of
// the rectangle lay on that area: too little showed to be worth keeping.
bool FitRestoredGeometry(QRect& window, const QRect& available, const QSize& minimum);

// The text after "ref=" of the last entry so named below `root`, walked
// without following links; "" when there is none.
QString FindDownloadSource(const QString& root);
