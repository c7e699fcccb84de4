#include "CDialogSaveProject.h"

#include "FitTexts.h"
#include "Utils.h"
#include "ui_CDialogSaveProject.h"

namespace
{
const char kShowKey[] = "GUI/bShowSaveProject";
}

CDialogSaveProject::CDialogSaveProject(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogSaveProject)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogSaveProject::~CDialogSaveProject()
{
    delete ui;
}

int CDialogSaveProject::exec()
{
    if (GetRegistryInt(QLatin1String(kShowKey), 1) == 0) {
        setResult(QDialog::Accepted);
        return QDialog::Accepted;
    }
    return QDialog::exec();
}

void CDialogSaveProject::reject()
{
    bCancel = true;
    QDialog::reject();
}

void CDialogSaveProject::on_buttonYes_clicked()
{
    bYes = true;
    accept();
}

void CDialogSaveProject::on_buttonNo_clicked()
{
    bNo = true;
    if (ui->checkDontAsk->isChecked())
        SetRegistryInt(QLatin1String(kShowKey), 0);
    accept();
}

void CDialogSaveProject::on_buttonCancel_clicked()
{
    reject();
}
