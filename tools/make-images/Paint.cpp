#include "Paint.h"

#include <QFont>
#include <QtMath>

QColor Rgb(QRgb rgb, int alpha)
{
    QColor c(rgb);
    c.setAlpha(alpha);
    return c;
}

UnitBox::UnitBox(QPainter& painter, const QRectF& cell, qreal units) : m_painter(painter)
{
    m_painter.save();
    m_painter.translate(cell.topLeft());
    m_painter.scale(cell.width() / units, cell.height() / units);
}

UnitBox::UnitBox(QPainter& painter, const QRectF& cell, const QSizeF& design) : m_painter(painter)
{
    const qreal s = qMin(cell.width() / design.width(), cell.height() / design.height());
    m_painter.save();
    m_painter.translate(cell.center());
    m_painter.scale(s, s);
    m_painter.translate(-design.width() / 2, -design.height() / 2);
}

UnitBox::~UnitBox()
{
    m_painter.restore();
}

qreal Lcg::Next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return (m_state >> 8) / qreal(1 << 24);
}

QPen Stroke(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void FillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, qreal width)
{
    p.fillPath(path, fill);
    if (width > 0)
        p.strokePath(path, Stroke(outline, width));
}

namespace
{
QColor Toned(QRgb rgb, Tone tone)
{
    const QColor c(rgb);
    if (tone == Tone::Colour)
        return c;
    const int y = qGray(rgb);
    if (tone == Tone::Grey)
        return QColor(y, y, y);
    // Sepia: warm browns from the luminance.
    return QColor(qMin(255, y + 40), qMin(255, y + 18), qMax(0, y - 20));
}
} // namespace

void DrawLandscape(QPainter& p, const QRectF& r, Tone tone)
{
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.fillRect(r, Toned(Colors::Sky, tone));
    const qreal w = r.width(), h = r.height();
    p.setBrush(Toned(Colors::Sun, tone));
    p.drawEllipse(QPointF(r.left() + w * 0.74, r.top() + h * 0.28), w * 0.12, w * 0.12);
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left(), r.top() + h * 0.70);
    back.lineTo(r.left() + w * 0.35, r.top() + h * 0.38);
    back.lineTo(r.left() + w * 0.65, r.top() + h * 0.72);
    back.lineTo(r.right(), r.bottom());
    back.closeSubpath();
    p.fillPath(back, Toned(Colors::HillDark, tone));
    QPainterPath front;
    front.moveTo(r.left(), r.bottom());
    front.lineTo(r.left() + w * 0.40, r.top() + h * 0.80);
    front.lineTo(r.left() + w * 0.72, r.top() + h * 0.52);
    front.lineTo(r.right(), r.top() + h * 0.74);
    front.lineTo(r.right(), r.bottom());
    front.closeSubpath();
    p.fillPath(front, Toned(Colors::Hill, tone));
    p.restore();
}

