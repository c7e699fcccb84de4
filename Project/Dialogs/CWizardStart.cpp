#include "CWizardStart.h"

#include "BrandquillVersion.h"
#include "FitTexts.h"
#include "ImageCache.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WebAddresses.h"
#include "ui_CWizardStart.h"

#include <QPixmap>
#include <QUrl>

CWizardStart::CWizardStart(QWidget* parent)
    : QWizard(parent), ui(new Ui::CWizardStart), m_profile(CUserProfile::GetInstance())
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    // The banner has no double-resolution variant: asking for one would cache
    // a null image on a high-density screen.
    setPixmap(QWizard::WatermarkPixmap, QPixmap::fromImage(CImageCache::GetInstance()->GetAsset(
                                            QStringLiteral("WizardStart-Wizard.png"), false, false)));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CWizardStart::~CWizardStart()
{
    delete ui;
}

int CWizardStart::exec()
{
    if (!m_profile->ShowStartupWizard)
        return 0;
    return QWizard::exec();
}

void CWizardStart::done(int result)
{
    m_profile->ShowStartupWizard = ui->checkShowAtStart->isChecked();
    QWizard::done(result);
}

QUrl CWizardStart::TourUrl()
{
    return QUrl(QLatin1String(kBrandquillWebSite) + QStringLiteral("welcome.html?") + GetDownloadSourceName() +
                QStringLiteral("v=") + QStringLiteral(BRANDQUILL_VERSION));
}

void CWizardStart::on_buttonTour_clicked()
{
    OpenOnDesktop(TourUrl());
}
