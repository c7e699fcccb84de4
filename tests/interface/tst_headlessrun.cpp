// The real program runs a silent script given on its command line: no
// window, the whole batch, the run log, and an exit status a caller can
// trust; a script that cannot be loaded exits 1 having done nothing.
#include "BqTestMain.h"
#include "ProcessTestSupport.h"
#include "Quantum.h"

#include <Magick++.h>

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <functional>

namespace
{
// %1 the absolute source folder, %2 the absolute destination.
// clang-format off
const char* const kScript =
    "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n"
    "<Script Version=\"1\" Mode=\"Silent\">\n"
    "  <Images>\n"
    "    <Image Path=\"%1/a.jpg\" />\n"
    "    <Image Path=\"%1/b&amp;c.jpg\" />\n"
    "    <Search Path=\"src/sub/*.JPG\" Subfolders=\"0\" />\n"
    "  </Images>\n"
    "  <Filters>\n"
    "    <Filter Id=\"5040\">\n"
    "      <Param Type=\"float\">400</Param><Param Type=\"float\">0</Param><Param Type=\"float\">1</Param>\n"
    "      <Param Type=\"float\">1</Param><Param Type=\"float\">0</Param><Param Type=\"float\">0</Param>\n"
    "    </Filter>\n"
    "    <Filter Id=\"2030\">\n"
    "      <Param Type=\"float\">10</Param><Param Type=\"float\">10</Param><Param Type=\"float\">10</Param>\n"
    "      <Param Type=\"float\">10</Param><Param Type=\"float\">0</Param>\n"
    "      <Param Type=\"float\">4294901760</Param><Param Type=\"float\">1</Param>\n"
    "    </Filter>\n"
    "  </Filters>\n"
    "  <Properties Class=\"Rename\"><Property Name=\"PresetRename\">0</Property></Properties>\n"
    "  <Properties Class=\"Output\">\n"
    "    <Property Name=\"Destination\">1</Property>\n"
    "    <Property Name=\"OutputFolderStruct\">0</Property>\n"
    "    <Property Name=\"DestPath\">%2</Property>\n"
    "    <Property Name=\"OpenOutputFolder\">0</Property>\n"
    "    <Property Name=\"DeleteSource\">0</Property>\n"
    "  </Properties>\n"
    "  <Properties Class=\"Format\"><Property Name=\"OutputFormat\">PNG</Property></Properties>\n"
    "</Script>\n";
// clang-format on

void WriteText(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    ProcTest::WriteAll(path, text.toUtf8());
}
} // namespace

class TestHeadlessRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void silentScriptRunsTwice();
    void relativePaths_data();
    void relativePaths();
    void failedLoadsExitOne_data();
    void failedLoadsExitOne();
    void exitStatus_data();
    void exitStatus();
    void consecutiveRuns();
    void otherVersionWarnsOnStderr();
    void samples_data();
    void samples();

