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
// other data follows them, closes up with its offsets lowered. Where that
// would move a maker note or sub-IFDs (which hold offsets of their own), IFD1
// is unlinked and the bytes are zeroed in place, the block ending before them
// where nothing else follows. An empty result means the block cannot
// be read safely and must be dropped whole; a block without a thumbnail
// comes back unchanged.
QByteArray Without(const QByteArray& exif);

// Applies Without() to the image's "exif" profile (dropped when it cannot
// be read); nothing when the image has none.
void RemoveFrom(Magick::Image& image);
} // namespace ExifThumbnail
