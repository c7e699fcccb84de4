#pragma once
// Shared by the processing-dialog tests: job set-up, photo files, recording
// hooks and a watchdog around exec().

#include "ListFilters.h"
#include "ModalDriver.h"
#include "SProcessHooks.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>

class QDialog;

namespace ProcTest
{
// A plain interactive folder run into `dest`: preset 0 (the photo's name),
// "JPG", quality 88, no filter, every switch off, the run log on.
void ResetJob(const QString& dest);
// Fills the photo list with `paths`, positions 0..N-1.
void SetPhotos(const QStringList& paths);
// A width x height JPEG; each test photo gets its own size, so an output's
// size names its source.
QString MakeJpeg(const QString& path, int width, int height, quint32 seed = 1);
// The size read back through the image library; (0, 0) when unreadable.
QSize ImageSize(const QString& path);
QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);
// An active resize record that keeps every test photo's size: outputs are
// re-encoded, never merely copied.
SFilterRecord KeepSizeResize();
// The processing log file, and the newest run in it (between the byte
// order mark and the first separator).
QString LogPath();
QString NewestRun();

// Hooks that record every call; the clock and the answers are the test's.
struct SRecorder {
    int ideal = 1;
    QDateTime now = QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9));
    qint64 clock = 0;
    bool yesNoAnswer = false;
    std::function<int(QWidget*, QString&, int)> answerer;
    std::function<CUploadBase*()> uploader;

    QList<QPair<QString, int>> asked;
    QStringList questions;
    QStringList warnings;
    QList<QUrl> urls;

    SProcessHooks Hooks();
};

// The dialog's child widget of that object name; a missing one ends the test
// program, as every caller goes on to use it.
template <typename T> T* Child(QWidget& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

// Where the workers keep outputs that only go to an upload.
QString TempFolder();

// The 60 s hang guard for modal runs lives with the modal driver.
using BqTest::ExecWithWatchdog;
} // namespace ProcTest
