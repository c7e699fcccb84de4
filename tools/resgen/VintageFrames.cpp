#include "FrameArt.h"
#include "FramePictures.h"
#include "SeededNoise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace
{

enum class EEdge { Torn, Scalloped, Deckled };
enum class EOrnament { Flourish, Brackets, DoubleRule, Dots };

struct SVintageStyle {
    double width; // window proportions, as in the filter engine's table
    double height;
    EEdge edge;
    EOrnament ornament;
    int paper; // colour ramp
};

const SVintageStyle Styles[VintageFrameCount] = {
    {0.88, 0.80, EEdge::Torn, EOrnament::Flourish, 0},
    {0.72, 0.66, EEdge::Scalloped, EOrnament::Brackets, 0},
    {0.73, 0.71, EEdge::Deckled, EOrnament::DoubleRule, 1},
    {0.86, 0.62, EEdge::Scalloped, EOrnament::Flourish, 2},
    {0.92, 0.89, EEdge::Torn, EOrnament::Dots, 0},
    {0.67, 0.62, EEdge::Deckled, EOrnament::Flourish, 1},
    {0.76, 0.59, EEdge::Scalloped, EOrnament::DoubleRule, 0},
    {0.86, 0.71, EEdge::Torn, EOrnament::Brackets, 2},
    {0.85, 0.63, EEdge::Scalloped, EOrnament::Dots, 1},
};

QVector<QColor> Paper(int ramp)
{
    switch (ramp) {
    case 1: // grey sepia
        return {QColor(0x262220), QColor(0x5d554c), QColor(0x948a7c), QColor(0xc9c0b0), QColor(0xefe9dc)};
    case 2: // brown
        return {QColor(0x24140a), QColor(0x5a3419), QColor(0x8f5f36), QColor(0xc49a6c), QColor(0xead6b4)};
    default: // warm sepia
        return {QColor(0x2e1b0e), QColor(0x6b4423), QColor(0xa47a4b), QColor(0xd2b58a), QColor(0xf3e6c8)};
    }
}

double SmoothStep(double from, double to, double v)
{
    const double t = std::clamp((v - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// How far the white photo border reaches beyond its mean line at `along`.
double EdgeOffset(EEdge edge, double along, double band, const CSeededNoise& noise, bool vertical)
{
    switch (edge) {
    case EEdge::Torn:
        return 0.45 * band * (noise.Fractal(along, vertical ? 500 : 900, 36, 5) - 0.5) * 2;
    case EEdge::Scalloped: {
        const double period = std::max(10.0, 1.4 * band);
        const double u = std::fmod(along, period) / (period / 2) - 1;
        return 0.35 * band * (std::sqrt(std::max(0.0, 1 - u * u)) - 0.5) * 2;
    }
    case EEdge::Deckled: {
        const double u = std::fmod(along, 7.0) / 7.0;
        const double zigzag = u < 0.5 ? u * 2 : 2 - u * 2;
        return 0.18 * band * (zigzag - 0.5) * 2 +
               0.12 * band * (noise.Fractal(along, vertical ? 200 : 300, 12, 2) - 0.5);
    }
    }
    return 0;
}

// A corner flourish in a unit box whose corner is at (0, 0).
void Flourish(QPainter& p, double size)
{
    QPen pen(Qt::black, std::max(1.2, size * 0.04), Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath curve(QPointF(size, 0.16 * size));
    curve.cubicTo(0.45 * size, 0.16 * size, 0.16 * size, 0.45 * size, 0.16 * size, size);
    p.drawPath(curve);
    QPainterPath inner(QPointF(0.75 * size, 0.30 * size));
    inner.quadTo(0.30 * size, 0.30 * size, 0.30 * size, 0.75 * size);
    p.drawPath(inner);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0.36 * size, 0.36 * size), 0.08 * size, 0.08 * size);
    for (const QPointF& at : {QPointF(0.62, 0.19), QPointF(0.19, 0.62)}) {
        p.save();
        p.translate(at * size);
        p.rotate(at.x() > at.y() ? -20 : 110);
        p.drawEllipse(QPointF(0, 0), 0.11 * size, 0.04 * size);
        p.restore();
    }
}

void DrawOrnaments(QPainter& p, const SVintageStyle& style, const QRect& window, double reach)
{
    const double margin = std::min(window.left(), window.top());
    const double gap = margin - reach; // paper between the outer edge and the photo border
    const QPointF corners[4] = {QPointF(0, 0), QPointF(FrameWidth, 0), QPointF(FrameWidth, FrameHeight),
                                QPointF(0, FrameHeight)};
    const double signs[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    p.setRenderHint(QPainter::Antialiasing);
    switch (style.ornament) {
    case EOrnament::Flourish:
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(corners[i]);
            p.scale(signs[i][0], signs[i][1]);
            p.translate(0.12 * gap, 0.12 * gap);
            Flourish(p, 0.8 * gap);
            p.restore();
        }
        break;
    case EOrnament::Brackets: {
        // L-shaped brackets around the photo's corners, outside the window.
        const double arm = std::max(14.0, 0.05 * window.width());
        const double off = reach + 2;
        const QPointF windowCorners[4] = {window.topLeft(), QPointF(window.left() + window.width(), window.top()),
                                          QPointF(window.left() + window.width(), window.top() + window.height()),
                                          QPointF(window.left(), window.top() + window.height())};
        p.setPen(QPen(Qt::black, std::max(2.0, 0.12 * gap), Qt::SolidLine, Qt::SquareCap));
        for (int i = 0; i < 4; ++i) {
            const double sx = -signs[i][0];
            const double sy = -signs[i][1];
            const QPointF c = windowCorners[i] + QPointF(sx * off, sy * off);
            p.drawLine(c, c + QPointF(-sx * arm, 0));
            p.drawLine(c, c + QPointF(0, -sy * arm));
        }
        break;
    }
    case EOrnament::DoubleRule:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2.0));
        p.drawRect(QRectF(0.25 * gap, 0.25 * gap, FrameWidth - 0.5 * gap, FrameHeight - 0.5 * gap));
        p.setPen(QPen(Qt::black, 1.0));
        p.drawRect(QRectF(0.42 * gap, 0.42 * gap, FrameWidth - 0.84 * gap, FrameHeight - 0.84 * gap));
        break;
    case EOrnament::Dots: {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const double inset = 0.4 * gap;
        const QRectF line(inset, inset, FrameWidth - 2 * inset, FrameHeight - 2 * inset);
        for (double x = line.left(); x <= line.right(); x += 12) {
            p.drawEllipse(QPointF(x, line.top()), 1.6, 1.6);
            p.drawEllipse(QPointF(x, line.bottom()), 1.6, 1.6);
        }
        for (double y = line.top(); y <= line.bottom(); y += 12) {
            p.drawEllipse(QPointF(line.left(), y), 1.6, 1.6);
            p.drawEllipse(QPointF(line.right(), y), 1.6, 1.6);
        }
        const double d = 0.18 * gap;
        for (const QPointF& c : {line.topLeft(), line.topRight(), line.bottomRight(), line.bottomLeft()})
            p.drawPolygon(QPolygonF({c + QPointF(0, -d), c + QPointF(d, 0), c + QPointF(0, d), c + QPointF(-d, 0)}));
        break;
    }
    }
}

} // namespace

