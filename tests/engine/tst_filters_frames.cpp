// Frame filters and the resource generator that draws their frames: which
// file is read, the caches, the masks and the fitting of picture frames.
#include "BqTestMain.h"
#include "EngineFixtures.h"
#include "ImageFilters.h"
#include "MagickQt.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "Quantum.h"
#include "ResourceRoot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

Q_DECLARE_METATYPE(QVector<double>)

namespace
{
using BqTest::Pixel;
using BqTest::StopAtOnce;

const double White = 4294967295.0;
const double Blue = 4278190335.0; // 0xFF0000FF
using Files = QList<QPair<QString, Magick::Image>>;

SFilterRecord Record(quint32 id, const QVector<double>& values)
{
    SFilterRecord r;
    r.id = id;
    for (double v : values)
        r.AddNumber(v);
    return r;
}

// The cache and the cached index of the family of filter `type`.
QPair<Magick::Image*, qint32*> Family(CImageFilters& f, quint32 type)
{
    switch (type) {
    case 2001:
        return {&f.shapeFrame, &f.shapeIndex};
    case 2002:
        return {&f.grungeFrame, &f.grungeIndex};
    case 2003:
        return {&f.pictureFrame, &f.pictureIndex};
    default:
        return {&f.vintageFrame, &f.vintageIndex};
    }
}

// `image` with a fully transparent hole (drawing cannot clear pixels).
Magick::Image Punch(const Magick::Image& image, const QRect& hole)
{
    QImage q = ImageMagickToQt(image);
    for (int y = hole.top(); y <= hole.bottom(); ++y)
        for (int x = hole.left(); x <= hole.right(); ++x)
            q.setPixel(x, y, 0);
    return QtToImageMagick(q);
}
} // namespace

class TestFiltersFrames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void generatedFiles_data();
    void generatedFiles();
    void generatorRuns_data();
    void generatorRuns();
    void frameChoice_data();
    void frameChoice();
    void cacheAndRereads_data();
    void cacheAndRereads();
    void randomDraws_data();
    void randomDraws();
    void basicMask_data();
    void basicMask();
    void maskTurnsOnlyForGrunge_data();
    void maskTurnsOnlyForGrunge();
    void complexFrame_data();
    void complexFrame();
    void abortedFrameFails_data();
    void abortedFrameFails();

private:
    // A temporary resource root with only `copied` of the generated frames
    // ("*" for all of them) and the `made` ones.
    QString MakeRoot(QStringList copied, const Files& made = {});

    QString m_resources;
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestFiltersFrames::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    m_resources = ResourceRoot();
}

void TestFiltersFrames::cleanup()
{
    SetResourceRootOverride(QString());
    m_root.reset();
}

QString TestFiltersFrames::MakeRoot(QStringList copied, const Files& made)
{
    m_root = std::make_unique<QTemporaryDir>();
    const QString frames = m_root->path() + "/Frames/";
    QDir().mkpath(frames);
    if (copied == QStringList{"*"})
        copied = QDir(m_resources + "/Frames").entryList(QDir::Files);
    for (const QString& name : copied)
        QFile::copy(m_resources + "/Frames/" + name, frames + name);
    for (auto file : made)
        file.second.write((frames + file.first).toStdString());
    SetResourceRootOverride(m_root->path());
    return frames;
}

void TestFiltersFrames::generatedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("window"); // frames: the transparent window
    for (int i = 1; i <= 6; ++i)
        for (const char* name : {"ShapeFrame%1.jpg", "ShapeFrame%1b.jpg", "GrungeFrame%1.jpg"})
            QTest::newRow(qPrintable(QString(name).arg(i))) << QString(name).arg(i) << QRect();
    const QList<QRect> windows = {
        {168, 152, 864, 496}, {144, 148, 912, 504}, {36, 36, 1128, 728},  {84, 72, 1032, 656}, {72, 80, 1056, 640},
        {168, 136, 864, 528}, {162, 116, 876, 568}, {84, 152, 1032, 496}, {48, 44, 1104, 712}, {198, 152, 804, 496},
        {144, 164, 912, 472}, {84, 116, 1032, 568}, {90, 148, 1020, 504}};
    for (int i = 0; i < windows.size(); ++i) {
        const QString name =
            i < 4 ? QString("PictureFrame%1.gif").arg(i + 1) : QString("VintageFrame%1.gif").arg(i - 3);
        QTest::newRow(qPrintable(name)) << name << windows[i];
    }
    QTest::newRow("Sample.png") << "../Sample.png" << QRect();
}

