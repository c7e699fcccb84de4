// The two views of step 1: rebuilding them from the photo list, the view
// modes, the selection, the context menu and the two ways of reordering.
#include "MainPanel1.h"

#include "CDialogUnsupportedFormat.h"
#include "FormatsEnum.h"
#include "SnapshotScope.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CMainPanel1.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QMimeData>

namespace
{
const char* const kViewTypeKey = "GUI/Step1.ViewType";

QSize ItemSize(int mode)
{
    switch (mode) {
    case 1:
        return QSize(70, 70);
    case 2:
        return QSize(100, 100);
    default:
        return QSize(165, 165);
    }
}

QStringList HeaderTexts()
{
    return {CMainPanel1::tr("Name"),        CMainPanel1::tr("Type"),    CMainPanel1::tr("Date Taken"),
            CMainPanel1::tr("Dimensions"),  CMainPanel1::tr("Size"),    CMainPanel1::tr("Location"),
            CMainPanel1::tr("Camera"),      CMainPanel1::tr("F-stop"),  CMainPanel1::tr("Exposure"),
            CMainPanel1::tr("ISO"),         CMainPanel1::tr("DPI"),     CMainPanel1::tr("Color"),
            CMainPanel1::tr("Coordinates"), CMainPanel1::tr("Altitude")};
}

// Whether `order` holds every row of `count` exactly once.
bool IsPermutation(const QList<int>& order, int count)
{
    if (order.size() != count)
        return false;
    QVector<bool> seen(count, false);
    for (int row : order) {
        if (row < 0 || row >= count || seen[row])
            return false;
        seen[row] = true;
    }
    return true;
}
} // namespace

void CMainPanel1::SynchronizeListImages(bool keepSelection)
{
    CListThumb* list = ui->listImages;
    CListThumbDetails* table = ui->listImagesDetails;

    const int listCurrent = list->currentRow();
    QList<int> listSelected;
    if (keepSelection) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected())
                listSelected.append(i);
        }
    }
    QList<int> tableSelected;
    for (const QModelIndex& index : table->selectionModel()->selectedRows(0))
        tableSelected.append(index.row());
    const int tableCurrent = table->currentIndex().row();

    // Rebuilding must not start a preview per removed or added item.
    const QSignalBlocker listBlocker(list);
    const QSignalBlocker tableBlocker(table);
    list->clear();
    table->clear();
    const int count = m_pListImages->images.size();
    table->setRowCount(count);
    const QStringList headers = HeaderTexts();
    for (int column = 0; column < headers.size(); ++column)
        table->setHorizontalHeaderItem(column, new QTableWidgetItem(headers.at(column)));

    emit ClearComboImages();
    const int mode = GetRegistryInt(QLatin1String(kViewTypeKey), 2);
    for (int i = 0; i < count; ++i) {
        SImageRecord record = m_pListImages->images.at(i);
        const QString native = QDir::toNativeSeparators(record.path);
        emit InsertItemComboImages(i, native);
        auto* item = new QListWidgetItem(mode == 0 ? native : record.name);
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
        if (mode != 0) {
            item->setSizeHint(ItemSize(mode));
            item->setTextAlignment(Qt::AlignBottom | Qt::AlignHCenter);
        }
        list->insertItem(i, item);
        for (int column = 0; column < CListThumbDetails::ColumnCount; ++column) {
            auto* cell = new QTableWidgetItem();
            cell->setFlags(cell->flags() | Qt::ItemIsSelectable);
            const bool leftAligned = column == 0 || column == 5;
            cell->setTextAlignment(leftAligned ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
            table->setItem(i, column, cell);
        }
        record.position = i;
        m_pListImages->images[i] = record;
    }
    list->AssignThumbnails();
    list->ReloadToolTips();
    table->AssignThumbnails();
    table->ReloadToolTips();

    if (keepSelection) {
        if (listCurrent >= 0 && listCurrent < count)
            list->setCurrentRow(listCurrent, QItemSelectionModel::NoUpdate);
        for (int row : qAsConst(listSelected)) {
            if (row < count)
                list->item(row)->setSelected(true);
        }
        SelectTableRows(tableSelected, tableCurrent);
    }

    if (!rejectedFiles.isEmpty()) {
        CDialogUnsupportedFormat dialog(this);
        dialog.SetUnsupportedFiles(rejectedFiles);
        rejectedFiles.clear();
        hooks.runDialog(&dialog);
    }
}

