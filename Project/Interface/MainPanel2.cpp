#include "MainPanel2.h"

#include "CoreMetaTypes.h"
#include "DialogFilterSelection.h"
#include "FilterSettings.h"
#include "FiltersEnum.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "ImageInfoText.h"
#include "SnapshotScope.h"
#include "StatesList.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WholeLinesDelegate.h"

#include "ui_CMainPanel2.h"

#include <QKeyEvent>
#include <QMenu>

namespace
{
// The filter picker, run modally on the page: the chosen filter's name, ""
// when cancelled.
QString PickFilterWithPicker(QWidget* parent)
{
    CDialogFilterSelection picker(parent);
    if (picker.exec() != QDialog::Accepted)
        return QString();
    return picker.selectedName;
}
} // namespace

CMainPanel2::CMainPanel2(QWidget* parent)
    : QWidget(parent), pickFilter(PickFilterWithPicker), ui(new Ui::CMainPanel2),
      m_profile(CUserProfile::GetInstance()), m_images(CListImages::GetInstance()),
      m_filters(CListFilters::GetInstance()), m_catalogue(CFiltersEnum::GetInstance()),
      m_states(CStatesList::GetInstance()), m_hardware(CHardwareProfile::GetInstance()),
      m_imageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    ScrollPage(this);
    FitTextsToFonts(this);
    // Visit the other tab once so that both pages are laid out.
    const int tab = ui->tabWidget->currentIndex();
    ui->tabWidget->setCurrentIndex(tab == 0 ? 1 : 0);
    ui->tabWidget->setCurrentIndex(tab);
    addFilterTip = new CTipBalloon(this, QStringLiteral("addFilterTip"));
    step3Tip = new CTipBalloon(this, QStringLiteral("step3Tip"));
    Init();
    ui->retranslateUi(this);
    changed = false;
    photoSwitch = false;
    cleanFiltered = true;
}

CMainPanel2::~CMainPanel2()
{
    delete ui;
}

void CMainPanel2::Init()
{
    const struct {
        QTimer* timer;
        const char* name;
        int interval;
        void (CMainPanel2::*slot)();
    } timers[] = {
        {&currentPreviewTimer, "currentPreviewTimer", 200, &CMainPanel2::StartCurrentPreview},
        {&allPreviewsTimer, "allPreviewsTimer", 2000, &CMainPanel2::StartAllPreviews},
        {&resizeTimer, "resizeTimer", 200, &CMainPanel2::OnTimerResizePreview},
    };
    for (const auto& t : timers) {
        t.timer->setObjectName(QLatin1String(t.name));
        t.timer->setSingleShot(true);
        t.timer->setInterval(t.interval);
        connect(t.timer, &QTimer::timeout, this, t.slot, Qt::QueuedConnection);
    }
    cleanUpTimer.setObjectName(QStringLiteral("cleanUpTimer"));
    cleanUpTimer.setSingleShot(true);
    cleanUpTimer.setInterval(100);
    connect(
        &cleanUpTimer, &QTimer::timeout, this, [this] { CleanUp(true); }, Qt::QueuedConnection);

    RegisterCoreMetaTypes();
    CListThumb* list = ui->listFilters;
    list->listType = 2; // the filter chain: internal drops are reorders, file drops are refused
    list->setIconSize(QSize(32, 32));
    list->setItemDelegate(new CWholeLinesDelegate(list)); // a long name takes a second line
    list->setWordWrap(true);
    list->AddWatermarkImage(QStringLiteral("Add.png"), false, 0, 0, false, 0);
    list->LoadDefaultThumbnails(QStringLiteral("Icons-Filters-32.png"), false, 0);
    list->dark = m_profile->ThemeId != 0;
    connect(list, &CListThumb::Clicked, this, &CMainPanel2::ListThumbClicked);
    connect(list, &CListThumb::SignalDragDropPanel2, this, &CMainPanel2::ListThumbDragDropPanel2, Qt::QueuedConnection);
    const QImage sheet = m_imageCache->GetAsset(QStringLiteral("Icons-Filters-32.png"), false, false);
    m_iconColumns = qMax(1, sheet.width() / 32);

    addFilterTip->Setup(2, tr("Add a graphic filter that will be applied on all the photos added in Step 1"),
                        QSize(290, 68), [this] { return ui->buttonAddFilter->pos() + QPoint(55, 25); });
    step3Tip->Setup(2, tr("Go to Step 3 and select the output folder and image format for the edited photos"),
                    QSize(250, 80), [this] { return QPoint(width() / 2 + 40, 0); });

    InitPreviews();
    ui->comboPreset->clear();
    ui->comboPreset->addItems(
        {tr("Keep Unchanged"), tr("Rename to Folder's Name"), tr("Rename to Photo's Date"), tr("Custom Defined")});
    ui->comboPreset->setCurrentIndex(0);
    SetDefaultFilenameSettings();
    UpdatePreviewFilename();
    InitImages();
}

