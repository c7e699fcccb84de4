#include "ControlImageThread.h"

#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "Quantum.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDateTime>
#include <QDebug>
#include <QMetaType>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kPollMs = 50;
// Failed passes of one request (a job that threw) after which the next
// second change drops it.
constexpr int kFailuresBeforeDrop = 4;
// Alpha of the veil over the dimmed copy, on the 8-bit scale.
constexpr int kVeilAlpha8 = 89;
constexpr double kDimGamma = 0.4;

void EmptyEngine(CImageManager& engine)
{
    engine.m_Image = Magick::Image();
    engine.m_Pages.clear();
}

// A copy that the GUI may use freely: no monitor (the engine's copy drops
// it), and no preview switch, so it never reports into the worker.
CImageManager Published(const CImageManager& engine)
{
    CImageManager copy(engine);
    copy.m_bPreview = false;
    copy.m_Progress.sink = nullptr;
    return copy;
}

// Where a part starts when it is centred on the canvas.
ssize_t Centred(size_t canvas, size_t part)
{
    return (static_cast<ssize_t>(canvas) - static_cast<ssize_t>(part)) / 2;
}

bool ChangesSize(quint32 id)
{
    return id == FilterPictureFrame || id == FilterVintageFrame || id == FilterShadow || id == FilterSimpleBorder ||
           id == FilterRotate;
}

} // namespace

int PreviewRound(double value)
{
    const double whole = std::trunc(value);
    return static_cast<int>(value - whole >= 0.5 ? whole + 1 : whole);
}

double PreviewFitZoom(qint64 width, qint64 height, const QSize& viewport)
{
    if (width <= 0 || height <= 0)
        return 0.0;
    double zoom = viewport.width() * 100.0 / static_cast<double>(width);
    if (static_cast<qint64>(static_cast<double>(height) * zoom / 100.0) > viewport.height())
        zoom = viewport.height() * 100.0 / static_cast<double>(height);
    return zoom;
}

CControlImageThread::CControlImageThread()
    : m_pFormats(CFormatsEnum::GetInstance()), m_pProfile(CUserProfile::GetInstance())
{
    qRegisterMetaType<quint64>("quint64");
    m_Loader.m_bPreview = true;
    m_Zoomer.m_bPreview = true;
    // Each record names its worker, so a report never reaches another one.
    m_Loader.m_Progress.sink = this;
    m_Zoomer.m_Progress.sink = this;
    progress = &m_Loader.m_Progress;
}

CControlImageThread::~CControlImageThread()
{
    RequestQuit();
    wait();
    CImageManager::ClearThread(this);
}

// --- GUI side -----------------------------------------------------------------

quint64 CControlImageThread::PostPreview(const SPreviewRequest& request)
{
    QMutexLocker lock(&m_Lock);
    progress->abort.store(true, std::memory_order_release);
    const quint64 generation = m_Request.generation + 1;
    m_Request = request;
    m_Request.op = PreviewOpStart;
    m_Request.generation = generation;
    m_PostedGeneration.store(generation, std::memory_order_release);
    m_Wake.wakeAll();
    return generation;
}

quint64 CControlImageThread::PostZoom(double zoom, double minZoom, const QPoint& scroll, const QSize& viewport)
{
    QMutexLocker lock(&m_Lock);
    progress->abort.store(true, std::memory_order_release);
    if (m_Request.op != PreviewOpStart)
        m_Request.op = PreviewOpZoom;
    m_Request.zoom = zoom;
    m_Request.minZoom = minZoom;
    m_Request.scroll = scroll;
    m_Request.viewport = viewport;
    m_Request.generation++;
    m_PostedGeneration.store(m_Request.generation, std::memory_order_release);
    m_Wake.wakeAll();
    return m_Request.generation;
}

quint64 CControlImageThread::Cleanup()
{
    QMutexLocker lock(&m_Lock);
    progress->abort.store(true, std::memory_order_release);
    const quint64 generation = m_Request.generation + 1;
    m_Request = SPreviewRequest();
    m_Request.op = PreviewOpCleanup;
    m_Request.generation = generation;
    m_CleanupGeneration = generation;
    m_Result.valid = false;
    EmptyEngine(m_Result.loader);
    EmptyEngine(m_Result.zoomed);
    m_PostedGeneration.store(generation, std::memory_order_release);
    m_Wake.wakeAll();
    return generation;
}

