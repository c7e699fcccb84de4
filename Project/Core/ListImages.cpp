#include "ListImages.h"

#include "FormatsEnum.h"
#include "MoveByGap.h"
#include "PathSafety.h"

#include <QDir>
#include <QFile>
#include <QVector>

#include <sys/stat.h>

CListImages* CListImages::s_pInstance = nullptr;

namespace {

// Cuts a "/"-separated extension list into tokens. The scan stops once its
// start reaches the last character, so a one-character list (or a last
// token of one character) yields nothing; the table holds no such entry.
QStringList ExtensionTokens(const QString& list)
{
    QStringList tokens;
    int start = 0;
    while (start < list.size() - 1) {
        const int slash = list.indexOf('/', start);
        if (slash < 0) {
            tokens.append(list.mid(start));
            break;
        }
        tokens.append(list.mid(start, slash - start));
        start = slash + 1;
    }
    return tokens;
}

QString TextAfterLast(const QString& text, QChar separator)
{
    const int at = text.lastIndexOf(separator);
    return at < 0 ? text : text.mid(at + 1);
}

QString TextBeforeLast(const QString& text, QChar separator)
{
    const int at = text.lastIndexOf(separator);
    return at < 0 ? text : text.left(at);
}

} // namespace

CListImages* CListImages::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CListImages();
    return s_pInstance;
}

void CListImages::DeleteInstance()
{
    if (!s_pInstance)
        return;
    s_pInstance->images.clear();
    s_pInstance->m_indexed.clear();
    delete s_pInstance;
    s_pInstance = nullptr;
}

CListImages::CListImages() : m_pFormats(CFormatsEnum::GetInstance()) {}

CListImages::~CListImages() = default;

bool CListImages::IsReadableExtension(const QString& upperExtension) const
{
    for (const SFormatRecord& format : m_pFormats->records) {
        if (!format.readable)
            continue;
        if (ExtensionTokens(format.extensions).contains(upperExtension))
            return true;
    }
    return false;
}

bool CListImages::IsSymLink(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

void CListImages::UpdateIndex()
{
    if (images.isSharedWith(m_indexed) && !images.isEmpty())
        return;
    m_paths.clear();
    m_files.clear();
    m_paths.reserve(images.size());
    for (const SImageRecord& record : qAsConst(images))
        Index(record.path, SFileIdentity::Of(record.path));
    m_indexed = images;
}

QString CListImages::ListedName(const SFileIdentity& identity) const
{
    if (!identity.exists)
        return QString();
    // By device and inode whatever the names: a link, a hard link or a bind
    // mount reach one file. The listed name may have been replaced since,
    // and its inode reused.
    const auto listed = m_files.constFind(identity.id);
    return listed != m_files.constEnd() && SFileIdentity::Of(*listed).id == identity.id ? *listed : QString();
}

void CListImages::Index(const QString& path, const SFileIdentity& identity)
{
    m_paths.insert(path);
    if (identity.exists)
        m_files.insert(identity.id, path);
}

void CListImages::Describe(SImageRecord& record, const QString& path, const QString& extension)
{
    record.path = path;
    record.folder = TextBeforeLast(path, '/');
    record.name = TextBeforeLast(TextAfterLast(path, '/'), '.');
    record.extension = extension;
}

bool CListImages::AddImage(QString path, QStringList& rejected)
{
    // Every route resolves its own relative paths (a job file against its
    // folder); the current folder means nothing to the user here.
    const QString given = path;
    path = CPathSafety::ResolvePath(path);
    if (QDir::isRelativePath(path)) {
        rejected.append(given);
        return false;
    }
    // Exact and case-sensitive, as a scan of the list would compare; a set
    // keeps loading a long list linear.
    UpdateIndex();
    if (m_paths.contains(path))
        return false;

    const QString extension = TextAfterLast(path, '.');
    if (!IsReadableExtension(extension.toUpper())) {
        rejected.append(given);
        return false;
    }
    // The same file under another name would be read after its own output
    // replaced it.
    const SFileIdentity identity = SFileIdentity::Of(path);
    const QString listed = ListedName(identity);
    if (!listed.isNull()) {
        // A link's entry takes the name of the file itself, or an in-place
        // run would replace the link and leave the file as it was.
        if (!IsSymLink(listed) || IsSymLink(path))
            return false;
        for (int i = 0; i < images.size(); ++i) {
            if (images.at(i).path != listed)
                continue;
            m_indexed = QList<SImageRecord>();
            Describe(images[i], path, extension);
            m_indexed = images;
            m_paths.remove(listed);
            Index(path, identity);
            break;
        }
        return false;
    }

    SImageRecord record;
    Describe(record, path, extension);
    record.position = images.size();
    // Released first, or the append would copy the whole shared list.
    m_indexed = QList<SImageRecord>();
    images.append(record);
    m_indexed = images;
    Index(path, identity);
    return true;
}

void CListImages::DragAndDrop(int from, int to)
{
    MoveByGap(images, from, to);
}

void CListImages::Sort(QList<int> order)
{
    const int n = images.size();
    if (order.isEmpty() || order.size() != n)
        return;
    QVector<bool> seen(n, false);
    for (int index : order) {
        if (index < 0 || index >= n || seen[index])
            return;
        seen[index] = true;
    }
    QList<SImageRecord> sorted;
    sorted.reserve(n);
    for (int index : order)
        sorted.append(images.at(index));
    images = sorted;
}
