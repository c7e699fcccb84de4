// Filter engine: dispatch, the four transforms, and the slot, colour and
// geometry helpers they stand on.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "FilterTypes.h"
#include "FilterValues.h"
#include "ImageFilters.h"
#include "ImageManager.h"
#include "MagickQt.h"
#include "MagickRuntime.h"
#include "OrientationFixtures.h"
#include "PhotoMaker.h"
#include "Quantum.h"

#include <limits>
#include "ResourceRoot.h"

#include <QColor>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <clocale>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(QVector<double>)

namespace {
using BqTest::Record;
using BqTest::StopAtOnce;

const double NaN = std::numeric_limits<double>::quiet_NaN();

// All samples of a region, 16 bits each, for exact comparisons.
QByteArray Samples(const Magick::Image& image, int x, int y, int w, int h)
{
    QByteArray out(w * h * 4 * 2, '\0');
    Magick::Image copy(image);
    copy.write(x, y, static_cast<size_t>(w), static_cast<size_t>(h), "RGBA", Magick::ShortPixel,
               out.data());
    return out;
}

bool SamePixels(const Magick::Image& a, const Magick::Image& b)
{
    return a.columns() == b.columns() && a.rows() == b.rows()
        && a.signature(true) == b.signature(true);
}
} // namespace

class TestFiltersTransforms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void dispatchRefuses_data();
    void dispatchRefuses();
    void crop_data();
    void crop();
    void cropEveryPageKeepsRecord();
    void resize_data();
    void resize();
    void resizeScalesWithoutInterpolation();
    void abortedStepFails_data();
    void abortedStepFails();
    void rotate_data();
    void rotate();
    void autoRotateTiff_data();
    void autoRotateTiff();
    void autoRotateJpegWritesOrientation1();
    void orientationStoredUpright_data();
    void orientationStoredUpright();
    void slotColours_data();
    void slotColours();
    void slotIntAndNearest_data();
    void slotIntAndNearest();
    void geometryTextIgnoresLocale();
    void conversionsToAndFromQt();
    void resourceRootOverride();

private:
    Magick::Image Photo(size_t w, size_t h);
    QMap<QPair<size_t, size_t>, Magick::Image> m_photos;
};

Magick::Image TestFiltersTransforms::Photo(size_t w, size_t h)
{
    const auto key = qMakePair(w, h);
    if (!m_photos.contains(key))
        m_photos.insert(key, BqTest::MakePhoto(w, h));
    return m_photos.value(key);
}

void TestFiltersTransforms::initTestCase()
{
    QVERIFY(StartMagickRuntime());
}

void TestFiltersTransforms::dispatchRefuses_data()
{
    QTest::addColumn<quint32>("code");
    QTest::addColumn<QString>("target"); // "photo", "null" or "empty"
    QTest::newRow("2005 has no operation") << 2005u << "photo";
    QTest::newRow("2007 has no operation") << 2007u << "photo";
    QTest::newRow("2009 has no operation") << 2009u << "photo";
    QTest::newRow("code 0") << 0u << "photo";
    QTest::newRow("code 9999") << 9999u << "photo";
    QTest::newRow("null target") << quint32(FilterType::FilterRotate) << "null";
    QTest::newRow("empty image") << quint32(FilterType::FilterRotate) << "empty";
}

void TestFiltersTransforms::dispatchRefuses()
{
    QFETCH(quint32, code);
    QFETCH(QString, target);
    Magick::Image image = target == "empty" ? Magick::Image() : Photo(40, 30);
    const Magick::Image before = image;
    CImageFilters filters;
    filters.record = Record(code, {90, 0, 0, 0, 0, 0});
    filters.target = target == "null" ? nullptr : &image;
    QVERIFY(!filters.Apply());
    if (target == "empty")
        QVERIFY(!image.isValid());
    else
        QVERIFY(SamePixels(image, before));
}

