#include "PictBands.h"

#include "AtomicReplace.h"
#include "Quantum.h"

#include <QFile>
#include <QVector>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace
{

// Zeros before the picture, where a Mac file kept its own header.
constexpr size_t kPreambleBytes = 512;
// The opcodes written, and the coder's pixel map: 32-bit direct pixels,
// 8-bit components stored plane by plane, each row run-length packed.
constexpr quint16 kVersionOp = 0x0011;
constexpr quint16 kVersion2 = 0x02ff;
constexpr quint16 kHeaderOp = 0x0c00;
constexpr quint16 kClipOp = 0x0001;
constexpr quint16 kCommentOp = 0x00a1;
constexpr quint16 kIptcComment = 0x01f2;
constexpr quint16 kIccComment = 0x00e0;
constexpr quint16 kDirectBitsOp = 0x009a;
constexpr quint16 kEndOp = 0x00ff;
constexpr quint16 kPackPlanes = 4;
constexpr quint16 kDirectPixels = 16;
constexpr quint16 kDitherCopy = 0x40;
// Rows whose rowBytes passes this state their packed length in a word (the
// library's reader asks for more than 200 bytes of components: bands are
// never narrow enough for the two to part).
constexpr int kByteCountRowBytes = 250;
// The longest run of either kind one PackBits count byte states.
constexpr size_t kRun = 128;

// The palette coder takes a byte a pixel where the direct one takes four.
constexpr int kLibraryPaletteWidth = 32510;

// The file written, its offset kept for the even opcode boundaries. What
// went wrong first is kept as the system said it.
class COut
{
public:
    explicit COut(std::FILE* file) : m_File(file) {}
    void Bytes(const void* data, size_t size)
    {
        if (m_Error == 0 && std::fwrite(data, 1, size, m_File) != size)
            m_Error = errno ? errno : EIO;
        m_Offset += size;
    }
    void Byte(quint8 value) { Bytes(&value, 1); }
    void Word(quint16 value)
    {
        const unsigned char bytes[] = {quint8(value >> 8), quint8(value)};
        Bytes(bytes, 2);
    }
    void Long(quint32 value)
    {
        Word(quint16(value >> 16));
        Word(quint16(value));
    }
    void Rect(int top, int left, int bottom, int right)
    {
        for (const int side : {top, left, bottom, right})
            Word(quint16(side));
    }
    // Opcodes start at even offsets.
    void Align()
    {
        if (m_Offset % 2)
            Byte(0);
    }
    // The picture's size word, the low 16 bits of its size past the 512
    // bytes before it (the coder's own always states 512), and the file
    // closed.
    void Finish()
    {
        const quint64 picture = m_Offset - kPreambleBytes;
        const unsigned char size[] = {quint8(picture >> 8), quint8(picture)};
        if (m_Error == 0 &&
            (std::fseek(m_File, long(kPreambleBytes), SEEK_SET) != 0 || std::fwrite(size, 1, 2, m_File) != 2))
            m_Error = errno ? errno : EIO;
        if (std::fclose(m_File) != 0 && m_Error == 0)
            m_Error = errno ? errno : EIO;
    }
    bool Ok() const { return m_Error == 0; }
    int Error() const { return m_Error; }

private:
    std::FILE* m_File;
    quint64 m_Offset = 0;
    int m_Error = 0;
};

// PackBits: a count byte n below 128 is followed by n + 1 bytes as they are,
// 257 - n repeats of the one byte that follows. 128 stays unused.
void PackBits(const unsigned char* in, size_t size, std::vector<unsigned char>& out)
{
    out.clear();
    size_t at = 0;
    while (at < size) {
        size_t run = 1;
        while (at + run < size && run < kRun && in[at + run] == in[at])
            ++run;
        if (run >= 3) {
            out.push_back(quint8(257 - run));
            out.push_back(in[at]);
            at += run;
            continue;
        }
        const size_t start = at;
        while (at < size && at - start < kRun && !(at + 2 < size && in[at] == in[at + 1] && in[at] == in[at + 2]))
            ++at;
        out.push_back(quint8(at - start - 1));
        out.insert(out.end(), in + start, in + at);
    }
}

// The pixels of every coder that writes PICT: sRGB, or what the library
// converts to it.
bool SrgbCompatible(MagickCore::ColorspaceType space)
{
    switch (space) {
    case MagickCore::sRGBColorspace:
    case MagickCore::RGBColorspace:
    case MagickCore::scRGBColorspace:
    case MagickCore::TransparentColorspace:
    case MagickCore::GRAYColorspace:
    case MagickCore::LinearGRAYColorspace:
    case MagickCore::Rec601LumaColorspace:
    case MagickCore::Rec709LumaColorspace:
        return true;
    default:
        return false;
    }
}

// Pixels an inch as the coder states them: none unless both are set; its
// casts to 16 bits cut the header's and round the pixel map's.
struct SDensity {
    quint16 headerX = 0, headerY = 0, mapX = 0, mapY = 0;
};

SDensity DensityOf(const MagickCore::Image* image)
{
    SDensity density;
    if (image->x_resolution <= MagickEpsilon || image->y_resolution <= MagickEpsilon)
        return density;
    const double inch = image->units == MagickCore::PixelsPerCentimeterResolution ? 2.54 : 1.0;
    const double x = image->x_resolution * inch;
    const double y = image->y_resolution * inch;
    density.headerX = quint16(qint64(x));
    density.headerY = quint16(qint64(y));
    density.mapX = quint16(qint64(x + 0.5));
    density.mapY = quint16(qint64(y + 0.5));
    return density;
}

// A profile as the coder writes it into a long comment of `kind`: IPTC
// behind "8BIM", ICC behind a zero word and followed by the comment that
// ends it.
void ProfileComment(COut& out, const MagickCore::Image* image, const char* name, quint16 kind)
{
    const MagickCore::StringInfo* profile = MagickCore::GetImageProfile(image, name);
    if (!profile)
        return;
    const bool icc = kind == kIccComment;
    const size_t length = MagickCore::GetStringInfoLength(profile);
    out.Word(kCommentOp);
    out.Word(kind);
    out.Word(quint16(length + 4));
    if (icc)
        out.Long(0);
    else
        out.Bytes("8BIM", 4);
    out.Bytes(MagickCore::GetStringInfoDatum(profile), length);
    if (icc) {
        out.Word(kCommentOp);
        out.Word(kIccComment);
        out.Word(4);
        out.Long(2);
    }
}

// The picture's header up to its first pixel map.
void Header(COut& out, const MagickCore::Image* image)
{
    const int width = int(image->columns);
    const int height = int(image->rows);
    const SDensity density = DensityOf(image);
    const std::vector<unsigned char> zeros(kPreambleBytes, 0);
    out.Bytes(zeros.data(), zeros.size());
    out.Word(0); // the picture's size, written last
    out.Rect(0, 0, height, width);
    out.Word(kVersionOp);
    out.Word(kVersion2);
    out.Word(kHeaderOp);
    out.Long(0xfffe0000u); // the extended header: resolution, frame, reserved
    out.Long(quint32(density.headerX) << 16);
    out.Long(quint32(density.headerY) << 16);
    out.Rect(0, 0, height, width);
    out.Long(0);
    ProfileComment(out, image, "iptc", kIptcComment);
    ProfileComment(out, image, "icc", kIccComment);
    out.Align();
    out.Word(kClipOp);
    out.Word(10);
    out.Rect(0, 0, height, width);
}

// One band's pixel map, at its own place in the frame.
void BandHeader(COut& out, const MagickCore::Image* image, int left, int right, bool alpha)
{
    const int height = int(image->rows);
    const SDensity density = DensityOf(image);
    out.Align();
    out.Word(kDirectBitsOp);
    out.Long(0xff); // base address
    out.Word(quint16((4 * (right - left)) | 0x8000));
    out.Rect(0, left, height, right); // bounds
    out.Word(0);                      // version
    out.Word(kPackPlanes);
    out.Long(0); // packed size
    out.Long(quint32(density.mapX) << 16);
    out.Long(quint32(density.mapY) << 16);
    out.Word(kDirectPixels);
    out.Word(32);
    out.Word(alpha ? 4 : 3);
    out.Word(8);
    out.Long(0);                      // plane bytes
    out.Long(0);                      // colour table
    out.Long(0);                      // reserved
    out.Rect(0, left, height, right); // source
    out.Rect(0, left, height, right); // destination
    out.Word(kDitherCopy);
}

// The left edge of each band and, last, the photo's width: bands of even
// widths, none wider than the coder's.
QVector<int> BandEdges(int width)
{
    const int bands = (width + CPictBands::kLibraryWidth - 1) / CPictBands::kLibraryWidth;
    QVector<int> edges;
    for (int i = 0; i <= bands; ++i)
        edges << int(qint64(width) * i / bands);
    return edges;
}

} // namespace

