#include "ImageFilters.h"

#include "FilterValues.h"
#include "MagickQt.h"
#include "Quantum.h"
#include "ResourceRoot.h"

#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>

namespace
{

// File names by frame number; fixed texts, one per number.
const char* const ShapeFiles[] = {"ShapeFrame1.jpg", "ShapeFrame2.jpg", "ShapeFrame3.jpg",
                                  "ShapeFrame4.jpg", "ShapeFrame5.jpg", "ShapeFrame6.jpg"};
const char* const ShapeBlurredFiles[] = {"ShapeFrame1b.jpg", "ShapeFrame2b.jpg", "ShapeFrame3b.jpg",
                                         "ShapeFrame4b.jpg", "ShapeFrame5b.jpg", "ShapeFrame6b.jpg"};
const char* const GrungeFiles[] = {"GrungeFrame1.jpg", "GrungeFrame2.jpg", "GrungeFrame3.jpg",
                                   "GrungeFrame4.jpg", "GrungeFrame5.jpg", "GrungeFrame6.jpg"};
const char* const PictureFiles[] = {"PictureFrame1.gif", "PictureFrame2.gif", "PictureFrame3.gif", "PictureFrame4.gif"};
const char* const VintageFiles[] = {"VintageFrame1.gif", "VintageFrame2.gif", "VintageFrame3.gif",
                                    "VintageFrame4.gif", "VintageFrame5.gif", "VintageFrame6.gif",
                                    "VintageFrame7.gif", "VintageFrame8.gif", "VintageFrame9.gif"};

// The transparent window of a picture or vintage frame, as fractions of the
// frame's width and height in its stored (landscape) orientation.
struct SWindowRatio {
    double width;
    double height;
};
const SWindowRatio PictureWindows[] = {{0.72, 0.62}, {0.76, 0.63}, {0.94, 0.91}, {0.86, 0.82}};
const SWindowRatio VintageWindows[] = {{0.88, 0.80}, {0.72, 0.66}, {0.73, 0.71}, {0.86, 0.62}, {0.92, 0.89},
                                       {0.67, 0.62}, {0.76, 0.59}, {0.86, 0.71}, {0.85, 0.63}};

template <typename T, int N> constexpr int CountOf(T (&)[N])
{
    return N;
}

// The frame of one family for this call, and its number. A fixed frame that
// the cache holds (`keyMatches` adds the shape's edge variant) is taken from
// there; otherwise the file is read and replaces the cache. A random draw
// never hits the cache but leaves its number there. A failed read throws and
// leaves the cache as it was.
template <int N>
Magick::Image LoadFrame(Magick::Image& cache, qint32& cachedIndex, bool keyMatches, const char* const (&files)[N],
                        double numberSlot, double randomSlot, int& number)
{
    if (cache.isValid() && SlotInt(numberSlot) == cachedIndex && SlotInt(randomSlot) == 0 && keyMatches) {
        number = cachedIndex;
        return cache;
    }
    int n = SlotInt(numberSlot);
    if (randomSlot != 0) {
        std::srand(static_cast<unsigned>(std::clock()));
        n = std::rand() % N;
    }
    if (n < 0 || n >= N)
        throw std::out_of_range("frame number " + std::to_string(n) + " is not one of 0 to " + std::to_string(N - 1));
    Magick::Image frame;
    frame.read((ResourceRoot() + "/Frames/" + files[n]).toUtf8().toStdString());
    cache = frame;
    cachedIndex = n;
    number = n;
    return frame;
}

Magick::Color SlotColour(double slot)
{
    return ColorFromRgb(SlotRgb(slot));
}

// Takes `cut` pixels from each end of one side of `image` in two crops. A
// crop that would leave no pixel is not made: ImageMagick reads a size of 0
// as "up to the edge".
void CutBothEnds(Magick::Image& image, int cut, bool horizontal)
{
    if (cut < 1)
        return;
    for (ssize_t offset : {ssize_t(0), ssize_t(cut)}) {
        const size_t w = image.columns();
        const size_t h = image.rows();
        const size_t side = horizontal ? w : h;
        if (side <= static_cast<size_t>(cut))
            return;
        const size_t kept = side - static_cast<size_t>(cut);
        image.crop(horizontal ? Magick::Geometry(kept, h, offset, 0) : Magick::Geometry(w, kept, 0, offset));
    }
}

// A step stopped by the progress monitor leaves an empty image behind
// without raising anything; the filter must not go on with it.
void RequireSize(const Magick::Image& image, size_t width, size_t height)
{
    if (image.columns() == 0 || image.rows() == 0 ||
        (width != 0 && (image.columns() != width || image.rows() != height)))
        throw std::runtime_error("frame step stopped");
}

} // namespace

void CImageFilters::ShareProgress(Magick::Image& image) const
{
    // The image gets pixels of its own first, so that the monitor is not set
    // on an image that a cache still shares.
    image.modifyImage();
    const MagickCore::Image* source = target->constImage();
    MagickCore::SetImageProgressMonitor(image.image(), source->progress_monitor, source->client_data);
}

void CImageFilters::FillImage(Magick::Image& image, const Magick::Color& colour)
{
    image.strokeColor(colour);
    image.fillColor(colour);
    image.draw(
        Magick::DrawableRectangle(0, 0, static_cast<double>(image.columns()), static_cast<double>(image.rows())));
}

bool CImageFilters::FilterShapeFrame()
{
    const double* slot = record.numbers;
    const bool edges = slot[2] != 0;
    int number = 0;
    Magick::Image frame = LoadFrame(shapeFrame, shapeIndex, shapeEdges == edges, edges ? ShapeBlurredFiles : ShapeFiles,
                                    slot[0], slot[4], number);
    shapeEdges = edges;
    ApplyBasicFrameMask(&frame, SlotColour(slot[1]), slot[3] != 0, false);
    return true;
}

