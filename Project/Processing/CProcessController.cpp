#include "CProcessController.h"

#include "AtomicReplace.h"
#include "CDialogGSWarning.h"
#include "CPhotoDealer.h"
#include "CRunLogFile.h"
#include "CUploadBase.h"
#include "FileAttributes.h"
#include "FitTexts.h"
#include "ListFilters.h"
#include "MagickMemoryPool.h"
#include "MagickThreads.h"
#include "PathSafety.h"
#include "TempFolder.h"
#include "TemporaryRecord.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CProcessController.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QScrollBar>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtMath>

#include <cerrno>
#include <unistd.h>

namespace
{
constexpr int ClockIntervalMs = 1000;
constexpr int EstimateEvery = 20;
constexpr int JoinPollMs = 50;

QString CountText(int done, int total)
{
    return QString::number(done) + QStringLiteral(" / ") + QString::number(total);
}
} // namespace

CProcessController::CProcessController(QWidget* parent, const SProcessHooks& hooks)
    : QDialog(parent), ui(new Ui::CProcessController), m_pImages(CListImages::GetInstance()),
      m_pFilters(CListFilters::GetInstance()), m_pProfile(CUserProfile::GetInstance()), m_hooks(hooks)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // The caller owns the application's lifetime: closing this dialog while
    // no other window is visible (a run started by script) must not quit.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_destination = m_pProfile->Destination;
    // Only FTP and Flickr keep the dialog open after the run; a destination
    // without a page (5) or unknown ends like a folder run.
    m_canClose = m_destination != 3 && m_destination != 4;
    m_keepOutputFiles = m_pProfile->KeepsOutputOnDisk();
    connect(ui->linkShowLog, &QLabel::linkActivated, this, [this](const QString& link) {
        m_hooks.openUrl(QUrl(link));
    });
    Init();
}

CProcessController::~CProcessController()
{
    // Normally every worker has finished before the dialog can close; a
    // caller that destroys it earlier still gets its workers joined, since
    // destroying a running QThread aborts the process.
    for (auto& worker : m_workers) {
        worker->cancel.store(true);
        worker->pause.store(false);
        while (!worker->wait(JoinPollMs)) {
            if (worker->questionPending.load(std::memory_order_acquire))
                worker->AnswerQuestion(AnswerAbort, QString());
        }
    }
    RestoreMagickThreads();
    RestoreWindows();
    delete ui;
}

QString CProcessController::FindCommonPath(const QList<SImageRecord>& photos)
{
    QStringList folders;
    folders.reserve(photos.size());
    for (const SImageRecord& photo : photos)
        folders << photo.folder;
    return CPathSafety::CommonRoot(folders);
}

void CProcessController::Init()
{
    if (HiddenRun())
        HideWindows();

    const int photoCount = m_pImages->images.size();
    m_operationsPerImage = m_pFilters->GetActiveCount() + 2;
    m_operationsTotal = photoCount * m_operationsPerImage;
    ui->progressBar->setRange(0, m_operationsTotal);
    ui->progressBar->setValue(0);
    // The bar's text becomes the title's percentage: ASCII digits, like
    // every other number the dialog shows.
    ui->progressBar->setLocale(QLocale::c());

    ui->buttonOKCancel->setText(tr("Cancel"));
    ui->textProgressCount->setText(CountText(0, photoCount));
    ui->textTime->setText(QStringLiteral("00:00 / NA"));
    setWindowTitle(windowTitle() + QStringLiteral(" (0%)"));
    UpdateTitleText(QStringLiteral("0%"));

    const QUrl logUrl = QUrl::fromLocalFile(CRunLogFile::ProcessingLogPath());
    ui->linkShowLog->setText(QStringLiteral("<a href=\"") + logUrl.toString(QUrl::FullyEncoded).toHtmlEscaped() +
                             QStringLiteral("\">") + tr("Show log") + QStringLiteral("</a>"));
    ui->linkShowLog->hide();
    ui->textBlank->hide();

    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, &CProcessController::OnTimer);
    m_clockTimer->start(ClockIntervalMs);
    m_stretchStartMs = m_hooks.clockMs();

    StartThreads();
}

