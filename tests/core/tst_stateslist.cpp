// The whole-job undo list: slot arithmetic, what a snapshot restores, the
// name-changes flag and the enable signals as the window receives them.
#include "BqTestMain.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "StatesList.h"
#include "UserProfile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>

#include <type_traits>

namespace {

// Stands in for the window: records the enable signals in arrival order,
// "U1" for EnableUndo(true), "R0" for EnableRedo(false).
class WindowStub : public QObject
{
    Q_OBJECT
public:
    QStringList log;
public slots:
    void UndoEnable(bool val) { log << QStringLiteral("U%1").arg(int(val)); }
    void RedoEnable(bool val) { log << QStringLiteral("R%1").arg(int(val)); }
};

// Calls fn(name, field) for every field of the settings object that the
// tests set and compare, so one table drives both.
template <class F>
void ForEachField(CUserProfile& p, F&& fn)
{
    fn("Step1Preview", p.Step1Preview);
    fn("DetailsSortColumn", p.DetailsSortColumn);
    fn("DetailsSortOrder", p.DetailsSortOrder);
    fn("Step2Preview", p.Step2Preview);
    fn("FilenameFormat", p.FilenameFormat);
    fn("PresetRename", p.PresetRename);
    fn("CounterStart", p.CounterStart);
    fn("CountStep", p.CountStep);
    fn("CounterDigits", p.CounterDigits);
    fn("ChangeCase", p.ChangeCase);
    fn("LowerCaseExt", p.LowerCaseExt);
    fn("DateType", p.DateType);
    fn("DateFormat", p.DateFormat);
    fn("ShowTime", p.ShowTime);
    fn("TimeFormat", p.TimeFormat);
    fn("SearchFor", p.SearchFor);
    fn("ReplaceWith", p.ReplaceWith);
    fn("OutputFolderStruct", p.OutputFolderStruct);
    fn("OutputFolder", p.OutputFolder);
    fn("DestPath", p.DestPath);
    fn("Multipage", p.Multipage);
    fn("OutputFormat", p.OutputFormat);
    fn("OpenOutputFolder", p.OpenOutputFolder);
    fn("OriginalDate", p.OriginalDate);
    fn("DeleteSource", p.DeleteSource);
    fn("DisableNotifications", p.DisableNotifications);
    fn("HideProcessing", p.HideProcessing);
    fn("Destination", p.Destination);
    fn("SaveOnDiskMail", p.SaveOnDiskMail);
    fn("SaveOnDiskFTP", p.SaveOnDiskFTP);
    fn("SaveOnDiskFacebook", p.SaveOnDiskFacebook);
    fn("SaveOnDiskFlickr", p.SaveOnDiskFlickr);
    fn("FTPUser", p.FTPUser);
    fn("FTPPassword", p.FTPPassword);
    fn("FTPHost", p.FTPHost);
    fn("FTPPort", p.FTPPort);
    fn("FTPFolder", p.FTPFolder);
    fn("Quality", p.Quality);
    fn("FileSize", p.FileSize);
    fn("FixedSize", p.FixedSize);
    fn("PNGComp", p.PNGComp);
    fn("Interlaced", p.Interlaced);
    fn("JpegType", p.JpegType);
    fn("TiffType", p.TiffType);
    fn("CustomProfile", p.CustomProfile);
    fn("TiffAlg", p.TiffAlg);
    fn("PdfAlg", p.PdfAlg);
    fn("DefaultFormat", p.DefaultFormat);
    // Never snapshotted.
    fn("Id", p.Id);
    fn("Folder", p.Folder);
    fn("CreateLog", p.CreateLog);
    fn("Overwrite", p.Overwrite);
    fn("PicCount", p.PicCount);
    fn("SilentRun", p.SilentRun);
    fn("MonitorMode", p.MonitorMode);
    fn("RunCount", p.RunCount);
    fn("LaunchCounter", p.LaunchCounter);
    fn("BuiltInProfileLoaded", p.BuiltInProfileLoaded);
    fn("LanguageId", p.LanguageId);
    fn("ThemeId", p.ThemeId);
    fn("UseMulticore", p.UseMulticore);
    fn("RawDemosaic", p.RawDemosaic);
    fn("PreviewPath", p.PreviewPath);
}

// Distinct values per state: 'A' is the older snapshot, 'B' the newer one.
void SetAll(CUserProfile& p, char tag)
{
    const int k = tag == 'A' ? 1 : 2;
    ForEachField(p, [&](const char* name, auto& field) {
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, bool>)
            field = tag == 'A';
        else if constexpr (std::is_same_v<T, QString>)
            field = QString::fromLatin1(name) + QLatin1Char(tag);
        else if constexpr (std::is_same_v<T, qint64>)
            field = 5000000000LL * k; // beyond 32 bits
        else
            field = static_cast<T>(k + 2);
    });
    if (tag == 'A')
        p.PNGComp = 7;
}

