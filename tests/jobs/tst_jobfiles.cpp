// Job files: the writer against hand-written goldens, the reader's rules,
// round trips through the job's singletons, the photo search, failed saves
// and hostile input.
#include "BqTestMain.h"
#include "CScripts.h"
#include "FilterDescriptions.h"
#include "FiltersEnum.h"
#include "JobReader.h"
#include "JobTestSupport.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "SafeXml.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QString kData = QStringLiteral(BQ_JOBS_DATA);
QStringList g_warnings;
QStringList g_notes; // of the last load, the script's folder as "@"

// One setting of the settings object, read and written as text. The test
// keeps its own list so that a property the reader or writer forgets shows.
struct SField {
    QString name;
    std::function<QString(const CUserProfile*)> get;
    std::function<void(CUserProfile*, const QString&)> set;
    std::function<void(CUserProfile*)> spoil; // changes the value, whatever it is
};

struct Conv {
    static QString Text(bool v) { return v ? "1" : "0"; }
    template <typename T> static QString Text(T v) { return QString::number(v); }
    static QString Text(const QString& v) { return v; }
    static void Assign(bool& f, const QString& s) { f = s == "1"; }
    static void Assign(int& f, const QString& s) { f = s.toInt(); }
    static void Assign(qint64& f, const QString& s) { f = s.toLongLong(); }
    static void Assign(quint8& f, const QString& s) { f = quint8(s.toInt()); }
    static void Assign(QString& f, const QString& s) { f = s; }
    static void Spoil(bool& f) { f = !f; }
    template <typename T> static void Spoil(T& f) { f = T(f + 7); }
    static void Spoil(QString& f) { f += "~poison"; }
};

template <typename T, typename C> SField F(const char* name, T C::*m)
{
    return {name, [m](const CUserProfile* p) { return Conv::Text(p->*m); },
            [m](CUserProfile* p, const QString& s) { Conv::Assign(p->*m, s); },
            [m](CUserProfile* p) { Conv::Spoil(p->*m); }};
}

typedef CUserProfile U;
// clang-format off
const QList<SField> kShared = {
    F("FilenameFormat", &U::FilenameFormat), F("CounterStart", &U::CounterStart), F("CountStep", &U::CountStep),
    F("CounterDigits", &U::CounterDigits), F("DateType", &U::DateType), F("DateFormat", &U::DateFormat),
    F("ShowTime", &U::ShowTime), F("TimeFormat", &U::TimeFormat), F("SearchFor", &U::SearchFor),
    F("ReplaceWith", &U::ReplaceWith), F("PresetRename", &U::PresetRename), F("ChangeCase", &U::ChangeCase),
    F("LowerCaseExt", &U::LowerCaseExt), F("Destination", &U::Destination),
    F("OutputFolderStruct", &U::OutputFolderStruct), F("OutputFolder", &U::OutputFolder),
    F("DestPath", &U::DestPath), F("FTPUser", &U::FTPUser), F("FTPPassword", &U::FTPPassword),
    F("FTPHost", &U::FTPHost), F("FTPFolder", &U::FTPFolder), F("FTPPort", &U::FTPPort),
    F("SaveOnDiskFacebook", &U::SaveOnDiskFacebook), F("SaveOnDiskFlickr", &U::SaveOnDiskFlickr),
    F("SaveOnDiskFTP", &U::SaveOnDiskFTP), F("SaveOnDiskMail", &U::SaveOnDiskMail),
    F("OpenOutputFolder", &U::OpenOutputFolder), F("OriginalDate", &U::OriginalDate),
    F("DeleteSource", &U::DeleteSource), F("OutputFormat", &U::OutputFormat), F("Quality", &U::Quality),
    F("FileSize", &U::FileSize), F("FixedSize", &U::FixedSize), F("Interlaced", &U::Interlaced),
    F("PNGComp", &U::PNGComp), F("PdfAlg", &U::PdfAlg), F("TiffAlg", &U::TiffAlg), F("TiffType", &U::TiffType),
    F("JpegType", &U::JpegType), F("CustomProfile", &U::CustomProfile), F("Multipage", &U::Multipage),
    F("DefaultFormat", &U::DefaultFormat)};
const QList<SField> kScriptOnly = {F("DisableNotifications", &U::DisableNotifications),
                                   F("HideProcessing", &U::HideProcessing)};
const QList<SField> kInterface = {F("Step1Preview", &U::Step1Preview), F("Step2Preview", &U::Step2Preview)};
const QList<SField> kRunAndMonitor = {
    F("SilentRun", &U::SilentRun), F("MonitorMode", &U::MonitorMode), F("Id", &U::Id), F("Name", &U::Name),
    F("Folder", &U::Folder), F("PicCount", &U::PicCount), F("CreateLog", &U::CreateLog),
    F("Overwrite", &U::Overwrite), F("SilentMode", &U::SilentMode), F("Type", &U::Type), F("Host", &U::Host)};

// The state of the golden files, in their order.
const QList<QPair<QString, QString>> kGoldenState = {
    {"DisableNotifications", "1"}, {"HideProcessing", "1"}, {"FilenameFormat", "[Filename] & <x>"},
    {"CounterStart", "5000000000"}, {"CountStep", "-2"}, {"CounterDigits", "4"}, {"DateType", "2"},
    {"DateFormat", "3"}, {"ShowTime", "1"}, {"TimeFormat", "2"}, {"SearchFor", "IMG_"},
    {"ReplaceWith", "Holiday "}, {"PresetRename", "3"}, {"ChangeCase", "1"}, {"LowerCaseExt", "1"},
    {"Destination", "3"}, {"OutputFolderStruct", "2"}, {"OutputFolder", "small"},
    {"DestPath", "/home/u/Out Folder"}, {"FTPUser", "anna"}, {"FTPHost", "ftp.example.org"},
    {"FTPFolder", "/www/img"}, {"FTPPort", "2121"}, {"SaveOnDiskFacebook", "0"}, {"SaveOnDiskFlickr", "1"},
    {"SaveOnDiskFTP", "1"}, {"SaveOnDiskMail", "0"}, {"OpenOutputFolder", "1"}, {"OriginalDate", "0"},
    {"DeleteSource", "1"}, {"OutputFormat", "PNG"}, {"Quality", "75"}, {"FileSize", "6000000000"},
    {"FixedSize", "1"}, {"Interlaced", "1"}, {"PNGComp", "0"}, {"PdfAlg", "2"}, {"TiffAlg", "3"},
    {"TiffType", "4"}, {"JpegType", "2"}, {"CustomProfile", "/opt/icc/My Profile.icc"}, {"Multipage", "0"},
    {"DefaultFormat", "TIF"}, {"Step1Preview", "1"}, {"Step2Preview", "0"}};
