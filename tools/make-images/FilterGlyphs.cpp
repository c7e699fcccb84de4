#include "FilterGlyphs.h"

#include "Paint.h"

#include <QtMath>

namespace
{

// The landscape seen through `shape`, outlined.
void Window(QPainter& p, const QPainterPath& shape, Tone tone = Tone::Colour)
{
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    DrawLandscape(p, shape.boundingRect().adjusted(-1, -1, 1, 1), tone);
    p.restore();
    p.strokePath(shape, Stroke(Rgb(Colors::Outline), 0.8));
}

// A frame between two rectangles, lit from the top left.
void BevelFrame(QPainter& p, const QRectF& o, const QRectF& i, const QColor& light, const QColor& dark)
{
    QPainterPath top;
    top.moveTo(o.topLeft());
    top.lineTo(o.topRight());
    top.lineTo(i.topRight());
    top.lineTo(i.topLeft());
    top.lineTo(i.bottomLeft());
    top.lineTo(o.bottomLeft());
    top.closeSubpath();
    QPainterPath bottom;
    bottom.moveTo(o.bottomRight());
    bottom.lineTo(o.bottomLeft());
    bottom.lineTo(i.bottomLeft());
    bottom.lineTo(i.bottomRight());
    bottom.lineTo(i.topRight());
    bottom.lineTo(o.topRight());
    bottom.closeSubpath();
    p.fillPath(top, light);
    p.fillPath(bottom, dark);
}

// Dots centred on the edges of `r`, `perSide` gaps to a side.
QPainterPath EdgeDots(const QRectF& r, qreal radius, int perSide)
{
    QPainterPath dots;
    for (int i = 0; i <= perSide; ++i) {
        const qreal t = qreal(i) / perSide;
        const QPointF points[] = {{r.left() + t * r.width(), r.top()},
                                  {r.left() + t * r.width(), r.bottom()},
                                  {r.left(), r.top() + t * r.height()},
                                  {r.right(), r.top() + t * r.height()}};
        for (const QPointF& pt : points)
            dots.addEllipse(pt, radius, radius);
    }
    return dots.simplified();
}

// ---- frames of the filter sheet ----

void ShapeFrameIcon(QPainter& p, const QPainterPath& window)
{
    FillOutlined(p, RectPath(QRectF(1.5, 1.5, 29, 29), 1.5), Rgb(Colors::Slate), Rgb(Colors::Outline), 1);
    Window(p, window);
}

void GrungeFrameIcon(QPainter& p, int style)
{
    static const QRgb inks[] = {0x1E1B18, 0x3B2A1E, 0x2B2F33, 0xEDE6D6, 0x4A1F1A, 0x111111};
    const QColor ink = Rgb(inks[style % 6]);
    const QRectF outer(1.5, 1.5, 29, 29);
    DrawLandscape(p, outer);
    const qreal inset = 4 + (style % 2);
    const QRectF inner = outer.adjusted(inset, inset, -inset, -inset);
    const QPainterPath border =
        Ring(RectPath(outer), RoughRect(inner, 2.5 + (style % 3), 1.6 + (style % 2) * 0.8, 11u + style * 31u));
    p.fillPath(border, ink);
    // A few specks on the picture, as worn film shows them.
    Lcg rnd(101u + style);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(inner.left() + 3 + rnd.Next() * (inner.width() - 6),
                              inner.top() + 3 + rnd.Next() * (inner.height() - 6)),
                      0.6, 0.6);
    p.strokePath(RectPath(outer), Stroke(Rgb(Colors::Outline), 0.8));
}