void CProcessController::StartThreads()
{
    const QList<SImageRecord>& photos = m_pImages->images;
    const int ideal = m_hooks.idealThreadCount();
    int count = (ideal >= 1 && ideal <= MaxThreads) ? ideal : 1;
    if (m_pProfile->Multipage || !m_pProfile->UseMulticore)
        count = 1;
    m_threadCount = qMin(count, int(photos.size()));

    WriteHeader(ideal);
    CheckCustomProfile();

    QString commonRoot;
    if (m_pProfile->OutputFolderStruct == 1)
        commonRoot = m_pProfile->SilentRun ? m_pProfile->Folder : FindCommonPath(photos);

    if (m_threadCount > 1)
        LimitMagickThreads(ideal);
    // Every photo needs pixel buffers of the same sizes: reuse them rather
    // than have the workers fault fresh pages in one after the other.
    CMagickMemoryPool::Install();

    for (int i = 0; i < m_threadCount; ++i)
        m_workers.push_back(std::make_unique<CProcessThread>());
    // Taken in list order, whatever the positions: those from a job file may
    // be negative or repeated, and only name the photo.
    m_dealer = std::make_unique<CPhotoDealer>(photos);
    // No run replaces what another left in the temporary folder.
    QString tempFolderError;
    if (!m_keepOutputFiles)
        m_runTempFolder = RunTempFolder(&tempFolderError);

    for (int i = 0; i < m_threadCount; ++i) {
        CProcessThread* worker = m_workers[size_t(i)].get();
        connect(worker, &CProcessThread::IncProgressOperation, this, &CProcessController::ProgressOperation,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::IncProgressImage, this, &CProcessController::ProgressImage,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::ThreadFinished, this, &CProcessController::FinishedThread,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::AppendLog, this,
                qOverload<QString, int>(&CProcessController::UpdateLog), Qt::QueuedConnection);
        connect(worker, &CProcessThread::ShowOverwriteDlg, this, &CProcessController::OverwriteDlg,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::OpenOutputFolder, this, &CProcessController::OpenFolder,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::DisplayGSMessage, this, &CProcessController::DisplayGSMessage,
                Qt::QueuedConnection);

        worker->dealer = m_dealer.get();
        worker->threadIndex = i;
        worker->commonRoot = commonRoot;
        worker->questionLock = &m_questionLock;
        worker->folderLock = &m_folderLock;
        worker->outputPathsLock = &m_outputPathsLock;
        worker->runNames = &m_runNames;
        worker->outputPaths = &m_outputPaths;
        worker->outputPathsLower = &m_outputPathsLower;
        worker->writtenFiles = &m_writtenFiles;
        worker->sourcesRead = &m_sourcesRead;
        worker->tempFolder = m_runTempFolder;
        worker->tempFolderError = tempFolderError;
        worker->puttingBack = m_hooks.puttingBack;
        worker->start(QThread::InheritPriority);
    }
    m_finishedThreads = 0;

    // No worker will ever report: end the run from the event loop, so that
    // exec() is already running when a hidden run closes itself.
    if (m_threadCount == 0)
        QTimer::singleShot(0, this, &CProcessController::EndOfRun);
}

void CProcessController::WriteHeader(int idealCount)
{
    // C locale: QDateTime::toString would use the system's own digits.
    const QString started = QLocale::c().toString(m_hooks.now(), QStringLiteral("yyyy-MM-dd, HH:mm:ss"));
    m_runLog += tr("Process started at %1").arg(started) + QStringLiteral(".\r\n\r\n");
    LogLine(tr("Processing %1 images with %2 graphical filter(s) per image.")
                .arg(m_pImages->images.size())
                .arg(m_pFilters->GetActiveCount()) +
            QStringLiteral("\r\n"));
    if (m_pProfile->Multipage) {
        LogLine(tr("Creating a single multi-page document.") + QStringLiteral("\r\n"));
    } else {
        LogLine(tr("System: %1 CPU core(s) detected.").arg(idealCount));
        LogLine(tr("Launching %1 thread(s) of execution.").arg(m_threadCount) + QStringLiteral("\r\n"));
    }
}

