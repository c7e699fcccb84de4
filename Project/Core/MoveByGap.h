#pragma once

#include <QList>

// Moves the item at `from` to the gap `to`, gaps counted before the move (0
// before the first item, N after the last): moving down lands at to - 1,
// moving up at to, and a gap at or beyond N appends. A `from` outside the
// list does nothing; a negative `to` counts as 0. Shared by the photo list
// and the filter chain, which follow the same drag-and-drop rule.
template <typename T> void MoveByGap(QList<T>& list, int from, int to)
{
    const int n = list.size();
    if (from < 0 || from >= n)
        return;
    if (to < 0)
        to = 0;
    if (from == to)
        return;
    const T item = list.at(from);
    list.removeAt(from);
    if (to >= n)
        list.append(item);
    else if (from < to)
        list.insert(to - 1, item);
    else
        list.insert(to, item);
}
