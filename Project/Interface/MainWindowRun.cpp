// The run from the window: the checks before a batch, the processing dialog,
// the run counter and the share prompt; and Undo, Redo and Settings.
#include "MainWindow.h"

#include "CDialogSocial.h"
#include "CFlickrClient.h"
#include "CProcessController.h"
#include "CProcessThread.h"
#include "CSettings.h"
#include "CUpload.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "StatesList.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>
#include <QScopeGuard>

void MainWindow::OnPanelConvert(bool askConfirmation)
{
    // Job files that arrive during the checks or the run are refused.
    m_runInProgress = true;
    const auto runEnded = qScopeGuard([this] { m_runInProgress = false; });
    CUserProfile& profile = *m_userProfile;
    const bool silent = profile.SilentRun;

    const int count = m_listImages->images.size();
    if (count == 0) {
        if (!silent)
            Ask(QMessageBox::Warning, tr("There are no photos to process."), QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (profile.Destination == 4 && !CFlickrClient::BuiltWithKey()) {
        Ask(QMessageBox::Warning, CUpload::NoFlickrKeyText(), QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (askConfirmation && !silent &&
        Ask(QMessageBox::Question, tr("Ready to process %1 photos?").arg(count), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::Yes) != QMessageBox::Yes)
        return;
    if (profile.OutputFolderStruct == 0 || profile.OutputFolderStruct == 1) {
        if (profile.DestPath.isEmpty()) {
            Ask(QMessageBox::Warning,
                tr("An output folder, for the edited photos, needs to be selected before processing (Step 3 > "
                   "Destination > Folder on My Computer)"),
                QMessageBox::Ok, QMessageBox::Ok);
            // Nobody could answer the chooser: it counts as cancelled.
            if (hooks.unattended || !m_panel3->SelectFolder())
                return;
        } else if (!QDir(profile.DestPath).exists()) {
            if (!profile.DisableNotifications && !silent &&
                Ask(QMessageBox::Question, tr("The selected folder does not exist, do you want to create it now?"),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
                return;
            // A folder that cannot be made shows as failures in the run log.
            QDir().mkpath(profile.DestPath);
        }
    }
    if (profile.DeleteSource && !profile.DisableNotifications && !silent &&
        Ask(QMessageBox::Warning,
            tr("You have selected to delete the source photos after writing the modified ones. Continue?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) != QMessageBox::Ok)
        return;

    if (!profile.RunFromScript) {
        m_panel1->CleanUp();
        m_panel2->CleanUp(false);
    }
    if (profile.Destination != 5)
        RunProcessDialog();

    const int old = profile.RunCount;
    const int launches = GetRegistryInt(QStringLiteral("Settings/LaunchCounter"), 0);
    profile.RunCount = old + 1;
    if (launches % 3 == 0 && old == 0 && !silent && !profile.HideProcessing)
        ShowSharePrompt();
}

void MainWindow::RunProcessDialog()
{
    SProcessHooks processHooks = hooks.processHooks;
    const bool hidden = m_userProfile->HideProcessing;
    if (hooks.unattended) {
        // Nobody would press OK: the dialog closes itself, and asks nobody.
        m_userProfile->HideProcessing = true;
        processHooks.warn = [this](QWidget*, const QString& text) { hooks.report(text); };
        processHooks.askYesNo = [](QWidget*, const QString&) { return false; };
        processHooks.askOverwrite = [](QWidget*, QString&, int) { return static_cast<int>(AnswerNoToAll); };
    }
    {
        CProcessController controller(this, processHooks);
        connect(&controller, &CProcessController::Panel1StartPreview, m_panel1, &CMainPanel1::StartPreview);
        connect(&controller, &CProcessController::Panel2StartPreview, m_panel2,
                &CMainPanel2::StartCurrentPreviewIfOriginal);
        controller.exec();
    }
    m_userProfile->HideProcessing = hidden;
}

void MainWindow::ShowSharePrompt()
{
    CDialogSocial social(this);
    RunJobDialog(&social);
}

void MainWindow::on_actionUndo_triggered()
{
    m_statesList->Undo();
    RefreshAfterUndo();
}

void MainWindow::on_actionRedo_triggered()
{
    m_statesList->Redo();
    RefreshAfterUndo();
}

void MainWindow::RefreshAfterUndo()
{
    // The pages bring their controls up to date without storing snapshots.
    m_statesList->SuspendSaving = true;
    RebuildPhotoViews();
    m_panel2->RefreshPanel();
    m_panel3->RefreshPanel();
    m_statesList->SuspendSaving = false;
}

void MainWindow::on_actionSettings_triggered()
{
    CSettings settings(this);
    RunJobDialog(&settings);
}
