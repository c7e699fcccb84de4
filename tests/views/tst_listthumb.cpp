// The thumbnail list seen from outside, without its loader: the texts of a
// record, view modes and icons, drops, removals, the light adjustment and
// the overlays read back from the screen.
#include "BqTestMain.h"
#include "ExifJpeg.h"
#include "ImageCache.h"
#include "ImageRecords.h"
#include "ListThumb.h"
#include "PhotoPageStandIn.h"
#include "ThumbTestSupport.h"

#include <QFile>
#include <QMimeData>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>
#include <QUrl>

using namespace BqTest;

namespace
{

void WriteBytes(const QString& path, int size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(size, 'x')), qint64(size));
}

QColor PhotoColour(int i)
{
    return QColor::fromHsv((i * 47) % 360, 200, 220);
}

// Position of the first opaque pixel of an image, or (-1, -1).
QPoint OpaquePixel(const QImage& image)
{
    for (int y = image.height() / 2; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

} // namespace

class TestListThumb : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_ratio = 1;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // A shown list under the page stand-in with `count` photos (no files)
    // carrying thumbnails of their own colours.
    std::unique_ptr<CListThumb> MakeList(int count, PhotoPageStandIn** page)
    {
        std::unique_ptr<CListThumb> list(new CListThumb);
        list->resize(m_ratio == 2 ? QSize(380, 280) : QSize(600, 400));
        *page = new PhotoPageStandIn(list.get(), false);
        for (int i = 0; i < count; ++i) {
            (*page)->AddPhoto(Path(QString("photo-%1.jpg").arg(i)));
            GiveThumbnail(list.get(), i, PhotoColour(i));
        }
        (*page)->Synchronize();
        list->show();
        if (!QTest::qWaitForWindowExposed(list.get()))
            return nullptr;
        return list;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_ratio = StartPhotoListTest(m_dir.path());
        QVERIFY(m_ratio > 0);
    }

    void texts_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("nameLength"); // in the tool tip, else "tip"
        QTest::newRow("empty") << 0 << "N/A" << 0;
        QTest::newRow("missing") << -1 << "N/A" << 0;
        QTest::newRow("1536") << 1536 << "1.50 KB" << 0;
        QTest::newRow("below 1 MB") << 1048575 << "1024.00 KB" << 0;
        QTest::newRow("1 MB") << 1048576 << "1.00 MB" << 0;
        QTest::newRow("tip of a 200-character name") << 1536 << "1.50 KB" << 200;
    }
    void texts()
    {
        QFETCH(int, bytes);
        QFETCH(QString, size);
        QFETCH(int, nameLength);
        const QString tip = nameLength ? "Name: " + QString(nameLength, 'n') + "\nType: JPEG" : "tip";
        QVERIFY(QDir(m_dir.path()).mkpath("a.b"));
        const QString path = Path("a.b/IMG_1.jpeg");
        QFile::remove(path);
        if (bytes >= 0)
            WriteBytes(path, bytes);
        CListThumb list;
        list.LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
        list.AddItem("first", "tip 1", Path("other.png"), false, 3, true);
        list.AddItem("shown", tip, path, false, 2, true);
        const SThumb record = list.Records()->at(1);
        QCOMPARE(record.size, size);
        QCOMPARE(record.baseName, QString("IMG_1"));
        QCOMPARE(record.type, QString("JPEG"));
        QCOMPARE(record.folder, Path("a.b"));
        QCOMPARE(list.Rows()->at(1), 1);
        QCOMPARE(list.item(1)->text(), QString("shown"));
        for (int refreshed = 0; refreshed < 2; list.UpdateItemImageIndex(1), ++refreshed) { // as the loader does
            const QString shown = list.item(1)->toolTip(); // within the screen, nothing left out
            for (const QString& line : shown.split(QRegularExpression("[\\n\\x{2028}]")))
                QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(line) <= list.screen()->size().width());
            QCOMPARE(QString(shown).remove(QChar::LineSeparator).remove(' '), QString(tip).remove(' '));
        }
        QCOMPARE(list.item(1)->icon().cacheKey(), list.Icons()->at(2).cacheKey());
        // Not an image: the ping fails and every property text stays empty.
        for (const QString& text :
             {record.dateTaken, record.dimensions, record.camera, record.gps, record.orientation, record.altitude,
              record.aperture, record.exposure, record.iso, record.dpi, record.colorSpace})
            QVERIFY(text.isEmpty());
    }

    void textsOfAPhoto()
    {
        const QString path = Path("canon.jpg");
        SExifFields fields;
        fields.make = "Canon";
        fields.model = "Canon EOS 5D";
        fields.dateTime = "2014:07:03 18:22:09";
        fields.density = 118;
        fields.perCentimetre = true;
        QVERIFY(WriteExifJpeg(path, QSize(4000, 3000), qRgb(90, 90, 90), QSize(), 0, fields));
        CListThumb list;
        list.AddItem("canon", "", path, false, 0, true);
        const SThumb record = list.Records()->at(0);
        QCOMPARE(record.dimensions, QString("4000 x 3000"));
        QCOMPARE(record.dpi, QString("46 x 46"));
        QCOMPARE(record.camera, QString("Canon EOS 5D"));
        QCOMPARE(record.dateTaken, QString("2014-07-03 18:22"));
    }

    void fillPropertyTexts_data()
    {
        // make | model | density | unit | orientation | colour space -> camera | DPI | orientation | colour
        QTest::addColumn<QString>("row");
        QTest::newRow("nikon") << "NIKON CORPORATION|NIKON D800|72|1|1|1|NIKON D800|72 x 72|Top-Left|sRGB";
        QTest::newRow("no make") << "|X100|300|1|8|2| X100|300 x 300|Left-Bottom|Uncalibrated";
        QTest::newRow("cm") << "Canon|Canon EOS 5D|118|2|0|0|Canon EOS 5D|46 x 46||";
        QTest::newRow("other values") << "||72|1|9|3||72 x 72||";
        const char* names[] = {"Top-Right", "Bottom-Right", "Bottom-Left", "Left-Top", "Right-Top", "Right-Bottom"};
        for (int o = 2; o <= 7; ++o)
            QTest::addRow("orientation %d", o) << QString("||72|1|%1|1||72 x 72|%2|sRGB").arg(o).arg(names[o - 2]);
    }
    void fillPropertyTexts()
    {
        QFETCH(QString, row);
        const QStringList v = row.split('|');
        SImageProperties p;
        p.width = 4000;
        p.height = 3000;
        p.make = v[0];
        p.model = v[1];
        p.densityX = p.densityY = v[2].toInt();
        p.units = v[3].toInt();
        p.orientation = v[4].toInt();
        p.colorSpace = v[5].toInt();
        SThumb record;
        CListThumb::FillPropertyTexts(record, p, QDateTime(QDate(2020, 2, 29), QTime(13, 5)));
        QCOMPARE(QStringList({record.camera, record.dpi, record.orientation, record.colorSpace}), v.mid(6));
        QCOMPARE(record.dateTaken, QString("2020-02-29 13:05"));
        QCOMPARE(record.dimensions, QString("4000 x 3000"));
    }

    void viewModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("side");
        QTest::newRow("list") << 0 << 32;
        QTest::newRow("small") << 1 << 32;
        QTest::newRow("medium") << 2 << 64;
        QTest::newRow("large") << 3 << 128;
        QTest::newRow("seven") << 7 << 128;
        QTest::newRow("negative") << -1 << 128;
    }
    void viewModes()
    {
        QFETCH(int, mode);
        QFETCH(int, side);
        CListThumb list;
        list.AddItem("a", "given", Path("a.jpg"), false, 0, true);
        (*list.Records())[0].toolTip = "from record";
        list.ChangeView(mode);
        QCOMPARE(list.iconSize(), QSize(side, side));
        QCOMPARE(list.viewMode(), mode == 0 ? QListView::ListMode : QListView::IconMode);
        QCOMPARE(list.isWrapping(), mode != 0);
        QCOMPARE(list.dragDropMode(), QAbstractItemView::InternalMove);
        QCOMPARE(list.defaultDropAction(), Qt::CopyAction);
        QCOMPARE(list.item(0)->toolTip(), QString("from record"));
    }

    void defaultIcons()
    {
        CListThumb list;
        list.LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
        QCOMPARE(list.Icons()->size(), 10);
        QCOMPARE(list.Icons()->at(0).availableSizes().value(0), QSize(64, 64) * m_ratio);
        QList<QIcon>* icons = list.Icons();
        list.LoadDefaultThumbnails("Icons-Formats-32.png", false, 0);
        QCOMPARE(list.Icons(), icons); // replaced in place: shared pointers stay valid
        QCOMPARE(list.Icons()->size(), 10);
        QCOMPARE(list.Icons()->at(0).availableSizes().value(0), QSize(32, 32) * m_ratio);
        const qint64 key = list.Icons()->at(4).cacheKey();
        list.LoadDefaultThumbnails("Icons-Formats-64.png", false, 5);
        QCOMPARE(list.Icons()->at(4).cacheKey(), key);
    }

    void disabledItems_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void disabledItems()
    {
        QFETCH(bool, dark);
        CListThumb list;
        list.dark = dark;
        list.LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
        list.AddItem("off", "", Path("off.jpg"), false, 2, false);
        QCOMPARE(list.item(0)->foreground().color(), dark ? QColor(80, 80, 80) : QColor(200, 200, 200));
        const QIcon original = list.Icons()->at(2);
        const QSize size = original.availableSizes().first();
        const QImage before = original.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage after = list.item(0)->icon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint at = OpaquePixel(before);
        QVERIFY(at.x() >= 0);
        QColor expected = QColor(before.pixel(at));
        if (dark && expected.rgb() != qRgb(0, 0, 0))
            expected = expected.darker(200);
        QVERIFY2(Near(QColor(after.pixel(at)), expected, 1), qPrintable(QColor(after.pixel(at)).name()));
    }

    void drops_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("target");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("forward") << QList<int>{1, 2} << 5 << QList<int>{1, 5, 1, 5} << QList<int>{0, 3, 4, 1, 2, 5, 6};
        QTest::newRow("backward") << QList<int>{4, 5} << 1 << QList<int>{4, 1, 5, 2} << QList<int>{0, 4, 5, 1, 2, 3, 6};
    }
    void drops()
    {
        QFETCH(QList<int>, selected);
        QFETCH(int, target);
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = MakeList(7, &page);
        QVERIFY(list);
        const QStringList before = page->paths;
        QSignalSpy moved(list.get(), &CListThumb::SignalDragDropPanel1);
        for (int row : selected)
            list->item(row)->setSelected(true);
        QMimeData data;
        Drop(list.get(), list->visualItemRect(list->item(target)).center(), &data);
        QCOMPARE(moved.size(), 1);
        QList<int> moves;
        for (const SDragDrop& move : moved.at(0).at(0).value<ListDragDrop>())
            moves << move.from << move.to;
        QTEST(moves, "moves");
        QTEST(*list->Rows(), "rows");
        for (int k = 0; k < 7; ++k)
            QCOMPARE(list->item(k)->text(), QFileInfo(before[k]).completeBaseName());
        // The stand-in rebuilds the list in the photos' new order.
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(page->paths[1]).completeBaseName(), list->item(1)->text(), 10000);
        for (int k = 0; k < 7; ++k) {
            const int photo = before.indexOf(page->paths[k]);
            QVERIFY2(Near(IconColour(list->item(k)), PhotoColour(photo), 8), qPrintable(QString::number(k)));
        }
    }

    void dropsByListType()
    {
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = MakeList(4, &page);
        QVERIFY(list);
        QSignalSpy panel1(list.get(), &CListThumb::SignalDragDropPanel1);
        QSignalSpy panel2(list.get(), &CListThumb::SignalDragDropPanel2);
        QSignalSpy files(list.get(), &CListThumb::SignalDragDropFiles);
        QMimeData urls;
        urls.setUrls(
            {QUrl::fromLocalFile("/t/b.jpg"), QUrl::fromLocalFile("/t/B.jpg"), QUrl::fromLocalFile("/t/a.jpg")});
        Drop(list.get(), QPoint(5, 5), &urls);
        QCOMPARE(files.size(), 1);
        QCOMPARE(files.at(0).at(0).toStringList(), QStringList({"/t/B.jpg", "/t/a.jpg", "/t/b.jpg"}));
        list->listType = 2;
        Drop(list.get(), QPoint(5, 5), &urls);
        QCOMPARE(files.size(), 1);
        QMimeData rows;
        list->item(0)->setSelected(true);
        const QPoint target = list->visualItemRect(list->item(2)).center();
        Drop(list.get(), target, &rows);
        QCOMPARE(panel2.size(), 2);
        for (int type : {1, 3}) {
            list->listType = type;
            Drop(list.get(), target, &rows);
        }
        QCOMPARE(panel1.size(), 0);
        QCOMPARE(panel2.size(), 2);
    }

    void dragEnterAndClicks()
    {
        CListThumb list;
        list.resize(200, 200);
        list.ChangeView(2);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile("/t/a.jpg")});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::IgnoreAction);
        QApplication::sendEvent(list.viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QSignalSpy clicked(&list, &CListThumb::Clicked);
        QTest::mousePress(list.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.size(), 0);
        QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.size(), 1);
    }

    void removal()
    {
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = MakeList(5, &page);
        QVERIFY(list);
        const QStringList before = page->paths;
        page->RemovePhoto(1);
        QCOMPARE(list->Icons()->size(), 14);
        for (int k = 0; k < 4; ++k) {
            const SThumb& record = list->Records()->at(list->Rows()->at(k));
            QCOMPARE(record.iconIndex, 10 + k);
            const int photo = before.indexOf(page->paths[k]);
            QVERIFY(Near(IconColour(list->item(k)), PhotoColour(photo), 8));
        }
        list->RemoveAll();
        QCOMPARE(list->Records()->size(), 0);
        QCOMPARE(list->Icons()->size(), 10);
    }

    // Rows outside the mapping, and refreshes of widget rows that no longer
    // have a record, change nothing.
    void removalOfInvalidRows()
    {
        PhotoPageStandIn* page = nullptr;
        std::unique_ptr<CListThumb> list = MakeList(3, &page);
        QVERIFY(list);
        for (int row : {-1, 3, 1000}) {
            list->RemoveItem(row);
            QCOMPARE(list->Records()->size(), 3);
            QCOMPARE(*list->Rows(), QList<int>({0, 1, 2}));
            QCOMPARE(list->Icons()->size(), 13);
            for (int k = 0; k < 3; ++k)
                QCOMPARE(list->Records()->at(k).iconIndex, 10 + k);
        }
        const qint64 lastIcon = list->item(2)->icon().cacheKey();
        list->RemoveItem(0);
        QCOMPARE(list->count(), 3);
        QCOMPARE(*list->Rows(), QList<int>({0, 1}));
        QCOMPARE(list->Icons()->size(), 12);
        QCOMPARE(list->Records()->at(0).iconIndex, 10);
        QCOMPARE(list->Records()->at(1).iconIndex, 11);
        QVERIFY(Near(IconColour(list->item(0)), PhotoColour(1), 8));
        QVERIFY(Near(IconColour(list->item(1)), PhotoColour(2), 8));
        list->UpdateItemImageIndex(2);
        list->UpdateItemsImageIndex(-3, 7);
        QCOMPARE(list->item(2)->icon().cacheKey(), lastIcon);
    }

    void lightAdjustment()
    {
        QImage rgb(17, 5, QImage::Format_RGB888);
        rgb.fill(QColor(200, 100, 50));
        rgb.setPixelColor(3, 2, Qt::black);
        CListThumb::AdjustLight(&rgb, -100);
        QCOMPARE(rgb.format(), QImage::Format_ARGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 17; ++x) {
                const QRgb pixel = rgb.pixel(x, y);
                QCOMPARE(qAlpha(pixel), 255);
                if (x == 3 && y == 2)
                    QCOMPARE(pixel & 0xFFFFFF, 0u);
                else
                    QVERIFY2(Near(QColor(pixel), QColor(100, 50, 25), 1), qPrintable(QColor(pixel).name()));
            }
        QImage premultiplied(2, 2, QImage::Format_ARGB32_Premultiplied);
        premultiplied.fill(QColor(200, 100, 50, 128));
        CListThumb::AdjustLight(&premultiplied, -100);
        const QRgb half = premultiplied.pixel(1, 1);
        QVERIFY(Near(QColor(half), QColor(100, 50, 25), 2));
        QVERIFY(std::abs(qAlpha(half) - 128) <= 2);
        QImage light(3, 3, QImage::Format_ARGB32);
        light.fill(QColor(100, 50, 25));
        CListThumb::AdjustLight(&light, 100);
        QVERIFY(Near(QColor(light.pixel(0, 0)), QColor(100, 50, 25).lighter(200), 1));
        const QImage kept = light;
        CListThumb::AdjustLight(&light, 0);
        QCOMPARE(light, kept);
        QImage none;
        CListThumb::AdjustLight(&none, -50);
        CListThumb::AdjustLight(nullptr, -50);
        QVERIFY(none.isNull());
    }

    void overlays_data()
    {
        QTest::addColumn<int>("photos");
        QTest::newRow("one photo") << 1;
        QTest::newRow("photos under the mark") << 120;
    }
    void overlays()
    {
        QFETCH(int, photos);
        const QSize size = m_ratio == 2 ? QSize(380, 280) : QSize(800, 600);
        CListThumb list;
        list.resize(size);
        PhotoPageStandIn page(&list, false);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage add = CImageCache::GetInstance()->GetAsset("Add.png", false, true);
        const QImage symbol = CImageCache::GetInstance()->GetAsset("Overlay-Symbol.png", false, true);
        QCOMPARE(symbol.height(), m_ratio == 2 ? 209 : 105);
        const int W = size.width();
        const int H = size.height();
        const QPoint addAt(W / 2 - (add.width() / 2) / m_ratio, H / 2 - (add.height() / 2) / m_ratio + 15);
        const QPoint symbolAt(W - symbol.width() / m_ratio - 5, H - symbol.height() / m_ratio - 5);
        if (m_ratio == 1) {
            QCOMPARE(addAt, QPoint(384, 299));
            QCOMPARE(symbolAt, QPoint(645, 490));
        }
        auto shown = [&](const QImage& asset, QPoint at, const QImage& screen) {
            const QPoint p = OpaquePixel(asset);
            return p.x() >= 0 && screen.pixel(at * m_ratio + p) == asset.pixel(p);
        };
        QImage screen = list.viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(shown(add, addAt, screen));
        QVERIFY(shown(symbol, symbolAt, screen));
        bool grey = false;
        for (int y = (H / 2 - 58) * m_ratio; y < (H / 2 - 30) * m_ratio && !grey; ++y)
            for (int x = 0; x < screen.width() && !grey; ++x)
                grey = Near(QColor(screen.pixel(x, y)), QColor(190, 190, 190), 10);
        QVERIFY(grey);
        // The two lines in fonts taller than their offsets apart (18 and 14
        // points at 120 dpi): the first ends above the second.
        CListThumb tall;
        tall.resize(size);
        tall.AddWatermarkText("Drag & Drop Your Photos Here", -58, false, QFont("Arial", 23), Qt::red);
        tall.AddWatermarkText("Or Click To Add Photos", -29, false, QFont("Arial", 18), Qt::blue);
        tall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tall));
        const QImage lines = tall.viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        int firstBottom = -1, secondTop = lines.height();
        for (int y = 0; y < lines.height(); ++y)
            for (int x = 0; x < lines.width(); ++x) {
                const int redness = qRed(lines.pixel(x, y)) - qBlue(lines.pixel(x, y));
                firstBottom = redness > 60 ? y : firstBottom;
                secondTop = redness < -60 ? std::min(secondTop, y) : secondTop;
            }
        QVERIFY2(firstBottom >= 0 && firstBottom < secondTop,
                 qPrintable(QString("%1 %2").arg(firstBottom).arg(secondTop)));
        for (int i = 0; i < photos; ++i)
            page.AddPhoto(Path(QString("%1.jpg").arg(i)));
        page.Synchronize();
        screen = list.viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!shown(add, addAt, screen));
        QCOMPARE(shown(symbol, symbolAt, screen), photos == 1); // beneath the items
    }
};

BQ_TEST_MAIN(TestListThumb)
#include "tst_listthumb.moc"
