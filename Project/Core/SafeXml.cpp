#include "SafeXml.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QXmlStreamReader>

SafeXml::Verdict SafeXml::ReadFile(const QString& path, qint64 cap, QString& text)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Verdict::Unreadable;
    if (info.size() > cap)
        return Verdict::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict::Unreadable;
    // QIODevice::read(n) reserves n bytes before reading, so asking for the
    // cap at once would take 32 MiB for every small job file. Read what was
    // measured plus one byte; only a file that grew since is read on, still
    // no further than one byte past the cap.
    QByteArray bytes = file.read(info.size() + 1);
    if (bytes.size() > info.size() && file.error() == QFileDevice::NoError)
        bytes += file.read(cap + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return Verdict::Unreadable;
    if (bytes.size() > cap)
        return Verdict::TooLarge;
    text = Decode(bytes);
    return Verdict::Ok;
}

QString SafeXml::Decode(const QByteArray& bytes)
{
    QTextStream stream(bytes, QIODevice::ReadOnly);
    stream.setCodec("UTF-8");
    QString text = stream.readAll();
    // The DOM parser refuses a document that starts with U+FEFF.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

SafeXml::Verdict SafeXml::PreScan(const QString& text)
{
    QXmlStreamReader reader(text);
    int depth = 0;
    qint64 elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            // The declaration lists miss nothing the reader accepted, but the
            // raw text is checked too so that no declaration form slips by.
            if (!reader.entityDeclarations().isEmpty() || !reader.notationDeclarations().isEmpty() ||
                reader.text().contains(QLatin1String("<!ENTITY")) ||
                reader.text().contains(QLatin1String("<!NOTATION")))
                return Verdict::DeclaresEntities;
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > MaxDepth)
                return Verdict::TooDeep;
            if (++elements > MaxElements)
                return Verdict::TooManyElements;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || elements == 0)
        return Verdict::NotWellFormed;
    return Verdict::Ok;
}

SafeXml::Verdict SafeXml::Load(const QString& path, qint64 cap, QString& text)
{
    QString decoded;
    const Verdict read = ReadFile(path, cap, decoded);
    if (read != Verdict::Ok)
        return read;
    const Verdict scanned = PreScan(decoded);
    if (scanned == Verdict::Ok)
        text = decoded;
    return scanned;
}
