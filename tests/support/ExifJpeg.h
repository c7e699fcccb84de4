#pragma once
// JPEG photos with an embedded Exif thumbnail of a chosen size and colour,
// written without any outside tool.

#include <QByteArray>
#include <QRgb>
#include <QSize>
#include <QString>

#include <Magick++.h>

namespace BqTest
{

struct SExifFields {
    QByteArray make;
    QByteArray model;
    QByteArray dateTime; // "2014:07:03 18:22:09"
    int density = 0;     // both directions; 0 leaves the encoder's
    bool perCentimetre = false;
    bool corruptThumbnail = false; // thumbnail bytes that do not decode
};

// A `size` photo of one colour; with a non-empty thumbSize it carries a
// thumbnail of that size and colour. False when the file cannot be written.
bool WriteExifJpeg(const QString& path, const QSize& size, QRgb colour, const QSize& thumbSize, QRgb thumbColour,
                   const SExifFields& fields = SExifFields());

// The same from images: `thumbnail` is embedded unless it is empty
// (Magick::Image() has no pixels).
bool WriteExifJpeg(const QString& path, const Magick::Image& photo, const Magick::Image& thumbnail,
                   const SExifFields& fields = SExifFields());

} // namespace BqTest
