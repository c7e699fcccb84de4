#include "PngCoder.h"

#include "ImageManager.h"

#include <QFile>

#include <png.h>
#include <zlib.h>

#include <algorithm>
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
    std::vector<unsigned char> pixels;
    std::vector<png_bytep> rows;
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
    static_cast<SPng*>(png_get_error_ptr(png))->error = QString::fromUtf8(message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp png, png_const_charp message)
{
    SPng* state = static_cast<SPng*>(png_get_error_ptr(png));
    if (state->warning.isEmpty())
        state->warning = QString::fromUtf8(message);
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
                  : png_create_read_struct(PNG_LIBPNG_VER_STRING, &s, OnError, OnWarning);
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
        else
            image->units = static_cast<MagickCore::ResolutionType>(std::atol(value) - 1);
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

// Decodes into `s.image`; false with `s.error`. Rows go straight into the
// pixel cache unless the file is interlaced.
bool Decode(SPng& s, const std::string& path, bool ping, SProgressData* progress)
{
    if (!Open(s, path, false))
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    png_set_user_limits(s.png, Limit(MagickCore::WidthResource), Limit(MagickCore::HeightResource));
    png_read_info(s.png, s.info);
    const png_uint_32 width = png_get_image_width(s.png, s.info);
    const png_uint_32 height = png_get_image_height(s.png, s.info);
    const int depth = png_get_bit_depth(s.png, s.info);
    const int type = png_get_color_type(s.png, s.info);
    const bool alpha = (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(s.png, s.info, PNG_INFO_tRNS);
    const bool grey = !(type & PNG_COLOR_MASK_COLOR);

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

    png_set_expand(s.png);
    if (depth == 16)
        png_set_swap(s.png);
    const int passes = png_set_interlace_handling(s.png);
    png_read_update_info(s.png, s.info);
    const size_t rowBytes = png_get_rowbytes(s.png, s.info);
    const char* map = grey ? (alpha ? "IA" : "I") : (alpha ? "RGBA" : "RGB");
    const MagickCore::StorageType storage = depth == 16 ? MagickCore::ShortPixel : MagickCore::CharPixel;
    const bool whole = passes > 1;
    s.pixels.resize(rowBytes * (whole ? height : 1));
    if (whole) {
        s.rows.resize(height);
        for (png_uint_32 y = 0; y < height; ++y)
            s.rows[y] = s.pixels.data() + rowBytes * y;
        png_read_image(s.png, s.rows.data());
    }
    for (png_uint_32 y = 0; y < height; ++y) {
        unsigned char* row = s.pixels.data() + (whole ? rowBytes * y : 0);
        if (!whole)
            png_read_row(s.png, row, nullptr);
        if (MagickCore::ImportImagePixels(s.image, 0, y, width, 1, map, storage, row) == MagickCore::MagickFalse) {
            s.error = QStringLiteral("cannot store the pixels");
            return false;
        }
        if (progress && !MagickProgressMonitor("Load/Image", y, height, progress)) {
            s.error = QStringLiteral("cancelled");
            return false;
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
    const bool matte = image.matte();
    for (size_t y = 0; y < image.rows() && (layout.grey || layout.opaque || counting); ++y) {
        ExportRow(image.constImage(), y, "RGBA", false, row.data(), wide);
        for (size_t x = 0; x < width; ++x) {
            const unsigned char* p = row.data() + 4 * x;
            layout.grey = layout.grey && p[0] == p[1] && p[1] == p[2];
            layout.opaque = layout.opaque && (!matte || p[3] == 255);
            if (counting) {
                colours.insert(quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]);
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
    std::vector<QByteArray> keep; // key, text, key, text...
    std::vector<png_text> texts;
    std::vector<unsigned char> scratch;
    std::vector<quint16> wide;
};

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
    plan.map = plan.palette ? "RGBA" : grey ? (alpha ? "IA" : "I") : (alpha ? "RGBA" : "RGB");
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
            plan.exif = profile;
            continue;
        }
        plan.keep.push_back(kRawProfile + QByteArray(name));
        plan.keep.push_back(RawProfileText(profile, name));
    }
    // Properties as text, as the coder writes them: not its own "png:" and
    // "jpeg:" entries; longer ones compressed.
    MagickCore::ResetImagePropertyIterator(plan.source);
    while (const char* name = MagickCore::GetNextImageProperty(plan.source)) {
        const char* value = MagickCore::GetImageProperty(plan.source, name);
        const size_t key = std::strlen(name);
        if (!value || key == 0 || key > 79 || std::strncmp(name, "png:", 4) == 0 || std::strncmp(name, "jpeg:", 5) == 0)
            continue;
        plan.keep.push_back(name);
        plan.keep.push_back(value);
    }
    plan.texts.resize(plan.keep.size() / 2);
    for (size_t i = 0; i < plan.texts.size(); ++i) {
        png_text& text = plan.texts[i];
        text.key = plan.keep[2 * i].data();
        text.text = plan.keep[2 * i + 1].data();
        text.text_length = static_cast<size_t>(plan.keep[2 * i + 1].size());
        const bool raw = plan.keep[2 * i].startsWith(kRawProfile);
        text.compression = raw || text.text_length >= 128 ? PNG_TEXT_COMPRESSION_zTXt : PNG_TEXT_COMPRESSION_NONE;
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
    const MagickCore::StringInfo* icc = MagickCore::GetImageProfile(source, "icc");
    if (icc && MagickCore::GetStringInfoLength(icc) > 0) {
        png_set_iCCP(s.png, s.info, "icc", PNG_COMPRESSION_TYPE_BASE, MagickCore::GetStringInfoDatum(icc),
                     static_cast<png_uint_32>(MagickCore::GetStringInfoLength(icc)));
    } else if (source->gamma != 0) {
        png_set_gAMA(s.png, s.info, source->gamma);
    }
    const MagickCore::ChromaticityInfo& c = source->chromaticity;
    if (c.white_point.x != 0)
        png_set_cHRM(s.png, s.info, c.white_point.x, c.white_point.y, c.red_primary.x, c.red_primary.y,
                     c.green_primary.x, c.green_primary.y, c.blue_primary.x, c.blue_primary.y);
    if (source->x_resolution > 0 && source->y_resolution > 0) {
        const bool inch = source->units == MagickCore::PixelsPerInchResolution;
        const bool metric = inch || source->units == MagickCore::PixelsPerCentimeterResolution;
        const double scale = inch ? 100.0 / 2.54 : metric ? 100.0 : 1.0;
        png_set_pHYs(s.png, s.info, static_cast<png_uint_32>(source->x_resolution * scale + 0.5),
                     static_cast<png_uint_32>(source->y_resolution * scale + 0.5),
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
    unsigned char* into = plan.palette ? plan.scratch.data() : row;
    ExportRow(plan.source, y, plan.map, plan.sample == 2, into, plan.wide);
    for (size_t x = 0; plan.palette && x < width; ++x) {
        const unsigned char* p = into + 4 * x;
        row[x] = plan.index.at(quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]);
    }
}

bool Encode(SPng& s, SPlan& plan, const std::string& path)
{
    const size_t height = plan.source->rows;
    s.pixels.resize(plan.interlaced ? plan.stored * height : std::max(plan.exportBytes, plan.stored));
    s.rows.resize(plan.interlaced ? height : 0);
    for (size_t y = 0; y < s.rows.size(); ++y)
        s.rows[y] = s.pixels.data() + plan.stored * y;
    if (!Open(s, path, true))
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return false;
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
    png_write_info(s.png, s.info);
    if (plan.sample == 2)
        png_set_swap(s.png);
    for (size_t y = 0; y < height; ++y) {
        unsigned char* row = s.pixels.data() + (plan.interlaced ? plan.stored * y : 0);
        PlanRow(plan, y, row);
        if (!plan.interlaced)
            png_write_row(s.png, row);
    }
    if (plan.interlaced)
        png_write_image(s.png, s.rows.data());
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

bool CPngCoder::Write(Magick::Image& image, const QString& path, QString& reason)
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
    if (Encode(state, plan, QFile::encodeName(path).toStdString()))
        return true;
    reason = state.error;
    return false;
}
