#include "ListThumbDetails.h"

#include "ImageCache.h"
#include "ListThumb.h"
#include "ListThumbThread.h"
#include "ThumbViewCommon.h"
#include "Utils.h"
#include "WholeLinesDelegate.h"

#include <QBitArray>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QMutex>
#include <QMutexLocker>
#include <QScrollBar>
#include <QStyle>
#include <QtMath>

#include <algorithm>

const char* const CListThumbDetails::HeaderStateKey = "Settings/ListThumbDetails.HorizontalHeader.State";

namespace
{
const int DefaultWidths[CListThumbDetails::ColumnCount] = {150, 60, 100, 80, 70, 230, 120, 60, 70, 60, 60, 80, 130, 60};
const int FirstHiddenColumn = 7;
// The widest value a column usually shows, so its default width holds it
// at the table's font.
const char* const WidestValues[CListThumbDetails::ColumnCount] = {
    "", "",        "2026-12-07 18:50", "6000 x 4000", "999.99 KB", "",
    "", "",        "1/1E+03 sec",      "ISO-12800",   "300 x 300", "Uncalibrated",
    "", "-123.4 m"};

// The record's text shown in a column.
QString ColumnText(int column, const SThumb& record)
{
    switch (column) {
    case 0:
        return record.baseName;
    case 1:
        return record.type;
    case 2:
        return record.dateTaken;
    case 3:
        return record.dimensions;
    case 4:
        return record.size;
    case 5:
        return record.folder;
    case 6:
        return record.camera;
    case 7:
        return record.aperture;
    case 8:
        return record.exposure;
    case 9:
        return record.iso;
    case 10:
        return record.dpi;
    case 11:
        return record.colorSpace;
    case 12:
        return record.gps;
    case 13:
        return record.altitude;
    default:
        return QString();
    }
}

// The product of the integers on either side of the last "x".
qint64 PixelCount(const QString& text)
{
    const int x = text.lastIndexOf('x');
    if (x < 0)
        return 0;
    return text.left(x).trimmed().toLongLong() * text.mid(x + 1).trimmed().toLongLong();
}

// A stored header state fits when it holds exactly this table's columns;
// the header itself would take any other count and show every column.
// The state opens with QHeaderView's fields up to its section count.
bool StateFits(const QByteArray& state)
{
    QDataStream in(state);
    int marker = 0, version = 0, orientation = 0, order = 0, section = 0, length = 0, count = 0;
    bool shown = false;
    QVector<int> visual, logical;
    QBitArray hidden;
    QHash<int, int> hiddenSizes;
    in >> marker >> version >> orientation >> order >> section >> shown >> visual >> logical >> hidden >> hiddenSizes >>
        length >> count;
    return in.status() == QDataStream::Ok && count == CListThumbDetails::ColumnCount;
}
} // namespace

bool CListThumbDetails::SSortKey::operator<(const SSortKey& other) const
{
    switch (kind) {
    case Integer:
        return integer < other.integer;
    case Real:
        return real < other.real;
    default:
        return text < other.text;
    }
}

CListThumbDetails::SSortKey CListThumbDetails::SortKey(int column, const SThumb& record)
{
    SSortKey key;
    const QString text = ColumnText(column, record);
    switch (column) {
    case 3:
    case 10:
        key.kind = SSortKey::Integer;
        key.integer = PixelCount(text);
        break;
    case 4: {
        const QString size = text.toLower();
        key.kind = SSortKey::Real;
        key.real = size.left(std::max(0, size.size() - 3)).toDouble();
        if (size.endsWith("mb"))
            key.real *= 1024;
        break;
    }
    case 7:
        key.kind = SSortKey::Real;
        key.real = text.mid(2).toFloat();
        break;
    case 8:
        key.kind = SSortKey::Real;
        key.real = text.mid(2).remove(" sec").toFloat();
        break;
    case 9:
        key.kind = SSortKey::Integer;
        key.integer = text.mid(4).toLongLong();
        break;
    case 13:
        key.kind = SSortKey::Real;
        key.real = text.left(std::max(0, text.size() - 2)).toFloat();
        break;
    case 11:
        key.text = text;
        break;
    default:
        key.text = text.toLower();
    }
    return key;
}

CListThumbDetails::CListThumbDetails(QWidget* parent) : QTableWidget(parent), m_pCache(CImageCache::GetInstance())
{
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CListThumbDetails::RepaintView);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CListThumbDetails::RepaintView);
    setColumnCount(ColumnCount);
    QHeaderView* header = horizontalHeader();
    const QByteArray state = GetRegistryByteArray(HeaderStateKey, QByteArray());
    if (!StateFits(state) || !header->restoreState(state))
        SetDefaultColumns();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(25);
    header->setSortIndicatorShown(true);
    header->setSectionsMovable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &CListThumbDetails::SortByColumn);
    connect(header, &QHeaderView::customContextMenuRequested, this, &CListThumbDetails::HorizontalHeaderRightClick);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::IgnoreAction);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);
}

CListThumbDetails::~CListThumbDetails()
{
    SetRegistryByteArray(HeaderStateKey, horizontalHeader()->saveState());
}

