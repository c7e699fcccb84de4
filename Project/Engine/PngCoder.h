#pragma once
// PNG files read and written through libpng itself. ImageMagick 6's PNG coder
// holds one process-wide lock around every read and write, so workers would
// take turns; libpng keeps its state per image. The images made and taken
// are those the library's coder makes and takes: pixels at 8 or 16 bits,
// alpha, the ICC profile, the density, the text chunks as properties, and
// the Exif profile as an eXIf chunk (read back too, which the coder does
// not do). What differs from the coder's files: palettes and grey images
// keep 8-bit samples (the coder may pack them into 1, 2 or 4 bits), the
// palette's order is the pixels' order, a palette gets no bKGD chunk, text
// beyond Latin-1 goes to iTXt, and metadata libpng refuses is left out.

#include "MagickReader.h"

#include <QString>

#include <Magick++.h>

class CPngCoder
{
public:
    // Whether the file starts with the PNG signature.
    static bool IsPng(const QString& path);
    // The first image of a PNG file, or its header data only; the reasons
    // as CMagickReader gives them. The library's width, height and area
    // limits hold.
    static CMagickReader::SResult Read(const QString& path, bool ping, SProgressData* progress);
    // Writes `image` with its quality (zlib level in the tens, as the
    // library takes it), interlace, depth, profiles, density and properties.
    // Metadata that PNG or libpng cannot hold is left out and named in
    // `warning`.
    static bool Write(Magick::Image& image, const QString& path, QString& reason, QString* warning = nullptr);

private:
    CPngCoder() = delete;
};
