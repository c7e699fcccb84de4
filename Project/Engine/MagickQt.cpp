#include "MagickQt.h"

#include <QGuiApplication>

#include <QSysInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
// Byte order of one QImage::Format_ARGB32 pixel in memory.
const char* Argb32Map()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "BGRA" : "ARGB";
}
} // namespace

QRgb SlotRgb(double v)
{
    // Keep the cast to qint64 defined: NaN, infinities and magnitudes of 2^63
    // or more give 0; colour slots hold 0..0xFFFFFFFF.
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!std::isfinite(v) || v >= limit || v <= -limit)
        return 0;
    return static_cast<QRgb>(static_cast<quint32>(static_cast<qint64>(v)));
}

QImage ImageMagickToQt(const Magick::Image& image, const QRect& area)
{
    QRect part(0, 0, static_cast<int>(image.columns()), static_cast<int>(image.rows()));
    if (!area.isNull())
        part = part.intersected(area);
    if (part.isEmpty())
        return QImage();
    QImage out(part.size(), QImage::Format_ARGB32);
    if (out.isNull())
        return QImage();
    // 32-bit rows carry no padding, so the export can fill the buffer whole.
    Magick::Image source(image);
    source.write(part.x(), part.y(), static_cast<size_t>(part.width()),
                 static_cast<size_t>(part.height()), Argb32Map(), Magick::CharPixel, out.bits());
    if (!source.matte()) {
        // Without an alpha channel the stored opacities are not meaningful.
        for (int y = 0; y < out.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                row[x] |= 0xff000000u;
        }
    }
    return out;
}

Magick::Image QtToImageMagick(const QImage& image)
{
    if (image.isNull())
        return Magick::Image();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Magick::Image result(static_cast<size_t>(argb.width()), static_cast<size_t>(argb.height()),
                         Argb32Map(), Magick::CharPixel, argb.constBits());
    result.matte(true);
    return result;
}

double ScreenPixelRatio()
{
    if (qGuiApp == nullptr)
        return 1.0;
    return std::max(1.0, static_cast<double>(qGuiApp->devicePixelRatio()));
}
