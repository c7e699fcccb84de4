#pragma once

#include <QString>
#include <QWidget>

namespace Ui
{
class CMainPanel2;
}

// Step 2, "Edit Photos": the filter chain and its previews. Entry i of its
// photo combo follows photo i of step 1 through the two combo slots.
class CMainPanel2 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel2(QWidget* parent = nullptr);
    ~CMainPanel2() override;

    void setPanelTranzition(bool* flag) { panelTranzition = flag; }
    void UnsignalPanelChanged();

    bool changed = false;

public slots:
    void ClearComboImg();
    void InsertItemComboImg(int index, QString text);

signals:
    void SignalChanges();
    void UnsignalChanges();

private:
    Ui::CMainPanel2* ui;
    bool* panelTranzition = nullptr;
};
