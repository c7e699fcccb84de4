#include "ImageManager.h"

#include "AtomicReplace.h"
#include "FormatsEnum.h"
#include "ICCProfiles.h"
#include "IMImageCache.h"
#include "MagickQt.h"
#include "MagickReader.h"
#include "PathSafety.h"
#include "PreviewProgressSink.h"
#include "UserProfile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QThread>

#include <atomic>
#include <cmath>
#include <cstring>

namespace {

// The preview thread that receives the progress of every preview engine.
std::atomic<IPreviewProgressSink*> ptrThread{nullptr};

constexpr int kMaxPathBytes = 4096;

int PercentOf(double done, double total)
{
    if (total <= 0 || done <= 0)
        return 0;
    if (done >= total)
        return 100;
    return static_cast<int>(std::floor(done * 100.0 / total + 0.5));
}

// The common part of both callbacks: true to go on.
bool ReportProgress(SProgressData* progress, int percent)
{
    if (!progress)
        return true;
    if (progress->abort.load())
        return false;
    progress->percent.store(percent);
    IPreviewProgressSink* sink = progress->sink ? progress->sink : ptrThread.load();
    if (sink)
        sink->UpdateStatusBar(progress);
    return true;
}

// The image's ICC profile, or none where it cannot be read.
Magick::Blob IccOf(const Magick::Image& image)
{
    try {
        return image.profile("icc");
    } catch (const Magick::Exception&) {
        return Magick::Blob();
    }
}

// A profile for other pixels than the file's (an RGB profile in a CMYK
// JPEG) would turn the colours into a negative: it is taken out, so that
// the photo is read as what its pixels are, with a warning unless `quiet`.
// Says whether it was.
bool DropProfileForOtherPixels(Magick::Image& image, const QString& path, bool quiet)
{
    const bool cmyk = image.colorSpace() == Magick::CMYKColorspace;
    const Magick::Blob embedded = IccOf(image);
    const QString space = CImageManager::IccSpace(embedded);
    if (embedded.length() == 0 || (space == QLatin1String("CMYK")) == cmyk)
        return false;
    if (!quiet)
        qDebug().noquote() << "Warning:" << path
                           << QStringLiteral("read without its ICC profile (the profile is for %1, the pixels are %2)")
                                  .arg(space, cmyk ? QStringLiteral("CMYK") : QStringLiteral("not"));
    image.modifyImage();
    MagickCore::DeleteImageProfile(image.image(), "icc");
    return true;
}

} // namespace

IPreviewProgressSink::~IPreviewProgressSink() = default;

QString CImageManager::IccSpace(const Magick::Blob& profile)
{
    if (profile.length() < 20)
        return QStringLiteral("no colour space");
    return QString::fromLatin1(static_cast<const char*>(profile.data()) + 16, 4).trimmed();
}

MagickCore::MagickBooleanType MagickProgressMonitor(const char*, MagickCore::MagickOffsetType offset,
                                                    MagickCore::MagickSizeType span, void* client)
{
    const int percent = PercentOf(static_cast<double>(offset), static_cast<double>(span));
    return ReportProgress(static_cast<SProgressData*>(client), percent) ? MagickCore::MagickTrue
                                                                        : MagickCore::MagickFalse;
}

bool ProgressMonitor(qint64 done, qint64 total, void* context)
{
    return ReportProgress(static_cast<SProgressData*>(context),
                          PercentOf(static_cast<double>(done), static_cast<double>(total)));
}

// --- object -----------------------------------------------------------------

CImageManager::CImageManager()
    : m_pProfile(CUserProfile::GetInstance())
    , m_pFormats(CFormatsEnum::GetInstance())
    , m_pCache(CIMImageCache::GetInstance())
    , m_pIcc(CICCProfiles::GetInstance())
{
}

CImageManager::CImageManager(const CImageManager& other)
    : m_pProfile(other.m_pProfile)
    , m_pFormats(other.m_pFormats)
    , m_pCache(other.m_pCache)
    , m_pIcc(other.m_pIcc)
{
    *this = other;
}

