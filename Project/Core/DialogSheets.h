#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// An icon sheet of the interface images for cutting cells by hand, with the
// scale of the image actually loaded: 2 for the double-resolution sheet on a
// high-density screen, else 1 with the ordinary sheet. Cutting by the loaded
// image rather than by the screen's ratio keeps the cells right at ratios
// like 1.5 or 3, and when the double-resolution sheet is missing.
QImage LoadDialogSheet(const QString& name, int& scale);

// The square cell (column, row) of `points` points from such a sheet; a null
// pixmap when it lies outside.
QPixmap DialogSheetCell(const QImage& sheet, int scale, int points, int column, int row);
