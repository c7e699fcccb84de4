// The settings object: store keys and their defaults, when they are written,
// constructor defaults, and the preview status handed across threads.
#include "BqTestMain.h"
#include "UserProfile.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QThread>

#include <memory>

namespace {

QSettings Store()
{
    return QSettings(QStringLiteral("Quorvelline"), QStringLiteral("Brandquill"));
}

// The application settings as the settings dialog and the window see them,
// looked up by store key; flags as 0 or 1.
int FieldOfKey(const CUserProfile& p, const QString& key)
{
    if (key == "Settings/Settings.LanguageId") return p.LanguageId;
    if (key == "Settings/Settings.UseMulticore") return p.UseMulticore;
    if (key == "Settings/Settings.ContextualMenu") return p.ContextualMenu;
    if (key == "Settings/Settings.ShowProfiles") return p.ShowProfiles;
    if (key == "Settings/Settings.ShowStartupWizard") return p.ShowStartupWizard;
    if (key == "Settings/CheckNew.AutoCheck") return p.CheckNewAutoCheck;
    if (key == "Settings/CheckNew.Interval") return p.CheckNewInterval;
    if (key == "Settings/ProcessEnv.CVLog") return p.ProcessEnvCVLog;
    if (key == "Settings/MonitorLaunch") return p.MonitorLaunch;
    if (key == "Settings/Settings.ThemeId") return p.ThemeId;
    if (key == "Settings/Settings.MultipageWrite") return p.MultipageWrite;
    if (key == "Settings/Settings.RawWhiteBalance") return p.RawWhiteBalance;
    if (key == "Settings/Settings.RawHighlight") return p.RawHighlight;
    if (key == "Settings/Settings.RawDemosaic") return p.RawDemosaic;
    return -12345; // unknown key: fails every comparison
}

const QStringList kFlagKeys = {
    "Settings.UseMulticore", "Settings.ContextualMenu", "Settings.ShowProfiles",
    "Settings.ShowStartupWizard", "CheckNew.AutoCheck", "ProcessEnv.CVLog", "MonitorLaunch",
};

const QStringList kAllKeys = {
    "Settings.LanguageId", "Settings.UseMulticore", "Settings.ContextualMenu", "Settings.ShowProfiles",
    "Settings.ShowStartupWizard", "CheckNew.AutoCheck", "CheckNew.Interval", "ProcessEnv.CVLog",
    "MonitorLaunch", "Settings.ThemeId", "Settings.MultipageWrite", "Settings.RawWhiteBalance",
    "Settings.RawHighlight", "Settings.RawDemosaic",
};

QVariant DefaultField(const CUserProfile& p, const QString& name)
{
    const CFilterFilename& f = p.FilterFilename;
    const QHash<QString, QVariant> fields = {
        {"Quality", p.Quality}, {"FileSize", p.FileSize}, {"FixedSize", p.FixedSize},
        {"PNGComp", p.PNGComp}, {"Interlaced", p.Interlaced}, {"JpegType", p.JpegType},
        {"TiffType", p.TiffType}, {"TiffAlg", p.TiffAlg}, {"PdfAlg", p.PdfAlg},
        {"DefaultFormat", p.DefaultFormat}, {"CreateLog", p.CreateLog}, {"Overwrite", p.Overwrite},
        {"SilentMode", p.SilentMode}, {"PicCount", int(p.PicCount)}, {"Type", p.Type},
        {"Id", p.Id}, {"RunCount", p.RunCount}, {"RunFromScript", p.RunFromScript},
        {"SilentRun", p.SilentRun}, {"MonitorMode", p.MonitorMode},
        {"BuiltInProfileLoaded", p.BuiltInProfileLoaded}, {"ProcessEnvCVLog", p.ProcessEnvCVLog},
        {"LanguageId", p.LanguageId}, {"ThemeId", p.ThemeId}, {"PreviewProgress", p.PreviewProgress},
        {"PreviewComment", p.PreviewComment}, {"PreviewPath", p.PreviewPath}, {"DestPath", p.DestPath},
        {"naming.preset", f.preset}, {"naming.lowerCaseExtension", f.lowerCaseExtension},
        {"naming.counterStart", f.counterStart}, {"naming.counterDigits", f.counterDigits},
        {"naming.counterStep", f.counterStep}, {"naming.monitorPicCount", int(f.monitorPicCount)},
        {"naming.pattern", f.pattern},
    };
    return fields.value(name); // invalid for an unknown name
}

// Receives the status signal on the GUI thread and reads the pair there,
// as the window's status-bar slot does.
class StatusReader : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
    bool onGuiThread = true;
    int progress = 0;
    QString comment;
public slots:
    void OnStatus()
    {
        ++calls;
        onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
        CUserProfile::GetInstance()->GetPreviewStatus(progress, comment);
    }
};

} // namespace

