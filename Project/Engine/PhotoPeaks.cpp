#include "PhotoPeaks.h"

#include "FilterTypes.h"
#include "FilterValues.h"
#include "ImageFilters.h"
#include "PictBands.h"

#include <Magick++.h>

#include <algorithm>
#include <cmath>

namespace
{

double Pixels(QSize size)
{
    return double(std::max(0, size.width())) * double(std::max(0, size.height()));
}

double Radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

// The library's rotation by a free angle: a quarter turn first, then three
// shears in a canvas grown to hold them, cropped to the turned photo.
double RotatePeak(double degrees, QSize& size)
{
    const double in = Pixels(size);
    double angle = std::fmod(degrees, 360.0);
    if (angle < -45.0)
        angle += 360.0;
    const int turns = int((angle + 45.0) / 90.0) % 4;
    angle -= 90.0 * turns;
    double w = size.width();
    double h = size.height();
    if (turns % 2)
        std::swap(w, h);
    const double turned = turns ? w * h : 0;
    if (std::fabs(angle) < 1e-9) {
        size = QSize(int(w), int(h));
        return in + turned;
    }
    const double shearX = std::fabs(std::tan(Radians(angle) / 2));
    const double shearY = std::fabs(std::sin(Radians(angle)));
    const double boundsW = std::floor(h * shearX + w + 0.5);
    const double boundsH = std::floor(boundsW * shearY + h + 0.5);
    const double shearW = std::floor(boundsH * shearX + boundsW + 0.5);
    const double x = std::floor(((shearW > boundsW) ? w : boundsW - shearW + 2) / 2 + 0.5);
    const double y = std::floor((boundsH - h + 2) / 2 + 0.5);
    const double sheared = (w + 2 * x) * (h + 2 * y);
    const double c = std::fabs(std::cos(Radians(angle)));
    const double s = std::fabs(std::sin(Radians(angle)));
    size = QSize(int(std::ceil(w * c + h * s)), int(std::ceil(w * s + h * c)));
    return in + sheared + std::max(turned, Pixels(size));
}

QSize BorderedSize(const SFilterRecord& record, QSize size)
{
    const auto b = CImageFilters::BorderWidths(record, size.width(), size.height());
    return QSize(int(std::ceil(size.width() + b.left + b.right)), int(std::ceil(size.height() + b.top + b.bottom)));
}

} // namespace

double CPhotoPeaks::FilterPeak(const SFilterRecord& record, QSize& size, int orientation)
{
    const double in = Pixels(size);
    switch (record.id) {
    case FilterText:
    case FilterLogo:
    case FilterRaise:
        // Drawn into the photo's own pixels.
        return in;
    case FilterResize: {
        const CImageFilters::SResizePlan plan =
            CImageFilters::PlanResize(size_t(size.width()), size_t(size.height()), record);
        size = CImageFilters::ScaledSize(size, plan);
        return plan.skip ? in : in + Pixels(size);
    }
    case FilterCrop:
        // Never larger than the photo: counted as the photo.
        return 2 * in;
    case FilterAutoRotate:
        if (orientation >= 5 && orientation <= 8)
            size.transpose();
        return orientation >= 2 && orientation <= 8 ? 2 * in : in;
    case FilterRotate:
        if (CImageFilters::RotateSkips(size_t(size.width()), size_t(size.height()), record))
            return in;
        return RotatePeak(std::isfinite(record.numbers[0]) ? record.numbers[0] : 0.0, size);
    case FilterSimpleBorder:
        size = BorderedSize(record, size);
        return in + Pixels(size);
    case FilterShadow: {
        const double border = std::floor(2.0 * std::max(0, SlotInt(record.numbers[1])) + 0.5);
        size = QSize(int(size.width() + 2 * border), int(size.height() + 2 * border));
        return in + Pixels(size) * (record.numbers[3] != 0 ? 2 : 1);
    }
    default:
        // The frames: the frame picture stretched to the photo, and its read.
        return 3 * in;
    }
}

double CPhotoPeaks::CoderBytes(const QString& format, bool write, int width)
{
    // A PICT in bands, measured on 11548 x 8660 photos (two bands): the
    // writer holds a few rows, the reader a band beside the whole picture.
    const bool pict = format == QLatin1String("PICT") || format == QLatin1String("PCT");
    if (pict && width > CPictBands::kLibraryWidth)
        return write ? 0 : 26;
    // Measured on 8000 x 6000 photos: peak resident memory of one write,
    // and of one streamed read, less the image itself. A camera raw's
    // decoder holds the sensor's samples, its working image and two copies
    // of the result, 16 bytes a pixel, gone before the image takes its 8.
    struct SCost {
        const char* format;
        double read;
        double write;
    };
    static const SCost costs[] = {{"BMP", 3, 3},  {"PICT", 37, 1},  {"PCT", 37, 1}, {"PCX", 16, 8},  {"PSD", 16, 1},
                                  {"SGI", 12, 8}, {"WBMP", 16, 21}, {"GIF", 1, 13}, {"JP2", 14, 24}, {"JPC", 14, 24},
                                  {"TGA", 1, 1},  {"PNG", 4, 4},    {"JPG", 0, 6},  {"JPEG", 0, 6},  {"JPE", 0, 6},
                                  {"RAW", 8, 0}};
    for (const SCost& cost : costs) {
        if (format == QLatin1String(cost.format))
            return write ? cost.write : cost.read;
    }
    // TIFF codes a few rows at a time.
    return 0;
}

CPhotoPeaks::SPlan CPhotoPeaks::Steps(const SPhoto& photo, const QList<SFilterRecord>& chain,
                                      const QString& outputFormat)
{
    const double packet =
        double(sizeof(MagickCore::PixelPacket) + (photo.indexed ? sizeof(MagickCore::IndexPacket) : 0));
    const double frames = std::max(1, photo.frames);
    QSize size = photo.decoded.isEmpty() ? photo.size : photo.decoded;
    const auto bytes = [](double value) { return quint64(std::max(0.0, value)); };

    SPlan plan;
    plan.caches = bytes(Pixels(size) * frames * packet);
    plan.steps << bytes(Pixels(size) * (frames * packet + CoderBytes(photo.format.toUpper(), false, size.width())));
    for (const SFilterRecord& record : chain) {
        if (!record.active)
            continue;
        const double before = Pixels(size);
        const double peak = FilterPeak(record, size, photo.orientation);
        // The other frames wait whole beside the one being filtered.
        plan.steps << bytes(((frames - 1) * before + peak) * packet);
        plan.caches = std::max(plan.caches, plan.steps.last());
    }
    const QString format = outputFormat.toUpper();
    plan.caches = std::max(plan.caches, bytes(Pixels(size) * frames * packet));
    plan.steps << bytes(Pixels(size) * (frames * packet + CoderBytes(format, true, size.width())));
    // Frames are streamed one after the other; PNG outputs are not read back.
    plan.check = format == QLatin1String("PNG") ? 0 : bytes(Pixels(size) * CoderBytes(format, false, size.width()));
    return plan;
}
