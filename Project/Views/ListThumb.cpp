#include "ListThumb.h"

#include "ImageCache.h"
#include "ImageManager.h"
#include "ThumbViewCommon.h"
#include "WholeLinesDelegate.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

CListThumb::CListThumb(QWidget* parent)
    : QListWidget(parent), m_pCache(CImageCache::GetInstance()), m_pIcons(new QList<QIcon>)
{
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CListThumb::RepaintView);
}

CListThumb::~CListThumb()
{
    // The loader works on our lists: it finishes its range and ends first.
    m_thread.quit.store(true, std::memory_order_release);
    m_thread.wait();
    m_loadTimer.stop();
    m_repaintTimer.stop();
    for (SThumb& record : m_records)
        delete record.image;
    m_records.clear();
    delete m_pIcons;
}

void CListThumb::InitThread()
{
    connect(this, &CListThumb::LoadThumbnails, &m_thread, &CListThumbThread::LoadThumbnails, Qt::QueuedConnection);
    connect(&m_thread, &CListThumbThread::OnThreadLoadComplete, this, &CListThumb::OnThreadLoadComplete,
            Qt::QueuedConnection);
    m_thread.records = &m_records;
    m_thread.rows = &m_rows;
    m_thread.icons = m_pIcons;
    m_thread.mutex = &m_mutex;
    // The box is sized once for the screen the list opens on.
    m_thread.boxSide = 128 * std::max(1, static_cast<int>(devicePixelRatioF()));
    m_thread.start(QThread::InheritPriority);
    connect(&m_loadTimer, &QTimer::timeout, this, &CListThumb::ThreadLoadIcons);
    m_loadTimer.start(100);
    connect(&m_repaintTimer, &QTimer::timeout, this, &CListThumb::RepaintView);
}

QString CListThumb::SizeText(qint64 bytes)
{
    if (bytes <= 0)
        return "N/A";
    if (bytes < 1048576)
        return QString::number(static_cast<double>(bytes) / 1024.0, 'f', 2) + " KB";
    return QString::number(static_cast<double>(bytes) / 1048576.0, 'f', 2) + " MB";
}

void CListThumb::AddItem(const QString& text, const QString& toolTip, const QString& path, bool loaded, int iconIndex,
                         bool enabled)
{
    SThumb record;
    record.path = path;
    record.toolTip = toolTip;
    record.enabled = enabled ? 1 : 0;
    record.loaded = loaded;
    record.hasIcon = loaded;
    record.iconIndex = iconIndex;
    const QFileInfo info(path);
    record.size = SizeText(info.isFile() ? info.size() : 0);
    const int slash = path.lastIndexOf('/');
    const QString fileName = path.mid(slash + 1);
    const int dot = fileName.lastIndexOf('.');
    record.baseName = dot >= 0 ? fileName.left(dot) : fileName;
    record.type = dot >= 0 ? fileName.mid(dot + 1).toUpper() : QString();
    record.folder = slash >= 0 ? path.left(slash) : QString();
    if (!path.isEmpty())
        LoadImageExif(record);

    QIcon icon;
    {
        QMutexLocker lock(&m_mutex);
        m_rows.append(m_records.size());
        m_records.append(record);
        if (iconIndex >= 0 && iconIndex < m_pIcons->size())
            icon = m_pIcons->at(iconIndex);
    }
    auto* item = new QListWidgetItem(icon, text);
    item->setToolTip(CWholeLinesDelegate::ToolTipLines(toolTip, this));
    if (!enabled) {
        item->setForeground(dark ? QColor(80, 80, 80) : QColor(200, 200, 200));
        const QList<QSize> sizes = icon.availableSizes();
        if (!sizes.isEmpty()) {
            QImage image = icon.pixmap(sizes.first()).toImage();
            AdjustLight(&image, dark ? -100 : 0);
            item->setIcon(QIcon(QPixmap::fromImage(image)));
        }
    }
    insertItem(m_records.size() - 1, item);
}

void CListThumb::LoadImageExif(SThumb& record)
{
    CImageManager engine;
    if (engine.Ping(record.path))
        FillPropertyTexts(record, engine.m_Properties, QFileInfo(record.path).lastModified());
}

