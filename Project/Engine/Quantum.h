#pragma once
// The only place that knows the sample depth of the ImageMagick build: every
// other file scales colours through these functions, so the code holds for 8-
// and 16-bit builds alike.

#include <QRgb>

#include <Magick++.h>

// The largest sample value (QuantumRange).
double QuantumMax();
// An 8-bit sample (clamped to 0..255) scaled to the full sample range.
Magick::Quantum QuantumFrom8(int v);
// A sample scaled down to 8 bits, rounded and clamped.
int QuantumTo8(double q);
// A sample in 8 bits as the library's coders write it.
inline unsigned char QuantumToChar(Magick::Quantum q)
{
    return MagickCore::ScaleQuantumToChar(q);
}
// An opaque colour from a record's ARGB value (its alpha is ignored); the
// transparency in percent (0 opaque, 100 invisible) becomes the opacity.
Magick::Color ColorFromRgb(QRgb rgb, double transparencyPercent = 0);
