#include "ImageFilters.h"

#include "FilterTypes.h"
#include "FilterValues.h"
#include "MagickReader.h"

#include <algorithm>
#include <cmath>
#include <exception>

CImageFilters::CImageFilters() = default;

CImageFilters::~CImageFilters() = default;

bool CImageFilters::Apply()
{
    failure.clear();
    if (target == nullptr || !target->isValid())
        return false;
    try {
        switch (record.id) {
        case FilterType::FilterText:
            FilterText();
            break;
        case FilterType::FilterLogo:
            FilterLogo();
            break;
        case FilterType::FilterShapeFrame:
            FilterShapeFrame();
            break;
        case FilterType::FilterGrungeFrame:
            FilterGrungeFrame();
            break;
        case FilterType::FilterPictureFrame:
            FilterPictureFrame();
            break;
        case FilterType::FilterVintageFrame:
            FilterVintageFrame();
            break;
        case FilterType::FilterRaise:
            FilterRaise();
            break;
        case FilterType::FilterShadow:
            FilterShadow();
            break;
        case FilterType::FilterSimpleBorder:
            FilterSimpleBorder();
            break;
        case FilterType::FilterAutoRotate:
            FilterAutoRotate();
            break;
        case FilterType::FilterCrop:
            FilterCrop();
            break;
        case FilterType::FilterResize:
            FilterResize();
            break;
        case FilterType::FilterRotate:
            FilterRotate();
            break;
        default:
            return false;
        }
    } catch (const std::exception& error) {
        // The library's exceptions are standard ones too; the text says why.
        if (failure.isEmpty())
            failure = CMagickReader::ShortReason(error.what());
        return false;
    } catch (...) {
        return false;
    }
    // An operation stopped by the progress monitor leaves an empty image
    // behind without raising anything.
    return failure.isEmpty() && target->isValid();
}

bool CImageFilters::FilterAutoRotate()
{
    switch (target->orientation()) {
    case Magick::TopRightOrientation: // 2
        target->flop();
        break;
    case Magick::BottomRightOrientation: // 3
        target->rotate(180);
        break;
    case Magick::BottomLeftOrientation: // 4
        target->flip();
        break;
    case Magick::LeftTopOrientation: // 5: the transpose
        target->flip();
        target->rotate(90);
        break;
    case Magick::RightTopOrientation: // 6
        target->rotate(90);
        break;
    case Magick::RightBottomOrientation: // 7: the transverse
        target->flop();
        target->rotate(90);
        break;
    case Magick::LeftBottomOrientation: // 8
        target->rotate(-90);
        break;
    default:
        break;
    }
    MarkUpright(*target);
    return true;
}

void CImageFilters::MarkUpright(Magick::Image& image)
{
    image.orientation(Magick::TopLeftOrientation);
    // The source's value stays behind as a property (written into PNG text
    // and read back from it) and in the Exif profile.
    for (const char* name : {"exif:Orientation", "tiff:Orientation"}) {
        if (!image.attribute(name).empty())
            image.attribute(name, "1");
    }
    MagickCore::SyncImageProfiles(image.image());
}

bool CImageFilters::FilterCrop()
{
    const double w = static_cast<double>(target->columns());
    const double h = static_cast<double>(target->rows());
    double left = record.numbers[0];
    double top = record.numbers[1];
    double width = record.numbers[2];
    double height = record.numbers[3];
    ClampCrop(left, top, width, height);
    if (record.numbers[4] == 1) {
        left = left * w / 100;
        top = top * h / 100;
        width = width * w / 100;
        height = height * h / 100;
    }
    // NaN fails both tests and is left alone like an edge outside the photo.
    if (!(w > left) || !(h > top))
        return true;
    // A size of 0 keeps the photo up to its edge, as one reaching past it
    // does; a size that merely truncates to 0 keeps a pixel.
    if (width == 0)
        width = w;
    if (height == 0)
        height = h;
    const int cropWidth = std::max(1, SlotInt(width));
    const int cropHeight = std::max(1, SlotInt(height));
    target->crop(Magick::Geometry(static_cast<size_t>(cropWidth), static_cast<size_t>(cropHeight),
                                  SlotInt(left), SlotInt(top)));
    target->page(Magick::Geometry(target->columns(), target->rows(), 0, 0));
    return true;
}

