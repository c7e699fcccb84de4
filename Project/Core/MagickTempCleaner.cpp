#include "MagickTempCleaner.h"

#include "HeldFiles.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

CMagickTempCleaner::CMagickTempCleaner(const QString& folder, const QString& procRoot)
    : m_folder(folder), m_procRoot(procRoot)
{
}

int CMagickTempCleaner::Run()
{
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-24 * 3600);
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("magick-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
    if (names.isEmpty())
        return 0;
    QSet<SFileId> held;
    const bool holdersKnown = CHeldFiles::Collect(held, m_procRoot);
    if (!holdersKnown)
        held.clear();
    int removed = 0;
    for (const QString& name : names) {
        const QString path = m_folder + QLatin1Char('/') + name;
        struct stat info;
        // lstat: a link is never followed out of the folder.
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != geteuid())
            continue;
        if (QDateTime::fromSecsSinceEpoch(info.st_mtime, Qt::UTC) > limit)
            continue;
        if (held.contains(SFileIdentity::FromStat(info).id))
            continue;
        if (QFile::remove(path)) {
            qDebug().noquote() << name << "deleted";
            ++removed;
        }
    }
    return removed;
}
