// ICC profiles: the generated sRGB and RSWOP files, their ink model, and the
// process-wide profile store with its custom slot.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "FormatsEnum.h"
#include "ICCProfiles.h"
#include "IccGen.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "ResourceRoot.h"
#include "UserProfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <lcms2.h>

#include <memory>
#include <vector>

class TestIccProfiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void generatedFilesReadAsProfiles();
    void rswopHeader();
    void rswopFollowsInkModel_data();
    void rswopFollowsInkModel();
    void tiffCmykRoundTrip_data();
    void tiffCmykRoundTrip();

    void concurrentLoadsShareOneProfile();
    void customProfileKeptUntilReset();
    void customFallsBackToSrgb_data();
    void customFallsBackToSrgb();
    void slotOutsideTheStore_data();
    void slotOutsideTheStore();
    void missingResourceIsTriedAgain();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_magickTemp;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_srgbPath;
    QString m_rswopPath;
};

void TestIccProfiles::initTestCase()
{
    m_magickTemp.reset(new QTemporaryDir);
    QVERIFY(m_magickTemp->isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_magickTemp->path()));
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
    m_srgbPath = ResourceRoot() + "/sRGB.icm";
    m_rswopPath = ResourceRoot() + "/RSWOP.ICM";
}

void TestIccProfiles::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    // Every case starts with an empty store and the default settings.
    CICCProfiles::DeleteInstance();
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->SetDefaultCustomProfile();
    profile->TiffType = 2;
    profile->TiffAlg = 0;
}

void TestIccProfiles::cleanup()
{
    SetResourceRootOverride(QString());
    CICCProfiles::DeleteInstance();
}

void TestIccProfiles::generatedFilesReadAsProfiles()
{
    QVERIFY(QFile::exists(m_srgbPath));
    QVERIFY(QFile::exists(m_rswopPath));
    const qint64 size = QFileInfo(m_rswopPath).size();
    QVERIFY2(size > 700000 && size < 900000, qPrintable(QString::number(size)));

    for (const QString& path : {m_srgbPath, m_rswopPath}) {
        Magick::Image image;
        image.read(QFile::encodeName(path).toStdString());
        QCOMPARE(image.columns(), size_t(1));
        QCOMPARE(image.rows(), size_t(1));
        QCOMPARE(BqTest::BlobBytes(image.profile("icc")), BqTest::FileBytes(path));
    }
}

void TestIccProfiles::rswopHeader()
{
    cmsHPROFILE rswop = cmsOpenProfileFromFile(QFile::encodeName(m_rswopPath).constData(), "r");
    QVERIFY(rswop);
    QCOMPARE(cmsGetDeviceClass(rswop), cmsSigOutputClass);
    QCOMPARE(cmsGetColorSpace(rswop), cmsSigCmykData);
    QCOMPARE(cmsGetPCS(rswop), cmsSigLabData);
    QVERIFY(qAbs(cmsGetProfileVersion(rswop) - 2.1) < 0.01);
    QVERIFY(cmsIsTag(rswop, cmsSigAToB0Tag));
    QVERIFY(cmsIsTag(rswop, cmsSigBToA0Tag));
    cmsCloseProfile(rswop);

    cmsHPROFILE srgb = cmsOpenProfileFromFile(QFile::encodeName(m_srgbPath).constData(), "r");
    QVERIFY(srgb);
    QCOMPARE(cmsGetColorSpace(srgb), cmsSigRgbData);
    QVERIFY(cmsIsTag(srgb, cmsSigProfileDescriptionTag));
    QVERIFY(cmsIsTag(srgb, cmsSigCopyrightTag));
    cmsCloseProfile(srgb);
}

void TestIccProfiles::rswopFollowsInkModel_data()
{
    QTest::addColumn<QVector<double>>("cmyk");
    QTest::newRow("paper") << QVector<double>{0, 0, 0, 0};
    QTest::newRow("cyan") << QVector<double>{1, 0, 0, 0};
    QTest::newRow("magenta") << QVector<double>{0, 1, 0, 0};
    QTest::newRow("yellow") << QVector<double>{0, 0, 1, 0};
    QTest::newRow("black") << QVector<double>{0, 0, 0, 1};
    QTest::newRow("half black") << QVector<double>{0, 0, 0, 0.5};
    QTest::newRow("mixed") << QVector<double>{0.2, 0.4, 0.6, 0.1};
    QTest::newRow("red ink") << QVector<double>{0, 1, 1, 0};
}