// clang-format on

QList<SField> AllFields()
{
    return kShared + kScriptOnly + kInterface + kRunAndMonitor;
}

const SField& Field(const QString& name)
{
    static const QList<SField> all = AllFields();
    for (const SField& f : all)
        if (f.name == name)
            return f;
    qFatal("no field %s", qPrintable(name));
}

const QString kGoldenImages = "/photos/Été 2024/a b.JPG|/photos/c&d's.png";
const QString kGoldenChain = "5040(400,0,1,1,0,0;) 1000-(1.234568;© <me> & \"you\")";

SFilterRecord Filter(quint32 id, bool active, const QList<double>& numbers, const QStringList& strings = {})
{
    SFilterRecord r;
    r.id = id;
    r.name = CFiltersEnum::GetInstance()->GetRecordById(id).name;
    r.active = active;
    for (double n : numbers)
        r.AddNumber(n);
    for (const QString& s : strings)
        r.AddString(s);
    return r;
}

void SetImages(const QStringList& paths)
{
    CListImages::GetInstance()->images.clear();
    QStringList refused;
    for (const QString& p : paths)
        QVERIFY2(CListImages::GetInstance()->AddImage(p, refused), qPrintable(p));
}

void SetGoldenState()
{
    CUserProfile* p = CUserProfile::GetInstance();
    for (const auto& kv : kGoldenState)
        Field(kv.first).set(p, kv.second);
    p->FTPPassword = EncryptString("pä ss");
    SetImages(kGoldenImages.split('|'));
    CListFilters::GetInstance()->filters = {Filter(5040, true, {400, 0, 1, 1, 0, 0}),
                                            Filter(1000, false, {1.2345678}, {"© <me> & \"you\""})};
}

QString Images()
{
    QStringList paths;
    for (const SImageRecord& r : CListImages::GetInstance()->images)
        paths << r.path;
    return paths.join('|');
}

// "id[-](numbers;strings)" per filter, "-" for an inactive one.
QString Chain()
{
    QStringList out;
    for (const SFilterRecord& r : CListFilters::GetInstance()->filters) {
        QStringList n, s;
        for (int i = 0; i < r.numberCount; ++i)
            n << QString::number(r.numbers[i], 'g', 10);
        for (int i = 0; i < r.stringCount; ++i)
            s << r.strings[i];
        out << QString::number(r.id) + (r.active ? "" : "-") + "(" + n.join(',') + ";" + s.join(',') + ")";
    }
    return out.join(' ');
}

QString Probe(const QString& what)
{
    if (what == "images")
        return Images();
    if (what == "filters")
        return Chain();
    if (what == "names") {
        QStringList names;
        for (const SFilterRecord& r : CListFilters::GetInstance()->filters)
            names << r.name;
        return names.join(',');
    }
    if (what == "warnings")
        return g_warnings.join('|');
    if (what == "notes")
        return g_notes.join('|');
    return Field(what).get(CUserProfile::GetInstance());
}

QStringList Snapshot(const QList<SField>& fields)
{
    QStringList out{"images=" + Images(), "filters=" + Chain()};
    for (const SField& f : fields)
        out << f.name + "=" + f.get(CUserProfile::GetInstance());
    return out;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString Doc(const QString& root, const QString& body, const QString& attributes = "Version=\"1\"")
{
    return "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n<" + root + " " + attributes + ">\n" + body + "</" + root +
           ">\n";
}

QString Props(const QString& cls, const QString& name, const QString& value)
{
    return "<Properties Class=\"" + cls + "\"><Property Name=\"" + name + "\">" + value + "</Property></Properties>";
}

const QString kNoImages = "<Images/>";
const QString kVersionWarning = "The project was created with a different program version so it may not be correctly "
                                "imported.\nIn order to correct any potential problems adjust the settings and save.";

} // namespace

class TestJobFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void preScan_data();
    void preScan();
    void golden_data();
    void golden();
    void roundTrip_data();
    void roundTrip();
    void textRoundTrip_data();
    void textRoundTrip();
    void readerRules_data();
    void readerRules();
    void encoding_data();
    void encoding();
    void germanLocale();
    void search_data();
    void search();
    void runFlagsAndHandEdits();
    void refused_data();
    void refused();
    void saveFailures_data();
    void saveFailures();
    void fileSizeLimit();

private:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestJobFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    CScripts::ShowWarning = [](const QString& text) { g_warnings << text; };
}

void TestJobFiles::init()
{
    JobTest::ResetSingletons();
    g_warnings.clear();
}

void TestJobFiles::preScan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("verdict");
    typedef SafeXml::Verdict V;
    const QString deep32 = QString("<a>").repeated(32) + QString("</a>").repeated(32);
    QTest::newRow("plain") << "<a x=\"1\"><b/>t</a>" << int(V::Ok);
    QTest::newRow("depth 32") << deep32 << int(V::Ok);
    QTest::newRow("depth 33") << "<r>" + deep32 + "</r>" << int(V::TooDeep);
    QTest::newRow("entity") << "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>" << int(V::DeclaresEntities);
    QTest::newRow("unused entity") << "<!DOCTYPE a [<!ENTITY e \"x\">]><a/>" << int(V::DeclaresEntities);
    QTest::newRow("notation") << "<!DOCTYPE a [<!NOTATION n SYSTEM \"x\">]><a/>" << int(V::DeclaresEntities);
    QTest::newRow("parameter entity") << "<!DOCTYPE a [<!ENTITY % p \"x\"> %p;]><a/>" << int(V::NotWellFormed);
    QTest::newRow("external subset, nothing fetched")
        << "<!DOCTYPE a SYSTEM \"http://bq.invalid/a.dtd\"><a/>" << int(V::Ok);
    QTest::newRow("entity named in a comment") << "<!-- <!ENTITY e \"x\"> --><a/>" << int(V::Ok);
    QTest::newRow("undeclared entity") << "<a>&e;</a>" << int(V::NotWellFormed);
    QTest::newRow("empty") << "" << int(V::NotWellFormed);
    QTest::newRow("declaration only") << "<?xml version=\"1.0\"?>" << int(V::NotWellFormed);
    QTest::newRow("two roots") << "<a/><b/>" << int(V::NotWellFormed);
    QTest::newRow("unclosed") << "<a><b></a>" << int(V::NotWellFormed);
}

