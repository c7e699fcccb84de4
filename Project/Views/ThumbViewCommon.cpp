#include "ThumbViewCommon.h"

#include "ListThumbThread.h"
#include "Utils.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QMutexLocker>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <cmath>

namespace ThumbViewCommon
{

void DragnAndDrop(QMutex* mutex, QList<int>* rows, ListDragDrop& moves, int from, int to)
{
    if (mutex == nullptr || rows == nullptr)
        return;
    {
        QMutexLocker lock(mutex);
        if (from < 0 || from >= rows->size() || to < 0 || to > rows->size() || from == to)
            return;
        if (from < to) {
            rows->insert(to, rows->at(from));
            rows->removeAt(from);
        } else {
            const int value = rows->takeAt(from);
            rows->insert(to, value);
        }
    }
    moves.append(SDragDrop{from, to});
}

void MoveDroppedRows(QAbstractItemView* view, const QDropEvent* event, int count,
                     const std::function<void(int, int)>& move)
{
    QList<int> selected;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        if (!selected.contains(index.row()))
            selected.append(index.row());
    std::sort(selected.begin(), selected.end());

    const QPointF at = event->posF();
    const QPoint point(static_cast<int>(std::round(at.x())), static_cast<int>(std::round(at.y())));
    const QModelIndex under = view->indexAt(point);
    int target = under.isValid() ? under.row() : count;

    for (int k = 0; k < selected.size(); ++k) {
        const int s = selected[k];
        move(s, target);
        const int f = s > target ? s + 1 : s;
        for (int j = k; j < selected.size(); ++j) {
            const int v = selected[j];
            if (f < v && v < target)
                selected[j] = std::max(v - 1, 0);
            else if (target < v && v < f)
                selected[j] = v + 1;
        }
        if (f >= target)
            ++target;
    }
}

QStringList DroppedFiles(const QMimeData* data)
{
    QStringList files;
    for (const QUrl& url : data->urls())
        files.append(url.toLocalFile());
    std::sort(files.begin(), files.end(), StringCompareAscending);
    return files;
}

void FindFirstLastVisibleItems(const QAbstractItemView* view, int spacing, int count, int& first, int& last)
{
    const int s = spacing;
    const QRect area = view->viewport()->rect();
    QModelIndex current = view->indexAt(QPoint(s, s));
    first = current.isValid() ? current.row() : -1;
    last = -1;
    if (first < 0)
        return;
    int lines = 1;
    int perLine = 1;
    bool firstStep = true;
    while (current.isValid()) {
        const QPoint next(s, view->visualRect(current).bottom() + s + 2);
        if (!area.contains(next))
            break;
        current = view->indexAt(next);
        if (firstStep) {
            perLine = current.isValid() ? current.row() - first : 9999;
            firstStep = false;
        }
        ++lines;
    }
    // A walk that lands on the same row again (a zero-height item) still
    // counts one row per line.
    perLine = std::max(perLine, 1);
    const qint64 end = static_cast<qint64>(first) + static_cast<qint64>(lines) * perLine - 1;
    last = end >= count - 1 ? count - 1 : static_cast<int>(end);
}

TickAction DecideTick(const QList<SThumb>& records, const QList<int>& rows, int count, int first, int last,
                      int& lastFirst, int& lastLast)
{
    if (first == lastFirst && last == lastLast)
        return TickNothing;
    lastFirst = first;
    lastLast = last;
    if (first < 0 || first >= count || first > last)
        return TickNothing;
    for (int k = first; k <= last && k < rows.size(); ++k) {
        const int r = rows[k];
        if (r >= 0 && r < records.size() && !records[r].loaded)
            return TickRequest;
    }
    return TickRefresh;
}

const SThumb* RefreshRecord(QList<SThumb>& records, const QList<int>& rows, QList<QIcon>& icons, int row,
                            int widgetRows)
{
    if (row < 0 || row >= widgetRows || row >= rows.size())
        return nullptr;
    const int r = rows[row];
    if (r < 0 || r >= records.size())
        return nullptr;
    SThumb& record = records[r];
    if (record.imageReady) {
        if (record.image != nullptr && record.iconIndex >= 0 && record.iconIndex < icons.size())
            icons[record.iconIndex] = QIcon(QPixmap::fromImage(*record.image));
        delete record.image;
        record.image = nullptr;
        record.imageReady = false;
    }
    return &record;
}

SOverlayFrame OverlayFrame(const QAbstractScrollArea* view, int headerHeight, bool table)
{
    SOverlayFrame frame;
    frame.W = view->width();
    frame.H = view->height();
    const QScrollBar* vertical = view->verticalScrollBar();
    const QScrollBar* horizontal = view->horizontalScrollBar();
    frame.V = vertical->isVisible() ? vertical->width() : 0;
    frame.G = headerHeight;
    frame.B = table && horizontal->isVisible() ? horizontal->height() : 0;
    frame.r = std::max(1, static_cast<int>(view->devicePixelRatioF()));
    return frame;
}

QPoint OverlayImagePosition(const SWatermark& overlay, const SOverlayFrame& frame)
{
    const int w = overlay.image.width();
    const int h = overlay.image.height();
    const int r = std::max(frame.r, 1);
    if (overlay.placement == 1)
        return QPoint(frame.W - frame.V - w / r + overlay.dx, frame.H - frame.G - frame.B - h / r + overlay.dy);
    return QPoint(overlay.dx + frame.W / 2 - (w / 2) / r, frame.H / 2 - frame.G - (h / 2) / r + overlay.dy);
}

void PaintOverlays(QWidget* viewport, const QVector<SWatermark>& overlays, bool empty, const SOverlayFrame& frame,
                   const QRegion& items)
{
    QPainter painter(viewport);
    if (!items.isEmpty())
        painter.setClipRegion(QRegion(viewport->rect()).subtracted(items));
    // The texts' offsets hold at the screen they were chosen for; a larger
    // font (a higher dpi) moves each text up until it ends where the next
    // one begins, so that the lines never touch.
    QVector<int> tops(overlays.size());
    for (int i = overlays.size() - 1, next = INT_MAX; i >= 0; --i) {
        if (overlays[i].kind != 0 || (!overlays[i].always && !empty))
            continue;
        tops[i] = std::min(frame.H / 2 - frame.G + overlays[i].dy,
                           next - QFontMetrics(overlays[i].font, viewport).lineSpacing());
        next = tops[i];
    }
    for (int i = 0; i < overlays.size(); ++i) {
        const SWatermark& overlay = overlays[i];
        if (!overlay.always && !empty)
            continue;
        if (overlay.kind == 1) {
            if (overlay.image.isNull())
                continue;
            QImage image = overlay.image;
            image.setDevicePixelRatio(std::max(frame.r, 1));
            painter.drawImage(OverlayImagePosition(overlay, frame), image);
        } else {
            painter.setFont(overlay.font);
            painter.setPen(overlay.color);
            const QRect band(0, tops[i], frame.W, 100);
            painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop, overlay.text);
        }
    }
}

SWatermark TextOverlay(const QString& text, int dy, bool always, const QFont& font, const QColor& color)
{
    return SWatermark{0, text, 0, dy, QImage(), font, color, 0, always};
}

SWatermark ImageOverlay(const QString& name, const QImage& image, int dx, int dy, bool always, int placement)
{
    return SWatermark{1, name, dx, dy, image, QFont(), QColor(), placement, always};
}

TickAction Tick(const QAbstractItemView* view, int spacing, int count, const STickShared& shared, int& lastFirst,
                int& lastLast, int& first, int& last)
{
    if (!view->isVisible() || shared.mutex == nullptr || shared.loader == nullptr)
        return TickNothing;
    TickAction action = TickNothing;
    {
        QMutexLocker lock(shared.mutex);
        FindFirstLastVisibleItems(view, spacing, count, first, last);
        action = DecideTick(*shared.records, *shared.rows, count, first, last, lastFirst, lastLast);
    }
    if (action == TickRequest) {
        shared.loader->first.store(first, std::memory_order_release);
        shared.loader->last.store(last, std::memory_order_release);
    }
    return action;
}

bool OffersUriList(const QMimeData* data)
{
    return data != nullptr && data->hasFormat("text/uri-list");
}

} // namespace ThumbViewCommon
