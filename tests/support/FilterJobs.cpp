#include "FilterJobs.h"

#include "FilterTypes.h"
#include "ImageFilters.h"
#include "OrientationFixtures.h"
#include "PhotoMaker.h"
#include "ResourceRoot.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
SFilterRecord Record(quint32 id, const char* name, const QVector<double>& numbers,
                     const QStringList& strings = {})
{
    SFilterRecord r;
    r.id = id;
    r.name = QString::fromLatin1(name);
    r.active = true;
    for (double v : numbers)
        r.AddNumber(v);
    for (const QString& s : strings)
        r.AddString(s);
    return r;
}
} // namespace

namespace BqTest {

QVector<SFilterRecord> DefaultFilterRecords()
{
    const QString sample = ResourceRoot() + "/Sample.png";
    const double black = 4278190080.0;
    const double white = 4294967295.0;
    return {
        Record(FilterText, "Text",
               {1, 7, 0, 100, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, 4282568191.0, 0, 20, 0, 1, black, 10,
                1, 0, white, 0, 10, 1, black, 50, 15, 315, 5},
               {"Copyright [Copyright] Quorvelline", "Arial-Regular", sample}),
        Record(FilterLogo, "Logo",
               {8, 50, 50, 0, 0, 0, 100, 0, 15, 0, 0, black, 10, 1, 1, black, 50, 15, 315, 5},
               {sample}),
        Record(FilterShapeFrame, "Shape Frame", {0, white, 0, 0, 0}),
        Record(FilterGrungeFrame, "Grunge Frame", {0, white, 0, 0}),
        Record(FilterPictureFrame, "Picture Frame", {0, white, 0, 0}),
        Record(FilterVintageFrame, "Vintage Frame", {0, white, 0, 0}),
        Record(FilterRaise, "Raise", {20, 1}),
        Record(FilterShadow, "Shadow", {50, 50, black, 0}),
        Record(FilterSimpleBorder, "Simple Border", {100, 100, 100, 100, 0, 4290493439.0, 1}),
        Record(FilterAutoRotate, "Auto Rotate", {}),
        Record(FilterCrop, "Crop", {600, 450, 2800, 2100, 0}),
        Record(FilterResize, "Resize", {1600, 1600, 1, 0, 0, 0}),
        Record(FilterRotate, "Rotate", {90, 0}),
    };
}

Magick::Image JpegPhoto(const QString& path, size_t width, size_t height, int orientation)
{
    Magick::Image photo = MakePhoto(width, height);
    photo.quality(92);
    Magick::Blob blob;
    photo.write(&blob, "JPEG");
    QByteArray bytes(static_cast<const char*>(blob.data()), static_cast<int>(blob.length()));
    if (orientation > 1)
        bytes = InsertExifOrientation(bytes, orientation);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return Magick::Image();
    file.close();
    Magick::Image decoded;
    decoded.read(path.toStdString());
    return decoded;
}

void RunFilterJobs(QVector<SFilterJob>& jobs, int workers)
{
    workers = std::max(1, workers);
    const Magick::MagickSizeType oldLimit = Magick::ResourceLimits::thread();
    const int cores = std::max(1, QThread::idealThreadCount());
    Magick::ResourceLimits::thread(static_cast<Magick::MagickSizeType>(std::max(1, cores / workers)));

    // Detached once here: the workers never touch the vector itself.
    SFilterJob* const data = jobs.data();
    const int count = jobs.size();
    QAtomicInt next(0);
    auto work = [data, count, &next]() {
        CImageFilters filters;
        for (int i = next.fetchAndAddOrdered(1); i < count; i = next.fetchAndAddOrdered(1)) {
            SFilterJob& job = data[i];
            QElapsedTimer clock;
            clock.start();
            filters.record = job.record;
            filters.sourcePath = job.sourcePath;
            filters.target = &job.image;
            job.applied = filters.Apply();
            job.nanoseconds = clock.nsecsElapsed();
        }
    };
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < workers; ++i) {
        threads.emplace_back(QThread::create(work));
        threads.back()->start();
    }
    for (auto& thread : threads)
        thread->wait();
    Magick::ResourceLimits::thread(oldLimit);
}

} // namespace BqTest
