#include "PhotoPageStandIn.h"

#include "FormatsEnum.h"
#include "ListThumb.h"
#include "ListThumbDetails.h"

#include <QFileInfo>

PhotoPageStandIn::PhotoPageStandIn(CListThumb* list, bool startLoader) : QObject(list), m_pList(list)
{
    qRegisterMetaType<ListDragDrop>("ListDragDrop");
    qRegisterMetaType<QList<int>>("ListInt");
    list->listType = 0;
    list->setViewMode(QListView::IconMode);
    list->setUniformItemSizes(true);
    list->setResizeMode(QListView::Adjust);
    list->setLayoutMode(QListView::SinglePass);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->AddWatermarkText(tr("Drag & Drop Your Photos Here"), -58, false, QFont("Arial", 18),
                           QColor(190, 190, 190, 255));
    list->AddWatermarkText(tr("Or Click To Add Photos"), -29, false, QFont("Arial", 14), QColor(190, 190, 190, 255));
    list->AddWatermarkImage("Overlay-Symbol.png", false, -5, -5, true, 1);
    list->AddWatermarkImage("Add.png", false, 0, 15, false, 0);
    list->LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
    if (startLoader)
        list->InitThread();
    connect(list, &CListThumb::SignalDragDropPanel1, this, &PhotoPageStandIn::ApplyMoves, Qt::QueuedConnection);
    SetViewMode(mode);
}

void PhotoPageStandIn::AttachTable(CListThumbDetails* table)
{
    m_pTable = table;
    table->ShareWith(m_pList);
    table->AddWatermarkText(tr("Drag & Drop Your Photos Here"), -58, false, QFont("Arial", 18),
                            QColor(190, 190, 190, 255));
    table->AddWatermarkText(tr("Or Click To Add Photos"), -29, false, QFont("Arial", 14), QColor(190, 190, 190, 255));
    table->AddWatermarkImage("Overlay-Symbol.png", false, -5, -5, true, 1);
    table->AddWatermarkImage("Add.png", false, 0, 15, false, 0);
    table->InitThread();
    connect(table, &CListThumbDetails::SignalDragDropPanel1, this, &PhotoPageStandIn::ApplyMoves, Qt::QueuedConnection);
    connect(table, &CListThumbDetails::SignalSort, this, &PhotoPageStandIn::ApplySort, Qt::QueuedConnection);
    Synchronize();
}

void PhotoPageStandIn::SetViewMode(int viewMode)
{
    mode = viewMode;
    if (mode == 0 && m_pTable != nullptr) {
        m_pTable->ChangeView();
        m_pTable->show();
        m_pList->hide();
    } else if (mode != 0) {
        m_pList->ChangeView(mode);
        m_pList->show();
        if (m_pTable != nullptr)
            m_pTable->hide();
    }
    Synchronize();
}

void PhotoPageStandIn::AddPhoto(const QString& path)
{
    const QString extension = QFileInfo(path).suffix();
    const int icon = CFormatsEnum::GetInstance()->GetRecordById(extension).icon;
    paths.append(path);
    m_pList->AddItem(path, QString(), path, false, icon, true);
}

void PhotoPageStandIn::RemovePhoto(int row)
{
    if (row < 0 || row >= paths.size())
        return;
    m_pList->RemoveItem(row);
    paths.removeAt(row);
    Synchronize();
}

void PhotoPageStandIn::Synchronize()
{
    m_pList->clear();
    const int side = mode == 1 ? 70 : mode == 2 ? 100 : 165;
    for (int i = 0; i < paths.size(); ++i) {
        auto* item = new QListWidgetItem(QFileInfo(paths[i]).completeBaseName());
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
        if (mode >= 1) {
            item->setSizeHint(QSize(side, side));
            item->setTextAlignment(Qt::AlignBottom | Qt::AlignHCenter);
        }
        m_pList->insertItem(i, item);
    }
    if (m_pTable != nullptr) {
        static const char* const titles[] = {"Name",     "Type",   "Date Taken",  "Dimensions", "Size",
                                             "Location", "Camera", "F-stop",      "Exposure",   "ISO",
                                             "DPI",      "Color",  "Coordinates", "Altitude"};
        m_pTable->clear();
        m_pTable->setRowCount(paths.size());
        for (int column = 0; column < CListThumbDetails::ColumnCount; ++column)
            m_pTable->setHorizontalHeaderItem(column, new QTableWidgetItem(tr(titles[column])));
        for (int i = 0; i < paths.size(); ++i)
            for (int column = 0; column < CListThumbDetails::ColumnCount; ++column) {
                auto* cell = new QTableWidgetItem;
                cell->setFlags(cell->flags() | Qt::ItemIsSelectable);
                cell->setTextAlignment(column == 0 || column == 5 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
                m_pTable->setItem(i, column, cell);
            }
    }
    m_pList->AssignThumbnails();
    m_pList->ReloadToolTips();
    if (m_pTable != nullptr) {
        m_pTable->AssignThumbnails();
        m_pTable->ReloadToolTips();
    }
}

void PhotoPageStandIn::ApplyMoves(ListDragDrop moves)
{
    for (const SDragDrop& move : moves) {
        if (move.from < 0 || move.from >= paths.size() || move.to < 0 || move.to > paths.size())
            continue;
        const QString path = paths.takeAt(move.from);
        paths.insert(move.from < move.to ? move.to - 1 : move.to, path);
    }
    Synchronize();
}

void PhotoPageStandIn::ApplySort(QList<int> order)
{
    QStringList sorted;
    for (int row : order)
        sorted.append(paths.value(row));
    if (sorted.size() == paths.size())
        paths = sorted;
    Synchronize();
}
