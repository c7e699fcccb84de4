// The auxiliary dialogs the window opens: the start wizard at start and the
// About box from the Help menu. Until the dialogs themselves exist, plain
// message boxes stand in for them, with the same modality and parent, in
// English only.
#include "MainWindow.h"

#include "BrandquillVersion.h"
#include "ImageCache.h"
#include "UserProfile.h"

#include <QMessageBox>
#include <QPixmap>

void MainWindow::RunStartWizard()
{
    if (!m_userProfile->ShowStartupWizard)
        return;
    QMessageBox wizard(QMessageBox::NoIcon, QStringLiteral("Welcome to Brandquill"),
                       QStringLiteral("1 Add Photos, 2 Edit Photos, 3 Setup, then Process."), QMessageBox::Ok, this);
    wizard.exec();
}

void MainWindow::RunAboutBox()
{
    QMessageBox about(QMessageBox::NoIcon, QStringLiteral("About Brandquill"),
                      QStringLiteral("Brandquill\n") +
                          QStringLiteral("Version %1").arg(QStringLiteral(BRANDQUILL_VERSION)),
                      QMessageBox::Ok, this);
    QPixmap icon = QPixmap::fromImage(m_imageCache->GetAsset(QStringLiteral("AppIcon-128.png"), false, true));
    icon.setDevicePixelRatio(qMax(1.0, icon.width() / 128.0));
    about.setIconPixmap(icon);
    about.exec();
}