void TestFiltersFrames::generatedFiles()
{
    QFETCH(QString, name);
    QFETCH(QRect, window);
    const QString path = m_resources + "/Frames/" + name;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage q = ImageMagickToQt(Magick::Image(path.toStdString()));
    if (name.endsWith("Sample.png")) {
        QCOMPARE(q.size(), QSize(400, 200));
        QCOMPARE(qAlpha(q.pixel(0, 0)) + qAlpha(q.pixel(399, 199)), 0);
        QCOMPARE(qAlpha(q.pixel(200, 100)), 255);
        return;
    }
    QCOMPARE(q.size(), QSize(1200, 800));
    if (name.endsWith(".gif")) {
        // Exactly the window is fully transparent; every other pixel is opaque.
        int wrong = 0;
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 1200; ++x)
                wrong += qAlpha(q.pixel(x, y)) != (window.contains(x, y) ? 0 : 255);
        QCOMPARE(wrong, 0);
        return;
    }
    QVERIFY(qBlue(q.pixel(600, 400)) <= 1);
    for (const QPoint& corner : {QPoint(0, 0), QPoint(1199, 0), QPoint(0, 799), QPoint(1199, 799)})
        QVERIFY(qBlue(q.pixel(corner)) >= 254);
    if (!name.endsWith("b.jpg"))
        return;
    // Soft greys where the sharp mask turns from white to black.
    const QImage sharp = ImageMagickToQt(Magick::Image(QString(path).replace("b.jpg", ".jpg").toStdString()));
    int left = 0, right = 1199;
    while (qBlue(sharp.pixel(left, 400)) >= 128)
        ++left;
    while (qBlue(sharp.pixel(right, 400)) >= 128)
        --right;
    for (int x : {left, right})
        QVERIFY2(qBlue(q.pixel(x, 400)) >= 16 && qBlue(q.pixel(x, 400)) <= 240, qPrintable(QString::number(x)));
}

void TestFiltersFrames::generatorRuns_data()
{
    QTest::addColumn<QStringList>("folders"); // one run for each; "-": no argument
    QTest::addColumn<int>("exitCode");
    QTest::newRow("two runs") << QStringList{"run0", "run1"} << 0;
    QTest::newRow("no folder given") << QStringList{"-"} << 2;
    QTest::newRow("a file in the way") << QStringList{"blocked/Resources"} << 1;
    QTest::newRow("a file in the icons' way") << QStringList{"ok/Resources blocked/Icons"} << 1;
}