CImageManager& CImageManager::operator=(const CImageManager& other)
{
    if (this == &other)
        return *this;
    m_pProfile = other.m_pProfile;
    m_pFormats = other.m_pFormats;
    m_pCache = other.m_pCache;
    m_pIcc = other.m_pIcc;
    m_Image = other.m_Image;
    m_Pages = other.m_Pages;
    try {
        DetachMonitor(m_Image);
        for (Magick::Image& page : m_Pages)
            DetachMonitor(page);
    } catch (const Magick::Exception&) {
        // Out of memory for the copy's own settings: it keeps none.
        m_Image = Magick::Image();
        m_Pages.clear();
    }
    m_Path = other.m_Path;
    m_bPreview = other.m_bPreview;
    m_Filters = other.m_Filters;
    m_Filters.target = nullptr;
    m_Properties = other.m_Properties;
    m_Progress = other.m_Progress;
    m_bSourceCmyk = other.m_bSourceCmyk;
    m_SourceProfile = other.m_SourceProfile;
    m_Damage = other.m_Damage;
    m_ReadError = other.m_ReadError;
    m_WrittenFiles = other.m_WrittenFiles;
    return *this;
}

CImageManager::~CImageManager() = default;

// --- shared helpers ---------------------------------------------------------

QString CImageManager::FormatOf(const QString& path)
{
    const int dot = path.lastIndexOf('.');
    return (dot < 0 ? path : path.mid(dot + 1)).toUpper();
}

