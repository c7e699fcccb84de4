// ImageMagick runtime: our policy's limits and refusals, and the depth-
// independent sample conversions.
#include "BqTestMain.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "Quantum.h"
#include "ResourceRoot.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <Magick++.h>

#include <memory>

class TestMagickRuntime : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void configurePathIsResourceRoot();
    void resourceLimitsComeFromOurPolicy();
    void mvgReadIsRefused();
    void refusedCoders_data();
    void refusedCoders();
    void diskCacheInPrivateFolder();
    void secondStartDoesNothing();
    void policyBesideTheProgram_data();
    void policyBesideTheProgram();
    void quantumRoundTrips();
    void colorFromRgbExportsBytes();
    void colorFromRgbTransparency();
};

void TestMagickRuntime::initTestCase()
{
    QVERIFY(QFile::exists(ResourceRoot() + "/policy.xml"));
    QVERIFY(StartMagickRuntime());
}

void TestMagickRuntime::configurePathIsResourceRoot()
{
    QCOMPARE(QString::fromUtf8(qgetenv("MAGICK_CONFIGURE_PATH")), ResourceRoot());
    QVERIFY(ResourceRoot().endsWith("/Resources"));
    QCOMPARE(ResourceRoot(), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../Resources"));
}

void TestMagickRuntime::resourceLimitsComeFromOurPolicy()
{
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::memory()), 3221225472ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::map()), 0ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::disk()), 17179869184ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::listLength()), 1024ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::area()), 1000000000ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::width()), 64000ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::height()), 64000ULL);
}

void TestMagickRuntime::mvgReadIsRefused()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("square.mvg");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("viewbox 0 0 4 4\nfill red\nrectangle 0,0 3,3\n");
    f.close();

    QString error;
    try {
        Magick::Image image;
        image.read(("mvg:" + path).toStdString());
    } catch (const Magick::Exception& e) {
        error = QString::fromUtf8(e.what());
    }
    QVERIFY2(error.contains("not allowed by the security policy"), qPrintable(error));
}

void TestMagickRuntime::refusedCoders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("prefix"); // a coder named before the path, "" for none
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"300\">"
                           "<rect width=\"400\" height=\"300\" fill=\"red\"/></svg>\n";
    QTest::newRow("TXT") << "a.jpg" << QByteArray("# ImageMagick pixel enumeration: 2,1,255,srgb\n"
                                                  "0,0: (255,0,0)\n1,0: (0,0,255)\n")
                         << "";
    QTest::newRow("SVG") << "a.png" << svg << "";
    QTest::newRow("MSVG") << "a.png" << svg << "msvg";
    QTest::newRow("MIFF") << "a.jpg" << QByteArray("id=ImageMagick\ncolumns=2 rows=1\n\f\n:\x1a") << "";
    QTest::newRow("MPC") << "a.jpg" << QByteArray("id=MagickCache\ncolumns=2 rows=1\n\f\n:\x1a") << "";
    QTest::newRow("PS") << "a.jpg" << QByteArray("%!PS-Adobe-3.0\nnewpath 0 0 moveto 9 9 lineto stroke\n") << "";
    QTest::newRow("EPS") << "a.jpg" << QByteArray("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\n") << "";
    QTest::newRow("PDF") << "a.png" << QByteArray("%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n") << "";
    QTest::newRow("MVG") << "a.png" << QByteArray("viewbox 0 0 4 4\nfill red\nrectangle 0,0 3,3\n") << "mvg";
    QTest::newRow("URL") << "a.jpg" << QByteArray() << "url:http://127.0.0.1:9/";
    QTest::newRow("HTTPS") << "a.jpg" << QByteArray() << "https://127.0.0.1:9/";
    QTest::newRow("EPHEMERAL") << "a.jpg" << QByteArray() << "ephemeral";
}

void TestMagickRuntime::refusedCoders()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, prefix);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    if (content.isEmpty()) { // a genuine JPEG: only the coder named in front is wrong
        Magick::Image(Magick::Geometry(8, 8), Magick::Color("red")).write("jpeg:" + path.toStdString());
    } else { // as the engine meets it: only the file's own bytes choose a coder
        CImageManager engine;
        QVERIFY(!engine.Read(path) && !engine.Ping(path) && !engine.ReadMultipage(path));
        QCOMPARE(engine.GetPageCount(path), 0);
    }
    const QString source = prefix.isEmpty() ? path : prefix.contains("//") ? prefix + name : prefix + ":" + path;
    QString error;
    try {
        Magick::Image().read(source.toStdString());
    } catch (const Magick::Exception& e) {
        error = QString::fromUtf8(e.what());
    }
    // Refused by the policy, or not known at all: a refused module is never
    // loaded, so its prefix reads as part of a file name.
    QVERIFY2(error.contains("not allowed by the security policy") || error.contains("no decode delegate") ||
                 error.contains("unable to open image `" + source),
             qPrintable(error));
    // An ephemeral read would have deleted the file; nothing is left behind.
    QVERIFY(QFile::exists(path));
    QCOMPARE(QDir(QDir::tempPath()).entryList({"magick-*"}, QDir::AllEntries | QDir::Hidden | QDir::System),
             QStringList());
    // No external program may run either.
    for (const char* delegate : {"ps:alpha", "mpeg:decode", "svg", "https", "png<=>jpeg"})
        QVERIFY(!MagickCore::IsRightsAuthorized(MagickCore::DelegatePolicyDomain, MagickCore::ExecutePolicyRights,
                                                delegate));
}

