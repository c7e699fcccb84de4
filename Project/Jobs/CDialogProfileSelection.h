#pragma once

#include "SProfileRecord.h"

#include <QDialog>
#include <QList>
#include <QSize>

class CImageCache;
class CUserProfile;
class QDomNodeList;
class QKeyEvent;
class QModelIndex;
namespace Ui
{
class CDialogProfileSelection;
}

// One page of the profile browser: the records sorted into it by their
// Category, and the page's own cell in the filter icon sheet.
struct SProfileCategory {
    QList<SProfileRecord> records;
    QString key;   // compared with a record's Category, lower-cased
    QString title; // translated, the page button's words
    int iconColumn = 0;
    int iconRow = 0;
};

// The profile browser: the user's profiles and the built-in ones on four
// pages ("All Profiles", "My Profiles", "Edit", "Output"). OK hands the chosen
// header back in SelectedProfile; user profiles can be renamed or deleted in
// place from the context menu. It reads only the headers of the files.
class CDialogProfileSelection : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogProfileSelection(QWidget* parent = nullptr);
    ~CDialogProfileSelection() override;

    // The profile chosen by OK; its Path is the file the caller loads.
    SProfileRecord SelectedProfile;
    // Column and row counts of the two icon sheets in 64-point cells; -1
    // until the sheets are looked at.
    QSize FilterSheetGrid{-1, -1};
    QSize FormatSheetGrid{-1, -1};

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_buttonOk_clicked();
    void on_buttonCancel_clicked();
    void on_buttonAllProfiles_clicked();
    void on_buttonMyProfiles_clicked();
    void on_buttonEdit_clicked();
    void on_buttonOutput_clicked();
    void on_listProfiles_activated(const QModelIndex& index);
    void on_listProfiles_customContextMenuRequested(const QPoint& pos);
    void OnProfilesEdit();
    void OnProfilesRemove();

private:
    void Init();
    void ReadProfileHeadersXML();
    bool LoadProfileFromFile(const QString& path);
    void ParseProfile(const QDomNodeList& properties, const QString& path);
    void InitImages();
    void RedrawCategory(int page);
    void ChangeCategory(int page);
    SProfileRecord GetProfile(int page, int row) const;
    int GetSelectedPage() const;
    bool IsUserProfile(const SProfileRecord& record) const;
    bool UpdateProfile(const QString& oldName, const SProfileRecord& record);
    // The record behind the current item, or an empty one.
    SProfileRecord CurrentProfile() const;

    Ui::CDialogProfileSelection* ui;
    CUserProfile* m_pProfile;   // not owned
    CImageCache* m_pImageCache; // not owned
    QList<SProfileCategory> Categories;
};
