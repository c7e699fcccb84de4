#include "CoreMetaTypes.h"
#include "HardwareProfile.h"
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
// `display`: the one that could not be opened, or "" when none is set.
void SayDisplayNeeded(const QString& display)
{
    const QString text =
        display.isEmpty()
            ? QCoreApplication::translate("main", "A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, "
                                                  "give a script to run: brandquill /path/to/job.bqs")
            : QCoreApplication::translate("main", "The display %1 could not be opened, and the window needs one; "
                                                  "without it, give a script to run: brandquill /path/to/job.bqs")
                  .arg(display);
    std::fprintf(stderr, "brandquill: %s\n", text.toLocal8Bit().constData());
}

QString DisplayNamed()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    return display.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : display;
}

QtMessageHandler g_messages = nullptr;
// While Qt tries the display, then offscreen: a note that is noise only under
// offscreen waits here until it is known which of the two opened.
bool g_trying = false;
QStringList g_held;

// What offscreen lacks (window sizes, opacity, opening a document: the
// program says what it could not open) and the runtime folder Qt picked
// itself, as under cron: nobody watches a script run offscreen.
bool OffscreenNote(const QString& text)
{
    return text.startsWith(QLatin1String("This plugin does not support ")) ||
           text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '"));
}

// Installed only when offscreen was chosen, by the program or its caller, or
// the program may fall back to it.
// Qt's lines on the display it could not open are dropped: the fallback says it.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (g_trying && (text.startsWith(QLatin1String("could not connect to display")) ||
                     text.startsWith(QLatin1String("Failed to create wl_display")) ||
                     text.startsWith(QLatin1String("Could not load the Qt platform plugin"))))
        return;
    // A missing wayland plugin matters only when another display opened.
    if (g_trying && text.startsWith(QLatin1String("Could not find the Qt platform plugin")))
        g_held << text;
    else if (type != QtWarningMsg || !OffscreenNote(text))
        g_messages(type, context, text);
    else if (g_trying)
        g_held << text;
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
                SayDisplayNeeded(QString());
                return 1;
            }
            qputenv("QT_QPA_PLATFORM", "offscreen");
            g_messages = qInstallMessageHandler(DropPlatformNotes);
        } else {
            // A display that is set but cannot be opened (a stale DISPLAY
            // from cron or ssh, a Wayland socket that is gone) aborts the
            // same way: Qt tries the platforms it would have chosen, in its
            // order (a Wayland session puts wayland first), then offscreen.
            const bool wayland = qgetenv("XDG_SESSION_TYPE") == "wayland";
            qputenv("QT_QPA_PLATFORM", wayland ? "wayland;xcb;offscreen" : "xcb;offscreen");
            fallback = true;
        }
    } else if (qgetenv("QT_QPA_PLATFORM").split(':').first() == "offscreen") {
        g_messages = qInstallMessageHandler(DropPlatformNotes);
    }
    SystemLogWrite(QStringLiteral("\n\nNew Session ") + QString(68, '-') + "\n");
    SystemLogWriteDate();
    // In place of QT_DEVICE_PIXEL_RATIO, which Qt 5.15 warns about.
    CHardwareProfile::UseDesktopScaling();
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);

    if (fallback) {
        g_trying = true;
        g_messages = qInstallMessageHandler(DropPlatformNotes);
    }
    NativeLookingApplication app(argc, argv);
    if (fallback) {
        g_trying = false;
        if (!NoDisplay()) {
            qInstallMessageHandler(g_messages);
            for (const QString& note : qAsConst(g_held))
                g_messages(QtWarningMsg, QMessageLogContext(), note);
        }
        g_held.clear();
        // Programs started from here choose their own platform.
        qunsetenv("QT_QPA_PLATFORM");
        if (NoDisplay() && !script) {
            SayDisplayNeeded(DisplayNamed());
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
