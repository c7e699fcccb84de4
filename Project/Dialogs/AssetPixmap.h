#pragma once

#include <QPixmap>
#include <QString>

// An interface image of the image cache as a pixmap that keeps the layout
// size `logicalWidth`: the double-resolution variant gets the device pixel
// ratio that makes it draw at that width, sharp on a high-density screen.
// Unthemed; a missing image gives a null pixmap.
QPixmap AssetPixmap(const QString& name, int logicalWidth);

// The same for a square cell `index` of a one-row sheet whose cells are as
// wide as the sheet is high (so either resolution of the sheet works).
QPixmap AssetSheetCell(const QString& name, int index, int logicalSide);
