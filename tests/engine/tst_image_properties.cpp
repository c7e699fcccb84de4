// Photo properties at read: the display texts made from a photo's Exif data
// (position, altitude, aperture, exposure, sensitivity), its colour space,
// resolution and orientation, and the record of a camera raw photo. Runs a
// second time under de_DE.UTF-8: no text may take a decimal comma.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ExifBlockBuilder.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "MagickRuntime.h"

#include <QFile>
#include <QTemporaryDir>

#include <clocale>
#include <functional>
#include <memory>

using BqTest::ExifBlockBuilder;
using Fractions = QVector<ExifBlockBuilder::Fraction>;

namespace {
// Exif tags.
constexpr quint16 kMake = 0x010F;
constexpr quint16 kModel = 0x0110;
constexpr quint16 kOrientation = 0x0112;
constexpr quint16 kExifPointer = 0x8769;
constexpr quint16 kGpsPointer = 0x8825;
constexpr quint16 kExposureTime = 0x829A;
constexpr quint16 kFNumber = 0x829D;
constexpr quint16 kIso = 0x8827;
constexpr quint16 kDateTimeOriginal = 0x9003;
constexpr quint16 kColorSpace = 0xA001;
constexpr quint16 kLatitudeRef = 0x0001;
constexpr quint16 kLatitude = 0x0002;
constexpr quint16 kLongitudeRef = 0x0003;
constexpr quint16 kLongitude = 0x0004;
constexpr quint16 kAltitudeRef = 0x0005;
constexpr quint16 kAltitude = 0x0006;

using ExifSetup = std::function<void(ExifBlockBuilder&)>;
} // namespace
Q_DECLARE_METATYPE(ExifSetup)

class TestImageProperties : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void position_data();
    void position();
    void altitude_data();
    void altitude();
    void aperture_data();
    void aperture();
    void exposure_data();
    void exposure();
    void sensitivity_data();
    void sensitivity();
    void colourSpace_data();
    void colourSpace();
    void orientation_data();
    void orientation();
    void cameraAndDate();
    void resolution_data();
    void resolution();
    void rawRecordClearsTheRest();
    void unknownSourceChangesNothing();

private:
    // Reads a JPEG whose Exif block `setup` fills (Exif and GPS directories
    // linked); returns the engine's properties.
    SImageProperties ReadWithExif(const ExifSetup& setup, bool bigEndian = false);

    std::unique_ptr<QTemporaryDir> m_magickTemp;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImageProperties::initTestCase()
{
    m_magickTemp.reset(new QTemporaryDir);
    QVERIFY(m_magickTemp->isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_magickTemp->path()));
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
    // The German run must really run with decimal commas.
    if (qgetenv("LC_ALL") == "de_DE.UTF-8")
        QCOMPARE(*std::localeconv()->decimal_point, ',');
}

void TestImageProperties::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

SImageProperties TestImageProperties::ReadWithExif(const ExifSetup& setup, bool bigEndian)
{
    ExifBlockBuilder exif(bigEndian);
    exif.AddPointer(ExifBlockBuilder::Ifd0, kExifPointer, ExifBlockBuilder::ExifIfd);
    exif.AddPointer(ExifBlockBuilder::Ifd0, kGpsPointer, ExifBlockBuilder::GpsIfd);
    setup(exif);
    const QString path = m_dir->filePath("exif.jpg");
    BqTest::WriteFile(path, BqTest::SpliceApp1(BqTest::JpegBytes(BqTest::FourQuadrants(32, 24)), exif.Build()));
    CImageManager engine;
    if (!engine.Read(path))
        return SImageProperties();
    return engine.m_Properties;
}

