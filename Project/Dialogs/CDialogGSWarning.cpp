#include "CDialogGSWarning.h"

#include "FitTexts.h"
#include "ui_CDialogGSWarning.h"

CDialogGSWarning::CDialogGSWarning(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogGSWarning)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->buttonOK, &QPushButton::clicked, this, &QDialog::accept);
}

CDialogGSWarning::~CDialogGSWarning()
{
    delete ui;
}

int CDialogGSWarning::ShowDialog(const QString& extension)
{
    Q_UNUSED(extension)
    return 0;
}
