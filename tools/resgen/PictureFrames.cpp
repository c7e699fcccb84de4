#include "FrameArt.h"
#include "FramePictures.h"
#include "SeededNoise.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace
{

const double Pi = 3.14159265358979323846;

// Window proportions; they match the filter engine's table.
const double Windows[PictureFrameCount][2] = {{0.72, 0.62}, {0.76, 0.63}, {0.94, 0.91}, {0.86, 0.82}};

double Bump(double t, double centre, double width)
{
    const double u = (t - centre) / width;
    return std::exp(-u * u);
}

double Hump(double t, double from, double to)
{
    if (t <= from || t >= to)
        return 0;
    return std::sin(Pi * (t - from) / (to - from));
}

// Where a pixel lies on the moulding: t runs from 0 at the outer edge to 1
// at the window, the corners are mitred, `along` runs along the side and
// `depth` is t in pixels.
struct SMoulding {
    double t;
    double along;
    double depth;
    double width;
};

SMoulding Locate(const QRect& window, int x, int y)
{
    const double cx = x + 0.5;
    const double cy = y + 0.5;
    const double left = window.left();
    const double top = window.top();
    const double right = FrameWidth - (window.left() + window.width());
    const double bottom = FrameHeight - (window.top() + window.height());
    const double fractions[4] = {cy / top, (FrameWidth - cx) / right, (FrameHeight - cy) / bottom, cx / left};
    const int side = static_cast<int>(std::min_element(fractions, fractions + 4) - fractions);
    const double widths[4] = {top, right, bottom, left};
    SMoulding m;
    m.t = std::min(fractions[side], 1.0);
    m.width = widths[side];
    m.depth = m.t * m.width;
    m.along = side % 2 == 0 ? cx : cy;
    return m;
}

// The material: height of the moulding (in pixels) and a texture term added
// to the shade.
struct SMaterial {
    QVector<QColor> keys;
    std::function<double(const SMoulding&)> height;
    std::function<double(const SMoulding&)> texture;
    double light;   // strength of the relief shading
    double ambient; // shade of a flat surface
    double gloss;   // > 1 narrows the highlights
};

SMaterial Material(int style, const CSeededNoise& noise)
{
    switch (style) {
    case 0: // wood
        return {{QColor(0x2b1408), QColor(0x5a2e12), QColor(0x8a4b1f), QColor(0xb8773d), QColor(0xe0b07a)},
                [](const SMoulding& m) {
                    return m.width *
                           (0.10 * Bump(m.t, 0.05, 0.05) + 0.16 * Hump(m.t, 0.12, 0.78) + 0.08 * Bump(m.t, 0.86, 0.05));
                },
                [&noise](const SMoulding& m) {
                    const double grain = noise.Fractal(m.along, m.depth * 14, 320, 4);
                    return 0.22 * (grain - 0.5) + 0.05 * std::sin(grain * 60);
                },
                0.55,
                0.52,
                1.0};
    case 1: // gold, with a row of beads
        return {{QColor(0x3a2606), QColor(0x7a5410), QColor(0xb8891e), QColor(0xe6c04a), QColor(0xfff2b0)},
                [](const SMoulding& m) {
                    const double period = 26;
                    const double u = std::fmod(m.along, period) / period - 0.5;
                    const double v = (m.t - 0.52) / 0.09;
                    const double bead = std::exp(-(u * u * 14 + v * v) * 2.2);
                    return m.width * (0.10 * Bump(m.t, 0.05, 0.04) + 0.12 * Hump(m.t, 0.09, 0.40) + 0.07 * bead +
                                      0.12 * Hump(m.t, 0.64, 0.90) + 0.06 * Bump(m.t, 0.94, 0.03));
                },
                [&noise](const SMoulding& m) { return 0.06 * (noise.Fractal(m.along, m.depth, 40, 3) - 0.5); },
                0.75,
                0.50,
                1.6};
    case 2: // black lacquer
        return {{QColor(0x050505), QColor(0x161616), QColor(0x2e2e2e), QColor(0x5a5a5a), QColor(0xc8c8c8)},
                [](const SMoulding& m) {
                    return m.width * (0.12 * std::min(m.t / 0.2, 1.0) + 0.05 * Hump(m.t, 0.2, 0.7) -
                                      0.10 * std::max(0.0, (m.t - 0.8) / 0.2));
                },
                [](const SMoulding&) { return 0.0; },
                0.9,
                0.22,
                2.5};
    default: // brushed silver, stepped
        return {{QColor(0x2a2d33), QColor(0x5f646c), QColor(0x9aa0a8), QColor(0xcfd4da), QColor(0xffffff)},
                [](const SMoulding& m) {
                    const double steps = std::floor(m.t * 4) / 4;
                    const double within = m.t * 4 - std::floor(m.t * 4);
                    return m.width * (0.10 * steps + 0.05 * Hump(within, 0.1, 0.9));
                },
                [&noise](const SMoulding& m) { return 0.07 * (noise.Fractal(m.along, m.depth * 30, 500, 3) - 0.5); },
                0.6,
                0.58,
                1.3};
    }
}

} // namespace

QImage DrawPictureFrame(int style)
{
    style = std::clamp(style, 0, PictureFrameCount - 1);
    const QRect window = FrameWindow(Windows[style][0], Windows[style][1]);
    const CSeededNoise noise(3001 + static_cast<std::uint32_t>(style));
    const SMaterial material = Material(style, noise);
    CFrameArt art(window, material.keys);

    // Height field first, then relief shading lit from the top left.
    std::vector<double> height(static_cast<size_t>(FrameWidth) * FrameHeight, 0.0);
    for (int y = 0; y < FrameHeight; ++y)
        for (int x = 0; x < FrameWidth; ++x)
            if (!window.contains(x, y))
                height[static_cast<size_t>(y) * FrameWidth + x] = material.height(Locate(window, x, y));
    const auto h = [&height](int x, int y) {
        x = std::clamp(x, 0, FrameWidth - 1);
        y = std::clamp(y, 0, FrameHeight - 1);
        return height[static_cast<size_t>(y) * FrameWidth + x];
    };
    for (int y = 0; y < FrameHeight; ++y) {
        for (int x = 0; x < FrameWidth; ++x) {
            if (window.contains(x, y))
                continue;
            const SMoulding m = Locate(window, x, y);
            const double slope = (h(x + 1, y + 1) - h(x - 1, y - 1)) / 2;
            const double lit = std::clamp(0.5 + material.light * std::tanh(slope), 0.0, 1.0);
            double shade = material.ambient * 0.4 + 0.6 * std::pow(lit, material.gloss) + material.texture(m);
            const double toWindow = m.width - m.depth;
            if (toWindow < 3) // the rabbet's shadow
                shade = 0.05 + 0.04 * toWindow;
            if (m.depth < 1.5) // the outer edge
                shade *= 0.6;
            art.SetShade(x, y, shade);
        }
    }
    return art.Finish(0.0);
}
