#include "MainPanel2.h"

#include "ControlImage.h"
#include "MinimalIcons.h"
#include "StatesList.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WholeLinesDelegate.h"

#include "ui_CMainPanel2.h"

#include <QComboBox>
#include <QShowEvent>
#include <QStylePainter>

namespace
{
// Draws the photo box's path with its file name whole: the folder part is
// what gives way when the box is narrow, then the name's middle (the tool tip
// has the whole path).
class CPathElider : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (!combo || event->type() != QEvent::Paint || combo->isEditable())
            return false;
        QStylePainter painter(combo);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.currentText = combo->currentText();
        option.currentIcon = combo->itemIcon(combo->currentIndex());
        option.iconSize = combo->iconSize();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        const QString path = option.currentText;
        const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
        // Control characters shown as the log shows them, on one line.
        const QString folder = PrintableInLog(path.left(slash));
        const QString name = PrintableInLog(path.mid(slash));
        const QFontMetrics metrics = combo->fontMetrics();
        const int width = field.width() - 2; // the style's label keeps 1 px aside
        const int room = width - metrics.horizontalAdvance(name);
        // A name wider than the box loses its middle, keeping its start and extension.
        option.currentText = room < 0 ? metrics.elidedText(name, Qt::ElideMiddle, width)
                                      : metrics.elidedText(folder, Qt::ElideMiddle, room) + name;
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return true;
    }
};
} // namespace

