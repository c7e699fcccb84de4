// The camera raw adapter: identification, decoding with the user's options,
// progress and cancel, one decode at a time across threads, the time zone
// left alone, and files that are not (or no longer) raw.
#include "BqTestMain.h"
#include "DCRaw.h"
#include "DngWriter.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"

#include <QTemporaryDir>
#include <QThread>

#include <Magick++.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

using namespace BqTest;

namespace {
const char* const CameraDate = "2013:05:04 14:22:10";
const char* const CentralEuropeTz = "CET-1CEST,M3.5.0,M10.5.0/3";

struct Decoded {
    int result = -1;
    SRAWImage request;
    QByteArray bytes; // copy of the decoder's buffer, which is freed at once
};

// One conversion the way the engine does it: a fresh decoder on the heap.
Decoded Convert(const QString& path, bool identifyOnly, int whiteBalance = 0, int highlight = 0, int demosaic = 0)
{
    Decoded d;
    d.request.fileName = path;
    d.request.identifyOnly = identifyOnly;
    d.request.whiteBalance = whiteBalance;
    d.request.highlight = highlight;
    d.request.demosaic = demosaic;
    std::unique_ptr<CDCRaw> decoder(new CDCRaw);
    d.result = decoder->Convert(&d.request);
    if (d.request.pixels) {
        const qint64 size = qint64(d.request.width * d.request.height) * d.request.channels;
        d.bytes = QByteArray(reinterpret_cast<const char*>(d.request.pixels), int(size));
        free(d.request.pixels);
    }
    return d;
}

struct Rgb {
    int r, g, b;
};

Rgb PixelAt(const Decoded& d, int x, int y)
{
    const int c = d.request.channels;
    const auto* p = reinterpret_cast<const uchar*>(d.bytes.constData()) + (qint64(y) * d.request.width + x) * c;
    return c >= 3 ? Rgb{p[0], p[1], p[2]} : Rgb{p[0], p[0], p[0]};
}

struct ProgressLog {
    std::vector<std::pair<qint64, qint64>> calls;
    std::vector<void*> contexts;
    qint64 stopAt = -1;
};

ProgressLog* g_Log = nullptr;

// Records every call in g_Log; the context must be the request's progress.
bool RecordProgress(qint64 done, qint64 total, void* context)
{
    g_Log->calls.emplace_back(done, total);
    g_Log->contexts.push_back(context);
    return done != g_Log->stopAt;
}

QString Env(const char* name)
{
    const char* value = getenv(name);
    return value ? QString::fromLatin1(value) : QStringLiteral("<unset>");
}
} // namespace

class TestRawDecoder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void identifiesWithoutDecoding_data();
    void identifiesWithoutDecoding();
    void decodesToSizeAndLayout_data();
    void decodesToSizeAndLayout();
    void whiteBalance_data();
    void whiteBalance();
    void highlights_data();
    void highlights();
    void demosaicing_data();
    void demosaicing();
    void optionsOutOfRangeAreClamped_data();
    void optionsOutOfRangeAreClamped();
    void progressAt30And70And95();
    void cancelAllocatesNothingAndReleasesLock_data();
    void cancelAllocatesNothingAndReleasesLock();
    void progressPointerUnreadWithoutCallback();
    void badFilesFail_data();
    void badFilesFail();
    void missingRequestFails();
    void twoThreadsMatchSequentialRun();
    void timeZoneUntouched_data();
    void timeZoneUntouched();

private:
    QString File(const QString& name) const { return m_Dir.filePath(name); }
    QTemporaryDir m_Dir;
};

