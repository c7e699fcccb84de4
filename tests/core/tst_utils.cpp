// Shared helpers: settings store, folders, help links, log-line shortening,
// XML escaping, Base64 and the stored-password form, the tip balloon,
// window centring, flat tool buttons, sorting and folder removal.
#include "BqTestMain.h"
#include "StderrCapture.h"
#include "Utils.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QUrl>

#include <memory>
#include <unistd.h>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

// Receives the URLs that QDesktopServices hands to the https handler.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
} // namespace

class TestUtils : public QObject
{
    Q_OBJECT
private slots:
    void settingsStringRoundTrip_data();
    void settingsStringRoundTrip();
    void settingsIntRoundTrip_data();
    void settingsIntRoundTrip();
    void settingsByteArrayRoundTrip_data();
    void settingsByteArrayRoundTrip();
    void settingsMissingKeyGivesDefault();
    void settingsLandInNamedStore();
    void settingsFromFourThreads();
    void settingsInGivenFile();
    void userFolders();
    void downloadSource_data();
    void downloadSource();
    void helpPageAddress_data();
    void helpPageAddress();
    void truncate_data();
    void truncate();
    void xmlEscape_data();
    void xmlEscape();
    void xmlUnescape_data();
    void xmlUnescape();
    void xmlRoundTrip_data();
    void xmlRoundTrip();
    void base64Encode_data();
    void base64Encode();
    void base64Decode_data();
    void base64Decode();
    void base64RoundTripAllLengths();
    void passwordForm_data();
    void passwordForm();
    void balloonSteps_data();
    void balloonSteps();
    void flatToolButton();
    void centerChild_data();
    void centerChild();
    void centerChildOnArea_data();
    void centerChildOnArea();
    void sortPredicate_data();
    void sortPredicate();
    void traceHookIsSilent();
    void removeDirTree();
    void removeDirKeepsLinkTargets();
    void removeDirReportsFailure();
    void dirSizeSkipsLinks();
};

// ---- settings store -------------------------------------------------------

void TestUtils::settingsStringRoundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "GUI/Step3.OutputPath" << "/home/u/Out";
    QTest::newRow("non-ascii") << "GUI/Name" << QString::fromUtf8("Fötö 日本 \xF0\x9F\x98\x80");
    QTest::newRow("empty") << "GUI/Empty" << "";
    QTest::newRow("ini-special") << "GUI/Special" << "a=b;c,d\n[x]\\y \"q\" %1";
    QTest::newRow("nested-group") << "Settings/CheckNew.Interval" << "7";
}

void TestUtils::settingsStringRoundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    SetRegistryString(key, value);
    QCOMPARE(GetRegistryString(key, "default"), value);
}

void TestUtils::settingsIntRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-17" << -17;
    QTest::newRow("max") << "2147483647" << 2147483647;
    QTest::newRow("text abc") << "abc" << 0;
    QTest::newRow("text 12abc") << "12abc" << 0;
}

void TestUtils::settingsIntRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    // Written as an integer where it is one, else as text: a text that is no
    // number must read as 0, not as the default.
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    const QString key = "GUI/Int." + QString(QTest::currentDataTag());
    if (isNumber)
        SetRegistryInt(key, number);
    else
        SetRegistryString(key, stored);
    QCOMPARE(GetRegistryInt(key, 99), expected);
}

void TestUtils::settingsByteArrayRoundTrip_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("zero bytes") << QByteArray("\x00\x01\x00\xff\x00", 5);
    QTest::newRow("line breaks") << QByteArray("a\r\nb\n=;,");
    QTest::newRow("looks like a marker") << QByteArray("@ByteArray(x)");
    QTest::newRow("empty") << QByteArray();
}

void TestUtils::settingsByteArrayRoundTrip()
{
    QFETCH(QByteArray, value);
    const QString key = "GUI/Bytes." + QString(QTest::currentDataTag()).replace(' ', '_');
    SetRegistryByteArray(key, value);
    QCOMPARE(GetRegistryByteArray(key, QByteArray("default")), value);
}

