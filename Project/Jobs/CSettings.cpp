#include "CSettings.h"

#include "DialogSheets.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "ImageCache.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CSettings.h"

#include <QKeyEvent>
#include <QMessageBox>

namespace
{

// Language entries in list order; every identifier not listed shows entry 0.
const int LanguageIds[] = {1033, 1031, 1036, 1040, 1041};

// An int field takes the list's entry only when one is chosen; an index from
// the store outside the list leaves the list without one, and the field keeps
// its value.
void StoreEntry(const QComboBox* combo, int& field)
{
    if (combo->currentIndex() >= 0)
        field = combo->currentIndex();
}

const char SectionStyle[] = "font: 10pt \"Lucida Grande\";\ntext-decoration: underline;";

} // namespace

CSettings::CSettings(QWidget* parent)
    : QDialog(parent), ui(new Ui::CSettings), m_pProfile(CUserProfile::GetInstance()),
      m_pImageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    KeepDialogOnScreen(this, ui->horizontalLayout);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Init();
}

CSettings::~CSettings()
{
    delete ui;
}

void CSettings::Init()
{
    ui->tabWidget->setCurrentIndex(0);

    // Language names stay in their own language.
    ui->comboLang->addItems({QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Français"),
                             QStringLiteral("Italiano"), QStringLiteral("Japanese")});
    int language = 0;
    for (int i = 1; i < 5; ++i)
        if (LanguageIds[i] == m_pProfile->LanguageId)
            language = i;
    ui->comboLang->setCurrentIndex(language);

    ui->linkHelp->setText(QStringLiteral("<a href=\"mailto:%1?subject=Help With Translation\">%2</a>")
                              .arg(QLatin1String(kSupportAddress), tr("Help with translation")));

    ui->checkMulticore->setChecked(m_pProfile->UseMulticore);
    ui->checkLog->setChecked(m_pProfile->ProcessEnvCVLog);
    ui->checkShowProfiles->setChecked(m_pProfile->ShowProfiles);
    ui->checkStartupWizard->setChecked(m_pProfile->ShowStartupWizard);
    ui->checkCheckNew->setChecked(m_pProfile->CheckNewAutoCheck);

    ui->comboCheckNew->clear();
    ui->comboCheckNew->addItems({tr("Daily"), tr("Once a week"), tr("Every two weeks"), tr("Once a month")});
    ui->comboCheckNew->setCurrentIndex(m_pProfile->CheckNewInterval);
    ui->comboCheckNew->setEnabled(ui->checkCheckNew->isChecked());

    const QString defaultMark = QStringLiteral(" (") + tr("default") + QStringLiteral(")");
    ui->comboLayerConfig->addItems({tr("Save each layer as a separate image (default)"), tr("Flatten all layers"),
                                    tr("Save the first layer only")});
    ui->comboLayerConfig->setCurrentIndex(m_pProfile->MultipageWrite);
    ui->comboDemosaic->addItems(
        {tr("Auto, best algorithm for camera model") + defaultMark,
         QStringLiteral("High-speed, lower-quality bilinear"), QStringLiteral("Variable Number of Gradients (VNG)"),
         QStringLiteral("Patterned Pixel Grouping (PPG)"), QStringLiteral("Adaptive Homogeneity-Directed (AHD)")});
    ui->comboDemosaic->setCurrentIndex(m_pProfile->RawDemosaic);
    ui->comboWB->addItems(
        {tr("Use camera's settings") + defaultMark, tr("Average the entire image"), tr("Don't apply")});
    ui->comboWB->setCurrentIndex(m_pProfile->RawWhiteBalance);
    ui->comboHighLight->addItem(QStringLiteral("0 - ") + tr("Clip all") + defaultMark);
    ui->comboHighLight->addItem(QStringLiteral("1 - ") + tr("Leave unclipped"));
    ui->comboHighLight->addItem(QStringLiteral("2 - ") + tr("Blend clipped and unclipped values"));
    for (int i = 3; i <= 9; ++i)
        ui->comboHighLight->addItem(QString::number(i) + QStringLiteral(" - ") + tr("Reconstruct"));
    ui->comboHighLight->setCurrentIndex(m_pProfile->RawHighlight);

    ui->labelMultipage->setStyleSheet(QLatin1String(SectionStyle));
    ui->labelRAW->setStyleSheet(QLatin1String(SectionStyle));
    InitImages();
    setFixedSize(500, 380);
    FitTextsToFonts(this);
}

void CSettings::InitImages()
{
    int scale = 1;
    const QImage sheet = LoadDialogSheet(QStringLiteral("Settings.png"), scale);
    ui->tabWidget->setIconSize(QSize(32, 32));
    for (int tab = 0; tab < 2; ++tab) {
        const QPixmap cell = DialogSheetCell(sheet, scale, 32, tab, 0);
        ui->tabWidget->setTabIcon(tab, cell.isNull() ? QIcon() : QIcon(cell));
    }
}

void CSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelpFile(QStringLiteral("user-interface_settings.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSettings::on_buttonOK_clicked()
{
    const int entry = ui->comboLang->currentIndex();
    const int language = entry >= 1 && entry <= 4 ? LanguageIds[entry] : 1033;
    if (language != m_pProfile->LanguageId) {
        m_pProfile->LanguageId = language;
        QMessageBox::warning(this, QString(), tr("You need to restart Brandquill for the changes to take effect."),
                             QMessageBox::Ok);
    }
    m_pProfile->UseMulticore = ui->checkMulticore->isChecked();
    m_pProfile->ShowProfiles = ui->checkShowProfiles->isChecked();
    m_pProfile->ShowStartupWizard = ui->checkStartupWizard->isChecked();
    m_pProfile->CheckNewAutoCheck = ui->checkCheckNew->isChecked();
    StoreEntry(ui->comboCheckNew, m_pProfile->CheckNewInterval);
    m_pProfile->ProcessEnvCVLog = ui->checkLog->isChecked();
    StoreEntry(ui->comboLayerConfig, m_pProfile->MultipageWrite);
    StoreEntry(ui->comboDemosaic, m_pProfile->RawDemosaic);
    StoreEntry(ui->comboWB, m_pProfile->RawWhiteBalance);
    StoreEntry(ui->comboHighLight, m_pProfile->RawHighlight);
    accept();
}

void CSettings::on_buttonCancel_clicked()
{
    reject();
}

void CSettings::on_checkCheckNew_clicked()
{
    ui->comboCheckNew->setEnabled(ui->checkCheckNew->isChecked());
}