QImage DrawVintageFrame(int style)
{
    style = std::clamp(style, 0, VintageFrameCount - 1);
    const SVintageStyle& s = Styles[style];
    const QRect window = FrameWindow(s.width, s.height);
    CFrameArt art(window, Paper(s.paper));
    CSeededNoise noise(4001 + static_cast<std::uint32_t>(style));

    const double margin = std::min(window.left(), window.top());
    const double band = std::clamp(0.3 * margin, 9.0, 24.0);
    const double reach = band * 1.45; // the photo border's furthest reach

    // Stains: a few soft blotches with a darker rim, placed on the paper.
    struct SStain {
        double x, y, r;
    };
    QVector<SStain> stains;
    for (int i = 0; i < 4; ++i) {
        const bool horizontal = noise.Next() < 0.5;
        const bool nearStart = noise.Next() < 0.5;
        const double along = noise.Next();
        const double radius = noise.Range(20, 70);
        const double x = horizontal  ? along * FrameWidth
                         : nearStart ? 0.4 * window.left()
                                     : FrameWidth - 0.4 * window.left();
        const double y = !horizontal ? along * FrameHeight
                         : nearStart ? 0.4 * window.top()
                                     : FrameHeight - 0.4 * window.top();
        stains.push_back({x, y, radius});
    }

    for (int y = 0; y < FrameHeight; ++y) {
        for (int x = 0; x < FrameWidth; ++x) {
            if (window.contains(x, y))
                continue;
            bool vertical = false;
            const double distance = art.WindowDistance(x, y, &vertical);
            const double along = vertical ? x + 0.5 : y + 0.5;
            const double boundary = band + EdgeOffset(s.edge, along, band, noise, vertical);
            double shade;
            if (distance < boundary) {
                // The photo's own white border.
                shade = 0.93 + 0.04 * (noise.Fractal(x, y, 5, 2) - 0.5);
            } else if (distance < boundary + 1.6) {
                shade = 0.42; // its edge casts a thin shadow
            } else {
                const double outer = std::min({x + 0.5, FrameWidth - x - 0.5, y + 0.5, FrameHeight - y - 0.5});
                shade = 0.72 + 0.16 * (noise.Fractal(x, y, 170, 5) - 0.5) +
                        0.06 * (noise.Fractal(x + 400, y, 4, 2) - 0.5) -
                        0.28 * std::pow(1 - SmoothStep(0, 0.9 * margin, outer), 2);
                for (const SStain& st : stains) {
                    const double r = std::hypot(x - st.x, y - st.y) / st.r;
                    shade -= 0.07 * (1 - SmoothStep(0.7, 1.0, r)) + 0.05 * std::exp(-std::pow((r - 0.95) / 0.05, 2));
                }
            }
            art.SetShade(x, y, shade);
        }
    }

    QPainter p(&art.Ink());
    // Foxing: small brown spots on the paper.
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 140; ++i) {
        // One draw per statement: the order of arguments is unspecified.
        const double x = noise.Range(0, FrameWidth);
        const double y = noise.Range(0, FrameHeight);
        const int alpha = static_cast<int>(noise.Range(30, 90));
        const double rx = noise.Range(0.6, 2.2);
        const double ry = noise.Range(0.6, 2.2);
        if (art.WindowDistance(static_cast<int>(x), static_cast<int>(y)) < reach + 3)
            continue;
        p.setBrush(QColor(0, 0, 0, alpha));
        p.drawEllipse(QPointF(x, y), rx, ry);
    }
    DrawOrnaments(p, s, window, reach);
    p.end();
    return art.Finish(0.12);
}
