#include "PathSafety.h"

#include "AtomicReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unicode/normalizer2.h>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace
{

// The kernel's own file systems: their files call themselves regular and
// empty, yet a read may fail (/proc/self/mem), give what was never stored,
// or wait (/proc/kmsg).
bool OnKernelFileSystem(const QString& path)
{
    struct statfs fs;
    if (::statfs(QFile::encodeName(path).constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case EFIVARFS_MAGIC:
    case PSTOREFS_MAGIC:
        return true;
    default:
        return false;
    }
}

// Length in UTF-16 units and UTF-8 bytes of the character starting at `i`.
void CharAt(const QString& text, int i, int& units, int& bytes)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        units = 2;
        bytes = 4;
        return;
    }
    units = 1;
    const ushort u = c.unicode();
    bytes = u < 0x80 ? 1 : u < 0x800 ? 2 : 3; // a lone surrogate is written as U+FFFD, 3 bytes
}

// Where a path leads when its file may not exist: the canonical folder plus
// the file name, or the absolute path as ResolvePath leaves it when the folder
// is missing too.
QString PathIdentity(const QString& path)
{
    const QString resolved = CPathSafety::ResolvePath(QDir::current().absoluteFilePath(path));
    const int slash = resolved.lastIndexOf(QLatin1Char('/'));
    const QString folder = QFileInfo(resolved.left(qMax(slash, 1))).canonicalFilePath();
    if (folder.isEmpty())
        return resolved;
    const QString name = resolved.mid(slash + 1);
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// A folder's components without trailing separators: "/a/b/" gives "", "a", "b".
QStringList Components(QString folder)
{
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder.split(QLatin1Char('/'));
}

// mkdir, where a folder already there is as good; 0 or errno. A file under
// the name is no folder: the write into it would fail for no reason given.
int MakeFolder(const QByteArray& folder)
{
    if (::mkdir(folder.constData(), 0777) == 0)
        return 0;
    if (errno != EEXIST)
        return errno;
    struct stat st;
    if (::stat(folder.constData(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// `name` as text, each byte that is not part of a valid UTF-8 sequence
// written "\xHH".
QString EscapedName(const QByteArray& name)
{
    QString shown;
    for (int i = 0; i < name.size();) {
        const uchar lead = uchar(name.at(i));
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const QByteArray piece = name.mid(i, length);
        const QString text = QString::fromUtf8(piece);
        // Overlong forms, surrogates and cut sequences do not come back alike.
        if (piece.size() == length && text.toUtf8() == piece) {
            shown += text;
            i += length;
        } else {
            shown += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, QLatin1Char('0'));
            ++i;
        }
    }
    return shown;
}

} // namespace

int CPathSafety::Utf8Length(const QString& text)
{
    int total = 0;
    int units = 0;
    int bytes = 0;
    for (int i = 0; i < text.size(); i += units) {
        CharAt(text, i, units, bytes);
        total += bytes;
    }
    return total;
}

QString CPathSafety::TruncateUtf8(const QString& text, int maxBytes)
{
    int total = 0;
    int units = 0;
    int bytes = 0;
    int i = 0;
    for (; i < text.size(); i += units) {
        CharAt(text, i, units, bytes);
        if (total + bytes > maxBytes)
            break;
        total += bytes;
    }
    return text.left(i);
}

QString CPathSafety::SanitizeFileName(const QString& name)
{
    QString clean;
    clean.reserve(name.size());
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            clean += c;
            clean += name.at(++i);
        } else if (c.isSurrogate()) {
            // Half a pair cannot be written as UTF-8.
            clean += QChar(QChar::ReplacementCharacter);
        } else if (c == QLatin1Char('/') || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            clean += QLatin1Char('_');
        } else {
            clean += c;
        }
    }

    const int dot = clean.lastIndexOf(QLatin1Char('.'));
    QString base = dot < 0 ? clean : clean.left(dot);
    QString ext = dot < 0 ? QString() : clean.mid(dot);

    int firstBytes = 0;
    if (!base.isEmpty()) {
        int units = 0;
        CharAt(base, 0, units, firstBytes);
    }
    if (Utf8Length(ext) > MaxFileNameBytes - firstBytes)
        ext = TruncateUtf8(ext, MaxFileNameBytes - firstBytes);
    base = TruncateUtf8(base, MaxFileNameBytes - Utf8Length(ext));

    const QString result = base + ext;
    if (result.isEmpty() || result == QLatin1String(".") || result == QLatin1String(".."))
        return QStringLiteral("_");
    return result;
}

QString CPathSafety::SanitizeSubfolder(const QString& subfolder)
{
    QStringList parts;
    for (const QString& segment : subfolder.split(QLatin1Char('/'))) {
        if (segment.isEmpty() || segment == QLatin1String("."))
            continue;
        parts << (segment == QLatin1String("..") ? QStringLiteral("_") : SanitizeFileName(segment));
    }
    return parts.join(QLatin1Char('/'));
}

QString CPathSafety::ResolvePath(const QString& path)
{
    if (!path.contains(QLatin1String("..")))
        return QDir::cleanPath(path);
    QStringList parts;
    int lastUp = -1;
    const QStringList segments = path.split(QLatin1Char('/'));
    for (int i = 0; i < segments.size(); ++i) {
        const QString& segment = segments.at(i);
        if ((i > 0 && segment.isEmpty()) || segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String(".."))
            lastUp = parts.size();
        parts << segment;
    }
    const QString kept = parts.join(QLatin1Char('/'));
    if (lastUp < 0 || QDir::isRelativePath(kept))
        return kept;
    // realpath itself: QFileInfo hands back the path as given when the
    // system refuses it (a link loop), and its ".." would then go as text.
    const QByteArray up = QFile::encodeName(parts.mid(0, lastUp + 1).join(QLatin1Char('/')));
    char* real = ::realpath(up.constData(), nullptr);
    if (!real)
        return kept;
    const QString folder = QFile::decodeName(real);
    ::free(real);
    return QDir::cleanPath(folder + QLatin1Char('/') + parts.mid(lastUp + 1).join(QLatin1Char('/')));
}

bool CPathSafety::IsSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat first;
    struct stat second;
    const bool firstExists = ::stat(QFile::encodeName(a).constData(), &first) == 0;
    const bool secondExists = ::stat(QFile::encodeName(b).constData(), &second) == 0;
    if (firstExists && secondExists)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    // A file that exists is never the same as a name that leads nowhere.
    if (firstExists != secondExists)
        return false;
    return PathIdentity(a) == PathIdentity(b);
}