void PictureFrameIcon(QPainter& p, int style)
{
    const QRectF outer(1.5, 1.5, 29, 29);
    if (style == 2) {
        // Thin black frame round a white mat.
        p.fillRect(outer, Rgb(0x202020));
        p.fillRect(outer.adjusted(2, 2, -2, -2), Rgb(Colors::Paper));
        DrawLandscape(p, outer.adjusted(8, 8, -8, -8));
        p.strokePath(RectPath(outer.adjusted(8, 8, -8, -8)), Stroke(Rgb(0xB0B0B0), 0.6));
        return;
    }
    struct Look {
        QRgb light, dark;
        qreal width;
    };
    static const Look looks[] = {{0xE2C46A, 0x8C6A1E, 6}, {0x8A5A33, 0x3E2612, 7}, {}, {0xE6E8EA, 0x7D848B, 5}};
    const Look& look = looks[style % 4];
    const QRectF inner = outer.adjusted(look.width, look.width, -look.width, -look.width);
    BevelFrame(p, outer, inner, Rgb(look.light), Rgb(look.dark));
    DrawLandscape(p, inner);
    p.strokePath(RectPath(inner.adjusted(-0.6, -0.6, 0.6, 0.6)), Stroke(Rgb(Colors::Gold), 1));
    p.strokePath(RectPath(outer), Stroke(Rgb(Colors::Outline), 0.8));
}

void VintageFrameIcon(QPainter& p, int style)
{
    const QColor cream = Rgb(0xF3EAD3);
    const QColor line = Rgb(Colors::Outline);
    const QRectF outer(2.5, 2.5, 27, 27);
    const QRectF photo = outer.adjusted(4, 4, -4, -4);
    switch (style % 9) {
    case 0: // scalloped edge
        FillOutlined(p, RectPath(outer.adjusted(1, 1, -1, -1)).united(EdgeDots(outer.adjusted(1, 1, -1, -1), 1.5, 8)),
                     cream, Rgb(0xA89F8A), 0.7);
        break;
    case 1: // deckled edge
        FillOutlined(p, RoughRect(outer, 1.6, 1.4, 5), cream, Rgb(0xA89F8A), 0.7);
        break;
    case 2: // rounded corners
        FillOutlined(p, RectPath(outer, 5), cream, Rgb(0xA89F8A), 0.7);
        break;
    case 3: // double rule
        FillOutlined(p, RectPath(outer), cream, Rgb(0xA89F8A), 0.7);
        p.strokePath(RectPath(outer.adjusted(1.5, 1.5, -1.5, -1.5)), Stroke(Rgb(0x7A5C3A), 0.7));
        break;
    case 4: // photo corners on an album page
        FillOutlined(p, RectPath(outer), Rgb(0x2F2A24), Rgb(0x2F2A24), 0.7);
        break;
    case 5: // dark oval vignette
        break;
    case 6: // film strip
        p.fillRect(outer, Rgb(0x1A1A1A));
        break;
    case 7: // perforated like a stamp
        FillOutlined(p, RectPath(outer).subtracted(EdgeDots(outer, 1.2, 9)), Rgb(Colors::Paper), Rgb(0xA89F8A), 0.7);
        break;
    case 8: // torn paper
        FillOutlined(p, RoughRect(outer, 3, 2.2, 19), cream, Rgb(0xA89F8A), 0.7);
        break;
    }
    if (style % 9 == 5) {
        DrawLandscape(p, outer, Tone::Sepia);
        QRadialGradient shade(outer.center(), outer.width() * 0.62);
        shade.setColorAt(0.55, QColor(40, 25, 10, 0));
        shade.setColorAt(1.0, QColor(40, 25, 10, 235));
        p.fillRect(outer, shade);
        p.strokePath(RectPath(outer), Stroke(line, 0.8));
        return;
    }
    if (style % 9 == 6) {
        const QRectF film(outer.left(), outer.top() + 5, outer.width(), outer.height() - 10);
        DrawLandscape(p, film.adjusted(1, 0, -1, 0), Tone::Sepia);
        p.setPen(Qt::NoPen);
        p.setBrush(Rgb(Colors::Paper));
        for (int i = 0; i < 6; ++i) {
            p.drawRect(QRectF(outer.left() + 1 + i * 4.5, outer.top() + 1.5, 2.2, 2));
            p.drawRect(QRectF(outer.left() + 1 + i * 4.5, outer.bottom() - 3.5, 2.2, 2));
        }
        return;
    }
    DrawLandscape(p, photo, Tone::Sepia);
    p.strokePath(RectPath(photo), Stroke(Rgb(0x7A5C3A), 0.6));
    if (style % 9 == 4) {
        p.setPen(Qt::NoPen);
        p.setBrush(cream);
        const qreal c = 5.5;
        const QPointF corners[] = {photo.topLeft(), photo.topRight(), photo.bottomRight(), photo.bottomLeft()};
        const QPointF dx[] = {{1, 0}, {-1, 0}, {-1, 0}, {1, 0}};
        const QPointF dy[] = {{0, 1}, {0, 1}, {0, -1}, {0, -1}};
        for (int i = 0; i < 4; ++i) {
            const QPointF k = corners[i] - dx[i] * 1 - dy[i] * 1;
            const QPointF pts[] = {k, k + dx[i] * c, k + dy[i] * c};
            p.drawPolygon(pts, 3);
        }
    }
}

