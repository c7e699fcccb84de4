#include "FilterRotate.h"

#include "EditorControls.h"
#include "FilterValues.h"
#include "FitTexts.h"
#include "ui_CFilterRotate.h"

using namespace EditorControls;

namespace
{
constexpr int kDelay = 500;
}

CFilterRotate::CFilterRotate(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::CFilterRotate)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
}

CFilterRotate::~CFilterRotate()
{
    delete ui;
}

void CFilterRotate::InitControls()
{
    FillCombo(ui->comboOrientation, {tr("All Photos"), tr("Only Portrait"), tr("Only Landscape")});
    ui->spinDegrees->setFocus(Qt::OtherFocusReason);
}

int CFilterRotate::ShownAngle(double slot)
{
    return ((Nearest(slot) % 360) + 360) % 360;
}

void CFilterRotate::Initialize()
{
    InitControls();
    SetAngle(0);
    ui->comboOrientation->setCurrentIndex(0);
    RestartPreview(0);
}

void CFilterRotate::Load(SFilterRecord rec, bool startPreview)
{
    InitControls();
    SetAngle(ShownAngle(rec.numbers[0]));
    SetComboIndex(ui->comboOrientation, rec.numbers[1], -1);
    if (startPreview)
        RestartPreview(0);
}

void CFilterRotate::Save(SFilterRecord& rec)
{
    rec.numberCount = 2;
    rec.numbers[0] = ui->dialDegrees->value();
    rec.numbers[1] = ui->comboOrientation->currentIndex();
}

void CFilterRotate::SetAngle(int angle)
{
    ui->dialDegrees->setValue(angle);
    ui->spinDegrees->setValue(angle);
}

void CFilterRotate::on_dialDegrees_valueChanged(int value)
{
    ui->spinDegrees->setValue(value);
    RestartPreview(kDelay);
}

void CFilterRotate::on_spinDegrees_valueChanged(int value)
{
    ui->dialDegrees->setValue(value);
    RestartPreview(kDelay);
}

void CFilterRotate::on_buttonRotateLeft_clicked()
{
    int a = ui->dialDegrees->value();
    if (a == 0)
        a = 360;
    SetAngle(a % 90 == 0 ? a - 90 : a / 90 * 90);
    RestartPreview(kDelay);
}

void CFilterRotate::on_buttonRotateRight_clicked()
{
    const int a = ui->dialDegrees->value() / 90 * 90 + 90;
    SetAngle(a == 360 ? 0 : a);
    RestartPreview(kDelay);
}

void CFilterRotate::on_comboOrientation_activated(int)
{
    RestartPreview(kDelay);
}
