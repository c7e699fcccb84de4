// A script written by hand drives a whole batch: it is read into the job, the
// processing dialog runs it on real worker threads and closes by itself, and
// the photos it writes, the sources and the processing log are checked.
#include "BqTestMain.h"
#include "CProcessController.h"
#include "CScripts.h"
#include "JobTestSupport.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MagickRuntime.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

using namespace ProcTest;

namespace
{
QStringList g_scriptWarnings;

// As a user would write it: two photos by absolute path (%1 is the absolute
// source folder), one more found by a search relative to the script, and the
// destination %2, which does not exist yet.
// clang-format off
const char* const kSilentScript =
    "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n"
    "<Script Version=\"1\" Mode=\"Silent\">\n"
    "  <Images>\n"
    "    <Image Path=\"%1/a.jpg\" />\n"
    "    <Image Path=\"%1/b&amp;c.jpg\" />\n"
    "    <Search Path=\"src/sub/*.JPG\" Subfolders=\"0\" />\n"
    "  </Images>\n"
    "  <Filters>\n"
    "    <Filter Id=\"5040\">\n"
    "      <Param Type=\"float\">400</Param>\n"
    "      <Param Type=\"float\">0</Param>\n"
    "      <Param Type=\"float\">1</Param>\n"
    "      <Param Type=\"float\">1</Param>\n"
    "      <Param Type=\"float\">0</Param>\n"
    "      <Param Type=\"float\">0</Param>\n"
    "    </Filter>\n"
    "    <Filter Id=\"5070\" Active=\"0\">\n"
    "      <Param Type=\"float\">90</Param>\n"
    "      <Param Type=\"float\">0</Param>\n"
    "    </Filter>\n"
    "  </Filters>\n"
    "  <Properties Class=\"Rename\">\n"
    "    <Property Name=\"PresetRename\">0</Property>\n"
    "  </Properties>\n"
    "  <Properties Class=\"Output\">\n"
    "    <Property Name=\"Destination\">1</Property>\n"
    "    <Property Name=\"OutputFolderStruct\">0</Property>\n"
    "    <Property Name=\"DestPath\">%2</Property>\n"
    "    <Property Name=\"OpenOutputFolder\">0</Property>\n"
    "    <Property Name=\"DeleteSource\">0</Property>\n"
    "  </Properties>\n"
    "  <Properties Class=\"Format\">\n"
    "    <Property Name=\"OutputFormat\">PNG</Property>\n"
    "  </Properties>\n"
    "</Script>\n";
// clang-format on

// The silent script with hand edits; an edit that no longer matches fails
// loudly instead of leaving the row testing the unedited script.
QString Edited(const QList<QPair<QString, QString>>& edits)
{
    QString text = QString::fromUtf8(kSilentScript);
    for (const auto& edit : edits) {
        if (!text.contains(edit.first))
            qFatal("edit does not match: %s", qPrintable(edit.first));
        text.replace(edit.first, edit.second);
    }
    return text;
}

QStringList Sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return Sorted(files);
}

bool IsPng(const QString& path)
{
    return ReadAll(path).startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8));
}

// What the main window does with a script given on its command line, less
// its panels: the step-2 panel's refresh hands the preset to the naming
// engine, the run is marked as started by script, and the run checks create
// the missing output folder without asking before the dialog runs. A job
// without photos is not run at all. Kept so that the controller is tested
// without a window; tst_runchecks checks the same steps on the real window.
void RunLikeCommandLine(const SProcessHooks& hooks, bool* ran, bool* timedOut)
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FilterFilename.preset = profile->PresetRename;
    profile->RunFromScript = true;
    *ran = false;
    *timedOut = false;
    if (CListImages::GetInstance()->images.isEmpty())
        return;
    if (!QDir(profile->DestPath).exists())
        QDir().mkpath(profile->DestPath);
    *ran = true;
    CProcessController dialog(nullptr, hooks);
    ExecWithWatchdog(dialog, timedOut);
}
} // namespace

class TestJobRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scriptDrivesBatch_data();
    void scriptDrivesBatch();
    void exampleScript();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestJobRun::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    CScripts::ShowWarning = [](const QString& text) { g_scriptWarnings << text; };
}

