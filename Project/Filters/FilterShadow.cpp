#include "FilterShadow.h"

#include "EditorControls.h"
#include "FitTexts.h"
#include "ui_FilterShadow.h"

using namespace EditorControls;

namespace
{
constexpr int kShort = 500;
constexpr int kLong = 1000;
} // namespace

CFilterShadow::CFilterShadow(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::FilterShadow)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    connect(ui->CPColor, &CColorPicker::ColorChanged, this, &CFilterShadow::CPColorChanged);
}

CFilterShadow::~CFilterShadow()
{
    delete ui;
}

void CFilterShadow::Initialize()
{
    ui->sliderTransparency->setValue(defaults.transparency);
    ui->spinTransparency->setValue(defaults.transparency);
    ui->sliderSize->setValue(defaults.size);
    ui->spinSize->setValue(defaults.size);
    ui->CPColor->SetColor(defaults.color);
    ui->checkWhiteBackground->setChecked(defaults.whiteBackground);
    ui->sliderTransparency->setFocus(Qt::OtherFocusReason);
    RestartPreview(0);
}

void CFilterShadow::Load(SFilterRecord rec, bool startPreview)
{
    const double* n = rec.numbers;
    SetSliderNearest(ui->sliderTransparency, n[0]);
    SetSpinNearest(ui->spinTransparency, n[0]);
    SetSliderNearest(ui->sliderSize, n[1]);
    SetSpinNearest(ui->spinSize, n[1]);
    SetColor(ui->CPColor, n[2]);
    ui->checkWhiteBackground->setChecked(SlotChecked(n[3]));
    ui->sliderTransparency->setFocus(Qt::OtherFocusReason);
    if (startPreview)
        RestartPreview(0);
}

void CFilterShadow::Save(SFilterRecord& rec)
{
    rec.numberCount = 4;
    rec.numbers[0] = ui->spinTransparency->value();
    rec.numbers[1] = ui->spinSize->value();
    rec.numbers[2] = ui->CPColor->color;
    rec.numbers[3] = ui->checkWhiteBackground->isChecked() ? 1 : 0;
}

void CFilterShadow::on_sliderTransparency_valueChanged(int value)
{
    ui->spinTransparency->setValue(value);
    RestartPreview(kLong);
}

void CFilterShadow::on_spinTransparency_valueChanged(int arg1)
{
    ui->sliderTransparency->setValue(arg1);
    RestartPreview(kLong);
}

void CFilterShadow::on_sliderSize_valueChanged(int value)
{
    ui->spinSize->setValue(value);
    RestartPreview(kLong);
}

void CFilterShadow::on_spinSize_valueChanged(int arg1)
{
    ui->sliderSize->setValue(arg1);
    RestartPreview(kLong);
}

void CFilterShadow::CPColorChanged()
{
    RestartPreview(kShort);
}

void CFilterShadow::on_checkWhiteBackground_clicked()
{
    RestartPreview(kShort);
}
