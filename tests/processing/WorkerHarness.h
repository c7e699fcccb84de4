#pragma once
// Plays the processing controller for worker tests: owns the photo dealer,
// the run's names, the three mutexes, the shared lists and N workers, records every signal in
// arrival order and answers overwrite questions from a queue, as the
// controller does.

#include "CPhotoDealer.h"
#include "CProcessThread.h"
#include "CRunNames.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CImageManager;

namespace BqTest
{

// One signal of one worker.
struct SWorkerEvent {
    int worker = 0;
    QString signal; // the signal's name, e.g. "AppendLog"
    QString text;   // its text argument, if any
    int number = 0; // its int argument (log flag, thread index)
};

// An answer to the overwrite question; `path` is the new name of a Rename.
struct SOverwriteAnswer {
    int code = AnswerYes;
    QString path;
};

class WorkerHarness : public QObject
{
    Q_OBJECT

public:
    WorkerHarness();
    ~WorkerHarness() override;

    // A plain job: folder destination `destPath`, mode 0, "JPG", quality 88,
    // preset 0, no filter, no deletion, no silent run.
    static void ResetJob(const QString& destPath);
    // Appends an active filter record with numeric slot 0.
    static void AddFilter(quint32 id, const QString& name, double slot0);
    static SImageRecord Photo(const QString& path, qint64 position);

    // New workers for these photos, which also become the photo list.
    void Prepare(const QStringList& paths, int count = 1);
    // Starts the workers; true once each has sent ThreadFinished and ended.
    bool Run();
    bool RunJob(const QStringList& paths, int count = 1);

    QStringList Log(int flag) const;
    QStringList Texts(const QString& signal) const;
    int Count(const QString& signal) const;
    int Errors() const;
    // Each worker sent exactly one ThreadFinished, as its last signal.
    bool FinishedOnceAndLast() const;

    QList<SOverwriteAnswer> answers;
    std::function<std::unique_ptr<CImageManager>()> engineFactory;

    QMutex questionLock;
    QMutex folderLock;
    QMutex outputPathsLock;
    CRunNames runNames;
    QStringList outputPaths;
    QSet<QString> outputPathsLower;
    WrittenFileList writtenFiles;
    std::unique_ptr<CPhotoDealer> dealer;
    QList<CProcessThread*> workers;
    QList<SWorkerEvent> events;

private:
    void Record(int worker, const QString& signal, const QString& text = QString(), int number = 0);
    void Answer(const QString& path, int index);
    void Clear();

    int m_Finished = 0;
};

// Once per test program: the file mask (new files get 0666 less 022), the
// image library and the format table.
void StartWorkerTests();

// Photo files for the tests, drawn with the shared photo maker.
void WriteJpeg(const QString& path, int width = 64, int height = 48, quint32 seed = 1);
void WritePng(const QString& path, int width = 64, int height = 48);
// The first half of a file's bytes, written to `path`.
void WriteHalfOf(const QString& source, const QString& path);
QString MakeFolder(const QString& path);
// The file names in `folder`, hidden ones too, sorted.
QStringList FilesIn(const QString& folder);

} // namespace BqTest