void TestRawDecoder::initTestCase()
{
    QVERIFY(m_Dir.isValid());
    qputenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(m_Dir.path()));
    QVERIFY(StartMagickRuntime());

    const DngLayout standard;
    const QByteArray dng = MakeDng(standard);
    QVERIFY(WriteBytes(File("standard.dng"), dng));
    QVERIFY(WriteBytes(File("Fotos ä/фото.dng"), dng));
    QVERIFY(WriteBytes(File("IMG_0001.DNG"), dng));
    QVERIFY(WriteBytes(File("truncated.dng"), dng.left(dng.size() / 2)));
    QVERIFY(WriteBytes(File("stub.dng"), dng.left(200)));
    QVERIFY(WriteBytes(File("empty.dng"), QByteArray()));

    DngLayout layout = standard;
    layout.orientation = 6;
    QVERIFY(WriteBytes(File("orientation6.dng"), MakeDng(layout)));
    layout = standard;
    layout.dateTime.clear();
    QVERIFY(WriteBytes(File("nodate.dng"), MakeDng(layout)));
    layout.exifDateTime = CameraDate;
    QVERIFY(WriteBytes(File("exifdate.dng"), MakeDng(layout)));
    layout = standard;
    layout.scene = BandScene(1.6);
    QVERIFY(WriteBytes(File("clipped.dng"), MakeDng(layout)));
    layout = standard;
    layout.scene = StripeScene();
    QVERIFY(WriteBytes(File("stripes.dng"), MakeDng(layout)));
    layout = standard;
    layout.monochrome = true;
    QVERIFY(WriteBytes(File("mono.dng"), MakeDng(layout)));
    layout = standard;
    layout.claimedWidth = layout.claimedHeight = 20000;
    const QByteArray lying = MakeDng(layout);
    QVERIFY(lying.size() < 7 * 1024);
    QVERIFY(WriteBytes(File("lying20000.dng"), lying));
    layout.claimedWidth = layout.claimedHeight = 60000;
    QVERIFY(WriteBytes(File("lying60000.dng"), MakeDng(layout)));

    // Ordinary images under raw names.
    const struct {
        const char* magick;
        const char* name;
    } renamed[] = {{"PNG", "photo.png.DNG"}, {"JPEG", "photo.jpg.CR2"}, {"TIFF", "photo.tif.NEF"}};
    for (const auto& r : renamed) {
        Magick::Image photo = MakePhoto(64, 48);
        photo.magick(r.magick);
        Magick::Blob blob;
        photo.write(&blob);
        QVERIFY(WriteBytes(File(r.name), QByteArray(static_cast<const char*>(blob.data()), int(blob.length()))));
    }
}

void TestRawDecoder::identifiesWithoutDecoding_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rawWidth");
    QTest::addColumn<int>("rawHeight");
    QTest::addColumn<QString>("date");

    QTest::newRow("date in IFD0") << "standard.dng" << 64 << 48 << CameraDate;
    QTest::newRow("date in Exif only") << "exifdate.dng" << 64 << 48 << CameraDate;
    QTest::newRow("no date") << "nodate.dng" << 64 << 48 << "";
    QTest::newRow("non-ASCII folders") << "Fotos ä/фото.dng" << 64 << 48 << CameraDate;
    QTest::newRow("upper-case name") << "IMG_0001.DNG" << 64 << 48 << CameraDate;
    QTest::newRow("orientation kept out of raw size") << "orientation6.dng" << 64 << 48 << CameraDate;
    QTest::newRow("header claims 20000x20000") << "lying20000.dng" << 20000 << 20000 << CameraDate;
}

void TestRawDecoder::identifiesWithoutDecoding()
{
    QFETCH(QString, file);
    QFETCH(int, rawWidth);
    QFETCH(int, rawHeight);
    QFETCH(QString, date);

    const Decoded d = Convert(File(file), true);
    QCOMPARE(d.result, int(RawConvertDone));
    QCOMPARE(d.request.rawWidth, quint64(rawWidth));
    QCOMPARE(d.request.rawHeight, quint64(rawHeight));
    // LibRaw drops the maker's name from the model.
    QCOMPARE(d.request.make, QStringLiteral("Canon"));
    QCOMPARE(d.request.model, QStringLiteral("EOS 5D"));
    QCOMPARE(d.request.dateTime, date);
    QVERIFY(!d.request.pixels);
    QCOMPARE(d.request.width, quint64(0));
    QCOMPARE(d.request.channels, 0);
}

void TestRawDecoder::decodesToSizeAndLayout_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QPoint>("band"); // a pixel of the bright band
    QTest::addColumn<QPoint>("grey"); // a pixel of the grey rest

    QTest::newRow("standard") << "standard.dng" << 64 << 48 << 3 << QPoint(32, 3) << QPoint(32, 30);
    // Turned clockwise: the top band becomes the right-hand columns.
    QTest::newRow("orientation 6") << "orientation6.dng" << 48 << 64 << 3 << QPoint(44, 32) << QPoint(20, 32);
    QTest::newRow("monochrome camera") << "mono.dng" << 64 << 48 << 1 << QPoint(32, 3) << QPoint(32, 30);
    QTest::newRow("non-ASCII folders") << "Fotos ä/фото.dng" << 64 << 48 << 3 << QPoint(32, 3) << QPoint(32, 30);
}