void TestFiltersFrames::generatorRuns()
{
    QFETCH(QStringList, folders);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/blocked");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    QList<QSharedPointer<QProcess>> runs;
    for (const QString& folder : folders) {
        runs << QSharedPointer<QProcess>::create();
        // Each run: the resources folder and the interface images folder.
        QStringList args;
        if (folder != "-") {
            const QStringList parts = folder.split(' ');
            args << dir.path() + "/" + parts.first()
                 << dir.path() + "/" + (parts.size() > 1 ? parts.at(1) : parts.first() + "/Icons");
        }
        runs.last()->start(BQ_RESGEN_PATH, args);
    }
    for (const auto& run : runs) {
        QVERIFY(run->waitForFinished(120000));
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), exitCode);
    }
    if (exitCode != 0)
        return;
    // Both runs, and the build's own copy (the icon sheets: the compiled-in
    // ones), hold the same bytes.
    QStringList names = QDir(dir.path() + "/run0/Frames").entryList(QDir::Files) << "../Sample.png";
    for (const QString& sheet : QDir(dir.path() + "/run0/Icons").entryList(QDir::Files))
        names << "../Icons/" + sheet;
    QCOMPARE(names.size(), 34);
    for (const QString& name : names) {
        QByteArray bytes[3];
        const bool icon = name.startsWith("../Icons/");
        const QString paths[3] = {dir.path() + "/run0/Frames/", dir.path() + "/run1/Frames/",
                                  icon ? QStringLiteral(":/") : m_resources + "/Frames/"};
        for (int i = 0; i < 3; ++i) {
            QFile file(paths[i] + (icon && i == 2 ? name.mid(9) : name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            bytes[i] = file.readAll();
        }
        QVERIFY2(bytes[0] == bytes[1] && bytes[0] == bytes[2], qPrintable(name));
    }
}

void TestFiltersFrames::frameChoice_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("file"); // the only file in the root; "*" for all
    QTest::addColumn<int>("number");   // the frame read; -1: Apply fails
    QTest::newRow("shape 0 blurred") << 2001u << QVector<double>{0, White, 1, 0, 0} << "ShapeFrame1b.jpg" << 0;
    QTest::newRow("shape 5 sharp") << 2001u << QVector<double>{5, White, 0, 0, 0} << "ShapeFrame6.jpg" << 5;
    QTest::newRow("grunge 2") << 2002u << QVector<double>{2, White, 0, 0} << "GrungeFrame3.jpg" << 2;
    QTest::newRow("picture 3") << 2003u << QVector<double>{3, White, 0, 0} << "PictureFrame4.gif" << 3;
    QTest::newRow("vintage 8.9") << 2004u << QVector<double>{8.9, White, 0, 0} << "VintageFrame9.gif" << 8;
    QTest::newRow("blurred file missing") << 2001u << QVector<double>{0, White, 1, 0, 0} << "ShapeFrame1.jpg" << -1;
    QTest::newRow("shape 6") << 2001u << QVector<double>{6, White, 0, 0, 0} << "*" << -1;
    QTest::newRow("grunge -1") << 2002u << QVector<double>{-1, White, 0, 0} << "*" << -1;
    QTest::newRow("picture 4") << 2003u << QVector<double>{4, White, 0, 0} << "*" << -1;
    QTest::newRow("vintage 1e12") << 2004u << QVector<double>{1e12, White, 0, 0} << "*" << -1;
    QTest::newRow("undecodable file") << 2002u << QVector<double>{0, White, 0, 0} << "junk" << -1;
}

void TestFiltersFrames::frameChoice()
{
    QFETCH(quint32, type);
    QFETCH(QVector<double>, values);
    QFETCH(QString, file);
    QFETCH(int, number);
    const QString frames = MakeRoot(file == "junk" ? QStringList() : QStringList{file});
    QFile junk(frames + "GrungeFrame1.jpg");
    if (file == "junk") {
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a JPEG") > 0);
        junk.close();
    }
    Magick::Image photo = BqTest::MakePhoto(120, 80);
    const std::string before = photo.signature(true);
    CImageFilters filters;
    filters.record = Record(type, values);
    filters.target = &photo;
    QCOMPARE(filters.Apply(), number >= 0);
    QCOMPARE(*Family(filters, type).second, number);
    if (number < 0)
        QCOMPARE(photo.signature(true), before);
}

void TestFiltersFrames::cacheAndRereads_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("randomSlot");
    QTest::newRow("shape") << 2001u << QVector<double>{1, White, 0, 0, 0} << "ShapeFrame2.jpg" << 4;
    QTest::newRow("grunge") << 2002u << QVector<double>{4, White, 0, 0} << "GrungeFrame5.jpg" << 3;
    QTest::newRow("picture") << 2003u << QVector<double>{2, White, 1, 0} << "PictureFrame3.gif" << 3;
    QTest::newRow("vintage") << 2004u << QVector<double>{6, White, 0, 0} << "VintageFrame7.gif" << 3;
}

