// Whole runs through the processing dialog with the real uploader: photos
// are processed, handed to pyftpdlib, the fake Flickr or the mail program
// (a recording hook), and the files left on both sides are checked. Every
// server runs on 127.0.0.1.
#include "BqTestMain.h"
#include "CFlickrClient.h"
#include "CProcessController.h"
#include "CUpload.h"
#include "FilterTypes.h"
#include "MagickRuntime.h"
#include "NetTestSupport.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

using namespace NetTest;
using namespace ProcTest;

namespace
{
QStringList FilesIn(const QString& folder, const QStringList& filter = {})
{
    return QDir(folder).entryList(filter, QDir::Files | QDir::Hidden, QDir::Name);
}

// Every file below `folder`, relative to it.
QStringList TreeOf(const QString& folder)
{
    QStringList files;
    QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

// The folder of the newest run inside the temporary folder.
QString RunFolder()
{
    const QStringList runs = QDir(TempFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    return TempFolder() + '/' + (runs.isEmpty() ? QStringLiteral("no run folder") : runs.first());
}

SFilterRecord Resize400x300()
{
    // Width and height in pixels, aspect not kept, enlarging allowed.
    SFilterRecord record;
    record.id = FilterResize;
    record.name = QStringLiteral("Resize");
    record.active = true;
    for (double value : {400.0, 300.0, 0.0, 0.0, 0.0, 0.0})
        record.AddNumber(value);
    return record;
}

// The decoded attachments of a composed message, by file name.
QMap<QString, QByteArray> Attachments(const QByteArray& eml)
{
    QMap<QString, QByteArray> parts;
    const QRegularExpressionMatch boundary =
        QRegularExpression(QStringLiteral("boundary=\"([^\"]+)\"")).match(QString::fromLatin1(eml));
    if (!boundary.hasMatch())
        return parts;
    const QByteArray separator = "\r\n--" + boundary.captured(1).toLatin1();
    for (int from = eml.indexOf(separator); from >= 0;) {
        const int next = eml.indexOf(separator, from + separator.size());
        const QByteArray part = eml.mid(from, next < 0 ? -1 : next - from);
        const int body = part.indexOf("\r\n\r\n");
        const QRegularExpressionMatch name =
            QRegularExpression(QStringLiteral("filename=\"([^\"]+)\"")).match(QString::fromLatin1(part.left(body)));
        if (body >= 0 && name.hasMatch())
            parts[name.captured(1)] = QByteArray::fromBase64(part.mid(body + 4));
        from = next;
    }
    return parts;
}
} // namespace

class TestUploadRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ftpRun_data();
    void ftpRun();
    void modeThreeUploadDeletesSource_data();
    void modeThreeUploadDeletesSource();
    void mailRun_data();
    void mailRun();
    void flickrRun_data();
    void flickrRun();

private:
    // Photo i is 160 + 8 (i + first) pixels wide.
    QStringList Photos(const QStringList& names, int first = 0);
    bool StartFtp(const QString& perm = QString());
    // Runs the dialog; `make` builds the uploader the dialog asks for.
    void Run(const std::function<CUpload*()>& make);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_src;
    QString m_out;
    QString m_root;
    QProcess m_server;
    quint16 m_port = 0;
    QByteArray m_flickrBase;
    SRecorder m_recorder;
    // What the dialog showed when the uploader reported, and how often.
    int m_finishes = 0;
    bool m_openAtReport = false;
    QString m_uploaderLog;
};

void TestUploadRun::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    m_flickrBase = qgetenv("BRANDQUILL_FLICKR_BASE");
}

void TestUploadRun::init()
{
    m_tmp.reset(new QTemporaryDir);
    m_src = m_tmp->path() + "/src";
    m_out = m_tmp->path() + "/out";
    m_root = m_tmp->path() + "/server";
    for (const QString& folder : {m_src, m_out, m_root + "/up"})
        QDir().mkpath(folder);
    QDir(TempFolder()).removeRecursively();
    ResetJob(m_out);
    QFile::remove(LogPath());
    CUserProfile* p = CUserProfile::GetInstance();
    p->OutputFormat = "PNG";
    p->FTPUser = "bq";
    p->FTPPassword = EncryptString("s3cret");
    p->FTPFolder = "/up";
    CListFilters::GetInstance()->filters = {Resize400x300()};
    m_recorder = SRecorder();
    m_finishes = 0;
    m_openAtReport = false;
    m_uploaderLog.clear();
}

