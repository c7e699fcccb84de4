// FTP upload through CUpload and CFtpClient, against pyftpdlib and against a
// scripted server inside the test (multi-line replies, PASV, stalls, slow
// reads). Everything runs on 127.0.0.1.
#include "BqTestMain.h"
#include "CFtpClient.h"
#include "CUpload.h"
#include "NetTestSupport.h"
#include "Utils.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <signal.h>
#include <sys/socket.h>
#include <utility>

using namespace NetTest;

namespace
{
const QString kLocal = QStringLiteral("127.0.0.1");

struct SFakeScript {
    bool multiLine = false;   // 3-line greeting, 3-line 230 straight after USER
    bool epsvRefused = false; // 502 to EPSV; the 227 names 10.1.2.3
    bool silentAfterGreeting = false;
    int no226ForFile = 0; // no 226 after this file's data (1-based); ABOR is answered
    int slowReadMs = 0;   // reads 64 KiB per tick
    bool stopReading = false;
    QByteArray userReply; // sent instead of the usual answer to USER
    int cutShortAt = 0;   // the data connection is dropped after this many bytes, then 226
    QByteArray nlstReply; // sent instead of the usual answer to NLST
    QByteArray sizeReply; // sent instead of 213 or 550 to SIZE
    QStringList held;     // on the server before the upload; NLST hides dot names
};

// A scripted FTP server on 127.0.0.1.
class FakeFtp : public QObject
{
public:
    explicit FakeFtp(const SFakeScript& s) : script(s)
    {
        for (const QString& name : script.held)
            files[name] = "held";
        m_control.listen(QHostAddress::LocalHost);
        m_data.listen(QHostAddress::LocalHost);
        // A small receive buffer, inherited by the data connections, so that
        // what the client sees acknowledged follows what the fake has read.
        const int bytes = 64 * 1024;
        ::setsockopt(int(m_data.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof(bytes));
        connect(&m_control, &QTcpServer::newConnection, this, &FakeFtp::OnControl);
        connect(&m_data, &QTcpServer::newConnection, this, &FakeFtp::OnData);
        connect(&m_reader, &QTimer::timeout, this, [this] {
            if (m_dat)
                m_buffer += m_dat->read(64 * 1024);
        });
    }
    quint16 port() const { return m_control.serverPort(); }

    SFakeScript script;
    QStringList commands;
    QMap<QString, QByteArray> files;

private:
    void Send(const QByteArray& text)
    {
        if (m_ctl)
            m_ctl->write(text);
    }
    void OnControl()
    {
        m_ctl = m_control.nextPendingConnection();
        connect(m_ctl, &QTcpSocket::readyRead, this, &FakeFtp::OnCommand);
        Send(script.multiLine ? "220-Fake FTP\r\n220-for the tests\r\n220 Ready.\r\n" : "220 Ready.\r\n");
    }
    void OnCommand()
    {
        while (m_ctl && m_ctl->canReadLine()) {
            const QByteArray line = m_ctl->readLine().trimmed();
            const int space = line.indexOf(' ');
            const QByteArray verb = space < 0 ? line : line.left(space);
            const QByteArray arg = space < 0 ? QByteArray() : line.mid(space + 1);
            commands << QString::fromUtf8(verb);
            if (script.silentAfterGreeting)
                continue;
            const quint16 dataPort = m_data.serverPort();
            if (verb == "USER" && !script.userReply.isEmpty())
                Send(script.userReply);
            else if (verb == "USER")
                Send(script.multiLine ? "230-Welcome\r\n230-to the fake\r\n230 Logged in.\r\n" : "331 Password.\r\n");
            else if (verb == "PASS")
                Send("230 Logged in.\r\n");
            else if (verb == "CWD")
                Send("250 Folder changed.\r\n");
            else if (verb == "NLST" && !script.nlstReply.isEmpty())
                Send(script.nlstReply);
            else if (verb == "NLST")
                List();
            else if (verb == "SIZE" && !script.sizeReply.isEmpty())
                Send(script.sizeReply);
            else if (verb == "SIZE")
                Send(files.contains(QString::fromUtf8(arg)) ? "213 4\r\n" : "550 No such file.\r\n");
            else if (verb == "TYPE")
                Send("200 Type set.\r\n");
            else if (verb == "EPSV" && script.epsvRefused)
                Send("502 EPSV not implemented.\r\n");
            else if (verb == "EPSV")
                Send("229 Extended passive mode (|||" + QByteArray::number(dataPort) + "|).\r\n");
            else if (verb == "PASV")
                Send("227 Passive mode (10,1,2,3," + QByteArray::number(dataPort / 256) + ',' +
                     QByteArray::number(dataPort % 256) + ").\r\n");
            else if (verb == "STOR") {
                m_name = QString::fromUtf8(arg);
                ++m_fileNo;
                m_storOpen = true;
                Send("150 Send the data.\r\n");
            } else if (verb == "ABOR") {
                Send(m_storOpen ? "426 Transfer aborted.\r\n226 ABOR done.\r\n" : "225 Nothing to abort.\r\n");
                m_storOpen = false;
            } else if (verb == "QUIT") {
                Send("221 Bye.\r\n");
                m_ctl->disconnectFromHost();
            } else
                Send("502 Not here.\r\n");
        }
    }
    void OnData()
    {
        m_dat = m_data.nextPendingConnection();
        m_buffer.clear();
        if (script.stopReading || script.slowReadMs > 0) {
            m_dat->setReadBufferSize(64 * 1024);
            if (script.slowReadMs > 0)
                m_reader.start(script.slowReadMs);
        } else {
            connect(m_dat, &QTcpSocket::readyRead, this, [this] {
                m_buffer += m_dat->readAll();
                if (script.cutShortAt > 0 && m_buffer.size() >= script.cutShortAt)
                    CutShort();
            });
        }
        connect(m_dat, &QTcpSocket::disconnected, this, &FakeFtp::OnDataClosed);
    }
    void List()
    {
        if (!m_dat && !m_data.waitForNewConnection(1000))
            return;
        QTcpSocket* socket = std::exchange(m_dat, nullptr);
        socket->disconnect(this);
        for (const QString& name : files.keys())
            socket->write(name.startsWith('.') ? QByteArray() : name.toUtf8() + "\r\n");
        socket->disconnectFromHost();
        Send("150 Names follow.\r\n226 Done.\r\n");
    }
    // A server that gives up on a file and still says it is complete.
    void CutShort()
    {
        files[m_name] = m_buffer;
        Send("226 Transfer complete.\r\n");
        m_storOpen = false;
        QTcpSocket* socket = m_dat;
        m_dat = nullptr;
        socket->abort();
        socket->deleteLater();
    }
    void OnDataClosed()
    {
        auto* socket = qobject_cast<QTcpSocket*>(sender());
        if (socket != m_dat)
            return;
        m_reader.stop();
        m_buffer += socket->readAll();
        files[m_name] = m_buffer;
        if (m_storOpen && m_fileNo != script.no226ForFile) {
            Send("226 Transfer complete.\r\n");
            m_storOpen = false;
        }
        m_dat = nullptr;
        socket->deleteLater();
    }

    QTcpServer m_control;
    QTcpServer m_data;
    QTcpSocket* m_ctl = nullptr;
    QTcpSocket* m_dat = nullptr;
    QTimer m_reader;
    QByteArray m_buffer;
    QString m_name;
    int m_fileNo = 0;
    bool m_storOpen = false;
};

struct SRun {
    int finishes = 0;
    int count = -1;
    QString log;
    QList<double> speeds;
    QStringList existingAtFinish;
};

// One FTP transfer with the password given in plain text; onFile(n) runs
// when the n-th ImgUploaded arrives.
SRun RunFtp(CUpload& upload, const QString& user, const QString& password, long port, const QStringList& files,
            const QString& folder, const std::function<void(int)>& onFile = {})
{
    SRun run;
    QObject context;
    QObject::connect(&upload, &CUpload::ImgUploaded, &context, [&](double speed) {
        run.speeds << speed;
        if (onFile)
            onFile(run.speeds.size());
    });
    QObject::connect(&upload, &CUpload::UploadFinished, &context, [&](int count, const QString& log) {
        ++run.finishes;
        run.count = count;
        run.log = log;
        for (const QString& path : files) {
            if (QFileInfo::exists(path))
                run.existingAtFinish << QFileInfo(path).fileName();
        }
    });
    upload.ConnectFTP(kLocal, user, EncryptString(password), port);
    upload.UploadFTP(files, folder, true);
    if (!QTest::qWaitFor([&] { return run.finishes > 0; }, 60000))
        return run;    // finishes stays 0, which the caller reports
    QTest::qWait(100); // a second UploadFinished would arrive here
    return run;
}

int SizeFor(const QString& name)
{
    if (name.startsWith(QLatin1String("big")))
        return 5 * 1024 * 1024;
    if (name.startsWith(QLatin1String("empty")))
        return 0;
    return 20 * 1024;
}
} // namespace

Q_DECLARE_METATYPE(SFakeScript)

class TestFtp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pyftpdlib_data();
    void pyftpdlib();
    void interrupted_data();
    void interrupted();
    void scripted_data();
    void scripted();
    void clientTimesOutAlone();

private:
    bool StartServer();
    QStringList MakeFiles(const QStringList& names, int size = -1);