private:
    // Runs the program on `argument` from `folder`; returns its exit code.
    // No display, and only the platform or variables `env` sets ("A=1 B=2",
    // "A=" for empty);
    // no argument when "". `meanwhile` gets the running program's id.
    int Run(const QString& argument, const QString& folder, QByteArray* errors = nullptr,
            const QString& env = "QT_QPA_PLATFORM=offscreen", const std::function<void(qint64)>& meanwhile = {});
    // The program Run starts, in the folder of the tests; what it printed on stdout.
    QString m_program;
    QByteArray m_output;
    QString Store() const { return m_dir->path() + "/home/.config/Quorvelline/Brandquill.conf"; }
    QString Script() const
    {
        return QString::fromUtf8(kScript).arg(m_dir->path() + "/src", m_dir->path() + "/out/new");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestHeadlessRun::init()
{
    m_program = "brandquill";
    m_dir.reset(new QTemporaryDir);
    const QString root = m_dir->path();
    QVERIFY(QDir().mkpath(root + "/src/sub"));
    ProcTest::MakeJpeg(root + "/src/a.jpg", 640, 480, 1);
    ProcTest::MakeJpeg(root + "/src/b&c.jpg", 480, 640, 2);
    ProcTest::MakeJpeg(root + "/src/sub/d.jpg", 640, 480, 3);
    for (const char* sub : {"/home/.config", "/home/.local/share", "/home/.cache", "/tmp"})
        QVERIFY(QDir().mkpath(root + sub));
    QVERIFY(QDir().mkpath(root + "/runtime"));
    QFile(root + "/runtime").setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

int TestHeadlessRun::Run(const QString& argument, const QString& folder, QByteArray* errors, const QString& setting,
                         const std::function<void(qint64)>& meanwhile)
{
    const QString root = m_dir->path();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.insert("HOME", root + "/home");
    env.insert("XDG_CONFIG_HOME", root + "/home/.config");
    env.insert("XDG_DATA_HOME", root + "/home/.local/share");
    env.insert("XDG_CACHE_HOME", root + "/home/.cache");
    env.insert("XDG_RUNTIME_DIR", root + "/runtime");
    env.insert("TMPDIR", root + "/tmp");
    // Last, so that a row can change the isolation too.
    for (const QString& variable : setting.split(' ', Qt::SkipEmptyParts))
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(folder);
    program.start(QCoreApplication::applicationDirPath() + "/" + m_program,
                  argument.isEmpty() ? QStringList() : QStringList{argument});
    if (!program.waitForStarted())
        return -1;
    if (meanwhile)
        meanwhile(program.processId());
    // A guard against a hang, not a speed check.
    if (!program.waitForFinished(180000)) {
        program.kill();
        program.waitForFinished();
        qWarning().noquote() << program.readAllStandardError();
        return -2;
    }
    if (errors)
        *errors = program.readAllStandardError();
    m_output = program.readAllStandardOutput();
    if (program.exitStatus() != QProcess::NormalExit)
        return -3;
    return program.exitCode();
}

void TestHeadlessRun::silentScriptRunsTwice()
{
    const QString root = m_dir->path();
    WriteText(root + "/job.bqs", Script());
    const QString out = root + "/out/new";
    const QString log = root + "/home/Documents/Brandquill/Brandquill.log";
    const QByteArray source = ProcTest::ReadAll(root + "/src/b&c.jpg");

    QCOMPARE(Run(root + "/job.bqs", root), 0);
    const QList<QPair<QString, QSize>> outputs = {
        {"a", QSize(420, 320)}, {"b&c", QSize(420, 553)}, {"d", QSize(420, 320)}};
    QByteArray first;
    for (const auto& output : outputs) {
        const QString path = out + "/" + output.first + ".png";
        QCOMPARE(ProcTest::ImageSize(path), output.second);
        Magick::Image image;
        image.read(QFile::encodeName(path).toStdString());
        const Magick::ColorRGB corner = image.pixelColor(0, 0);
        QCOMPARE(QuantumTo8(corner.red() * QuantumMax()), 255);
        QCOMPARE(QuantumTo8(corner.green() * QuantumMax()), 0);
        const Magick::ColorRGB centre = image.pixelColor(image.columns() / 2, image.rows() / 2);
        QVERIFY(!(QuantumTo8(centre.red() * QuantumMax()) == 255 && QuantumTo8(centre.green() * QuantumMax()) == 0));
    }
    first = ProcTest::ReadAll(out + "/a.png");
    QCOMPARE(ProcTest::ReadAll(root + "/src/b&c.jpg"), source);

    const QByteArray text = ProcTest::ReadAll(log);
    QVERIFY(text.startsWith("\xEF\xBB\xBFProcess started at "));
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d, \\d\\d:\\d\\d:\\d\\d\\.\\r\\n\\r\\nProcessing 3 images with 2 "
                               "graphical filter\\(s\\) per image\\.\\r\\n")
                .match(QString::fromUtf8(text.mid(3 + 19)))
                .hasMatch());
    QCOMPARE(text.count(" - Processed "), 3);
    QVERIFY(text.contains("Process completed without errors."));
    QCOMPARE(QSettings(Store(), QSettings::IniFormat).value("Settings/LaunchCounter").toInt(), 1);

    QCOMPARE(Run(root + "/job.bqs", root), 0);
    for (const auto& output : outputs)
        QCOMPARE(ProcTest::ImageSize(out + "/" + output.first + " (2).png"), output.second);
    QCOMPARE(ProcTest::ReadAll(out + "/a.png"), first);
    QCOMPARE(ProcTest::ReadAll(log).count("Process started at "), 2);
    QSettings store(Store(), QSettings::IniFormat);
    QCOMPARE(store.value("Settings/LaunchCounter").toInt(), 2);
    // The process ended without the window's shutdown.
    QVERIFY(!store.contains("Settings/Settings.LanguageId"));
    QVERIFY(!store.contains("Settings/MainWindow.WindowGeometry"));
}

