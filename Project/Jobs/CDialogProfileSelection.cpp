#include "CDialogProfileSelection.h"

#include "CDialogProfileSave.h"
#include "DialogSheets.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "ImageCache.h"
#include "ProfileHeaders.h"
#include "ResourceRoot.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WholeLinesDelegate.h"
#include "ui_CDialogProfileSelection.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>

namespace
{
enum Page { PageAll, PageMine, PageEdit, PageOutput, PageCount };
} // namespace

CDialogProfileSelection::CDialogProfileSelection(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogProfileSelection), m_pProfile(CUserProfile::GetInstance()),
      m_pImageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    KeepDialogOnScreen(this, ui->horizontalLayout_2);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Init();
}

CDialogProfileSelection::~CDialogProfileSelection()
{
    delete ui;
}

void CDialogProfileSelection::Init()
{
    Categories.clear();
    Categories << SProfileCategory{{}, QStringLiteral("All Profiles"), tr("All Profiles"), 0, 0}
               << SProfileCategory{{}, QStringLiteral("User-Defined"), tr("My Profiles"), 1, 0}
               << SProfileCategory{{}, QStringLiteral("Edit"), tr("Edit"), 0, 3}
               << SProfileCategory{{}, QStringLiteral("Output"), tr("Output"), 0, 0};
    ReadProfileHeadersXML();

    for (QToolButton* button : {ui->buttonAllProfiles, ui->buttonMyProfiles, ui->buttonEdit, ui->buttonOutput}) {
        button->setCheckable(true);
        MacToolbuttonAutoraise(button);
    }
    setFixedSize(585, 475);
    FitTextsToFonts(this);

    // One icon set: the format cells, then the filter cells.
    QList<QIcon>* icons = m_pImageCache->LoadIconsFromPath(QStringLiteral("Icons-Formats-64.png"), false, 64);
    QList<QIcon>* filters = m_pImageCache->LoadIconsFromPath(QStringLiteral("Icons-Filters-64.png"), false, 64);
    icons->append(*filters);
    delete filters;
    ui->listProfiles->SetIcons(icons);
    ui->listProfiles->listType = 3;
    ui->listProfiles->setItemDelegate(new CWholeLinesDelegate(ui->listProfiles));
    ui->listProfiles->setIconSize(QSize(64, 64));
    ui->listProfiles->AddWatermarkImage(QStringLiteral("Overlay-Symbol.png"), false, -5, -5, true, 1);
    ui->listProfiles->dark = m_pProfile->ThemeId != 0;

    InitImages();
    ChangeCategory(PageAll);
    ui->listProfiles->setFocus();
}

void CDialogProfileSelection::ReadProfileHeadersXML()
{
    QStringList folders;
    // Without a documents folder there is no user folder; never the root's.
    const QString documents = GetMyDocuments();
    if (!documents.isEmpty())
        folders << documents + QStringLiteral("/Brandquill/Profiles");
    folders << ResourceRoot() + QStringLiteral("/Profiles");
    for (const QString& folder : folders) {
        // Sorted, so that every machine lists the same order.
        const QStringList entries = QDir(folder).entryList({QStringLiteral("*.bqf")}, QDir::Files | QDir::NoSymLinks,
                                                           QDir::Name | QDir::IgnoreCase);
        for (const QString& entry : entries)
            LoadProfileFromFile(folder + QLatin1Char('/') + entry);
    }
}

bool CDialogProfileSelection::LoadProfileFromFile(const QString& path)
{
    QDomDocument document;
    QList<QDomElement> blocks;
    QString reason;
    if (!ProfileHeaders::ReadBlocks(path, document, blocks, reason)) {
        qWarning("Profiles: skipped %s: %s", qPrintable(path), qPrintable(reason));
        return false;
    }
    for (const QDomElement& block : blocks)
        ParseProfile(block.childNodes(), path);
    return true;
}

void CDialogProfileSelection::ParseProfile(const QDomNodeList& properties, const QString& path)
{
    const SProfileRecord record = ProfileHeaders::ParseRecord(properties, path);
    QStringList keys;
    for (const SProfileCategory& category : qAsConst(Categories))
        keys << category.key;
    const int page = ProfileHeaders::CategoryIndex(record.Category, keys);
    if (page >= 0)
        Categories[page].records << record;
}

