// Text and logo marks and their effects, seen from outside: sizes, pixels and
// places, the same whatever the screen's DPI and scale.
#include "BqTestMain.h"
#include "FilterTypes.h"
#include "ImageFilters.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "ResourceRoot.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

using Patch = QMap<int, double>;

namespace {
SFilterRecord Record(quint32 id, const QVector<double>& values, const QStringList& strings,
                     const Patch& patch)
{
    SFilterRecord r;
    r.id = id;
    for (double v : values)
        r.AddNumber(v);
    for (const QString& s : strings)
        r.AddString(s);
    for (auto it = patch.begin(); it != patch.end(); ++it)
        r.numbers[it.key()] = it.value();
    return r;
}

// The editors' defaults, changed by `patch`.
SFilterRecord TextRecord(const QString& text, const Patch& patch = {},
                         const QString& family = "Arial-Regular")
{
    return Record(FilterType::FilterText,
                  {1, 7, 0, 100, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, 4282568191, 0, 20, 0, 1,
                   4278190080, 10, 1, 0, 4294967295, 0, 10, 1, 4278190080, 50, 15, 315, 5},
                  {text, family, QString()}, patch);
}

SFilterRecord LogoRecord(const QString& path, const Patch& patch = {})
{
    return Record(FilterType::FilterLogo,
                  {8, 50, 50, 0, 0, 0, 100, 0, 15, 0, 0, 4278190080, 10, 1, 1, 4278190080, 50, 15,
                   315, 5},
                  {path}, patch);
}

// 50-px Liberation Sans without stroke or shadow: the mark is the text block.
SFilterRecord PlainText(const QString& text, Patch patch = {},
                        const QString& family = "Liberation Sans")
{
    patch.insert(9, 20);
    patch.insert(18, patch.value(18, 0));
    patch.insert(26, patch.value(26, 0));
    return TextRecord(text, patch, family);
}

// A w x h logo, transparent but for the given opaque rectangles.
QString WriteLogo(const QString& path, int w, int h, const QVector<QRect>& solid,
                  QColor colour = Qt::white)
{
    QImage logo(w, h, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    for (const QRect& r : solid)
        painter.fillRect(r, colour);
    painter.end();
    logo.save(path, "PNG");
    return path;
}

QByteArray Pixels8(const Magick::Image& image, int x, int y, int w, int h)
{
    QByteArray out(w * h * 4, '\0');
    Magick::Image(image).write(x, y, size_t(w), size_t(h), "RGBA", Magick::CharPixel, out.data());
    return out;
}

// True when `after` equals `before` everywhere outside `rect`.
bool SameOutside(const Magick::Image& before, const Magick::Image& after, const QRect& rect)
{
    Magick::Image patched(before);
    Magick::Image inside(after);
    inside.crop(Magick::Geometry(size_t(rect.width()), size_t(rect.height()), rect.x(), rect.y()));
    patched.composite(inside, rect.x(), rect.y(), Magick::CopyCompositeOp);
    return patched.signature(true) == after.signature(true);
}
} // namespace

class TestFiltersMarks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void alphaBytes_data();
    void alphaBytes();
    void blur_data();
    void blur();
    void shadow_data();
    void shadow();
    void resizingEffects_data();
    void resizingEffects();
    void textLayout_data();
    void textLayout();
    void fonts();
    void screenFontGrowth_data();
    void screenFontGrowth();
    void tiling_data();
    void tiling();
    void logo();
    void badInput_data();
    void badInput();

private:
    QTemporaryDir m_dir;
};

void TestFiltersMarks::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    QVERIFY(!QFontDatabase().families().isEmpty());
    // The scaled run must really run at that ratio to prove anything.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    QVERIFY(m_dir.isValid());
    WriteLogo(m_dir.filePath("logo.png"), 400, 200, {QRect(0, 0, 400, 200)});
}

void TestFiltersMarks::alphaBytes_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("alpha");
    QTest::newRow("text 0") << "fill" << 0 << 255;
    QTest::newRow("text 33") << "fill" << 33 << 171;
    QTest::newRow("text stroke 33") << "stroke" << 33 << 171;
    QTest::newRow("box 33") << "box" << 33 << 171;
    QTest::newRow("logo stroke 33") << "logoStroke" << 33 << 170;
}

