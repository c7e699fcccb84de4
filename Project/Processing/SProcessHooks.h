#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <functional>

class CUploadBase;
class QWidget;

// The processing dialog's contacts with the clock, the machine, the user and
// the network. Each defaults to the real thing; tests and the batch benchmark
// replace some of them so that a run can be driven and checked headless.
struct SProcessHooks {
    SProcessHooks();

    // Processors reported by the system (QThread::idealThreadCount).
    std::function<int()> idealThreadCount;
    // Wall-clock time of the run's start line.
    std::function<QDateTime()> now;
    // A monotonic millisecond clock for running time, estimate and summary.
    std::function<qint64()> clockMs;
    // The overwrite question for the output `path` of worker `thIndex`:
    // returns the answer code (0 Abort .. 5 Rename) and, after a Rename,
    // leaves the new path in `path`.
    std::function<int(QWidget* parent, QString& path, int thIndex)> askOverwrite;
    // A question with Yes and No, No the default; true for Yes.
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
    // A warning box with OK.
    std::function<void(QWidget* parent, const QString& text)> warn;
    // Shows a folder or file in the desktop's file browser (OpenOnDesktop:
    // a warning names it when nothing opens it).
    std::function<void(const QUrl& url)> openUrl;
    // The uploader of one run; the dialog takes ownership.
    std::function<CUploadBase*()> makeUploader;
    // Called on a worker's thread as it is about to lock an output folder
    // to put back the pages of a run that was cut short.
    std::function<void()> puttingBack;
};