void CDialogProfileSelection::InitImages()
{
    int filterScale = 1, formatScale = 1;
    const QImage filters = LoadDialogSheet(QStringLiteral("Icons-Filters-64.png"), filterScale);
    const QImage formats = LoadDialogSheet(QStringLiteral("Icons-Formats-64.png"), formatScale);
    QToolButton* buttons[PageCount] = {ui->buttonAllProfiles, ui->buttonMyProfiles, ui->buttonEdit, ui->buttonOutput};
    for (int page = 0; page < PageCount; ++page) {
        const QPixmap cell =
            DialogSheetCell(filters, filterScale, 64, Categories[page].iconColumn, Categories[page].iconRow);
        buttons[page]->setIcon(cell.isNull() ? QIcon() : QIcon(cell));
        buttons[page]->setIconSize(QSize(48, 48));
    }
    FilterSheetGrid = QSize(filters.width() / 64 / filterScale, filters.height() / 64 / filterScale);
    FormatSheetGrid = QSize(formats.width() / 64 / formatScale, formats.height() / 64 / formatScale);
}

void CDialogProfileSelection::RedrawCategory(int page)
{
    // Items and the list's records go together, or records pile up.
    ui->listProfiles->RemoveAll();
    if (page < 0 || page >= PageCount)
        return;
    const QList<QIcon>* icons = ui->listProfiles->Icons();
    const int iconCount = icons ? icons->size() : 0;
    for (int c = PageMine; c < PageCount; ++c) {
        if (c != page && page != PageAll)
            continue;
        const SProfileCategory& category = Categories[c];
        for (const SProfileRecord& record : category.records) {
            const QString label = record.Description.isEmpty()
                                      ? QStringLiteral("<b>") + record.Name + QStringLiteral("</b>")
                                      : QStringLiteral("<a><b>") + record.Name + QStringLiteral("</b> - ") +
                                            record.Description + QStringLiteral("</a>");
            const int index = ProfileHeaders::IconIndex(record.Icon, QPoint(category.iconColumn, category.iconRow),
                                                        FilterSheetGrid, FormatSheetGrid, iconCount);
            ui->listProfiles->AddItem(record.Name, label, QString(), true, index, true);
            QListWidgetItem* item = ui->listProfiles->item(ui->listProfiles->count() - 1);
            item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
    }
    // A larger font or a longer name widens and heightens every cell.
    CWholeLinesDelegate::SizeCells(ui->listProfiles, QSize(105, 100));
}

void CDialogProfileSelection::ChangeCategory(int page)
{
    ui->buttonAllProfiles->setChecked(page == PageAll);
    ui->buttonMyProfiles->setChecked(page == PageMine);
    ui->buttonEdit->setChecked(page == PageEdit);
    ui->buttonOutput->setChecked(page == PageOutput);
    RedrawCategory(page);
    ui->listProfiles->setCurrentRow(0); // Return at once takes the first profile
}

SProfileRecord CDialogProfileSelection::GetProfile(int page, int row) const
{
    if (row < 0 || page < 0 || page >= PageCount)
        return SProfileRecord();
    if (page != PageAll)
        return Categories[page].records.value(row);
    for (int c = PageMine; c < PageCount; ++c) {
        if (row < Categories[c].records.size())
            return Categories[c].records[row];
        row -= Categories[c].records.size();
    }
    return SProfileRecord();
}

int CDialogProfileSelection::GetSelectedPage() const
{
    const QToolButton* buttons[PageCount] = {ui->buttonAllProfiles, ui->buttonMyProfiles, ui->buttonEdit,
                                             ui->buttonOutput};
    for (int page = 0; page < PageCount; ++page)
        if (buttons[page]->isChecked())
            return page;
    return -1;
}

bool CDialogProfileSelection::IsUserProfile(const SProfileRecord& record) const
{
    return record.Category == Categories[PageMine].key;
}

bool CDialogProfileSelection::UpdateProfile(const QString& oldName, const SProfileRecord& record)
{
    // By file: two user profiles may share a name. Only a record without a
    // file is found by its name.
    for (SProfileCategory& category : Categories) {
        for (SProfileRecord& candidate : category.records) {
            const bool same = record.Path.isEmpty() ? candidate.Name == oldName : candidate.Path == record.Path;
            if (same) {
                candidate = record;
                return true;
            }
        }
    }
    return false;
}

SProfileRecord CDialogProfileSelection::CurrentProfile() const
{
    if (ui->listProfiles->selectedItems().isEmpty())
        return SProfileRecord();
    return GetProfile(GetSelectedPage(), ui->listProfiles->currentRow());
}

void CDialogProfileSelection::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelpFile(QStringLiteral("user-interface_profiles.htm"));
        return;
    }
    if (!PickerReturn(event, focusWidget(), ui->listProfiles))
        QDialog::keyPressEvent(event);
}

