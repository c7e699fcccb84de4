// The composed mail message (CEmail) and the hand-off to the mail program
// (CUpload::AddAttachments) with its boxes answered through SUploadHooks.
#include "BqTestMain.h"
#include "CEmail.h"
#include "CUpload.h"
#include "NetTestSupport.h"
#include "Utils.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

using namespace NetTest;

namespace
{
struct SPart {
    QMap<QByteArray, QByteArray> headers;
    QList<QByteArray> body; // lines without "\r\n"
};

// Splits a multipart/mixed message by its boundary, independently of CEmail.
QList<SPart> SplitMessage(const QByteArray& message, const QByteArray& boundary, SPart* top)
{
    QList<SPart> parts;
    const QList<QByteArray> lines = message.split('\n');
    SPart* current = top;
    bool inHeaders = true;
    for (int i = 0; i + 1 < lines.size(); ++i) { // the last piece follows the final "\r\n"
        const QByteArray line = lines.at(i).chopped(1);
        if (line == "--" + boundary || line == "--" + boundary + "--") {
            parts.append(SPart());
            current = &parts.last();
            inHeaders = true;
            continue;
        }
        if (inHeaders && line.isEmpty()) {
            inHeaders = false;
            continue;
        }
        if (inHeaders) {
            const int colon = line.indexOf(':');
            current->headers.insert(line.left(colon), line.mid(colon + 2));
        } else {
            current->body.append(line);
        }
    }
    if (!parts.isEmpty())
        parts.removeLast(); // after the closing delimiter
    return parts;
}
} // namespace

class TestMail : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void compose_data();
    void compose();
    void handOff_data();
    void handOff();

private:
    QString MakeFile(const QString& name, int size);
    QScopedPointer<QTemporaryDir> m_dir;
    QMap<QString, QByteArray> m_contents;
};

void TestMail::init()
{
    m_dir.reset(new QTemporaryDir);
    m_contents.clear();
}

QString TestMail::MakeFile(const QString& name, int size)
{
    const QString path = m_dir->path() + '/' + name;
    m_contents[name] = RandomBytes(size);
    WriteFile(path, m_contents[name]);
    return path;
}

void TestMail::compose_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("attached");
    QTest::addColumn<QStringList>("filenames");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("ASCII and UTF-8 names")
        << QStringList{"a.jpg", QString::fromUtf8("Été 2024.jpg")}
        << QStringList{"a.jpg", QString::fromUtf8("Été 2024.jpg")}
        << QStringList{"filename=\"a.jpg\"", "filename*=UTF-8''%C3%89t%C3%A9%202024.jpg"}
        << QStringList{"image/jpeg; name=\"a.jpg\"", "image/jpeg; name*=UTF-8''%C3%89t%C3%A9%202024.jpg"};
    QTest::newRow("quote, percent, unknown type")
        << QStringList{"say \"hi\".png", "100%.xyzq"} << QStringList{"say \"hi\".png", "100%.xyzq"}
        << QStringList{"filename*=UTF-8''say%20%22hi%22.png", "filename*=UTF-8''100%25.xyzq"}
        << QStringList{"image/png; name*=UTF-8''say%20%22hi%22.png",
                       "application/octet-stream; name*=UTF-8''100%25.xyzq"};
    QTest::newRow("line break refused") << QStringList{"ok.jpg", "bad\r\nX-Evil: 1.jpg"} << QStringList{"ok.jpg"}
                                        << QStringList{"filename=\"ok.jpg\""}
                                        << QStringList{"image/jpeg; name=\"ok.jpg\""};
}

