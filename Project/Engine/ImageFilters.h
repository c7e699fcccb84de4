#pragma once
// The filter engine: applies one filter record to one ImageMagick image.
// One object per thread; it holds no lock. The implementation is split by
// filter family: ImageFilters.cpp (the object, Apply, the transforms),
// ImageFiltersFrames.cpp, ImageFiltersBorders.cpp, ImageFiltersMarks.cpp,
// ImageFiltersEffects.cpp, ImageFiltersAreas.cpp and ImageFiltersDecode.cpp
// (the reduced JPEG decode a chain allows). Colour and image
// conversions are in MagickQt.h (ImageMagickToQt), slot conversions and
// geometry texts in FilterValues.h.

#include "ListFilters.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <Magick++.h>

#include <functional>
#include <string>

class QPainter;

class CImageFilters
{
public:
    // What a resize record does to a photo of a given size: the geometry
    // text for Magick::Image::scale, or a skip (do-not-enlarge, or a mode
    // outside 0-3). FilterResize and the resize preview share it, so the box
    // shown is the size the batch makes.
    struct SResizePlan {
        std::string geometry;
        bool skip = true;
    };
    // A simple border's four widths in pixels for a photo of this size
    // (percent widths taken of it); never negative, and fractional where
    // percent makes them so.
    struct SBorderWidths {
        double top = 0, bottom = 0, left = 0, right = 0;
    };

    CImageFilters();
    virtual ~CImageFilters();

    // Applies `record` to `target`. True when the operation ran to its end;
    // false for no or an empty target, a type code without an operation, any
    // exception (warnings included), a target left empty by an aborted
    // step, or a mark whose logo or texture cannot be read (`failure` says
    // why). A failed operation may leave the image partly changed.
    bool Apply();

    // Transforms (ImageFilters.cpp).
    bool FilterAutoRotate();
    bool FilterCrop();
    bool FilterResize();
    bool FilterRotate();
    // After a turn the pixels are upright: the orientation, the Exif
    // profile's field and the property that PNG and TIFF outputs carry all
    // say top-left, so that nothing turns the photo again.
    static void MarkUpright(Magick::Image& image);
    static SResizePlan PlanResize(size_t width, size_t height, const SFilterRecord& record);
    static SBorderWidths BorderWidths(const SFilterRecord& record, double width, double height);
    // The size Magick::Image::scale makes of `size` with this plan.
    static QSize ScaledSize(QSize size, const SResizePlan& plan);
    // Whether a rotate record leaves a photo of this size alone (its
    // portrait-only or landscape-only condition).
    static bool RotateSkips(size_t width, size_t height, const SFilterRecord& record);

    // Decoding a JPEG at a reduced size (ImageMagick's read option
    // "jpeg:size", ImageFiltersDecode.cpp). DecodeHint gives the size to ask
    // for, or an empty size: only a chain that resizes the photo down before
    // anything depends on its pixel size gets one, and only when the reduced
    // decode gives that resize exactly the same target, so every later filter
    // sees the same image size. `orientation` is the photo's Exif one.
    static QSize DecodeHint(const QList<SFilterRecord>& chain, QSize photo, int orientation);
    // The size libjpeg decodes a `photo`-sized JPEG at when ImageMagick is
    // given `hint`: a scale of M/8 (M 1 to 16) with the sides rounded up.
    static QSize JpegDecodeSize(QSize photo, QSize hint);

    // The image artifact in which a frame leaves the background colour it
    // painted; the writer lays transparent parts on it for formats without
    // alpha. Artifacts are never written into files.
    static constexpr const char* BackgroundArtifact = "brandquill:background";

    // Frames (ImageFiltersFrames.cpp).
    bool FilterShapeFrame();
    bool FilterGrungeFrame();
    bool FilterPictureFrame();
    bool FilterVintageFrame();
    void ApplyBasicFrameMask(Magick::Image* frame, Magick::Color background, bool transparent,
                             bool turnForPortrait);
    void ApplyComplexFrameMask(Magick::Image* frame, double widthRatio, double heightRatio,
                               Magick::Color background, bool transparent);
    // Shared by the frame and border filters (ImageFiltersFrames.cpp): an
    // intermediate image reports its progress through the target's monitor,
    // and a fill covers a whole image in one colour.
    void ShareProgress(Magick::Image& image) const;
    static void FillImage(Magick::Image& image, const Magick::Color& colour);