QString CPathSafety::NameKey(const QString& name)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* fold = icu::Normalizer2::getNFKCCasefoldInstance(status);
    if (U_FAILURE(status))
        return name.toCaseFolded();
    const icu::UnicodeString key =
        fold->normalize(icu::UnicodeString(reinterpret_cast<const UChar*>(name.utf16()), name.size()), status);
    if (U_FAILURE(status))
        return name.toCaseFolded();
    return QString(reinterpret_cast<const QChar*>(key.getBuffer()), key.length());
}

QString CPathSafety::PathKey(const QString& path)
{
    return NameKey(QDir::cleanPath(path));
}

QString CPathSafety::NotRegularFileReason(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("%1 does not exist").arg(path);
    const bool kernel = OnKernelFileSystem(path);
    if (S_ISREG(st.st_mode) && !kernel)
        return QString();
    const char* kind = kernel                                       ? "a file of the kernel"
                       : S_ISDIR(st.st_mode)                        ? "a folder"
                       : S_ISFIFO(st.st_mode)                       ? "a named pipe"
                       : S_ISSOCK(st.st_mode)                       ? "a socket"
                       : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                    : "a special file";
    return QStringLiteral("%1 is %2, not a regular file").arg(path, QLatin1String(kind));
}

QString CPathSafety::UnreachableReason(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return QString();
    return CAtomicReplace::SystemError(errno);
}

