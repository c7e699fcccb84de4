#pragma once
// The worker of one preview widget: loads a photo, applies the widget's
// filter chain, scales the result and hands it back. The GUI and the worker
// meet only in two slots guarded by one mutex: the request slot (what to do
// next, with a generation counter) and the result slot (the newest finished
// result, by value). The GUI never touches the worker's engines.

#include "ImageManager.h"
#include "ListFilters.h"
#include "PreviewProgressSink.h"

#include <QList>
#include <QMutex>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class CFormatsEnum;
class CUserProfile;

// Zooms and shown coordinates: truncated toward zero, plus 1 when the
// dropped fraction is 0.5 or more.
int PreviewRound(double value);
// The zoom at which a width x height image fits the viewport: the width
// decides unless the truncated height would then overflow. No upper bound.
double PreviewFitZoom(qint64 width, qint64 height, const QSize& viewport);

enum PreviewOp : qint32 { PreviewOpNone = 0, PreviewOpStart = 1, PreviewOpZoom = 2, PreviewOpCleanup = 3 };

// What the widget asks for. A zoom request uses only the geometry fields.
struct SPreviewRequest {
    QString path;
    QList<SFilterRecord> filters;
    QSize viewport{-1, -1}; // device pixels
    QPoint scroll;          // pixels of the zoomed image
    double zoom = 100.0;
    double minZoom = 0.0;
    bool singleFilter = false;
    PreviewOp op = PreviewOpNone;
    quint64 generation = 0;
};

// A finished job. The engines are copies that share pixels with the
// worker's, carry no progress monitor and have the preview switch off.
struct SPreviewResult {
    bool valid = false;
    CImageManager loader; // full-size result
    CImageManager zoomed; // the same, scaled to `zoom`
    QPoint scroll;
    double zoom = 0.0; // the zoom applied (a refit replaces the asked one)
    double minZoom = 0.0;
    quint64 generation = 0;
};

class CControlImageThread : public QThread, public IPreviewProgressSink
{
    Q_OBJECT

public:
    CControlImageThread();
    // Stops and joins the thread when its owner has not.
    ~CControlImageThread() override;

    // --- GUI side. Each post raises the abort request so that a running job
    // stops, and returns the request's generation.
    quint64 PostPreview(const SPreviewRequest& request);
    // Merged into a posted preview that has not run yet, which then uses
    // the new geometry; otherwise replaces the posted operation.
    quint64 PostZoom(double zoom, double minZoom, const QPoint& scroll, const QSize& viewport);
    // Replaces any posted job and empties the result slot at once; the
    // engines are emptied between jobs.
    quint64 Cleanup();
    // Drops the posted job after the current pass. A request posted after
    // the cancel survives it.
    void CancelJob();
    // Sets quit and the abort request; the caller then wait()s.
    void RequestQuit();
    // Moves the newest result out of its slot; false when there is none.
    bool TakeResult(SPreviewResult& result);

    int PendingOp() const;
    quint64 PostedGeneration() const;
    int FailureCount() const { return failureCount.load(std::memory_order_acquire); }

    // Test seams, both guarded by the request lock. The seconds source
    // drives the per-second drop rule; the settle hook runs on the worker
    // thread after a job returns and before its operation is settled.
    void SetSecondsSource(std::function<qint64()> source);
    void SetSettleHook(std::function<void()> hook);

    // Publishes a progress record into the settings object. Runs on the
    // worker and on the image library's threads.
    void UpdateStatusBar(SProgressData* record) override;

signals:
    void Show();
    void DisplayGSMessage(QString extension);
    // A posted job ended without a result and will not be retried.
    void JobDropped(quint64 generation);
    // The photo of a preview request could not be read; JobDropped follows.
    void Unreadable(quint64 generation);

protected:
    void run() override;

private:
    enum class Outcome { Shown, Done, Retry, Dropped };

    void RunPass();
    Outcome RunJob(const SPreviewRequest& job);
    void Settle(const SPreviewRequest& job, Outcome outcome, bool cancelledBeforeStart);
    void DropFailedRequest();

    Outcome ThreadOpStartPreview(const SPreviewRequest& job);
    Outcome ThreadOpZoom(const SPreviewRequest& job);
    Outcome EndAborted();
    // `minZoom` is the fit zoom in force: the job's, or the refit one.
    bool Zoom(double percent, double minZoom, const SPreviewRequest& job, QPoint& scroll);
    double RecalculateMinZoom(const QSize& viewport) const;
    bool CheckCompositeOverImage(Magick::Image& output, const SPreviewRequest& job);
    void EmptyEngines();
    void StoreResult(const SPreviewRequest& job, const QPoint& scroll, double zoom, double minZoom);

    // True when the running job must stop: abort request, cancel, quit, or
    // a newer request (the engine clears the abort flag before a filter).
    bool Aborted() const;
    void PublishStatus(const QString& text);
    void PublishFinished();
    qint64 Seconds();

    CFormatsEnum* m_pFormats;
    CUserProfile* m_pProfile;
    CImageManager m_Loader;
    CImageManager m_Zoomer;
    SProgressData* progress;
    QString path;

    // Request slot and result slot.
    mutable QMutex m_Lock;
    QWaitCondition m_Wake;
    SPreviewRequest m_Request;
    SPreviewResult m_Result;
    quint64 m_CancelGeneration = 0;
    quint64 m_CleanupGeneration = 0;
    quint64 m_LastTaken = 0;
    std::function<qint64()> m_Seconds;
    std::function<void()> m_SettleHook;

    std::atomic<quint64> m_PostedGeneration{0};
    std::atomic<quint64> m_RunningGeneration{0};
    std::atomic<bool> quitRequested{false};
    std::atomic<bool> cancelRequested{false};

    // Real read failures of one generation (worker thread only, read by tests).
    std::atomic<int> failureCount{0};
    quint64 m_FailureGeneration = 0;
    bool m_GSNoticeSent = false;

    // The last publish, to skip repeats from the library's threads.
    QMutex m_PublishLock;
    bool m_Published = false;
    int m_LastPercent = 0;
    QString m_LastComment;
};
