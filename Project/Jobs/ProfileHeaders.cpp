#include "ProfileHeaders.h"

#include "JobDocument.h"
#include "ProfileDescriptions.h"
#include "SafeXml.h"

#include <QDomDocument>
#include <QFile>
#include <QPoint>
#include <QStringList>
#include <QXmlInputSource>
#include <QXmlSimpleReader>

namespace
{

const char BlockStart[] = "<Properties Class=\"Profile\">";
const char BlockEnd[] = "</Properties>";
const char PropertyEnd[] = "</Property>";

QString VerdictText(SafeXml::Verdict verdict)
{
    switch (verdict) {
    case SafeXml::Verdict::Ok:
        return QStringLiteral("ok");
    case SafeXml::Verdict::Unreadable:
        return QStringLiteral("unreadable");
    case SafeXml::Verdict::TooLarge:
        return QStringLiteral("too large");
    case SafeXml::Verdict::NotWellFormed:
        return QStringLiteral("not well-formed");
    case SafeXml::Verdict::DeclaresEntities:
        return QStringLiteral("declares entities");
    case SafeXml::Verdict::TooDeep:
        return QStringLiteral("nested too deep");
    case SafeXml::Verdict::TooManyElements:
        return QStringLiteral("too many elements");
    }
    return QString();
}

// The SAX classes are deprecated in Qt 5.15, but the QString overload of
// setContent drops whitespace-only text and offers no switch to keep it: a
// profile named "   " would lose its name.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
bool ParseKeepingBlanks(const QString& text, QDomDocument& document)
{
    QXmlInputSource source;
    source.setData(text);
    QXmlSimpleReader reader;
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
    reader.setFeature(QStringLiteral("http://trolltech.com/xml/features/report-whitespace-only-CharData"), true);
    return document.setContent(&source, &reader);
}
#pragma GCC diagnostic pop

// The "Profile" blocks of decoded text; false with `reason` when it is no
// profile.
bool ParseBlocks(const QString& text, QDomDocument& document, QList<QDomElement>& blocks, QString& reason)
{
    if (!ParseKeepingBlanks(text, document)) {
        reason = QStringLiteral("not well-formed");
        return false;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("Profile")) {
        reason = QStringLiteral("root is not Profile");
        return false;
    }
    const QDomNodeList all = root.elementsByTagName(QStringLiteral("Properties"));
    for (int i = 0; i < all.size(); ++i) {
        const QDomElement block = all.item(i).toElement();
        if (block.attribute(QStringLiteral("Class")) == QLatin1String("Profile"))
            blocks << block;
    }
    if (blocks.isEmpty()) {
        reason = QStringLiteral("no Profile header");
        return false;
    }
    return true;
}

// Sets the value of property `name` inside the block [start, end) of
// `bytes`; `end` follows the change.
void SetProperty(QByteArray& bytes, int start, int& end, const QByteArray& name, const QString& value)
{
    const QByteArray marker = "<Property Name=\"" + name + "\">";
    const QByteArray escaped = CJobDocument::Escape(value, false).toUtf8();
    const int at = bytes.indexOf(marker, start);
    const int close = at >= 0 ? bytes.indexOf(PropertyEnd, at + marker.size()) : -1;
    if (at >= 0 && close >= 0 && close < end) {
        const int from = at + marker.size();
        bytes.replace(from, close - from, escaped);
        end += escaped.size() - (close - from);
        return;
    }
    // Missing: added at the start of the line of the block's end, so that
    // it is the block's last property and wins.
    const int lineStart = qMax(start + int(sizeof(BlockStart)) - 1, bytes.lastIndexOf('\n', end) + 1);
    const QByteArray line = "\t\t" + marker + escaped + PropertyEnd + "\n";
    bytes.insert(lineStart, line);
    end += line.size();
}

// The rewrite on bytes in memory; false when the bytes have no block.
bool ReplaceHeader(QByteArray& bytes, const QString& name, const QString& description)
{
    const int start = bytes.indexOf(BlockStart);
    int end = start >= 0 ? bytes.indexOf(BlockEnd, start) : -1;
    if (end < 0)
        return false;
    // The second replacement works on the bytes the first has changed.
    SetProperty(bytes, start, end, "Name", name);
    SetProperty(bytes, start, end, "Description", description);
    return true;
}

} // namespace