void CProcessController::CheckCustomProfile()
{
    const QString& format = m_pProfile->OutputFormat;
    const bool custom = (format == QLatin1String("JPG") && m_pProfile->JpegType == 3) ||
                        (format == QLatin1String("TIF") && m_pProfile->TiffType == 5);
    if (!custom || QFileInfo(m_pProfile->CustomProfile).isFile())
        return;
    ++m_errorCount;
    LogLine(QStringLiteral(" - ") + tr("Failed to load") + QLatin1Char(' ') +
            PrintableInLog(m_pProfile->CustomProfile));
}

void CProcessController::UpdateTitleText(const QString& text)
{
    QString title = windowTitle();
    const int open = title.indexOf(QLatin1Char('('));
    if (open >= 0)
        title.truncate(open);
    setWindowTitle(title + QLatin1Char('(') + text + QLatin1Char(')'));
}

void CProcessController::StopThreads()
{
    for (auto& worker : m_workers)
        worker->cancel.store(true);
    m_interrupted = true;
}

qint64 CProcessController::RunningMs() const
{
    if (Paused())
        return m_pausedMs;
    return m_pausedMs + qMax<qint64>(0, m_hooks.clockMs() - m_stretchStartMs);
}

bool CProcessController::Paused() const
{
    return !m_workers.empty() && m_workers.front()->pause.load();
}

bool CProcessController::HiddenRun() const
{
    return m_pProfile->SilentRun || m_pProfile->HideProcessing;
}

bool CProcessController::SilentMonitorRun() const
{
    return m_pProfile->SilentRun && m_pProfile->SilentMode;
}

void CProcessController::HideWindows()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QMainWindow")) {
            m_mainWindow = widget;
            break;
        }
    }
    // Opacity hides both under a compositor; without one (and offscreen)
    // it is ignored, so the windows are kept off the screen as well.
    if (m_mainWindow) {
        m_mainWindowWasVisible = m_mainWindow->isVisible();
        m_mainWindow->setWindowOpacity(0.0);
        m_mainWindow->hide();
    }
    setWindowOpacity(0.0);
    setAttribute(Qt::WA_DontShowOnScreen);
    m_windowsHidden = true;
}

void CProcessController::RestoreWindows()
{
    if (!m_windowsHidden)
        return;
    m_windowsHidden = false;
    setWindowOpacity(1.0);
    if (m_mainWindow) {
        m_mainWindow->setWindowOpacity(1.0);
        if (m_mainWindowWasVisible)
            m_mainWindow->show();
    }
}

void CProcessController::LimitMagickThreads(int idealCount)
{
    // Each worker's image operations start their own threads: the running
    // photos share the processors, however many the budget lets in.
    CMagickThreads::ShareCores(idealCount);
    m_sharingCores = true;
}

void CProcessController::RestoreMagickThreads()
{
    if (!m_sharingCores)
        return;
    m_sharingCores = false;
    CMagickThreads::ShareCores(0);
}

void CProcessController::LogLine(const QString& line)
{
    UpdateLog(line, LogScreenAndFile);
}

void CProcessController::UpdateLog(QString msg, int flag)
{
    if (flag == LogScreenAndFile || flag == LogScreen) {
        // Added as plain text: file names may look like markup.
        QTextEdit* edit = ui->editProcessLog;
        QScrollBar* bar = edit->verticalScrollBar();
        const bool atBottom = bar->value() == bar->maximum();
        QTextCursor cursor(edit->document());
        cursor.movePosition(QTextCursor::End);
        if (m_screenStarted)
            cursor.insertBlock();
        m_screenStarted = true;
        cursor.insertText(msg);
        if (atBottom)
            bar->setValue(bar->maximum());
    }
    if (flag == LogScreenAndFile || flag == LogFile) {
        // A line of its own, also after a result written without its line end.
        if (!m_runLog.isEmpty() && !m_runLog.endsWith(QLatin1Char('\n')))
            m_runLog += QStringLiteral("\r\n");
        m_runLog += msg + QStringLiteral("\r\n");
    }
}

