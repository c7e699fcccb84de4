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

bool CListImages::AddImage(QString path, QStringList& rejected)
{
    for (const SImageRecord& record : images)
        if (record.path == path)
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
    images.append(record);
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
