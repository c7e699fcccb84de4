#include "CScripts.h"

#include "FiltersEnum.h"
#include "JobDocument.h"
#include "JobFileFormat.h"
#include "JobProperties.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "SafeXml.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QMessageBox>

#include <cmath>

using namespace JobFile;

namespace {

// A symbolic link may lead a search into ever deeper copies of one folder;
// the visited set stops loops, this stops anything else.
constexpr int MaxSearchDepth = 64;

const char* const VersionWarningText = QT_TRANSLATE_NOOP(
    "CScripts", "The project was created with a different program version so it may not be correctly "
                "imported.\nIn order to correct any potential problems adjust the settings and save.");

QString Name(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

// "\\" separators of hand-written Windows paths become "/".
QString DecodedPath(const QDomElement& e)
{
    return XMLToPlainText(e.attribute(Name(AttrPath))).replace('\\', '/');
}

double FiniteNumber(const QString& text)
{
    const double value = text.toDouble();
    return std::isfinite(value) ? value : 0.0;
}

QDomElement FirstInDocument(const QDomDocument& document, const char* tag)
{
    return document.elementsByTagName(Name(tag)).item(0).toElement();
}

} // namespace

CScripts::WarningFunction CScripts::ShowWarning = &CScripts::DefaultShowWarning;

void CScripts::DefaultShowWarning(const QString& text)
{
    QMessageBox::warning(nullptr, QString(), text);
}

CScripts::CScripts(const QString& path)
    : m_pImages(CListImages::GetInstance()), m_pUserProfile(nullptr), m_pFilters(CListFilters::GetInstance()),
      m_pFiltersEnum(nullptr), m_path(path), m_version(Name(FormatVersion)),
      m_versionWarning(QCoreApplication::translate("CScripts", VersionWarningText))
{
    // The singletons come into being in this order.
    m_pUserProfile = CUserProfile::GetInstance();
    m_pFiltersEnum = CFiltersEnum::GetInstance();
}

CScripts::~CScripts() = default;

bool CScripts::Load()
{
    // Everything that can fail is checked before the job is touched.
    QDomDocument document;
    if (!CJobDocument::Read(m_path, SafeXml::JobFileCap, document))
        return false;
    const QDomElement root = document.documentElement();
    const QString kind = root.tagName();
    const bool isScript = kind == QLatin1String(RootScript);
    const bool isProject = kind == QLatin1String(RootProject);
    QDomElement images;
    if (isScript || isProject) {
        const QDomNodeList found = root.elementsByTagName(Name(TagImages));
        if (found.count() != 1)
            return false;
        images = found.item(0).toElement();
    }
    // Warned only once the file is known to load: a refused file gets the
    // caller's message alone.
    if (root.attribute(Name(AttrVersion)) != m_version)
        ShowWarning(m_versionWarning);

    // Only a script may make a run silent; a shared profile must not turn
    // every later interactive run into one that deletes and overwrites
    // without asking.
    m_pUserProfile->SilentRun = false;
    m_pUserProfile->MonitorMode = false;

    if (isProject || isScript) {
        m_pImages->images.clear();
        m_pFilters->filters.clear();
        if (isScript) {
            if (root.attribute(Name(AttrMode)) == QLatin1String(ModeSilent))
                m_pUserProfile->SilentRun = true;
            CJobProperties::Read(CJobProperties::Script, FirstInDocument(document, TagProperties), *m_pUserProfile);
        }
        ParseImages(images);
        if (isScript)
            ParseSearch(images);
    } else if (kind == QLatin1String(RootProfile)) {
        m_pFilters->filters.clear();
        ProfileHeader.Name = root.attribute(Name(AttrRootName));
    }

    ParseFilters(FirstInDocument(document, TagFilters));
    const QDomNodeList blocks = document.elementsByTagName(Name(TagProperties));
    for (int i = 0; i < blocks.count(); ++i) {
        const QDomElement block = blocks.item(i).toElement();
        CJobProperties::Block which;
        if (!CJobProperties::BlockOfClass(block.attribute(Name(AttrClass)), which))
            continue;
        if (which == CJobProperties::Monitor)
            ParseMonitor(block, isScript);
        else if (which != CJobProperties::Script)
            CJobProperties::Read(which, block, *m_pUserProfile);
    }
    return true;
}

void CScripts::ParseImages(const QDomElement& images)
{
    QStringList paths;
    const QString tag = Name(TagImage);
    for (QDomElement e = images.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        paths.append(DecodedPath(e));
    m_refusedPaths.clear();
    for (const QString& path : qAsConst(paths))
        if (!path.isEmpty())
            m_pImages->AddImage(path, m_refusedPaths);
}

void CScripts::ParseSearch(const QDomElement& images)
{
    // Relative folders are taken from the script's folder. The process's
    // current folder is never changed: other threads may rely on it.
    const QDir scriptFolder = QFileInfo(m_path).absoluteDir();
    const QString tag = Name(TagSearch);
    for (QDomElement e = images.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag)) {
        const QString path = DecodedPath(e);
        const bool recursive = e.attribute(Name(AttrSubfolders)).toInt() != 0;
        const int slash = path.lastIndexOf('/');
        const QString mask = slash < 0 ? path : path.mid(slash + 1);
        const QString folder = slash < 0 ? path : path.left(slash);
        QSet<QString> visited;
        SearchAllFiles(scriptFolder.absoluteFilePath(folder), mask, recursive, 0, visited);
    }
}

void CScripts::SearchAllFiles(const QString& folder, const QString& mask, bool recursive, int depth,
                              QSet<QString>& visited)
{
    // QDir reads an empty filter list as "everything".
    if (mask.isEmpty() || depth > MaxSearchDepth)
        return;
    const QDir dir(folder);
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || !dir.exists() || visited.contains(canonical))
        return;
    visited.insert(canonical);

