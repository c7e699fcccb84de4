#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class CDialogSearch;
}

// Asks for a folder, a file mask and whether to look into subfolders before
// step 1 searches and adds the matching photos. OK is enabled only while the
// folder field names an existing folder.
class CDialogSearch : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogSearch(QWidget* parent = nullptr);
    ~CDialogSearch() override;

    // Filled when the dialog is accepted.
    QString searchPath; // absolute and clean, "/" separators
    QString searchMask; // "*.*" when left empty
    bool searchSubfolders = true;

    void accept() override;

private slots:
    void on_buttonBrowse_clicked();
    void UpdateOk();

private:
    // The typed folder, trimmed, with "/" for every "\\", made absolute
    // from the home folder and clean.
    QString TypedPath() const;

    Ui::CDialogSearch* ui;
};
