#pragma once
// The small command icons of dialogs and panels, cut from the 16-point cells
// of "Icons-Minimal.png" in the theme's variant at the screen's density.

#include <QIcon>

// The cell at (column, row); cells are 16 x `ratio` pixels (ratio taken as
// an integer, at least 1). An empty icon when the sheet or cell is missing.
QIcon MinimalIcon(int column, int row, qreal ratio);