void TestJobFiles::preScan()
{
    QFETCH(QString, text);
    QFETCH(int, verdict);
    QCOMPARE(int(SafeXml::PreScan(text)), verdict);
}

void TestJobFiles::golden_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("golden");
    QTest::newRow("script") << 3 << "golden-script.bqs";
    QTest::newRow("profile") << 2 << "golden-profile.bqf";
    QTest::newRow("project") << 1 << "golden-project.xml";
}

void TestJobFiles::golden()
{
    QFETCH(int, mode);
    QFETCH(QString, golden);
    SetGoldenState();
    CScripts writer(Path(golden));
    writer.ProfileHeader.Name = "Web & Mail";
    writer.ProfileHeader.Description = "A\nB";
    QVERIFY(writer.Save(mode));
    const QByteArray written = ReadAll(Path(golden));
    const QByteArray expected = ReadAll(kData + "/" + golden);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QString::fromUtf8(written).split('\n'), QString::fromUtf8(expected).split('\n'));
    QCOMPARE(written, expected);
}

void TestJobFiles::roundTrip_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("carriesImages");
    QTest::newRow("script") << 3 << true;
    QTest::newRow("profile") << 2 << false;
    QTest::newRow("project") << 1 << true;
}

void TestJobFiles::roundTrip()
{
    QFETCH(int, mode);
    QFETCH(bool, carriesImages);
    const QList<SField> carried = kShared + (mode == 3 ? kScriptOnly : kInterface);
    const QList<SField> notCarried = mode == 3 ? kInterface : kScriptOnly;
    SetGoldenState();
    CUserProfile* p = CUserProfile::GetInstance();
    QStringList expected = Snapshot(carried);
    expected[0] = "images=" + kGoldenImages;
    expected[1] = "filters=" + kGoldenChain;
    if (mode == 3)
        expected.replaceInStrings("HideProcessing=1", "HideProcessing=0");
    QVERIFY(CScripts(Path("trip")).Save(mode));

    for (const SField& f : carried + notCarried)
        f.spoil(p);
    const QStringList spoiledRest = Snapshot(notCarried).mid(2);
    SetImages({"/other/z.jpg"});
    CListFilters::GetInstance()->filters = {Filter(5070, true, {90})};
    CScripts reader(Path("trip"));
    reader.ProfileHeader = {"c", "stale name", "my description", "p", 7};
    QVERIFY(reader.Load());

    if (!carriesImages)
        expected[0] = "images=/other/z.jpg";
    QCOMPARE(Snapshot(carried), expected);
    QCOMPARE(Snapshot(notCarried).mid(2), spoiledRest);
    QCOMPARE(Probe("names"), QString("Resize,Text"));
    QCOMPARE(reader.ProfileHeader.Name, mode == 2 ? QString() : QString("stale name"));
    QCOMPARE(reader.ProfileHeader.Description, QString("my description"));
    QVERIFY(g_warnings.isEmpty());
}

void TestJobFiles::textRoundTrip_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("inFile");
    const QString special = "a&b<c>d\"e'f";
    const QString keep = KeepOriginalFormatText();
    const QString bad = QString("a") + QChar(0xFFFF) + QChar(0xD800) + "b";
    // clang-format off
    const QList<QStringList> rows = {
        // tag, field, value, value after a save and a load, text in the file
        {"five specials", "FilenameFormat", special, special, "a&amp;b&lt;c&gt;d&quot;e&apos;f"},
        {"&lt; in FilenameFormat", "FilenameFormat", "x&lt;", "x<", "x&amp;lt;"},
        {"&lt; in SearchFor", "SearchFor", "&lt;", "<", ""},
        {"&lt; in a slot", "slot", "&lt;", "<", ""},
        {"&lt; in FTPUser", "FTPUser", "&lt;", "&lt;", ""},
        {"blank SearchFor", "SearchFor", " ", " ", "\"SearchFor\"> </Property>"},
        {"underscore ReplaceWith", "ReplaceWith", "_", "_", ""},
        {"keep original", "OutputFormat", keep, keep, ">Original<"},
        {"DestPath with backslash", "DestPath", "C:\\out", "C:\\out", ""},
        {"control chars dropped", "FilenameFormat", "a\x01" "b\x1F", "ab", ">ab<"},
        {"U+FFFF and lone surrogate dropped", "slot", bad, "ab", ">ab<"},
        {"surrogate pair kept", "slot", "a\U0001F600", "a\U0001F600", ""},
        {"CR in text", "FilenameFormat", "a\r\nb\tc", "a\r\nb\tc", "a&#13;\nb\tc"},
        {"line feed in a path", "image", "/t/a\nb.jpg", "/t/a\nb.jpg", "/t/a&#10;b.jpg"},
        {"tab and CR in a path", "image", "/t/a\tb\r.jpg", "/t/a\tb\r.jpg", "/t/a&#9;b&#13;.jpg"},
        {"description control char", "description", "x\x01y\nz", "", ">xy\nz<"},
    };
    // clang-format on
    for (const QStringList& r : rows)
        QTest::newRow(qPrintable(r[0])) << r[1] << r[2] << r[3] << r[4];
}