void TestImageProperties::position_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<QString>("gps");
    const auto both = [](Fractions lat, const char* latRef, Fractions lon, const char* lonRef) {
        return ExifSetup([=](ExifBlockBuilder& e) {
            e.AddAscii(ExifBlockBuilder::GpsIfd, kLatitudeRef, latRef);
            if (!lat.isEmpty())
                e.AddRationals(ExifBlockBuilder::GpsIfd, kLatitude, lat);
            e.AddAscii(ExifBlockBuilder::GpsIfd, kLongitudeRef, lonRef);
            e.AddRationals(ExifBlockBuilder::GpsIfd, kLongitude, lon);
        });
    };
    const Fractions paris = {{48, 1}, {51, 1}, {29, 1}};
    const Fractions east = {{2, 1}, {17, 1}, {40, 1}};
    QTest::newRow("whole seconds") << both(paris, "N", east, "E")
                                   << QString::fromUtf8("48°51'29\"N 2°17'40\"E ");
    QTest::newRow("hundredths of a second") << both({{48, 1}, {51, 1}, {2943, 100}}, "N", east, "E")
                                            << QString::fromUtf8("48°51'29.43\"N 2°17'40\"E ");
    QTest::newRow("seconds in 2500ths") << both({{48, 1}, {51, 1}, {72837, 2500}}, "N", east, "E")
                                        << QString::fromUtf8("48°51'29.13\"N 2°17'40\"E ");
    QTest::newRow("minutes in hundredths") << both({{48, 1}, {5130, 100}, {0, 1}}, "N", east, "E")
                                           << QString::fromUtf8("48°51.3'0\"N 2°17'40\"E ");
    QTest::newRow("zero denominator") << both({{48, 1}, {51, 0}, {29, 1}}, "N", east, "E") << QString();
    QTest::newRow("south west") << both({{33, 1}, {52, 1}, {4, 1}}, "S", {{151, 1}, {12, 1}, {36, 1}}, "W")
                                << QString::fromUtf8("33°52'4\"S 151°12'36\"W ");
    QTest::newRow("latitude missing") << both({}, "N", east, "E") << QString();
    // Two fractions still split into three parts, the last one empty.
    QTest::newRow("latitude of two parts") << both({{48, 1}, {51, 1}}, "N", east, "E")
                                           << QString::fromUtf8("48°51'\"N 2°17'40\"E ");
    QTest::newRow("latitude of one part") << both({{48, 1}}, "N", east, "E") << QString();
    QTest::newRow("no gps") << ExifSetup([](ExifBlockBuilder&) {}) << QString();
}

void TestImageProperties::position()
{
    QFETCH(ExifSetup, setup);
    QFETCH(QString, gps);
    QCOMPARE(ReadWithExif(setup).gps, gps);
    QCOMPARE(ReadWithExif(setup, true).gps, gps);
}

void TestImageProperties::altitude_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<QString>("altitude");
    const auto alt = [](qint64 num, qint64 den, int ref) {
        return ExifSetup([=](ExifBlockBuilder& e) {
            if (ref >= 0)
                e.AddBytes(ExifBlockBuilder::GpsIfd, kAltitudeRef, ExifBlockBuilder::Byte, QByteArray(1, char(ref)));
            e.AddRationals(ExifBlockBuilder::GpsIfd, kAltitude, {{num, den}});
        });
    };
    QTest::newRow("below sea level") << alt(1234, 10, 1) << "-123.4 m";
    QTest::newRow("above sea level") << alt(1234, 10, 0) << "123.4 m";
    QTest::newRow("no reference") << alt(875, 1, -1) << "875.0 m";
    QTest::newRow("zero denominator") << alt(50, 0, 0) << "50.0 m";
    QTest::newRow("none") << ExifSetup([](ExifBlockBuilder&) {}) << QString();
}

void TestImageProperties::altitude()
{
    QFETCH(ExifSetup, setup);
    QFETCH(QString, altitude);
    QCOMPARE(ReadWithExif(setup).altitude, altitude);
}

void TestImageProperties::aperture_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<QString>("aperture");
    const auto f = [](qint64 num, qint64 den) {
        return ExifSetup([=](ExifBlockBuilder& e) {
            e.AddRationals(ExifBlockBuilder::ExifIfd, kFNumber, {{num, den}});
        });
    };
    QTest::newRow("28/10") << f(28, 10) << "f/2.8";
    QTest::newRow("14/5") << f(14, 5) << "f/2.8";
    QTest::newRow("8/1") << f(8, 1) << "f/8";
    QTest::newRow("35/10") << f(35, 10) << "f/3.5";
    QTest::newRow("1.25 rounds up") << f(125, 100) << "f/1.3";
    QTest::newRow("zero denominator") << f(28, 0) << QString();
    QTest::newRow("none") << ExifSetup([](ExifBlockBuilder&) {}) << QString();
}

void TestImageProperties::aperture()
{
    QFETCH(ExifSetup, setup);
    QFETCH(QString, aperture);
    QCOMPARE(ReadWithExif(setup).aperture, aperture);
}

void TestImageProperties::exposure_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<QString>("exposure");
    const auto t = [](qint64 num, qint64 den) {
        return ExifSetup([=](ExifBlockBuilder& e) {
            e.AddRationals(ExifBlockBuilder::ExifIfd, kExposureTime, {{num, den}});
        });
    };
    QTest::newRow("1/250") << t(1, 250) << "1/250 sec";
    QTest::newRow("10/1250") << t(10, 1250) << "1/125 sec";
    QTest::newRow("1/4000") << t(1, 4000) << "1/4E+03 sec";
    QTest::newRow("two seconds") << t(2, 1) << "1/1 sec";
    QTest::newRow("five seconds") << t(5, 1) << "1/0 sec";
    QTest::newRow("zero numerator") << t(0, 1) << QString();
    QTest::newRow("none") << ExifSetup([](ExifBlockBuilder&) {}) << QString();
}

