#include "Pictures.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace
{

QRectF Canvas(const QSizeF& size)
{
    return QRectF(QPointF(0, 0), size);
}

const QColor PlaceholderGrey(190, 190, 190);

// The application's mark in a 128-unit box: a photo and a quill, on a blue
// tile for the icons.
void Emblem(QPainter& p, bool tile)
{
    if (tile) {
        QLinearGradient sky(0, 6, 0, 122);
        sky.setColorAt(0, Rgb(0x3F8FE0));
        sky.setColorAt(1, Rgb(0x1F4E9A));
        FillOutlined(p, RectPath(QRectF(6, 6, 116, 116), 26), sky, Rgb(0x173C78), 2);
    }
    p.save();
    p.translate(56, 64);
    p.rotate(-8);
    p.fillRect(QRectF(-32, -22, 68, 52), QColor(0, 0, 0, 60));
    DrawPhoto(p, QRectF(-36, -26, 68, 52));
    p.restore();

    QPainterPath vane;
    vane.moveTo(108, 10);
    vane.cubicTo(80, 14, 60, 46, 58, 88);
    vane.lineTo(62, 90);
    vane.cubicTo(78, 70, 100, 44, 108, 10);
    vane.closeSubpath();
    QLinearGradient cream(60, 90, 108, 10);
    cream.setColorAt(0, Rgb(0xF3DDA0));
    cream.setColorAt(1, Rgb(0xFFFDF5));
    FillOutlined(p, vane, cream, Rgb(0x9C7A34), 1.6);
    for (int i = 1; i < 6; ++i) {
        const qreal t = i / 6.0;
        const QPointF on(106 - t * 46, 14 + t * 76);
        p.setPen(Stroke(Rgb(0xC9A866), 1.1));
        p.drawLine(on, on + QPointF(-10 + t * 4, -4));
    }
    p.setPen(Stroke(Rgb(0x6E4F1C), 2.6));
    p.drawLine(QPointF(106, 13), QPointF(50, 104));
    QPainterPath nib;
    nib.moveTo(47, 100);
    nib.lineTo(55, 106);
    nib.lineTo(42, 118);
    nib.closeSubpath();
    FillOutlined(p, nib, Rgb(0x2B2B2B), Rgb(0x2B2B2B), 1);
}

} // namespace

void DrawAdd(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), 32);
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 14.5, 14.5);
    FillOutlined(p, disc, Rgb(Colors::Green), Rgb(0x2A7A39), 1);
    p.setPen(Stroke(Rgb(Colors::Paper), 3.6));
    p.drawLine(QPointF(16, 8.5), QPointF(16, 23.5));
    p.drawLine(QPointF(8.5, 16), QPointF(23.5, 16));
}

void DrawAppIcon(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), 128);
    Emblem(p, true);
}

void DrawRotateCursor(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), 16);
    // Black with a white rim, so the cursor shows on any photo.
    const QPainterPath arrow = ArcArrowPath(QPointF(8, 8.5), 4.8, 100, -290, 1.5);
    p.strokePath(arrow, Stroke(Rgb(Colors::Paper), 1.8));
    p.fillPath(arrow, Rgb(0x000000));
}