void TestRawDecoder::decodesToSizeAndLayout()
{
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, channels);
    QFETCH(QPoint, band);
    QFETCH(QPoint, grey);

    const Decoded d = Convert(File(file), false);
    QCOMPARE(d.result, int(RawConvertDone));
    QCOMPARE(d.request.width, quint64(width));
    QCOMPARE(d.request.height, quint64(height));
    QCOMPARE(d.request.channels, channels);
    QCOMPARE(d.request.rawWidth, quint64(64));
    QCOMPARE(d.request.rawHeight, quint64(48));
    QCOMPARE(d.bytes.size(), width * height * channels);
    QCOMPARE(d.request.dateTime, QString(CameraDate));

    const Rgb b = PixelAt(d, band.x(), band.y());
    const Rgb g = PixelAt(d, grey.x(), grey.y());
    QVERIFY2(b.g > g.g + 60, qPrintable(QString("band %1, grey %2").arg(b.g).arg(g.g)));
    // The grey of a white-balanced decode is neutral.
    QVERIFY(qAbs(g.r - g.g) <= 3 && qAbs(g.b - g.g) <= 3);
}

void TestRawDecoder::whiteBalance_data()
{
    QTest::addColumn<int>("whiteBalance");
    QTest::addColumn<bool>("neutral");

    QTest::newRow("camera") << 0 << true;
    QTest::newRow("average") << 1 << true;
    QTest::newRow("none") << 2 << false;
    QTest::newRow("unknown value means camera") << 7 << true;
}

