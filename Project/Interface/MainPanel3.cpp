#include "MainPanel3.h"

#include "CDialogTip.h"
#include "CFlickrClient.h"
#include "CUpload.h"
#include "FitTexts.h"
#include "FormatsEnum.h"
#include "ImageCache.h"
#include "SnapshotScope.h"
#include "StatesList.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"

#include "ui_CMainPanel3.h"

#include <QApplication>
#include <QDir>
#include <QHideEvent>

namespace
{
QString Slashed(const QString& path)
{
    QString result = path;
    return result.replace(QLatin1Char('\\'), QLatin1Char('/'));
}
} // namespace

CMainPanel3::CMainPanel3(QWidget* parent)
    : QWidget(parent), ui(new Ui::CMainPanel3), m_profile(CUserProfile::GetInstance()),
      m_formats(CFormatsEnum::GetInstance()), m_states(CStatesList::GetInstance()),
      m_imageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    processTip = new CTipBalloon(this, QStringLiteral("processTip"));
    Init();
    ui->retranslateUi(this);
    changed = false;
}

CMainPanel3::~CMainPanel3()
{
    delete ui;
}

QList<QIcon> CMainPanel3::CutIcons(const QString& sheet, int count) const
{
    const int ratio = qMax(1, int(qApp->devicePixelRatio()));
    const QImage image = m_imageCache->GetAsset(sheet, false, true);
    const int side = 32 * ratio;
    const int cells = count < 0 ? image.width() / side : count;
    QList<QIcon> icons;
    for (int i = 0; i < cells; ++i) {
        QPixmap cell = QPixmap::fromImage(image.copy(side * i, 0, side, side));
        cell.setDevicePixelRatio(ratio);
        icons.append(QIcon(cell));
    }
    return icons;
}

void CMainPanel3::Init()
{
    processTip->Setup(2, tr("When you are ready, go ahead and apply the changes to your photos"), QSize(200, 80),
                      [this] { return QPoint(width() / 2 + 95, 0); });

    ui->comboDestination->setIconSize(QSize(32, 32));
    ui->comboDestination->clear();
    const QStringList destinations = {tr("Folder on My Computer (default)"), tr("Send via E-mail"), tr("Upload to FTP"),
                                      tr("Upload to Flickr")};
    const QList<QIcon> outputIcons = CutIcons(QStringLiteral("Icons-Output.png"), destinations.size());
    for (int i = 0; i < destinations.size(); ++i)
        ui->comboDestination->addItem(outputIcons.value(i), destinations[i]);

    ui->comboFolderStructure->clear();
    ui->comboFolderStructure->addItems({tr("Use selected folder as output destination"),
                                        tr("Recreate original folder structure in selected folder"),
                                        tr("Use original photos' folder as output destination"),
                                        tr("Create a subfolder in the original photos' folder")});

    ui->textFlickrUnavailable->setVisible(!CFlickrClient::BuiltWithKey());
    ui->textFlickrUnavailable->setText(CUpload::NoFlickrKeyText());

    ui->comboOutputFormat->setIconSize(QSize(32, 32));
    m_formatIcons = CutIcons(QStringLiteral("Icons-Formats-32.png"), -1);
    ResetInterface();
}

void CMainPanel3::ResetInterface()
{
    ui->comboDestination->setCurrentIndex(0);
    DestinationChanged();
    ui->comboFolderStructure->setCurrentIndex(0);
    m_profile->DestPath = Slashed(GetRegistryString(QStringLiteral("GUI/Step3.OutputPath"), GetMyPictures()));
    m_profile->OutputFolder = Slashed(GetRegistryString(QStringLiteral("GUI/Step3.OutputFolder"), "Processed"));
    OnComboFolderStructureActivated(false);

    ui->comboOutputFormat->setCurrentIndex(0);
    m_profile->Multipage = false;
    ui->checkMultipage->setChecked(false);
    ui->checkMultipage->setEnabled(false);

    ui->checkOpenFolder->setChecked(GetRegistryInt(QStringLiteral("GUI/Step3.OpenOutputFolder"), 1) != 0);
    ui->checkOriginalDate->setChecked(true);
    ui->checkDeleteSource->setChecked(false);
    ui->checkSaveOnDiskMail->setChecked(false);
    ui->checkSaveOnDiskFTP->setChecked(false);
    ui->checkSaveOnDiskFacebook->setChecked(false);
    ui->checkSaveOnDiskFlickr->setChecked(false);

    ResetUploadFields();

    m_profile->OpenOutputFolder = ui->checkOpenFolder->isChecked();
    m_profile->OriginalDate = ui->checkOriginalDate->isChecked();
    m_profile->DeleteSource = ui->checkDeleteSource->isChecked();
    m_profile->DisableNotifications = false;
    m_profile->HideProcessing = false;
}