void TestUploadRun::cleanup()
{
    StopTool(m_server);
    m_server.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    qputenv("BRANDQUILL_FLICKR_BASE", m_flickrBase);
}

QStringList TestUploadRun::Photos(const QStringList& names, int first)
{
    QStringList paths;
    for (int i = 0; i < names.size(); ++i) {
        QDir().mkpath(QFileInfo(m_src + '/' + names[i]).path());
        paths << MakeJpeg(m_src + '/' + names[i], 160 + 8 * (i + first), 120, quint32(i + first + 1));
    }
    SetPhotos(paths);
    return paths;
}

bool TestUploadRun::StartFtp(const QString& perm)
{
#ifdef BQ_LIMITED_FS
    // The server's folder /up folds names, as a casefold folder does.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", BQ_LIMITED_FS);
    environment.insert("BQ_FOLD_FOLDER", QFileInfo(m_root + "/up").canonicalFilePath());
    m_server.setProcessEnvironment(environment);
#endif
    QString error;
    m_port = StartTool(m_server, QStringLiteral("ftp_server.py"),
                       perm.isEmpty() ? QStringList{m_root} : QStringList{m_root, perm}, &error);
    if (m_port == 0)
        qWarning().noquote() << error;
    CUserProfile::GetInstance()->FTPPort = QString::number(m_port);
    return m_port != 0;
}

void TestUploadRun::Run(const std::function<CUpload*()>& make)
{
    CProcessController* current = nullptr;
    m_recorder.uploader = [&]() -> CUploadBase* {
        CUpload* upload = make();
        connect(upload, &CUploadBase::UploadFinished, [&](int, const QString& log) {
            ++m_finishes;
            m_openAtReport = current && current->isVisible();
            m_uploaderLog = log;
        });
        return upload;
    };
    CProcessController dialog(nullptr, m_recorder.Hooks());
    current = &dialog;
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    QVERIFY(!timedOut);
}

void TestUploadRun::ftpRun_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<bool>("truncated"); // the second source is cut short
    QTest::addColumn<QStringList>("arrive");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QStringList>("notLogged");
    QTest::addColumn<QString>("perm"); // of the server's user; empty for all

    const QStringList three{"p0.png", "p1.png", "p2.png"};
    const QStringList done{"Uploading to 127.0.0.1...", "Successfuly uploaded 3 picture(s).",
                           "Deleting temporary files...", "Upload completed."};
    QTest::newRow("upload only") << false << "/up"
                                 << "s3cret" << false << false << three << done << QStringList() << QString();
    QTest::newRow("kept on disk") << true << "/up"
                                  << "s3cret" << false << false << three
                                  << QStringList{"Successfuly uploaded 3 picture(s).", "Upload completed."}
                                  << QStringList{"Deleting temporary files..."} << QString();
    QTest::newRow("empty folder is /") << false << ""
                                       << "s3cret" << false << false << three << done << QStringList() << QString();
    QTest::newRow("all sent, delete source")
        << false << "/up"
        << "s3cret" << true << false << three << done << QStringList() << QString();
    QTest::newRow("wrong password, delete source")
        << false << "/up"
        << "nope" << true << false << QStringList()
        << QStringList{"Login to 127.0.0.1 failed: Authentication failed.", "Upload failed."}
        << QStringList{"Successfuly uploaded"} << QString();
    QTest::newRow("wrong password, files kept")
        << false << "/up"
        << "nope" << false << false << QStringList() << QStringList{"Upload failed.\r\nTemporary files kept in <run>."}
        << QStringList{"Deleting temporary files..."} << QString();
    QTest::newRow("truncated source, delete source")
        << false << "/up"
        << "s3cret" << true << true << QStringList{"p0.png", "p2.png"}
        << QStringList{"Failed to load", "Successfuly uploaded 2 picture(s).", "Upload completed."}
        << QStringList{"Successfuly uploaded 3"} << QString();
    // No right to list, nor to ask for a size: the user's p1.png there is
    // replaced, so no source goes.
    QTest::newRow("user without the right to list, delete source")
        << false << "/up"
        << "s3cret" << true << false << three
        << QStringList{"Could not check the names in the folder /up", "/p1.png sent as /up/p1.png, a name the server",
                       " - Source kept <src>/p1.jpg: the server did not confirm", "Successfuly uploaded 3 picture(s)."}
        << QStringList() << "eadfmwMT";
    // A folder named p1.png on the server: one of three is not sent.
    QTest::newRow("one of three refused, delete source")
        << false << "/up"
        << "s3cret" << true << false << QStringList{"p0.png", "p2.png"}
        << QStringList{"Failed to upload p1.png", "Upload incomplete: 2 of 3 picture(s) sent."}
        << QStringList{"Upload completed."} << "eadfmwMT";
}

