#include "PngCoder.h"

#include "ImageManager.h"

#include <QFile>
#include <QStringList>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <sys/stat.h>

namespace
{

const char kRawProfile[] = "Raw profile type ";
const unsigned char kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};

// What libpng may allocate while it reads the chunks before the pixels: its
// own limit for one chunk (an ICC profile, an Exif block or a text), and for
// all of them together. A chunk's length field is the file's word, and
// libpng allocates it whole before reading a byte of it.
constexpr size_t kChunkLimit = 8 * 1024 * 1024;
constexpr size_t kMetadataBudget = 4 * kChunkLimit;
constexpr size_t kBlockHeader = alignof(std::max_align_t);

// One file and libpng's state for it. libpng reports errors by longjmp, so
// everything that must outlive one lives here, in memory, not in locals of
// the frame that called setjmp.
struct SPng {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    bool writing = false;
    QString error;
    QString warning;
    QStringList warnings;   // libpng's words on the chunks a write was given
    bool chunksSet = false; // later warnings are notes on what it writes
    size_t live = 0;        // bytes libpng holds while reading
    size_t budget = kMetadataBudget;
    size_t largest = kChunkLimit + 4096;
    bool refused = false; // an allocation was over the limits
    std::vector<unsigned char> pixels;
    MagickCore::Image* image = nullptr;

    ~SPng()
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
};

