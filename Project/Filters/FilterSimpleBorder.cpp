#include "FilterSimpleBorder.h"

#include "EditorControls.h"
#include "FilterValues.h"
#include "FitTexts.h"
#include "ui_FilterSimpleBorder.h"

using namespace EditorControls;

namespace
{
constexpr int kShort = 500;
constexpr int kLong = 1000;
} // namespace

CFilterSimpleBorder::CFilterSimpleBorder(QWidget* parent, int filterId)
    : CFilterPage(parent, filterId), ui(new Ui::FilterSimpleBorder)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    connect(ui->CPColor, &CColorPicker::ColorChanged, this, &CFilterSimpleBorder::CPColorChanged);
}

CFilterSimpleBorder::~CFilterSimpleBorder()
{
    delete ui;
}

void CFilterSimpleBorder::InitControls()
{
    unitInEffect = defaults.unit;
    FillCombo(ui->comboDimensions, {tr("in Pixels"), tr("in Percents")});
    ui->CPColor->setFocus(Qt::OtherFocusReason);
}

void CFilterSimpleBorder::EnableSides(bool uniform)
{
    SetEnabled({ui->spinBottom, ui->spinLeft, ui->spinRight}, !uniform);
}

void CFilterSimpleBorder::Initialize()
{
    InitControls();
    ui->comboDimensions->setCurrentIndex(defaults.unit);
    unitInEffect = defaults.unit;
    ui->CPColor->SetColor(defaults.color);
    for (QSpinBox* spin : {ui->spinTop, ui->spinBottom, ui->spinLeft, ui->spinRight})
        spin->setValue(defaults.side);
    ui->checkUniformDimensions->setChecked(defaults.uniform);
    EnableSides(defaults.uniform);
    RestartPreview(0);
}

void CFilterSimpleBorder::Load(SFilterRecord rec, bool startPreview)
{
    const double* n = rec.numbers;
    InitControls();
    SetSpinNearest(ui->spinTop, n[0]);
    SetSpinNearest(ui->spinBottom, n[1]);
    SetSpinNearest(ui->spinLeft, n[2]);
    SetSpinNearest(ui->spinRight, n[3]);
    SetComboNearest(ui->comboDimensions, n[4]);
    unitInEffect = Nearest(n[4]);
    SetColor(ui->CPColor, n[5]);
    ui->checkUniformDimensions->setChecked(SlotNearestOn(n[6]));
    EnableSides(ui->checkUniformDimensions->isChecked());
    RestartPreview(kShort);
    if (startPreview)
        RestartPreview(0);
}

void CFilterSimpleBorder::Save(SFilterRecord& rec)
{
    double* n = rec.numbers;
    rec.numberCount = 7;
    n[0] = ui->spinTop->value();
    n[1] = ui->spinBottom->value();
    n[2] = ui->spinLeft->value();
    n[3] = ui->spinRight->value();
    n[4] = ui->comboDimensions->currentIndex();
    n[5] = ui->CPColor->color;
    n[6] = ui->checkUniformDimensions->isChecked() ? 1 : 0;
}

void CFilterSimpleBorder::on_spinTop_valueChanged(int)
{
    RestartPreview(kLong);
}

void CFilterSimpleBorder::on_spinBottom_valueChanged(int)
{
    RestartPreview(kLong);
}

void CFilterSimpleBorder::on_spinLeft_valueChanged(int)
{
    RestartPreview(kLong);
}

void CFilterSimpleBorder::on_spinRight_valueChanged(int)
{
    RestartPreview(kLong);
}

void CFilterSimpleBorder::CPColorChanged()
{
    RestartPreview(kShort);
}

void CFilterSimpleBorder::on_checkUniformDimensions_clicked(bool checked)
{
    EnableSides(checked);
    RestartPreview(kShort);
}

void CFilterSimpleBorder::on_comboDimensions_activated(int index)
{
    if (index == unitInEffect)
        return;
    const double W = static_cast<double>(imageWidth);
    const double H = static_cast<double>(imageHeight);
    unitInEffect = index;
    if (imageWidth <= 0 || imageHeight <= 0) {
        // Nothing to convert by: the unit changes, the numbers stay.
        RestartPreview(kLong);
        return;
    }
    // All four sides, the disabled ones too.
    const struct {
        QSpinBox* spin;
        double side;
    } sides[] = {{ui->spinTop, H}, {ui->spinBottom, H}, {ui->spinLeft, W}, {ui->spinRight, W}};
    for (const auto& s : sides) {
        const double v = s.spin->value();
        if (index == 1)
            s.spin->setValue(Nearest(v / (s.side / 100)));
        else if (index == 0)
            s.spin->setValue(Nearest(v * s.side / 100));
    }
}