void CControlImageThread::CancelJob()
{
    QMutexLocker lock(&m_Lock);
    m_CancelGeneration = m_Request.generation;
    cancelRequested.store(true, std::memory_order_release);
    progress->abort.store(true, std::memory_order_release);
}

void CControlImageThread::RequestQuit()
{
    QMutexLocker lock(&m_Lock);
    quitRequested.store(true, std::memory_order_release);
    progress->abort.store(true, std::memory_order_release);
    m_Wake.wakeAll();
}

bool CControlImageThread::TakeResult(SPreviewResult& result)
{
    QMutexLocker lock(&m_Lock);
    if (!m_Result.valid)
        return false;
    result = m_Result;
    m_Result.valid = false;
    EmptyEngine(m_Result.loader);
    EmptyEngine(m_Result.zoomed);
    return true;
}

int CControlImageThread::PendingOp() const
{
    QMutexLocker lock(&m_Lock);
    return m_Request.op;
}

quint64 CControlImageThread::PostedGeneration() const
{
    return m_PostedGeneration.load(std::memory_order_acquire);
}

void CControlImageThread::SetSecondsSource(std::function<qint64()> source)
{
    QMutexLocker lock(&m_Lock);
    m_Seconds = std::move(source);
}

void CControlImageThread::SetSettleHook(std::function<void()> hook)
{
    QMutexLocker lock(&m_Lock);
    m_SettleHook = std::move(hook);
}

// --- publishing ---------------------------------------------------------------

void CControlImageThread::UpdateStatusBar(SProgressData* record)
{
    if (!record || quitRequested.load(std::memory_order_acquire))
        return;
    const bool done = record->finished || record->abort.load(std::memory_order_acquire);
    const int percent = done ? -1 : record->percent.load(std::memory_order_acquire);
    const QString comment = done ? QString() : record->status;
    // The library reports from several threads at once; one publish at a time.
    QMutexLocker lock(&m_PublishLock);
    const bool first = !m_Published;
    if (!first && percent == m_LastPercent && comment == m_LastComment)
        return;
    m_Published = true;
    if (first || percent != m_LastPercent) {
        m_LastPercent = percent;
        m_pProfile->SetPreviewProgress(percent);
    }
    if (first || comment != m_LastComment) {
        m_LastComment = comment;
        m_pProfile->SetPreviewComment(comment);
    }
}

void CControlImageThread::PublishStatus(const QString& text)
{
    progress->status = text;
    progress->percent.store(0, std::memory_order_release);
    progress->finished = false;
    UpdateStatusBar(progress);
}

void CControlImageThread::PublishFinished()
{
    progress->finished = true;
    UpdateStatusBar(progress);
}

// --- loop ---------------------------------------------------------------------

qint64 CControlImageThread::Seconds()
{
    std::function<qint64()> source;
    {
        QMutexLocker lock(&m_Lock);
        source = m_Seconds;
    }
    return source ? source() : QDateTime::currentSecsSinceEpoch();
}

void CControlImageThread::run()
{
    SystemLogWrite(QStringLiteral("CControlImageThread::run"));
    qint64 second = Seconds();
    failureCount.store(0, std::memory_order_release);
    while (!quitRequested.load(std::memory_order_acquire)) {
        const qint64 now = Seconds();
        if (now > second) {
            if (failureCount.load(std::memory_order_acquire) >= kFailuresBeforeDrop)
                DropFailedRequest();
            failureCount.store(0, std::memory_order_release);
            second = now;
        }
        {
            // A fresh request or quit wakes the loop at once; retries and
            // idle passes wait for the poll.
            QMutexLocker lock(&m_Lock);
            if (!quitRequested.load(std::memory_order_acquire) &&
                (m_Request.op == PreviewOpNone || m_Request.generation == m_LastTaken))
                m_Wake.wait(&m_Lock, kPollMs);
        }
        if (quitRequested.load(std::memory_order_acquire))
            break;
        RunPass();
    }
    EmptyEngines();
}

