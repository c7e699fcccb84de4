// Area editing of CControlImage: the text, logo, crop or resize area of the
// single record of a filter dialog's preview, drawn on the area label over
// the photo and moved, scaled, rotated or reshaped by dragging. Every drag
// step writes the record back and reports it through UpdateFilterInterface.
#include "ControlImage.h"

#include "FilterTypes.h"
#include "FilterValues.h"
#include "UserProfile.h"

#include <QCursor>
#include <QLabel>

#include <cmath>

namespace
{

constexpr int kBand = 10;         // edge and corner bands of the hit-test
constexpr int kRotateHandle = 20; // rotate handles outside each corner
constexpr int kGuide = 10;        // handle squares, in logical pixels
constexpr double kTextWidthUnit = 1.8;
constexpr double kTextHeightUnit = 3.5;
// The ranges of the editors that show the dragged values.
constexpr double kMaxOffset = 30000.0;
constexpr double kMaxLogoScale = 1000.0;
constexpr double kMaxCrop = 30000.0;
constexpr double kMaxResizePercent = 1000.0;

bool Between(long low, long v, long high)
{
    return low < v && v < high;
}

bool IsCorner(int area)
{
    return area >= CControlImage::AreaTopLeft && area <= CControlImage::AreaBottomRight;
}

// One cell of the corner table: which drag component scales the mark and by
// what factor (0: the anchored corner, no change).
struct SCornerStep {
    bool horizontal;
    int factor;
};

// Rows: corners 5 to 8; columns: placements 0, 1/4/7, 2, 3, 5, 6, 8.
const SCornerStep kCornerTable[4][7] = {
    {{true, 0}, {true, 2}, {true, 1}, {false, 2}, {true, 1}, {false, 1}, {true, 1}},
    {{true, -1}, {true, -2}, {true, 0}, {true, -1}, {false, 2}, {true, -1}, {false, 1}},
    {{false, -1}, {true, 2}, {true, 1}, {false, -2}, {true, 1}, {true, 0}, {true, 1}},
    {{true, -1}, {true, -2}, {false, -1}, {true, -1}, {false, -2}, {true, -1}, {true, 0}},
};

int PlacementColumn(int placement)
{
    switch (placement) {
    case 0:
        return 0;
    case 1:
    case 4:
    case 7:
        return 1;
    case 2:
        return 2;
    case 3:
        return 3;
    case 5:
        return 4;
    case 6:
        return 5;
    default:
        return 6;
    }
}

// The angle of a point seen from the centre, in degrees; false on the
// centre itself. On the vertical through the centre it is +-90.
bool PointAngle(long dx, long dy, double& degrees)
{
    if (dx == 0 && dy == 0)
        return false;
    degrees = dx == 0 ? (dy > 0 ? 90.0 : -90.0) : std::atan(double(dy) / double(dx)) * 180.0 / M_PI;
    return true;
}

double Limit(double v, double low, double high)
{
    return v < low ? low : (v > high ? high : v);
}

} // namespace

bool CControlImage::AreaEditing() const
{
    return singleFilterMode && filters.size() == 1 && IsAreaRecord(filters.first()) &&
           !m_pProfile->PreviewPath.isEmpty();
}

bool CControlImage::EdgesRefused(const SFilterRecord& record)
{
    if (record.id == FilterText || record.id == FilterLogo)
        return true;
    if (record.id != FilterResize)
        return false;
    const double mode = record.numbers[3];
    return (mode == 0 && record.numbers[2] == 1) || mode == 1 || mode == 2 || mode == 3;
}

bool CControlImage::ComputeFitGeometry()
{
    const Magick::Image& photo = m_EngineA.m_Image;
    if (!photo.isValid() || photo.columns() == 0 || photo.rows() == 0 || width() <= 0 || height() <= 0)
        return false;
    const float w = float(photo.columns());
    const float h = float(photo.rows());
    const float W = float(width());
    const float H = float(height());
    const float scale = (w / h >= W / H) ? W / w : H / h;
    m_FitScale = scale;
    m_FitX = PreviewRound((W - w * scale) / 2);
    m_FitY = PreviewRound((H - h * scale) / 2);
    m_FitWidth = PreviewRound(w * scale);
    m_FitHeight = PreviewRound(h * scale);
    return m_FitScale > 0 && m_FitWidth > 0 && m_FitHeight > 0;
}