void TestHeadlessRun::relativePaths_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("folder");
    QTest::newRow("from the script's folder") << "job.bqs"
                                              << "/sub";
    QTest::newRow("backslash from its parent") << "sub\\job.bqs"
                                               << "";
}

void TestHeadlessRun::relativePaths()
{
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    const QString root = m_dir->path();
    // Relative to the script: its photo search looks in sub/src/sub.
    WriteText(root + "/sub/job.bqs", Script());
    QVERIFY(QDir().mkpath(root + "/sub/src/sub"));
    QVERIFY(QFile::copy(root + "/src/sub/d.jpg", root + "/sub/src/sub/d.jpg"));
    QCOMPARE(Run(argument, root + folder), 0);
    for (const char* name : {"a.png", "b&c.png", "d.png"})
        QVERIFY2(QFile::exists(root + "/out/new/" + name), name);
}

void TestHeadlessRun::failedLoadsExitOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no Images") << "job.bqs" << QByteArray("<Script Version=\"1\" Mode=\"Silent\"><Filters/></Script>");
    QTest::newRow("missing") << "none.bqs" << QByteArray();
    QTest::newRow("garbage") << "bad.bqs" << QByteArray("\x01\xfe<", 3);
    QTest::newRow("empty") << "empty.bqs" << QByteArray("");
}

void TestHeadlessRun::failedLoadsExitOne()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString root = m_dir->path();
    if (!content.isNull())
        ProcTest::WriteAll(root + "/" + name, content);
    QByteArray errors;
    QCOMPARE(Run(root + "/" + name, root, &errors), 1);
    // The path stands apart from the reason that follows it.
    QVERIFY2(errors.contains("Could not load script. " + QFile::encodeName(root + "/" + name) + ": The job file "),
             errors.constData());
    QVERIFY(!QFile::exists(root + "/out/new"));
    QVERIFY(!QFile::exists(root + "/home/Documents/Brandquill/Brandquill.log"));
}

