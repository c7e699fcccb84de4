#include "FilterLogo.h"

#include "EditorControls.h"
#include "FitTexts.h"
#include "FormatsEnum.h"
#include "ResourceRoot.h"
#include "ui_CFilterLogo.h"

#include <QDir>

using namespace EditorControls;

namespace
{

constexpr int kShort = 500;
constexpr int kLong = 1000;

} // namespace

CFilterLogo::CFilterLogo(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::CFilterLogo)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    m_pFormats = CFormatsEnum::GetInstance();
    samplePath = ResourceRoot() + QStringLiteral("/Sample.png");
    connect(ui->CPStrokeColor, &CColorPicker::ColorChanged, this, &CFilterLogo::CPStrokeColorChanged);
    connect(ui->CPShadowColor, &CColorPicker::ColorChanged, this, &CFilterLogo::CPShadowColorChanged);
    ui->tabWidget->setCurrentIndex(0);
    previewEnabled = true;
}

CFilterLogo::~CFilterLogo()
{
    delete ui;
}

void CFilterLogo::InitControls()
{
    FillCombo(ui->comboPlacement,
              {tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"), tr("Middle-Center"),
               tr("Middle-Right"), tr("Bottom-Left"), tr("Bottom-Center"), tr("Bottom-Right")});
}

void CFilterLogo::Initialize()
{
    const SLogoDefaults& d = defaults;
    InitControls();
    ui->editImagePath->setText(QDir::toNativeSeparators(samplePath));
    ui->comboPlacement->setCurrentIndex(d.placement);
    ui->spinDeltaX->setValue(d.offsetX);
    ui->spinDeltaY->setValue(d.offsetY);
    ui->checkUseTile->setChecked(d.tile != 0);
    ui->sliderTileOffsetX->setValue(d.tileOffsetX);
    ui->sliderTileOffsetY->setValue(d.tileOffsetY);
    ui->spinTransparency->setValue(d.transparency);
    ui->spinScale->setValue(d.scale);
    ui->sliderBlur->setValue(d.blur);
    ui->spinRotation->setValue(d.rotation);
    ui->checkUseStroke->setChecked(d.stroke);
    ui->CPStrokeColor->SetColor(d.strokeColor);
    ui->spinStrokeAlpha->setValue(d.strokeTransparency);
    ui->spinStrokeWidth->setValue(d.strokeWidth);
    ui->checkUseShadow->setChecked(d.shadow);
    ui->CPShadowColor->SetColor(d.shadowColor);
    ui->spinShadowAlpha->setValue(d.shadowTransparency);
    ui->sliderShadowDistance->setValue(d.shadowDistance);
    ui->spinShadowAngle->setValue(d.shadowAngle);
    ui->dialShadowAngle->setValue(d.shadowAngle);
    ui->sliderShadowBlur->setValue(d.shadowBlur);
    EnableTile(d.tile != 0);
    EnableStroke(d.stroke);
    EnableShadow(d.shadow);
    // Last, so that it wins over the restarts of the value changes above.
    RestartPreview(0);
}

void CFilterLogo::Load(SFilterRecord rec, bool startPreview)
{
    const double* n = rec.numbers;
    previewEnabled = startPreview;
    InitControls();
    ui->editImagePath->setText(QDir::toNativeSeparators(rec.strings[0]));
    SetComboIndex(ui->comboPlacement, n[0], defaults.placement);
    SetSpin(ui->spinDeltaX, n[1]);
    SetSpin(ui->spinDeltaY, n[2]);
    ui->checkUseTile->setChecked(SlotChecked(n[3]));
    SetSlider(ui->sliderTileOffsetX, n[4]);
    SetSlider(ui->sliderTileOffsetY, n[5]);
    SetSpin(ui->spinScale, n[6]);
    SetSpin(ui->spinRotation, n[7]); // the dial follows
    SetSpin(ui->spinTransparency, n[8]);
    SetSlider(ui->sliderBlur, n[9]);
    ui->checkUseStroke->setChecked(SlotChecked(n[10]));
    SetColor(ui->CPStrokeColor, n[11]);
    SetSpin(ui->spinStrokeAlpha, n[12]);
    SetSpin(ui->spinStrokeWidth, n[13]);
    ui->checkUseShadow->setChecked(SlotChecked(n[14]));
    SetColor(ui->CPShadowColor, n[15]);
    SetSpin(ui->spinShadowAlpha, n[16]);
    SetSlider(ui->sliderShadowDistance, n[17]);
    SetSpin(ui->spinShadowAngle, n[18]);
    SetSlider(ui->dialShadowAngle, n[18]);
    SetSlider(ui->sliderShadowBlur, n[19]);
    EnableTile(ui->checkUseTile->isChecked());
    EnableStroke(ui->checkUseStroke->isChecked());
    EnableShadow(ui->checkUseShadow->isChecked());
    previewEnabled = true;
    if (startPreview)
        RestartPreview(0);
    else
        emit SaveState(rec);
}

