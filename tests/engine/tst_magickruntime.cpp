// ImageMagick runtime: our policy's limits and refusals, and the depth-
// independent sample conversions.
#include "BqTestMain.h"
#include "MagickRuntime.h"
#include "Quantum.h"
#include "ResourceRoot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <Magick++.h>

class TestMagickRuntime : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void configurePathIsResourceRoot();
    void resourceLimitsComeFromOurPolicy();
    void mvgReadIsRefused();
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
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::memory()), 8589934592ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::map()), 17179869184ULL);
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::disk()), 4294967296ULL);
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

void TestMagickRuntime::secondStartDoesNothing()
{
    QVERIFY(StartMagickRuntime());
    QCOMPARE(static_cast<qulonglong>(Magick::ResourceLimits::memory()), 8589934592ULL);
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
    QCOMPARE(memory == "8589934592", withPolicy);
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