void TestImageProperties::exposure()
{
    QFETCH(ExifSetup, setup);
    QFETCH(QString, exposure);
    QCOMPARE(ReadWithExif(setup).exposure, exposure);
}

void TestImageProperties::sensitivity_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<QString>("iso");
    QTest::newRow("200") << ExifSetup([](ExifBlockBuilder& e) { e.AddShort(ExifBlockBuilder::ExifIfd, kIso, 200); })
                         << "ISO-200";
    QTest::newRow("6400") << ExifSetup([](ExifBlockBuilder& e) { e.AddShort(ExifBlockBuilder::ExifIfd, kIso, 6400); })
                          << "ISO-6400";
    QTest::newRow("none") << ExifSetup([](ExifBlockBuilder&) {}) << QString();
}

void TestImageProperties::sensitivity()
{
    QFETCH(ExifSetup, setup);
    QFETCH(QString, iso);
    QCOMPARE(ReadWithExif(setup).iso, iso);
}

void TestImageProperties::colourSpace_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<int>("code");
    QTest::newRow("sRGB") << ExifSetup([](ExifBlockBuilder& e) { e.AddShort(ExifBlockBuilder::ExifIfd, kColorSpace, 1); })
                          << 1;
    QTest::newRow("uncalibrated")
        << ExifSetup([](ExifBlockBuilder& e) { e.AddShort(ExifBlockBuilder::ExifIfd, kColorSpace, 65535); }) << 2;
    QTest::newRow("Adobe RGB value")
        << ExifSetup([](ExifBlockBuilder& e) { e.AddShort(ExifBlockBuilder::ExifIfd, kColorSpace, 2); }) << 2;
    QTest::newRow("none") << ExifSetup([](ExifBlockBuilder&) {}) << 0;
}

void TestImageProperties::colourSpace()
{
    QFETCH(ExifSetup, setup);
    QFETCH(int, code);
    QCOMPARE(ReadWithExif(setup).colorSpace, code);
}

void TestImageProperties::orientation_data()
{
    QTest::addColumn<ExifSetup>("setup");
    QTest::addColumn<int>("orientation");
    for (int o : {1, 6, 8})
        QTest::newRow(qPrintable(QString::number(o)))
            << ExifSetup([o](ExifBlockBuilder& e) { e.AddShort(ExifBlockBuilder::Ifd0, kOrientation, quint16(o)); })
            << o;
    QTest::newRow("none") << ExifSetup([](ExifBlockBuilder&) {}) << 0;
}

void TestImageProperties::orientation()
{
    QFETCH(ExifSetup, setup);
    QFETCH(int, orientation);
    QCOMPARE(ReadWithExif(setup).orientation, orientation);
}

void TestImageProperties::cameraAndDate()
{
    const SImageProperties p = ReadWithExif([](ExifBlockBuilder& e) {
        e.AddAscii(ExifBlockBuilder::Ifd0, kMake, "NIKON CORPORATION");
        e.AddAscii(ExifBlockBuilder::Ifd0, kModel, "NIKON D700");
        e.AddAscii(ExifBlockBuilder::ExifIfd, kDateTimeOriginal, "2013:05:04 14:22:10");
    });
    QCOMPARE(p.width, qint64(32));
    QCOMPARE(p.height, qint64(24));
    QCOMPARE(p.make, QString("NIKON CORPORATION"));
    QCOMPARE(p.model, QString("NIKON D700"));
    QCOMPARE(p.dateTime, QString("2013:05:04 14:22:10"));
    const SImageProperties none = ReadWithExif([](ExifBlockBuilder&) {});
    QCOMPARE(none.make, QString());
    QCOMPARE(none.dateTime, QString());
}

void TestImageProperties::resolution_data()
{
    QTest::addColumn<int>("density");
    QTest::addColumn<int>("unitsIn");
    QTest::addColumn<int>("units");
    QTest::newRow("300 dpi") << 300 << int(Magick::PixelsPerInchResolution) << 1;
    QTest::newRow("118 per cm") << 118 << int(Magick::PixelsPerCentimeterResolution) << 2;
}

