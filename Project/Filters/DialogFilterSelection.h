#pragma once
// The "Select Filter" picker: the filter catalogue as a grid of large icons,
// narrowed by four category buttons. After exec() returned 1,
// `selectedName` holds the chosen filter's catalogue name.

#include <QDialog>
#include <QModelIndex>
#include <QString>

class CFiltersEnum;
class CImageCache;
class CUserProfile;
namespace Ui
{
class CDialogFilterSelection;
}

class CDialogFilterSelection : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogFilterSelection(QWidget* parent = nullptr);
    ~CDialogFilterSelection() override;

    void Init();
    void InitImages();
    // Lists the catalogue rows of a category (type code / 1000; 0 all).
    void AddFilters(int category);
    // Cells per row of the filter icon sheet; -1 before InitImages.
    int IconColumns() const { return m_IconColumns; }

    QString selectedName;

private slots:
    void on_listFilters_activated(const QModelIndex& index);
    void on_Ok_clicked();
    void on_Cancel_clicked();
    void on_buttonAllFilters_clicked();
    void on_buttonMarks_clicked();
    void on_buttonDecorations_clicked();
    void on_buttonTransform_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Checks the category's button only, lists the category and selects its first filter.
    void ShowCategory(int category);

    Ui::CDialogFilterSelection* ui;
    CFiltersEnum* m_pFilters;
    CUserProfile* m_pProfile;
    CImageCache* m_pImages;
    int m_IconColumns = -1;
};
