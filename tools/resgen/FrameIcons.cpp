#include "FrameIcons.h"

#include "Masks.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace
{

constexpr int kCell = 32;
constexpr int kColumns = 9;
constexpr int kRows = 4;

// The card the frames are shown on, at the size of the frame art.
QImage DrawCard()
{
    QImage card(MaskWidth, MaskHeight, QImage::Format_ARGB32);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, MaskHeight);
    sky.setColorAt(0, QColor(58, 120, 208));
    sky.setColorAt(1, QColor(178, 216, 246));
    p.fillRect(card.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 206, 64));
    p.drawEllipse(QPointF(MaskWidth * 0.72, MaskHeight * 0.3), MaskHeight * 0.13, MaskHeight * 0.13);
    QPainterPath hill;
    hill.moveTo(0, MaskHeight * 0.72);
    hill.cubicTo(MaskWidth * 0.3, MaskHeight * 0.42, MaskWidth * 0.6, MaskHeight * 0.5, MaskWidth, MaskHeight * 0.68);
    hill.lineTo(MaskWidth, MaskHeight);
    hill.lineTo(0, MaskHeight);
    hill.closeSubpath();
    p.setBrush(QColor(72, 150, 62));
    p.drawPath(hill);
    return card;
}

// The card where the mask is black, white where it is white.
QImage Masked(const QImage& card, const QImage& mask)
{
    const QImage grey = mask.convertToFormat(QImage::Format_Grayscale8)
                            .scaled(card.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out = card;
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const uchar* m = grey.constScanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            const int w = m[x];
            const auto mix = [w](int c) { return (c * (255 - w) + 255 * w + 127) / 255; };
            line[x] = qRgb(mix(qRed(line[x])), mix(qGreen(line[x])), mix(qBlue(line[x])));
        }
    }
    return out;
}

// The card seen through the frame's transparent window.
QImage Framed(const QImage& card, const QImage& frame)
{
    QImage out = card;
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(out.rect(), frame);
    return out;
}

void DrawCell(QPainter& p, int column, int row, const QImage& art, int scale)
{
    const QPoint origin(column * kCell * scale, row * kCell * scale);
    const QRect card(origin + QPoint(1, 6) * scale, QSize(30, 20) * scale);
    p.fillRect(card.adjusted(-1, -1, 1, 1), QColor(128, 128, 128));
    p.drawImage(card.topLeft(), art.scaled(card.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace

QImage DrawFrameIconSheet(const SFrameArt& art, int scale)
{
    QImage sheet(kColumns * kCell * scale, kRows * kCell * scale, QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    const QImage card = DrawCard();
    QPainter p(&sheet);
    for (int i = 0; i < art.shapeMasks.size(); ++i)
        DrawCell(p, i, 0, Masked(card, art.shapeMasks.at(i)), scale);
    for (int i = 0; i < art.grungeMasks.size(); ++i)
        DrawCell(p, i, 1, Masked(card, art.grungeMasks.at(i)), scale);
    for (int i = 0; i < art.pictureFrames.size(); ++i)
        DrawCell(p, i, 2, Framed(card, art.pictureFrames.at(i)), scale);
    for (int i = 0; i < art.vintageFrames.size(); ++i)
        DrawCell(p, i, 3, Framed(card, art.vintageFrames.at(i)), scale);
    p.end();
    return sheet;
}