void TestUtils::settingsMissingKeyGivesDefault()
{
    QCOMPARE(GetRegistryString("GUI/Missing", "fallback"), QString("fallback"));
    QCOMPARE(GetRegistryInt("GUI/Missing", 42), 42);
    QCOMPARE(GetRegistryByteArray("GUI/Missing", QByteArray("\x00z", 2)), QByteArray("\x00z", 2));
}

void TestUtils::settingsLandInNamedStore()
{
    SetRegistryInt("Settings/Settings.ThemeId", 1);
    const QString expected = BqTest::TempHome() + "/.config/Quorvelline/Brandquill.conf";
    QFile file(expected);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(expected));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[Settings]"));
    QVERIFY(text.contains("Settings.ThemeId=1"));
}

void TestUtils::settingsFromFourThreads()
{
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([t] {
            for (int i = 0; i < 200; ++i)
                SetRegistryInt(QString("Threads/T%1.K%2").arg(t).arg(i), t * 1000 + i);
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        QVERIFY(thread->wait(120000));
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < 200; ++i)
            QCOMPARE(GetRegistryInt(QString("Threads/T%1.K%2").arg(t).arg(i), -1), t * 1000 + i);
    QSettings store("Quorvelline", "Brandquill");
    store.beginGroup("Threads");
    QCOMPARE(store.childKeys().size(), 800);
}

void TestUtils::settingsInGivenFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("other.conf");
    QVERIFY(!RegistryValueExists(file, "G/k"));
    QCOMPARE(GetRegistryValue(file, "G/k", "d"), QString("d"));
    SetRegistryValue(file, "G/k", "v");
    QVERIFY(QFile::exists(file));
    QVERIFY(RegistryValueExists(file, "G/k"));
    QCOMPARE(GetRegistryValue(file, "G/k", "d"), QString("v"));
    QCOMPARE(GetRegistryString("G/k", "absent"), QString("absent"));
    DeleteRegistryValue(file, "G/k");
    QVERIFY(!RegistryValueExists(file, "G/k"));
}

// ---- folders, download source, help ---------------------------------------

void TestUtils::userFolders()
{
    QCOMPARE(GetMyDocuments(), BqTest::TempHome() + "/Documents");
    QCOMPARE(GetMyPictures(), BqTest::TempHome() + "/Pictures");
}

void TestUtils::downloadSource_data()
{
    QTest::addColumn<bool>("store");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no key") << false << "" << "";
    QTest::newRow("abc") << true << "abc" << "s=abc&";
    QTest::newRow("stored empty") << true << "" << "";
}

void TestUtils::downloadSource()
{
    QFETCH(bool, store);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QSettings("Quorvelline", "Brandquill").remove("Settings/DownloadSourceName");
    if (store)
        SetRegistryString("Settings/DownloadSourceName", value);
    QCOMPARE(GetDownloadSourceName(), expected);
}

void TestUtils::helpPageAddress_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("caught"); // else a stand-in xdg-open on PATH fails
    QTest::newRow("png") << "formats_png.htm"
                         << "https://help.brandquill.example/help/index.html?formats_png.htm" << true;
    QTest::newRow("dashes") << "filters_transform_auto-rotate.htm"
                            << "https://help.brandquill.example/help/index.html?filters_transform_auto-rotate.htm"
                            << true;
    QTest::newRow("nothing opens it") << "formats_png.htm"
                                      << "https://help.brandquill.example/help/index.html?formats_png.htm" << false;
}

