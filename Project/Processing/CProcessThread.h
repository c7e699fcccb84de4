#pragma once
// One worker of a batch run. The processing controller lends it the run's
// photo dealer, mutexes and lists, connects its signals queued and starts it.
// The worker then takes photo after photo from the dealer through: output
// path and batch-unique name, the existing-file check (one question at a
// time across workers), a plain copy or move when nothing needs re-encoding,
// otherwise read, filter chain and write; then one action line.
//
// A re-encoded output is synced and renamed into place on a thread of its
// own while the worker reads and filters the next photo; the photo ends
// (records, attributes, reports, its line, its count, the source's removal)
// once that commit is done, and always before the next photo logs anything,
// before a pause or a question, before the next write and before the worker
// ends, so the log reads as if the photos ran one after the other.
//
// Nothing is ever lost: outputs appear under their final name only when
// complete (write beside, rename over), "same file" is decided by file
// identity before anything is written, and a source is removed only after
// every stage of its photo succeeded.
//
// CProcessThread.cpp: the run and the stages; CProcessThreadPaths.cpp: output
// paths and name conflicts; CProcessThreadLight.cpp: the copy or move and the
// file attributes; CProcessThreadCommit.cpp: the commit beside the next photo;
// CProcessThreadBudget.cpp: the photo's share of the run's pixel memory.

#include "AtomicReplace.h"
#include "FileIdentity.h"
#include "FilterFilename.h"
#include "ListImages.h"
#include "MagickThreads.h"
#include "PhotoPeaks.h"
#include "PixelBudget.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <future>
#include <memory>

class CAtomicReplace;
class CFormatsEnum;
class CImageManager;
class CListFilters;
class CPhotoDealer;
class CRunNames;
class CUserProfile;
struct SFilterRecord;

// Answer codes of the overwrite question.
enum OverwriteAnswer {
    AnswerAbort = 0,
    AnswerYes = 1,
    AnswerYesToAll = 2,
    AnswerNo = 3,
    AnswerNoToAll = 4,
    AnswerRename = 5
};

// Destination of a run-log line. Workers send only LogScreen and LogFile.
enum LogFlag { LogScreenAndFile = 0, LogScreen = 1, LogFile = 2 };

// (source path, final output path) of every file a run really wrote, copied
// or moved, one pair per page file, and of every photo left in place as its
// own output. The source is empty when it must stay
// whatever the job says (a damaged photo, a failed filter).
typedef QList<QPair<QString, QString>> WrittenFileList;

class CProcessThread : public QThread
{
    Q_OBJECT

public:
    explicit CProcessThread(QObject* parent = nullptr);
    ~CProcessThread() override;

    // --- Lent by the controller before start(); unchanged while running. ---
    // Shared by the run's workers; each takes its next photo when free.
    CPhotoDealer* dealer = nullptr;
    int threadIndex = 0;
    // Folder mode 1: the folder below which the source tree is recreated.
    QString commonRoot;
    QMutex* questionLock = nullptr;
    QMutex* folderLock = nullptr;
    QMutex* outputPathsLock = nullptr;
    CRunNames* runNames = nullptr;
    // Guarded by the output-paths mutex, like the set beside it.
    QStringList* outputPaths = nullptr;
    QSet<QString>* outputPathsLower = nullptr;
    WrittenFileList* writtenFiles = nullptr;
    // Each source of `writtenFiles` as it was read: an upload-only run
    // removes a source only while it is still that file.
    QHash<QString, SFileIdentity>* sourcesRead = nullptr;
    // Where the outputs that only feed an upload go: the run's own folder,
    // or "" with the reason it could not be had.
    QString tempFolder;
    QString tempFolderError;
    // SProcessHooks::puttingBack.
    std::function<void()> puttingBack;

    // --- Polled by the worker, written by the controller. ---
    std::atomic<bool> cancel{false};
    std::atomic<bool> pause{false};
    std::atomic<bool> yesToAll{false};
    std::atomic<bool> noToAll{false};
    std::atomic<bool> questionPending{false};
    std::atomic<int> answerCode{AnswerAbort};