void TestFiltersFrames::cacheAndRereads()
{
    QFETCH(quint32, type);
    QFETCH(QVector<double>, values);
    QFETCH(QString, file);
    QFETCH(int, randomSlot);
    const QString frames = MakeRoot({file});
    const Magick::Image source = BqTest::MakePhoto(90, 60);
    CImageFilters filters;
    const Magick::Image& cache = *Family(filters, type).first;
    const auto apply = [&](const QVector<double>& v) {
        Magick::Image photo = source;
        filters.record = Record(type, v);
        filters.target = &photo;
        return filters.Apply() ? photo.signature(true) : std::string();
    };
    const std::string first = apply(values);
    QVERIFY(!first.empty());
    const std::string cached = cache.signature(true);
    QVERIFY(QFile::remove(frames + file));
    // The same fixed frame comes from the cache, which the composition
    // leaves untouched.
    QCOMPARE(apply(values), first);
    QCOMPARE(cache.signature(true), cached);
    // Another edge variant or a random draw must read a file, and fails;
    // the cache keeps its frame.
    QVector<double> other = values;
    other[2] = 1;
    if (type == 2001)
        QVERIFY(apply(other).empty());
    other = values;
    other[randomSlot] = 1;
    QVERIFY(apply(other).empty());
    QCOMPARE(apply(values), first);
    QCOMPARE(cache.signature(true), cached);
}

void TestFiltersFrames::randomDraws_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::newRow("shape") << 2001u << "ShapeFrame%1.jpg" << 6;
    QTest::newRow("grunge") << 2002u << "GrungeFrame%1.jpg" << 6;
    QTest::newRow("picture") << 2003u << "PictureFrame%1.gif" << 4;
    QTest::newRow("vintage") << 2004u << "VintageFrame%1.gif" << 9;
}

void TestFiltersFrames::randomDraws()
{
    QFETCH(quint32, type);
    QFETCH(QString, name);
    QFETCH(int, count);
    // Tiny stand-ins keep 1000 reads quick.
    const Magick::Image tiny(Magick::Geometry(12, 8), ColorFromRgb(qRgb(255, 255, 255)));
    Files made;
    for (int i = 1; i <= count; ++i)
        made << qMakePair(name.arg(i), tiny);
    MakeRoot({}, made);
    CImageFilters filters;
    filters.record = Record(type, {0, White, 0, 1, 1});
    for (int i = 0; i < 1000; ++i) {
        Magick::Image photo(Magick::Geometry(6, 4), ColorFromRgb(qRgb(10, 20, 30)));
        filters.target = &photo;
        QVERIFY(filters.Apply());
        const qint32 n = *Family(filters, type).second;
        QVERIFY2(n >= 0 && n < count, qPrintable(QString::number(n)));
    }
}

void TestFiltersFrames::basicMask_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("edges");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("star, sharp") << 2 << 0 << QSize(300, 200) << true;
    QTest::newRow("heart, blurred") << 3 << 1 << QSize(300, 200) << true;
    QTest::newRow("cracked glass, portrait") << 4 << 1 << QSize(200, 300) << true;
    QTest::newRow("ellipse over blue") << 1 << 0 << QSize(300, 200) << false;
    QTest::newRow("shield over blue, blurred") << 5 << 1 << QSize(200, 300) << false;
}

