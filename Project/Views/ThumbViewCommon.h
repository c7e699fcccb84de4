#pragma once
// What the thumbnail list and the details table do alike: reordering the
// shared rows on a drop, reading dropped files, finding the visible rows,
// deciding what a load tick asks for, turning a finished thumbnail into an
// icon and painting the overlays.

#include "ListImages.h"
#include "ThumbRecords.h"

#include <QIcon>
#include <QList>
#include <QRegion>
#include <QStringList>
#include <QVector>

#include <functional>

class CListThumbThread;
class QAbstractItemView;
class QAbstractScrollArea;
class QDropEvent;
class QMimeData;
class QMutex;
class QPainter;
class QWidget;

namespace ThumbViewCommon
{

// Moves rows[from] into the gap `to` (counted before the move) under the
// mutex and appends {from, to} to `moves`. Invalid positions change nothing.
void DragnAndDrop(QMutex* mutex, QList<int>* rows, ListDragDrop& moves, int from, int to);

// The selected rows of a drop onto `view`, moved one by one before the row
// under the drop position (rounded half away from zero; the row count when
// no item lies there). `move` is called with each (from, to).
void MoveDroppedRows(QAbstractItemView* view, const QDropEvent* event, int count,
                     const std::function<void(int, int)>& move);

// The local paths of the dropped URLs, in plain string order.
QStringList DroppedFiles(const QMimeData* data);

// First and last row on screen: the item at (s, s), then one line per step
// down to the viewport's bottom. -1, -1 when no item is at (s, s).
void FindFirstLastVisibleItems(const QAbstractItemView* view, int spacing, int count, int& first, int& last);

enum TickAction { TickNothing, TickRequest, TickRefresh };
// The decision of a load tick on the visible range (first, last), taken with
// the mutex held: nothing when neither end moved since the last request,
// a request when a row in range is not loaded, else a refresh of the range.
// Rows without a valid record count as loaded.
TickAction DecideTick(const QList<SThumb>& records, const QList<int>& rows, int count, int first, int last,
                      int& lastFirst, int& lastLast);

// What a tick works on: the list's records, rows, mutex and loader.
struct STickShared {
    QList<SThumb>* records = nullptr;
    QList<int>* rows = nullptr;
    QMutex* mutex = nullptr;
    CListThumbThread* loader = nullptr;
};
// A load tick of a shown view: finds and judges the visible range under the
// mutex and, for a request, writes it into the loader, which the view then
// signals. Nothing while the view is hidden.
TickAction Tick(const QAbstractItemView* view, int spacing, int count, const STickShared& shared, int& lastFirst,
                int& lastLast, int& first, int& last);

// The record shown at `row`, after its finished thumbnail (if any) became
// icons[iconIndex]; null when the row is not below both `widgetRows` and
// the rows' size or maps to no record. Called with the mutex held.
const SThumb* RefreshRecord(QList<SThumb>& records, const QList<int>& rows, QList<QIcon>& icons, int row,
                            int widgetRows);

// Overlay positions and painting. W x H is the whole widget, V the vertical
// scroll bar's width when shown, G the header height and B the horizontal
// bar's height when shown (0 for the list). Overlays without `always` are
// painted only while `empty`. They lie beneath the view's items: nothing is
// painted inside `items`, the region the items take in the viewport.
struct SOverlayFrame {
    int W = 0;
    int H = 0;
    int V = 0;
    int G = 0;
    int B = 0;
    int r = 1; // device pixel ratio, truncated
};
// The frame of a view: G is the header height of a table (0 for the list);
// B counts only for a table.
SOverlayFrame OverlayFrame(const QAbstractScrollArea* view, int headerHeight, bool table);
QPoint OverlayImagePosition(const SWatermark& overlay, const SOverlayFrame& frame);
void PaintOverlays(QWidget* viewport, const QVector<SWatermark>& overlays, bool empty, const SOverlayFrame& frame,
                   const QRegion& items = QRegion());

// The overlays both views register.
SWatermark TextOverlay(const QString& text, int dy, bool always, const QFont& font, const QColor& color);
SWatermark ImageOverlay(const QString& name, const QImage& image, int dx, int dy, bool always, int placement);

// The "text/uri-list" check of a drag entering either view.
bool OffersUriList(const QMimeData* data);

} // namespace ThumbViewCommon