void TestFiltersMarks::alphaBytes()
{
    QFETCH(QString, part);
    QFETCH(int, percent);
    QFETCH(int, alpha);
    CImageFilters filters;
    QImage canvas(4, 4, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QSize shift;
    if (part == "logoStroke") {
        const QImage framed = filters.StrokeImage(true, &canvas, 1, Qt::red, percent, shift);
        QCOMPARE(framed.pixel(0, 0), qRgba(255, 0, 0, alpha));
        return;
    }
    QPainter painter(&canvas);
    filters.DrawBox(part == "box", &painter, &canvas, Qt::blue, percent);
    QCOMPARE(canvas.pixel(2, 2), part == "box" ? qRgba(0, 0, 255, alpha) : 0u);
    filters.SetupTextColor(&painter, Qt::red, false, QString(), percent, part == "stroke",
                           Qt::green, percent, 2, 0);
    if (part != "box")
        QCOMPARE(part == "fill" ? painter.brush().color().alpha() : painter.pen().color().alpha(),
                 alpha);
}

void TestFiltersMarks::blur_data()
{
    // Transparent then opaque white; along the row, one pass each way: weight
    // 1 leaves alphas 14 and 15, weight 2 leaves 27 and 31.
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("radius 0 changes nothing") << 0 << 0 << 255;
    QTest::newRow("negative radius changes nothing") << -4 << 0 << 255;
    QTest::newRow("radius 17: weight 2") << 17 << 27 << 31;
    QTest::newRow("radius 18 (slot 11): weight 1") << 18 << 14 << 15;
    QTest::newRow("radius 500: weight 1") << 500 << 14 << 15;
}

void TestFiltersMarks::blur()
{
    QFETCH(int, radius);
    QFETCH(int, left);
    QFETCH(int, right);
    CImageFilters filters;
    QImage edge(2, 1, QImage::Format_ARGB32_Premultiplied);
    edge.setPixel(0, 0, 0);
    edge.setPixel(1, 0, 0xffffffffu);
    QSize shift(-1, -1);
    const QImage blurred = filters.BlurImage(edge, radius, shift, false);
    QCOMPARE(shift, QSize(0, 0));
    QCOMPARE(QPoint(qAlpha(blurred.pixel(0, 0)), qAlpha(blurred.pixel(1, 0))), QPoint(left, right));
    QCOMPARE(edge.pixel(1, 0), 0xffffffffu);
    // Alpha only: the colour bytes stay as they were.
    const QImage alphaOnly = filters.BlurImage(edge, radius, shift, true);
    QCOMPARE(alphaOnly.pixel(1, 0), qRgba(255, 255, 255, right));
    if (radius == 18) { // the text's blur slot v blurs the mark with radius trunc(v x 18 / 11)
        QPixmap sharp, soft;
        QRect rect;
        filters.UpdateText(sharp, rect, PlainText("Blur"), "", 500, 500, 1.0, 0, 0, false);
        for (const QPoint& slot : {QPoint(11, 18), QPoint(3, 4)}) {
            filters.UpdateText(soft, rect, PlainText("Blur", {{17, slot.x()}}), "", 500, 500, 1.0,
                               0, 0, false);
            QCOMPARE(soft.toImage(), filters.BlurImage(sharp.toImage(), slot.y(), shift, false));
        }
    }
}

void TestFiltersMarks::shadow_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("0: below, one pixel short") << 0 << QPoint(0, 19);
    QTest::newRow("90: left") << 90 << QPoint(-20, 0);
    QTest::newRow("180: above") << 180 << QPoint(0, -20);
    QTest::newRow("270: right") << 270 << QPoint(20, 0);
    QTest::newRow("315: right and below") << 315 << QPoint(14, 14);
}

void TestFiltersMarks::shadow()
{
    QFETCH(int, angle);
    QFETCH(QPoint, offset);
    CImageFilters filters;
    QPoint p;
    filters.CalculateShadowPosition(p.rx(), p.ry(), 20, angle);
    QCOMPARE(p, offset);
    // Distance 50 % of reference 40 is 20 px too: the image grows by the
    // offset, with the mark opposite its shadow.
    QImage mark(10, 10, QImage::Format_ARGB32);
    mark.fill(Qt::white);
    QSize shift;
    const QImage shadowed = filters.ShadowImage(true, &mark, Qt::blue, 0, 50, 40, angle, 0, shift);
    QCOMPARE(shadowed.size(), QSize(10 + qAbs(offset.x()), 10 + qAbs(offset.y())));
    QCOMPARE(shift, QSize(qMax(0, -offset.x()), qMax(0, -offset.y())));
    QCOMPARE(shadowed.pixel(shift.width(), shift.height()), 0xffffffffu);
    QCOMPARE(shadowed.pixel(offset.x() > 0 ? shadowed.width() - 1 : 0,
                            offset.y() > 0 ? shadowed.height() - 1 : 0),
             qRgb(0, 0, 255));
}