void CControlImageThread::RunPass()
{
    SPreviewRequest job;
    std::function<void()> hook;
    bool cancelled = false;
    {
        QMutexLocker lock(&m_Lock);
        if (m_Request.op == PreviewOpNone) {
            if (m_CancelGeneration <= m_Request.generation)
                cancelRequested.store(false, std::memory_order_release);
            progress->abort.store(false, std::memory_order_release);
            return;
        }
        job = m_Request;
        hook = m_SettleHook;
        cancelled = cancelRequested.load(std::memory_order_acquire) && m_CancelGeneration >= job.generation;
        if (job.generation != m_FailureGeneration) {
            m_FailureGeneration = job.generation;
            failureCount.store(0, std::memory_order_release);
            m_GSNoticeSent = false;
        }
        m_LastTaken = job.generation;
        m_RunningGeneration.store(job.generation, std::memory_order_release);
        // Cleared here, under the lock, so that only a later post or cancel
        // can raise it for this job.
        if (!cancelled)
            progress->abort.store(false, std::memory_order_release);
    }
    Outcome outcome = Outcome::Dropped;
    if (!cancelled) {
        try {
            outcome = RunJob(job);
            if (hook)
                hook();
        } catch (...) {
            // No exception leaves the thread; it counts as a failed read.
            failureCount.fetch_add(1, std::memory_order_acq_rel);
            PublishFinished();
            outcome = Outcome::Retry;
        }
    }
    Settle(job, outcome, cancelled);
}

CControlImageThread::Outcome CControlImageThread::RunJob(const SPreviewRequest& job)
{
    switch (job.op) {
    case PreviewOpStart:
        return ThreadOpStartPreview(job);
    case PreviewOpZoom:
        return ThreadOpZoom(job);
    case PreviewOpCleanup:
        EmptyEngines();
        return Outcome::Done;
    case PreviewOpNone:
        break;
    }
    return Outcome::Done;
}

void CControlImageThread::Settle(const SPreviewRequest& job, Outcome outcome, bool cancelledBeforeStart)
{
    bool dropped = false;
    {
        QMutexLocker lock(&m_Lock);
        // A newer post answers for itself; only the job's own request settles.
        if (m_Request.generation == job.generation && m_Request.op != PreviewOpNone) {
            const bool cancelled = cancelledBeforeStart || (cancelRequested.load(std::memory_order_acquire) &&
                                                            m_CancelGeneration >= job.generation);
            if (cancelled || outcome != Outcome::Retry) {
                m_Request.op = PreviewOpNone;
                dropped = outcome == Outcome::Dropped || (cancelled && outcome == Outcome::Retry);
            }
        }
        // A cancel aimed at a newer request stays for that request.
        if (m_CancelGeneration <= job.generation) {
            cancelRequested.store(false, std::memory_order_release);
            progress->abort.store(false, std::memory_order_release);
        }
        m_RunningGeneration.store(0, std::memory_order_release);
    }
    if (dropped) {
        PublishFinished();
        emit JobDropped(job.generation);
    }
}

void CControlImageThread::DropFailedRequest()
{
    quint64 generation = 0;
    QString failedPath;
    bool preview = false;
    {
        QMutexLocker lock(&m_Lock);
        if (m_Request.op == PreviewOpNone || m_Request.op == PreviewOpCleanup ||
            m_Request.generation != m_FailureGeneration)
            return;
        generation = m_Request.generation;
        failedPath = m_Request.path;
        preview = m_Request.op == PreviewOpStart;
        m_Request.op = PreviewOpNone;
    }
    if (preview)
        qWarning().noquote() << "Preview: cannot read" << failedPath;
    PublishFinished();
    emit JobDropped(generation);
}

bool CControlImageThread::Aborted() const
{
    if (quitRequested.load(std::memory_order_acquire) || cancelRequested.load(std::memory_order_acquire) ||
        progress->abort.load(std::memory_order_acquire))
        return true;
    return m_PostedGeneration.load(std::memory_order_acquire) != m_RunningGeneration.load(std::memory_order_acquire);
}

CControlImageThread::Outcome CControlImageThread::EndAborted()
{
    PublishFinished();
    return Outcome::Retry;
}

void CControlImageThread::EmptyEngines()
{
    EmptyEngine(m_Loader);
    EmptyEngine(m_Zoomer);
    path.clear();
}

// --- jobs ---------------------------------------------------------------------