void TestRawDecoder::whiteBalance()
{
    QFETCH(int, whiteBalance);
    QFETCH(bool, neutral);

    const Decoded d = Convert(File("standard.dng"), false, whiteBalance);
    QCOMPARE(d.result, int(RawConvertDone));
    const Rgb c = PixelAt(d, 32, 24);
    const QByteArray seen = QString("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b).toLatin1();
    if (neutral)
        QVERIFY2(qAbs(c.r - c.g) <= 3 && qAbs(c.b - c.g) <= 3, seen.constData());
    else
        QVERIFY2(c.g - c.r >= 30, seen.constData());
}

void TestRawDecoder::highlights_data()
{
    QTest::addColumn<int>("highlight");
    QTest::addColumn<bool>("clipped");

    QTest::newRow("clip") << 0 << true;
    QTest::newRow("unclip") << 1 << false;
}

void TestRawDecoder::highlights()
{
    QFETCH(int, highlight);
    QFETCH(bool, clipped);

    const Decoded d = Convert(File("clipped.dng"), false, 0, highlight);
    QCOMPARE(d.result, int(RawConvertDone));
    const Rgb c = PixelAt(d, 32, 3);
    const QByteArray seen = QString("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b).toLatin1();
    if (clipped)
        QVERIFY2(c.r == 255 && c.g == 255 && c.b == 255, seen.constData());
    else
        QVERIFY2(c.r - c.g >= 30, seen.constData());
}

void TestRawDecoder::demosaicing_data()
{
    QTest::addColumn<int>("demosaic");
    QTest::addColumn<bool>("sameAsAhd");

    QTest::newRow("bilinear") << 1 << false;
    QTest::newRow("VNG") << 2 << false;
    QTest::newRow("PPG") << 3 << false;
    QTest::newRow("decoder's rule") << 0 << true;
}

void TestRawDecoder::demosaicing()
{
    QFETCH(int, demosaic);
    QFETCH(bool, sameAsAhd);

    const Decoded ahd = Convert(File("stripes.dng"), false, 0, 0, 4);
    const Decoded d = Convert(File("stripes.dng"), false, 0, 0, demosaic);
    QCOMPARE(ahd.result, int(RawConvertDone));
    QCOMPARE(d.result, int(RawConvertDone));
    QCOMPARE(d.bytes.size(), ahd.bytes.size());
    QCOMPARE(d.bytes == ahd.bytes, sameAsAhd);
}

void TestRawDecoder::optionsOutOfRangeAreClamped_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("highlight");
    QTest::addColumn<int>("demosaic");
    QTest::addColumn<int>("sameHighlight");
    QTest::addColumn<int>("sameDemosaic");

    QTest::newRow("highlight 42 as 9") << "clipped.dng" << 42 << 0 << 9 << 0;
    QTest::newRow("highlight -3 as 0") << "clipped.dng" << -3 << 0 << 0 << 0;
    QTest::newRow("demosaic 9 as AHD") << "stripes.dng" << 0 << 9 << 0 << 4;
    QTest::newRow("demosaic 5 as AHD") << "stripes.dng" << 0 << 5 << 0 << 4;
    QTest::newRow("demosaic -2 as decoder's rule") << "stripes.dng" << 0 << -2 << 0 << 0;
}

void TestRawDecoder::optionsOutOfRangeAreClamped()
{
    QFETCH(QString, file);
    QFETCH(int, highlight);
    QFETCH(int, demosaic);
    QFETCH(int, sameHighlight);
    QFETCH(int, sameDemosaic);

    const Decoded d = Convert(File(file), false, 0, highlight, demosaic);
    const Decoded reference = Convert(File(file), false, 0, sameHighlight, sameDemosaic);
    QCOMPARE(d.result, int(RawConvertDone));
    QCOMPARE(reference.result, int(RawConvertDone));
    QVERIFY(!d.bytes.isEmpty());
    QVERIFY(d.bytes == reference.bytes);
}

void TestRawDecoder::progressAt30And70And95()
{
    ProgressLog log;
    g_Log = &log;
    SProgressData progress;
    SRAWImage request;
    request.fileName = File("standard.dng");
    request.progress = &progress;
    std::unique_ptr<CDCRaw> decoder(new CDCRaw);
    QVERIFY(!decoder->m_pfnProgress);
    decoder->m_pfnProgress = RecordProgress;
    const int result = decoder->Convert(&request);
    g_Log = nullptr;
    const std::unique_ptr<unsigned char, decltype(&free)> pixels(request.pixels, &free);

    QCOMPARE(result, int(RawConvertDone));
    QVERIFY(pixels);
    const std::vector<std::pair<qint64, qint64>> expected = {{30, 100}, {70, 100}, {95, 100}};
    QVERIFY(log.calls == expected);
    for (void* context : log.contexts)
        QCOMPARE(context, static_cast<void*>(&progress));
}

void TestRawDecoder::cancelAllocatesNothingAndReleasesLock_data()
{
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<int>("callsMade");

    QTest::newRow("after raw loading") << 30 << 1;
    QTest::newRow("after demosaicing") << 70 << 2;
    QTest::newRow("before our buffer") << 95 << 3;
}

void TestRawDecoder::cancelAllocatesNothingAndReleasesLock()
{
    QFETCH(int, stopAt);
    QFETCH(int, callsMade);

    ProgressLog log;
    log.stopAt = stopAt;
    g_Log = &log;
    SRAWImage request;
    request.fileName = File("standard.dng");
    std::unique_ptr<CDCRaw> decoder(new CDCRaw);
    decoder->m_pfnProgress = RecordProgress;
    const int result = decoder->Convert(&request);
    g_Log = nullptr;

    QCOMPARE(result, int(RawConvertCancelled));
    QVERIFY(!request.pixels);
    QCOMPARE(int(log.calls.size()), callsMade);
    QCOMPARE(log.calls.back().first, qint64(stopAt));

    // The decode lock was released: a conversion on another thread runs.
    int other = -1;
    std::unique_ptr<QThread> thread(QThread::create([&] { other = Convert(File("stripes.dng"), false).result; }));
    thread->start();
    QVERIFY2(thread->wait(120000), "the next conversion is stuck behind the cancelled one");
    QCOMPARE(other, int(RawConvertDone));
}

void TestRawDecoder::progressPointerUnreadWithoutCallback()
{
    SRAWImage request;
    request.fileName = File("standard.dng");
    request.progress = reinterpret_cast<void*>(quintptr(8)); // would crash if read
    std::unique_ptr<CDCRaw> decoder(new CDCRaw);
    QCOMPARE(decoder->Convert(&request), int(RawConvertDone));
    QVERIFY(request.pixels);
    free(request.pixels);
}

void TestRawDecoder::badFilesFail_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("identifyResult");

    QTest::newRow("missing") << "nothere.dng" << 1;
    QTest::newRow("empty") << "empty.dng" << 1;
    QTest::newRow("200-byte header stub") << "stub.dng" << 1;
    QTest::newRow("PNG named DNG") << "photo.png.DNG" << 1;
    QTest::newRow("JPEG named CR2") << "photo.jpg.CR2" << 1;
    QTest::newRow("TIFF named NEF") << "photo.tif.NEF" << 1;
    // The header is whole, so these identify; the pixels are not there.
    QTest::newRow("cut in half") << "truncated.dng" << 0;
    QTest::newRow("claims 20000x20000") << "lying20000.dng" << 0;
    QTest::newRow("claims 60000x60000, too big") << "lying60000.dng" << 0;
    QTest::newRow("a folder") << "Fotos ä" << 1;
}