void TestFiltersMarks::resizingEffects_data()
{
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("value");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("shift");
    QTest::newRow("stroke 3") << "stroke" << 3 << QSize(206, 106) << QSize(3, 3);
    QTest::newRow("stroke alpha 100") << "hidden" << 3 << QSize(200, 100) << QSize(-1, -1);
    QTest::newRow("stroke -5") << "stroke" << -5 << QSize(200, 100) << QSize(0, 0);
    QTest::newRow("stroke beyond limits") << "stroke" << 40000 << QSize(0, 0) << QSize(-1, -1);
    QTest::newRow("scale 50") << "scale" << 50 << QSize(100, 50) << QSize(50, 25);
    QTest::newRow("scale 0") << "scale" << 0 << QSize(0, 0) << QSize(100, 50);
    QTest::newRow("rotate 90") << "rotate" << 90 << QSize(100, 200) << QSize(50, -50);
}

void TestFiltersMarks::resizingEffects()
{
    QFETCH(QString, effect);
    QFETCH(int, value);
    QFETCH(QSize, size);
    QFETCH(QSize, shift);
    CImageFilters filters;
    QImage image(200, 100, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QSize moved(-1, -1);
    const QImage out = effect == "scale" ? filters.ScaleImage(&image, value, moved)
        : effect == "rotate" ? filters.RotateImage(&image, value, moved)
        : filters.StrokeImage(true, &image, value, Qt::red, effect == "stroke" ? 0 : 100, moved);
    QCOMPARE(out.size(), size);
    QCOMPARE(moved, shift);
    if (effect == "stroke" && size.width() > 200) { // a solid frame around the image
        QCOMPARE(out.pixel(value - 1, 50), qRgb(255, 0, 0));
        QCOMPARE(out.pixel(out.width() - value, 50), qRgb(255, 0, 0));
        QCOMPARE(out.pixel(value, value), qRgb(0, 255, 0));
    }
}

void TestFiltersMarks::textLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown"); // the text as it is drawn
    QTest::addColumn<Patch>("patch");
    const QString photo = "/a/b/photo.jpg";
    const QString two = "Wide line\nA";
    QTest::newRow("[Filename]") << "[Filename]" << photo << "photo" << Patch();
    QTest::newRow("[Ext]") << "<[Ext]>" << photo << "<jpg>" << Patch();
    QTest::newRow("[Folder]") << "[Folder]" << photo << "b" << Patch();
    QTest::newRow("[Path]") << "[Path]" << photo << "/a/b" << Patch();
    QTest::newRow("no dot: [Ext] is the path") << "[Ext]" << "/a/b/c" << "/a/b/c" << Patch();
    QTest::newRow("[copyright] as typed") << "[copyright]" << photo << "[copyright]" << Patch();
    QTest::newRow("[Copyright]") << "[Copyright][Trademark]" << photo << "\u00a9\u2122" << Patch();
    QTest::newRow("keyword in a value") << "[Filename]" << "/p/x[Ext]y.jpg" << "x[Ext]y" << Patch();
    QTest::newRow("A, line feed: 2 lines") << "A\n" << photo << "A\n" << Patch{{5, 7}};
    QTest::newRow("negative spacing") << "W\nA\nm" << photo << "W\nA\nm" << Patch{{5, -4}};
    QTest::newRow("italic: 5 % wider") << two << photo << two << Patch{{11, 1}};
    QTest::newRow("box offset 20 %") << two << photo << two << Patch{{22, 1}, {25, 20}};
    QTest::newRow("box slot 2: no margins") << two << photo << two << Patch{{22, 2}, {25, 20}};
    QTest::newRow("shadow distance 15 is used as 7")
        << two << photo << two << Patch{{26, 1}, {29, 15}, {30, 315}};
}

