#include "ExifJpeg.h"

#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"

#include <QFile>

namespace BqTest
{

namespace
{
Magick::Image Plain(const QSize& size, QRgb colour)
{
    return Magick::Image(Magick::Geometry(static_cast<size_t>(size.width()), static_cast<size_t>(size.height())),
                         Magick::ColorRGB(qRed(colour) / 255.0, qGreen(colour) / 255.0, qBlue(colour) / 255.0));
}
} // namespace

bool WriteExifJpeg(const QString& path, const QSize& size, QRgb colour, const QSize& thumbSize, QRgb thumbColour,
                   const SExifFields& fields)
{
    return WriteExifJpeg(path, Plain(size, colour),
                         thumbSize.isEmpty() ? Magick::Image() : Plain(thumbSize, thumbColour), fields);
}

bool WriteExifJpeg(const QString& path, const Magick::Image& source, const Magick::Image& thumbnailImage,
                   const SExifFields& fields)
{
    using B = ExifBlockBuilder;
    Magick::Image photo(source);
    if (fields.density > 0) {
        photo.resolutionUnits(fields.perCentimetre ? MagickCore::PixelsPerCentimeterResolution
                                                   : MagickCore::PixelsPerInchResolution);
        photo.density(Magick::Geometry(static_cast<size_t>(fields.density), static_cast<size_t>(fields.density)));
    }
    QByteArray jpeg = JpegBytes(photo, 85);
    const bool withThumbnail = thumbnailImage.isValid() && thumbnailImage.columns() > 0;
    B block(false);
    if (!fields.make.isEmpty())
        block.AddAscii(B::Ifd0, 0x010f, fields.make);
    if (!fields.model.isEmpty())
        block.AddAscii(B::Ifd0, 0x0110, fields.model);
    if (!fields.dateTime.isEmpty())
        block.AddAscii(B::ExifIfd, 0x9003, fields.dateTime);
    if (withThumbnail) {
        QByteArray thumbnail = JpegBytes(thumbnailImage, 90);
        if (fields.corruptThumbnail)
            thumbnail = thumbnail.left(2) + QByteArray(thumbnail.size() - 2, '\x5a');
        block.SetThumbnail(thumbnail);
    }
    if (!fields.make.isEmpty() || !fields.model.isEmpty() || !fields.dateTime.isEmpty() || withThumbnail)
        jpeg = SpliceApp1(jpeg, block.Build());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

} // namespace BqTest
