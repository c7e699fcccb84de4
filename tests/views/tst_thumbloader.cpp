// The thumbnail loader seen from outside: the image it makes from an Exif
// thumbnail, photos without one, ranges and interruptions, exceptions, a
// growing list, and stale rows while the user removes, drags and scrolls.
#include "BqTestMain.h"
#include "ExifJpeg.h"
#include "ImageInfoText.h"
#include "ListThumb.h"
#include "PhotoPageStandIn.h"
#include "ThumbTestSupport.h"

#include <QFile>
#include <QMimeData>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <Magick++.h>

#include <atomic>
#include <new>

using namespace BqTest;

namespace
{

const QRgb ThumbColour = qRgb(30, 120, 200);

// Paths seen by a loader's visit hook, thread-safe.
struct SVisits {
    QMutex mutex;
    QStringList paths;
    void Add(const QString& path)
    {
        QMutexLocker lock(&mutex);
        paths.append(path);
    }
    QStringList All()
    {
        QMutexLocker lock(&mutex);
        return paths;
    }
};

// Posts a range to the list's loader, as a view does.
void Post(CListThumb* list, int first, int last)
{
    list->Loader()->first.store(first);
    list->Loader()->last.store(last);
    list->Loader()->LoadThumbnails();
}

// A hidden list of these photos (format icon JPG) with its loader started:
// only the test posts ranges.
void Start(CListThumb* list, const QStringList& paths, bool loaded = false)
{
    list->LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
    for (const QString& path : paths)
        list->AddItem("x", "", path, loaded, 2, true);
    list->InitThread();
}

// The loader ends its current range and reports an empty one: every store
// before it is done.
void DrainLoader(CListThumb* list)
{
    QSignalSpy done(list->Loader(), &CListThumbThread::OnThreadLoadComplete);
    Post(list, -5, -5);
    QTRY_VERIFY_WITH_TIMEOUT(!done.isEmpty() && done.last().at(0).toInt() == -5, 10000);
}

// True when every item lying wholly inside the viewport shows `colour`.
bool VisibleRowsShow(CListThumb* list, QColor colour)
{
    for (int k = 0; k < list->count(); ++k) {
        const QRect rect = list->visualItemRect(list->item(k));
        if (list->viewport()->rect().contains(rect) && !Near(IconColour(list->item(k)), colour, 8))
            return false;
    }
    return true;
}

} // namespace