void TestUploadRun::ftpRun()
{
    QFETCH(bool, keep);
    QFETCH(QString, folder);
    QFETCH(QString, password);
    QFETCH(bool, deleteSource);
    QFETCH(bool, truncated);
    QFETCH(QStringList, arrive);
    QFETCH(QStringList, logged);
    QFETCH(QStringList, notLogged);
    QFETCH(QString, perm);
    QVERIFY2(StartFtp(perm), "python3-pyftpdlib is not installed");
    if (!perm.isEmpty() && arrive.contains("p1.png"))
        WriteAll(m_root + folder + "/p1.png", "mine");
    else if (!perm.isEmpty())
        QDir().mkpath(m_root + folder + "/p1.png");
    const QStringList sources = Photos({"p0.jpg", "p1.jpg", "p2.jpg"});
    if (truncated)
        WriteAll(sources[1], ReadAll(sources[1]).left(300));
    QMap<QString, QByteArray> before;
    for (const QString& source : sources)
        before[source] = ReadAll(source);
    CUserProfile* p = CUserProfile::GetInstance();
    p->SilentRun = true;
    p->Destination = 3;
    p->SaveOnDiskFTP = keep;
    p->DeleteSource = deleteSource;
    p->FTPFolder = folder;
    p->FTPPassword = EncryptString(password);
    m_recorder.ideal = 2;
    QDir().mkpath(TempFolder());
    WriteAll(TempFolder() + "/p0.png", "left by an earlier run");
    Run([] { return new CUpload(); });
    QCOMPARE(ReadAll(TempFolder() + "/p0.png"), QByteArray("left by an earlier run"));

    QCOMPARE(m_finishes, 1);
    QVERIFY(m_openAtReport); // the dialog waited for the uploader
    QVERIFY(!m_uploaderLog.contains(password));
    QCOMPARE(p->FTPFolder, folder.isEmpty() ? QString("/") : folder);
    const QString remote = m_root + (folder.isEmpty() ? QString() : folder);
    QCOMPARE(FilesIn(remote), arrive);
    for (const QString& name : arrive) {
        QCOMPARE(ImageSize(remote + '/' + name), QSize(400, 300));
        QVERIFY(ReadAll(remote + '/' + name).startsWith("\x89PNG"));
        if (keep)
            QCOMPARE(ReadAll(remote + '/' + name), ReadAll(m_out + '/' + name));
    }
    // The uploader deletes exactly what it sent; the rest stays.
    const int written = truncated ? 2 : 3;
    QCOMPARE(FilesIn(RunFolder()).size(), keep ? 0 : written - arrive.size());
    QCOMPARE(FilesIn(m_out).size(), keep ? written : 0);
    // Sources go only after every file handed over was sent, and only
    // those of files handed over.
    for (const QString& source : sources) {
        const bool gone = deleteSource && arrive.size() == written && perm.isEmpty() &&
                          arrive.contains(QFileInfo(source).completeBaseName() + ".png");
        QCOMPARE(QFileInfo::exists(source), !gone);
        if (!gone)
            QCOMPARE(ReadAll(source), before[source]);
    }
    const QString run = NewestRun();
    for (const QString& line : logged)
        QVERIFY2(run.contains(QString(line).replace("<run>", RunFolder()).replace("<src>", m_src)),
                 qPrintable(line + " not in:\n" + run));
    for (const QString& line : notLogged)
        QVERIFY2(!run.contains(line), qPrintable(line + " in:\n" + run));
}

