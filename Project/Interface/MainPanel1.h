#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace Ui
{
class CMainPanel1;
}

// Step 1, "Add Photos": the photo list. The window creates it, connects its
// change signals and hands it the panel-transition flag; the photo views
// arrive with the step pages themselves.
class CMainPanel1 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel1(QWidget* parent = nullptr);
    ~CMainPanel1() override;

    // The preview widgets keep their zoom while *flag is set.
    void setPanelTranzition(bool* flag) { panelTranzition = flag; }
    void UnsignalPanelChanged();

    // Set by every user edit; the window reads it before closing or saving.
    bool changed = false;
    // Started by the window 2000 ms after start-up.
    QTimer addPhotoTipShowTimer;

public slots:
    void ShowAddPhotoTip();

signals:
    void SignalChanges();
    void UnsignalChanges();
    void ClearComboImages();
    void InsertItemComboImages(int index, QString text);

private:
    Ui::CMainPanel1* ui;
    bool* panelTranzition = nullptr;
};
