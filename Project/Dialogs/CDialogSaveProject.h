#pragma once

#include <QDialog>

namespace Ui
{
class CDialogSaveProject;
}

// Asks, when the window closes with unsaved changes and no job file, whether
// to save the settings as a profile first. The answer is in the three flags,
// at most one of them set. "Don't ask me again" is remembered only with No:
// a prompt switched off means "close without saving", so remembering it
// with Yes or Cancel would turn those answers into No at the next close.
class CDialogSaveProject : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogSaveProject(QWidget* parent = nullptr);
    ~CDialogSaveProject() override;

    // 1 at once, showing nothing and setting no flag, while the prompt is
    // switched off ("GUI/bShowSaveProject" 0); else the modal run's result.
    int exec() override;
    // Cancel, Escape and the close button all end here.
    void reject() override;

    bool bYes = false;
    bool bNo = false;
    bool bCancel = false;

private slots:
    void on_buttonYes_clicked();
    void on_buttonNo_clicked();
    void on_buttonCancel_clicked();

private:
    Ui::CDialogSaveProject* ui;
};