void TestFiltersTransforms::crop_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QRect>("kept"); // null: unchanged
    QTest::newRow("percent 10,10,50,50") << QSize(200, 100) << QVector<double>{10, 10, 50, 50, 1}
                                         << QRect(20, 10, 100, 50);
    QTest::newRow("pixels") << QSize(200, 100) << QVector<double>{30.9, 5.2, 80.7, 40.1, 0}
                            << QRect(30, 5, 80, 40);
    QTest::newRow("reaching past the edge is clipped")
        << QSize(200, 100) << QVector<double>{150, 60, 100, 100, 0} << QRect(150, 60, 50, 40);
    QTest::newRow("negative left edge is 0")
        << QSize(200, 100) << QVector<double>{-10, 0, 50, 50, 0} << QRect(0, 0, 50, 50);
    QTest::newRow("negative edges and sizes reach the edges, as in the preview")
        << QSize(400, 300) << QVector<double>{-100, -100, -50, 0, 0} << QRect(0, 0, 400, 300);
    QTest::newRow("size truncating to 0 keeps 1 pixel")
        << QSize(100, 100) << QVector<double>{0, 0, 0.4, 0.4, 1} << QRect(0, 0, 1, 1);
    QTest::newRow("width 0 reaches the right edge")
        << QSize(200, 100) << QVector<double>{20, 10, 0, 50, 0} << QRect(20, 10, 180, 50);
    QTest::newRow("0,0,0,0 keeps the whole photo")
        << QSize(200, 100) << QVector<double>{0, 0, 0, 0, 0} << QRect(0, 0, 200, 100);
    QTest::newRow("left edge at the width") << QSize(200, 100) << QVector<double>{200, 0, 50, 50, 0}
                                            << QRect();
    QTest::newRow("top edge at 100 percent") << QSize(200, 100) << QVector<double>{0, 100, 50, 50, 1}
                                             << QRect();
    QTest::newRow("NaN left edge") << QSize(200, 100) << QVector<double>{NaN, 0, 50, 50, 0}
                                   << QRect();
    QTest::newRow("unit 2 counts as pixels") << QSize(200, 100) << QVector<double>{10, 10, 50, 50, 2}
                                             << QRect(10, 10, 50, 50);
}

void TestFiltersTransforms::crop()
{
    QFETCH(QSize, photo);
    QFETCH(QVector<double>, values);
    QFETCH(QRect, kept);
    const Magick::Image source = Photo(photo.width(), photo.height());
    Magick::Image image = source;
    CImageFilters filters;
    filters.record = Record(FilterType::FilterCrop, values);
    filters.target = &image;
    QVERIFY(filters.Apply());
    if (kept.isNull()) {
        QVERIFY(SamePixels(image, source));
        return;
    }
    QCOMPARE(QSize(int(image.columns()), int(image.rows())), kept.size());
    const Magick::Geometry page = image.page();
    QCOMPARE(QRect(int(page.xOff()), int(page.yOff()), int(page.width()), int(page.height())),
             QRect(QPoint(0, 0), kept.size()));
    QVERIFY(Samples(image, 0, 0, kept.width(), kept.height())
            == Samples(source, kept.x(), kept.y(), kept.width(), kept.height()));
}

void TestFiltersTransforms::cropEveryPageKeepsRecord()
{
    CImageFilters filters;
    filters.record = Record(FilterType::FilterCrop, {10, 10, 50, 50, 1});
    const QList<QSize> pages{{200, 100}, {300, 150}, {400, 200}};
    for (const QSize& size : pages) {
        Magick::Image page = Photo(size.width(), size.height());
        filters.target = &page;
        QVERIFY(filters.Apply());
        QCOMPARE(QSize(int(page.columns()), int(page.rows())), size / 2);
    }
    for (int i = 0; i < 4; ++i)
        QCOMPARE(filters.record.numbers[i], i < 2 ? 10.0 : 50.0);
}