// The status says whether every photo was written; what nobody could answer
// is printed once with the answer taken. Columns: the script's mode, its runs
// (0: no job file; -signal: one run of 150 photos more, sent that signal at its
// first output) and folder, and the platform or display. Mode "report" runs
// the core report instead, whose report is looked for on stdout.
void TestHeadlessRun::exitStatus_data()
{
    const QString offscreen = "QT_QPA_PLATFORM=offscreen";
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("dest");
    QTest::addColumn<QString>("env");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("errors");
    // "/src/junk" writes junk over every photo first; "/mail" hands them to
    // the mail program instead.
    QTest::newRow("all fail") << "Silent" << 1 << "/src/junk" << offscreen << 2
                              << QByteArray("brandquill: Warning: Process completed with 3 errors.");
    QTest::newRow("folder under a file") << "Silent" << 1 << "/src/a.jpg/o" << offscreen << 2
                                         << QByteArray("Could not create the output folder");
    QTest::newRow("no display, script") << "Silent" << 1 << "/o" << QString() << 0 << QByteArray();
    QTest::newRow("no display, no job") << "Silent" << 0 << "/o" << QString() << 1 << QByteArray("A display is needed");
    QTest::newRow("create: No") << "Normal" << 1 << "/o" << offscreen << 2
                                << QByteArray("create it now? [answered: No]");
    QTest::newRow("overwrite: No") << "Normal" << 2 << "/src" << offscreen << 2
                                   << QByteArray("overwrite it? [answered: No to All]");
    QTest::newRow("display gone, script") << "Silent" << 1 << "/o" << QString("DISPLAY=:97") << 0
                                          << QByteArray("brandquill: The display cannot be opened");
    QTest::newRow("display gone, no job") << "Silent" << 0 << "/o" << QString("WAYLAND_DISPLAY=wayland-9") << 1
                                          << QByteArray("The display wayland-9 could not be opened");
    // A terminal left over from a Wayland login whose compositor is gone.
    const QString wayland = "XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-9";
    QTest::newRow("Wayland session gone, script")
        << "Silent" << 1 << "/o" << wayland << 0 << QByteArray("brandquill: The display cannot be opened");
    QTest::newRow("Wayland session gone, no job")
        << "Silent" << 0 << "/o" << wayland << 1 << QByteArray("The display wayland-9 could not be opened");
    QTest::newRow("no display, core report") << "report" << 0 << "" << QString() << 0 << QByteArray("filter types:");
    QTest::newRow("stale DISPLAY, no job")
        << "Silent" << 0 << "/o" << QString("DISPLAY=:97") << 1 << QByteArray("brandquill: The display :97 could not");
    // As under cron: Qt picks a runtime folder of its own.
    QTest::newRow("no display, no runtime folder")
        << "Silent" << 1 << "/o" << QString("XDG_RUNTIME_DIR=") << 0 << QByteArray();
    QTest::newRow("display gone, no runtime folder") << "Silent" << 1 << "/o" << QString("DISPLAY=:97 XDG_RUNTIME_DIR=")
                                                     << 0 << QByteArray("brandquill: The display cannot be opened");
    QTest::newRow("SIGTERM") << "Silent" << -SIGTERM << "/o" << offscreen << 2
                             << QByteArray("brandquill: Process interrupted by the user.\n");
    QTest::newRow("no mail program") << "Silent" << 1 << "/mail" << offscreen + " PATH=/nonexistent" << 2
                                     << QByteArray("Could not open default mail client.");
    // "/mailsays": an opener that finds no mail program says why; that goes to the log.
    QTest::newRow("no mail program, the opener's lines")
        << "Silent" << 1 << "/mailsays" << QString() << 2 << QByteArray("Could not open default mail client.");
    // A relative folder is refused before anything is made; "/nosearch" misspells the Search folder,
    // "/odd" adds values the reader cannot take as written (told, and logged).
    QTest::newRow("relative folder") << "Silent" << 1 << "relout" << offscreen << 2
                                     << QByteArray("brandquill: The output folder is not a full path: relout");
    QTest::newRow("Search folder missing") << "Silent" << 1 << "/nosearch" << offscreen << 2
                                           << QByteArray("brandquill: Search 'misspelt/*.JPG': the folder '");
    QTest::newRow("unknown filter, not a number") << "Silent" << 1 << "/odd" << offscreen << 0
                                                  << QByteArray("brandquill: Filter Id 9999 is not known: left out\n"
                                                                "brandquill: Resize: Param 2 'abc' is not a number");
    // "/decimal" gives folder mode "2.0": told, and read as 2, beside the photos.
    QTest::newRow("decimal folder mode") << "Silent" << 1 << "/decimal" << offscreen << 0
                                         << QByteArray("brandquill: Property OutputFolderStruct '2.0' is not a whole "
                                                       "number in its range: read as 2");
    QTest::newRow("Search finds only undecodable names")
        << "Silent" << 1 << "/undecodable" << offscreen << 2
        << QByteArray("/src/sub/caf\\xE9.JPG' is not valid UTF-8: left untouched\n");
    // "/breaks" puts line breaks into the Search path: the log shows them as text.
    QTest::newRow("line breaks in a Search path")
        << "Silent" << 1 << "/breaks" << offscreen << 2
        << QByteArray("brandquill: Search 'gone  - Processed /x/fake.jpg  Process completed without errors./*.JPG'");
    // "/norecord": a file stands where the record of temporaries goes.
    QTest::newRow("temporaries not recorded") << "Silent" << 1 << "/norecord" << offscreen << 0
                                              << QByteArray("brandquill: Temporary files cannot be recorded in ");
}