void TestFiltersFrames::basicMask()
{
    QFETCH(int, shape);
    QFETCH(int, edges);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    // The photo has a transparent hole where the mask keeps the photo.
    const QRect hole(size.width() / 2 - 10, size.height() / 2 - 10, 20, 20);
    Magick::Image photo = Punch(BqTest::MakePhoto(size.width(), size.height()), hole);

    // Reference: the negated, stretched mask as opacity, the hole kept, and
    // without the flag all of it laid over the background.
    const QString file = QString("/Frames/ShapeFrame%1%2.jpg").arg(shape + 1).arg(edges ? "b" : "");
    Magick::Image mask((m_resources + file).toStdString());
    mask.resize(Magick::Geometry(QString("%1x%2!").arg(size.width()).arg(size.height()).toStdString()));
    mask.negate();
    Magick::Image expected = photo;
    expected.composite(mask, 0, 0, Magick::CopyOpacityCompositeOp);
    expected = Punch(expected, hole);
    if (!transparent) {
        Magick::Image blue(Magick::Geometry(size.width(), size.height()), ColorFromRgb(qRgb(0, 0, 255)));
        blue.composite(expected, 0, 0, Magick::OverCompositeOp);
        expected = blue;
    }

    CImageFilters filters;
    filters.record = Record(2001, {double(shape), Blue, double(edges), transparent ? 1.0 : 0.0, 0});
    filters.target = &photo;
    QVERIFY(filters.Apply());
    const QImage a = ImageMagickToQt(photo);
    const QImage b = ImageMagickToQt(expected);
    QCOMPARE(a.size(), size);
    int worst = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                worst = qMax(worst, qAbs(d));
        }
    }
    QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
    QCOMPARE(qAlpha(a.pixel(2, 2)), transparent ? 0 : 255);
    QCOMPARE(qAlpha(a.pixel(hole.center())), transparent ? 0 : 255);
}

void TestFiltersFrames::maskTurnsOnlyForGrunge_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QPoint>("removed");
    QTest::addColumn<QPoint>("kept");
    // The test mask is white on its left third only.
    QTest::newRow("grunge: top third removed")
        << 2002u << QVector<double>{0, White, 1, 0} << QPoint(1000, 500) << QPoint(300, 1500);
    QTest::newRow("shape: left third removed")
        << 2001u << QVector<double>{0, White, 0, 1, 0} << QPoint(300, 1500) << QPoint(1000, 500);
}

void TestFiltersFrames::maskTurnsOnlyForGrunge()
{
    QFETCH(quint32, type);
    QFETCH(QVector<double>, values);
    QFETCH(QPoint, removed);
    QFETCH(QPoint, kept);
    Magick::Image mask(Magick::Geometry(1200, 800), ColorFromRgb(qRgb(0, 0, 0)));
    mask.fillColor(ColorFromRgb(qRgb(255, 255, 255)));
    mask.draw(Magick::DrawableRectangle(0, 0, 399, 799));
    MakeRoot({}, {{"GrungeFrame1.jpg", mask}, {"ShapeFrame1.jpg", mask}});
    Magick::Image photo = BqTest::MakePhoto(2000, 3000);
    CImageFilters filters;
    filters.record = Record(type, values);
    filters.target = &photo;
    QVERIFY(filters.Apply());
    QCOMPARE(qAlpha(Pixel(photo, removed.x(), removed.y())), 0);
    QCOMPARE(qAlpha(Pixel(photo, kept.x(), kept.y())), 255);
    QCOMPARE(qAlpha(Pixel(photo, 1000, 2500)), 255);
}