    // The controller's answer to ShowOverwriteDlg: the path (the new output
    // path for Rename), then the code, then question pending cleared last.
    void AnswerQuestion(int code, const QString& outputPath);

    // Replaces the image engine (tests); call before start().
    void SetEngine(std::unique_ptr<CImageManager> engine);

    // Failures of this run; read after the thread has finished.
    int ErrorCount() const { return m_ErrorCount; }
    bool KeepOnDisk() const { return m_KeepOnDisk; }

signals:
    void IncProgressOperation();
    void IncProgressImage();
    void AppendLog(QString msg, int nFlag);
    void ThreadFinished();
    void ShowOverwriteDlg(QString outPathName, int thIndex);
    void OpenOutputFolder(QString folderPath);
    void DisplayGSMessage(QString extension);

protected:
    void run() override;

private:
    // Poll interval of pause, cancel and a pending question: the latency the
    // processing dialog promises for its buttons.
    static constexpr unsigned long PollMs = 100;
    // Characters of a path kept in a screen line.
    static constexpr int LoadPathLength = 32;
    static constexpr int WritePathLength = 64;

    // --- CProcessThread.cpp ---
    // Runs one stage: an exception from it is that stage's failure.
    // Every library operation of a worker runs here: the library's thread
    // count changes only between them.
    template <typename Stage> static auto Guarded(Stage stage) -> decltype(stage())
    {
        const CMagickThreads::CStep step;
        try {
            return stage();
        } catch (...) {
            return decltype(stage())();
        }
    }

    void RunPhotos();
    // False when the run has ended (stopped, or a one-document refusal).
    bool ProcessPhoto(const SImageRecord& photo);
    // The checkpoint: waits while paused; true (after the end-of-run
    // signals) when the run must stop.
    bool UserRequestedCancel();
    void ReadImage(bool& skip);
    void ApplyFilters();
    void WriteImage(bool& skip);
    void WriteDocument(bool& skip);
    void LogAppendAction();
    void PostProcessing();
    void IncrementErrors();
    // One unit of the photo's share of the progress: active filters + 2.
    void CountOperation();
    // A photo handled (written, failed or skipped) has its whole share.
    void CountRemainingOperations();
    // The two lines of a report (screen: path shortened to `length`; file:
    // full path), each ending in ": " and the reason when one is given.
    void LogLines(const QString& text, const QString& path, int length, const QString& reason = QString());
    // The same for the files of one output: the file, or its first and last page.
    void LogLines(const QString& text, const QStringList& files, int length, const QString& reason);
    // LogLines and the failure's count.
    void LogFailure(const QString& text, const QString& path, int length, const QString& reason = QString());
    void LogFailure(const QString& text, const QStringList& files, int length, const QString& reason);
    void RecordWritten(const QStringList& files);
    // Whether the source may go once its output is complete: not when the
    // photo was damaged or a filter failed.
    bool SourceMayGo() const;
    // Removes the source after a complete output; the only place that does.
    // A source asked to go that stays is reported with its reason and counted.
    void DeleteSourceIfComplete(const QStringList& written);
    // After a write: the damage of the photo read, the size limit that
    // could not be met, pages of an earlier output left beside this one.
    void ReportWritten(const QStringList& files);
    // Once per folder and run, before the first output goes there: the
    // temporaries a killed run left.
    void CleanOutputFolder(const QString& outputPath);
    // Why a read failed, as far as the file itself tells.
    QString LoadFailureReason() const;
    // Why the write of the current output failed.
    QString WriteFailureReason() const;
    // Runs `write` (guarded) with the engine leaving its output uncommitted
    // and giving the photo's pixels up before the read-back; false when
    // there is no writable format or the write failed.
    bool WriteUncommitted(const std::function<bool()>& write);
    // After a write that left metadata out: what, in the run's log too.
    void ReportLeftOut();
    // After the output is in place: its records, attributes and reports,
    // and the source's removal.
    void EndWrite(const QStringList& files);
    // Every log line goes out here, after the photo before has ended.
    void EmitLog(const QString& line, int flag);
    // Waits while paused, once the photo before has ended.
    void WaitWhilePaused();
    void FinishRun();

