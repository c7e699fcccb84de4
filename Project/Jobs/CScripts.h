#pragma once

#include "JobProperties.h"
#include "SJobContent.h"
#include "SProfileRecord.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

class CFiltersEnum;
class CListFilters;
class CListImages;
class CUserProfile;

// Reads and writes one job file (profile, script or project) between the file
// and the job's singletons: the photo list, the filter chain and the settings
// object. Built on the stack for one Load or one Save, GUI thread only.
class CScripts
{
public:
    enum ScriptSaveMode { ModeProject = 1, ModeProfile = 2, ModeScript = 3 };

    explicit CScripts(const QString& path);
    virtual ~CScripts();

    // Reads the file into the job. False when the file cannot be read, is
    // refused by SafeXml or the parser, would make the job larger than
    // CJobReader's limits, or is a project or script without exactly one
    // Images element; the job is then exactly as it was.
    bool Load();

    // Why the last Load refused the file, or why the last Save refused to
    // write a job that Load would refuse, in words for the user; empty
    // when the reason is not the job's content.
    QString ErrorText() const;

    // Writes the job as the kind given by `mode` (ScriptSaveMode) to the path
    // as given; no extension is added. True only when the whole file reached
    // the disk; on false a previous file at the path is left intact.
    bool Save(int mode);

    // What the last Load read otherwise than the file wrote it, one line per
    // value that names the element and the value: a filter type or Param
    // type it does not know (left out), a number that is not one (read as
    // 0), a number property that is not a whole number in its range (and
    // what it was read as), a Search folder it cannot list. Of each kind and
    // filter type or property the first MaxNotesOfAKind are told, then one
    // line counts the rest. The job loads as the rules say; telling the
    // user is the caller's part.
    QStringList Notes() const;
    static constexpr int MaxNotesOfAKind = 5;
    // How many Search folders of the last Load could not be listed, and
    // photos or folders found whose names no path can give: each leaves
    // photos the job names out of the list.
    int SearchFailures() const;

    // Name and description of a profile: Save(ModeProfile) writes them into
    // the "Profile" block, and Load of a profile reads them from there; the
    // name falls back to the root's Name attribute (empty when absent), an
    // empty or missing description leaves the field as it was.
    SProfileRecord ProfileHeader;

    // Shows the reader's warnings: another program version, a destination
    // that step 3 does not offer. Replaceable so that tests record the text
    // instead of blocking on a message box.
    typedef void (*WarningFunction)(const QString& text);
    static WarningFunction ShowWarning;
    static void DefaultShowWarning(const QString& text);

private:
    bool Refuse(const QString& text);
    // Notes `text`, of the kind its untranslated template `kind` names about
    // `subject` (a filter type, a property), and `alike` more of that kind
    // and subject whose texts were not kept.
    void Note(const char* kind, const QString& subject, const QString& text, int alike = 0);
    // `text` as a number; one that is not (or not finite) is noted for
    // `element` of `subject` and read as 0.
    double Number(const QString& subject, const QString& element, const QString& text);
    // `text` as an integer flag, non-zero for true; the same note otherwise.
    bool Flag(const QString& subject, const QString& element, const QString& text);
    void ParseImages(const QStringList& paths);
    void ParseSearch(const QList<SJobSearch>& searches);
    void ParseFilters(const QList<SJobFilter>& filters);
    void ParseMonitor(const QList<SJobProperty>& monitor, bool setsRunFlags,
                      QList<CJobProperties::SReadOtherwise>& notNumbers);
    void ReadProfileHeader(const SJobContent& content);
    void SearchAllFiles(const QString& folder, const QString& mask, bool recursive, int depth, QSet<QString>& visited);

    void WriteProfile();
    void WriteImages();
    void WriteFilters();

    CListImages* m_pImages;       // not owned
    QStringList m_refusedPaths;   // filled by AddImage, read by nobody
    CUserProfile* m_pUserProfile; // not owned
    CListFilters* m_pFilters;     // not owned
    CFiltersEnum* m_pFiltersEnum; // not owned
    QString m_path;
    QString m_version;
    QString m_versionWarning;
    QString m_text; // the document Save composes
    QString m_errorText;
    QStringList m_notes; // an empty line stands for its kind's count of the rest
    struct SNoteKind {
        int told = 0;
        int moreLine = -1; // the index in m_notes of the line that counts the rest
        int more = 0;
    };
    QHash<QPair<const char*, QString>, SNoteKind> m_noteKinds;
    int m_searchFailures = 0;
};