void TestJobFiles::textRoundTrip()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QFETCH(QString, inFile);
    CScripts writer(Path("text.bqs"));
    if (field == "image")
        SetImages({value});
    else if (field == "slot")
        CListFilters::GetInstance()->filters = {Filter(1000, true, {}, {value})};
    else if (field == "description")
        writer.ProfileHeader.Description = value;
    else
        Field(field).set(CUserProfile::GetInstance(), value);
    QVERIFY(writer.Save(field == "description" ? 2 : 3));
    QVERIFY2(QString::fromUtf8(ReadAll(Path("text.bqs"))).contains(inFile), qPrintable(inFile));

    JobTest::ResetSingletons();
    QVERIFY(CScripts(Path("text.bqs")).Load());
    if (field == "image")
        QCOMPARE(Images(), expected);
    else if (field == "slot")
        QCOMPARE(CListFilters::GetInstance()->filters.value(0).strings[0], expected);
    else if (field != "description")
        QCOMPARE(Probe(field), expected);
}

void TestJobFiles::readerRules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("expected");
    auto filters = [](const QString& body) { return Doc("Profile", "<Filters>" + body + "</Filters>"); };
    auto script = [](const QString& body) { return Doc("Script", kNoImages + body); };
    auto profile = [](const QString& cls, const QString& name, const QString& value) {
        return Doc("Profile", Props(cls, name, value));
    };
    const QString p = "<Param Type=\"%1\">%2</Param>";
    QString all32, first32, all16, first16;
    for (int i = 0; i < 32; ++i) {
        all32 += p.arg("float").arg(i);
        first32 += (i ? "," : "") + QString::number(i);
    }
    for (int i = 0; i < 16; ++i) {
        all16 += p.arg("string", "s" + QString::number(i));
        first16 += (i ? ",s" : "s") + QString::number(i);
    }
    // clang-format off
    const QList<QStringList> rows = {
        // tag, file, what is read afterwards, its value before the load, its value after
        {"Active 2, empty, 0", filters("<Filter Id=\"5070\" Active=\"2\"/><Filter Id=\"5000\" Active=\"\"/>"
                                       "<Filter Id=\"5040\" Active=\"0\"/>"),
         "filters", "", "5070(;) 5000(;) 5040-(;)"},
        {"bad ids dropped, later kept", filters("<Filter Id=\"2005\"/><Filter Id=\"66536\"/><Filter Id=\"x\"/>"
                                                "<Filter Id=\"-1\"/><Filter Id=\"\"/><Filter Id=\"5040\"/>"),
         "filters", "", "5040(;)"},
        {"float, string, float", filters("<Filter Id=\"5040\">" + p.arg("float", "1.5") + p.arg("string", "s") +
                                         p.arg("float", "2") + p.arg("int", "9") + "</Filter>"),
         "filters", "", "5040(1.5,2;s)"},
        {"params at any depth", filters("<Filter Id=\"5040\"><g><g>" + p.arg("float", "3") + "</g></g></Filter>"),
         "filters", "", "5040(3;)"},
        {"32 floats fill the slots", filters("<Filter Id=\"5040\">" + all32 + "</Filter>"), "filters", "",
         "5040(" + first32 + ";)"},
        {"16 strings fill the slots", filters("<Filter Id=\"1000\">" + all16 + "</Filter>"), "filters", "",
         "1000(;" + first16 + ")"},
        {"non-finite numbers read 0", filters("<Filter Id=\"5040\">" + p.arg("float", "nan") + p.arg("float", "inf") +
                                              p.arg("float", "1e999") + p.arg("float", "abc") + "</Filter>"),
         "filters", "", "5040(0,0,0,0;)"},
        {"catalogue names", filters("<Filter Id=\"5040\" Name=\"Bogus\"/>"), "names", "", "Resize"},
        {"first Filters only", filters("<Filter Id=\"5070\"/></Filters><Filters><Filter Id=\"5040\"/>"),
         "filters", "", "5070(;)"},
        {"empty SearchFor keeps", profile("Rename", "SearchFor", ""), "SearchFor", "before", "before"},
        {"DisableNotifications 01", script(Props("Script", "DisableNotifications", "01")),
         "DisableNotifications", "1", "0"},
        {"HideProcessing 1", script(Props("Script", "HideProcessing", "1")), "HideProcessing", "0", "1"},
        {"first Properties is the Script block", script(Props("Rename", "DisableNotifications", "1")),
         "DisableNotifications", "0", "1"},
        {"no Script block in a profile", profile("Script", "DisableNotifications", "1"),
         "DisableNotifications", "0", "0"},
        {"DeleteSource 01", profile("Output", "DeleteSource", "01"), "DeleteSource", "0", "1"},
        {"PNGComp stored as 0 or 1", profile("Format", "PNGComp", "5"), "PNGComp", "0", "1"},
        {"integer text not a number", profile("Format", "Quality", "high"), "Quality", "50", "0"},
        {"int beyond 32 bits", profile("Format", "Quality", "5000000000"), "Quality", "50", "100"},
        {"decimal folder mode rounded", profile("Output", "OutputFolderStruct", "2.0"), "OutputFolderStruct", "1", "2"},
        {"stored password not for another port", profile("Output", "FTPPort", "2143"), "FTPPassword",
         "czNjcmV0", ""},
        {"empty FTPFolder is the root", profile("Output", "FTPFolder", ""), "FTPFolder", "/last", ""},
        {"64-bit counter", profile("Rename", "CounterStart", "-5000000000"), "CounterStart", "0", "-5000000000"},
        {"Original", profile("Format", "OutputFormat", "Original"), "OutputFormat", "JPG", KeepOriginalFormatText()},
        {"Original with a blank", profile("Format", "OutputFormat", "Original "), "OutputFormat", "JPG", "Original "},
        {"unknown property and class", Doc("Profile", Props("Rename", "Quality", "9") + Props("Other", "Quality", "9")),
         "Quality", "50", "50"},
        {"class names case-sensitive", profile("rename", "SearchFor", "x"), "SearchFor", "before", "before"},
        {"Job root appends filters", Doc("Job", "<Filters><Filter Id=\"5070\"/></Filters>"), "filters", "",
         "5020(;) 5070(;)"},
        {"Job root keeps photos", Doc("Job", "<Images><Image Path=\"/b/q.jpg\"/></Images>"), "images", "",
         "/base/p.jpg"},
        {"Job root applies properties", Doc("Job", Props("Rename", "CounterDigits", "7")), "CounterDigits", "0", "7"},
        {"Images at any depth, direct Image children only",
         Doc("Project", "<w><Images><Image Path=\"/a/x.jpg\"/><g><Image Path=\"/a/y.jpg\"/></g><Image Path=\"\"/>"
                        "<Image Path=\"/a/x.jpg\"/><Image Path=\"/a/z.txt\"/></Images></w>"), "images", "", "/a/x.jpg"},
        {"backslashes in photo paths", Doc("Project", "<Images><Image Path=\"\\p\\x.jpg\"/></Images>"), "images", "",
         "/p/x.jpg"},
        {"Version 2 warns once", Doc("Profile", "", "Version=\"2\""), "warnings", "", kVersionWarning},
        {"Version missing warns", Doc("Script", kNoImages, "Mode=\"x\""), "warnings", "", kVersionWarning},
        {"Version 1 does not warn", Doc("Profile", ""), "warnings", "", ""},
        {"Multipage only with a page format", Doc("Profile", Props("Format", "OutputFormat", "PNG") +
                                                              Props("Format", "Multipage", "1")), "Multipage", "0", "0"},
        {"Destination 5 reads 1", profile("Output", "Destination", "5"), "Destination", "3", "1"},
        {"Destination 5 warns once", profile("Output", "Destination", "5"), "warnings", "",
         "The job file names a destination that Step 3 does not offer (5). Folder on My Computer is used instead."},
        // Values read otherwise than written are told, naming element and value.
        {"values as written leave no note", Doc("Script", "<Images><Search Path=\"*.jpg\" Subfolders=\"1\"/></Images>"
             "<Filters><Filter Id=\"5040\" Active=\"0\">" + p.arg("float", " 1.5 ") + "</Filter></Filters>" +
             Props("Format", "Quality", "100") + Props("Rename", "CounterStart", "-5000000000")), "notes", "", ""},
        {"unknown filter Id noted", filters("<Filter Id=\"9999\"/><Filter Id=\"5040\"/>"), "notes", "",
         "Filter Id 9999 is not known: left out"},
        {"filter values noted", filters("<Filter Id=\"5040\" Active=\"yes\">" + p.arg("float", "400") +
                                        p.arg("float", "abc") + p.arg("double", "7") + "</Filter>"), "notes", "",
         "Resize: Active 'yes' is not a number: read as 0|Resize: Param Type 'double' is not known: left out|"
         "Resize: Param 2 'abc' is not a number: read as 0"},
        {"property not a number noted", profile("Format", "Quality", "high"), "notes", "",
         "Property Quality 'high' is not a number: read as 0"},
        {"numbers out of range or not whole noted", Doc("Profile", Props("Format", "Quality", "12.5") +
             Props("Format", "Quality", "-5") + Props("Monitor", "PicCount", "300")), "notes", "",
         "Property Quality '12.5' is not a whole number in its range: read as 13|"
         "Property Quality '-5' is not a whole number in its range: read as 1|"
         "Property PicCount '300' is not a whole number in its range: read as 44"},
        // A few of each kind, then their count: a file may hold a million.
        {"notes of a kind bounded", filters(QString("<Filter Id=\"9\"/>").repeated(7) + "<Filter Id=\"5040\">" +
                                            p.arg("x", "").repeated(12) + "</Filter>"), "notes", "",
         QString("Filter Id 9 is not known: left out|").repeated(5) + "and 2 more like it|" +
         QString("Resize: Param Type 'x' is not known: left out|").repeated(5) + "and 7 more like it"},
        {"notes of one filter do not hide a property's", Doc("Profile", "<Filters><Filter Id=\"5040\">" +
             p.arg("float", "x").repeated(6) + "</Filter></Filters>" + Props("Format", "Quality", "q")), "notes", "",
         "Resize: Param 1 'x' is not a number: read as 0|Resize: Param 2 'x' is not a number: read as 0|"
         "Resize: Param 3 'x' is not a number: read as 0|Resize: Param 4 'x' is not a number: read as 0|"
         "Resize: Param 5 'x' is not a number: read as 0|and 1 more like it|"
         "Property Quality 'q' is not a number: read as 0"},
        {"misspelt Search folder noted", Doc("Script", "<Images><Search Path=\"nope/*.jpg\" Subfolders=\"x\"/>"
                                                       "</Images>"), "notes", "",
         "Search 'nope/*.jpg': Subfolders 'x' is not a number: read as 0|"
         "Search 'nope/*.jpg': the folder '@/nope' does not exist or cannot be read"},
    };
    // clang-format on
    for (const QStringList& r : rows)
        QTest::newRow(qPrintable(r[0])) << r[1] << r[2] << r[3] << r[4];
}