void TestFiltersTransforms::resize_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QVector<double>>("values"); // w, h, keep, mode, unit, no-enlarge
    QTest::addColumn<QString>("geometry");      // empty: unchanged
    QTest::addColumn<bool>("ok");
    QTest::newRow("keep aspect, portrait") << QSize(3000, 4000) << QVector<double>{800, 600, 1, 0, 0, 0}
                                           << "600x800" << true;
    QTest::newRow("keep aspect, landscape")
        << QSize(4000, 3000) << QVector<double>{800, 600, 1, 0, 0, 0} << "800x600" << true;
    // The long side is exactly the size asked for: fitting into the rounded box lost a pixel.
    QTest::newRow("keep aspect, enlarged")
        << QSize(384, 191) << QVector<double>{640, 640, 1, 0, 0, 0} << "640x318!" << true;
    QTest::newRow("keep aspect, portrait, long side exact")
        << QSize(150, 260) << QVector<double>{200, 200, 1, 0, 0, 0} << "115x200!" << true;
    QTest::newRow("exact size") << QSize(3000, 4000) << QVector<double>{640, 480, 0, 0, 0, 0}
                                << "640x480!" << true;
    QTest::newRow("fixed width, not enlarged")
        << QSize(800, 600) << QVector<double>{1200, 0, 1, 1, 0, 1} << "" << true;
    QTest::newRow("fixed width, enlarged") << QSize(800, 600) << QVector<double>{1200, 0, 1, 1, 0, 0}
                                           << "1200x0" << true;
    QTest::newRow("fixed width, portrait") << QSize(3000, 4000) << QVector<double>{1200, 900, 1, 1, 0, 1}
                                           << "1200x0" << true;
    QTest::newRow("fixed height") << QSize(400, 200) << QVector<double>{0, 300, 1, 2, 0, 0} << "0x300"
                                  << true;
    QTest::newRow("fixed height, not enlarged")
        << QSize(400, 200) << QVector<double>{0, 300, 1, 2, 0, 1} << "" << true;
    QTest::newRow("fixed box") << QSize(3000, 4000) << QVector<double>{800, 600, 1, 3, 0, 1} << "800x600"
                               << true;
    QTest::newRow("fixed box, one side larger")
        << QSize(400, 300) << QVector<double>{800, 200, 1, 3, 0, 1} << "800x200" << true;
    QTest::newRow("fixed box, both larger")
        << QSize(400, 300) << QVector<double>{800, 600, 1, 3, 0, 1} << "" << true;
    QTest::newRow("smaller area, exact") << QSize(1000, 1000) << QVector<double>{2000, 100, 0, 0, 0, 1}
                                         << "2000x100!" << true;
    QTest::newRow("larger area after keep aspect")
        << QSize(1000, 1000) << QVector<double>{2000, 100, 1, 0, 0, 1} << "" << true;
    QTest::newRow("percent, halves up") << QSize(101, 100) << QVector<double>{50, 80, 0, 0, 1, 0}
                                        << "51x80!" << true;
    QTest::newRow("percent box keeps aspect")
        << QSize(200, 100) << QVector<double>{50, 80, 1, 0, 1, 0} << "100x80" << true;
    QTest::newRow("mode 7") << QSize(200, 100) << QVector<double>{50, 80, 1, 7, 0, 0} << "" << true;
    QTest::newRow("NaN mode") << QSize(200, 100) << QVector<double>{50, 80, 1, NaN, 0, 0} << "" << true;
    QTest::newRow("1e12 wide") << QSize(200, 100) << QVector<double>{1e12, 1e12, 0, 0, 0, 0} << ""
                               << false;
}

void TestFiltersTransforms::resize()
{
    QFETCH(QSize, photo);
    QFETCH(QVector<double>, values);
    QFETCH(QString, geometry);
    QFETCH(bool, ok);
    const Magick::Image source = Photo(photo.width(), photo.height());
    Magick::Image image = source;
    CImageFilters filters;
    filters.record = Record(FilterType::FilterResize, values);
    filters.target = &image;
    QCOMPARE(filters.Apply(), ok);
    if (!ok)
        return;
    Magick::Image expected = source;
    if (!geometry.isEmpty())
        expected.scale(Magick::Geometry(geometry.toStdString()));
    QVERIFY(SamePixels(image, expected));
    QCOMPARE(filters.record.numbers[0], values[0]);
    QCOMPARE(filters.record.numbers[1], values[1]);
}

