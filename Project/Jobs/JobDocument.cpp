#include "JobDocument.h"

#include "Utils.h"

#include <QSaveFile>

namespace {

bool IsXmlChar(char16_t c)
{
    return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c != 0xFFFE && c != 0xFFFF);
}

QString DropNonXmlChars(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && IsXmlChar(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

} // namespace

QString CJobDocument::Escape(const QString& text, bool attribute)
{
    // References go in after PlainTextToXML, or their "&" would be escaped.
    QString escaped = PlainTextToXML(DropNonXmlChars(text));
    escaped.replace('\r', QLatin1String("&#13;"));
    if (attribute) {
        escaped.replace('\n', QLatin1String("&#10;"));
        escaped.replace('\t', QLatin1String("&#9;"));
    }
    return escaped;
}

bool CJobDocument::WriteWhole(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, because a short write (disk full, file size limit) is no
    // error to Qt's file engine: through the buffer it would go unseen and
    // commit() would succeed with a truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
