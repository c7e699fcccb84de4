#pragma once
// Crossing between record colours, Qt images and ImageMagick images. Sample
// scaling lives in Quantum.h; these functions never depend on the depth.

#include <QImage>
#include <QRect>
#include <QRgb>

#include <Magick++.h>

// A colour slot (0xAARRGGBB stored as a double) as a QRgb. Goes through a
// 64-bit integer: a plain int cast turns 4278190080 into 0x80000000. NaN,
// infinities and magnitudes of 2^63 or more give 0. QColor(SlotRgb(v)) and ColorFromRgb(SlotRgb(v)) are the opaque
// Qt and ImageMagick colours of the slot.
QRgb SlotRgb(double v);

// The image (or the part of it inside `area`, when that is not null) as an
// ARGB32 QImage: 8-bit samples, alpha = 255 - opacity, opaque when the image
// has no alpha channel. A null QImage when nothing is left or memory is
// short. Throws Magick::Exception when the pixels cannot be read.
QImage ImageMagickToQt(const Magick::Image& image, const QRect& area = QRect());

// A Qt image as an ImageMagick image with an alpha channel; an empty image
// for a null QImage. Throws Magick::Exception when the image cannot be made.
Magick::Image QtToImageMagick(const QImage& image);

// The device pixel ratio the screen renders at, at least 1; 1 without a GUI
// application. Marks and preview areas drawn for the screen scale by it.
double ScreenPixelRatio();
