#include "ListImages.h"

#include "FormatsEnum.h"
#include "MoveByGap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

CListImages::SFileIdentity CListImages::Identify(const QString& path)
{
    SFileIdentity identity;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return identity;
    identity.canonical = QFileInfo(path).canonicalFilePath();
    identity.id = FileId(st.st_dev, st.st_ino);
    identity.hardLinked = st.st_nlink > 1;
    return identity;
}

void CListImages::UpdateIndex()
{
    if (images.isSharedWith(m_indexed) && !images.isEmpty())
        return;
    m_paths.clear();
    m_canonical.clear();
    m_hardLinked.clear();
    m_paths.reserve(images.size());
    for (const SImageRecord& record : qAsConst(images))
        Index(record.path, Identify(record.path));
    m_indexed = images;
}

bool CListImages::IsListedFile(const SFileIdentity& identity) const
{
    if (identity.canonical.isEmpty())
        return false;
    if (m_canonical.contains(identity.canonical))
        return true;
    if (!identity.hardLinked)
        return false;
    // The listed name may have been replaced since, and its inode reused.
    const auto listed = m_hardLinked.constFind(identity.id);
    return listed != m_hardLinked.constEnd() && Identify(*listed).id == identity.id;
}

void CListImages::Index(const QString& path, const SFileIdentity& identity)
{
    m_paths.insert(path);
    if (identity.canonical.isEmpty())
        return;
    m_canonical.insert(identity.canonical);
    if (identity.hardLinked)
        m_hardLinked.insert(identity.id, path);
}

bool CListImages::AddImage(QString path, QStringList& rejected)
{
    // Every route resolves its own relative paths (a job file against its
    // folder); the current folder means nothing to the user here.
    const QString given = path;
    path = QDir::cleanPath(path);
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
    const SFileIdentity identity = Identify(path);
    if (IsListedFile(identity))
        return false;

    SImageRecord record;
    record.path = path;
    record.folder = TextBeforeLast(path, '/');
    record.name = TextBeforeLast(TextAfterLast(path, '/'), '.');
    record.extension = extension;
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