void CMainPanel2::InitPreviews()
{
    ui->comboImages->installEventFilter(new CPathElider(ui->comboImages));
    connect(ui->scrollImageFilters, &CControlImage::UpdateZoomPercent, this, &CMainPanel2::UpdateZoomText,
            Qt::QueuedConnection);
    connect(ui->scrollImageOriginal, &CControlImage::UpdateZoomPercent, this, &CMainPanel2::UpdateZoomText,
            Qt::QueuedConnection);
    const QString background = m_profile->ThemeId != 0 ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                                                       : QStringLiteral("background-color: rgb( 255, 255, 255 );");
    CControlImage* filtered = ui->scrollImageFilters;
    CControlImage* original = ui->scrollImageOriginal;
    for (QLabel* label : {ui->viewImageFilters, ui->viewImageOriginal}) {
        label->setBackgroundRole(QPalette::Base);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    filtered->imageLabel = ui->viewImageFilters;
    original->imageLabel = ui->viewImageOriginal;
    filtered->setStyleSheet(background);
    original->setStyleSheet(background);
    filtered->friendView = original;
    original->friendView = filtered;
    filtered->sharesMinZoom = true;

    const bool show = GetRegistryInt(QStringLiteral("GUI/Step2.ShowPreview"), 1) != 0;
    ui->checkShowPreview->setChecked(show);
    filtered->showPreview = show;
    original->showPreview = show;
    on_checkShowPreview_clicked(show);
}

void CMainPanel2::InitImages()
{
    const qreal ratio = devicePixelRatioF();
    const struct {
        QAbstractButton* button;
        int column;
        int row;
    } cells[] = {{ui->buttonMaxZoomFilters, 0, 0}, {ui->buttonMinZoomFilters, 1, 0}, {ui->buttonZoomInFilters, 2, 0},
                 {ui->buttonZoomOutFilters, 3, 0}, {ui->buttonPrevImage, 2, 1},      {ui->buttonNextImage, 3, 1},
                 {ui->buttonCustom, 4, 1}};
    for (const auto& cell : cells) {
        cell.button->setIcon(MinimalIcon(cell.column, cell.row, ratio));
        cell.button->setIconSize(QSize(16, 16));
    }
    ui->scrollImageFilters->currentPath.clear();
    ui->scrollImageFilters->ShowBlank();
    ui->scrollImageOriginal->ShowBlank();
}

CControlImage* CMainPanel2::TabWidgetView(int index) const
{
    if (index == 0)
        return ui->scrollImageFilters;
    if (index == 1)
        return ui->scrollImageOriginal;
    return nullptr;
}

void CMainPanel2::ClearComboImg()
{
    // Step 1 rebuilds the combo item by item (after Undo and Redo too): the
    // photo shown is taken up again once it is listed.
    if (ui->comboImages->count() > 0)
        m_comboPhoto = ui->comboImages->currentText();
    ui->comboImages->clear();
}

void CMainPanel2::InsertItemComboImg(int index, QString text)
{
    ui->comboImages->insertItem(index, text);
    if (!m_comboPhoto.isEmpty() && text == m_comboPhoto) {
        m_comboPhoto.clear();
        ui->comboImages->setCurrentIndex(index);
    }
    EnablePrevNext();
}

void CMainPanel2::StartPreviewFilters()
{
    CControlImage* view = ui->scrollImageFilters;
    view->ClearFiltersList();
    view->AddFiltersList(&m_filters->filters);
    view->StartPreview(m_profile->PreviewPath);
}

void CMainPanel2::StartPreviewOriginal()
{
    ui->scrollImageOriginal->ClearFiltersList();
    ui->scrollImageOriginal->StartPreview(m_profile->PreviewPath);
}

void CMainPanel2::StartPreviewOfCurrentTab()
{
    if (ui->tabWidget->currentIndex() == 0)
        StartPreviewFilters();
    else
        StartPreviewOriginal();
}

void CMainPanel2::SetPreviewPathFromCombo()
{
    const int index = ui->comboImages->currentIndex();
    if (index >= 0 && index < m_images->images.size())
        m_profile->PreviewPath = m_images->images.at(index).path;
}

void CMainPanel2::StartCurrentPreview()
{
    if (ui->comboImages->currentIndex() < 0)
        return;
    SetPreviewPathFromCombo();
    UpdatePreviewFilename();
    if (!m_states->NameChangesOnly() || photoSwitch) {
        photoSwitch = false;
        if (ui->comboImages->currentIndex() < m_images->images.size())
            StartPreviewOfCurrentTab();
    }
}

void CMainPanel2::StartCurrentPreviewIfOriginal()
{
    if (ui->tabWidget->currentIndex() == 1)
        StartCurrentPreview();
}

void CMainPanel2::StartAllPreviews()
{
    if (ui->comboImages->currentIndex() < 0)
        return;
    SetPreviewPathFromCombo();
    UpdatePreviewFilename();
    if (ui->comboImages->currentIndex() < m_images->images.size()) {
        StartPreviewFilters();
        StartPreviewOriginal();
    }
}

void CMainPanel2::EnablePrevNext()
{
    const int count = ui->comboImages->count();
    const int index = ui->comboImages->currentIndex();
    ui->buttonPrevImage->setEnabled(count > 1 && index > 0);
    ui->buttonNextImage->setEnabled(count > 1 && index < count - 1);
}

void CMainPanel2::on_comboImages_currentIndexChanged(int index)
{
    if (!isVisible())
        return;
    EnablePrevNext();
    if (index >= 0 && index < ui->comboImages->count()) {
        ui->comboImages->setToolTip(CWholeLinesDelegate::ToolTipLines(ui->comboImages->currentText(), this));
        currentPreviewTimer.start(200);
    } else {
        ui->comboImages->setToolTip(QString());
    }
}

void CMainPanel2::on_comboImages_activated(int)
{
    photoSwitch = true;
}

void CMainPanel2::on_buttonPrevImage_clicked()
{
    const int index = ui->comboImages->currentIndex();
    if (index > 0) {
        ui->comboImages->setCurrentIndex(index - 1);
        photoSwitch = true;
    }
}

void CMainPanel2::on_buttonNextImage_clicked()
{
    const int index = ui->comboImages->currentIndex();
    if (index < ui->comboImages->count() - 1) {
        ui->comboImages->setCurrentIndex(index + 1);
        photoSwitch = true;
    }
}

void CMainPanel2::on_checkShowPreview_clicked(bool checked)
{
    m_profile->Step2Preview = checked;
    ui->scrollImageFilters->showPreview = checked;
    ui->scrollImageOriginal->showPreview = checked;
    SetRegistryInt(QStringLiteral("GUI/Step2.ShowPreview"), checked ? 1 : 0);
    if (checked)
        StartPreviewOfCurrentTab();
    else
        CleanUp(true);
    changed = true;
    emit SignalChanges();
}

void CMainPanel2::on_tabWidget_currentChanged(int index)
{
    CControlImage* view = TabWidgetView(index);
    if (!view)
        return;
    if (view->shown && view->currentPath == m_profile->PreviewPath) {
        view->UpdateView();
        return;
    }
    if (view->shown || view->pending)
        view->ShowBlank();
    if (index == 0)
        StartPreviewFilters();
    else
        StartPreviewOriginal();
}

void CMainPanel2::on_buttonSwitchView_clicked()
{
    ui->tabWidget->setCurrentIndex(ui->tabWidget->currentIndex() == 0 ? 1 : 0);
}

void CMainPanel2::on_buttonZoomInFilters_clicked()
{
    ui->scrollImageFilters->ZoomIn();
    ui->scrollImageOriginal->ZoomIn();
}

void CMainPanel2::on_buttonZoomOutFilters_clicked()
{
    ui->scrollImageFilters->ZoomOut();
    ui->scrollImageOriginal->ZoomOut();
}

void CMainPanel2::on_buttonMinZoomFilters_clicked()
{
    ui->scrollImageFilters->ZoomToMatch();
    ui->scrollImageOriginal->ZoomToMatch();
}

void CMainPanel2::on_buttonMaxZoomFilters_clicked()
{
    ui->scrollImageFilters->ZoomToFit();
    ui->scrollImageOriginal->ZoomToFit();
}

void CMainPanel2::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(QString::number(percent) + QStringLiteral("%"));
}

