#include "JpegSections.h"

#include <QFile>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <new>

namespace {
// A camera writes a handful of sections; these bounds only stop hostile files
// from holding unbounded memory or time before the scan starts.
constexpr int kMaxSections = 1000;
constexpr uint64_t kMaxSectionBytes = 16u * 1024u * 1024u;
// A damaged file can hold thousands of bad entries; say so only this often.
constexpr int kMaxMessages = 100;
// Fill bytes before a marker from this count on are worth a message.
constexpr long kPaddingNoticed = 10;

void WriteError(const QByteArray& text)
{
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fflush(stderr);
}

bool IsStartOfFrame(int marker)
{
    // 0xC4 (Huffman tables), 0xC8 (reserved) and 0xCC (arithmetic
    // conditioning) share the range but are no frames.
    return marker >= M_SOF0 && marker <= M_SOF15 && marker != M_DHT && marker != M_JPG
        && marker != M_DAC;
}

int BigEndian16(const unsigned char* p)
{
    return (p[0] << 8) | p[1];
}
} // namespace

CJpegSections::CJpegSections() = default;

void CJpegSections::DiscardData()
{
    m_Sections.clear();
    m_Sections.shrink_to_fit();
    m_ImageInfo = ImageInfo_t();
    m_HaveComment = false;
    m_ThumbnailSection = -1;
}

const Section_t* CJpegSections::ThumbnailSection() const
{
    if (m_ThumbnailSection < 0 || m_ThumbnailSection >= static_cast<int>(m_Sections.size()))
        return nullptr;
    return &m_Sections[static_cast<size_t>(m_ThumbnailSection)];
}

void CJpegSections::ForgetThumbnail()
{
    m_ImageInfo.ThumbnailOffset = 0;
    m_ImageInfo.ThumbnailSize = 0;
    m_ThumbnailSection = -1;
}

bool CJpegSections::ReadJpegFile(const QString& path, ReadMode_t mode)
{
    DiscardData();
    m_MessagesShown = 0;
    // One budget for the whole file, however many Exif sections it holds.
    m_DirectoriesWalked = 0;
    m_EntriesChecked = 0;
    m_WalkedDirectories.clear();
    m_ImageInfo.JfifResolutionUnits = 1;
    m_ImageInfo.JfifXDensity = 300;
    m_ImageInfo.JfifYDensity = 300;

    const QByteArray name = QFile::encodeName(path);
    std::FILE* file = std::fopen(name.constData(), "rb");
    if (!file) {
        WriteError("can't open '" + name + "'\n");
        return false;
    }
    const Result result = ReadJpegSections(file, mode);
    std::fclose(file);
    if (result == Result::Ok)
        return true;
    if (result == Result::NotJpeg)
        WriteError("Not JPEG: " + name + "\n");
    DiscardData();
    return false;
}

CJpegSections::Marker CJpegSections::ReadMarker(std::FILE* file, uint64_t& budget, int& marker)
{
    int previous = 0;
    for (long count = 0;; ++count) {
        // Unlocked: up to the whole byte budget may come through here.
        const int c = getc_unlocked(file);
        if (c == EOF)
            return Marker::Eof;
        if (previous == 0xFF && c != 0xFF) {
            // count - 1 bytes came before the last 0xFF.
            if (count - 1 >= kPaddingNoticed)
                ErrNonfatal("Extraneous %ld padding bytes before section %02X", count - 1, c);
            marker = c;
            return Marker::Found;
        }
        if (budget == 0)
            return Marker::TooMuch;
        --budget;
        previous = c;
    }
}

