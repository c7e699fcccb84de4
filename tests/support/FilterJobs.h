#pragma once
// Filter records run on large photos in worker threads, as a batch run does:
// each worker owns its own CImageFilters. Shared by the photo-sized filter
// test and the filter benchmark; compiled into both next to bq_engine.

#include "ListFilters.h"

#include <QString>
#include <QVector>

#include <Magick++.h>

namespace BqTest {

// The thirteen filter types, each with its editor's default settings;
// crop and resize get fixed sizes (crop 600, 450, 2800 x 2100; resize to
// 1600 x 1600 keeping the aspect), rotate turns by 90. The logo is the
// sample logo of ResourceRoot().
QVector<SFilterRecord> DefaultFilterRecords();

// A MakePhoto image written as a JPEG (quality 92) to `path`, with an Exif
// orientation when `orientation` is 2-8, and read back from the file.
Magick::Image JpegPhoto(const QString& path, size_t width, size_t height, int orientation = 1);

struct SFilterJob {
    SFilterRecord record;
    Magick::Image image;  // changed in place
    QString sourcePath;   // for the text mark's keywords
    bool applied = false; // what Apply answered
    qint64 nanoseconds = 0;
};

// Runs every job on `workers` QThreads at once, each taking the next job
// and applying it with its own CImageFilters. While they run, ImageMagick
// gets at most cores / workers threads (at least 1); the limit is restored.
// The font database must have been touched on the GUI thread.
void RunFilterJobs(QVector<SFilterJob>& jobs, int workers);

} // namespace BqTest
