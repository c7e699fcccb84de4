#pragma once
// The canvas of a picture or vintage frame: a grey "shade" per pixel, dark
// ink painted over it, and a colour ramp that turns both into at most 240
// colours. The window is fully transparent and every other pixel opaque, so
// the GIF needs no partial transparency and keeps every colour exactly.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QVector>

#include <vector>

constexpr int FrameWidth = 1200;
constexpr int FrameHeight = 800;

// The centred window of round(widthRatio x 1200) x round(heightRatio x 800).
QRect FrameWindow(double widthRatio, double heightRatio);

class CFrameArt
{
public:
    // `keys` run from the darkest to the lightest colour of the material.
    CFrameArt(const QRect& window, const QVector<QColor>& keys);

    const QRect& Window() const { return m_window; }
    // Distance in pixels from the centre of (x, y) to the window, along the
    // nearer axis (0 inside), and whether that axis is the vertical one
    // (the pixel lies above or below the window).
    double WindowDistance(int x, int y, bool* aboveOrBelow = nullptr) const;

    // Shades run from 0 (darkest) to 1 (lightest); values outside are clamped.
    void SetShade(int x, int y, double shade) { m_shade[Index(x, y)] = static_cast<float>(shade); }
    double Shade(int x, int y) const { return m_shade[Index(x, y)]; }

    // A transparent layer; whatever is painted on it darkens the art towards
    // `inkShade` by its alpha.
    QImage& Ink() { return m_ink; }

    // The finished frame, ARGB32.
    QImage Finish(double inkShade) const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * FrameWidth + x; }

    QRect m_window;
    QVector<QRgb> m_ramp;
    std::vector<float> m_shade;
    QImage m_ink;
};
