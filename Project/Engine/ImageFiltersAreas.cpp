#include "ImageFilters.h"

#include "FilterValues.h"
#include "MagickQt.h"

#include <algorithm>
#include <cmath>

// The crop and resize areas that the preview draws over the shown photo, in
// the shown image's logical pixels. The widget adds the shown image's place.

namespace {
// A shown size or zoom that gives no area: nothing to draw, and nothing in
// the record may be derived from it.
bool NoArea(long width, long height, double zoom)
{
    return width <= 0 || height <= 0 || !std::isfinite(zoom) || zoom <= 0;
}
} // namespace

void CImageFilters::UpdateCropArea(QRect& rect, SFilterRecord rec, long width, long height,
                                   double zoom)
{
    if (NoArea(width, height, zoom)) {
        rect = QRect();
        return;
    }
    const double* slot = rec.numbers;
    double left = slot[0];
    double top = slot[1];
    double w = slot[2];
    double h = slot[3];
    ClampCrop(left, top, w, h);
    double factor = zoom;
    if (slot[4] == 1) {
        // Percentages of the shown image are already in shown pixels.
        left = left * width / 100;
        top = top * height / 100;
        w = width * w / 100;
        h = height * h / 100;
        factor = 1.0;
    }
    rect = QRect(Nearest(left * factor), Nearest(top * factor), SlotInt(w * factor),
                 SlotInt(h * factor));
    // A size of 0 reaches the shown image's edge, as the crop keeps it.
    if (w == 0)
        rect.setWidth(std::max(0, static_cast<int>(width) - rect.x()));
    if (h == 0)
        rect.setHeight(std::max(0, static_cast<int>(height) - rect.y()));
}

void CImageFilters::UpdateResizeArea(Magick::Image& source, Magick::Image& shown, QRect& rect,
                                     SFilterRecord& rec, long width, long height, double zoom)
{
    const size_t columns = source.columns();
    const size_t rows = source.rows();
    if (NoArea(width, height, zoom) || columns == 0 || rows == 0) {
        rect = QRect();
        return;
    }

    // The size the batch gives this photo: the same plan as FilterResize,
    // read the way Magick::Image::scale reads it.
    const SResizePlan plan = PlanResize(columns, rows, rec);
    size_t resultWidth = columns;
    size_t resultHeight = rows;
    if (!plan.skip) {
        ssize_t x = 0;
        ssize_t y = 0;
        const std::string parsed = std::string(Magick::Geometry(plan.geometry));
        MagickCore::ParseMetaGeometry(parsed.c_str(), &x, &y, &resultWidth, &resultHeight);
    }

    // The box in logical shown pixels; the preview image in device pixels.
    const int boxWidth = std::max(1, Nearest(static_cast<double>(resultWidth) * zoom));
    const int boxHeight = std::max(1, Nearest(static_cast<double>(resultHeight) * zoom));
    const double ratio = ScreenPixelRatio();
    const int pixelWidth = std::max(1, SlotInt(boxWidth * ratio));
    const int pixelHeight = std::max(1, SlotInt(boxHeight * ratio));
    try {
        shown.scale(Magick::Geometry(GeometryText("%dx%d!", pixelWidth, pixelHeight)));
    } catch (...) {
        // A size beyond the library's limits: nothing to show, and the
        // record stays as the user left it.
        rect = QRect();
        return;
    }
    if (shown.columns() == 0 || shown.rows() == 0) {
        rect = QRect();
        return;
    }

    const int x = width > boxWidth ? Nearest((width - boxWidth) * 0.5) : 0;
    const int y = height > boxHeight ? Nearest((height - boxHeight) * 0.5) : 0;
    rect = QRect(x, y, boxWidth, boxHeight);

    // The editor shows the values the batch itself derives, and only those:
    // writing anything else back would change what a run makes.
    if (plan.skip || rec.numbers[4] != 0)
        return;
    const double mode = rec.numbers[3];
    if (mode == 0 && rec.numbers[2] == 1) {
        rec.numbers[0] = static_cast<double>(resultWidth);
        rec.numbers[1] = static_cast<double>(resultHeight);
    } else if (mode == 1) {
        rec.numbers[1] = static_cast<double>(resultHeight);
    } else if (mode == 2) {
        rec.numbers[0] = static_cast<double>(resultWidth);
    }
}
