// Measures what the photo list gains from embedded Exif thumbnails: copies of
// a 12 MP photo-like JPEG carrying a 160 x 120 thumbnail are turned into
// thumbnails once through CMetadata (section read plus thumbnail decode) and
// once through a full ImageMagick read scaled to 160 pixels.
//
// Usage: exif-thumbnails [copies]   (default 200)
#include "ExifBlockBuilder.h"
#include "MagickRuntime.h"
#include "Metadata.h"
#include "PhotoMaker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <Magick++.h>

namespace {
QByteArray Encode(Magick::Image image, int quality)
{
    image.quality(static_cast<size_t>(quality));
    Magick::Blob blob;
    image.write(&blob, "JPEG");
    return QByteArray(static_cast<const char*>(blob.data()), static_cast<int>(blob.length()));
}

QByteArray PhotoWithThumbnail()
{
    using B = BqTest::ExifBlockBuilder;
    const Magick::Image photo = BqTest::MakePhoto(4000, 3000, 7);
    Magick::Image small(photo);
    small.scale(Magick::Geometry(160, 120));
    B block(false);
    block.AddAscii(B::Ifd0, 0x010f, "Canon")
        .AddAscii(B::Ifd0, 0x0110, "Canon EOS 5D")
        .AddShort(B::Ifd0, 0x0112, 1)
        .AddAscii(B::ExifIfd, 0x9003, "2013:05:04 14:22:10")
        .SetThumbnail(Encode(small, 80));
    return BqTest::SpliceApp1(Encode(photo, 90), block.Build());
}

QString Milliseconds(qint64 ns)
{
    return QString::number(static_cast<double>(ns) / 1e6, 'f', 1) + " ms";
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int copies = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    if (copies < 1) {
        out << "usage: exif-thumbnails [copies]\n";
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "cannot create a temporary folder\n";
        return 1;
    }
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(dir.path()));
    StartMagickRuntime();

    const QByteArray jpeg = PhotoWithThumbnail();
    QStringList paths;
    for (int i = 0; i < copies; ++i) {
        const QString path = dir.filePath(QString("photo-%1.jpg").arg(i, 3, 10, QChar('0')));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
            out << "cannot write " << path << "\n";
            return 1;
        }
        paths << path;
    }
    out << copies << " copies of a 4000 x 3000 JPEG (" << jpeg.size() / 1024
        << " KB) with a 160 x 120 Exif thumbnail\n";
    out.flush();

    QElapsedTimer timer;
    int made = 0;
    timer.start();
    for (const QString& path : paths) {
        CMetadata metadata;
        metadata.Read(path);
        if (metadata.GetThumbnailSize() == 0)
            continue;
        Magick::Image thumbnail(Magick::Blob(metadata.GetThumbnail(), metadata.GetThumbnailSize()));
        made += thumbnail.columns() == 160 ? 1 : 0;
    }
    const qint64 exifTime = timer.nsecsElapsed();

    int scaled = 0;
    timer.restart();
    for (const QString& path : paths) {
        Magick::Image image;
        image.read(QFile::encodeName(path).toStdString());
        image.scale(Magick::Geometry(160, 160));
        scaled += image.columns() == 160 ? 1 : 0;
    }
    const qint64 fullTime = timer.nsecsElapsed();

    out << "Exif thumbnail (CMetadata::Read + decode): " << Milliseconds(exifTime) << ", " << made
        << " thumbnails\n";
    out << "Full read + scale to 160 px:               " << Milliseconds(fullTime) << ", " << scaled
        << " thumbnails\n";
    out << "Ratio: " << QString::number(static_cast<double>(fullTime) / qMax<qint64>(exifTime, 1), 'f', 1)
        << "x\n";
    return made == copies && scaled == copies ? 0 : 1;
}
