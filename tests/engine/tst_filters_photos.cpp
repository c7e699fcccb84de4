// Every filter type with its editor's defaults on a 12-megapixel JPEG, four
// worker threads at once as in a batch run, checked pixel by pixel: against
// ImageMagick's own operation where the filter is one, else area by area
// against the source photo and the colours the filter paints.
//
// With BRANDQUILL_TEST_KEEP set to a folder, the thirteen results are also
// written there as PNG files to be looked at.
#include "BqTestMain.h"
#include "FilterJobs.h"
#include "ImageFilters.h"
#include "MagickRuntime.h"

#include <QDir>
#include <QFontDatabase>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
// An area of the result that must match the same-sized area of the source
// at `from`, or, when `from` is (-1, -1), one colour; a colour with alpha 0
// only asks for full transparency. Within 1 in 8-bit terms.
struct SProbe {
    QRect area;
    QPoint from;
    QRgb colour;
};
using Probes = QVector<SProbe>;

SProbe Same(const QRect& area, const QPoint& from)
{
    return {area, from, 0};
}

SProbe Colour(const QRect& area, QRgb colour)
{
    return {area, QPoint(-1, -1), colour};
}

// A w x h area centred on `centre`.
QRect Around(const QPoint& centre, int w, int h)
{
    return QRect(centre.x() - w / 2, centre.y() - h / 2, w, h);
}

QByteArray Rgba8(const Magick::Image& image, const QRect& area)
{
    QByteArray out(area.width() * area.height() * 4, '\0');
    Magick::Image(image).write(area.x(), area.y(), size_t(area.width()), size_t(area.height()),
                               "RGBA", Magick::CharPixel, out.data());
    return out;
}

// Largest sample difference found by the probe, -1 when none is readable.
int ProbeDistance(const Magick::Image& result, const Magick::Image& source, const SProbe& probe)
{
    const QByteArray got = Rgba8(result, probe.area);
    QByteArray want;
    if (probe.from.x() >= 0)
        want = Rgba8(source, QRect(probe.from, probe.area.size()));
    if (got.isEmpty())
        return -1;
    const uchar colour[4] = {uchar(qRed(probe.colour)), uchar(qGreen(probe.colour)),
                             uchar(qBlue(probe.colour)), uchar(qAlpha(probe.colour))};
    const bool alphaOnly = want.isEmpty() && qAlpha(probe.colour) == 0;
    int worst = 0;
    for (int i = 0; i < got.size(); ++i) {
        if (alphaOnly && i % 4 != 3)
            continue;
        const int expected = want.isEmpty() ? colour[i % 4] : uchar(want.at(i));
        worst = std::max(worst, std::abs(uchar(got.at(i)) - expected));
    }
    return worst;
}

// The area `rect` of `image`, with the page reset.
Magick::Image Cut(const Magick::Image& image, const QRect& rect)
{
    Magick::Image out(image);
    out.crop(Magick::Geometry(size_t(rect.width()), size_t(rect.height()), rect.x(), rect.y()));
    out.page(Magick::Geometry(out.columns(), out.rows(), 0, 0));
    return out;
}

// The source with `after`'s pixels inside `rect`: equal to `after` exactly
// when nothing outside `rect` changed.
bool SameOutside(const Magick::Image& before, const Magick::Image& after, const QRect& rect)
{
    Magick::Image patched(before);
    patched.composite(Cut(after, rect), rect.x(), rect.y(), Magick::CopyCompositeOp);
    return patched.signature(true) == after.signature(true);
}
} // namespace

Q_DECLARE_METATYPE(Probes)

class TestFiltersPhotos : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void filterOnPhoto_data();
    void filterOnPhoto();

private:
    QTemporaryDir m_dir;
    QMap<QString, BqTest::SFilterJob> m_jobs;
    QMap<QString, Magick::Image> m_sources;
    QStringList m_order;
};