    QProcess m_server;
    quint16 m_port = 0;
    QScopedPointer<QTemporaryDir> m_root;
    QScopedPointer<QTemporaryDir> m_local;
    QMap<QString, QByteArray> m_contents;
};

void TestFtp::init()
{
    m_root.reset(new QTemporaryDir);
    m_local.reset(new QTemporaryDir);
    m_contents.clear();
    QDir(m_root->path()).mkdir(QStringLiteral("up"));
    QVERIFY(WriteFile(m_root->path() + "/up/keep.jpg", "keep me"));
}

void TestFtp::cleanup()
{
    StopTool(m_server);
}

bool TestFtp::StartServer()
{
    QString error;
    m_port = StartTool(m_server, QStringLiteral("ftp_server.py"), {m_root->path()}, &error);
    if (m_port == 0)
        qWarning().noquote() << error;
    return m_port != 0;
}

QStringList TestFtp::MakeFiles(const QStringList& names, int size)
{
    QStringList paths;
    for (const QString& name : names) {
        const QString path = m_local->path() + '/' + name;
        m_contents[name] = RandomBytes(size >= 0 ? size : SizeFor(name));
        WriteFile(path, m_contents[name]);
        paths << path;
    }
    return paths;
}

void TestFtp::pyftpdlib_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("serverPort");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("arrive");

    const QStringList three{"big.bin", "empty.jpg", QString::fromUtf8("Été 2024 #1.jpg")};
    const QString refused = QStringLiteral("A name or account text holds a line break; it was not sent.");
    QTest::newRow("5 MiB, empty and UTF-8 name")
        << "bq"
        << "s3cret" << true << "/up" << three << QStringList() << 3 << "" << three;
    QTest::newRow("wrong password") << "bq"
                                    << "nope" << true << "/up" << QStringList{"a.jpg"} << QStringList() << 0
                                    << "Login to 127.0.0.1 failed: Authentication failed.\r\n"
                                    << QStringList();
    QTest::newRow("missing folder") << "bq"
                                    << "s3cret" << true << "/nope" << QStringList{"a.jpg"} << QStringList() << 0
                                    << "Could not open the folder /nope on the server: No such file or directory.\r\n"
                                    << QStringList();
    QTest::newRow("user with a line break") << "bq\r\nDELE keep.jpg"
                                            << "s3cret" << true << "/up" << QStringList{"a.jpg"} << QStringList() << 0
                                            << "Login to 127.0.0.1 failed: " + refused + "\r\n"
                                            << QStringList();
    QTest::newRow("port 0, as from \"abc\"") << "bq"
                                             << "s3cret" << false << "/up" << QStringList{"a.jpg"} << QStringList() << 0
                                             << "Could not connect to 127.0.0.1: Connection refused\r\n"
                                             << QStringList();
    QTest::newRow("file name with a line break")
        << "bq"
        << "s3cret" << true << "/up" << QStringList{"a.jpg", "x\r\nDELE keep.jpg", "b.jpg"} << QStringList() << 2
        << "Failed to upload x\\r\\nDELE keep.jpg: " + refused + "\r\n"
        << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("missing file dropped") << "bq"
                                          << "s3cret" << true << "/up" << QStringList{"a.jpg"}
                                          << QStringList{"gone.jpg"} << 1 << "" << QStringList{"a.jpg"};
    QTest::newRow("nothing to send") << "bq"
                                     << "s3cret" << true << "/up" << QStringList() << QStringList{"gone.jpg"} << 0 << ""
                                     << QStringList();
}