CJpegSections::Result CJpegSections::ReadJpegSections(std::FILE* file, ReadMode_t mode)
{
    if (std::fgetc(file) != 0xFF || std::fgetc(file) != M_SOI)
        return Result::NotJpeg;

    uint64_t budget = kMaxSectionBytes;
    int count = 0;
    for (;;) {
        int marker = 0;
        const Marker found = ReadMarker(file, budget, marker);
        if (found == Marker::Eof) {
            ErrFatal("Premature end of file?");
            return Result::Fatal;
        }
        // End of image carries no length: a file that ends there before any
        // scan holds no picture.
        if (found == Marker::Found && marker == M_EOI) {
            WriteError("No image in jpeg!\n");
            return Result::NotJpeg;
        }
        const int high = found == Marker::Found ? std::fgetc(file) : EOF;
        const int low = high == EOF ? EOF : std::fgetc(file);
        if (found == Marker::Found && low == EOF) {
            ErrFatal("Premature end of file?");
            return Result::Fatal;
        }
        const unsigned length = found == Marker::Found ? static_cast<unsigned>((high << 8) | low) : 0;
        if (found == Marker::TooMuch || ++count > kMaxSections || length > budget) {
            ErrFatal("Too many JPEG sections");
            return Result::Fatal;
        }
        if (length < 2) {
            ErrFatal("invalid marker");
            return Result::Fatal;
        }
        budget -= length;

        if (m_Sections.size() == m_Sections.capacity())
            m_Sections.reserve(std::max<size_t>(5, m_Sections.size() + m_Sections.size() / 2));
        Section_t section;
        try {
            section.Data.resize(length);
        } catch (const std::bad_alloc&) {
            ErrFatal("Could not allocate memory");
            return Result::Fatal;
        }
        section.Data[0] = static_cast<unsigned char>(high);
        section.Data[1] = static_cast<unsigned char>(low);
        if (std::fread(section.Data.data() + 2, 1, length - 2, file) != length - 2) {
            ErrFatal("Premature end of file?");
            return Result::Fatal;
        }
        section.Type = marker;
        section.Size = length;
        m_Sections.push_back(std::move(section));
        Section_t& current = m_Sections.back();
        const unsigned char* data = current.Data.data();

        switch (marker) {
        case M_SOS:
            // Only the header is wanted; the compressed data stays unread.
            return Result::Ok;
        case M_COM:
            if (m_HaveComment || !(mode & READ_METADATA)) {
                m_Sections.pop_back();
            } else {
                ProcessComment(current);
                m_HaveComment = true;
            }
            break;
        case M_JFIF:
            ProcessJfif(current);
            m_Sections.pop_back();
            break;
        case M_EXIF:
            if ((mode & READ_METADATA) && length >= 6 && std::memcmp(data + 2, "Exif", 4) == 0) {
                m_CurrentSection = static_cast<int>(m_Sections.size()) - 1;
                process_EXIF(data, length);
            } else if ((mode & READ_METADATA) && length >= 7 && std::memcmp(data + 2, "http:", 5) == 0) {
                current.Type = M_XMP;
            } else {
                m_Sections.pop_back();
            }
            break;
        case M_IPTC:
            if (!(mode & READ_METADATA))
                m_Sections.pop_back();
            break;
        default:
            if (IsStartOfFrame(marker))
                ProcessFrame(current, marker);
            break;
        }
    }
}

void CJpegSections::ProcessFrame(const Section_t& section, int marker)
{
    if (section.Size < 8)
        return;
    const unsigned char* data = section.Data.data();
    m_ImageInfo.Height = BigEndian16(data + 3);
    m_ImageInfo.Width = BigEndian16(data + 5);
    m_ImageInfo.IsColor = data[7] == 3 ? 1 : 0;
    m_ImageInfo.Process = marker;
}

void CJpegSections::ProcessJfif(const Section_t& section)
{
    const unsigned char* data = section.Data.data();
    if (section.Size < 7 || std::memcmp(data + 2, "JFIF\0", 5) != 0)
        WriteError("Header missing JFIF marker\n");
    if (section.Size >= 16) {
        m_ImageInfo.JfifPresent = true;
        m_ImageInfo.JfifResolutionUnits = data[9];
        m_ImageInfo.JfifXDensity = BigEndian16(data + 10);
        m_ImageInfo.JfifYDensity = BigEndian16(data + 12);
    } else {
        WriteError("Jfif header too short\n");
    }
}

void CJpegSections::ProcessComment(const Section_t& section)
{
    const unsigned char* data = section.Data.data();
    const unsigned end = std::min<unsigned>(section.Size, MAX_COMMENT_SIZE);
    int n = 0;
    for (unsigned a = 2; a < end; ++a) {
        const unsigned char ch = data[a];
        if (ch == '\r' && a + 1 < end && data[a + 1] == '\n')
            continue;
        m_ImageInfo.Comments[n++] = (ch > 31 || ch == '\t' || ch == '\n') ? static_cast<char>(ch) : '?';
    }
    m_ImageInfo.Comments[n] = '\0';
    m_ImageInfo.CommentWidthchars = 0;
}

void CJpegSections::ErrNonfatal(const char* format, ...)
{
    // Counted before formatting: a hostile file can ask for millions.
    if (m_MessagesShown >= kMaxMessages)
        return;
    ++m_MessagesShown;
    va_list arguments;
    va_start(arguments, format);
    const QString message = QString::vasprintf(format, arguments);
    va_end(arguments);
    WriteError("\nNonfatal Error : " + message.toUtf8() + "\n");
}

void CJpegSections::ErrFatal(const QString& message)
{
    WriteError("\nError : " + message.toUtf8() + "\n");
}