void CListThumbDetails::SetDefaultColumns()
{
    QHeaderView* header = horizontalHeader();
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    for (int column = 0; column < ColumnCount; ++column) {
        // One pixel more for the rounding of the cell's text layout.
        const int valueWidth =
            qCeil(QFontMetricsF(font()).horizontalAdvance(QLatin1String(WidestValues[column]))) + margins + 1;
        header->resizeSection(column, std::max(DefaultWidths[column], valueWidth));
        header->setSectionHidden(column, column >= FirstHiddenColumn);
    }
    m_fitTitles = true;
}

void CListThumbDetails::ShareWith(CListThumb* list)
{
    m_pThread = list->Loader();
    m_pRecords = list->Records();
    m_pRows = list->Rows();
    m_pIcons = list->Icons();
    m_pMutex = list->Mutex();
}

void CListThumbDetails::InitThread()
{
    connect(&m_loadTimer, &QTimer::timeout, this, &CListThumbDetails::ThreadLoadIcons);
    m_loadTimer.start(100);
    if (m_pThread != nullptr) {
        connect(this, &CListThumbDetails::LoadThumbnails, m_pThread, &CListThumbThread::LoadThumbnails,
                Qt::QueuedConnection);
        connect(m_pThread, &CListThumbThread::OnThreadLoadComplete, this, &CListThumbDetails::OnThreadLoadComplete,
                Qt::QueuedConnection);
    }
    connect(&m_repaintTimer, &QTimer::timeout, this, &CListThumbDetails::RepaintView);
}

void CListThumbDetails::AddItem(const QString&, const QString&, const QString&, const QString&) {}
void CListThumbDetails::RemoveItem(int) {}
void CListThumbDetails::RemoveAll() {}

void CListThumbDetails::ChangeView()
{
    setIconSize(QSize(25, 25));
    ReloadToolTips();
}

void CListThumbDetails::ReloadToolTips()
{
    if (m_pMutex == nullptr)
        return;
    QMutexLocker lock(m_pMutex);
    for (int row = 0; row < rowCount() && row < m_pRows->size(); ++row) {
        const int r = m_pRows->at(row);
        if (r < 0 || r >= m_pRecords->size())
            continue;
        for (int column = 0; column < ColumnCount; ++column)
            if (QTableWidgetItem* cell = item(row, column))
                cell->setToolTip(CWholeLinesDelegate::ToolTipLines(m_pRecords->at(r).toolTip, this));
    }
}

void CListThumbDetails::RefreshRow(int row)
{
    const SThumb* record = ThumbViewCommon::RefreshRecord(*m_pRecords, *m_pRows, *m_pIcons, row, rowCount());
    if (record == nullptr)
        return;
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem* cell = item(row, column);
        if (cell == nullptr)
            continue;
        if (column == 0 && record->iconIndex >= 0 && record->iconIndex < m_pIcons->size())
            cell->setIcon(m_pIcons->at(record->iconIndex));
        cell->setText(ColumnText(column, *record));
        cell->setToolTip(CWholeLinesDelegate::ToolTipLines(record->toolTip, this));
    }
}

void CListThumbDetails::UpdateItemImageIndex(int row)
{
    UpdateItemsImageIndex(row, row);
}

void CListThumbDetails::UpdateItemsImageIndex(int first, int last)
{
    if (m_pMutex == nullptr)
        return;
    QMutexLocker lock(m_pMutex);
    for (int row = first; row <= last; ++row)
        RefreshRow(row);
}

void CListThumbDetails::AssignThumbnails()
{
    if (m_pMutex != nullptr) {
        QMutexLocker lock(m_pMutex);
        for (int row = 0; row < m_pRecords->size(); ++row)
            RefreshRow(row);
    }
    UpdateView();
}

void CListThumbDetails::UpdateView()
{
    m_lastFirst = -1;
    m_lastLast = -1;
}

void CListThumbDetails::AddWatermarkText(const QString& text, int dy, bool always, const QFont& font,
                                         const QColor& color)
{
    m_overlays.append(ThumbViewCommon::TextOverlay(text, dy, always, font, color));
}

void CListThumbDetails::AddWatermarkImage(const QString& name, bool themed, int dx, int dy, bool always, int placement)
{
    m_overlays.append(
        ThumbViewCommon::ImageOverlay(name, m_pCache->GetAsset(name, themed, true), dx, dy, always, placement));
}

void CListThumbDetails::FindFirstLastVisibleItems(int& first, int& last)
{
    ThumbViewCommon::FindFirstLastVisibleItems(this, 0, rowCount(), first, last);
}

void CListThumbDetails::ThreadLoadIcons()
{
    int first = -1;
    int last = -1;
    const ThumbViewCommon::STickShared shared{m_pRecords, m_pRows, m_pMutex, m_pThread};
    switch (ThumbViewCommon::Tick(this, 0, rowCount(), shared, m_lastFirst, m_lastLast, first, last)) {
    case ThumbViewCommon::TickRequest:
        emit LoadThumbnails();
        break;
    case ThumbViewCommon::TickRefresh:
        UpdateItemsImageIndex(first, last);
        break;
    case ThumbViewCommon::TickNothing:
        break;
    }
}