void TestFiltersMarks::textLayout()
{
    QFETCH(QString, text);
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QFETCH(Patch, patch);
    CImageFilters filters;
    QPixmap mark;
    QRect rect;
    filters.UpdateText(mark, rect, PlainText(text, patch), path, 2000, 1000, 1.0, 0, 0, false);

    // The mark is the measured block plus the box margins, nothing else.
    QFont font("Liberation Sans");
    font.setPixelSize(50);
    font.setItalic(patch.value(11) == 1);
    const QFontMetrics metrics(font);
    const QStringList lines = shown.split('\n');
    int width = 0;
    for (const QString& line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    if (patch.value(11) == 1)
        width = int(1.05 * width);
    const int n = lines.size();
    const int height = n * metrics.height() + (n - 1) * int(patch.value(5));
    const int margin = patch.value(22) == 1 ? int(patch.value(25)) : 0;
    // A shadow grows the mark by its offset: half the distance, in percent
    // of the block's line height.
    QPoint offset;
    if (patch.value(26) == 1)
        filters.CalculateShadowPosition(
            offset.rx(), offset.ry(),
            int(int(patch.value(29)) / 2 * (n * metrics.height() / 100.0)), int(patch.value(30)));
    QCOMPARE(mark.size(), QSize(width + margin * width / 100 + qAbs(offset.x()),
                                height + metrics.height() * margin * n / 100 + qAbs(offset.y())));
    QCOMPARE(rect.size(), mark.size());
}

void TestFiltersMarks::fonts()
{
    // "Arial-Regular" is drawn in Liberation Sans; an unknown family still
    // draws, in the default family.
    QCOMPARE(QFontInfo(QFont("Arial")).family(), QString("Liberation Sans"));
    CImageFilters filters;
    QRect rect;
    auto draw = [&](const QString& family) {
        QPixmap mark;
        filters.UpdateText(mark, rect, PlainText("Quorvelline 123", {}, family), "", 2000, 1000,
                           1.0, 0, 0, false);
        return mark.toImage();
    };
    QCOMPARE(draw("Arial-Regular"), draw("Liberation Sans"));
    QVERIFY(draw("DejaVu Sans") != draw("Liberation Sans"));
    QVERIFY(draw("No Such Family-Bold").width() > 100);

    // The default one-line text (slot 9 = 48, so 120 px), 100 px up from the
    // bottom centre, changes nothing else.
    Magick::Image photo = BqTest::MakePhoto(1600, 1000);
    const Magick::Image source = photo;
    filters.record = TextRecord("Copyright [Copyright] Quorvelline");
    filters.target = &photo;
    QVERIFY(filters.Apply());
    QPixmap mark;
    filters.UpdateText(mark, rect, filters.record, "", 1600, 1000, 1.0, 0, 0, false);
    QVERIFY2(rect.height() >= 125 && rect.height() <= 180,
             qPrintable(QString::number(rect.height())));
    QCOMPARE(rect.bottom(), 1000 - 100 - 1);
    QVERIFY(qAbs(2 * rect.x() + rect.width() - 1600) <= 1);
    QVERIFY(SameOutside(source, photo, rect));
    QVERIFY(photo.signature(true) != source.signature(true));
    QCOMPARE(filters.PositionTextinImage(8, 1000, 800, 10, 20, 100, 50), QRect(890, 730, 100, 50));

    // On screen the mark is drawn in device pixels with a grown font, and
    // its rectangle keeps the logical size.
    QPixmap onScreen;
    QRect screenRect;
    filters.UpdateText(onScreen, screenRect, filters.record, "", 1600, 1000, 1.0, 0, 0, true);
    QVERIFY2(qAbs(screenRect.width() - rect.width()) <= 2 + rect.width() / 100
                 && qAbs(screenRect.height() - rect.height()) <= 2,
             qPrintable(QString("%1x%2").arg(screenRect.width()).arg(screenRect.height())));
    const double ratio = qApp->devicePixelRatio();
    QCOMPARE(screenRect.size(), QSize(int(onScreen.width() / ratio), int(onScreen.height() / ratio)));
}

void TestFiltersMarks::screenFontGrowth_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("extra"); // height = size x 9 / 8 + extra; -1: never grows
    QTest::addColumn<int>("pixels");
    QTest::newRow("metrics never grow: 4 x the start") << 120 << 2.0 << -1 << 480;
    QTest::newRow("ratio 2 doubles the height") << 120 << 2.0 << 0 << 240;
    QTest::newRow("ratio 1.5, first size tall enough") << 100 << 1.5 << 8 << 153;
    QTest::newRow("ratio 1: no growth") << 120 << 1.0 << 0 << 120;
    QTest::newRow("NaN ratio: no growth") << 120 << std::nan("") << 0 << 120;
}

