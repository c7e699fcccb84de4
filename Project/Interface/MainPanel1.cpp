#include "MainPanel1.h"

#include "CDialogSearch.h"
#include "CoreMetaTypes.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "FormatsEnum.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "PathSafety.h"
#include "SnapshotScope.h"
#include "StatesList.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CMainPanel1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace
{
const char* const kAddPhotosPathKey = "GUI/Step1.AddPhotosPath";
const char* const kAddFolderPathKey = "GUI/Step1.AddFolderPath";

// Both step-1 choosers open where the user last was in either of them.
void RememberFolder(const QString& folder)
{
    SetRegistryString(QLatin1String(kAddPhotosPathKey), folder);
    SetRegistryString(QLatin1String(kAddFolderPathKey), folder);
}

QString Slashed(QString path)
{
    return path.replace('\\', '/');
}

// False when the folder was entered before by this command.
bool Enter(const QString& folder, QSet<QString>& visited)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return true;
    if (visited.contains(canonical))
        return false;
    visited.insert(canonical);
    return true;
}
} // namespace

CMainPanel1::CMainPanel1(QWidget* parent)
    : QWidget(parent), ui(new Ui::CMainPanel1), m_pListImages(CListImages::GetInstance()),
      m_pProfile(CUserProfile::GetInstance()), m_pFormats(CFormatsEnum::GetInstance()),
      m_pStates(CStatesList::GetInstance()), m_pHardware(CHardwareProfile::GetInstance()),
      m_pCache(CImageCache::GetInstance())
{
    previewTimer.setObjectName(QStringLiteral("previewTimer"));
    ui->setupUi(this);
    ScrollPage(this);
    FitTextsToFonts(this);
    addPhotoTip = new CTipBalloon(this, QStringLiteral("addPhotoTip"));
    step2Tip = new CTipBalloon(this, QStringLiteral("step2Tip"));
    Init();
    ui->retranslateUi(this);
    changed = false;
    addPhotoTip->Setup(1, tr("Add the photos you want to edit"), QSize(247, 55),
                       [this] { return ui->buttonAddPhotos->pos() - QPoint(215, 36); });
    step2Tip->Setup(2, tr("Go to Step 2 and define the edits you want to apply to your photos"), QSize(200, 80),
                    [this] { return QPoint(width() / 2 - 10, 0); });
}

CMainPanel1::~CMainPanel1()
{
    previewTimer.stop();
    delete ui;
}

void CMainPanel1::setPanelTranzition(bool* flag)
{
    ui->scrollImage->panelTransition = flag;
}