void CControlImage::RefreshAreaLabel(bool keepGeometry, bool noDarkening)
{
    if (!areaLabel)
        return;
    if (!AreaEditing() || !showPreview || !ComputeFitGeometry()) {
        areaLabel->hide();
        return;
    }
    SFilterRecord record = filters.first();
    areaLabel->setAttribute(Qt::WA_NoSystemBackground);
    QPixmap pixmap;
    QRect rect;
    switch (record.id) {
    case FilterText:
        RefreshText(pixmap, rect, record);
        break;
    case FilterLogo:
        RefreshLogo(pixmap, rect, record);
        break;
    case FilterCrop:
        RefreshCrop(pixmap, rect, record);
        break;
    default:
        if (!noDarkening)
            DarkenBackground(100);
        RefreshResize(pixmap, rect, record);
        break;
    }
    if (!keepGeometry)
        areaLabel->setGeometry(rect);
    areaLabel->setPixmap(pixmap);
    areaLabel->show();
    areaLabel->raise();
}

// --- hit-test and cursors -----------------------------------------------------

CControlImage::AreaCode CControlImage::DetermineAreaOnWatermark(int x, int y) const
{
    if (!areaLabel)
        return AreaOutside;
    const QRect g = areaLabel->geometry();
    const long X = g.x();
    const long Y = g.y();
    const long W = g.width();
    const long H = g.height();
    const bool edges = !(filters.size() == 1 && EdgesRefused(filters.first()));
    if (edges) {
        if (Between(X, x, X + kBand) && Between(Y + kBand, y, Y + H - kBand))
            return AreaLeft;
        if (Between(X + W - kBand, x, X + W) && Between(Y + kBand, y, Y + H - kBand))
            return AreaRight;
        if (Between(X + kBand, x, X + W - kBand) && Between(Y, y, Y + kBand))
            return AreaTop;
        if (Between(X + kBand, x, X + W - kBand) && Between(Y + H - kBand, y, Y + H))
            return AreaBottom;
    }
    const bool left = Between(X, x, X + kBand);
    const bool right = Between(X + W - kBand, x, X + W);
    const bool top = Between(Y, y, Y + kBand);
    const bool bottom = Between(Y + H - kBand, y, Y + H);
    if (left && top)
        return AreaTopLeft;
    if (right && top)
        return AreaTopRight;
    if (left && bottom)
        return AreaBottomLeft;
    if (right && bottom)
        return AreaBottomRight;
    const bool outLeft = Between(X - kRotateHandle, x, X);
    const bool outRight = Between(X + W, x, X + W + kRotateHandle);
    const bool outTop = Between(Y - kRotateHandle, y, Y);
    const bool outBottom = Between(Y + H, y, Y + H + kRotateHandle);
    if ((outLeft || outRight) && (outTop || outBottom))
        return AreaRotate;
    if (Between(X, x, X + W) && Between(Y, y, Y + H))
        return AreaInside;
    return AreaOutside;
}

