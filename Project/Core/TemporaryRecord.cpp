#include "TemporaryRecord.h"

#include "AtomicReplace.h"
#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A record is a few lines per worker: anything much larger is not one of
// ours, and is left alone.
constexpr qint64 MaxRecordBytes = 16 * 1024 * 1024;
const char RecordHead[] = "brandquill temporaries 2";

// Field 22 of /proc/<pid>/stat, the process's start in clock ticks after
// boot; "" when there is no such process.
QByteArray StartTime(const QByteArray& pid)
{
    QFile stat(QByteArray("/proc/") + pid + "/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray text = stat.read(4096);
    // The command name, in parentheses, may hold spaces and ")".
    const int end = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(end + 1).simplified().split(' ');
    return end < 0 || fields.size() < 20 ? QByteArray() : fields.at(19);
}

QByteArray BootId()
{
    QFile boot(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return boot.open(QIODevice::ReadOnly) ? boot.read(64).trimmed() : QByteArray();
}

// This process's record and the temporaries in flight that it names, each
// path percent-encoded, so that no name, a line break in it or not, makes up
// a line. A child made by fork() starts a record of its own, with none.
struct SOwnRecord {
    qint64 pid = 0;
    QString path;
    QByteArray head; // the head, then host, boot, process id and start time
    QList<QByteArray> inFlight;
};

QMutex g_Lock;
SOwnRecord g_Own;
// What to say of a record that could not be written, until it is taken;
// said on stderr the first time only.
QString g_Failure;
bool g_FailureTold = false;

// Named by process id and start time: a record of an ended process that
// had this id stays as it is.
SOwnRecord& OwnRecord()
{
    const qint64 pid = qint64(::getpid());
    if (g_Own.pid != pid) {
        const QByteArray id = QByteArray::number(pid);
        const QByteArray start = StartTime(id);
        g_Own = SOwnRecord();
        g_Own.pid = pid;
        g_Own.path = CTemporaryRecord::Folder() + QLatin1Char('/') + QString::fromLatin1(id + '-' + start + ".run");
        g_Own.head = QByteArray(RecordHead) + '\n' + QSysInfo::machineHostName().toUtf8() + '\n' + BootId() + '\n' +
                     id + ' ' + start + '\n';
    }
    return g_Own;
}

// Beside a record while it is written anew.
QString NextVersion(const QString& record)
{
    return record + QStringLiteral(".new");
}

// Written whole at each change, so that it never names more than the
// temporaries in flight, however long the run, and renamed into place, so
// that a kill at any moment leaves it complete; removed once there are none.
// `folderError`: why the folder could not be made.
void Save(const SOwnRecord& own, int folderError = 0)
{
    if (own.inFlight.isEmpty()) {
        QFile::remove(own.path);
        return;
    }
    QFile record(NextVersion(own.path));
    const QByteArray text = own.head + own.inFlight.join('\n') + '\n';
    errno = folderError;
    if (!folderError && record.open(QIODevice::WriteOnly | QIODevice::Truncate) && record.write(text) == text.size() &&
        record.flush() &&
        ::rename(QFile::encodeName(record.fileName()).constData(), QFile::encodeName(own.path).constData()) == 0)
        return;
    // The temporaries are made all the same; a kill would leave them for
    // good. The first reason is the one said.
    if (!g_Failure.isEmpty())
        return;
    const QString reason = errno ? CAtomicReplace::SystemError(errno) : record.errorString();
    g_Failure = QCoreApplication::translate("CTemporaryRecord", "Temporary files cannot be recorded in %1: %2. Those "
                                                                "of a run killed now would be left behind.")
                    .arg(CTemporaryRecord::Folder(), reason);
    if (!g_FailureTold)
        ReportOnStderr(g_Failure);
    g_FailureTold = true;
}

QByteArray Encoded(const QString& path)
{
    return QFile::encodeName(path).toPercentEncoding("/");
}

// A temporary is left while it is there; a final name claimed for a rename
// only while it is still empty: once it holds its photo, it is the user's.
bool Left(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 &&
           (QFileInfo(path).fileName().startsWith(QLatin1String(".bq-")) || (S_ISREG(st.st_mode) && st.st_size == 0));
}

// Whether the process that wrote `lines` (the head and identity first) is
// known to have ended; never for a record this machine cannot judge.
bool Ended(const QList<QByteArray>& lines, const QByteArray& host, const QByteArray& boot)
{
    if (lines.size() < 4 || lines.at(0) != RecordHead || lines.at(1) != host)
        return false;
    if (lines.at(2) != boot)
        return !boot.isEmpty(); // the machine has started again since
    const QList<QByteArray> process = lines.at(3).split(' ');
    bool number = false;
    const qint64 pid = process.at(0).toLongLong(&number);
    if (process.size() != 2 || !number || pid <= 0 || process.at(1).isEmpty())
        return false;
    return StartTime(QByteArray::number(pid)) != process.at(1);
}

} // namespace

QString CTemporaryRecord::Folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Brandquill/temporaries");
}

void CTemporaryRecord::Add(const QString& path)
{
    QMutexLocker lock(&g_Lock);
    SOwnRecord& own = OwnRecord();
    int folderError = 0;
    if (own.inFlight.isEmpty()) {
        errno = 0;
        if (!QDir().mkpath(Folder()))
            folderError = errno ? errno : ENOTDIR;
        QFile::setPermissions(Folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    own.inFlight << Encoded(path);
    Save(own, folderError);
}

void CTemporaryRecord::Remove(const QString& path)
{
    QMutexLocker lock(&g_Lock);
    SOwnRecord& own = OwnRecord();
    if (own.inFlight.removeOne(Encoded(path)))
        Save(own);
}

QString CTemporaryRecord::TakeFailure()
{
    QMutexLocker lock(&g_Lock);
    QString failure;
    failure.swap(g_Failure);
    return failure;
}

QStringList CTemporaryRecord::LeftByEndedProcesses()
{
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray boot = BootId();
    QStringList left;
    const QDir folder(Folder());
    for (const QString& name : folder.entryList({QStringLiteral("*.run")}, QDir::Files | QDir::System)) {
        // Only a regular file, never through a link, and never beyond what a
        // record can hold: a device gives bytes without end.
        const QString path = folder.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat st;
        QFile record;
        if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxRecordBytes ||
                        !record.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)))
            ::close(fd);
        if (!record.isOpen())
            continue;
        const QList<QByteArray> lines = record.read(MaxRecordBytes).split('\n');
        record.close();
        if (!Ended(lines, host, boot))
            continue;
        QStringList paths;
        bool anyLeft = false;
        for (int i = 4; i < lines.size(); ++i) {
            const QString recorded = QFile::decodeName(QByteArray::fromPercentEncoding(lines.at(i)));
            if (!QDir::isAbsolutePath(recorded))
                continue;
            paths << recorded;
            anyLeft = anyLeft || Left(recorded);
        }
        if (anyLeft) {
            left << paths;
        } else {
            QFile::remove(path);
            QFile::remove(NextVersion(path));
        }
    }
    return left;
}