void TestFiltersFrames::complexFrame_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QSize>("result");
    QTest::addColumn<QRect>("placed"); // the cut photo inside the result
    QTest::addColumn<QPoint>("cut");   // where the cut photo starts in the source
    QTest::addColumn<double>("transparent");
    QTest::addColumn<quint32>("ring"); // around the photo, with a test frame; 1: no test frame
    const QRect wide(58, 51, 300, 174), tall(51, 58, 174, 300);
    QTest::newRow("picture 1, landscape") << 2003u << QSize(3000, 2000) << QSize(4166, 2777)
                                          << QRect(583, 526, 3000, 1724) << QPoint(0, 138) << 0.0 << 1u;
    QTest::newRow("picture 1, portrait") << 2003u << QSize(2000, 3000) << QSize(2777, 4166)
                                         << QRect(526, 583, 1724, 3000) << QPoint(138, 0) << 0.0 << 1u;
    QTest::newRow("vintage 1, 4:3") << 2004u << QSize(1000, 750) << QSize(1136, 757) << QRect(68, 75, 1000, 606)
                                    << QPoint(0, 72) << 0.0 << 1u;
    // A test frame whose window is larger than 0.72 x 0.62 leaves a ring,
    // which shows exactly where the photo was cut and put.
    QTest::newRow("ring, landscape, transparent")
        << 2003u << QSize(300, 200) << QSize(416, 277) << wide << QPoint(0, 13) << 1.0 << 0u;
    QTest::newRow("ring, landscape, background")
        << 2003u << QSize(300, 200) << QSize(416, 277) << wide << QPoint(0, 13) << 0.0 << 0xff0000ffu;
    QTest::newRow("ring, portrait, transparent")
        << 2003u << QSize(200, 300) << QSize(277, 416) << tall << QPoint(13, 0) << 1.0 << 0u;
    QTest::newRow("ring, portrait, background")
        << 2003u << QSize(200, 300) << QSize(277, 416) << tall << QPoint(13, 0) << 0.0 << 0xff0000ffu;
}

void TestFiltersFrames::complexFrame()
{
    QFETCH(quint32, type);
    QFETCH(QSize, photo);
    QFETCH(QSize, result);
    QFETCH(QRect, placed);
    QFETCH(QPoint, cut);
    QFETCH(double, transparent);
    QFETCH(quint32, ring);
    const bool testFrame = ring != 1;
    if (testFrame) {
        const Magick::Image brown(Magick::Geometry(1200, 800), ColorFromRgb(qRgb(120, 80, 40)));
        MakeRoot({}, {{"PictureFrame1.gif", Punch(brown, QRect(100, 50, 1000, 700))}});
    }
    const Magick::Image source = BqTest::MakePhoto(photo.width(), photo.height());
    Magick::Image image = source;
    CImageFilters filters;
    filters.record = Record(type, {0, Blue, transparent, 0});
    filters.target = &image;
    QVERIFY(filters.Apply());
    QCOMPARE(QSize(int(image.columns()), int(image.rows())), result);
    // The real frames cover the photo's edge, so probes keep clear of it.
    const QRect probed = testFrame ? placed : placed.adjusted(30, 30, -30, -30);
    for (const QPoint& p : {placed.center(), probed.topLeft(), probed.bottomRight()}) {
        const QPoint s = p - placed.topLeft() + cut;
        QCOMPARE(Pixel(image, p.x(), p.y()), Pixel(source, s.x(), s.y()));
    }
    if (!testFrame)
        return;
    const QPoint c = placed.center();
    for (const QPoint& p : {QPoint(placed.left() - 1, c.y()), QPoint(c.x(), placed.top() - 1),
                            QPoint(placed.right() + 1, c.y()), QPoint(c.x(), placed.bottom() + 1)}) {
        const QRgb got = Pixel(image, p.x(), p.y());
        QCOMPARE(qAlpha(got), qAlpha(ring));
        if (qAlpha(ring) != 0)
            QCOMPARE(got, QRgb(ring));
    }
}

void TestFiltersFrames::abortedFrameFails_data()
{
    QTest::addColumn<quint32>("type");
    QTest::newRow("shape") << 2001u;
    QTest::newRow("picture") << 2003u;
}

void TestFiltersFrames::abortedFrameFails()
{
    QFETCH(quint32, type);
    Magick::Image photo = BqTest::MakePhoto(300, 200);
    photo.modifyImage();
    MagickCore::SetImageProgressMonitor(photo.image(), StopAtOnce, nullptr);
    CImageFilters filters;
    filters.record = Record(type, {0, White, 0, 0, 0});
    filters.target = &photo;
    QVERIFY(!filters.Apply());
}

BQ_TEST_MAIN(TestFiltersFrames)
#include "tst_filters_frames.moc"
