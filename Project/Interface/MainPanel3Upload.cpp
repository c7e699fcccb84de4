#include "MainPanel3.h"

#include "UserProfile.h"
#include "Utils.h"

#include "ui_CMainPanel3.h"

#include <QFile>
#include <QSettings>

namespace
{
// The stored password is only Base64: keep the settings file to its owner.
void RestrictSettingsFile()
{
    const QString file = QSettings(organization, application).fileName();
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (QFile::exists(file) && (QFile::permissions(file) & others))
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
}
} // namespace

void CMainPanel3::ResetUploadFields()
{
    const QString stored = GetRegistryString(QStringLiteral("GUI/Upload.FTP.Password"), QString());
    ui->editFTPUsername->setText(GetRegistryString(QStringLiteral("GUI/Upload.FTP.UserName"), QString()));
    ui->editFTPPassword->setText(DecryptString(stored));
    ui->editFTPHost->setText(GetRegistryString(QStringLiteral("GUI/Upload.FTP.Host"), QString()));
    ui->editFTPFolder->setText(GetRegistryString(QStringLiteral("GUI/Upload.FTP.Folder"), QStringLiteral("/")));
    ui->editFTPPort->setText(GetRegistryString(QStringLiteral("GUI/Upload.FTP.Port"), QStringLiteral("21")));

    m_profile->SaveOnDiskMail = ui->checkSaveOnDiskMail->isChecked();
    m_profile->SaveOnDiskFTP = ui->checkSaveOnDiskFTP->isChecked();
    m_profile->SaveOnDiskFacebook = ui->checkSaveOnDiskFacebook->isChecked();
    m_profile->SaveOnDiskFlickr = ui->checkSaveOnDiskFlickr->isChecked();
    m_profile->FTPUser = ui->editFTPUsername->text();
    m_profile->FTPHost = ui->editFTPHost->text();
    m_profile->FTPFolder = ui->editFTPFolder->text();
    m_profile->FTPPort = ui->editFTPPort->text();
    m_profile->FTPPassword = stored;
}

void CMainPanel3::FillFTPPage()
{
    // Read every field first: each setText fires its handler, which writes
    // the profile field again.
    const QString user = m_profile->FTPUser;
    const QString password = DecryptString(m_profile->FTPPassword);
    const QString host = m_profile->FTPHost;
    const QString port = m_profile->FTPPort;
    const QString folder = m_profile->FTPFolder;
    ui->editFTPUsername->setText(user);
    ui->editFTPPassword->setText(password);
    ui->editFTPHost->setText(host);
    ui->editFTPPort->setText(port);
    ui->editFTPFolder->setText(folder);
    ui->checkSaveOnDiskFTP->setChecked(m_profile->SaveOnDiskFTP);
}

void CMainPanel3::on_editFTPUsername_textChanged(const QString& text)
{
    m_profile->FTPUser = text;
    SetRegistryString(QStringLiteral("GUI/Upload.FTP.UserName"), text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPPassword_textChanged(const QString& text)
{
    m_profile->FTPPassword = EncryptString(text);
    SetRegistryString(QStringLiteral("GUI/Upload.FTP.Password"), m_profile->FTPPassword);
    RestrictSettingsFile();
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPHost_textChanged(const QString& text)
{
    m_profile->FTPHost = text;
    SetRegistryString(QStringLiteral("GUI/Upload.FTP.Host"), text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPFolder_textChanged(const QString& text)
{
    m_profile->FTPFolder = text;
    SetRegistryString(QStringLiteral("GUI/Upload.FTP.Folder"), text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPPort_textChanged(const QString& text)
{
    m_profile->FTPPort = text;
    SetRegistryString(QStringLiteral("GUI/Upload.FTP.Port"), text);
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskMail_clicked(bool checked)
{
    m_profile->SaveOnDiskMail = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFTP_clicked(bool checked)
{
    m_profile->SaveOnDiskFTP = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFlickr_clicked(bool checked)
{
    m_profile->SaveOnDiskFlickr = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFacebook_clicked(bool checked)
{
    m_profile->SaveOnDiskFacebook = checked;
    SignalPanelChanged();
}