void TestFiltersPhotos::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    // Fonts are set up on the GUI thread before any worker paints a mark.
    QVERIFY(!QFontDatabase().families().isEmpty());
    QVERIFY(m_dir.isValid());
    const Magick::Image landscape = BqTest::JpegPhoto(m_dir.filePath("landscape.jpg"), 4000, 3000);
    const Magick::Image portrait = BqTest::JpegPhoto(m_dir.filePath("portrait.jpg"), 3000, 4000);
    const Magick::Image oriented = BqTest::JpegPhoto(m_dir.filePath("oriented.jpg"), 4000, 3000, 6);
    QVERIFY(landscape.isValid() && portrait.isValid() && oriented.isValid());
    QCOMPARE(oriented.orientation(), Magick::RightTopOrientation);

    QVector<BqTest::SFilterJob> jobs;
    for (const SFilterRecord& record : BqTest::DefaultFilterRecords()) {
        BqTest::SFilterJob job;
        job.record = record;
        job.image = record.name == "Grunge Frame" ? portrait
                  : record.name == "Auto Rotate"  ? oriented
                                                  : landscape;
        job.sourcePath = m_dir.filePath("landscape.jpg");
        m_sources.insert(record.name, job.image);
        m_order << record.name;
        jobs << job;
    }
    QCOMPARE(jobs.size(), 13);
    BqTest::RunFilterJobs(jobs, 4);
    for (const BqTest::SFilterJob& job : jobs)
        m_jobs.insert(job.record.name, job);
}

void TestFiltersPhotos::filterOnPhoto_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("reference"); // ImageMagick's own operation, exact
    QTest::addColumn<QRect>("mark");        // only this area may change
    QTest::addColumn<Probes>("probes");
    const QRgb white = qRgb(255, 255, 255);
    const QRgb clear = qRgba(0, 0, 0, 0);

    // The text mark's size as the engine makes it; its place is reckoned
    // here: bottom-centre, 100 px above the edge.
    CImageFilters marks;
    QPixmap text;
    QRect unused;
    marks.UpdateText(text, unused, BqTest::DefaultFilterRecords().at(0), QString(), 4000, 3000,
                     1.0, 0, 0, false);
    const QRect textRect((4000 - text.width()) / 2, 2900 - text.height(), text.width(),
                         text.height());

    QTest::newRow("Text") << "Text" << QSize(4000, 3000) << "" << textRect << Probes{};
    QTest::newRow("Logo") << "Logo" << QSize(4000, 3000) << "" << QRect(3544, 2744, 406, 206)
                          << Probes{};
    QTest::newRow("Shape Frame")
        << "Shape Frame" << QSize(4000, 3000) << "" << QRect()
        << Probes{Colour(QRect(0, 0, 6, 6), white), Colour(QRect(3994, 2994, 6, 6), white),
                  Same(Around({2000, 1500}, 2000, 1500), {1000, 750})};
    QTest::newRow("Grunge Frame")
        << "Grunge Frame" << QSize(3000, 4000) << "" << QRect()
        << Probes{Colour(QRect(0, 0, 6, 6), white), Colour(QRect(2994, 3994, 6, 6), white),
                  Same(Around({1500, 2000}, 1000, 1334), {1000, 1333})};
    QTest::newRow("Picture Frame") << "Picture Frame" << QSize(5555, 3703) << "" << QRect()
                                   << Probes{Same(Around({2777, 1851}, 3600, 2000), {200, 500})};
    QTest::newRow("Vintage Frame") << "Vintage Frame" << QSize(4545, 3030) << "" << QRect()
                                   << Probes{Same(Around({2272, 1515}, 3600, 2000), {200, 500})};
    QTest::newRow("Raise") << "Raise" << QSize(4000, 3000) << "raise 150" << QRect() << Probes{};
    QTest::newRow("Shadow")
        << "Shadow" << QSize(4200, 3200) << "" << QRect()
        << Probes{Same(QRect(0, 0, 4000, 3000), {0, 0}),
                  Colour(QRect(4000, 100, 100, 3000), qRgba(0, 0, 0, 125)),
                  Colour(QRect(100, 3000, 3900, 100), qRgba(0, 0, 0, 125)),
                  Colour(QRect(4000, 0, 200, 100), clear), Colour(QRect(4100, 0, 100, 3200), clear),
                  Colour(QRect(0, 3000, 100, 200), clear), Colour(QRect(0, 3100, 4200, 100), clear)};
    const QRgb border = qRgb(187, 187, 255);
    QTest::newRow("Simple Border")
        << "Simple Border" << QSize(4200, 3200) << "" << QRect()
        << Probes{Same(QRect(100, 100, 4000, 3000), {0, 0}),
                  Colour(QRect(0, 0, 4200, 100), border), Colour(QRect(0, 3100, 4200, 100), border),
                  Colour(QRect(0, 100, 100, 3000), border),
                  Colour(QRect(4100, 100, 100, 3000), border)};
    QTest::newRow("Auto Rotate") << "Auto Rotate" << QSize(3000, 4000) << "autoOrient" << QRect()
                                 << Probes{};
    QTest::newRow("Crop") << "Crop" << QSize(2800, 2100) << "crop 2800x2100+600+450" << QRect()
                          << Probes{};
    QTest::newRow("Resize") << "Resize" << QSize(1600, 1200) << "scale 1600x1200" << QRect()
                            << Probes{};
    QTest::newRow("Rotate") << "Rotate" << QSize(3000, 4000) << "rotate 90" << QRect()
                            << Probes{};
}

