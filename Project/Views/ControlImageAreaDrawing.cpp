// Area editing of CControlImage, the drawing: the area of the single record
// rendered into the area label's pixmap with its handles, and the darkened
// photo behind a resize box.
#include "ControlImage.h"

#include "MagickQt.h"
#include "UserProfile.h"

#include <QPainter>

namespace
{

constexpr int kGuide = 10; // handle squares, in logical pixels

} // namespace

void CControlImage::RefreshText(QPixmap& pixmap, QRect& rect, SFilterRecord record)
{
    m_AreaFilters.UpdateText(pixmap, rect, record, currentPath, m_FitWidth, m_FitHeight, m_FitScale, m_FitX, m_FitY,
                             true);
    DrawAnnotateCorners(&pixmap);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
}

void CControlImage::RefreshLogo(QPixmap& pixmap, QRect& rect, SFilterRecord record)
{
    m_AreaFilters.UpdateLogo(pixmap, rect, record, currentPath, m_FitWidth, m_FitHeight, m_FitScale, m_FitX, m_FitY,
                             true);
    DrawAnnotateCorners(&pixmap);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
}

void CControlImage::RefreshCrop(QPixmap& pixmap, QRect& rect, SFilterRecord record)
{
    m_AreaFilters.UpdateCropArea(rect, record, m_FitWidth, m_FitHeight, m_FitScale);
    const double ratio = devicePixelRatioF();
    QPixmap canvas(qMax(1, int(rect.width() * ratio)), qMax(1, int(rect.height() * ratio)));
    canvas.fill(QColor(255, 255, 255, 10));
    {
        QPainter painter(&canvas);
        painter.setPen(
            QPen(QBrush(QColor(255, 255, 255, 100), Qt::SolidPattern), 6, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawRect(canvas.rect());
    }
    DrawCornerGuides(&canvas);
    DrawEdgeGuides(&canvas);
    canvas.setDevicePixelRatio(ratio);
    rect.translate(m_FitX, m_FitY);
    pixmap = canvas;
}

void CControlImage::RefreshResize(QPixmap& pixmap, QRect& rect, SFilterRecord& record)
{
    if (!m_EngineA.m_Image.isValid() || !m_EngineB.m_Image.isValid())
        return;
    // The box comes from the engine's own resize plan, so it is what a run makes.
    Magick::Image shown = m_EngineB.m_Image;
    m_AreaFilters.UpdateResizeArea(m_EngineA.m_Image, shown, rect, record, m_FitWidth, m_FitHeight, m_FitScale);
    const double ratio = devicePixelRatioF();
    QPixmap canvas =
        QPixmap::fromImage(ImageMagickToQt(shown, QRect(0, 0, int(rect.width() * ratio), int(rect.height() * ratio))));
    DrawCornerGuides(&canvas);
    if (!EdgesRefused(record))
        DrawEdgeGuides(&canvas);
    canvas.setDevicePixelRatio(ratio);
    rect.translate(m_FitX, m_FitY);
    pixmap = canvas;
    m_pProfile->SetPreviewProgress(-1);
    m_pProfile->SetPreviewComment(QString());
}

void CControlImage::DrawCornerGuides(QPixmap* pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    const int s = int(kGuide * devicePixelRatioF());
    const int right = pixmap->width() - s - 1;
    const int bottom = pixmap->height() - s - 1;
    QPainter painter(pixmap);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 255, 255, 196));
    for (const QPoint& at : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        painter.drawRect(QRect(at, QSize(s, s)));
}

void CControlImage::DrawEdgeGuides(QPixmap* pixmap)
{
    if (!pixmap || pixmap->isNull())
        return;
    const int s = int(kGuide * devicePixelRatioF());
    const int midX = pixmap->width() / 2 - s / 2;
    const int midY = pixmap->height() / 2 - s / 2;
    QPainter painter(pixmap);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 255, 255, 196));
    for (const QPoint& at : {QPoint(midX, 0), QPoint(pixmap->width() - s - 1, midY),
                             QPoint(midX, pixmap->height() - s - 1), QPoint(0, midY)})
        painter.drawRect(QRect(at, QSize(s, s)));
}

void CControlImage::DrawAnnotateCorners(QPixmap* pixmap)
{
    if (!pixmap || pixmap->isNull() || m_DragArea == AreaOutside)
        return;
    const int s = int(kGuide * devicePixelRatioF());
    const int right = pixmap->width() - s;
    const int bottom = pixmap->height() - s;
    QPainter painter(pixmap);
    for (const QPoint& at : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        painter.fillRect(QRect(at, QSize(s, s)), QColor(255, 255, 255, 200));
}

QImage CControlImage::Darkened(const QImage& image, int amount)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qRgb(qBound(0, qRed(line[x]) - amount, 255), qBound(0, qGreen(line[x]) - amount, 255),
                           qBound(0, qBlue(line[x]) - amount, 255));
    }
    return out;
}

void CControlImage::DarkenBackground(int amount)
{
    const qreal ratio = m_Display.devicePixelRatio();
    m_Display = QPixmap::fromImage(Darkened(m_Display.toImage(), amount));
    m_Display.setDevicePixelRatio(ratio);
}