QVariant GetField(CUserProfile& p, const QString& wanted)
{
    QVariant result;
    ForEachField(p, [&](const char* name, auto& field) {
        if (wanted == QLatin1String(name))
            result = QVariant::fromValue(field);
    });
    return result;
}

CFilterFilename NamingEngine(char tag)
{
    CFilterFilename f;
    const QString t(tag);
    f.pattern = "[Filename] " + t + ".[Extension]";
    f.workPattern = "work" + t;
    f.caseMode = tag == 'A' ? 2 : 1;
    f.preset = tag == 'A' ? 0 : 3;
    f.lowerCaseExtension = tag != 'A';
    f.counterStart = tag == 'A' ? 7000000000LL : 5;
    f.counterDigits = tag == 'A' ? 5 : 2;
    f.counterStep = tag == 'A' ? 3 : 1;
    f.dateSource = tag == 'A' ? 1 : 0;
    f.dateFormat = tag == 'A' ? 11 : 0;
    f.timeFormat = tag == 'A' ? 1 : 0;
    f.showTime = tag == 'A' ? 2 : 0;
    f.searchReplaceOn = tag == 'A';
    f.searchText = "find" + t;
    f.replaceText = "put" + t;
    f.result = "result" + t;
    f.sourcePath = "/src/" + t + ".jpg";
    f.sourceFolder = "/src";
    f.sourceName = t;
    f.extension = tag == 'A' ? "png" : "jpg";
    f.listPosition = tag == 'A' ? 41 : 0;
    f.exifDate = tag == 'A' ? "2020:01:02 03:04:05" : "";
    f.monitorNumbering = tag == 'A';
    f.monitorPicCount = tag == 'A' ? 200 : 1;
    return f;
}

SImageRecord Photo(const QString& path)
{
    SImageRecord r;
    r.path = path;
    r.folder = path.left(path.lastIndexOf('/'));
    r.name = path.mid(path.lastIndexOf('/') + 1).section('.', 0, 0);
    r.extension = path.section('.', -1);
    return r;
}

SFilterRecord Filter(quint32 id, double last, const QString& lastText)
{
    SFilterRecord r;
    r.id = id;
    r.name = QString::number(id);
    r.numberCount = 32;
    r.numbers[31] = last;
    r.stringCount = 16;
    r.strings[15] = lastText;
    r.active = true;
    return r;
}

QStringList Paths(const QList<SImageRecord>& images)
{
    QStringList out;
    for (const SImageRecord& r : images)
        out << r.path;
    return out;
}

} // namespace

class TestStatesList : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void operations_data();
    void operations();
    void sixtySavesKeepTheNewestFifty();
    void saveAfterUndoDropsTheRedoTail();
    void undoRestoresSnapshotFields_data();
    void undoRestoresSnapshotFields();
    void undoRestoresListsAndNamingEngine();
    void redoRestoresTheNewerState();
    void saveSignalsSeenBySpies();
    void shutdownInWindowOrder();

private:
    // Runs a space-separated script: "S0"/"S1" edit the job (DestPath
    // "s<n>") and save with that name-changes flag, "U" undo, "R" redo, "C"
    // clear; "N*op" repeats op N times.
    void Run(const QString& script);

    CStatesList* m_states = nullptr;
    CUserProfile* m_profile = nullptr;
    int m_edits = 0;
};

void TestStatesList::init()
{
    QSettings("Quorvelline", "Brandquill").clear();
    m_edits = 0;
    CListImages::GetInstance();
    m_profile = CUserProfile::GetInstance();
    CFormatsEnum::GetInstance();
    CFiltersEnum::GetInstance();
    CListFilters::GetInstance();
    m_states = CStatesList::GetInstance();
}

void TestStatesList::cleanup()
{
    // The window's deletion order: the models go before the undo list.
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance();
    CFormatsEnum::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    CStatesList::DeleteInstance();
    m_states = nullptr;
    m_profile = nullptr;
}