void TestFiltersPhotos::filterOnPhoto()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QString, reference);
    QFETCH(QRect, mark);
    QFETCH(Probes, probes);
    QVERIFY(m_jobs.contains(name));
    // Taken out, so that each result is freed once checked.
    const BqTest::SFilterJob job = m_jobs.take(name);
    const Magick::Image& result = job.image;
    const Magick::Image& source = m_sources[name];
    QVERIFY(job.applied);
    QCOMPARE(QSize(int(result.columns()), int(result.rows())), size);

    const QString keep = qEnvironmentVariable("BRANDQUILL_TEST_KEEP");
    if (!keep.isEmpty() && QDir().mkpath(keep)) {
        Magick::Image copy(result);
        copy.depth(8);
        const QString file =
            QString("%1 %2.png").arg(m_order.indexOf(name) + 1, 2, 10, QChar('0')).arg(name);
        copy.write(QDir(keep).filePath(file).toStdString());
    }

    if (!reference.isEmpty()) {
        Magick::Image expected(source);
        const QStringList op = reference.split(' ');
        if (op[0] == "raise")
            expected.raise(Magick::Geometry(op[1].toULong(), op[1].toULong()), true);
        else if (op[0] == "autoOrient")
            expected.autoOrient();
        if (op[0] == "autoOrient")
            QCOMPARE(int(result.orientation()), int(Magick::TopLeftOrientation));
        else if (op[0] == "crop")
            expected = Cut(source, QRect(600, 450, 2800, 2100));
        else if (op[0] == "scale")
            expected.scale(Magick::Geometry(op[1].toStdString()));
        else if (op[0] == "rotate")
            expected.rotate(op[1].toDouble());
        QCOMPARE(QSize(int(expected.columns()), int(expected.rows())), size);
        QVERIFY(result.signature(true) == expected.signature(true));
    }
    if (!mark.isNull()) {
        QVERIFY(QRect(0, 0, size.width(), size.height()).contains(mark));
        QVERIFY2(SameOutside(source, result, mark), "pixels changed outside the mark");
        QVERIFY2(Cut(source, mark).signature(true) != Cut(result, mark).signature(true),
                 "nothing drawn inside the mark");
    }
    for (const SProbe& probe : probes) {
        const int distance = ProbeDistance(result, source, probe);
        QVERIFY2(distance >= 0 && distance <= 1,
                 qPrintable(QString("area %1,%2 %3x%4 is off by %5")
                                .arg(probe.area.x()).arg(probe.area.y())
                                .arg(probe.area.width()).arg(probe.area.height()).arg(distance)));
    }
}

BQ_TEST_MAIN(TestFiltersPhotos)
#include "tst_filters_photos.moc"
