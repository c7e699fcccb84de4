#include "ListImages.h"

#include "FormatsEnum.h"
#include "MoveByGap.h"

#include <QVector>

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

bool CListImages::IsListed(const QString& path)
{
    if (!images.isSharedWith(m_indexed) || images.isEmpty()) {
        m_paths.clear();
        m_paths.reserve(images.size());
        for (const SImageRecord& record : qAsConst(images))
            m_paths.insert(record.path);
        m_indexed = images;
    }
    return m_paths.contains(path);
}

bool CListImages::AddImage(QString path, QStringList& rejected)
{
    // Exact and case-sensitive, as a scan of the list would compare; a set
    // keeps loading a long list linear.
    if (IsListed(path))
        return false;

    const QString extension = TextAfterLast(path, '.');
    if (!IsReadableExtension(extension.toUpper())) {
        rejected.append(path);
        return false;
    }

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
    m_paths.insert(path);
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
