// Removal of temporaries that a killed run left behind.
#include "AtomicReplace.h"

#include "HeldFiles.h"
#include "TemporaryRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

int CAtomicReplace::RemoveStaleTemporaries(const QString& folder, const QDateTime& before)
{
    // ".bq-" and six random characters, then an optional part number or
    // backup mark, then the target's extension (which holds no ".").
    static const QRegularExpression own(QStringLiteral("^(\\.bq-[A-Za-z0-9]{6})(-[0-9]+|-was-[0-9]+)?(\\.[^.]*)?$"));
    const QStringList hidden = QDir(folder).entryList({QStringLiteral(".bq-*")}, QDir::Files | QDir::Hidden);
    // The reserved files that ended processes recorded in this folder: a
    // name alone proves nothing, the user may have such files. Any other
    // name recorded there is a final name claimed for a rename that never
    // came (where a file system has neither rename flags nor hard links).
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    QSet<QString> recorded;
    QStringList claims;
    for (const QString& path : CTemporaryRecord::LeftByEndedProcesses()) {
        const QFileInfo info(path);
        if (canonical.isEmpty() || info.dir().canonicalPath() != canonical)
            continue;
        recorded.insert(info.fileName());
        if (!own.match(info.fileName()).hasMatch())
            claims << info.fileName();
    }
    // To the millisecond: a run started again at once, within the second of
    // the killed run's last temporaries, still finds them older.
    const qint64 limit = before.toMSecsSinceEpoch();
    QStringList candidates;
    QList<SFileId> ids;
    for (const QString& name : hidden + claims) {
        const QRegularExpressionMatch match = own.match(name);
        const bool claim = !match.hasMatch();
        if (claim ? !claims.contains(name) : !recorded.contains(match.captured(1) + match.captured(3)))
            continue;
        const QString path = folder + "/" + name;
        struct stat st;
        // Only this user's regular files, never through a link; a claim
        // only while it is still empty, before its photo came.
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000 > limit ||
            (claim && (st.st_size != 0 || st.st_nlink != 1)))
            continue;
        candidates << path;
        ids << SFileIdentity::FromStat(st).id;
    }
    if (candidates.isEmpty())
        return 0;
    // A holder hidden from this user is not waited for: the run that made
    // these files has ended.
    QSet<SFileId> open;
    CHeldFiles::Collect(open);
    int removed = 0;
    for (int i = 0; i < candidates.size(); ++i) {
        // A claim's name may have been given its photo since it was looked at.
        const bool claim = !own.match(QFileInfo(candidates[i]).fileName()).hasMatch();
        if (!open.contains(ids[i]) &&
            (claim ? RemoveClaim(candidates[i], ids[i]) : ::unlink(QFile::encodeName(candidates[i]).constData()) == 0))
            ++removed;
    }
    return removed;
}
