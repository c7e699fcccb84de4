#include "PathSafety.h"

namespace
{

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
