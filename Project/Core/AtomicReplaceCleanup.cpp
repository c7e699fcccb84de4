// Removal of temporaries that a killed run left behind.
#include "AtomicReplace.h"

#include "HeldFiles.h"
#include "PlacingLock.h"
#include "TemporaryRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// ".bq-" and six random characters, then an optional part number or backup
// mark, then the target's extension (which holds no ".").
const QRegularExpression& OwnName()
{
    static const QRegularExpression own(QStringLiteral("^(\\.bq-[A-Za-z0-9]{6})(-[0-9]+|-was-[0-9]+)?(\\.[^.]*)?$"));
    return own;
}

// A journal names at most a page per frame the library reads.
constexpr qint64 MaxJournalBytes = 16 * 1024 * 1024;

} // namespace

bool CAtomicReplace::HoldsJournal(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readLine(sizeof JournalHead + 1) == QByteArray(JournalHead) + '\n';
}

bool CAtomicReplace::PutBackPages(const QString& path, QStringList* restored, const std::function<void()>& locking)
{
    if (!HoldsJournal(path))
        return true;
    const QRegularExpressionMatch own = OwnName().match(QFileInfo(path).fileName());
    const QString folder = QFileInfo(path).absolutePath();
    if (locking)
        locking();
    // Read only under the lock: another run or worker may have put the set
    // back since, and written into the folder after.
    const CPlacingLock lock(QFile::encodeName(path));
    if (!HoldsJournal(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.read(MaxJournalBytes).split('\n');
    file.close();
    bool ok = true;
    for (int page = 0; page + 1 < lines.size(); ++page) {
        const QByteArray& line = lines.at(page + 1);
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.mid(1).split(' ');
        const QByteArray name = QByteArray::fromPercentEncoding(fields.first());
        // Only a name in this folder.
        if (name.isEmpty() || name.contains('/') || name == "." || name == "..") {
            ok = false;
            continue;
        }
        const QByteArray target = QFile::encodeName(folder) + '/' + name;
        const QByteArray backup = QFile::encodeName(BackupName(folder, own.captured(1), page, own.captured(3)));
        const QByteArray part = QFile::encodeName(PartName(folder, own.captured(1), page, own.captured(3)));
        struct stat st;
        const bool cameIn = ::lstat(part.constData(), &st) != 0 && errno == ENOENT;
        const bool backedUp = ::lstat(backup.constData(), &st) == 0;
        const bool there = ::lstat(target.constData(), &st) == 0;
        // The killed run's page, unless something else has taken its name since.
        const bool ownPage = there && S_ISREG(st.st_mode) &&
                             (fields.size() < 3 || SFileIdentity::FromStat(st).id ==
                                                       SFileId{fields.at(1).toULongLong(), fields.at(2).toULongLong()});
        if (line.startsWith('+')) {
            // A backup that is gone puts nothing back, nor one whose page
            // another file has replaced since.
            const bool replacedSince = cameIn && there && !ownPage;
            if (backedUp && (cameIn && !replacedSince ? ::rename(backup.constData(), target.constData())
                                                      : ::unlink(backup.constData())) != 0)
                ok = false;
            else if (backedUp && !replacedSince && restored)
                *restored << QFile::decodeName(target);
        } else if (cameIn && ownPage && ::unlink(target.constData()) != 0) {
            ok = false;
        }
    }
    // The files are back on the disk before the journal that asked for them goes.
    SyncPath(folder, true);
    return ok && EmptyJournal(path);
}

int CAtomicReplace::RemoveStaleTemporaries(const QString& folder, const QDateTime& before, QStringList* restored,
                                           const std::function<void()>& locking)
{
    const QRegularExpression& own = OwnName();
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
    // A set of pages that a killed run had begun to put in place goes back
    // whole; none of its files goes while its journal asks for it.
    for (int i = 0; i < candidates.size(); ++i) {
        const QRegularExpressionMatch match = own.match(QFileInfo(candidates[i]).fileName());
        if (match.hasMatch() && match.captured(2).isEmpty() && !open.contains(ids[i]))
            PutBackPages(candidates[i], restored, locking);
    }
    int removed = 0;
    for (int i = 0; i < candidates.size(); ++i) {
        // A claim's name may have been given its photo since it was looked at.
        const QRegularExpressionMatch match = own.match(QFileInfo(candidates[i]).fileName());
        const bool claim = !match.hasMatch();
        if (!claim && HoldsJournal(folder + "/" + match.captured(1) + match.captured(3)))
            continue;
        if (!open.contains(ids[i]) &&
            (claim ? RemoveClaim(candidates[i], ids[i]) : ::unlink(QFile::encodeName(candidates[i]).constData()) == 0))
            ++removed;
    }
    return removed;
}
