// Camera raw half of CImageManager: reading, pinging and counting raw files
// through the raw decoder. ImageMagick never sees a raw file: its Debian build
// would hand them to an external delegate through the shell.
#include "ImageManager.h"

#include "DCRaw.h"
#include "UserProfile.h"

#include <QByteArray>

#include <cstdlib>
#include <memory>
#include <new>

namespace {

struct FreeDeleter {
    void operator()(unsigned char* pixels) const { std::free(pixels); }
};
using PixelBuffer = std::unique_ptr<unsigned char, FreeDeleter>;

// One conversion with a decoder of its own, deleted whatever the result. The
// object is several hundred kilobytes, so it lives on the heap, never the
// stack of a worker thread.
int ConvertRaw(SRAWImage& request, SProgressData* progress)
{
    std::unique_ptr<CDCRaw> decoder(new (std::nothrow) CDCRaw);
    if (!decoder)
        return RawConvertFailed;
    if (progress) {
        request.progress = progress;
        decoder->m_pfnProgress = ProgressMonitor;
    }
    return decoder->Convert(&request);
}

// Identification only: open, read the header, no pixels and no decode lock.
bool IdentifyRaw(const QString& path, SRAWImage& request)
{
    request.fileName = path;
    request.identifyOnly = true;
    request.pixels = nullptr;
    return ConvertRaw(request, nullptr) == RawConvertDone;
}

// The decoded buffer as 8-bit RGB triples: three channels are used as they
// are, a monochrome camera's grey fills all three, wider pixels give their
// first three samples. Null for a result that is no image.
const unsigned char* RgbOf(const SRAWImage& request, QByteArray& storage)
{
    if (!request.pixels || request.width == 0 || request.height == 0)
        return nullptr;
    const int channels = request.channels;
    if (channels == 3)
        return request.pixels;
    if (channels != 1 && channels < 4)
        return nullptr;
    const quint64 count = request.width * request.height;
    storage.resize(static_cast<int>(count * 3));
    unsigned char* out = reinterpret_cast<unsigned char*>(storage.data());
    const unsigned char* in = request.pixels;
    for (quint64 i = 0; i < count; ++i, in += channels, out += 3) {
        out[0] = in[0];
        out[1] = channels == 1 ? in[0] : in[1];
        out[2] = channels == 1 ? in[0] : in[2];
    }
    return reinterpret_cast<const unsigned char*>(storage.constData());
}

// An empty text stays absent, as on an ordinary photo without the tag.
void SetAttribute(Magick::Image& image, const char* name, const QString& text)
{
    if (!text.isEmpty())
        image.attribute(name, text.toUtf8().toStdString());
}

} // namespace

bool CImageManager::ReadRAW(const QString& path)
{
    // A raw photo carries no CMYK source for the writer to restore.
    ClearSourceColour();

    SRAWImage request;
    request.fileName = path;
    request.identifyOnly = false;
    // Read at each decode, so that a changed setting counts from the next photo.
    request.whiteBalance = m_pProfile->RawWhiteBalance;
    request.highlight = m_pProfile->RawHighlight;
    request.demosaic = m_pProfile->RawDemosaic;

    const int result = ConvertRaw(request, m_bPreview ? &m_Progress : nullptr);
    const PixelBuffer pixels(request.pixels);
    m_Damage = request.dataError;
    if (result != RawConvertDone)
        return false;

    try {
        QByteArray expanded;
        const unsigned char* rgb = RgbOf(request, expanded);
        if (!rgb)
            return false;
        // CharPixel import scales each byte to the full sample range.
        Magick::Image image(static_cast<size_t>(request.width), static_cast<size_t>(request.height), "RGB",
                            Magick::CharPixel, rgb);
        image.matte(true); // opaque, like the decoder's colour image with alpha
        SetAttribute(image, "EXIF:DateTimeOriginal", request.dateTime);
        SetAttribute(image, "EXIF:Make", request.make);
        SetAttribute(image, "EXIF:Model", request.model);
        if (m_bPreview && m_Progress.abort.load())
            return false;
        m_Image = image;
    } catch (const Magick::Exception&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    SetProperties(PropertiesFromRaw, &request);
    return true;
}

bool CImageManager::PingRAW(const QString& path)
{
    SRAWImage request;
    if (!IdentifyRaw(path, request))
        return false;
    SetProperties(PropertiesFromRaw, &request);
    return true;
}

int CImageManager::GetRawPageCount(const QString& path)
{
    SRAWImage request;
    return IdentifyRaw(path, request) ? 1 : 0;
}