void TestFtp::pyftpdlib()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, serverPort);
    QFETCH(QString, folder);
    QFETCH(QStringList, names);
    QFETCH(QStringList, missing);
    QFETCH(int, count);
    QFETCH(QString, log);
    QFETCH(QStringList, arrive);
    QVERIFY2(StartServer(), "python3-pyftpdlib is not installed");

    QStringList files = MakeFiles(names);
    for (const QString& name : missing)
        files << m_local->path() + '/' + name;
    MessageLog messages;
    CUpload upload;
    // Ports of 65536 and above wrap.
    const SRun run = RunFtp(upload, user, password, serverPort ? 65536L + m_port : 0L, files, folder);

    QCOMPARE(run.finishes, 1);
    QCOMPARE(run.log, log);
    QCOMPARE(run.count, count);
    QCOMPARE(run.speeds.size(), count);
    if (count > 0)
        QVERIFY(run.speeds.first() > 0);
    for (const QString& name : names) {
        const bool sent = arrive.contains(name);
        QCOMPARE(run.existingAtFinish.contains(name), !sent); // only sent files are deleted, before the signal
        if (sent)
            QCOMPARE(ReadFile(m_root->path() + "/up/" + name), m_contents[name]);
    }
    QCOMPARE(ReadFile(m_root->path() + "/up/keep.jpg"), QByteArray("keep me"));
    QVERIFY(!messages.messages.join('\n').contains(QLatin1String("s3cret")));
    QVERIFY(!run.log.contains(QLatin1String("s3cret")));
}