bool ProfileHeaders::ReadBlocks(const QString& path, QDomDocument& document, QList<QDomElement>& blocks,
                                QString& reason)
{
    QString text;
    const SafeXml::Verdict verdict = SafeXml::Load(path, SafeXml::ProfileHeaderCap, text);
    if (verdict != SafeXml::Verdict::Ok) {
        reason = VerdictText(verdict);
        return false;
    }
    return ParseBlocks(text, document, blocks, reason);
}

bool ProfileHeaders::Read(const QString& path, QList<SProfileRecord>& records, QString& reason)
{
    QDomDocument document;
    QList<QDomElement> blocks;
    if (!ReadBlocks(path, document, blocks, reason))
        return false;
    for (const QDomElement& block : blocks)
        records << ParseRecord(block.childNodes(), path);
    return true;
}

SProfileRecord ProfileHeaders::ParseRecord(const QDomNodeList& properties, const QString& path)
{
    SProfileRecord record;
    record.Path = path;
    for (int i = 0; i < properties.size(); ++i) {
        const QDomElement e = properties.item(i).toElement();
        if (e.isNull() || e.tagName() != QLatin1String("Property"))
            continue;
        // The parser has resolved the entities; no second decoding.
        const QString text = e.text();
        if (text.isEmpty())
            continue;
        const QString name = e.attribute(QStringLiteral("Name"));
        if (name == QLatin1String("Name"))
            record.Name = text;
        else if (name == QLatin1String("Description"))
            record.Description = text;
        else if (name == QLatin1String("NameId"))
            record.Name = GetProfileDescription(text.toInt());
        else if (name == QLatin1String("DescriptionId"))
            record.Description = GetProfileDescription(text.toInt());
        else if (name == QLatin1String("Category"))
            record.Category = text;
        else if (name == QLatin1String("Icon"))
            record.Icon = text.toInt();
    }
    return record;
}

int ProfileHeaders::CategoryIndex(const QString& category, const QStringList& keys)
{
    const QString wanted = category.toLower();
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i].toLower() == wanted)
            return i;
    return -1;
}

int ProfileHeaders::IconIndex(int icon, const QPoint& categoryCell, const QSize& filterGrid, const QSize& formatGrid,
                              int iconCount)
{
    const int formats = formatGrid.width() * formatGrid.height();
    const int ownCell = formats + filterGrid.width() * categoryCell.y() + categoryCell.x();
    int index = ownCell;
    if (icon >= 1000 && icon <= 1999)
        index = icon % 100;
    else if (icon >= 2000 && icon <= 2999)
        index = formats + (icon % 1000) / 100 * filterGrid.width() + icon % 100;
    if (iconCount > 0 && (index < 0 || index >= iconCount))
        index = ownCell;
    return index;
}

ProfileHeaders::Rewrite ProfileHeaders::RewriteHeader(const QString& path, const QString& name,
                                                      const QString& description, SProfileRecord& reread)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Rewrite::Unreadable;
    QByteArray bytes = file.read(SafeXml::ProfileHeaderCap + 1);
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    if (failed)
        return Rewrite::Unreadable;
    if (bytes.size() > SafeXml::ProfileHeaderCap)
        return Rewrite::TooLarge;
    // Text up to a NUL would be all that a rewrite keeps.
    if (bytes.contains('\0'))
        return Rewrite::HasNul;
    if (!ReplaceHeader(bytes, name, description))
        return Rewrite::NoHeader;

    const QString text = SafeXml::Decode(bytes);
    QDomDocument document;
    QList<QDomElement> blocks;
    QString reason;
    if (SafeXml::PreScan(text) != SafeXml::Verdict::Ok || !ParseBlocks(text, document, blocks, reason))
        return Rewrite::NotAProfile;
    if (!CJobDocument::WriteWhole(path, bytes))
        return Rewrite::WriteFailed;

    QList<SProfileRecord> records;
    if (!Read(path, records, reason))
        return Rewrite::WriteFailed;
    reread = records.first();
    return Rewrite::Done;
}
