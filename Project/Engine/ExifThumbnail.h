#pragma once
// The embedded thumbnail of a photo's Exif block shows the photo as it was
// taken: after a crop, a mark or a rotation it shows what the output hides.
// These functions take it out and keep every other Exif field.

#include <QByteArray>

#include <Magick++.h>

namespace ExifThumbnail
{
// `exif` (a TIFF structure, with or without the "Exif\0\0" prefix) with IFD1
// unlinked and its directory and thumbnail bytes zeroed. An empty result
// means the block cannot be read safely and must be dropped whole; a block
// without a thumbnail comes back unchanged. With `shrink`, the zeroed bytes
// that end the block are cut off.
QByteArray Without(const QByteArray& exif, bool shrink = false);

// Applies Without() to the image's "exif" profile (dropped when it cannot
// be read); nothing when the image has none.
void RemoveFrom(Magick::Image& image);
} // namespace ExifThumbnail