void TestFtp::interrupted_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("log");
    QTest::newRow("server stopped before connect")
        << "stop first" << 0 << "Could not connect to 127.0.0.1: no answer within 0.3 s\r\n";
    // Every photo has its line, those never tried too.
    QTest::newRow("server stopped after file 1")
        << "stop" << 1
        << "Failed to upload b.jpg: no answer within 0.3 s\r\nc.jpg not sent: the upload ended first\r\n";
    QTest::newRow("abort after file 1") << "abort" << 1
                                        << "Upload interrupted by the user.\r\nb.jpg not sent: the upload ended "
                                           "first\r\nc.jpg not sent: the upload ended first\r\n";
}

void TestFtp::interrupted()
{
    QFETCH(QString, action);
    QFETCH(int, count);
    QFETCH(QString, log);
    QVERIFY2(StartServer(), "python3-pyftpdlib is not installed");
    // Too large for file 2 to finish before the server or the user stops it.
    const QStringList files = MakeFiles({"a.jpg", "b.jpg", "c.jpg"}, 8 * 1024 * 1024);
    CUpload upload;
    upload.connectTimeoutMs = 300;
    upload.fileTimeoutMs = 1000;
    const qint64 pid = m_server.processId();
    if (action == "stop first")
        ::kill(pid_t(pid), SIGSTOP); // the kernel still accepts the connection
    const SRun run = RunFtp(upload, "bq", "s3cret", m_port, files, "/up", [&](int n) {
        if (n == 1 && action == "stop")
            ::kill(pid_t(pid), SIGSTOP);
        if (n == 1 && action == "abort")
            upload.abortRequest = true;
    });
    QCOMPARE(run.finishes, 1);
    QCOMPARE(run.log, log);
    QCOMPARE(run.count, count);
    QCOMPARE(run.existingAtFinish,
             (count == 1 ? QStringList{"b.jpg", "c.jpg"} : QStringList{"a.jpg", "b.jpg", "c.jpg"}));
    if (count == 1)
        QCOMPARE(ReadFile(m_root->path() + "/up/a.jpg"), m_contents["a.jpg"]);
    QVERIFY(ReadFile(m_root->path() + "/up/b.jpg") != m_contents["b.jpg"]);
    QVERIFY(ReadFile(m_root->path() + "/up/c.jpg") != m_contents["c.jpg"]);
}

