#pragma once
// The orientation entry (0x0112) of an Exif block's IFD0, for the coders
// that keep a photo's Exif without reading or writing its orientation
// (Photoshop's, in the Exif of its resource block), and its copies in XMP.

#include <QByteArray>

namespace ExifOrientation
{
// The entry's value in `exif` (a TIFF structure, with or without the
// "Exif\0\0" prefix); 0 when it has none or the block does not read.
int Of(const QByteArray& exif);

// `exif` with the entry set to `orientation`, or, when that is none of 1-8,
// taken out: the entries after it move up and the block keeps its length.
// A block that does not read comes back as it is.
QByteArray With(const QByteArray& exif, int orientation);

// `xmp` with each tiff:Orientation and exif:Orientation (element or
// attribute) set to `orientation`, or taken out when that is none of 1-8.
QByteArray InXmp(const QByteArray& xmp, int orientation);
} // namespace ExifOrientation
