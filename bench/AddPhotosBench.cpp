// What adding a folder of photos costs on the step-1 page: N photo-like
// 1600 x 1200 JPEGs (2,000 by default), each with its own Exif block and a
// 160 x 120 Exif thumbnail, are added by the page's "Add Folder" command
// (the chooser answered by the test hooks) while the page is shown at
// 700 x 550 in Medium Icons.
//
//   add:          from the command until it returns with both views rebuilt,
//                 split at the end of the listing (a record and a ping per
//                 photo) and the rebuild;
//   first screen: from the command until every row meeting the list's
//                 viewport shows its own thumbnail, with the event loop
//                 running;
//   pings:        the listing's property ping per photo against the engine
//                 object's ping alone and a bare Magick++ ping, over every
//                 photo.
//
// Not a test: nothing is asserted. Run through bench/run-add-photos.
#include "BqTestMain.h"
#include "ExifJpeg.h"
#include "ImageManager.h"
#include "ListThumb.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "Step1Fixture.h"
#include "ThumbListProbe.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <Magick++.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{

constexpr int kDefaultPhotos = 2000;
constexpr int kThumbnailTimeoutMs = 60000;

QString Ms(qint64 ns)
{
    return QString::number(static_cast<double>(ns) / 1e6, 'f', 1) + " ms";
}

QString PerPhoto(qint64 ns, int photos)
{
    return QString::number(static_cast<double>(ns) / 1e6 / photos, 'f', 3) + " ms/photo";
}

QString LoadAverage()
{
    QFile file("/proc/loadavg");
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    return QString::fromLatin1(file.readLine()).section(' ', 0, 2);
}

// Every photo differs in pixels, date and thumbnail, so that no cache can
// stand in for a read. One ImageMagick thread per worker: the workers
// already fill the cores.
bool MakePhotos(const QString& folder, int count)
{
    const MagickCore::MagickSizeType threads = Magick::ResourceLimits::thread();
    Magick::ResourceLimits::thread(1);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (int i = next++; i < count && !failed; i = next++) {
            try {
                const Magick::Image photo = BqTest::MakePhoto(1600, 1200, static_cast<quint32>(1000 + i));
                Magick::Image thumbnail(photo);
                thumbnail.resize(Magick::Geometry(160, 120));
                BqTest::SExifFields fields;
                fields.make = "Canon";
                fields.model = "Canon EOS 5D";
                fields.dateTime =
                    QString::asprintf("2014:07:03 %02d:%02d:%02d", i / 3600 % 24, i / 60 % 60, i % 60).toLatin1();
                const QString path = folder + QString("/photo-%1.jpg").arg(i, 5, 10, QChar('0'));
                if (!BqTest::WriteExifJpeg(path, photo, thumbnail, fields))
                    failed = true;
            } catch (const Magick::Exception&) {
                failed = true;
            }
        }
    };
    std::vector<std::thread> workers;
    for (int k = 0; k < std::max(1, QThread::idealThreadCount()); ++k)
        workers.emplace_back(work);
    for (std::thread& worker : workers)
        worker.join();
    Magick::ResourceLimits::thread(threads);
    return !failed;
}

} // namespace

int main(int argc, char** argv)
{
    // The page clears and writes the program's settings: a home of its own.
    BqTest::IsolateEnvironment();
    QApplication app(argc, argv);
    BqTest::CheckSettingsIsolated();
    QTextStream out(stdout);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultPhotos;
    if (count < 1) {
        out << "usage: brandquill-bench-add-photos [photos]   (default " << kDefaultPhotos << ")\n";
        return 2;
    }
    QTemporaryDir dir;
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(dir.path()));
    if (!dir.isValid() || !StartMagickRuntime()) {
        out << "no temporary folder, or ImageMagick did not start\n";
        return 1;
    }
    const QString folder = dir.filePath("photos");
    QDir().mkpath(folder);

    out << "making " << count << " photos of 1600 x 1200 with 160 x 120 Exif thumbnails (not timed)...\n";
    out.flush();
    QElapsedTimer clock;
    clock.start();
    if (!MakePhotos(folder, count)) {
        out << "cannot write the photos\n";
        return 1;
    }
    out << "made in " << Ms(clock.nsecsElapsed()) << "\n";

    SStep1Page s;
    CListThumb* list = s.ui->listImages;
    s.hooks->folder = folder;
    qint64 listed = -1;
    // The walk of the folder reports its end before the views are rebuilt.
    QObject::connect(s.page.get(), &CMainPanel1::SignalListImagesChanged, [&] {
        if (listed < 0)
            listed = clock.nsecsElapsed();
    });
    out << "load average before the add: " << LoadAverage() << "\n";
    out.flush();

    clock.restart();
    s.page->AddFolder(false);
    const qint64 added = clock.nsecsElapsed();
    const QList<SImageRecord>& images = CListImages::GetInstance()->images;
    const bool rebuilt = images.size() == count && list->count() == count &&
                         s.ui->listImagesDetails->rowCount() == count && images.last().position == count - 1;

    QCoreApplication::processEvents();
    const QList<int> rows = BenchProbe::RowsOnScreen(list);
    QDeadlineTimer deadline(kThumbnailTimeoutMs);
    while (!BenchProbe::ThumbnailsShown(list, rows) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 shown = clock.nsecsElapsed();
    const bool allShown = !deadline.hasExpired();

    // Each ping path over every photo, files warm as they were for the add.
    const QStringList paths = SStep1Page::Paths();
    clock.restart();
    for (const QString& path : paths) {
        SThumb record;
        record.path = path;
        CListThumb::LoadImageExif(record);
    }
    const qint64 listPings = clock.nsecsElapsed();
    clock.restart();
    for (const QString& path : paths) {
        CImageManager engine;
        engine.Ping(path);
    }
    const qint64 enginePings = clock.nsecsElapsed();
    clock.restart();
    for (const QString& path : paths) {
        Magick::Image image;
        image.ping(QFile::encodeName(path).toStdString());
    }
    const qint64 barePings = clock.nsecsElapsed();

    out << count << " photos added by Add Folder in " << Ms(added) << " (goal under 3000 ms)\n"
        << "  listing " << Ms(listed) << ", rebuild of both views " << Ms(added - listed) << "\n"
        << "  both views rebuilt when the command returned: " << (rebuilt ? "yes" : "NO") << "\n"
        << rows.size() << " rows meet the list's viewport (" << list->viewport()->width() << " x "
        << list->viewport()->height() << ")\n";
    if (allShown)
        out << "first screen of thumbnails shown " << Ms(shown) << " after the command, " << Ms(shown - added)
            << " after it returned\n";
    else
        out << "the thumbnails were not all shown within " << kThumbnailTimeoutMs / 1000 << " s\n";
    out << "pings over " << paths.size() << " photos, one after the other:\n"
        << "  the list's property ping (CListThumb::LoadImageExif):  " << Ms(listPings) << ", "
        << PerPhoto(listPings, qMax(1, paths.size())) << "\n"
        << "  a CImageManager and its Ping, without the texts:       " << Ms(enginePings) << ", "
        << PerPhoto(enginePings, qMax(1, paths.size())) << "\n"
        << "  a bare Magick++ ping (Magick::Image::ping):            " << Ms(barePings) << ", "
        << PerPhoto(barePings, qMax(1, paths.size())) << "\n"
        << "cores: " << QThread::idealThreadCount() << ", load average after: " << LoadAverage() << "\n";
    return rebuilt && allShown ? 0 : 1;
}
