#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class CDialogProfileSave;
}

// Asks for the name and description of a profile. The caller presets both
// members, runs exec() and, after Accepted, reads them back: the name exactly
// as typed (never empty), the description as plain text. Reads and writes no
// file.
class CDialogProfileSave : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogProfileSave(QWidget* parent = nullptr);
    ~CDialogProfileSave() override;

    // Shows the two members, then runs the dialog modally.
    int exec() override;

    QString ProfileName;
    QString ProfileDescription;

private slots:
    void on_buttonOk_clicked();
    void on_buttonCancel_clicked();

private:
    Ui::CDialogProfileSave* ui;
};
