// The crop and resize areas of the preview: rectangles in shown pixels, a
// resize box that is the size the batch really makes, and a record that a
// preview does not change in any way that alters the batch.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "FilterTypes.h"
#include "ImageFilters.h"
#include "MagickRuntime.h"

#include <QGuiApplication>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(QVector<double>)

namespace {
using BqTest::Record;

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Zoom = 0.2;

QVector<double> Slots(const SFilterRecord& r)
{
    return QVector<double>(r.numbers, r.numbers + r.numberCount);
}

// A flat photo: the areas depend on sizes only, and scaling it is quick.
Magick::Image Photo(const QSize& size)
{
    Magick::Image photo(Magick::Geometry(size_t(size.width()), size_t(size.height())),
                        Magick::Color("gray50"));
    photo.type(Magick::TrueColorType);
    return photo;
}

// What the batch makes of `photo` with `record`: the size of the result.
QSize BatchSize(const Magick::Image& photo, const SFilterRecord& record)
{
    Magick::Image copy(photo);
    CImageFilters filters;
    filters.record = record;
    filters.target = &copy;
    if (!filters.Apply())
        return QSize();
    return QSize(int(copy.columns()), int(copy.rows()));
}
} // namespace

class TestFiltersAreas : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cropArea_data();
    void cropArea();
    void resizeBoxIsTheBatchSize_data();
    void resizeBoxIsTheBatchSize();
    void resizeRecordAndPreview_data();
    void resizeRecordAndPreview();

private:
    QMap<QPair<int, int>, Magick::Image> m_photos;
    const Magick::Image& CachedPhoto(const QSize& size);
};

const Magick::Image& TestFiltersAreas::CachedPhoto(const QSize& size)
{
    const auto key = qMakePair(size.width(), size.height());
    if (!m_photos.contains(key))
        m_photos.insert(key, Photo(size));
    return m_photos[key];
}

void TestFiltersAreas::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    // The scaled run must really run at that ratio to prove anything.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
}

void TestFiltersAreas::cropArea_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("expected");
    const QVector<double> percent{10, 10, 50, 50, 1};
    const QVector<double> pixels{100, 50, 1000, 500, 0};
    QTest::newRow("percent, zoom 0.25") << percent << QSize(400, 300) << 0.25
                                        << QRect(40, 30, 200, 150);
    QTest::newRow("percent, zoom 1") << percent << QSize(400, 300) << 1.0
                                     << QRect(40, 30, 200, 150);
    QTest::newRow("pixels, zoom 0.25: 12.5 rounds up")
        << pixels << QSize(1000, 750) << 0.25 << QRect(25, 13, 250, 125);
    QTest::newRow("pixels, zoom 1") << pixels << QSize(4000, 3000) << 1.0
                                    << QRect(100, 50, 1000, 500);
    QTest::newRow("pixels, sizes truncate")
        << QVector<double>{3, 3, 9, 7, 0} << QSize(100, 100) << 0.5 << QRect(2, 2, 4, 3);
    QTest::newRow("size 0 reaches the shown edge")
        << QVector<double>{100, 50, 0, 0, 0} << QSize(1000, 750) << 0.25 << QRect(25, 13, 975, 737);
    QTest::newRow("negative edges and sizes reach the edges, as in the batch")
        << QVector<double>{-100, -100, -50, 0, 0} << QSize(400, 300) << 1.0 << QRect(0, 0, 400, 300);
    QTest::newRow("zero shown size") << percent << QSize(0, 0) << 0.25 << QRect();
    QTest::newRow("zero shown height") << pixels << QSize(400, 0) << 0.25 << QRect();
    QTest::newRow("zero zoom") << pixels << QSize(400, 300) << 0.0 << QRect();
    QTest::newRow("NaN zoom") << pixels << QSize(400, 300) << NaN << QRect();
    QTest::newRow("NaN slots") << QVector<double>{NaN, NaN, NaN, NaN, NaN} << QSize(400, 300)
                               << 1.0 << QRect(0, 0, 0, 0);
    QTest::newRow("huge slots are clamped")
        << QVector<double>{1e300, 0, 1e300, 10, 0} << QSize(400, 300) << 1.0
        << QRect(1000000, 0, 1000000, 10);
}

