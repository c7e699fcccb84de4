#pragma once
// Fixtures of the image engine tests: photos with known colours, CMYK JPEGs,
// a multi-page TIFF and ICC profile variants. All files are made by the
// tests themselves.

#include "ListFilters.h"

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>
#include <QVector>

#include <Magick++.h>

namespace BqTest {

// width x height, quadrants red | lime over blue | white.
Magick::Image FourQuadrants(size_t width = 64, size_t height = 48);
// The quadrant centres of an image of that layout: top-left, top-right,
// bottom-left, bottom-right.
QList<QRgb> QuadrantCentres(const Magick::Image& image);
// One pixel as 8-bit RGB, read through a CharPixel export (palette images
// answer pixelColor() wrongly).
QRgb PixelRgb(const Magick::Image& image, size_t x, size_t y);
// Largest difference of the three channels.
int ChannelDistance(QRgb a, QRgb b);

// The image encoded as a JPEG file's bytes.
QByteArray JpegBytes(const Magick::Image& image, int quality = 92);
// A JPEG of a few hundred bytes whose frame header claims width x height:
// a real 16 x 16 JPEG with its size patched, cut after the scan header.
QByteArray ClaimingJpeg(quint16 width, quint16 height);
// A PNG of a few hundred bytes whose header claims width x height: its rows
// are all zero and compress to almost nothing.
QByteArray ClaimingPng(quint32 width, quint32 height);
// One PNG chunk: length, type, data and CRC.
QByteArray PngChunk(const char* type, const QByteArray& data);

// A 64 x 48 gradient in one of the forms a PNG stores: "rgb", "rgb16",
// "grey", "grey16", "palette", "alpha", "alpha16", "grey+alpha",
// "interlaced" or "profile" (sRGB ICC profile, Exif, 300 ppi, texts with
// the orientation); `prefix`
// is what makes the library's coder store it in that form.
Magick::Image PngVariant(const QString& kind, std::string& prefix);
// What two decoded images do not share among size, depth, alpha, pixels,
// ICC and Exif profiles, density, orientation and the texts the engine
// writes; "" when they share all.
QString PngDifference(const Magick::Image& a, const Magick::Image& b);

// A CMYK JPEG of the four-quadrant photo; `profile`, when not empty, is
// embedded as its ICC profile.
void WriteCmykJpeg(const QString& path, const Magick::Blob& profile = Magick::Blob());
// Three pages: 40x30 red, 50x40 lime, 60x50 blue.
void WriteThreePageTiff(const QString& path);
// A GIF of `count` 10x10 frames, a red one and then blue ones, made from
// the bytes of two (the library takes minutes to write a thousand).
QByteArray GifOfFrames(int count);
// `count` red 1x1 patches at +5+5 on a `screen` x `screen` GIF screen: about
// a kilobyte whose frames are composed at the screen's size. Patches of a
// larger `side` are noise, a byte a pixel.
QByteArray GifOfPatches(int count, int screen, int side = 1);

// The ICC profile of `path` with another description: other bytes, the
// same colours.
Magick::Blob ProfileVariant(const QString& path, const char* description);
// An active record of filter `id` with these numeric slots.
SFilterRecord Record(quint32 id, const QVector<double>& values);
// One pixel with its alpha, read through the engine's own conversion.
QRgb Pixel(const Magick::Image& image, int x, int y);
// A progress monitor that stops the operation it watches at once.
MagickCore::MagickBooleanType StopAtOnce(const char*, MagickCore::MagickOffsetType, MagickCore::MagickSizeType, void*);

QByteArray FileBytes(const QString& path);
QByteArray BlobBytes(const Magick::Blob& blob);
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace BqTest
