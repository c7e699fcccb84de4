// libFuzzer driver for the job-file reader. Each input is written to a file
// and loaded by CScripts::Load over a fixed job held by the real singletons.
// Besides crashes and hangs it stops on a broken promise of the reader:
// a refused file that changed the job, a warning for a refused file or more
// than one per load, a changed current folder, or a loaded chain with slot
// counts out of range or a non-finite number.
#include "BqTestMain.h"
#include "CScripts.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "UserProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Every plain setting of CUserProfile. The naming engine and the preview
// status are left out: the reader never touches them.
// clang-format off
#define BQ_PROFILE_FIELDS(X)                                                                                  \
    X(Step1Preview) X(DetailsSortColumn) X(DetailsSortOrder) X(Step2Preview) X(FilenameFormat) X(PresetRename) \
    X(CounterStart) X(CountStep) X(CounterDigits) X(ChangeCase) X(LowerCaseExt) X(DateType) X(DateFormat)      \
    X(ShowTime) X(TimeFormat) X(SearchFor) X(ReplaceWith) X(OutputFolderStruct) X(OutputFolder) X(DestPath)   \
    X(Multipage) X(OutputFormat) X(OpenOutputFolder) X(OriginalDate) X(DeleteSource) X(DisableNotifications)  \
    X(HideProcessing) X(Destination) X(SaveOnDiskMail) X(SaveOnDiskFTP) X(SaveOnDiskFacebook)                 \
    X(SaveOnDiskFlickr) X(FTPUser) X(FTPPassword) X(FTPHost) X(FTPPort) X(FTPFolder) X(Id) X(Name) X(Folder)  \
    X(CreateLog) X(Overwrite) X(SilentMode) X(PicCount) X(Host) X(Type) X(Quality) X(FileSize) X(FixedSize)   \
    X(PNGComp) X(Interlaced) X(JpegType) X(TiffType) X(TiffAlg) X(PdfAlg) X(CustomProfile) X(DefaultFormat)   \
    X(LaunchCounter) X(RunCount) X(RunFromScript) X(SilentRun) X(ProcessEnvCVLog) X(MonitorMode)             \
    X(BuiltInProfileLoaded) X(LanguageId) X(ThemeId) X(UseMulticore) X(ContextualMenu) X(ShowProfiles)       \
    X(ShowStartupWizard) X(MonitorLaunch) X(CheckNewAutoCheck) X(RawDemosaic) X(RawWhiteBalance)             \
    X(RawHighlight) X(CheckNewInterval) X(MultipageWrite)
// clang-format on

struct SJobState {
    QList<SImageRecord> images;
    QList<SFilterRecord> filters;
#define BQ_DECLARE(f) decltype(CUserProfile::f) f;
    BQ_PROFILE_FIELDS(BQ_DECLARE)
#undef BQ_DECLARE
};

bool SameImage(const SImageRecord& a, const SImageRecord& b)
{
    return a.path == b.path && a.folder == b.folder && a.name == b.name && a.extension == b.extension &&
           a.position == b.position;
}

// Numbers compare bit for bit, so that a NaN written into a slot shows.
bool SameFilter(const SFilterRecord& a, const SFilterRecord& b)
{
    if (a.id != b.id || a.name != b.name || a.description != b.description || a.numberCount != b.numberCount ||
        a.stringCount != b.stringCount || a.active != b.active ||
        std::memcmp(a.numbers, b.numbers, sizeof a.numbers) != 0)
        return false;
    for (int i = 0; i < SFilterRecord::MaxStrings; ++i)
        if (a.strings[i] != b.strings[i])
            return false;
    return true;
}

template <typename T, typename Same> bool SameList(const QList<T>& a, const QList<T>& b, Same same)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (!same(a.at(i), b.at(i)))
            return false;
    return true;
}

SJobState Capture()
{
    SJobState s;
    s.images = CListImages::GetInstance()->images;
    s.filters = CListFilters::GetInstance()->filters;
    const CUserProfile* p = CUserProfile::GetInstance();
#define BQ_CAPTURE(f) s.f = p->f;
    BQ_PROFILE_FIELDS(BQ_CAPTURE)
#undef BQ_CAPTURE
    return s;
}

void Restore(const SJobState& s)
{
    CListImages::GetInstance()->images = s.images;
    CListFilters::GetInstance()->filters = s.filters;
    CUserProfile* p = CUserProfile::GetInstance();
#define BQ_RESTORE(f) p->f = s.f;
    BQ_PROFILE_FIELDS(BQ_RESTORE)
#undef BQ_RESTORE
}

// The names of the parts of the job that differ.
QStringList Differences(const SJobState& a, const SJobState& b)
{
    QStringList out;
    if (!SameList(a.images, b.images, SameImage))
        out << QStringLiteral("images");
    if (!SameList(a.filters, b.filters, SameFilter))
        out << QStringLiteral("filters");
#define BQ_COMPARE(f)                                                                                                  \
    if (!(a.f == b.f))                                                                                                 \
        out << QStringLiteral(#f);
    BQ_PROFILE_FIELDS(BQ_COMPARE)
#undef BQ_COMPARE
    return out;
}

[[noreturn]] void Fail(const QString& what)
{
    std::fprintf(stderr, "fuzz_jobfile: %s\n", qPrintable(what));
    std::abort();
}

int g_warnings = 0;
QString g_jobPath;
QString g_workFolder;
SJobState g_baseline;

void MakeFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        Fail("cannot create " + path);
}

