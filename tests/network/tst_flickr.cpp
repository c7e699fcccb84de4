// OAuth 1.0a signing, and Flickr authorisation and upload through CUpload
// against tests/tools/fake_flickr.py, which checks every signature itself.
#include "BqTestMain.h"
#include "CFlickrClient.h"
#include "COAuth1.h"
#include "CUpload.h"
#include "NetTestSupport.h"
#include "Utils.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace NetTest;

class TestFlickr : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void encode_data();
    void encode();
    void wellKnownSignature();
    void baseUrl_data();
    void baseUrl();
    void flow_data();
    void flow();
    void withoutKey();

private:
    QProcess m_server;
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestFlickr::init()
{
    m_dir.reset(new QTemporaryDir);
    SetRegistryString("GUI/Upload.Flickr.Token", QString());
    SetRegistryString("GUI/Upload.Flickr.TokenSecret", QString());
}

void TestFlickr::cleanup()
{
    StopTool(m_server);
}

void TestFlickr::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("blank") << "a b" << QByteArray("a%20b");
    QTest::newRow("tilde and unreserved") << "~-._Az9" << QByteArray("~-._Az9");
    QTest::newRow("e acute") << QString::fromUtf8("é") << QByteArray("%C3%A9");
    QTest::newRow("reserved") << "a+b&c=d/e%" << QByteArray("a%2Bb%26c%3Dd%2Fe%25");
}

void TestFlickr::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    QCOMPARE(COAuth1::Encode(text), encoded);
}

void TestFlickr::wellKnownSignature()
{
    COAuth1 signer;
    signer.consumerKey = "dpf43f3p2l4k3l03";
    signer.consumerSecret = "kd94hf93k423kf44";
    signer.token = "nnch734d00sl2jdk";
    signer.tokenSecret = "pfkkdhi9sl3r4s00";
    const QByteArray header =
        signer.AuthorizationHeader("GET", QUrl("http://photos.example.net/photos?file=vacation.jpg&size=original"), {},
                                   {}, "kllo9940pd9333jh", 1191242096);
    QVERIFY2(header.contains("oauth_signature=\"tR3%2BTy81lMeYAr%2FFid0kMTYa%2FWM%3D\""), header.constData());
    // Every request without a given nonce gets a fresh one.
    const QUrl url("http://127.0.0.1/x");
    QVERIFY(signer.AuthorizationHeader("GET", url) != signer.AuthorizationHeader("GET", url));
}

void TestFlickr::baseUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("base");
    QTest::newRow("non-default port kept")
        << "http://127.0.0.1:8080/services/rest/?a=1" << QByteArray("http://127.0.0.1:8080/services/rest/");
    QTest::newRow("default port dropped, case folded")
        << "HTTP://Example.COM:80/Photos" << QByteArray("http://example.com/Photos");
    QTest::newRow("https default port") << "https://up.flickr.com:443/services/upload/"
                                        << QByteArray("https://up.flickr.com/services/upload/");
}

void TestFlickr::baseUrl()
{
    QFETCH(QString, url);
    QFETCH(QByteArray, base);
    QCOMPARE(COAuth1::BaseUrl(QUrl(url)), base);
}

void TestFlickr::flow_data()
{
    QTest::addColumn<QStringList>("fakeArgs");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("photos");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("tokenAfter");

    QTest::newRow("browser flow") << QStringList() << ""
                                  << "123-456-789" << 2 << true << 2 << ""
                                  << "AT";
    QTest::newRow("stored token accepted") << QStringList() << "AT"
                                           << "" << 2 << false << 2 << ""
                                           << "AT";
    QTest::newRow("stored token refused, stat fail") << QStringList() << "OLD"
                                                     << "123-456-789" << 2 << true << 2 << ""
                                                     << "AT";
    QTest::newRow("stored token refused, HTTP 401") << QStringList{"--refuse-login"} << "AT"
                                                    << "123-456-789" << 2 << true << 2 << ""
                                                    << "AT";
    QTest::newRow("prompt cancelled") << QStringList() << ""
                                      << "" << 2 << true << 0 << "Flickr authorisation was cancelled.\r\n"
                                      << "";
    QTest::newRow("wrong code") << QStringList() << ""
                                << "000" << 1 << true << 0 << "Flickr authorisation failed: token_rejected\r\n"
                                << "";
    QTest::newRow("one photo of three refused")
        << QStringList{"--fail-upload", "2"} << "AT"
        << "" << 3 << false << 2 << "Failed to upload p2.jpg to Flickr: Filetype was not recognised\r\n"
        << "AT";
    QTest::newRow("stalled upload") << QStringList{"--stall-upload"} << "AT"
                                    << "" << 1 << false << 0
                                    << "Failed to upload p1.jpg to Flickr: no answer within 1 s\r\n"
                                    << "AT";
}

