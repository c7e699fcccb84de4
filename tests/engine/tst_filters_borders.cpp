// Raise, shadow and simple border, compared with ImageMagick's own
// operations where the filter is one. Also run under de_DE.UTF-8, where a
// locale-formatted geometry would lose its fractions.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ImageFilters.h"
#include "MagickQt.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "Quantum.h"

#include <clocale>
#include <limits>

Q_DECLARE_METATYPE(QVector<double>)
Q_DECLARE_METATYPE(QVector<quint32>)

namespace
{
using BqTest::Pixel;
using BqTest::Record;
using BqTest::StopAtOnce;

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double ShadowBlue = 4280171720.0; // 0xFF1E3CC8: (30, 60, 200)
const double Lilac = 4290493439.0;      // 0xFFBBBBFF: (187, 187, 255)

QSize Size(const Magick::Image& image)
{
    return QSize(static_cast<int>(image.columns()), static_cast<int>(image.rows()));
}

bool Apply(Magick::Image& image, quint32 type, const QVector<double>& values)
{
    CImageFilters filters;
    filters.record = Record(type, values);
    filters.target = &image;
    return filters.Apply();
}
} // namespace

class TestFiltersBorders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void raise_data();
    void raise();
    void shadow_data();
    void shadow();
    void shadowColourStaysForRotate();
    void shadowFailureLeavesStepOne();
    void simpleBorder_data();
    void simpleBorder();
};

void TestFiltersBorders::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    // The de_DE run must really write decimal commas, or it proves nothing.
    if (qgetenv("LC_ALL").startsWith("de_DE"))
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
}

void TestFiltersBorders::raise_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<int>("bevel"); // 0: unchanged
    QTest::addColumn<bool>("raised");
    QTest::newRow("border 40, raise") << QVector<double>{40, 1} << 60 << true;
    QTest::newRow("border 99") << QVector<double>{99, 1} << 148 << true;
    QTest::newRow("border 40, lower") << QVector<double>{40, 0} << 60 << false;
    QTest::newRow("border 0") << QVector<double>{0, 1} << 0 << true;
    QTest::newRow("negative border") << QVector<double>{-50, 1} << 0 << true;
    QTest::newRow("NaN border") << QVector<double>{NaN, 1} << 0 << true;
}

void TestFiltersBorders::raise()
{
    QFETCH(QVector<double>, values);
    QFETCH(int, bevel);
    QFETCH(bool, raised);
    const Magick::Image source = BqTest::MakePhoto(1000, 600);
    Magick::Image expected = source;
    if (bevel > 0)
        expected.raise(Magick::Geometry(static_cast<size_t>(bevel), static_cast<size_t>(bevel)), raised);
    Magick::Image image = source;
    QVERIFY(Apply(image, 2010, values));
    QCOMPARE(image.signature(true), expected.signature(true));
}

void TestFiltersBorders::shadow_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPolygon>("probes");
    QTest::addColumn<QVector<quint32>>("expected"); // ARGB; 1: the source pixel
    QTest::addColumn<int>("opacity");               // 16-bit opacity at the first probe; -1 none
    const quint32 Source = 1;
    const quint32 Clear = 0;
    QTest::newRow("size 10, transparency 0")
        << QVector<double>{0, 10, ShadowBlue, 0} << QSize(440, 340)
        << QPolygon(QVector<QPoint>{{410, 25}, {410, 10}, {430, 100}, {100, 100}, {25, 310}})
        << QVector<quint32>{0xfc1e3cc8u, Clear, Clear, Source, 0xfc1e3cc8u} << 655;
    QTest::newRow("transparency 99") << QVector<double>{99, 10, ShadowBlue, 0} << QSize(440, 340)
                                     << QPolygon(QVector<QPoint>{{410, 25}}) << QVector<quint32>{Clear} << -1;
    QTest::newRow("white background") << QVector<double>{0, 10, ShadowBlue, 1} << QSize(440, 340)
                                      << QPolygon(QVector<QPoint>{{430, 100}, {410, 10}, {100, 100}})
                                      << QVector<quint32>{0xffffffffu, 0xffffffffu, Source} << -1;
    QTest::newRow("size 0") << QVector<double>{0, 0, ShadowBlue, 0} << QSize(400, 300)
                            << QPolygon(QVector<QPoint>{{0, 0}, {399, 299}}) << QVector<quint32>{Source, Source} << -1;
    QTest::newRow("negative size") << QVector<double>{0, -5, ShadowBlue, 0} << QSize(400, 300)
                                   << QPolygon(QVector<QPoint>{{399, 299}}) << QVector<quint32>{Source} << -1;
}

