#pragma once
// Step 1, "Add Photos": the job's photo list shown as thumbnails or as a
// details table, the commands that add and remove photos, a small preview of
// the current photo and two tip balloons for new users.
//
// MainPanel1.cpp adds and removes photos, MainPanel1Views.cpp rebuilds and
// reorders the two views, MainPanel1Preview.cpp previews and shows the tips.

#include "ListImages.h"
#include "PanelHooks.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CStatesList;
class CTipBalloon;
class CUserProfile;
class QListWidgetItem;
class QMenu;
class QTableWidgetItem;

namespace Ui
{
class CMainPanel1;
}

class CMainPanel1 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel1(QWidget* parent = nullptr);
    ~CMainPanel1() override;

    // The preview keeps its zoom while *flag is set.
    void setPanelTranzition(bool* flag);
    void UnsignalPanelChanged();

    // Called by the window after a job was loaded, undone or redone.
    void ClearImageList();
    void AddListThumbItem(SImageRecord rec);
    void RefreshPanel();
    // New job: empties the list without asking and resets the page.
    void DiscardUserChanges();

    // The pieces the add commands are made of.
    void AddPhoto(QString path);
    void AddPhotos(QStringList paths);
    void AddFolder(QString folder, bool searchSubfolders);
    void SearchAllFiles(QString folder, QString mask, bool searchSubfolders);

    // Rebuilds both views and step 2's photo combo from the photo list and
    // numbers the photos by row; reports the refused files of the command.
    void SynchronizeListImages(bool keepSelection);
    // 0 details, 1 small, 2 medium, 3 large icons.
    void ChangeViewMode(int mode);
    void SelectListImagesItem(int row);

    // Blanks the preview before a run.
    void CleanUp();

    Ui::CMainPanel1* Form() const { return ui; }

    // Set by every user edit; the window reads it before closing or saving.
    bool changed = false;
    SPanelHooks hooks;
    // Paths refused by the current command, reported once after the rebuild.
    QStringList rejectedFiles;
    // Single-shot; the preview follows the last change by 200 ms.
    QTimer previewTimer;
    CTipBalloon* addPhotoTip;
    CTipBalloon* step2Tip;

public slots:
    void AddPhotos();
    void AddFolder(bool searchSubfolders = false);
    void AddFolderWithSubfolders();
    void SearchAndAdd();
    void PasteClipboardFiles();
    void ListThumbDragDropFiles(QStringList listFiles);
    void ListThumbClicked();
    void RemoveSelectedPhotos();
    void RemoveAllPhotos(bool showWarning = true);

    void ListThumbDragDropPanel1(ListDragDrop listDragDrop);
    void ListThumbDetailsSort(QList<int> listIdx);
    void ViewDetails() { ChangeViewMode(0); }
    void ViewSmallIcons() { ChangeViewMode(1); }
    void ViewMediumIcons() { ChangeViewMode(2); }
    void ViewLargeIcons() { ChangeViewMode(3); }

    void StartPreview(bool keepSelectedImage = false);
    void UpdateZoomText(int percent);
    void ShowAddPhotoTip();
    void ShowStep2Tip();
    void MakeAddPhotoTipInvisible();
    void MakeStep2TipInvisible();

signals:
    void ClearComboImages();
    void InsertItemComboImages(int index, QString imagePathName);
    void SignalChanges();
    void UnsignalChanges();
    void SignalListImagesChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void on_buttonAddPhotos_clicked() { AddPhotos(); }
    void on_buttonAdd_clicked();
    void on_buttonRemove_clicked();
    void on_buttonView_clicked();
    void on_listImages_customContextMenuRequested(const QPoint& pos);
    void on_listImagesDetails_customContextMenuRequested(const QPoint& pos);
    void on_listImages_itemClicked(QListWidgetItem* item);
    void on_listImagesDetails_itemClicked(QTableWidgetItem* item);
    void on_listImages_itemSelectionChanged();
    void on_listImagesDetails_itemSelectionChanged();
    void on_checkShowPreview_clicked(bool checked);
    void on_buttonZoomInImage_clicked();
    void on_buttonZoomOutImage_clicked();
    void on_buttonMaxZoomImage_clicked();
    void on_buttonMinZoomImage_clicked();

private:
    void Init();
    // The recursive walks; `visited` holds the canonical folders entered by
    // the command, so that a link back up the tree is entered once.
    void AddFolderTree(QString folder, bool searchSubfolders, QSet<QString>& visited);
    void SearchFolderTree(const QString& folder, const QString& mask, bool searchSubfolders, QSet<QString>& visited);
    // Names photos (matching `mask`) and, with `folders`, folders in `folder`
    // that cannot be added because no path can name them, among the rejected.
    void RejectUndecodable(const QString& folder, const QString& mask, bool folders);
    void InitImages();
    // What ends every add command; the flags leave out the steps that a
    // paste or a drop does not run.
    void AfterAdd(bool startPreview, bool handleTips);
    // The view the user sees: the table when it is visible, else the list.
    bool DetailsVisible() const;
    int VisibleSelectedCount() const;
    int VisibleItemCount() const;
    void ClearSortIndicator();
    // The context menu of both views.
    void ShowContextMenu();
    // Runs `menu` under the button's bottom-left corner.
    void RunButtonMenu(QMenu* menu, QWidget* button);
    // Selects `rows` (and then `current`) in the table as one selection.
    void SelectTableRows(const QList<int>& rows, int current);
    // Photo `row` becomes the preview photo; a reorder or removal then ends
    // as every change does.
    void FinishListEdit(int previewRow);

    Ui::CMainPanel1* ui;
    CListImages* m_pListImages;
    CUserProfile* m_pProfile;
    CFormatsEnum* m_pFormats;
    CStatesList* m_pStates;
    CHardwareProfile* m_pHardware;
    CImageCache* m_pCache;
};