void TestStatesList::Run(const QString& script)
{
    for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
        const int star = token.indexOf('*');
        const int times = star < 0 ? 1 : token.left(star).toInt();
        const QString op = token.mid(star + 1);
        for (int i = 0; i < times; ++i) {
            if (op == "S0" || op == "S1") {
                m_profile->DestPath = "s" + QString::number(++m_edits);
                m_states->SaveState(op == "S1");
            } else if (op == "U") {
                m_states->Undo();
            } else if (op == "R") {
                m_states->Redo();
            } else if (op == "C") {
                m_states->ClearStatesList();
            } else {
                QFAIL(qPrintable("bad script token " + token));
            }
        }
    }
}

void TestStatesList::operations_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("destPath");
    QTest::addColumn<QString>("signalsSent");
    QTest::addColumn<bool>("nameChangesOnly");

    QTest::newRow("nothing saved") << "" << 0 << 0 << "" << "" << false;
    QTest::newRow("first save") << "S0" << 1 << 1 << "s1" << "U0 R0" << false;
    QTest::newRow("second save") << "S0 S1" << 2 << 2 << "s2" << "U0 R0 U1 R0" << true;
    QTest::newRow("undo after first change") << "S0 S1 U" << 1 << 2 << "s1" << "U0 R0 U1 R0 U0 R1" << true;
    QTest::newRow("redo after undo") << "S0 S1 U R" << 2 << 2 << "s2" << "U0 R0 U1 R0 U0 R1 U1 R0" << true;
    QTest::newRow("change after undo disables redo")
        << "S1 S1 S0 U S0" << 3 << 3 << "s4" << "U0 R0 U1 R0 U1 R0 U1 R1 U1 R0" << false;
    QTest::newRow("undo at the first snapshot") << "S0 U" << 1 << 1 << "s1" << "U0 R0 U0 R1" << false;
    QTest::newRow("undo before any save") << "U" << 0 << 0 << "" << "U0 R1" << false;
    QTest::newRow("redo at the newest") << "S0 S0 R" << 2 << 2 << "s2" << "U0 R0 U1 R0 U1 R0" << false;
    QTest::newRow("two undos, two redos")
        << "S0 S1 S0 U U R R" << 3 << 3 << "s3" << "U0 R0 U1 R0 U1 R0 U1 R1 U0 R1 U1 R1 U1 R0" << false;
    QTest::newRow("clear emits nothing") << "S0 S0 C" << 0 << 0 << "s2" << "U0 R0 U1 R0" << false;
    QTest::newRow("save after clear") << "S0 S0 C S1" << 1 << 1 << "s3" << "U0 R0 U1 R0 U0 R0" << true;
    QTest::newRow("undo after clear") << "S0 S0 C U" << 0 << 0 << "s2" << "U0 R0 U1 R0 U0 R1" << false;
    QTest::newRow("undo reports the step undone") << "S1 S1 S0 U" << 2 << 3 << "s2"
                                                  << "U0 R0 U1 R0 U1 R0 U1 R1" << false;
    QTest::newRow("saved name change after undo") << "S0 S0 S0 U S1" << 3 << 3 << "s4"
                                                  << "U0 R0 U1 R0 U1 R0 U1 R1 U1 R0" << true;
}

void TestStatesList::operations()
{
    QFETCH(QString, script);
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(QString, destPath);
    QFETCH(QString, signalsSent);
    QFETCH(bool, nameChangesOnly);

    WindowStub window;
    connect(m_states, &CStatesList::EnableUndo, &window, &WindowStub::UndoEnable, Qt::QueuedConnection);
    connect(m_states, &CStatesList::EnableRedo, &window, &WindowStub::RedoEnable, Qt::QueuedConnection);
    Run(script);
    QCOMPARE(window.log, QStringList()); // queued: not before the loop runs
    QCoreApplication::sendPostedEvents();

    QCOMPARE(m_states->GetCurrent(), current);
    QCOMPARE(m_states->GetCount(), count);
    QCOMPARE(m_profile->DestPath, destPath);
    QCOMPARE(window.log.join(' '), signalsSent);
    QCOMPARE(m_states->NameChangesOnly(), nameChangesOnly);
}

void TestStatesList::sixtySavesKeepTheNewestFifty()
{
    Run("60*S0");
    QCOMPARE(m_states->GetCurrent(), 50);
    QCOMPARE(m_states->GetCount(), 50);
    Run("49*U");
    QCOMPARE(m_profile->DestPath, QString("s11"));
    QCOMPARE(m_states->GetCurrent(), 1);
    QSignalSpy undo(m_states, &CStatesList::EnableUndo);
    Run("U");
    QCOMPARE(m_profile->DestPath, QString("s11"));
    QCOMPARE(m_states->GetCurrent(), 1);
    QCOMPARE(undo.count(), 1);
    QCOMPARE(undo.at(0).at(0).toBool(), false);
    Run("49*R");
    QCOMPARE(m_profile->DestPath, QString("s60"));
    QCOMPARE(m_states->GetCurrent(), 50);

    // Full depth: undo, then a name-only save lands in the last slot.
    Run("U S1");
    QCOMPARE(m_states->GetCurrent(), 50);
    QCOMPARE(m_states->GetCount(), 50);
    QVERIFY(m_states->NameChangesOnly());
    Run("U");
    QCOMPARE(m_profile->DestPath, QString("s59"));
}