void CMainPanel1::SelectTableRows(const QList<int>& rows, int current)
{
    CListThumbDetails* table = ui->listImagesDetails;
    const int count = table->rowCount();
    const int lastColumn = table->columnCount() - 1;
    QItemSelection selection;
    auto add = [&](int row) {
        if (row >= 0 && row < count)
            selection.select(table->model()->index(row, 0), table->model()->index(row, lastColumn));
    };
    for (int row : rows)
        add(row);
    add(current);
    table->selectionModel()->clearSelection();
    table->selectionModel()->select(selection, QItemSelectionModel::Select);
}

void CMainPanel1::AddListThumbItem(SImageRecord rec)
{
    const SFormatRecord format = m_pFormats->GetRecordById(rec.extension);
    ui->listImages->AddItem(rec.path, QString(), rec.path, false, format.icon, true);
    ui->listImagesDetails->AddItem(rec.name, rec.extension, rec.folder, QString());
}

void CMainPanel1::ChangeViewMode(int mode)
{
    CListThumb* list = ui->listImages;
    CListThumbDetails* table = ui->listImagesDetails;
    const int old = GetRegistryInt(QLatin1String(kViewTypeKey), mode);
    if (mode == 0) {
        table->ChangeView();
        table->show();
        list->hide();
    } else {
        list->ChangeView(mode);
        list->show();
        table->hide();
    }
    SetRegistryInt(QLatin1String(kViewTypeKey), mode);
    SynchronizeListImages(true);

    if (mode == 0 && old != 0) {
        QList<int> rows;
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected())
                rows.append(i);
        }
        SelectTableRows(rows, list->currentRow());
    } else if (old == 0 && mode != 0) {
        const QModelIndexList rows = table->selectionModel()->selectedRows(0);
        const QSignalBlocker blocker(list);
        list->clearSelection();
        const int current = table->currentRow();
        if (current >= 0 && current < list->count())
            list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        for (const QModelIndex& index : rows) {
            if (QListWidgetItem* item = list->item(index.row()))
                item->setSelected(true);
        }
    }
    emit SignalListImagesChanged();
}

void CMainPanel1::on_buttonView_clicked()
{
    QMenu menu;
    const int stored = GetRegistryInt(QLatin1String(kViewTypeKey), 2);
    const QStringList texts = {tr("&Details"), tr("&Small Icons"), tr("&Medium Icons"), tr("&Large Icons")};
    for (int mode = 0; mode < texts.size(); ++mode) {
        QAction* action = menu.addAction(texts.at(mode), this, [this, mode] { ChangeViewMode(mode); });
        action->setCheckable(true);
        action->setChecked(mode == stored);
    }
    RunButtonMenu(&menu, ui->buttonView);
}

bool CMainPanel1::DetailsVisible() const
{
    return !ui->listImages->isVisible();
}

int CMainPanel1::VisibleSelectedCount() const
{
    if (DetailsVisible())
        return ui->listImagesDetails->selectionModel()->selectedRows(0).size();
    return ui->listImages->selectedItems().size();
}

int CMainPanel1::VisibleItemCount() const
{
    return DetailsVisible() ? ui->listImagesDetails->rowCount() : ui->listImages->count();
}

void CMainPanel1::ShowContextMenu()
{
    QMenu menu;
    menu.addAction(tr("Add &Photo(s)"), this, QOverload<>::of(&CMainPanel1::AddPhotos));
    menu.addAction(tr("Add &Folder"), this, [this] { AddFolder(false); });
    menu.addAction(tr("&Search && Add"), this, &CMainPanel1::SearchAndAdd);
    QAction* paste = menu.addAction(tr("Pas&te"), this, &CMainPanel1::PasteClipboardFiles);
    const QMimeData* data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    paste->setEnabled(data && data->hasUrls());
    menu.addSeparator();
    QAction* selected = menu.addAction(tr("Remove S&elected"), this, &CMainPanel1::RemoveSelectedPhotos);
    QAction* all = menu.addAction(tr("Remove &All"), this, [this] { RemoveAllPhotos(true); });
    selected->setEnabled(VisibleSelectedCount() > 0);
    all->setEnabled(VisibleItemCount() > 0);
    hooks.runMenu(&menu, QCursor::pos());
}

