// The Exif half of CJpegSections: the TIFF structure inside an APP1 section.
// Offsets count from the TIFF header; m_Tiff/m_TiffLength bound every read.
#include "JpegSections.h"

#include <QByteArray>

#include <algorithm>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>

namespace {
enum Format {
    FMT_BYTE = 1,
    FMT_STRING = 2,
    FMT_USHORT = 3,
    FMT_ULONG = 4,
    FMT_URATIONAL = 5,
    FMT_SBYTE = 6,
    FMT_UNDEFINED = 7,
    FMT_SSHORT = 8,
    FMT_SLONG = 9,
    FMT_SRATIONAL = 10,
    FMT_SINGLE = 11,
    FMT_DOUBLE = 12
};
constexpr int NUM_FORMATS = 12;
constexpr int BytesPerFormat[NUM_FORMATS + 1] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

enum Tag {
    TAG_THUMBNAIL_OFFSET = 0x0201,
    TAG_THUMBNAIL_LENGTH = 0x0202,
    TAG_MAKE = 0x010F,
    TAG_MODEL = 0x0110,
    TAG_ORIENTATION = 0x0112,
    TAG_X_RESOLUTION = 0x011A,
    TAG_Y_RESOLUTION = 0x011B,
    TAG_RESOLUTION_UNIT = 0x0128,
    TAG_DATETIME = 0x0132,
    TAG_EXPOSURETIME = 0x829A,
    TAG_FNUMBER = 0x829D,
    TAG_EXIF_OFFSET = 0x8769,
    TAG_EXPOSURE_PROGRAM = 0x8822,
    TAG_GPSINFO = 0x8825,
    TAG_ISO_EQUIVALENT = 0x8827,
    TAG_DATETIME_ORIGINAL = 0x9003,
    TAG_DATETIME_DIGITIZED = 0x9004,
    TAG_SHUTTERSPEED = 0x9201,
    TAG_APERTURE = 0x9202,
    TAG_EXPOSURE_BIAS = 0x9204,
    TAG_MAXAPERTURE = 0x9205,
    TAG_SUBJECT_DISTANCE = 0x9206,
    TAG_METERING_MODE = 0x9207,
    TAG_LIGHT_SOURCE = 0x9208,
    TAG_FLASH = 0x9209,
    TAG_FOCALLENGTH = 0x920A,
    TAG_MAKER_NOTE = 0x927C,
    TAG_USERCOMMENT = 0x9286,
    TAG_XP_COMMENT = 0x9C9C,
    TAG_EXIF_IMAGEWIDTH = 0xA002,
    TAG_EXIF_IMAGELENGTH = 0xA003,
    TAG_INTEROP_OFFSET = 0xA005,
    TAG_FOCALPLANEXRES = 0xA20E,
    TAG_FOCALPLANEUNITS = 0xA210,
    TAG_EXPOSURE_INDEX = 0xA215,
    TAG_EXPOSURE_MODE = 0xA402,
    TAG_WHITEBALANCE = 0xA403,
    TAG_DIGITALZOOMRATIO = 0xA404,
    TAG_FOCALLENGTH_35MM = 0xA405,
    TAG_DISTANCE_RANGE = 0xA40C
};

enum GpsTag {
    TAG_GPS_LAT_REF = 1,
    TAG_GPS_LAT = 2,
    TAG_GPS_LONG_REF = 3,
    TAG_GPS_LONG = 4,
    TAG_GPS_ALT_REF = 5,
    TAG_GPS_ALT = 6
};

constexpr uint32_t kMaxComponents = 65536;
constexpr int kMaxNesting = 5;
// Directories and entries of one file, however many Exif sections it holds:
// a camera writes about six directories of a few hundred entries in all.
constexpr int kMaxDirectories = 64;
constexpr int kMaxEntries = 8192;
constexpr uint32_t kMaxUint32 = 0xFFFFFFFFu;

const char* const kNestingMessage = "Maximum Exif directory nesting exceeded (corrupt Exif header)";

// Conversions of values that a file may set to anything, without the
// undefined behaviour of out-of-range casts.
int ToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

float ToFloat(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<float>(std::max<double>(-FLT_MAX, std::min<double>(FLT_MAX, v)));
}

uint32_t ToUint32(double v)
{
    if (std::isnan(v) || v <= 0)
        return 0;
    if (v >= static_cast<double>(kMaxUint32))
        return kMaxUint32;
    return static_cast<uint32_t>(v);
}

char PrintableRef(unsigned char c)
{
    return (c > 32 && c < 127) ? static_cast<char>(c) : '?';
}

void CopyTruncated(char* target, size_t capacity, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    const size_t n = std::min(capacity - 1, static_cast<size_t>(bytes.size()));
    std::memcpy(target, bytes.constData(), n);
    target[n] = '\0';
}
} // namespace

