#include "FilterBlank.h"

#include "FitTexts.h"
#include "ui_FilterBlank.h"

CFilterBlank::CFilterBlank(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::FilterBlank)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
}

CFilterBlank::~CFilterBlank()
{
    delete ui;
}

void CFilterBlank::Initialize()
{
    RestartPreview(0);
}

void CFilterBlank::Load(SFilterRecord, bool startPreview)
{
    if (startPreview)
        RestartPreview(0);
}

void CFilterBlank::Save(SFilterRecord& rec)
{
    rec.numberCount = 0;
}