void TestFiltersMarks::screenFontGrowth()
{
    QFETCH(int, start);
    QFETCH(double, ratio);
    QFETCH(int, extra);
    QFETCH(int, pixels);
    int calls = 0;
    const auto heightAt = [&](int size) {
        ++calls;
        return extra < 0 ? 135 : size * 9 / 8 + extra;
    };
    QCOMPARE(CImageFilters::ScreenFontPixels(start, ratio, heightAt), pixels);
    QVERIFY(calls <= 4 * start);
}

void TestFiltersMarks::tiling_data()
{
    QTest::addColumn<double>("offset");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QList<int>>("rows");
    const QList<int> steps300{0, 300, 600, 900};
    QTest::newRow("offset 0") << 0.0 << steps300 << QList<int>{0, 100, 200};
    QTest::newRow("offset 50") << 50.0 << QList<int>{0, 650} << QList<int>{0, 175};
    QTest::newRow("offset -20 counts as 0") << -20.0 << steps300 << QList<int>{0, 100, 200};
    QTest::newRow("offset 200 counts as 100") << 200.0 << QList<int>{0} << QList<int>{0};
}

void TestFiltersMarks::tiling()
{
    QFETCH(double, offset);
    QFETCH(QList<int>, columns);
    QFETCH(QList<int>, rows);
    // White first columns and rows show where each 300 x 100 tile starts.
    const QString path = WriteLogo(m_dir.filePath("tile.png"), 300, 100,
                                   {QRect(0, 0, 10, 100), QRect(0, 0, 300, 10)});
    Magick::Image photo(Magick::Geometry(1000, 250), Magick::Color("black"));
    CImageFilters filters;
    filters.record = LogoRecord(path, {{0, 4}, {3, 1}, {4, offset}, {5, offset}, {8, 0}, {14, 0}});
    filters.target = &photo;
    QVERIFY(filters.Apply());
    auto starts = [](const QByteArray& line) {
        QList<int> found;
        for (int i = 0; i < line.size() / 4; ++i) {
            if (uchar(line[i * 4]) == 255 && (i == 0 || uchar(line[(i - 1) * 4]) != 255))
                found << i;
        }
        return found;
    };
    QCOMPARE(starts(Pixels8(photo, 0, 50, 1000, 1)), columns);
    QCOMPARE(starts(Pixels8(photo, 150, 0, 1, 250)), rows);
}

void TestFiltersMarks::logo()
{
    // The default record with the 400 x 200 sample on 4000 x 3000: a 6-px
    // shadow at 315 degrees, 50 px in from the bottom-right corner; on screen
    // the same logical rectangle.
    const QString sample = ResourceRoot() + "/Sample.png";
    QVERIFY2(QFile::exists(sample), qPrintable(sample));
    Magick::Image photo = BqTest::MakePhoto(4000, 3000);
    const Magick::Image source = photo;
    CImageFilters filters;
    filters.record = LogoRecord(sample);
    filters.target = &photo;
    QVERIFY(filters.Apply());
    QPixmap mark;
    QRect rect;
    filters.UpdateLogo(mark, rect, filters.record, "", 4000, 3000, 1.0, 0, 0, false);
    QCOMPARE(rect, QRect(3544, 2744, 406, 206));
    QVERIFY(SameOutside(source, photo, rect));
    QVERIFY(Pixels8(photo, 3744, 2844, 1, 1) != Pixels8(source, 3744, 2844, 1, 1));
    filters.UpdateLogo(mark, rect, filters.record, "", 4000, 3000, 1.0, 0, 0, true);
    QCOMPARE(rect, QRect(3544, 2744, 406, 206));
    QCOMPARE(mark.size(), rect.size() * qApp->devicePixelRatio());

    // Transparency lowers an opaque pixel's alpha by trunc(t x 2.55).
    const QList<QPoint> alphas{{0, 255}, {15, 217}, {100, 1}};
    for (const QPoint& a : alphas) {
        filters.UpdateLogo(mark, rect, LogoRecord(sample, {{8, a.x()}, {14, 0}}), "", 4000, 3000,
                           1.0, 0, 0, false);
        QCOMPARE(qAlpha(mark.toImage().pixel(200, 100)), a.y());
    }

    // The cache is not lowered twice and serves a deleted file; a new path
    // reads the new file.
    const QRect all(0, 0, 60, 40);
    const QString red = WriteLogo(m_dir.filePath("red.png"), 60, 40, {all}, Qt::red);
    const QString blue = WriteLogo(m_dir.filePath("blue.png"), 60, 40, {all}, Qt::blue);
    filters.record = LogoRecord(red, {{0, 0}, {1, 0}, {2, 0}});
    auto apply = [&filters]() {
        Magick::Image black(Magick::Geometry(100, 100), Magick::Color("black"));
        filters.target = &black;
        return filters.Apply() ? Pixels8(black, 10, 10, 1, 1) : QByteArray();
    };
    const QByteArray first = apply();
    QVERIFY(!first.isEmpty() && uchar(first[0]) > 150);
    QVERIFY(QFile::remove(red));
    QCOMPARE(apply(), first);
    filters.record.strings[0] = blue;
    const QByteArray second = apply();
    QVERIFY(!second.isEmpty() && uchar(second[0]) == 0 && uchar(second[2]) > 150);
}

