#include "MagickReader.h"

#include "ExifOrientation.h"
#include "FilterValues.h"
#include "ImageManager.h"
#include "ImageRecords.h"
#include "MagickThreads.h"
#include "PathSafety.h"
#include "PngCoder.h"

#include <QFileInfo>

#include <tiffio.h>

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <limits>
#include <mutex>
#include <type_traits>

// The pixel cache's handlers, exported by the library but declared only in
// its private headers: a table of function pointers these fill and copy.
extern "C" void GetPixelCacheMethods(void* methods);
extern "C" void SetPixelCacheMethods(void* cache, void* methods);

namespace
{

// How many pixels a file may promise per byte it holds. Measured on the
// densest real files, flat grey 8000 x 6000 (48 MP): JPEG 256 pixels per
// byte (Huffman coding spends at least one bit on every 8 x 8 block, so a
// JPEG never passes 512), GIF 1,451, PNG 803 (2,746 at one bit a pixel),
// TIFF with Group 4 33,142 (a blank A4 page at 600 dpi), JPEG 2000 122,762.
// The bound is 4,096 (8 times JPEG's ceiling); PNG gets 16,384 (deflate
// stops at 1,032:1, 8,256 pixels a byte at one bit a pixel); TIFF and
// JPEG 2000, whose coders describe a blank page in a few hundred bytes,
// 1,048,576. A 176-byte JPEG that claims 16,000 x 16,000 promises 1.45
// million pixels a byte.
constexpr double kPixelsPerByte = 4096;
constexpr double kPngPixelsPerByte = 16384;
constexpr double kSparsePixelsPerByte = 1048576;
// Any file may promise this much (128 MB of pixel cache): small images stay
// out of the rule whatever their coding.
constexpr double kFreePixels = 16.0 * 1000 * 1000;

// libjpeg's warnings about markers and profiles: the pixels are intact.
const char* const kHarmlessWarnings[] = {"Corrupt JPEG data: bad ICC marker",
                                         "extraneous bytes before marker",
                                         "Unknown APP",
                                         "unknown JFIF revision",
                                         "Unknown Adobe color transform",
                                         "Invalid SOS parameters for sequential JPEG",
                                         "Inconsistent progression"};

bool IsDamage(const MagickCore::ExceptionInfo* report)
{
    if (report->severity != MagickCore::CorruptImageWarning || !report->reason)
        return false;
    for (const char* harmless : kHarmlessWarnings) {
        if (std::strstr(report->reason, harmless))
            return false;
    }
    return true;
}

// The first of one exception's collected reports, or else the exception
// itself, that `matches`; null when none does.
template <typename Match>
const MagickCore::ExceptionInfo* FindReport(const MagickCore::ExceptionInfo* exception, Match matches)
{
    if (auto* list = static_cast<MagickCore::LinkedListInfo*>(exception->exceptions)) {
        MagickCore::ResetLinkedListIterator(list);
        while (auto* report = static_cast<const MagickCore::ExceptionInfo*>(MagickCore::GetNextValueInLinkedList(list)))
            if (matches(report))
                return report;
    }
    return matches(exception) ? exception : nullptr;
}

// The first damage report of one exception and of the reports collected in it.
QString DamageIn(const MagickCore::ExceptionInfo* exception)
{
    const MagickCore::ExceptionInfo* report = FindReport(exception, IsDamage);
    return report ? CMagickReader::ShortReason(report->reason) : QString();
}

// libtiff refuses a ResolutionUnit out of its range with an error and reads
// on without it, as its other readers do; the library's coder gives the
// file up at any error. That one goes to the library as a warning, and the
// read takes the density, of no known unit, for none. Its words, and the
// library's handlers:
const char kBadUnit[] = "for \"ResolutionUnit\" tag";
TIFFErrorHandler g_TiffError = nullptr;
TIFFErrorHandler g_TiffWarning = nullptr;

void TiffError(const char* module, const char* format, va_list args)
{
    if (std::strcmp(format, "%s: Bad value %" PRIu32 " for \"%s\" tag") == 0) {
        va_list copy;
        va_copy(copy, args);
        va_arg(copy, const char*);
        va_arg(copy, uint32_t);
        const char* tag = va_arg(copy, const char*);
        va_end(copy);
        if (tag && std::strcmp(tag, "ResolutionUnit") == 0) {
            if (g_TiffWarning)
                g_TiffWarning(module, format, args);
            return;
        }
    }
    if (g_TiffError)
        g_TiffError(module, format, args);
}

// Puts TiffError before the library's handlers, which it sets when it
// loads its TIFF coder.
bool FilterTiffErrors()
{
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    MagickCore::GetMagickInfo("TIFF", exception);
    MagickCore::DestroyExceptionInfo(exception);
    g_TiffWarning = TIFFSetWarningHandler(nullptr);
    TIFFSetWarningHandler(g_TiffWarning);
    g_TiffError = TIFFSetErrorHandler(TiffError);
    return true;
}

// Whether a report of the call or of a frame says libtiff refused the unit.
bool UnitRefused(const MagickCore::Image* list, const MagickCore::ExceptionInfo* exception)
{
    const auto refused = [](const MagickCore::ExceptionInfo* report) {
        return report->reason && std::strstr(report->reason, kBadUnit);
    };
    for (const MagickCore::Image* frame = list; frame; frame = frame->next) {
        if (FindReport(&frame->exception, refused))
            return true;
    }
    return FindReport(exception, refused) != nullptr;
}

// True when neither the call nor any frame reported anything; coders file
// their warnings on the frame rather than in the call's report.
bool ReadWasClean(const MagickCore::Image* list, const MagickCore::ExceptionInfo* exception)
{
    if (exception->severity != MagickCore::UndefinedException)
        return false;
    for (const MagickCore::Image* frame = list; frame; frame = frame->next) {
        if (frame->exception.severity != MagickCore::UndefinedException)
            return false;
    }
    return true;
}

// The read options, in one place for reads, pings and counts.
MagickCore::ImageInfo* NewImageInfo(const std::string& path, CMagickReader::Frames frames, QSize jpegSize)
{
    MagickCore::ImageInfo* info = MagickCore::CloneImageInfo(nullptr);
    std::strncpy(info->filename, path.c_str(), MagickPathExtent - 1);
    info->filename[MagickPathExtent - 1] = '\0';
    if (frames != CMagickReader::AllFrames) {
        // A subimage read: the coder stops after the first frame (or the
        // limit's worth) instead of decoding an animation for its first.
        info->scene = 0;
        info->number_scenes = frames == CMagickReader::FirstFrame ? 1 : size_t(CMagickReader::FrameLimit());
    }
    if (!jpegSize.isEmpty())
        MagickCore::SetImageOption(info, "jpeg:size",
                                   GeometryText("%dx%d", jpegSize.width(), jpegSize.height()).c_str());
    return info;
}

// A MagickCore image list as Magick++ images, file order.
QList<Magick::Image> TakeFrames(MagickCore::Image* list)
{
    QList<Magick::Image> frames;
    while (list) {
        MagickCore::Image* frame = MagickCore::RemoveFirstImageFromList(&list);
        // Read and judged: a report left on the frame would fail its write.
        MagickCore::ClearMagickException(&frame->exception);
        // Coders store the file's number as it is, in or out of the enum.
        std::underlying_type_t<MagickCore::OrientationType> orientation;
        std::memcpy(&orientation, &frame->orientation, sizeof orientation);
        frame->orientation = CMagickReader::Orientation(orientation);
        // Photoshop's coder keeps the Exif without reading its orientation.
        const MagickCore::StringInfo* exif = MagickCore::GetImageProfile(frame, "exif");
        if (frame->orientation == MagickCore::UndefinedOrientation && exif)
            frame->orientation = CMagickReader::Orientation(
                ExifOrientation::Of(QByteArray(reinterpret_cast<const char*>(MagickCore::GetStringInfoDatum(exif)),
                                               int(MagickCore::GetStringInfoLength(exif)))));
        frames.append(Magick::Image(frame));
    }
    return frames;
}

// The row handler of a streamed read: each row is dropped once decoded.
size_t DiscardRows(const MagickCore::Image*, const void*, const size_t columns)
{
    return columns;
}

// The library names where a report was made after its reason.
bool FromColourTablePass(const MagickCore::ExceptionInfo* report)
{
    const auto names = [](const char* text) { return text && std::strstr(text, "/SyncImage/"); };
    return report->severity < MagickCore::ErrorException && (names(report->reason) || names(report->description));
}

// The stream reader gives every image it makes a destroy handler that frees
// the pixels but never gives back the memory (or disk) the library counted
// them against, nor removes a disk cache's file: each read-back left a whole
// image counted, until every pixel cache of a run went to the disk, its files
// stayed there and the disk limit failed photos. The cache's own handlers,
// put back, destroy it as any image's.
void DestroyStreamed(MagickCore::Image* list)
{
    alignas(std::max_align_t) unsigned char methods[1024] = {};
    GetPixelCacheMethods(methods);
    for (MagickCore::Image* frame = list; frame; frame = frame->next)
        SetPixelCacheMethods(frame->cache, methods);
    MagickCore::DestroyImageList(list);
}

// Some coders map every row through the colour table once the rows are read
// (SyncImage). A stream no longer holds those rows: that pass reads whatever
// its one row buffer holds, from several threads, and its reports say nothing
// about the file. A frame whose only reports come from it is clean.
void ForgetColourTablePass(MagickCore::Image* list)
{
    for (MagickCore::Image* frame = list; frame; frame = frame->next) {
        MagickCore::ExceptionInfo* exception = &frame->exception;
        if (exception->severity == MagickCore::UndefinedException)
            continue;
        bool only = FromColourTablePass(exception);
        if (auto* reports = static_cast<MagickCore::LinkedListInfo*>(exception->exceptions)) {
            MagickCore::ResetLinkedListIterator(reports);
            while (auto* report =
                       static_cast<const MagickCore::ExceptionInfo*>(MagickCore::GetNextValueInLinkedList(reports)))
                only = only && FromColourTablePass(report);
        }
        if (only)
            MagickCore::ClearMagickException(exception);
    }
}

} // namespace