void TestJobRun::init()
{
    JobTest::ResetSingletons();
    g_scriptWarnings.clear();
    QFile::remove(BqTest::TempHome() + "/Documents/Brandquill/Brandquill.log");
    m_dir.reset(new QTemporaryDir());
    QVERIFY(m_dir->isValid());
}

void TestJobRun::scriptDrivesBatch_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("damaged"); // a source replaced by junk bytes
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("firstRun");
    QTest::addColumn<QStringList>("secondRun");

    const QString header = "Processing %1 images with %2 graphical filter(s) per image.";
    const QStringList three = {"a.png", "b&c.png", "d.png"};

    // A silent run never asks about an existing file: it takes the next free name.
    QTest::newRow("silent script") << QString::fromUtf8(kSilentScript) << "" << true << header.arg(3).arg(1) << 0
                                   << QSize(400, 300) << three
                                   << QStringList{"a (2).png", "b&c (2).png", "d (2).png"} + three;
    // Not silent but hidden: the dialog still closes by itself, and with
    // notifications off the second run overwrites without a question. The
    // recursive search finds a and b&c again; each is added once.
    QTest::newRow("hidden, notifications off, rotate active")
        << Edited({{" Mode=\"Silent\">", ">\n  <Properties Class=\"Script\">\n"
                                         "    <Property Name=\"DisableNotifications\">1</Property>\n"
                                         "    <Property Name=\"HideProcessing\">1</Property>\n"
                                         "  </Properties>"},
                   {"<Filter Id=\"5070\" Active=\"0\">", "<Filter Id=\"5070\">"},
                   {"src/sub/*.JPG\" Subfolders=\"0\"", "src/*.JPG\" Subfolders=\"1\""}})
        << "" << true << header.arg(3).arg(2) << 0 << QSize(300, 400) << three << three;
    // Photos that cannot be read are errors of the run, not of the script:
    // the others are written and the dialog still closes by itself. An
    // unknown filter and a stray parameter type are skipped.
    QTest::newRow("damaged and missing photos")
        << Edited({{"b&amp;c.jpg\" />", "b&amp;c.jpg\" />\n    <Image Path=\"%1/gone.jpg\" />"},
                   {"<Param Type=\"float\">400</Param>",
                    "<Param Type=\"double\">7</Param><Param Type=\"float\">400</Param>"},
                   {"<Filters>", "<Filters>\n    <Filter Id=\"2005\"><Param Type=\"float\">1</Param></Filter>"}})
        << "b&c.jpg" << true << header.arg(4).arg(1) << 2 << QSize(400, 300) << QStringList{"a.png", "d.png"}
        << QStringList{"a (2).png", "a.png", "d (2).png", "d.png"};
    // Refused as a whole: the silent mode of its root must not stick, and
    // the empty job is not run.
    const QString full = QString::fromUtf8(kSilentScript);
    QTest::newRow("truncated script") << full.left(full.indexOf("<Filters>") + 20) << "" << false << QString() << 0
                                      << QSize() << QStringList() << QStringList();
}