class TestUserProfile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptyStoreGivesKeyDefaults_data();
    void emptyStoreGivesKeyDefaults();
    void storedValuesReadAndWrittenBack_data();
    void storedValuesReadAndWrittenBack();
    void nothingWrittenBeforeDelete();
    void deleteWritesExactlyTheFourteenKeys();
    void otherSettingsKeysAreLeftAlone();
    void unchangedValuesAreWrittenBack();

    void constructorDefaults_data();
    void constructorDefaults();
    void customProfileBesideTheExecutable();
    void getInstanceAfterDeleteGivesDefaults();

    void previewSettersEmitOnce_data();
    void previewSettersEmitOnce();
    void previewFromWorkerReachesQueuedReceiver();
    void previewStatusRace();
};

void TestUserProfile::init()
{
    QSettings s = Store();
    s.clear();
    s.sync();
}

void TestUserProfile::cleanup()
{
    CUserProfile::DeleteInstance();
}

void TestUserProfile::emptyStoreGivesKeyDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("LanguageId") << "Settings/Settings.LanguageId" << 1033;
    QTest::newRow("UseMulticore") << "Settings/Settings.UseMulticore" << 1;
    QTest::newRow("ContextualMenu") << "Settings/Settings.ContextualMenu" << 1;
    QTest::newRow("ShowProfiles") << "Settings/Settings.ShowProfiles" << 0;
    QTest::newRow("ShowStartupWizard") << "Settings/Settings.ShowStartupWizard" << 1;
    QTest::newRow("CheckNew.AutoCheck") << "Settings/CheckNew.AutoCheck" << 1;
    QTest::newRow("CheckNew.Interval") << "Settings/CheckNew.Interval" << 1;
    QTest::newRow("ProcessEnv.CVLog") << "Settings/ProcessEnv.CVLog" << 1;
    QTest::newRow("MonitorLaunch") << "Settings/MonitorLaunch" << 1;
    QTest::newRow("ThemeId") << "Settings/Settings.ThemeId" << 0;
    QTest::newRow("MultipageWrite") << "Settings/Settings.MultipageWrite" << 0;
    QTest::newRow("RawWhiteBalance") << "Settings/Settings.RawWhiteBalance" << 0;
    QTest::newRow("RawHighlight") << "Settings/Settings.RawHighlight" << 0;
    QTest::newRow("RawDemosaic") << "Settings/Settings.RawDemosaic" << 0;
}

void TestUserProfile::emptyStoreGivesKeyDefaults()
{
    QFETCH(QString, key);
    QFETCH(int, expected);
    CUserProfile* p = CUserProfile::GetInstance();
    p->ReadRegistrySettings();
    QCOMPARE(FieldOfKey(*p, key), expected);
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().value(key).toString(), QString::number(expected));
}

void TestUserProfile::storedValuesReadAndWrittenBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("written");
    QTest::newRow("flag 5 reads true, writes 1") << "Settings/Settings.UseMulticore" << QVariant(5) << 1 << "1";
    QTest::newRow("negative flag is true") << "Settings/Settings.ShowProfiles" << QVariant(-3) << 1 << "1";
    QTest::newRow("carried flag off stays off") << "Settings/Settings.ContextualMenu" << QVariant(0) << 0 << "0";
    QTest::newRow("MonitorLaunch off stays off") << "Settings/MonitorLaunch" << QVariant(0) << 0 << "0";
    QTest::newRow("German") << "Settings/Settings.LanguageId" << QVariant(1031) << 1031 << "1031";
    QTest::newRow("ThemeId 7 kept") << "Settings/Settings.ThemeId" << QVariant(7) << 7 << "7";
    QTest::newRow("Interval 9 kept") << "Settings/CheckNew.Interval" << QVariant(9) << 9 << "9";
    QTest::newRow("RawDemosaic 9 kept") << "Settings/Settings.RawDemosaic" << QVariant(9) << 9 << "9";
    QTest::newRow("text as int is 0") << "Settings/Settings.LanguageId" << QVariant("abc") << 0 << "0";
    QTest::newRow("text flag is false") << "Settings/ProcessEnv.CVLog" << QVariant("yes") << 0 << "0";
}