int CMagickReader::FrameLimit()
{
    const MagickCore::MagickSizeType length = MagickCore::GetMagickResourceLimit(MagickCore::ListLengthResource);
    const MagickCore::MagickSizeType most = std::numeric_limits<int>::max();
    return int(std::min(length, most) - (length > 0 ? 1 : 0));
}

QString CMagickReader::ShortReason(const char* reason)
{
    QString text = QString::fromUtf8(reason ? reason : "").simplified();
    for (const char* cut : {" `", " @ "}) {
        const int at = text.indexOf(QLatin1String(cut));
        if (at > 0)
            text.truncate(at);
    }
    return text;
}

double CMagickReader::PixelBound(qint64 bytes, const QString& magick)
{
    double perByte = kPixelsPerByte;
    if (magick == QLatin1String("PNG"))
        perByte = kPngPixelsPerByte;
    else if (magick == QLatin1String("TIFF") || magick == QLatin1String("JP2") || magick == QLatin1String("JPC") ||
             magick == QLatin1String("J2K"))
        perByte = kSparsePixelsPerByte;
    return std::max(kFreePixels, static_cast<double>(std::max<qint64>(0, bytes)) * perByte);
}

QString CMagickReader::DamageReason(const MagickCore::Image* list, const MagickCore::ExceptionInfo* exception)
{
    QString damage = DamageIn(exception);
    for (const MagickCore::Image* frame = list; frame && damage.isEmpty(); frame = frame->next)
        damage = DamageIn(&frame->exception);
    return damage;
}

