#include "PngFile.h"

#include <QHash>
#include <QString>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr size_t kBlockHeader = alignof(std::max_align_t);

[[noreturn]] void OnError(png_structp png, png_const_charp message)
{
    SPngFile* state = static_cast<SPngFile*>(png_get_error_ptr(png));
    // After a refused allocation, or in a chunk skipped for its size,
    // libpng's own warning says why ("chunk data is too large"); what fails
    // later is only its consequence.
    const bool refused = state->refused || state->skipping;
    state->error = refused && !state->warning.isEmpty() ? state->warning : QString::fromUtf8(message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp png, png_const_charp message)
{
    SPngFile* state = static_cast<SPngFile*>(png_get_error_ptr(png));
    if (state->warning.isEmpty())
        state->warning = QString::fromUtf8(message);
    if (std::strncmp(message, "iCCP", 4) == 0)
        state->profileWarned = true;
    if (state->writing && !state->chunksSet)
        state->warnings.append(QString::fromUtf8(message));
}

// libpng's reads, watched for chunk headers (libpng reads each whole, at
// the offset where the last chunk ended). libpng's text handlers allocate a
// chunk over the limit all the same and, refused, leave its data unread:
// such a chunk is made an unknown one to libpng, which skips it in small
// reads after its warning that the chunk is too large.
void ReadData(png_structp png, png_bytep data, size_t length)
{
    SPngFile* state = static_cast<SPngFile*>(png_get_io_ptr(png));
    const bool header = state->offset == state->next && length == 8;
    if (std::fread(data, 1, length, state->file) != length)
        png_error(png, "Read Error");
    state->offset += length;
    if (!header)
        return;
    const png_uint_32 size = png_get_uint_32(data);
    state->next += 12 + size_t(size);
    const bool text = std::memcmp(data + 4, "tEXt", 4) == 0 || std::memcmp(data + 4, "zTXt", 4) == 0 ||
                      std::memcmp(data + 4, "iTXt", 4) == 0;
    const bool skip = text && size > SPngFile::kChunkLimit;
    if (skip == state->skipping)
        return;
    static const png_byte texts[] = "tEXt\0zTXt\0iTXt";
    png_set_keep_unknown_chunks(png, skip ? PNG_HANDLE_CHUNK_NEVER : PNG_HANDLE_CHUNK_AS_DEFAULT, texts, 3);
    state->skipping = skip;
}

// libpng's allocations for a read, held to SPngFile's limits; a null answer
// is libpng's "out of memory", which fails the file or skips the chunk.
png_voidp Allocate(png_structp png, png_alloc_size_t size)
{
    SPngFile* state = static_cast<SPngFile*>(png_get_mem_ptr(png));
    if (size > state->largest || size > state->budget - state->live) {
        state->refused = true;
        return nullptr;
    }
    char* block = static_cast<char*>(std::malloc(size + kBlockHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof(size));
    state->live += size;
    return block + kBlockHeader;
}

void Release(png_structp png, png_voidp memory)
{
    if (!memory)
        return;
    char* block = static_cast<char*>(memory) - kBlockHeader;
    size_t size = 0;
    std::memcpy(&size, block, sizeof(size));
    static_cast<SPngFile*>(png_get_mem_ptr(png))->live -= size;
    std::free(block);
}

} // namespace

SPngFile::~SPngFile()
{
    if (writing)
        png_destroy_write_struct(&png, &info);
    else
        png_destroy_read_struct(&png, &info, nullptr);
    if (file)
        std::fclose(file);
    if (image)
        MagickCore::DestroyImage(image);
}

bool SPngFile::Open(const std::string& path, bool write)
{
    file = std::fopen(path.c_str(), write ? "wb" : "rb");
    if (!file) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    writing = write;
    png = write ? png_create_write_struct(PNG_LIBPNG_VER_STRING, this, OnError, OnWarning)
                : png_create_read_struct_2(PNG_LIBPNG_VER_STRING, this, OnError, OnWarning, this, Allocate, Release);
    info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        error = QStringLiteral("out of memory");
        return false;
    }
    if (write)
        png_init_io(png, file);
    else
        png_set_read_fn(png, this, ReadData);
    return true;
}

QByteArray SPngFile::Latin1Mark(const char* key)
{
    return QByteArray("brandquill:tEXt:") + key;
}

QByteArray SPngFile::Latin1Hash(const char* text)
{
    return QByteArray::number(qHash(QByteArray::fromRawData(text, int(std::strlen(text)))), 16);
}

bool SPngFile::ToLatin1(QByteArray& text)
{
    const QString unicode = QString::fromUtf8(text);
    if (unicode.toUtf8() != text)
        return true;
    for (const QChar c : unicode)
        if (c.unicode() > 0xff)
            return false;
    text = unicode.toLatin1();
    return true;
}

QByteArray SPngFile::WrittenKey(QByteArray key)
{
    ToLatin1(key);
    QByteArray clean;
    bool space = true;
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        const bool printable = (u > 32 && u < 127) || u > 160;
        if (printable || !space)
            clean += printable ? c : ' ';
        space = !printable;
    }
    if (clean.endsWith(' '))
        clean.chop(1);
    return clean;
}

bool SPngFile::CoderKey(const QByteArray& key)
{
    // The namespaces of the library's core and of the coders that write
    // this program's outputs.
    static const char* const spaces[] = {"bmp:", "bmp3:", "eps:", "jp2:", "jpeg:",    "mng:",     "pdf:",
                                         "png:", "ps:",   "psd:", "tga:", "quantum:", "profile:", "tiff:"};
    const QByteArray lower = key.toLower();
    for (const char* space : spaces)
        if (lower.startsWith(space))
            return true;
    return false;
}
