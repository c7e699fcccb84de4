#pragma once

#include <QString>
#include <QStringList>

// The temporaries this process has made and not yet put in place or
// removed (only those), written down before each one is made, in a file of
// its own under the user's data folder ("Brandquill/temporaries"), with
// their paths escaped. A run that is killed
// leaves its record behind; a later run then knows which hidden ".bq-" files
// beside the outputs are strays it may remove, and which merely look like
// them. A record names its host, boot and process (with the process's start
// time, since ids are reused), so that a record of a process still running,
// or of another machine sharing the home folder, is never taken for one
// that has ended. Safe to call from any thread.
class CTemporaryRecord
{
public:
    // Writes `path` (absolute) down as about to be made. A record that
    // cannot be written only means the file will not be cleaned up: said on
    // stderr the first time, and kept for TakeFailure.
    static void Add(const QString& path);
    // `path`, added before, was removed or renamed into place; once this
    // process has none left, its record goes.
    static void Remove(const QString& path);

    // The line that says the record could not be written since the last
    // call, or "".
    static QString TakeFailure();

    // The paths recorded by processes of this machine that have ended.
    // Records none of whose files is left are removed on the way.
    static QStringList LeftByEndedProcesses();

    // The folder holding the records.
    static QString Folder();

private:
    CTemporaryRecord() = delete;
};
