// Job files in the window: loading and saving profiles and scripts, New, the
// file given at start or by the system, Ctrl+S and closing with changes.
#include "MainWindow.h"

#include "CDialogProfileSave.h"
#include "CDialogProfileSelection.h"
#include "CDialogSaveProject.h"
#include "CDialogTip.h"
#include "CScripts.h"
#include "FitToScreen.h"
#include "JobPaths.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "StatesList.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>

namespace
{
// The window whose hooks receive the job reader's warnings.
MainWindow* s_warningWindow = nullptr;

// A failure message with the job reader's reason on a line of its own.
QString WithReason(const QString& text, const QString& reason)
{
    return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}
} // namespace

void MainWindow::ReportVersionWarning(const QString& text)
{
    if (!s_warningWindow)
        CScripts::DefaultShowWarning(text);
    else if (s_warningWindow->hooks.unattended)
        s_warningWindow->hooks.report(text);
    else
        s_warningWindow->hooks.message(s_warningWindow, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MainWindow::RouteVersionWarning(bool on)
{
    s_warningWindow = on ? this : nullptr;
    CScripts::ShowWarning = on ? &MainWindow::ReportVersionWarning : &CScripts::DefaultShowWarning;
}

bool MainWindow::AnyPanelChanged() const
{
    return m_panel1->changed || m_panel2->changed || m_panel3->changed;
}

QMessageBox::StandardButton MainWindow::Ask(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    // Without a display the answer taken is the one that does not go on.
    if (hooks.unattended)
        m_runFellShort = true;
    return hooks.Ask(this, icon, text, buttons, defaultButton);
}

int MainWindow::RunJobDialog(QDialog* dialog)
{
    // Nobody can answer a dialog on a screen nobody sees: it counts as cancelled.
    return hooks.unattended ? 0 : hooks.runDialog(dialog);
}

void MainWindow::ReportLoadFailure(const QString& text, const QString& reason, const QString& path)
{
    if (hooks.unattended)
        hooks.report(text + QLatin1Char(' ') + path + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    else
        hooks.message(this, QMessageBox::Warning, WithReason(text, reason), QMessageBox::Ok, QMessageBox::Ok);
}

void MainWindow::ReportLoadNotes(const QStringList& notes)
{
    if (notes.isEmpty())
        return;
    if (hooks.unattended) {
        for (const QString& note : notes)
            hooks.report(note);
    } else {
        // The box must fit the screen: a note takes one line whatever its
        // value, and the lines stop where the screen would. A message box
        // grows to lines that do not wrap as wide as the screen up to 1024
        // px, beyond that to 480 px less, at most 1000.
        const QRect room = ScreenRoom(screen());
        const QFontMetrics metrics(QApplication::font("QMessageBox"));
        const int box = room.width() <= 1024 ? room.width() : qMin(room.width() - 480, 1000);
        const int width = box - 7 * metrics.height();                         // beside the icon, margins and frame
        const int lines = qMax(2, room.height() / metrics.lineSpacing() - 9); // beside heading, buttons, frame
        QStringList shown;
        for (const QString& note : notes.mid(0, lines))
            shown << metrics.elidedText(note, Qt::ElideMiddle, width).toHtmlEscaped();
        if (notes.size() > lines)
            shown.last() = QStringLiteral("\u2026");
        hooks.message(this, QMessageBox::Warning,
                      QStringLiteral("<p>%1</p><p style=\"white-space:pre\">%2</p>")
                          .arg(tr("Not everything in the job file could be read as written:").toHtmlEscaped(),
                               shown.join(QStringLiteral("<br>"))),
                      QMessageBox::Ok, QMessageBox::Ok);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FileOpen)
        return QMainWindow::eventFilter(watched, event);
    const QString path = static_cast<QFileOpenEvent*>(event)->file();
    if (m_runInProgress) {
        // Loading now would swap the job under the running workers.
        QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
        hooks.Ask(parent, QMessageBox::Warning,
                  tr("Photos are being processed. The file was not opened:\n%1").arg(path), QMessageBox::Ok,
                  QMessageBox::Ok);
        return true;
    }
    m_filePending = true;
    if (m_initialised) {
        // Only a successful load makes it the job file: Ctrl+S never writes
        // over a file that was declined or could not be read.
        StartLoadingFile(path);
    } else {
        m_jobFilePath = path;
    }
    return true;
}

void MainWindow::StartLoadingFile(QString path)
{
    const QString extension = JobExtension(path);
    if (extension == QLatin1String("bqf"))
        StartLoadingProfile(path);
    else if (extension == QLatin1String("bqs"))
        StartLoadingScript(path);
}

void MainWindow::on_actionLoad_Profile_triggered()
{
    StartLoadingProfile(QString());
}

void MainWindow::on_actionSelect_Profile_triggered()
{
    StartLoadingProfile(QString());
}

void MainWindow::StartLoadingProfile(QString path)
{
    if ((m_panel2->changed || m_panel3->changed) &&
        Ask(QMessageBox::Question, tr("Loading a profile will overwrite your settings. Continue?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    if (path.isEmpty()) {
        CDialogProfileSelection browser(this);
        if (RunJobDialog(&browser) != QDialog::Accepted)
            return;
        path = browser.SelectedProfile.Path;
    }
    if (!LoadProfile(path))
        return;
    m_statesList->ClearStatesList();
    m_statesList->SaveState(false);
    ShowTipAfterProfile();
}

void MainWindow::ShowTipAfterProfile()
{
    if (hooks.unattended)
        return;
    CDialogTip tip(this);
    tip.tipKey = QStringLiteral("MainWindow.ShowTipAfterProfile");
    tip.tipText = tr("Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as "
                     "you like.\n\nWhen you are done select Process.");
    hooks.runDialog(&tip);
}

bool MainWindow::LoadProfile(QString path)
{
    m_userProfile->DetailsSortColumn = -1;
    m_userProfile->DetailsSortOrder = 0;
    CScripts reader(path);
    m_panel2->ClearFilterList();
    if (!reader.Load()) {
        RestoreViewsAfterFailedLoad();
        ReportLoadFailure(tr("Could not load profile."), reader.ErrorText(), path);
        return false;
    }
    RefreshPanels();
    ReportLoadNotes(reader.Notes());
    QString name = reader.ProfileHeader.Name;
    if (name.isEmpty())
        name = JobBaseName(path);
    SetAppTitleExt(name);
    m_jobFilePath = path;
    m_jobKind = 2;
    m_jobName = name;
    // Saving in place writes both back as the file held them.
    m_jobDescription = reader.ProfileHeader.Description;
    return true;
}

bool MainWindow::LoadScript(QString path)
{
    CScripts reader(path);
    m_panel1->ClearImageList();
    m_panel2->ClearFilterList();
    if (!reader.Load()) {
        RestoreViewsAfterFailedLoad();
        ReportLoadFailure(tr("Could not load script."), reader.ErrorText(), path);
        return false;
    }
    m_userProfile->DetailsSortColumn = -1;
    m_userProfile->DetailsSortOrder = 0;
    RefreshPanels();
    // A script's notes go into its run's log too.
    m_loadNotes = reader.Notes();
    m_searchFailures = reader.SearchFailures();
    ReportLoadNotes(m_loadNotes);
    m_jobTitle = JobBaseName(path);
    SetAppTitleExt(m_jobTitle);
    m_jobFilePath = path;
    m_jobKind = 3;
    m_jobName.clear();
    m_jobDescription.clear();
    return true;
}

void MainWindow::StartLoadingScript(QString path)
{
    if (!LoadScript(path)) {
        // At start there is nothing to keep: the caller learns of the failure.
        // In a running window the user's job stays and nothing runs.
        if (!m_windowShown)
            EndProcess(1);
        return;
    }
    m_userProfile->RunFromScript = true;
    // An unreadable Search folder leaves photos undone, as a missing Image does.
    m_runFellShort = m_searchFailures > 0;
    m_runStarted = false;
    OnPanelConvert(false);
    // A check or an answer that stopped the run left the job undone, with a
    // display as without one.
    const bool stopped = !m_runStarted && !m_listImages->images.isEmpty();
    EndProcess(m_runFellShort || stopped ? 2 : 0);
}

void MainWindow::EndProcess(int status)
{
    m_ending = true;
    // The pages join their thumbnail and preview threads before the process ends.
    DeletePanels();
    hooks.exitProcess(status);
}

void MainWindow::RebuildPhotoViews()
{
    m_panel1->ClearImageList();
    for (const SImageRecord& record : m_listImages->images)
        m_panel1->AddListThumbItem(record);
    m_panel1->RefreshPanel();
}

void MainWindow::RefreshPanels()
{
    RebuildPhotoViews();
    // While set, the check boxes the refresh sets schedule no preview.
    m_panel2->rebuilding = true;
    m_panel2->RefreshPanel();
    m_panel2->rebuilding = false;
    m_panel3->RefreshPanel();
    // The change signals of the refresh are queued before these unsignals, so
    // the title ends without a marker.
    m_panel1->UnsignalPanelChanged();
    m_panel2->UnsignalPanelChanged();
    m_panel3->UnsignalPanelChanged();
}

void MainWindow::RestoreViewsAfterFailedLoad()
{
    // The reader changed nothing, but the views were cleared for it.
    m_statesList->SuspendSaving = true;
    RebuildPhotoViews();
    m_panel2->rebuilding = true;
    m_panel2->RefreshPanel();
    m_panel2->rebuilding = false;
    m_statesList->SuspendSaving = false;
}

void MainWindow::CreateFolders(QString path)
{
    if (!path.isEmpty() && !QFileInfo::exists(path))
        QDir().mkpath(path);
}

QString MainWindow::ChooseSaveFile(const QString& folder, const QString& name, const QString& caption,
                                   const QString& filter, const QString& suffix)
{
    CreateFolders(folder);
    if (hooks.unattended)
        return QString();
    const QString chosen = hooks.saveFileName(this, caption, folder + name, filter, suffix);
    if (chosen.isEmpty())
        return QString();
    const QString target = WithJobSuffix(chosen, suffix);
    // The chooser asked about the name it was given, not about this one.
    if (target != chosen && QFileInfo::exists(target) &&
        Ask(QMessageBox::Question, tr("%1 already exists.\nDo you want to replace it?").arg(target),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return QString();
    return target;
}

void MainWindow::on_actionSave_Profile_As_triggered()
{
    const QString file =
        ChooseSaveFile(GetMyDocuments() + QStringLiteral("/Brandquill/Profiles/"), QStringLiteral("profile"),
                       tr("Save Profile As"), tr("Profile Files (*.bqf)"), QStringLiteral("bqf"));
    if (file.isEmpty())
        return;
    CDialogProfileSave properties(this);
    properties.ProfileName = JobBaseName(file);
    if (RunJobDialog(&properties) != QDialog::Accepted)
        return;
    m_jobFilePath = file;
    if (!SaveProfile(m_jobFilePath, properties.ProfileName, properties.ProfileDescription))
        return;
    m_jobKind = 2;
    m_jobName = properties.ProfileName;
    m_jobDescription = properties.ProfileDescription;
    m_userProfile->BuiltInProfileLoaded = false;
}

bool MainWindow::SaveProfile(QString path, QString name, QString description)
{
    CScripts writer(path);
    writer.ProfileHeader.Name = name;
    writer.ProfileHeader.Description = description;
    if (!writer.Save(CScripts::ModeProfile)) {
        Ask(QMessageBox::Warning, WithReason(tr("Could not save profile."), writer.ErrorText()), QMessageBox::Ok,
            QMessageBox::Ok);
        return false;
    }
    m_panel1->UnsignalPanelChanged();
    m_panel2->UnsignalPanelChanged();
    m_panel3->UnsignalPanelChanged();
    SetAppTitleExt(name);
    return true;
}

void MainWindow::on_actionSave_Script_As_triggered()
{
    const QString file =
        ChooseSaveFile(GetMyDocuments() + QStringLiteral("/Brandquill/Scripts/"), QStringLiteral("script"),
                       tr("Save Script As"), tr("Script Files (*.bqs)"), QStringLiteral("bqs"));
    if (file.isEmpty() || !SaveScript(file))
        return;
    m_jobFilePath = file;
    m_jobKind = 3;
    m_jobName.clear();
    m_jobDescription.clear();
    m_userProfile->BuiltInProfileLoaded = false;
}

bool MainWindow::SaveScript(QString path)
{
    CScripts writer(path);
    if (!writer.Save(CScripts::ModeScript)) {
        Ask(QMessageBox::Warning, WithReason(tr("Could not save script."), writer.ErrorText()), QMessageBox::Ok,
            QMessageBox::Ok);
        return false;
    }
    m_panel1->UnsignalPanelChanged();
    m_panel2->UnsignalPanelChanged();
    m_panel3->UnsignalPanelChanged();
    m_jobTitle = JobBaseName(path);
    SetAppTitleExt(m_jobTitle);
    return true;
}

void MainWindow::on_actionSave_Script_triggered()
{
    if (m_jobKind != 3)
        on_actionSave_Script_As_triggered();
    else if (AnyPanelChanged())
        SaveScript(m_jobFilePath);
}

void MainWindow::on_actionNew_triggered()
{
    if (Ask(QMessageBox::Question, tr("Your settings will be discarded. Continue?"), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::Yes) != QMessageBox::Yes)
        return;
    ResetAppTitle();
    m_panel1->DiscardUserChanges();
    m_panel3->DiscardUserChanges();
    m_panel2->DiscardUserChanges();
    CUserProfile& profile = *m_userProfile;
    profile.Quality = 88;
    profile.FileSize = 100;
    profile.PNGComp = 1;
    profile.Interlaced = 0;
    profile.SetDefaultCustomProfile();
    profile.JpegType = 1;
    profile.TiffType = 2;
    profile.TiffAlg = 0;
    profile.PdfAlg = 0;
    profile.DefaultFormat = QStringLiteral("JPG");
    profile.FixedSize = false;
    m_statesList->ClearStatesList();
    m_statesList->SaveState(false);
    m_jobKind = 0;
    m_jobTitle.clear();
    m_jobFilePath.clear();
    m_jobName.clear();
    m_jobDescription.clear();
}

void MainWindow::OnCtrlS()
{
    if (m_jobKind == 0)
        on_actionSave_Profile_As_triggered();
    else if (!AnyPanelChanged())
        return;
    else if (m_userProfile->BuiltInProfileLoaded)
        on_actionSave_Profile_As_triggered();
    else if (m_jobKind == 3)
        SaveScript(m_jobFilePath);
    else if (m_jobKind == 2)
        SaveProfile(m_jobFilePath, m_jobName, m_jobDescription);
}

void MainWindow::on_actionSave_Profile_triggered()
{
    if (m_jobKind != 2 || (AnyPanelChanged() && m_userProfile->BuiltInProfileLoaded))
        on_actionSave_Profile_As_triggered();
    else if (AnyPanelChanged())
        SaveProfile(m_jobFilePath, m_jobName, m_jobDescription);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (AnyPanelChanged() && !m_signalReceived) {
        bool saveWanted = false;
        if (!m_jobFilePath.isEmpty()) {
            const QMessageBox::StandardButton answer =
                Ask(QMessageBox::Question, tr("Would you like to save your settings?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
            if (answer == QMessageBox::Yes) {
                OnCtrlS();
                saveWanted = true;
            } else if (answer != QMessageBox::No) {
                event->ignore();
                return;
            }
        } else {
            CDialogSaveProject prompt(this);
            if (hooks.unattended)
                prompt.bCancel = true;
            else
                hooks.runDialog(&prompt);
            if (prompt.bCancel) {
                event->ignore();
                return;
            }
            if (prompt.bYes) {
                on_actionSave_Profile_triggered();
                saveWanted = true;
            }
        }
        // A failed or abandoned save keeps the window, and with it the work.
        if (saveWanted && AnyPanelChanged()) {
            event->ignore();
            return;
        }
    }
    SaveWindowSettings();
    QMainWindow::closeEvent(event);
}
