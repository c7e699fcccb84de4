#include "CDialogSocial.h"

#include "AssetPixmap.h"
#include "FitTexts.h"
#include "Utils.h"
#include "WebAddresses.h"
#include "ui_CDialogSocial.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QUrl>
#include <QUrlQuery>

namespace
{
const char kShowKey[] = "GUI/DialogSocial.Show";
const char kSheet[] = "Icons-Social.png";
} // namespace

CDialogSocial::CDialogSocial(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogSocial)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    QToolButton* buttons[] = {ui->buttonMail, ui->buttonCopyLink, ui->buttonWebSite};
    for (int i = 0; i < 3; ++i)
        buttons[i]->setIcon(QIcon(AssetSheetCell(QLatin1String(kSheet), i, 48)));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogSocial::~CDialogSocial()
{
    delete ui;
}

int CDialogSocial::exec()
{
    if (GetRegistryInt(QLatin1String(kShowKey), 1) == 0)
        return 0;
    return QDialog::exec();
}

QUrl CDialogSocial::MailUrl()
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), tr("Try Brandquill"));
    query.addQueryItem(QStringLiteral("body"),
                       tr("I edit many photos at once with Brandquill: %1").arg(QLatin1String(kBrandquillWebSite)));
    QUrl url(QStringLiteral("mailto:"));
    url.setQuery(query);
    return url;
}

void CDialogSocial::on_buttonMail_clicked()
{
    OpenOnDesktop(MailUrl());
}

void CDialogSocial::on_buttonCopyLink_clicked()
{
    QApplication::clipboard()->setText(QLatin1String(kBrandquillWebSite));
}

void CDialogSocial::on_buttonWebSite_clicked()
{
    OpenOnDesktop(QUrl(QLatin1String(kBrandquillWebSite)));
}

void CDialogSocial::on_checkDontShow_clicked()
{
    SetRegistryInt(QLatin1String(kShowKey), ui->checkDontShow->isChecked() ? 0 : 1);
}

void CDialogSocial::on_buttonClose_clicked()
{
    accept();
}
