// The update check against an HTTP stub on 127.0.0.1, with today fixed at
// 2026-03-10, and the tip dialog it shows first.
#include "BqTestMain.h"
#include "BrandquillVersion.h"
#include "CCheckNew.h"
#include "CDialogTip.h"
#include "NetTestSupport.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace NetTest;

namespace
{
const QString kLastCheck = QStringLiteral("Settings/CheckNew.LastCheck");
const QString kTipText = QStringLiteral("Brandquill will now look for a newer version on the Internet. You can change "
                                        "how often it checks, or turn the check off, in Settings.");

QByteArray Feed(const QByteArray& version, const QByteArray& url = "https://www.brandquill.example/get")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VersionInfo><Version>" + version + "</Version><DownloadUrl>" +
           url + "</DownloadUrl></VersionInfo>\n";
}

// Answers every GET with one scripted response, or never (stall).
class HttpStub : public QObject
{
public:
    HttpStub()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    m_requests[socket] += socket->readAll();
                    if (!m_requests[socket].endsWith("\r\n\r\n"))
                        return;
                    ++requests;
                    if (stall)
                        return;
                    socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: text/xml\r\n" +
                                  "Content-Length: " + QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QByteArray url() const { return "http://127.0.0.1:" + QByteArray::number(m_server.serverPort()) + "/feed.xml"; }

    int status = 200;
    QByteArray body;
    bool stall = false;
    int requests = 0;

private:
    QTcpServer m_server;
    QMap<QTcpSocket*, QByteArray> m_requests;
};

// A checker wired to a stub, recording what it hands to its hooks.
struct SChecker {
    CCheckNew check;
    QStringList tips; // key, text, requests seen at that moment
    QStringList warned;
    QList<QUrl> opened;

    explicit SChecker(HttpStub& stub, bool automatic)
    {
        qputenv("BRANDQUILL_UPDATE_URL", stub.url());
        check.automatic = automatic;
        check.transferTimeoutMs = 500;
        check.hooks.today = [] { return QDate(2026, 3, 10); };
        check.hooks.showTip = [this, &stub](QWidget*, const QString& key, const QString& text) {
            tips << key << text << QString::number(stub.requests);
        };
        check.hooks.warn = [this](const QString& text) { warned << text; };
        check.hooks.openUrl = [this](const QUrl& url) {
            opened << url;
            return true;
        };
    }
    // Starts the check and waits for its end; false when it never started.
    bool Run()
    {
        QSignalSpy done(&check, &CCheckNew::CheckFinished);
        check.show();
        if (tips.isEmpty())
            return false; // the tip comes right before every request
        return done.count() > 0 || done.wait(10000);
    }
    QString Text() const { return check.findChild<QLabel*>("textMessage")->text(); }
};

void SetProfile(bool autoCheck, int interval)
{
    CUserProfile::GetInstance()->CheckNewAutoCheck = autoCheck;
    CUserProfile::GetInstance()->CheckNewInterval = interval;
}
} // namespace

class TestCheckNew : public QObject
{
    Q_OBJECT
private slots:
    void compareVersions_data();
    void compareVersions();
    void due_data();
    void due();
    void outcome_data();
    void outcome();
    void failure_data();
    void failure();
    void download_data();
    void download();
    void silencedDefaultTip();
    void tipDialog_data();
    void tipDialog();
};

void TestCheckNew::compareVersions_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::addColumn<bool>("valid");
    QTest::newRow("numbers, not text") << "1.10"
                                       << "1.9" << 1 << true;
    QTest::newRow("older") << "1.9"
                           << "1.10" << -1 << true;
    QTest::newRow("missing part is 0") << "2.1"
                                       << "2.1.0" << 0 << true;
    QTest::newRow("extra part") << "2.1.0.1"
                                << "2.1" << 1 << true;
    QTest::newRow("empty") << ""
                           << "1" << 0 << false;
    QTest::newRow("letter") << "2.x"
                            << "2.1" << 0 << false;
    QTest::newRow("prefix") << "v2.1"
                            << "2.1" << 0 << false;
    QTest::newRow("12 digits") << "2.100000000000"
                               << "2.1" << 0 << false;
    QTest::newRow("empty part") << "2..1"
                                << "2.1" << 0 << false;
}

void TestCheckNew::compareVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QFETCH(bool, valid);
    bool ok = !valid;
    QCOMPARE(CCheckNew::CompareVersions(a, b, &ok), order);
    QCOMPARE(ok, valid);
}

