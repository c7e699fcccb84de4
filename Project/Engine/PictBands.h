#pragma once
// PICT files the library's coder refuses. It puts each row of a photo into one
// pixel map whose rowBytes, a 15-bit field, holds 4 bytes a pixel, and so
// takes photos no wider than 8,127 pixels (palette ones, a byte a pixel, up
// to 32,510). A picture may hold several pixel maps, each drawn at its own
// destination rectangle, and the library's reader draws every one into the
// picture frame: a wider photo goes as vertical bands side by side, each one
// DirectBitsRect no wider than the coder writes, in one picture whose frame
// is the whole photo. What comes before the pixels (resolution, IPTC and ICC
// comments, clip region) is written as the coder writes it.

#include <QString>

#include <Magick++.h>

class CPictBands
{
public:
    // The widest photo the coder writes in one pixel map.
    static constexpr int kLibraryWidth = 8127;
    // PICT's coordinates are signed 16-bit numbers.
    static constexpr int kMaxSide = 32767;

    // Whether `image` is beyond the library's coder: wider than it writes,
    // or with a side past PICT's coordinates, whose file would not read
    // (Write refuses those).
    static bool Needed(const Magick::Image& image);
    // Writes `image` to `path`, its rows read a band's width at a time; a
    // photo past PICT's coordinates is refused. The reason goes to `reason`
    // (errno stays as the failed system call left it).
    static bool Write(Magick::Image& image, const QString& path, QString& reason);

private:
    CPictBands() = delete;
};
