#pragma once
// What the step-1 page does with the photo views, for tests, the screenshot
// tool and the benchmark: it lists photos, rebuilds the views from its own
// path list and applies the views' moves and sorts to that list.

#include "ListImages.h"

#include <QList>
#include <QObject>
#include <QStringList>

class CListThumb;
class CListThumbDetails;

class PhotoPageStandIn : public QObject
{
    Q_OBJECT

public:
    // Sets the list up as the page does: photo list, icon mode, uniform
    // sizes, adjusting single-pass layout, extended selection, the format
    // icons, the page's overlays and (when `startLoader`) the loader.
    explicit PhotoPageStandIn(CListThumb* list, bool startLoader = true);
    // Wires the details table to the list as the page does; the page's
    // column titles, overlays and loader requests.
    void AttachTable(CListThumbDetails* table);

    // Mode 0 shows the table and hides the list; 1-3 the list in that
    // icon size, with the page's item size hints.
    void SetViewMode(int mode);
    // Registers one photo with the list, as the page's AddListThumbItem.
    void AddPhoto(const QString& path);
    // Removes a photo as the page does: the list's record, then a rebuild.
    void RemovePhoto(int row);
    // Clears and refills the views from the path list.
    void Synchronize();

    QStringList paths;
    int mode = 2;

public slots:
    void ApplyMoves(ListDragDrop moves);
    void ApplySort(QList<int> order);

protected:
    CListThumb* m_pList;
    CListThumbDetails* m_pTable = nullptr;
};