void TestJobFiles::readerRules()
{
    QFETCH(QString, file);
    QFETCH(QString, probe);
    QFETCH(QString, before);
    QFETCH(QString, expected);
    SetImages({"/base/p.jpg"});
    CListFilters::GetInstance()->filters = {Filter(5020, true, {})};
    if (!before.isEmpty())
        Field(probe).set(CUserProfile::GetInstance(), before);
    QVERIFY(WriteAll(Path("rules.bqs"), file.toUtf8()));
    CScripts reader(Path("rules.bqs"));
    QVERIFY(reader.Load());
    g_notes = reader.Notes().replaceInStrings(m_dir.path(), "@");
    QCOMPARE(Probe(probe), expected);
}

void TestJobFiles::encoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("searchFor");
    const QByteArray plain = ReadAll(kData + "/utf16-declared.bqf");
    QTest::newRow("utf-16 declared, utf-8 bytes") << plain << "Prüfung ©";
    QTest::newRow("utf-8 byte-order mark") << "\xEF\xBB\xBF" + plain << "Prüfung ©";
    QTest::newRow("invalid utf-8") << QByteArray(plain).replace("\xC3\xBC", "\xFF") << "Pr\uFFFDfung ©";
    const QString text = QString::fromUtf8(plain);
    QTest::newRow("utf-16 byte-order mark")
        << "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2) << "Prüfung ©";
}

void TestJobFiles::encoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, searchFor);
    QVERIFY(WriteAll(Path("enc.bqf"), bytes));
    QVERIFY(CScripts(Path("enc.bqf")).Load());
    QCOMPARE(CUserProfile::GetInstance()->SearchFor, searchFor);
}

