#include "CoreMetaTypes.h"
#include "JobPaths.h"
#include "MagickRuntime.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "SignalCloser.h"
#include "Utils.h"

#include <QFile>

#include <cstdio>

namespace
{
void SayDisplayNeeded()
{
    const QString text = QCoreApplication::translate(
        "main", "A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, give a script to run: "
                "brandquill /path/to/job.bqs");
    std::fprintf(stderr, "brandquill: %s\n", text.toLocal8Bit().constData());
}

QtMessageHandler g_messages = nullptr;

// Qt's notes on the display it could not open: the fallback says it instead.
void DropUnreachableDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("could not connect to display")) &&
        !text.startsWith(QLatin1String("Could not load the Qt platform plugin")))
        g_messages(type, context, text);
}
} // namespace

int main(int argc, char** argv)
{
    const bool script = argc >= 2 && JobExtension(QFile::decodeName(argv[1])) == QLatin1String("bqs");
    // Without a display Qt's default platform aborts the process: a script
    // runs offscreen, and the window, which needs one, is not started.
    bool fallback = false;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            if (!script) {
                SayDisplayNeeded();
                return 1;
            }
            qputenv("QT_QPA_PLATFORM", "offscreen");
        } else if (qgetenv("XDG_SESSION_TYPE") != "wayland") {
            // A display that is set but cannot be opened (a stale DISPLAY
            // from cron or ssh, a Wayland socket that is gone) aborts the
            // same way: Qt tries the platform it would have chosen, then
            // offscreen. A Wayland session keeps Qt's own choice.
            qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
            fallback = true;
        }
    }
    SystemLogWrite(QStringLiteral("\n\nNew Session ") + QString(68, '-') + "\n");
    SystemLogWriteDate();
    // In place of QT_DEVICE_PIXEL_RATIO, which Qt 5.15 warns about.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);

    if (fallback)
        g_messages = qInstallMessageHandler(DropUnreachableDisplay);
    NativeLookingApplication app(argc, argv);
    if (fallback) {
        qInstallMessageHandler(g_messages);
        // Programs started from here choose their own platform.
        qunsetenv("QT_QPA_PLATFORM");
        if (NoDisplay() && !script) {
            SayDisplayNeeded();
            return 1;
        }
        // Before any translation is loaded, as the line above.
        if (NoDisplay())
            ReportOnStderr(QStringLiteral("The display cannot be opened: the script runs without a window."));
    }
    // ImageMagick reads its configuration folder only when it starts.
    StartMagickRuntime();
    RegisterCoreMetaTypes();

    MainWindow window(nullptr);
    if (argc >= 2)
        window.StartLoadingFileWindows(QFile::decodeName(argv[1]));
    CSignalCloser closer(&window);
    window.show();
    // A signal during a start-up dialog closed the window before the loop ran.
    if (closer.Requested()) {
        window.close();
        return 0;
    }
    return app.exec();
}
