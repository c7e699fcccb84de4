#pragma once

#include <QWidget>

namespace Ui
{
class CMainPanel3;
}

// Step 3, "Setup": destination, folder structure and output format.
class CMainPanel3 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel3(QWidget* parent = nullptr);
    ~CMainPanel3() override;

    void UnsignalPanelChanged();
    // Rebuilds the output-format list; `keepCurrent` chooses no default.
    void SetOutputFormats(bool keepCurrent);

    bool changed = false;

signals:
    void SignalChanges();
    void UnsignalChanges();

private:
    Ui::CMainPanel3* ui;
};