void CMainPanel2::AddListThumbItem(const SFilterRecord& record)
{
    const SFilterEnumRecord entry = m_catalogue->GetRecordById(record.id);
    const int icon = int(entry.id / 1000) * m_iconColumns + entry.iconColumn;
    ui->listFilters->AddItem(record.name, record.description, QString(), true, icon, true);
}

void CMainPanel2::SynchronizeListFilters()
{
    rebuilding = true;
    ui->listFilters->clear();
    ui->listFilters->RemoveAll();
    for (int i = 0; i < m_filters->filters.size(); ++i) {
        const SFilterRecord& record = m_filters->filters.at(i);
        AddListThumbItem(record);
        QListWidgetItem* item = ui->listFilters->item(i);
        if (!item)
            continue;
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(record.active ? Qt::Checked : Qt::Unchecked);
    }
    CWholeLinesDelegate::SizeCells(ui->listFilters, QSize(0, 34));
    rebuilding = false;
}

void CMainPanel2::ClearFilterList()
{
    ui->listFilters->clear();
}

void CMainPanel2::FinishChainEdit(bool listChanged)
{
    allPreviewsTimer.start(2000);
    CSnapshotScope::Record(this);
    if (listChanged)
        emit SignalListFiltersChanged();
}

void CMainPanel2::CancelFilteredPreview()
{
    ui->scrollImageFilters->CancelJob();
}