void TestFtp::scripted_data()
{
    QTest::addColumn<SFakeScript>("script");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("arrive");
    QTest::addColumn<QString>("command");

    SFakeScript s;
    s.multiLine = true;
    QTest::newRow("multi-line greeting and 230")
        << s << QStringList{"a.jpg"} << 1000 << 1 << "" << QStringList{"a.jpg"} << "EPSV";
    s = SFakeScript();
    s.epsvRefused = true;
    QTest::newRow("EPSV 502, PASV names 10.1.2.3")
        << s << QStringList{"a.jpg"} << 1000 << 1 << "" << QStringList{"a.jpg"} << "PASV";
    s = SFakeScript();
    s.silentAfterGreeting = true;
    QTest::newRow("silent after greeting")
        << s << QStringList{"a.jpg"} << 1000 << 0 << "Login to 127.0.0.1 failed: no answer within 0.3 s\r\n"
        << QStringList() << "USER";
    s = SFakeScript();
    s.no226ForFile = 2;
    const QString mayKeep = "; the server may keep what it received\r\n";
    QTest::newRow("no 226 after file 2, ABOR answered")
        << s << QStringList{"a.jpg", "b.jpg", "c.jpg"} << 100000 << 2
        << "Failed to upload b.jpg: no answer within 1 s" + mayKeep << QStringList{"a.jpg", "c.jpg"} << "ABOR";
    s = SFakeScript();
    s.slowReadMs = 200;
    QTest::newRow("slow reader, 2 MiB") << s << QStringList{"a.jpg"} << 2 * 1024 * 1024 << 1 << ""
                                        << QStringList{"a.jpg"} << "QUIT";
    s = SFakeScript();
    s.stopReading = true;
    QTest::newRow("reader stops") << s << QStringList{"a.jpg"} << 8 * 1024 * 1024 << 0
                                  << "Failed to upload a.jpg: no answer within 1 s" + mayKeep << QStringList()
                                  << "ABOR";
    s = SFakeScript();
    s.userReply = "230-" + QByteArray(1024 * 1024, 'x');
    QTest::newRow("reply line without end")
        << s << QStringList{"a.jpg"} << 1000 << 0 << "Login to 127.0.0.1 failed: reply too long\r\n"
        << QStringList() << "USER";
    s.userReply = ("230-" + QByteArray(96, 'x') + "\r\n").repeated(1000);
    QTest::newRow("multi-line reply without end")
        << s << QStringList{"a.jpg"} << 1000 << 0 << "Login to 127.0.0.1 failed: reply too long\r\n"
        << QStringList() << "USER";
    s = SFakeScript();
    s.cutShortAt = 64 * 1024;
    QTest::newRow("transfer cut short")
        << s << QStringList{"a.jpg"} << 8 * 1024 * 1024 << 0
        << "Failed to upload a.jpg: the transfer ended before the whole file was sent\r\n"
        << QStringList() << "QUIT";
    // An upload-only folder, and a server's word for an empty one: the
    // files go all the same, and a 550 to SIZE may be a refusal too.
    const QString unchecked =
        "Could not check the names in the folder /up on the server, so files there of the same name may be replaced: ";
    const QString notConfirmed = "<local>/%1 sent as /up/%1, a name the server did not confirm free\r\n";
    for (const QByteArray& refusal : {QByteArray("Permission denied."), QByteArray("No files found.")}) {
        s = SFakeScript();
        s.nlstReply = "550 " + refusal + "\r\n";
        QTest::newRow(qPrintable("NLST 550 " + refusal))
            << s << QStringList{"a.jpg", "b.jpg"} << 1000 << 2
            << unchecked + refusal + "\r\n" + notConfirmed.arg("a.jpg") + notConfirmed.arg("b.jpg")
            << QStringList{"a.jpg", "b.jpg"} << "STOR";
    }
    // The listing is a hint: the server is asked about each name.
    s = SFakeScript();
    s.nlstReply = "450 /up: No such file or directory\r\n";
    s.held = QStringList{"a.jpg"};
    QTest::newRow("NLST 450 refused, SIZE finds the name")
        << s << QStringList{"a.jpg", "b.jpg"} << 1000 << 2
        << unchecked + "/up: No such file or directory\r\n" +
               "<local>/a.jpg sent as /up/a (2).jpg: the name was taken\r\n"
        << QStringList{"b.jpg"} << "SIZE";
    s = SFakeScript();
    s.held = QStringList{".x.jpg"};
    QTest::newRow("dot name hidden from NLST")
        << s << QStringList{".x.jpg"} << 1000 << 1 << "<local>/.x.jpg sent as /up/.x (2).jpg: the name was taken\r\n"
        << QStringList() << "SIZE";
    s = SFakeScript();
    s.sizeReply = "502 Not here.\r\n";
    QTest::newRow("neither SIZE nor MDTM")
        << s << QStringList{"a.jpg"} << 1000 << 1 << notConfirmed.arg("a.jpg") << QStringList{"a.jpg"} << "MDTM";
}

