#pragma once

#include "CProcessThread.h"
#include "CRunNames.h"
#include "ListImages.h"
#include "SProcessHooks.h"

#include <QDialog>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CListFilters;
class CPhotoDealer;
class CUploadBase;
class CUserProfile;
class QTimer;
namespace Ui
{
class CProcessController;
}

// The modal dialog that runs one batch: it deals the photo list to up to 32
// workers (each takes the next photo when free), shows progress, clock and
// run log, answers the workers' overwrite questions, supports pause and
// cancel, and at the end writes the summary and the processing log file or
// hands the files really written to the uploader.
//
// Built on the caller's stack after the pre-run checks; the constructor starts
// the run and exec() returns when the dialog closes (by itself in a silent or
// hidden run once nothing is pending). Every worker signal arrives queued, so
// all of this runs on the GUI thread; the workers are reached only through
// their atomic flags and AnswerQuestion.
class CProcessController : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxThreads = 32;

    explicit CProcessController(QWidget* parent, const SProcessHooks& hooks = SProcessHooks());
    // Joins every worker it started and puts back the image library's
    // thread limit.
    ~CProcessController() override;

    // The folder below which folder mode 1 recreates the source tree: the
    // longest run of whole path components all the photos' folders share.
    static QString FindCommonPath(const QList<SImageRecord>& photos);

    // After the run: false when it was interrupted, a photo failed or an
    // upload did not send every file; and the last summary line of its log.
    bool EndedWell() const { return !m_interrupted && m_errorCount == 0 && !m_uploadFellShort; }
    const QString& Summary() const { return m_summary; }

public slots:
    // Escape, the close button and OK: asks before abandoning a run or an
    // upload, closes once nothing is pending.
    void reject() override;

    // From the workers.
    void ProgressOperation();
    void ProgressImage();
    void UpdateLog(QString msg, int flag);
    void UpdateLog(QString msg);
    // Photos the job named that never reached the run (a Search folder that
    // could not be listed): an error of the run, its line already logged.
    void CountJobError() { ++m_errorCount; }
    void OverwriteDlg(QString outPathName, int thIndex);
    void OpenFolder(QString folderPath);
    void FinishedThread();
    void DisplayGSMessage(QString text);

    // From the uploader.
    void ProgressImageUpload(double speed);
    void FinishedUploading(int noOfUploadedFiles, QString log);
    void FinishedThreadUpload(int noOfUploadedFiles);

    // The once-a-second clock.
    void OnTimer();

signals:
    void Panel1StartPreview(bool keepSelectedImage);
    void Panel2StartPreview();

private slots:
    void on_buttonPause_clicked();
    void on_buttonOKCancel_clicked();

private:
    void Init();
    void StartThreads();
    void WriteHeader(int idealCount);
    void CheckCustomProfile();
    void UpdateTitleText(const QString& text);
    void StopThreads();
    // The end of the run, once the last worker has finished.
    void EndOfRun();
    void WriteSummary();
    // Running time: the stretches between start or resume and pause.
    qint64 RunningMs() const;
    bool Paused() const;
    bool HiddenRun() const;
    bool SilentMonitorRun() const;
    void HideWindows();
    void RestoreWindows();
    void LimitMagickThreads(int idealCount);
    void RestoreMagickThreads();

    // A line the controller writes itself: a paragraph on screen, and the
    // line plus "\r\n" in the file.
    void LogLine(const QString& line);
    void SaveLog();
    void SaveLogToDisk(const QString& path);
    // At the end: removes the run's temporary folder once nothing is left
    // in it, else logs where its files are kept.
    void EndRunTempFolder();

    // Upload hand-off.
    void UploadImages(int destination);
    void PrepareInterfaceForUpload();
    QStringList FilesToUpload() const;
    // After a successful hand-off of an upload-only run with DeleteSource:
    // removes the sources of the files handed over.
    void DeleteUploadedSources();

    Ui::CProcessController* ui;
    CListImages* m_pImages;   // not owned
    CListFilters* m_pFilters; // not owned
    CUserProfile* m_pProfile; // not owned
    SProcessHooks m_hooks;

    // Declared before the workers, so destroyed after them.
    std::unique_ptr<CPhotoDealer> m_dealer;
    CRunNames m_runNames;
    std::vector<std::unique_ptr<CProcessThread>> m_workers;
    QMutex m_questionLock;
    QMutex m_folderLock;
    QMutex m_outputPathsLock;
    QStringList m_outputPaths;
    QSet<QString> m_outputPathsLower;
    WrittenFileList m_writtenFiles;
    QHash<QString, SFileIdentity> m_sourcesRead;
    // Outputs that only feed an upload: a folder of this run's own.
    QString m_runTempFolder;

    int m_operationsPerImage = 2;
    int m_operationsTotal = 0;
    int m_operationsDone = 0;
    int m_imagesDone = 0;
    int m_threadCount = 0;
    qint64 m_estimatedTotalMs = 0;
    int m_finishedThreads = 0;
    bool m_interrupted = false;
    bool m_folderOpened = false;
    int m_errorCount = 0;
    bool m_canClose = false;
    bool m_runEnded = false;
    bool m_logSaved = false;
    bool m_screenStarted = false;
    QString m_runLog;
    bool m_keepOutputFiles = false;

    QTimer* m_clockTimer = nullptr;
    qint64 m_stretchStartMs = 0;
    qint64 m_pausedMs = 0;

    std::unique_ptr<CUploadBase> m_uploader;
    QStringList m_handedOver;
    int m_destination = 0;
    bool m_uploadEnded = false;
    bool m_uploadFellShort = false;
    QString m_summary;

    QPointer<QWidget> m_mainWindow;
    bool m_mainWindowWasVisible = false;
    bool m_windowsHidden = false;
    bool m_sharingCores = false;
};