void CMainPanel3::RefreshPanel()
{
    const bool multipage = m_profile->Multipage;
    const QString format = m_profile->OutputFormat;

    ui->comboDestination->setCurrentIndex(m_profile->Destination - 1);
    DestinationChanged();
    m_profile->OutputFormat = format;

    ui->comboFolderStructure->setCurrentIndex(m_profile->OutputFolderStruct);
    OnComboFolderStructureActivated(false);

    int index = 0;
    for (int i = 0; i < ui->comboOutputFormat->count(); ++i) {
        if (ui->comboOutputFormat->itemText(i).startsWith(format, Qt::CaseInsensitive)) {
            index = i;
            break;
        }
    }
    ui->comboOutputFormat->setCurrentIndex(index);
    on_comboOutputFormat_activated(format);

    m_profile->Multipage = multipage;
    ui->checkMultipage->setChecked(multipage);
    m_profile->Multipage = ui->checkMultipage->isChecked();

    SignalPanelChanged();

    ui->checkOpenFolder->setChecked(m_profile->OpenOutputFolder);
    ui->checkOriginalDate->setChecked(m_profile->OriginalDate);
    ui->checkDeleteSource->setChecked(m_profile->DeleteSource);
}

void CMainPanel3::DiscardUserChanges()
{
    ResetInterface();
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::SignalPanelChanged()
{
    CSnapshotScope::Record(this);
}

void CMainPanel3::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::RetranslateUI()
{
    ui->retranslateUi(this);
    ui->textFlickrUnavailable->setText(CUpload::NoFlickrKeyText());
}

void CMainPanel3::on_comboDestination_activated(int index)
{
    if (index == m_profile->Destination - 1) // the one chosen already: its format stays
        return;
    DestinationChanged();
}

void CMainPanel3::DestinationChanged()
{
    CSnapshotScope scope(m_states);
    // Translated texts, not indexes: the combo's order is the form's business.
    const QString text = ui->comboDestination->currentText();
    if (text == tr("Folder on My Computer (default)")) {
        m_profile->Destination = 1;
        ui->swDestinations->setCurrentIndex(0);
    } else if (text == tr("Send via E-mail")) {
        m_profile->Destination = 2;
        ui->swDestinations->setCurrentIndex(1);
        ui->checkSaveOnDiskMail->setChecked(m_profile->SaveOnDiskMail);
    } else if (text == tr("Upload to FTP")) {
        m_profile->Destination = 3;
        ui->swDestinations->setCurrentIndex(2);
        FillFTPPage();
    } else if (text == tr("Upload to Flickr")) {
        m_profile->Destination = 4;
        ui->swDestinations->setCurrentIndex(3);
        ui->checkSaveOnDiskFlickr->setChecked(m_profile->SaveOnDiskFlickr);
    }
    SetOutputFormats(false);
    scope.Finish(this);
}

void CMainPanel3::on_comboFolderStructure_activated(int)
{
    OnComboFolderStructureActivated(true);
}

void CMainPanel3::OnComboFolderStructureActivated(bool showTip)
{
    CSnapshotScope scope(m_states);
    const int mode = ui->comboFolderStructure->currentIndex();
    m_profile->OutputFolderStruct = mode;
    ui->editDestinationPath->setEnabled(mode != 2);
    ui->buttonSelectFolder->setEnabled(mode == 0 || mode == 1);
    UpdateOutputFolderText(mode);
    if (mode == 2 && showTip)
        ShowTip(QStringLiteral("Step3.ShowTipSourcePath"),
                tr("You have selected to write the resulting photos in the same folder where the originals "
                   "reside.\n\nIf you'd like to keep the originals but still write the resulting photos in the "
                   "same folder, you need to change the processed photos' name in Step2 > Names"));
    scope.Finish(this);
}

void CMainPanel3::UpdateOutputFolderText(int mode)
{
    QString shown;
    bool placeholder = false;
    if (mode == 3) {
        shown = m_profile->OutputFolder;
    } else {
        shown = m_profile->DestPath;
        placeholder = shown.toLower() == QLatin1String("#mypictures");
        if (placeholder)
            shown = GetMyPictures();
    }
    shown = QDir::toNativeSeparators(shown);
    // The edit's own handler stores what is shown when the text changes. A
    // replaced placeholder is stored even when the edit already shows that
    // folder, so that the run never sees "#MyPictures".
    if (ui->editDestinationPath->text() != shown)
        ui->editDestinationPath->setText(shown);
    else if (placeholder)
        on_editDestinationPath_textChanged(shown);
}

void CMainPanel3::on_editDestinationPath_textChanged(const QString& text)
{
    if (ui->comboFolderStructure->currentIndex() == 3) {
        m_profile->OutputFolder = Slashed(text);
        SetRegistryString(QStringLiteral("GUI/Step3.OutputFolder"), text);
    } else {
        m_profile->DestPath = Slashed(text);
        SetRegistryString(QStringLiteral("GUI/Step3.OutputPath"), text);
    }
    SignalPanelChanged();
}

void CMainPanel3::on_buttonSelectFolder_clicked()
{
    SelectFolder();
}

bool CMainPanel3::SelectFolder()
{
    CSnapshotScope scope(m_states);
    const QString start = ChooserStart(GetRegistryString(QStringLiteral("GUI/Step3.OutputPath"), QString()));
    const QString chosen = hooks.chooseFolder(this, tr("Select a folder for saving the resulting photos"), start,
                                              QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (chosen.isEmpty())
        return false;
    const QString folder = Slashed(chosen);
    ui->editDestinationPath->setText(QDir::toNativeSeparators(folder));
    SetRegistryString(QStringLiteral("GUI/Step3.OutputPath"), folder);
    scope.Finish(this);
    return true;
}

void CMainPanel3::on_checkOpenFolder_clicked()
{
    m_profile->OpenOutputFolder = ui->checkOpenFolder->isChecked();
    SetRegistryInt(QStringLiteral("GUI/Step3.OpenOutputFolder"), m_profile->OpenOutputFolder ? 1 : 0);
    SignalPanelChanged();
}

void CMainPanel3::on_checkOriginalDate_clicked(bool checked)
{
    m_profile->OriginalDate = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkDeleteSource_clicked()
{
    OnCheckDeletesource(true);
}

void CMainPanel3::OnCheckDeletesource(bool showTip)
{
    m_profile->DeleteSource = ui->checkDeleteSource->isChecked();
    if (m_profile->DeleteSource && showTip)
        ShowTip(QStringLiteral("Step3.ShowTipDeleteSource"),
                tr("You have selected to delete the original photos after writing the processed ones. We advise "
                   "you to backup the originals before using this option for the first time.") +
                    QStringLiteral("\n\n") +
                    tr("This action will only delete the originals if the processed photos are correctly "
                       "written.") +
                    QStringLiteral("\n\n") +
                    tr("In case there are no filters selected the photos will actually be moved very fast and "
                       "eventually renamed with no quality loss") +
                    QStringLiteral("."));
    SignalPanelChanged();
}

void CMainPanel3::ShowTip(const QString& key, const QString& text)
{
    CDialogTip tip(this);
    tip.tipKey = key;
    tip.tipText = text;
    hooks.runDialog(&tip);
}

void CMainPanel3::showEvent(QShowEvent*)
{
    processTip->StartShowTimer();
}

void CMainPanel3::hideEvent(QHideEvent*)
{
    processTip->HideSoon();
}

void CMainPanel3::resizeEvent(QResizeEvent*)
{
    processTip->HideSoon();
}

void CMainPanel3::ShowProcessTip()
{
    processTip->Show();
}

void CMainPanel3::MakeProcessTipInvisible()
{
    processTip->Hide();
}
