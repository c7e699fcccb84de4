#pragma once

#include "PanelHooks.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

class CFormatsEnum;
class CImageCache;
class CStatesList;
class CTipBalloon;
class CUserProfile;

namespace Ui
{
class CMainPanel3;
}

// Step 3, "Setup": where the results go (destination, folder structure,
// output folder), in which format, the FTP account, the save-on-disk choices
// and the three run options. Every choice is written straight into the job
// (CUserProfile); each user edit stores one undo snapshot and marks the job
// changed.
class CMainPanel3 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel3(QWidget* parent = nullptr);
    ~CMainPanel3() override;

    void Init();
    void ResetInterface();
    void RefreshPanel();
    void DiscardUserChanges();
    void SignalPanelChanged();
    void UnsignalPanelChanged();
    // Asks for the output folder; true when one was chosen.
    bool SelectFolder();
    void RetranslateUI();
    void UpdateTaskPanelGroup0() {}
    // Rebuilds the output-format list for the destination; `keepSelection`
    // leaves it on its first item and changes nothing in the job.
    void SetOutputFormats(bool keepSelection);

    // The title of the options dialog for a format item's text.
    static QString FormatOptionsTitle(const QString& itemText);
    // The options page of CFormatSettings for a format item's text.
    static int FormatOptionsPage(const QString& itemText);
    // The format identifier a format item's text stands for.
    static QString FormatIdFromText(const QString& itemText);

    SPanelHooks hooks;
    bool changed = false;
    // The balloon that points at Process (child of the page).
    CTipBalloon* processTip;

public slots:
    void ShowProcessTip();
    void MakeProcessTipInvisible();
    void on_comboOutputFormat_activated(const QString& text);

signals:
    void UpdateTaskPanel(int mainPanel, int taskPanel, QString text);
    void SignalChanges();
    void UnsignalChanges();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void on_comboDestination_activated(int index);
    void on_comboFolderStructure_activated(int index);
    void on_editDestinationPath_textChanged(const QString& text);
    void on_buttonSelectFolder_clicked();
    void on_checkOpenFolder_clicked();
    void on_checkOriginalDate_clicked(bool checked);
    void on_checkDeleteSource_clicked();
    void on_checkMultipage_clicked();
    void on_buttonFormatSettings_clicked();
    void on_editFTPUsername_textChanged(const QString& text);
    void on_editFTPPassword_textChanged(const QString& text);
    void on_editFTPHost_textChanged(const QString& text);
    void on_editFTPFolder_textChanged(const QString& text);
    void on_editFTPPort_textChanged(const QString& text);
    void on_checkSaveOnDiskMail_clicked(bool checked);
    void on_checkSaveOnDiskFTP_clicked(bool checked);
    void on_checkSaveOnDiskFlickr_clicked(bool checked);
    void on_checkSaveOnDiskFacebook_clicked(bool checked);

private:
    void DestinationChanged();
    void OnComboFolderStructureActivated(bool showTip);
    void OnCheckDeletesource(bool showTip);
    void UpdateOutputFolderText(int mode);
    void ShowTip(const QString& key, const QString& text);
    void FillFTPPage();
    void ResetUploadFields();
    QList<QIcon> CutIcons(const QString& sheet, int count) const;

    Ui::CMainPanel3* ui;
    CUserProfile* m_profile;
    CFormatsEnum* m_formats;
    CStatesList* m_states;
    CImageCache* m_imageCache;
    QList<QIcon> m_formatIcons;
};