void TestUserProfile::storedValuesReadAndWrittenBack()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, field);
    QFETCH(QString, written);
    {
        QSettings s = Store();
        s.setValue(key, stored);
    }
    CUserProfile* p = CUserProfile::GetInstance();
    p->ReadRegistrySettings();
    QCOMPARE(FieldOfKey(*p, key), field);
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().value(key).toString(), written);
}

void TestUserProfile::nothingWrittenBeforeDelete()
{
    CUserProfile* p = CUserProfile::GetInstance();
    p->ReadRegistrySettings();
    p->LanguageId = 1036;
    p->UseMulticore = false;
    p->SetPreviewProgress(10);
    QCOMPARE(Store().allKeys(), QStringList());
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().value("Settings/Settings.LanguageId").toInt(), 1036);
    QCOMPARE(Store().value("Settings/Settings.UseMulticore").toString(), QString("0"));
}

void TestUserProfile::deleteWritesExactlyTheFourteenKeys()
{
    CUserProfile::GetInstance()->ReadRegistrySettings();
    CUserProfile::DeleteInstance();
    QSettings s = Store();
    QCOMPARE(s.childGroups(), QStringList{"Settings"});
    s.beginGroup("Settings");
    QStringList keys = s.childKeys();
    QStringList expected = kAllKeys;
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    for (const QString& flag : kFlagKeys) {
        const QString v = s.value(flag).toString();
        QVERIFY2(v == "0" || v == "1", qPrintable(flag + " = " + v));
    }
}

void TestUserProfile::otherSettingsKeysAreLeftAlone()
{
    {
        QSettings s = Store();
        s.setValue("Settings/LaunchCounter", 7);
        s.setValue("GUI/Step1.ViewType", 1);
    }
    CUserProfile::GetInstance()->ReadRegistrySettings();
    CUserProfile::DeleteInstance();
    QSettings s = Store();
    QCOMPARE(s.value("Settings/LaunchCounter").toInt(), 7);
    QCOMPARE(s.value("GUI/Step1.ViewType").toInt(), 1);
    s.beginGroup("Settings");
    QCOMPARE(s.childKeys().size(), 15);
}

void TestUserProfile::unchangedValuesAreWrittenBack()
{
    // Every key away from its default, so a default written instead shows.
    const QList<QPair<QString, int>> values = {
        {"Settings/Settings.LanguageId", 1041}, {"Settings/Settings.UseMulticore", 0},
        {"Settings/Settings.ContextualMenu", 0}, {"Settings/Settings.ShowProfiles", 1},
        {"Settings/Settings.ShowStartupWizard", 0}, {"Settings/CheckNew.AutoCheck", 0},
        {"Settings/CheckNew.Interval", 3}, {"Settings/ProcessEnv.CVLog", 0},
        {"Settings/MonitorLaunch", 0}, {"Settings/Settings.ThemeId", 1},
        {"Settings/Settings.MultipageWrite", 2}, {"Settings/Settings.RawWhiteBalance", 2},
        {"Settings/Settings.RawHighlight", 5}, {"Settings/Settings.RawDemosaic", 4},
    };
    {
        QSettings s = Store();
        for (const auto& kv : values)
            s.setValue(kv.first, kv.second);
    }
    CUserProfile* p = CUserProfile::GetInstance();
    p->ReadRegistrySettings();
    for (const auto& kv : values)
        QCOMPARE(FieldOfKey(*p, kv.first), kv.second);
    p->WriteRegistrySettings();
    CUserProfile::DeleteInstance();
    QSettings s = Store();
    for (const auto& kv : values)
        QCOMPARE(s.value(kv.first).toString(), QString::number(kv.second));
}