bool CImageFilters::FilterGrungeFrame()
{
    const double* slot = record.numbers;
    int number = 0;
    Magick::Image frame = LoadFrame(grungeFrame, grungeIndex, true, GrungeFiles, slot[0], slot[3], number);
    ApplyBasicFrameMask(&frame, SlotColour(slot[1]), slot[2] != 0, true);
    return true;
}

bool CImageFilters::FilterPictureFrame()
{
    const double* slot = record.numbers;
    int number = 0;
    Magick::Image frame = LoadFrame(pictureFrame, pictureIndex, true, PictureFiles, slot[0], slot[3], number);
    static_assert(CountOf(PictureFiles) == CountOf(PictureWindows), "one window per frame");
    ApplyComplexFrameMask(&frame, PictureWindows[number].width, PictureWindows[number].height, SlotColour(slot[1]),
                          slot[2] != 0);
    return true;
}

bool CImageFilters::FilterVintageFrame()
{
    const double* slot = record.numbers;
    int number = 0;
    Magick::Image frame = LoadFrame(vintageFrame, vintageIndex, true, VintageFiles, slot[0], slot[3], number);
    static_assert(CountOf(VintageFiles) == CountOf(VintageWindows), "one window per frame");
    ApplyComplexFrameMask(&frame, VintageWindows[number].width, VintageWindows[number].height, SlotColour(slot[1]),
                          slot[2] != 0);
    return true;
}

void CImageFilters::ApplyBasicFrameMask(Magick::Image* frame, Magick::Color background, bool transparent,
                                        bool turnForPortrait)
{
    const size_t w = target->columns();
    const size_t h = target->rows();
    frame->matte(true);
    ShareProgress(*frame);
    // Grunge masks are drawn for landscape photos; shapes are never turned.
    if (turnForPortrait && h > w)
        frame->rotate(90);
    frame->resize(Magick::Geometry(GeometryText("%dx%d!", static_cast<int>(w), static_cast<int>(h))));
    RequireSize(*frame, w, h);

    // Without modifyImage the loop would write into pixels that another
    // copy of the photo still shares.
    target->matte(true);
    target->modifyImage();
    Magick::Pixels framePixels(*frame);
    Magick::Pixels targetPixels(*target);
    const Magick::PixelPacket* mask = framePixels.getConst(0, 0, w, h);
    Magick::PixelPacket* photo = targetPixels.get(0, 0, w, h);
    if (mask == nullptr || photo == nullptr)
        throw std::runtime_error("frame pixels unavailable");
    // The mask's blue sample is the opacity the photo takes; pixels that
    // were already fully transparent stay so.
    const Magick::Quantum clear = QuantumFrom8(255);
    for (size_t y = 0; y < h; ++y) {
        const size_t row = y * w;
        for (size_t x = 0; x < w; ++x) {
            if (photo[row + x].opacity != clear)
                photo[row + x].opacity = mask[row + x].blue;
        }
    }
    targetPixels.sync();

    if (transparent)
        return;
    Magick::Image canvas(*target);
    ShareProgress(canvas);
    FillImage(canvas, background);
    canvas.composite(*target, 0, 0, Magick::OverCompositeOp);
    *target = canvas;
    target->artifact(BackgroundArtifact, std::string(background));
}

void CImageFilters::ApplyComplexFrameMask(Magick::Image* frame, double widthRatio, double heightRatio,
                                          Magick::Color background, bool transparent)
{
    const size_t w = target->columns();
    const size_t h = target->rows();
    frame->matte(true);
    ShareProgress(*frame);
    double across = widthRatio;
    double down = heightRatio;
    if (h > w) {
        frame->rotate(90);
        across = heightRatio;
        down = widthRatio;
    }

    // The frame keeps its proportions inside the wanted size, so at most one
    // side comes out short; the photo is then cut to the window's shape.
    const int wantedWidth = SlotInt(static_cast<double>(w) / across);
    const int wantedHeight = SlotInt(static_cast<double>(h) / down);
    frame->resize(Magick::Geometry(GeometryText("%dx%d", wantedWidth, wantedHeight)));
    RequireSize(*frame, 0, 0);
    const int frameWidth = static_cast<int>(frame->columns());
    const int frameHeight = static_cast<int>(frame->rows());

    Magick::Image canvas(*target);
    ShareProgress(canvas);
    canvas.extent(Magick::Geometry(GeometryText("%dx%d!", frameWidth, frameHeight)));
    RequireSize(canvas, frame->columns(), frame->rows());
    if (transparent) {
        FillImage(canvas, ColorFromRgb(qRgb(255, 255, 255)));
        canvas.matte(true);
        canvas.transparent(ColorFromRgb(qRgb(255, 255, 255)));
    } else {
        FillImage(canvas, background);
    }

    if (frameWidth < wantedWidth)
        CutBothEnds(*target, SlotInt(across * ((wantedWidth - frameWidth) / 2)), true);
    if (frameHeight < wantedHeight)
        CutBothEnds(*target, SlotInt(down * ((wantedHeight - frameHeight) / 2)), false);

    const int photoWidth = static_cast<int>(target->columns());
    const int photoHeight = static_cast<int>(target->rows());
    canvas.composite(*target, (frameWidth - photoWidth) / 2, (frameHeight - photoHeight) / 2, Magick::OverCompositeOp);
    canvas.composite(*frame, 0, 0, Magick::OverCompositeOp);
    *target = canvas;
    if (!transparent)
        target->artifact(BackgroundArtifact, std::string(background));
}