bool CImageManager::MagickPath(const QString& path, bool forWrite, std::string& out)
{
    if (path.isEmpty() || path.toUtf8().size() >= kMaxPathBytes)
        return false;
    QByteArray bytes = QFileInfo(path).absoluteFilePath().toUtf8();
    // The library expands "%d"-style patterns in names it writes.
    if (forWrite)
        bytes.replace("%", "%%");
    if (bytes.size() >= kMaxPathBytes)
        return false;
    out.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

void CImageManager::DetachMonitor(Magick::Image& image)
{
    if (!image.constImage()->progress_monitor && !image.constImageInfo()->progress_monitor)
        return;
    // Copies share the image and its settings; give this one its own first.
    image.modifyImage();
    MagickCore::SetImageProgressMonitor(image.image(), nullptr, nullptr);
    MagickCore::SetImageInfoProgressMonitor(image.imageInfo(), nullptr, nullptr);
}

void CImageManager::AttachMonitor(Magick::Image& image)
{
    if (!m_bPreview)
        return;
    image.modifyImage();
    MagickCore::SetImageProgressMonitor(image.image(), MagickProgressMonitor, &m_Progress);
    MagickCore::SetImageInfoProgressMonitor(image.imageInfo(), MagickProgressMonitor, &m_Progress);
}

bool CImageManager::StepFailed(const Magick::Image& image) const
{
    return (m_bPreview && m_Progress.abort.load()) || !image.isValid();
}

void CImageManager::ClearSourceColour()
{
    m_bSourceCmyk = false;
    m_SourceProfile = Magick::Blob();
}

void CImageManager::SetThread(QThread* thread)
{
    ptrThread.store(dynamic_cast<IPreviewProgressSink*>(thread));
}

void CImageManager::ClearThread(IPreviewProgressSink* sink)
{
    ptrThread.compare_exchange_strong(sink, nullptr);
}

// --- reading ----------------------------------------------------------------

int CImageManager::IdentifyImage(const QString& path)
{
    const QString extension = FormatOf(path);
    for (const QString& raw : m_pFormats->rawExtensions) {
        if (raw.toUpper() == extension)
            return ImageKindRaw;
    }
    return ImageKindMagick;
}

bool CImageManager::Read(const QString& path)
{
    ClearSourceColour();
    m_Damage.clear();
    m_ReadError.clear();
    if (m_bPreview) {
        Magick::Image cached;
        if (m_pCache->Check(path, cached)) {
            try {
                AttachMonitor(cached);
            } catch (const Magick::Exception&) {
                return false;
            }
            m_Image = cached;
            m_Path = path;
            SetProperties(PropertiesFromImage, nullptr);
            return true;
        }
    }
    // A hit above opens nothing; anything else must be a regular file.
    m_ReadError = CPathSafety::NotRegularFileReason(path);
    if (!m_ReadError.isEmpty())
        return false;
    const bool ok = IdentifyImage(path) == ImageKindRaw ? ReadRAW(path) : ReadMagick(path);
    if (ok)
        m_Path = path;
    // A cancelled read never reaches the cache: it would serve a partial image.
    if (ok && m_bPreview && !m_Progress.abort.load())
        m_pCache->Write(path, m_Image);
    return ok;
}

bool CImageManager::ReadMagick(const QString& path)
{
    CMagickReader::SResult read =
        CMagickReader::Read(path, CMagickReader::FirstFrame, m_bPreview ? &m_Progress : nullptr, m_DecodeHint);
    // A damaged photo still gives its decoded part; the caller decides.
    m_Damage = read.damage;
    m_ReadError = read.error;
    if (read.frames.isEmpty()) {
        qDebug().noquote() << "Cannot load" << path << ":" << read.error;
        return false;
    }
    if (!read.clean)
        qDebug().noquote() << "Warning:" << path << (read.damage.isEmpty() ? "read with warnings" : read.damage);
    Magick::Image image;
    try {
        CMagickReader::ComposeAnimation(read.frames);
        image = read.frames.first();
        AttachMonitor(image);
        if (StepFailed(image))
            return false;
        // The colour-separation types are exactly the CMYK images; asking for
        // the type itself would scan the pixels of a grey photo.
        const bool cmyk = image.colorSpace() == Magick::CMYKColorspace;
        DropProfileForOtherPixels(image, path, false);
        const Magick::Blob embedded = IccOf(image);
        if (cmyk) {
            // Label CMYK data without a profile as RSWOP, then convert it to
            // sRGB; the writer restores CMYK from the two flags.
            const Magick::Blob srgb = m_pIcc->GetIccProfile(CICCProfiles::SlotSrgb);
            const Magick::Blob rswop = m_pIcc->GetIccProfile(CICCProfiles::SlotRswop);
            try {
                if (embedded.length() == 0 && rswop.length() > 0)
                    image.profile("icc", rswop);
                if (srgb.length() > 0)
                    image.profile("icc", srgb);
            } catch (const Magick::Warning& warning) {
                qDebug().noquote() << "Warning:" << warning.what();
            }
            if (StepFailed(image))
                return false;
        }
        m_Image = image;
        m_bSourceCmyk = cmyk;
        m_SourceProfile = embedded;
    } catch (const Magick::Exception&) {
        qDebug() << "An unknown error occured while loading the image.";
        return false;
    }
    SetProperties(PropertiesFromImage, nullptr);
    if (!m_DecodeHint.isEmpty() && m_Image.baseColumns() > 0 && m_Image.baseRows() > 0) {
        // The photo's own size, from its header, not the reduced decode's.
        m_Properties.width = static_cast<qint64>(m_Image.baseColumns());
        m_Properties.height = static_cast<qint64>(m_Image.baseRows());
    }
    return true;
}

bool CImageManager::Ping(const QString& path)
{
    m_ReadError = CPathSafety::NotRegularFileReason(path);
    if (!m_ReadError.isEmpty())
        return false;
    std::string file;
    if (!MagickPath(path, false, file))
        return false;
    if (IdentifyImage(path) == ImageKindRaw)
        return PingRAW(path);
    // Header data read despite a warning still describes the file.
    const CMagickReader::SResult ping = CMagickReader::Ping(path, CMagickReader::FirstFrame);
    m_ReadError = ping.error;
    if (ping.frames.isEmpty())
        return false;
    const Magick::Image& image = ping.frames.first();
    if (image.columns() == 0 || image.rows() == 0)
        return false;
    m_Image = image;
    SetProperties(PropertiesFromImage, nullptr);
    return true;
}

QSize CImageManager::DecodeHint(const QList<SFilterRecord>& chain) const
{
    try {
        if (m_Image.magick() != "JPEG")
            return QSize();
        const QSize photo(static_cast<int>(m_Image.columns()), static_cast<int>(m_Image.rows()));
        return CImageFilters::DecodeHint(chain, photo, static_cast<int>(m_Image.orientation()));
    } catch (const Magick::Exception&) {
        return QSize();
    }
}

int CImageManager::GetPageCount(const QString& path)
{
    std::string file;
    m_ReadError = CPathSafety::NotRegularFileReason(path);
    if (!m_ReadError.isEmpty() || !MagickPath(path, false, file))
        return 0;
    if (IdentifyImage(path) == ImageKindRaw)
        return GetRawPageCount(path);
    // A warning leaves the frames found; an error (the policy's frame limit
    // included) leaves none, and its reason for the caller.
    const CMagickReader::SResult ping = CMagickReader::Ping(path, CMagickReader::AllFrames);
    m_ReadError = ping.error;
    return ping.frames.size();
}

bool CImageManager::ReadAndInsertPage(const QString& path)
{
    ClearSourceColour();
    const bool ok = Read(path);
    if (ok) {
        m_Pages.append(m_Image);
        SetProperties(PropertiesFromImage, nullptr);
    }
    m_Image = Magick::Image();
    return ok;
}

bool CImageManager::ReadMultipage(const QString& path)
{
    ClearSourceColour();
    m_Path = path;
    m_Pages.clear();
    m_Damage.clear();
    m_ReadError.clear();
    std::string file;
    if (!MagickPath(path, false, file)) {
        m_Image = Magick::Image();
        return false;
    }
    CMagickReader::SResult read =
        CMagickReader::Read(path, CMagickReader::AllFrames, m_bPreview ? &m_Progress : nullptr);
    // The damage is named even though the multi-page read fails on it.
    m_Damage = read.damage;
    m_ReadError = read.error;
    QList<Magick::Image> frames = read.frames;
    read.frames.clear();
    try {
        CMagickReader::ComposeAnimation(frames);
    } catch (const Magick::Exception& e) {
        // Magick++ puts the client's name in front of the library's reason.
        m_ReadError = CMagickReader::ShortReason(e.what()).section(QLatin1String(": "), 1);
        frames.clear();
    }
    bool told = false;
    for (Magick::Image& frame : frames) {
        DetachMonitor(frame);
        try {
            told = DropProfileForOtherPixels(frame, path, told) || told;
        } catch (const Magick::Exception&) {
        }
    }
    m_Pages = frames;
    // Damage fails the multi-page read; a harmless warning (an unknown tag)
    // does not, as in the single read, whose page count it left standing.
    if (!m_Damage.isEmpty() || frames.isEmpty() || (m_bPreview && m_Progress.abort.load())) {
        m_Image = Magick::Image();
        return false;
    }
    if (m_pProfile->MultipageWrite == 1) {
        FlattenLayers();
        if (!m_Image.isValid())
            return false;
    }
    return true;
}

void CImageManager::FlattenLayers()
{
    if (m_Pages.isEmpty())
        return;
    try {
        Magick::Image flat;
        Magick::flattenImages(&flat, m_Pages.begin(), m_Pages.end());
        m_Image = flat;
    } catch (const Magick::Exception&) {
        m_Image = Magick::Image();
    }
}

// --- filters ----------------------------------------------------------------

bool CImageManager::ApplyFilter(const SFilterRecord& record)
{
    m_Filters.target = &m_Image;
    m_Filters.sourcePath = m_Path;
    m_Filters.record = record;
    m_Progress.abort.store(false);
    m_Progress.finished = false;
    bool ok = false;
    m_FilterFailure.clear();
    try {
        AttachMonitor(m_Image);
        ok = m_Filters.Apply();
        m_FilterFailure = m_Filters.failure;
    } catch (const Magick::Exception&) {
        ok = false;
    }
    return ok && !StepFailed(m_Image);
}

bool CImageManager::ApplyFilterToMultipage(const SFilterRecord& record)
{
    if (m_pProfile->MultipageWrite == 1)
        return ApplyFilter(record);
    CImageFilters filters;
    filters.sourcePath = m_Path;
    filters.record = record;
    bool ok = true;
    m_FilterFailure.clear();
    for (Magick::Image& page : m_Pages) {
        filters.target = &page;
        ok = filters.Apply() && ok;
        if (m_FilterFailure.isEmpty())
            m_FilterFailure = filters.failure;
        if (m_pProfile->MultipageWrite == 2)
            break;
    }
    return ok;
}

bool CImageManager::ApplyFilterToCurrentPage(const SFilterRecord& record)
{
    m_FilterFailure.clear();
    if (m_Pages.isEmpty())
        return false;
    CImageFilters filters;
    filters.sourcePath = m_Path;
    filters.record = record;
    filters.target = &m_Pages.last();
    const bool ok = filters.Apply();
    m_FilterFailure = filters.failure;
    return ok;
}

// --- preview ----------------------------------------------------------------

bool CImageManager::Zoom(double percent)
{
    if (!m_Image.isValid())
        return false;
    const auto scaled = [percent](size_t side) {
        return std::floor(static_cast<double>(side) * percent / 100.0 + 0.5);
    };
    const double width = scaled(m_Image.columns());
    const double height = scaled(m_Image.rows());
    // A zero side would make the library keep the size instead.
    if (!(width >= 1 && height >= 1))
        return false;
    // At the image's own size the zoom is a copy: scaling would resample
    // and the preview would no longer equal what a run writes.
    if (static_cast<size_t>(width) == m_Image.columns() && static_cast<size_t>(height) == m_Image.rows())
        return true;
    try {
        AttachMonitor(m_Image);
        m_Image.scale(Magick::Geometry(static_cast<size_t>(width), static_cast<size_t>(height)));
    } catch (const Magick::Exception&) {
        return false;
    }
    return !StepFailed(m_Image);
}

bool CImageManager::AlphaToCheckboard()
{
    try {
        // An opaque result with an alpha channel shows as it is: laying it
        // on the board would round its colours again.
        if (!m_Image.matte() || m_Image.isOpaque())
            return true;
        Magick::Image board;
        board.size(Magick::Geometry(m_Image.columns(), m_Image.rows()));
        // Only the composite may be cancelled: the pattern reader, when
        // cancelled, destroys a null image and the library's assertion ends
        // the process.
        board.read("pattern:checkerboard");
        AttachMonitor(board);
        board.composite(m_Image, 0, 0, Magick::AtopCompositeOp);
        if (StepFailed(board))
            return false;
        m_Image = board;
    } catch (const Magick::Exception&) {
        return false;
    }
    return true;
}

void CImageManager::SetImage(const Magick::Image& image)
{
    m_Image = Magick::Image();
    m_Image = image;
    try {
        DetachMonitor(m_Image);
    } catch (const Magick::Exception&) {
    }
}

QPixmap CImageManager::ImageToPixmap(const QRect& rect)
{
    try {
        const QRect image(0, 0, static_cast<int>(m_Image.columns()), static_cast<int>(m_Image.rows()));
        if (!rect.isValid() || !image.contains(rect))
            return QPixmap();
        // The preview lays transparent photos on a checkerboard first. The
        // alpha bytes are set to 255 in place: an RGB32 pixel must carry
        // 0xff there, or painters copy the stray alpha onto the widget.
        QImage part = ImageMagickToQt(m_Image, rect).convertToFormat(QImage::Format_RGB32);
        if (part.isNull())
            return QPixmap();
        QPixmap pixmap;
        pixmap.convertFromImage(part, Qt::ColorOnly);
        return pixmap;
    } catch (const Magick::Exception&) {
        return QPixmap();
    }
}