// An upload-only run in folder mode 3 writes among the user's files, and the
// uploader deletes what it sent. An output that replaced an existing file
// (the photo's own source, another photo, an earlier output) was therefore
// lost twice: overwritten without a question, then deleted. A name "/up/x"
// is a file of the user's on the server, "2:x" a photo of a second run.
void TestUploadRun::modeThreeUploadDeletesSource_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<bool>("silentOverwrite");
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<QStringList>("arrive");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("inPlace"); // also kept on disk, in the photos' own folder

    QTest::newRow("own source, re-encoded") << QStringList{"p.jpg"} << "JPG" << true << "" << false << false
                                            << QStringList{"p (2).jpg"} << QStringList{"p.jpg"} << false;
    QTest::newRow("own source, copied") << QStringList{"p.jpg"} << "JPG" << false << "" << false << false
                                        << QStringList{"p (2).jpg"} << QStringList{"p.jpg"} << false;
    QTest::newRow("own source, monitor overwrite") << QStringList{"p.jpg"} << "JPG" << true << "" << true << false
                                                   << QStringList{"p (2).jpg"} << QStringList{"p.jpg"} << false;
    QTest::newRow("another photo's source")
        << QStringList{"a.png", "a.jpg"} << "JPG" << true << "." << false << false
        << QStringList{"a (2).jpg", "a (3).jpg"} << QStringList{"a.jpg", "a.png"} << false;
    QTest::newRow("earlier output in the subfolder")
        << QStringList{"p.jpg"} << "JPG" << true << "done" << false << false << QStringList{"p (2).jpg"}
        << QStringList{"done/p.jpg", "p.jpg"} << false;
    QTest::newRow("new name, nothing in the way")
        << QStringList{"p.jpg"} << "PNG" << true << "done" << false << false << QStringList{"p.png"}
        << QStringList{"done/p.jpg", "p.jpg"} << false;
    QTest::newRow("own source, delete source asked") << QStringList{"p.jpg"} << "JPG" << true << "" << false << true
                                                     << QStringList{"p (2).jpg"} << QStringList() << false;
    QTest::newRow("kept in place, unchanged") << QStringList{"p.jpg", "q.jpg"} << "JPG" << false << "" << false << false
                                              << QStringList{"p.jpg", "q.jpg"} << QStringList{"p.jpg", "q.jpg"} << true;
    QTest::newRow("nothing written") << QStringList{"p.jpg"} << "XYZ" << true << "" << false << false << QStringList()
                                     << QStringList{"p.jpg"} << false;
    // The server has one folder for the photos of all the source folders.
    QTest::newRow("one name in two folders, delete source")
        << QStringList{"s1/a.jpg", "s2/a.jpg", "s1/b.jpg"} << "JPG" << false << "sent" << false << true
        << QStringList{"a (2).jpg", "a.jpg", "b.jpg"} << QStringList() << false;
    // The server's names are never replaced unless the job overwrites, nor
    // are names that the server folds into one.
    QTest::newRow("second upload") << QStringList{"day1/a.jpg", "2:day2/a.jpg"} << "JPG" << false << "sent" << false
                                   << true << QStringList{"a (2).jpg", "a.jpg"} << QStringList() << false;
    QTest::newRow("file of the user's on the server")
        << QStringList{"/up/a.jpg", "a.jpg"} << "JPG" << false << "sent" << false << true
        << QStringList{"a (2).jpg", "a.jpg"} << QStringList() << false;
    QTest::newRow("file of the user's on the server, monitor overwrite")
        << QStringList{"/up/A.JPG", "a.jpg"} << "JPG" << false << "sent" << true << true << QStringList{"A.JPG"}
        << QStringList() << false;
    // Five pairs from two folders: NFC and NFD, final sigma, ligature, sharp
    // s, Kelvin sign.
    const QStringList folded{"caf\u00e9/cafe\u0301", "\u03bf\u03b4\u03bf\u03c2/\u03bf\u03b4\u03bf\u03c3",
                             "\ufb01le/file", "Stra\u00dfe/STRASSE", "\u212ax/kx"};
    QStringList pairs, arrive;
    for (const QString& pair : folded) {
        const QString first = pair.section('/', 0, 0), second = pair.section('/', 1);
        pairs << "s1/" + first + ".jpg"
              << "s2/" + second + ".jpg";
        arrive << first + ".jpg" << second + " (2).jpg";
    }
    arrive.sort();
    QTest::newRow("five pairs that a server folds")
        << pairs << "JPG" << false << "sent" << false << true << arrive << QStringList() << false;
}

