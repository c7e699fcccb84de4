#pragma once
// The pixel memory each step of a photo holds at its peak, told before the
// photo is read: from its header (size, frames, orientation, format) and the
// geometry of the filter chain. The workers hold it in the pixel budget
// (PixelBudget.h). Pixel caches are counted as the library allocates them;
// the coders' own buffers (a PICT or PCX coder holds the whole picture
// beside the image) as bytes per pixel measured on 48-megapixel photos, a
// PICT in bands on 100-megapixel ones.

#include "ListFilters.h"

#include <QList>
#include <QSize>
#include <QString>

class CPhotoPeaks
{
public:
    struct SPhoto {
        QSize size;    // the photo's own, from its header, as the read composes it
        QSize decoded; // the reduced JPEG decode's size, or empty
        int orientation = 0;
        int frames = 1;       // frames read and filtered together
        bool indexed = false; // CMYK or palette: an index sample per pixel
        QString format;       // the source's coder (JPEG, PNG, ...; RAW: a camera raw)
    };

    struct SPlan {
        // Bytes at the peak of the read, of each active filter in chain
        // order and of the write.
        QList<quint64> steps;
        // Bytes the read-back of the output holds once the image has gone.
        quint64 check = 0;
        // The most of the steps' bytes that are the library's pixel caches
        // (the coders' buffers left out): blocks kept from earlier photos
        // may serve them.
        quint64 caches = 0;
    };
    static SPlan Steps(const SPhoto& photo, const QList<SFilterRecord>& chain, const QString& outputFormat);
    // Pixels one filter holds at its peak on an image of `size`, the image
    // included; `size` becomes the size it leaves.
    static double FilterPeak(const SFilterRecord& record, QSize& size, int orientation);
    // Bytes per pixel a coder holds beside the image: its reader, as the
    // read-back streams it (`write` false), or its writer, on an image
    // `width` pixels wide (a PICT wider than the library writes goes in bands).
    static double CoderBytes(const QString& format, bool write, int width);
};
