#include "FilterRaise.h"

#include "EditorControls.h"
#include "FitTexts.h"
#include "ui_FilterRaise.h"

using namespace EditorControls;

namespace
{
constexpr int kShort = 500;
constexpr int kLong = 1000;
} // namespace

CFilterRaise::CFilterRaise(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::FilterRaise)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
}

CFilterRaise::~CFilterRaise()
{
    delete ui;
}

void CFilterRaise::InitControls()
{
    FillCombo(ui->comboEffect, {tr("Lower"), tr("Raise")});
    ui->sliderBorder->setFocus(Qt::OtherFocusReason);
}

void CFilterRaise::Initialize()
{
    InitControls();
    ui->sliderBorder->setValue(defaults.border);
    ui->spinBorder->setValue(defaults.border);
    ui->comboEffect->setCurrentIndex(defaults.effect);
    RestartPreview(0);
}

void CFilterRaise::Load(SFilterRecord rec, bool startPreview)
{
    InitControls();
    SetSliderNearest(ui->sliderBorder, rec.numbers[0]);
    SetSpinNearest(ui->spinBorder, rec.numbers[0]);
    SetComboIndex(ui->comboEffect, rec.numbers[1], -1);
    if (startPreview)
        RestartPreview(0);
}

void CFilterRaise::Save(SFilterRecord& rec)
{
    rec.numberCount = 2;
    rec.numbers[0] = ui->spinBorder->value();
    rec.numbers[1] = ui->comboEffect->currentIndex();
}

void CFilterRaise::on_sliderBorder_valueChanged(int value)
{
    ui->spinBorder->setValue(value);
    RestartPreview(kLong);
}

void CFilterRaise::on_spinBorder_valueChanged(int arg1)
{
    ui->sliderBorder->setValue(arg1);
    RestartPreview(kLong);
}

void CFilterRaise::on_comboEffect_currentIndexChanged(int)
{
    RestartPreview(kShort);
}
