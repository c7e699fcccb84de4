#include "ImageFilters.h"

#include "FilterValues.h"
#include "MagickQt.h"
#include "Quantum.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{

// A border width from a slot, kept as a fraction (percent borders may be
// fractional) but never negative: a negative width would shrink the canvas
// and cut the photo. Bounded like SlotInt.
double BorderWidth(double v)
{
    if (std::isnan(v))
        return 0.0;
    return std::clamp(v, 0.0, 1000000.0);
}

// The exception record that the shadow's core steps share. It is released
// on every path; Raise copies the error out first and then throws, so a
// failure does not leak the record.
class CCollectedErrors
{
public:
    CCollectedErrors() = default;
    CCollectedErrors(const CCollectedErrors&) = delete;
    CCollectedErrors& operator=(const CCollectedErrors&) = delete;
    ~CCollectedErrors()
    {
        if (m_info != nullptr)
            MagickCore::DestroyExceptionInfo(m_info);
    }
    MagickCore::ExceptionInfo* Info() { return m_info; }

    // Throws the collected error, or `fallback` when a step failed without
    // recording why (a step stopped by the progress monitor returns no image
    // and records nothing). Returns when there is nothing to raise.
    void Raise(const char* fallback)
    {
        MagickCore::ExceptionType severity = m_info->severity;
        std::string reason = m_info->reason != nullptr ? m_info->reason : "";
        const std::string description = m_info->description != nullptr ? m_info->description : "";
        MagickCore::DestroyExceptionInfo(m_info);
        m_info = nullptr;
        if (severity == MagickCore::UndefinedException) {
            if (fallback == nullptr)
                return;
            severity = MagickCore::ImageError;
            reason = fallback;
        }
        Magick::throwExceptionExplicit(severity, reason.c_str(), description.empty() ? nullptr : description.c_str());
    }

private:
    MagickCore::ExceptionInfo* m_info = MagickCore::AcquireExceptionInfo();
};

// The shadow canvas: a copy of `image` grown by `border` transparent pixels
// on every side, every pixel painted in the image's background colour with
// k percent of its own opacity. Null on failure, with the reason (if any) in
// `exception`.
MagickCore::Image* ShadowCanvas(const MagickCore::Image* image, size_t border, int k,
                                MagickCore::ExceptionInfo* exception)
{
    if (image->debug != MagickCore::MagickFalse)
        (void)MagickCore::LogMagickEvent(MagickCore::TraceEvent, "../Project/Engine/ImageFilters", "FilterShadow", 1555,
                                         "%s", image->filename);
    MagickCore::Image* copy = MagickCore::CloneImage(image, 0, 0, MagickCore::MagickTrue, exception);
    if (copy == nullptr)
        return nullptr;
    MagickCore::SetImageProgressMonitor(copy, image->progress_monitor, image->client_data);
    (void)MagickCore::SetImageVirtualPixelMethod(copy, MagickCore::EdgeVirtualPixelMethod);
    copy->compose = MagickCore::OverCompositeOp;
    (void)MagickCore::QueryColorDatabase("none", &copy->border_color, exception);
    MagickCore::RectangleInfo frame = {border, border, 0, 0};
    MagickCore::Image* canvas = MagickCore::BorderImage(copy, &frame, exception);
    MagickCore::DestroyImage(copy);
    if (canvas == nullptr)
        return nullptr;
    MagickCore::SetImageProgressMonitor(canvas, image->progress_monitor, image->client_data);
    if (canvas->matte == MagickCore::MagickFalse)
        (void)MagickCore::SetImageAlphaChannel(canvas, MagickCore::OpaqueAlphaChannel);

    const double top = QuantumMax();
    const MagickCore::PixelPacket colour = canvas->background_color;
    MagickCore::CacheView* view = MagickCore::AcquireAuthenticCacheView(canvas, exception);
    for (size_t y = 0; y < canvas->rows; ++y) {
        MagickCore::PixelPacket* q =
            MagickCore::GetCacheViewAuthenticPixels(view, 0, static_cast<ssize_t>(y), canvas->columns, 1, exception);
        if (q == nullptr)
            break;
        for (size_t x = 0; x < canvas->columns; ++x) {
            q[x].red = colour.red;
            q[x].green = colour.green;
            q[x].blue = colour.blue;
            const double opacity = top - (top - q[x].opacity) * k / 100.0;
            q[x].opacity = static_cast<MagickCore::Quantum>(std::floor(std::clamp(opacity, 0.0, top) + 0.5));
        }
        if (MagickCore::SyncCacheViewAuthenticPixels(view, exception) == MagickCore::MagickFalse)
            break;
    }
    MagickCore::DestroyCacheView(view);
    return canvas;
}

} // namespace

