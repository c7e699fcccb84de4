#include "CDialogTip.h"

#include "ImageCache.h"
#include "Utils.h"
#include "ui_CDialogTip.h"

#include <QPixmap>

CDialogTip::CDialogTip(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogTip), m_imageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    QPixmap banner = QPixmap::fromImage(m_imageCache->GetAsset(QStringLiteral("DialogTip-Banner.png"), false, true));
    if (!banner.isNull()) {
        // The double-resolution banner keeps its 128-pixel layout size.
        if (banner.width() > 128)
            banner.setDevicePixelRatio(banner.width() / 128.0);
        ui->labelImageWizard->setPixmap(banner);
    }
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
