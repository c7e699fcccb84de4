// What the preview shows is what the run writes: tiled marks compared pixel
// for pixel with the batch's PNG, drawn (non-tiled) marks on a single-filter
// view compared with the batch output before and after a drag, and chains
// that crop or resize, whose whole result lies over the dimmed photo.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "EngineFixtures.h"
#include "FilterPage.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "MagickQt.h"
#include "ModalDriver.h"
#include "OrientationFixtures.h"
#include "PhotoMaker.h"
#include "ResourceRoot.h"
#include "SilentBatch.h"
#include "UserProfile.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace FilterTest;

namespace
{

QImage ReadThroughMagick(const QString& path)
{
    try {
        Magick::Image image;
        image.read(path.toStdString());
        return ImageMagickToQt(image).convertToFormat(QImage::Format_ARGB32);
    } catch (const Magick::Exception&) {
        return QImage();
    }
}

// The largest difference of any channel, or 256 for different sizes.
int MaxDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = qMax(worst,
                         qMax(qAbs(qRed(p) - qRed(q)), qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    return worst;
}

// The bounding box of the pixels where two images differ.
QRect Changed(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestPreviewMatchesBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;
    int m_Runs = 0;
    QString P(const QString& name) const { return m_Dir.filePath(name); }
    QImage Batch(const QString& photo, const QList<SFilterRecord>& chain)
    {
        const QString out = BqTest::RunSilentBatch(photo, chain, P(QStringLiteral("out%1").arg(++m_Runs)));
        return out.isEmpty() ? QImage() : ReadThroughMagick(out);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(StartEngineAndCatalogues());
        QVERIFY(WritePhoto(P("photo320.png"), 320, 240));
        QVERIFY(WritePhoto(P("photo400.png"), 400, 250, 5));
        QVERIFY(WritePhoto(P("logo.png"), 60, 30, 9));
        QVERIFY(WritePhoto(P("photo800.png"), 800, 500, 3));
        Magick::Blob jpeg;
        BqTest::MakePhoto(160, 107, 7).write(&jpeg, "JPEG");
        QFile oriented(P("orientation6.jpg")); // stored on its side: upright it is 107 x 160
        const QByteArray bytes(static_cast<const char*>(jpeg.data()), int(jpeg.length()));
        QVERIFY(oriented.open(QIODevice::WriteOnly) && oriented.write(BqTest::InsertExifOrientation(bytes, 6)) > 0);
    }

    void tiledMarksInTheDialog_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::newRow("tiled text") << quint32(FilterText);
        QTest::newRow("tiled logo") << quint32(FilterLogo);
    }
    void tiledMarksInTheDialog()
    {
        QFETCH(quint32, id);
        SFilterRecord rec = id == FilterText ? DefaultText() : DefaultLogo();
        rec.id = id;
        rec.name = id == FilterText ? "Text" : "Logo";
        rec.active = true;
        if (id == FilterText) {
            rec.numbers[6] = 1;
            rec.strings[0] = "[Filename] [Copyright]";
        } else {
            rec.numbers[3] = 1;
            rec.strings[0] = P("logo.png");
        }
        const QString photo = P("photo320.png");
        CUserProfile::GetInstance()->PreviewPath = photo;
        CFilterSettings d;
        d.record = rec;
        d.previewImage.path = photo;
        QImage shown;
        bool opened = false;
        bool atFullSize = false;
        bool timedOut = false;
        BqTest::CModalWatchdog guard(&timedOut);
        QTimer::singleShot(0, &d, [&] {
            CControlImage* view = d.findChild<CControlImage*>("scrollFilter");
            // Zooming is refused while either paired view still waits for a preview.
            opened = QTest::qWaitFor(
                [&] {
                    return view->shown && !view->pending && !(view->friendView && view->friendView->pending) &&
                           d.States().Count() >= 1;
                },
                kWait);
            QSignalSpy zooms(view, &CControlImage::UpdateZoomPercent);
            atFullSize =
                view->ZoomToMatch() &&
                QTest::qWaitFor([&] { return !zooms.isEmpty() && zooms.last().first().toInt() == 100; }, kWait);
            shown = d.findChild<QLabel*>("viewFilter")
                        ->pixmap(Qt::ReturnByValue)
                        .toImage()
                        .convertToFormat(QImage::Format_ARGB32);
            d.accept();
        });
        QCOMPARE(d.exec(), 1);
        QVERIFY(!timedOut);
        QVERIFY(opened);
        QVERIFY(atFullSize);
        QCOMPARE(shown.size(), QSize(320, 240));
        const QImage written = Batch(photo, {d.record});
        QCOMPARE(written.size(), QSize(320, 240));
        QVERIFY(written != ReadThroughMagick(photo)); // the mark is there
        QCOMPARE(Changed(shown, written), QRect());
    }

    void drawnMarksOnTheView_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::addColumn<int>("placement");
        QTest::newRow("text top-left") << quint32(FilterText) << 0;
        QTest::newRow("text centre") << quint32(FilterText) << 4;
        QTest::newRow("text bottom-right") << quint32(FilterText) << 8;
        QTest::newRow("logo at 25 %") << quint32(FilterLogo) << 4;
    }
    void drawnMarksOnTheView()
    {
        QFETCH(quint32, id);
        QFETCH(int, placement);
        SFilterRecord rec = id == FilterText ? DefaultText() : DefaultLogo();
        rec.id = id;
        rec.name = id == FilterText ? "Text" : "Logo";
        rec.active = true;
        if (id == FilterText) {
            rec.numbers[1] = placement;
            rec.numbers[2] = 20;
            rec.numbers[3] = 20;
            rec.numbers[9] = 12;
            rec.strings[0] = "AB";
        } else {
            rec.numbers[0] = placement;
            rec.numbers[6] = 25;
            rec.strings[0] = ResourceRoot() + "/Sample.png";
        }
        const QString photo = P("photo400.png");
        const QImage source = ReadThroughMagick(photo);
        SViewRig rig(QSize(400, 300));
        rig.view->singleFilterMode = true;
        CUserProfile::GetInstance()->PreviewPath = photo;
        rig.view->AddFilter(rec);
        QVERIFY(rig.Show(photo));
        QTRY_VERIFY_WITH_TIMEOUT(rig.area->isVisible(), kWait);
        QCOMPARE(rig.view->FitScale(), 1.0);
        QWidget* port = rig.view->viewport();
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                const QPoint from = rig.area->geometry().center();
                DragSteps(port, from, QPoint(3, 2), 10);
            }
            // A press outside the mark hides its corner marks.
            DragSteps(port, QPoint(2, 2), QPoint(), 0);
            const QImage grabbed =
                rig.view->grab(QRect(0, 25, 400, 250)).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage written = Batch(photo, {rig.view->filters.first()});
            QVERIFY2(MaxDifference(grabbed, written) <= 2,
                     qPrintable(QString::number(MaxDifference(grabbed, written))));
            const QRect changed = Changed(source, written);
            QVERIFY(!changed.isEmpty());
            const QRect label = rig.area->geometry().translated(0, -25);
            QVERIFY2(label.contains(changed), qPrintable(QStringLiteral("changed (%1,%2 %3x%4) label (%5,%6 %7x%8)")
                                                             .arg(changed.x())
                                                             .arg(changed.y())
                                                             .arg(changed.width())
                                                             .arg(changed.height())
                                                             .arg(label.x())
                                                             .arg(label.y())
                                                             .arg(label.width())
                                                             .arg(label.height())));
        }
    }

    void chainsShowWhatTheRunWrites_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QList<SFilterRecord>>("chain");
        QTest::addColumn<QSize>("canvas"); // of the preview at 100 %
        SFilterRecord text = DefaultText();
        text.id = FilterText;
        text.active = true;
        text.numbers[1] = 8; // bottom right, 30 px in, 40 px up
        text.numbers[2] = 30;
        text.numbers[3] = 40;
        text.numbers[9] = 12;
        text.strings[0] = "Bergfoto [Filename]";
        const SFilterRecord turn = BqTest::Record(FilterAutoRotate, {});
        QTest::newRow("border around a resize")
            << "photo800.png"
            << QList<SFilterRecord>{turn, text, BqTest::Record(FilterResize, {800, 560, 1, 0, 0, 0}),
                                    BqTest::Record(FilterSimpleBorder, {20, 20, 20, 20, 0, 4290493439.0, 1})}
            << QSize(840, 540);
        text.numbers[2] = 3;
        text.numbers[3] = 4;
        QTest::newRow("orientation 6 turned and cropped")
            << "orientation6.jpg" << QList<SFilterRecord>{turn, BqTest::Record(FilterCrop, {16, 20, 75, 112, 0}), text}
            << QSize(160, 112);
    }
    void chainsShowWhatTheRunWrites()
    {
        QFETCH(QString, photo);
        QFETCH(QList<SFilterRecord>, chain);
        QFETCH(QSize, canvas);
        const QSize port(900, 600);
        SViewRig rig(port);
        for (const SFilterRecord& rec : chain)
            rig.view->AddFilter(rec);
        QVERIFY(rig.Show(P(photo)));
        QSignalSpy zooms(rig.view, &CControlImage::UpdateZoomPercent);
        QVERIFY(rig.view->ZoomToMatch());
        QTRY_COMPARE_WITH_TIMEOUT(zooms.count(), 1, kWait);
        const QImage shown = rig.Shown();
        QCOMPARE(shown.size(), canvas);
        // Every pixel the run writes is there, centred on the canvas.
        const QImage batch = Batch(P(photo), chain);
        const QSize margin = canvas - batch.size();
        const int difference =
            MaxDifference(shown.copy(QRect(QPoint(margin.width() / 2, margin.height() / 2), batch.size())), batch);
        QVERIFY2(difference <= 2, qPrintable(QString::number(difference)));
        // "Fit" fits the whole canvas.
        QVERIFY(rig.view->ZoomToFit());
        QTRY_COMPARE_WITH_TIMEOUT(zooms.count(), 2, kWait);
        QCOMPARE(zooms.last().first().toInt(), PreviewRound(PreviewFitZoom(canvas.width(), canvas.height(), port)));
    }
};

BQ_TEST_MAIN(TestPreviewMatchesBatch)
#include "tst_preview_matches_batch.moc"
