#include "FilterCrop.h"

#include "EditorControls.h"
#include "FilterValues.h"
#include "FitTexts.h"
#include "ui_FilterCrop.h"

#include <QDebug>

using namespace EditorControls;

namespace
{
constexpr int kDelay = 1000;
}

CFilterCrop::CFilterCrop(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::FilterCrop)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
}

CFilterCrop::~CFilterCrop()
{
    delete ui;
}

void CFilterCrop::InitControls()
{
    unitInEffect = defaultUnit;
    ui->textOriginalSize->setText(tr("Original image size:") +
                                  QStringLiteral(" %1 x %2").arg(imageWidth).arg(imageHeight));
    FillCombo(ui->comboDimensions, {tr("in Pixels"), tr("in Percents")});
    ui->spinLeft->setFocus(Qt::OtherFocusReason);
}

void CFilterCrop::SetDecimals(int decimals)
{
    for (QDoubleSpinBox* spin : {ui->spinLeft, ui->spinTop, ui->spinWidth, ui->spinHeight})
        spin->setDecimals(decimals);
    if (isVisible()) // the widest value has grown with the decimals
        FitTextsToFonts(this);
}

void CFilterCrop::Initialize()
{
    InitControls();
    ui->comboDimensions->setCurrentIndex(defaultUnit);
    unitInEffect = defaultUnit;
    SetDecimals(0);
    const double W = static_cast<double>(imageWidth);
    const double H = static_cast<double>(imageHeight);
    ui->spinLeft->setValue(W * 30 / 100 * 0.5);
    ui->spinTop->setValue(H * 30 / 100 * 0.5);
    ui->spinWidth->setValue(W * 70 / 100);
    ui->spinHeight->setValue(H * 70 / 100);
    // asprintf: the same "150.00" under every locale.
    qDebug().noquote() << QString::asprintf("- CFilterCrop %.2f %.2f %.2f %.2f", ui->spinLeft->value(),
                                            ui->spinTop->value(), ui->spinWidth->value(), ui->spinHeight->value());
    RestartPreview(0);
}

void CFilterCrop::Load(SFilterRecord rec, bool startPreview)
{
    const double* n = rec.numbers;
    previewEnabled = startPreview;
    InitControls();
    SetComboIndex(ui->comboDimensions, n[4], -1);
    unitInEffect = SlotInt(n[4]);
    SetDecimals(unitInEffect == 1 ? 2 : 0);
    SetDoubleSpin(ui->spinLeft, n[0]);
    SetDoubleSpin(ui->spinTop, n[1]);
    SetDoubleSpin(ui->spinWidth, n[2]);
    SetDoubleSpin(ui->spinHeight, n[3]);
    previewEnabled = true;
    if (startPreview)
        RestartPreview(0);
    else
        emit SaveState(rec);
}

void CFilterCrop::Save(SFilterRecord& rec)
{
    double* n = rec.numbers;
    rec.numberCount = 5;
    n[0] = ui->spinLeft->value();
    n[1] = ui->spinTop->value();
    n[2] = ui->spinWidth->value();
    n[3] = ui->spinHeight->value();
    n[4] = ui->comboDimensions->currentIndex();
}

void CFilterCrop::on_comboDimensions_activated(int index)
{
    if (index == unitInEffect)
        return;
    const double W = static_cast<double>(imageWidth);
    const double H = static_cast<double>(imageHeight);
    if (imageWidth <= 0 || imageHeight <= 0) {
        // Nothing to convert by: the unit changes, the numbers stay.
        SetDecimals(index == 1 ? 2 : 0);
        unitInEffect = index;
        RestartPreview(kDelay);
        return;
    }
    if (index == 1) {
        SetDecimals(2);
        ui->spinLeft->setValue(ui->spinLeft->value() / (W / 100));
        ui->spinTop->setValue(ui->spinTop->value() / (H / 100));
        ui->spinWidth->setValue(ui->spinWidth->value() / (W / 100));
        ui->spinHeight->setValue(ui->spinHeight->value() / (H / 100));
    } else if (index == 0) {
        ui->spinLeft->setValue(Nearest(ui->spinLeft->value() * W / 100));
        ui->spinTop->setValue(Nearest(ui->spinTop->value() * H / 100));
        ui->spinWidth->setValue(Nearest(ui->spinWidth->value() * W / 100));
        ui->spinHeight->setValue(Nearest(ui->spinHeight->value() * H / 100));
        SetDecimals(0);
    }
    unitInEffect = index;
}

void CFilterCrop::OnValueChanged()
{
    if (previewEnabled)
        RestartPreview(kDelay);
}

void CFilterCrop::on_spinLeft_valueChanged(double)
{
    OnValueChanged();
}

void CFilterCrop::on_spinTop_valueChanged(double)
{
    OnValueChanged();
}

void CFilterCrop::on_spinWidth_valueChanged(double)
{
    OnValueChanged();
}

void CFilterCrop::on_spinHeight_valueChanged(double)
{
    OnValueChanged();
}