void TestJobRun::scriptDrivesBatch()
{
    QFETCH(QString, script);
    QFETCH(QString, damaged);
    QFETCH(bool, loads);
    QFETCH(QString, header);
    QFETCH(int, errors);
    QFETCH(QSize, size);
    QFETCH(QStringList, firstRun);
    QFETCH(QStringList, secondRun);

    const QString root = m_dir->path();
    const QString src = root + "/src";
    const QString out = root + "/out";
    QVERIFY(QDir().mkpath(src + "/sub"));
    MakeJpeg(src + "/a.jpg", 640, 480, 1);
    MakeJpeg(src + "/b&c.jpg", 640, 480, 2);
    MakeJpeg(src + "/sub/d.jpg", 640, 480, 3);
    if (!damaged.isEmpty())
        WriteAll(src + "/" + damaged, QByteArray(700, '\x5a'));
    QMap<QString, QByteArray> sources;
    for (const QString& name : FilesBelow(src))
        sources[name] = ReadAll(src + "/" + name);
    const QString scriptPath = root + "/job.bqs";
    WriteAll(scriptPath, QString(script).replace("%1", src).replace("%2", out).toUtf8());

    QStringList asked;
    SProcessHooks hooks;
    hooks.askOverwrite = [&asked](QWidget*, QString& path, int) {
        asked << "overwrite " + path;
        return int(AnswerNo);
    };
    hooks.askYesNo = [&asked](QWidget*, const QString& text) {
        asked << text;
        return false;
    };
    hooks.warn = [&asked](QWidget*, const QString& text) { asked << text; };

    const QString logPath = BqTest::TempHome() + "/Documents/Brandquill/Brandquill.log";
    for (int run = 1; run <= 2; ++run) {
        CScripts job(scriptPath);
        QCOMPARE(job.Load(), loads);
        QCOMPARE(CUserProfile::GetInstance()->SilentRun, loads && script.contains("Mode=\"Silent\""));
        bool ran = false;
        bool timedOut = false;
        RunLikeCommandLine(hooks, &ran, &timedOut);
        QVERIFY2(!timedOut, "the dialog did not close by itself");
        QCOMPARE(ran, loads);

        const QStringList expected = run == 1 ? firstRun : secondRun;
        QCOMPARE(FilesBelow(out), Sorted(expected));
        for (const QString& name : expected) {
            QVERIFY2(IsPng(out + "/" + name), qPrintable(name));
            QCOMPARE(ImageSize(out + "/" + name), size);
        }
        for (auto it = sources.cbegin(); it != sources.cend(); ++it)
            QVERIFY2(ReadAll(src + "/" + it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(asked, QStringList());
        QCOMPARE(g_scriptWarnings, QStringList());

        if (!loads) {
            QVERIFY(CListImages::GetInstance()->images.isEmpty());
            QVERIFY(!QFile::exists(logPath));
            continue;
        }
        // Newest run first, each beginning with its start line.
        const QByteArray log = ReadAll(logPath);
        const QByteArray start = QByteArray("\xEF\xBB\xBF") + "Process started at ";
        QVERIFY2(log.startsWith(start), log.left(40).constData());
        const QString text = QString::fromUtf8(log.mid(3));
        QCOMPARE(text.count("Process started at "), run);
        const QString newest = text.left(text.indexOf("----------"));
        QVERIFY2(newest.contains(header + "\r\n"), qPrintable(newest));
        const QString summary = errors == 0 ? QString("Process completed without errors.")
                                            : QString("Warning: Process completed with %1 errors.").arg(errors);
        QVERIFY2(newest.contains(summary), qPrintable(newest));
    }
}

// The example script of the README stays loadable and means what it says.
void TestJobRun::exampleScript()
{
    const QString root = m_dir->path();
    QVERIFY(QFile::copy(QStringLiteral(BQ_JOBS_DATA) + "/example-run.bqs", root + "/example-run.bqs"));
    QVERIFY(QDir().mkpath(root + "/photos/2024"));
    WriteAll(root + "/photos/beach.jpg", QByteArray());
    WriteAll(root + "/photos/2024/dunes.JPG", QByteArray());
    WriteAll(root + "/photos/notes.txt", QByteArray());

    CScripts job(root + "/example-run.bqs");
    QVERIFY(job.Load());
    QCOMPARE(g_scriptWarnings, QStringList());
    const CUserProfile* profile = CUserProfile::GetInstance();
    QVERIFY(profile->SilentRun);
    QStringList photos;
    for (const SImageRecord& photo : CListImages::GetInstance()->images)
        photos << photo.path;
    QCOMPARE(photos, QStringList({"/home/me/Pictures/Beach & Sea.jpg", root + "/photos/beach.jpg",
                                  root + "/photos/2024/dunes.JPG"}));
    const QList<SFilterRecord>& filters = CListFilters::GetInstance()->filters;
    QCOMPARE(filters.size(), 2);
    QCOMPARE(filters.at(0).id, quint32(5040));
    QVERIFY(filters.at(0).active);
    QCOMPARE(filters.at(0).numbers[0], 400.0);
    QCOMPARE(filters.at(1).id, quint32(5070));
    QVERIFY(!filters.at(1).active);
    QCOMPARE(profile->PresetRename, 0);
    QCOMPARE(profile->Destination, 1);
    QCOMPARE(profile->DestPath, QString("/home/me/Pictures/Web"));
    QCOMPARE(profile->OutputFormat, QString("PNG"));
}

BQ_TEST_MAIN(TestJobRun)
#include "tst_jobrun.moc"
