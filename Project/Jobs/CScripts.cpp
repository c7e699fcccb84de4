#include "CScripts.h"

#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "JobDocument.h"
#include "JobFileFormat.h"
#include "JobProperties.h"
#include "JobReader.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "PathSafety.h"
#include "SafeXml.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
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
QString DecodedPath(const QString& attribute)
{
    return XMLToPlainText(attribute).replace('\\', '/');
}

const char* const NotANumberText = QT_TRANSLATE_NOOP("CScripts", "%1 '%2' is not a number: read as 0");
const char* const NotWholeInRangeText =
    QT_TRANSLATE_NOOP("CScripts", "%1 '%2' is not a whole number in its range: read as %3");
const char* const UnknownFilterText = QT_TRANSLATE_NOOP("CScripts", "Filter Id %1 is not known: left out");
const char* const UnknownParamText = QT_TRANSLATE_NOOP("CScripts", "%1: Param Type '%2' is not known: left out");
const char* const UnlistedFolderText =
    QT_TRANSLATE_NOOP("CScripts", "Search '%1': the folder '%2' does not exist or cannot be read");
const char* const UndecodableText =
    QT_TRANSLATE_NOOP("CScripts", "Search: the name of '%1' is not valid UTF-8: left untouched");

QString RefusalText(SafeXml::Verdict verdict)
{
    switch (verdict) {
    case SafeXml::Verdict::Ok:
        break;
    case SafeXml::Verdict::Unreadable:
        return QCoreApplication::translate("CScripts", "The job file cannot be read.");
    case SafeXml::Verdict::TooLarge:
        return QCoreApplication::translate("CScripts", "The job file is larger than %1 MiB.")
            .arg(SafeXml::JobFileCap / (1024 * 1024));
    case SafeXml::Verdict::NotWellFormed:
        return QCoreApplication::translate("CScripts", "The job file is not a well-formed XML document.");
    case SafeXml::Verdict::DeclaresEntities:
        return QCoreApplication::translate("CScripts", "The job file declares entities, which job files never hold.");
    case SafeXml::Verdict::TooDeep:
        return QCoreApplication::translate("CScripts", "The job file nests its elements more than %1 deep.")
            .arg(SafeXml::MaxDepth);
    case SafeXml::Verdict::TooManyElements:
        return QCoreApplication::translate("CScripts", "The job file holds more than %1 elements.")
            .arg(SafeXml::MaxElements);
    }
    return QString();
}

