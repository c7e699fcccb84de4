#include "FilterResize.h"

#include "EditorControls.h"
#include "FilterValues.h"
#include "FitTexts.h"
#include "ui_CFilterResize.h"

#include <algorithm>

using namespace EditorControls;

namespace
{
constexpr int kShort = 500;
constexpr int kLong = 1000;
constexpr double kPixelCap = 30000;
constexpr double kPercentCap = 1000;
} // namespace

CFilterResize::CFilterResize(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::CFilterResize)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
}

CFilterResize::~CFilterResize()
{
    delete ui;
}

double CFilterResize::PixelMaximum(qint64 side)
{
    return side == 0 ? kPixelCap : std::min(10.0 * static_cast<double>(side), kPixelCap);
}

void CFilterResize::InitControls()
{
    modeInEffect = defaults.mode;
    unitInEffect = defaults.unit;
    guard = false;
    ui->textOriginalSize->setText(tr("Original image size:") +
                                  QStringLiteral(" %1 x %2").arg(imageWidth).arg(imageHeight));
    FillCombo(ui->comboDimensions, {tr("in Pixels"), tr("in Percents")});
    FillCombo(ui->comboResizeBy,
              {tr("Width & Height"), tr("Fixed Width"), tr("Fixed Height"), tr("Fixed Width & Height")});
    ui->spinWidth->setFocus(Qt::OtherFocusReason);
}

void CFilterResize::Restart(int ms)
{
    if (previewEnabled)
        RestartPreview(ms);
}

void CFilterResize::SetDecimals(int decimals)
{
    ui->spinWidth->setDecimals(decimals);
    ui->spinHeight->setDecimals(decimals);
    if (isVisible()) // the widest value has grown with the decimals
        FitTextsToFonts(this);
}

void CFilterResize::SetRanges(bool percent)
{
    ui->spinWidth->setRange(0, percent ? kPercentCap : PixelMaximum(imageWidth));
    ui->spinHeight->setRange(0, percent ? kPercentCap : PixelMaximum(imageHeight));
}

void CFilterResize::ApplyMode(int index)
{
    QWidget* width = ui->spinWidth;
    QWidget* height = ui->spinHeight;
    QWidget* aspect = ui->checkAspectRatio;
    switch (index) {
    case 0:
        SetEnabled({width, height, aspect}, true);
        break;
    case 1:
        width->setEnabled(true);
        SetEnabled({height, aspect}, false);
        break;
    case 2:
        height->setEnabled(true);
        SetEnabled({width, aspect}, false);
        break;
    case 3:
        SetEnabled({width, height}, true);
        aspect->setEnabled(false);
        break;
    default:
        break;
    }
    fixedBox = index == 3;
}

void CFilterResize::Initialize()
{
    InitControls();
    SetEnabled({ui->comboResizeBy, ui->spinWidth, ui->spinHeight, ui->checkAspectRatio, ui->checkNoUpscale}, true);
    ui->comboDimensions->setCurrentIndex(defaults.unit);
    unitInEffect = defaults.unit;
    ui->comboResizeBy->setCurrentIndex(defaults.mode);
    modeInEffect = defaults.mode;
    fixedBox = false;
    SetDecimals(0);
    ui->checkAspectRatio->setChecked(true);
    guard = true;
    SetRanges(false);
    ui->spinWidth->setValue(0.7 * static_cast<double>(imageWidth));
    ui->spinHeight->setValue(0.7 * static_cast<double>(imageHeight));
    guard = false;
    ui->checkAspectRatio->setChecked(defaults.keepAspect);
    ui->checkNoUpscale->setChecked(defaults.noUpscale);
    RestartPreview(0);
}

