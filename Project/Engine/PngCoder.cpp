#include "PngCoder.h"

#include "ImageManager.h"
#include "PngFile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

#include <sys/stat.h>

// The reader. The writer is in PngCoderWrite.cpp, the file and libpng's
// state they share in PngFile.cpp.

namespace
{

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
    const QByteArray name = QByteArray(key + sizeof(SPngFile::kRawProfile) - 1).toLower();
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

// A text under its key as the file gives it. SetImageProperty would take
// some keys ("colorspace", "depth", "page", "density"...) for the image's
// settings and keep no text: the file's words must not change how its
// pixels are read. The library makes its table of properties with the
// first one it is given.
void SetText(MagickCore::Image* image, const char* key, const char* text)
{
    if (!image->properties)
        MagickCore::SetImageProperty(image, "date:modify", "");
    MagickCore::AddValueToSplayTree(static_cast<MagickCore::SplayTreeInfo*>(image->properties),
                                    MagickCore::ConstantString(key), MagickCore::ConstantString(text));
}

// The chunks the library's coder turns into image data: the ICC profile,
// the density, gamma and primaries, and text as properties; and the eXIf
// chunk, which the coder leaves, as the Exif profile.
void TakeMetadata(SPngFile& s)
{
    MagickCore::Image* image = s.image;
    png_charp name = nullptr;
    int compression = 0;
    png_bytep data = nullptr;
    png_uint_32 length = 0;
    // A profile libpng warned about may be cut short: it is not the file's.
    if (!s.profileWarned && png_get_iCCP(s.png, s.info, &name, &compression, &data, &length) && length > 0)
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
        // Text is only text: under a key that is, or is written as, one
        // whose value the library's coders take for a setting, it would
        // decide how other files are written. Left out without a word: the
        // library itself writes its coders' settings as texts ("tiff:alpha"
        // in every PNG it made from a TIFF), never a user's. The reader's
        // own orientation text is taken below.
        if (SPngFile::CoderKey(SPngFile::WrittenKey(texts[i].key)) && qstricmp(texts[i].key, "tiff:Orientation") != 0)
            continue;
        if (std::strncmp(texts[i].key, SPngFile::kRawProfile, sizeof(SPngFile::kRawProfile) - 1) == 0)
            SetRawProfile(image, texts[i].key, texts[i].text);
        else
            SetText(image, texts[i].key, texts[i].text);
        // tEXt and zTXt bytes are Latin-1, written back as they were read.
        if (texts[i].compression < PNG_ITXT_COMPRESSION_NONE)
            MagickCore::SetImageArtifact(image, SPngFile::Latin1Mark(texts[i].key).constData(),
                                         SPngFile::Latin1Hash(texts[i].text).constData());
    }
    // The eXIf chunk is the photo's Exif, as a JPEG's APP1 is, with the
    // header the library's profile keeps. Beside a "Raw profile type exif"
    // text it wins: it is PNG's own chunk, the one Exif editors update and
    // this program writes, and libpng has checked its byte order.
    png_uint_32 exifLength = 0;
    png_bytep exif = nullptr;
    if (png_get_eXIf_1(s.png, s.info, &exifLength, &exif) && exifLength > 0) {
        std::vector<unsigned char> block(std::begin(SPngFile::kExifHeader), std::end(SPngFile::kExifHeader));
        block.insert(block.end(), exif, exif + exifLength);
        SetProfile(image, "exif", block.data(), block.size());
    }
    // The profiles' fields as properties, as the library gives every image
    // it reads; texts keep their values. Orientation and resolution, from a
    // text or else from the Exif, then become the image's own.
    for (const char* fields : {"exif:*", "icc:*", "iptc:*", "xmp:*"})
        MagickCore::GetImageProperty(image, fields);
    const char* orientation = MagickCore::GetImageProperty(image, "exif:Orientation");
    if (!orientation)
        orientation = MagickCore::GetImageProperty(image, "tiff:Orientation");
    if (orientation) {
        bool valid = false;
        const int value = QByteArray(orientation).trimmed().toInt(&valid);
        image->orientation = CMagickReader::Orientation(valid ? value : 0);
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
        if (name[5] == 'X' || name[5] == 'Y') {
            // Not a number, or none above 0, leaves the photo's own density.
            if (std::isfinite(number) && number > 0)
                (name[5] == 'X' ? image->x_resolution : image->y_resolution) = number;
        } else if (const long unit = std::atol(value); unit >= 1 && unit <= 3) // Exif's none, inch, cm
            image->units = static_cast<MagickCore::ResolutionType>(unit - 1);
        MagickCore::DeleteImageProperty(image, name);
    }
    // The file's times, as the library gives every image it reads.
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
bool PutRow(SPngFile& s, const SRows& rows, png_uint_32 y, int pass, bool interlaced)
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
void TakePalette(SPngFile& s, SRows& rows)
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
bool Decode(SPngFile& s, const std::string& path, bool ping, SProgressData* progress)
{
    if (!s.Open(path, false))
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    png_set_user_limits(s.png, Limit(MagickCore::WidthResource), Limit(MagickCore::HeightResource));
    png_set_chunk_malloc_max(s.png, SPngFile::kChunkLimit);
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
    SPngFile state;
    if (!Decode(state, QFile::encodeName(path).toStdString(), ping, progress)) {
        result.clean = false;
        result.error = state.error.isEmpty() ? QStringLiteral("no image in the file") : state.error;
        return result;
    }
    // The library files its word on a profile it refused (an XMP text that
    // is no XML) on the image; read and judged, it would fail the write.
    result.clean = state.warning.isEmpty() && state.image->exception.severity == MagickCore::UndefinedException;
    MagickCore::ClearMagickException(&state.image->exception);
    result.frames.append(Magick::Image(state.image));
    state.image = nullptr;
    return result;
}
