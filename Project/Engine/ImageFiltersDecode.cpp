// Decoding a JPEG at the size the chain needs: libjpeg decodes at M/8 of
// the photo's size for a fraction of the work, so a chain that scales the
// photo down anyway can read far fewer pixels. The hint is given only where
// the rest of the chain cannot tell the difference in geometry.
#include "ImageFilters.h"

#include "FilterTypes.h"

#include <cmath>
#include <vector>

namespace
{

// What the filters before the resize do to the image's size: the size the
// resize sees, and each conditional rotation's decision on the way there.
struct SPrefixGeometry {
    QSize size;
    bool swapped = false;
    std::vector<bool> rotateSkips;
};

bool AutoRotateSwaps(int orientation)
{
    // 5 to 8: the transpose, the two quarter turns and the transverse.
    return orientation >= 5 && orientation <= 8;
}

// A rotation that keeps the pixel grid: a multiple of a quarter turn.
bool QuarterTurns(double degrees)
{
    return std::isfinite(degrees) && std::fmod(degrees, 90.0) == 0.0;
}

bool SwapsSides(double degrees)
{
    return std::fmod(std::fabs(degrees), 180.0) == 90.0;
}

SPrefixGeometry WalkPrefix(const QList<SFilterRecord>& chain, int resizeIndex, QSize size, int orientation)
{
    SPrefixGeometry geometry;
    for (int i = 0; i < resizeIndex; ++i) {
        const SFilterRecord& record = chain.at(i);
        if (!record.active)
            continue;
        if (record.id == FilterAutoRotate) {
            if (AutoRotateSwaps(orientation)) {
                size.transpose();
                geometry.swapped = !geometry.swapped;
            }
            orientation = 1; // the filter leaves the photo upright
        } else if (record.id == FilterRotate) {
            const bool skips = CImageFilters::RotateSkips(static_cast<size_t>(size.width()),
                                                          static_cast<size_t>(size.height()), record);
            geometry.rotateSkips.push_back(skips);
            if (!skips && SwapsSides(record.numbers[0])) {
                size.transpose();
                geometry.swapped = !geometry.swapped;
            }
        }
    }
    geometry.size = size;
    return geometry;
}

// The first active filter whose result depends on the image's pixel size,
// when it is a resize and everything before it only turns the photo by
// quarter turns; -1 otherwise.
int LeadingResize(const QList<SFilterRecord>& chain)
{
    for (int i = 0; i < chain.size(); ++i) {
        const SFilterRecord& record = chain.at(i);
        if (!record.active)
            continue;
        if (record.id == FilterResize)
            return i;
        const bool sizeFree =
            record.id == FilterAutoRotate || (record.id == FilterRotate && QuarterTurns(record.numbers[0]));
        if (!sizeFree)
            return -1;
    }
    return -1;
}

} // namespace

QSize CImageFilters::JpegDecodeSize(QSize photo, QSize hint)
{
    if (photo.isEmpty() || hint.isEmpty())
        return photo;
    // ImageMagick's JPEG reader asks for a scale of 1/d, d the smaller side
    // ratio truncated; libjpeg then takes the smallest M/8 not below it and
    // falls back to 16/8 (double size) when d is 0.
    double ratio = static_cast<double>(photo.width()) / hint.width();
    const double heightRatio = static_cast<double>(photo.height()) / hint.height();
    if (ratio > heightRatio)
        ratio = heightRatio;
    const unsigned divisor = static_cast<unsigned>(ratio);
    unsigned eighths = 16;
    for (unsigned m = 1; m <= 16; ++m) {
        if (8 <= divisor * m) {
            eighths = m;
            break;
        }
    }
    const auto side = [eighths](int length) {
        return static_cast<int>((static_cast<qint64>(length) * eighths + 7) / 8);
    };
    return QSize(side(photo.width()), side(photo.height()));
}

QSize CImageFilters::DecodeHint(const QList<SFilterRecord>& chain, QSize photo, int orientation)
{
    if (photo.isEmpty())
        return QSize();
    const int index = LeadingResize(chain);
    if (index < 0)
        return QSize();
    const SFilterRecord& resize = chain.at(index);
    // A percentage is a share of the size the resize is given.
    if (resize.numbers[4] == 1)
        return QSize();

    const SPrefixGeometry whole = WalkPrefix(chain, index, photo, orientation);
    const SResizePlan plan =
        PlanResize(static_cast<size_t>(whole.size.width()), static_cast<size_t>(whole.size.height()), resize);
    if (plan.skip)
        return QSize();
    const QSize target = ScaledSize(whole.size, plan);
    if (target.isEmpty() || target.width() > whole.size.width() || target.height() > whole.size.height())
        return QSize();

    // The target in the photo's own orientation, never larger than the photo:
    // a hint above half the photo would make the decoder enlarge it.
    QSize hint = whole.swapped ? target.transposed() : target;
    hint = hint.boundedTo(photo);
    const QSize decoded = JpegDecodeSize(photo, hint);
    if (decoded.width() >= photo.width() || decoded.height() >= photo.height())
        return QSize();

    // The reduced decode must lead the chain to the very same target: the
    // same rotations, the same geometry text, the same do-not-enlarge call.
    const SPrefixGeometry reduced = WalkPrefix(chain, index, decoded, orientation);
    if (reduced.rotateSkips != whole.rotateSkips)
        return QSize();
    const SResizePlan reducedPlan =
        PlanResize(static_cast<size_t>(reduced.size.width()), static_cast<size_t>(reduced.size.height()), resize);
    if (reducedPlan.skip || reducedPlan.geometry != plan.geometry || ScaledSize(reduced.size, reducedPlan) != target)
        return QSize();
    return hint;
}
