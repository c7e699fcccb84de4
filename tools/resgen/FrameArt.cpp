#include "FrameArt.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr int RampSize = 240;
} // namespace

QRect FrameWindow(double widthRatio, double heightRatio)
{
    const int w = static_cast<int>(std::lround(widthRatio * FrameWidth));
    const int h = static_cast<int>(std::lround(heightRatio * FrameHeight));
    return QRect((FrameWidth - w) / 2, (FrameHeight - h) / 2, w, h);
}

CFrameArt::CFrameArt(const QRect& window, const QVector<QColor>& keys)
    : m_window(window), m_shade(static_cast<size_t>(FrameWidth) * FrameHeight, 0.5f),
      m_ink(FrameWidth, FrameHeight, QImage::Format_ARGB32)
{
    m_ink.fill(Qt::transparent);
    const int spans = keys.size() - 1;
    for (int i = 0; i < RampSize; ++i) {
        const double at = static_cast<double>(i) / (RampSize - 1) * spans;
        const int k = std::min(static_cast<int>(at), spans - 1);
        const double f = at - k;
        const QColor& a = keys[k];
        const QColor& b = keys[k + 1];
        const auto mix = [f](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * f)); };
        m_ramp << qRgb(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
    }
}

double CFrameArt::WindowDistance(int x, int y, bool* aboveOrBelow) const
{
    const double cx = x + 0.5;
    const double cy = y + 0.5;
    const double dx = std::max({m_window.left() - cx, cx - (m_window.left() + m_window.width()), 0.0});
    const double dy = std::max({m_window.top() - cy, cy - (m_window.top() + m_window.height()), 0.0});
    if (aboveOrBelow != nullptr)
        *aboveOrBelow = dy >= dx;
    return std::max(dx, dy);
}

QImage CFrameArt::Finish(double inkShade) const
{
    QImage out(FrameWidth, FrameHeight, QImage::Format_ARGB32);
    for (int y = 0; y < FrameHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* ink = reinterpret_cast<const QRgb*>(m_ink.constScanLine(y));
        for (int x = 0; x < FrameWidth; ++x) {
            if (m_window.contains(x, y)) {
                row[x] = 0;
                continue;
            }
            const double a = qAlpha(ink[x]) / 255.0;
            const double shade = std::clamp(Shade(x, y) * (1 - a) + inkShade * a, 0.0, 1.0);
            row[x] = m_ramp[static_cast<int>(std::lround(shade * (RampSize - 1)))];
        }
    }
    return out;
}
