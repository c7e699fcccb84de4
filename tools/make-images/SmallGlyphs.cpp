#include "SmallGlyphs.h"

#include "Paint.h"

namespace
{

QRectF Cell(int column, int row, qreal size)
{
    return QRectF(column * size, row * size, size, size);
}

// ---- 16-unit glyphs in one ink ----

void FitGlyph(QPainter& p, const QColor& ink)
{
    p.setPen(Stroke(ink, 1.7));
    const qreal a = 2, b = 14, l = 4.5;
    const QPointF corners[4][3] = {{{a, a + l}, {a, a}, {a + l, a}},
                                   {{b - l, a}, {b, a}, {b, a + l}},
                                   {{b, b - l}, {b, b}, {b - l, b}},
                                   {{a + l, b}, {a, b}, {a, b - l}}};
    for (const auto& c : corners)
        p.drawPolyline(c, 3);
    p.fillRect(QRectF(5.5, 5.5, 5, 5), ink);
}

void Magnifier(QPainter& p, const QColor& ink, bool plus)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(ink, 1.6));
    p.drawEllipse(QPointF(6.5, 6.5), 4.7, 4.7);
    p.setPen(Stroke(ink, 2.6));
    p.drawLine(QPointF(10.2, 10.2), QPointF(14.2, 14.2));
    p.setPen(Stroke(ink, 1.4));
    p.drawLine(QPointF(4.3, 6.5), QPointF(8.7, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4.3), QPointF(6.5, 8.7));
}

void PlusMinus(QPainter& p, const QColor& ink, bool plus)
{
    p.setPen(Stroke(ink, 2.4));
    p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
    if (plus)
        p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
}

void UndoGlyph(QPainter& p, const QColor& ink, bool mirrored)
{
    p.save();
    if (mirrored) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath hook;
    hook.moveTo(5.5, 6);
    hook.lineTo(9.5, 6);
    hook.arcTo(QRectF(6, 6, 7, 7), 90, -180);
    hook.lineTo(5.5, 13);
    p.strokePath(hook, Stroke(ink, 1.8));
    QPainterPath head;
    head.moveTo(1.2, 6);
    head.lineTo(6.2, 1.8);
    head.lineTo(6.2, 10.2);
    head.closeSubpath();
    p.fillPath(head, ink);
    p.restore();
}

void ChevronGlyph(QPainter& p, const QColor& ink, bool next)
{
    p.save();
    if (next) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(Stroke(ink, 2.3));
    const QPointF pts[] = {{10.5, 2.5}, {5, 8}, {10.5, 13.5}};
    p.drawPolyline(pts, 3);
    p.restore();
}

void PencilGlyph(QPainter& p, const QColor& ink)
{
    p.save();
    p.translate(8.5, 7.5);
    p.rotate(45);
    p.setPen(Stroke(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    const QPointF body[] = {{-2.2, -7}, {2.2, -7}, {2.2, 3.5}, {0, 7.2}, {-2.2, 3.5}};
    p.drawPolygon(body, 5);
    p.drawLine(QPointF(-2.2, -4.4), QPointF(2.2, -4.4));
    p.drawLine(QPointF(-2.2, 3.5), QPointF(2.2, 3.5));
    p.restore();
    p.setPen(Stroke(ink, 1.3));
    p.drawLine(QPointF(8, 14.5), QPointF(14.5, 14.5));
}

// ---- 32-unit icons ----

void FolderIcon(QPainter& p)
{
    QPainterPath back;
    back.moveTo(3, 7);
    back.lineTo(12, 7);
    back.lineTo(14.5, 9.5);
    back.lineTo(29, 9.5);
    back.lineTo(29, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    FillOutlined(p, back, Rgb(0xD9A630), Rgb(Colors::Outline), 1);
    FillOutlined(p, RectPath(QRectF(3, 13, 26, 13), 1.5), Rgb(Colors::Folder), Rgb(Colors::Outline), 1);
}

void EnvelopeIcon(QPainter& p, const QRectF& r)
{
    const QColor blue = Rgb(Colors::Blue);
    FillOutlined(p, RectPath(r, 1.5), Rgb(Colors::Paper), blue, 1.5);
    const QPointF flap[] = {
        {r.left() + 0.8, r.top() + 1}, {r.center().x(), r.top() + r.height() * 0.58}, {r.right() - 0.8, r.top() + 1}};
    p.setPen(Stroke(blue, 1.5));
    p.drawPolyline(flap, 3);
}

void FtpIcon(QPainter& p)
{
    FillOutlined(p, RectPath(QRectF(3.5, 15.5, 25, 13), 2), Rgb(Colors::Slate), Rgb(Colors::Outline), 1);
    p.fillPath(TextPath(QStringLiteral("FTP"), true, QRectF(7, 18, 18, 8)), Rgb(Colors::Paper));
    DrawLineArrow(p, QPointF(16, 13.5), QPointF(16, 1.5), 2.6, Rgb(Colors::Green));
}

void FlickrIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Rgb(0x0063DC));
    p.drawEllipse(QPointF(9.5, 16), 6.5, 6.5);
    p.setBrush(Rgb(0xFF0084));
    p.drawEllipse(QPointF(22.5, 16), 6.5, 6.5);
}

void PlusBadge(QPainter& p, const QPointF& c, qreal r)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    FillOutlined(p, disc, Rgb(Colors::Green), Rgb(0x2A7A39), 1);
    p.setPen(Stroke(Rgb(Colors::Paper), r * 0.32));
    p.drawLine(c - QPointF(r * 0.5, 0), c + QPointF(r * 0.5, 0));
    p.drawLine(c - QPointF(0, r * 0.5), c + QPointF(0, r * 0.5));
}

