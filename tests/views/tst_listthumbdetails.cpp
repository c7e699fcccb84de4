// The details table seen from outside: its columns and header, the state it
// remembers, the cells it fills from the list's records, sorting by header
// clicks, the column menu, keys, drops and overlays.
#include "BqTestMain.h"
#include "ImageCache.h"
#include "ListThumb.h"
#include "ListThumbDetails.h"
#include "ModalDriver.h"
#include "PhotoPageStandIn.h"
#include "ThumbTestSupport.h"
#include "ThumbViewCommon.h"
#include "Utils.h"

#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMutexLocker>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

using namespace BqTest;

namespace
{

// The list and table of a photo page, both shown side by side.
struct SPage {
    CListThumb list;
    CListThumbDetails table;
    PhotoPageStandIn* page;
    SPage() : page(new PhotoPageStandIn(&list, false))
    {
        page->AttachTable(&table);
        table.ChangeView();
        table.resize(700, 400);
    }
    // Photos whose record field `set` gets the given texts.
    void Fill(const QStringList& texts, const std::function<void(SThumb&, const QString&)>& set)
    {
        for (int i = 0; i < texts.size(); ++i)
            page->AddPhoto(QString("/missing/photo-%1.jpg").arg(i));
        {
            QMutexLocker lock(list.Mutex());
            for (int i = 0; i < texts.size(); ++i) {
                SThumb& record = (*list.Records())[i];
                record.toolTip = "tip " + texts[i];
                set(record, texts[i]);
            }
        }
        page->Synchronize();
    }
    void ClickHeader(int column)
    {
        QHeaderView* header = table.horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QStringList Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            texts << table.item(row, column)->text();
        return texts;
    }
};

// The record field shown in a column.
QString& Field(SThumb& r, int column)
{
    QString* fields[] = {&r.baseName, &r.type,     &r.dateTaken, &r.dimensions, &r.size,       &r.folder, &r.camera,
                         &r.aperture, &r.exposure, &r.iso,       &r.dpi,        &r.colorSpace, &r.gps,    &r.altitude};
    return *fields[column];
}

void ForgetHeader()
{
    SetRegistryByteArray(CListThumbDetails::HeaderStateKey, QByteArray());
}

} // namespace

