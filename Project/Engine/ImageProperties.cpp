// The photo's properties after a read or ping: from the image's Exif
// attributes, or from the raw decoder's result.
#include "ImageManager.h"

#include <QStringList>

#include <cmath>

namespace {

QString Attribute(const Magick::Image& image, const char* name)
{
    // Attribute texts are UTF-8 in both directions (the cache and the raw
    // path write them that way).
    return QString::fromStdString(image.attribute(name));
}

long long RoundHalfUp(double value)
{
    return static_cast<long long>(std::floor(value + 0.5));
}

// Degrees, minutes and seconds of "48/1, 51/1, 72837/2500" as numbers,
// whatever the denominators: "48", "51", "29.13" (seconds to two decimals,
// degrees and minutes to six and four, trailing zeros dropped). Missing
// seconds give an empty text. Fewer than two parts, a part that is no number
// or a zero denominator: none.
QStringList GpsParts(const QString& text)
{
    const QStringList fractions = text.split(',', Qt::SkipEmptyParts);
    if (fractions.size() < 2)
        return QStringList();
    const int decimals[] = {6, 4, 2};
    QStringList parts;
    for (int i = 0; i < 3; ++i) {
        if (i >= fractions.size()) {
            parts << QString();
            continue;
        }
        const QStringList pair = fractions[i].trimmed().split('/');
        bool numeratorOk = false;
        bool denominatorOk = true;
        const double numerator = pair[0].toDouble(&numeratorOk);
        const double denominator = pair.size() > 1 ? pair[1].toDouble(&denominatorOk) : 1.0;
        if (pair.size() > 2 || !numeratorOk || !denominatorOk || denominator == 0)
            return QStringList();
        QString number = QString::number(numerator / denominator, 'f', decimals[i]);
        while (number.contains('.') && (number.endsWith('0') || number.endsWith('.')))
            number.chop(1);
        parts << number;
    }
    return parts;
}

QString GpsText(const Magick::Image& image)
{
    const QStringList lat = GpsParts(Attribute(image, "EXIF:GPSLatitude"));
    const QStringList lon = GpsParts(Attribute(image, "EXIF:GPSLongitude"));
    if (lat.isEmpty() || lon.isEmpty())
        return QString();
    const QString latRef = Attribute(image, "EXIF:GPSLatitudeRef");
    const QString lonRef = Attribute(image, "EXIF:GPSLongitudeRef");
    return lat[0] + QChar(0x00B0) + lat[1] + '\'' + lat[2] + '"' + latRef + ' ' + lon[0] + QChar(0x00B0) +
           lon[1] + '\'' + lon[2] + '"' + lonRef + ' ';
}

QString AltitudeText(const Magick::Image& image)
{
    const QStringList parts = Attribute(image, "EXIF:GPSAltitude").split('/', Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return QString();
    const float numerator = parts[0].toFloat();
    const float denominator = parts[1].toFloat();
    const float value = denominator > 0 ? numerator / denominator : numerator;
    const bool below = Attribute(image, "EXIF:GPSAltitudeRef") == QLatin1String("1");
    return (below ? QStringLiteral("-") : QString()) + QString::asprintf("%.1f m", static_cast<double>(value));
}

QString ApertureText(const Magick::Image& image)
{
    const QStringList parts = Attribute(image, "exif:FNumber").split('/', Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return QString();
    const double denominator = parts[1].toDouble();
    if (denominator == 0)
        return QString();
    const long long tenths = RoundHalfUp(parts[0].toDouble() / denominator * 10);
    return "f/" + QString::number(static_cast<double>(tenths) / 10.0, 'g', 6);
}

QString ExposureText(const Magick::Image& image)
{
    const QStringList parts = Attribute(image, "exif:ExposureTime").split('/', Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return QString();
    const double numerator = parts[0].toDouble();
    if (numerator == 0)
        return QString();
    const long long n = RoundHalfUp(parts[1].toDouble() / numerator);
    return "1/" + QString::number(static_cast<double>(n), 'G', 3) + " sec";
}

QString IsoText(const Magick::Image& image)
{
    QString iso = Attribute(image, "exif:ISOSpeedRatings");
    // JPEG and PNG sources name the tag by its newer name.
    if (iso.isEmpty())
        iso = Attribute(image, "exif:PhotographicSensitivity");
    return iso.isEmpty() ? QString() : "ISO-" + iso;
}

int ColorSpaceCode(const Magick::Image& image)
{
    const QString value = Attribute(image, "exif:ColorSpace");
    if (value.isEmpty())
        return 0;
    return value == QLatin1String("1") ? 1 : 2;
}

} // namespace

void CImageManager::SetProperties(int kind, const SRAWImage* raw)
{
    SImageProperties& p = m_Properties;
    if (kind == PropertiesFromRaw) {
        if (!raw)
            return;
        p.width = static_cast<qint64>(raw->rawWidth);
        p.height = static_cast<qint64>(raw->rawHeight);
        p.dateTime = raw->dateTime;
        p.make = raw->make;
        p.model = raw->model;
        p.densityX = 72;
        p.densityY = 72;
        p.units = 1;
        // A raw file carries none of these here; the previous photo's values
        // must not show through.
        p.orientation = 0;
        p.gps.clear();
        p.altitude.clear();
        p.aperture.clear();
        p.exposure.clear();
        p.iso.clear();
        p.colorSpace = 0;
        return;
    }
    if (kind != PropertiesFromImage)
        return;
    const Magick::Image& image = m_Image;
    try {
        p.width = static_cast<qint64>(image.columns());
        p.height = static_cast<qint64>(image.rows());
        p.dateTime = Attribute(image, "EXIF:DateTimeOriginal");
        p.make = Attribute(image, "EXIF:Make");
        p.model = Attribute(image, "EXIF:Model");
        p.gps = GpsText(image);
        bool ok = false;
        const int orientation = Attribute(image, "EXIF:Orientation").toInt(&ok);
        p.orientation = ok ? orientation : 0;
        p.altitude = AltitudeText(image);
        p.aperture = ApertureText(image);
        p.exposure = ExposureText(image);
        p.iso = IsoText(image);
        p.colorSpace = ColorSpaceCode(image);
        const Magick::Geometry density = image.density();
        p.densityX = static_cast<int>(density.width());
        p.densityY = static_cast<int>(density.height());
        p.units = image.resolutionUnits() == Magick::PixelsPerCentimeterResolution ? 2 : 1;
    } catch (const Magick::Exception&) {
        // Attribute reads do not fail in practice; keep what was filled.
    }
}
