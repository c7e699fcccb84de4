// bq-shots-runjobs OUTDIR: pictures of running jobs from the main window for
// a person to look at: the run questions, Save Profile As with the profile
// properties, the close question, the title after a load and the visible
// sample job in its processing dialog. Runs in a temporary home of its own;
// afterwards every file is read back (exists, its window's size, not one
// flat colour) and the exit status says whether all passed.
#include "BqTestMain.h"
#include "CDialogProfileSave.h"
#include "CScripts.h"
#include "HardwareProfile.h"
#include "CoreMetaTypes.h"
#include "ListImages.h"
#include "MagickRuntime.h"
#include "MainPanel2.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace
{
struct SShot {
    QString file;
    QSize size;
};

QString g_outDir;
QList<SShot> g_shots;

void Settle(QWidget* widget)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000 && !(widget->windowHandle() && widget->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// With `titleBar`, the window title is drawn above the picture as a title
// bar would show it (Xvfb runs no window manager to draw one).
void Shoot(QWidget* widget, const QString& name, bool titleBar = false)
{
    Settle(widget);
    // On a real screen the picture is what the screen shows.
    QPixmap picture = QGuiApplication::platformName() == QLatin1String("xcb")
                          ? widget->screen()->grabWindow(widget->winId())
                          : widget->grab();
    if (titleBar) {
        const int height = widget->fontMetrics().height() + 12;
        QPixmap framed(picture.width(), picture.height() + height);
        framed.fill(QColor(60, 63, 68));
        QPainter painter(&framed);
        painter.setPen(Qt::white);
        painter.setFont(widget->font());
        painter.drawText(QRect(0, 0, framed.width(), height), Qt::AlignCenter, widget->windowTitle());
        painter.drawPixmap(0, height, picture);
        painter.end();
        picture = framed;
    }
    const QString file = g_outDir + "/runjobs-" + name + ".png";
    picture.save(file);
    g_shots.append({file, picture.size()});
}

int Verify()
{
    int failures = 0;
    QTextStream err(stderr);
    for (const SShot& shot : qAsConst(g_shots)) {
        const QImage image(shot.file);
        bool flat = true;
        for (int y = 0; flat && y < image.height(); y += 3)
            for (int x = 0; flat && x < image.width(); x += 3)
                flat = image.pixel(x, y) == image.pixel(0, 0);
        if (image.isNull() || image.size() != shot.size || flat) {
            err << "bad screenshot: " << shot.file << "\n";
            ++failures;
        }
    }
    return failures == 0 && g_shots.size() == 8 ? 0 : 1;
}

// The window's boxes are shown as the user sees them, pictured, and answered.
void PictureBoxes(MainWindow& window, QMap<QString, QString>& names, QMessageBox::StandardButton answer)
{
    window.hooks.message = [&names, answer](QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) {
        QMessageBox box(icon, QString(), text, buttons, parent);
        box.setDefaultButton(defaultButton);
        box.show();
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            // The key's translation, with any text in place of its argument.
            QString pattern =
                QRegularExpression::escape(QCoreApplication::translate("MainWindow", qPrintable(it.key())));
            pattern.replace(QLatin1String("\\%1"), QLatin1String(".*"));
            if (QRegularExpression("\\A" + pattern, QRegularExpression::DotMatchesEverythingOption)
                    .match(text)
                    .hasMatch())
                Shoot(&box, it.value());
        }
        return answer == QMessageBox::NoButton ? defaultButton : answer;
    };
}

std::unique_ptr<MainWindow> NewWindow()
{
    QSettings store(organization, application);
    store.setValue("Settings/Settings.ShowStartupWizard", 0);
    store.setValue("Settings/CheckNew.AutoCheck", 0);
    store.setValue("GUI/MainWindow.ShowTipAfterProfile", 0);
    store.setValue("GUI/DialogSocial.Show", 0);
    store.sync();
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    // Shown even offscreen: these pictures are of what a user sees.
    window->hooks.unattended = false;
    window->show();
    return window;
}

void RunQuestions(const QString& photo)
{
    auto window = NewWindow();
    QMap<QString, QString> names{
        {"Ready to process %1 photos?", "ready-to-process"},
        {"You have selected to delete the source photos after writing the modified ones. Continue?", "delete-sources"},
        {"The selected folder does not exist, do you want to create it now?", "missing-folder"}};
    PictureBoxes(*window, names, QMessageBox::NoButton);
    QList<SImageRecord>& images = CListImages::GetInstance()->images;
    for (int i = 0; i < 3; ++i)
        images.append(SImageRecord{photo, QFileInfo(photo).path(), "photo", "jpg", i});
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFolderStruct = 0;
    profile->DestPath = QDir::tempPath() + "/shots/out";
    profile->DeleteSource = true;
    profile->Destination = 5; // the checks only: no batch
    profile->SaveOnDiskFacebook = true; // its output kept on disk, so its folder is checked
    window->OnPanelConvert(true);
}

void SaveAndClose()
{
    auto window = NewWindow();
    QMap<QString, QString> names{{"Would you like to save your settings?", "close-question"}};
    PictureBoxes(*window, names, QMessageBox::Cancel);
    const QString folder = GetMyDocuments() + "/Brandquill/Profiles";
    window->hooks.saveFileName = [&](QWidget* parent, const QString& caption, const QString& proposed,
                                     const QString& filter, const QString& suffix) {
        QFileDialog dialog(parent, caption, proposed, filter);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(proposed);
        dialog.show();
        Shoot(&dialog, "save-profile-as");
        return folder + "/Web Gallery";
    };
    window->hooks.runDialog = [](QDialog* dialog) {
        auto* properties = qobject_cast<CDialogProfileSave*>(dialog);
        if (!properties)
            return 0;
        properties->ProfileName = "Web Gallery";
        properties->ProfileDescription = "Photos for the web site: 1024 pixels, a thin white border.";
        // exec() fills the fields from the members; here they are shown as it would.
        QTimer::singleShot(0, properties, [properties] {
            Shoot(properties, "profile-properties");
            properties->reject();
        });
        properties->exec();
        properties->ProfileName = "Web";
        return 1;
    };
    window->on_actionSave_Profile_As_triggered();
    window->Panel2()->changed = true;
    emit window->Panel2()->SignalChanges();
    Settle(window.get());
    Shoot(window.get(), "title-after-load", true);
    QCloseEvent event;
    QApplication::sendEvent(window.get(), &event);
    window->Panel2()->changed = false;
}

void SampleRun(const QString& samples)
{
    const QString folder = QDir::tempPath() + "/shots/sample";
    QDir().mkpath(folder + "/photos");
    QFile::copy(samples + "/sample-job.bqs", folder + "/sample-job.bqs");
    for (int i = 1; i <= 4; ++i)
        QFile::copy(samples + QString("/photos/sample-%1.jpg").arg(i),
                    folder + QString("/photos/sample-%1.jpg").arg(i));
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    window->hooks.unattended = false;
    window->hooks.exitProcess = [](int) {};
    window->hooks.processHooks.openUrl = [](const QUrl&) {};
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* button = widget->findChild<QPushButton*>("buttonOKCancel");
            if (widget->isVisible() && button && button->text() == QLatin1String("OK")) {
                poll.stop();
                Shoot(widget, "processing-sample");
                button->click();
            }
        }
    });
    poll.start();
    window->StartLoadingFileWindows(folder + "/sample-job.bqs");
    window->show();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bq-shots-runjobs OUTDIR\n");
        return 2;
    }
    BqTest::IsolateEnvironment();
    CHardwareProfile::UseDesktopScaling();
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    NativeLookingApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    app.setQuitOnLastWindowClosed(false);
    StartMagickRuntime();
    RegisterCoreMetaTypes();
    g_outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_outDir);

    RunQuestions(QStringLiteral(BQ_SAMPLES_DIR "/photos/sample-1.jpg"));
    SaveAndClose();
    SampleRun(QStringLiteral(BQ_SAMPLES_DIR));
    return Verify();
}