void TestIccProfiles::rswopFollowsInkModel()
{
    QFETCH(QVector<double>, cmyk);
    cmsHPROFILE rswop = cmsOpenProfileFromFile(QFile::encodeName(m_rswopPath).constData(), "r");
    cmsHPROFILE srgb = cmsOpenProfileFromFile(QFile::encodeName(m_srgbPath).constData(), "r");
    QVERIFY(rswop && srgb);
    cmsHTRANSFORM toRgb = cmsCreateTransform(rswop, TYPE_CMYK_16, srgb, TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, 0);
    QVERIFY(toRgb);
    cmsUInt16Number in[4];
    for (int i = 0; i < 4; ++i)
        in[i] = static_cast<cmsUInt16Number>(cmyk[i] * 65535 + 0.5);
    cmsUInt8Number out[3];
    cmsDoTransform(toRgb, in, out, 1);
    cmsDeleteTransform(toRgb);
    cmsCloseProfile(rswop);
    cmsCloseProfile(srgb);

    double expected[3];
    IccGen::CmykToRgb(cmyk.constData(), expected);
    const QRgb want = qRgb(qRound(expected[0] * 255), qRound(expected[1] * 255), qRound(expected[2] * 255));
    const QRgb got = qRgb(out[0], out[1], out[2]);
    QVERIFY2(BqTest::ChannelDistance(want, got) <= 3,
             qPrintable(QString("want %1 got %2").arg(want, 0, 16).arg(got, 0, 16)));
}

void TestIccProfiles::tiffCmykRoundTrip_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("exact"); // greys and mid-tones; primaries keep their channel
    QTest::newRow("black") << qRgb(0, 0, 0) << true;
    QTest::newRow("dark grey") << qRgb(40, 40, 40) << true;
    QTest::newRow("grey") << qRgb(128, 128, 128) << true;
    QTest::newRow("light grey") << qRgb(220, 220, 220) << true;
    QTest::newRow("white") << qRgb(255, 255, 255) << true;
    QTest::newRow("skin") << qRgb(200, 150, 120) << true;
    QTest::newRow("sky") << qRgb(90, 140, 200) << true;
    QTest::newRow("red") << qRgb(255, 0, 0) << false;
    QTest::newRow("lime") << qRgb(0, 255, 0) << false;
    QTest::newRow("blue") << qRgb(0, 0, 255) << false;
}

void TestIccProfiles::tiffCmykRoundTrip()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, exact);
    CUserProfile::GetInstance()->TiffType = 4;
    const QString source = Path("source.png");
    const QString output = Path("cmyk.tif");
    Magick::Image(Magick::Geometry(8, 8), Magick::Color(QString::asprintf("rgb(%d,%d,%d)", qRed(colour), qGreen(colour),
                                                                           qBlue(colour))
                                                             .toStdString()))
        .write(QFile::encodeName(source).toStdString());

    CImageManager engine;
    QVERIFY(engine.Read(source));
    QVERIFY(engine.Write(output));
    Magick::Image written;
    written.read(QFile::encodeName(output).toStdString());
    QCOMPARE(written.colorSpace(), Magick::CMYKColorspace);

    CImageManager back;
    QVERIFY(back.Read(output));
    QVERIFY(back.m_bSourceCmyk);
    const QRgb got = BqTest::PixelRgb(back.m_Image, 4, 4);
    if (exact) {
        QVERIFY2(BqTest::ChannelDistance(colour, got) <= 4, qPrintable(QString::number(got, 16)));
    } else {
        const int want[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
        const int have[3] = {qRed(got), qGreen(got), qBlue(got)};
        const int dominant = int(std::max_element(want, want + 3) - want);
        for (int i = 0; i < 3; ++i) {
            if (i != dominant)
                QVERIFY2(have[dominant] > have[i] + 100, qPrintable(QString::number(got, 16)));
        }
    }
}

void TestIccProfiles::concurrentLoadsShareOneProfile()
{
    CICCProfiles* store = CICCProfiles::GetInstance();
    std::vector<QByteArray> results(8);
    std::vector<QThread*> threads;
    for (int i = 0; i < 8; ++i)
        threads.push_back(QThread::create([store, &results, i] {
            store->LoadIccProfile(CICCProfiles::SlotRswop);
            results[size_t(i)] = BqTest::BlobBytes(store->GetIccProfile(CICCProfiles::SlotRswop));
        }));
    for (QThread* t : threads)
        t->start();
    for (QThread* t : threads) {
        QVERIFY(t->wait(120000));
        delete t;
    }
    const QByteArray file = BqTest::FileBytes(m_rswopPath);
    QVERIFY(!file.isEmpty());
    for (const QByteArray& r : results)
        QCOMPARE(r, file);
}

