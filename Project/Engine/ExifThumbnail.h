#pragma once
// The embedded thumbnail of a photo's Exif block shows the photo as it was
// taken: after a crop, a mark or a rotation it shows what the output hides.
// These functions take it out and keep every other Exif field.

#include <QByteArray>

#include <Magick++.h>

namespace ExifThumbnail
{
// `exif` (a TIFF structure, with or without the "Exif\0\0" prefix) without
// IFD1 and the bytes of its thumbnail: the block ends before them, or, where
// other data follows them, closes up with its offsets lowered by an even
// count. Where that would move a maker note or sub-IFDs (which hold offsets
// of their own), where a directory does not read or where the thumbnail's
// length runs into what stays, IFD1 is unlinked and the thumbnail's bytes
// are zeroed in place up to what stays, every other value where it was. A
// block where no reader finds a thumbnail comes back unchanged.
QByteArray Without(const QByteArray& exif);

// Applies Without() to every copy of the image's Exif (the Exif in its
// Photoshop resource block too).
void RemoveFrom(Magick::Image& image);
} // namespace ExifThumbnail