void CListThumb::FillPropertyTexts(SThumb& record, const SImageProperties& p, const QDateTime& fileModified)
{
    record.dimensions = QString("%1 x %2").arg(p.width).arg(p.height);
    if (p.dateTime.isEmpty()) {
        record.dateTaken = fileModified.toString("yyyy-MM-dd hh:mm");
    } else {
        const QString& d = p.dateTime;
        record.dateTaken = QString::asprintf("%04d-%02d-%02d %02d:%02d", d.mid(0, 4).toInt(), d.mid(5, 2).toInt(),
                                             d.mid(8, 2).toInt(), d.mid(11, 2).toInt(), d.mid(14, 2).toInt());
    }
    if (!p.make.isEmpty() || !p.model.isEmpty()) {
        QString make = p.make;
        const int makeBlank = make.indexOf(' ');
        if (makeBlank >= 0)
            make = make.left(makeBlank);
        QString model = p.model;
        const int modelBlank = model.indexOf(' ');
        if (modelBlank >= 0 && model.left(modelBlank) == make)
            model = model.mid(modelBlank + 1);
        record.camera = make + " " + model;
    }
    record.gps = p.gps;
    record.altitude = p.altitude;
    record.aperture = p.aperture;
    record.exposure = p.exposure;
    record.iso = p.iso;
    static const char* const orientations[] = {
        QT_TR_NOOP("Top-Left"), QT_TR_NOOP("Top-Right"), QT_TR_NOOP("Bottom-Right"), QT_TR_NOOP("Bottom-Left"),
        QT_TR_NOOP("Left-Top"), QT_TR_NOOP("Right-Top"), QT_TR_NOOP("Right-Bottom"), QT_TR_NOOP("Left-Bottom")};
    record.orientation = p.orientation >= 1 && p.orientation <= 8 ? tr(orientations[p.orientation - 1]) : QString();
    float dx = static_cast<float>(p.densityX);
    float dy = static_cast<float>(p.densityY);
    if (p.units == 2) {
        dx *= 0.3937f;
        dy *= 0.3937f;
    }
    record.dpi =
        QString("%1 x %2").arg(static_cast<int>(std::floor(dx + 0.5f))).arg(static_cast<int>(std::floor(dy + 0.5f)));
    record.colorSpace = p.colorSpace == 1 ? QString("sRGB") : p.colorSpace == 2 ? tr("Uncalibrated") : QString();
}

void CListThumb::AdjustLight(QImage* image, int amount)
{
    if (image == nullptr || image->isNull() || amount == 0)
        return;
    // One pixel format for every source: 24-bit and premultiplied images
    // would otherwise be read wrongly.
    *image = image->convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image->height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
        for (int x = 0; x < image->width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0 || (pixel & 0x00FFFFFF) == 0)
                continue;
            QColor colour = QColor::fromRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            colour = amount < 0 ? colour.darker(100 - amount) : colour.lighter(100 + amount);
            line[x] = qRgba(colour.red(), colour.green(), colour.blue(), qAlpha(pixel));
        }
    }
}

void CListThumb::RemoveItem(int row)
{
    QMutexLocker lock(&m_mutex);
    if (row < 0 || row >= m_rows.size())
        return;
    const int r = m_rows[row];
    if (r < 0 || r >= m_records.size())
        return;
    const SThumb removed = m_records[r];
    m_rows.removeAt(row);
    if (removed.imageReady)
        delete removed.image;
    m_records.removeAt(r);
    for (int& value : m_rows)
        if (value > r)
            --value;
    if (listType != 0 || !removed.loaded || !removed.hasIcon)
        return;
    const int i = removed.iconIndex;
    if (i >= 0 && i < m_pIcons->size())
        m_pIcons->removeAt(i);
    for (int k = 0; k < m_rows.size(); ++k) {
        const int index = m_rows[k];
        if (index < 0 || index >= m_records.size() || m_records[index].iconIndex <= i)
            continue;
        --m_records[index].iconIndex;
        RefreshRow(k);
    }
}

void CListThumb::RemoveAll()
{
    int count = 0;
    {
        QMutexLocker lock(&m_mutex);
        count = m_records.size();
    }
    for (int i = 0; i < count; ++i)
        RemoveItem(0);
    clear();
    m_lastFirst = -1;
    m_lastLast = -1;
}

void CListThumb::LoadDefaultThumbnails(const QString& sheet, bool themed, int size)
{
    if (size != 0 && size != 1)
        return;
    QList<QIcon>* fresh = m_pCache->LoadIconsFromPath(sheet, themed, size == 1 ? 64 : 32);
    QMutexLocker lock(&m_mutex);
    *m_pIcons = *fresh;
    delete fresh;
}

void CListThumb::SetIcons(QList<QIcon>* icons)
{
    if (icons == nullptr || icons == m_pIcons)
        return;
    QMutexLocker lock(&m_mutex);
    delete m_pIcons;
    m_pIcons = icons;
    m_thread.icons = icons;
}

void CListThumb::ChangeView(int mode)
{
    const int side = mode == 0 || mode == 1 ? 32 : mode == 2 ? 64 : 128;
    setIconSize(QSize(side, side));
    setViewMode(mode == 0 ? QListView::ListMode : QListView::IconMode);
    setWrapping(mode != 0);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::CopyAction);
    ReloadToolTips();
}