    // Raise, shadow and simple border (ImageFiltersBorders.cpp).
    bool FilterRaise();
    bool FilterShadow();
    bool FilterSimpleBorder();

    // Text and logo marks (ImageFiltersMarks.cpp).
    bool FilterText();
    bool FilterLogo();
    void UpdateText(QPixmap& mark, QRect& rect, SFilterRecord record, QString sourcePath,
                    long width, long height, double scale, int originX, int originY, bool screen);
    void UpdateLogo(QPixmap& mark, QRect& rect, SFilterRecord record, QString sourcePath,
                    long width, long height, double scale, int originX, int originY, bool screen);
    void ComputeTextMultiline(QString text, QFontMetrics metrics, QStringList& lines, long& width,
                              long& height, int lineSpacing, bool italic);
    void DrawMultiLine(QPainter* painter, QFont font, QStringList lines, int x, int y, int width,
                       int alignment, int lineSpacing, int boxPercent);
    QRect PositionTextinImage(int placement, double width, double height, double offsetX,
                              double offsetY, double markWidth, double markHeight);
    // A new image that the caller deletes.
    Magick::Image* PixmapToImage(QPixmap* pixmap);
    // The font's pixel size for a mark drawn at device pixel `ratio`: it
    // grows one pixel at a time until `heightAt(size)` reaches the start
    // height times the ratio, and stops at four times the start size in case
    // the metrics never grow.
    static int ScreenFontPixels(int startPixels, double ratio,
                                const std::function<int(int)>& heightAt);

    // Mark effects (ImageFiltersEffects.cpp).
    void SetupTextColor(QPainter* painter, QColor colour, bool texture, QString texturePath,
                        int alpha, bool stroke, QColor strokeColour, int strokeAlpha,
                        int strokeWidth, double unused);
    void DrawBox(bool on, QPainter* painter, QImage* canvas, QColor colour, int alpha);
    QImage RotateImage(QImage* image, int degrees, QSize& shift);
    QImage BlurImage(const QImage& image, int radius, QSize& shift, bool alphaOnly);
    QImage ShadowImage(bool on, QImage* mark, QColor colour, int alpha, int distance,
                       int reference, int angle, int blur, QSize& shift);
    void CalculateShadowPosition(int& x, int& y, int distance, int angle);
    QImage StrokeImage(bool on, QImage* image, int width, QColor colour, int alpha, QSize& shift);
    QImage ScaleImage(QImage* image, int percent, QSize& shift);
    // Whether a mark image of this size may be made: sides up to 65535 and
    // at most 2^28 pixels, so that absurd slot values fail the filter instead
    // of exhausting memory.
    static bool MarkSizeAllowed(qint64 width, qint64 height);

    // Preview areas (ImageFiltersAreas.cpp).
    void UpdateCropArea(QRect& rect, SFilterRecord record, long width, long height, double zoom);
    void UpdateResizeArea(Magick::Image& source, Magick::Image& shown, QRect& rect,
                          SFilterRecord& record, long width, long height, double zoom);

    // Set by the caller before each Apply: the image to change (not owned),
    // the record, and the source photo's path for the text placeholders.
    Magick::Image* target = nullptr;
    // Why the last Apply failed when a filter could tell (a logo or a
    // texture that cannot be read), in short English; "" otherwise.
    QString failure;
    // Caches that persist across calls and photos; an index of -1 is empty.
    // A logo drawn smaller than its file is kept at that size, and
    // logoPercent is then the scale it was kept for; 0 keeps the file's own
    // size, which serves every scale.
    Magick::Image logoImage;
    Magick::Image shapeFrame;
    Magick::Image grungeFrame;
    Magick::Image pictureFrame;
    Magick::Image vintageFrame;
    Magick::Image textureImage;
    QString logoPath;
    int logoPercent = 0;
    QString texturePath;
    qint32 shapeIndex = -1;
    bool shapeEdges = false;
    qint32 grungeIndex = -1;
    qint32 pictureIndex = -1;
    qint32 vintageIndex = -1;
    SFilterRecord record;
    QString sourcePath;
};
