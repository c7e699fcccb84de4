#pragma once
// Reader of the header sections of a JPEG file (everything before the
// compressed image data) and of the Exif data inside them. All state lives in
// the object, so readers on different threads never share anything.
//
// Every offset and length taken from the file is checked against the buffer
// it points into before it is used: a hostile file ends in a non-fatal message
// (the entry or directory is skipped) or a fatal one (the file is dropped),
// never in a read outside the data.

#include <QString>

#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

// What a read keeps. Only metadata is supported; reading stops at the start
// of the scan either way.
enum ReadMode_t {
    READ_METADATA = 1,
    READ_IMAGE = 2,
    READ_ALL = 3
};

// Section types: JPEG markers, plus the pseudo type of an XMP block.
enum : int {
    M_SOF0 = 0xC0,
    M_SOF15 = 0xCF,
    M_DHT = 0xC4,
    M_JPG = 0xC8,
    M_DAC = 0xCC,
    M_SOI = 0xD8,
    M_EOI = 0xD9,
    M_SOS = 0xDA,
    M_JFIF = 0xE0,
    M_EXIF = 0xE1,
    M_XMP = 0x10E1,
    M_IPTC = 0xED,
    M_COM = 0xFE
};

// One header section: the whole segment starting with its two length bytes.
struct Section_t {
    std::vector<unsigned char> Data;
    int Type = 0;
    unsigned Size = 0;
};

constexpr int MAX_COMMENT_SIZE = 2000;
constexpr int MAX_DATE_COPIES = 10;

// What the Exif and frame sections tell about the photo. Zeroed before each
// file; text fields are always NUL-terminated.
struct ImageInfo_t {
    int Height = 0;
    int Width = 0;
    int IsColor = 0;
    int Process = 0;
    int FlashUsed = 0;
    float FocalLength = 0;
    float ExposureTime = 0;
    float ApertureFNumber = 0;
    float Distance = 0;
    float CCDWidth = 0;
    float ExposureBias = 0;
    float DigitalZoomRatio = 0;
    int FocalLength35mmEquiv = 0;
    int Whitebalance = 0;
    int MeteringMode = 0;
    int ExposureProgram = 0;
    int ExposureMode = 0;
    int ISOequivalent = 0;
    int LightSource = 0;
    int DistanceRange = 0;
    float xResolution = 0;
    float yResolution = 0;
    int ResolutionUnit = 0;

    // JFIF header.
    bool JfifPresent = false;
    int JfifResolutionUnits = 0;
    int JfifXDensity = 0;
    int JfifYDensity = 0;

    char CameraMake[32] = {};
    char CameraModel[40] = {};
    char DateTime[20] = {};
    int Orientation = 0;
    char Comments[MAX_COMMENT_SIZE + 1] = {};
    int CommentWidthchars = 0;

    // Offsets count from the TIFF header of the Exif section.
    unsigned ThumbnailOffset = 0;
    unsigned ThumbnailSize = 0;
    unsigned LargestExifOffset = 0;
    bool ThumbnailAtEnd = false;
    unsigned ThumbnailSizeOffset = 0;
    unsigned DateTimeOffsets[MAX_DATE_COPIES] = {};
    int NumDateTimeTags = 0;

    bool GpsInfoPresent = false;
    char GpsLat[31] = {};
    char GpsLong[31] = {};
    char GpsAlt[20] = {};
};

class CJpegSections
{
public:
    CJpegSections();

    // Reads the header sections of a file. Prints "can't open" or "Not JPEG"
    // and keeps nothing when the file is not a readable JPEG, and the fatal
    // message when a section is damaged beyond use.
    bool ReadJpegFile(const QString& path, ReadMode_t mode);
    // Frees every section and zeroes the image information.
    void DiscardData();

    const ImageInfo_t& ImageInfo() const { return m_ImageInfo; }
    const std::vector<Section_t>& Sections() const { return m_Sections; }
    // The section whose Exif data holds the thumbnail, or null.
    const Section_t* ThumbnailSection() const;
    // Drops the thumbnail (one that does not decode).
    void ForgetThumbnail();

private:
    enum class Result { Ok, NotJpeg, Fatal };
    enum class Marker { Found, Eof, TooMuch };
    // Where an entry's value lies inside the Exif data.
    struct ValueSpan {
        uint64_t offset;
        uint64_t length;
    };

    Result ReadJpegSections(std::FILE* file, ReadMode_t mode);
    // Skips fill bytes up to the next marker, spending the byte budget.
    Marker ReadMarker(std::FILE* file, uint64_t& budget, int& marker);
    void ProcessFrame(const Section_t& section, int marker);
    void ProcessJfif(const Section_t& section);
    void ProcessComment(const Section_t& section);

    // Exif parsing (ExifReader.cpp). Offsets are relative to the TIFF header.
    void process_EXIF(const unsigned char* buffer, unsigned length);
    void ProcessExifDir(uint64_t dirStart, int level);
    void ProcessMakerNote(uint64_t valueOffset, int level);
    void ProcessMakerNoteDir(uint64_t dirStart, int level);
    void ProcessGpsInfo(uint64_t dirStart);
    // Checks one directory entry; false (after its message) when it is skipped.
    bool CheckEntry(uint64_t entry, int& tag, int& format, uint32_t& components, ValueSpan& value,
                    bool gps);
    bool EnterDirectory(uint64_t dirStart, int level, int& entries, bool& hasLink);
    // Spends one directory of the budget; false (after the message) when the
    // budget is gone or the directory was walked before.
    bool FirstVisit(uint64_t dirStart);
    void ProcessTag(int tag, int format, const ValueSpan& value, int level, uint64_t& thumbnailOffset,
                    uint64_t& thumbnailSize, bool& hasThumbnail);
    void CopyText(char* target, size_t capacity, const ValueSpan& value) const;
    void CopyUserComment(const ValueSpan& value, bool xpComment);
    void RememberDate(const ValueSpan& value);
    double ConvertAnyFormat(const ValueSpan& value, int format);

    int Get16u(uint64_t offset) const;
    uint32_t Get32u(uint64_t offset) const;
    int32_t Get32s(uint64_t offset) const;

    // Messages to the error output; a non-fatal one is formatted only while
    // fewer than the cap have been written for this file.
    void ErrNonfatal(const char* format, ...) __attribute__((format(printf, 2, 3)));
    static void ErrFatal(const QString& message);

    std::vector<Section_t> m_Sections;
    ImageInfo_t m_ImageInfo;
    int m_MotorolaOrder = 0;
    bool m_HaveComment = false;
    int m_ThumbnailSection = -1;
    int m_MessagesShown = 0;

    // The Exif data being parsed: the bytes after "Exif\0\0".
    const unsigned char* m_Tiff = nullptr;
    uint64_t m_TiffLength = 0;
    int m_CurrentSection = -1;
    int m_NumOrientations = 0;
    // The walk's budget for the whole file, and the directories walked so far
    // (section, offset): a link back to one of them would walk it again.
    int m_DirectoriesWalked = 0;
    int m_EntriesChecked = 0;
    std::vector<std::pair<int, uint64_t>> m_WalkedDirectories;
    double m_FocalplaneXRes = 0;
    double m_FocalplaneUnits = 0;
    int m_ExifImageWidth = 0;
};
