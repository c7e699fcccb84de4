#include "CDialogProfileSave.h"

#include "FitTexts.h"
#include "ui_CDialogProfileSave.h"

#include <QMessageBox>
#include <QTextDocument>
#include <QtMath>

CDialogProfileSave::CDialogProfileSave(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogProfileSave)
{
    ui->setupUi(this);
    // Room for four lines of description at any font.
    const int margins = 2 * (ui->editDesc->frameWidth() + qCeil(ui->editDesc->document()->documentMargin()));
    ui->editDesc->setMinimumHeight(4 * ui->editDesc->fontMetrics().lineSpacing() + margins);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogProfileSave::~CDialogProfileSave()
{
    delete ui;
}

int CDialogProfileSave::exec()
{
    ui->editName->setText(ProfileName);
    // setText decides between plain and rich text, so a description that
    // begins with a tag shows formatted and comes back as its plain text.
    ui->editDesc->setText(ProfileDescription);
    ui->editName->setFocus();
    return QDialog::exec();
}

void CDialogProfileSave::on_buttonOk_clicked()
{
    ProfileName = ui->editName->text();
    ProfileDescription = ui->editDesc->toPlainText();
    if (!ProfileName.isEmpty()) {
        accept();
        return;
    }
    QMessageBox::warning(this, QString(), tr("Please specify a name for the new profile"), QMessageBox::Ok);
}

void CDialogProfileSave::on_buttonCancel_clicked()
{
    reject();
}
