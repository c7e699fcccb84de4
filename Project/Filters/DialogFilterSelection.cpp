#include "DialogFilterSelection.h"

#include "FiltersEnum.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "ImageCache.h"
#include "ListThumb.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WholeLinesDelegate.h"
#include "ui_CDialogFilterSelection.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>

namespace
{

constexpr int kCell = 48;

} // namespace

CDialogFilterSelection::CDialogFilterSelection(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogFilterSelection)
{
    ui->setupUi(this);
    KeepDialogOnScreen(this, ui->horizontalLayout);
    m_pFilters = CFiltersEnum::GetInstance();
    m_pProfile = CUserProfile::GetInstance();
    m_pImages = CImageCache::GetInstance();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Init();
}

CDialogFilterSelection::~CDialogFilterSelection()
{
    delete ui;
}

void CDialogFilterSelection::Init()
{
    selectedName.clear();
    for (QToolButton* button : {ui->buttonAllFilters, ui->buttonMarks, ui->buttonDecorations, ui->buttonTransform}) {
        button->setCheckable(true);
        MacToolbuttonAutoraise(button);
    }
    setMinimumSize(585, 475);
    setMaximumSize(585, 475);
    FitTextsToFonts(this);
    CListThumb* list = ui->listFilters;
    list->listType = 1;
    list->setItemDelegate(new CWholeLinesDelegate(list));
    list->setIconSize(QSize(64, 64));
    list->LoadDefaultThumbnails(QStringLiteral("Icons-Filters-64.png"), false, 1);
    list->AddWatermarkImage(QStringLiteral("Overlay-Symbol.png"), false, -5, -5, true, 1);
    list->dark = m_pProfile->ThemeId != 0;
    InitImages();
    ShowCategory(0);
    list->setFocus();
}

void CDialogFilterSelection::InitImages()
{
    const int ratio = static_cast<int>(devicePixelRatioF());
    const int scale = ratio > 1 ? ratio : 1;
    const int cell = kCell * scale;
    const QImage sheet = m_pImages->GetAsset(QStringLiteral("Icons-Filters-48.png"), false, true);
    const struct {
        QToolButton* button;
        int column;
        int row;
    } cells[] = {{ui->buttonAllFilters, 0, 0},
                 {ui->buttonMarks, 0, 1},
                 {ui->buttonDecorations, 2, 5},
                 {ui->buttonTransform, 5, 2}};
    for (const auto& c : cells) {
        QPixmap icon = QPixmap::fromImage(sheet.copy(c.column * cell, c.row * cell, cell, cell));
        icon.setDevicePixelRatio(scale);
        c.button->setIcon(sheet.isNull() ? QIcon() : QIcon(icon));
        c.button->setIconSize(QSize(kCell, kCell));
    }
    m_IconColumns = sheet.width() / kCell / scale;
}

void CDialogFilterSelection::AddFilters(int category)
{
    CListThumb* list = ui->listFilters;
    list->RemoveAll();
    const int focusMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list);
    for (const SFilterEnumRecord& row : m_pFilters->records) {
        const int type = row.id;
        if (category != 0 && type / 1000 != category)
            continue;
        list->AddItem(row.name, row.description, QString(), true, (type / 1000) * m_IconColumns + row.iconColumn, true);
        QListWidgetItem* item = list->item(list->count() - 1);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // A name on more than one line also leads its tip.
        if (list->fontMetrics().horizontalAdvance(row.name) > 105 - 2 * (focusMargin + 1))
            item->setToolTip(row.name + QLatin1Char('\n') + row.description);
    }
    // A larger font or a longer translation widens and heightens every cell.
    CWholeLinesDelegate::SizeCells(list, QSize(105, 100));
}

void CDialogFilterSelection::ShowCategory(int category)
{
    ui->buttonAllFilters->setChecked(category == 0);
    ui->buttonMarks->setChecked(category == 1);
    ui->buttonDecorations->setChecked(category == 2);
    ui->buttonTransform->setChecked(category == 5);
    AddFilters(category);
    ui->listFilters->setCurrentRow(0);
}

void CDialogFilterSelection::on_buttonAllFilters_clicked()
{
    ShowCategory(0);
}

void CDialogFilterSelection::on_buttonMarks_clicked()
{
    ShowCategory(1);
}

void CDialogFilterSelection::on_buttonDecorations_clicked()
{
    ShowCategory(2);
}

void CDialogFilterSelection::on_buttonTransform_clicked()
{
    ShowCategory(5);
}

void CDialogFilterSelection::on_Ok_clicked()
{
    const QList<QListWidgetItem*> selected = ui->listFilters->selectedItems();
    if (!selected.isEmpty())
        selectedName = selected.first()->text();
    if (selectedName.isEmpty()) {
        QMessageBox::warning(this, QString(), tr("No filter selected"), QMessageBox::Ok);
        return;
    }
    accept();
}

void CDialogFilterSelection::on_listFilters_activated(const QModelIndex&)
{
    on_Ok_clicked();
}

void CDialogFilterSelection::on_Cancel_clicked()
{
    reject();
}

void CDialogFilterSelection::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelpFile(QStringLiteral("user-interface_select-filter.htm"));
        return;
    }
    if (!PickerReturn(event, focusWidget(), ui->listFilters))
        QDialog::keyPressEvent(event);
}