    // --- CProcessThreadCommit.cpp ---
    // What the end of a photo reads of it. Kept with its output while that
    // is committed, since the worker has moved on to the next photo.
    struct SPhotoEnd {
        QString sourcePath;
        QString sourceExtension;
        QString outputPath;
        QString nameBase;
        SFileIdentity sourceRead;
        QString damage;
        int pageCount = 1;
        bool multiPage = false;
        bool outputExisted = false;
        bool yes = false;
        bool no = false;
        bool renameAnswer = false;
        bool sourceIsOutput = false;
        bool stageFailed = false;
        bool outputProduced = false;
        bool photoLogged = true; // nothing to log for it
        int operations = 0;
        void* attributes = nullptr;
    };
    struct SPendingCommit {
        SPhotoEnd photo;
        std::unique_ptr<CAtomicReplace> output;
        // Declared last, so destroyed first: it waits for the commit.
        std::future<bool> committed;
    };
    // Starts committing the photo's written output and hands the photo's
    // state to it; the photo ends in CompletePending.
    void CommitLater(std::unique_ptr<CAtomicReplace> output);
    // Waits for the pending commit, if any, and ends its photo.
    void CompletePending();
    // Exchanges the photo-end fields of the worker with `other`.
    void SwapPhotoEnd(SPhotoEnd& other);

    // --- CProcessThreadPaths.cpp ---
    // What choosing a name for the run needs; copied to the commit's thread.
    struct SNameBook {
        CRunNames* names = nullptr;
        const CPhotoDealer* dealer = nullptr;
        QString source; // the photo's own file, which it may replace
        int pages = 0;  // page files written in place of the name; 0: none
    };
    SNameBook NameBook() const;
    // Reserves for the run the first of folder + name + extension (from 1)
    // and its forms " (n)" whose files (pages included) no photo of the run
    // holds: a name reserved, or the file of another photo. A name made up
    // here must also be free on disk, as must every name when `freeOnDisk`.
    static QString ReserveName(const SNameBook& book, const QString& folder, const QString& name,
                               const QString& extension, bool freeOnDisk, qint64 from = 1);
    // For an output that must not replace a file: at its commit, the next
    // name free on disk for the name asked for.
    std::function<QString(const QString&)> NextFreeName() const;
    // The run's outputs, none of which an output of this photo replaces.
    CAtomicReplace::SRun RunOutputs() const;
    // Only the name the user asked for, and agreed to replace, may replace
    // a file when the output is put in place.
    bool MayReplace() const;
    // The files an output of this photo named `path` puts on disk.
    QStringList OutputFiles(const QString& path) const;
    // The page files of an output named `path`.
    static QStringList PagePaths(const QString& path, int pages);
    // The photo's header, for its date, its reduced JPEG decode and its
    // memory plan.
    void PingHeader();
    void GeneratePathName();
    // The photo's output folder, created when its mode asks for it; false
    // (the folder as it stands in `folder`) when it is refused.
    bool OutputFolder(QString& folder);
    void SetOriginalFileExtension();
    // `freeOnDisk`: the name must also be free on disk (a Rename answer, whose
    // suffixed form nobody was asked about).
    QString ResolveDuplicateFilenames(const QString& folder, const QString& name, const QString& extension,
                                      bool freeOnDisk = false);
    void AddToOutputPaths(const QString& path);
    void RecordOutputPaths();
    // The first file of this photo's outputs that exists, or "".
    QString ExistingOutput() const;
    void CheckPathName(bool& skip);
    void AskOverwrite(const QString& existing, bool& skip);
    void ChooseSilentName();
    bool NameIsFree(const QString& path) const;
    // Once the output is in place (`placed`: where the commit put it, ""
    // for the output path): names the files written when they are not the
    // name asked for.
    void NoteFinalName(const QString& placed, const QStringList& files);
    // "" once the folder is there, else why it could not be made.
    QString MakeFolder(const QString& path);
    void DecideSameFile();

