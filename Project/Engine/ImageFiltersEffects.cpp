#include "ImageFilters.h"

#include "MagickQt.h"
#include "MagickReader.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// The alpha byte of a transparency in percent, as the text fill, the box and
// the text stroke take it: 255 - trunc(a x 255 / 100).
int TextAlphaByte(int transparency)
{
    return std::clamp(255 - static_cast<int>(static_cast<qint64>(transparency) * 255 / 100), 0,
                      255);
}

// Step weights of the exponential blur for radius 1 to 17 (out of 16).
constexpr int BlurWeights[17] = {14, 10, 8, 6, 5, 5, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2};

int BlurWeight(int radius)
{
    if (radius < 1)
        return 16;
    if (radius > 17)
        return 1;
    return BlurWeights[radius - 1];
}

// One pass of the exponential blur along `count` pixels that lie `stride`
// pixels apart, in fixed point with four fractional bits. Only the alpha byte
// takes part when `alphaOnly` is set.
void BlurLine(QRgb* first, int count, ptrdiff_t stride, int weight, bool alphaOnly)
{
    const int channels = alphaOnly ? 1 : 4;
    int acc[4];
    for (int c = 0; c < channels; ++c)
        acc[c] = static_cast<int>((first[0] >> (24 - 8 * c)) & 0xffu) << 4;
    QRgb* p = first;
    for (int i = 1; i < count; ++i) {
        p += stride;
        QRgb v = *p;
        for (int c = 0; c < channels; ++c) {
            const int shift = 24 - 8 * c;
            const int byte = static_cast<int>((v >> shift) & 0xffu);
            acc[c] += ((byte << 4) - acc[c]) * weight / 16;
            v = (v & ~(0xffu << shift)) | (static_cast<QRgb>(acc[c] >> 4) << shift);
        }
        *p = v;
    }
}

// The shift that keeps an image centred when it changes size.
QSize CentreShift(const QSize& before, const QSize& after)
{
    return QSize(static_cast<int>(before.width() * 0.5 - after.width() * 0.5),
                 static_cast<int>(before.height() * 0.5 - after.height() * 0.5));
}
} // namespace

void CImageFilters::SetupTextColor(QPainter* painter, QColor colour, bool texture,
                                   QString texturePathArg, int alpha, bool stroke,
                                   QColor strokeColour, int strokeAlpha, int strokeWidth, double)
{
    const int strokeAlphaByte = stroke ? TextAlphaByte(strokeAlpha) : 0;
    QBrush brush;
    if (!texture) {
        colour.setAlpha(TextAlphaByte(alpha));
        brush = QBrush(colour, Qt::SolidPattern);
    } else {
        Magick::Image picture;
        if (textureImage.isValid() && texturePath == texturePathArg) {
            picture = textureImage;
        } else if (!texturePathArg.isEmpty()) {
            // An unreadable texture fails the filter; it is cached empty, so
            // the next use reads it again.
            const CMagickReader::SResult read = CMagickReader::Read(texturePathArg, CMagickReader::FirstFrame);
            if (!read.frames.isEmpty())
                picture = read.frames.first();
            else
                failure = read.error;
            textureImage = picture;
            texturePath = texturePathArg;
        }
        QImage pattern;
        if (picture.isValid()) {
            // The brush starts at the canvas's corner: no more of the
            // texture than the canvas holds is ever painted.
            const QPaintDevice* canvas = painter->device();
            const size_t width = static_cast<size_t>(canvas->width());
            const size_t height = static_cast<size_t>(canvas->height());
            if (picture.columns() > width || picture.rows() > height)
                picture.crop(
                    Magick::Geometry(std::min(width, picture.columns()), std::min(height, picture.rows()), 0, 0));
            picture.type(Magick::TrueColorMatteType);
            pattern = ImageMagickToQt(picture);
        }
        brush = pattern.isNull() ? QBrush(Qt::NoBrush) : QBrush(pattern);
        painter->setOpacity((100 - alpha) / 100.0);
    }
    strokeColour.setAlpha(strokeAlphaByte);
    const QPen pen = strokeWidth > 0 ? QPen(strokeColour, strokeWidth) : QPen(QColor(0, 0, 0, 0));
    painter->setBrush(brush);
    painter->setPen(pen);
}

void CImageFilters::DrawBox(bool on, QPainter* painter, QImage* canvas, QColor colour, int alpha)
{
    if (!on)
        return;
    colour.setAlpha(TextAlphaByte(alpha));
    // fill() stores the colour exactly; painting would round it through
    // premultiplication.
    canvas->fill(colour);
    painter->setBrush(QBrush(colour, Qt::SolidPattern));
    painter->setPen(QPen(Qt::transparent));
}

bool CImageFilters::MarkSizeAllowed(qint64 width, qint64 height)
{
    constexpr qint64 side = 65535;
    constexpr qint64 area = qint64(1) << 28;
    return width > 0 && height > 0 && width <= side && height <= side && width * height <= area;
}

QImage CImageFilters::RotateImage(QImage* image, int degrees, QSize& shift)
{
    QTransform turn;
    turn.rotate(degrees);
    const QRect turned = QImage::trueMatrix(turn, image->width(), image->height())
                             .mapRect(image->rect());
    const QImage result = MarkSizeAllowed(turned.width(), turned.height())
        ? image->transformed(turn, Qt::SmoothTransformation)
        : QImage();
    shift = CentreShift(image->size(), result.size());
    return result;
}

