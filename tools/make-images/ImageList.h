#pragma once
// The interface images compiled into the program: names, sizes and drawings.

#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>

struct InterfaceImage {
    QString name; // file name at normal resolution, e.g. "Add.png"
    QSize size;   // normal resolution
    QSize size2x; // the "@2x" variant; empty when there is none
    // Draws in logical pixels: the canvas size divided by the scale.
    std::function<void(QPainter&, const QSizeF&)> draw;
};

QList<InterfaceImage> InterfaceImages();

// "Add.png" -> "Add@2x.png".
QString DoubleResolutionName(const QString& name);