bool CPictBands::Needed(const Magick::Image& image)
{
    const MagickCore::Image* raw = image.constImage();
    const bool palette = raw->storage_class == MagickCore::PseudoClass &&
                         image.constImageInfo()->compression != MagickCore::JPEGCompression;
    const size_t widest = size_t(palette ? kLibraryPaletteWidth : kLibraryWidth);
    return raw->columns > widest || raw->rows > size_t(kMaxSide);
}

bool CPictBands::Write(Magick::Image& image, const QString& path, QString& reason)
{
    if (image.columns() > size_t(kMaxSide) || image.rows() > size_t(kMaxSide)) {
        reason = QStringLiteral("width or height exceeds limit: a PICT holds at most %1 pixels a side").arg(kMaxSide);
        return false;
    }
    if (!SrgbCompatible(image.constImage()->colorspace)) {
        image.modifyImage();
        MagickCore::TransformImageColorspace(image.image(), MagickCore::sRGBColorspace);
    }
    const MagickCore::Image* raw = image.constImage();
    const bool alpha = raw->matte != MagickCore::MagickFalse;
    const size_t planes = alpha ? 4 : 3;
    const int height = int(raw->rows);
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) {
        reason = CAtomicReplace::SystemError(errno);
        return false;
    }
    COut out(file);
    Header(out, raw);

    QString failed;
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    MagickCore::CacheView* view = MagickCore::AcquireVirtualCacheView(raw, exception);
    std::vector<unsigned char> row;
    std::vector<unsigned char> packed;
    const QVector<int> edges = BandEdges(int(raw->columns));
    for (int band = 0; band + 1 < edges.size() && out.Ok() && failed.isEmpty(); ++band) {
        const int left = edges[band];
        const size_t width = size_t(edges[band + 1] - left);
        BandHeader(out, raw, left, edges[band + 1], alpha);
        row.resize(planes * width);
        // Alpha first, then red, green and blue, each a plane of the row.
        unsigned char* const a = row.data();
        unsigned char* const r = row.data() + (alpha ? width : 0);
        unsigned char* const g = r + width;
        unsigned char* const b = g + width;
        for (int y = 0; y < height && out.Ok(); ++y) {
            const MagickCore::PixelPacket* p =
                MagickCore::GetCacheViewVirtualPixels(view, left, y, width, 1, exception);
            if (!p) {
                failed = QString::fromUtf8(exception->reason ? exception->reason : "the pixels could not be read");
                break;
            }
            using MagickCore::Quantum; // QuantumRange names it
            for (size_t x = 0; x < width; ++x, ++p) {
                r[x] = QuantumToChar(p->red);
                g[x] = QuantumToChar(p->green);
                b[x] = QuantumToChar(p->blue);
                if (alpha)
                    a[x] = QuantumToChar(Quantum(QuantumRange - p->opacity));
            }
            PackBits(row.data(), row.size(), packed);
            if (4 * width > size_t(kByteCountRowBytes))
                out.Word(quint16(packed.size()));
            else
                out.Byte(quint8(packed.size()));
            out.Bytes(packed.data(), packed.size());
        }
    }
    MagickCore::DestroyCacheView(view);
    MagickCore::DestroyExceptionInfo(exception);
    out.Align();
    out.Word(kEndOp);
    out.Finish();
    if (!out.Ok()) {
        failed = CAtomicReplace::SystemError(out.Error());
        errno = out.Error();
    }
    if (!failed.isEmpty())
        reason = failed;
    return failed.isEmpty();
}