void TestFiltersTransforms::resizeScalesWithoutInterpolation()
{
    Magick::Image image(Magick::Geometry(2, 1), ColorFromRgb(qRgb(0, 0, 0)));
    image.pixelColor(1, 0, ColorFromRgb(qRgb(255, 255, 255)));
    CImageFilters filters;
    filters.record = Record(FilterType::FilterResize, {400, 400, 0, 0, 1, 0});
    filters.target = &image;
    QVERIFY(filters.Apply());
    QCOMPARE(int(image.columns()), 8);
    QCOMPARE(int(image.rows()), 4);
    for (size_t y = 0; y < image.rows(); ++y) {
        for (size_t x = 0; x < image.columns(); ++x) {
            const Magick::Color c = image.pixelColor(x, y);
            const double expected = x < 4 ? 0.0 : QuantumMax();
            QCOMPARE(double(c.redQuantum()), expected);
            QCOMPARE(double(c.blueQuantum()), expected);
        }
    }
}

void TestFiltersTransforms::abortedStepFails_data()
{
    QTest::addColumn<quint32>("code");
    QTest::addColumn<QVector<double>>("values");
    QTest::newRow("resize") << quint32(FilterType::FilterResize) << QVector<double>{50, 50, 0, 0, 1, 0};
    QTest::newRow("rotate") << quint32(FilterType::FilterRotate) << QVector<double>{30, 0};
}

void TestFiltersTransforms::abortedStepFails()
{
    QFETCH(quint32, code);
    QFETCH(QVector<double>, values);
    Magick::Image image = Photo(120, 80);
    image.modifyImage();
    MagickCore::SetImageProgressMonitor(image.image(), StopAtOnce, nullptr);
    CImageFilters filters;
    filters.record = Record(code, values);
    filters.target = &image;
    QVERIFY(!filters.Apply());
}

void TestFiltersTransforms::rotate_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("condition");
    QTest::addColumn<bool>("rotated");
    QTest::newRow("landscape, portraits only") << QSize(400, 300) << 90.0 << 1.0 << false;
    QTest::newRow("portrait, portraits only") << QSize(300, 400) << 90.0 << 1.0 << true;
    QTest::newRow("square, portraits only") << QSize(300, 300) << 90.0 << 1.0 << true;
    QTest::newRow("landscape, landscapes only") << QSize(400, 300) << 90.0 << 2.0 << true;
    QTest::newRow("portrait, landscapes only") << QSize(300, 400) << 90.0 << 2.0 << false;
    QTest::newRow("every photo, 30 degrees") << QSize(400, 300) << 30.0 << 0.0 << true;
    QTest::newRow("every photo, 270 degrees") << QSize(400, 300) << 270.0 << 0.0 << true;
    QTest::newRow("NaN angle turns nothing") << QSize(400, 300) << NaN << 0.0 << false;
}

void TestFiltersTransforms::rotate()
{
    QFETCH(QSize, photo);
    QFETCH(double, angle);
    QFETCH(double, condition);
    QFETCH(bool, rotated);
    const Magick::Image source = Photo(photo.width(), photo.height());
    Magick::Image image = source;
    CImageFilters filters;
    filters.record = Record(FilterType::FilterRotate, {angle, condition});
    filters.target = &image;
    QVERIFY(filters.Apply());
    Magick::Image expected = source;
    if (rotated)
        expected.rotate(angle);
    QVERIFY(SamePixels(image, expected));
}

void TestFiltersTransforms::autoRotateTiff_data()
{
    QTest::addColumn<int>("orientation");
    for (int o = 0; o <= 8; ++o)
        QTest::newRow(qPrintable(QString("orientation %1").arg(o))) << o;
}