void TestJobFiles::germanLocale()
{
    const QLocale previous;
    const QByteArray previousC = std::setlocale(LC_ALL, nullptr);
    QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "de_DE.UTF-8 missing: run scripts/install-deps");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto restore = qScopeGuard([&] {
        std::setlocale(LC_ALL, previousC.constData());
        QLocale::setDefault(previous);
    });
    QCOMPARE(QLocale().toString(1.5), QString("1,5"));
    CListFilters::GetInstance()->filters = {Filter(5070, true, {1.5})};
    QVERIFY(CScripts(Path("de.bqf")).Save(2));
    const QByteArray bytes = ReadAll(Path("de.bqf"));
    QVERIFY(bytes.contains("<Param Type=\"float\">1.500000</Param>"));
    QVERIFY(!bytes.contains("1,5"));
    CListFilters::GetInstance()->filters.clear();
    QVERIFY(CScripts(Path("de.bqf")).Load());
    QCOMPARE(Chain(), QString("5070(1.5;)"));
}

void TestJobFiles::search_data()
{
    QTest::addColumn<QString>("images");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("notes");
    // "@" stands for the folder of the script.
    // clang-format off
    QTest::newRow("sorted, recursive, link loop ends") << "<Search Path=\"tree/*.jpg\" Subfolders=\"1\" />"
                                                       << "@/tree/a.jpg|@/tree/B.JPG|@/tree/c.jpg|@/tree/sub/d.jpg" << "";
    QTest::newRow("capital mask") << "<Search Path=\"tree/*.JPG\" Subfolders=\"0\" />"
                                  << "@/tree/a.jpg|@/tree/B.JPG|@/tree/c.jpg" << "";
    QTest::newRow("images first, duplicates once")
        << "<Search Path=\"tree/c.jpg\" /><Image Path=\"@/tree/c.jpg\" /><Image Path=\"@/tree/c.jpg\" />"
        << "@/tree/c.jpg" << "";
    QTest::newRow("relative image from the script's folder") << "<Image Path=\"rel/x.jpg\" />" << "@/rel/x.jpg" << "";
    QTest::newRow("dotted image, then through a link")
        << "<Image Path=\"tree/..//tree/./a.jpg\" /><Image Path=\"tree/link.jpg\" />" << "@/tree/a.jpg" << "";
    QTest::newRow("link before its file") << "<Image Path=\"tree/link.jpg\" /><Image Path=\"tree/a.jpg\" />" << "@/tree/a.jpg" << "";
    QTest::newRow("linked folder's .. by the system")
        << "<Image Path=\"tree/sub/up/../e.jpg/e.jpg\" /><Search Path=\"tree/sub/up/../e.jpg/*.jpg\" />"
        << "@/e.jpg/e.jpg|@/e.jpg/f.jpg" << "";
    QTest::newRow("bind mount") << "<Image Path=\"tree/c.jpg\" /><Image Path=\"bound/c.jpg\" />" << "@/tree/c.jpg" << "";
    QTest::newRow("no slash: a mask in the script's folder") << "<Search Path=\"*.jpg\" /><Search Path=\"e.jpg\" />"
                                                             << "@/top.jpg" << "";
    QTest::newRow("link loop's .. kept") << "<Image Path=\"loop/../top.jpg\" /><Search Path=\"loop/../*.jpg\" />"
                                         << "@/loop/../top.jpg"
                                         << "Search 'loop/../*.jpg': the folder '@/loop/..' does not exist or cannot be read";
    QTest::newRow("absolute, backslashes") << "<Search Path=\"@\\tree\\sub\\*.jpg\" />" << "@/tree/sub/d.jpg" << "";
    QTest::newRow("missing folder") << "<Search Path=\"nope/*.jpg\" Subfolders=\"1\" />" << ""
                                    << "Search 'nope/*.jpg': the folder '@/nope' does not exist or cannot be read";
    QTest::newRow("empty mask") << "<Search Path=\"tree/\" Subfolders=\"1\" />" << "" << "";
    QTest::newRow("nested Search ignored") << "<g><Search Path=\"tree/*.jpg\" /></g>" << "" << "";
    // Names that are not UTF-8: named with their bytes escaped, and the search fails.
    QTest::newRow("names not UTF-8") << "<Search Path=\"odd/*.jpg\" Subfolders=\"1\" />" << "@/odd/ok.jpg"
        << "Search: the name of '@/odd/bad\\xFF/' is not valid UTF-8: left untouched|"
           "Search: the name of '@/odd/bad\\xFF\\xFE.jpg' is not valid UTF-8: left untouched|"
           "Search: the name of '@/odd/caf\\xE9.jpg' is not valid UTF-8: left untouched|"
           "Search: the name of '@/odd/f\\xE9te/' is not valid UTF-8: left untouched|"
           "Search: the name of '@/odd/half\\xC3.jpg' is not valid UTF-8: left untouched";
    // One pattern, spaces and all, as the listing reads it: nothing to take, nothing to report.
    QTest::newRow("mask with a space") << "<Search Path=\"odd/ok *.jpg\" />" << "" << "";
    // clang-format on
}

