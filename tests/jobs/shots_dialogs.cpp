// bq-shots-dialogs <folder>: pictures of the profile browser, the profile
// save, settings and format options dialogs as a user sees them, for looking at layout, texts
// and icons. Each dialog runs modally and is grabbed from inside its loop:
// from the screen under xcb (what the window system shows), with
// QWidget::grab() elsewhere. Exits non-zero when a picture is missing, has
// the wrong size or is blank.
#include "BqTestMain.h"
#include "CDialogProfileSave.h"
#include "CDialogProfileSelection.h"
#include "CFormatSettings.h"
#include "CScripts.h"
#include "CSettings.h"
#include "FilterDescriptions.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "MagickRuntime.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <cstdio>
#include <functional>

namespace
{

QString g_folder;
int g_failures = 0;

// Lets the window system map and paint the window; a hang guard, not a
// timing check: the picture is taken as soon as the window is exposed.
void Settle(QWidget& window)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000 && !(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

QPixmap Grab(QWidget& window)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        if (QScreen* screen = window.windowHandle() ? window.windowHandle()->screen() : nullptr)
            return screen->grabWindow(window.winId());
    return window.grab();
}

int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 8; y += 2)
        for (int x = 0; x < image.width() && colours.size() < 8; x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

// Runs `dialog` modally; `prepare` sets it up from inside its loop, then the
// picture is saved as `name` and the dialog rejected.
void Shoot(QDialog& dialog, const QString& name, const QSize& size, const std::function<void()>& prepare,
           const std::function<int()>& exec)
{
    QTimer::singleShot(0, &dialog, [&] {
        if (prepare)
            prepare();
        Settle(dialog);
        const QPixmap picture = Grab(dialog);
        const QString path = g_folder + "/" + name;
        const QImage image = picture.toImage();
        const QSize logical = image.size() / qMax<qreal>(1, picture.devicePixelRatio());
        if (!picture.save(path)) {
            std::fprintf(stderr, "%s: not written\n", qPrintable(path));
            ++g_failures;
        } else if (logical != size.expandedTo(dialog.minimumSize())) { // the form's, or what its texts need
            std::fprintf(stderr, "%s: %dx%d, expected %dx%d\n", qPrintable(name), logical.width(), logical.height(),
                         size.width(), size.height());
            ++g_failures;
        } else if (DistinctColours(image) < 8) {
            std::fprintf(stderr, "%s: blank\n", qPrintable(name));
            ++g_failures;
        } else {
            std::printf("%s %dx%d\n", qPrintable(name), logical.width(), logical.height());
        }
        dialog.reject();
    });
    exec();
}

void ShootFormatPages()
{
    // Titles as the output step gives them.
    const QStringList titles = {"BMP", KeepOriginalFormatText(), "GIF", "JP2", "JPG", "PDF", "PNG", "TIF", "MIFF"};
    for (int page = 0; page < titles.size(); ++page) {
        CFormatSettings dialog;
        dialog.FormatPage = page;
        dialog.setWindowTitle(titles[page]);
        Shoot(dialog, QString("format-page%1.png").arg(page), QSize(401, 300), nullptr, [&] { return dialog.exec(); });
    }
}

void ShootSettings()
{
    for (int tab = 0; tab < 2; ++tab) {
        CSettings dialog;
        Shoot(
            dialog, tab ? "settings-formats.png" : "settings-general.png", QSize(500, 380),
            [&] { dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(tab); }, [&] { return dialog.exec(); });
    }
}

void ShootProfileSave()
{
    CDialogProfileSave dialog;
    dialog.ProfileName = "My Web Profile";
    dialog.ProfileDescription = "Smaller photos with a copyright line,\nready for the web.";
    Shoot(dialog, "profile-save.png", QSize(290, 245), nullptr, [&] { return dialog.exec(); });
}

// The shipped built-ins beside one profile of the user's own.
bool ShootBrowser()
{
    const QString folder = GetMyDocuments() + "/Brandquill/Profiles";
    if (!QDir().mkpath(folder))
        return false;
    CScripts writer(folder + "/My Web Profile.bqf");
    writer.ProfileHeader.Name = "My Web Profile";
    writer.ProfileHeader.Description = "Smaller photos with a copyright line, ready for the web.";
    if (!writer.Save(CScripts::ModeProfile))
        return false;
    for (int page : {0, 3}) {
        CDialogProfileSelection dialog;
        Shoot(
            dialog, QString("browser-page%1.png").arg(page), QSize(585, 475),
            [&] {
                if (page == 3)
                    dialog.findChild<QToolButton*>("buttonOutput")->click();
            },
            [&] { return dialog.exec(); });
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    BqTest::IsolateEnvironment();
    QApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    if (argc < 2) {
        std::fprintf(stderr, "usage: bq-shots-dialogs <folder>\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);
    if (!StartMagickRuntime())
        return 1;
    CImageCache::GetInstance()->retina = CHardwareProfile::GetInstance()->IsRetina();
    CImageCache::GetInstance()->ThemeId = 0;
    CUserProfile::GetInstance()->ReadRegistrySettings();
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();

    if (!ShootBrowser()) {
        std::fprintf(stderr, "the user profile could not be written\n");
        ++g_failures;
    }
    ShootProfileSave();
    ShootSettings();
    ShootFormatPages();
    return g_failures == 0 ? 0 : 1;
}
