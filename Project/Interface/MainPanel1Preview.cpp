// The small preview of step 1, its zoom controls and the two tip balloons.
#include "MainPanel1.h"

#include "ImageInfoText.h"
#include "MinimalIcons.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CMainPanel1.h"

#include <QAbstractButton>

void CMainPanel1::StartPreview(bool keepSelectedImage)
{
    const int row = DetailsVisible() ? ui->listImagesDetails->currentRow() : ui->listImages->currentRow();
    const QList<SImageRecord>& images = m_pListImages->images;
    if (!keepSelectedImage)
        m_pProfile->PreviewPath = (row < 0 || row >= images.size()) ? QString() : images.at(row).path;
    if (row < 0 || row >= images.size())
        return;
    if (images.at(row).path != ui->scrollImage->currentPath) {
        ui->scrollImage->ClearFiltersList();
        ui->scrollImage->StartPreview(m_pProfile->PreviewPath);
    }
}

void CMainPanel1::on_checkShowPreview_clicked(bool checked)
{
    m_pProfile->Step1Preview = checked;
    ui->scrollImage->showPreview = checked;
    SetRegistryInt(QStringLiteral("GUI/Step1.ShowPreview"), checked ? 1 : 0);
    if (checked) {
        ui->scrollImage->StartPreview(m_pProfile->PreviewPath);
    } else {
        ui->scrollImage->Cleanup();
        ui->scrollImage->ShowBlank();
    }
    // An interface choice: the job counts as changed, but there is nothing to undo.
    changed = true;
    emit SignalChanges();
}

void CMainPanel1::on_buttonZoomInImage_clicked()
{
    ui->scrollImage->ZoomIn();
}

void CMainPanel1::on_buttonZoomOutImage_clicked()
{
    ui->scrollImage->ZoomOut();
}

void CMainPanel1::on_buttonMaxZoomImage_clicked()
{
    ui->scrollImage->ZoomToFit();
}

void CMainPanel1::on_buttonMinZoomImage_clicked()
{
    ui->scrollImage->ZoomToMatch();
}

void CMainPanel1::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(QString::number(percent) + QLatin1Char('%'));
}

void CMainPanel1::InitImages()
{
    // The cache hands out the 1x sheet until the window sets its density
    // flag, so the cells are cut at the sheet's own scale.
    const qreal ratio = devicePixelRatioF();
    QAbstractButton* const buttons[] = {ui->buttonMaxZoomImage, ui->buttonMinZoomImage, ui->buttonZoomInImage,
                                        ui->buttonZoomOutImage};
    for (int k = 0; k < 4; ++k) {
        buttons[k]->setIcon(MinimalIcon(k, 0, ratio));
        buttons[k]->setIconSize(QSize(16, 16));
    }
}

void CMainPanel1::CleanUp()
{
    ui->scrollImage->ShowBlank();
    ui->scrollImage->Cleanup();
}

void CMainPanel1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui->scrollImage->RedrawPreview(false, false);
    const SImageRecord record = GetImageRecordByName(m_pListImages->images, m_pProfile->PreviewPath);
    const int row = static_cast<int>(record.position);
    SelectListImagesItem(row);
    if (row >= 0 && row < ui->listImages->count())
        ui->listImages->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    if (row >= 0 && row < ui->listImagesDetails->rowCount())
        ui->listImagesDetails->selectRow(row);
    previewTimer.start(200);
    emit SignalListImagesChanged();
}

void CMainPanel1::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    addPhotoTip->HideSoon();
    step2Tip->HideSoon();
}

void CMainPanel1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ui->listImages->UpdateView();
    ui->listImagesDetails->UpdateView();
    addPhotoTip->HideSoon();
    step2Tip->HideSoon();
}

void CMainPanel1::ShowAddPhotoTip()
{
    addPhotoTip->Show();
}

void CMainPanel1::ShowStep2Tip()
{
    step2Tip->Show();
}

void CMainPanel1::MakeAddPhotoTipInvisible()
{
    addPhotoTip->Hide();
}

void CMainPanel1::MakeStep2TipInvisible()
{
    step2Tip->Hide();
}