QString RefusalText(CJobReader::Verdict verdict)
{
    switch (verdict) {
    case CJobReader::Verdict::Ok:
        break;
    case CJobReader::Verdict::NotWellFormed:
        return RefusalText(SafeXml::Verdict::NotWellFormed);
    case CJobReader::Verdict::TooManyFilters:
        return QCoreApplication::translate("CScripts", "The job file holds more than %1 filters.")
            .arg(CJobReader::MaxFilters);
    case CJobReader::Verdict::TooManyParams:
        return QCoreApplication::translate("CScripts",
                                           "A filter of the job file holds more than %1 numbers or %2 texts.")
            .arg(SFilterRecord::MaxNumbers)
            .arg(SFilterRecord::MaxStrings);
    case CJobReader::Verdict::TooManyPhotos:
        return QCoreApplication::translate("CScripts", "The job file holds more than %1 photos.")
            .arg(CJobReader::MaxPhotos);
    case CJobReader::Verdict::TextTooLong:
        return QCoreApplication::translate("CScripts", "The job file holds a text longer than %1 characters.")
            .arg(CJobReader::MaxTextLength);
    }
    return QString();
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
    m_errorText.clear();
    m_notes.clear();
    m_noteKinds.clear();
    m_searchFailures = 0;
    SJobContent content;
    {
        QString text;
        const SafeXml::Verdict read = SafeXml::Load(m_path, SafeXml::JobFileCap, text);
        if (read != SafeXml::Verdict::Ok)
            return Refuse(RefusalText(read));
        const CJobReader::Verdict taken = CJobReader::Read(text, content);
        if (taken != CJobReader::Verdict::Ok)
            return Refuse(RefusalText(taken));
    }
    const bool isScript = content.rootTag == QLatin1String(RootScript);
    const bool isProject = content.rootTag == QLatin1String(RootProject);
    if ((isScript || isProject) && content.imagesElements != 1)
        return Refuse(
            QCoreApplication::translate("CScripts", "The job file does not hold exactly one list of photos."));

    // The photos come first: a search that finds too many refuses the file
    // while nothing else has changed yet.
    if (isScript || isProject) {
        const QList<SImageRecord> previous = m_pImages->images;
        m_pImages->images.clear();
        ParseImages(content.imagePaths);
        if (isScript)
            ParseSearch(content.searches);
        if (m_pImages->images.size() > CJobReader::MaxPhotos) {
            m_pImages->images = previous;
            return Refuse(RefusalText(CJobReader::Verdict::TooManyPhotos));
        }
    }
    // Warned only once the file is known to load: a refused file gets the
    // caller's message alone.
    if (content.version != m_version)
        ShowWarning(m_versionWarning);

    // Only a script may make a run silent; a shared profile must not turn
    // every later interactive run into one that deletes and overwrites
    // without asking.
    m_pUserProfile->SilentRun = false;
    m_pUserProfile->MonitorMode = false;

    QList<CJobProperties::SReadOtherwise> notNumbers;
    if (isProject || isScript) {
        m_pFilters->filters.clear();
        if (isScript) {
            if (content.mode == QLatin1String(ModeSilent))
                m_pUserProfile->SilentRun = true;
            if (!content.blocks.isEmpty())
                CJobProperties::Read(CJobProperties::Script, content.blocks.first().properties, *m_pUserProfile,
                                     &notNumbers);
        }
    } else if (content.rootTag == QLatin1String(RootProfile)) {
        m_pFilters->filters.clear();
        ReadProfileHeader(content);
    }

    const int destination = m_pUserProfile->Destination;
    ParseFilters(content.filters);
    for (const SJobBlock& block : qAsConst(content.blocks)) {
        CJobProperties::Block which;
        if (!CJobProperties::BlockOfClass(block.className, which))
            continue;
        if (which == CJobProperties::Monitor)
            ParseMonitor(block.properties, isScript, notNumbers);
        else if (which != CJobProperties::Script)
            CJobProperties::Read(which, block.properties, *m_pUserProfile, &notNumbers);
    }
    for (const CJobProperties::SReadOtherwise& read : qAsConst(notNumbers)) {
        const QString element = QStringLiteral("Property ") + read.name;
        if (read.number)
            Note(NotWholeInRangeText, element,
                 QCoreApplication::translate("CScripts", NotWholeInRangeText)
                     .arg(element, read.text, QString::number(read.value)));
        else
            Note(NotANumberText, element,
                 QCoreApplication::translate("CScripts", NotANumberText).arg(element, read.text));
    }
    // A greyed-out box on step 3 must not leave a run writing one document
    // in a format that has no pages.
    if (!CFormatsEnum::HoldsPages(m_pUserProfile->OutputFormat))
        m_pUserProfile->Multipage = false;
    // Only a code the file gave is judged. One without a combo entry would
    // leave step 3 blank and a run with nowhere to go.
    const int given = m_pUserProfile->Destination;
    if (given != destination && !SJobSettings::OffersDestination(given)) {
        m_pUserProfile->Destination = 1;
        ShowWarning(QCoreApplication::translate("CScripts", "The job file names a destination that Step 3 does not "
                                                            "offer (%1). Folder on My Computer is used instead.")
                        .arg(given));
    }
    return true;
}

