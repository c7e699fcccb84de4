#include "ThumbListProbe.h"

#include "ListThumb.h"

#include <QMutexLocker>

namespace BenchProbe
{

QList<int> RowsOnScreen(CListThumb* list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (list->visualItemRect(list->item(row)).intersects(list->viewport()->rect()))
            rows << row;
    return rows;
}

bool ThumbnailsShown(CListThumb* list, const QList<int>& rows)
{
    QMutexLocker lock(list->Mutex());
    for (int row : rows) {
        if (row >= list->Rows()->size())
            return false;
        const SThumb& record = list->Records()->at(list->Rows()->at(row));
        // A made thumbnail stays in imageReady until the GUI turns it into
        // the row's icon.
        if (!record.hasIcon || record.imageReady ||
            list->item(row)->icon().cacheKey() != list->Icons()->at(record.iconIndex).cacheKey())
            return false;
    }
    return true;
}

} // namespace BenchProbe