void TestUtils::helpPageAddress()
{
    QFETCH(QString, topic);
    QFETCH(QString, address);
    QFETCH(bool, caught);
    UrlCatcher catcher;
    QTemporaryDir bin;
    WriteFile(bin.path() + "/xdg-open", "#!/bin/sh\nexit 4\n");
    QFile::setPermissions(bin.path() + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
    if (caught)
        QDesktopServices::setUrlHandler("https", &catcher, "open");
    BqTest::StderrCapture capture;
    OpenHelpFile(topic);
    const QByteArray said = capture.Take();
    QDesktopServices::unsetUrlHandler("https");
    qputenv("PATH", path);
    QCOMPARE(catcher.urls, caught ? QList<QUrl>{QUrl(address)} : QList<QUrl>());
    // Without a display the failure is a line on stderr naming the page.
    QCOMPARE(said.contains("brandquill: Nothing could open " + address.toUtf8() + ". Please open it yourself.\n"),
             !caught);
}

// ---- texts -----------------------------------------------------------------

void TestUtils::truncate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("quoted");
    QTest::addColumn<QString>("expected");
    const QString name40 = "0123456789abcdefghijklmnopqrstuvwxyz.jpg";
    const QString name32 = name40.right(32);
    QTest::newRow("40 quoted") << name40 << 32 << true << "\"..." + name32 + "\"";
    QTest::newRow("40 plain") << name40 << 32 << false << "..." + name32;
    QTest::newRow("32 quoted") << name32 << 32 << true << "\"" + name32 + "\"";
    QTest::newRow("32 plain") << name32 << 32 << false << name32;
    QTest::newRow("empty quoted") << "" << 32 << true << "\"\"";
    QTest::newRow("percent kept") << "%s%1%%" << 64 << false << "%s%1%%";
    // A character outside the BMP counts as two units.
    QTest::newRow("utf16 units") << QString::fromUtf8("ab\xF0\x9F\x98\x80") << 3 << false
                                 << QString::fromUtf8("...b\xF0\x9F\x98\x80");
}

void TestUtils::truncate()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(bool, quoted);
    QFETCH(QString, expected);
    QCOMPARE(TruncateString(text, length, quoted), expected);
}

void TestUtils::xmlEscape_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("xml");
    QTest::newRow("all five") << "a&b<c>\"d'" << "a&amp;b&lt;c&gt;&quot;d&apos;";
    QTest::newRow("entity text") << "&amp;" << "&amp;amp;";
    QTest::newRow("nothing") << "plain text" << "plain text";
    QTest::newRow("empty") << "" << "";
}

void TestUtils::xmlEscape()
{
    QFETCH(QString, plain);
    QFETCH(QString, xml);
    QCOMPARE(PlainTextToXML(plain), xml);
}

void TestUtils::xmlUnescape_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("plain");
    QTest::newRow("all five") << "a&amp;b&lt;c&gt;&quot;d&apos;" << "a&b<c>\"d'";
    QTest::newRow("escaped entity") << "&amp;lt;" << "&lt;";
    QTest::newRow("upper case") << "&LT;&Amp;" << "&LT;&Amp;";
    QTest::newRow("no semicolon") << "&lt &amp" << "&lt &amp";
    QTest::newRow("unknown") << "&nbsp;&#60;" << "&nbsp;&#60;";
}

void TestUtils::xmlUnescape()
{
    QFETCH(QString, xml);
    QFETCH(QString, plain);
    QCOMPARE(XMLToPlainText(xml), plain);
}

void TestUtils::xmlRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lt entity") << "&lt;";
    QTest::newRow("amp quot") << "&amp;quot;";
    QTest::newRow("all five") << "a&b<c>\"d'";
    QTest::newRow("runs") << "&&;;<<>>''\"\"";
    QTest::newRow("non-ascii") << QString::fromUtf8("Ünï <ß> & ü");
}

void TestUtils::xmlRoundTrip()
{
    QFETCH(QString, text);
    QCOMPARE(XMLToPlainText(PlainTextToXML(text)), text);
}

// ---- Base64 and passwords -------------------------------------------------

void TestUtils::base64Encode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("three") << QByteArray("abc") << QByteArray("YWJj");
    QTest::newRow("two") << QByteArray("ab") << QByteArray("YWI=");
    QTest::newRow("one") << QByteArray("a") << QByteArray("YQ==");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("high and zero") << QByteArray("\x00\x01\x02\xff", 4) << QByteArray("AAEC/w==");
    QTest::newRow("62 and 63") << QByteArray("\xfb\xff\xbf", 3) << QByteArray("+/+/");
}

void TestUtils::base64Encode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, encoded);
    const std::string out =
        Base64Encode(reinterpret_cast<const unsigned char*>(bytes.constData()), quint32(bytes.size()));
    QCOMPARE(QByteArray::fromStdString(out), encoded);
    QCOMPARE(QByteArray::fromStdString(Base64Decode(out)), bytes);
}

