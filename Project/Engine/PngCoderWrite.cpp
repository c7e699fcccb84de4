#include "PngCoder.h"

#include "ICCProfiles.h"
#include "PngFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// The writer: what a photo allows (palette, grey, alpha), the chunks its
// metadata gives, and its rows. The reader is in PngCoder.cpp.

namespace
{

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
    int textLevel = Z_DEFAULT_COMPRESSION; // zlib's level for the profile and zTXt
    double gamma = 0;
    bool chromaticity = false;
    std::vector<QByteArray> keep; // key, text, key, text...
    std::vector<bool> utf8;       // per text: iTXt
    std::vector<png_text> texts;
    QStringList leftOut; // metadata the file cannot hold
    std::vector<unsigned char> scratch;
    std::vector<quint16> wide;
};

// An Exif block that begins with its TIFF header, after an optional "Exif"
// prefix; readers reject an eXIf chunk that does not.
bool TiffExif(const MagickCore::StringInfo* profile)
{
    const unsigned char* data = MagickCore::GetStringInfoDatum(profile);
    size_t length = MagickCore::GetStringInfoLength(profile);
    if (length > 6 && std::memcmp(data, SPngFile::kExifHeader, 6) == 0) {
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
        plan.keep.push_back(SPngFile::kRawProfile + QByteArray(name));
        plan.keep.push_back(RawProfileText(profile, name));
    }
    plan.utf8.assign(plan.keep.size() / 2, false); // the raw profiles: hex digits
    // Properties as text, as the coder writes them: not the entries of its
    // coders ("png:", "jpeg:", "tiff:"...), which a reader would take for
    // settings; longer ones compressed. The keys are copied first: a lookup
    // may replace the key it was given. Keys the library would evaluate
    // ("fx:", in any case) are the file's expressions, never written.
    std::vector<QByteArray> keys;
    MagickCore::ResetImagePropertyIterator(plan.source);
    while (const char* name = MagickCore::GetNextImageProperty(plan.source))
        keys.emplace_back(name);
    // Text the reader took from tEXt and zTXt is written back as the same
    // bytes, unless it has changed since.
    int dropped = 0;
    for (const QByteArray& name : keys) {
        if (name.isEmpty() || name.size() > 79)
            continue;
        const QByteArray key = SPngFile::WrittenKey(name);
        if (key.toLower().startsWith("fx:") || SPngFile::CoderKey(key))
            continue;
        const char* value = MagickCore::GetImageProperty(plan.source, name.constData());
        if (!value)
            continue;
        const char* mark = MagickCore::GetImageArtifact(plan.source, SPngFile::Latin1Mark(name).constData());
        const bool asRead = mark && SPngFile::Latin1Hash(value) == mark;
        QByteArray text(value);
        const bool utf8 = !asRead && !SPngFile::ToLatin1(text);
        if (key.isEmpty()) {
            plan.leftOut.append(QStringLiteral("a text whose key has no printable character"));
            continue;
        }
        // More would make libpng's reader warn and drop the rest.
        if (plan.keep.size() / 2 >= size_t(SPngFile::kTextLimit)) {
            ++dropped;
            continue;
        }
        plan.utf8.push_back(utf8);
        plan.keep.push_back(key);
        plan.keep.push_back(text);
    }
    if (dropped > 0)
        plan.leftOut.append(
            QStringLiteral("%1 texts (more than %2 in one file)").arg(dropped).arg(SPngFile::kTextLimit));
    for (size_t i = 0; i < plan.keep.size() / 2; ++i) {
        // libpng's reader takes no text whose chunk, or inflated data, is
        // over its limit with the key: such a text would be lost, and the
        // read that loses it blamed on the ICC profile.
        if (size_t(plan.keep[2 * i].size() + plan.keep[2 * i + 1].size()) + 6 > SPngFile::kChunkLimit) {
            plan.leftOut.append(QStringLiteral("the text \"%1\" (more than %2 MiB)")
                                    .arg(QString::fromLatin1(plan.keep[2 * i]))
                                    .arg(SPngFile::kChunkLimit >> 20));
            continue;
        }
        plan.texts.emplace_back();
        png_text& text = plan.texts.back();
        text.key = plan.keep[2 * i].data();
        text.text = plan.keep[2 * i + 1].data();
        text.text_length = static_cast<size_t>(plan.keep[2 * i + 1].size());
        const bool raw = plan.keep[2 * i].startsWith(SPngFile::kRawProfile);
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
    if (plan.icc && !CICCProfiles::IsWhole(MagickCore::GetStringInfoDatum(plan.icc),
                                           MagickCore::GetStringInfoLength(plan.icc))) {
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

// libpng's warnings since the first `before` as one line: `what` is left
// out, and libpng's words say why.
void LeftOut(SPngFile& s, int before, const QString& what)
{
    const QStringList why = s.warnings.mid(before);
    s.warnings = s.warnings.mid(0, before) << QStringLiteral("%1 (%2)").arg(what, why.join(", "));
}

void SetChunks(SPngFile& s, const SPlan& plan)
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
            LeftOut(s, before, QStringLiteral("the ICC profile"));
        }
    } else if (plan.gamma != 0) {
        png_set_gAMA(s.png, s.info, plan.gamma);
    }
    // Primaries libpng cannot invert (the zeros of many BMP headers) make
    // it mark the colour space invalid and drop the ICC profile with them:
    // they are tried on an info of their own first, and only they stay out.
    const MagickCore::ChromaticityInfo& c = source->chromaticity;
    const auto setChromaticity = [&s, &c](png_infop info) {
        png_set_cHRM(s.png, info, c.white_point.x, c.white_point.y, c.red_primary.x, c.red_primary.y, c.green_primary.x,
                     c.green_primary.y, c.blue_primary.x, c.blue_primary.y);
    };
    if (plan.chromaticity) {
        png_infop probe = png_create_info_struct(s.png);
        const int before = s.warnings.size();
        setChromaticity(probe);
        png_destroy_info_struct(s.png, &probe);
        if (s.warnings.size() == before)
            setChromaticity(s.info);
        else
            LeftOut(s, before, QStringLiteral("the chromaticities"));
    }
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
        const size_t skip = length > 6 && std::memcmp(data, SPngFile::kExifHeader, 6) == 0 ? 6 : 0;
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

bool Encode(SPngFile& s, SPlan& plan, const std::string& path)
{
    const size_t width = plan.source->columns;
    const size_t height = plan.source->rows;
    s.pixels.resize(std::max(plan.exportBytes, plan.stored));
    if (!s.Open(path, true))
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
    png_set_text_compression_level(s.png, plan.textLevel);
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
    // libpng's reader stops inflating a profile at the profile's end and
    // warns when the chunk has bytes left, as a few of the streams libpng's
    // writer makes do. Other zlib levels make other streams; failing them,
    // the profile stays out.
    static const int kLevels[] = {Z_BEST_COMPRESSION, Z_BEST_SPEED};
    QStringList warnings;
    for (int retry = 0;; ++retry) {
        SPngFile state;
        errno = 0;
        if (!Encode(state, plan, QFile::encodeName(path).toStdString())) {
            reason = state.error;
            return false;
        }
        warnings = state.warnings;
        if (!plan.icc || Read(path, true, nullptr).clean)
            break;
        if (retry < 2) {
            plan.textLevel = kLevels[retry];
        } else {
            plan.icc = nullptr;
            plan.leftOut.append(QStringLiteral("the ICC profile (libpng reads it back with a warning)"));
        }
    }
    if (warning)
        *warning = (plan.leftOut + warnings).join(QStringLiteral("; "));
    return true;
}
