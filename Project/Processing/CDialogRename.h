#pragma once

#include "ListImages.h"

#include <QDialog>
#include <QHash>
#include <QString>

class CImageCache;
class CUserProfile;
class QKeyEvent;
namespace Ui
{
class CDialogRename;
}

// The modal "Edit Names" dialog: the custom naming pattern built from
// keywords, with the case, counter, date/time and search-and-replace options
// and a live preview of the current photo's output name.
//
// The preview writes straight into the naming engine of CUserProfile (forced
// to the custom preset while the dialog is open), so it shows exactly what a
// run would write. OK stores the options in the rename settings and leaves
// them in the engine; Cancel rebuilds the engine from the unchanged settings.
class CDialogRename : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogRename(QWidget* parent = nullptr);
    ~CDialogRename() override;

    // Refreshes the preview before showing, so it is right from the start.
    int exec() override;
    void UpdatePreviewFilename();

    // The photo whose name is previewed; the caller stores it before exec().
    SImageRecord previewRecord;

public slots:
    void accept() override;
    void reject() override;

    // Keyword menu actions: each appends its keyword to the end of the text.
    void SourceFilename();
    void SourceFoldername();
    void SourceExtension();
    void Counter();
    void DateTime();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_editKeywords_textChanged(const QString& text);
    void on_comboChangeCasesTo_activated(int index);
    void on_checkLowerCaseExt_clicked();
    void on_spinStartAt_valueChanged(int value);
    void on_spinStepBy_valueChanged(int value);
    void on_spinDigits_valueChanged(int value);
    void on_comboUse_activated(int index);
    void on_comboDateFormat_activated(int index);
    void on_comboShowTimeAs_activated(int index);
    void on_comboTimeFormat_activated(int index);
    void on_editSearchFor_textChanged(const QString& text);
    void on_editReplaceWith_textChanged(const QString& text);

    void on_buttonAddKeyword_clicked();
    void on_buttonRemoveKeyword_clicked();
    void on_buttonReset_clicked();
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();

private:
    void Init();
    void InitImages();
    // The body shared by every change slot.
    void OptionChanged();
    void AppendKeyword(const QString& keyword);
    // The Exif date of a photo, pinged once per path while the dialog is
    // open (the photo cannot change meanwhile); "" when it has none.
    QString PreviewExifDate(const QString& path);

    CListImages* m_pListImages; // not owned
    Ui::CDialogRename* ui;
    CUserProfile* m_pProfile;   // not owned
    CImageCache* m_pImageCache; // not owned
    bool m_bInitialising = false;
    QHash<QString, QString> m_exifDates;
};