void TestUserProfile::constructorDefaults_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("Quality") << "Quality" << QVariant(88);
    QTest::newRow("FileSize") << "FileSize" << QVariant(qint64(100));
    QTest::newRow("FixedSize") << "FixedSize" << QVariant(false);
    QTest::newRow("PNGComp") << "PNGComp" << QVariant(1);
    QTest::newRow("Interlaced") << "Interlaced" << QVariant(0);
    QTest::newRow("JpegType") << "JpegType" << QVariant(1);
    QTest::newRow("TiffType") << "TiffType" << QVariant(2);
    QTest::newRow("TiffAlg") << "TiffAlg" << QVariant(0);
    QTest::newRow("PdfAlg") << "PdfAlg" << QVariant(0);
    QTest::newRow("DefaultFormat") << "DefaultFormat" << QVariant("JPG");
    QTest::newRow("CreateLog") << "CreateLog" << QVariant(true);
    QTest::newRow("Overwrite") << "Overwrite" << QVariant(false);
    QTest::newRow("SilentMode") << "SilentMode" << QVariant(false);
    QTest::newRow("PicCount") << "PicCount" << QVariant(0);
    QTest::newRow("Type") << "Type" << QVariant(false);
    QTest::newRow("Id") << "Id" << QVariant(QString());
    QTest::newRow("RunCount") << "RunCount" << QVariant(0);
    QTest::newRow("RunFromScript") << "RunFromScript" << QVariant(false);
    QTest::newRow("SilentRun") << "SilentRun" << QVariant(false);
    QTest::newRow("MonitorMode") << "MonitorMode" << QVariant(false);
    QTest::newRow("BuiltInProfileLoaded") << "BuiltInProfileLoaded" << QVariant(false);
    QTest::newRow("ProcessEnvCVLog") << "ProcessEnvCVLog" << QVariant(true);
    QTest::newRow("LanguageId") << "LanguageId" << QVariant(1033);
    QTest::newRow("ThemeId") << "ThemeId" << QVariant(0);
    QTest::newRow("preview progress") << "PreviewProgress" << QVariant(-1);
    QTest::newRow("preview comment") << "PreviewComment" << QVariant(QString());
    QTest::newRow("preview path") << "PreviewPath" << QVariant(QString());
    QTest::newRow("DestPath") << "DestPath" << QVariant(QString());
    QTest::newRow("naming preset") << "naming.preset" << QVariant(3);
    QTest::newRow("naming lower-case ext") << "naming.lowerCaseExtension" << QVariant(true);
    QTest::newRow("naming counter start") << "naming.counterStart" << QVariant(qint64(1));
    QTest::newRow("naming digits") << "naming.counterDigits" << QVariant(2);
    QTest::newRow("naming step") << "naming.counterStep" << QVariant(qint64(1));
    QTest::newRow("naming monitor count") << "naming.monitorPicCount" << QVariant(1);
    QTest::newRow("naming pattern") << "naming.pattern" << QVariant(QString());
}

void TestUserProfile::constructorDefaults()
{
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    const QVariant actual = DefaultField(*CUserProfile::GetInstance(), field);
    QCOMPARE(actual.userType(), expected.userType());
    QCOMPARE(actual, expected);
}

void TestUserProfile::customProfileBesideTheExecutable()
{
    QString folder = QCoreApplication::applicationDirPath();
    folder.truncate(folder.lastIndexOf('/'));
    CUserProfile* p = CUserProfile::GetInstance();
    QCOMPARE(p->CustomProfile, folder + "/Resources/sRGB.icm");
    p->CustomProfile = "/elsewhere/custom.icc";
    p->SetDefaultCustomProfile();
    QCOMPARE(p->CustomProfile, folder + "/Resources/sRGB.icm");
}

void TestUserProfile::getInstanceAfterDeleteGivesDefaults()
{
    CUserProfile* p = CUserProfile::GetInstance();
    p->Quality = 12;
    p->LanguageId = 1040;
    p->DestPath = "/out";
    p->FilterFilename.preset = 0;
    p->SetPreviewProgress(50);
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().value("Settings/Settings.LanguageId").toInt(), 1040);

    p = CUserProfile::GetInstance();
    QCOMPARE(p->Quality, 88);
    QCOMPARE(p->LanguageId, 1033);
    QCOMPARE(p->DestPath, QString());
    QCOMPARE(p->FilterFilename.preset, 3);
    int progress = 0;
    QString comment = "x";
    p->GetPreviewStatus(progress, comment);
    QCOMPARE(progress, -1);
    QCOMPARE(comment, QString());
}

