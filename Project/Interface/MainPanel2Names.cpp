#include "MainPanel2.h"

#include "CDialogRename.h"
#include "ImageInfoText.h"
#include "ImageManager.h"
#include "SnapshotScope.h"
#include "UserProfile.h"

#include "ui_CMainPanel2.h"

void CMainPanel2::SetDefaultFilenameSettings()
{
    m_profile->FilenameFormat = QStringLiteral("[Filename]");
    m_profile->PresetRename = 0;
    m_profile->CounterStart = 1;
    m_profile->CountStep = 1;
    m_profile->CounterDigits = 2;
    m_profile->ChangeCase = 0;
    m_profile->LowerCaseExt = true;
    m_profile->DateType = 0;
    m_profile->DateFormat = 0;
    m_profile->ShowTime = 0;
    m_profile->TimeFormat = 0;
    m_profile->SearchFor.clear();
    m_profile->ReplaceWith.clear();
}

void CMainPanel2::UpdatePreviewFilename()
{
    CFilterFilename& engine = m_profile->FilterFilename;
    const QString path = m_profile->PreviewPath;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString fileName = path.mid(slash + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    engine.sourcePath = path;
    engine.sourceFolder = slash < 0 ? QString() : path.left(slash);
    engine.sourceName = dot < 0 ? fileName : fileName.left(dot);

    QString extension;
    if (!m_images->images.isEmpty()) {
        const QString shown = ui->comboImages->currentText();
        const int extDot = shown.lastIndexOf(QLatin1Char('.'));
        extension = extDot < 0 ? QString() : shown.mid(extDot + 1);
    }
    if (m_profile->OutputFormat == QObject::tr("Keep original image format (if possible)"))
        engine.extension = extension;

    engine.listPosition = 0;
    if (!m_images->images.isEmpty())
        engine.listPosition = GetImageRecordByName(m_images->images, path).position;

    CImageManager manager;
    engine.exifDate = manager.Ping(path) ? manager.m_Properties.dateTime : QString();

    m_profile->ApplyRenameSettings(QStringLiteral(".[Extension]"));
    engine.GenerateFilename(m_images->images.size(), true);
    ui->editPreview->setText(engine.result);
}

void CMainPanel2::ApplyPreset(int preset, bool nameChangesOnly)
{
    m_profile->PresetRename = preset;
    m_profile->FilterFilename.preset = preset;
    UpdatePreviewFilename();
    CSnapshotScope::Record(this, nameChangesOnly);
}

bool CMainPanel2::RunRenameDialog()
{
    CDialogRename dialog(this);
    dialog.previewRecord = GetImageRecordByName(m_images->images, m_profile->PreviewPath);
    return hooks.runDialog(&dialog) == QDialog::Accepted;
}

void CMainPanel2::on_comboPreset_activated(int index)
{
    if (index >= 0 && index <= 2) {
        ApplyPreset(index, true);
        return;
    }
    if (!RunRenameDialog()) {
        ui->comboPreset->setCurrentIndex(m_profile->PresetRename);
        m_profile->FilterFilename.preset = m_profile->PresetRename;
        return;
    }
    ApplyPreset(3, true);
}

void CMainPanel2::on_buttonCustom_clicked()
{
    if (!RunRenameDialog())
        return;
    ui->comboPreset->setCurrentIndex(3);
    ApplyPreset(3, false);
}