MagickCore::OrientationType CMagickReader::Orientation(long value)
{
    return value >= MagickCore::TopLeftOrientation && value <= MagickCore::LeftBottomOrientation
               ? static_cast<MagickCore::OrientationType>(value)
               : MagickCore::UndefinedOrientation;
}

void CMagickReader::ComposeAnimation(QList<Magick::Image>& frames)
{
    if (frames.isEmpty() || frames.first().magick() != "GIF")
        return;
    const auto covers = [](const Magick::Image& image) {
        const MagickCore::Image* frame = image.constImage();
        const MagickCore::RectangleInfo& page = frame->page;
        return page.x == 0 && page.y == 0 && (page.width == 0 || page.width == frame->columns) &&
               (page.height == 0 || page.height == frame->rows);
    };
    bool whole = true;
    for (int i = 0; i < frames.size() && whole; ++i)
        whole = covers(frames.at(i)) && (i == 0 || !frames.at(i).constImage()->matte);
    if (whole)
        return;
    // What the first frame leaves of the screen is transparent, as viewers
    // show it, not the GIF's background colour that the library would paint.
    if (!covers(frames.first()))
        frames.first().matte(true);
    QList<Magick::Image> composed;
    Magick::coalesceImages(&composed, frames.begin(), frames.end());
    frames = composed;
}

QSize CMagickReader::ComposedSize(const Magick::Image& frame)
{
    const MagickCore::Image* image = frame.constImage();
    const bool screen = frame.magick() == "GIF" && image->page.width > 0 && image->page.height > 0;
    return screen ? QSize(int(image->page.width), int(image->page.height))
                  : QSize(int(image->columns), int(image->rows));
}

