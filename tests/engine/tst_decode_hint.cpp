// Reduced JPEG decodes: which chains and photos get a decode size, that the
// decoder really decodes at the size predicted, and that the chain then ends
// at the same size with pixels close to the whole decode's.
#include "BqTestMain.h"
#include "DngWriter.h"
#include "EngineFixtures.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "ImageManager.h"
#include "MagickRuntime.h"
#include "OrientationFixtures.h"
#include "PhotoMaker.h"

#include <QColor>
#include <QRegularExpression>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(QList<SFilterRecord>)

namespace
{
using BqTest::Record;

// Resize slots: width, height, keep aspect, mode, unit, do not enlarge.
SFilterRecord Resize(double w, double h, double keep = 1, double mode = 0, double unit = 0, double noEnlarge = 1)
{
    return Record(FilterResize, {w, h, keep, mode, unit, noEnlarge});
}

SFilterRecord Text()
{
    SFilterRecord text =
        Record(FilterText, {0, 8, 24, 24, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, double(QColor(Qt::white).rgba())});
    text.AddString(QString::fromUtf8("\xC2\xA9 Brandquill"));
    text.AddString(QStringLiteral("DejaVu Sans"));
    return text;
}

// A photo file of the given kind ("photo": a photo-like JPEG); JPEGs may
// carry an Exif orientation.
bool WritePhoto(const QString& path, const QString& kind, int w, int h, int orientation)
{
    if (kind == "photo")
        return BqTest::WriteFile(path, BqTest::JpegBytes(BqTest::MakePhoto(size_t(w), size_t(h), 7), 92));
    if (kind == "dng") {
        BqTest::DngLayout layout;
        layout.width = w;
        layout.height = h;
        return BqTest::WriteBytes(path, BqTest::MakeDng(layout));
    }
    Magick::Image photo(Magick::Geometry(size_t(w), size_t(h)), Magick::Color("gray60"));
    if (kind != "jpg") {
        photo.write(path.toStdString());
        return true;
    }
    QByteArray jpeg = BqTest::JpegBytes(photo, 80);
    if (orientation > 1)
        jpeg = BqTest::InsertExifOrientation(jpeg, orientation);
    return BqTest::WriteFile(path, jpeg);
}

// Reads `path` whole or at `hint` and applies the chain.
Magick::Image Run(const QString& path, const QList<SFilterRecord>& chain, QSize hint)
{
    CImageManager engine;
    engine.SetDecodeHint(hint);
    if (!engine.Read(path))
        return Magick::Image();
    for (const SFilterRecord& record : chain) {
        if (record.active && !engine.ApplyFilter(record))
            return Magick::Image();
    }
    return engine.m_Image;
}
} // namespace

class TestDecodeHint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void hintTable_data();
    void hintTable();

private:
    QTemporaryDir m_dir;
};

