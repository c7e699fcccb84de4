#pragma once
// The modal dialog in which one filter of the chain is edited: the editor
// page of its type beside a "Preview" of the photo with only this filter and
// the "Original", zoom, the remembered "Show preview" switch, and Undo, Redo
// and Reset of the editor's settings. The caller sets `record` and
// `previewImage`, runs exec() and, when it returns 1, takes `record` back.

#include "FilterStatesList.h"
#include "ListFilters.h"
#include "ListImages.h"

#include <QDialog>
#include <QTimer>

class CFilterPage;
class CImageCache;
class CUserProfile;
namespace Ui
{
class FilterSettings;
}

class CFilterSettings : public QDialog
{
    Q_OBJECT

public:
    explicit CFilterSettings(QWidget* parent = nullptr);
    ~CFilterSettings() override;

    // Handed on to both views; the dialog never reads or writes it.
    void setPanelTranzition(bool* flag);
    // 0 at once, showing nothing, for a type code without an editor page.
    int exec() override;
    // Saves the editor into `record`, a drag not yet loaded included.
    void accept() override;
    // Drops both views' pending previews.
    void reject() override;

    // The editor page (nullptr before exec) and the undo list, for owners
    // and tests.
    CFilterPage* Editor() const { return m_pEditor; }
    const CFilterStatesList& States() const { return m_States; }

    SFilterRecord record;
    SImageRecord previewImage;

public slots:
    void on_buttonReset_clicked();
    void on_buttonUndo_clicked();
    void on_buttonRedo_clicked();
    void on_buttonZoomIn_clicked();
    void on_buttonZoomOut_clicked();
    void on_buttonMinZoom_clicked();
    void on_buttonMaxZoom_clicked();
    void on_buttonSwitchView_clicked();
    void on_checkShowPreview_clicked(bool checked);
    void on_tabWidget_currentChanged(int index);
    void UpdateZoomText(int percent);
    void SaveState(SFilterRecord rec);
    void UpdateFilterInterface(SFilterRecord rec);
    void OnTimerUpdateControls();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Init();
    void InitImages();

    Ui::FilterSettings* ui;
    CUserProfile* m_pProfile;
    CImageCache* m_pImages;
    CFilterStatesList m_States;
    CFilterPage* m_pEditor = nullptr;
    SFilterRecord m_Dragged;
    QTimer m_UpdateTimer;
};