void CProcessController::UpdateLog(QString msg)
{
    UpdateLog(msg, LogScreenAndFile);
}

void CProcessController::ProgressOperation()
{
    ++m_operationsDone;
    ui->progressBar->setValue(qMin(ui->progressBar->value() + 1, ui->progressBar->maximum()));
    if (m_operationsDone % EstimateEvery == 0)
        m_estimatedTotalMs = (RunningMs() / m_operationsDone) * qint64(m_operationsTotal);
    UpdateTitleText(ui->progressBar->text());
}

void CProcessController::ProgressImage()
{
    ++m_imagesDone;
    ui->textProgressCount->setText(CountText(m_imagesDone, m_pImages->images.size()));
}

void CProcessController::OnTimer()
{
    const QString estimate =
        m_estimatedTotalMs > 0 ? CRunLogFile::TimeN2LongS(m_estimatedTotalMs) : QStringLiteral("NA");
    ui->textTime->setText(CRunLogFile::TimeN2LongS(RunningMs()) + QStringLiteral(" / ") + estimate);
}

void CProcessController::on_buttonPause_clicked()
{
    if (m_workers.empty() || m_runEnded)
        return;
    if (Paused()) {
        for (auto& worker : m_workers)
            worker->pause.store(false);
        ui->buttonPause->setText(QStringLiteral("Pause"));
        m_clockTimer->start(ClockIntervalMs);
        m_stretchStartMs = m_hooks.clockMs();
    } else {
        m_pausedMs += qMax<qint64>(0, m_hooks.clockMs() - m_stretchStartMs);
        for (auto& worker : m_workers)
            worker->pause.store(true);
        ui->buttonPause->setText(QStringLiteral("Resume"));
        m_clockTimer->stop();
    }
}

void CProcessController::on_buttonOKCancel_clicked()
{
    reject();
}

void CProcessController::reject()
{
    if (!m_runEnded) {
        if (SilentMonitorRun())
            return;
        if (m_hooks.askYesNo(this, tr("Photo processing not completed. Abort the operation?")))
            StopThreads();
        return;
    }
    if (m_canClose) {
        // Before the dialog hides: with the main window still hidden, Qt
        // would take this for the last window closing.
        RestoreWindows();
        QDialog::reject();
        return;
    }
    if (SilentMonitorRun())
        return;
    if (m_hooks.askYesNo(this, tr("Upload not completed. Abort the operation?")) && m_uploader)
        m_uploader->abortRequest = true;
}

void CProcessController::OverwriteDlg(QString outPathName, int thIndex)
{
    if (thIndex < 0 || thIndex >= int(m_workers.size()))
        return;
    CProcessThread* asker = m_workers[size_t(thIndex)].get();
    // A question queued just before a cancel or an Abort is not asked.
    if (m_interrupted) {
        asker->AnswerQuestion(AnswerAbort, outPathName);
        return;
    }
    if (m_pProfile->DisableNotifications) {
        for (auto& worker : m_workers)
            worker->yesToAll.store(true);
        asker->AnswerQuestion(AnswerYesToAll, outPathName);
        return;
    }

    QString path = outPathName;
    int answer = m_hooks.askOverwrite(this, path, thIndex);
    if (answer < AnswerAbort || answer > AnswerRename)
        answer = AnswerAbort;
    if (answer == AnswerAbort) {
        StopThreads();
    } else if (answer == AnswerYesToAll) {
        for (auto& worker : m_workers)
            worker->yesToAll.store(true);
    } else if (answer == AnswerNoToAll) {
        for (auto& worker : m_workers)
            worker->noToAll.store(true);
    }
    asker->AnswerQuestion(answer, answer == AnswerRename ? path : outPathName);
}

void CProcessController::OpenFolder(QString folderPath)
{
    // In folder mode 2 every worker reports its last photo's folder: only
    // the first report of a run counts.
    if (m_folderOpened)
        return;
    m_folderOpened = true;
    if (!m_pProfile->OpenOutputFolder || m_pProfile->HideProcessing)
        return;
    m_hooks.openUrl(QUrl::fromLocalFile(folderPath));
}