void TestHeadlessRun::exitStatus()
{
    QFETCH(QString, mode);
    QFETCH(int, runs);
    QFETCH(QString, dest);
    QFETCH(QString, env);
    QFETCH(QByteArray, errors);
    const QString root = m_dir->path();
    if (dest.endsWith("/junk"))
        for (const char* photo : {"/src/a.jpg", "/src/b&c.jpg", "/src/sub/d.jpg"})
            WriteText(root + photo, "not a photo");
    QString script =
        QString(kScript).replace("Silent", mode).arg(root + "/src", dest.startsWith('/') ? root + dest : dest);
    if (dest.startsWith("/mail"))
        script.replace("\"Destination\">1", "\"Destination\">2");
    const QByteArray says = "xdg-open: 882: www-browser: not found";
    if (dest == "/mailsays") {
        WriteText(root + "/bin/xdg-open", "#!/bin/sh\necho '" + says + "' >&2\nexit 3\n");
        QFile::setPermissions(root + "/bin/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
        env = "PATH=" + root + "/bin:" + qgetenv("PATH");
    }
    if (dest == "/nosearch")
        script.replace("src/sub/*.JPG", "misspelt/*.JPG");
    if (dest == "/breaks")
        script.replace("src/sub/*.JPG",
                       "gone&#10; - Processed /x/fake.jpg&#10;&#10;Process completed without errors./*.JPG");
    if (dest == "/decimal")
        script.replace("OutputFolderStruct\">0", "OutputFolderStruct\">2.0");
    if (dest == "/undecodable") { // no Image, and the Search's one photo under a Latin-1 name
        script.remove(QRegularExpression("    <Image [^\n]*\n"));
        const QByteArray sub = QFile::encodeName(root + "/src/sub/");
        QCOMPARE(std::rename(sub + "d.jpg", sub + "caf\xE9.JPG"), 0);
    }
    if (dest == "/norecord")
        WriteText(root + "/home/.local/share/Brandquill/temporaries", "in the way");
    if (dest == "/odd")
        script.replace("<Filters>", "<Filters><Filter Id=\"9999\"/>")
            .replace(">400</Param><Param Type=\"float\">0<", ">400</Param><Param Type=\"float\">abc<");
    WriteText(root + "/job.bqs", script);
    std::function<void(qint64)> interrupt;
    if (runs < 0) {
        ProcTest::MakeJpeg(root + "/big.jpg", 3000, 2000);
        // Enough that the run is still going when the signal comes, on any machine.
        for (int i = 0; i < 150; ++i)
            QVERIFY(QFile::copy(root + "/big.jpg", root + QString("/src/sub/p%1.jpg").arg(i)));
        interrupt = [&](qint64 program) {
            QTRY_VERIFY_WITH_TIMEOUT(!QDir(root + dest).isEmpty(), 60000);
            ::kill(program, -runs);
        };
    }
    if (mode == "report")
        m_program = "brandquill-core-report";
    QByteArray printed;
    int status = Run(runs ? root + "/job.bqs" : QString(), root, &printed, env, interrupt);
    for (int run = 1; run < runs; ++run)
        status = Run(root + "/job.bqs", root, &printed, env);
    QTEST(status, "status");
    // Offscreen chosen by the program itself adds no notes of the platform's.
    if (!env.contains("QT_QPA_PLATFORM"))
        for (const QByteArray& line : printed.split('\n'))
            QVERIFY2(line.isEmpty() || line.startsWith("brandquill: "), printed.constData());
    // Nor does offscreen chosen by the caller.
    QVERIFY2(!printed.contains("This plugin does not support"), printed.constData());
    QVERIFY2(errors.isEmpty() ? QFile::exists(root + dest + "/d.png")
                              : (mode == "report" ? m_output : printed).count(errors) == 1,
             printed.constData());
    for (const QString& folder : {QCoreApplication::applicationDirPath(), root})
        QVERIFY(dest.isEmpty() || dest.startsWith('/') || !QFileInfo::exists(folder + "/" + dest));
    if (dest == "/odd" || dest == "/nosearch" || dest == "/norecord" || dest == "/decimal" ||
        dest == "/undecodable") {
        const QByteArray log = ProcTest::ReadAll(root + "/home/Documents/Brandquill/Brandquill.log");
        const QString outputs = root + (dest == "/decimal" ? "/src" : dest);
        QVERIFY2(log.contains(QByteArray(errors).replace("brandquill: ", "").split('\n').first()) &&
                     QFile::exists(outputs + "/a.png") == (dest != "/undecodable"),
                 log);
        // A run that leaves photos undone does not say it had no errors.
        QVERIFY2(dest != "/nosearch" || printed.contains("completed with 1 errors"), printed.constData());
    }
    if (dest == "/mailsays")
        QVERIFY(ProcTest::ReadAll(root + "/home/Documents/Brandquill/Brandquill.log").contains(says));
    if (dest == "/breaks")
        QVERIFY(ProcTest::ReadAll(root + "/home/Documents/Brandquill/Brandquill.log")
                    .contains("gone\\n - Processed /x/fake.jpg\\n\\nProcess completed without errors./*.JPG"));
}

void TestHeadlessRun::consecutiveRuns()
{
    const QString root = m_dir->path();
    QString script = Script();
    script.replace("    <Search Path=\"src/sub/*.JPG\" Subfolders=\"0\" />\n", "");
    WriteText(root + "/two.bqs", script);
    for (int run = 1; run <= 10; ++run)
        QVERIFY2(Run(root + "/two.bqs", root) == 0, qPrintable(QString::number(run)));
    QCOMPARE(QDir(root + "/out/new").entryList(QDir::Files).size(), 20);
}

// The reader's version warning cannot wait for an OK: it goes to stderr as
// one line and the run goes on.
void TestHeadlessRun::otherVersionWarnsOnStderr()
{
    const QString root = m_dir->path();
    WriteText(root + "/job.bqs", Script().replace("Version=\"1\"", "Version=\"2\""));
    QByteArray errors;
    QCOMPARE(Run(root + "/job.bqs", root, &errors), 0);
    QVERIFY2(errors.contains("brandquill: The project was created with a different program version so it may not be "
                             "correctly imported. In order"),
             errors.constData());
    QVERIFY(QFile::exists(root + "/out/new/d.png"));
}

void TestHeadlessRun::samples_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("silent") << "sample-job-silent.bqs";
    // Shown on a display; offscreen it runs hidden, as nobody could press OK.
    QTest::newRow("visible") << "sample-job.bqs";
}