void CMainPanel1::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel1::Init()
{
    previewTimer.setSingleShot(true);
    connect(&previewTimer, &QTimer::timeout, this, [this] { StartPreview(); });
    connect(ui->scrollImage, &CControlImage::UpdateZoomPercent, this, &CMainPanel1::UpdateZoomText,
            Qt::QueuedConnection);

    const bool dark = m_pProfile->ThemeId != 0;
    ui->viewImage->setBackgroundRole(QPalette::Base);
    ui->viewImage->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->scrollImage->imageLabel = ui->viewImage;
    ui->scrollImage->setStyleSheet(dark ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                                        : QStringLiteral("background-color: rgb( 255, 255, 255 );"));

    const QColor markColor(190, 190, 190, 255);
    const QString dropText = tr("Drag & Drop Your Photos Here");
    const QString clickText = tr("Or Click To Add Photos");
    CListThumb* list = ui->listImages;
    list->listType = 0;
    list->AddWatermarkText(dropText, -58, false, QFont("Arial", 18), markColor);
    list->AddWatermarkText(clickText, -29, false, QFont("Arial", 14), markColor);
    list->AddWatermarkImage(QStringLiteral("Overlay-Symbol.png"), false, -5, -5, true, 1);
    list->AddWatermarkImage(QStringLiteral("Add.png"), false, 0, 15, false, 0);
    list->LoadDefaultThumbnails(QStringLiteral("Icons-Formats-64.png"), false, 1);
    list->dark = dark;
    list->InitThread();

    CListThumbDetails* table = ui->listImagesDetails;
    table->ShareWith(list);
    table->AddWatermarkText(dropText, -58, false, QFont("Arial", 18), markColor);
    table->AddWatermarkText(clickText, -29, false, QFont("Arial", 14), markColor);
    table->AddWatermarkImage(QStringLiteral("Overlay-Symbol.png"), false, -5, -5, true, 1);
    table->AddWatermarkImage(QStringLiteral("Add.png"), false, 0, 15, false, 0);
    table->InitThread();

    RegisterCoreMetaTypes();
    const auto queued = Qt::QueuedConnection;
    connect(list, &CListThumb::SignalDragDropPanel1, this, &CMainPanel1::ListThumbDragDropPanel1, queued);
    connect(list, &CListThumb::SignalDragDropFiles, this, &CMainPanel1::ListThumbDragDropFiles, queued);
    connect(list, &CListThumb::Clicked, this, &CMainPanel1::ListThumbClicked);
    connect(table, &CListThumbDetails::SignalDragDropPanel1, this, &CMainPanel1::ListThumbDragDropPanel1, queued);
    connect(table, &CListThumbDetails::SignalSort, this, &CMainPanel1::ListThumbDetailsSort, queued);
    connect(table, &CListThumbDetails::SignalDragDropFiles, this, &CMainPanel1::ListThumbDragDropFiles, queued);
    connect(table, &CListThumbDetails::Clicked, this, &CMainPanel1::ListThumbClicked);

    ChangeViewMode(GetRegistryInt(QStringLiteral("GUI/Step1.ViewType"), 2));

    const bool show = GetRegistryInt(QStringLiteral("GUI/Step1.ShowPreview"), 1) != 0;
    ui->checkShowPreview->setChecked(show);
    ui->scrollImage->showPreview = show;
    on_checkShowPreview_clicked(show);

    ClearSortIndicator();

    InitImages();
    ui->scrollImage->currentPath.clear();
}

void CMainPanel1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete)
        RemoveSelectedPhotos();
    else if (event->key() == Qt::Key_Insert)
        AddPhotos();
    else if (event->matches(QKeySequence::Paste))
        PasteClipboardFiles();
    QWidget::keyPressEvent(event);
}

void CMainPanel1::AfterAdd(bool startPreview, bool handleTips)
{
    SynchronizeListImages(true);
    ClearSortIndicator();
    if (startPreview)
        previewTimer.start(200);
    if (handleTips) {
        addPhotoTip->HideSoon();
        step2Tip->StartShowTimer();
    }
    CSnapshotScope::Record(this);
    emit SignalListImagesChanged();
}

void CMainPanel1::AddPhotos()
{
    const QString start = ChooserStart(GetRegistryString(QLatin1String(kAddPhotosPathKey), QString()));
    QStringList names = hooks.openFiles(this, tr("Select Photo(s)"), start, m_pFormats->openDialogFilter);
    if (names.isEmpty())
        return;
    std::sort(names.begin(), names.end(), StringCompareAscending);
    for (const QString& name : qAsConst(names))
        AddPhoto(Slashed(name));
    const QString first = Slashed(names.first());
    RememberFolder(first.left(first.lastIndexOf('/')));
    AfterAdd(true, true);
}

void CMainPanel1::AddPhoto(QString path)
{
    // constLast(): last() would detach the list from the duplicate index and
    // make the next AddImage rebuild it, a whole-list copy per photo.
    if (m_pListImages->AddImage(path, rejectedFiles))
        AddListThumbItem(m_pListImages->images.constLast());
}

void CMainPanel1::AddPhotos(QStringList paths)
{
    for (const QString& path : qAsConst(paths)) {
        if (QFileInfo(path).isDir())
            AddFolder(path, false);
        else
            AddPhoto(path);
    }
}