void CProcessController::DisplayGSMessage(QString text)
{
    CDialogGSWarning notice(this);
    notice.ShowDialog(text);
}

void CProcessController::FinishedThread()
{
    ++m_finishedThreads;
    if (m_finishedThreads == m_threadCount)
        EndOfRun();
}

void CProcessController::EndOfRun()
{
    if (m_runEnded)
        return;
    m_runEnded = true;
    ui->buttonPause->hide();
    ui->buttonOKCancel->setText(QStringLiteral("OK"));
    m_clockTimer->stop();

    for (auto& worker : m_workers) {
        // ThreadFinished is the worker's last act; this returns at once.
        worker->wait();
        m_errorCount += worker->ErrorCount();
    }
    const QString unrecorded = CTemporaryRecord::TakeFailure();
    if (!unrecorded.isEmpty())
        LogLine(unrecorded);
    WriteSummary();
    RestoreMagickThreads();
    CMagickMemoryPool::Trim();

    const bool upload = !m_interrupted && m_destination >= 2 && m_destination <= 4;
    if (!upload) {
        m_canClose = true;
        SaveLog();
    } else {
        UploadImages(m_destination);
        if (m_canClose)
            SaveLog();
    }
    if (!m_pProfile->RunFromScript) {
        emit Panel1StartPreview(true);
        emit Panel2StartPreview();
    }
    if (HiddenRun() && m_canClose)
        reject();
}

void CProcessController::WriteSummary()
{
    UpdateLog(QString(), LogScreen);
    m_runLog += QStringLiteral("\r\n");
    const QString interrupted = tr("Process interrupted by the user.");
    if (m_interrupted)
        LogLine(interrupted);
    m_summary = m_errorCount > 0
                    ? tr("Warning: Process completed with %1 errors. For details see the log above.").arg(m_errorCount)
                    : tr("Process completed without errors.");
    LogLine(m_summary);
    // The log keeps both lines; a script's one line on stderr must not say
    // that an interrupted run completed.
    if (m_interrupted)
        m_summary = m_errorCount > 0 ? interrupted + QLatin1Char(' ') + m_summary : interrupted;
    const QString elapsed = tr("Time elapsed") + QStringLiteral(": ") + CRunLogFile::TimeN2ShortS(RunningMs());
    UpdateLog(elapsed, LogScreen);
    m_runLog += elapsed;
}

void CProcessController::SaveLog()
{
    if (m_logSaved)
        return;
    m_logSaved = true;
    EndRunTempFolder();
    m_runLog += CRunLogFile::Separator;
    if (m_pProfile->MonitorMode && m_pProfile->CreateLog)
        SaveLogToDisk(CRunLogFile::MonitorLogPath(m_pProfile->Id));
    if (m_pProfile->ProcessEnvCVLog && !m_pProfile->MonitorMode)
        SaveLogToDisk(CRunLogFile::ProcessingLogPath());
    ui->linkShowLog->show();
    ui->textBlank->setMinimumWidth(ui->linkShowLog->width());
    ui->textBlank->show();
}

void CProcessController::SaveLogToDisk(const QString& path)
{
    if (!CRunLogFile::Prepend(path, m_runLog))
        m_hooks.warn(this, tr("Could not save log."));
}

void CProcessController::EndRunTempFolder()
{
    if (m_runTempFolder.isEmpty() || RemoveEmptyRunFolder(m_runTempFolder) || !QFileInfo(m_runTempFolder).isDir())
        return;
    // A mail hand-off tells where its photos are itself.
    if (m_destination == 2 && !m_interrupted)
        return;
    const QString line = tr("Temporary files kept in %1.").arg(PrintableInLog(m_runTempFolder));
    UpdateLog(line, LogScreen);
    m_runLog += QStringLiteral("\r\n") + line;
}

QStringList CProcessController::FilesToUpload() const
{
    // Only what was really written or left in place as its own output:
    // outputPaths also holds paths answered No, failed writes and paths
    // renamed away.
    QStringList files;
    files.reserve(m_writtenFiles.size());
    for (const auto& written : m_writtenFiles)
        files << written.second;
    return files;
}

