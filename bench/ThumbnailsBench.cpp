// What the photo list's thumbnails cost: 1,000 names for 10 distinct 12 MP
// photo-like JPEGs, each carrying a 160 x 120 Exif thumbnail of itself, are
// listed in a shown 800 x 600 list in Medium Icons, as the photo page does.
//
//   T_exif: from the end of the listing until every row meeting the viewport
//           shows its thumbnail, made by the list's loader thread;
//   T_full: the same rows, one after the other, each photo decoded fully and
//           made into the same thumbnail.
//
// Not a test: nothing is asserted; the figures go into the notes of the
// change that moves them. Run through bench/run-thumbnails.
#include "ExifJpeg.h"
#include "FormatsEnum.h"
#include "ListThumb.h"
#include "MagickRuntime.h"
#include "Metadata.h"
#include "PhotoMaker.h"
#include "PhotoPageStandIn.h"
#include "ThumbListProbe.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <Magick++.h>

#include <algorithm>
#include <unistd.h>

namespace
{

constexpr int kPhotos = 1000;
constexpr int kDistinct = 10;

QString Ms(double ms)
{
    return QString::number(ms, 'f', 1) + " ms";
}

double Median(QVector<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The thumbnail of one photo by either path, as far as a shown pixmap.
QPixmap FromExif(const QString& path, int side)
{
    CMetadata metadata;
    metadata.Read(path);
    Magick::Image thumbnail;
    thumbnail.read(Magick::Blob(metadata.GetThumbnail(), metadata.GetThumbnailSize()));
    return QPixmap::fromImage(CListThumbThread::MakeThumbnail(thumbnail, side));
}

QPixmap FromFullDecode(const QString& path, int side)
{
    Magick::Image photo;
    photo.read(path.toStdString());
    return QPixmap::fromImage(CListThumbThread::MakeThumbnail(photo, side));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(dir.path()));
    if (!dir.isValid() || !StartMagickRuntime()) {
        out << "no temporary folder, or ImageMagick did not start\n";
        return 1;
    }
    CFormatsEnum::GetInstance()->GenerateList();

    out << "making " << kDistinct << " photos of 4000 x 3000 with 160 x 120 Exif thumbnails...\n";
    out.flush();
    QStringList sources;
    for (int i = 0; i < kDistinct; ++i) {
        const Magick::Image photo = BqTest::MakePhoto(4000, 3000, static_cast<quint32>(11 + i));
        Magick::Image thumbnail(photo);
        thumbnail.resize(Magick::Geometry(160, 120));
        const QString path = dir.filePath(QString("source-%1.jpg").arg(i));
        if (!BqTest::WriteExifJpeg(path, photo, thumbnail)) {
            out << "cannot write " << path << "\n";
            return 1;
        }
        sources << path;
    }
    QStringList paths;
    for (int i = 0; i < kPhotos; ++i) {
        const QString path = dir.filePath(QString("photo-%1.jpg").arg(i, 4, 10, QChar('0')));
        const QString& source = sources[i % kDistinct];
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(path).constData()) != 0 &&
            !QFile::copy(source, path)) {
            out << "cannot link or copy " << path << "\n";
            return 1;
        }
        paths << path;
    }

    CListThumb list;
    list.resize(800, 600);
    PhotoPageStandIn page(&list);
    list.show();
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : paths)
        page.AddPhoto(path);
    page.SetViewMode(2);
    const double listing = clock.nsecsElapsed() / 1e6;
    clock.restart();
    QCoreApplication::processEvents();
    const QList<int> rows = BenchProbe::RowsOnScreen(&list);
    QDeadlineTimer deadline(120000);
    while (!BenchProbe::ThumbnailsShown(&list, rows) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double exif = clock.nsecsElapsed() / 1e6;
    if (deadline.hasExpired())
        out << "the thumbnails did not arrive within 120 s\n";

    const int side = list.Loader()->boxSide;
    QVector<double> exifRows;
    QVector<double> fullRows;
    double full = 0.0;
    for (int row : rows) {
        clock.restart();
        FromFullDecode(page.paths[row], side);
        fullRows << clock.nsecsElapsed() / 1e6;
        full += fullRows.last();
        clock.restart();
        FromExif(page.paths[row], side);
        exifRows << clock.nsecsElapsed() / 1e6;
    }

    out << kPhotos << " photos listed in " << Ms(listing) << "\n"
        << rows.size() << " rows meet the 800 x 600 viewport (Medium Icons)\n"
        << "T_exif (loader thread, until shown): " << Ms(exif) << "\n"
        << "T_full (full decodes, one after the other): " << Ms(full) << "\n"
        << "ratio T_full / T_exif: " << QString::number(exif > 0 ? full / exif : 0.0, 'f', 1) << "x\n"
        << "per row, median: Exif thumbnail " << Ms(Median(exifRows)) << ", full decode " << Ms(Median(fullRows))
        << "\n"
        << "cores: " << QThread::idealThreadCount()
        << ", ImageMagick memory limit: " << static_cast<qulonglong>(Magick::ResourceLimits::memory()) << " bytes\n";
    return 0;
}
