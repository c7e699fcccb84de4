#pragma once
// Photos that carry an orientation. ImageMagick writes no orientation into a
// JPEG without an Exif block, so oriented JPEGs get an APP1 inserted.

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace BqTest {
// A TIFF file (bytes) of a MakePhoto image of width x height whose
// Orientation tag is `orientation` (1-8).
QByteArray OrientedTiff(int orientation, size_t width, size_t height, quint32 seed = 1);

// `jpeg` with an Exif APP1 segment holding only the Orientation tag, placed
// right after the start-of-image marker. Empty when `jpeg` is no JPEG.
QByteArray InsertExifOrientation(const QByteArray& jpeg, int orientation);

// A PSD file (bytes) of a MakePhoto image whose Photoshop resource block
// holds Exif (resource 1058) with only the Orientation tag, as image editors
// store it: the PSD coder itself keeps no orientation.
QByteArray PsdWithExifOrientation(int orientation, size_t width, size_t height);

// The value of every orientation entry (Exif or TIFF: tag 0x0112, one
// Short) that a file's bytes hold, in either byte order.
QList<int> OrientationEntries(const QByteArray& file);
} // namespace BqTest