void TestStatesList::saveAfterUndoDropsTheRedoTail()
{
    Run("S0 S0 S0 U U S0");
    QCOMPARE(m_states->GetCurrent(), 2);
    QCOMPARE(m_states->GetCount(), 2);
    QCOMPARE(m_profile->DestPath, QString("s4"));
    QSignalSpy redo(m_states, &CStatesList::EnableRedo);
    Run("R");
    QCOMPARE(m_profile->DestPath, QString("s4"));
    QCOMPARE(redo.count(), 1);
    QCOMPARE(redo.at(0).at(0).toBool(), false);
    Run("U");
    QCOMPARE(m_profile->DestPath, QString("s1"));
}

void TestStatesList::undoRestoresSnapshotFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<char>("expectedState");
    const QStringList restored = {
        "DetailsSortColumn", "DetailsSortOrder", "FilenameFormat", "PresetRename", "CounterStart",
        "CountStep", "CounterDigits", "ChangeCase", "LowerCaseExt", "DateType", "DateFormat", "ShowTime",
        "TimeFormat", "SearchFor", "ReplaceWith", "OutputFolderStruct", "OutputFolder", "DestPath",
        "Multipage", "OutputFormat", "OpenOutputFolder", "OriginalDate", "DeleteSource",
        "DisableNotifications", "HideProcessing", "Destination", "SaveOnDiskMail", "SaveOnDiskFTP",
        "SaveOnDiskFacebook", "SaveOnDiskFlickr", "FTPUser", "FTPPassword", "FTPHost", "FTPPort",
        "FTPFolder", "Quality", "FileSize", "FixedSize", "Interlaced", "JpegType", "TiffType",
        "CustomProfile", "TiffAlg", "PdfAlg", "DefaultFormat",
    };
    const QStringList kept = {
        "Step1Preview", "Step2Preview", "Id", "Folder", "CreateLog", "Overwrite", "PicCount", "SilentRun",
        "MonitorMode", "RunCount", "LaunchCounter", "BuiltInProfileLoaded", "LanguageId", "ThemeId",
        "UseMulticore", "RawDemosaic", "PreviewPath",
    };
    for (const QString& f : restored)
        QTest::newRow(qPrintable("restored " + f)) << f << 'A';
    for (const QString& f : kept)
        QTest::newRow(qPrintable("kept " + f)) << f << 'B';
    QTest::newRow("PNGComp 7 returns as 1") << "PNGComp" << '1';
}

void TestStatesList::undoRestoresSnapshotFields()
{
    QFETCH(QString, field);
    QFETCH(char, expectedState);

    SetAll(*m_profile, 'A');
    const QVariant valueA = GetField(*m_profile, field);
    m_states->SaveState(false);
    SetAll(*m_profile, 'B');
    const QVariant valueB = GetField(*m_profile, field);
    m_states->SaveState(false);
    QVERIFY(valueA.isValid());
    QVERIFY(valueA != valueB);

    m_states->Undo();
    const QVariant actual = GetField(*m_profile, field);
    if (expectedState == '1')
        QCOMPARE(actual.toInt(), 1);
    else
        QCOMPARE(actual, expectedState == 'A' ? valueA : valueB);
}