void CListThumbDetails::OnThreadLoadComplete(int first, int last)
{
    UpdateView();
    UpdateItemsImageIndex(first, last);
}

void CListThumbDetails::RepaintView()
{
    viewport()->update();
}

void CListThumbDetails::SortByColumn(int column)
{
    if (m_pMutex == nullptr || column < 0 || column >= ColumnCount)
        return;
    QMutexLocker lock(m_pMutex);
    // The header flipped its indicator before it reported the click.
    const Qt::SortOrder order = horizontalHeader()->sortIndicatorOrder();
    QList<int> listIdx;
    QVector<SSortKey> listSort;
    for (int i = 0; i < m_pRows->size(); ++i) {
        listIdx.append(i);
        const int r = m_pRows->at(i);
        listSort.append(r >= 0 && r < m_pRecords->size() ? SortKey(column, m_pRecords->at(r)) : SSortKey());
    }
    if (order == Qt::AscendingOrder)
        std::sort(listIdx.begin(), listIdx.end(), [&](int a, int b) { return listSort[a] < listSort[b]; });
    else
        std::sort(listIdx.begin(), listIdx.end(), [&](int a, int b) { return listSort[b] < listSort[a]; });
    const QList<int> old = *m_pRows;
    for (int k = 0; k < listIdx.size(); ++k)
        (*m_pRows)[k] = old[listIdx[k]];
    // Receivers are connected queued: none takes the mutex held here.
    emit SignalSort(listIdx);
}

void CListThumbDetails::HorizontalHeaderRightClick(const QPoint&)
{
    QMenu menu;
    QHeaderView* header = horizontalHeader();
    for (int column = 0; column < ColumnCount; ++column) {
        QAction* action = menu.addAction(model()->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        action->setData(column);
    }
    if (QAction* chosen = menu.exec(QCursor::pos()))
        HorizontalHeaderClicked(chosen->data().toInt());
}

void CListThumbDetails::HorizontalHeaderClicked(int column)
{
    QHeaderView* header = horizontalHeader();
    if (column < 0 || column >= ColumnCount)
        return;
    if (header->isSectionHidden(column)) {
        header->showSection(column);
        return;
    }
    if (header->count() - header->hiddenSectionCount() >= 2)
        header->hideSection(column);
}

void CListThumbDetails::paintEvent(QPaintEvent* event)
{
    // The rows in view, across the whole width: the overlays go only where no row lies.
    QRegion rows;
    const int first = rowAt(0);
    if (first >= 0) {
        const int shownLast = rowAt(viewport()->height() - 1);
        const int last = shownLast >= 0 ? shownLast : rowCount() - 1;
        const int top = rowViewportPosition(first);
        rows = QRect(0, top, viewport()->width(), rowViewportPosition(last) + rowHeight(last) - top);
    }
    ThumbViewCommon::PaintOverlays(viewport(), m_overlays, rowCount() == 0,
                                   ThumbViewCommon::OverlayFrame(this, horizontalHeader()->height(), true), rows);
    QTableWidget::paintEvent(event);
}

void CListThumbDetails::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Home && rowCount() > 0)
        selectRow(0);
    else if (event->key() == Qt::Key_End && rowCount() > 0)
        selectRow(rowCount() - 1);
    else
        QTableWidget::keyPressEvent(event);
}

void CListThumbDetails::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit Clicked();
    QTableWidget::mousePressEvent(event);
}

void CListThumbDetails::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
}

void CListThumbDetails::showEvent(QShowEvent* event)
{
    QTableWidget::showEvent(event);
    if (!m_fitTitles)
        return;
    m_fitTitles = false;
    // A title with its sort arrow; a hidden column is measured shown, so
    // that it has that width when the user shows it.
    QHeaderView* header = horizontalHeader();
    for (int column = 0; column < ColumnCount; ++column) {
        const bool hidden = header->isSectionHidden(column);
        header->showSection(column);
        header->resizeSection(column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
        header->setSectionHidden(column, hidden);
    }
}

void CListThumbDetails::dragEnterEvent(QDragEnterEvent* event)
{
    if (ThumbViewCommon::OffersUriList(event->mimeData()))
        event->acceptProposedAction();
    else
        QTableWidget::dragEnterEvent(event);
}

void CListThumbDetails::DragnAndDrop(int from, int to)
{
    ThumbViewCommon::DragnAndDrop(m_pMutex, m_pRows, m_moves, from, to);
}

void CListThumbDetails::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        emit SignalDragDropFiles(ThumbViewCommon::DroppedFiles(event->mimeData()));
        event->acceptProposedAction();
        return;
    }
    m_moves.clear();
    ThumbViewCommon::MoveDroppedRows(this, event, rowCount(), [this](int from, int to) { DragnAndDrop(from, to); });
    // Copy, never move: a move would let the base view clear the dragged cells.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit SignalDragDropPanel1(m_moves);
}
