#pragma once
// Photos that carry an orientation. ImageMagick writes no orientation into a
// JPEG without an Exif block, so oriented JPEGs get an APP1 inserted.

#include <QByteArray>
#include <QtGlobal>

namespace BqTest {
// A TIFF file (bytes) of a MakePhoto image of width x height whose
// Orientation tag is `orientation` (1-8).
QByteArray OrientedTiff(int orientation, size_t width, size_t height, quint32 seed = 1);

// `jpeg` with an Exif APP1 segment holding only the Orientation tag, placed
// right after the start-of-image marker. Empty when `jpeg` is no JPEG.
QByteArray InsertExifOrientation(const QByteArray& jpeg, int orientation);
} // namespace BqTest
