#include "FilterGrungeFrame.h"

#include "FitTexts.h"
#include "ui_CFilterGrungeFrame.h"

CFilterGrungeFrame::CFilterGrungeFrame(QWidget* parent, int filterId)
    : CFilterFrameBase(parent, filterId, 1, {"Grunge 1", "Grunge 2", "Grunge 3", "Grunge 4", "Grunge 5", "Grunge 6"}),
      ui(new Ui::CFilterGrungeFrame)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    Attach({ui->comboFrame, ui->CPBackgroundColor, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterGrungeFrame::~CFilterGrungeFrame()
{
    delete ui;
}