void TestFtp::scripted()
{
    QFETCH(SFakeScript, script);
    QFETCH(QStringList, names);
    QFETCH(int, size);
    QFETCH(int, count);
    QFETCH(QString, log);
    QFETCH(QStringList, arrive);
    QFETCH(QString, command);

    FakeFtp fake(script);
    const QStringList files = MakeFiles(names, size);
    CUpload upload;
    upload.connectTimeoutMs = 300;
    upload.fileTimeoutMs = 1000;
    const SRun run = RunFtp(upload, "bq", "s3cret", fake.port(), files, "/up");
    QCOMPARE(run.finishes, 1);
    QCOMPARE(run.log, QString(log).replace("<local>", m_local->path()));
    QCOMPARE(run.count, count);
    QVERIFY2(fake.commands.contains(command), qPrintable(fake.commands.join(' ')));
    // The folder is listed once for all its files.
    QCOMPARE(fake.commands.count("NLST"), fake.commands.count("CWD"));
    if (script.multiLine)
        QVERIFY(!fake.commands.contains("PASS"));
    // A file whose 226 never came may be whole on the server; the client
    // cannot know, and counts it failed.
    for (const QString& name : arrive)
        QCOMPARE(fake.files.value(name), m_contents[name]);
    if (script.stopReading)
        QVERIFY(fake.files.value(names.first()) != m_contents[names.first()]);
}

void TestFtp::clientTimesOutAlone()
{
    SFakeScript script;
    script.silentAfterGreeting = true;
    FakeFtp fake(script);
    CFtpClient client;
    client.setTimeouts(300, 1000);
    QList<QPair<int, bool>> finished;
    connect(&client, &CFtpClient::commandFinished, this, [&](int id, bool error) { finished.append({id, error}); });
    client.connectToHost(kLocal, fake.port());
    const int login = client.login("bq", "s3cret");
    QVERIFY(QTest::qWaitFor([&] { return finished.size() == 2; }, 5000));
    QCOMPARE(finished.last(), qMakePair(login, true));
    QCOMPARE(client.errorString(), QString("no answer within 0.3 s"));
}

BQ_TEST_MAIN(TestFtp)
#include "tst_ftp.moc"