void TestDecodeHint::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestDecodeHint::hintTable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QList<SFilterRecord>>("chain");
    QTest::addColumn<QSize>("hint"); // empty: the photo is read whole

    const QSize big(4000, 3000);
    const QSize none;
    const SFilterRecord autoRotate = Record(FilterAutoRotate, {});
    const SFilterRecord crop = Record(FilterCrop, {100, 100, 2000, 1500, 0});
    SFilterRecord inactiveCrop = crop;
    inactiveCrop.active = false;
    QTest::newRow("fit 1600: half size") << "photo" << big << 1 << QList<SFilterRecord>{Resize(1600, 1600), Text()}
                                         << QSize(1600, 1200);
    QTest::newRow("fixed width 1600") << "jpg" << big << 1 << QList<SFilterRecord>{Resize(1600, 0, 1, 1)}
                                      << QSize(1600, 1200);
    QTest::newRow("stretched 800 square: 3/8")
        << "jpg" << big << 1 << QList<SFilterRecord>{Resize(800, 800, 0)} << QSize(800, 800);
    QTest::newRow("under twice the target: no gain")
        << "jpg" << QSize(2400, 1800) << 1 << QList<SFilterRecord>{Resize(1600, 1600)} << none;
    QTest::newRow("1200x800, do not enlarge")
        << "jpg" << QSize(1200, 800) << 1 << QList<SFilterRecord>{Resize(1600, 1600)} << none;
    QTest::newRow("1200x800, enlarged") << "jpg" << QSize(1200, 800) << 1
                                        << QList<SFilterRecord>{Resize(1600, 1600, 1, 0, 0, 0)} << none;
    QTest::newRow("smaller than half the target")
        << "jpg" << QSize(700, 500) << 1 << QList<SFilterRecord>{Resize(1600, 1600)} << none;
    QTest::newRow("portrait after Auto Rotate")
        << "jpg" << big << 6 << QList<SFilterRecord>{autoRotate, Resize(1600, 1600)} << QSize(1600, 1200);
    QTest::newRow("Auto Rotate twice swaps once")
        << "jpg" << big << 8 << QList<SFilterRecord>{autoRotate, autoRotate, Resize(1200, 1200, 1, 1)}
        << QSize(1600, 1200);
    QTest::newRow("rotate 90 then fixed width")
        << "jpg" << big << 1 << QList<SFilterRecord>{Record(FilterRotate, {90, 0}), Resize(1200, 0, 1, 1)}
        << QSize(1600, 1200);
    QTest::newRow("rotate 45 first") << "jpg" << big << 1
                                     << QList<SFilterRecord>{Record(FilterRotate, {45, 0}), Resize(1600, 1600)} << none;
    QTest::newRow("text mark first") << "jpg" << big << 1 << QList<SFilterRecord>{Text(), Resize(1600, 1600)} << none;
    QTest::newRow("crop first") << "jpg" << big << 1 << QList<SFilterRecord>{crop, Resize(1600, 1600)} << none;
    QTest::newRow("inactive crop first") << "jpg" << big << 1 << QList<SFilterRecord>{inactiveCrop, Resize(1600, 1600)}
                                         << QSize(1600, 1200);
    QTest::newRow("percent") << "jpg" << big << 1 << QList<SFilterRecord>{Resize(40, 40, 1, 0, 1)} << none;
    QTest::newRow("no resize") << "jpg" << big << 1 << QList<SFilterRecord>{autoRotate, Text()} << none;
    // 4001 x 3000 decodes at 1001 x 750, whose aspect makes the text 1000x749.
    QTest::newRow("rounded decode changes the geometry")
        << "jpg" << QSize(4001, 3000) << 1 << QList<SFilterRecord>{Resize(1000, 1000)} << none;
    const QSize small(640, 480);
    const QList<SFilterRecord> fit160{Resize(160, 160)};
    QTest::newRow("small JPEG") << "jpg" << small << 1 << fit160 << QSize(160, 120);
    QTest::newRow("PNG") << "png" << small << 1 << fit160 << none;
    QTest::newRow("TIFF") << "tif" << small << 1 << fit160 << none;
    QTest::newRow("raw") << "dng" << small << 1 << fit160 << none;
}

void TestDecodeHint::hintTable()
{
    QFETCH(QString, kind);
    QFETCH(QSize, photo);
    QFETCH(int, orientation);
    QFETCH(QList<SFilterRecord>, chain);
    QFETCH(QSize, hint);

    const QString name = QString::fromUtf8(QTest::currentDataTag()).replace(QRegularExpression("\\W"), "_");
    const QString path = m_dir.filePath(name + QLatin1Char('.') + (kind == "photo" ? QStringLiteral("jpg") : kind));
    QVERIFY(WritePhoto(path, kind, photo.width(), photo.height(), orientation));
    CImageManager ping;
    QVERIFY(ping.Ping(path));
    QCOMPARE(ping.DecodeHint(chain), hint);
    if (hint.isEmpty())
        return;

    // The decoder decodes at the predicted size, and the chain ends where the
    // whole decode's does, with close pixels; the properties keep the
    // photo's own size.
    const auto sizeOf = [](const Magick::Image& image) { return QSize(int(image.columns()), int(image.rows())); };
    CImageManager reduced;
    reduced.SetDecodeHint(hint);
    QVERIFY(reduced.Read(path));
    const QSize decoded = sizeOf(reduced.m_Image);
    QCOMPARE(decoded, CImageFilters::JpegDecodeSize(photo, hint));
    QVERIFY(decoded.width() < photo.width() && decoded.height() < photo.height());
    QCOMPARE(QSize(int(reduced.m_Properties.width), int(reduced.m_Properties.height)), photo);
    Magick::Image hinted = Run(path, chain, hint);
    const Magick::Image whole = Run(path, chain, QSize());
    QCOMPARE(sizeOf(hinted), sizeOf(whole));
    if (kind == "photo") {
        const double psnr = hinted.compare(whole, Magick::PeakSignalToNoiseRatioMetric);
        QVERIFY2(psnr > 38.0, qPrintable(QStringLiteral("PSNR %1 dB").arg(psnr)));
    }
}

BQ_TEST_MAIN(TestDecodeHint)
#include "tst_decode_hint.moc"