// A small tree beside the job file, so that relative Search elements find
// photos, a hidden file, a file of another format and a link loop.
void MakeSearchTree(const QString& root)
{
    QDir().mkpath(root + "/src/sub");
    for (const char* name : {"a.jpg", "B.JPG", "c.png", ".hidden.jpg", "sub/d.jpg", "sub/e.tif"})
        MakeFile(root + "/src/" + QLatin1String(name));
    QFile::link(QStringLiteral(".."), root + "/src/sub/up");
    QFile::link(root + "/src/a.jpg", root + "/src/link.jpg");
}

// A job whose every part a load would visibly change: two photos, three
// filters, and settings away from their defaults.
void MakeBaselineJob()
{
    QStringList refused;
    CListImages* images = CListImages::GetInstance();
    images->images.clear();
    for (const char* path : {"/job/1.jpg", "/job/2.png"})
        if (!images->AddImage(QLatin1String(path), refused))
            Fail(QStringLiteral("the baseline photos are refused"));
    CFiltersEnum* catalogue = CFiltersEnum::GetInstance();
    QList<SFilterRecord> chain;
    for (quint32 id : {5020u, 5040u, 1000u}) {
        SFilterRecord r;
        r.id = id;
        r.name = catalogue->GetRecordById(id).name;
        r.active = id != 5040u;
        r.AddNumber(id / 10.0);
        if (id == 1000u)
            r.AddString(QStringLiteral("text"));
        chain << r;
    }
    CListFilters::GetInstance()->filters = chain;

    CUserProfile* p = CUserProfile::GetInstance();
    p->FilenameFormat = QStringLiteral("[Filename]-base");
    p->SearchFor = QStringLiteral("base");
    p->OutputFormat = QStringLiteral("JPG");
    p->DestPath = QStringLiteral("/base/out");
    p->CustomProfile = QStringLiteral("/base/profile.icc");
    p->FTPPassword = QStringLiteral("YmFzZQ==");
    p->Id = QStringLiteral("base-monitor");
    p->CounterStart = 17;
    p->FileSize = 1234;
    p->Quality = 61;
    p->PicCount = 9;
    p->DisableNotifications = true;
    p->DeleteSource = true;
    p->SilentRun = false;
    p->MonitorMode = false;
}

void CheckLoadedChain()
{
    for (const SFilterRecord& r : CListFilters::GetInstance()->filters) {
        if (r.numberCount > SFilterRecord::MaxNumbers || r.stringCount > SFilterRecord::MaxStrings)
            Fail(QStringLiteral("filter %1 has %2 numbers and %3 strings")
                     .arg(r.id)
                     .arg(int(r.numberCount))
                     .arg(int(r.stringCount)));
        for (int i = 0; i < r.numberCount; ++i)
            if (!std::isfinite(r.numbers[i]))
                Fail(QStringLiteral("filter %1 has a non-finite number").arg(r.id));
        if (r.name.isEmpty())
            Fail(QStringLiteral("filter %1 is not in the catalogue").arg(r.id));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Settings and temporary files of this process stay in a throw-away
    // home; Qt caches the paths, so this comes before the application.
    const QString home = BqTest::IsolateEnvironment();
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    static QCoreApplication app(qtArgc, qtArgv);
    BqTest::CheckSettingsIsolated();

    CScripts::ShowWarning = [](const QString&) { ++g_warnings; };
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
    MakeBaselineJob();
    g_baseline = Capture();

    g_workFolder = home + "/job";
    MakeSearchTree(g_workFolder);
    g_jobPath = g_workFolder + "/fuzz.bqs";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile f(g_jobPath);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            Fail("cannot write " + g_jobPath);
    }
    Restore(g_baseline);
    g_warnings = 0;
    const QString folder = QDir::currentPath();

    CScripts script(g_jobPath);
    const QString headerName = QStringLiteral("base header");
    script.ProfileHeader.Name = headerName;
    const bool loaded = script.Load();

    if (QDir::currentPath() != folder)
        Fail(QStringLiteral("the load changed the current folder"));
    if (g_warnings > 1)
        Fail(QStringLiteral("%1 version warnings in one load").arg(g_warnings));
    if (loaded) {
        CheckLoadedChain();
        return 0;
    }
    if (g_warnings != 0)
        Fail(QStringLiteral("a refused file showed the version warning"));
    const QStringList changed = Differences(g_baseline, Capture());
    if (!changed.isEmpty())
        Fail("a refused file changed " + changed.join(QStringLiteral(", ")));
    if (script.ProfileHeader.Name != headerName)
        Fail(QStringLiteral("a refused file changed the profile header"));
    return 0;
}