void TestMagickRuntime::diskCacheInPrivateFolder()
{
    const MagickCore::MagickSizeType memory = Magick::ResourceLimits::memory();
    const QStringList pattern{"magick-*"};
    const QDir folder(BrandquillTempFolder());
    QVERIFY(folder.exists());
    Magick::ResourceLimits::memory(1); // every new pixel cache goes to disk
    std::unique_ptr<Magick::Image> image(new Magick::Image(Magick::Geometry(300, 200), Magick::Color("red")));
    Magick::ResourceLimits::memory(memory);
    QCOMPARE(folder.entryList(pattern, QDir::Files | QDir::Hidden).size(), 1);
    QCOMPARE(QDir(QDir::tempPath()).entryList(pattern, QDir::Files | QDir::Hidden), QStringList());
    image.reset();
    QCOMPARE(folder.entryList(pattern, QDir::Files | QDir::Hidden), QStringList());
}

void TestMagickRuntime::secondStartDoesNothing()
{
    QVERIFY(StartMagickRuntime());
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::memory()), 3221225472ULL);
}

void TestMagickRuntime::policyBesideTheProgram_data()
{
    QTest::addColumn<bool>("withPolicy");
    QTest::addColumn<QString>("warning"); // ROOT stands for the copy's resource folder
    QTest::newRow("policy present") << true << QString();
    QTest::newRow("policy missing") << false
                                    << "ImageMagick policy not found in ROOT; using the system limits";
}

void TestMagickRuntime::policyBesideTheProgram()
{
    QFETCH(bool, withPolicy);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.filePath("app/Resources");
    const QString probe = dir.filePath("app/bin/bq-magick-probe");
    QVERIFY(QDir().mkpath(root));
    QVERIFY(QDir().mkpath(dir.filePath("app/bin")));
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/bq-magick-probe", probe));
    if (withPolicy)
        QVERIFY(QFile::copy(ResourceRoot() + "/policy.xml", root + "/policy.xml"));

    QProcess run;
    run.start(probe, QStringList());
    QVERIFY(run.waitForFinished(-1));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);
    QStringList policyLines;
    for (const QString& line : QString::fromUtf8(run.readAllStandardError()).split('\n'))
        if (line.contains("policy"))
            policyLines << line;
    const QStringList expected = warning.isEmpty() ? QStringList() : QStringList{warning.replace("ROOT", root)};
    QCOMPARE(policyLines, expected);
    // Our limits only where our policy was found; otherwise the system's.
    const QString memory = QString::fromUtf8(run.readAllStandardOutput()).trimmed();
    QVERIFY2(!memory.isEmpty(), "the probe did not go on after starting the runtime");
    QCOMPARE(memory == "3221225472", withPolicy);
}

void TestMagickRuntime::quantumRoundTrips()
{
    QCOMPARE(static_cast<double>(QuantumFrom8(0)), 0.0);
    QCOMPARE(static_cast<double>(QuantumFrom8(255)), QuantumMax());
    QCOMPARE(static_cast<double>(QuantumFrom8(-5)), 0.0);
    QCOMPARE(static_cast<double>(QuantumFrom8(300)), QuantumMax());
    for (int v = 0; v <= 255; ++v)
        QCOMPARE(QuantumTo8(QuantumFrom8(v)), v);
    QCOMPARE(QuantumTo8(-1.0), 0);
    QCOMPARE(QuantumTo8(QuantumMax() * 2), 255);
}

void TestMagickRuntime::colorFromRgbExportsBytes()
{
    Magick::Image image(Magick::Geometry(1, 1), ColorFromRgb(0xFF102030));
    unsigned char rgb[3] = {0, 0, 0};
    image.write(0, 0, 1, 1, "RGB", Magick::CharPixel, rgb);
    QCOMPARE(int(rgb[0]), 0x10);
    QCOMPARE(int(rgb[1]), 0x20);
    QCOMPARE(int(rgb[2]), 0x30);
    // The record's alpha byte never makes the colour transparent.
    QCOMPARE(static_cast<double>(ColorFromRgb(0x00102030).alphaQuantum()), 0.0);
}

void TestMagickRuntime::colorFromRgbTransparency()
{
    QCOMPARE(static_cast<double>(ColorFromRgb(0xFF102030, 100).alphaQuantum()), QuantumMax());
    QCOMPARE(static_cast<double>(ColorFromRgb(0xFF102030, 0).alphaQuantum()), 0.0);
    const double half = ColorFromRgb(0xFF102030, 50).alphaQuantum();
    QVERIFY(qAbs(half - QuantumMax() / 2) <= 1.0);
}

BQ_TEST_MAIN(TestMagickRuntime)
#include "tst_magickruntime.moc"