void CMainPanel1::AddFolder(bool searchSubfolders)
{
    const QString start = ChooserStart(GetRegistryString(QLatin1String(kAddFolderPathKey), QString()));
    const QString folder = hooks.chooseFolder(this, tr("Browse For Folder"), start, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    AddFolder(folder, searchSubfolders);
    RememberFolder(folder);
    AfterAdd(true, true);
}

void CMainPanel1::AddFolderWithSubfolders()
{
    AddFolder(true);
}

void CMainPanel1::AddFolder(QString folder, bool searchSubfolders)
{
    QSet<QString> visited;
    AddFolderTree(folder, searchSubfolders, visited);
}

void CMainPanel1::AddFolderTree(QString folder, bool searchSubfolders, QSet<QString>& visited)
{
    if (folder.isNull())
        return;
    folder = Slashed(folder);
    if (!folder.endsWith('/'))
        folder += '/';
    if (!Enter(folder, visited))
        return;
    const QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files, QDir::NoSort);
    for (const QString& name : files)
        AddPhoto(folder + name);
    RejectUndecodable(folder, QString(), searchSubfolders);
    if (searchSubfolders) {
        const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
        for (const QString& name : folders)
            AddFolderTree(folder + name, true, visited);
    }
    emit SignalListImagesChanged();
}

void CMainPanel1::RejectUndecodable(const QString& folder, const QString& mask, bool folders)
{
    for (const QString& entry : CPathSafety::UndecodableEntries(folder, mask, folders))
        rejectedFiles << tr("%1 (the name is not valid UTF-8)").arg(entry);
}

void CMainPanel1::SearchAndAdd()
{
    CDialogSearch dialog(this);
    if (hooks.runDialog(&dialog) != 1)
        return;
    SearchAllFiles(dialog.searchPath, dialog.searchMask, dialog.searchSubfolders);
    AfterAdd(true, true);
}

void CMainPanel1::SearchAllFiles(QString folder, QString mask, bool searchSubfolders)
{
    QSet<QString> visited;
    SearchFolderTree(folder, mask, searchSubfolders, visited);
}

void CMainPanel1::SearchFolderTree(const QString& folder, const QString& mask, bool searchSubfolders,
                                   QSet<QString>& visited)
{
    if (!Enter(folder, visited))
        return;
    const QDir dir(folder);
    const QStringList files = dir.entryList(QStringList(mask), QDir::Files | QDir::NoSymLinks, QDir::NoSort);
    for (const QString& name : files)
        AddPhoto(folder + "/" + name);
    RejectUndecodable(folder, mask, searchSubfolders);
    if (!searchSubfolders)
        return;
    const QStringList folders = dir.entryList(QStringList(), QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString& name : folders)
        SearchFolderTree(folder + "/" + name, mask, true, visited);
}

void CMainPanel1::PasteClipboardFiles()
{
    const QMimeData* data = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    QStringList paths;
    if (data) {
        for (const QUrl& url : data->urls()) {
            const QString path = url.toLocalFile();
            if (!path.isEmpty())
                paths.append(path);
        }
    }
    std::sort(paths.begin(), paths.end(), StringCompareAscending);
    AddPhotos(paths);
    AfterAdd(false, true);
}

void CMainPanel1::ListThumbDragDropFiles(QStringList listFiles)
{
    listFiles.removeAll(QString());
    AddPhotos(listFiles);
    AfterAdd(false, false);
}

void CMainPanel1::ListThumbClicked()
{
    if (ui->listImages->count() == 0)
        AddPhotos();
}

