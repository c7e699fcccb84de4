#pragma once

#include "ListFilters.h"
#include "ListImages.h"
#include "PanelHooks.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class CControlImage;
class CFiltersEnum;
class CHardwareProfile;
class CImageCache;
class CStatesList;
class CTipBalloon;
class CUserProfile;
class QListWidgetItem;

namespace Ui
{
class CMainPanel2;
}

// Step 2, "Edit Photos": the filter chain (add, edit, remove, duplicate,
// move, switch on and off), a filtered and an original preview of one photo
// with zoom and navigation, and the output-name preset with a live name
// preview. Entry i of the filter list is record i of the chain; entry i of
// the photo combo is photo i of the list.
class CMainPanel2 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel2(QWidget* parent = nullptr);
    ~CMainPanel2() override;

    void Init();
    void SynchronizeListFilters();
    void ClearFilterList();
    void DiscardUserChanges();
    void RefreshPanel();
    void UnsignalPanelChanged();
    void setPanelTranzition(bool* flag);
    void RetranslateUI();
    void SetDefaultFilenameSettings();
    void UpdatePreviewFilename();
    void AddListThumbItem(const SFilterRecord& record);
    // Opens the filter dialog on `record`; true (and `record` edited) when
    // it was accepted.
    bool ShowFilterSettings(SFilterRecord& record);

    // The filter picker: the chosen filter's catalogue name, "" when
    // cancelled. Tests replace it.
    std::function<QString(QWidget* parent)> pickFilter;
    SPanelHooks hooks;
    bool changed = false;
    bool rebuilding = false;
    bool photoSwitch = false;
    bool cleanFiltered = true;

    // Balloons for new users: the add-filter button, then step 3.
    CTipBalloon* addFilterTip;
    CTipBalloon* step3Tip;

    QTimer currentPreviewTimer;
    QTimer allPreviewsTimer;
    QTimer cleanUpTimer;
    QTimer resizeTimer;

public slots:
    void ClearComboImg();
    void InsertItemComboImg(int index, QString text);
    void StartCurrentPreviewIfOriginal();
    void CleanUp(bool cleanPreviewFilters = true);
    void StartCurrentPreview();
    void StartAllPreviews();
    void OnTimerResizePreview();
    void UpdateZoomText(int percent);
    void ShowAddFilterTip();
    void ShowStep3Tip();
    void MakeAddFilterTipInvisible();
    void MakeStep3TipInvisible();

    void on_buttonAddFilter_clicked();
    void on_buttonEditFilters_clicked();
    void on_buttonRemoveFilters_clicked();
    void on_listFilters_itemDoubleClicked(QListWidgetItem* item);
    void on_listFilters_itemChanged(QListWidgetItem* item);
    void on_listFilters_customContextMenuRequested();
    void ListThumbClicked();
    void ListThumbDragDropPanel2(ListDragDrop moves);
    void EditFilter(int filterIndex = -1);
    void RemoveSelectedFilters();
    void RemoveAllFilters(bool showWarning = true);
    void DuplicateFilters();
    void MoveFilterUp();
    void MoveFilterDown();

    void on_comboImages_currentIndexChanged(int index);
    void on_comboImages_activated(int index);
    void on_buttonPrevImage_clicked();
    void on_buttonNextImage_clicked();
    void on_checkShowPreview_clicked(bool checked);
    void on_tabWidget_currentChanged(int index);
    void on_buttonSwitchView_clicked();
    void on_buttonZoomInFilters_clicked();
    void on_buttonZoomOutFilters_clicked();
    void on_buttonMinZoomFilters_clicked();
    void on_buttonMaxZoomFilters_clicked();

    void on_comboPreset_activated(int index);
    void on_buttonCustom_clicked();

signals:
    void SignalChanges();
    void UnsignalChanges();
    void SignalListFiltersChanged();
    void UpdateTaskPanel(int mainPanel, int taskPanel, QString text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The chain edits end alike: previews in 2 s, changed, one snapshot.
    void FinishChainEdit(bool listChanged);
    // Moves record `from` to the gap `to` (nothing for a negative gap),
    // rebuilds the list and makes row `current` current.
    void MoveFilter(int from, int to, int current);
    void CancelFilteredPreview();
    bool WarnWhenNoSelection();
    QList<int> SelectedRows() const;
    void SelectRows(int first, int last, int current);
    void StartPreviewFilters();
    void StartPreviewOriginal();
    void StartPreviewOfCurrentTab();
    void EnablePrevNext();
    void SetPreviewPathFromCombo();
    void ApplyPreset(int preset, bool nameChangesOnly);
    bool RunRenameDialog();
    void InitPreviews();
    void InitImages();
    CControlImage* TabWidgetView(int index) const;

    Ui::CMainPanel2* ui;
    CUserProfile* m_profile;
    CListImages* m_images;
    CListFilters* m_filters;
    CFiltersEnum* m_catalogue;
    CStatesList* m_states;
    CHardwareProfile* m_hardware;
    CImageCache* m_imageCache;
    bool* m_panelTransition = nullptr;
    // The combo's photo while step 1 rebuilds the combo.
    QString m_comboPhoto;
    int m_iconColumns = 1;
};
