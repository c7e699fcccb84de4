#include "FilterSettings.h"

#include "ControlImage.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterTypes.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "ImageCache.h"
#include "MinimalIcons.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_FilterSettings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTabWidget>

namespace
{

const char kShowPreviewKey[] = "GUI/FilterSettings.ShowPreview";
constexpr int kUpdateDelay = 100;

} // namespace

CFilterSettings::CFilterSettings(QWidget* parent) : QDialog(parent), ui(new Ui::FilterSettings)
{
    ui->setupUi(this);
    KeepDialogOnScreen(this, ui->layoutButtons);
    FitTextsToFonts(this);
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::WindowMaximizeButtonHint);
    m_pProfile = CUserProfile::GetInstance();
    m_pImages = CImageCache::GetInstance();
    m_UpdateTimer.setSingleShot(true);
    connect(&m_UpdateTimer, &QTimer::timeout, this, &CFilterSettings::OnTimerUpdateControls, Qt::QueuedConnection);
    connect(ui->scrollFilter, &CControlImage::UpdateFilterInterface, this, &CFilterSettings::UpdateFilterInterface);
    Init();
}

CFilterSettings::~CFilterSettings()
{
    delete ui;
}

void CFilterSettings::Init()
{
    CControlImage* filtered = ui->scrollFilter;
    CControlImage* original = ui->scrollOriginal;
    connect(filtered, &CControlImage::UpdateZoomPercent, this, &CFilterSettings::UpdateZoomText, Qt::QueuedConnection);
    connect(original, &CControlImage::UpdateZoomPercent, this, &CFilterSettings::UpdateZoomText, Qt::QueuedConnection);
    const QString background = m_pProfile->ThemeId != 0 ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                                                        : QStringLiteral("background-color: rgb( 255, 255, 255 );");
    for (QLabel* label : {ui->viewFilter, ui->viewOriginal}) {
        label->setBackgroundRole(QPalette::Base);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    filtered->imageLabel = ui->viewFilter;
    filtered->setStyleSheet(background);
    filtered->areaLabel = ui->viewWatermark;
    filtered->friendView = original;
    filtered->sharesMinZoom = true;
    filtered->singleFilterMode = true;
    original->imageLabel = ui->viewOriginal;
    original->setStyleSheet(background);
    original->friendView = filtered;

    const bool show = GetRegistryInt(QString::fromLatin1(kShowPreviewKey), 1) != 0;
    ui->checkShowPreview->setChecked(show);
    filtered->showPreview = show;
    original->showPreview = show;
    on_checkShowPreview_clicked(show);

    // Nothing to undo or redo until the editor's reports arrive.
    ui->buttonUndo->setEnabled(false);
    ui->buttonRedo->setEnabled(false);
    ui->widgetFilter->setLayout(new QHBoxLayout);
    ui->widgetFilter->setMinimumWidth(1);
    InitImages();
}

void CFilterSettings::InitImages()
{
    const qreal ratio = devicePixelRatioF();
    const struct {
        QAbstractButton* button;
        int column;
        int row;
    } cells[] = {{ui->buttonMinZoom, 0, 0}, {ui->buttonMaxZoom, 1, 0}, {ui->buttonZoomIn, 2, 0},
                 {ui->buttonZoomOut, 3, 0}, {ui->buttonUndo, 0, 1},    {ui->buttonRedo, 1, 1}};
    for (const auto& cell : cells) {
        cell.button->setIcon(MinimalIcon(cell.column, cell.row, ratio));
        cell.button->setIconSize(QSize(16, 16));
    }
}

void CFilterSettings::setPanelTranzition(bool* flag)
{
    ui->scrollFilter->panelTransition = flag;
    ui->scrollOriginal->panelTransition = flag;
}

int CFilterSettings::exec()
{
    qRegisterMetaType<SFilterRecord>("SFilterRecord");
    m_pEditor = CreateFilterPage(static_cast<int>(record.id), ui->widgetFilter);
    if (!m_pEditor)
        return 0;
    connect(m_pEditor, &CFilterPage::SaveState, this, &CFilterSettings::SaveState, Qt::QueuedConnection);
    ui->widgetFilter->layout()->addWidget(m_pEditor);
    ui->widgetFilter->layout()->setContentsMargins(m_pEditor->contentsMargins());

    setWindowTitle(m_pEditor->filterRecord.name);
    setMinimumSize(840, 590);

    m_pEditor->filterView = ui->scrollFilter;
    m_pEditor->originalView = ui->scrollOriginal;
    m_pEditor->previewImage = previewImage;
    m_pEditor->PingImage();
    if (record.numberCount != 0)
        m_pEditor->Load(record, true);
    else
        m_pEditor->Initialize();

    switch (record.id) {
    case FilterText:
    case FilterLogo:
    case FilterCrop:
    case FilterResize:
        for (QWidget* w : std::initializer_list<QWidget*>{ui->buttonMaxZoom, ui->buttonMinZoom, ui->buttonZoomIn,
                                                          ui->buttonZoomOut, ui->textZoomPercent})
            w->hide();
        break;
    default:
        break;
    }
    const bool tabs = m_pEditor->findChild<QTabWidget*>() != nullptr;
    ui->widgetFilter->setContentsMargins(0, tabs ? 0 : 25, 0, 0);
    return QDialog::exec();
}

void CFilterSettings::accept()
{
    if (m_pEditor) {
        // A drag reaches the editor only when the update timer fires: load it
        // now, or OK would save the controls without it.
        if (m_UpdateTimer.isActive()) {
            m_UpdateTimer.stop();
            OnTimerUpdateControls();
        }
        m_pEditor->Save(record);
    }
    QDialog::accept();
}

void CFilterSettings::reject()
{
    ui->scrollFilter->CancelJob();
    ui->scrollOriginal->CancelJob();
    QDialog::reject();
}

void CFilterSettings::SaveState(SFilterRecord rec)
{
    // The echo of the state that Undo or Redo just loaded.
    if (m_States.skipNextSave) {
        m_States.skipNextSave = false;
        return;
    }
    m_States.SaveState(rec);
    ui->buttonUndo->setEnabled(m_States.Count() >= 2);
    ui->buttonRedo->setEnabled(false);
}

void CFilterSettings::on_buttonUndo_clicked()
{
    if (!m_pEditor || !m_States.CanUndo())
        return;
    const SFilterRecord state = m_States.Undo();
    m_States.skipNextSave = true;
    m_pEditor->Load(state, true);
    ui->buttonUndo->setEnabled(m_States.CanUndo());
    ui->buttonRedo->setEnabled(true);
}

void CFilterSettings::on_buttonRedo_clicked()
{
    if (!m_pEditor || !m_States.CanRedo())
        return;
    const SFilterRecord state = m_States.Redo();
    m_States.skipNextSave = true;
    m_pEditor->Load(state, true);
    ui->buttonUndo->setEnabled(true);
    ui->buttonRedo->setEnabled(m_States.CanRedo());
}

void CFilterSettings::on_buttonReset_clicked()
{
    if (m_pEditor)
        m_pEditor->Initialize();
}

void CFilterSettings::on_buttonZoomIn_clicked()
{
    ui->scrollFilter->ZoomIn();
    ui->scrollOriginal->ZoomIn();
}

void CFilterSettings::on_buttonZoomOut_clicked()
{
    ui->scrollFilter->ZoomOut();
    ui->scrollOriginal->ZoomOut();
}

void CFilterSettings::on_buttonMinZoom_clicked()
{
    ui->scrollFilter->ZoomToFit();
    ui->scrollOriginal->ZoomToFit();
}

void CFilterSettings::on_buttonMaxZoom_clicked()
{
    ui->scrollFilter->ZoomToMatch();
    ui->scrollOriginal->ZoomToMatch();
}

void CFilterSettings::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(QString::number(percent) + QStringLiteral("%"));
}

