#pragma once
// The details view of the photo list: 14 property columns of the list's
// records, with a small thumbnail in the first. It owns no records: it shows
// those of a CListThumb and posts its visible rows to that list's loader.
// It never sorts or moves its own cells: a sort or a drop changes the shared
// rows and reports the new order or the moves, and the owner rebuilds.

#include "ListImages.h"
#include "ThumbRecords.h"

#include <QIcon>
#include <QList>
#include <QTableWidget>
#include <QTimer>
#include <QVariant>
#include <QVector>

class CImageCache;
class CListThumb;
class CListThumbThread;
class QMutex;

class CListThumbDetails : public QTableWidget
{
    Q_OBJECT

public:
    enum { ColumnCount = 14 };
    static const char* const HeaderStateKey;

    explicit CListThumbDetails(QWidget* parent = nullptr);
    // Stores the header's state (order, widths, hidden columns, sort).
    ~CListThumbDetails() override;

    // Shows the list's records, rows, icons and mutex and posts to its
    // loader. Call after the list's InitThread and before InitThread here.
    void ShareWith(CListThumb* list);
    void InitThread();
    // The records belong to the list: these do nothing.
    void AddItem(const QString& name, const QString& type, const QString& folder, const QString& text);
    void RemoveItem(int row);
    void RemoveAll();
    // 25 x 25 icons and fresh tool tips.
    void ChangeView();
    void ReloadToolTips();
    // The row's cells from its record; rows without cells are skipped.
    void UpdateItemImageIndex(int row);
    void UpdateItemsImageIndex(int first, int last);
    void AssignThumbnails();
    void UpdateView();
    void AddWatermarkText(const QString& text, int dy, bool always, const QFont& font, const QColor& color);
    void AddWatermarkImage(const QString& name, bool themed, int dx, int dy, bool always, int placement);
    void FindFirstLastVisibleItems(int& first, int& last);
    void DragnAndDrop(int from, int to);

    // The typed sort key of one column's text (public for the tests).
    struct SSortKey {
        enum Kind { Text, Integer, Real } kind = Text;
        QString text;
        qint64 integer = 0;
        double real = 0.0;
        bool operator<(const SSortKey& other) const;
    };
    static SSortKey SortKey(int column, const SThumb& record);

signals:
    void Clicked();
    void LoadThumbnails();
    void SignalDragDropFiles(QStringList listFiles);
    void SignalDragDropPanel1(ListDragDrop listDragDrop);
    // Entry k is the row that now belongs at k. Emitted with the shared
    // mutex held: connect it queued.
    void SignalSort(QList<int> listIdx);

public slots:
    void ThreadLoadIcons();
    void OnThreadLoadComplete(int first, int last);
    void RepaintView();
    void SortByColumn(int column);
    void HorizontalHeaderRightClick(const QPoint& pos);
    void HorizontalHeaderClicked(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SetDefaultColumns();
    // The row refresh with the shared mutex already held.
    void RefreshRow(int row);

    CImageCache* m_pCache;
    CListThumbThread* m_pThread = nullptr;
    QTimer m_repaintTimer;
    QTimer m_loadTimer;
    int m_lastFirst = -1;
    int m_lastLast = -1;
    // Default widths still to be widened to their titles, which the owner
    // sets after construction; a stored state keeps its widths.
    bool m_fitTitles = false;
    QVector<SWatermark> m_overlays;
    QList<SThumb>* m_pRecords = nullptr;
    QList<int>* m_pRows = nullptr;
    QList<QIcon>* m_pIcons = nullptr;
    ListDragDrop m_moves;
    QMutex* m_pMutex = nullptr;
};
