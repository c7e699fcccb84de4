#include "MagickQt.h"

#include <QGuiApplication>

#include <QSysInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
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
    // Exported at 16 bits and cut to 8 by truncation, as ImageMagick's 8-bit
    // writers do: a preview then shows the very values a run writes, also
    // where filters leave samples between two 8-bit levels.
    const size_t count = static_cast<size_t>(part.width()) * static_cast<size_t>(part.height()) * 4;
    std::vector<quint16> samples(count);
    Magick::Image source(image);
    source.write(part.x(), part.y(), static_cast<size_t>(part.width()), static_cast<size_t>(part.height()), "ARGB",
                 Magick::ShortPixel, samples.data());
    const bool opaque = !source.matte();
    const quint16* s = samples.data();
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x, s += 4) {
            // 65535 = 255 x 257: the 8-bit level whose range holds the sample.
            const int alpha = opaque ? 255 : s[0] / 257;
            row[x] = qRgba(s[1] / 257, s[2] / 257, s[3] / 257, alpha);
        }
    }
    return out;
}

Magick::Image QtToImageMagick(const QImage& image)
{
    if (image.isNull())
        return Magick::Image();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Magick::Image result(static_cast<size_t>(argb.width()), static_cast<size_t>(argb.height()), Argb32Map(),
                         Magick::CharPixel, argb.constBits());
    result.matte(true);
    return result;
}

double ScreenPixelRatio()
{
    if (qGuiApp == nullptr)
        return 1.0;
    return std::max(1.0, static_cast<double>(qGuiApp->devicePixelRatio()));
}