void TestFiltersTransforms::autoRotateTiff()
{
    QFETCH(int, orientation);
    // TIFF always stores an orientation; 0 (undefined) is a plain image.
    Magick::Image image = Photo(60, 40);
    if (orientation != 0) {
        const QByteArray tiff = BqTest::OrientedTiff(orientation, 60, 40);
        image.read(Magick::Blob(tiff.constData(), size_t(tiff.size())));
    }
    QCOMPARE(int(image.orientation()), orientation);
    Magick::Image expected = image;
    expected.autoOrient();
    CImageFilters filters;
    filters.record = Record(FilterType::FilterAutoRotate, {});
    filters.target = &image;
    QVERIFY(filters.Apply());
    QVERIFY(SamePixels(image, expected));
    QCOMPARE(image.orientation(), Magick::TopLeftOrientation);
}

void TestFiltersTransforms::autoRotateJpegWritesOrientation1()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Magick::Image photo = Photo(4000, 3000);
    Magick::Blob blob;
    photo.write(&blob, "JPEG");
    const QByteArray jpeg = BqTest::InsertExifOrientation(
        QByteArray(static_cast<const char*>(blob.data()), int(blob.length())), 6);
    QVERIFY(!jpeg.isEmpty());
    QVERIFY(BqTest::InsertExifOrientation("not a jpeg", 6).isEmpty());
    QFile in(dir.filePath("in.jpg"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(jpeg);
    in.close();

    Magick::Image image(dir.filePath("in.jpg").toStdString());
    QCOMPARE(image.orientation(), Magick::RightTopOrientation);
    CImageFilters filters;
    filters.record = Record(FilterType::FilterAutoRotate, {});
    filters.target = &image;
    QVERIFY(filters.Apply());
    QCOMPARE(int(image.columns()), 3000);
    QCOMPARE(int(image.rows()), 4000);
    image.write(dir.filePath("out.jpg").toStdString());
    Magick::Image written;
    written.ping(dir.filePath("out.jpg").toStdString());
    QCOMPARE(written.orientation(), Magick::TopLeftOrientation);
}

void TestFiltersTransforms::orientationStoredUpright_data()
{
    QTest::addColumn<quint32>("filter");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("source"); // jpg: Exif in APP1; psd: in the Photoshop resource block;
                                         // xmp: jpg with XMP's tiff:Orientation too
    for (const char* format : {"png", "tif", "jpg"}) {
        for (int o = 1; o <= 8; ++o)
            QTest::newRow(qPrintable(QString("auto rotate %1 to %2").arg(o).arg(format)))
                << quint32(FilterType::FilterAutoRotate) << o << QString(format) << "jpg";
        QTest::newRow(qPrintable(QString("rotate 6 to %1").arg(format)))
            << quint32(FilterType::FilterRotate) << 6 << QString(format) << "jpg";
        QTest::newRow(qPrintable(QString("auto rotate 6 of a PSD to %1").arg(format)))
            << quint32(FilterType::FilterAutoRotate) << 6 << QString(format) << "psd";
        QTest::newRow(qPrintable(QString("auto rotate 6 with XMP to %1").arg(format)))
            << quint32(FilterType::FilterAutoRotate) << 6 << QString(format) << "xmp";
    }
}

void TestFiltersTransforms::orientationStoredUpright()
{
    QFETCH(quint32, filter);
    QFETCH(int, orientation);
    QFETCH(QString, format);
    QFETCH(QString, source);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Magick::Blob blob;
    Magick::Image photo = Photo(60, 40);
    const std::string xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/"
                            "22-rdf-syntax-ns#'><rdf:Description xmlns:tiff='http://ns.adobe.com/tiff/1.0/'>"
                            "<tiff:Orientation>6</tiff:Orientation></rdf:Description></rdf:RDF></x:xmpmeta>";
    if (source == "xmp") // as exiftool writes it
        photo.profile("xmp", Magick::Blob(xmp.data(), xmp.size()));
    photo.write(&blob, "JPEG");
    const QString in = dir.filePath(source == "psd" ? "in.psd" : "in.jpg");
    QVERIFY(BqTest::WriteFile(in, source == "psd"
                                      ? BqTest::PsdWithExifOrientation(orientation, 60, 40)
                                      : BqTest::InsertExifOrientation(BqTest::BlobBytes(blob), orientation)));

    CImageManager engine;
    QVERIFY(engine.Read(in));
    if (source != "psd")
        QCOMPARE(engine.m_Properties.orientation, orientation);
    QCOMPARE(int(engine.m_Image.orientation()), orientation);
    QVERIFY(engine.ApplyFilter(Record(filter, {90, 0})));
    const QString out = dir.filePath("out." + format);
    QVERIFY(engine.Write(out));
    // Every copy (Exif, the Photoshop block's Exif, the TIFF tag) says so.
    for (const int written : BqTest::OrientationEntries(BqTest::FileBytes(out)))
        QCOMPARE(written, 1);

    CImageManager back;
    QVERIFY(back.Read(out));
    QVERIFY2(back.m_Properties.orientation <= 1, qPrintable(QString::number(back.m_Properties.orientation)));
    QVERIFY(back.m_Image.orientation() <= Magick::TopLeftOrientation);
    if (source == "xmp")
        QVERIFY(CImageManager::ProfileBytes(back.m_Image, "xmp").contains("<tiff:Orientation>1</tiff:Orientation>"));
    // A second Auto Rotate finds nothing to turn.
    const Magick::Image written = back.m_Image;
    QVERIFY(back.ApplyFilter(Record(FilterType::FilterAutoRotate, {})));
    QVERIFY(SamePixels(back.m_Image, written));
}

void TestFiltersTransforms::slotColours_data()
{
    QTest::addColumn<double>("slot");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("sky blue") << 4282568191.0 << QColor(66, 205, 255);
    QTest::newRow("opaque black") << 4278190080.0 << QColor(0, 0, 0);
    QTest::newRow("opaque white") << 4294967295.0 << QColor(255, 255, 255);
    QTest::newRow("alpha byte ignored") << double(0x00ff8000u) << QColor(255, 128, 0);
    QTest::newRow("NaN") << NaN << QColor(0, 0, 0);
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << QColor(0, 0, 0);
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << QColor(0, 0, 0);
    QTest::newRow("2^63") << 9223372036854775808.0 << QColor(0, 0, 0);
    QTest::newRow("1e20") << 1e20 << QColor(0, 0, 0);
    QTest::newRow("-1e20") << -1e20 << QColor(0, 0, 0);
}

void TestFiltersTransforms::slotColours()
{
    QFETCH(double, slot);
    QFETCH(QColor, colour);
    const QRgb rgb = SlotRgb(slot);
    QCOMPARE(QColor(rgb), colour);
    const Magick::Color c = ColorFromRgb(rgb);
    QCOMPARE(int(c.redQuantum()), int(QuantumFrom8(colour.red())));
    QCOMPARE(int(c.greenQuantum()), int(QuantumFrom8(colour.green())));
    QCOMPARE(int(c.blueQuantum()), int(QuantumFrom8(colour.blue())));
    QCOMPARE(int(c.alphaQuantum()), 0); // opacity: opaque
    if (slot == 4282568191.0) {
        QCOMPARE(int(c.redQuantum()), 16962);
        QCOMPARE(int(c.greenQuantum()), 52685);
        QCOMPARE(double(c.blueQuantum()), QuantumMax());
    }
}

void TestFiltersTransforms::slotIntAndNearest_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("slotInt");
    QTest::addColumn<int>("nearest");
    QTest::newRow("NaN") << NaN << 0 << 0;
    QTest::newRow("huge") << 1e12 << 1000000 << 1000000;
    QTest::newRow("huge negative") << -1e12 << -1000000 << -1000000;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 1000000 << 1000000;
    QTest::newRow("half") << 0.5 << 0 << 1;
    QTest::newRow("50.5") << 50.5 << 50 << 51;
    QTest::newRow("just below half") << 50.4999 << 50 << 50;
    QTest::newRow("12.5") << 12.5 << 12 << 13;
    QTest::newRow("whole") << 2.0 << 2 << 2;
    QTest::newRow("negative truncates toward zero") << -2.7 << -2 << -2;
    QTest::newRow("negative half") << -2.5 << -2 << -2;
}

