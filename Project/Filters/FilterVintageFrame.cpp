#include "FilterVintageFrame.h"

#include "FitTexts.h"
#include "ui_CFilterVintageFrame.h"

CFilterVintageFrame::CFilterVintageFrame(QWidget* parent, int filterId)
    : CFilterFrameBase(
          parent, filterId, 3,
          {"Style 1", "Style 2", "Style 3", "Style 4", "Style 5", "Style 6", "Style 7", "Style 8", "Style 9"}),
      ui(new Ui::CFilterVintageFrame)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    Attach({ui->comboFrame, ui->CPBackgroundColor, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterVintageFrame::~CFilterVintageFrame()
{
    delete ui;
}
