#pragma once
// The embedded Exif thumbnail of a JPEG file, for the photo list: reading
// only the header sections avoids decoding the photo itself.

#include "JpegSections.h"

#include <QString>

#include <cstdint>

class CMetadata
{
public:
    CMetadata();
    ~CMetadata();
    CMetadata(const CMetadata&) = delete;
    CMetadata& operator=(const CMetadata&) = delete;

    // Reads the file's header sections and measures the thumbnail by decoding
    // it. A missing file, a file that is no JPEG, or a thumbnail that does not
    // decode leaves the size 0. Messages go to the error output.
    void Read(QString path);
    // Byte size of the thumbnail of the last Read, 0 when there is none.
    unsigned GetThumbnailSize() const;
    // The thumbnail bytes (an empty buffer when there is none), valid until
    // the next Read or the destructor.
    const unsigned char* GetThumbnail() const;
    // Pixel size of the decoded thumbnail, 0 when there is none.
    uint32_t GetThumbnailWidth() const { return m_Width; }
    uint32_t GetThumbnailHeight() const { return m_Height; }

    // What the last Read found beside the thumbnail.
    const ImageInfo_t& GetImageInfo() const { return m_Reader.ImageInfo(); }
    const CJpegSections& Sections() const { return m_Reader; }

private:
    CJpegSections m_Reader;
    uint32_t m_Width = 0;
    uint32_t m_Height = 0;
};