void CListThumb::RefreshRow(int row)
{
    const SThumb* record = ThumbViewCommon::RefreshRecord(m_records, m_rows, *m_pIcons, row, count());
    if (record == nullptr)
        return;
    QListWidgetItem* it = item(row);
    if (record->iconIndex >= 0 && record->iconIndex < m_pIcons->size())
        it->setIcon(m_pIcons->at(record->iconIndex));
    it->setToolTip(CWholeLinesDelegate::ToolTipLines(record->toolTip, this));
}

void CListThumb::UpdateItemImageIndex(int row)
{
    QMutexLocker lock(&m_mutex);
    RefreshRow(row);
}

void CListThumb::UpdateItemsImageIndex(int first, int last)
{
    QMutexLocker lock(&m_mutex);
    for (int row = first; row <= last; ++row)
        RefreshRow(row);
}

void CListThumb::AssignThumbnails()
{
    {
        QMutexLocker lock(&m_mutex);
        for (int i = 0; i < m_records.size(); ++i)
            RefreshRow(i);
    }
    UpdateView();
}

void CListThumb::UpdateView()
{
    m_lastFirst = -1;
    m_lastLast = -1;
}

void CListThumb::ReloadToolTips()
{
    QMutexLocker lock(&m_mutex);
    for (int row = 0; row < count() && row < m_rows.size(); ++row) {
        const int r = m_rows[row];
        if (r >= 0 && r < m_records.size())
            item(row)->setToolTip(CWholeLinesDelegate::ToolTipLines(m_records[r].toolTip, this));
    }
}

void CListThumb::AddWatermarkText(const QString& text, int dy, bool always, const QFont& font, const QColor& color)
{
    m_overlays.append(ThumbViewCommon::TextOverlay(text, dy, always, font, color));
}

void CListThumb::AddWatermarkImage(const QString& name, bool themed, int dx, int dy, bool always, int placement)
{
    m_overlays.append(
        ThumbViewCommon::ImageOverlay(name, m_pCache->GetAsset(name, themed, true), dx, dy, always, placement));
}

void CListThumb::FindFirstLastVisibleItems(int& first, int& last)
{
    ThumbViewCommon::FindFirstLastVisibleItems(this, spacing(), count(), first, last);
}

void CListThumb::ThreadLoadIcons()
{
    int first = -1;
    int last = -1;
    const ThumbViewCommon::STickShared shared{&m_records, &m_rows, &m_mutex, &m_thread};
    switch (ThumbViewCommon::Tick(this, spacing(), count(), shared, m_lastFirst, m_lastLast, first, last)) {
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

void CListThumb::OnThreadLoadComplete(int first, int last)
{
    UpdateView();
    UpdateItemsImageIndex(first, last);
}

void CListThumb::RepaintView()
{
    viewport()->update();
}

void CListThumb::paintEvent(QPaintEvent* event)
{
    QRegion items;
    const QRect area = viewport()->rect();
    for (int i = 0; i < count(); ++i) {
        const QRect rect = visualItemRect(item(i));
        if (rect.intersects(area))
            items += rect;
    }
    ThumbViewCommon::PaintOverlays(viewport(), m_overlays, count() == 0, ThumbViewCommon::OverlayFrame(this, 0, false),
                                   items);
    QListWidget::paintEvent(event);
}

void CListThumb::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit Clicked();
    QListWidget::mousePressEvent(event);
}

void CListThumb::dragEnterEvent(QDragEnterEvent* event)
{
    if (ThumbViewCommon::OffersUriList(event->mimeData()))
        event->acceptProposedAction();
    else
        QListWidget::dragEnterEvent(event);
}

void CListThumb::DragnAndDrop(int from, int to)
{
    ThumbViewCommon::DragnAndDrop(&m_mutex, &m_rows, m_moves, from, to);
}

void CListThumb::dropEvent(QDropEvent* event)
{
    if (listType == 0 && event->mimeData()->hasUrls()) {
        emit SignalDragDropFiles(ThumbViewCommon::DroppedFiles(event->mimeData()));
        event->acceptProposedAction();
        return;
    }
    m_moves.clear();
    ThumbViewCommon::MoveDroppedRows(this, event, count(), [this](int from, int to) { DragnAndDrop(from, to); });
    // Copy, never move: a move would let the base view delete the dragged items.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    UpdateView();
    if (listType == 0) {
        emit SignalDragDropPanel1(m_moves);
        if (viewMode() == QListView::IconMode)
            m_repaintTimer.start(100);
    } else if (listType == 2) {
        emit SignalDragDropPanel2(m_moves);
    }
}