void TestCheckNew::due_data()
{
    QTest::addColumn<bool>("autoCheck");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("sent");
    QTest::newRow("automatic check off") << false << 0 << "2026-01-01" << false;
    QTest::newRow("daily, checked today") << true << 0 << "2026-03-10" << false;
    QTest::newRow("daily, checked yesterday") << true << 0 << "2026-03-09" << true;
    QTest::newRow("weekly, 6 days ago") << true << 1 << "2026-03-04" << false;
    QTest::newRow("weekly, 7 days ago") << true << 1 << "2026-03-03" << true;
    QTest::newRow("two weeks, 13 days ago") << true << 2 << "2026-02-25" << false;
    QTest::newRow("two weeks, 14 days ago") << true << 2 << "2026-02-24" << true;
    QTest::newRow("monthly, a month ago") << true << 3 << "2026-02-10" << true;
    QTest::newRow("monthly, a day short") << true << 3 << "2026-02-11" << false;
    QTest::newRow("unknown interval is weekly") << true << 9 << "2026-03-04" << false;
    QTest::newRow("never checked") << true << 1 << "" << true;
    QTest::newRow("unreadable date") << true << 1 << "10.03.2026" << true;
    QTest::newRow("date in the future") << true << 1 << "2026-04-01" << true;
}

void TestCheckNew::due()
{
    QFETCH(bool, autoCheck);
    QFETCH(int, interval);
    QFETCH(QString, last);
    QFETCH(bool, sent);
    HttpStub stub;
    stub.body = Feed(BRANDQUILL_VERSION);
    SetProfile(autoCheck, interval);
    SetRegistryString(kLastCheck, last);
    SChecker checker(stub, true);
    QCOMPARE(checker.Run(), sent);
    QCOMPARE(stub.requests, sent ? 1 : 0);
    QCOMPARE(checker.tips.size(), sent ? 3 : 0);
    QCOMPARE(GetRegistryString(kLastCheck, "-"), sent ? QString("2026-03-10") : last);
    QVERIFY(!checker.check.isVisible()); // the installed version is the latest
}

void TestCheckNew::outcome_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("download");

    const QString newer =
        QString("A new version of Brandquill is available: 99.0.1.\nYou are using version %1.").arg(BRANDQUILL_VERSION);
    const QString latest = QString("You are using the latest version of Brandquill (%1).").arg(BRANDQUILL_VERSION);
    QTest::newRow("newer, automatic") << true << QByteArray("99.0.1") << newer << true;
    QTest::newRow("newer, from the menu") << false << QByteArray("99.0.1") << newer << true;
    QTest::newRow("equal, automatic") << true << QByteArray(BRANDQUILL_VERSION) << "" << false;
    QTest::newRow("equal with more parts, from the menu")
        << false << QByteArray(BRANDQUILL_VERSION ".0") << latest << false;
    QTest::newRow("older, from the menu") << false << QByteArray("0.9") << latest << false;
}

void TestCheckNew::outcome()
{
    QFETCH(bool, automatic);
    QFETCH(QByteArray, version);
    QFETCH(QString, text);
    QFETCH(bool, download);
    HttpStub stub;
    stub.body = Feed(version);
    SetProfile(true, 1);
    SetRegistryString(kLastCheck, QString());
    SChecker checker(stub, automatic);
    QVERIFY(checker.Run());
    QCOMPARE(checker.tips, QStringList({"CheckNew.ShowTip", kTipText, "0"})); // before the request
    QCOMPARE(checker.check.isVisible(), !text.isEmpty());
    if (!text.isEmpty()) {
        QCOMPARE(checker.Text(), text);
        QCOMPARE(checker.check.findChild<QPushButton*>("buttonDownload")->isVisible(), download);
        QCOMPARE(checker.check.windowTitle(), QString("Check for New Version"));
    }
    QCOMPARE(GetRegistryString(kLastCheck, "-"), QString("2026-03-10"));
    QVERIFY(checker.warned.isEmpty());
}

void TestCheckNew::failure_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("stall");

    const QByteArray dtd = "<?xml version=\"1.0\"?><!DOCTYPE VersionInfo [<!ENTITY v \"9.0\">]>"
                           "<VersionInfo><Version>&v;</Version></VersionInfo>";
    for (const bool automatic : {true, false}) {
        const char* mode = automatic ? "automatic" : "menu";
        QTest::addRow("HTTP 500, %s", mode) << automatic << 500 << Feed("99.0") << false;
        QTest::addRow("stalled, %s", mode) << automatic << 200 << QByteArray() << true;
        QTest::addRow("70 KiB, %s", mode) << automatic << 200 << Feed("99.0" + QByteArray(70 * 1024, ' ')) << false;
        QTest::addRow("malformed, %s", mode)
            << automatic << 200 << QByteArray("<VersionInfo><Version>99.0</Vers") << false;
        QTest::addRow("DTD with an entity, %s", mode) << automatic << 200 << dtd << false;
        QTest::addRow("version not numbers, %s", mode) << automatic << 200 << Feed("v99") << false;
        QTest::addRow("no version, %s", mode) << automatic << 200 << QByteArray("<VersionInfo/>") << false;
    }
}

