#include "AuxDialogShots.h"

#include "CDialogAbout.h"
#include "CDialogSaveProject.h"
#include "CDialogSearch.h"
#include "CDialogSocial.h"
#include "CDialogTip.h"
#include "CDialogUnsupportedFormat.h"
#include "CTextWidget.h"
#include "CWizardStart.h"
#include "Utils.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

namespace
{
void Settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Waits until the window is on screen and painted, then writes its picture.
bool Shoot(QWidget* window, const QString& path)
{
    const auto report = [&path](bool saved) {
        if (!saved)
            QTextStream(stderr) << "could not write " << path << "\n";
        return saved;
    };
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000 && !(window->windowHandle() && window->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    Settle(300);
    const QPixmap picture = QGuiApplication::platformName() == QLatin1String("xcb")
                                ? window->screen()->grabWindow(window->winId())
                                : window->grab();
    return report(!picture.isNull() && picture.save(path));
}

// Runs the dialog's own exec(), so that it is filled as its callers see it;
// once on screen it is photographed and rejected.
bool ShootModal(QDialog& dialog, const QString& path)
{
    bool saved = false;
    QTimer::singleShot(0, &dialog, [&] {
        saved = Shoot(&dialog, path);
        dialog.reject();
    });
    dialog.exec();
    return saved;
}

// A balloon on a plain window of its own size, as it floats over a page.
bool ShootBalloon(int shape, const QSize& size, const QString& text, const QString& path)
{
    QWidget host;
    host.setWindowTitle(QStringLiteral("Balloon"));
    CTextWidget balloon(&host);
    balloon.SetShape(GenerateInfoBaloon(shape));
    balloon.SetParagraphs({text});
    balloon.resize(size);
    balloon.GrowToText(); // as the window shows it
    host.setFixedSize(balloon.size());
    host.show();
    const bool saved = Shoot(&host, path);
    host.hide();
    return saved;
}
} // namespace

void ShootAuxDialogs(const QString& outDir, bool dark)
{
    QDir().mkpath(outDir);
    const QString suffix = dark ? QStringLiteral("-dark.png") : QStringLiteral("-light.png");
    const auto file = [&](const char* name) { return QDir(outDir).filePath(QLatin1String("aux-") + name + suffix); };

    {
        CWizardStart wizard;
        ShootModal(wizard, file("wizard-start"));
    }
    {
        CDialogSaveProject prompt;
        ShootModal(prompt, file("save-settings"));
    }
    {
        CDialogAbout about;
        ShootModal(about, file("about"));
    }
    {
        CDialogSocial social;
        ShootModal(social, file("share"));
    }
    {
        CDialogSearch search;
        ShootModal(search, file("search"));
    }
    {
        CDialogUnsupportedFormat unsupported;
        unsupported.SetUnsupportedFiles({QStringLiteral("/home/me/Pictures/Trip/notes.txt"),
                                         QStringLiteral("/home/me/Pictures/Trip/clip.mov"),
                                         QStringLiteral("/home/me/Pictures/Trip/scan.xyz")});
        ShootModal(unsupported, file("unsupported"));
    }
    {
        CDialogTip tip;
        tip.tipKey = QStringLiteral("Screenshots.ShowTip");
        tip.tipText = QCoreApplication::translate(
            "CCheckNew", "Brandquill will now look for a newer version on the Internet. You can change how often it "
                         "checks, or turn the check off, in Settings.");
        ShootModal(tip, file("tip"));
    }
    ShootBalloon(1, QSize(247, 55), QCoreApplication::translate("CMainPanel1", "Add the photos you want to edit"),
                 file("balloon-1"));
    ShootBalloon(2, QSize(200, 80),
                 QCoreApplication::translate("CMainPanel1",
                                             "Go to Step 2 and define the edits you want to apply to your photos"),
                 file("balloon-2"));
}