void CMainPanel1::RemoveSelectedPhotos()
{
    const bool details = DetailsVisible();
    const int selected = VisibleSelectedCount();
    if (m_pListImages->images.isEmpty())
        return;
    if (selected == 0) {
        hooks.message(this, QMessageBox::Warning, tr("No photos selected"), QMessageBox::Ok);
        return;
    }
    if (hooks.message(this, QMessageBox::Question, tr("Remove selected photo(s) from the list?"),
                      QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    // The views keep their old rows until the rebuild below.
    int removed = 0;
    int lastRemoved = -1;
    const int rows = ui->listImages->count();
    for (int i = 0; i < rows; ++i) {
        bool isSelected = false;
        if (details) {
            const QTableWidgetItem* cell = ui->listImagesDetails->item(i, 0);
            isSelected = cell && cell->isSelected();
        } else {
            isSelected = ui->listImages->item(i)->isSelected();
        }
        if (!isSelected)
            continue;
        const int index = i - removed;
        if (index < m_pListImages->images.size())
            m_pListImages->images.removeAt(index);
        ui->listImages->RemoveItem(index);
        ui->listImagesDetails->RemoveItem(index);
        ++removed;
        lastRemoved = i;
    }
    SynchronizeListImages(false);

    const int count = m_pListImages->images.size();
    if (count > 0) {
        const int next = qMin(lastRemoved - removed + 1, count - 1);
        ui->listImages->setCurrentItem(ui->listImages->item(next));
        ui->listImagesDetails->setCurrentCell(next, 0);
        FinishListEdit(next);
        return;
    }
    m_pProfile->PreviewPath.clear();
    ui->scrollImage->currentPath.clear();
    ui->scrollImage->Cleanup();
    ui->scrollImage->ShowBlank();
    previewTimer.start(200);
    CSnapshotScope::Record(this);
}

void CMainPanel1::RemoveAllPhotos(bool showWarning)
{
    if (m_pListImages->images.isEmpty())
        return;
    if (showWarning && hooks.message(this, QMessageBox::Question, tr("Remove all photos from the list?"),
                                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_pListImages->images.clear();
    ui->listImages->RemoveAll();
    SynchronizeListImages(false);
    m_pProfile->PreviewPath.clear();
    ui->scrollImage->currentPath.clear();
    ui->scrollImage->Cleanup();
    ui->scrollImage->ShowBlank();
    CSnapshotScope::Record(this);
    emit SignalListImagesChanged();
}

void CMainPanel1::FinishListEdit(int previewRow)
{
    m_pProfile->PreviewPath = m_pListImages->images.at(previewRow).path;
    previewTimer.start(200);
    CSnapshotScope::Record(this);
    emit SignalListImagesChanged();
}

void CMainPanel1::RunButtonMenu(QMenu* menu, QWidget* button)
{
    hooks.runMenu(menu, button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CMainPanel1::on_buttonAdd_clicked()
{
    QMenu menu;
    menu.addAction(tr("&Folder"), this, [this] { AddFolder(false); });
    menu.addAction(tr("F&older with Subfolders"), this, &CMainPanel1::AddFolderWithSubfolders);
    menu.addAction(tr("&Search && Add"), this, &CMainPanel1::SearchAndAdd);
    RunButtonMenu(&menu, ui->buttonAdd);
}

void CMainPanel1::on_buttonRemove_clicked()
{
    QMenu menu;
    QAction* selected = menu.addAction(tr("&Selected"), this, &CMainPanel1::RemoveSelectedPhotos);
    QAction* all = menu.addAction(tr("&All"), this, [this] { RemoveAllPhotos(true); });
    selected->setEnabled(VisibleSelectedCount() > 0);
    all->setEnabled(VisibleItemCount() > 0);
    RunButtonMenu(&menu, ui->buttonRemove);
}

void CMainPanel1::ClearImageList()
{
    ui->listImages->RemoveAll();
    ui->listImages->clear();
    ui->listImagesDetails->RemoveAll();
    ui->listImagesDetails->clear();
}

void CMainPanel1::RefreshPanel()
{
    SynchronizeListImages(true);
    m_pProfile->PreviewPath.clear();
    ui->scrollImage->currentPath.clear();
    ui->scrollImage->ShowBlank();
    const bool show = m_pProfile->Step1Preview;
    ui->checkShowPreview->setChecked(show);
    ui->scrollImage->showPreview = show;
    if (!show)
        ui->scrollImage->ShowBlank();
    ui->listImagesDetails->horizontalHeader()->setSortIndicator(
        m_pProfile->DetailsSortColumn, m_pProfile->DetailsSortOrder == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CMainPanel1::DiscardUserChanges()
{
    RemoveAllPhotos(false);
    const bool show = GetRegistryInt(QStringLiteral("GUI/Step1.ShowPreview"), 1) != 0;
    ui->checkShowPreview->setChecked(show);
    m_pProfile->Step1Preview = show;
    ClearSortIndicator();
    ui->scrollImage->ShowBlank();
    ui->scrollImage->Cleanup();
    changed = false;
    emit UnsignalChanges();
}