QImage CImageFilters::BlurImage(const QImage& image, int radius, QSize& shift, bool alphaOnly)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The blur adds no margin: the image keeps its size and place.
    shift = QSize(0, 0);
    const int weight = BlurWeight(radius);
    if (radius == 0 || weight == 16 || result.isNull())
        return result;
    const int w = result.width();
    const int h = result.height();
    // bits() detaches, so the caller's image stays as it was.
    auto* base = reinterpret_cast<QRgb*>(result.bits());
    const ptrdiff_t stride = result.bytesPerLine() / 4;
    for (int x = 0; x < w; ++x)
        BlurLine(base + x, h, stride, weight, alphaOnly);
    for (int y = 0; y < h; ++y)
        BlurLine(base + y * stride, w, 1, weight, alphaOnly);
    for (int x = 0; x < w; ++x)
        BlurLine(base + (h - 1) * stride + x, h, -stride, weight, alphaOnly);
    for (int y = 0; y < h; ++y)
        BlurLine(base + y * stride + w - 1, w, -1, weight, alphaOnly);
    return result;
}

void CImageFilters::CalculateShadowPosition(int& x, int& y, int distance, int angle)
{
    // The mix of single and double precision is deliberate: it decides the
    // last pixel, e.g. distance 20 at 0 degrees gives (0, 19), not (0, 20).
    const int a = (angle + 90) % 360;
    const float r = static_cast<float>(a / 180.0 * M_PI);
    const double t = std::tan(static_cast<double>(r));
    const float tf = std::tan(r);
    const double tfd = tf;
    x = static_cast<int>(static_cast<float>(distance)
                         / std::sqrt(static_cast<float>(tfd * t) + 1.0f));
    y = static_cast<int>(distance * tfd / std::sqrt(tfd * tfd + 1.0));
    if (static_cast<unsigned>(a - 90) <= 179u) {
        x = -x;
        y = -y;
    }
}

QImage CImageFilters::ShadowImage(bool on, QImage* mark, QColor colour, int alpha, int distance,
                                  int reference, int angle, int blur, QSize& shift)
{
    shift = QSize(0, 0);
    if (!on || mark->isNull())
        return mark->copy();
    const int d = static_cast<int>(distance * (reference / 100.0));
    int sx = 0;
    int sy = 0;
    CalculateShadowPosition(sx, sy, d, angle);

    QImage shape(mark->size(), mark->format());
    colour.setAlpha(255);
    shape.fill(colour);
    shape.setAlphaChannel(mark->convertToFormat(QImage::Format_Alpha8));
    QSize blurShift;
    const QImage blurred = BlurImage(shape, blur * 18 / 11, blurShift, false);

    const qint64 w = blurred.width() + std::abs(static_cast<qint64>(sx));
    const qint64 h = blurred.height() + std::abs(static_cast<qint64>(sy));
    if (!MarkSizeAllowed(w, h))
        return QImage();
    QImage result(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return result;
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setOpacity((100 - alpha) / 100.0);
    painter.drawImage(std::max(0, sx), std::max(0, sy), blurred);
    painter.setOpacity(1.0);
    painter.drawImage(std::max(0, -sx), std::max(0, -sy), *mark);
    painter.end();
    shift = QSize(std::max(0, -sx), std::max(0, -sy));
    return result;
}

QImage CImageFilters::StrokeImage(bool on, QImage* image, int width, QColor colour, int alpha,
                                  QSize& shift)
{
    if (!on || alpha == 100 || image->isNull())
        return image->copy();
    width = std::max(0, width);
    const qint64 w = image->width() + 2 * static_cast<qint64>(width);
    const qint64 h = image->height() + 2 * static_cast<qint64>(width);
    if (!MarkSizeAllowed(w, h))
        return QImage();
    QImage canvas(static_cast<int>(w), static_cast<int>(h), image->format());
    if (canvas.isNull())
        return canvas;
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawImage(width, width, *image);
    colour.setAlpha(std::clamp(static_cast<int>((100 - static_cast<qint64>(alpha)) * 255 / 100),
                               0, 255));
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    const int W = canvas.width();
    const int H = canvas.height();
    for (int i = 0; i < width; ++i)
        painter.drawRect(QRect(QPoint(i, i), QPoint(W - 2 - i, H - 2 - i)));
    painter.end();
    shift = QSize(width, width);
    return canvas;
}

QImage CImageFilters::ScaleImage(QImage* image, int percent, QSize& shift)
{
    const qint64 w = static_cast<qint64>(image->width()) * percent / 100;
    const qint64 h = static_cast<qint64>(image->height()) * percent / 100;
    // An empty size gives a null image: logo scale 0 makes an empty mark.
    const QImage result = MarkSizeAllowed(w, h)
        ? image->scaled(static_cast<int>(w), static_cast<int>(h), Qt::KeepAspectRatio,
                        Qt::SmoothTransformation)
        : QImage();
    shift = CentreShift(image->size(), result.size());
    return result;
}
