#include "SampleLogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage DrawSampleLogo()
{
    QImage image(400, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The badge.
    const QRectF badge(6, 6, 388, 188);
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, QColor(0x2d8cf0));
    fill.setColorAt(1, QColor(0x1a4f9e));
    p.setPen(QPen(QColor(0xf4f8ff), 6));
    p.setBrush(fill);
    p.drawRoundedRect(badge, 40, 40);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(badge.adjusted(12, 12, -12, -12), 30, 30);

    // The emblem: a quill in a white disc.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xffffff));
    p.drawEllipse(QPointF(100, 100), 62, 62);
    QPainterPath feather(QPointF(72, 150));
    feather.cubicTo(78, 100, 110, 58, 148, 44);
    feather.cubicTo(140, 80, 120, 118, 72, 150);
    p.setBrush(QColor(0x1f5fbf));
    p.drawPath(feather);
    p.setPen(QPen(QColor(0xffffff), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 138), QPointF(138, 56));
    p.setPen(QPen(QColor(0x1a4f9e), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 150), QPointF(62, 164));

    // Three bars where a name would stand.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xffffff));
    p.drawRoundedRect(QRectF(190, 62, 170, 22), 11, 11);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(190, 96, 140, 14), 7, 7);
    p.drawRoundedRect(QRectF(190, 122, 110, 14), 7, 7);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