void TestJobFiles::search()
{
    QFETCH(QString, images);
    QFETCH(QString, expected);
    QFETCH(QString, notes);
    const QString base = Path("search");
    const QString tree = base + "/tree";
    if (!QFileInfo::exists(base)) {
        QVERIFY(QDir().mkpath(tree + "/sub") && QDir().mkpath(base + "/e.jpg") && QDir().mkpath(Path("elsewhere")));
        for (const char* f : {"c.jpg", "a.jpg", "B.JPG", ".hidden.jpg", "x.txt", "sub/d.jpg", "../e.jpg/e.jpg",
                              "../e.jpg/f.jpg", "../top.jpg"})
            QVERIFY(WriteAll(tree + "/" + QString(f), "x"));
        QVERIFY(QFile::link("loop", base + "/loop"));
        QVERIFY(QFile::link(tree + "/a.jpg", tree + "/link.jpg"));
        QVERIFY(QFile::link("..", tree + "/sub/up"));
        // Names as other systems wrote them; each photo in "f\xE9te/" too.
        const QByteArray odd = QFile::encodeName(base + "/odd/");
        QVERIFY(QDir().mkpath(base + "/odd") && WriteAll(base + "/odd/ok.jpg", "x"));
        for (const QByteArray& folder : {QByteArray("f\xE9te"), QByteArray("bad\xFF")})
            QCOMPARE(::mkdir(odd + folder, 0700), 0);
        for (const QByteArray& name : {QByteArray("caf\xE9.jpg"), QByteArray("bad\xFF\xFE.jpg"),
                                       QByteArray("half\xC3.jpg"), QByteArray("f\xE9te/p2.jpg")}) {
            const int fd = ::open(odd + name, O_WRONLY | O_CREAT | O_EXCL, 0600);
            QVERIFY(fd >= 0 && ::close(fd) == 0);
        }
    }
    // One file through a bind mount of its folder: the same device and inode, one link.
    const QByteArray bound = QFile::encodeName(base + "/bound");
    const bool bind = images.contains("bound/");
    if (bind && (!QDir().mkpath(base + "/bound") || ::mount(QFile::encodeName(tree), bound, nullptr, MS_BIND, nullptr)))
        QSKIP(qPrintable("mount --bind is not allowed here: " + QString::fromLocal8Bit(std::strerror(errno))));
    auto unbind = qScopeGuard([&] {
        if (bind)
            ::umount2(bound, MNT_DETACH);
    });
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Path("elsewhere")));
    auto restore = qScopeGuard([&] { QDir::setCurrent(cwd); });
    QVERIFY(WriteAll(base + "/job.bqs",
                     Doc("Script", "<Images>" + QString(images).replace('@', base) + "</Images>").toUtf8()));
    CScripts reader(base + "/job.bqs");
    QVERIFY(reader.Load());
    QCOMPARE(Images(), QString(expected).replace('@', base));
    QCOMPARE(reader.Notes().join('|'), QString(notes).replace('@', base));
    QCOMPARE(reader.SearchFailures(), notes.count('|') + !notes.isEmpty());
    QCOMPARE(QDir::currentPath(), Path("elsewhere"));
}

void TestJobFiles::runFlagsAndHandEdits()
{
    CUserProfile* p = CUserProfile::GetInstance();
    const QString shared = kData + "/hand-edited.bqf";
    p->SilentRun = p->MonitorMode = true;
    CScripts hand(shared);
    QVERIFY(hand.Load());
    QCOMPARE(hand.ProfileHeader.Name, QString("Shared"));
    QCOMPARE(Snapshot(kRunAndMonitor).mid(2),
             QStringList({"SilentRun=0", "MonitorMode=0", "Id=m&1", "Name=", "Folder=/watch/&lt;in", "PicCount=44",
                          "CreateLog=1", "Overwrite=1", "SilentMode=0", "Type=0", "Host="}));
    QCOMPARE(p->FTPPassword, QString("<&"));
    QVERIFY(CScripts(Path("resaved.bqf")).Save(2));
    p->FTPPassword.clear();
    QVERIFY(CScripts(Path("resaved.bqf")).Load());
    QCOMPARE(p->FTPPassword, QString("<&"));

    const QList<QPair<QString, QString>> steps = {
        {Doc("Script", kNoImages, "Version=\"1\" Mode=\"Silent\""), "SilentRun=1 MonitorMode=0"},
        {Doc("Profile", ""), "SilentRun=0 MonitorMode=0"},
        {Doc("Script", kNoImages + "<Properties Class=\"Monitor\"/>"), "SilentRun=1 MonitorMode=1"},
        {Doc("Script", kNoImages, "Version=\"1\" Mode=\"silent\""), "SilentRun=0 MonitorMode=0"},
    };
    for (const auto& step : steps) {
        QVERIFY(WriteAll(Path("flags.bqs"), step.first.toUtf8()));
        QVERIFY(CScripts(Path("flags.bqs")).Load());
        QCOMPARE(Snapshot(kRunAndMonitor).mid(2, 2).join(' '), step.second);
    }
}

