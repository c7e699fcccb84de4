#include "AtomicReplace.h"

#include "PathSafety.h"
#include "PlacingLock.h"
#include "TemporaryRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The process umask without changing it (other threads may create files):
// Linux reports it in /proc; elsewhere it is read once, before any worker.
mode_t ProcessUmask()
{
    static mode_t mask = 022;
    static std::once_flag once;
    std::call_once(once, [] {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("Umask:")) {
                    bool ok = false;
                    const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                    if (ok) {
                        mask = static_cast<mode_t>(value);
                        return;
                    }
                }
            }
        }
        mask = umask(022);
        umask(mask);
    });
    return mask;
}

// Writes all `size` bytes, short writes and interruptions included.
bool WriteAll(int fd, const char* data, size_t size)
{
    for (size_t done = 0; done < size;) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(put);
    }
    return true;
}

// Copies everything from `in` to `out`, short writes and interruptions included.
bool CopyBytes(int in, int out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!WriteAll(out, buffer, static_cast<size_t>(got)))
            return false;
    }
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// A copy of `path` at `copy` with its mode, where no hard link can be made.
bool CopyWithMode(const QByteArray& path, const QByteArray& copy, mode_t mode)
{
    const int in = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    const int out = in < 0 ? -1 : ::open(copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool ok = out >= 0 && CopyBytes(in, out) && ::fchmod(out, mode) == 0 && ::fsync(out) == 0;
    int error = errno;
    if (out >= 0 && ::close(out) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (in >= 0)
        ::close(in);
    if (!ok && out >= 0)
        ::unlink(copy.constData());
    errno = error;
    return ok;
}

bool IsClaim(const QByteArray& path, const struct stat& claim)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && st.st_dev == claim.st_dev && st.st_ino == claim.st_ino &&
           st.st_size == 0;
}

// rename() that fails with EEXIST rather than replace a file. Where the file
// system cannot refuse in the rename itself, a hard link (which never
// replaces) and then the old name's removal; where it has no hard links
// either, the final name is first claimed as an empty file, which only the
// rename then replaces: another writer finds the name taken. The claim is
// recorded as a temporary is, so that a run killed before its rename leaves
// no empty file under the name for good. 0 or errno.
int RenameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOTSUP && errno != ENOSYS)
        return errno;
    int error = 0;
    if (::link(from.constData(), to.constData()) == 0) {
        if (::unlink(from.constData()) == 0)
            return 0;
        // Nothing moved while the old name stays: the new one goes again.
        error = errno;
        ::unlink(to.constData());
        return error;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS)
        return errno;
    const QString recorded = QFile::decodeName(to);
    CTemporaryRecord::Add(recorded);
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    struct stat claim;
    if (fd < 0 || ::fstat(fd, &claim) != 0)
        error = errno;
    if (fd >= 0)
        ::close(fd);
    // A writer that knows nothing of claims (or a run told to overwrite)
    // may have put its file there since: that file is not ours to replace.
    if (error == 0 && !IsClaim(to, claim))
        error = EEXIST;
    else if (error == 0 && ::rename(from.constData(), to.constData()) != 0) {
        error = errno;
        if (IsClaim(to, claim))
            ::unlink(to.constData());
    }
    CTemporaryRecord::Remove(recorded);
    return error;
}

// Every commit puts its files in place here. With `replace`, over whatever
// is at `to` but a file `ledger` holds (EEXIST then); without, over no file
// at all. What is put in place joins the ledger. 0 or errno.
int Place(const QByteArray& from, const QByteArray& to, bool replace, COutputLedger* ledger)
{
    const CPlacingLock lock(to);
    struct stat st;
    int error = 0;
    if (!replace)
        error = RenameNoReplace(from, to);
    else if (ledger && ::lstat(to.constData(), &st) == 0 && ledger->Holds(SFileIdentity::FromStat(st).id))
        error = EEXIST;
    else if (::rename(from.constData(), to.constData()) != 0)
        error = errno;
    if (error == 0 && ledger && ::lstat(to.constData(), &st) == 0)
        ledger->Add(SFileIdentity::FromStat(st).id);
    return error;
}

} // namespace

bool COutputLedger::Holds(const SFileId& id) const
{
    QMutexLocker lock(&m_Lock);
    return m_Ids.contains(id);
}

void COutputLedger::Add(const SFileId& id)
{
    QMutexLocker lock(&m_Lock);
    m_Ids.insert(id);
}

void COutputLedger::Clear()
{
    QMutexLocker lock(&m_Lock);
    m_Ids.clear();
}