void CProcessController::UploadImages(int destination)
{
    m_handedOver = FilesToUpload();
    if (m_handedOver.isEmpty()) {
        // No transfer to start, and none that failed.
        const QString line = tr("Nothing to upload: the run produced no file to send.");
        UpdateLog(line, LogScreen);
        m_runLog += QStringLiteral("\r\n\r\n") + line;
        m_canClose = true;
        return;
    }
    if (!m_uploader)
        m_uploader.reset(m_hooks.makeUploader());
    if (!m_uploader) {
        // Nothing can report the end of a transfer: it failed now.
        if (destination == 3 || destination == 4)
            FinishedThreadUpload(0);
        return;
    }
    const bool deleteWhenDone = !m_keepOutputFiles;

    if (destination == 2) {
        const bool handedOver = m_uploader->AddAttachments(m_handedOver, deleteWhenDone);
        if (!m_uploader->mailLog.isEmpty()) {
            const QString line = QStringLiteral("\r\n\r\n") + m_uploader->mailLog;
            UpdateLog(line, LogScreen);
            m_runLog += QStringLiteral("\r\n") + line;
        }
        m_uploadFellShort = !handedOver;
        if (!handedOver)
            m_summary = m_uploader->mailLog.section(QStringLiteral("\r\n"), 0, 0);
        if (handedOver)
            DeleteUploadedSources();
        return;
    }
    if (destination != 3 && destination != 4)
        return;

    const QString line =
        QStringLiteral("\r\n\r\n") +
        (destination == 3 ? tr("Uploading to ") + PrintableInLog(m_pProfile->FTPHost) : tr("Uploading to Flickr")) +
        QStringLiteral("...");
    UpdateLog(line, LogScreen);
    m_runLog += QStringLiteral("\r\n") + line + QStringLiteral("\r\n");
    PrepareInterfaceForUpload();
    connect(m_uploader.get(), &CUploadBase::ImgUploaded, this, &CProcessController::ProgressImageUpload,
            Qt::QueuedConnection);
    connect(m_uploader.get(), &CUploadBase::UploadFinished, this, &CProcessController::FinishedUploading,
            Qt::QueuedConnection);

    if (destination == 3) {
        bool isNumber = false;
        long port = m_pProfile->FTPPort.toLong(&isNumber, 10);
        if (!isNumber)
            port = 0;
        m_uploader->ConnectFTP(m_pProfile->FTPHost, m_pProfile->FTPUser, m_pProfile->FTPPassword, port);
        // Kept in the settings, so later runs and saved jobs use "/" too.
        if (m_pProfile->FTPFolder.isEmpty())
            m_pProfile->FTPFolder = QStringLiteral("/");
        // As on disk: only a silent run told to overwrite replaces a file.
        m_uploader->overwrite = m_pProfile->SilentRun && m_pProfile->Overwrite;
        m_uploader->UploadFTP(m_handedOver, m_pProfile->FTPFolder, deleteWhenDone);
    } else {
        m_uploader->UploadFlickr(m_handedOver, deleteWhenDone);
    }
}

void CProcessController::PrepareInterfaceForUpload()
{
    const int files = m_handedOver.size();
    ui->buttonOKCancel->setText(tr("Cancel"));
    setWindowTitle(tr("Uploading") + QStringLiteral(" (0%)"));
    m_imagesDone = 0;
    ui->textProgressCount->setText(CountText(0, files));
    ui->textTime->setText(QString());
    ui->progressBar->setRange(0, files);
    ui->progressBar->setValue(0);
    UpdateTitleText(QStringLiteral("0%"));
}

void CProcessController::ProgressImageUpload(double speed)
{
    const int files = m_handedOver.size();
    ++m_imagesDone;
    ui->textProgressCount->setText(CountText(m_imagesDone, files));
    const int percent = files > 0 ? qFloor(m_imagesDone * 100.0 / files + 0.5) : 100;
    UpdateTitleText(QString::number(percent) + QLatin1Char('%'));
    ui->progressBar->setValue(qMin(ui->progressBar->value() + 1, ui->progressBar->maximum()));
    if (speed > 0)
        ui->textTime->setText(QString::number(qint64(qMin(speed, 1e15))) + QStringLiteral(" KB/s"));
}