void DrawPhoto(QPainter& p, const QRectF& r, Tone tone)
{
    const qreal edge = qMax<qreal>(1.5, r.width() * 0.07);
    p.fillRect(r, Rgb(Colors::Paper));
    DrawLandscape(p, r.adjusted(edge, edge, -edge, -edge), tone);
    p.setPen(Stroke(Rgb(Colors::Outline), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

QPainterPath TextPath(const QString& text, bool bold, const QRectF& box)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    if (b.isEmpty())
        return path;
    const qreal s = qMin(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

namespace
{
QPointF Unit(const QPointF& v)
{
    const qreal len = qSqrt(v.x() * v.x() + v.y() * v.y());
    return len > 0 ? v / len : QPointF(1, 0);
}

// The shaft's outline joined with a head whose tip is `tip`.
QPainterPath WithHead(const QPainterPath& shaft, qreal width, const QPointF& tip, const QPointF& dir)
{
    const qreal size = width * 2.6;
    const QPointF n(-dir.y(), dir.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - dir * size + n * size * 0.62);
    head.lineTo(tip - dir * size - n * size * 0.62);
    head.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(shaft).united(head).simplified();
}
} // namespace

QPainterPath LineArrowPath(const QPointF& from, const QPointF& to, qreal width)
{
    const QPointF dir = Unit(to - from);
    QPainterPath shaft;
    shaft.moveTo(from);
    shaft.lineTo(to - dir * width * 2.6 * 0.8);
    return WithHead(shaft, width, to, dir);
}

QPainterPath ArcArrowPath(const QPointF& centre, qreal radius, qreal startDeg, qreal spanDeg, qreal width)
{
    const qreal head = width * 2.6;
    // Leave room for the head: end the arc where the head's base sits.
    const qreal sign = spanDeg < 0 ? -1 : 1;
    const qreal trim = qRadiansToDegrees(head * 0.8 / radius) * sign;
    const QRectF box(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, spanDeg - trim);
    const qreal a = qDegreesToRadians(startDeg + spanDeg - trim);
    const QPointF base(centre.x() + radius * qCos(a), centre.y() - radius * qSin(a));
    const QPointF dir = Unit(QPointF(-qSin(a), -qCos(a)) * sign);
    return WithHead(arc, width, base + dir * head * 0.8, dir);
}

void DrawLineArrow(QPainter& p, const QPointF& from, const QPointF& to, qreal width, const QColor& color)
{
    p.fillPath(LineArrowPath(from, to, width), color);
}

void DrawArcArrow(QPainter& p, const QPointF& centre, qreal radius, qreal startDeg, qreal spanDeg, qreal width,
                  const QColor& color)
{
    p.fillPath(ArcArrowPath(centre, radius, startDeg, spanDeg, width), color);
}

QPainterPath StarPath(const QPointF& centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = M_PI / 2 + i * M_PI / points;
        const qreal r = (i % 2) ? inner : outer;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() - r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(const QRectF& r)
{
    const qreal x = r.left(), y = r.top(), w = r.width(), h = r.height();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.1, y + h * 0.7, x - w * 0.05, y + h * 0.35, x + w * 0.12, y + h * 0.12);
    path.cubicTo(x + w * 0.28, y - h * 0.06, x + w * 0.46, y + h * 0.05, x + w * 0.5, y + h * 0.22);
    path.cubicTo(x + w * 0.54, y + h * 0.05, x + w * 0.72, y - h * 0.06, x + w * 0.88, y + h * 0.12);
    path.cubicTo(x + w * 1.05, y + h * 0.35, x + w * 0.9, y + h * 0.7, x + w * 0.5, y + h);
    path.closeSubpath();
    return path;
}

QPainterPath ShieldPath(const QRectF& r)
{
    const qreal x = r.left(), y = r.top(), w = r.width(), h = r.height();
    QPainterPath path;
    path.moveTo(x, y + h * 0.08);
    path.quadTo(x + w * 0.5, y - h * 0.04, x + w, y + h * 0.08);
    path.lineTo(x + w, y + h * 0.45);
    path.quadTo(x + w * 0.95, y + h * 0.85, x + w * 0.5, y + h);
    path.quadTo(x + w * 0.05, y + h * 0.85, x, y + h * 0.45);
    path.closeSubpath();
    return path;
}

QPainterPath GearPath(const QPointF& centre, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = (i % 4 < 2) ? outer : inner;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, inner * 0.42, inner * 0.42);
    return path.subtracted(hole);
}

QPainterPath RoughRect(const QRectF& r, qreal amplitude, qreal step, quint32 seed)
{
    Lcg rnd(seed);
    QPainterPath path;
    const auto edge = [&](QPointF a, QPointF b, QPointF inward, bool first) {
        const QPointF d = b - a;
        const qreal len = qSqrt(d.x() * d.x() + d.y() * d.y());
        const int n = qMax(2, int(len / step));
        for (int i = 0; i < n; ++i) {
            const QPointF pt = a + d * (qreal(i) / n) + inward * (rnd.Next() * amplitude);
            if (first && i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
    };
    edge(r.topLeft(), r.topRight(), QPointF(0, 1), true);
    edge(r.topRight(), r.bottomRight(), QPointF(-1, 0), false);
    edge(r.bottomRight(), r.bottomLeft(), QPointF(0, -1), false);
    edge(r.bottomLeft(), r.topLeft(), QPointF(1, 0), false);
    path.closeSubpath();
    return path;
}

QPainterPath Ring(const QPainterPath& outer, const QPainterPath& inner)
{
    return outer.subtracted(inner);
}

QPainterPath RectPath(const QRectF& r, qreal radius)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}
