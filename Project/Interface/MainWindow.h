#pragma once

#include "CCheckNew.h"
#include "MainWindowHooks.h"

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QProgressBar>
#include <QString>
#include <QStringList>
#include <QTranslator>

class CFiltersEnum;
class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CListFilters;
class CListImages;
class CMainPanel1;
class CMainPanel2;
class CMainPanel3;
class CStatesList;
class CUserProfile;
class QAction;
class QDialog;
class QShortcut;
class QToolBar;
namespace Ui
{
class MainWindow;
}

// The program's one window: the three step pages in a stacked widget, the
// menus, the wizard toolbar, the status bar that reports previews, and the
// start-up and shutdown of the whole application.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Hides QWidget::show(): geometry, Init, the pending job file, then the
    // window and the start-up dialogs. Called once by main.
    void show();
    void Init();
    void InitWindowSettings();
    void SaveWindowSettings();

    // The first command-line argument: remembered for show().
    void StartLoadingFileWindows(QString path);
    void StartLoadingFile(QString path);
    void ShowCurrentPanelHelp();

    void ChangeTheme();
    void LoadLocalizedResource();
    void ChangeLanguage(QString code);
    void InitToolBar();
    void SetAppTitleExt(QString text);

    // Job files (profiles "bqf", scripts "bqs").
    void StartLoadingProfile(QString path);
    void StartLoadingScript(QString path);
    bool LoadProfile(QString path);
    bool LoadScript(QString path);
    void RefreshPanels();
    bool SaveProfile(QString path, QString name, QString description);
    bool SaveScript(QString path);
    void CreateFolders(QString path);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // From a signal on nobody can answer: closing asks nothing, so a changed
    // job is left unsaved, and a run in progress is aborted.
    void SignalReceived() { m_signalReceived = true; }

    // Record and answer in tests; each default does the real thing.
    SMainWindowHooks hooks;

    // What tests and the screenshot program observe.
    const QString& JobFilePath() const { return m_jobFilePath; }
    int JobKind() const { return m_jobKind; }
    const QString& JobName() const { return m_jobName; }
    const QString& JobDescription() const { return m_jobDescription; }
    bool RunInProgress() const { return m_runInProgress; }
    bool Ending() const { return m_ending; }
    bool FilePending() const { return m_filePending; }
    int CurrentPanel() const { return m_currentPanel; }
    bool PanelTransition() const { return m_panelTransition; }
    CMainPanel1* Panel1() const { return m_panel1; }
    CMainPanel2* Panel2() const { return m_panel2; }
    CMainPanel3* Panel3() const { return m_panel3; }
    const CCheckNew& UpdateChecker() const { return m_checkNew; }
    const QList<QAction*>& ToolBarActions() const { return m_toolBarActions; }
    QToolBar* WizardToolBar() const { return m_toolBar; }
    const QProgressBar& PreviewProgressBar() const { return m_previewProgress; }
    const QLabel& PreviewStatusLabel() const { return m_previewStatus; }