class TestThumbLoader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_ratio = 1;
    QString m_thumbPhoto;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    std::unique_ptr<CListThumb> ShownList(QSize size, int mode, PhotoPageStandIn** page)
    {
        std::unique_ptr<CListThumb> list(new CListThumb);
        list->resize(m_ratio == 2 ? size.boundedTo(QSize(380, 280)) : size);
        *page = new PhotoPageStandIn(list.get());
        (*page)->SetViewMode(mode);
        list->show();
        return QTest::qWaitForWindowExposed(list.get()) ? std::move(list) : nullptr;
    }

    // Copies of the photo with a thumbnail under new names.
    QStringList Copies(const QString& prefix, int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QString path = Path(QString("%1-%2.jpg").arg(prefix).arg(i, 3, 10, QChar('0')));
            if (!QFile::exists(path) && !QFile::link(m_thumbPhoto, path))
                QFile::copy(m_thumbPhoto, path);
            paths << path;
        }
        return paths;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_ratio = StartPhotoListTest(m_dir.path());
        QVERIFY(m_ratio > 0);
        m_thumbPhoto = Path("thumb.jpg");
        QVERIFY(WriteExifJpeg(m_thumbPhoto, QSize(400, 300), qRgb(250, 10, 10), QSize(160, 120), ThumbColour));
    }

    void thumbnailOfAPhoto()
    {
        const QString path = Path("big.jpg");
        QVERIFY(WriteExifJpeg(path, QSize(4000, 3000), qRgb(200, 30, 30), QSize(160, 120), ThumbColour));
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = ShownList(QSize(600, 400), 2, &page);
        QVERIFY(list);
        page->AddPhoto(path);
        page->Synchronize();
        auto record = [&] {
            QMutexLocker lock(list->Mutex());
            return list->Records()->at(0);
        };
        QTRY_VERIFY_WITH_TIMEOUT(record().loaded && !record().imageReady, 10000);
        QVERIFY(record().hasIcon);
        QCOMPARE(record().iconIndex, 10);
        QVERIFY(record().image == nullptr);
        QCOMPARE(record().toolTip, ReadImageProperties(path));
        const QIcon icon = list->Icons()->at(10);
        QCOMPARE(icon.availableSizes().value(0), QSize(128, 128) * m_ratio);
        QVERIFY(Near(IconColour(list->item(0)), QColor(ThumbColour), 4));
    }

    void thumbnailPixels_data()
    {
        QTest::addColumn<QSize>("thumbSize");
        QTest::newRow("landscape") << QSize(160, 120);
        QTest::newRow("portrait") << QSize(120, 160);
    }
    void thumbnailPixels()
    {
        QFETCH(QSize, thumbSize);
        const QString path = Path(QString("shape-%1.jpg").arg(thumbSize.width()));
        QVERIFY(WriteExifJpeg(path, QSize(400, 300), qRgb(0, 0, 0), thumbSize, ThumbColour));
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = ShownList(QSize(300, 200), 3, &page);
        QVERIFY(list);
        const int side = 128 * m_ratio;
        QCOMPARE(list->Loader()->boxSide, side);
        Magick::Image thumbnail(Magick::Geometry(thumbSize.width(), thumbSize.height()),
                                Magick::ColorRGB(30 / 255.0, 120 / 255.0, 200 / 255.0));
        const QImage image = CListThumbThread::MakeThumbnail(thumbnail, side);
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        QCOMPARE(image.pixel(0, 0), 0x00FFFFFFu);
        const QRgb centre = image.pixel(side / 2, side / 2);
        QCOMPARE(qAlpha(centre), 255);
        QVERIFY(Near(QColor(centre), QColor(ThumbColour), 4));
        if (thumbSize.width() > thumbSize.height()) {
            // Below the photo, the shadow fades out.
            int y = side / 2;
            while (y < side && qAlpha(image.pixel(side / 2, y)) == 255)
                ++y;
            QVERIFY(y < side);
            const int alpha = qAlpha(image.pixel(side / 2, y + 1));
            QVERIFY2(alpha > 0 && alpha < 255, qPrintable(QString::number(alpha)));
        } else {
            for (int y = 0; y < side; ++y) {
                QCOMPARE(qAlpha(image.pixel(0, y)), 0);
                QCOMPARE(qAlpha(image.pixel(side - 1, y)), 0);
            }
        }
    }

    void photosWithoutThumbnail()
    {
        QStringList paths;
        paths << Path("plain.jpg") << Path("plain.png") << Path("empty.jpg") << Path("corrupt.jpg") << Path("gone.jpg");
        QVERIFY(WriteExifJpeg(paths[0], QSize(64, 48), qRgb(9, 9, 9), QSize(), 0));
        Magick::Image png(Magick::Geometry(40, 30), Magick::ColorRGB(0, 1, 0));
        png.write(paths[1].toStdString());
        QFile(paths[2]).open(QIODevice::WriteOnly);
        SExifFields corrupt;
        corrupt.corruptThumbnail = true;
        QVERIFY(WriteExifJpeg(paths[3], QSize(64, 48), qRgb(9, 9, 9), QSize(160, 120), ThumbColour, corrupt));
        QVERIFY(WriteExifJpeg(paths[4], QSize(64, 48), qRgb(9, 9, 9), QSize(160, 120), ThumbColour));
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = ShownList(QSize(600, 400), 1, &page);
        QVERIFY(list);
        SVisits visits;
        list->Loader()->visitHook = [&](const QString& path) { visits.Add(path); };
        for (const QString& path : paths)
            page->AddPhoto(path);
        QFile::remove(paths[4]);
        page->Synchronize();
        auto allLoaded = [&] {
            QMutexLocker lock(list->Mutex());
            for (const SThumb& record : *list->Records())
                if (!record.loaded)
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(allLoaded(), 10000);
        for (int i = 0; i < paths.size(); ++i) {
            const SThumb record = list->Records()->at(i);
            QVERIFY2(!record.hasIcon, qPrintable(paths[i]));
            QCOMPARE(record.iconIndex, FormatIcon(paths[i]));
            QCOMPARE(record.toolTip, ReadImageProperties(paths[i]));
        }
        QCOMPARE(FormatIcon(paths[0]), 2);
        QCOMPARE(list->Records()->at(4).toolTip, QString("Photo not found"));
        QCOMPARE(list->Icons()->size(), 10);
        list->UpdateView();
        QSignalSpy completions(list->Loader(), &CListThumbThread::OnThreadLoadComplete);
        Post(list.get(), 0, 4);
        QVERIFY(completions.wait(10000));
        QStringList seen = visits.All();
        seen.sort();
        QStringList expected = paths;
        expected.sort();
        QCOMPARE(seen, expected);
    }

    void loadedRangeMakesNothing()
    {
        CListThumb list;
        QStringList paths;
        for (int i = 0; i < 10; ++i)
            paths << Path(QString("loaded-%1.jpg").arg(i));
        Start(&list, paths, true);
        SVisits visits;
        list.Loader()->visitHook = [&](const QString& path) { visits.Add(path); };
        QSignalSpy completions(list.Loader(), &CListThumbThread::OnThreadLoadComplete);
        Post(&list, 0, 9);
        QVERIFY(completions.wait(10000));
        DrainLoader(&list);
        QCOMPARE(completions.size(), 2);
        QCOMPARE(completions.at(0), QVariantList({0, 9}));
        QVERIFY(visits.All().isEmpty());
    }

    void newerRequestStopsTheRange()
    {
        CListThumb list;
        QStringList paths;
        for (int i = 0; i < 50; ++i)
            paths << Path(QString("range-%1.jpg").arg(i));
        Start(&list, paths);
        QSemaphore entered;
        QSemaphore release;
        SVisits visits;
        const QString blocking = list.Records()->at(0).path;
        list.Loader()->visitHook = [&](const QString& path) {
            visits.Add(path);
            if (path == blocking) {
                entered.release();
                release.acquire();
            }
        };
        QSignalSpy completions(list.Loader(), &CListThumbThread::OnThreadLoadComplete);
        Post(&list, 0, 20);
        QVERIFY(entered.tryAcquire(1, 10000));
        Post(&list, 30, 40);
        release.release();
        QTRY_COMPARE_WITH_TIMEOUT(completions.size(), 2, 10000);
        QCOMPARE(completions.at(0), QVariantList({30, 0}));
        QCOMPARE(completions.at(1), QVariantList({30, 40}));
        QStringList expected{blocking};
        for (int i = 30; i <= 40; ++i)
            expected << list.Records()->at(i).path;
        QCOMPARE(visits.All(), expected);
    }

    void exceptionsCostOnlyThePhoto()
    {
        const QStringList paths = Copies("fault", 3);
        CListThumb list;
        Start(&list, paths);
        list.Loader()->visitHook = [&](const QString& path) {
            if (path == paths[0])
                throw Magick::ErrorResourceLimit("no memory for the test");
            if (path == paths[1])
                throw std::bad_alloc();
        };
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Thumbnail: .*fault-000.jpg: .*no memory"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Thumbnail: .*fault-001.jpg: "));
        QSignalSpy completions(list.Loader(), &CListThumbThread::OnThreadLoadComplete);
        Post(&list, 0, 2);
        QVERIFY(completions.wait(10000));
        list.UpdateItemsImageIndex(0, 2);
        for (int i = 0; i < 2; ++i) {
            const SThumb record = list.Records()->at(i);
            QVERIFY(record.loaded);
            QVERIFY(!record.hasIcon);
            QCOMPARE(record.toolTip, ReadImageProperties(paths[i]));
        }
        QVERIFY(list.Records()->at(2).hasIcon);
        QVERIFY(Near(IconColour(list.item(2)), QColor(ThumbColour), 8));
        list.AddItem("x", "", Copies("later", 1).at(0), false, 2, true);
        Post(&list, 3, 3);
        QVERIFY(completions.wait(10000));
        QVERIFY(list.Records()->at(3).hasIcon);
    }

    void growingList_data()
    {
        QTest::addColumn<bool>("byResize");
        QTest::newRow("added photos") << false;
        QTest::newRow("larger window") << true;
    }
    void growingList()
    {
        QFETCH(bool, byResize);
        if (m_ratio == 2)
            QSKIP("the offscreen desktop of the 2x run is 400 x 300");
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = ShownList(byResize ? QSize(300, 200) : QSize(800, 600), 2, &page);
        QVERIFY(list);
        const QStringList paths = Copies(byResize ? "resize" : "grow", byResize ? 60 : 44);
        for (int i = 0; i < (byResize ? 60 : 4); ++i)
            page->AddPhoto(paths[i]);
        page->Synchronize();
        QTRY_VERIFY_WITH_TIMEOUT(VisibleRowsShow(list.get(), ThumbColour), 10000);
        if (byResize)
            list->resize(800, 600);
        else
            for (int i = 4; i < 44; ++i)
                page->AddPhoto(paths[i]);
        QTRY_VERIFY_WITH_TIMEOUT(VisibleRowsShow(list.get(), ThumbColour), 10000);
    }

    void staleRowsUnderStress()
    {
        if (m_ratio == 2)
            QSKIP("run once, at 1x");
        const int count = 200;
        QHash<QString, QColor> colours;
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QColor colour(20 + 40 * (i % 6), 20 + 40 * ((i / 6) % 6), 20 + 40 * (i / 36));
            const QString path = Path(QString("stress-%1.jpg").arg(i, 3, 10, QChar('0')));
            QVERIFY(WriteExifJpeg(path, QSize(32, 24), qRgb(0, 0, 0), QSize(40, 30), colour.rgb()));
            colours.insert(path, colour);
            paths << path;
        }
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = ShownList(QSize(600, 400), 1, &page);
        QVERIFY(list);
        std::atomic<int> lockFailures{0};
        QMutex* mutex = list->Mutex();
        list->Loader()->visitHook = [&](const QString&) {
            if (mutex->tryLock(5000))
                mutex->unlock();
            else
                ++lockFailures;
        };
        for (const QString& path : paths)
            page->AddPhoto(path);
        page->Synchronize();
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        for (int round = 0; round < 300; ++round) {
            const int action = random.bounded(4);
            if (action == 0 && list->count() > 1) {
                page->RemovePhoto(random.bounded(list->count()));
            } else if (action == 1 && list->count() > 3) {
                list->clearSelection();
                for (int n = random.bounded(1, 4); n > 0; --n)
                    list->item(random.bounded(list->count()))->setSelected(true);
                const QListWidgetItem* target = list->item(random.bounded(list->count()));
                QMimeData data;
                Drop(list.get(), list->visualItemRect(target).center(), &data);
            } else if (action == 2) {
                QScrollBar* bar = list->verticalScrollBar();
                bar->setValue(random.bounded(bar->maximum() + 1));
            }
            QTest::qWait(3);
        }
        list->hide();
        DrainLoader(list.get());
        QCoreApplication::processEvents();
        page->Synchronize();
        QSet<int> used;
        for (const SThumb& record : *list->Records()) {
            if (!record.hasIcon)
                continue;
            QVERIFY2(!used.contains(record.iconIndex), "two records share an icon");
            used.insert(record.iconIndex);
            const QImage image = list->Icons()->at(record.iconIndex).pixmap(64, 64).toImage();
            QVERIFY2(Near(QColor(image.pixel(32, 32)), colours.value(record.path), 8), qPrintable(record.path));
        }
        for (int k = 0; k < list->count(); ++k) {
            const SThumb& record = list->Records()->at(list->Rows()->at(k));
            QCOMPARE(record.path, page->paths[k]);
            QCOMPARE(list->item(k)->icon().cacheKey(), list->Icons()->at(record.iconIndex).cacheKey());
        }
        QCOMPARE(lockFailures.load(), 0);
    }

    void destroyedWhileLoading()
    {
        const QStringList paths = Copies("destroy", 20);
        auto* list = new CListThumb;
        Start(list, paths);
        QSemaphore entered;
        list->Loader()->visitHook = [&](const QString&) { entered.release(); };
        Post(list, 0, 19);
        QVERIFY(entered.tryAcquire(1, 10000));
        delete list; // joins the loader, which first finishes its range
        QCOMPARE(entered.available(), 19);
    }
};

BQ_TEST_MAIN(TestThumbLoader)
#include "tst_thumbloader.moc"
