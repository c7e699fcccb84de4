#include "CoreMetaTypes.h"
#include "JobPaths.h"
#include "MagickRuntime.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "SignalCloser.h"
#include "Utils.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    // Without a display Qt's default platform aborts the process: a script
    // runs offscreen, and the window, which needs one, is not started.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (argc < 2 || JobExtension(QFile::decodeName(argv[1])) != QLatin1String("bqs")) {
            const QString text = QCoreApplication::translate(
                "main", "A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, give a script to run: "
                        "brandquill /path/to/job.bqs");
            std::fprintf(stderr, "brandquill: %s\n", text.toLocal8Bit().constData());
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    SystemLogWrite(QStringLiteral("\n\nNew Session ") + QString(68, '-') + "\n");
    SystemLogWriteDate();
    // In place of QT_DEVICE_PIXEL_RATIO, which Qt 5.15 warns about.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);

    NativeLookingApplication app(argc, argv);
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