void TestUploadRun::modeThreeUploadDeletesSource()
{
    QFETCH(QStringList, names);
    QFETCH(QString, format);
    QFETCH(bool, filter);
    QFETCH(QString, subfolder);
    QFETCH(bool, silentOverwrite);
    QFETCH(bool, deleteSource);
    QFETCH(QStringList, arrive);
    QFETCH(QStringList, left);
    QFETCH(bool, inPlace);
    QVERIFY2(StartFtp(), "python3-pyftpdlib is not installed");
    const QStringList held = names.filter(QRegularExpression("^/up/"));
    QStringList later = names.filter(QRegularExpression("^2:")).replaceInStrings("2:", "");
    later = Photos(later, names.size());
    const QStringList sources = Photos(
        QStringList(names).replaceInStrings(QRegularExpression("^(/up/|2:).*"), "").filter(QRegularExpression(".")));
    // A file of the user's where an earlier run left its output.
    if (subfolder == "done") {
        QDir().mkpath(m_src + "/done");
        WriteAll(m_src + "/done/p.jpg", "mine");
    }
    QMap<QString, QByteArray> before;
    for (const QString& file : TreeOf(m_src))
        before[file] = ReadAll(m_src + '/' + file);
    for (const QString& file : held) {
        WriteAll(m_root + file, "mine");
        before[file] = "mine";
    }
    CUserProfile* p = CUserProfile::GetInstance();
    p->Destination = 3;
    p->OutputFolderStruct = inPlace ? 2 : 3;
    p->SaveOnDiskFTP = inPlace;
    p->OutputFolder = subfolder;
    p->OutputFormat = format;
    p->DeleteSource = deleteSource;
    p->HideProcessing = !silentOverwrite;
    p->SilentRun = p->Overwrite = silentOverwrite;
    if (!filter)
        CListFilters::GetInstance()->filters.clear();
    Run([] { return new CUpload(); });
    if (!later.isEmpty()) {
        SetPhotos(later);
        Run([] { return new CUpload(); });
    }

    QCOMPARE(m_finishes, arrive.isEmpty() ? 0 : later.isEmpty() ? 1 : 2);
    QCOMPARE(TreeOf(m_src), left);
    for (const QString& file : left)
        QCOMPARE(ReadAll(m_src + '/' + file), before[file]);
    QCOMPARE(FilesIn(m_root + "/up"), arrive);
    // Copied as they were: each photo arrived whole, under its own name.
    if (!filter && !inPlace) {
        QStringList photos;
        for (const QString& name : arrive)
            photos << before.key(ReadAll(m_root + "/up/" + name));
        photos.sort();
        names.replaceInStrings("2:", "");
        if (silentOverwrite)
            names = names.filter(QRegularExpression("^(?!/up/)"));
        names.sort();
        QCOMPARE(photos, names);
    }
    QVERIFY(m_recorder.asked.isEmpty());
    const int sentLast = later.isEmpty() ? arrive.size() - (silentOverwrite ? 0 : held.size()) : later.size();
    const QString sent = arrive.isEmpty() ? QStringLiteral("Nothing to upload: the run produced no file to send.")
                                          : QStringLiteral("Successfuly uploaded %1 picture(s).").arg(sentLast);
    QVERIFY(NewestRun().contains(sent));
    // Every name the run made up is named in the log, on disk or on the
    // server, and every file it replaced on the server.
    QCOMPARE(NewestRun().count(": the name was taken"), arrive.filter(" (").size());
    QCOMPARE(NewestRun().count(" replaced /up/"), silentOverwrite ? held.size() : 0);
}

void TestUploadRun::mailRun_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("deleteSource");
    QTest::newRow("answered No") << true << false << false;
    QTest::newRow("answered No, delete source") << true << false << true;
    QTest::newRow("answered Yes") << true << true << false;
    QTest::newRow("no mail program, delete source") << false << false << true;
}