void TestFiltersTransforms::slotIntAndNearest()
{
    QFETCH(double, value);
    QFETCH(int, slotInt);
    QFETCH(int, nearest);
    QCOMPARE(SlotInt(value), slotInt);
    QCOMPARE(Nearest(value), nearest);
}

void TestFiltersTransforms::geometryTextIgnoresLocale()
{
    // The de_DE run checks that the process locale really writes commas.
    if (qgetenv("LC_ALL").startsWith("de_DE")) {
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
        char c[32];
        std::snprintf(c, sizeof c, "%.1f", 1.5);
        QCOMPARE(QByteArray(c), QByteArray("1,5"));
    }
    QCOMPARE(QString::fromStdString(GeometryText("%fx%f", 241.0, 120.5)),
             QString("241.000000x120.500000"));
    QCOMPARE(QString::fromStdString(GeometryText("%dx%d!", 640, 480)), QString("640x480!"));
    QCOMPARE(QString::fromStdString(GeometryText("0x%d", -3)), QString("0x-3"));
    const Magick::Geometry g(GeometryText("%fx%f", 241.0, 120.5));
    QCOMPARE(int(g.width()), 241);
}

void TestFiltersTransforms::conversionsToAndFromQt()
{
    Magick::Image image(Magick::Geometry(3, 1), ColorFromRgb(qRgb(0, 0, 0)));
    image.matte(true);
    image.pixelColor(0, 0, Magick::Color(QuantumFrom8(255), 0, 0, 0));
    image.pixelColor(1, 0, Magick::Color(0, QuantumFrom8(10), QuantumFrom8(200), QuantumFrom8(127)));
    image.pixelColor(2, 0, Magick::Color(0, 0, 0, QuantumFrom8(255)));
    const QImage q = ImageMagickToQt(image);
    QCOMPARE(q.format(), QImage::Format_ARGB32);
    QCOMPARE(q.pixel(0, 0), qRgba(255, 0, 0, 255));
    QCOMPARE(q.pixel(1, 0), qRgba(0, 10, 200, 128));
    QCOMPARE(qAlpha(q.pixel(2, 0)), 0);
    QCOMPARE(ImageMagickToQt(image, QRect(1, 0, 5, 5)).pixel(0, 0), q.pixel(1, 0));
    QVERIFY(ImageMagickToQt(image, QRect(10, 10, 2, 2)).isNull());
    QVERIFY(ImageMagickToQt(Magick::Image()).isNull());

    // An image without an alpha channel comes out opaque.
    const QImage opaque = ImageMagickToQt(Photo(8, 6));
    for (int x = 0; x < opaque.width(); ++x)
        QCOMPARE(qAlpha(opaque.pixel(x, 5)), 255);

    // Back to ImageMagick: every byte survives, alpha included.
    const Magick::Image back = QtToImageMagick(q);
    QVERIFY(back.matte());
    QCOMPARE(ImageMagickToQt(back), q);
    QCOMPARE(double(back.pixelColor(1, 0).alphaQuantum()), double(QuantumFrom8(127)));
    QVERIFY(!QtToImageMagick(QImage()).isValid());
}

void TestFiltersTransforms::resourceRootOverride()
{
    const QString normal = ResourceRoot();
    SetResourceRootOverride("/tmp/elsewhere");
    QCOMPARE(ResourceRoot(), QString("/tmp/elsewhere"));
    SetResourceRootOverride(QString());
    QCOMPARE(ResourceRoot(), normal);
    QVERIFY(normal.endsWith("/Resources"));
}

BQ_TEST_MAIN(TestFiltersTransforms)
#include "tst_filters_transforms.moc"