void CFilterLogo::Save(SFilterRecord& rec)
{
    double* n = rec.numbers;
    rec.numberCount = 20;
    n[0] = ui->comboPlacement->currentIndex();
    n[1] = ui->spinDeltaX->value();
    n[2] = ui->spinDeltaY->value();
    n[3] = ui->checkUseTile->isChecked() ? 1 : 0;
    n[4] = ui->sliderTileOffsetX->value();
    n[5] = ui->sliderTileOffsetY->value();
    n[6] = ui->spinScale->value();
    n[7] = ui->spinRotation->value();
    n[8] = ui->spinTransparency->value();
    n[9] = ui->sliderBlur->value();
    n[10] = ui->checkUseStroke->isChecked() ? 1 : 0;
    n[11] = ui->CPStrokeColor->color;
    n[12] = ui->spinStrokeAlpha->value();
    n[13] = ui->spinStrokeWidth->value();
    n[14] = ui->checkUseShadow->isChecked() ? 1 : 0;
    n[15] = ui->CPShadowColor->color;
    n[16] = ui->spinShadowAlpha->value();
    n[17] = ui->sliderShadowDistance->value();
    n[18] = ui->spinShadowAngle->value();
    n[19] = ui->sliderShadowBlur->value();
    rec.stringCount = 1;
    rec.strings[0] = StoredPath(ui->editImagePath->text());
}

void CFilterLogo::Restart(int ms)
{
    if (previewEnabled)
        RestartPreview(ms);
}

void CFilterLogo::EnableTile(bool on)
{
    SetEnabled({ui->sliderTileOffsetX, ui->sliderTileOffsetY}, on);
    SetEnabled({ui->comboPlacement, ui->spinDeltaX, ui->spinDeltaY}, !on);
}

void CFilterLogo::EnableStroke(bool on)
{
    SetEnabled({ui->CPStrokeColor, ui->spinStrokeAlpha, ui->spinStrokeWidth}, on);
}

void CFilterLogo::EnableShadow(bool on)
{
    SetEnabled({ui->CPShadowColor, ui->spinShadowAlpha, ui->sliderShadowDistance, ui->spinShadowAngle,
                ui->dialShadowAngle, ui->sliderShadowBlur},
               on);
}

void CFilterLogo::on_buttonBrowse_clicked()
{
    const QString path = BrowseImage(this, tr("Select Watermark Image"), QStringLiteral("GUI/WatermarkImagePath"));
    if (path.isEmpty())
        return;
    ui->editImagePath->setText(QDir::toNativeSeparators(path));
    Restart(kShort);
}

void CFilterLogo::on_comboPlacement_activated(int)
{
    Restart(kShort);
}
void CFilterLogo::on_spinDeltaX_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_spinDeltaY_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_checkUseTile_clicked(bool checked)
{
    EnableTile(checked);
    Restart(kShort);
}
void CFilterLogo::on_sliderTileOffsetX_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_sliderTileOffsetY_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_spinRotation_valueChanged(int value)
{
    ui->dialRotation->setValue(value);
    Restart(kLong);
}
void CFilterLogo::on_dialRotation_valueChanged(int value)
{
    ui->spinRotation->setValue(value);
    Restart(kShort);
}
void CFilterLogo::on_spinTransparency_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_spinScale_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_sliderBlur_valueChanged(int)
{
    Restart(kShort);
}
void CFilterLogo::on_checkUseStroke_clicked(bool checked)
{
    EnableStroke(checked);
    Restart(kLong);
}
void CFilterLogo::CPStrokeColorChanged()
{
    Restart(kLong);
}
void CFilterLogo::on_spinStrokeAlpha_valueChanged(int)
{
    Restart(kLong);
}
void CFilterLogo::on_spinStrokeWidth_valueChanged(int)
{
    Restart(kLong);
}
void CFilterLogo::on_checkUseShadow_clicked(bool checked)
{
    EnableShadow(checked);
    Restart(kLong);
}
void CFilterLogo::CPShadowColorChanged()
{
    Restart(kLong);
}
void CFilterLogo::on_spinShadowAlpha_valueChanged(int)
{
    Restart(kLong);
}
void CFilterLogo::on_sliderShadowDistance_valueChanged(int)
{
    Restart(kLong);
}
void CFilterLogo::on_spinShadowAngle_valueChanged(int value)
{
    ui->dialShadowAngle->setValue(value);
    Restart(kLong);
}
void CFilterLogo::on_dialShadowAngle_valueChanged(int value)
{
    ui->spinShadowAngle->setValue(value);
    Restart(kShort);
}
void CFilterLogo::on_sliderShadowBlur_valueChanged(int)
{
    Restart(kLong);
}
