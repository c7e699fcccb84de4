#pragma once

#include <QString>

// The processing log file: UTF-8 with a byte order mark, "\r\n" line ends,
// the newest run first, each run ending with the run separator. A run is put
// in front of the old content through path + ".tmp", which is then renamed
// over the old file, so the log is never missing and a failed write leaves
// the old file exactly as it was. The log is locked (flock) meanwhile, so
// that runs ending together each keep their entry.
class CRunLogFile
{
public:
    // Ends every run's text in the file.
    static const QString Separator;

    // Documents folder + "/Brandquill/Brandquill.log".
    static QString ProcessingLogPath();
    // Documents folder + "/Corvantile/Monitor/<id>.log"; the identifier comes
    // from a job file and goes through the file-name rule.
    static QString MonitorLogPath(const QString& monitorId);

    // Writes the byte order mark, `runText` and the old content (without
    // its byte order mark, when it has one). False on any failure, with no
    // ".tmp" of ours left behind and the old file untouched.
    static bool Prepend(const QString& path, const QString& runText);

    // Clock form: "mm:ss", or "hh:mm:ss" from one hour on.
    static QString TimeN2LongS(qint64 ms);
    // Summary form: "s.ds", "m:ss.ds" or "h:mm:ss.ds".
    static QString TimeN2ShortS(qint64 ms);

private:
    CRunLogFile() = delete;
};
