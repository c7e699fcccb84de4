#pragma once
// Every read and ping of an image file through ImageMagick goes through
// here, so that the rules hold for the engine, the preview, the workers and
// the marks alike:
// - the path must lead, after links, to a regular file (a pipe would block);
// - the read options live in one place: a single-image read asks the coder
//   for the first frame only;
// - a header that promises far more pixels than the file could hold is
//   refused before anything is decoded;
// - warnings that say the pixel data is damaged are told apart from harmless
//   ones (an unknown tag, an odd profile).

#include <QList>
#include <QSize>
#include <QString>

#include <Magick++.h>

#include <string>

struct SProgressData;

class CMagickReader
{
public:
    // FramesWithinLimit: the first frames, as many as a file may have.
    enum Frames { FirstFrame, AllFrames, FramesWithinLimit };

    struct SResult {
        QList<Magick::Image> frames; // file order; empty when nothing was read
        bool clean = true;           // no report at all, warnings included
        QString damage;              // why the pixel data is damaged, or ""
        QString error;               // why nothing was read, or ""
    };

    // Decodes `path`. With a progress record, the library's progress callback
    // reports to it. A `jpegSize` lets libjpeg decode a JPEG at a reduced
    // scale no smaller than it (CImageFilters::DecodeHint); other coders
    // ignore it.
    static SResult Read(const QString& path, Frames frames, SProgressData* progress = nullptr,
                        QSize jpegSize = QSize());
    // Header data only, no pixels.
    static SResult Ping(const QString& path, Frames frames);
    // Decodes every frame through a pixel stream that keeps no image, row by
    // row: the damage and error of a read, at the memory of the coder's own
    // buffers. No frames are returned.
    static SResult Stream(const QString& path);

    // The frames of an animation as it shows them: GIF frames are patches
    // placed on the logical screen, each over what the one before left by its
    // disposal, and are composed in order into frames of the screen's size.
    // Pages of other formats are documents of their own (TIFF) or layers a
    // flatten places (PSD), and frames that fill the screen opaque are
    // already whole: both stay as they are. Throws what the library throws.
    static void ComposeAnimation(QList<Magick::Image>& frames);
    // The size `frame` has once its animation is composed: a GIF's screen,
    // whatever the patch; any other frame's own.
    static QSize ComposedSize(const Magick::Image& frame);

    // The most frames one file may have: one fewer than the policy's list
    // length, which the library's lists must stay below.
    static int FrameLimit();

    // The library's reason without the file name and source location it
    // appends: "Premature end of JPEG file `x.jpg' @ warning/jpeg.c/...".
    static QString ShortReason(const char* reason);
    // Most pixels a file of `bytes` bytes in coder `magick` may promise.
    static double PixelBound(qint64 bytes, const QString& magick);
    // The damage reason among the reports of a read, "" when none says the
    // pixel data is damaged.
    static QString DamageReason(const MagickCore::Image* list, const MagickCore::ExceptionInfo* exception);
    // The orientation a file gives, as the photo keeps it: Exif's eight, and
    // undefined for any other value (writers refuse them), whatever the format.
    static MagickCore::OrientationType Orientation(long value);

private:
    CMagickReader() = delete;
    enum Pass { Header, Pixels, Streamed };
    static SResult Run(const QString& path, Frames frames, Pass pass, SProgressData* progress,
                       QSize jpegSize = QSize());
};
