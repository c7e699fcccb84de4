#include "FilterShapeFrame.h"

#include "EditorControls.h"
#include "FitTexts.h"
#include "ui_CFilterShapeFrame.h"

CFilterShapeFrame::CFilterShapeFrame(QWidget* parent, int filterId)
    : CFilterFrameBase(parent, filterId, 0, {"Rectangle", "Elipse", "Star", "Heart", "Cracked Glass", "Shield"}),
      ui(new Ui::CFilterShapeFrame)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    Attach({ui->comboFrame, ui->CPBackgroundColor, ui->checkTranspBackground, ui->checkRandomFrame, ui->comboEdges});
}

CFilterShapeFrame::~CFilterShapeFrame()
{
    delete ui;
}

void CFilterShapeFrame::InitControls()
{
    EditorControls::FillCombo(ui->comboEdges, {tr("Sharp"), tr("Blurred")});
    CFilterFrameBase::InitControls();
}

void CFilterShapeFrame::on_comboEdges_activated(int)
{
    RestartShort();
}