public slots:
    void ResetAppTitle();
    void SignalProjectChanges();
    void UnsignalProjectChanges();
    void OnThPreviewStatus();
    void UndoEnable(bool val);
    void RedoEnable(bool val);
    void ChangePanel(int id);
    void ChangePanel(QAction* action);
    void OnButtonHelpClicked();
    void OnButtonProcess2Clicked();
    void OnCtrlS();
    void OnPanelConvert(bool fromButton);

    void on_tabWidget_currentChanged(int index);
    void on_actionStep_1_Add_Photos_triggered();
    void on_actionStep_2_Edit_Photos_triggered();
    void on_actionStep_3_Setup_triggered();
    void on_actionProcess_triggered();
    void on_actionSelect_Profile_triggered();
    void on_actionLoad_Profile_triggered();
    void on_actionSave_Profile_triggered();
    void on_actionSave_Profile_As_triggered();
    void on_actionSave_Script_triggered();
    void on_actionSave_Script_As_triggered();
    void on_actionNew_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionSettings_triggered();
    void on_actionHelp_Manual_triggered();
    void on_actionHow_to_Resize_and_Rotate_Photos_triggered();
    void on_actionOnline_Support_triggered();
    void on_actionVisit_Our_Web_Site_triggered();
    void on_actionAbout_Us_triggered();
    void on_action_Check_for_New_Version_triggered();
    void on_actionShow_Log_triggered();
    void on_actionExit_triggered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The available area of the screen under the middle of `window`, else
    // the primary screen's.
    static QRect AvailableArea(const QRect& window);
    // Brings the window onto its screen. A screen smaller than the window's
    // least size wins over that size: the step pages scroll rather than the
    // title, menus or status bar leaving the screen.
    // Done when the window is first shown, and again FrameSettleMs later, once
    // the window manager has put its frame around it.
    void KeepOnScreen();
    static constexpr int FrameSettleMs = 300;
    void PrepareUpdateCheck(bool automatic);
    void InitStatusBar();
    // The dialogs the window opens at start and from the Help menu.
    void RunStartWizard();
    void RunAboutBox();
    // Job-file helpers.
    bool AnyPanelChanged() const;
    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton);
    // A save chooser in `folder` proposing `name`, with the job suffix added;
    // "" when cancelled or when the user declines to replace the file.
    QString ChooseSaveFile(const QString& folder, const QString& name, const QString& caption, const QString& filter,
                           const QString& suffix);
    int RunJobDialog(QDialog* dialog);
    void ShowTipAfterProfile();
    void ShowSharePrompt();
    // Builds, runs and destroys the processing dialog.
    void RunProcessDialog();
    // Rebuilds the views from the unchanged model after a refused load.
    void ReportLoadFailure(const QString& text, const QString& reason, const QString& path);
    // What the job reader read otherwise than written: one line each without
    // a display, else one warning box.
    void ReportLoadNotes(const QStringList& notes);
    // Step 1's views rebuilt from the photo list.
    void RebuildPhotoViews();
    // Rebuilds the views from the unchanged model after a refused load.
    void RestoreViewsAfterFailedLoad();
    // Points the job reader's version warning at this window, or back.
    void RouteVersionWarning(bool on);
    // Settings that the store refuses are told to the user of this window.
    void RouteSettingsFailure(bool on);
    void RefreshAfterUndo();
    // Each page joins its thumbnail and preview threads as it goes.
    void DeletePanels();
    // The pages join their threads, then the process ends.
    void EndProcess(int status);
    static void ReportVersionWarning(const QString& text);
    static void ReportSettingsFailure(const QString& file);

    Ui::MainWindow* ui;
    CMainPanel1* m_panel1 = nullptr;
    CMainPanel2* m_panel2 = nullptr;
    CMainPanel3* m_panel3 = nullptr;
    CListImages* m_listImages;
    CUserProfile* m_userProfile;
    CFormatsEnum* m_formats;
    CFiltersEnum* m_filters;
    CListFilters* m_listFilters;
    CStatesList* m_statesList;
    CHardwareProfile* m_hardware;
    CImageCache* m_imageCache;
    QShortcut* m_saveShortcut = nullptr;
    QToolBar* m_toolBar = nullptr;
    QList<QAction*> m_toolBarActions;
    QAction* m_helpAction = nullptr;
    QProgressBar m_previewProgress;
    QLabel m_previewStatus;
    int m_currentPanel = 0;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_panelTransition = false;
    QString m_jobName;
    QString m_jobDescription;
    QString m_jobTitle;
    QString m_jobFilePath;
    bool m_initialised = false;
    bool m_filePending = false;
    int m_jobKind = 0;
    // Set for the whole of OnPanelConvert: job files arriving then are refused.
    bool m_runInProgress = false;
    // Set when a run fell short of its job: it ended with errors, or an
    // answer taken without a display stopped it or skipped photos.
    bool m_runFellShort = false;
    // The last script's load notes, for its run's log, and how many folders
    // or photos its Searches could not list (CScripts::SearchFailures).
    QStringList m_loadNotes;
    int m_searchFailures = 0;
    // Set once a script's run reached the processing dialog.
    bool m_runStarted = false;
    // Set once the process is ending; show() then returns at once.
    bool m_ending = false;
    // Set once the window is on screen: a script that fails to load then
    // leaves the user's job alone instead of ending the process.
    bool m_windowShown = false;
    // A first start's window, centred again once its size is final.
    bool m_centre = false;
    bool m_signalReceived = false;
    CCheckNew m_checkNew;
};
