#include "TemporaryRecord.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QSysInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A record is a few lines per photo in flight: anything much larger is not
// one of ours, and is left alone.
constexpr qint64 MaxRecordBytes = 16 * 1024 * 1024;
const char RecordHead[] = "brandquill temporaries 1";

QMutex g_Lock;
int g_InFlight = 0;

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

// Host, boot, then process id and start time: one line each.
QByteArray Identity()
{
    const QByteArray pid = QByteArray::number(qint64(::getpid()));
    return QSysInfo::machineHostName().toUtf8() + '\n' + BootId() + '\n' + pid + ' ' + StartTime(pid) + '\n';
}

// Named by process id and start time: a record of an ended process that
// had this id stays as it is.
QString OwnRecord()
{
    static const QString name = [] {
        const QByteArray pid = QByteArray::number(qint64(::getpid()));
        return QString::fromLatin1(pid + '-' + StartTime(pid) + ".run");
    }();
    return CTemporaryRecord::Folder() + QLatin1Char('/') + name;
}

bool Exists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
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
    QFile record(OwnRecord());
    if (g_InFlight++ == 0) {
        QDir().mkpath(Folder());
        QFile::setPermissions(Folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (!record.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        record.write(QByteArray(RecordHead) + '\n' + Identity());
    } else if (!record.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return;
    }
    record.write(QFile::encodeName(path) + '\n');
}

void CTemporaryRecord::Remove()
{
    QMutexLocker lock(&g_Lock);
    if (g_InFlight > 0 && --g_InFlight == 0)
        QFile::remove(OwnRecord());
}

QStringList CTemporaryRecord::LeftByEndedProcesses()
{
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray boot = BootId();
    QStringList left;
    const QDir folder(Folder());
    for (const QString& name : folder.entryList({QStringLiteral("*.run")}, QDir::Files)) {
        QFile record(folder.filePath(name));
        if (record.size() > MaxRecordBytes || !record.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = record.readAll().split('\n');
        record.close();
        if (!Ended(lines, host, boot))
            continue;
        QStringList paths;
        bool anyLeft = false;
        for (int i = 4; i < lines.size(); ++i) {
            const QString path = QFile::decodeName(lines.at(i));
            if (!QDir::isAbsolutePath(path))
                continue;
            paths << path;
            anyLeft = anyLeft || Exists(path);
        }
        if (anyLeft)
            left << paths;
        else
            QFile::remove(record.fileName());
    }
    return left;
}
