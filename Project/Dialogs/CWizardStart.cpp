#include "CWizardStart.h"

#include "BrandquillVersion.h"
#include "FitTexts.h"
#include "ImageCache.h"
#include "UserProfile.h"
#include "Utils.h"
#include "WebAddresses.h"
#include "ui_CWizardStart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace
{
// The banner is drawn without words but the product's name, so that its
// subtitle follows the window's language: it goes under the name here, on
// two lines at most, in a smaller size where a language needs more room.
QPixmap WithSubtitle(QImage banner, const QString& subtitle)
{
    if (banner.isNull())
        return QPixmap();
    const QRectF room(6, 204, banner.width() - 12, 32);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    QFont font(QStringLiteral("DejaVu Sans"));
    for (int pixels = 10; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        const QRectF need = QFontMetricsF(font).boundingRect(room, flags, subtitle);
        if (need.height() <= room.height() && need.width() <= room.width())
            break;
    }
    banner = banner.convertToFormat(QImage::Format_ARGB32_Premultiplied); // a PNG may load as indexed
    QPainter p(&banner);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(room, flags, subtitle);
    p.end();
    return QPixmap::fromImage(banner);
}
} // namespace

CWizardStart::CWizardStart(QWidget* parent)
    : QWizard(parent), ui(new Ui::CWizardStart), m_profile(CUserProfile::GetInstance())
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    // The banner has no double-resolution variant: asking for one would cache
    // a null image on a high-density screen.
    setPixmap(QWizard::WatermarkPixmap,
              WithSubtitle(CImageCache::GetInstance()->GetAsset(QStringLiteral("WizardStart-Wizard.png"), false, false),
                           tr("Batch photo processing")));
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