CMagickReader::SResult CMagickReader::Read(const QString& path, Frames frames, SProgressData* progress, QSize jpegSize)
{
    // The header first: a promise the file cannot keep is refused before
    // the decoder allocates anything.
    SResult header = Run(path, frames, Header, nullptr);
    if (header.frames.isEmpty())
        return header;
    // Frames composed at read are counted at the screen's size.
    double pixels = 0;
    for (const Magick::Image& frame : header.frames) {
        const QSize size = ComposedSize(frame);
        pixels += static_cast<double>(size.width()) * static_cast<double>(size.height());
    }
    const qint64 bytes = QFileInfo(path).size();
    const Magick::Image& first = header.frames.first();
    const bool damaged = pixels > PixelBound(bytes, QString::fromStdString(first.magick()));
    // Past its memory and disk limits the library leaves frames without
    // pixels, which its writers do not survive.
    const double room = double(MagickCore::GetMagickResourceLimit(MagickCore::MemoryResource)) +
                        double(MagickCore::GetMagickResourceLimit(MagickCore::DiskResource));
    if (!damaged && pixels * sizeof(MagickCore::PixelPacket) <= room)
        return Run(path, frames, Pixels, progress, jpegSize);
    const QSize size = ComposedSize(first);
    // Composed frames all take the screen's size.
    const int count = first.magick() == "GIF" ? header.frames.size() : 1;
    const QString promise = QStringLiteral("the %1%2 x %3 pixels the header promises")
                                .arg(count > 1 ? QStringLiteral("%1 frames of ").arg(count) : QString())
                                .arg(size.width())
                                .arg(size.height());
    SResult refused;
    refused.clean = false;
    if (damaged)
        refused.damage = QStringLiteral("%1 bytes cannot hold %2").arg(bytes).arg(promise);
    refused.error = damaged ? refused.damage
                            : QStringLiteral("%1 need more than the %2 GiB of memory and disk the pixel cache may use")
                                  .arg(promise)
                                  .arg(room / double(quint64(1) << 30), 0, 'g', 3);
    return refused;
}

CMagickReader::SResult CMagickReader::Ping(const QString& path, Frames frames)
{
    return Run(path, frames, Header, nullptr);
}

CMagickReader::SResult CMagickReader::Stream(const QString& path)
{
    // One stream at a time in the process: the library's coders crash now
    // and then on large photos streamed side by side.
    static std::mutex oneStream;
    const std::lock_guard<std::mutex> lock(oneStream);
    const CMagickThreads::COneWhileStreaming oneThread;
    return Run(path, AllFrames, Streamed, nullptr);
}

CMagickReader::SResult CMagickReader::Run(const QString& path, Frames frames, Pass pass, SProgressData* progress,
                                          QSize jpegSize)
{
    SResult result;
    result.clean = false;
    result.error = CPathSafety::NotRegularFileReason(path);
    if (!result.error.isEmpty())
        return result;
    std::string file;
    if (!CImageManager::MagickPath(path, false, file)) {
        result.error = QStringLiteral("the path is too long");
        return result;
    }
    // Not through the library's PNG coder: it lets one read run at a time.
    if (CPngCoder::IsPng(path))
        return CPngCoder::Read(path, pass == Header, progress);
    static const bool tiffFiltered = FilterTiffErrors();
    Q_UNUSED(tiffFiltered);
    MagickCore::ImageInfo* info = NewImageInfo(file, frames, jpegSize);
    if (progress)
        MagickCore::SetImageInfoProgressMonitor(info, MagickProgressMonitor, progress);
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    MagickCore::Image* list = pass == Header   ? MagickCore::PingImage(info, exception)
                              : pass == Pixels ? MagickCore::ReadImage(info, exception)
                                               : MagickCore::ReadStream(info, DiscardRows, exception);
    if (pass == Streamed)
        ForgetColourTablePass(list);
    result.clean = ReadWasClean(list, exception);
    result.damage = DamageReason(list, exception);
    // An error fails the read even when the coder left a partial image.
    const MagickCore::ExceptionInfo* worst = exception;
    for (const MagickCore::Image* frame = list; frame; frame = frame->next) {
        if (frame->exception.severity > worst->severity)
            worst = &frame->exception;
    }
    // `worst` may belong to a frame: take its text before the list goes.
    const QString worstReason = worst->reason ? ShortReason(worst->reason) : QStringLiteral("no image in the file");
    if (list && worst->severity >= MagickCore::ErrorException) {
        if (pass == Streamed)
            DestroyStreamed(list);
        else
            MagickCore::DestroyImageList(list);
        list = nullptr;
    }
    if (!list)
        result.error = worstReason;
    if (UnitRefused(list, exception)) {
        for (MagickCore::Image* frame = list; frame; frame = frame->next) {
            frame->x_resolution = frame->y_resolution = 0;
            frame->units = MagickCore::UndefinedResolution;
        }
    }
    // A streamed frame has no pixels to give.
    if (list && pass == Streamed) {
        DestroyStreamed(list);
        list = nullptr;
    }
    result.frames = TakeFrames(list);
    MagickCore::DestroyExceptionInfo(exception);
    MagickCore::DestroyImageInfo(info);
    // Coders name the frame limit in words of their own ("memory allocation
    // failed" for GIF): where the limit's worth of frames is there, it is the
    // limit that failed.
    if (frames == AllFrames && !result.error.isEmpty() &&
        Run(path, FramesWithinLimit, Header, nullptr).frames.size() == FrameLimit())
        result.error = QStringLiteral("more than %1 frames, the most one file may have").arg(FrameLimit());
    return result;
}