void TestUserProfile::previewSettersEmitOnce_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("comment");
    QTest::newRow("reading") << 40 << "Reading";
    QTest::newRow("finished") << -1 << "";
    QTest::newRow("out of range kept") << 250 << "Odd";
}

void TestUserProfile::previewSettersEmitOnce()
{
    QFETCH(int, progress);
    QFETCH(QString, comment);
    CUserProfile* p = CUserProfile::GetInstance();
    QSignalSpy spy(p, &CUserProfile::UpdateStatusBar);
    p->SetPreviewProgress(progress);
    QCOMPARE(spy.count(), 1);
    p->SetPreviewComment(comment);
    QCOMPARE(spy.count(), 2);
    int readProgress = 0;
    QString readComment;
    p->GetPreviewStatus(readProgress, readComment);
    QCOMPARE(readProgress, progress);
    QCOMPARE(readComment, comment);
    QCOMPARE(p->PreviewProgress, progress);
    QCOMPARE(p->PreviewComment, comment);
}

void TestUserProfile::previewFromWorkerReachesQueuedReceiver()
{
    CUserProfile* p = CUserProfile::GetInstance();
    StatusReader reader;
    connect(p, &CUserProfile::UpdateStatusBar, &reader, &StatusReader::OnStatus, Qt::QueuedConnection);
    std::unique_ptr<QThread> worker(QThread::create([p] {
        p->SetPreviewProgress(40);
        p->SetPreviewComment("Reading");
    }));
    worker->start();
    QVERIFY(worker->wait());
    QCOMPARE(reader.calls, 0); // queued: nothing until the GUI loop runs
    QCoreApplication::sendPostedEvents();
    QCOMPARE(reader.calls, 2);
    QVERIFY(reader.onGuiThread);
    QCOMPARE(reader.progress, 40);
    QCOMPARE(reader.comment, QString("Reading"));
}

void TestUserProfile::previewStatusRace()
{
    constexpr int kCalls = 10000;
    CUserProfile* p = CUserProfile::GetInstance();
    QAtomicInt emitted;
    // Direct: counted on the emitting thread, as the emissions overlap.
    connect(p, &CUserProfile::UpdateStatusBar, p, [&emitted] { emitted.ref(); }, Qt::DirectConnection);

    auto writer = [p](const QString& tag) {
        return [p, tag] {
            for (int i = 0; i < kCalls; ++i) {
                if (i % 2)
                    p->SetPreviewComment(tag + QString::number(i) + QString(i % 37, QLatin1Char('.')));
                else
                    p->SetPreviewProgress(i % 101);
            }
        };
    };
    std::unique_ptr<QThread> a(QThread::create(writer("A")));
    std::unique_ptr<QThread> b(QThread::create(writer("B")));
    a->start();
    b->start();

    const QRegularExpression written("^[AB](\\d+)(\\.*)$");
    int reads = 0;
    int badPairs = 0;
    while (!(a->isFinished() && b->isFinished())) {
        int progress = 0;
        QString comment;
        p->GetPreviewStatus(progress, comment);
        ++reads;
        const bool progressOk = progress == -1 || (progress >= 0 && progress <= 100);
        bool commentOk = comment.isEmpty();
        const QRegularExpressionMatch m = written.match(comment);
        if (m.hasMatch()) {
            const int i = m.captured(1).toInt();
            commentOk = i % 2 == 1 && i < kCalls && m.captured(2).size() == i % 37;
        }
        if (!progressOk || !commentOk)
            ++badPairs;
    }
    QVERIFY(a->wait());
    QVERIFY(b->wait());
    QVERIFY(reads > 0);
    QCOMPARE(badPairs, 0);
    QCOMPARE(emitted.loadAcquire(), 2 * kCalls);
    int progress = 0;
    QString comment;
    p->GetPreviewStatus(progress, comment);
    QVERIFY(comment.startsWith(QStringLiteral("A") + QString::number(kCalls - 1))
            || comment.startsWith(QStringLiteral("B") + QString::number(kCalls - 1)));
    QCOMPARE(progress, (kCalls - 2) % 101);
}

BQ_TEST_MAIN(TestUserProfile)
#include "tst_userprofile.moc"