void CProcessController::FinishedUploading(int noOfUploadedFiles, QString log)
{
    if (m_uploadEnded)
        return;
    UpdateLog(log, LogScreenAndFile);
    FinishedThreadUpload(noOfUploadedFiles);
}

void CProcessController::FinishedThreadUpload(int noOfUploadedFiles)
{
    if (m_uploadEnded)
        return;
    m_uploadEnded = true;
    m_canClose = true;
    ui->buttonOKCancel->setText(QStringLiteral("OK"));

    if (noOfUploadedFiles > 0) {
        const QString line = tr("Successfuly uploaded %1 picture(s).\r\n").arg(noOfUploadedFiles);
        UpdateLog(line, LogScreen);
        m_runLog += line + QStringLiteral("\r\n");
    }
    if (!m_keepOutputFiles && noOfUploadedFiles > 0) {
        // The uploader deletes what it sent; the rest is kept, and said so
        // at the end.
        const QString line = tr("Deleting temporary files...") + QStringLiteral("\r\n");
        UpdateLog(line, LogScreen);
        m_runLog += line + QStringLiteral("\r\n");
    }
    const int handedOver = m_handedOver.size();
    const QString result =
        noOfUploadedFiles >= handedOver ? tr("Upload completed.")
        : noOfUploadedFiles > 0
            ? tr("Upload incomplete: %1 of %2 picture(s) sent.").arg(noOfUploadedFiles).arg(handedOver)
            : tr("Upload failed.");
    UpdateLog(result, LogScreen);
    m_runLog += result;
    m_summary = result;
    m_uploadFellShort = noOfUploadedFiles < handedOver;

    if (noOfUploadedFiles == handedOver)
        DeleteUploadedSources();
    SaveLog();
    if (HiddenRun())
        reject();
}

void CProcessController::DeleteUploadedSources()
{
    // Only upload-only runs leave this to the dialog: their workers copy and
    // delete nothing, so a failed hand-off loses no photo.
    if (!m_pProfile->DeleteSource || m_keepOutputFiles)
        return;
    // One that stays, when the user asked for it to go, is a failure of the run.
    const auto kept = [this](const char* text, const QString& source, const QString& reason) {
        ++m_errorCount;
        const QString why = reason.isEmpty() ? QString() : QStringLiteral(": ") + reason;
        // A script's one line on stderr says it too.
        m_summary =
            PrintableInLog(QCoreApplication::translate("CProcessThread", text) + QLatin1Char(' ') + source + why);
        UpdateLog(QStringLiteral(" - ") + m_summary);
    };
    QSet<QString> removed;
    for (const auto& written : m_writtenFiles) {
        const QString& source = written.first;
        // An empty source is one that must stay (a damaged photo).
        if (source.isEmpty() || removed.contains(source))
            continue;
        removed.insert(source);
        // Nor a file written over the photo since the run began.
        if (CPathSafety::IsSameFile(source, written.second) || (m_dealer && !m_dealer->StillListed(source)))
            continue;
        // Nor one whose file may have replaced another of its name there.
        if (m_uploader && m_uploader->sentUnchecked.contains(written.second)) {
            kept(QT_TRANSLATE_NOOP("CProcessThread", "Source kept"), source,
                 tr("the server did not confirm that the name it was sent under was free"));
            continue;
        }
        // Nor one rewritten or made again since it was read: the upload
        // sent another picture.
        const SFileIdentity now = SFileIdentity::Of(source);
        if (now.exists && !m_sourcesRead.value(source).Unchanged(now)) {
            kept(QT_TRANSLATE_NOOP("CProcessThread", "Source changed since it was read, left as it is"), source,
                 QString());
            continue;
        }
        const QByteArray native = QFile::encodeName(source);
        FileAttributes::DisableReadOnly(native.constData());
        if (::unlink(native.constData()) != 0 && errno != ENOENT)
            kept(QT_TRANSLATE_NOOP("CProcessThread", "Failed to delete the source"), source,
                 CAtomicReplace::SystemError(errno));
    }
}