void TestUploadRun::mailRun()
{
    QFETCH(bool, opens);
    QFETCH(bool, answerYes);
    QFETCH(bool, deleteSource);
    const QStringList sources = Photos({"p0.jpg", "p1.jpg", "p2.jpg"});
    CUserProfile* p = CUserProfile::GetInstance();
    p->SilentRun = true;
    p->Destination = 2;
    p->DeleteSource = deleteSource;

    QList<QUrl> opened;
    QMap<QString, QByteArray> attached;
    QMap<QString, QByteArray> written;
    QStringList asked;
    QStringList warned;
    SUploadHooks hooks;
    hooks.openFile = [&](const QUrl& url, QString*) {
        opened << url;
        attached = Attachments(ReadAll(url.toLocalFile()));
        for (const QString& name : FilesIn(RunFolder(), {"*.png"}))
            written[name] = ReadAll(RunFolder() + '/' + name);
        return opens;
    };
    hooks.askYesNo = [&](const QString& title, const QString&) {
        asked << title;
        return answerYes;
    };
    hooks.warn = [&](const QString& title, const QString& text) { warned << title << text; };
    Run([&] { return new CUpload(hooks); });

    QCOMPARE(opened.size(), 1);
    const QString eml = opened.first().toLocalFile();
    QCOMPARE(QFileInfo(eml).absolutePath(), TempFolder());
    QVERIFY(QFileInfo(eml).fileName().startsWith("Brandquill-") && eml.endsWith(".eml"));
    QCOMPARE(attached.keys(), QStringList({"p0.png", "p1.png", "p2.png"}));
    QCOMPARE(attached, written);
    QCOMPARE(asked, opens ? QStringList{"Success"} : QStringList());
    QCOMPARE(warned.isEmpty(), opens);
    if (!opens)
        QVERIFY(
            warned.last().startsWith("Could not open default mail client.\nThe message and its photos are kept in " +
                                     GetMyDocuments() + "/Brandquill/Unsent e-mail/"));
    // Yes removes the message and the photos; No keeps the photos; a failure
    // moves them to the user's folder.
    QCOMPARE(FilesIn(RunFolder(), {"*.png"}).size(), answerYes || !opens ? 0 : 3);
    QCOMPARE(QFileInfo::exists(eml), opens && !answerYes);
    for (const QString& source : sources)
        QCOMPARE(QFileInfo::exists(source), !(deleteSource && opens));
}

void TestUploadRun::flickrRun_data()
{
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("against the fake") << true
                                      << QStringList{"Uploading to Flickr...", "Successfuly uploaded 3 picture(s).",
                                                     "Upload completed."};
    QTest::newRow("built without a key, delete source")
        << false
        << QStringList{"Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.",
                       "Upload failed."};
}

void TestUploadRun::flickrRun()
{
    QFETCH(bool, withKey);
    QFETCH(QStringList, logged);
    const QString store = m_tmp->path() + "/flickr";
    QDir().mkpath(store);
    if (withKey) {
        QString error;
        const quint16 port = StartTool(m_server, "fake_flickr.py", {store}, &error);
        QVERIFY2(port != 0, qPrintable(error));
        qputenv("BRANDQUILL_FLICKR_BASE", "http://127.0.0.1:" + QByteArray::number(port));
        SetRegistryString("GUI/Upload.Flickr.Token", QString());
        SetRegistryString("GUI/Upload.Flickr.TokenSecret", QString());
    }
    const QStringList sources = Photos({"p0.jpg", "p1.jpg", "p2.jpg"});
    CUserProfile* p = CUserProfile::GetInstance();
    p->SilentRun = true;
    p->Destination = 4;
    p->SaveOnDiskFlickr = withKey;
    p->DeleteSource = !withKey;
    int codesAsked = 0;
    SUploadHooks hooks;
    hooks.openBrowser = [](const QUrl&) { return true; };
    hooks.askText = [&](const QString&, const QString&, bool* ok) {
        ++codesAsked;
        *ok = true;
        return QStringLiteral("123-456-789");
    };
    Run([&] {
        auto* upload = new CUpload(hooks);
        if (withKey) {
            upload->flickrClient()->apiKey = "k";
            upload->flickrClient()->apiSecret = "s";
        }
        return upload;
    });

    QCOMPARE(m_finishes, 1);
    QVERIFY(m_openAtReport);
    const QString run = NewestRun();
    for (const QString& line : logged)
        QVERIFY2(run.contains(line), qPrintable(line + " not in:\n" + run));
    QCOMPARE(codesAsked, withKey ? 1 : 0);
    if (withKey) {
        QCOMPARE(FilesIn(store), FilesIn(m_out));
        QCOMPARE(FilesIn(store).size(), 3);
        for (const QString& name : FilesIn(store))
            QCOMPARE(ReadAll(store + '/' + name), ReadAll(m_out + '/' + name));
        const QStringList requests =
            QString::fromUtf8(m_server.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        for (const QString& line : requests)
            QVERIFY2(line.endsWith(" sig=ok nonce=new"), qPrintable(line));
    } else {
        // Nothing sent: the photos and their sources all stay.
        QVERIFY(FilesIn(store).isEmpty());
        QCOMPARE(FilesIn(RunFolder(), {"*.png"}).size(), 3);
    }
    for (const QString& source : sources)
        QVERIFY(QFileInfo::exists(source));
}

BQ_TEST_MAIN(TestUploadRun)
#include "tst_uploadrun.moc"