void TestUtils::base64Decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("line break stops") << QByteArray("YWJj\nZGVm") << QByteArray("abc");
    QTest::newRow("pad stops") << QByteArray("YQ==ZZZZ") << QByteArray("a");
    QTest::newRow("lone final char") << QByteArray("YWJjZ") << QByteArray("abc");
    QTest::newRow("two chars") << QByteArray("YW") << QByteArray("a");
    QTest::newRow("three chars") << QByteArray("YWI") << QByteArray("ab");
    QTest::newRow("single char") << QByteArray("Y") << QByteArray();
    QTest::newRow("leading space") << QByteArray(" YWJj") << QByteArray();
    QTest::newRow("url-safe alphabet") << QByteArray("YW-_") << QByteArray("a");
    QTest::newRow("foreign mid") << QByteArray("YWJj*ZGVm") << QByteArray("abc");
    QTest::newRow("non-ascii") << QByteArray("YWJj\xc3\xa4ZGVm") << QByteArray("abc");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestUtils::base64Decode()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(Base64Decode(text.toStdString())), bytes);
}

void TestUtils::base64RoundTripAllLengths()
{
    // Qt's encoder is the reference for well-formed input.
    QByteArray bytes;
    for (int n = 0; n <= 64; ++n) {
        const std::string out =
            Base64Encode(reinterpret_cast<const unsigned char*>(bytes.constData()), quint32(bytes.size()));
        QCOMPARE(QByteArray::fromStdString(out), bytes.toBase64());
        QCOMPARE(QByteArray::fromStdString(Base64Decode(out)), bytes);
        bytes.append(char((n * 73 + 11) & 0xFF));
    }
}

void TestUtils::passwordForm_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("reversible");
    QTest::newRow("umlauts") << "cMOkc3N3w7ZyZA==" << QString::fromUtf8("pässwörd") << true;
    QTest::newRow("empty") << "" << "" << true;
    QTest::newRow("zero byte ends it") << "YWIAY2Q=" << "ab" << false;
    QTest::newRow("space ends it") << "cMOk c3N3" << QString::fromUtf8("pä") << false;
}

void TestUtils::passwordForm()
{
    QFETCH(QString, stored);
    QFETCH(QString, plain);
    QFETCH(bool, reversible);
    QCOMPARE(DecryptString(stored), plain);
    if (reversible)
        QCOMPARE(EncryptString(plain), stored);
}

// ---- interface helpers ----------------------------------------------------

void TestUtils::balloonSteps_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QRectF>("bounds");
    // M move, L line, C curve (control, control, end); points as x,y.
    QTest::newRow("0 lower left")
        << 0
        << "M30,5 L135,5 C160,5 160,5 160,30 L160,55 C160,80 160,80 135,80 L30,80 L15,100 L16,76 "
           "C5,76 5,76 5,55 L5,30 C5,5 5,5 30,5"
        << QRectF(5, 5, 155, 95);
    QTest::newRow("1 lower right")
        << 1
        << "M30,5 L135,5 C160,5 160,5 160,30 L160,55 C160,80 160,80 145,80 L155,110 L115,80 L30,80 "
           "C5,80 5,80 5,55 L5,30 C5,5 5,5 30,5"
        << QRectF(5, 5, 155, 105);
    QTest::newRow("2 upper left")
        << 2
        << "M40,20 L135,20 C160,20 160,20 160,45 L160,70 C160,95 160,95 135,95 L35,95 C5,95 5,95 5,70 "
           "L5,45 C5,20 5,20 20,20 L10,0 L40,20"
        << QRectF(5, 0, 155, 95);
    QTest::newRow("3 none") << 3 << "" << QRectF();
    QTest::newRow("-1 none") << -1 << "" << QRectF();
}