bool CImageFilters::FilterRaise()
{
    const double w = static_cast<double>(target->columns());
    const double h = static_cast<double>(target->rows());
    // Slot 0 counts quarters of a percent of the shorter side.
    const double percent = record.numbers[0] * 0.25;
    const int bevel = std::max(0, SlotInt(std::min(w, h) * percent / 100));
    target->raise(Magick::Geometry(static_cast<size_t>(bevel), static_cast<size_t>(bevel), 0, 0),
                  record.numbers[1] != 0);
    return true;
}

bool CImageFilters::FilterShadow()
{
    const double* slot = record.numbers;
    target->matte(true);
    // The background colour carries the shadow colour into the canvas, and
    // stays on the result.
    target->backgroundColor(ColorFromRgb(SlotRgb(slot[2])));
    const int size = std::max(0, SlotInt(slot[1]));
    const int k = SlotInt(99 - slot[0]);
    const size_t border = static_cast<size_t>(std::floor(2.0 * size + 0.5));

    CCollectedErrors errors;
    MagickCore::Image* canvas = ShadowCanvas(target->constImage(), border, k, errors.Info());
    if (canvas == nullptr) {
        errors.Raise("The shadow could not be made");
        return false; // not reached: Raise throws when a fallback is given
    }
    Magick::Image shadow(canvas);
    // The photo covers the shadow's top-left part; the shadow shows `border`
    // pixels right of and below it.
    shadow.composite(*target, 0, 0, Magick::OverCompositeOp);
    if (slot[3] != 0) {
        Magick::Image white(shadow);
        ShareProgress(white);
        FillImage(white, ColorFromRgb(qRgb(255, 255, 255)));
        white.composite(shadow, 0, 0, Magick::OverCompositeOp);
        *target = white;
    } else {
        *target = shadow;
    }
    target->page(Magick::Geometry(target->columns(), target->rows(), 0, 0));
    errors.Raise(nullptr);
    return true;
}

CImageFilters::SBorderWidths CImageFilters::BorderWidths(const SFilterRecord& record, double width, double height)
{
    const double* slot = record.numbers;
    SBorderWidths b{BorderWidth(slot[0]), BorderWidth(slot[1]), BorderWidth(slot[2]), BorderWidth(slot[3])};
    if (slot[6] != 0)
        b.bottom = b.left = b.right = b.top;
    if (slot[4] == 1) {
        b.top = b.top * height / 100;
        b.bottom = b.bottom * height / 100;
        b.left = b.left * width / 100;
        b.right = b.right * width / 100;
    }
    return b;
}

bool CImageFilters::FilterSimpleBorder()
{
    const double* slot = record.numbers;
    const double w = static_cast<double>(target->columns());
    const double h = static_cast<double>(target->rows());
    const auto [top, bottom, left, right] = BorderWidths(record, w, h);
    // The right and bottom borders take what the library's rounding of the
    // fractional size leaves after the photo.
    const Magick::Geometry size(GeometryText("%fx%f", w + left + right, h + top + bottom));
    // A canvas of the new size with the photo's settings but pixels of its
    // own: no whole copy of the photo is made beside it.
    CCollectedErrors errors;
    MagickCore::Image* made = MagickCore::CloneImage(target->constImage(), size.width(), size.height(),
                                                     MagickCore::MagickTrue, errors.Info());
    if (made == nullptr)
        errors.Raise("The border could not be made");
    Magick::Image canvas(made);
    ShareProgress(canvas);
    // Painted in the border's colour; the background colour written stays the photo's.
    const Magick::Color background = canvas.backgroundColor();
    canvas.backgroundColor(ColorFromRgb(SlotRgb(slot[5])));
    canvas.erase();
    canvas.backgroundColor(background);
    canvas.composite(*target, SlotInt(left), SlotInt(top), Magick::OverCompositeOp);
    *target = canvas;
    errors.Raise(nullptr);
    return true;
}
