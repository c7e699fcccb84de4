#pragma once
// What a shown photo list puts on screen, for the benchmarks that wait for
// its thumbnails: the rows meeting its viewport, and whether each of them
// shows the thumbnail the loader thread made for it (not the format
// placeholder it starts with).

#include <QList>

class CListThumb;

namespace BenchProbe
{
// Rows whose rectangle meets the viewport; lays the list out first.
QList<int> RowsOnScreen(CListThumb* list);
// True when every row of `rows` shows its own finished thumbnail.
bool ThumbnailsShown(CListThumb* list, const QList<int>& rows);
} // namespace BenchProbe
