#pragma once
// The filter icon sheets.

class QPainter;

// 18 x 6 cells of `cell` logical pixels. The sheet rows are the ones the
// icon cutter reorders (0, 1, 5, 4, 3, 2): marks in row 1, borders in
// row 5 and transforms in row 2, each at its catalogue icon column.
void DrawFilterSheet(QPainter& p, double cell);