class TestListThumbDetails : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(StartPhotoListTest(m_dir.path()) > 0);
        qRegisterMetaType<QList<int>>("ListInt");
        qRegisterMetaType<ListDragDrop>("ListDragDrop");
    }

    void construction()
    {
        ForgetHeader();
        CListThumbDetails table;
        const QHeaderView* header = table.horizontalHeader();
        QCOMPARE(table.columnCount(), 14);
        const int widths[] = {150, 60, 100, 80, 70, 230, 120, 60, 70, 60, 60, 80, 130, 60};
        for (int column = 0; column < 14; ++column)
            QCOMPARE(header->isSectionHidden(column), column >= 7);
        QVERIFY(table.verticalHeader()->isHidden());
        QCOMPARE(table.verticalHeader()->defaultSectionSize(), 25);
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), -1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(header->sectionsMovable());
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table.selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(table.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table.dragDropMode(), QAbstractItemView::InternalMove);
        QVERIFY(table.dragDropOverwriteMode());
        QCOMPARE(table.defaultDropAction(), Qt::IgnoreAction);
        QCOMPARE(table.verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
        QCOMPARE(table.horizontalScrollMode(), QAbstractItemView::ScrollPerPixel);
        QVERIFY(!table.showGrid());
        table.ChangeView();
        QCOMPARE(table.iconSize(), QSize(25, 25));
        for (int column = 7; column < 14; ++column)
            table.HorizontalHeaderClicked(column);
        for (int column = 0; column < 14; ++column)
            QVERIFY(header->sectionSize(column) >= widths[column]);
    }

    void headerState_data()
    {
        QTest::addColumn<QByteArray>("foreign");
        QTest::newRow("not a header state") << QByteArray("xyz");
        QTest::newRow("a table of 10 columns") << QTableWidget(0, 10).horizontalHeader()->saveState();
    }
    void headerState()
    {
        QFETCH(QByteArray, foreign);
        ForgetHeader();
        QByteArray saved;
        {
            CListThumbDetails table;
            QVERIFY(table.horizontalHeader()->isSectionHidden(9));
            table.HorizontalHeaderClicked(9);
            saved = table.horizontalHeader()->saveState();
        }
        QCOMPARE(GetRegistryByteArray(CListThumbDetails::HeaderStateKey, QByteArray()), saved);
        {
            CListThumbDetails table;
            QVERIFY(!table.horizontalHeader()->isSectionHidden(9));
        }
        SetRegistryByteArray(CListThumbDetails::HeaderStateKey, foreign);
        CListThumbDetails table;
        QVERIFY(table.horizontalHeader()->isSectionHidden(9));
        QCOMPARE(table.horizontalHeader()->sectionSize(5), 230);
    }

    void cells()
    {
        SPage page;
        const QStringList expected{"name",         "JPG",   "2014-07-03 18:22", "4000 x 3000", "1.50 MB", "/photos",
                                   "Canon EOS 5D", "f/2.8", "1/250 sec",        "ISO-200",     "72 x 72", "sRGB",
                                   "N 1 E 2",      "50.0 m"};
        page.Fill({"a"}, [&](SThumb& r, const QString&) {
            for (int column = 0; column < 14; ++column)
                Field(r, column) = expected[column];
            r.orientation = "Top-Left";
        });
        for (int column = 0; column < 14; ++column) {
            QCOMPARE(page.table.item(0, column)->text(), expected[column]);
            QCOMPARE(page.table.item(0, column)->toolTip(), QString("tip a"));
        }
        QCOMPARE(page.table.item(0, 0)->icon().cacheKey(), page.list.Icons()->at(2).cacheKey());
        page.table.setRowCount(2); // a row whose cells do not exist yet
        page.table.UpdateItemImageIndex(1);
        page.table.ReloadToolTips();
        page.table.UpdateItemsImageIndex(-2, 5);
        QVERIFY(page.table.item(1, 0) == nullptr);
    }

    void sort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<int>("points"); // when set: the default columns hold the texts at this font size
        QTest::newRow("size") << 4 << QStringList{"1.50 MB", "N/A", "512.00 KB"}
                              << QStringList{"N/A", "512.00 KB", "1.50 MB"} << 0;
        QTest::newRow("dimensions") << 3 << QStringList{"4000 x 3000", "3000 x 3000"}
                                    << QStringList{"3000 x 3000", "4000 x 3000"} << 0;
        QTest::newRow("exposure") << 8 << QStringList{"1/250 sec", "1/60 sec"} << QStringList{"1/60 sec", "1/250 sec"}
                                  << 0;
        QTest::newRow("iso") << 9 << QStringList{"ISO-1600", "ISO-200"} << QStringList{"ISO-200", "ISO-1600"} << 0;
        QTest::newRow("f-stop") << 7 << QStringList{"f/11", "f/2.8"} << QStringList{"f/2.8", "f/11"} << 0;
        QTest::newRow("altitude") << 13 << QStringList{"50.0 m", "-123.4 m"} << QStringList{"-123.4 m", "50.0 m"} << 0;
        QTest::newRow("colour") << 11 << QStringList{"sRGB", "", "Uncalibrated"}
                                << QStringList{"", "Uncalibrated", "sRGB"} << 0;
        QTest::newRow("name") << 0 << QStringList{"B", "a"} << QStringList{"a", "B"} << 0;
        for (int points : {9, 11}) {
            QTest::addRow("date taken at %d pt", points)
                << 2 << QStringList{"2026-12-07 18:50", "2025-01-31 08:05"}
                << QStringList{"2025-01-31 08:05", "2026-12-07 18:50"} << points;
            QTest::addRow("iso at %d pt", points)
                << 9 << QStringList{"ISO-12800", "ISO-200"} << QStringList{"ISO-200", "ISO-12800"} << points;
            QTest::addRow("exposure at %d pt", points)
                << 8 << QStringList{"1/250 sec", "1/60 sec"} << QStringList{"1/60 sec", "1/250 sec"} << points;
        }
    }
    void sort()
    {
        QFETCH(int, column);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, ascending);
        QFETCH(int, points);
        ForgetHeader();
        const QFont font = QApplication::font();
        QFont sized = font;
        if (points > 0)
            sized.setPointSize(points);
        QApplication::setFont(sized);
        const auto restoreFont = qScopeGuard([font] { QApplication::setFont(font); });
        SPage page;
        page.table.horizontalHeader()->showSection(column);
        page.Fill(texts, [column](SThumb& r, const QString& text) { Field(r, column) = text; });
        page.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page.table));
        QSignalSpy sorted(&page.table, &CListThumbDetails::SignalSort);
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            const QList<int> rowsBefore = *page.list.Rows();
            const QStringList cellsBefore = page.Column(column);
            page.ClickHeader(column);
            QCOMPARE(page.table.horizontalHeader()->sortIndicatorOrder(), order);
            QCOMPARE(sorted.size(), order == Qt::AscendingOrder ? 1 : 2);
            const QList<int> listIdx = sorted.last().at(0).value<QList<int>>();
            QCOMPARE(page.Column(column), cellsBefore); // the table moves no cell
            for (int k = 0; k < listIdx.size(); ++k)
                QCOMPARE(page.list.Rows()->at(k), rowsBefore[listIdx[k]]);
            QTRY_COMPARE_WITH_TIMEOUT(page.Column(column).first(), cellsBefore[listIdx[0]], 10000);
            QStringList expected = ascending;
            if (order == Qt::DescendingOrder)
                std::reverse(expected.begin(), expected.end());
            QCOMPARE(page.Column(column), expected);
        }
        if (points > 0) { // its values, and its title with the sort arrow
            QHeaderView* header = page.table.horizontalHeader();
            QVERIFY(header->sectionSize(column) >=
                    static_cast<QAbstractItemView&>(page.table).sizeHintForColumn(column));
            QVERIFY(header->sectionSize(column) >= header->sectionSizeHint(column));
        }
    }

    void sortReceiverMayLock()
    {
        SPage page;
        page.Fill({"b", "a"}, [](SThumb& r, const QString& text) { r.baseName = text; });
        bool locked = false;
        connect(
            &page.table, &CListThumbDetails::SignalSort, this,
            [&] {
                QMutexLocker lock(page.list.Mutex());
                locked = true;
            },
            Qt::QueuedConnection);
        page.table.SortByColumn(0);
        QTRY_VERIFY_WITH_TIMEOUT(locked, 10000);
    }

    void columnMenu()
    {
        ForgetHeader();
        SPage page;
        page.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page.table));
        QStringList titles;
        QList<bool> checked;
        QList<bool> checkable;
        CModalDriver driver([&](QWidget* window, const SModalSeen&) {
            auto* menu = qobject_cast<QMenu*>(window);
            if (menu == nullptr)
                return false;
            for (QAction* action : menu->actions()) {
                checkable << action->isCheckable();
                titles << action->text();
                checked << action->isChecked();
            }
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(menu->actions()[9]).center());
            return true;
        });
        driver.Arm();
        page.table.HorizontalHeaderRightClick(QPoint(5, 5));
        driver.Disarm();
        QCOMPARE(titles.size(), 14);
        QVERIFY(!checkable.contains(false));
        QCOMPARE(titles[9], QString("ISO"));
        QCOMPARE(titles[13], QString("Altitude"));
        for (int column = 0; column < 14; ++column)
            QCOMPARE(checked[column], column < 7);
        QVERIFY(!page.table.horizontalHeader()->isSectionHidden(9));
        for (int column = 0; column < 14; ++column)
            if (column != 0 && column != 9)
                page.table.horizontalHeader()->hideSection(column);
        page.table.HorizontalHeaderClicked(9);
        QVERIFY(page.table.horizontalHeader()->isSectionHidden(9));
        page.table.HorizontalHeaderClicked(0);
        QVERIFY(!page.table.horizontalHeader()->isSectionHidden(0));
    }

    void keysAndDrops()
    {
        SPage page;
        page.Fill({"0", "1", "2", "3", "4", "5", "6"}, [](SThumb& r, const QString& text) { r.baseName = text; });
        page.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page.table));
        QTest::keyClick(&page.table, Qt::Key_End);
        QCOMPARE(page.table.selectionModel()->selectedRows(), {page.table.model()->index(6, 0)});
        QTest::keyClick(&page.table, Qt::Key_Home);
        QCOMPARE(page.table.selectionModel()->selectedRows(), {page.table.model()->index(0, 0)});

        QSignalSpy moved(&page.table, &CListThumbDetails::SignalDragDropPanel1);
        QSignalSpy files(&page.table, &CListThumbDetails::SignalDragDropFiles);
        page.table.clearSelection();
        page.table.selectionModel()->select(page.table.model()->index(1, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        page.table.selectionModel()->select(page.table.model()->index(2, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QMimeData rows;
        QVERIFY(Drop(&page.table, page.table.visualRect(page.table.model()->index(5, 0)).center(), &rows));
        QCOMPARE(moved.size(), 1);
        const ListDragDrop moves = moved.at(0).at(0).value<ListDragDrop>();
        QCOMPARE(moves.size(), 2);
        QCOMPARE(moves[0].from, 1);
        QCOMPARE(moves[0].to, 5);
        QCOMPARE(moves[1].from, 1);
        QCOMPARE(moves[1].to, 5);
        QCOMPARE(*page.list.Rows(), QList<int>({0, 3, 4, 1, 2, 5, 6}));
        QCOMPARE(page.Column(0), QStringList({"0", "1", "2", "3", "4", "5", "6"}));
        QTRY_COMPARE_WITH_TIMEOUT(page.Column(0), QStringList({"0", "3", "4", "1", "2", "5", "6"}), 10000);
        QCOMPARE(files.size(), 0);
    }

    void overlays()
    {
        ForgetHeader();
        SPage page;
        page.table.resize(800, 600);
        page.table.horizontalHeader()->resizeSection(5, 900); // a horizontal scroll bar
        page.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page.table));
        QVERIFY(page.table.horizontalScrollBar()->isVisible());
        const int r = std::max(1, static_cast<int>(page.table.devicePixelRatioF()));
        const QImage symbol = CImageCache::GetInstance()->GetAsset("Overlay-Symbol.png", false, true);
        const int G = page.table.horizontalHeader()->height();
        const int B = page.table.horizontalScrollBar()->height();
        const QPoint at(800 - symbol.width() / r - 5, 600 - G - B - symbol.height() / r - 5);
        // Drawn on the empty table; beneath rows that reach it, nothing of it shows.
        for (bool rows : {false, true}) {
            if (rows)
                page.Fill(QVector<QString>(40, "photo").toList(),
                          [](SThumb& record, const QString& text) { record.baseName = text; });
            const QImage screen = page.table.viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            int opaque = 0, shown = 0;
            for (int y = 0; y < symbol.height(); ++y)
                for (int x = 0; x < symbol.width(); ++x)
                    if (qAlpha(symbol.pixel(x, y)) == 255 && qGray(symbol.pixel(x, y)) < 200 && ++opaque)
                        shown += screen.pixel(at * r + QPoint(x, y)) == symbol.pixel(x, y) ? 1 : 0;
            QVERIFY(opaque > 0);
            QCOMPARE(shown == opaque, !rows);
            QCOMPARE(shown == 0, rows);
        }
    }
};

BQ_TEST_MAIN(TestListThumbDetails)
#include "tst_listthumbdetails.moc"