// ---- the filter icons ----

void AllFiltersIcon(QPainter& p)
{
    const QRgb tiles[] = {Colors::Blue, Colors::Orange, Colors::Green, Colors::Purple};
    for (int i = 0; i < 4; ++i) {
        const QRectF r(3 + (i % 2) * 14, 3 + (i / 2) * 14, 12, 12);
        FillOutlined(p, RectPath(r, 2.5), Rgb(tiles[i]), Rgb(Colors::Outline), 1);
    }
}

// "My profiles": a person, head and shoulders.
void PersonIcon(QPainter& p)
{
    QPainterPath shoulders;
    shoulders.moveTo(4, 29);
    shoulders.cubicTo(4, 19.5, 9.5, 17, 16, 17);
    shoulders.cubicTo(22.5, 17, 28, 19.5, 28, 29);
    shoulders.closeSubpath();
    FillOutlined(p, shoulders, Rgb(Colors::Blue), Rgb(Colors::Outline), 1);
    QPainterPath head;
    head.addEllipse(QPointF(16, 10), 6.5, 6.5);
    FillOutlined(p, head, Rgb(0xF1C9A5), Rgb(Colors::Outline), 1);
}

// "Edit": a pencil lying from the lower left to the upper right.
void PencilIcon(QPainter& p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    const QRectF body(-9, -4, 18, 8);
    FillOutlined(p, RectPath(body), Rgb(Colors::Sun), Rgb(Colors::Outline), 1);
    FillOutlined(p, RectPath(QRectF(9, -4, 4.5, 8), 1.5), Rgb(0xE58FA0), Rgb(Colors::Outline), 1);
    QPainterPath tip;
    tip.moveTo(-9, -4);
    tip.lineTo(-16, 0);
    tip.lineTo(-9, 4);
    tip.closeSubpath();
    FillOutlined(p, tip, Rgb(0xF3DDB3), Rgb(Colors::Outline), 1);
    QPainterPath lead;
    lead.moveTo(-13.4, -1.5);
    lead.lineTo(-16, 0);
    lead.lineTo(-13.4, 1.5);
    lead.closeSubpath();
    p.fillPath(lead, Rgb(Colors::Outline));
    p.restore();
}

void MarksIcon(QPainter& p)
{
    const QColor ink = Rgb(Colors::Navy);
    p.setPen(Stroke(ink, 3));
    p.setBrush(Rgb(Colors::Paper));
    p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
    const QRectF c(10, 10, 12, 12);
    QPainterPath arc;
    arc.arcMoveTo(c, 45);
    arc.arcTo(c, 45, 270);
    p.strokePath(arc, Stroke(ink, 3));
}

void TextIcon(QPainter& p)
{
    DrawPhoto(p, QRectF(1.5, 2.5, 24, 19));
    const QPainterPath letter = TextPath(QStringLiteral("A"), true, QRectF(13, 10.5, 17.5, 20));
    p.strokePath(letter, Stroke(Rgb(Colors::Paper), 3));
    p.fillPath(letter, Rgb(Colors::Navy));
}

void LogoIcon(QPainter& p)
{
    DrawPhoto(p, QRectF(1.5, 2.5, 24, 19));
    QPainterPath badge;
    badge.addEllipse(QPointF(22.5, 22), 8, 8);
    FillOutlined(p, badge, Rgb(Colors::Gold), Rgb(Colors::Outline), 1);
    p.fillPath(StarPath(QPointF(22.5, 22.6), 5.6, 2.4, 5), Rgb(Colors::Paper));
}

