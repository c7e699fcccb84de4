#include "ControlImage.h"

#include "CDialogGSWarning.h"
#include "FilterTypes.h"
#include "ImageCache.h"
#include "ImageInfoText.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>

#include <cmath>

namespace
{

// Opacity of the dark theme's placeholder, on the 0..255 alpha scale.
constexpr int kDarkPlaceholderAlpha = 20;
constexpr double kZoomStep = 1.5;

QPoint RoundedPosition(const QMouseEvent* event)
{
    return QPoint(static_cast<int>(std::lround(event->localPos().x())),
                  static_cast<int>(std::lround(event->localPos().y())));
}

bool SameZoom(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

void EmptyEngine(CImageManager& engine)
{
    engine.m_Image = Magick::Image();
    engine.m_Pages.clear();
    engine.m_Properties = SImageProperties();
}

} // namespace

CControlImage::CControlImage(QWidget* parent)
    : QScrollArea(parent), m_pProfile(CUserProfile::GetInstance()), m_pImages(CImageCache::GetInstance())
{
    // Widget, viewport and label coordinates coincide; area editing relies on it.
    setFrameShape(QFrame::NoFrame);
    // Without a frame it cannot show the focus; its zoom buttons take Tab.
    setFocusPolicy(Qt::ClickFocus);
    m_Placeholder = QPixmap::fromImage(m_pImages->GetAsset(QStringLiteral("Preview-Placeholder.png"), false, true));
    m_RotateCursor = QPixmap::fromImage(m_pImages->GetAsset(QStringLiteral("Cursor-Rotate.png"), false, true));
    if (m_pProfile->ThemeId != 0)
        m_Placeholder = CreateTransparentPixmap(m_Placeholder, kDarkPlaceholderAlpha);
    m_Display = m_Placeholder;
    ThreadCreate();
}

CControlImage::~CControlImage()
{
    ThreadClose();
}

void CControlImage::ThreadCreate()
{
    connect(&m_Worker, &CControlImageThread::Show, this, &CControlImage::Showup, Qt::QueuedConnection);
    connect(&m_Worker, &CControlImageThread::DisplayGSMessage, this, &CControlImage::DisplayGSMessage,
            Qt::QueuedConnection);
    connect(&m_Worker, &CControlImageThread::JobDropped, this, &CControlImage::OnJobDropped, Qt::QueuedConnection);
    connect(&m_Worker, &CControlImageThread::Unreadable, this, &CControlImage::OnUnreadable, Qt::QueuedConnection);
    m_Worker.start(QThread::InheritPriority);
}

void CControlImage::ThreadClose()
{
    m_Worker.RequestQuit();
    m_Worker.wait();
}

// --- chain --------------------------------------------------------------------

void CControlImage::ClearFiltersList()
{
    filters.clear();
}

void CControlImage::AddFiltersList(QList<SFilterRecord>* list)
{
    if (list)
        filters.append(*list);
}

void CControlImage::AddFilter(const SFilterRecord& record)
{
    filters.append(record);
}

bool CControlImage::SpecialFilters() const
{
    for (const SFilterRecord& record : filters) {
        switch (record.id) {
        case FilterPictureFrame:
        case FilterVintageFrame:
        case FilterShadow:
        case FilterSimpleBorder:
        case FilterRotate:
            return true;
        default:
            break;
        }
    }
    return false;
}

bool CControlImage::ResizeFilters() const
{
    for (const SFilterRecord& record : filters) {
        if (record.id == FilterResize)
            return true;
    }
    return false;
}

bool CControlImage::DragAndDropFilters() const
{
    for (const SFilterRecord& record : filters) {
        if (IsAreaRecord(record))
            return true;
    }
    return false;
}

bool CControlImage::IsAreaRecord(const SFilterRecord& record)
{
    // Tiled marks cover the photo and have no area to drag.
    return (record.id == FilterText && record.numbers[6] == 0) || (record.id == FilterLogo && record.numbers[3] == 0) ||
           record.id == FilterCrop || record.id == FilterResize;
}

bool CControlImage::ZoomLocked() const
{
    return singleFilterMode && filters.size() == 1 && IsAreaRecord(filters.first());
}

// --- preview request ----------------------------------------------------------

int CControlImage::DeviceRatio() const
{
    return qMax(1, static_cast<int>(devicePixelRatioF()));
}

double CControlImage::ComputeMinZoom()
{
    qint64 width = m_EngineA.m_Properties.width;
    qint64 height = m_EngineA.m_Properties.height;
    if (width <= 0 || height <= 0)
        return 0.0;
    const int ratio = DeviceRatio();
    m_Viewport = QSize(this->width() * ratio, this->height() * ratio);
    const auto columns = static_cast<qint64>(m_EngineA.m_Image.columns());
    const auto rows = static_cast<qint64>(m_EngineA.m_Image.rows());
    // The last result of this photo when it is larger than the photo either
    // way: turned upright by auto-rotate, or a canvas that holds what the
    // chain added around the dimmed photo. All of it is fitted.
    const bool larger = m_Shown.path == currentPath && (columns > width || rows > height);
    // The last full-size result: the pinged size says nothing about a frame.
    if ((SpecialFilters() && !ResizeFilters()) || larger) {
        width = columns;
        height = rows;
    }
    return PreviewFitZoom(width, height, m_Viewport);
}

bool CControlImage::StartPreview(const QString& path)
{
    SystemLogWrite(QStringLiteral("CControlImage::StartPreview"));
    if (!showPreview || path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    pending = true;
    currentPath = path;
    // A photo that cannot be pinged counts as 0 x 0.
    if (!m_EngineA.Ping(path))
        m_EngineA.m_Properties = SImageProperties();
    m_MinZoom = ComputeMinZoom();

    if (path == m_PreviousPath && !(SpecialFilters() && !ResizeFilters())) {
        m_RequestedZoom = m_Zoom;
    } else {
        m_Scroll = QPoint();
        m_RequestedZoom = m_MinZoom;
    }
    // The friend already shows this photo zoomed in: show the same part.
    if (friendView && !SpecialFilters() && !DragAndDropFilters() && friendView->shown &&
        friendView->currentPath == currentPath && !SameZoom(friendView->m_Zoom, m_MinZoom)) {
        m_Scroll = friendView->m_Scroll;
        m_RequestedZoom = friendView->m_Zoom;
        if (friendView->sharesMinZoom)
            m_MinZoom = friendView->m_MinZoom;
    }
    m_Zoom = m_RequestedZoom;

    SPreviewRequest request;
    request.path = path;
    // A single editable area is drawn by the view itself over the plain photo.
    if (!ZoomLocked())
        request.filters = filters;
    request.viewport = m_Viewport;
    request.scroll = m_Scroll;
    request.zoom = m_Zoom;
    request.minZoom = m_MinZoom;
    request.singleFilter = singleFilterMode;
    m_LastPreviewGeneration = m_Worker.PostPreview(request);
    m_LastPostedGeneration = m_LastPreviewGeneration;
    m_PreviousPath = path;
    return true;
}

// --- zoom ---------------------------------------------------------------------

bool CControlImage::ZoomRefused() const
{
    return !shown || pending || (friendView && friendView->pending);
}

bool CControlImage::ZoomPreview(double percent)
{
    if (ZoomRefused())
        return false;
    m_RequestedZoom = percent;
    if (percent == m_Zoom)
        return true;
    if (PreviewRound(percent) == 0)
        m_RequestedZoom = m_MinZoom;
    // A hidden or 0-sized view has no fit zoom; nothing can be scaled to it.
    if (m_RequestedZoom <= 0)
        return false;
    m_Zoom = m_RequestedZoom;
    UpdateCursor();
    m_LastPostedGeneration = m_Worker.PostZoom(m_Zoom, m_MinZoom, m_Scroll, m_Viewport);
    return true;
}

bool CControlImage::ZoomIn()
{
    if (ZoomLocked())
        return true;
    if (ZoomRefused())
        return false;
    if (m_Zoom >= m_MaxZoom)
        return true;
    return ZoomPreview(qMin(m_Zoom * kZoomStep, m_MaxZoom));
}

bool CControlImage::ZoomOut()
{
    if (ZoomLocked())
        return true;
    if (ZoomRefused())
        return false;
    m_MinZoom = ComputeMinZoom();
    if (m_MinZoom >= m_Zoom)
        return true;
    return ZoomPreview(qMax(m_MinZoom, m_Zoom / kZoomStep));
}

bool CControlImage::ZoomToFit()
{
    if (ZoomLocked())
        return true;
    if (ZoomRefused())
        return false;
    m_MinZoom = ComputeMinZoom();
    return ZoomPreview(0);
}

bool CControlImage::ZoomToMatch()
{
    if (ZoomLocked())
        return true;
    return ZoomPreview(100);
}

void CControlImage::UpdateCursor()
{
    const bool pannable = PreviewRound(m_Zoom) > PreviewRound(m_MinZoom) && showPreview;
    setCursor(pannable ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

// --- results ------------------------------------------------------------------

bool CControlImage::Showup()
{
    try {
        SPreviewResult result;
        if (!m_Worker.TakeResult(result) || result.generation < m_CleanupGeneration)
            return false;
        m_EngineA = result.loader;
        m_EngineB = result.zoomed;
        // What the worker applied: a refit replaces the asked zoom.
        m_Zoom = result.zoom;
        m_MinZoom = result.minZoom;
        m_Scroll = result.scroll;
        m_Shown.engine = m_EngineA;
        m_Shown.path = result.loader.m_Path;
        m_Shown.zoom = m_Zoom;
        m_Shown.minZoom = m_MinZoom;
        m_Shown.scroll = m_Scroll;
        UpdateView();
        emit UpdateZoomPercent(PreviewRound(m_Zoom));
        // An older result may show while the newest request still runs.
        if (result.generation >= m_LastPreviewGeneration)
            pending = false;
        shown = true;
        UpdateCursor();
        return true;
    } catch (...) {
        pending = false;
        return false;
    }
}

void CControlImage::OnJobDropped(quint64 generation)
{
    if (generation < m_LastPostedGeneration)
        return;
    pending = false;
    if (shown) {
        // The view keeps its picture; its state goes back to match it.
        m_EngineA = m_Shown.engine;
        currentPath = m_Shown.path;
        m_PreviousPath = m_Shown.path;
        m_Zoom = m_Shown.zoom;
        m_MinZoom = m_Shown.minZoom;
        m_Scroll = m_Shown.scroll;
        UpdateCursor();
    }
}

void CControlImage::OnUnreadable(quint64 generation)
{
    if (generation < m_LastPostedGeneration)
        return;
    // The photo asked for is not there to show: say so rather than keep the
    // one before. The request's drop follows and finds nothing shown.
    EmptyEngine(m_EngineA);
    EmptyEngine(m_EngineB);
    m_Shown = SShownState();
    shown = false;
    ShowBlank();
    if (imageLabel) {
        imageLabel->setWordWrap(true); // a small preview is narrower than the line
        imageLabel->setText(tr("This photo cannot be read."));
    }
}

void CControlImage::DisplayGSMessage(QString extension)
{
    CDialogGSWarning notice(this);
    if (notice.ShowDialog(extension))
        notice.exec();
    emit GhostscriptNotice(extension);
}

// --- drawing ------------------------------------------------------------------

bool CControlImage::UpdateView()
{
    if (!showPreview || !m_EngineB.m_Image.isValid())
        return false;
    const int width = static_cast<int>(m_EngineB.m_Image.columns());
    const int height = static_cast<int>(m_EngineB.m_Image.rows());
    // Only the cut is clamped; the stored scroll keeps the centre of later zooms.
    const int x = qBound(0, m_Scroll.x(), qMax(0, width - m_Viewport.width()));
    const int y = qBound(0, m_Scroll.y(), qMax(0, height - m_Viewport.height()));
    const QRect cut(x, y, qMin(m_Viewport.width(), width), qMin(m_Viewport.height(), height));
    m_Display = m_EngineB.ImageToPixmap(cut);
    RedrawPreview(false, false);
    return true;
}

void CControlImage::RedrawPreview(bool keepAreaLabel, bool noDarkening)
{
    if (!imageLabel)
        return;
    ResizeBackground();
    // May darken the display pixmap behind a resize area first.
    if (singleFilterMode)
        RefreshAreaLabel(keepAreaLabel, noDarkening);
    m_Display.setDevicePixelRatio(DeviceRatio());
    imageLabel->setPixmap(m_Display);
}

void CControlImage::ShowBlank()
{
    setCursor(Qt::ArrowCursor);
    m_Display = m_Placeholder;
    RedrawPreview(false, true);
    if (areaLabel)
        areaLabel->hide();
}

void CControlImage::ShowPlaceholder()
{
    m_Display = m_Placeholder;
    if (!imageLabel)
        return;
    ResizeBackground();
    m_Display.setDevicePixelRatio(DeviceRatio());
    imageLabel->setPixmap(m_Display);
}

void CControlImage::ResizeBackground()
{
    if (imageLabel)
        imageLabel->setGeometry(imageLabel->x(), imageLabel->y(), width(), height());
}

void CControlImage::Cleanup()
{
    m_CleanupGeneration = m_Worker.Cleanup();
    m_LastPostedGeneration = m_CleanupGeneration;
    EmptyEngine(m_EngineA);
    EmptyEngine(m_EngineB);
    m_Shown = SShownState();
    currentPath.clear();
    shown = false;
    pending = false;
    ShowBlank();
}

void CControlImage::CancelJob()
{
    m_Worker.CancelJob();
}

void CControlImage::Refit()
{
    const double oldMinZoom = m_MinZoom;
    m_MinZoom = ComputeMinZoom();
    if (PreviewRound(m_Zoom) <= PreviewRound(oldMinZoom) && ZoomPreview(0))
        return;
    UpdateView();
    UpdateCursor();
}

void CControlImage::UpdatePreview()
{
    if (shown && showPreview)
        Refit();
}

void CControlImage::SynchronizeFriend()
{
    if (!friendView || !friendView->m_EngineA.m_Image.isValid())
        return;
    const double width = static_cast<double>(m_EngineA.m_Image.columns());
    const double height = static_cast<double>(m_EngineA.m_Image.rows());
    const double friendWidth = static_cast<double>(friendView->m_EngineA.m_Image.columns());
    const double friendHeight = static_cast<double>(friendView->m_EngineA.m_Image.rows());
    if (width == friendWidth && height == friendHeight) {
        friendView->m_Scroll = m_Scroll;
    } else {
        // Scaled in doubles: the two results may differ either way in size.
        if (width > 0 && friendWidth > 0)
            friendView->m_Scroll.setX(PreviewRound(m_Scroll.x() * friendWidth / width));
        if (height > 0 && friendHeight > 0)
            friendView->m_Scroll.setY(PreviewRound(m_Scroll.y() * friendHeight / height));
    }
    friendView->UpdateView();
}

// --- events -------------------------------------------------------------------

bool CControlImage::CanPan() const
{
    return m_Zoom > m_MinZoom && showPreview && !ZoomLocked();
}

void CControlImage::mousePressEvent(QMouseEvent* event)
{
    if (PreviewRound(m_Zoom) > PreviewRound(m_MinZoom) && showPreview)
        setCursor(Qt::ClosedHandCursor);
    m_PressPoint = RoundedPosition(event);
    if (!singleFilterMode)
        return;
    if (areaLabel)
        m_AreaOrigin = areaLabel->pos();
    m_DragArea = DetermineAreaOnWatermark(m_PressPoint.x(), m_PressPoint.y());
    if (AreaEditing() && showPreview) {
        const quint32 id = filters.first().id;
        ShowCursor(m_DragArea, id == FilterResize ? 3 : 1);
        // The corner marks appear, or vanish after a press outside the mark.
        if (id == FilterText || id == FilterLogo)
            RedrawPreview(true, false);
    }
    QScrollArea::mousePressEvent(event);
}

void CControlImage::mouseMoveEvent(QMouseEvent* event)
{
    if (CanPan() && event->buttons() == Qt::LeftButton && m_EngineB.m_Image.isValid()) {
        Pan(RoundedPosition(event));
        return;
    }
    const bool editing = AreaEditing();
    const QPoint position = RoundedPosition(event);
    if (event->buttons() != Qt::LeftButton && !editing)
        setCursor(Qt::ArrowCursor);
    if (editing && event->buttons() == Qt::NoButton) {
        ShowCursor(DetermineAreaOnWatermark(position.x(), position.y()), filters.first().id == FilterResize ? 3 : 2);
    } else if (areaLabel && areaLabel->isVisible() &&
               (areaLabel->geometry().contains(position) || m_DragArea == AreaRotate)) {
        m_CurrentPoint = position;
        if (editing && event->buttons() == Qt::LeftButton)
            DragStep();
    }
    QScrollArea::mouseMoveEvent(event);
}

void CControlImage::Pan(const QPoint& position)
{
    m_CurrentPoint = position;
    const double ratio = devicePixelRatioF();
    const QPoint step(static_cast<int>(std::lround((m_CurrentPoint.x() - m_PressPoint.x()) * ratio)),
                      static_cast<int>(std::lround((m_CurrentPoint.y() - m_PressPoint.y()) * ratio)));
    const int maxX = qMax(0, static_cast<int>(m_EngineB.m_Image.columns()) - m_Viewport.width());
    const int maxY = qMax(0, static_cast<int>(m_EngineB.m_Image.rows()) - m_Viewport.height());
    m_Scroll = QPoint(qBound(0, m_Scroll.x() - step.x(), maxX), qBound(0, m_Scroll.y() - step.y(), maxY));
    UpdateView();
    m_PressPoint = m_CurrentPoint;
}

void CControlImage::mouseReleaseEvent(QMouseEvent* event)
{
    SynchronizeFriend();
    if (cursor().shape() == Qt::ClosedHandCursor)
        setCursor(Qt::OpenHandCursor);
    QScrollArea::mouseReleaseEvent(event);
}

void CControlImage::wheelEvent(QWheelEvent* event)
{
    // The owner scrolls its page; the view never scrolls itself.
    event->ignore();
}

void CControlImage::resizeEvent(QResizeEvent* event)
{
    if (shown) {
        ShowBlank();
        if (panelTransition) {
            ResizeBackground();
            if (*panelTransition) {
                UpdateView();
                UpdateCursor();
            } else if (showPreview) {
                Refit();
            }
        }
    }
    QScrollArea::resizeEvent(event);
}