void TestFiltersAreas::cropArea()
{
    QFETCH(QVector<double>, values);
    QFETCH(QSize, shown);
    QFETCH(double, zoom);
    QFETCH(QRect, expected);
    CImageFilters filters;
    QRect rect(1, 2, 3, 4);
    filters.UpdateCropArea(rect, Record(FilterType::FilterCrop, values), shown.width(),
                           shown.height(), zoom);
    QCOMPARE(rect, expected);
}

void TestFiltersAreas::resizeBoxIsTheBatchSize_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QVector<double>>("values");
    const QVector<QVector<double>> sizes{{1200, 900, 0}, {5000, 5000, 0}, {50, 80, 1}, {150, 150, 1}};
    for (const QSize& photo : {QSize(3000, 4000), QSize(4000, 3000)}) {
        for (const QVector<double>& size : sizes) {
            for (int mode = 0; mode < 4; ++mode) {
                for (int keep = 0; keep < 2; ++keep) {
                    for (int noEnlarge = 0; noEnlarge < 2; ++noEnlarge) {
                        const QString name =
                            QString("%1x%2 %3x%4%5 mode %6 keep %7 no-enlarge %8")
                                .arg(photo.width()).arg(photo.height()).arg(size[0])
                                .arg(size[1]).arg(size[2] == 1 ? "%" : "px").arg(mode)
                                .arg(keep).arg(noEnlarge);
                        QTest::newRow(qPrintable(name))
                            << photo
                            << QVector<double>{size[0], size[1], double(keep), double(mode),
                                               size[2], double(noEnlarge)};
                    }
                }
            }
        }
    }
    QTest::newRow("0 x 0 leaves the photo whole") << QSize(3000, 4000)
                                                  << QVector<double>{0, 0, 0, 0, 0, 0};
    QTest::newRow("0 x 0 keeping aspect") << QSize(3000, 4000)
                                          << QVector<double>{0, 0, 1, 0, 0, 0};
    QTest::newRow("mode 7 is skipped") << QSize(4000, 3000)
                                       << QVector<double>{800, 600, 1, 7, 0, 0};
    QTest::newRow("negative sizes") << QSize(4000, 3000)
                                    << QVector<double>{-1200, -900, 0, 0, 0, 0};
}

void TestFiltersAreas::resizeBoxIsTheBatchSize()
{
    // Nothing in the grid depends on the screen but the device pixels,
    // which the record table checks in every run.
    if (qApp->devicePixelRatio() != 1.0)
        QSKIP("the grid runs at device pixel ratio 1");
    QFETCH(QSize, photo);
    QFETCH(QVector<double>, values);
    Magick::Image source = CachedPhoto(photo);
    const SFilterRecord before = Record(FilterType::FilterResize, values);
    const QSize batch = BatchSize(source, before);
    QVERIFY(batch.isValid());

    const int shownWidth = qRound(photo.width() * Zoom);
    const int shownHeight = qRound(photo.height() * Zoom);
    Magick::Image shown = CachedPhoto(QSize(shownWidth, shownHeight));
    SFilterRecord record = before;
    QRect rect;
    CImageFilters filters;
    filters.UpdateResizeArea(source, shown, rect, record, shownWidth, shownHeight, Zoom);

    QVERIFY2(std::abs(rect.width() - batch.width() * Zoom) <= 1.0,
             qPrintable(QString("box %1 for %2").arg(rect.width()).arg(batch.width())));
    QVERIFY2(std::abs(rect.height() - batch.height() * Zoom) <= 1.0,
             qPrintable(QString("box %1 for %2").arg(rect.height()).arg(batch.height())));
    // Centred on the shown image, or at its edge when larger.
    QCOMPARE(rect.x(), std::max(0, (shownWidth - rect.width() + 1) / 2));
    QCOMPARE(rect.y(), std::max(0, (shownHeight - rect.height() + 1) / 2));
    QCOMPARE(QSize(int(shown.columns()), int(shown.rows())), rect.size());
    // A preview must not change what the batch makes of this photo.
    QCOMPARE(Slots(record).mid(2), Slots(before).mid(2));
    if (Slots(record) != Slots(before))
        QCOMPARE(BatchSize(source, record), batch);
}