void AddPhotosIcon(QPainter& p)
{
    DrawPhoto(p, QRectF(1.5, 3.5, 24, 19));
    PlusBadge(p, QPointF(23.5, 23.5), 7);
}

void EditPhotosIcon(QPainter& p)
{
    DrawPhoto(p, QRectF(1.5, 3.5, 24, 19));
    p.save();
    p.translate(21, 16);
    p.rotate(45);
    FillOutlined(p, RectPath(QRectF(-3, -11, 6, 14)), Rgb(Colors::Orange), Rgb(Colors::Outline), 1);
    FillOutlined(p, RectPath(QRectF(-3, -14, 6, 3)), Rgb(0xE88FA0), Rgb(Colors::Outline), 1);
    QPainterPath tip;
    tip.moveTo(-3, 3);
    tip.lineTo(3, 3);
    tip.lineTo(0, 9);
    tip.closeSubpath();
    FillOutlined(p, tip, Rgb(0xF3DDB0), Rgb(Colors::Outline), 1);
    p.restore();
}

void GearIcon(QPainter& p)
{
    FillOutlined(p, GearPath(QPointF(16, 16), 13.5, 10, 8), Rgb(Colors::Slate), Rgb(Colors::Outline), 1);
}

void ProcessIcon(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 13.5, 13.5);
    FillOutlined(p, disc, Rgb(Colors::Green), Rgb(0x2A7A39), 1);
    QPainterPath play;
    play.moveTo(12.5, 9);
    play.lineTo(23.5, 16);
    play.lineTo(12.5, 23);
    play.closeSubpath();
    p.fillPath(play, Rgb(Colors::Paper));
}

void HelpIcon(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 13.5, 13.5);
    FillOutlined(p, disc, Rgb(Colors::Blue), Rgb(Colors::Navy), 1);
    p.fillPath(TextPath(QStringLiteral("?"), true, QRectF(9, 7, 14, 18)), Rgb(Colors::Paper));
}

void SlidersIcon(QPainter& p)
{
    const qreal knobs[] = {11, 22, 15};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 7 + i * 9;
        p.setPen(Stroke(Rgb(Colors::Grey), 2.2));
        p.drawLine(QPointF(3.5, y), QPointF(28.5, y));
        QPainterPath knob;
        knob.addEllipse(QPointF(knobs[i], y), 3.4, 3.4);
        FillOutlined(p, knob, Rgb(Colors::Blue), Rgb(Colors::Outline), 1);
    }
}

// A document page with a picture and a coloured label.
void PageIcon(QPainter& p, const QRectF& r, const QString& label, QRgb band)
{
    const qreal fold = 6;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    FillOutlined(p, page, Rgb(Colors::Paper), Rgb(Colors::Outline), 1);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    FillOutlined(p, corner, Rgb(0xD5D9DD), Rgb(Colors::Outline), 1);
    DrawLandscape(p, QRectF(r.left() + 3, r.top() + 7.5, r.width() - 6, 9));
    if (label.isEmpty())
        return;
    const QRectF tag(1.5, r.bottom() - 11, 29, 9.5);
    FillOutlined(p, RectPath(tag, 1.5), Rgb(band), Rgb(band).darker(140), 0.8);
    p.fillPath(TextPath(label, true, tag.adjusted(2, 1.9, -2, -1.9)), Rgb(Colors::Paper));
}

void FormatsTabIcon(QPainter& p)
{
    PageIcon(p, QRectF(10.5, 1.5, 19, 25), QString(), 0);
    PageIcon(p, QRectF(4.5, 5, 19, 25.5), QStringLiteral("RAW"), Colors::Red);
}

void MailIcon(QPainter& p)
{
    EnvelopeIcon(p, QRectF(2.5, 6.5, 27, 19));
}