void TestMail::compose()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, attached);
    QFETCH(QStringList, filenames);
    QFETCH(QStringList, types);

    CEmail mail;
    int size = 4000; // several 76-column lines and a short last one
    for (const QString& name : names)
        QCOMPARE(mail.AddAttachment(MakeFile(name, size += 1001)), attached.contains(name));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QVERIFY(mail.Write(&out));
    const QByteArray message = out.data();

    QVERIFY(message.endsWith("\r\n"));
    QCOMPARE(message.count('\n'), message.count("\r\n"));
    QVERIFY(!message.contains("X-Evil"));
    const QByteArray boundary = mail.Boundary();
    QVERIFY(QRegularExpression("^=_Brandquill_[0-9a-f]{32}$").match(QString::fromLatin1(boundary)).hasMatch());

    SPart top;
    const QList<SPart> parts = SplitMessage(message, boundary, &top);
    QCOMPARE(top.headers.value("MIME-Version"), QByteArray("1.0"));
    QCOMPARE(top.headers.value("X-Unsent"), QByteArray("1"));
    QVERIFY(top.headers.contains("Subject"));
    QCOMPARE(top.headers.value("Content-Type"), "multipart/mixed; boundary=\"" + boundary + '"');
    QCOMPARE(parts.size(), attached.size() + 1);
    QCOMPARE(parts.first().headers.value("Content-Type"), QByteArray("text/plain; charset=UTF-8"));

    for (int i = 0; i < attached.size(); ++i) {
        const SPart& part = parts.at(i + 1);
        QCOMPARE(QString::fromLatin1(part.headers.value("Content-Type")), types.at(i));
        QCOMPARE(part.headers.value("Content-Transfer-Encoding"), QByteArray("base64"));
        QCOMPARE(QString::fromLatin1(part.headers.value("Content-Disposition")), "attachment; " + filenames.at(i));
        for (int l = 0; l + 1 < part.body.size(); ++l)
            QCOMPARE(part.body.at(l).size(), 76);
        QVERIFY(!part.body.isEmpty() && part.body.last().size() <= 76);
        QCOMPARE(QByteArray::fromBase64(part.body.join()), m_contents[attached.at(i)]);
    }
}

void TestMail::handOff_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("linkedTemp");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("exitStatus"); // of a stand-in xdg-open; -1: the hook answers `opens`
    QTest::addColumn<QString>("other");  // a file from another folder, named as one of the two

    QTest::newRow("mail program started, Yes") << true << true << false << true << -1 << QString();
    QTest::newRow("mail program started, No") << true << false << false << true << -1 << QString();
    QTest::newRow("no mail program") << false << false << false << false << -1 << QString();
    // Refused as it stands: the message goes to a folder of the user's own.
    QTest::newRow("BrandquillTemp is a symbolic link") << true << true << true << true << -1 << QString();
    QTest::newRow("xdg-open exits 0") << true << false << false << true << 0 << QString();
    QTest::newRow("xdg-open exits 4") << false << true << false << false << 4 << QString();
    // What it prints goes into the log with the failure.
    QTest::newRow("xdg-open finds no browser, exits 3") << false << false << false << false << 3 << QString();
    QTest::newRow("no mail program, one name twice") << false << false << false << false << -1 << "a.jpg";
    // One name where the user's documents fold names (NFD and upper case).
    QTest::newRow("no mail program, one name folded")
        << false << false << false << false << -1 << QString::fromUtf8("E\u0301TE\u0301.png");
}