CImageFilters::SResizePlan CImageFilters::PlanResize(size_t width, size_t height,
                                                     const SFilterRecord& record)
{
    const double W = static_cast<double>(width);
    const double H = static_cast<double>(height);
    const double ratio = (width == 0 || height == 0) ? 1.0 : W / H;
    const double* slot = record.numbers;
    double w = slot[0];
    double h = slot[1];
    if (slot[4] == 1) {
        w = W * w / 100;
        h = H * h / 100;
    }
    const bool keepAspect = slot[2] == 1;
    const bool noEnlarge = slot[5] == 1;

    SResizePlan plan;
    const double mode = slot[3];
    if (mode == 0) {
        const bool fitted = slot[4] == 0 && keepAspect;
        if (fitted) {
            // The larger value becomes the photo's long side.
            const double m = std::max(w, h);
            if (ratio >= 1) {
                w = m;
                h = m / ratio;
            } else {
                h = m;
                w = m * ratio;
            }
        }
        // A fitted size is already the photo's shape: scaled to exactly, as
        // fitting into the rounded box may come out a pixel short. A side
        // that rounds to 0 is left to the library's fit, which keeps one.
        const bool exact = slot[2] == 0 || (fitted && Nearest(w) > 0 && Nearest(h) > 0);
        plan.geometry = GeometryText(exact ? "%dx%d!" : "%dx%d", Nearest(w), Nearest(h));
        plan.skip = noEnlarge && w * h > W * H;
    } else if (mode == 1) {
        plan.geometry = GeometryText("%dx0", Nearest(w));
        plan.skip = noEnlarge && w > W;
    } else if (mode == 2) {
        plan.geometry = GeometryText("0x%d", Nearest(h));
        plan.skip = noEnlarge && h > H;
    } else if (mode == 3) {
        plan.geometry = GeometryText("%dx%d", Nearest(w), Nearest(h));
        plan.skip = noEnlarge && h > H && w > W;
    }
    // Any other mode keeps the empty text and the skip: an empty geometry
    // would throw, and the photo is to stay as it is.
    return plan;
}

QSize CImageFilters::ScaledSize(QSize size, const SResizePlan& plan)
{
    if (plan.skip)
        return size;
    // Magick++'s scale parses the geometry's own text form ("1600x0" becomes
    // "1600x") with this same call.
    size_t width = static_cast<size_t>(size.width());
    size_t height = static_cast<size_t>(size.height());
    ssize_t x = 0;
    ssize_t y = 0;
    const std::string text = Magick::Geometry(plan.geometry);
    MagickCore::ParseMetaGeometry(text.c_str(), &x, &y, &width, &height);
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

bool CImageFilters::FilterResize()
{
    const SResizePlan plan = PlanResize(target->columns(), target->rows(), record);
    if (!plan.skip)
        target->scale(Magick::Geometry(plan.geometry));
    return true;
}

bool CImageFilters::RotateSkips(size_t width, size_t height, const SFilterRecord& record)
{
    if (width == 0 || height == 0)
        return false;
    const double ratio = static_cast<double>(width) / static_cast<double>(height);
    const double condition = record.numbers[1];
    return (ratio > 1.0 && condition == 1) || (ratio < 1.0 && condition == 2);
}

bool CImageFilters::FilterRotate()
{
    if (RotateSkips(target->columns(), target->rows(), record))
        return true;
    const double degrees = record.numbers[0];
    target->rotate(std::isfinite(degrees) ? degrees : 0.0);
    MarkUpright(*target);
    return true;
}
