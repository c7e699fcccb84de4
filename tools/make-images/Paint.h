#pragma once
// Drawing helpers shared by every interface image. Glyphs are drawn in a
// square box of "units" (32 for most icons, 16 for the small interface
// glyphs) that UnitBox maps onto the cell, so one drawing serves every cell
// size and the double-resolution sheets.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace Colors
{
constexpr QRgb Outline = 0x3A3F44;
constexpr QRgb Paper = 0xFFFFFF;
constexpr QRgb Sky = 0x8EC5F0;
constexpr QRgb Sun = 0xF6C342;
constexpr QRgb Hill = 0x5DA55A;
constexpr QRgb HillDark = 0x3F8A4A;
constexpr QRgb Blue = 0x2F7FD8;
constexpr QRgb Red = 0xD9453B;
constexpr QRgb Green = 0x3DA650;
constexpr QRgb Orange = 0xF08A24;
constexpr QRgb Purple = 0x8A5CC8;
constexpr QRgb Teal = 0x1FA7A0;
constexpr QRgb Navy = 0x2B4C8C;
constexpr QRgb Slate = 0x5D6D7E;
constexpr QRgb Wood = 0x8B5A2B;
constexpr QRgb Gold = 0xC9A24A;
constexpr QRgb Grey = 0x8A9199;
constexpr QRgb Folder = 0xF2C14E;
} // namespace Colors

QColor Rgb(QRgb rgb, int alpha = 255);

// Maps a square box of `units` onto `cell` for the lifetime of the object.
class UnitBox
{
public:
    UnitBox(QPainter& painter, const QRectF& cell, qreal units = 32);
    // A design of `design` units, scaled evenly to fit `cell` and centred.
    UnitBox(QPainter& painter, const QRectF& cell, const QSizeF& design);
    ~UnitBox();
    UnitBox(const UnitBox&) = delete;
    UnitBox& operator=(const UnitBox&) = delete;

private:
    QPainter& m_painter;
};

// Repeatable pseudo-random numbers, so that rough edges come out the same on
// every run and every machine.
class Lcg
{
public:
    explicit Lcg(quint32 seed) : m_state(seed) {}
    qreal Next(); // in [0, 1)

private:
    quint32 m_state;
};

QPen Stroke(const QColor& color, qreal width);
void FillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, qreal width);

// A small landscape (sky, sun, two hills) filling `r`; sepia for old photos,
// grey for placeholders.
enum class Tone { Colour, Sepia, Grey };
void DrawLandscape(QPainter& p, const QRectF& r, Tone tone = Tone::Colour);
// A photo print: white edge, landscape, thin outline.
void DrawPhoto(QPainter& p, const QRectF& r, Tone tone = Tone::Colour);

// Text as outlines (DejaVu Sans), scaled to fit `box` and centred in it.
QPainterPath TextPath(const QString& text, bool bold, const QRectF& box);

// Arrows with round-capped shafts and filled heads, as fillable outlines.
QPainterPath LineArrowPath(const QPointF& from, const QPointF& to, qreal width);
// Arc round `centre`; angles in degrees counter-clockwise from 3 o'clock, the
// head at the end of the span.
QPainterPath ArcArrowPath(const QPointF& centre, qreal radius, qreal startDeg, qreal spanDeg, qreal width);
void DrawLineArrow(QPainter& p, const QPointF& from, const QPointF& to, qreal width, const QColor& color);
void DrawArcArrow(QPainter& p, const QPointF& centre, qreal radius, qreal startDeg, qreal spanDeg, qreal width,
                  const QColor& color);

QPainterPath StarPath(const QPointF& centre, qreal outer, qreal inner, int points);
QPainterPath HeartPath(const QRectF& r);
QPainterPath ShieldPath(const QRectF& r);
QPainterPath GearPath(const QPointF& centre, qreal outer, qreal inner, int teeth);
// A rectangle whose edges wander inwards by up to `amplitude`.
QPainterPath RoughRect(const QRectF& r, qreal amplitude, qreal step, quint32 seed);
// The area between `outer` and `inner`.
QPainterPath Ring(const QPainterPath& outer, const QPainterPath& inner);
QPainterPath RectPath(const QRectF& r, qreal radius = 0);