void CControlImage::ShowCursor(int area, int mode)
{
    if (!showPreview)
        area = AreaOutside;
    switch (area) {
    case AreaLeft:
    case AreaRight:
        setCursor(Qt::SizeHorCursor);
        break;
    case AreaTop:
    case AreaBottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case AreaTopLeft:
    case AreaBottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case AreaTopRight:
    case AreaBottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case AreaInside:
        setCursor(mode == 1 ? Qt::ClosedHandCursor : (mode == 2 ? Qt::OpenHandCursor : Qt::ArrowCursor));
        break;
    case AreaRotate: {
        if (filters.size() == 1 && (filters.first().id == FilterCrop || filters.first().id == FilterResize))
            break;
        const bool dense = devicePixelRatioF() != 1.0;
        setCursor(
            QCursor(m_RotateCursor, dense ? 8 : m_RotateCursor.width() / 2, dense ? 8 : m_RotateCursor.height() / 2));
        break;
    }
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

// --- drag steps ---------------------------------------------------------------

void CControlImage::DragStep()
{
    SFilterRecord record = filters.first();
    const bool mark = record.id == FilterText || record.id == FilterLogo;
    // A mark that renders nothing (empty text, missing logo) has nothing to drag.
    if (areaLabel->pixmap(Qt::ReturnByValue).isNull())
        return;
    if (m_DragArea == AreaInside) {
        if (record.id == FilterResize)
            return;
        areaLabel->move(m_AreaOrigin + (m_CurrentPoint - m_PressPoint));
    } else if (mark) {
        if (!DragMark(record))
            return;
    } else if (IsCorner(m_DragArea) || (m_DragArea >= AreaLeft && m_DragArea <= AreaBottom)) {
        if (record.id == FilterCrop)
            DragCrop(record);
        else
            DragResize(record);
        if (m_DragArea == AreaNone)
            return;
    } else {
        return;
    }
    WriteBack(record);
}

bool CControlImage::DragMark(SFilterRecord& record)
{
    const bool text = record.id == FilterText;
    double* n = record.numbers;
    const long dx = m_PressPoint.x() - m_CurrentPoint.x();
    const long dy = m_PressPoint.y() - m_CurrentPoint.y();
    const QRect g = areaLabel->geometry();
    if (IsCorner(m_DragArea)) {
        const int placement = qBound(0, SlotInt(n[text ? 1 : 0]), 8);
        const SCornerStep step = kCornerTable[m_DragArea - AreaTopLeft][PlacementColumn(placement)];
        if (step.factor == 0)
            return false;
        const double delta = step.factor * double(step.horizontal ? dx : dy);
        if (text) {
            const double unit =
                step.horizontal ? record.strings[0].size() * m_FitScale * kTextWidthUnit : m_FitScale * kTextHeightUnit;
            if (!(unit > 0))
                return false;
            n[9] = qMax(1.0, n[9] + delta / unit);
        } else {
            const double size = step.horizontal ? g.width() : g.height();
            if (!(size > 0))
                return false;
            n[6] = Limit(n[6] * (size + delta) / size, 1.0, kMaxLogoScale);
        }
    } else if (m_DragArea == AreaRotate) {
        const long cx = g.x() + g.width() / 2;
        const long cy = g.y() + g.height() / 2;
        double a0 = 0;
        double a1 = 0;
        if (!PointAngle(m_PressPoint.x() - cx, m_PressPoint.y() - cy, a0) ||
            !PointAngle(m_CurrentPoint.x() - cx, m_CurrentPoint.y() - cy, a1))
            return false;
        // Crossing the vertical flips atan by about 180 degrees: turn by one.
        if (std::abs(std::trunc(a0 - a1)) > 89)
            a0 = a1 + 1;
        double& rotation = n[text ? 4 : 7];
        if (!std::isfinite(rotation))
            rotation = 0;
        rotation += a1 - a0;
        if (rotation > 359)
            rotation -= 360;
        else if (rotation < 0)
            rotation += 360;
    } else {
        return false;
    }
    QPixmap pixmap;
    QRect rect;
    if (text)
        RefreshText(pixmap, rect, record);
    else
        RefreshLogo(pixmap, rect, record);
    areaLabel->setGeometry(rect);
    areaLabel->setPixmap(pixmap);
    m_PressPoint = m_CurrentPoint;
    return true;
}

CControlImage::SDragUnits CControlImage::DragUnits(bool percent) const
{
    SDragUnits u;
    u.photoWidth = double(m_EngineA.m_Image.columns());
    u.photoHeight = double(m_EngineA.m_Image.rows());
    u.toX = percent ? u.photoWidth / 100 : 1.0;
    u.toY = percent ? u.photoHeight / 100 : 1.0;
    u.stepX = (m_PressPoint.x() - m_CurrentPoint.x()) / m_FitScale;
    u.stepY = (m_PressPoint.y() - m_CurrentPoint.y()) / m_FitScale;
    return u;
}

void CControlImage::DragCrop(SFilterRecord& record)
{
    double* n = record.numbers;
    const SDragUnits u = DragUnits(n[4] == 1);
    const double pw = u.photoWidth;
    const double ph = u.photoHeight;
    const double toX = u.toX;
    const double toY = u.toY;
    double left = n[0] * toX;
    double top = n[1] * toY;
    double width = n[2] * toX;
    double height = n[3] * toY;
    const double sx = u.stepX;
    const double sy = u.stepY;
    const double oldLeft = left;
    const double oldTop = top;
    const int a = m_DragArea;
    // A left or top edge stops on the photo's edge and grows the crop by as
    // much as it moved, so the opposite edge stays.
    if (a == AreaLeft || a == AreaTopLeft || a == AreaBottomLeft) {
        const double to = qMax(0.0, left - sx);
        width += left - to;
        left = to;
    }
    if (a == AreaTop || a == AreaTopLeft || a == AreaTopRight) {
        const double to = qMax(0.0, top - sy);
        height += top - to;
        top = to;
    }
    bool rightHit = false;
    bool bottomHit = false;
    if (a == AreaRight || a == AreaTopRight || a == AreaBottomRight) {
        if (left + width - sx <= pw)
            width -= sx;
        else
            rightHit = true;
    }
    if (a == AreaBottom || a == AreaBottomLeft || a == AreaBottomRight) {
        if (top + height - sy <= ph)
            height -= sy;
        else
            bottomHit = true;
    }
    m_CropSide = rightHit ? (bottomHit ? 8 : 3) : (bottomHit ? 4 : 0);
    if (width < 1 || height < 1) {
        left = oldLeft;
        top = oldTop;
        width = qMax(1.0, width);
        height = qMax(1.0, height);
    }
    n[0] = Limit(left / toX, 0, kMaxCrop);
    n[1] = Limit(top / toY, 0, kMaxCrop);
    n[2] = Limit(width / toX, 0, kMaxCrop);
    n[3] = Limit(height / toY, 0, kMaxCrop);
    QPixmap pixmap;
    QRect rect;
    RefreshCrop(pixmap, rect, record);
    areaLabel->setGeometry(rect);
    areaLabel->setPixmap(pixmap);
    m_PressPoint = m_CurrentPoint;
}

void CControlImage::DragResize(SFilterRecord& record)
{
    const int a = m_DragArea;
    if (EdgesRefused(record) && a >= AreaLeft && a <= AreaBottom) {
        m_DragArea = AreaNone;
        return;
    }
    double* n = record.numbers;
    const bool percent = n[4] == 1;
    const SDragUnits u = DragUnits(percent);
    const double pw = u.photoWidth;
    const double ph = u.photoHeight;
    const double toX = u.toX;
    const double toY = u.toY;
    double width = n[0] * toX;
    double height = n[1] * toY;
    const double sx = u.stepX;
    const double sy = u.stepY;
    if (a == AreaLeft || a == AreaTopLeft || a == AreaBottomLeft)
        width += sx;
    if (a == AreaRight || a == AreaTopRight || a == AreaBottomRight)
        width -= sx;
    if (a == AreaTop || a == AreaTopLeft || a == AreaTopRight)
        height += sy;
    if (a == AreaBottom || a == AreaBottomLeft || a == AreaBottomRight)
        height -= sy;
    if (width < 1 || height < 1)
        width = height = 1;
    const double maxX = percent ? kMaxResizePercent : qMin(10 * pw, kMaxOffset);
    const double maxY = percent ? kMaxResizePercent : qMin(10 * ph, kMaxOffset);
    n[0] = Limit(width / toX, 0, maxX);
    n[1] = Limit(height / toY, 0, maxY);
    QPixmap pixmap;
    QRect rect;
    RefreshResize(pixmap, rect, record);
    const double ratio = devicePixelRatioF();
    const bool wide = pixmap.width() / ratio > m_FitWidth;
    const bool tall = pixmap.height() / ratio > m_FitHeight;
    if (wide || tall) {
        if (wide)
            n[0] = percent ? 100 : pw;
        if (tall)
            n[1] = percent ? 100 : ph;
        RefreshResize(pixmap, rect, record);
    }
    areaLabel->setGeometry(rect);
    areaLabel->setPixmap(pixmap);
    m_PressPoint = m_CurrentPoint;
}

void CControlImage::WriteBack(SFilterRecord& record)
{
    double* n = record.numbers;
    const QRect g = areaLabel->geometry();
    long x = g.x() - m_FitX;
    long y = g.y() - m_FitY;
    bool insideX = true;
    bool insideY = true;
    int side = 0;
    const bool corner = IsCorner(m_DragArea);
    if (record.id == FilterCrop) {
        RestrictWatermarkCoordinates(insideX, insideY, x, y, side, g.width(), g.height());
        // A crop moved whole is pushed back whole; a dragged edge or corner
        // ends on the photo's edge and the opposite edges stay.
        const bool moved = m_DragArea == AreaInside;
        // A step that would have passed the right or bottom edge counts as
        // reaching it.
        if (side == 0)
            side = m_CropSide;
        m_CropSide = 0;
        const bool percent = n[4] == 1;
        const double fullW = percent ? 100.0 : double(m_EngineA.m_Image.columns());
        const double fullH = percent ? 100.0 : double(m_EngineA.m_Image.rows());
        // A dragged edge or corner was placed by DragCrop; the frame's
        // position in whole screen pixels would shift the edges it does not hold.
        double left = !moved ? n[0] : (percent ? x * 100.0 / m_FitWidth : x / m_FitScale);
        double top = !moved ? n[1] : (percent ? y * 100.0 / m_FitHeight : y / m_FitScale);
        double& width = n[2];
        double& height = n[3];
        if (side == 3 || side == 7 || side == 8) {
            if (moved)
                left = fullW - width;
            else
                width = fullW - left;
        }
        if (side == 4 || side == 6 || side == 8) {
            if (moved)
                top = fullH - height;
            else
                height = fullH - top;
        }
        n[0] = Limit(left, 0, kMaxCrop);
        n[1] = Limit(top, 0, kMaxCrop);
        // The frame shows exactly what the record now holds.
        QPixmap pixmap;
        QRect rect;
        RefreshCrop(pixmap, rect, record);
        areaLabel->setGeometry(rect);
        areaLabel->setPixmap(pixmap);
        insideX = insideY = true;
    } else if ((record.id == FilterLogo && !corner && m_DragArea != AreaRotate) ||
               (record.id == FilterText && !corner)) {
        RestrictWatermarkCoordinates(insideX, insideY, x, y, side, g.width(), g.height());
        const int first = record.id == FilterText ? 1 : 0;
        int placement = 4;
        double offsetX = 0;
        double offsetY = 0;
        UpdateFilterAnnotateControls(placement, offsetX, offsetY, insideX, insideY, x, y, g.width(), g.height(), false);
        n[first] = placement;
        n[first + 1] = Limit(offsetX, -kMaxOffset, kMaxOffset);
        n[first + 2] = Limit(offsetY, -kMaxOffset, kMaxOffset);
    }
    if (!insideX || !insideY)
        areaLabel->move(int(m_FitX + x), int(m_FitY + y));
    emit UpdateFilterInterface(record);
    filters.clear();
    filters.append(record);
}

void CControlImage::RestrictWatermarkCoordinates(bool& insideX, bool& insideY, long& x, long& y, int& side, long w,
                                                 long h)
{
    side = 0;
    int horizontal = 0; // 1 left, 3 right
    int vertical = 0;   // 2 top, 4 bottom
    const long maxX = m_FitWidth - w;
    const long maxY = m_FitHeight - h;
    if (x < 0) {
        x = 0;
        horizontal = 1;
    } else if (x > maxX) {
        x = qMax(0L, maxX);
        horizontal = 3;
    }
    if (y < 0) {
        y = 0;
        vertical = 2;
    } else if (y > maxY) {
        y = qMax(0L, maxY);
        vertical = 4;
    }
    if (horizontal && vertical)
        side = horizontal == 1 ? (vertical == 2 ? 5 : 6) : (vertical == 2 ? 7 : 8);
    else
        side = horizontal ? horizontal : vertical;
    if (horizontal)
        insideX = false;
    if (vertical)
        insideY = false;
}

void CControlImage::UpdateFilterAnnotateControls(int& placement, double& dx, double& dy, bool& insideX, bool& insideY,
                                                 long x, long y, long w, long h, bool percent)
{
    int side = 0;
    RestrictWatermarkCoordinates(insideX, insideY, x, y, side, w, h);
    const double unitX = percent ? m_FitWidth / 100.0 : m_FitScale;
    const double unitY = percent ? m_FitHeight / 100.0 : m_FitScale;
    const long halfW = m_FitWidth / 2;
    const long halfH = m_FitHeight / 2;
    const bool column[3] = {0 <= x && x <= halfW - 0.75 * w, halfW - 0.75 * w <= x && x <= halfW - 0.25 * w,
                            halfW - 0.25 * w <= x && x <= m_FitWidth - w};
    const bool row[3] = {0 <= y && y <= halfH - h, halfH - h <= y && y <= halfH, halfH <= y && y <= m_FitHeight - h};
    placement = 4;
    for (int p = 0; p < 9; ++p) {
        if (row[p / 3] && column[p % 3]) {
            placement = p;
            break;
        }
    }
    const int col = placement % 3;
    const int line = placement / 3;
    const double ox = col == 0 ? x : (col == 1 ? x + w / 2 - halfW : m_FitWidth - (x + w));
    const double oy = line == 0 ? y : (line == 1 ? y + h / 2 - halfH : m_FitHeight - (y + h));
    dx = unitX > 0 ? ox / unitX : 0;
    dy = unitY > 0 ? oy / unitY : 0;
}