void DrawTipBanner(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), 128);
    const QPointF c(64, 52);
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(15 + i * 25.0);
        const QPointF d(qCos(a), -qSin(a));
        p.setPen(Stroke(Rgb(Colors::Sun), 4));
        p.drawLine(c + d * 38, c + d * 50);
    }
    QPainterPath glass;
    glass.addEllipse(c, 28, 28);
    QPainterPath neck;
    neck.moveTo(46, 68);
    neck.lineTo(82, 68);
    neck.lineTo(76, 92);
    neck.lineTo(52, 92);
    neck.closeSubpath();
    QRadialGradient glow(QPointF(54, 42), 44);
    glow.setColorAt(0, Rgb(0xFFFBE0));
    glow.setColorAt(1, Rgb(Colors::Sun));
    FillOutlined(p, glass.united(neck), glow, Rgb(0xB8860B), 2);
    p.setPen(Stroke(Rgb(Colors::Orange), 2.2));
    const QPointF filament[] = {{57, 90}, {57, 64}, {61, 58}, {64, 64}, {67, 58}, {71, 64}, {71, 90}};
    p.drawPolyline(filament, 7);
    FillOutlined(p, RectPath(QRectF(50, 92, 28, 8), 2), Rgb(Colors::Grey), Rgb(Colors::Outline), 1.5);
    FillOutlined(p, RectPath(QRectF(52, 101, 24, 8), 2), Rgb(Colors::Grey), Rgb(Colors::Outline), 1.5);
    FillOutlined(p, RectPath(QRectF(58, 110, 12, 6), 2), Rgb(Colors::Outline), Rgb(Colors::Outline), 1);
}

void DrawMail(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), QSizeF(128, 128));
    const QColor blue = Rgb(Colors::Blue);
    FillOutlined(p, RectPath(QRectF(8, 40, 108, 72), 6), Rgb(Colors::Paper), blue, 3);
    p.setPen(Stroke(blue, 2));
    p.drawLine(QPointF(12, 108), QPointF(50, 76));
    p.drawLine(QPointF(112, 108), QPointF(74, 76));
    p.setPen(Stroke(blue, 3));
    const QPointF flap[] = {{11, 43}, {62, 84}, {113, 43}};
    p.drawPolyline(flap, 3);
    // A star: the prompt asks for a review.
    QPainterPath badge;
    badge.addEllipse(QPointF(102, 32), 22, 22);
    FillOutlined(p, badge, Rgb(Colors::Gold), Rgb(0x8C6A1E), 2);
    p.fillPath(StarPath(QPointF(102, 33.5), 15, 6.5, 5), Rgb(Colors::Paper));
}

void DrawOverlaySymbol(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), QSizeF(150, 105));
    const QPen pen = Stroke(PlaceholderGrey, 5);
    p.save();
    p.translate(60, 52);
    p.rotate(-8);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-42, -32, 84, 62), 6, 6);
    p.restore();
    p.save();
    p.translate(92, 56);
    p.rotate(6);
    QPainterPath card = RectPath(QRectF(-44, -33, 88, 64), 6);
    FillOutlined(p, card, QColor(190, 190, 190, 70), PlaceholderGrey, 5);
    p.setPen(pen);
    const QPointF hills[] = {{-34, 22}, {-12, -4}, {4, 12}, {16, 2}, {34, 22}};
    p.drawPolyline(hills, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(PlaceholderGrey);
    p.drawEllipse(QPointF(20, -16), 7, 7);
    p.restore();
}

void DrawPreviewPlaceholder(QPainter& p, const QSizeF& size)
{
    UnitBox box(p, Canvas(size), 128);
    const QColor grey(170, 170, 170);
    p.setPen(Stroke(grey, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(14, 26, 100, 76), 8, 8);
    const QPointF hills[] = {{24, 92}, {52, 60}, {70, 78}, {84, 66}, {104, 92}};
    p.drawPolyline(hills, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(grey);
    p.drawEllipse(QPointF(88, 48), 8, 8);
}

void DrawWizardBanner(QPainter& p, const QSizeF& size)
{
    const QRectF all = Canvas(size);
    QLinearGradient panel(0, 0, 0, size.height());
    panel.setColorAt(0, Rgb(0x2F6FC0));
    panel.setColorAt(1, Rgb(0x163A73));
    p.fillRect(all, panel);
    {
        UnitBox box(p, QRectF(14, 36, 120, 120), 128);
        Emblem(p, false);
    }
    // The subtitle under the name is translated, so the wizard draws it.
    p.fillPath(TextPath(QStringLiteral("Brandquill"), true, QRectF(12, 176, 124, 22)), Rgb(Colors::Paper));
}