void CScripts::ReadProfileHeader(const SJobContent& content)
{
    // Where the writer puts them: the first "Profile" block, read as the
    // profile browser reads it. The root's Name attribute is only a fallback
    // for hand-written files.
    ProfileHeader.Name = content.rootName;
    for (const SJobBlock& block : content.blocks) {
        if (block.className != QLatin1String(ClassProfile))
            continue;
        // The parser has resolved the entities; no second decoding, so that
        // a save writes the same bytes back.
        for (const SJobProperty& property : block.properties) {
            if (property.text.isEmpty())
                continue;
            if (property.name == QLatin1String(Prop::Name))
                ProfileHeader.Name = property.text;
            else if (property.name == QLatin1String(Prop::Description))
                ProfileHeader.Description = property.text;
        }
        return;
    }
}

QString CScripts::ErrorText() const
{
    return m_errorText;
}

bool CScripts::Refuse(const QString& text)
{
    m_errorText = text;
    m_notes.clear();
    m_noteKinds.clear();
    m_searchFailures = 0;
    return false;
}

QStringList CScripts::Notes() const
{
    QStringList notes = m_notes;
    for (const SNoteKind& kind : m_noteKinds)
        if (kind.moreLine >= 0)
            notes[kind.moreLine] = QCoreApplication::translate("CScripts", "and %1 more like it").arg(kind.more);
    return notes;
}

int CScripts::SearchFailures() const
{
    return m_searchFailures;
}

void CScripts::Note(const char* kind, const QString& subject, const QString& text, int alike)
{
    // A file may hold a million of one kind; the user reads a few. Each
    // subject is told apart, so that no setting hides behind another.
    SNoteKind& seen = m_noteKinds[qMakePair(kind, subject)];
    if (seen.told < MaxNotesOfAKind) {
        ++seen.told;
        m_notes.append(text);
    } else {
        ++alike;
    }
    if (alike == 0)
        return;
    if (seen.moreLine < 0) {
        seen.moreLine = m_notes.size();
        m_notes.append(QString());
    }
    seen.more += alike;
}

double CScripts::Number(const QString& subject, const QString& element, const QString& text)
{
    bool number = false;
    const double value = text.toDouble(&number);
    if (number && std::isfinite(value))
        return value;
    Note(NotANumberText, subject, QCoreApplication::translate("CScripts", NotANumberText).arg(element, text));
    return 0.0;
}

bool CScripts::Flag(const QString& subject, const QString& element, const QString& text)
{
    bool number = false;
    const int value = text.toInt(&number);
    if (!number)
        Note(NotANumberText, subject, QCoreApplication::translate("CScripts", NotANumberText).arg(element, text));
    return value != 0;
}

void CScripts::ParseImages(const QStringList& paths)
{
    m_refusedPaths.clear();
    // Relative paths are taken from the script's folder, as searches are.
    const QDir scriptFolder = QFileInfo(m_path).absoluteDir();
    for (const QString& raw : paths) {
        const QString path = DecodedPath(raw);
        if (!path.isEmpty())
            m_pImages->AddImage(scriptFolder.absoluteFilePath(path), m_refusedPaths);
    }
}

void CScripts::ParseSearch(const QList<SJobSearch>& searches)
{
    // Relative folders are taken from the script's folder. The process's
    // current folder is never changed: other threads may rely on it.
    const QDir scriptFolder = QFileInfo(m_path).absoluteDir();
    for (const SJobSearch& search : searches) {
        const QString path = DecodedPath(search.path);
        const QString element = QStringLiteral("Search '%1': Subfolders").arg(path);
        const bool recursive =
            !search.subfolders.isEmpty() && Flag(QStringLiteral("Search"), element, search.subfolders);
        const int slash = path.lastIndexOf('/');
        const QString mask = slash < 0 ? path : path.mid(slash + 1);
        // A bare mask searches the script's folder, as "./mask" does.
        const QString folder =
            CPathSafety::ResolvePath(scriptFolder.absoluteFilePath(slash < 0 ? QStringLiteral(".") : path.left(slash)));
        // Its photos are missing from the job, as a missing Image's would be.
        const QFileInfo listed(folder);
        if (!listed.isDir() || !listed.isReadable() || !listed.isExecutable()) {
            ++m_searchFailures;
            Note(UnlistedFolderText, QString(),
                 QCoreApplication::translate("CScripts", UnlistedFolderText).arg(path, folder));
            continue;
        }
        QSet<QString> visited;
        SearchAllFiles(folder, mask, recursive, 0, visited);
    }
}

