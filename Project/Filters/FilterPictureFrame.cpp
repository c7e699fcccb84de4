#include "FilterPictureFrame.h"

#include "FitTexts.h"
#include "ui_CFilterPictureFrame.h"

CFilterPictureFrame::CFilterPictureFrame(QWidget* parent, int filterId)
    : CFilterFrameBase(parent, filterId, 2, {"Style 1", "Style 2", "Style 3", "Style 4"}),
      ui(new Ui::CFilterPictureFrame)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    Attach({ui->comboFrame, ui->CPBackgroundColor, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterPictureFrame::~CFilterPictureFrame()
{
    delete ui;
}