void TestUtils::balloonSteps()
{
    QFETCH(int, shape);
    QFETCH(QString, steps);
    QFETCH(QRectF, bounds);
    const QPainterPath path = GenerateInfoBaloon(shape);
    int index = 0;
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QStringList points = step.mid(step[0].isDigit() ? 0 : 1).split(',');
        QCOMPARE(points.size(), 2);
        const QPointF point(points[0].toDouble(), points[1].toDouble());
        QPainterPath::ElementType type = QPainterPath::LineToElement;
        if (step[0] == 'M')
            type = QPainterPath::MoveToElement;
        else if (step[0] == 'C')
            type = QPainterPath::CurveToElement;
        else if (step[0].isDigit())
            type = QPainterPath::CurveToDataElement;
        QVERIFY2(index < path.elementCount(), qPrintable(step));
        const QPainterPath::Element e = path.elementAt(index++);
        QCOMPARE(e.type, type);
        QCOMPARE(QPointF(e), point);
    }
    QCOMPARE(path.elementCount(), index);
    QCOMPARE(path.boundingRect(), bounds);
}

void TestUtils::flatToolButton()
{
    QToolButton button;
    MacToolbuttonAutoraise(&button);
    QCOMPARE(button.styleSheet(), QString("QToolButton:checked{ background-color: rgb(175,175,175); }"
                                          "QToolButton { background-color: transparent; }"
                                          "QToolButton:hover{ background-color: rgb(175,175,175); }"));
}

void TestUtils::centerChild_data()
{
    // Offscreen: one 800 x 600 screen; frames are 4 pixels larger than the
    // widgets they hold.
    QTest::addColumn<QRect>("parent");
    QTest::addColumn<QSize>("child");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("fits") << QRect(100, 100, 400, 300) << QSize(200, 100) << QRect(200, 200, 204, 104);
    QTest::newRow("right edge") << QRect(600, 100, 150, 100) << QSize(300, 200) << QRect(495, 50, 304, 204);
    QTest::newRow("bottom edge") << QRect(100, 500, 400, 100) << QSize(200, 200) << QRect(200, 395, 204, 204);
    QTest::newRow("wider than screen") << QRect(100, 100, 400, 300) << QSize(1000, 100)
                                       << QRect(0, 200, 1004, 104);
    QTest::newRow("taller than screen") << QRect(100, 100, 400, 300) << QSize(100, 700)
                                        << QRect(250, 0, 104, 704);
    QTest::newRow("parent off left") << QRect(-300, 100, 200, 100) << QSize(300, 100)
                                     << QRect(0, 100, 304, 104);
}

void TestUtils::centerChild()
{
    QFETCH(QRect, parent);
    QFETCH(QSize, child);
    QFETCH(QRect, frame);
    QWidget owner;
    owner.move(parent.topLeft());
    owner.resize(parent.size());
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QCOMPARE(owner.frameGeometry().topLeft(), parent.topLeft());
    QDialog dialog(&owner);
    dialog.resize(child);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CenterChild(&owner, &dialog);
    QCOMPARE(dialog.frameGeometry(), frame);
}

void TestUtils::centerChildOnArea_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("screen");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("whole screen") << QRect(0, 0, 800, 600) << 0 << QRect(298, 248, 204, 104);
    QTest::newRow("past right edge") << QRect(700, 0, 400, 100) << 0 << QRect(595, 0, 204, 104);
    QTest::newRow("unknown screen") << QRect(700, 0, 400, 100) << 5 << QRect(595, 0, 204, 104);
}

void TestUtils::centerChildOnArea()
{
    QFETCH(QRect, area);
    QFETCH(int, screen);
    QFETCH(QRect, frame);
    QDialog dialog;
    dialog.resize(200, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CenterChild(area, screen, &dialog);
    QCOMPARE(dialog.frameGeometry(), frame);
}

void TestUtils::sortPredicate_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("before");
    QTest::newRow("B a") << "B" << "a" << true;
    QTest::newRow("a B") << "a" << "B" << false;
    QTest::newRow("equal") << "a" << "a" << false;
    QTest::newRow("empty first") << "" << "a" << true;
    QTest::newRow("prefix") << "ab" << "abc" << true;
    QTest::newRow("umlaut after z") << "z" << QString::fromUtf8("ä") << true;
}