void CFilterSettings::on_checkShowPreview_clicked(bool checked)
{
    CControlImage* views[] = {ui->scrollFilter, ui->scrollOriginal};
    for (CControlImage* view : views)
        view->showPreview = checked;
    SetRegistryInt(QString::fromLatin1(kShowPreviewKey), checked ? 1 : 0);
    if (checked) {
        for (CControlImage* view : views)
            view->UpdatePreview();
        for (CControlImage* view : views)
            view->StartPreview(previewImage.path);
    } else {
        for (CControlImage* view : views)
            view->ShowBlank();
    }
}

void CFilterSettings::on_tabWidget_currentChanged(int index)
{
    CControlImage* view = index == 1 ? ui->scrollOriginal : (index == 0 ? ui->scrollFilter : nullptr);
    if (!view)
        return;
    if (view->shown)
        view->UpdateView();
    else if (previewImage.path.isEmpty() || !view->showPreview)
        view->ShowBlank();
    else
        view->StartPreview(previewImage.path);
}

void CFilterSettings::on_buttonSwitchView_clicked()
{
    ui->tabWidget->setCurrentIndex(ui->tabWidget->currentIndex() == 0 ? 1 : 0);
}

void CFilterSettings::UpdateFilterInterface(SFilterRecord rec)
{
    m_Dragged = rec;
    m_UpdateTimer.start(kUpdateDelay);
}

void CFilterSettings::OnTimerUpdateControls()
{
    if (m_pEditor)
        m_pEditor->Load(m_Dragged, false);
}

void CFilterSettings::showEvent(QShowEvent* event)
{
    ui->scrollOriginal->ShowBlank();
    ui->scrollFilter->ShowBlank();
    // Visiting the other tab and back runs the tab handler for both views.
    const int current = ui->tabWidget->currentIndex() == 1 ? 1 : 0;
    ui->tabWidget->setCurrentIndex(1 - current);
    ui->tabWidget->setCurrentIndex(current);
    QDialog::showEvent(event);
}

void CFilterSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        const QString page = FilterHelpPage(static_cast<int>(record.id));
        if (!page.isEmpty())
            OpenHelpFile(page);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFilterSettings::resizeEvent(QResizeEvent* event)
{
    if (m_pProfile->PreviewPath.isEmpty()) {
        ui->scrollFilter->ShowPlaceholder();
        ui->scrollOriginal->ShowPlaceholder();
    }
    QDialog::resizeEvent(event);
}