void CMainPanel1::on_listImages_customContextMenuRequested(const QPoint&)
{
    ShowContextMenu();
}

void CMainPanel1::on_listImagesDetails_customContextMenuRequested(const QPoint&)
{
    ShowContextMenu();
}

void CMainPanel1::on_listImages_itemClicked(QListWidgetItem*)
{
    previewTimer.start(200);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImagesDetails_itemClicked(QTableWidgetItem*)
{
    previewTimer.start(200);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImages_itemSelectionChanged()
{
    previewTimer.start(200);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImagesDetails_itemSelectionChanged()
{
    previewTimer.start(200);
    emit SignalListImagesChanged();
}

void CMainPanel1::SelectListImagesItem(int row)
{
    CListThumb* list = ui->listImages;
    if (row < 0 || row >= list->count())
        return;
    list->clearSelection();
    list->item(row)->setSelected(true);
    emit SignalListImagesChanged();
}

void CMainPanel1::ClearSortIndicator()
{
    // The job's sort goes too: the snapshots that Undo and Redo bring back
    // must not show a sort over a list in another order.
    m_pProfile->DetailsSortColumn = -1;
    m_pProfile->DetailsSortOrder = 0;
    ui->listImagesDetails->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void CMainPanel1::ListThumbDragDropPanel1(ListDragDrop listDragDrop)
{
    if (listDragDrop.isEmpty())
        return;
    int forward = 0;
    for (const SDragDrop& move : qAsConst(listDragDrop)) {
        m_pListImages->DragAndDrop(move.from, move.to);
        if (move.from < move.to)
            ++forward;
    }
    SynchronizeListImages(false);
    ClearSortIndicator();

    const int count = m_pListImages->images.size();
    const int first = qBound(0, listDragDrop.first().to - forward, qMax(0, count - 1));
    const int last = qMin(first + listDragDrop.size() - 1, count - 1);
    CListThumb* list = ui->listImages;
    QList<int> rows;
    {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(first, QItemSelectionModel::NoUpdate);
        for (int row = first; row <= last; ++row) {
            list->item(row)->setSelected(true);
            rows.append(row);
        }
    }
    ui->listImagesDetails->setCurrentCell(first, 0, QItemSelectionModel::NoUpdate);
    SelectTableRows(rows, first);
    if (count > 0)
        FinishListEdit(first);
}

void CMainPanel1::ListThumbDetailsSort(QList<int> listIdx)
{
    const int count = m_pListImages->images.size();
    if (!IsPermutation(listIdx, count)) {
        qWarning("Step 1: ignored a sort order that does not name every photo once");
        return;
    }
    CListThumbDetails* table = ui->listImagesDetails;
    const QHeaderView* header = table->horizontalHeader();
    m_pProfile->DetailsSortColumn = header->sortIndicatorSection();
    m_pProfile->DetailsSortOrder = header->sortIndicatorOrder() == Qt::AscendingOrder ? 0 : 1;

    QList<int> selected;
    for (const QModelIndex& index : table->selectionModel()->selectedRows(0))
        selected.append(index.row());
    const int current = table->currentIndex().row();

    m_pListImages->Sort(listIdx);
    ui->listImages->AssignThumbnails();
    table->AssignThumbnails();
    SynchronizeListImages(false);

    QList<int> moved;
    for (int row : qAsConst(selected))
        moved.append(listIdx.indexOf(row));
    {
        // The selection follows the photos; that is no new choice to preview.
        const QSignalBlocker blocker(table);
        SelectTableRows(moved, listIdx.indexOf(current));
    }
    CSnapshotScope::Record(this);
    emit SignalListImagesChanged();
}
