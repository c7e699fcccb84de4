#include "CDialogAbout.h"

#include "AssetPixmap.h"
#include "BrandquillVersion.h"
#include "FitTexts.h"
#include "MagickRuntime.h"
#include "ui_CDialogAbout.h"

CDialogAbout::CDialogAbout(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogAbout)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    ui->labelIcon->setPixmap(AssetPixmap(QStringLiteral("AppIcon-128.png"), 128));
    // The form's texts are translated by setupUi; only the numbers go in here.
    ui->labelVersion->setText(ui->labelVersion->text().arg(QStringLiteral(BRANDQUILL_VERSION)));
    ui->labelLibraries->setText(
        ui->labelLibraries->text().arg(QString::fromLatin1(qVersion()), MagickLibraryVersion()));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogAbout::~CDialogAbout()
{
    delete ui;
}

void CDialogAbout::on_buttonOk_clicked()
{
    accept();
}