void CMainPanel2::showEvent(QShowEvent*)
{
    photoSwitch = true;
    if (m_profile->PreviewPath.isEmpty()) {
        CleanUp(true);
        if (ui->comboImages->count() > 0)
            ui->comboImages->setCurrentIndex(0);
        on_comboImages_currentIndexChanged(ui->comboImages->count() > 0 ? 0 : -1);
    } else {
        EnablePrevNext();
        int position = -1;
        for (const SImageRecord& image : m_images->images) {
            if (image.path == m_profile->PreviewPath) {
                position = int(image.position);
                break;
            }
        }
        ui->comboImages->setCurrentIndex(position);
        if (ui->scrollImageFilters->currentPath != m_profile->PreviewPath)
            currentPreviewTimer.start(200);
    }
    UpdatePreviewFilename();
    addFilterTip->StartShowTimer();
}

void CMainPanel2::hideEvent(QHideEvent*)
{
    addFilterTip->HideSoon();
    step3Tip->HideSoon();
}

void CMainPanel2::resizeEvent(QResizeEvent*)
{
    addFilterTip->HideSoon();
    step3Tip->HideSoon();
    if (m_profile->PreviewPath.isEmpty()) {
        ui->scrollImageFilters->ShowPlaceholder();
        ui->scrollImageOriginal->ShowPlaceholder();
    }
    resizeTimer.start(200);
}

void CMainPanel2::OnTimerResizePreview()
{
    const int tab = ui->tabWidget->currentIndex();
    ui->tabWidget->setCurrentIndex(tab == 0 ? 1 : 0);
    ui->tabWidget->setCurrentIndex(tab);
}

void CMainPanel2::CleanUp(bool cleanPreviewFilters)
{
    if (!cleanPreviewFilters)
        cleanFiltered = false;
    if (ui->scrollImageFilters->pending || ui->scrollImageOriginal->pending) {
        cleanUpTimer.start(100);
        return;
    }
    ui->scrollImageOriginal->ShowBlank();
    ui->scrollImageOriginal->Cleanup();
    if (cleanFiltered) {
        ui->scrollImageFilters->ShowBlank();
        ui->scrollImageFilters->Cleanup();
    }
    cleanFiltered = true;
}

void CMainPanel2::ShowAddFilterTip()
{
    addFilterTip->Show();
}

void CMainPanel2::ShowStep3Tip()
{
    step3Tip->Show();
}

void CMainPanel2::MakeAddFilterTipInvisible()
{
    addFilterTip->Hide();
}

void CMainPanel2::MakeStep3TipInvisible()
{
    step3Tip->Hide();
}