void TestStatesList::undoRestoresListsAndNamingEngine()
{
    CListImages* photos = CListImages::GetInstance();
    CListFilters* chain = CListFilters::GetInstance();
    photos->images = {Photo("/p/a.jpg"), Photo("/p/b.png")};
    chain->filters = {Filter(1000, 1.5, "markA")};
    m_profile->FilterFilename = NamingEngine('A');
    m_states->SaveState(false);

    // Edited in place: the snapshot must not share the change.
    photos->images[0].path = "/q/changed.jpg";
    photos->images.append(Photo("/q/c.tif"));
    chain->filters[0].numbers[31] = 9.0;
    chain->filters[0].strings[15] = "markB";
    chain->filters.append(Filter(5070, 2.5, "rot"));
    m_profile->FilterFilename = NamingEngine('B');
    m_states->SaveState(true);

    m_states->Undo();
    QCOMPARE(Paths(photos->images), (QStringList{"/p/a.jpg", "/p/b.png"}));
    QCOMPARE(photos->images.at(1).extension, QString("png"));
    QCOMPARE(chain->filters.size(), 1);
    QCOMPARE(chain->filters.at(0).id, quint32(1000));
    QCOMPARE(chain->filters.at(0).numberCount, quint8(32));
    QCOMPARE(chain->filters.at(0).numbers[31], 1.5);
    QCOMPARE(chain->filters.at(0).strings[15], QString("markA"));
    QVERIFY(chain->filters.at(0).active);
    QVERIFY(m_profile->FilterFilename == NamingEngine('A'));
    QCOMPARE(m_profile->FilterFilename.monitorPicCount, quint8(200));
    QCOMPARE(m_profile->FilterFilename.counterStart, 7000000000LL);
    QCOMPARE(m_profile->FilterFilename.result, QString("resultA"));
    QVERIFY(m_states->NameChangesOnly()); // the step undone changed names only
}

void TestStatesList::redoRestoresTheNewerState()
{
    CListImages* photos = CListImages::GetInstance();
    SetAll(*m_profile, 'A');
    photos->images = {Photo("/p/a.jpg")};
    m_states->SaveState(false);
    SetAll(*m_profile, 'B');
    photos->images = {Photo("/p/b.jpg"), Photo("/p/c.jpg")};
    m_profile->FilterFilename = NamingEngine('B');
    m_states->SaveState(false);

    m_states->Undo();
    m_profile->Step1Preview = true;
    m_profile->Step2Preview = true;
    m_states->Redo();
    QCOMPARE(Paths(photos->images), (QStringList{"/p/b.jpg", "/p/c.jpg"}));
    QCOMPARE(m_profile->DestPath, QString("DestPathB"));
    QCOMPARE(m_profile->PNGComp, 1); // B stored 4: any non-zero comes back as 1
    QVERIFY(m_profile->FilterFilename == NamingEngine('B'));
    QCOMPARE(m_profile->Step1Preview, true);
    QCOMPARE(m_profile->Step2Preview, true);

    m_profile->PNGComp = 0;
    m_states->SaveState(false);
    m_profile->PNGComp = 1;
    m_states->Undo();
    QCOMPARE(m_profile->PNGComp, 1);
    m_states->Redo();
    QCOMPARE(m_profile->PNGComp, 0);
}

void TestStatesList::saveSignalsSeenBySpies()
{
    QSignalSpy undo(m_states, &CStatesList::EnableUndo);
    QSignalSpy redo(m_states, &CStatesList::EnableRedo);
    m_states->SaveState(false);
    QCOMPARE(undo.count(), 1);
    QCOMPARE(undo.at(0).at(0).toBool(), false);
    QCOMPARE(redo.count(), 1);
    QCOMPARE(redo.at(0).at(0).toBool(), false);
    m_states->SaveState(false);
    QCOMPARE(undo.count(), 2);
    QCOMPARE(undo.at(1).at(0).toBool(), true);
    QCOMPARE(redo.count(), 2);
    QCOMPARE(redo.at(1).at(0).toBool(), false);

    m_states->ClearStatesList();
    QCOMPARE(undo.count(), 2);
    QCOMPARE(redo.count(), 2);
    m_states->SaveState(false);
    QCOMPARE(m_states->GetCount(), 1);
    QCOMPARE(undo.at(2).at(0).toBool(), false);
}

void TestStatesList::shutdownInWindowOrder()
{
    CListImages* photos = CListImages::GetInstance();
    CListFilters* chain = CListFilters::GetInstance();
    for (int i = 0; i < 60; ++i) {
        photos->images.append(Photo(QStringLiteral("/p/%1.jpg").arg(i)));
        chain->filters.append(Filter(1000, i, QString::number(i)));
        m_states->SaveState(false);
    }
    QCOMPARE(m_states->GetCount(), 50);
    int destroyed = 0;
    connect(m_states, &QObject::destroyed, [&destroyed] { ++destroyed; });

    cleanup();
    QCOMPARE(destroyed, 1);
    // The settings object went first and wrote its keys on the way.
    QVERIFY(QSettings("Quorvelline", "Brandquill").contains("Settings/Settings.LanguageId"));

    init();
    QCOMPARE(m_states->GetCount(), 0);
    QCOMPARE(m_states->GetCurrent(), 0);
    QVERIFY(!m_states->NameChangesOnly());
}

BQ_TEST_MAIN(TestStatesList)
#include "tst_stateslist.moc"