[[noreturn]] void OnError(png_structp png, png_const_charp message)
{
    SPng* state = static_cast<SPng*>(png_get_error_ptr(png));
    // After a refused allocation libpng's own warning says why ("chunk data
    // is too large"); what fails later is only its consequence.
    state->error = state->refused && !state->warning.isEmpty() ? state->warning : QString::fromUtf8(message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp png, png_const_charp message)
{
    SPng* state = static_cast<SPng*>(png_get_error_ptr(png));
    if (state->warning.isEmpty())
        state->warning = QString::fromUtf8(message);
    if (state->writing && !state->chunksSet)
        state->warnings.append(QString::fromUtf8(message));
}

// libpng's allocations for a read, held to SPng's limits; a null answer is
// libpng's "out of memory", which fails the file or skips the chunk.
png_voidp Allocate(png_structp png, png_alloc_size_t size)
{
    SPng* state = static_cast<SPng*>(png_get_mem_ptr(png));
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
    static_cast<SPng*>(png_get_mem_ptr(png))->live -= size;
    std::free(block);
}

// The file and libpng's state for it; false with `s.error`.
bool Open(SPng& s, const std::string& path, bool write)
{
    s.file = std::fopen(path.c_str(), write ? "wb" : "rb");
    if (!s.file) {
        s.error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    s.writing = write;
    s.png = write ? png_create_write_struct(PNG_LIBPNG_VER_STRING, &s, OnError, OnWarning)
                  : png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &s, OnError, OnWarning, &s, Allocate, Release);
    s.info = s.png ? png_create_info_struct(s.png) : nullptr;
    if (!s.info) {
        s.error = QStringLiteral("out of memory");
        return false;
    }
    png_init_io(s.png, s.file);
    return true;
}

png_uint_32 Limit(MagickCore::ResourceType type)
{
    const MagickCore::MagickSizeType limit = MagickCore::GetMagickResourceLimit(type);
    return static_cast<png_uint_32>(std::min<MagickCore::MagickSizeType>(limit, PNG_UINT_31_MAX));
}

void SetProfile(MagickCore::Image* image, const char* name, const unsigned char* data, size_t length)
{
    MagickCore::StringInfo* profile = MagickCore::AcquireStringInfo(length);
    std::memcpy(MagickCore::GetStringInfoDatum(profile), data, length);
    MagickCore::SetImageProfile(image, name, profile);
    MagickCore::DestroyStringInfo(profile);
}

// "Raw profile type <name>" text: "\n<name>\n<length>\n<hex digits>".
void SetRawProfile(MagickCore::Image* image, const char* key, const char* text)
{
    const QByteArray name = QByteArray(key + sizeof(kRawProfile) - 1).toLower();
    const QList<QByteArray> parts = QByteArray(text).trimmed().split('\n');
    if (parts.size() < 3 || name.isEmpty())
        return;
    QByteArray hex;
    for (int i = 2; i < parts.size(); ++i)
        hex += parts.at(i).trimmed();
    const QByteArray data = QByteArray::fromHex(hex);
    if (data.size() == parts.at(1).trimmed().toInt() && !data.isEmpty())
        SetProfile(image, name.constData(), reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<size_t>(data.size()));
}

// The chunks the library's coder turns into image data: the ICC profile,
// the density, gamma and primaries, and text as properties (an eXIf chunk
// it leaves, and so does this).
void TakeMetadata(SPng& s)
{
    MagickCore::Image* image = s.image;
    png_charp name = nullptr;
    int compression = 0;
    png_bytep data = nullptr;
    png_uint_32 length = 0;
    if (png_get_iCCP(s.png, s.info, &name, &compression, &data, &length) && length > 0)
        SetProfile(image, "icc", data, length);
    png_uint_32 x = 0;
    png_uint_32 y = 0;
    int unit = 0;
    if (png_get_pHYs(s.png, s.info, &x, &y, &unit)) {
        const bool metric = unit == PNG_RESOLUTION_METER;
        image->units = metric ? MagickCore::PixelsPerCentimeterResolution : MagickCore::UndefinedResolution;
        image->x_resolution = metric ? x / 100.0 : x;
        image->y_resolution = metric ? y / 100.0 : y;
    }
    double gamma = 0;
    if (png_get_gAMA(s.png, s.info, &gamma))
        image->gamma = gamma;
    MagickCore::ChromaticityInfo& c = image->chromaticity;
    png_get_cHRM(s.png, s.info, &c.white_point.x, &c.white_point.y, &c.red_primary.x, &c.red_primary.y,
                 &c.green_primary.x, &c.green_primary.y, &c.blue_primary.x, &c.blue_primary.y);
    png_textp texts = nullptr;
    const int count = png_get_text(s.png, s.info, &texts, nullptr);
    for (int i = 0; i < count; ++i) {
        if (!texts[i].key || !texts[i].text)
            continue;
        if (std::strncmp(texts[i].key, kRawProfile, sizeof(kRawProfile) - 1) == 0)
            SetRawProfile(image, texts[i].key, texts[i].text);
        else
            MagickCore::SetImageProperty(image, texts[i].key, texts[i].text);
    }
    // Orientation and resolution texts become the image's own, as the
    // library's reads make them.
    const char* orientation = MagickCore::GetImageProperty(image, "exif:Orientation");
    if (!orientation)
        orientation = MagickCore::GetImageProperty(image, "tiff:Orientation");
    if (orientation) {
        image->orientation = static_cast<MagickCore::OrientationType>(std::atol(orientation));
        MagickCore::DeleteImageProperty(image, "tiff:Orientation");
        MagickCore::DeleteImageProperty(image, "exif:Orientation");
    }
    for (const char* name : {"exif:XResolution", "exif:YResolution", "exif:ResolutionUnit"}) {
        const char* value = MagickCore::GetImageProperty(image, name);
        if (!value)
            continue;
        const QList<QByteArray> ratio = QByteArray(value).split('/');
        const double below = ratio.size() > 1 ? ratio.at(1).toDouble() : 1.0;
        const double number = below != 0 ? ratio.value(0).toDouble() / below : 0;
        if (name[5] == 'X')
            image->x_resolution = number;
        else if (name[5] == 'Y')
            image->y_resolution = number;
        else if (const long unit = std::atol(value); unit >= 1 && unit <= 3) // Exif's none, inch, cm
            image->units = static_cast<MagickCore::ResolutionType>(unit - 1);
        MagickCore::DeleteImageProperty(image, name);
    }
    // The profiles' fields as properties and the file's times, as the
    // library gives every image it reads.
    for (const char* fields : {"exif:*", "icc:*", "iptc:*", "xmp:*"})
        MagickCore::GetImageProperty(image, fields);
    struct stat status = {};
    if (fstat(fileno(s.file), &status) == 0) {
        char time[MagickPathExtent];
        MagickCore::FormatMagickTime(status.st_mtime, sizeof(time), time);
        MagickCore::SetImageProperty(image, "date:modify", time);
        MagickCore::FormatMagickTime(status.st_ctime, sizeof(time), time);
        MagickCore::SetImageProperty(image, "date:create", time);
    }
}

// 8- and 16-bit samples at the library's depth, as its own scaling gives them.
using Sample = MagickCore::Quantum;
constexpr quint64 kSampleMax = (quint64(1) << MAGICKCORE_QUANTUM_DEPTH) - 1;

Sample From8(quint64 value)
{
    return Sample(value * kSampleMax / 255);
}

Sample From16(quint64 value)
{
    return Sample((value * kSampleMax + 32767) / 65535);
}

// How decoded rows become pixels: RGBA samples of 8 or 16 bits, or palette
// indices mapped here. libpng's own expansion would turn an index past the
// palette into black without a word.
struct SRows {
    bool deep = false;
    bool indexed = false;
    int entries = 0;
    MagickCore::PixelPacket palette[256] = {};
};

// One decoded row into the pixel cache. Of an interlaced file, only the
// columns of the row's pass: the others hold what earlier passes put there.
// No whole-image buffer beside the cache, whose limits spill it to disk.
bool PutRow(SPng& s, const SRows& rows, png_uint_32 y, int pass, bool interlaced)
{
    MagickCore::Image* image = s.image;
    const size_t width = image->columns;
    const size_t first = interlaced ? PNG_PASS_START_COL(pass) : 0;
    const size_t step = interlaced ? size_t(1) << PNG_PASS_COL_SHIFT(pass) : 1;
    MagickCore::PixelPacket* q = MagickCore::GetAuthenticPixels(image, 0, y, width, 1, &image->exception);
    if (!q) {
        s.error = QStringLiteral("cannot store the pixels");
        return false;
    }
    const unsigned char* bytes = s.pixels.data();
    const auto* shorts = reinterpret_cast<const quint16*>(bytes);
    for (size_t x = first; x < width; x += step) {
        MagickCore::PixelPacket& pixel = q[x];
        if (rows.indexed) {
            if (bytes[x] >= rows.entries) {
                s.error = QStringLiteral("invalid colormap index");
                return false;
            }
            pixel = rows.palette[bytes[x]];
        } else if (rows.deep) {
            const quint16* p = shorts + 4 * x;
            pixel.red = From16(p[0]);
            pixel.green = From16(p[1]);
            pixel.blue = From16(p[2]);
            pixel.opacity = Sample(kSampleMax - From16(p[3]));
        } else {
            const unsigned char* p = bytes + 4 * x;
            pixel.red = From8(p[0]);
            pixel.green = From8(p[1]);
            pixel.blue = From8(p[2]);
            pixel.opacity = Sample(kSampleMax - From8(p[3]));
        }
    }
    if (MagickCore::SyncAuthenticPixels(image, &image->exception) != MagickCore::MagickFalse)
        return true;
    s.error = QStringLiteral("cannot store the pixels");
    return false;
}

// The palette with its tRNS opacities, as pixels.
void TakePalette(SPng& s, SRows& rows)
{
    png_colorp colours = nullptr;
    png_bytep opacities = nullptr;
    int transparent = 0;
    png_get_PLTE(s.png, s.info, &colours, &rows.entries);
    if (!png_get_tRNS(s.png, s.info, &opacities, &transparent, nullptr))
        transparent = 0;
    rows.indexed = true;
    for (int i = 0; i < rows.entries && i < 256; ++i) {
        MagickCore::PixelPacket& pixel = rows.palette[i];
        pixel.red = From8(colours[i].red);
        pixel.green = From8(colours[i].green);
        pixel.blue = From8(colours[i].blue);
        pixel.opacity = Sample(kSampleMax - From8(i < transparent ? opacities[i] : 255));
    }
}

// Decodes into `s.image`; false with `s.error`.
bool Decode(SPng& s, const std::string& path, bool ping, SProgressData* progress)
{
    if (!Open(s, path, false))
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    png_set_user_limits(s.png, Limit(MagickCore::WidthResource), Limit(MagickCore::HeightResource));
    png_set_chunk_malloc_max(s.png, kChunkLimit);
    png_read_info(s.png, s.info);
    const png_uint_32 width = png_get_image_width(s.png, s.info);
    const png_uint_32 height = png_get_image_height(s.png, s.info);
    const int depth = png_get_bit_depth(s.png, s.info);
    const int type = png_get_color_type(s.png, s.info);
    const bool alpha = (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(s.png, s.info, PNG_INFO_tRNS);
    // libpng's row buffers: at most 8 bytes a pixel once expanded, the width
    // rounded up to whole bytes, and a few bytes of its own.
    const size_t rowLimit = (size_t(width) + 16) * 8 + 256;
    s.largest = std::max(s.largest, rowLimit);
    s.budget += 4 * rowLimit;

    MagickCore::ImageInfo* info = MagickCore::CloneImageInfo(nullptr);
    info->ping = ping ? MagickCore::MagickTrue : MagickCore::MagickFalse;
    s.image = MagickCore::AcquireImage(info);
    MagickCore::DestroyImageInfo(info);
    std::strncpy(s.image->magick, "PNG", MagickPathExtent - 1);
    std::strncpy(s.image->filename, path.c_str(), MagickPathExtent - 1);
    std::strncpy(s.image->magick_filename, path.c_str(), MagickPathExtent - 1);
    s.image->columns = width;
    s.image->rows = height;
    s.image->depth = depth > 8 ? 16 : 8;
    s.image->matte = alpha ? MagickCore::MagickTrue : MagickCore::MagickFalse;
    s.image->ping = ping ? MagickCore::MagickTrue : MagickCore::MagickFalse;
    if (ping) {
        TakeMetadata(s);
        return true;
    }
    if (MagickCore::SetImageExtent(s.image, width, height) == MagickCore::MagickFalse) {
        s.error = QString::fromUtf8(s.image->exception.reason ? s.image->exception.reason : "too many pixels");
        return false;
    }

    // Every pixel gets all four samples, opacity included: whoever reads
    // the image later reads samples that were written.
    SRows rows;
    rows.deep = depth == 16;
    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_set_packing(s.png);
        TakePalette(s, rows);
    } else {
        png_set_expand(s.png);
        png_set_gray_to_rgb(s.png);
        if (!alpha)
            png_set_filler(s.png, rows.deep ? 0xffff : 0xff, PNG_FILLER_AFTER);
        if (rows.deep)
            png_set_swap(s.png);
    }
    const int passes = png_set_interlace_handling(s.png);
    png_read_update_info(s.png, s.info);
    s.pixels.resize(png_get_rowbytes(s.png, s.info));
    const bool interlaced = passes > 1;
    const size_t steps = size_t(passes) * height;
    for (int pass = 0; pass < passes; ++pass) {
        const bool columns = !interlaced || PNG_PASS_COLS(width, pass) > 0;
        for (png_uint_32 y = 0; y < height; ++y) {
            if (!columns || (interlaced && !PNG_ROW_IN_INTERLACE_PASS(y, pass))) {
                png_read_row(s.png, nullptr, nullptr);
                continue;
            }
            png_read_row(s.png, s.pixels.data(), nullptr);
            if (!PutRow(s, rows, y, pass, interlaced))
                return false;
            const size_t step = size_t(pass) * height + y;
            if (progress && !MagickProgressMonitor("Load/Image", MagickCore::MagickOffsetType(step), steps, progress)) {
                s.error = QStringLiteral("cancelled");
                return false;
            }
        }
    }
    png_read_end(s.png, s.info);
    TakeMetadata(s);
    return true;
}

// Raw profile text as the library's coder writes it.
QByteArray RawProfileText(const MagickCore::StringInfo* profile, const char* name)
{
    const QByteArray data(reinterpret_cast<const char*>(MagickCore::GetStringInfoDatum(profile)),
                          static_cast<int>(MagickCore::GetStringInfoLength(profile)));
    QByteArray text = "\n" + QByteArray(name) + "\n" + QByteArray::number(data.size()).rightJustified(8) + "\n";
    const QByteArray hex = data.toHex();
    for (int at = 0; at < hex.size(); at += 72)
        text += hex.mid(at, 72) + "\n";
    return text;
}

// One row of samples from the pixel cache. 8-bit samples are cut from the
// 16-bit ones, not rounded, as the library's coder stores them.
void ExportRow(const MagickCore::Image* image, size_t y, const char* map, bool deep, unsigned char* out,
               std::vector<quint16>& wide)
{
    const size_t channels = std::strlen(map);
    const size_t count = image->columns * channels;
    quint16* into = deep ? reinterpret_cast<quint16*>(out) : (wide.resize(count), wide.data());
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    MagickCore::ExportImagePixels(image, 0, static_cast<ssize_t>(y), image->columns, 1, map, MagickCore::ShortPixel,
                                  into, exception);
    MagickCore::DestroyExceptionInfo(exception);
    // The library keeps opacity, not alpha: that is what gets cut.
    const bool alpha = map[channels - 1] == 'A';
    for (size_t i = 0; !deep && i < count; ++i) {
        const bool opacity = alpha && i % channels == channels - 1;
        out[i] = static_cast<unsigned char>(opacity ? 255 - (65535 - into[i]) / 257 : into[i] / 257);
    }
}

// What the pixels allow: grey, opaque, and at most 256 colours (8 bits only).
struct SLayout {
    bool grey = true;
    bool opaque = true;
    std::vector<quint32> palette; // RGBA; empty when there are more than 256
};

SLayout Survey(const Magick::Image& image, bool deep)
{
    SLayout layout;
    const size_t width = image.columns();
    std::vector<unsigned char> row(width * 4);
    std::vector<quint16> wide;
    std::unordered_set<quint32> colours;
    bool counting = !deep;
    // Without alpha the opacity samples are nobody's to read.
    const bool matte = image.matte();
    const size_t channels = matte ? 4 : 3;
    for (size_t y = 0; y < image.rows() && (layout.grey || layout.opaque || counting); ++y) {
        ExportRow(image.constImage(), y, matte ? "RGBA" : "RGB", false, row.data(), wide);
        for (size_t x = 0; x < width; ++x) {
            const unsigned char* p = row.data() + channels * x;
            const unsigned char alpha = matte ? p[3] : 255;
            layout.grey = layout.grey && p[0] == p[1] && p[1] == p[2];
            layout.opaque = layout.opaque && alpha == 255;
            if (counting) {
                colours.insert(quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | alpha);
                counting = colours.size() <= 256;
            }
        }
    }
    // 16-bit samples that look grey in 8 bits may not be.
    if (deep && layout.grey) {
        MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
        layout.grey = MagickCore::IsGrayImage(image.constImage(), exception) != MagickCore::MagickFalse;
        MagickCore::DestroyExceptionInfo(exception);
    }
    if (counting)
        layout.palette.assign(colours.begin(), colours.end());
    return layout;
}

// Everything the write needs, made before libpng's first call: a longjmp
// back to setjmp then skips no destructor and clobbers no local.
struct SPlan {
    const MagickCore::Image* source = nullptr;
    SLayout layout;
    bool palette = false;
    int type = PNG_COLOR_TYPE_RGB;
    const char* map = "RGB";
    size_t sample = 1;
    size_t exportBytes = 0;
    size_t stored = 0;
    bool interlaced = false;
    size_t quality = 75;
    std::vector<png_color> colours;
    std::vector<png_byte> opacity;
    std::unordered_map<quint32, png_byte> index;
    const MagickCore::StringInfo* exif = nullptr;
    const MagickCore::StringInfo* icc = nullptr;
    double gamma = 0;
    bool chromaticity = false;
    std::vector<QByteArray> keep; // key, text, key, text...
    std::vector<bool> utf8;       // per text: iTXt
    std::vector<png_text> texts;
    QStringList leftOut; // metadata the file cannot hold
    std::vector<unsigned char> scratch;
    std::vector<quint16> wide;
};

// tEXt and zTXt hold Latin-1: UTF-8 text within it is converted, text
// beyond it goes to iTXt (false). Bytes that are no UTF-8 stand as read
// from a tEXt chunk.
bool ToLatin1(QByteArray& text)
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

// libpng refuses a keyword that has no printable Latin-1 character.
bool PrintableKey(const QByteArray& key)
{
    return std::any_of(key.begin(), key.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u > 32 && u < 127) || u > 160;
    });
}