// Two links of a chain, one over the other, slanted.
void LinkIcon(QPainter& p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    const QRectF links[] = {QRectF(-13, -4.5, 15, 9), QRectF(-2, -4.5, 15, 9)};
    const QColor colors[] = {Rgb(Colors::Slate), Rgb(Colors::Blue)};
    for (int i = 0; i < 2; ++i) {
        p.setPen(Stroke(colors[i], 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(links[i], 4.5, 4.5);
    }
    p.restore();
}

// A globe: disc, equator, two meridians.
void WebIcon(QPainter& p)
{
    const QPointF c(16, 16);
    QPainterPath disc;
    disc.addEllipse(c, 13, 13);
    FillOutlined(p, disc, Rgb(Colors::Sky), Rgb(Colors::Navy), 1.4);
    p.setPen(Stroke(Rgb(Colors::Navy), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.5, 13);
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    p.drawLine(QPointF(5, 9.5), QPointF(27, 9.5));
    p.drawLine(QPointF(5, 22.5), QPointF(27, 22.5));
}

} // namespace

void DrawMinimalSheet(QPainter& p, bool darkTheme)
{
    const QColor ink = darkTheme ? Rgb(0xE6E6E6) : Rgb(0x2B2B2B);
    const auto box = [&p](int column, int row) { return Cell(column, row, 16); };
    {
        UnitBox b(p, box(0, 0), 16);
        FitGlyph(p, ink);
    }
    {
        UnitBox b(p, box(1, 0), 16);
        p.fillPath(TextPath(QStringLiteral("1:1"), true, QRectF(1, 4, 14, 8)), ink);
    }
    for (int i = 0; i < 2; ++i) {
        UnitBox b(p, box(2 + i, 0), 16);
        Magnifier(p, ink, i == 0);
    }
    for (int i = 0; i < 2; ++i) {
        UnitBox b(p, box(4 + i, 0), 16);
        PlusMinus(p, ink, i == 0);
    }
    for (int i = 0; i < 2; ++i) {
        UnitBox b(p, box(i, 1), 16);
        UndoGlyph(p, ink, i == 1);
    }
    for (int i = 0; i < 2; ++i) {
        UnitBox b(p, box(2 + i, 1), 16);
        ChevronGlyph(p, ink, i == 1);
    }
    UnitBox b(p, box(4, 1), 16);
    PencilGlyph(p, ink);
}

void DrawOutputSheet(QPainter& p)
{
    {
        UnitBox b(p, Cell(0, 0, 32));
        FolderIcon(p);
    }
    {
        UnitBox b(p, Cell(1, 0, 32));
        EnvelopeIcon(p, QRectF(2.5, 6.5, 27, 19));
    }
    {
        UnitBox b(p, Cell(2, 0, 32));
        FtpIcon(p);
    }
    UnitBox b(p, Cell(3, 0, 32));
    FlickrIcon(p);
}

void DrawWizardStepsSheet(QPainter& p)
{
    void (*const icons[])(QPainter&) = {AddPhotosIcon, EditPhotosIcon, GearIcon, ProcessIcon, HelpIcon};
    for (int i = 0; i < 5; ++i) {
        UnitBox b(p, Cell(i, 0, 32));
        // The toolbar cuts whole cells: a stroke across the edge would show in the neighbour.
        p.setClipRect(QRectF(0, 0, 32, 32));
        icons[i](p);
        p.setClipping(false);
    }
}

void DrawSettingsSheet(QPainter& p)
{
    {
        UnitBox b(p, Cell(0, 0, 32));
        SlidersIcon(p);
    }
    UnitBox b(p, Cell(1, 0, 32));
    FormatsTabIcon(p);
}

void DrawSocialSheet(QPainter& p)
{
    void (*const icons[])(QPainter&) = {MailIcon, LinkIcon, WebIcon};
    for (int i = 0; i < 3; ++i) {
        UnitBox b(p, Cell(i, 0, 48));
        icons[i](p);
    }
}

void DrawFormatStrip(QPainter& p, double cell)
{
    struct Format {
        const char* label;
        QRgb band;
    };
    static const Format formats[] = {{"ORIG", 0x6B7785},     {"IMG", Colors::Slate},  {"JPG", Colors::Blue},
                                     {"TIF", Colors::Green}, {"PNG", Colors::Purple}, {"GIF", Colors::Orange},
                                     {"BMP", Colors::Teal},  {"PSD", Colors::Navy},   {"RAW", Colors::Red}};
    for (int i = 0; i < 9; ++i) {
        UnitBox b(p, Cell(i, 0, cell));
        if (i == 0) // keep-original: the photo's own file, shown as a second page behind
            PageIcon(p, QRectF(9.5, 1.5, 19, 26), QString(), 0);
        const QRectF page = i == 0 ? QRectF(4.5, 4, 19, 26.5) : QRectF(5.5, 1.5, 21, 29);
        PageIcon(p, page, QString::fromLatin1(formats[i].label), formats[i].band);
    }
}