void TestFiltersBorders::shadow()
{
    QFETCH(QVector<double>, values);
    QFETCH(QSize, size);
    QFETCH(QPolygon, probes);
    QFETCH(QVector<quint32>, expected);
    QFETCH(int, opacity);
    const Magick::Image source = BqTest::MakePhoto(400, 300);
    Magick::Image image = source;
    QVERIFY(Apply(image, 2020, values));
    QCOMPARE(Size(image), size);
    const Magick::Geometry page = image.page();
    QCOMPARE(QRect(int(page.xOff()), int(page.yOff()), int(page.width()), int(page.height())),
             QRect(QPoint(0, 0), size));
    for (int i = 0; i < probes.size(); ++i) {
        const QPoint p = probes[i];
        const QRgb got = Pixel(image, p.x(), p.y());
        const QRgb want = expected[i] == 1 ? Pixel(source, p.x(), p.y()) : expected[i];
        if (qAlpha(want) == 0)
            QCOMPARE(qAlpha(got), 0);
        else
            QVERIFY2(got == want,
                     qPrintable(
                         QString("(%1, %2): %3 instead of %4").arg(p.x()).arg(p.y()).arg(got, 8, 16).arg(want, 8, 16)));
    }
    if (opacity >= 0)
        // Magick++ 6 calls the opacity sample "alphaQuantum".
        QCOMPARE(int(image.pixelColor(probes[0].x(), probes[0].y()).alphaQuantum()),
                 qRound(opacity * QuantumMax() / 65535));
}

void TestFiltersBorders::shadowColourStaysForRotate()
{
    Magick::Image image = BqTest::MakePhoto(400, 300);
    QVERIFY(Apply(image, 2020, {0, 10, ShadowBlue, 0}));
    QVERIFY(Apply(image, 5070, {30, 0}));
    QCOMPARE(Pixel(image, 0, 0), qRgb(30, 60, 200));
    QCOMPARE(Pixel(image, int(image.columns()) - 1, int(image.rows()) - 1), qRgb(30, 60, 200));
}

void TestFiltersBorders::shadowFailureLeavesStepOne()
{
    const Magick::Image source = BqTest::MakePhoto(400, 300);
    Magick::Image image = source;
    image.modifyImage();
    MagickCore::SetImageProgressMonitor(image.image(), StopAtOnce, nullptr);
    QVERIFY(!Apply(image, 2020, {0, 10, ShadowBlue, 0}));
    // The alpha channel and the background colour are in; nothing else.
    QCOMPARE(Size(image), QSize(400, 300));
    QVERIFY(image.matte());
    QCOMPARE(image.backgroundColor(), ColorFromRgb(qRgb(30, 60, 200)));
    QCOMPARE(ImageMagickToQt(image), ImageMagickToQt(source));
}

void TestFiltersBorders::simpleBorder_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("origin"); // where the photo lies; (-1, -1): as Magick++ border(25x25)
    QTest::addColumn<bool>("holed");    // the photo has a fully transparent pixel
    QTest::newRow("10 %, uniform") << QVector<double>{10, 0, 0, 0, 1, Lilac, 1} << QSize(240, 120) << QPoint(20, 10)
                                   << false;
    QTest::newRow("10.25 %, uniform") << QVector<double>{10.25, 0, 0, 0, 1, Lilac, 1} << QSize(241, 121)
                                      << QPoint(20, 10) << false;
    QTest::newRow("pixels per side") << QVector<double>{5, 7, 3, 9, 0, Lilac, 0} << QSize(212, 112) << QPoint(3, 5)
                                     << false;
    QTest::newRow("percent per side") << QVector<double>{10, 0, 5, 0, 1, Lilac, 0} << QSize(210, 110) << QPoint(10, 10)
                                      << false;
    QTest::newRow("25 px equals border()")
        << QVector<double>{25, 0, 0, 0, 0, Lilac, 1} << QSize(250, 150) << QPoint(-1, -1) << false;
    QTest::newRow("zero fills transparency")
        << QVector<double>{0, 9, 9, 9, 0, Lilac, 1} << QSize(200, 100) << QPoint(0, 0) << true;
    QTest::newRow("negative widths") << QVector<double>{-50, -50, -50, -50, 0, Lilac, 0} << QSize(200, 100)
                                     << QPoint(0, 0) << false;
    QTest::newRow("NaN width") << QVector<double>{NaN, 0, 0, 0, 0, Lilac, 1} << QSize(200, 100) << QPoint(0, 0)
                               << false;
}

void TestFiltersBorders::simpleBorder()
{
    QFETCH(QVector<double>, values);
    QFETCH(QSize, size);
    QFETCH(QPoint, origin);
    QFETCH(bool, holed);
    QImage photo = ImageMagickToQt(BqTest::MakePhoto(200, 100));
    if (holed)
        photo.setPixel(50, 40, 0);
    Magick::Image image = QtToImageMagick(photo);
    // Reference: ImageMagick's border, or the photo laid over the colour.
    Magick::Image expected = image;
    if (origin.x() < 0) {
        expected.borderColor(ColorFromRgb(qRgb(187, 187, 255)));
        expected.border(Magick::Geometry(25, 25));
    } else {
        expected = Magick::Image(Magick::Geometry(size.width(), size.height()), ColorFromRgb(qRgb(187, 187, 255)));
        expected.composite(image, origin.x(), origin.y(), Magick::OverCompositeOp);
    }
    QVERIFY(Apply(image, 2030, values));
    QCOMPARE(Size(image), size);
    QCOMPARE(ImageMagickToQt(image), ImageMagickToQt(expected));
}

BQ_TEST_MAIN(TestFiltersBorders)
#include "tst_filters_borders.moc"