void TestFiltersMarks::badInput_data()
{
    QTest::addColumn<bool>("text");
    QTest::addColumn<QString>("string"); // the text, or the logo's file name
    QTest::addColumn<Patch>("patch");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QString>("texture");
    QTest::addColumn<QString>("reason"); // the failure's end; "" for none
    const Patch textured{{15, 1}, {18, 1}};
    QTest::newRow("missing logo") << false << "none.png" << Patch() << false << ""
                                  << "none.png does not exist";
    QTest::newRow("undecodable logo") << false << "broken.png" << Patch() << false << ""
                                      << "improper image header";
    QTest::newRow("logo scale 0") << false << "logo.png" << Patch{{6, 0}} << false << ""
                                  << "at 0 % would be 0 x 0 pixels, too large for a mark on this photo";
    QTest::newRow("logo kept at its drawn size") << false << "logo.png" << Patch{{6, 50}} << true << ""
                                                 << "";
    QTest::newRow("logo beyond 16 MP and the photo")
        << false << "logo.png" << Patch{{6, 1500}} << false << ""
        << "at 1500 % would be 6000 x 3000 pixels, too large for a mark on this photo";
    QTest::newRow("empty text") << true << "" << Patch() << false << ""
                                << "the text is empty";
    QTest::newRow("box beyond the limits") << true << "Text" << Patch{{22, 1}, {25, 1e9}} << false << ""
                                           << "the text is too large for a mark";
    // As long as a job file's text may be.
    QTest::newRow("text of 65536 characters") << true << QString(65536, 'W') << Patch() << false << ""
                                              << "the text is too large for a mark";
    QTest::newRow("unreadable texture") << true << "Text" << textured << false << "broken.png"
                                        << "improper image header";
    QTest::newRow("texture is a folder") << true << "Text" << textured << false << "."
                                         << "is a folder, not a regular file";
    QTest::newRow("texture is a device") << true << "Text" << textured << false << "/dev/zero"
                                         << "/dev/zero is a device, not a regular file";
}

void TestFiltersMarks::badInput()
{
    QFETCH(bool, text);
    QFETCH(QString, string);
    QFETCH(Patch, patch);
    QFETCH(bool, drawn);
    QFETCH(QString, texture);
    QFETCH(QString, reason);
    const QString broken = m_dir.filePath("broken.png");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
    file.close();
    CImageFilters filters;
    filters.record = text ? PlainText(string, patch) : LogoRecord(m_dir.filePath(string), patch);
    filters.record.strings[2] = QDir(m_dir.path()).filePath(texture.isEmpty() ? broken : texture); // the text's texture
    Magick::Image photo = BqTest::MakePhoto(300, 200);
    const Magick::Image source = photo;
    filters.target = &photo;
    if (string == "broken.png")
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Error: .*broken\\.png"));
    QCOMPARE(filters.Apply(), drawn);
    QCOMPARE(photo.signature(true) != source.signature(true), drawn);
    QVERIFY2(reason.isEmpty() ? filters.failure.isEmpty() : filters.failure.endsWith(reason),
             qPrintable(filters.failure));
    if (!text && drawn) // scaled down before it is kept
        QCOMPARE(QSize(int(filters.logoImage.columns()), int(filters.logoImage.rows())), QSize(200, 100));
    if (string == "broken.png") { // the failed read is cached empty and retried
        WriteLogo(broken, 40, 20, {QRect(0, 0, 40, 20)});
        QVERIFY(filters.Apply());
    }
}

BQ_TEST_MAIN(TestFiltersMarks)
#include "tst_filters_marks.moc"
