#include "Metadata.h"

#include "PathSafety.h"

#include <QFileInfo>

#include <Magick++.h>

#include <cstdio>
#include <exception>

namespace {
// An Exif thumbnail fits in one 64 KB section, yet its header may claim any
// size; a claim beyond this is refused before ImageMagick allocates pixels.
constexpr size_t kMaxThumbnailPixels = 2048u * 2048u;

const unsigned char kNoThumbnail[1] = {0};
} // namespace

CMetadata::CMetadata() = default;

CMetadata::~CMetadata()
{
    m_Reader.DiscardData();
}

void CMetadata::Read(QString path)
{
    m_Width = 0;
    m_Height = 0;
    // A pipe or a device under a photo's name would block the reader.
    // (A missing file and a folder get the reader's own messages.)
    const QString refused = CPathSafety::NotRegularFileReason(path);
    const QFileInfo info(path);
    if (!refused.isEmpty() && info.exists() && !info.isDir()) {
        m_Reader.DiscardData();
        std::fprintf(stderr, "%s\n", refused.toLocal8Bit().constData());
        return;
    }
    if (!m_Reader.ReadJpegFile(path, READ_METADATA))
        return;
    const unsigned size = GetThumbnailSize();
    if (size == 0)
        return;

    const unsigned char* bytes = GetThumbnail();
    bool decoded = false;
    // Exif thumbnails are JPEG; naming the coder keeps ImageMagick from
    // guessing some other format from hostile bytes.
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == M_SOI) {
        try {
            const Magick::Blob blob(bytes, size);
            Magick::Image header;
            header.magick("JPEG");
            header.ping(blob);
            const size_t pixels = header.columns() * header.rows();
            if (pixels > 0 && pixels <= kMaxThumbnailPixels) {
                Magick::Image image;
                image.magick("JPEG");
                image.read(blob);
                m_Width = static_cast<uint32_t>(image.columns());
                m_Height = static_cast<uint32_t>(image.rows());
                decoded = m_Width > 0 && m_Height > 0;
            }
        } catch (const Magick::Exception&) {
            // A warning counts too: a damaged thumbnail is no thumbnail.
        } catch (const std::exception&) {
        }
    }
    if (!decoded) {
        m_Reader.ForgetThumbnail();
        m_Width = 0;
        m_Height = 0;
    }
}

unsigned CMetadata::GetThumbnailSize() const
{
    return GetThumbnail() == kNoThumbnail ? 0 : m_Reader.ImageInfo().ThumbnailSize;
}

const unsigned char* CMetadata::GetThumbnail() const
{
    const ImageInfo_t& info = m_Reader.ImageInfo();
    const Section_t* section = m_Reader.ThumbnailSection();
    // The Exif data starts 8 bytes into the section (length, "Exif\0\0").
    if (!section || info.ThumbnailSize == 0
        || uint64_t(8) + info.ThumbnailOffset + info.ThumbnailSize > section->Data.size())
        return kNoThumbnail;
    return section->Data.data() + 8 + info.ThumbnailOffset;
}