int CJpegSections::Get16u(uint64_t offset) const
{
    if (offset + 2 > m_TiffLength)
        return 0;
    const unsigned char* p = m_Tiff + offset;
    return m_MotorolaOrder ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0];
}

uint32_t CJpegSections::Get32u(uint64_t offset) const
{
    if (offset + 4 > m_TiffLength)
        return 0;
    const unsigned char* p = m_Tiff + offset;
    if (m_MotorolaOrder)
        return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
    return (uint32_t(p[3]) << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

int32_t CJpegSections::Get32s(uint64_t offset) const
{
    return static_cast<int32_t>(Get32u(offset));
}

double CJpegSections::ConvertAnyFormat(const ValueSpan& value, int format)
{
    if (format < 1 || format > NUM_FORMATS) {
        ErrNonfatal("Illegal format code %d in Exif header", format);
        return 0;
    }
    // An entry with no components has nothing to convert.
    if (value.length < static_cast<uint64_t>(BytesPerFormat[format]))
        return 0;
    const uint64_t at = value.offset;
    switch (format) {
    case FMT_SBYTE:
        return static_cast<signed char>(m_Tiff[at]);
    case FMT_BYTE:
    case FMT_STRING:
    case FMT_UNDEFINED:
        return m_Tiff[at];
    case FMT_USHORT:
        return Get16u(at);
    case FMT_SSHORT:
        return static_cast<int16_t>(Get16u(at));
    case FMT_ULONG:
        return Get32u(at);
    case FMT_SLONG:
        return Get32s(at);
    case FMT_URATIONAL: {
        const uint32_t den = Get32u(at + 4);
        return den == 0 ? 0.0 : static_cast<double>(Get32u(at)) / den;
    }
    case FMT_SRATIONAL: {
        const int32_t den = Get32s(at + 4);
        return den == 0 ? 0.0 : static_cast<double>(Get32s(at)) / den;
    }
    case FMT_SINGLE: {
        const uint32_t bits = Get32u(at);
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    case FMT_DOUBLE: {
        const uint64_t first = Get32u(at);
        const uint64_t second = Get32u(at + 4);
        const uint64_t bits = m_MotorolaOrder ? (first << 32) | second : (second << 32) | first;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    default:
        return 0;
    }
}

void CJpegSections::process_EXIF(const unsigned char* buffer, unsigned length)
{
    m_NumOrientations = 0;
    m_FocalplaneXRes = 0;
    m_FocalplaneUnits = 0;
    m_ExifImageWidth = 0;

    if (length < 8 || std::memcmp(buffer + 2, "Exif\0\0", 6) != 0) {
        ErrNonfatal("Incorrect Exif header");
        return;
    }
    m_Tiff = buffer + 8;
    m_TiffLength = length - 8;

    if (m_TiffLength >= 2 && std::memcmp(m_Tiff, "II", 2) == 0) {
        m_MotorolaOrder = 0;
    } else if (m_TiffLength >= 2 && std::memcmp(m_Tiff, "MM", 2) == 0) {
        m_MotorolaOrder = 1;
    } else {
        ErrNonfatal("Invalid Exif alignment marker.");
        m_TiffLength = 0;
        return;
    }
    if (m_TiffLength < 4 || Get16u(2) != 0x2A) {
        ErrNonfatal("Invalid Exif start (1)");
        m_TiffLength = 0;
        return;
    }

    const int64_t first = m_TiffLength >= 8 ? Get32u(4) : -1;
    if (first < 8 || first > 16) {
        if (first < 16 || first > static_cast<int64_t>(length) - 16) {
            ErrNonfatal("invalid offset for first Exif IFD value");
            m_TiffLength = 0;
            return;
        }
        ErrNonfatal("Suspicious offset of first Exif IFD value");
    }

    ProcessExifDir(static_cast<uint64_t>(first), 0);

    m_ImageInfo.ThumbnailAtEnd = m_ImageInfo.ThumbnailOffset >= m_ImageInfo.LargestExifOffset;
    if (m_FocalplaneXRes != 0) {
        m_ImageInfo.CCDWidth = ToFloat(m_ExifImageWidth * m_FocalplaneUnits / m_FocalplaneXRes);
        if (m_ImageInfo.FocalLength != 0 && m_ImageInfo.FocalLength35mmEquiv == 0
            && m_ImageInfo.CCDWidth != 0) {
            m_ImageInfo.FocalLength35mmEquiv = ToInt(
                static_cast<double>(m_ImageInfo.FocalLength) / m_ImageInfo.CCDWidth * 36 + 0.5);
        }
    }
    m_Tiff = nullptr;
    m_TiffLength = 0;
}

bool CJpegSections::FirstVisit(uint64_t dirStart)
{
    // A link back costs nothing but its message, so a hundred of them cannot
    // hide the directories after them.
    const std::pair<int, uint64_t> key(m_CurrentSection, dirStart);
    if (std::find(m_WalkedDirectories.begin(), m_WalkedDirectories.end(), key) != m_WalkedDirectories.end() ||
        ++m_DirectoriesWalked > kMaxDirectories) {
        ErrNonfatal("%s", kNestingMessage);
        return false;
    }
    m_WalkedDirectories.push_back(key);
    return true;
}

bool CJpegSections::EnterDirectory(uint64_t dirStart, int level, int& entries, bool& hasLink)
{
    if (level >= kMaxNesting) {
        ErrNonfatal("%s", kNestingMessage);
        return false;
    }
    if (!FirstVisit(dirStart))
        return false;
    entries = dirStart + 2 <= m_TiffLength ? Get16u(dirStart) : 0;
    const uint64_t dirEnd = dirStart + 2 + 12 * static_cast<uint64_t>(entries);
    hasLink = dirEnd + 4 <= m_TiffLength;
    // A directory ending exactly at the end of the data may lack its link.
    if (!hasLink && (dirEnd != m_TiffLength || dirStart + 2 > m_TiffLength)) {
        ErrNonfatal("Illegally sized Exif subdirectory (%d entries)", entries);
        return false;
    }
    return true;
}

bool CJpegSections::CheckEntry(uint64_t entry, int& tag, int& format, uint32_t& components,
                               ValueSpan& value, bool gps)
{
    if (++m_EntriesChecked > kMaxEntries) {
        if (m_EntriesChecked == kMaxEntries + 1)
            ErrNonfatal("More than %d Exif entries (corrupt Exif header)", kMaxEntries);
        return false;
    }
    tag = Get16u(entry);
    format = Get16u(entry + 2);
    components = Get32u(entry + 4);
    if (format < 1 || format > NUM_FORMATS) {
        ErrNonfatal(gps ? "Illegal number format %d for Exif gps tag %04x"
                        : "Illegal number format %d for tag %04x in Exif",
                    format, tag);
        return false;
    }
    if (!gps && components > kMaxComponents) {
        ErrNonfatal("Too many components %u for tag %04x in Exif", components, tag);
        return false;
    }
    const uint64_t byteCount = static_cast<uint64_t>(components) * BytesPerFormat[format];
    if (byteCount <= 4) {
        value = {entry + 8, byteCount};
        return true;
    }
    const uint64_t offset = Get32u(entry + 8);
    if (offset + byteCount > m_TiffLength) {
        ErrNonfatal(gps ? "Illegal value pointer for Exif gps tag %04x" : "Illegal value pointer for tag %04x in Exif",
                    tag);
        return false;
    }
    value = {offset, byteCount};
    // Bounded by the section length (under 64 KB).
    m_ImageInfo.LargestExifOffset =
        std::max(m_ImageInfo.LargestExifOffset, static_cast<unsigned>(offset + byteCount));
    return true;
}

void CJpegSections::ProcessExifDir(uint64_t dirStart, int level)
{
    int entries = 0;
    bool hasLink = false;
    if (!EnterDirectory(dirStart, level, entries, hasLink))
        return;

    uint64_t thumbnailOffset = 0;
    uint64_t thumbnailSize = 0;
    bool hasThumbnail = false;
    for (int de = 0; de < entries; ++de) {
        int tag = 0;
        int format = 0;
        uint32_t components = 0;
        ValueSpan value{};
        if (CheckEntry(dirStart + 2 + 12 * static_cast<uint64_t>(de), tag, format, components, value,
                       false))
            ProcessTag(tag, format, value, level, thumbnailOffset, thumbnailSize, hasThumbnail);
    }

    if (hasLink) {
        const uint64_t linkAt = dirStart + 2 + 12 * static_cast<uint64_t>(entries);
        const uint64_t link = Get32u(linkAt);
        if (link != 0) {
            if (link + 2 <= m_TiffLength)
                ProcessExifDir(link, level + 1);
            else if (link >= linkAt + 4 + 20)
                ErrNonfatal("Illegal subdirectory link in Exif header");
            // A link just past the directory is what some editors leave
            // behind after removing a thumbnail: nothing to report.
        }
    }

    if (hasThumbnail) {
        m_ImageInfo.ThumbnailAtEnd = false;
        if (thumbnailOffset < m_TiffLength) {
            thumbnailSize = std::min(thumbnailSize, m_TiffLength - thumbnailOffset);
            m_ImageInfo.ThumbnailOffset = static_cast<unsigned>(thumbnailOffset);
            m_ImageInfo.ThumbnailSize = static_cast<unsigned>(thumbnailSize);
            m_ThumbnailSection = m_CurrentSection;
        }
    }
}

void CJpegSections::ProcessTag(int tag, int format, const ValueSpan& value, int level,
                               uint64_t& thumbnailOffset, uint64_t& thumbnailSize, bool& hasThumbnail)
{
    ImageInfo_t& info = m_ImageInfo;
    switch (tag) {
    case TAG_MAKE:
        CopyText(info.CameraMake, sizeof info.CameraMake, value);
        break;
    case TAG_MODEL:
        CopyText(info.CameraModel, sizeof info.CameraModel, value);
        break;
    case TAG_DATETIME_ORIGINAL:
        CopyText(info.DateTime, sizeof info.DateTime, value);
        RememberDate(value);
        break;
    case TAG_DATETIME:
    case TAG_DATETIME_DIGITIZED:
        if (info.DateTime[0] == '\0')
            CopyText(info.DateTime, sizeof info.DateTime, value);
        RememberDate(value);
        break;
    case TAG_ORIENTATION: {
        if (m_NumOrientations >= 2) {
            ErrNonfatal("More than two orientation in Exif");
            break;
        }
        ++m_NumOrientations;
        int orientation = ToInt(ConvertAnyFormat(value, format));
        if (orientation < 0 || orientation > 8) {
            ErrNonfatal("Undefined rotation value %d in Exif", orientation);
            orientation = 0;
        }
        info.Orientation = orientation;
        break;
    }
    case TAG_X_RESOLUTION:
        if (level == 0)
            info.xResolution = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_Y_RESOLUTION:
        if (level == 0)
            info.yResolution = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_RESOLUTION_UNIT:
        if (level == 0)
            info.ResolutionUnit = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_THUMBNAIL_OFFSET:
        thumbnailOffset = ToUint32(ConvertAnyFormat(value, format));
        hasThumbnail = true;
        break;
    case TAG_THUMBNAIL_LENGTH:
        thumbnailSize = ToUint32(ConvertAnyFormat(value, format));
        info.ThumbnailSizeOffset = static_cast<unsigned>(value.offset);
        break;
    case TAG_EXPOSURETIME:
        info.ExposureTime = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_FNUMBER:
        info.ApertureFNumber = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_APERTURE:
    case TAG_MAXAPERTURE:
        // APEX aperture value; FNumber wins when both are present.
        if (info.ApertureFNumber == 0)
            info.ApertureFNumber = ToFloat(std::exp(ConvertAnyFormat(value, format) * std::log(2) * 0.5));
        break;
    case TAG_SHUTTERSPEED:
        if (info.ExposureTime == 0)
            info.ExposureTime = ToFloat(1 / std::exp(ConvertAnyFormat(value, format) * std::log(2)));
        break;
    case TAG_FOCALLENGTH:
        info.FocalLength = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_SUBJECT_DISTANCE:
        info.Distance = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_FLASH:
        info.FlashUsed = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_LIGHT_SOURCE:
        info.LightSource = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_METERING_MODE:
        info.MeteringMode = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_EXPOSURE_PROGRAM:
        info.ExposureProgram = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_EXPOSURE_BIAS:
        info.ExposureBias = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_ISO_EQUIVALENT:
        info.ISOequivalent = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_EXPOSURE_INDEX:
        if (info.ISOequivalent == 0)
            info.ISOequivalent = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_EXPOSURE_MODE:
        info.ExposureMode = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_WHITEBALANCE:
        info.Whitebalance = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_DIGITALZOOMRATIO:
        info.DigitalZoomRatio = ToFloat(ConvertAnyFormat(value, format));
        break;
    case TAG_FOCALLENGTH_35MM:
        info.FocalLength35mmEquiv = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_DISTANCE_RANGE:
        info.DistanceRange = ToInt(ConvertAnyFormat(value, format));
        break;
    case TAG_FOCALPLANEXRES:
        m_FocalplaneXRes = ConvertAnyFormat(value, format);
        break;
    case TAG_FOCALPLANEUNITS:
        switch (ToInt(ConvertAnyFormat(value, format))) {
        case 1:
        case 2:
            m_FocalplaneUnits = 25.4; // inch
            break;
        case 3:
            m_FocalplaneUnits = 10; // centimetre
            break;
        case 4:
            m_FocalplaneUnits = 1; // millimetre
            break;
        case 5:
            m_FocalplaneUnits = .001; // micrometre
            break;
        default:
            break;
        }
        break;
    case TAG_EXIF_IMAGEWIDTH:
    case TAG_EXIF_IMAGELENGTH:
        m_ExifImageWidth = std::max(m_ExifImageWidth, ToInt(ConvertAnyFormat(value, format)));
        break;
    case TAG_USERCOMMENT:
    case TAG_XP_COMMENT:
        if (info.Comments[0] == '\0' && info.CommentWidthchars == 0)
            CopyUserComment(value, tag == TAG_XP_COMMENT);
        break;
    case TAG_MAKER_NOTE:
        ProcessMakerNote(value.offset, level);
        break;
    case TAG_EXIF_OFFSET:
    case TAG_INTEROP_OFFSET: {
        const uint64_t subdir = Get32u(value.offset);
        if (subdir + 2 <= m_TiffLength)
            ProcessExifDir(subdir, level + 1);
        else
            ErrNonfatal("Illegal Exif or interop ofset directory link");
        break;
    }
    case TAG_GPSINFO: {
        const uint64_t subdir = Get32u(value.offset);
        if (subdir + 2 <= m_TiffLength)
            ProcessGpsInfo(subdir);
        else
            ErrNonfatal("Illegal GPS directory link in Exif");
        break;
    }
    default:
        break;
    }
}

void CJpegSections::CopyText(char* target, size_t capacity, const ValueSpan& value) const
{
    const size_t n = static_cast<size_t>(std::min<uint64_t>(value.length, capacity - 1));
    size_t a = 0;
    for (; a < n && m_Tiff[value.offset + a] != '\0'; ++a)
        target[a] = static_cast<char>(m_Tiff[value.offset + a]);
    target[a] = '\0';
}

void CJpegSections::CopyUserComment(const ValueSpan& value, bool xpComment)
{
    ImageInfo_t& info = m_ImageInfo;
    const unsigned char* p = m_Tiff + value.offset;
    uint64_t length = value.length;
    bool wide = xpComment;
    if (!xpComment) {
        // Eight bytes name the character code; "UNICODE" text is 16-bit.
        if (length < 8)
            return;
        wide = std::memcmp(p, "UNICODE", 7) == 0;
        p += 8;
        length -= 8;
    }
    if (wide) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(length, MAX_COMMENT_SIZE)) & ~size_t(1);
        std::memcpy(info.Comments, p, n);
        info.Comments[n] = '\0';
        info.CommentWidthchars = static_cast<int>(n / 2);
        return;
    }
    size_t n = 0;
    while (n < length && n < MAX_COMMENT_SIZE && p[n] != '\0') {
        info.Comments[n] = static_cast<char>(p[n]);
        ++n;
    }
    while (n > 0 && info.Comments[n - 1] == ' ')
        --n;
    info.Comments[n] = '\0';
}

void CJpegSections::RememberDate(const ValueSpan& value)
{
    if (m_ImageInfo.NumDateTimeTags >= MAX_DATE_COPIES) {
        ErrNonfatal("More than %d date fields in Exif.  This is nuts", MAX_DATE_COPIES);
        return;
    }
    m_ImageInfo.DateTimeOffsets[m_ImageInfo.NumDateTimeTags++] = static_cast<unsigned>(value.offset);
}

void CJpegSections::ProcessMakerNote(uint64_t valueOffset, int level)
{
    if (!std::strstr(m_ImageInfo.CameraMake, "Canon"))
        return;
    // Canon writes its note in Intel order whatever the rest of the file uses.
    const int savedOrder = m_MotorolaOrder;
    m_MotorolaOrder = 0;
    ProcessMakerNoteDir(valueOffset, level + 1);
    m_MotorolaOrder = savedOrder;
}

void CJpegSections::ProcessMakerNoteDir(uint64_t dirStart, int level)
{
    int entries = 0;
    bool hasLink = false;
    if (!EnterDirectory(dirStart, level, entries, hasLink))
        return;
    // Its entries are checked like any other; none of their values is used.
    for (int de = 0; de < entries; ++de) {
        int tag = 0;
        int format = 0;
        uint32_t components = 0;
        ValueSpan value{};
        CheckEntry(dirStart + 2 + 12 * static_cast<uint64_t>(de), tag, format, components, value, false);
    }
}

void CJpegSections::ProcessGpsInfo(uint64_t dirStart)
{
    if (!FirstVisit(dirStart))
        return;
    if (dirStart + 2 > m_TiffLength)
        return;
    ImageInfo_t& info = m_ImageInfo;
    info.GpsInfoPresent = true;
    double latitude[3] = {};
    double longitude[3] = {};
    bool haveLatitude = false;
    bool haveLongitude = false;
    char latRef = '?';
    char longRef = '?';
    bool haveAltitude = false;
    double altitude = 0;
    bool below = false;

    const int entries = Get16u(dirStart);
    for (int de = 0; de < entries; ++de) {
        const uint64_t entry = dirStart + 2 + 12 * static_cast<uint64_t>(de);
        if (entry + 12 > m_TiffLength)
            break;
        int tag = 0;
        int format = 0;
        uint32_t components = 0;
        ValueSpan value{};
        if (!CheckEntry(entry, tag, format, components, value, true))
            continue;
        switch (tag) {
        case TAG_GPS_LAT_REF:
        case TAG_GPS_LONG_REF:
            if (value.length >= 1)
                (tag == TAG_GPS_LAT_REF ? latRef : longRef) = PrintableRef(m_Tiff[value.offset]);
            break;
        case TAG_GPS_LAT:
        case TAG_GPS_LONG: {
            if (format != FMT_URATIONAL && format != FMT_SRATIONAL) {
                ErrNonfatal("Inappropriate format (%d) for Exif GPS coordinates!", format);
                break;
            }
            double* parts = tag == TAG_GPS_LAT ? latitude : longitude;
            for (uint64_t a = 0; a < 3; ++a)
                parts[a] = ConvertAnyFormat({value.offset + 8 * a, value.length - std::min(value.length, 8 * a)},
                                            format);
            (tag == TAG_GPS_LAT ? haveLatitude : haveLongitude) = true;
            break;
        }
        case TAG_GPS_ALT_REF:
            below = ToInt(ConvertAnyFormat(value, format)) == 1;
            break;
        case TAG_GPS_ALT:
            altitude = ConvertAnyFormat(value, format);
            haveAltitude = true;
            break;
        default:
            break;
        }
    }

    const auto coordinate = [](char ref, const double* parts) {
        return QString::asprintf("%c %gd %gm %.2fs", ref, parts[0], parts[1], parts[2]);
    };
    if (haveLatitude)
        CopyTruncated(info.GpsLat, sizeof info.GpsLat, coordinate(latRef, latitude));
    if (haveLongitude)
        CopyTruncated(info.GpsLong, sizeof info.GpsLong, coordinate(longRef, longitude));
    if (haveAltitude)
        CopyTruncated(info.GpsAlt, sizeof info.GpsAlt,
                      QString::asprintf("%.2fm", below ? -altitude : altitude));
}