void TestJobFiles::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("reason"); // a word of the message a refusal gives
    typedef SafeXml::Verdict V;
    const QByteArray golden = ReadAll(kData + "/golden-script.bqs");
    QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \"" +
                  QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    laughs += "]><Script Version=\"1\"><Images/>&l9;</Script>";
    const QByteArray quadratic = "<!DOCTYPE s [<!ENTITY b \"" + QByteArray(100000, 'b') + "\">]><Script><Images/>" +
                                 QByteArray("&b;").repeated(10000) + "</Script>";
    const QByteArray external = "<!DOCTYPE s [<!ENTITY x SYSTEM \"file://" + Path("secret").toUtf8() +
                                "\">]><Script><Images/><Image Path=\"&x;\"/></Script>";
    QVERIFY(WriteAll(Path("secret"), "/tmp/secret.jpg"));
    const QByteArray head = "<Profile Version=\"1\"><!--", tail = "--></Profile>\n";
    const int pad = int(SafeXml::JobFileCap) - head.size() - tail.size();
    QByteArray noise(4096, '\0');
    QRandomGenerator(10).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);

    // clang-format off
    QTest::newRow("billion laughs") << laughs << false << int(V::DeclaresEntities) << QString("entities");
    QTest::newRow("quadratic blow-up") << quadratic << false << int(V::DeclaresEntities) << QString("entities");
    QTest::newRow("external entity") << external << false << int(V::DeclaresEntities) << QString("entities");
    QTest::newRow("10000 deep") << "<Script><Images/>" + QByteArray("<a>").repeated(10000) +
                                       QByteArray("</a>").repeated(10000) + "</Script>" << false << int(V::TooDeep) << QString("32 deep");
    QTest::newRow("cap + 1") << head + QByteArray(pad + 1, 'x') + tail << false << int(V::TooLarge) << QString("32 MiB");
    QTest::newRow("exactly the cap") << head + QByteArray(pad, 'x') + tail << true << int(V::Ok) << QString("");
    QTest::newRow("2000001 elements") << "<Script><Images/>" + QByteArray("<a/>").repeated(1999999) + "</Script>"
                                      << false << int(V::TooManyElements) << QString("2000000 elements");
    QTest::newRow("truncated script") << golden.left(golden.size() / 2) << false << int(V::NotWellFormed) << QString("well-formed");
    QTest::newRow("x.bqf random bytes") << noise << false << int(V::NotWellFormed) << QString("well-formed");
    QTest::newRow("zero bytes") << QByteArray("") << false << int(V::NotWellFormed) << QString("well-formed");
    QTest::newRow("missing file") << QByteArray() << false << int(V::Unreadable) << QString("cannot be read");
    QTest::newRow("script without Images")
        << Doc("Script", Props("Script", "DisableNotifications", "0"), "Mode=\"Silent\"").toUtf8() << false
        << int(V::Ok) << QString("one list of photos");
    QTest::newRow("script with two Images")
        << Doc("Script", "<Images/><g><Images/></g>", "Version=\"2\"").toUtf8() << false << int(V::Ok) << QString("one list of photos");
    QTest::newRow("project without Images") << Doc("Project", "<Filters/>").toUtf8() << false << int(V::Ok) << QString("one list of photos");
    // clang-format on
    // What a file would become is bounded, not only its elements.
    const QString param = "<Param Type=\"%1\">1</Param>";
    auto filter = [](const QString& params) {
        return "<Filters><Filter Id=\"5040\">" + params + "</Filter></Filters>";
    };
    const QString longText(CJobReader::MaxTextLength + 1, 'x');
    QByteArray photos = "<Script><Images>";
    for (int i = 0; i <= CJobReader::MaxPhotos; ++i)
        photos += "<Image Path=\"" + QByteArray::number(i) + ".jpg\"/>";
    photos += "</Images></Script>";
    QTest::newRow("33 numbers in a filter") << Doc("Profile", filter(param.arg("float").repeated(33))).toUtf8() << false
                                            << int(V::Ok) << QString("32 numbers");
    QTest::newRow("17 texts in a filter") << Doc("Profile", filter(param.arg("string").repeated(17))).toUtf8() << false
                                          << int(V::Ok) << QString("16 texts");
    QTest::newRow("1001 filters")
        << Doc("Profile", "<Filters>" + QString("<Filter Id=\"5040\"/>").repeated(1001) + "</Filters>").toUtf8()
        << false << int(V::Ok) << QString("1000 filters");
    QTest::newRow("1000001 photos") << photos << false << int(V::Ok) << QString("1000000 photos");
    QTest::newRow("long property") << Doc("Profile", Props("Rename", "SearchFor", longText)).toUtf8() << false
                                   << int(V::Ok) << QString("text longer");
    QTest::newRow("long path") << Doc("Script", "<Images><Image Path=\"" + longText + ".jpg\"/></Images>").toUtf8()
                               << false << int(V::Ok) << QString("text longer");
}

void TestJobFiles::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QFETCH(int, verdict);
    SetImages({"/job/1.jpg", "/job/2.jpg"});
    CListFilters::GetInstance()->filters = {Filter(5020, true, {1}), Filter(5040, false, {2}),
                                            Filter(1000, true, {}, {"t"})};
    CUserProfile::GetInstance()->DisableNotifications = true;
    const QStringList before = Snapshot(AllFields());
    const QString path = Path("x.bqf");
    QFile::remove(path);
    if (!bytes.isNull())
        QVERIFY(WriteAll(path, bytes));
    QFETCH(QString, reason);
    QString text;
    QCOMPARE(int(SafeXml::Load(path, SafeXml::JobFileCap, text)), verdict);
    CScripts script(path);
    QCOMPARE(script.Load(), loads);
    QVERIFY2(loads ? script.ErrorText().isEmpty() : script.ErrorText().contains(reason),
             qPrintable(script.ErrorText()));
    if (!loads)
        QCOMPARE(Snapshot(AllFields()), before);
    QVERIFY(g_warnings.isEmpty());
}

void TestJobFiles::saveFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("markLength"); // a text mark of this many characters; 0 for none
    QTest::newRow("missing folder") << "missing/x.bqs" << 3 << 0;
    QTest::newRow("mode 0") << "old.bqs" << 0 << 0;
    QTest::newRow("mode 4") << "old.bqs" << 4 << 0;
    QTest::newRow("mode -1") << "old.bqs" << -1 << 0;
    // The reader would refuse it: the file could not be opened again.
    QTest::newRow("mark longer than a job file holds, profile") << "old.bqs" << 2 << CJobReader::MaxTextLength + 1;
    QTest::newRow("mark longer than a job file holds, script") << "old.bqs" << 3 << CJobReader::MaxTextLength + 1;
}

void TestJobFiles::saveFailures()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(int, markLength);
    if (markLength > 0)
        CListFilters::GetInstance()->filters = {Filter(1000, true, {0}, {QString(markLength, 'x'), "Arial", ""})};
    QVERIFY(WriteAll(Path("old.bqs"), "old"));
    CScripts refused(Path(name));
    QVERIFY(!refused.Save(mode));
    if (markLength > 0)
        QVERIFY2(refused.ErrorText().contains(QString::number(CJobReader::MaxTextLength)),
                 qPrintable(refused.ErrorText()));
    QCOMPARE(ReadAll(Path("old.bqs")), QByteArray("old"));
    CListFilters::GetInstance()->filters.clear();
    QVERIFY(!QFileInfo::exists(Path("missing")));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("old.bqs."), QStringList());

    // One object saving twice writes one document.
    CScripts twice(Path("twice.bqs"));
    QVERIFY(twice.Save(3) && twice.Save(3));
    QCOMPARE(ReadAll(Path("twice.bqs")).count("<?xml"), 1);
}

void TestJobFiles::fileSizeLimit()
{
    SetGoldenState();
    const QString path = Path("limited/job.bqs");
    QVERIFY(QDir().mkpath(Path("limited")));
    QVERIFY(WriteAll(path, "previous script"));
    bool saved3 = true;
    QVERIFY(JobTest::UnderFileSizeLimit(200, [&] { saved3 = CScripts(path).Save(3); }));
    QVERIFY(!saved3);
    QCOMPARE(ReadAll(path), QByteArray("previous script"));
    QCOMPARE(QDir(Path("limited")).entryList(QDir::Files | QDir::Hidden), QStringList("job.bqs"));
    QVERIFY(CScripts(path).Save(3));
    QVERIFY(ReadAll(path).size() > 200);
}

BQ_TEST_MAIN(TestJobFiles)
#include "tst_jobfiles.moc"
