#pragma once
// The icon and list view of every picture list: the step-1 photo list (with
// thumbnails made in the background), the filter chain, the filter picker
// and the profile browser. Beside the widget's items it keeps one record per
// entry, a row-to-record mapping and a shared icon list. It never moves its
// own items: drops change only the mapping and report the moves, and the
// owner rebuilds the view.

#include "ListImages.h"
#include "ListThumbThread.h"
#include "ThumbRecords.h"

#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QListWidget>
#include <QMutex>
#include <QTimer>
#include <QVector>

class CImageCache;
struct SImageProperties;

class CListThumb : public QListWidget
{
    Q_OBJECT

public:
    explicit CListThumb(QWidget* parent = nullptr);
    ~CListThumb() override;

    // Connects and starts the loader and the 100 ms load timer (photo list
    // only).
    void InitThread();
    // Appends a record and an item at row = the record count. The record's
    // texts come from the file's size and a ping of it.
    void AddItem(const QString& text, const QString& toolTip, const QString& path, bool loaded, int iconIndex,
                 bool enabled);
    // Removes the row's record and mapping; the widget's items stay until the
    // owner rebuilds. Rows outside the mapping are ignored.
    void RemoveItem(int row);
    // Every record and item.
    void RemoveAll();
    // Size 1: the sheet's 64-point cells, 0: its 32-point cells; any other
    // size keeps the icons. The list is replaced in place.
    void LoadDefaultThumbnails(const QString& sheet, bool themed, int size);
    // Takes ownership of `icons` and deletes the previous list.
    void SetIcons(QList<QIcon>* icons);
    // 0 list, 1 small, 2 medium, 3 and above large icons.
    void ChangeView(int mode);
    void UpdateItemImageIndex(int row);
    void UpdateItemsImageIndex(int first, int last);
    void AssignThumbnails();
    void UpdateView();
    void ReloadToolTips();
    void AddWatermarkText(const QString& text, int dy, bool always, const QFont& font, const QColor& color);
    void AddWatermarkImage(const QString& name, bool themed, int dx, int dy, bool always, int placement);
    void FindFirstLastVisibleItems(int& first, int& last);
    void DragnAndDrop(int from, int to);

    // The property texts of a record from a ping of its photo; a failed ping
    // leaves them empty.
    static void LoadImageExif(SThumb& record);
    static void FillPropertyTexts(SThumb& record, const SImageProperties& properties, const QDateTime& fileModified);
    // "N/A", "x.xx KB" or "x.xx MB" for a file of `bytes` bytes.
    static QString SizeText(qint64 bytes);
    // Darker (amount < 0) or lighter (amount > 0) colours; transparent and
    // black pixels are kept. The image ends as ARGB32.
    static void AdjustLight(QImage* image, int amount);

    // Shared with the details table and the loader.
    QList<SThumb>* Records() { return &m_records; }
    QList<int>* Rows() { return &m_rows; }
    QList<QIcon>* Icons() { return m_pIcons; }
    QMutex* Mutex() { return &m_mutex; }
    CListThumbThread* Loader() { return &m_thread; }

    int listType = 0; // 0 photos, 1 filter picker, 2 filter chain, 3 profiles
    bool dark = false;

signals:
    void Clicked();
    void LoadThumbnails();
    void SignalDragDropPanel1(ListDragDrop listDragDrop);
    void SignalDragDropPanel2(ListDragDrop listDragDrop);
    void SignalDragDropFiles(QStringList listFiles);

public slots:
    void ThreadLoadIcons();
    void OnThreadLoadComplete(int first, int last);
    void RepaintView();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The row refresh with the mutex already held.
    void RefreshRow(int row);

    CImageCache* m_pCache;
    CListThumbThread m_thread;
    QVector<SWatermark> m_overlays;
    QList<SThumb> m_records;
    QList<int> m_rows;
    QList<QIcon>* m_pIcons;
    QMutex m_mutex;
    QTimer m_loadTimer;
    int m_lastFirst = -1;
    int m_lastLast = -1;
    QTimer m_repaintTimer;
    ListDragDrop m_moves;
};
