#include "Masks.h"

#include "SeededNoise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

const double Pi = 3.14159265358979323846;
const QPointF Centre(MaskWidth / 2.0, MaskHeight / 2.0);

QPainterPath Polygon(const QVector<QPointF>& points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Star()
{
    // Five points, widened so that it fills a landscape photo.
    QVector<QPointF> points;
    const QPointF centre(600, 420);
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 370 : 170;
        const double angle = -Pi / 2 + i * Pi / 5;
        points << centre + QPointF(1.3 * radius * std::cos(angle), radius * std::sin(angle));
    }
    return Polygon(points);
}

QPainterPath Heart()
{
    QVector<QPointF> points;
    for (int i = 0; i < 720; ++i) {
        const double t = i * 2 * Pi / 720;
        const double x = 16 * std::pow(std::sin(t), 3);
        const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
        points << QPointF(600 + 30 * x, 400 - 23 * (y + 2.5));
    }
    return Polygon(points);
}

QPainterPath Shield()
{
    QPainterPath path(QPointF(600, 70));
    path.cubicTo(760, 130, 900, 110, 1010, 80);
    path.lineTo(1010, 380);
    path.cubicTo(1010, 560, 820, 680, 600, 745);
    path.cubicTo(380, 680, 190, 560, 190, 380);
    path.lineTo(190, 80);
    path.cubicTo(300, 110, 440, 130, 600, 70);
    path.closeSubpath();
    return path;
}

// Inside the central 30 % of both sides, which the cracks never enter (plus
// room for the pen).
bool InCentralBox(const QPointF& p)
{
    return std::abs(p.x() - Centre.x()) < 0.15 * MaskWidth + 6 && std::abs(p.y() - Centre.y()) < 0.15 * MaskHeight + 6;
}