void ShapeFilterIcon(QPainter& p)
{
    QPainterPath oval;
    oval.addEllipse(QRectF(5, 6, 22, 20));
    ShapeFrameIcon(p, oval);
}

void RaiseIcon(QPainter& p)
{
    const QRectF r(3.5, 3.5, 25, 25);
    DrawLandscape(p, r);
    BevelFrame(p, r, r.adjusted(5, 5, -5, -5), QColor(255, 255, 255, 170), QColor(0, 0, 0, 130));
    p.strokePath(RectPath(r), Stroke(Rgb(Colors::Outline), 1));
}

void ShadowIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(QRectF(8 - i * 0.7, 8 - i * 0.7, 21 + i * 1.4, 21 + i * 1.4), 2 + i, 2 + i);
    }
    DrawPhoto(p, QRectF(2.5, 2.5, 21, 21));
}

void SimpleBorderIcon(QPainter& p)
{
    const QRectF r(2.5, 2.5, 27, 27);
    p.fillRect(r, Rgb(Colors::Red));
    DrawLandscape(p, r.adjusted(5, 5, -5, -5));
    p.strokePath(RectPath(r), Stroke(Rgb(Colors::Outline), 1));
}

void AutoRotateIcon(QPainter& p)
{
    DrawArcArrow(p, QPointF(16, 16), 11.5, 110, -300, 2.6, Rgb(Colors::Blue));
    p.fillPath(TextPath(QStringLiteral("A"), true, QRectF(10, 10, 12, 12)), Rgb(Colors::Outline));
}

void CropIcon(QPainter& p)
{
    DrawLandscape(p, QRectF(9, 9, 14, 14));
    QPen pen = Stroke(Rgb(Colors::Outline), 3);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const QPointF first[] = {{9, 2.5}, {9, 23}, {29.5, 23}};
    const QPointF second[] = {{2.5, 9}, {23, 9}, {23, 29.5}};
    p.drawPolyline(first, 3);
    p.drawPolyline(second, 3);
}

void ResizeIcon(QPainter& p)
{
    QPen dashed(Rgb(Colors::Outline), 1.2, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 3.5, 25, 25));
    DrawPhoto(p, QRectF(3.5, 14.5, 14, 14));
    DrawLineArrow(p, QPointF(15, 17), QPointF(27, 5), 2.4, Rgb(Colors::Green));
}

void RotateIcon(QPainter& p)
{
    p.save();
    p.translate(16, 19);
    p.rotate(-18);
    DrawPhoto(p, QRectF(-9, -6.5, 18, 13));
    p.restore();
    DrawArcArrow(p, QPointF(16, 19), 12, 160, -125, 2.4, Rgb(Colors::Blue));
}

using Glyph = void (*)(QPainter&);
struct PlacedGlyph {
    int column;
    int row;
    Glyph draw;
};

const PlacedGlyph FilterGlyphs[] = {
    {0, 0, AllFiltersIcon},
    // The profile browser's page buttons and its "Edit" list default.
    {1, 0, PersonIcon},
    {0, 3, PencilIcon},
    {0, 4, PencilIcon},
    {0, 1, MarksIcon},
    {2, 1, TextIcon},
    {3, 1, LogoIcon},
    {0, 5, ShapeFilterIcon},
    {1, 5, [](QPainter& p) { GrungeFrameIcon(p, 0); }},
    {2, 5, [](QPainter& p) { PictureFrameIcon(p, 0); }},
    {3, 5, [](QPainter& p) { VintageFrameIcon(p, 0); }},
    {4, 5, RaiseIcon},
    {5, 5, ShadowIcon},
    {6, 5, SimpleBorderIcon},
    {0, 2, AutoRotateIcon},
    {3, 2, CropIcon},
    {5, 2, ResizeIcon},
    {8, 2, RotateIcon},
};

} // namespace

void DrawFilterSheet(QPainter& p, double cell)
{
    for (const PlacedGlyph& g : FilterGlyphs) {
        UnitBox box(p, QRectF(g.column * cell, g.row * cell, cell, cell));
        g.draw(p);
    }
}