void CScripts::SearchAllFiles(const QString& folder, const QString& mask, bool recursive, int depth,
                              QSet<QString>& visited)
{
    // QDir reads an empty filter list as "everything". Past the photo limit
    // the file is refused anyway, so the search stops there.
    if (mask.isEmpty() || depth > MaxSearchDepth || m_pImages->images.size() > CJobReader::MaxPhotos)
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
    // Photos and folders that no path can name stay out of the job, never in silence.
    for (const QString& left : CPathSafety::UndecodableEntries(folder, mask, recursive)) {
        ++m_searchFailures;
        Note(UndecodableText, QString(), QCoreApplication::translate("CScripts", UndecodableText).arg(left));
    }
    if (!recursive)
        return;
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, order);
    for (const QString& name : folders)
        SearchAllFiles(folder + '/' + name, mask, true, depth + 1, visited);
}

void CScripts::ParseFilters(const QList<SJobFilter>& filters)
{
    for (const SJobFilter& filter : filters) {
        bool numeric = false;
        const qint64 id = filter.id.toLongLong(&numeric);
        // Codes beyond 16 bits must not wrap onto a catalogue entry. A type
        // of a newer version must not stop the load: it is left out.
        const SFilterEnumRecord type =
            numeric && id >= 0 && id <= 0xFFFF ? m_pFiltersEnum->GetRecordById(quint32(id)) : SFilterEnumRecord();
        if (type.name.isEmpty()) {
            Note(UnknownFilterText, QString(),
                 QCoreApplication::translate("CScripts", UnknownFilterText).arg(filter.id));
            continue;
        }

        SFilterRecord record;
        record.id = quint32(id);
        record.name = type.name;
        record.description = type.description;
        record.active =
            filter.active.isEmpty() || Flag(type.name, type.name + QStringLiteral(": Active"), filter.active);
        // The reader kept the first types only; the rest are counted.
        for (int i = 0; i < filter.otherTypes.size(); ++i)
            Note(UnknownParamText, type.name,
                 QCoreApplication::translate("CScripts", UnknownParamText).arg(type.name, filter.otherTypes.at(i)),
                 i + 1 == filter.otherTypes.size() ? filter.otherCount - filter.otherTypes.size() : 0);
        // The reader refused any filter with more Params than slots.
        for (int i = 0; i < filter.numbers.size(); ++i)
            record.AddNumber(
                Number(type.name, type.name + QStringLiteral(": Param %1").arg(i + 1), filter.numbers.at(i)));
        for (const QString& text : filter.strings)
            record.AddString(XMLToPlainText(text));
        m_pFilters->AddFilter(record);
    }
}

void CScripts::ParseMonitor(const QList<SJobProperty>& monitor, bool setsRunFlags,
                            QList<CJobProperties::SReadOtherwise>& notNumbers)
{
    if (setsRunFlags) {
        m_pUserProfile->MonitorMode = true;
        m_pUserProfile->SilentRun = true;
    }
    CJobProperties::Read(CJobProperties::Monitor, monitor, *m_pUserProfile, &notNumbers);
}

bool CScripts::Save(int mode)
{
    m_text.clear();
    m_errorText.clear();
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

    // A job that Load would refuse is never written: it could not be
    // opened again, and it would replace a file that can.
    const QByteArray bytes = m_text.toUtf8();
    if (bytes.size() > SafeXml::JobFileCap)
        return Refuse(RefusalText(SafeXml::Verdict::TooLarge));
    SJobContent check;
    const CJobReader::Verdict verdict = CJobReader::Read(m_text, check);
    if (verdict != CJobReader::Verdict::Ok)
        return Refuse(RefusalText(verdict));

    // A failed write must leave the previous file whole.
    return CJobDocument::WriteWhole(m_path, bytes);
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
