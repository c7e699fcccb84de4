#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class CDialogOverwriteRename;
}

// Asks for a new base name for an output file that already exists. The new
// name stays in the same folder with the same extension, goes through the
// file-name rule, and is refused while a file of that name exists.
class CDialogOverwriteRename : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogOverwriteRename(QWidget* parent = nullptr);
    ~CDialogOverwriteRename() override;

    // Fills the name field from `path`, then runs the dialog: 1 when a new
    // name was accepted (it is then in `path`), 0 when cancelled.
    int exec() override;

    // The full path in question; the new path after an accepted rename.
    QString path;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();

private:
    void Init();

    Ui::CDialogOverwriteRename* ui;
};