// A crack from `start`, heading roughly along `angle`, that stops before the
// central box.
void DrawCrack(QPainter& p, CSeededNoise& random, QPointF start, double angle, double length, bool mayBranch)
{
    QPainterPath path(start);
    QPointF point = start;
    for (double walked = 0; walked < length;) {
        const double step = random.Range(14, 34);
        angle += random.Range(-0.35, 0.35);
        const QPointF next = point + QPointF(step * std::cos(angle), step * std::sin(angle));
        if (InCentralBox(next))
            break;
        path.lineTo(next);
        if (mayBranch && random.Next() < 0.18) {
            // One draw per statement: the order of arguments is unspecified.
            const double turn = random.Next() < 0.5 ? -0.7 : 0.7;
            const double branch = random.Range(30, 90);
            DrawCrack(p, random, next, angle + turn, branch, false);
        }
        point = next;
        walked += step;
    }
    p.setPen(QPen(Qt::white, mayBranch ? random.Range(2.5, 4.0) : 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void CrackedGlass(QPainter& p)
{
    CSeededNoise random(4104);
    // A rounded rectangle (superellipse) with a ragged rim.
    QVector<QPointF> rim;
    const int count = 240;
    for (int i = 0; i < count; ++i) {
        const double angle = i * 2 * Pi / count;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const double r = std::pow(std::pow(std::abs(c) / 520, 4) + std::pow(std::abs(s) / 340, 4), -0.25);
        double jag = random.Range(-0.025, 0.025);
        if (random.Next() < 0.1)
            jag -= 0.03; // a chip out of the rim
        rim << Centre + QPointF(c * r * (1 + jag), s * r * (1 + jag));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(Polygon(rim));
    // Cracks run inward from the rim.
    for (int i = 0; i < 16; ++i) {
        const int at = (i * count / 16 + static_cast<int>(random.Range(0, 8))) % count;
        const QPointF start = rim[at];
        const QPointF towards = Centre - start;
        const double angle = std::atan2(towards.y(), towards.x()) + random.Range(-0.4, 0.4);
        DrawCrack(p, random, start, angle, random.Range(90, 320), true);
    }
}

} // namespace

QImage DrawShapeMask(int shape)
{
    QImage image(MaskWidth, MaskHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    switch (shape) {
    case 0:
        p.drawRect(QRectF(96, 64, 1008, 672));
        break;
    case 1:
        p.drawEllipse(QRectF(84, 56, 1032, 688));
        break;
    case 2:
        p.drawPath(Star());
        break;
    case 3:
        p.drawPath(Heart());
        break;
    case 4:
        CrackedGlass(p);
        break;
    default:
        p.drawPath(Shield());
        break;
    }
    p.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage DrawGrungeMask(int style)
{
    struct SStyle {
        std::uint32_t seed;
        double border; // mean width of the white border, pixels
        double rough;  // how far the noise moves the inner edge, pixels
        double period; // size of the largest bumps, pixels
        int octaves;
        int speckles;
    };
    static const SStyle styles[] = {
        {2001, 70, 34, 140, 5, 260}, {2002, 60, 46, 220, 6, 180}, {2003, 84, 26, 90, 4, 420},
        {2004, 66, 52, 300, 6, 120}, {2005, 76, 40, 160, 5, 600}, {2006, 58, 30, 60, 3, 320},
    };
    const SStyle& s = styles[std::clamp(style, 0, 5)];
    CSeededNoise noise(s.seed);

    QImage image(MaskWidth, MaskHeight, QImage::Format_RGB32);
    const int safeX = static_cast<int>(0.03 * MaskWidth);
    const int safeY = static_cast<int>(0.03 * MaskHeight);
    for (int y = 0; y < MaskHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < MaskWidth; ++x) {
            const double edge = std::min({x, MaskWidth - 1 - x, y, MaskHeight - 1 - y});
            const double wobble = (noise.Fractal(x, y, s.period, s.octaves) - 0.5) * 2 * s.rough;
            // A pixel and a half of soft edge.
            const double inside = (edge - s.border - wobble) / 1.5;
            const int grey = static_cast<int>(std::lround(255 * std::clamp(0.5 - inside, 0.0, 1.0)));
            row[x] = qRgb(grey, grey, grey);
        }
    }
    // Speckles: white flecks just inside the edge, dark ones in the border.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double reach = s.border + s.rough;
    for (int i = 0; i < s.speckles; ++i) {
        const bool white = noise.Next() < 0.6;
        const double depth = white ? noise.Range(reach * 0.7, reach + 70) : noise.Range(safeY + 6, s.border * 0.8);
        const double along = noise.Next();
        const double radius = noise.Range(0.8, white ? 4.5 : 3.0);
        QPointF at;
        switch (static_cast<int>(noise.Next() * 4)) {
        case 0:
            at = QPointF(along * MaskWidth, depth);
            break;
        case 1:
            at = QPointF(along * MaskWidth, MaskHeight - 1 - depth);
            break;
        case 2:
            at = QPointF(depth, along * MaskHeight);
            break;
        default:
            at = QPointF(MaskWidth - 1 - depth, along * MaskHeight);
            break;
        }
        p.setBrush(white ? Qt::white : Qt::black);
        p.drawEllipse(at, radius * noise.Range(0.7, 1.4), radius);
    }
    // The outer 3 % stays white whatever the noise and the speckles did.
    p.setBrush(Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, MaskWidth, safeY);
    p.drawRect(0, MaskHeight - safeY, MaskWidth, safeY);
    p.drawRect(0, 0, safeX, MaskHeight);
    p.drawRect(MaskWidth - safeX, 0, safeX, MaskHeight);
    p.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage BlurMask(const QImage& mask, double sigma)
{
    const QImage grey = mask.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width();
    const int h = grey.height();
    const int radius = static_cast<int>(std::ceil(4 * sigma));
    std::vector<double> kernel(static_cast<size_t>(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += kernel[static_cast<size_t>(i + radius)] = std::exp(-0.5 * i * i / (sigma * sigma));
    for (double& k : kernel)
        k /= sum;

    std::vector<double> across(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            double v = 0;
            for (int i = -radius; i <= radius; ++i)
                v += kernel[static_cast<size_t>(i + radius)] * row[std::clamp(x + i, 0, w - 1)];
            across[static_cast<size_t>(y) * w + x] = v;
        }
    }
    QImage out(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            double v = 0;
            for (int i = -radius; i <= radius; ++i)
                v += kernel[static_cast<size_t>(i + radius)] *
                     across[static_cast<size_t>(std::clamp(y + i, 0, h - 1)) * w + x];
            row[x] = static_cast<uchar>(std::clamp(std::lround(v), 0L, 255L));
        }
    }
    return out;
}