void TestFiltersAreas::resizeRecordAndPreview_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QPointF>("written"); // slots 0 and 1 afterwards
    // 3000 x 4000 at zoom 0.2 is shown 600 x 800.
    const QSize photo(3000, 4000);
    QTest::newRow("mode 1 keeps the fixed width")
        << QVector<double>{1200, 900, 1, 1, 0, 0} << photo << Zoom << QRect(180, 240, 240, 320)
        << QPointF(1200, 1600);
    QTest::newRow("mode 2 keeps the fixed height")
        << QVector<double>{1200, 900, 1, 2, 0, 0} << photo << Zoom << QRect(233, 310, 135, 180)
        << QPointF(675, 900);
    QTest::newRow("mode 0 keeping aspect takes the result")
        << QVector<double>{1200, 900, 1, 0, 0, 0} << photo << Zoom << QRect(210, 280, 180, 240)
        << QPointF(900, 1200);
    QTest::newRow("mode 0 keeping aspect, long side exact") << QVector<double>{640, 640, 1, 0, 0, 0} << QSize(384, 191)
                                                            << Zoom << QRect(236, 368, 128, 64) << QPointF(640, 318);
    QTest::newRow("mode 0 exact size stays")
        << QVector<double>{1200, 900, 0, 0, 0, 0} << photo << Zoom << QRect(180, 310, 240, 180)
        << QPointF(1200, 900);
    QTest::newRow("mode 3 fits and stays")
        << QVector<double>{1200, 900, 1, 3, 0, 0} << photo << Zoom << QRect(233, 310, 135, 180)
        << QPointF(1200, 900);
    QTest::newRow("percent stays") << QVector<double>{50, 80, 1, 0, 1, 0} << photo << Zoom
                                   << QRect(150, 200, 300, 400) << QPointF(50, 80);
    QTest::newRow("skipped by do-not-enlarge stays")
        << QVector<double>{5000, 5000, 1, 0, 0, 1} << photo << Zoom << QRect(0, 0, 600, 800)
        << QPointF(5000, 5000);
    QTest::newRow("larger than the shown image")
        << QVector<double>{6000, 0, 1, 1, 0, 0} << photo << Zoom << QRect(0, 0, 1200, 1600)
        << QPointF(6000, 8000);
    // No area: an empty box, and the record as it was.
    const QVector<double> keep{1200, 900, 1, 0, 0, 0};
    QTest::newRow("empty photo") << keep << QSize() << Zoom << QRect() << QPointF(1200, 900);
    QTest::newRow("zero zoom") << keep << photo << 0.0 << QRect() << QPointF(1200, 900);
    QTest::newRow("NaN zoom") << keep << photo << NaN << QRect() << QPointF(1200, 900);
    QTest::newRow("beyond the library's limits")
        << QVector<double>{1e12, 1e12, 1, 0, 0, 0} << photo << Zoom << QRect()
        << QPointF(1e12, 1e12);
}

void TestFiltersAreas::resizeRecordAndPreview()
{
    QFETCH(QVector<double>, values);
    QFETCH(QSize, photo);
    QFETCH(double, zoom);
    QFETCH(QRect, box);
    QFETCH(QPointF, written);
    Magick::Image source = photo.isEmpty() ? Magick::Image() : CachedPhoto(photo);
    Magick::Image shown = CachedPhoto(QSize(600, 800));
    SFilterRecord record = Record(FilterType::FilterResize, values);
    QRect rect(1, 2, 3, 4);
    CImageFilters filters;
    filters.UpdateResizeArea(source, shown, rect, record, 600, 800, zoom);
    QCOMPARE(rect, box);
    QCOMPARE(QPointF(record.numbers[0], record.numbers[1]), written);
    // The preview image is made in device pixels; the box is logical. With
    // no box the shown image stays as it was.
    const QSize pixels = box.isNull() ? QSize(600, 800) : box.size() * qApp->devicePixelRatio();
    QCOMPARE(QSize(int(shown.columns()), int(shown.rows())), pixels);

    // A shown size of 0 gives no box either, and changes nothing.
    SFilterRecord again = Record(FilterType::FilterResize, values);
    filters.UpdateResizeArea(source, shown, rect, again, 0, 0, zoom);
    QCOMPARE(rect, QRect());
    QCOMPARE(Slots(again), values);
}

BQ_TEST_MAIN(TestFiltersAreas)
#include "tst_filters_areas.moc"