void TestIccProfiles::customProfileKeptUntilReset()
{
    const QString custom = Path("custom.icc");
    const Magick::Blob a = BqTest::ProfileVariant(m_srgbPath, "custom A");
    const Magick::Blob b = BqTest::ProfileVariant(m_srgbPath, "custom B");
    QVERIFY(BqTest::BlobBytes(a) != BqTest::BlobBytes(b));
    QVERIFY(BqTest::WriteFile(custom, BqTest::BlobBytes(a)));
    CUserProfile::GetInstance()->CustomProfile = custom;

    CICCProfiles* store = CICCProfiles::GetInstance();
    QVERIFY(!store->IsCustomProfileLoaded());
    QCOMPARE(BqTest::BlobBytes(store->GetIccProfile(CICCProfiles::SlotCustom)), BqTest::BlobBytes(a));
    QVERIFY(store->IsCustomProfileLoaded());

    // The file changes on disk: the store keeps the bytes it read.
    QVERIFY(BqTest::WriteFile(custom, BqTest::BlobBytes(b)));
    QCOMPARE(BqTest::BlobBytes(store->GetIccProfile(CICCProfiles::SlotCustom)), BqTest::BlobBytes(a));

    store->ResetCustomProfile();
    QVERIFY(!store->IsCustomProfileLoaded());
    QCOMPARE(BqTest::BlobBytes(store->GetIccProfile(CICCProfiles::SlotCustom)), BqTest::BlobBytes(b));

    // The next output of a custom TIFF carries B.
    CUserProfile::GetInstance()->TiffType = 5;
    const QString source = Path("source.png");
    BqTest::FourQuadrants().write(QFile::encodeName(source).toStdString());
    CImageManager engine;
    QVERIFY(engine.Read(source));
    QVERIFY(engine.Write(Path("custom.tif")));
    Magick::Image written;
    written.read(QFile::encodeName(Path("custom.tif")).toStdString());
    QCOMPARE(BqTest::BlobBytes(written.profile("icc")), BqTest::BlobBytes(b));
}

void TestIccProfiles::customFallsBackToSrgb_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("empty setting") << "empty";
    QTest::newRow("image without profile") << "png";
    QTest::newRow("text file") << "text";
    QTest::newRow("folder") << "folder";
}

void TestIccProfiles::customFallsBackToSrgb()
{
    QFETCH(QString, kind);
    QString path;
    if (kind == "missing") {
        path = Path("nowhere.icc");
    } else if (kind == "png") {
        path = Path("plain.png");
        BqTest::FourQuadrants().write(QFile::encodeName(path).toStdString());
    } else if (kind == "text") {
        path = Path("notes.icc");
        QVERIFY(BqTest::WriteFile(path, "not a profile\n"));
    } else if (kind == "folder") {
        path = m_dir->path();
    }
    CUserProfile::GetInstance()->CustomProfile = path;
    const QByteArray bytes = BqTest::BlobBytes(CICCProfiles::GetInstance()->GetIccProfile(CICCProfiles::SlotCustom));
    QCOMPARE(bytes, BqTest::FileBytes(m_srgbPath));
}

void TestIccProfiles::slotOutsideTheStore_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("-1") << -1;
    QTest::newRow("3") << 3;
    QTest::newRow("large") << 1000;
}

void TestIccProfiles::slotOutsideTheStore()
{
    QFETCH(int, slot);
    CICCProfiles* store = CICCProfiles::GetInstance();
    store->LoadIccProfile(slot);
    QCOMPARE(store->GetIccProfile(slot).length(), size_t(0));
    QVERIFY(!store->IsCustomProfileLoaded());
}

void TestIccProfiles::missingResourceIsTriedAgain()
{
    const QString root = Path("Resources");
    QVERIFY(QDir().mkpath(root));
    SetResourceRootOverride(root);
    CICCProfiles* store = CICCProfiles::GetInstance();
    QCOMPARE(store->GetIccProfile(CICCProfiles::SlotSrgb).length(), size_t(0));
    QCOMPARE(store->GetIccProfile(CICCProfiles::SlotRswop).length(), size_t(0));

    QVERIFY(QFile::copy(m_srgbPath, root + "/sRGB.icm"));
    QCOMPARE(BqTest::BlobBytes(store->GetIccProfile(CICCProfiles::SlotSrgb)), BqTest::FileBytes(m_srgbPath));
    QCOMPARE(store->GetIccProfile(CICCProfiles::SlotRswop).length(), size_t(0));
}

BQ_TEST_MAIN(TestIccProfiles)
#include "tst_icc_profiles.moc"
