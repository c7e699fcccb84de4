#include "CDialogTip.h"

#include "AssetPixmap.h"
#include "FitTexts.h"
#include "ImageCache.h"
#include "Utils.h"
#include "ui_CDialogTip.h"

CDialogTip::CDialogTip(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogTip), m_imageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    const QPixmap banner = AssetPixmap(QStringLiteral("DialogTip-Banner.png"), 128);
    if (!banner.isNull())
        ui->labelImageWizard->setPixmap(banner);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogTip::~CDialogTip()
{
    delete ui;
}

int CDialogTip::exec()
{
    shown = GetRegistryInt(SettingKey(), 1) != 0;
    if (!shown)
        return 1;
    ui->textTip->setText(tipText);
    // The text wraps at the dialog's width; the dialog grows by the lines
    // that do not fit.
    layout()->activate();
    const int missing = ui->textTip->heightForWidth(ui->textTip->width()) - ui->textTip->height();
    if (missing > 0)
        setFixedHeight(height() + missing);
    ui->checkShow->setChecked(false);
    return QDialog::exec();
}

void CDialogTip::on_checkShow_clicked()
{
    SetRegistryInt(SettingKey(), ui->checkShow->isChecked() ? 0 : 1);
}

void CDialogTip::on_buttonOk_clicked()
{
    close();
}