void TestCheckNew::failure()
{
    QFETCH(bool, automatic);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, stall);
    HttpStub stub;
    stub.status = status;
    stub.body = body;
    stub.stall = stall;
    SetProfile(true, 1);
    SetRegistryString(kLastCheck, "2026-01-01");
    MessageLog messages;
    SChecker checker(stub, automatic);
    QVERIFY(checker.Run());

    QStringList failures;
    for (const QString& m : qAsConst(messages.messages)) {
        if (m.startsWith("Update check failed: "))
            failures << m;
    }
    QCOMPARE(failures.size(), automatic ? 1 : 0);
    QCOMPARE(checker.warned,
             automatic ? QStringList() : QStringList{"Could not check for a new version. Please try again later."});
    QVERIFY(!checker.check.isVisible());
    QCOMPARE(GetRegistryString(kLastCheck, "-"), QString("2026-01-01"));
}

void TestCheckNew::download_data()
{
    QTest::addColumn<QByteArray>("url");
    QTest::addColumn<bool>("opens");
    QTest::newRow("https") << QByteArray("https://www.brandquill.example/get") << true;
    QTest::newRow("http") << QByteArray("http://www.brandquill.example/get") << true;
    QTest::newRow("local file") << QByteArray("file:///etc/passwd") << false;
    QTest::newRow("other scheme") << QByteArray("javascript:alert(1)") << false;
}

void TestCheckNew::download()
{
    QFETCH(QByteArray, url);
    QFETCH(bool, opens);
    HttpStub stub;
    stub.body = Feed("99.0", url);
    SChecker checker(stub, false);
    QVERIFY(checker.Run());
    QVERIFY(checker.check.isVisible());
    checker.check.findChild<QPushButton*>("buttonDownload")->click();
    QCOMPARE(checker.opened, opens ? QList<QUrl>{QUrl(QString::fromUtf8(url))} : QList<QUrl>());
    QVERIFY(!checker.check.isVisible());
}

void TestCheckNew::silencedDefaultTip()
{
    HttpStub stub;
    stub.body = Feed(BRANDQUILL_VERSION);
    SetRegistryInt("GUI/CheckNew.ShowTip", 0);
    CCheckNew check;
    qputenv("BRANDQUILL_UPDATE_URL", stub.url());
    check.automatic = false;
    check.hooks.today = [] { return QDate(2026, 3, 10); };
    bool modalSeen = false;
    QTimer watch; // would close a tip that showed, so that the test ends
    connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modalSeen = true;
            modal->close();
        }
    });
    watch.start(20);
    QSignalSpy done(&check, &CCheckNew::CheckFinished);
    check.show();
    QVERIFY(done.wait(10000));
    QCOMPARE(stub.requests, 1);
    QVERIFY(!modalSeen);
    QVERIFY(check.isVisible()); // the "latest" result of a check from the menu
}

void TestCheckNew::tipDialog_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("clicks"); // on the check box, then how it closes
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("after");
    QTest::newRow("new key shows, OK") << -1 << "ok" << 0 << 1;
    QTest::newRow("ticked, Escape") << 1 << "tick escape" << 0 << 0;
    QTest::newRow("ticked and unticked") << 1 << "tick tick ok" << 0 << 1;
    QTest::newRow("silenced") << 0 << "" << 1 << 0;
    QTest::newRow("any other value shows") << 7 << "tick ok" << 0 << 0;
}

void TestCheckNew::tipDialog()
{
    QFETCH(int, setting);
    QFETCH(QString, clicks);
    QFETCH(int, result);
    QFETCH(int, after);
    const QString key = QString("Test.Tip%1").arg(QTest::currentDataTag()).remove(' ');
    if (setting >= 0)
        SetRegistryInt("GUI/" + key, setting);
    CDialogTip tip;
    tip.tipKey = key;
    tip.tipText = "Some <b>tip</b>";
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDialogTip*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = true;
        QCOMPARE(dialog->findChild<QLabel*>("textTip")->text(), tip.tipText);
        for (const QString& step : clicks.split(' ', Qt::SkipEmptyParts)) {
            if (step == "tick")
                dialog->findChild<QCheckBox*>("checkShow")->click();
            else if (step == "ok")
                dialog->findChild<QPushButton*>("buttonOk")->click();
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    QCOMPARE(tip.exec(), result);
    QCOMPARE(shown, !clicks.isEmpty());
    QCOMPARE(GetRegistryInt("GUI/" + key, 1), after);
}

BQ_TEST_MAIN(TestCheckNew)
#include "tst_checknew.moc"