void TestRawDecoder::badFilesFail()
{
    QFETCH(QString, file);
    QFETCH(int, identifyResult);

    const Decoded identified = Convert(File(file), true);
    QCOMPARE(identified.result, identifyResult);
    QVERIFY(!identified.request.pixels);

    const Decoded decoded = Convert(File(file), false);
    QCOMPARE(decoded.result, int(RawConvertFailed));
    QVERIFY(!decoded.request.pixels);
    QCOMPARE(decoded.request.width, quint64(0));
    QCOMPARE(decoded.request.channels, 0);
}

void TestRawDecoder::missingRequestFails()
{
    std::unique_ptr<CDCRaw> decoder(new CDCRaw);
    QCOMPARE(decoder->Convert(nullptr), int(RawConvertFailed));
    SRAWImage request;
    QCOMPARE(decoder->Convert(&request), int(RawConvertFailed));
    QVERIFY(!request.pixels);
}

void TestRawDecoder::twoThreadsMatchSequentialRun()
{
    const QString files[2] = {File("standard.dng"), File("stripes.dng")};
    QByteArray reference[2];
    for (int i = 0; i < 2; ++i) {
        const Decoded d = Convert(files[i], false, 0, 0, 2);
        QCOMPARE(d.result, int(RawConvertDone));
        reference[i] = d.bytes;
    }
    QVERIFY(reference[0] != reference[1]);

    int mismatches[2] = {0, 0};
    std::unique_ptr<QThread> threads[2];
    for (int i = 0; i < 2; ++i) {
        threads[i].reset(QThread::create([&, i] {
            for (int run = 0; run < 20; ++run) {
                const Decoded d = Convert(files[i], false, 0, 0, 2);
                if (d.result != RawConvertDone || d.bytes != reference[i])
                    ++mismatches[i];
            }
        }));
    }
    for (auto& t : threads)
        t->start();
    for (auto& t : threads)
        QVERIFY(t->wait(300000));
    QCOMPARE(mismatches[0], 0);
    QCOMPARE(mismatches[1], 0);
}

void TestRawDecoder::timeZoneUntouched_data()
{
    QTest::addColumn<QString>("tz"); // empty: unset

    QTest::newRow("central Europe") << CentralEuropeTz;
    QTest::newRow("unset") << "";
}

void TestRawDecoder::timeZoneUntouched()
{
    QFETCH(QString, tz);

    const QByteArray saved = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    // Set before any of this case's threads start.
    if (tz.isEmpty())
        qunsetenv("TZ");
    else
        qputenv("TZ", tz.toLatin1());
    tzset();
    const QString before = Env("TZ");

    Decoded identified, decoded;
    std::unique_ptr<QThread> a(QThread::create([&] { identified = Convert(File("exifdate.dng"), true); }));
    std::unique_ptr<QThread> b(QThread::create([&] { decoded = Convert(File("standard.dng"), false); }));
    a->start();
    b->start();
    const bool joined = a->wait(120000) && b->wait(120000);
    const QString after = Env("TZ");

    if (hadTz)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
    tzset();

    QVERIFY(joined);
    QCOMPARE(before, tz.isEmpty() ? QStringLiteral("<unset>") : tz);
    QCOMPARE(after, before);
    QCOMPARE(identified.result, int(RawConvertDone));
    QCOMPARE(decoded.result, int(RawConvertDone));
    QCOMPARE(identified.request.dateTime, QString(CameraDate));
    QCOMPARE(decoded.request.dateTime, QString(CameraDate));
}

BQ_TEST_MAIN(TestRawDecoder)
#include "tst_raw_decoder.moc"