void TestFlickr::flow()
{
    QFETCH(QStringList, fakeArgs);
    QFETCH(QString, stored);
    QFETCH(QString, code);
    QFETCH(int, photos);
    QFETCH(bool, asked);
    QFETCH(int, count);
    QFETCH(QString, log);
    QFETCH(QString, tokenAfter);

    const QString store = m_dir->path() + "/store";
    QDir().mkpath(store);
    QString error;
    const quint16 port = StartTool(m_server, "fake_flickr.py", QStringList{store} + fakeArgs, &error);
    QVERIFY2(port != 0, qPrintable(error));
    const QString base = "http://127.0.0.1:" + QString::number(port);
    qputenv("BRANDQUILL_FLICKR_BASE", base.toUtf8());
    if (!stored.isEmpty()) {
        SetRegistryString("GUI/Upload.Flickr.Token", stored);
        SetRegistryString("GUI/Upload.Flickr.TokenSecret", EncryptString(stored + "S"));
    }
    QStringList files;
    QMap<QString, QByteArray> contents;
    for (int i = 1; i <= photos; ++i) {
        const QString name = QString("p%1.jpg").arg(i);
        contents[name] = RandomBytes(30000 + i);
        files << m_dir->path() + '/' + name;
        WriteFile(files.last(), contents[name]);
    }

    QList<QUrl> browsed;
    QStringList prompts;
    SUploadHooks hooks;
    hooks.openBrowser = [&](const QUrl& url) {
        browsed << url;
        return true;
    };
    hooks.askText = [&](const QString& title, const QString& label, bool* ok) {
        prompts << title << label;
        *ok = !code.isEmpty();
        return code;
    };
    CUpload upload(hooks);
    upload.fileTimeoutMs = 1000;
    upload.flickrClient()->apiKey = "k";
    upload.flickrClient()->apiSecret = "s";
    QSignalSpy uploaded(&upload, &CUpload::ImgUploaded);
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFlickr(files, true);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(1).toString(), log);
    QCOMPARE(finished.first().at(0).toInt(), count);
    QCOMPARE(uploaded.count(), count);

    if (asked) {
        QCOMPARE(browsed, QList<QUrl>{QUrl(base + "/services/oauth/authorize?oauth_token=RT&perms=write")});
        QCOMPARE(prompts, QStringList({"Flickr", "Allow Brandquill to upload to your Flickr account in the browser "
                                                 "window that has opened, then type the code that Flickr shows:"}));
    } else {
        QVERIFY(browsed.isEmpty() && prompts.isEmpty());
    }
    QCOMPARE(GetRegistryString("GUI/Upload.Flickr.Token", "-"), tokenAfter);
    QCOMPARE(GetRegistryString("GUI/Upload.Flickr.TokenSecret", "-"),
             tokenAfter.isEmpty() ? QString() : EncryptString(tokenAfter + "S"));

    for (int i = 1; i <= photos; ++i) {
        const QString name = QString("p%1.jpg").arg(i);
        const bool sent = QFileInfo::exists(store + '/' + name);
        if (sent)
            QCOMPARE(ReadFile(store + '/' + name), contents[name]);
        QCOMPARE(QFileInfo::exists(m_dir->path() + '/' + name), !sent); // only sent photos are deleted
    }
    const QStringList requests = QString::fromUtf8(m_server.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!requests.isEmpty());
    for (const QString& line : requests)
        QVERIFY2(line.endsWith(" sig=ok nonce=new"), qPrintable(line));
}

void TestFlickr::withoutKey()
{
    // The test build has no key compiled in.
    const QString photo = m_dir->path() + "/p.jpg";
    WriteFile(photo, "jpeg");
    SUploadHooks hooks;
    int contacts = 0;
    hooks.openBrowser = [&](const QUrl&) { return ++contacts > 0; };
    hooks.askText = [&](const QString&, const QString&, bool* ok) {
        ++contacts;
        *ok = false;
        return QString();
    };
    CUpload upload(hooks);
    QVERIFY(upload.flickrClient()->apiKey.isEmpty());
    QSignalSpy finished(&upload, &CUpload::UploadFinished);
    upload.UploadFlickr({photo}, true);
    QCOMPARE(finished.count(), 0); // posted, never inside the call
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), 0);
    QCOMPARE(
        finished.first().at(1).toString(),
        QString("Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.\r\n"));
    QCOMPARE(contacts, 0);
    QVERIFY(QFileInfo::exists(photo));
}

BQ_TEST_MAIN(TestFlickr)
#include "tst_flickr.moc"
