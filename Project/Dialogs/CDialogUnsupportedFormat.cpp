#include "CDialogUnsupportedFormat.h"

#include "FitTexts.h"
#include "ui_CDialogUnsupportedFormat.h"

CDialogUnsupportedFormat::CDialogUnsupportedFormat(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogUnsupportedFormat)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogUnsupportedFormat::~CDialogUnsupportedFormat()
{
    delete ui;
}

void CDialogUnsupportedFormat::SetUnsupportedFiles(const QStringList& files)
{
    ui->textFiles->setPlainText(files.join(QLatin1Char('\n')));
}

void CDialogUnsupportedFormat::on_buttonOk_clicked()
{
    accept();
}