QList<int> CMainPanel2::SelectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < ui->listFilters->count(); ++row) {
        if (ui->listFilters->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

bool CMainPanel2::WarnWhenNoSelection()
{
    if (!SelectedRows().isEmpty())
        return false;
    hooks.message(this, QMessageBox::Warning, tr("No filter selected"), QMessageBox::Ok);
    return true;
}

void CMainPanel2::SelectRows(int first, int last, int current)
{
    QItemSelectionModel* model = ui->listFilters->selectionModel();
    // Current first without touching the selection, then the block.
    model->setCurrentIndex(ui->listFilters->model()->index(current, 0), QItemSelectionModel::NoUpdate);
    model->clearSelection();
    for (int row = first; row <= last && row < ui->listFilters->count(); ++row)
        ui->listFilters->item(row)->setSelected(true);
}

void CMainPanel2::on_listFilters_itemChanged(QListWidgetItem* item)
{
    if (rebuilding)
        return;
    int row = -1;
    for (int i = 0; i < ui->listFilters->count(); ++i) {
        if (ui->listFilters->item(i) == item)
            row = i;
    }
    if (row < 0 || row >= m_filters->filters.size())
        return;
    m_filters->filters[row].active = item->checkState() == Qt::Checked;
    if (!m_states->SuspendSaving)
        allPreviewsTimer.start(2000);
    CSnapshotScope::Record(this);
    emit SignalListFiltersChanged();
}

void CMainPanel2::on_buttonAddFilter_clicked()
{
    const QString name = pickFilter(this);
    if (name.isEmpty())
        return;
    const SFilterEnumRecord entry = m_catalogue->GetRecordByName(name);
    SFilterRecord record;
    record.id = entry.id;
    record.name = entry.name;
    record.description = entry.description;
    record.active = true;
    if (!ShowFilterSettings(record)) {
        m_profile->SetPreviewComment(QString());
        m_profile->SetPreviewProgress(-1);
        return;
    }
    CSnapshotScope scope(m_states);
    m_filters->AddFilter(record);
    SynchronizeListFilters();
    allPreviewsTimer.start(2000);
    scope.Finish(this);
    addFilterTip->HideSoon();
    step3Tip->StartShowTimer();
    emit SignalListFiltersChanged();
}

void CMainPanel2::ListThumbClicked()
{
    if (ui->listFilters->count() == 0)
        on_buttonAddFilter_clicked();
}

bool CMainPanel2::ShowFilterSettings(SFilterRecord& record)
{
    CFilterSettings dialog(this);
    dialog.record = record;
    dialog.setPanelTranzition(m_panelTransition);
    dialog.previewImage = GetImageRecordByName(QList<SImageRecord>(m_images->images), m_profile->PreviewPath);
    if (hooks.runDialog(&dialog) == 0)
        return false;
    record = dialog.record;
    return true;
}

void CMainPanel2::on_buttonEditFilters_clicked()
{
    EditFilter(-1);
}

void CMainPanel2::on_listFilters_itemDoubleClicked(QListWidgetItem* item)
{
    const int row = item ? ui->listFilters->row(item) : -1;
    EditFilter(row >= 0 ? row : ui->listFilters->currentRow());
}

void CMainPanel2::EditFilter(int filterIndex)
{
    const int row = filterIndex == -1 ? ui->listFilters->currentRow() : filterIndex;
    if (row < 0 || row >= m_filters->filters.size()) {
        hooks.message(this, QMessageBox::Warning, tr("No filter selected"), QMessageBox::Ok);
        return;
    }
    SFilterRecord record = m_filters->filters.at(row);
    if (!ShowFilterSettings(record))
        return;
    m_filters->filters[row] = record;
    FinishChainEdit(false);
}

void CMainPanel2::RemoveSelectedFilters()
{
    CancelFilteredPreview();
    if (WarnWhenNoSelection())
        return;
    if (hooks.message(this, QMessageBox::Question, tr("Remove selected filter(s)?"),
                      QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    CSnapshotScope scope(m_states);
    int removed = 0;
    for (int row : SelectedRows())
        m_filters->RemoveFilter(quint16(row - removed++));
    SynchronizeListFilters();
    allPreviewsTimer.start(2000);
    scope.Finish(this);
    emit SignalListFiltersChanged();
}

void CMainPanel2::RemoveAllFilters(bool showWarning)
{
    if (m_filters->filters.isEmpty())
        return;
    if (showWarning && hooks.message(this, QMessageBox::Question, tr("Remove all filters?"),
                                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    CancelFilteredPreview();
    m_filters->filters.clear();
    SynchronizeListFilters();
    FinishChainEdit(true);
}

void CMainPanel2::DuplicateFilters()
{
    if (WarnWhenNoSelection())
        return;
    CSnapshotScope scope(m_states);
    const int first = ui->listFilters->count();
    for (int row : SelectedRows())
        m_filters->filters.append(m_filters->filters.at(row));
    SynchronizeListFilters();
    const int last = ui->listFilters->count() - 1;
    SelectRows(first, last, last);
    allPreviewsTimer.start(2000);
    scope.Finish(this);
    emit SignalListFiltersChanged();
}

void CMainPanel2::MoveFilterUp()
{
    if (WarnWhenNoSelection())
        return;
    const int row = SelectedRows().first();
    // On the first row nothing moves, but the edit still counts.
    MoveFilter(row, row - 1, qMax(row - 1, 0));
}

void CMainPanel2::MoveFilterDown()
{
    if (WarnWhenNoSelection())
        return;
    const int row = SelectedRows().first();
    if (row >= ui->listFilters->count() - 1)
        return;
    MoveFilter(row + 1, row, row + 1);
}

void CMainPanel2::MoveFilter(int from, int to, int current)
{
    CSnapshotScope scope(m_states);
    if (to >= 0)
        m_filters->DragAndDrop(from, to);
    SynchronizeListFilters();
    ui->listFilters->setCurrentRow(current);
    allPreviewsTimer.start(2000);
    scope.Finish(this);
    emit SignalListFiltersChanged();
}

void CMainPanel2::ListThumbDragDropPanel2(ListDragDrop moves)
{
    if (moves.isEmpty())
        return;
    CSnapshotScope scope(m_states);
    int forward = 0;
    for (const SDragDrop& move : moves) {
        m_filters->DragAndDrop(move.from, move.to);
        if (move.from < move.to)
            ++forward;
    }
    SynchronizeListFilters();
    const int first = moves.first().to - forward;
    SelectRows(first, first + moves.size() - 1, first);
    allPreviewsTimer.start(2000);
    scope.Finish(this);
}

void CMainPanel2::on_listFilters_customContextMenuRequested()
{
    QMenu menu(this);
    const bool selected = !SelectedRows().isEmpty();
    menu.addAction(tr("&Edit"), this, [this] { EditFilter(); })->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("&Add Filter"), this, &CMainPanel2::on_buttonAddFilter_clicked);
    menu.addSeparator();
    menu.addAction(tr("Remove &Selected"), this, &CMainPanel2::RemoveSelectedFilters)->setEnabled(selected);
    menu.addAction(tr("Remove A&ll"), this, [this] { RemoveAllFilters(); });
    menu.addSeparator();
    menu.addAction(tr("&Duplicate"), this, &CMainPanel2::DuplicateFilters)->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("Move &Up"), this, &CMainPanel2::MoveFilterUp)->setEnabled(selected);
    menu.addAction(tr("Move D&own"), this, &CMainPanel2::MoveFilterDown)->setEnabled(selected);
    hooks.runMenu(&menu, QCursor::pos());
}

void CMainPanel2::on_buttonRemoveFilters_clicked()
{
    QMenu menu(this);
    menu.addAction(tr("Remove Selected"), this, &CMainPanel2::RemoveSelectedFilters);
    menu.addAction(tr("Remove All"), this, [this] { RemoveAllFilters(); });
    QPushButton* button = ui->buttonRemoveFilters;
    hooks.runMenu(&menu, button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CMainPanel2::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
        EditFilter(-1);
        break;
    case Qt::Key_Delete:
        RemoveSelectedFilters();
        break;
    case Qt::Key_Insert:
        on_buttonAddFilter_clicked();
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void CMainPanel2::RefreshPanel()
{
    ui->checkShowPreview->setChecked(m_profile->Step2Preview);
    ui->scrollImageFilters->showPreview = m_profile->Step2Preview;
    ui->scrollImageOriginal->showPreview = m_profile->Step2Preview;
    if (!m_profile->Step2Preview || m_images->images.isEmpty()) {
        ui->scrollImageFilters->ShowBlank();
        ui->scrollImageOriginal->ShowBlank();
    }
    ui->comboPreset->setCurrentIndex(m_profile->PresetRename);
    m_profile->FilterFilename.preset = m_profile->PresetRename;
    if (!(m_states->SuspendSaving && !m_images->images.isEmpty()))
        UpdatePreviewFilename();
    SynchronizeListFilters();
}

void CMainPanel2::DiscardUserChanges()
{
    RemoveAllFilters(false);
    ui->comboPreset->setCurrentIndex(0);
    m_profile->FilterFilename.preset = 0;
    m_profile->PresetRename = 0;
    SetDefaultFilenameSettings();
    UpdatePreviewFilename();
    ui->checkShowPreview->setChecked(GetRegistryInt(QStringLiteral("GUI/Step2.ShowPreview"), 1) != 0);
    m_profile->Step2Preview = ui->checkShowPreview->isChecked();
    ui->comboImages->clear();
    CleanUp(true);
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::setPanelTranzition(bool* flag)
{
    m_panelTransition = flag;
    ui->scrollImageFilters->panelTransition = flag;
    ui->scrollImageOriginal->panelTransition = flag;
}

void CMainPanel2::RetranslateUI()
{
    ui->retranslateUi(this);
}
