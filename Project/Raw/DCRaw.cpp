#include "DCRaw.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>

namespace {
// Raw loading through demosaicing runs one conversion at a time in the
// process, so that many workers never hold their full-size working copies
// (and LibRaw's OpenMP teams) at once.
QMutex& DecodeMutex()
{
    static QMutex mutex;
    return mutex;
}

// The largest decoded image we accept, in pixels.
constexpr quint64 MaxDecodedPixels = quint64(1) << 28;

struct ProcessedImageDeleter {
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};
using ProcessedImagePtr = std::unique_ptr<libraw_processed_image_t, ProcessedImageDeleter>;

// LibRaw turned the file's date text into a time with mktime, in local time;
// localtime_r gives the same wall-clock text back without touching TZ.
QString DateText(time_t timestamp)
{
    if (timestamp == 0)
        return QString();
    struct tm parts;
    if (!localtime_r(&timestamp, &parts))
        return QString();
    char text[32];
    const size_t length = strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &parts);
    return QString::fromLatin1(text, int(length));
}
} // namespace

// LibRaw calls this where the raw data is corrupt and goes on decoding;
// offset -1 means the file ended early.
static void RecordDataError(void* context, const char*, const int offset)
{
    SRAWImage* request = static_cast<CDCRaw*>(context)->m_pRequest;
    if (request && request->dataError.isEmpty())
        request->dataError = offset < 0 ? QStringLiteral("Unexpected end of raw data")
                                        : QStringLiteral("Corrupt raw data at byte %1").arg(offset);
}

CDCRaw::CDCRaw()
{
    m_Raw.set_dataerror_handler(RecordDataError, this);
    m_Raw.imgdata.params.output_color = 1; // sRGB
    m_Raw.imgdata.params.output_bps = 8;
}

CDCRaw::~CDCRaw()
{
    m_Raw.recycle(); // also closes the file
}

int CDCRaw::Convert(SRAWImage* request)
{
    m_pRequest = request;
    if (!request || request->fileName.isEmpty())
        return RawConvertFailed;
    request->dataError.clear();
    try {
        const int identified = Identify();
        if (identified != RawConvertDone || request->identifyOnly)
            return identified;
        return Decode();
    } catch (...) {
        // std::bad_alloc from our own copies, or anything LibRaw lets through.
        return RawConvertFailed;
    }
}

int CDCRaw::Identify()
{
    // Opens read-only; a file that is missing, unreadable or not a raw file the
    // library knows fails here.
    if (m_Raw.open_file(QFile::encodeName(m_pRequest->fileName).constData()) != LIBRAW_SUCCESS)
        return RawConvertFailed;
    const libraw_data_t& data = m_Raw.imgdata;
    m_pRequest->rawWidth = data.sizes.raw_width;
    m_pRequest->rawHeight = data.sizes.raw_height;
    m_pRequest->make = QString::fromUtf8(data.idata.make);
    m_pRequest->model = QString::fromUtf8(data.idata.model);
    m_pRequest->dateTime = DateText(data.other.timestamp);
    return RawConvertDone;
}

void CDCRaw::ApplyOptions()
{
    libraw_output_params_t& params = m_Raw.imgdata.params;
    params.use_camera_wb = 0;
    params.use_auto_wb = 0;
    for (float& mul : params.user_mul)
        mul = 0.0f;
    switch (m_pRequest->whiteBalance) {
    case 2: // none: with use_camera_wb also set, the camera balance would win
        for (float& mul : params.user_mul)
            mul = 1.0f;
        break;
    case 1:
        params.use_auto_wb = 1;
        break;
    default:
        params.use_camera_wb = 1;
        break;
    }
    params.highlight = qBound(0, m_pRequest->highlight, 9);
    // 1..4 select bilinear, VNG, PPG, AHD; LibRaw's higher values are other
    // algorithms, so clamp. 0 and below leave the choice to LibRaw.
    params.user_qual = m_pRequest->demosaic <= 0 ? -1 : qMin(m_pRequest->demosaic, 4) - 1;
}

bool CDCRaw::Report(qint64 done)
{
    return !m_pfnProgress || m_pfnProgress(done, 100, m_pRequest->progress);
}

int CDCRaw::Decode()
{
    ApplyOptions();
    {
        QMutexLocker lock(&DecodeMutex());
        // A file shorter than its header claims fails here with an I/O error.
        if (m_Raw.unpack() != LIBRAW_SUCCESS)
            return RawConvertFailed;
        // Ours, not LibRaw's handler; it only records a percent or answers stop.
        if (!Report(30))
            return RawConvertCancelled;
        if (m_Raw.dcraw_process() != LIBRAW_SUCCESS)
            return RawConvertFailed;
    }
    if (!Report(70))
        return RawConvertCancelled;
    int error = LIBRAW_SUCCESS;
    const ProcessedImagePtr image(m_Raw.dcraw_make_mem_image(&error));
    if (!image || error != LIBRAW_SUCCESS)
        return RawConvertFailed;
    // Before our buffer exists, so a cancel here allocates nothing.
    if (!Report(95))
        return RawConvertCancelled;
    return CopyImage(image.get());
}

int CDCRaw::CopyImage(const libraw_processed_image_t* image)
{
    if (image->type != LIBRAW_IMAGE_BITMAP || image->bits != 8 || image->colors < 1)
        return RawConvertFailed;
    const quint64 pixels = quint64(image->width) * quint64(image->height);
    const quint64 bytes = pixels * quint64(image->colors);
    if (pixels == 0 || pixels > MaxDecodedPixels || bytes > image->data_size)
        return RawConvertFailed;
    unsigned char* buffer = static_cast<unsigned char*>(calloc(size_t(bytes), 1));
    if (!buffer)
        return RawConvertFailed;
    memcpy(buffer, image->data, size_t(bytes));
    m_pRequest->width = image->width;
    m_pRequest->height = image->height;
    m_pRequest->channels = image->colors;
    m_pRequest->pixels = buffer;
    return RawConvertDone;
}