void TestHeadlessRun::samples()
{
    QFETCH(QString, script);
    const QString root = m_dir->path() + "/samples";
    QVERIFY(QDir().mkpath(root + "/photos"));
    QVERIFY(QFile::copy(QStringLiteral(BQ_SAMPLES_DIR "/") + script, root + "/" + script));
    for (int i = 1; i <= 4; ++i) {
        const QString name = QString("/photos/sample-%1.jpg").arg(i);
        QVERIFY(QFile::copy(QStringLiteral(BQ_SAMPLES_DIR) + name, root + name));
    }
    QByteArray errors;
    QCOMPARE(Run(root + "/" + script, root, &errors), 0);
    for (int i = 1; i <= 4; ++i) {
        const QString path = root + QString("/photos/Sample output/sample-%1.jpg").arg(i);
        QCOMPARE(ProcTest::ImageSize(path), QSize(824, 624));
        Magick::Image image;
        image.read(QFile::encodeName(path).toStdString());
        const Magick::ColorRGB corner = image.pixelColor(0, 0);
        for (double channel : {corner.red(), corner.green(), corner.blue()})
            QVERIFY(QuantumTo8(channel * QuantumMax()) >= 245);
    }
}

BQ_TEST_MAIN(TestHeadlessRun)
#include "tst_headlessrun.moc"