void TestUtils::sortPredicate()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, before);
    QCOMPARE(StringCompareAscending(a, b), before);
}

void TestUtils::traceHookIsSilent()
{
    static int messages = 0;
    messages = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
    SystemLogWrite("CListImages::AddImage", true);
    SystemLogWrite("CListImages::AddImage", false);
    SystemLogWriteDate();
    qInstallMessageHandler(previous);
    QCOMPARE(messages, 0);
}

// ---- folders on disk ------------------------------------------------------

void TestUtils::removeDirTree()
{
    QTemporaryDir tmp;
    const QString root = tmp.filePath("tree");
    QVERIFY(QDir().mkpath(root + "/a/b/.hidden"));
    WriteFile(root + "/top.txt", "1");
    WriteFile(root + "/.dot", "2");
    WriteFile(root + "/a/b/.hidden/deep", "3");
    QVERIFY(QFile::link(root + "/nowhere", root + "/a/broken"));
    QVERIFY(RemoveDir(root));
    QVERIFY(!QFileInfo::exists(root));
    QVERIFY(RemoveDir(tmp.filePath("never-made")));
}

void TestUtils::removeDirKeepsLinkTargets()
{
    QTemporaryDir tmp;
    const QString outside = tmp.filePath("outside");
    const QString root = tmp.filePath("tree");
    QVERIFY(QDir().mkpath(outside + "/sub"));
    QVERIFY(QDir().mkpath(root));
    WriteFile(outside + "/keep.txt", "keep");
    WriteFile(outside + "/sub/keep2.txt", "keep");
    QVERIFY(QFile::link(outside, root + "/link-to-folder"));
    QVERIFY(QFile::link(outside + "/keep.txt", root + "/link-to-file"));
    QVERIFY(RemoveDir(root));
    QVERIFY(!QFileInfo::exists(root));
    QVERIFY(QFile::exists(outside + "/keep.txt"));
    QVERIFY(QFile::exists(outside + "/sub/keep2.txt"));
    // A link given as the folder itself goes, its target stays.
    QVERIFY(QFile::link(outside, tmp.filePath("top-link")));
    QVERIFY(RemoveDir(tmp.filePath("top-link")));
    QVERIFY(!QFileInfo(tmp.filePath("top-link")).isSymLink());
    QVERIFY(QFile::exists(outside + "/sub/keep2.txt"));
}

void TestUtils::removeDirReportsFailure()
{
    if (geteuid() == 0)
        QSKIP("root may remove entries of a read-only folder");
    QTemporaryDir tmp;
    const QString root = tmp.filePath("tree");
    QVERIFY(QDir().mkpath(root + "/locked"));
    WriteFile(root + "/locked/file", "x");
    QFile::setPermissions(root + "/locked", QFile::ReadOwner | QFile::ExeOwner);
    const bool removed = RemoveDir(root);
    QFile::setPermissions(root + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!removed);
    QVERIFY(QFile::exists(root + "/locked/file"));
}

void TestUtils::dirSizeSkipsLinks()
{
    QTemporaryDir tmp;
    const QString root = tmp.filePath("tree");
    QVERIFY(QDir().mkpath(root + "/sub/.hid"));
    QVERIFY(QDir().mkpath(tmp.filePath("outside")));
    WriteFile(root + "/ten", QByteArray(10, 'x'));
    WriteFile(root + "/sub/twenty", QByteArray(20, 'x'));
    WriteFile(root + "/sub/.hid/.five", QByteArray(5, 'x'));
    WriteFile(tmp.filePath("outside/big"), QByteArray(1000, 'x'));
    QVERIFY(QFile::link(tmp.filePath("outside"), root + "/folder-link"));
    QVERIFY(QFile::link(tmp.filePath("outside/big"), root + "/file-link"));
    QCOMPARE(DirSize(root), qint64(35));
    QCOMPARE(DirSize(root + "/ten"), qint64(0));
    QCOMPARE(DirSize(tmp.filePath("missing")), qint64(0));
}

BQ_TEST_MAIN(TestUtils)
#include "tst_utils.moc"