    // Sorted, so that a batch's order and counters do not depend on the
    // order in which the file system happens to list its entries.
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    const QStringList files = dir.entryList(QStringList(mask), QDir::Files | QDir::NoSymLinks, order);
    m_refusedPaths.clear();
    for (const QString& name : files)
        m_pImages->AddImage(dir.absoluteFilePath(name), m_refusedPaths);
    if (!recursive)
        return;
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, order);
    for (const QString& name : folders)
        SearchAllFiles(folder + '/' + name, mask, true, depth + 1, visited);
}

void CScripts::ParseFilters(const QDomElement& filters)
{
    const QString tag = Name(TagFilter);
    const QString param = Name(TagParam);
    for (QDomElement e = filters.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag)) {
        bool numeric = false;
        const qint64 id = e.attribute(Name(AttrId)).toLongLong(&numeric);
        // Codes beyond 16 bits must not wrap onto a catalogue entry.
        if (!numeric || id < 0 || id > 0xFFFF)
            continue;
        const SFilterEnumRecord type = m_pFiltersEnum->GetRecordById(quint32(id));
        if (type.name.isEmpty())
            continue;

        SFilterRecord record;
        record.id = quint32(id);
        record.name = type.name;
        record.description = type.description;
        const QString active = e.attribute(Name(AttrActive));
        record.active = active.isEmpty() || active.toInt() != 0;
        // Params count at any depth below the filter; the surplus beyond the
        // slots is ignored by AddNumber and AddString.
        const QDomNodeList params = e.elementsByTagName(param);
        for (int i = 0; i < params.count(); ++i) {
            const QDomElement p = params.item(i).toElement();
            const QString paramType = p.attribute(Name(AttrType));
            if (paramType == QLatin1String(ParamFloat))
                record.AddNumber(FiniteNumber(p.text()));
            else if (paramType == QLatin1String(ParamString))
                record.AddString(XMLToPlainText(p.text()));
        }
        m_pFilters->AddFilter(record);
    }
}

void CScripts::ParseMonitor(const QDomElement& monitor, bool setsRunFlags)
{
    if (setsRunFlags) {
        m_pUserProfile->MonitorMode = true;
        m_pUserProfile->SilentRun = true;
    }
    CJobProperties::Read(CJobProperties::Monitor, monitor, *m_pUserProfile);
}

bool CScripts::Save(int mode)
{
    m_text.clear();
    if (mode != ModeProject && mode != ModeProfile && mode != ModeScript)
        return false;
    const QString root = Name(mode == ModeScript ? RootScript : mode == ModeProfile ? RootProfile : RootProject);
    m_text += QLatin1String(Line::Declaration);
    m_text += Name(Line::RootStart).arg(root, m_version);
    if (mode == ModeScript)
        CJobProperties::Write(CJobProperties::Script, *m_pUserProfile, m_text);
    if (mode == ModeProfile)
        WriteProfile();
    else
        WriteImages();
    WriteFilters();
    CJobProperties::Write(CJobProperties::Rename, *m_pUserProfile, m_text);
    CJobProperties::Write(CJobProperties::Output, *m_pUserProfile, m_text);
    CJobProperties::Write(CJobProperties::Format, *m_pUserProfile, m_text);
    if (mode != ModeScript)
        CJobProperties::Write(CJobProperties::Interface, *m_pUserProfile, m_text);
    m_text += Name(Line::RootEnd).arg(root);

    // A failed write must leave the previous file whole.
    return CJobDocument::WriteWhole(m_path, m_text.toUtf8());
}

void CScripts::WriteProfile()
{
    const QString property = Name(Line::Property);
    m_text += Name(Line::PropertiesStart).arg(QLatin1String(ClassProfile));
    m_text += property.arg(QLatin1String(Prop::Name), CJobDocument::Escape(ProfileHeader.Name, false));
    m_text += property.arg(QLatin1String(Prop::Description), CJobDocument::Escape(ProfileHeader.Description, false));
    m_text += property.arg(QLatin1String(Prop::Category), QLatin1String(CategoryUserDefined));
    m_text += QLatin1String(Line::PropertiesEnd);
}

void CScripts::WriteImages()
{
    m_text += QLatin1String(Line::ImagesStart);
    const QString line = Name(Line::Image);
    for (const SImageRecord& image : qAsConst(m_pImages->images))
        m_text += line.arg(CJobDocument::Escape(QDir::toNativeSeparators(image.path), true));
    m_text += QLatin1String(Line::ImagesEnd);
}

void CScripts::WriteFilters()
{
    m_text += QLatin1String(Line::FiltersStart);
    for (SFilterRecord record : qAsConst(m_pFilters->filters)) {
        record.ClampCounts();
        m_text += Name(record.active ? Line::FilterStart : Line::FilterStartInactive).arg(QString::number(record.id));
        for (int i = 0; i < record.numberCount; ++i)
            m_text += Name(Line::NumberParam).arg(QString::number(record.numbers[i], 'f', 6));
        for (int i = 0; i < record.stringCount; ++i)
            m_text += Name(Line::StringParam).arg(CJobDocument::Escape(record.strings[i], false));
        m_text += QLatin1String(Line::FilterEnd);
    }
    m_text += QLatin1String(Line::FiltersEnd);
}