QString CPathSafety::MakeFolders(const QString& path)
{
    const QByteArray native = QFile::encodeName(ResolvePath(QDir::current().absoluteFilePath(path)));
    // The whole path first: it is called per photo, the folder is mostly
    // there already, and on a network share every mkdir is a round trip.
    int end = native.size();
    int error = MakeFolder(native);
    // Up to the first folder that exists, then down again making the rest.
    while (error == ENOENT) {
        end = native.lastIndexOf('/', end - 1);
        if (end <= 0)
            break;
        error = MakeFolder(native.left(end));
    }
    while (error == 0 && end < native.size()) {
        end = native.indexOf('/', end + 1);
        if (end < 0)
            end = native.size();
        error = MakeFolder(native.left(end));
    }
    return error == 0 ? QString() : CAtomicReplace::SystemError(error);
}

QString CPathSafety::CommonRoot(const QStringList& folders)
{
    if (folders.isEmpty())
        return QString();
    QStringList common = Components(folders.first());
    for (int i = 1; i < folders.size() && !common.isEmpty(); ++i) {
        const QStringList parts = Components(folders.at(i));
        int shared = 0;
        while (shared < common.size() && shared < parts.size() && common.at(shared) == parts.at(shared))
            ++shared;
        common = common.mid(0, shared);
    }
    return common.join(QLatin1Char('/'));
}

QString CPathSafety::ReplaceRoot(const QString& path, const QString& root, const QString& replacement)
{
    QString cleanRoot = root;
    while (cleanRoot.endsWith(QLatin1Char('/')))
        cleanRoot.chop(1);
    QString cleanPath = path;
    while (cleanPath.endsWith(QLatin1Char('/')))
        cleanPath.chop(1);
    // Nothing lies below an empty root: the caller has its own rule for it.
    if (cleanRoot.isEmpty())
        return QString();
    QString rest;
    if (cleanPath != cleanRoot) {
        if (!cleanPath.startsWith(cleanRoot + QLatin1Char('/')))
            return QString();
        rest = cleanPath.mid(cleanRoot.size());
    }
    QString head = replacement;
    while (head.size() > 1 && head.endsWith(QLatin1Char('/')))
        head.chop(1);
    if (head == QLatin1String("/") && !rest.isEmpty())
        head.clear();
    QString result = head + rest;
    return result.isNull() ? QStringLiteral("") : result;
}

QString CPathSafety::AppendSuffix(const QString& name, qint64 n, const QString& extension, int tailBytes)
{
    const QString suffix = QStringLiteral(" (%1)").arg(n);
    const int room = MaxNameBytes - Utf8Length(suffix) - tailBytes - Utf8Length(extension);
    return (room > 0 ? TruncateUtf8(name, room) : QString()) + suffix + extension;
}

QString CPathSafety::FreeName(const QString& name, const QString& extension,
                              const std::function<bool(const QString& fileName)>& taken, qint64 from, int tailBytes)
{
    if (from <= 1 && !taken(name + extension))
        return name + extension;
    for (qint64 n = qMax<qint64>(from, 2);; ++n) {
        const QString numbered = AppendSuffix(name, n, extension, tailBytes);
        if (!taken(numbered))
            return numbered;
    }
}

QStringList CPathSafety::UndecodableEntries(const QString& folder, const QString& mask, bool folders)
{
    QStringList found;
    const QByteArray native = QFile::encodeName(folder);
    DIR* entries = ::opendir(native.constData());
    if (!entries)
        return found;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        const QString decoded = QFile::decodeName(name);
        struct stat st;
        if (QFile::encodeName(decoded) == name || ::stat((native + '/' + name).constData(), &st) != 0)
            continue;
        const bool isFolder = S_ISDIR(st.st_mode);
        // One pattern, as the listings take it: QDir::match(QString) would
        // split it at spaces and ';'.
        if (isFolder ? !folders : !S_ISREG(st.st_mode) || (!mask.isEmpty() && !QDir::match(QStringList(mask), decoded)))
            continue;
        found << (folder.endsWith('/') ? folder : folder + '/') + EscapedName(name) + (isFolder ? "/" : "");
    }
    ::closedir(entries);
    found.sort();
    return found;
}