void CFilterResize::Load(SFilterRecord rec, bool startPreview)
{
    double* n = rec.numbers;
    previewEnabled = startPreview;
    InitControls();
    // Mode 0 in pixels with the aspect kept: the larger value is the larger
    // side of this photo, as the engine applies it.
    if (n[3] == 0 && n[4] == 0 && n[2] == 1) {
        const double m = std::max(n[0], n[1]);
        const double r = imageWidth && imageHeight ? imageRatio : 1.0;
        n[0] = r >= 1 ? m : r * m;
        n[1] = r >= 1 ? m / r : m;
    }
    const bool percent = n[4] == 1;
    guard = true;
    // Decimals and range before the values, so that a value is clamped by
    // the range of its own unit and never by the previous one.
    SetDecimals(percent ? 2 : 0);
    ui->comboResizeBy->setEnabled(!percent);
    ui->checkNoUpscale->setEnabled(!percent);
    if (percent)
        ui->checkNoUpscale->setChecked(false);
    SetRanges(percent);
    SetDoubleSpin(ui->spinWidth, n[0]);
    SetDoubleSpin(ui->spinHeight, n[1]);
    guard = false;
    ui->checkAspectRatio->setChecked(SlotNearestOn(n[2]));
    SetComboNearest(ui->comboResizeBy, n[3]);
    modeInEffect = Nearest(n[3]);
    ApplyMode(modeInEffect);
    if (modeInEffect >= 1 && modeInEffect <= 3)
        ui->checkAspectRatio->setChecked(true);
    SetComboNearest(ui->comboDimensions, n[4]);
    unitInEffect = Nearest(n[4]);
    ui->checkNoUpscale->setChecked(SlotNearestOn(n[5]));
    previewEnabled = true;
    if (startPreview)
        RestartPreview(0);
    else
        emit SaveState(rec);
}

void CFilterResize::Save(SFilterRecord& rec)
{
    double* n = rec.numbers;
    rec.numberCount = 6;
    n[0] = ui->spinWidth->value();
    n[1] = ui->spinHeight->value();
    n[2] = ui->checkAspectRatio->isChecked() ? 1 : 0;
    n[3] = ui->comboResizeBy->currentIndex();
    n[4] = ui->comboDimensions->currentIndex();
    n[5] = ui->checkNoUpscale->isChecked() ? 1 : 0;
}

void CFilterResize::on_comboResizeBy_activated(int index)
{
    if (index == modeInEffect)
        return;
    ui->checkAspectRatio->setChecked(true);
    ApplyMode(index);
    modeInEffect = index;
    Restart(kShort);
}

void CFilterResize::on_comboDimensions_activated(int index)
{
    if (index == unitInEffect)
        return;
    guard = true;
    fixedBox = false;
    const double w = ui->spinWidth->value();
    const double h = ui->spinHeight->value();
    const double W = static_cast<double>(imageWidth);
    const double H = static_cast<double>(imageHeight);
    // Without a photo there is nothing to convert by: the numbers stay.
    const bool convert = imageWidth > 0 && imageHeight > 0;
    const bool percent = index == 1;
    SetRanges(percent);
    if (percent) {
        SetDecimals(2);
        ui->spinWidth->setValue(convert ? w / (W / 100) : w);
        ui->spinHeight->setValue(convert ? h / (H / 100) : h);
        ui->comboResizeBy->setCurrentIndex(0);
        ui->comboResizeBy->setEnabled(false);
        modeInEffect = 0;
        SetEnabled({ui->spinWidth, ui->spinHeight, ui->checkAspectRatio}, true);
        ui->checkAspectRatio->setChecked(true);
        ui->checkNoUpscale->setChecked(false);
        ui->checkNoUpscale->setEnabled(false);
    } else {
        ui->spinWidth->setValue(convert ? Nearest(W / 100 * w) : w);
        ui->spinHeight->setValue(convert ? Nearest(H / 100 * h) : h);
        SetDecimals(0);
        SetEnabled({ui->comboResizeBy, ui->checkNoUpscale}, true);
    }
    guard = false;
    unitInEffect = index;
    if (!convert)
        Restart(kShort);
}

void CFilterResize::OnSideChanged(double v, bool width)
{
    if (guard) {
        Restart(kShort);
        return;
    }
    if (ui->checkAspectRatio->isChecked() && !fixedBox) {
        guard = true;
        const bool known = imageWidth && imageHeight;
        const double W = static_cast<double>(imageWidth);
        const double H = static_cast<double>(imageHeight);
        const double r = known ? (width ? W / H : H / W) : 1.0;
        QDoubleSpinBox* other = width ? ui->spinHeight : ui->spinWidth;
        other->setValue(unitInEffect == 1 ? v : Nearest(v / r));
        guard = false;
    }
    Restart(kLong);
}

void CFilterResize::on_spinWidth_valueChanged(double v)
{
    OnSideChanged(v, true);
}

void CFilterResize::on_spinHeight_valueChanged(double v)
{
    OnSideChanged(v, false);
}

void CFilterResize::on_checkAspectRatio_clicked(bool)
{
    guard = true;
    const double w = ui->spinWidth->value();
    ui->spinHeight->setValue(unitInEffect == 1 ? w : Nearest(w / imageRatio));
    guard = false;
    Restart(kShort);
}

void CFilterResize::on_checkNoUpscale_clicked(bool)
{
    Restart(kShort);
}
