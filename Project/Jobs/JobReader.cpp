#include "JobReader.h"

#include "JobFileFormat.h"
#include "ListFilters.h"

#include <QVector>
#include <QXmlStreamReader>

using namespace JobFile;

namespace
{

enum class Role { Other, Images, Filters, Filter, Param, Properties, Property };

struct SFrame {
    Role role = Role::Other;
    int index = -1;        // the filter, parameter slot or block it fills
    bool number = false;   // a "float" Param
    bool collects = false; // Param and Property gather their whole text
    QString text;
};

// The parse state of one document; Read drives it token by token.
class CContentBuilder
{
public:
    explicit CContentBuilder(SJobContent& content) : m_content(content) {}

    CJobReader::Verdict Start(const QXmlStreamReader& reader);
    CJobReader::Verdict Characters(const QStringRef& text);
    void End();

private:
    Role ParentRole() const { return m_stack.isEmpty() ? Role::Other : m_stack.last().role; }
    CJobReader::Verdict StartParam(const QXmlStreamAttributes& attributes, SFrame& frame);

    SJobContent& m_content;
    QVector<SFrame> m_stack;
    bool m_filtersSeen = false;
    int m_openFilter = -1; // the Filter whose Params are being read
    int m_photoElements = 0;
};

bool Is(const QStringRef& name, const char* tag)
{
    return name == QLatin1String(tag);
}

CJobReader::Verdict CContentBuilder::StartParam(const QXmlStreamAttributes& attributes, SFrame& frame)
{
    const QStringRef type = attributes.value(QLatin1String(AttrType));
    const bool number = Is(type, ParamFloat);
    SJobFilter& filter = m_content.filters[m_openFilter];
    if (!number && !Is(type, ParamString)) {
        if (++filter.otherCount <= SJobFilter::MaxOtherTypes)
            filter.otherTypes.append(type.toString());
        return CJobReader::Verdict::Ok;
    }
    QStringList& values = number ? filter.numbers : filter.strings;
    // The record has no room for more; reading on would only hold what is
    // then thrown away.
    if (values.size() >= (number ? SFilterRecord::MaxNumbers : SFilterRecord::MaxStrings))
        return CJobReader::Verdict::TooManyParams;
    frame.role = Role::Param;
    frame.number = number;
    frame.index = values.size();
    frame.collects = true;
    values.append(QString());
    return CJobReader::Verdict::Ok;
}

CJobReader::Verdict CContentBuilder::Start(const QXmlStreamReader& reader)
{
    const QStringRef tag = reader.qualifiedName();
    const QXmlStreamAttributes attributes = reader.attributes();
    for (const QXmlStreamAttribute& a : attributes)
        if (a.value().size() > CJobReader::MaxTextLength)
            return CJobReader::Verdict::TextTooLong;
    auto attribute = [&attributes](const char* name) { return attributes.value(QLatin1String(name)).toString(); };

    const Role parent = ParentRole();
    SFrame frame;
    if (m_stack.isEmpty()) {
        m_content.rootTag = tag.toString();
        m_content.version = attribute(AttrVersion);
        m_content.mode = attribute(AttrMode);
        m_content.rootName = attribute(AttrRootName);
    } else if (Is(tag, TagImages)) {
        if (++m_content.imagesElements == 1)
            frame.role = Role::Images;
    }
    if (parent == Role::Images && (Is(tag, TagImage) || Is(tag, TagSearch))) {
        if (++m_photoElements > CJobReader::MaxPhotos)
            return CJobReader::Verdict::TooManyPhotos;
        if (Is(tag, TagImage))
            m_content.imagePaths.append(attribute(AttrPath));
        else
            m_content.searches.append({attribute(AttrPath), attribute(AttrSubfolders)});
    } else if (Is(tag, TagFilters) && !m_filtersSeen) {
        m_filtersSeen = true;
        frame.role = Role::Filters;
    } else if (parent == Role::Filters && Is(tag, TagFilter)) {
        if (m_content.filters.size() >= CJobReader::MaxFilters)
            return CJobReader::Verdict::TooManyFilters;
        m_content.filters.append({attribute(AttrId), attribute(AttrActive), {}, {}, {}, 0});
        m_openFilter = m_content.filters.size() - 1;
        frame.role = Role::Filter;
    } else if (Is(tag, TagParam) && m_openFilter >= 0) {
        const CJobReader::Verdict verdict = StartParam(attributes, frame);
        if (verdict != CJobReader::Verdict::Ok)
            return verdict;
    } else if (Is(tag, TagProperties)) {
        m_content.blocks.append({attribute(AttrClass), {}});
        frame.role = Role::Properties;
        frame.index = m_content.blocks.size() - 1;
    } else if (parent == Role::Properties && Is(tag, TagProperty)) {
        frame.role = Role::Property;
        frame.index = m_stack.last().index;
        frame.collects = true;
        m_content.blocks[frame.index].properties.append({attribute(AttrName), QString()});
    }
    m_stack.append(frame);
    return CJobReader::Verdict::Ok;
}

CJobReader::Verdict CContentBuilder::Characters(const QStringRef& text)
{
    // An element's text is that of all its descendants, as in the DOM.
    for (SFrame& frame : m_stack) {
        if (!frame.collects)
            continue;
        if (frame.text.size() + text.size() > CJobReader::MaxTextLength)
            return CJobReader::Verdict::TextTooLong;
        frame.text += text;
    }
    return CJobReader::Verdict::Ok;
}

void CContentBuilder::End()
{
    SFrame frame = m_stack.takeLast();
    switch (frame.role) {
    case Role::Filter:
        m_openFilter = -1;
        break;
    case Role::Param: {
        SJobFilter& filter = m_content.filters[m_openFilter];
        (frame.number ? filter.numbers : filter.strings)[frame.index] = frame.text;
        break;
    }
    case Role::Property:
        // Kept when empty too: for a few settings empty means something.
        m_content.blocks[frame.index].properties.last().text = frame.text;
        break;
    default:
        break;
    }
}

} // namespace

CJobReader::Verdict CJobReader::Read(const QString& text, SJobContent& content)
{
    SJobContent built;
    CContentBuilder builder(built);
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        Verdict verdict = Verdict::Ok;
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            verdict = builder.Start(reader);
            break;
        case QXmlStreamReader::EndElement:
            builder.End();
            break;
        case QXmlStreamReader::Characters:
            verdict = builder.Characters(reader.text());
            break;
        case QXmlStreamReader::EntityReference:
            // Only declared entities come back unresolved, and SafeXml
            // refuses every declaration.
            return Verdict::NotWellFormed;
        default:
            break;
        }
        if (verdict != Verdict::Ok)
            return verdict;
    }
    if (reader.hasError() || built.rootTag.isEmpty())
        return Verdict::NotWellFormed;
    content = std::move(built);
    return Verdict::Ok;
}