void CDialogProfileSelection::on_buttonOk_clicked()
{
    const int page = GetSelectedPage();
    if (ui->listProfiles->selectedItems().isEmpty()) {
        QMessageBox::warning(this, QString(), tr("No profile selected"), QMessageBox::Ok);
        return;
    }
    const int row = ui->listProfiles->currentRow();
    if (row >= 0)
        SelectedProfile = GetProfile(page, row);
    if (SelectedProfile.Name.isEmpty())
        return;
    m_pProfile->BuiltInProfileLoaded = !IsUserProfile(SelectedProfile);
    accept();
}

void CDialogProfileSelection::on_buttonCancel_clicked()
{
    reject();
}

void CDialogProfileSelection::on_buttonAllProfiles_clicked()
{
    ChangeCategory(PageAll);
}

void CDialogProfileSelection::on_buttonMyProfiles_clicked()
{
    ChangeCategory(PageMine);
}

void CDialogProfileSelection::on_buttonEdit_clicked()
{
    ChangeCategory(PageEdit);
}

void CDialogProfileSelection::on_buttonOutput_clicked()
{
    ChangeCategory(PageOutput);
}

void CDialogProfileSelection::on_listProfiles_activated(const QModelIndex& index)
{
    Q_UNUSED(index);
    on_buttonOk_clicked();
}

void CDialogProfileSelection::on_listProfiles_customContextMenuRequested(const QPoint& pos)
{
    Q_UNUSED(pos);
    if (ui->listProfiles->selectedItems().isEmpty())
        return;
    QMenu menu(this);
    QAction* edit = menu.addAction(tr("&Edit"), this, &CDialogProfileSelection::OnProfilesEdit);
    QAction* remove = menu.addAction(tr("&Remove"), this, &CDialogProfileSelection::OnProfilesRemove);
    if (!IsUserProfile(CurrentProfile())) {
        edit->setEnabled(false);
        remove->setEnabled(false);
    }
    menu.exec(QCursor::pos());
}

void CDialogProfileSelection::OnProfilesEdit()
{
    const SProfileRecord record = CurrentProfile();
    if (!IsUserProfile(record))
        return;
    CDialogProfileSave dialog(nullptr);
    dialog.ProfileName = record.Name;
    dialog.ProfileDescription = record.Description;
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The file first; the list shows only what the file now says.
    SProfileRecord written;
    if (ProfileHeaders::RewriteHeader(record.Path, dialog.ProfileName, dialog.ProfileDescription, written) !=
        ProfileHeaders::Rewrite::Done) {
        QMessageBox::warning(this, QString(), tr("Could not change the profile."), QMessageBox::Ok);
        return;
    }
    UpdateProfile(record.Name, written);
    RedrawCategory(GetSelectedPage());
}

void CDialogProfileSelection::OnProfilesRemove()
{
    const SProfileRecord record = CurrentProfile();
    if (!IsUserProfile(record))
        return;
    if (QMessageBox::question(this, QString(), tr("Are you sure you want to delete this profile?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // A file that stays is no removed profile: the record stays too.
    if (!QFile::remove(record.Path) && QFileInfo(record.Path).exists()) {
        QMessageBox::warning(this, QString(), tr("Could not delete the profile."), QMessageBox::Ok);
        return;
    }
    // User profiles come first, in the same order, on the two pages that
    // show them, so the row is the record's place in "My Profiles".
    QList<SProfileRecord>& mine = Categories[PageMine].records;
    const int row = ui->listProfiles->currentRow();
    if (row >= 0 && row < mine.size() && mine[row].Path == record.Path)
        mine.removeAt(row);
    RedrawCategory(GetSelectedPage());
}
