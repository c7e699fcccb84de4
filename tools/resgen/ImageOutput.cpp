#include "ImageOutput.h"

#include <QImageWriter>

#include <Magick++.h>

#include <cstdio>
#include <vector>

namespace
{

void Complain(const QString& text)
{
    std::fputs((text + "\n").toLocal8Bit().constData(), stderr);
}

bool WriteMagick(Magick::Image& image, const QString& path)
{
    try {
        image.write(path.toUtf8().toStdString());
        return true;
    } catch (const Magick::Exception& e) {
        Complain("cannot write " + path + ": " + QString::fromUtf8(e.what()));
        return false;
    }
}

} // namespace

bool WriteMaskJpeg(const QImage& mask, const QString& path)
{
    const QImage grey = mask.convertToFormat(QImage::Format_Grayscale8);
    std::vector<unsigned char> samples(static_cast<size_t>(grey.width()) * grey.height());
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), samples.begin() + static_cast<long>(y) * grey.width());
    try {
        Magick::Image image(static_cast<size_t>(grey.width()), static_cast<size_t>(grey.height()), "I",
                            Magick::CharPixel, samples.data());
        image.type(Magick::GrayscaleType);
        image.quality(92);
        image.magick("JPEG");
        return WriteMagick(image, path);
    } catch (const Magick::Exception& e) {
        Complain("cannot make " + path + ": " + QString::fromUtf8(e.what()));
        return false;
    }
}

bool WriteFrameGif(const QImage& art, const QString& path)
{
    const QImage argb = art.convertToFormat(QImage::Format_ARGB32);
    std::vector<unsigned char> samples;
    samples.reserve(static_cast<size_t>(argb.width()) * argb.height() * 4);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            // One colour for the whole window, so that it takes one index.
            const QRgb c = qAlpha(row[x]) == 0 ? 0 : row[x];
            samples.insert(samples.end(),
                           {static_cast<unsigned char>(qRed(c)), static_cast<unsigned char>(qGreen(c)),
                            static_cast<unsigned char>(qBlue(c)), static_cast<unsigned char>(qAlpha(c))});
        }
    }
    try {
        Magick::Image image(static_cast<size_t>(argb.width()), static_cast<size_t>(argb.height()), "RGBA",
                            Magick::CharPixel, samples.data());
        image.matte(true);
        image.quantizeDither(false);
        image.magick("GIF");
        return WriteMagick(image, path);
    } catch (const Magick::Exception& e) {
        Complain("cannot make " + path + ": " + QString::fromUtf8(e.what()));
        return false;
    }
}

bool WritePng(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "png");
    if (writer.write(image))
        return true;
    Complain("cannot write " + path + ": " + writer.errorString());
    return false;
}