quint32 BigEndian32(const unsigned char* p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// What readers ask of an ICC profile besides libpng's own checks: a header
// that gives the profile's length and a tag table that holds a tag and fits.
bool WholeIcc(const MagickCore::StringInfo* profile)
{
    const unsigned char* data = MagickCore::GetStringInfoDatum(profile);
    const size_t length = MagickCore::GetStringInfoLength(profile);
    if (length < 132 || BigEndian32(data) != length)
        return false;
    const quint32 tags = BigEndian32(data + 128);
    return tags > 0 && tags <= (length - 132) / 12;
}

// An Exif block that begins with its TIFF header, after an optional "Exif"
// prefix; readers reject an eXIf chunk that does not.
bool TiffExif(const MagickCore::StringInfo* profile)
{
    const unsigned char* data = MagickCore::GetStringInfoDatum(profile);
    size_t length = MagickCore::GetStringInfoLength(profile);
    if (length > 6 && std::memcmp(data, kExifHeader, 6) == 0) {
        data += 6;
        length -= 6;
    }
    return length >= 8 && (std::memcmp(data, "II*\0", 4) == 0 || std::memcmp(data, "MM\0*", 4) == 0);
}

void Plan(SPlan& plan, const Magick::Image& image)
{
    const bool deep = image.depth() > 8;
    plan.source = image.constImage();
    plan.layout = Survey(image, deep);
    // Grey stays grey; few colours make a palette; alpha only when used.
    const bool alpha = !plan.layout.opaque;
    const bool grey = plan.layout.grey;
    plan.palette = !grey && !plan.layout.palette.empty();
    plan.type = grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB;
    if (plan.palette)
        plan.type = PNG_COLOR_TYPE_PALETTE;
    else if (alpha)
        plan.type |= PNG_COLOR_MASK_ALPHA;
    plan.map = plan.palette ? (image.matte() ? "RGBA" : "RGB") : grey ? (alpha ? "IA" : "I") : (alpha ? "RGBA" : "RGB");
    plan.sample = deep && !plan.palette ? 2 : 1;
    plan.exportBytes = image.columns() * std::strlen(plan.map) * plan.sample;
    plan.stored = plan.palette ? image.columns() : plan.exportBytes;
    plan.interlaced = image.interlaceType() != Magick::NoInterlace;
    // The coder's reading of the quality: zlib level in the tens, Huffman
    // coding only below 10.
    plan.quality = plan.source->quality ? plan.source->quality : 75;
    for (quint32 c : plan.layout.palette) {
        plan.index.emplace(c, png_byte(plan.colours.size()));
        plan.colours.push_back({png_byte(c >> 24), png_byte(c >> 16), png_byte(c >> 8)});
        plan.opacity.push_back(png_byte(c));
    }
    // Profiles: Exif as eXIf, any other but ICC as the coder's raw text.
    MagickCore::ResetImageProfileIterator(plan.source);
    while (const char* name = MagickCore::GetNextImageProfile(plan.source)) {
        const MagickCore::StringInfo* profile = MagickCore::GetImageProfile(plan.source, name);
        if (!profile || MagickCore::GetStringInfoLength(profile) == 0 || std::strcmp(name, "icc") == 0)
            continue;
        if (std::strcmp(name, "exif") == 0) {
            if (TiffExif(profile))
                plan.exif = profile;
            else
                plan.leftOut.append(QStringLiteral("the Exif block (no TIFF header)"));
            continue;
        }
        plan.keep.push_back(kRawProfile + QByteArray(name));
        plan.keep.push_back(RawProfileText(profile, name));
    }
    plan.utf8.assign(plan.keep.size() / 2, false); // the raw profiles: hex digits
    // Properties as text, as the coder writes them: not its own "png:" and
    // "jpeg:" entries; longer ones compressed. The keys are copied first: a
    // lookup may replace the key it was given. Keys the library would
    // evaluate ("fx:") are the file's expressions, never asked for.
    std::vector<QByteArray> keys;
    MagickCore::ResetImagePropertyIterator(plan.source);
    while (const char* name = MagickCore::GetNextImageProperty(plan.source))
        keys.emplace_back(name);
    for (QByteArray& key : keys) {
        if (key.isEmpty() || key.size() > 79 || key.startsWith("png:") || key.startsWith("jpeg:") ||
            key.toLower().startsWith("fx:"))
            continue;
        const char* value = MagickCore::GetImageProperty(plan.source, key.constData());
        if (!value)
            continue;
        if (!PrintableKey(key)) {
            plan.leftOut.append(QStringLiteral("a text whose key has no printable character"));
            continue;
        }
        QByteArray text(value);
        ToLatin1(key);
        plan.utf8.push_back(!ToLatin1(text));
        plan.keep.push_back(key);
        plan.keep.push_back(text);
    }
    plan.texts.resize(plan.keep.size() / 2);
    for (size_t i = 0; i < plan.texts.size(); ++i) {
        png_text& text = plan.texts[i];
        text.key = plan.keep[2 * i].data();
        text.text = plan.keep[2 * i + 1].data();
        text.text_length = static_cast<size_t>(plan.keep[2 * i + 1].size());
        const bool raw = plan.keep[2 * i].startsWith(kRawProfile);
        const bool compress = raw || text.text_length >= 128;
        if (plan.utf8[i])
            text.compression = compress ? PNG_ITXT_COMPRESSION_zTXt : PNG_ITXT_COMPRESSION_NONE;
        else
            text.compression = compress ? PNG_TEXT_COMPRESSION_zTXt : PNG_TEXT_COMPRESSION_NONE;
    }
    // The colour data libpng would refuse, or fail on, stays out.
    plan.icc = MagickCore::GetImageProfile(plan.source, "icc");
    if (plan.icc && MagickCore::GetStringInfoLength(plan.icc) == 0)
        plan.icc = nullptr;
    if (plan.icc && !WholeIcc(plan.icc)) {
        plan.leftOut.append(QStringLiteral("the ICC profile (cut short or without tags)"));
        plan.icc = nullptr;
    }
    const double gamma = plan.source->gamma;
    plan.gamma = std::isfinite(gamma) && gamma >= 0.00016 && gamma <= 6250 ? gamma : 0;
    if (gamma != 0 && plan.gamma == 0 && !plan.icc)
        plan.leftOut.append(QStringLiteral("the gamma (%1)").arg(gamma));
    const MagickCore::ChromaticityInfo& c = plan.source->chromaticity;
    const double primaries[] = {c.white_point.x,   c.white_point.y,   c.red_primary.x,  c.red_primary.y,
                                c.green_primary.x, c.green_primary.y, c.blue_primary.x, c.blue_primary.y};
    plan.chromaticity = c.white_point.x != 0;
    if (plan.chromaticity && !std::all_of(std::begin(primaries), std::end(primaries),
                                          [](double v) { return std::isfinite(v) && v >= 0 && v <= 1; })) {
        plan.leftOut.append(QStringLiteral("the chromaticities (outside 0 to 1)"));
        plan.chromaticity = false;
    }
    plan.scratch.resize(plan.palette ? plan.exportBytes : 0);
}

void SetChunks(SPng& s, const SPlan& plan)
{
    const MagickCore::Image* source = plan.source;
    if (plan.palette) {
        png_set_PLTE(s.png, s.info, plan.colours.data(), static_cast<int>(plan.colours.size()));
        if (!plan.layout.opaque)
            png_set_tRNS(s.png, s.info, plan.opacity.data(), static_cast<int>(plan.opacity.size()), nullptr);
    }
    if (!plan.palette) {
        // The background colour, scaled to the samples, and the time of the write.
        const MagickCore::PixelPacket& c = source->background_color;
        const int shift = plan.sample == 2 ? 0 : 8;
        png_color_16 background{0, png_uint_16(c.red >> shift), png_uint_16(c.green >> shift),
                                png_uint_16(c.blue >> shift), png_uint_16(c.red >> shift)};
        png_set_bKGD(s.png, s.info, &background);
    }
    png_time now{};
    png_convert_from_time_t(&now, std::time(nullptr));
    png_set_tIME(s.png, s.info, &now);
    // libpng's writer refuses a profile its reader only warns about; either
    // way the profile is left out, and libpng's words say why.
    if (plan.icc) {
        const int before = s.warnings.size();
        png_set_iCCP(s.png, s.info, "icc", PNG_COMPRESSION_TYPE_BASE, MagickCore::GetStringInfoDatum(plan.icc),
                     static_cast<png_uint_32>(MagickCore::GetStringInfoLength(plan.icc)));
        if (s.warnings.size() > before) {
            png_set_invalid(s.png, s.info, PNG_INFO_iCCP);
            const QStringList why = s.warnings.mid(before);
            s.warnings = s.warnings.mid(0, before) << QStringLiteral("the ICC profile (%1)").arg(why.join(", "));
        }
    } else if (plan.gamma != 0) {
        png_set_gAMA(s.png, s.info, plan.gamma);
    }
    const MagickCore::ChromaticityInfo& c = source->chromaticity;
    if (plan.chromaticity)
        png_set_cHRM(s.png, s.info, c.white_point.x, c.white_point.y, c.red_primary.x, c.red_primary.y,
                     c.green_primary.x, c.green_primary.y, c.blue_primary.x, c.blue_primary.y);
    if (source->x_resolution > 0 && source->y_resolution > 0) {
        const bool inch = source->units == MagickCore::PixelsPerInchResolution;
        const bool metric = inch || source->units == MagickCore::PixelsPerCentimeterResolution;
        const double scale = inch ? 100.0 / 2.54 : metric ? 100.0 : 1.0;
        // pHYs holds at most 2^31 - 1 pixels a unit.
        const auto pixels = [scale](double resolution) {
            return static_cast<png_uint_32>(std::min(resolution * scale + 0.5, double(PNG_UINT_31_MAX)));
        };
        png_set_pHYs(s.png, s.info, pixels(source->x_resolution), pixels(source->y_resolution),
                     metric ? PNG_RESOLUTION_METER : PNG_RESOLUTION_UNKNOWN);
    }
    if (plan.exif) {
        unsigned char* data = MagickCore::GetStringInfoDatum(plan.exif);
        const size_t length = MagickCore::GetStringInfoLength(plan.exif);
        const size_t skip = length > 6 && std::memcmp(data, kExifHeader, 6) == 0 ? 6 : 0;
        png_set_eXIf_1(s.png, s.info, static_cast<png_uint_32>(length - skip), data + skip);
    }
    if (!plan.texts.empty())
        png_set_text(s.png, s.info, plan.texts.data(), static_cast<int>(plan.texts.size()));
}

// One row from the pixel cache into `row`, as palette indices when there is
// a palette.
void PlanRow(SPlan& plan, size_t y, unsigned char* row)
{
    const size_t width = plan.source->columns;
    const size_t channels = std::strlen(plan.map);
    unsigned char* into = plan.palette ? plan.scratch.data() : row;
    ExportRow(plan.source, y, plan.map, plan.sample == 2, into, plan.wide);
    for (size_t x = 0; plan.palette && x < width; ++x) {
        const unsigned char* p = into + channels * x;
        const unsigned char alpha = channels == 4 ? p[3] : 255;
        row[x] = plan.index.at(quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | alpha);
    }
}

bool Encode(SPng& s, SPlan& plan, const std::string& path)
{
    const size_t width = plan.source->columns;
    const size_t height = plan.source->rows;
    s.pixels.resize(std::max(plan.exportBytes, plan.stored));
    if (!Open(s, path, true))
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    // Metadata libpng will not write is left out with a warning, as its
    // reader does, rather than failing the photo.
    png_set_benign_errors(s.png, 1);
    png_set_IHDR(s.png, s.info, static_cast<png_uint_32>(plan.source->columns), static_cast<png_uint_32>(height),
                 static_cast<int>(plan.sample * 8), plan.type,
                 plan.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    // zlib's largest state and 32 KiB IDAT chunks, as the coder asks for.
    png_set_compression_mem_level(s.png, 9);
    png_set_compression_buffer_size(s.png, 32768);
    if (plan.quality <= 9)
        png_set_compression_strategy(s.png, Z_HUFFMAN_ONLY);
    else
        png_set_compression_level(s.png, static_cast<int>(std::min<size_t>(plan.quality / 10, 9)));
    // No filters for grey and palettes, as the coder does.
    png_set_filter(s.png, PNG_FILTER_TYPE_BASE,
                   plan.palette || plan.layout.grey || plan.quality < 50 ? PNG_NO_FILTERS : PNG_ALL_FILTERS);
    SetChunks(s, plan);
    s.chunksSet = true;
    png_write_info(s.png, s.info);
    if (plan.sample == 2)
        png_set_swap(s.png);
    // An interlaced file takes every row once a pass, and libpng picks the
    // pass's pixels from it: no whole-image buffer beside the pixel cache.
    const int passes = plan.interlaced ? png_set_interlace_handling(s.png) : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t y = 0; y < height; ++y) {
            if (passes == 1 || (PNG_PASS_COLS(width, pass) > 0 && PNG_ROW_IN_INTERLACE_PASS(y, pass)))
                PlanRow(plan, y, s.pixels.data());
            png_write_row(s.png, s.pixels.data());
        }
    }
    // Without the info: libpng would write the eXIf chunk a second time.
    png_write_end(s.png, nullptr);
    const int closed = std::fclose(s.file);
    s.file = nullptr;
    if (closed != 0) {
        s.error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace

bool CPngCoder::IsPng(const QString& path)
{
    QFile file(path);
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    return file.open(QIODevice::ReadOnly) && file.read(8) == signature;
}

CMagickReader::SResult CPngCoder::Read(const QString& path, bool ping, SProgressData* progress)
{
    CMagickReader::SResult result;
    SPng state;
    if (!Decode(state, QFile::encodeName(path).toStdString(), ping, progress)) {
        result.clean = false;
        result.error = state.error.isEmpty() ? QStringLiteral("no image in the file") : state.error;
        return result;
    }
    result.clean = state.warning.isEmpty();
    result.frames.append(Magick::Image(state.image));
    state.image = nullptr;
    return result;
}

bool CPngCoder::Write(Magick::Image& image, const QString& path, QString& reason, QString* warning)
{
    // The Exif profile says what the image says, as the library's writes do.
    image.modifyImage();
    MagickCore::SyncImageProfiles(image.image());
    // PNG holds RGB or grey samples; the coder converts anything else.
    const Magick::ColorspaceType space = image.colorSpace();
    if (space != Magick::sRGBColorspace && space != Magick::RGBColorspace && space != Magick::GRAYColorspace)
        image.colorSpace(Magick::sRGBColorspace);
    SPlan plan;
    Plan(plan, image);
    SPng state;
    errno = 0;
    if (!Encode(state, plan, QFile::encodeName(path).toStdString())) {
        reason = state.error;
        return false;
    }
    if (warning)
        *warning = (plan.leftOut + state.warnings).join(QStringLiteral("; "));
    return true;
}
