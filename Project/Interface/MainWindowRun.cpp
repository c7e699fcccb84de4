// The run from the window: the checks before a batch, the processing dialog,
// the run counter and the share prompt; and Undo, Redo and Settings.
#include "MainWindow.h"

#include "CDialogOverwrite.h"
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
#include "PathSafety.h"
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
        // A script's Searches that left photos out say so in its run's log.
        if (profile.RunFromScript && m_searchFailures > 0)
            RunProcessDialog();
        else if (!silent)
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
    // Output that is only uploaded or mailed goes through the temporary folder.
    if ((profile.OutputFolderStruct == 0 || profile.OutputFolderStruct == 1) && profile.KeepsOutputOnDisk()) {
        if (profile.DestPath.isEmpty()) {
            Ask(QMessageBox::Warning,
                tr("An output folder, for the edited photos, needs to be selected before processing (Step 3 > "
                   "Destination > Folder on My Computer)"),
                QMessageBox::Ok, QMessageBox::Ok);
            // Nobody could answer the chooser: it counts as cancelled.
            if (hooks.unattended || !m_panel3->SelectFolder())
                return;
        } else if (QDir::isRelativePath(profile.DestPath)) {
            // Taken from the program's own folder it would be created there.
            Ask(QMessageBox::Warning, tr("The output folder is not a full path:\n%1").arg(profile.DestPath),
                QMessageBox::Ok, QMessageBox::Ok);
            return;
        } else if (!QDir(profile.DestPath).exists()) {
            // Something else in the way (a link to nothing too) cannot become the folder.
            const QFileInfo target(profile.DestPath);
            if (target.exists() || target.isSymLink()) {
                Ask(QMessageBox::Warning,
                    tr("The output folder path names a file, not a folder:\n%1").arg(profile.DestPath), QMessageBox::Ok,
                    QMessageBox::Ok);
                return;
            }
            if (!profile.DisableNotifications && !silent &&
                Ask(QMessageBox::Question, tr("The selected folder does not exist, do you want to create it now?"),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
                return;
            const QString failure = CPathSafety::MakeFolders(profile.DestPath);
            if (!failure.isEmpty()) {
                Ask(QMessageBox::Warning,
                    tr("Could not create the output folder %1: %2.").arg(profile.DestPath, failure), QMessageBox::Ok,
                    QMessageBox::Ok);
                return;
            }
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
    if (SJobSettings::OffersDestination(profile.Destination))
        RunProcessDialog();
    else
        Ask(QMessageBox::Warning,
            tr("No photo was processed: the destination is not one that Step 3 offers. Choose one in Step 3 > "
               "Destination."),
            QMessageBox::Ok, QMessageBox::Ok);

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
        processHooks.askYesNo = [this](QWidget*, const QString& text) {
            hooks.ReportAnswer(text, QStringLiteral("No"));
            return false;
        };
        processHooks.askOverwrite = [this](QWidget*, QString& path, int) {
            hooks.ReportAnswer(CDialogOverwrite::QuestionText(path), QStringLiteral("No to All"));
            m_runFellShort = true;
            return static_cast<int>(AnswerNoToAll);
        };
        // A failed mail hand-off is a script's summary, printed as the run
        // ends: the uploader's own warning would print it a second time.
        if (m_userProfile->RunFromScript)
            processHooks.makeUploader = [make = processHooks.makeUploader] {
                CUploadBase* uploader = make();
                if (auto* upload = qobject_cast<CUpload*>(uploader))
                    upload->hooks.warn = [](const QString&, const QString&) {};
                return uploader;
            };
    }
    // Each question is whether to abort: after a signal the answer is Yes,
    // also for a box that was open when the signal came.
    processHooks.askYesNo = [this, ask = processHooks.askYesNo](QWidget* parent, const QString& text) {
        return m_signalReceived || ask(parent, text) || m_signalReceived;
    };
    m_runStarted = true;
    {
        CProcessController controller(this, processHooks);
        if (m_userProfile->RunFromScript) {
            for (const QString& note : qAsConst(m_loadNotes))
                controller.UpdateLog(PrintableInLog(note));
            for (int i = 0; i < m_searchFailures; ++i)
                controller.CountJobError();
        }
        connect(&controller, &CProcessController::Panel1StartPreview, m_panel1, &CMainPanel1::StartPreview);
        connect(&controller, &CProcessController::Panel2StartPreview, m_panel2,
                &CMainPanel2::StartCurrentPreviewIfOriginal);
        controller.exec();
        if (!controller.EndedWell())
            m_runFellShort = true;
        // Whoever started the script reads the outcome from the exit status.
        if (m_runFellShort && m_userProfile->RunFromScript)
            hooks.report(controller.Summary());
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