CControlImageThread::Outcome CControlImageThread::ThreadOpStartPreview(const SPreviewRequest& job)
{
    SystemLogWrite(QStringLiteral("CControlImageThread::ThreadOpStartPreview"));
    path = job.path;
    m_Loader.SetThread(this);
    PublishStatus(tr("Loading") + QStringLiteral("..."));

    const int pages = m_Loader.GetPageCount(path);
    m_Loader.SetThread(this);
    const bool read =
        (pages >= 2 && m_pProfile->MultipageWrite == 1) ? m_Loader.ReadMultipage(path) : m_Loader.Read(path);
    progress->readOk = read;
    if (!read && !Aborted()) {
        failureCount.fetch_add(1, std::memory_order_acq_rel);
        // One notice per request, not one per retry.
        const int dot = path.lastIndexOf('.');
        const QString extension = dot < 0 ? path : path.mid(dot + 1);
        if (!m_GSNoticeSent && m_pFormats->GetRecordById(extension).needsGhostscript) {
            m_GSNoticeSent = true;
            emit DisplayGSMessage(extension);
        }
        // One try per request: the next post tries the photo again.
        qWarning().noquote() << "Preview: cannot read" << path;
        emit Unreadable(job.generation);
        return Outcome::Dropped;
    }
    if (!read || Aborted())
        return EndAborted();

    // The dimmed copy is made from the photo as read, before any filter.
    Magick::Image dimmed;
    const bool hasDimmed = CheckCompositeOverImage(dimmed, job);

    bool sizeChanged = false;
    bool resized = false;
    for (const SFilterRecord& record : job.filters) {
        if (record.active) {
            m_Loader.SetThread(this);
            PublishStatus(tr("Applying '%1' filter").arg(record.name) + QStringLiteral("..."));
            const size_t columns = m_Loader.m_Image.columns();
            const bool applied = m_Loader.ApplyFilter(record);
            progress->readOk = applied;
            if (!applied) {
                if (Aborted())
                    return EndAborted();
                PublishFinished();
                return Outcome::Dropped;
            }
            // Auto-rotate changes the size only when it turns the photo.
            const bool turned = record.id == FilterAutoRotate && m_Loader.m_Image.columns() != columns;
            sizeChanged = sizeChanged || ChangesSize(record.id) || turned;
            resized = resized || record.id == FilterResize;
        }
        if (Aborted())
            return EndAborted();
    }

    bool grown = false;
    if (hasDimmed) {
        // The canvas takes the larger size in each direction, so that what the
        // chain adds around the photo shows whole; around the dimmed copy it is
        // transparent, which the checkerboard fills below.
        const Magick::Image& image = m_Loader.m_Image;
        const size_t width = std::max(dimmed.columns(), image.columns());
        const size_t height = std::max(dimmed.rows(), image.rows());
        grown = width > dimmed.columns() || height > dimmed.rows();
        if (grown) {
            Magick::Image canvas(Magick::Geometry(width, height), Magick::Color(0, 0, 0, QuantumMax()));
            canvas.composite(dimmed, Centred(width, dimmed.columns()), Centred(height, dimmed.rows()),
                             Magick::OverCompositeOp);
            dimmed = canvas;
        }
        // Laid over in place: the copy has no other owner to be copied for.
        dimmed.composite(image, Centred(width, image.columns()), Centred(height, image.rows()),
                         Magick::OverCompositeOp);
        m_Loader.SetImage(dimmed);
    }

    double zoom = job.zoom;
    double minZoom = job.minZoom;
    const bool framed = sizeChanged && !resized;
    if (framed || grown) {
        // The fit of what is shown. A grown canvas keeps a zoom the user
        // chose; a fitted view stays fitted.
        minZoom = RecalculateMinZoom(job.viewport);
        if (framed || PreviewRound(job.zoom) <= PreviewRound(job.minZoom))
            zoom = minZoom;
    }
    m_Loader.AlphaToCheckboard();
    if (Aborted())
        return EndAborted();

    QPoint scroll;
    if (!Zoom(zoom, minZoom, job, scroll)) {
        if (Aborted())
            return EndAborted();
        PublishFinished();
        return Outcome::Dropped;
    }
    if (Aborted())
        return EndAborted();
    StoreResult(job, scroll, zoom, minZoom);
    emit Show();
    PublishFinished();
    return Outcome::Shown;
}

