#include "TempFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
QString Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return QString();
}

// Makes or accepts `path` as this user's private folder; "" with the
// reason in *error when it is not safely ours.
QString PrivateFolder(const QString& path, QString* error)
{
    const QByteArray native = QFile::encodeName(path);
    // mkdir never follows a link at the last component, so a link planted
    // under our name makes it fail with EEXIST and is caught by lstat below.
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return Fail(error, QCoreApplication::translate("TempFolder", "cannot create %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));

    struct stat st;
    if (::lstat(native.constData(), &st) != 0)
        return Fail(error, QCoreApplication::translate("TempFolder", "cannot examine %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    if (S_ISLNK(st.st_mode))
        return Fail(error, QCoreApplication::translate("TempFolder", "%1 is a symbolic link").arg(path));
    if (!S_ISDIR(st.st_mode))
        return Fail(error, QCoreApplication::translate("TempFolder", "%1 is not a folder").arg(path));
    if (st.st_uid != ::geteuid())
        return Fail(error, QCoreApplication::translate("TempFolder", "%1 belongs to another user").arg(path));
    if ((st.st_mode & 07777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        return Fail(error, QCoreApplication::translate("TempFolder", "cannot restrict %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return path;
}
} // namespace

QString BrandquillTempFolder(QString* error)
{
    // QDir::tempPath() is empty while TMPDIR names a folder that does not
    // exist yet: made here, as the parents of a path would be; never "/".
    const QString tmpDir = QFile::decodeName(qgetenv("TMPDIR"));
    if (QDir::tempPath().isEmpty() && QDir::isAbsolutePath(tmpDir))
        QDir().mkpath(tmpDir);
    QStringList candidates;
    if (!QDir::tempPath().isEmpty()) {
        const QString base = QDir::tempPath() + QStringLiteral("/BrandquillTemp");
        // In a shared folder another user may hold the plain name.
        candidates << base << base + QLatin1Char('-') + QString::number(::geteuid());
    }
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && QDir(runtime).exists())
        candidates << runtime + QStringLiteral("/BrandquillTemp");
    if (candidates.isEmpty())
        return Fail(error, QCoreApplication::translate("TempFolder", "%1 does not exist").arg(tmpDir));
    QString firstReason;
    for (const QString& candidate : candidates) {
        QString reason;
        const QString path = PrivateFolder(candidate, &reason);
        if (!path.isEmpty())
            return path;
        if (firstReason.isEmpty())
            firstReason = reason;
    }
    return Fail(error, firstReason);
}

QString RunTempFolder(QString* error)
{
    const QString base = BrandquillTempFolder(error);
    if (base.isEmpty())
        return QString();
    // Dated for the user who looks for the files of a failed transfer.
    const QString pattern = base + QStringLiteral("/run-") +
                            QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyyMMdd-HHmmss-")) +
                            QStringLiteral("XXXXXX");
    QByteArray native = QFile::encodeName(pattern);
    if (!::mkdtemp(native.data()))
        return Fail(error, QCoreApplication::translate("TempFolder", "cannot create %1: %2")
                               .arg(pattern, QString::fromLocal8Bit(std::strerror(errno))));
    return QFile::decodeName(native);
}

bool RemoveEmptyRunFolder(const QString& path)
{
    // No FollowSymlinks and no links listed: only this run's own folders.
    QStringList folders;
    QDirIterator it(path, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.next();
    // A folder's path is longer than its parent's: the longest go first.
    std::sort(folders.begin(), folders.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& folder : qAsConst(folders))
        QDir().rmdir(folder); // one that holds a file stays
    return QDir().rmdir(path);
}
