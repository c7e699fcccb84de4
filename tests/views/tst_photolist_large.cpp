// Ten thousand photos in the photo list: only rows that were on screen are
// ever visited, each at most once; the table takes over the loader when the
// list is hidden; a removal renumbers the icons of the whole list.
#include "BqTestMain.h"
#include "ExifJpeg.h"
#include "ListThumb.h"
#include "ListThumbDetails.h"
#include "PhotoPageStandIn.h"
#include "ThumbTestSupport.h"

#include <QFile>
#include <QMutexLocker>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

using namespace BqTest;

namespace
{
const int Count = 10000;
const QRgb ThumbColour = qRgb(200, 60, 120);
} // namespace

class TestPhotoListLarge : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    CListThumb* m_list = nullptr;
    CListThumbDetails* m_table = nullptr;
    PhotoPageStandIn* m_page = nullptr;
    QMutex m_visitsMutex;
    QHash<QString, int> m_visits; // path -> visits
    QHash<QString, int> m_row;    // path -> row
    QSet<int> m_onScreen;         // rows that met the list's viewport

    bool Loaded(int row)
    {
        QMutexLocker lock(m_list->Mutex());
        return m_list->Records()->at(m_list->Rows()->at(row)).loaded;
    }

    // Notes the rows meeting the viewport; true when every row wholly
    // inside it shows its thumbnail.
    bool ScreenShowsThumbnails()
    {
        const QRect area = m_list->viewport()->rect();
        bool all = true;
        const int first = m_list->indexAt(QPoint(0, 0)).row();
        for (int row = std::max(0, first - 50); row < std::min(Count, first + 400); ++row) {
            const QRect rect = m_list->visualItemRect(m_list->item(row));
            if (rect.intersects(area))
                m_onScreen.insert(row);
            if (area.contains(rect) && !Near(IconColour(m_list->item(row)), QColor(ThumbColour), 8))
                all = false;
        }
        return all;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(StartPhotoListTest(m_dir.path()) > 0);
        const QString source = m_dir.filePath("source.jpg");
        QVERIFY(WriteExifJpeg(source, QSize(64, 48), qRgb(0, 0, 0), QSize(160, 120), ThumbColour));
        m_list = new CListThumb;
        m_list->resize(800, 600);
        m_page = new PhotoPageStandIn(m_list);
        m_table = new CListThumbDetails;
        m_table->resize(800, 600);
        m_page->AttachTable(m_table);
        m_list->Loader()->visitHook = [this](const QString& path) {
            QMutexLocker lock(&m_visitsMutex);
            ++m_visits[path];
        };
        for (int i = 0; i < Count; ++i) {
            const QString path = m_dir.filePath(QString("photo-%1.jpg").arg(i, 5, 10, QChar('0')));
            if (::link(QFile::encodeName(source).constData(), QFile::encodeName(path).constData()) != 0)
                QVERIFY(QFile::copy(source, path));
            m_row.insert(path, i);
            m_page->AddPhoto(path);
        }
        m_page->SetViewMode(2);
        QVERIFY(QTest::qWaitForWindowExposed(m_list));
    }

    void cleanupTestCase()
    {
        delete m_table;
        delete m_list;
    }

    void onlyRowsOnScreenAreVisited()
    {
        QTRY_VERIFY_WITH_TIMEOUT(ScreenShowsThumbnails(), 10000);
        QScrollBar* bar = m_list->verticalScrollBar();
        for (int step = 1; step <= 40; ++step) {
            bar->setValue(bar->maximum() * step / 41);
            m_list->ThreadLoadIcons();
            QTest::qWait(20);
            ScreenShowsThumbnails();
        }
        bar->setValue(bar->maximum());
        QTRY_VERIFY_WITH_TIMEOUT(ScreenShowsThumbnails(), 10000);
        QVERIFY(Loaded(Count - 1));
        for (int row = 4000; row <= 6000; ++row)
            QVERIFY2(!Loaded(row) || m_onScreen.contains(row), qPrintable(QString::number(row)));
        QMutexLocker lock(&m_visitsMutex);
        QVERIFY(m_visits.size() > 40 && m_visits.size() < Count / 4);
        for (auto it = m_visits.cbegin(); it != m_visits.cend(); ++it) {
            QVERIFY2(it.value() == 1, qPrintable(it.key()));
            QVERIFY2(m_onScreen.contains(m_row.value(it.key())), qPrintable(it.key()));
        }
    }

    void hiddenListLeavesTheLoaderToTheTable()
    {
        QSignalSpy listRequests(m_list, &CListThumb::LoadThumbnails);
        m_page->SetViewMode(0);
        QVERIFY(QTest::qWaitForWindowExposed(m_table));
        m_table->scrollToItem(m_table->item(7000, 0), QAbstractItemView::PositionAtTop);
        auto tableRowsLoaded = [this] {
            int first = -1;
            int last = -1;
            m_table->FindFirstLastVisibleItems(first, last);
            if (first != 7000)
                return false;
            for (int row = first; row <= last; ++row)
                if (!Loaded(row) || m_table->item(row, 0)->icon().isNull())
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(tableRowsLoaded(), 10000);
        QCOMPARE(listRequests.size(), 0);
    }

    void removalRenumbersIcons()
    {
        QList<int> before;
        {
            QMutexLocker lock(m_list->Mutex());
            for (const SThumb& record : *m_list->Records())
                before << (record.hasIcon ? record.iconIndex : -1);
        }
        const int removedIndex = before[0];
        m_list->RemoveItem(0);
        QMutexLocker lock(m_list->Mutex());
        QCOMPARE(m_list->Records()->size(), Count - 1);
        QSet<int> used;
        for (int i = 0; i < Count - 1; ++i) {
            const SThumb& record = m_list->Records()->at(i);
            const int old = before[i + 1];
            if (old < 0)
                continue;
            QCOMPARE(record.iconIndex, removedIndex >= 0 && old > removedIndex ? old - 1 : old);
            used.insert(record.iconIndex);
        }
        QCOMPARE(m_list->Icons()->size(), 10 + used.size());
        for (int index : used)
            QVERIFY(index >= 10 && index < m_list->Icons()->size());
    }
};

BQ_TEST_MAIN(TestPhotoListLarge)
#include "tst_photolist_large.moc"