    // --- CProcessThreadBudget.cpp ---
    // Before the read: waits until the most the photo's steps will hold is
    // free in the pixel budget, and holds it; false when the run is stopped
    // while waiting.
    bool TakePhotoMemory();
    // After `done` steps (the read, then each active filter): holds only
    // what the steps still to come need.
    void PassPhotoSteps(int done);
    // Once the photo's pixels have gone, before its output is read back:
    // holds only what the read-back needs, waiting while it is not free.
    void TakeCheckMemory();
    // After the write: keeps only what the engine still holds (the pages of
    // one document).
    void EndPhotoMemory();

    // --- CProcessThreadLight.cpp ---
    bool CheckLightProcessing() const;
    void LightProcessing(bool& skip);
    // Before a move: reads the photo; the damage, or why it cannot be read.
    QString MoveBlocker();
    bool DisableReadOnly(const QString& path);
    void UpdateFileAttributes(const QStringList& files);
    void ReleaseAttributes();

    bool IsKeepFormat() const;
    // An upload-only run in folder mode 3: its outputs, written among the
    // user's files, are deleted once sent.
    bool UploadIntoSourceTree() const;
    bool OneDocument() const;
    // The output's extension names a writable format of the table.
    bool WritableOutput() const;
    bool PageFilesOutput() const;

    CUserProfile* m_pProfile;
    CListFilters* m_pFilters;
    CListImages* m_pImages;
    CFormatsEnum* m_pFormats;
    std::unique_ptr<CImageManager> m_Engine;
    CFilterFilename m_Naming;

    // Current photo.
    QString m_SourcePath;
    QString m_SourceFolder;
    QString m_SourceName;
    QString m_SourceExtension;
    qint64 m_ListPosition = 0;
    int m_PageCount = 1; // pages of the source
    bool m_PageCountKnown = false;
    bool m_MultiPage = false; // set once the photo is taken past the checks
    bool m_DocumentBegun = false;
    bool m_DocumentDone = false; // the document's write was tried
    bool m_OutputExisted = false;
    bool m_Yes = false;
    bool m_No = false;
    bool m_RenameAnswer = false;
    bool m_Refused = false;        // no safe output folder: logged and counted
    QString m_FolderFailure;       // why the output folder could not be made
    bool m_SourceIsOutput = false; // decided before anything is written
    bool m_StageFailed = false;    // a filter failed: the source stays
    bool m_Filtered = false;       // an active filter ran on the pixels
    QString m_Damage;              // why the pixels read are damaged
    // One document: (source, damage) of each damaged page, reported once the
    // document is written.
    QList<QPair<QString, QString>> m_DamagedPages;
    bool m_OutputProduced = false;
    bool m_PhotoLogged = true;
    int m_PhotoOperations = 0; // units of progress reported for the photo
    int m_PhotosBegun = 0;
    // The photo before, while its output is being committed.
    std::unique_ptr<SPendingCommit> m_Pending;
    QString m_OutputPath;
    // The output path asked for, before any " (n)" the run added.
    QString m_NameBase;
    // The source as it was when it was read: only that file may be removed.
    SFileIdentity m_SourceRead;
    // The size the source may be decoded at, found when it is pinged.
    QSize m_DecodeHint;
    // The photo as its header tells, for the memory its steps will hold.
    CPhotoPeaks::SPhoto m_Header;
    CPhotoPeaks::SPlan m_PhotoPlan;
    std::unique_ptr<CPixelBudget::CLease> m_Lease;
    QStringList m_RecordedPaths; // what this photo entered in outputPaths
    void* m_Attributes = nullptr;

    QString m_AnswerPath;
    QString m_TempFolder; // the run's temporary folder, or "" when refused
    QString m_TempFolderError;
    bool m_KeepOnDisk = false;
    bool m_Finished = false;
    int m_ErrorCount = 0;
    // Every worker of a run is built before any starts: temporaries older
    // than this are not of this run.
    QDateTime m_RunStart = QDateTime::currentDateTime();
};