void TestImageProperties::resolution()
{
    QFETCH(int, density);
    QFETCH(int, unitsIn);
    QFETCH(int, units);
    Magick::Image photo = BqTest::FourQuadrants();
    photo.resolutionUnits(static_cast<Magick::ResolutionType>(unitsIn));
    photo.density(Magick::Geometry(size_t(density), size_t(density)));
    const QString path = m_dir->filePath("dense.jpg");
    photo.write(QFile::encodeName(path).toStdString());
    CImageManager engine;
    QVERIFY(engine.Read(path));
    QCOMPARE(engine.m_Properties.densityX, density);
    QCOMPARE(engine.m_Properties.densityY, density);
    QCOMPARE(engine.m_Properties.units, units);
    // A ping gives the same without pixels.
    CImageManager pinger;
    QVERIFY(pinger.Ping(path));
    QCOMPARE(pinger.m_Properties.densityX, density);
    QCOMPARE(pinger.m_Properties.units, units);
}

void TestImageProperties::rawRecordClearsTheRest()
{
    ExifBlockBuilder exif;
    exif.AddShort(ExifBlockBuilder::Ifd0, kOrientation, 6);
    exif.AddPointer(ExifBlockBuilder::Ifd0, kExifPointer, ExifBlockBuilder::ExifIfd);
    exif.AddPointer(ExifBlockBuilder::Ifd0, kGpsPointer, ExifBlockBuilder::GpsIfd);
    exif.AddRationals(ExifBlockBuilder::ExifIfd, kFNumber, {{28, 10}});
    exif.AddRationals(ExifBlockBuilder::ExifIfd, kExposureTime, {{1, 250}});
    exif.AddShort(ExifBlockBuilder::ExifIfd, kIso, 200);
    exif.AddShort(ExifBlockBuilder::ExifIfd, kColorSpace, 1);
    exif.AddAscii(ExifBlockBuilder::GpsIfd, kLatitudeRef, "N");
    exif.AddRationals(ExifBlockBuilder::GpsIfd, kLatitude, {{48, 1}, {51, 1}, {29, 1}});
    exif.AddAscii(ExifBlockBuilder::GpsIfd, kLongitudeRef, "E");
    exif.AddRationals(ExifBlockBuilder::GpsIfd, kLongitude, {{2, 1}, {17, 1}, {40, 1}});
    exif.AddRationals(ExifBlockBuilder::GpsIfd, kAltitude, {{50, 1}});
    const QString path = m_dir->filePath("gps.jpg");
    QVERIFY(BqTest::WriteFile(path, BqTest::SpliceApp1(BqTest::JpegBytes(BqTest::FourQuadrants()), exif.Build())));

    CImageManager engine;
    QVERIFY(engine.Read(path));
    QVERIFY(!engine.m_Properties.gps.isEmpty());
    QCOMPARE(engine.m_Properties.orientation, 6);
    QCOMPARE(engine.m_Properties.iso, QString("ISO-200"));

    SRAWImage raw;
    raw.rawWidth = 4000;
    raw.rawHeight = 3000;
    raw.width = 2000; // the decoded size does not count
    raw.height = 1500;
    raw.make = "Canon";
    raw.model = "EOS 5D";
    raw.dateTime = "2013:05:04 14:22:10";
    engine.SetProperties(PropertiesFromRaw, &raw);
    const SImageProperties& p = engine.m_Properties;
    QCOMPARE(p.width, qint64(4000));
    QCOMPARE(p.height, qint64(3000));
    QCOMPARE(p.make, QString("Canon"));
    QCOMPARE(p.model, QString("EOS 5D"));
    QCOMPARE(p.dateTime, QString("2013:05:04 14:22:10"));
    QCOMPARE(p.densityX, 72);
    QCOMPARE(p.densityY, 72);
    QCOMPARE(p.units, 1);
    QCOMPARE(p.orientation, 0);
    QCOMPARE(p.gps, QString());
    QCOMPARE(p.altitude, QString());
    QCOMPARE(p.aperture, QString());
    QCOMPARE(p.exposure, QString());
    QCOMPARE(p.iso, QString());
    QCOMPARE(p.colorSpace, 0);
}

void TestImageProperties::unknownSourceChangesNothing()
{
    CImageManager engine;
    engine.SetImage(BqTest::FourQuadrants());
    engine.SetProperties(PropertiesFromImage, nullptr);
    QCOMPARE(engine.m_Properties.width, qint64(64));
    engine.SetImage(BqTest::FourQuadrants(10, 10));
    engine.SetProperties(3, nullptr);
    engine.SetProperties(PropertiesFromRaw, nullptr);
    QCOMPARE(engine.m_Properties.width, qint64(64));
    QCOMPARE(engine.m_Properties.height, qint64(48));
}

BQ_TEST_MAIN(TestImageProperties)
#include "tst_image_properties.moc"