bool CAtomicReplace::SyncPath(const QString& path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

bool CAtomicReplace::RemoveClaim(const QString& path, const SFileId& id)
{
    const QByteArray native = Native(path);
    const CPlacingLock lock(native);
    struct stat st;
    return ::lstat(native.constData(), &st) == 0 && SFileIdentity::FromStat(st).id == id && S_ISREG(st.st_mode) &&
           st.st_size == 0 && ::unlink(native.constData()) == 0;
}

CAtomicReplace::CAtomicReplace(const QString& target) : m_Target(target)
{
    const QFileInfo info(target);
    m_Folder = info.absolutePath();
    const QString name = info.fileName();
    const int dot = name.lastIndexOf('.');
    if (dot >= 0)
        m_Extension = name.mid(dot);
}

CAtomicReplace::~CAtomicReplace()
{
    Discard();
}

QString CAtomicReplace::SystemError(int error)
{
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

bool CAtomicReplace::Fail(int error)
{
    m_Errno = error;
    m_Error = SystemError(error);
    return false;
}

void CAtomicReplace::SetNoReplace(const NextTarget& next)
{
    m_NoReplace = true;
    m_NextTarget = next;
}

void CAtomicReplace::SetRun(const SRun& run)
{
    m_Ledger = run.ledger;
    if (!m_NextTarget)
        m_NextTarget = run.next;
}

void CAtomicReplace::SetModeSource(const QString& source)
{
    struct stat st;
    m_HasSource = !source.isEmpty() && ::stat(Native(source).constData(), &st) == 0;
    if (m_HasSource) {
        m_SourceMode = st.st_mode & 0777;
        m_SourceId = SFileIdentity::FromStat(st).id;
    }
}

bool CAtomicReplace::Create()
{
    Discard();
    m_Error.clear();
    if (m_Target.isEmpty() || QFileInfo(m_Target).fileName().isEmpty())
        return Fail(EINVAL);
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < MaxRetargets; ++attempt) {
        QString base = QStringLiteral(".bq-");
        for (int i = 0; i < 6; ++i)
            base += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
        const QString path = m_Folder + "/" + base + m_Extension;
        struct stat st;
        if (::lstat(Native(path).constData(), &st) == 0)
            continue;
        // Recorded first: a run killed at any point leaves no temporary
        // that a later run cannot tell from a file of the user's.
        CTemporaryRecord::Add(path);
        const int fd = ::open(Native(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            m_Base = base;
            return true;
        }
        const int error = errno;
        CTemporaryRecord::Remove(path);
        if (error != EEXIST)
            return Fail(error);
    }
    return Fail(EEXIST);
}

QString CAtomicReplace::TemporaryPath() const
{
    return m_Base.isEmpty() ? QString() : m_Folder + "/" + m_Base + m_Extension;
}

QString CAtomicReplace::TemporaryPartPath(int index) const
{
    m_PartsNamed = std::max(m_PartsNamed, index + 1);
    return PartName(index);
}

QString CAtomicReplace::PartName(int index) const
{
    return m_Base.isEmpty() ? QString() : PartName(m_Folder, m_Base, index, m_Extension);
}

QString CAtomicReplace::PartName(const QString& folder, const QString& base, int index, const QString& extension)
{
    return folder + "/" + base + "-" + QString::number(index) + extension;
}

QString CAtomicReplace::BackupName(const QString& folder, const QString& base, int index, const QString& extension)
{
    return folder + "/" + base + "-was-" + QString::number(index) + extension;
}

QString CAtomicReplace::PartPath(const QString& target, int index)
{
    const int slash = target.lastIndexOf('/');
    const int dot = target.lastIndexOf('.');
    const QString number = "-" + QString::number(index);
    if (dot <= slash)
        return target + number;
    return target.left(dot) + number + target.mid(dot);
}

QStringList CAtomicReplace::StaleParts(const QString& target, int from)
{
    QStringList stale;
    for (int i = from;; ++i) {
        const QString part = PartPath(target, i);
        if (!QFileInfo::exists(part))
            break;
        stale << part;
    }
    return stale;
}

QStringList CAtomicReplace::ExistingParts() const
{
    QStringList parts;
    for (int i = 0;; ++i) {
        const QString part = PartName(i);
        if (!QFileInfo::exists(part))
            break;
        parts << part;
    }
    return parts;
}

mode_t CAtomicReplace::FinalMode(const QString& finalPath) const
{
    struct stat st;
    if (::lstat(Native(finalPath).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        const mode_t own = st.st_mode & 0777;
        const bool sameFile = SFileIdentity::FromStat(st).id == m_SourceId;
        return m_HasSource && !sameFile ? own & m_SourceMode : own;
    }
    return (m_HasSource ? m_SourceMode : 0666) & ~ProcessUmask();
}

bool CAtomicReplace::Prepare(const QString& temporary, const QString& finalPath)
{
    // mkstemp made the file 0600; it gets its final mode before it appears
    // under its final name, and its bytes reach the disk before the rename.
    const QByteArray native = Native(temporary);
    if (::chmod(native.constData(), FinalMode(finalPath)) != 0 || !SyncPath(temporary, false))
        return Fail(errno);
    return true;
}

bool CAtomicReplace::Publish(const QStringList& from, const QStringList& to)
{
    for (int i = 0; i < from.size(); ++i) {
        if (!Prepare(from[i], to[i]))
            return false;
    }
    // Several parts: each file they replace is first linked to a backup
    // name, so that a failed rename can put every earlier part back.
    QStringList backups;
    if (from.size() > 1) {
        for (int i = 0; i < to.size(); ++i) {
            const QString backup = BackupName(m_Folder, m_Base, i, m_Extension);
            // A folder in the way fails its rename; there is nothing to keep.
            struct stat st;
            const bool exists = !m_NoReplace && ::lstat(Native(to[i]).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
            // Without hard links, a copy: the file stays where it is.
            if (exists && ::link(Native(to[i]).constData(), Native(backup).constData()) != 0 &&
                ((errno != EPERM && errno != ENOTSUP && errno != ENOSYS) ||
                 !CopyWithMode(Native(to[i]), Native(backup), st.st_mode & 07777))) {
                const int error = errno;
                for (const QString& made : backups)
                    ::unlink(Native(made).constData());
                return Fail(error);
            }
            backups << (exists ? backup : QString());
        }
        // Written before the first rename: a run killed among the renames
        // leaves a mixed set, which the next run puts back whole from these
        // backups, or removes where it replaced nothing.
        if (!WriteJournal(from, to, backups)) {
            const int error = errno;
            for (const QString& made : backups)
                ::unlink(Native(made).constData());
            return Fail(error);
        }
    }
    for (int i = 0; i < from.size(); ++i) {
        const QByteArray source = Native(from[i]);
        const QByteArray target = Native(to[i]);
        const int error = Place(source, target, !m_NoReplace, m_Ledger);
        if (error == 0)
            continue;
        for (int j = i - 1; j >= 0; --j) {
            // Without replacing, the parts go back beside, to try another name.
            if (m_NoReplace)
                ::rename(Native(to[j]).constData(), Native(from[j]).constData());
            else if (backups.value(j).isEmpty())
                ::unlink(Native(to[j]).constData());
            else
                ::rename(Native(backups[j]).constData(), Native(to[j]).constData());
        }
        DropBackups(backups);
        SyncPath(m_Folder, true);
        return Fail(error);
    }
    DropBackups(backups);
    // The renames themselves reach the disk.
    if (!SyncPath(m_Folder, true))
        return Fail(errno);
    m_Committed = to;
    return true;
}

bool CAtomicReplace::WriteJournal(const QStringList& parts, const QStringList& pages, const QStringList& backups) const
{
    QByteArray text = QByteArray(JournalHead) + '\n';
    for (int i = 0; i < pages.size(); ++i) {
        // The part keeps its inode under its final name: the page is the
        // killed run's own only while it is still that file.
        struct stat st;
        if (::lstat(Native(parts[i]).constData(), &st) != 0)
            return false;
        const SFileId id = SFileIdentity::FromStat(st).id;
        text += (backups[i].isEmpty() ? '-' : '+') + Native(QFileInfo(pages[i]).fileName()).toPercentEncoding() + ' ' +
                QByteArray::number(id.device) + ' ' + QByteArray::number(id.inode) + '\n';
    }
    const int fd = ::open(Native(TemporaryPath()).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    const bool ok = fd >= 0 && WriteAll(fd, text.constData(), size_t(text.size())) && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    errno = error;
    return ok;
}

bool CAtomicReplace::EmptyJournal(const QString& path)
{
    const int fd = ::open(Native(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::ftruncate(fd, 0) == 0 && ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

void CAtomicReplace::DropBackups(const QStringList& backups) const
{
    if (backups.isEmpty())
        return;
    // The journal goes first: a backup it names is needed while it is there.
    // It reaches the disk before the backups go, since a file system may keep
    // the unlinks and lose the truncation: the old journal would then make
    // the next run remove the pages that did come in.
    const QString journal = TemporaryPath();
    if (!EmptyJournal(journal) && (::unlink(Native(journal).constData()) != 0 || !SyncPath(m_Folder, true)))
        return;
    for (const QString& backup : backups) {
        if (!backup.isEmpty())
            ::unlink(Native(backup).constData());
    }
}

bool CAtomicReplace::Commit()
{
    m_Committed.clear();
    m_Error.clear();
    m_Errno = 0;
    if (m_Base.isEmpty())
        return Fail(ENOENT);
    QStringList from = ExistingParts();
    const bool parts = !from.isEmpty();
    // The reserved file is still empty when the writer produced nothing.
    bool ok = parts || m_AllowEmpty || QFileInfo(TemporaryPath()).size() > 0;
    if (!ok)
        m_Error = QStringLiteral("nothing was written");
    if (!parts)
        from << TemporaryPath();
    for (int attempt = 0; ok; ++attempt) {
        QStringList to;
        for (int i = 0; i < from.size(); ++i)
            to << (parts ? PartPath(m_Target, i) : m_Target);
        if (Publish(from, to))
            break;
        ok = false;
        // A name taken since it was chosen: the parts are back beside, and
        // all of them try the next name.
        if (m_Errno != EEXIST || !m_NextTarget || attempt >= MaxRetargets)
            break;
        const QString next = m_NextTarget(m_Target);
        if (next.isEmpty())
            break;
        m_Target = next;
        ok = true;
    }
    Discard();
    return ok;
}

void CAtomicReplace::Discard()
{
    if (m_Base.isEmpty())
        return;
    for (const QString& part : ExistingParts())
        QFile::remove(part);
    // A writer may have stopped between numbered parts: every name it was
    // given goes, one by one, so that the cost never grows with the folder.
    for (int i = 0; i < m_PartsNamed; ++i)
        QFile::remove(PartName(i));
    // Last, and its record after it: while the reserved file is there, the
    // record still names whatever may be left beside it.
    QFile::remove(TemporaryPath());
    CTemporaryRecord::Remove(TemporaryPath());
    m_PartsNamed = 0;
    m_Base.clear();
}

bool CAtomicReplace::CopyFile(const QString& source, const QString& target, QString* error, const NextTarget* noReplace,
                              QString* placed, const SRun* run)
{
    // O_NONBLOCK: a FIFO under a photo's name must not hang the caller; it
    // is refused below, and regular files ignore the flag.
    const int in = ::open(Native(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    CAtomicReplace output(target);
    output.m_AllowEmpty = true;
    output.SetModeSource(source);
    if (noReplace)
        output.SetNoReplace(*noReplace);
    if (run)
        output.SetRun(*run);
    struct stat st;
    bool ok = in >= 0 && ::fstat(in, &st) == 0;
    if (!ok)
        output.Fail(errno);
    else if (!S_ISREG(st.st_mode) || !CPathSafety::NotRegularFileReason(source).isEmpty()) {
        // The kernel's own files (a link to /proc/self/mem) look regular.
        output.m_Error = QStringLiteral("not a regular file");
        ok = false;
    }
    ok = ok && output.Create();
    if (ok) {
        const int out = ::open(Native(output.TemporaryPath()).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        ok = out >= 0 && CopyBytes(in, out);
        if (!ok)
            output.Fail(errno);
        if (out >= 0 && ::close(out) != 0 && ok)
            ok = output.Fail(errno);
    }
    if (in >= 0)
        ::close(in);
    // The destructor removes the temporary when anything failed.
    ok = ok && output.Commit();
    if (!ok && error)
        *error = output.ErrorString();
    if (ok && placed)
        *placed = output.Target();
    return ok;
}

bool CAtomicReplace::MoveFile(const QString& source, const QString& target, QString* error, const NextTarget* noReplace,
                              QString* placed, const SRun* run)
{
    const QByteArray from = Native(source);
    const NextTarget* nextTarget = noReplace ? noReplace : run ? &run->next : nullptr;
    QString to = target;
    int result = 0;
    for (int attempt = 0;; ++attempt) {
        result = Place(from, Native(to), !noReplace, run ? run->ledger : nullptr);
        if (result != EEXIST || !nextTarget || !*nextTarget || attempt >= MaxRetargets)
            break;
        const QString next = (*nextTarget)(to);
        if (next.isEmpty())
            break;
        to = next;
    }
    if (result == 0) {
        // Both folders changed; the target's entry must survive a power cut.
        const QString sourceFolder = QFileInfo(source).absolutePath();
        const QString targetFolder = QFileInfo(to).absolutePath();
        SyncPath(targetFolder, true);
        if (sourceFolder != targetFolder)
            SyncPath(sourceFolder, true);
        if (placed)
            *placed = to;
        return true;
    }
    if (result != EXDEV) {
        if (error)
            *error = SystemError(result);
        return false;
    }
    // CopyFile commits a synced file into a synced folder before this
    // returns: only then may the source go, and only the file that was
    // copied, as it was when the copy began.
    const SFileIdentity copied = SFileIdentity::Of(source);
    if (!CopyFile(source, to, error, noReplace, placed, run))
        return false;
    QString kept;
    if (!copied.Unchanged(SFileIdentity::Of(source)))
        kept = QStringLiteral("the source changed while it was copied");
    else if (::unlink(from.constData()) != 0)
        kept = SystemError(errno);
    if (error)
        *error = kept;
    return true;
}