CControlImageThread::Outcome CControlImageThread::ThreadOpZoom(const SPreviewRequest& job)
{
    SystemLogWrite(QStringLiteral("CControlImageThread::ThreadOpZoom"));
    PublishStatus(tr("Zooming") + QStringLiteral("..."));
    QPoint scroll;
    if (!Zoom(job.zoom, job.minZoom, job, scroll)) {
        if (Aborted())
            return EndAborted();
        PublishFinished();
        return Outcome::Dropped;
    }
    if (Aborted())
        return EndAborted();
    StoreResult(job, scroll, job.zoom, job.minZoom);
    emit Show();
    PublishFinished();
    return Outcome::Shown;
}

bool CControlImageThread::Zoom(double percent, double minZoom, const SPreviewRequest& job, QPoint& scroll)
{
    const double previousWidth = static_cast<double>(m_Zoomer.m_Image.columns());
    const double previousHeight = static_cast<double>(m_Zoomer.m_Image.rows());
    if (!m_Loader.m_Image.isValid())
        return false;
    // Scaled in a scratch engine, so a failure keeps the previous zoomed
    // size for the next centre. Its own record: an abort does not stop it.
    CImageManager zoomed(m_Loader);
    zoomed.m_Progress.abort.store(false, std::memory_order_release);
    zoomed.SetThread(this);
    if (!zoomed.Zoom(percent))
        return false;
    m_Zoomer = zoomed;

    const double width = static_cast<double>(m_Zoomer.m_Image.columns());
    const double height = static_cast<double>(m_Zoomer.m_Image.rows());
    const double halfWidth = job.viewport.width() * 0.5;
    const double halfHeight = job.viewport.height() * 0.5;
    double fractionX = 50.0;
    double fractionY = 50.0;
    if (minZoom < percent) {
        // Before the first zoomed image the centre is taken against the new
        // size, so a scroll handed over from a friend view is kept.
        const bool previous = previousWidth > 0 && previousHeight > 0;
        fractionX = (job.scroll.x() + halfWidth) * 100.0 / (previous ? previousWidth : width);
        fractionY = (job.scroll.y() + halfHeight) * 100.0 / (previous ? previousHeight : height);
    }
    scroll = QPoint(PreviewRound(width * fractionX / 100.0 - halfWidth),
                    PreviewRound(height * fractionY / 100.0 - halfHeight));
    return true;
}

double CControlImageThread::RecalculateMinZoom(const QSize& viewport) const
{
    return PreviewFitZoom(static_cast<qint64>(m_Loader.m_Image.columns()), static_cast<qint64>(m_Loader.m_Image.rows()),
                          viewport);
}

bool CControlImageThread::CheckCompositeOverImage(Magick::Image& output, const SPreviewRequest& job)
{
    bool area = false;
    bool activeArea = false;
    for (const SFilterRecord& record : job.filters) {
        if (record.id == FilterCrop || record.id == FilterResize) {
            area = true;
            activeArea = activeArea || record.active;
        }
    }
    if (!activeArea && !(area && job.singleFilter))
        return false;
    Magick::Image copy(m_Loader.m_Image);
    copy.gamma(kDimGamma);
    // A black veil covering about 35 %; Magick++ 6 takes opacity, not alpha.
    const auto opacity = static_cast<Magick::Quantum>(QuantumMax() - QuantumFrom8(kVeilAlpha8));
    Magick::Image veil(Magick::Geometry(copy.columns(), copy.rows()), Magick::Color(0, 0, 0, opacity));
    copy.composite(veil, 0, 0, Magick::OverCompositeOp);
    output = copy;
    return true;
}

void CControlImageThread::StoreResult(const SPreviewRequest& job, const QPoint& scroll, double zoom, double minZoom)
{
    SPreviewResult result;
    result.valid = true;
    result.loader = Published(m_Loader);
    result.zoomed = Published(m_Zoomer);
    result.scroll = scroll;
    result.zoom = zoom;
    result.minZoom = minZoom;
    result.generation = job.generation;
    QMutexLocker lock(&m_Lock);
    // A result older than a Cleanup never reaches the blanked view.
    if (job.generation < m_CleanupGeneration)
        return;
    m_Result = result;
}