void TestMail::handOff()
{
    QFETCH(bool, opens);
    QFETCH(bool, answerYes);
    QFETCH(bool, linkedTemp);
    QFETCH(bool, result);
    QFETCH(int, exitStatus);
    QFETCH(QString, other);
    const QString renamedAs = QFileInfo(other).completeBaseName() + " (2)." + QFileInfo(other).suffix();

    const QString temp = QDir::tempPath() + "/BrandquillTemp";
    QVERIFY(temp.startsWith(BqTest::TempHome())); // TMPDIR points into the test's home
    if (QFileInfo(temp).isSymLink())
        QFile::remove(temp);
    else
        QDir(temp).removeRecursively();
    QTemporaryDir elsewhere;
    if (linkedTemp)
        QVERIFY(QFile::link(elsewhere.path(), temp));

    QStringList files{MakeFile("a.jpg", 3000), MakeFile(QString::fromUtf8("Été.png"), 2000)};
    // Kept and attached as "a (2).jpg", as the run names it on disk.
    if (!other.isEmpty() && QDir(m_dir->path()).mkdir("s2"))
        files << MakeFile("s2/" + other, 1000);
    QList<QUrl> opened;
    QByteArray handed;
    QStringList questions;
    QStringList warnings;
    SUploadHooks hooks;
    hooks.openFile = [&](const QUrl& url, QString*) {
        opened << url;
        handed = ReadFile(url.toLocalFile());
        return opens;
    };
    hooks.askYesNo = [&](const QString& title, const QString& text) {
        questions << title << text;
        return answerYes;
    };
    hooks.warn = [&](const QString& title, const QString& text) { warnings << title << text; };
    const QByteArray path = qgetenv("PATH");
    if (exitStatus >= 0) {
        hooks.openFile = SUploadHooks().openFile; // the real hand-off
        const QByteArray says = exitStatus == 3 ? "echo 'xdg-open: 882: www-browser: not found' >&2\n" : "";
        WriteFile(m_dir->path() + "/xdg-open", "#!/bin/sh\n" + says + "exit " + QByteArray::number(exitStatus) + "\n");
        QFile::setPermissions(m_dir->path() + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_dir->path()) + ":" + path);
    }
    CUpload upload(hooks);
    QCOMPARE(upload.AddAttachments(files, true), result);
    qputenv("PATH", path);

    QCOMPARE(opened.size(), exitStatus < 0 ? 1 : 0);
    QVERIFY(QDir(elsewhere.path()).isEmpty()); // nothing written through the link
    if (!opened.isEmpty()) {
        const QString eml = opened.first().toLocalFile();
        QVERIFY(opened.first().isLocalFile());
        QCOMPARE(QFileInfo(eml).absolutePath(), linkedTemp ? temp + "-" + QString::number(::geteuid()) : temp);
        QVERIFY(QFileInfo(eml).fileName().startsWith("Brandquill-") && eml.endsWith(".eml"));
        QVERIFY(handed.contains("filename=\"a.jpg\"") && handed.contains("filename*=UTF-8''%C3%89t%C3%A9.png"));
        QCOMPARE(handed.contains("filename=\"a (2).jpg\""), other == "a.jpg");
        QCOMPARE(int(QFile::permissions(QFileInfo(eml).absolutePath()) & 0x0077), 0); // group and others: nothing
        QCOMPARE(QFileInfo::exists(eml), opens && !answerYes);
    }
    if (result) {
        QCOMPARE(questions,
                 QStringList({"Success", "Files attached successfuly. We advise deleting the temporary files that "
                                         "Brandquill may have created in the process (be sure to do that only after "
                                         "you have finished sending your e-mail). Delete temporary files now?"}));
        QVERIFY(warnings.isEmpty());
        QCOMPARE(upload.mailLog, QString("The message with 2 photo(s) was handed to the mail program."));
    } else {
        QVERIFY(questions.isEmpty());
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(warnings.first(), QString("Error"));
        // The message and the photos go together to a folder of the user's own.
        const QString said = "Could not open default mail client.\nThe message and its photos are kept in ";
        QVERIFY(warnings.last().startsWith(said + GetMyDocuments() + "/Brandquill/Unsent e-mail/"));
        const QString kept = warnings.last().mid(said.size()).chopped(1);
        const QString renamed = "\r\n" + files.last() + " attached as " + renamedAs + ": the name was taken";
        const QString opener = exitStatus == 3 ? "\r\nxdg-open: 882: www-browser: not found" : QString();
        QCOMPARE(upload.mailLog,
                 QString(warnings.last()).replace('\n', ' ') + opener + (other.isEmpty() ? QString() : renamed));
        QCOMPARE(QDir(kept).entryList({"*.eml"}).size(), 1);
        for (const QString& name : m_contents.keys())
            QCOMPARE(ReadFile(kept + "/" + QString(name).replace("s2/" + other, renamedAs)), m_contents[name]);
    }
    for (const QString& path : files)
        QCOMPARE(QFileInfo::exists(path), result && !answerYes);
}

BQ_TEST_MAIN(TestMail)
#include "tst_mail.moc"
