#include "AtomicReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += put;
        }
    }
}

} // namespace

CAtomicReplace::CAtomicReplace(const QString& target)
    : m_Target(target)
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

bool CAtomicReplace::Create()
{
    Discard();
    if (m_Target.isEmpty() || QFileInfo(m_Target).fileName().isEmpty())
        return false;
    QByteArray pattern = QFile::encodeName(m_Folder + "/.bq-XXXXXX" + m_Extension);
    const int suffix = QFile::encodeName(m_Extension).size();
    const int fd = mkstemps(pattern.data(), suffix);
    if (fd < 0)
        return false;
    ::close(fd);
    const QString created = QFile::decodeName(pattern);
    const QString fileName = QFileInfo(created).fileName();
    m_Base = fileName.left(fileName.size() - m_Extension.size());
    return true;
}

QString CAtomicReplace::TemporaryPath() const
{
    return m_Base.isEmpty() ? QString() : m_Folder + "/" + m_Base + m_Extension;
}

QString CAtomicReplace::TemporaryPartPath(int index) const
{
    return m_Base.isEmpty() ? QString()
                            : m_Folder + "/" + m_Base + "-" + QString::number(index) + m_Extension;
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

QStringList CAtomicReplace::ExistingParts() const
{
    QStringList parts;
    for (int i = 0;; ++i) {
        const QString part = TemporaryPartPath(i);
        if (!QFileInfo::exists(part))
            break;
        parts << part;
    }
    return parts;
}

bool CAtomicReplace::Publish(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    // mkstemp made the file 0600; give it the mode of any new file first, so
    // it never appears under its final name with the wrong mode.
    if (::chmod(source.constData(), 0666 & ~ProcessUmask()) != 0)
        return false;
    return ::rename(source.constData(), QFile::encodeName(to).constData()) == 0;
}

bool CAtomicReplace::Commit()
{
    m_Committed.clear();
    if (m_Base.isEmpty())
        return false;
    const QStringList parts = ExistingParts();
    bool ok = true;
    if (parts.isEmpty()) {
        // The reserved file is still empty when the writer produced nothing.
        ok = (m_AllowEmpty || QFileInfo(TemporaryPath()).size() > 0) && Publish(TemporaryPath(), m_Target);
        if (ok)
            m_Committed << m_Target;
    } else {
        for (int i = 0; ok && i < parts.size(); ++i) {
            const QString finalPath = PartPath(m_Target, i);
            ok = Publish(parts[i], finalPath);
            if (ok)
                m_Committed << finalPath;
        }
    }
    Discard();
    return ok;
}

void CAtomicReplace::Discard()
{
    if (m_Base.isEmpty())
        return;
    QFile::remove(TemporaryPath());
    for (const QString& part : ExistingParts())
        QFile::remove(part);
    // A writer may have stopped between numbered parts.
    const QStringList strays =
        QDir(m_Folder).entryList({m_Base + "-*" + m_Extension}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& stray : strays)
        QFile::remove(m_Folder + "/" + stray);
    m_Base.clear();
}

bool CAtomicReplace::CopyFile(const QString& source, const QString& target)
{
    // O_NONBLOCK: a FIFO under a photo's name must not hang the caller; it
    // is refused below, and regular files ignore the flag.
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(in, &st) == 0 && S_ISREG(st.st_mode);
    CAtomicReplace output(target);
    output.m_AllowEmpty = true;
    ok = ok && output.Create();
    if (ok) {
        const int out = ::open(QFile::encodeName(output.TemporaryPath()).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        ok = out >= 0 && CopyBytes(in, out);
        if (out >= 0)
            ok = ::close(out) == 0 && ok;
    }
    ::close(in);
    // The destructor removes the temporary when anything failed.
    return ok && output.Commit();
}

bool CAtomicReplace::MoveFile(const QString& source, const QString& target)
{
    const QByteArray from = QFile::encodeName(source);
    if (::rename(from.constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (errno != EXDEV || !CopyFile(source, target))
        return false;
    // The target is complete; a source that cannot be removed stays as well.
    ::unlink(from.constData());
    return true;
}
