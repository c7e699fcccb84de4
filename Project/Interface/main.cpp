#include "CoreMetaTypes.h"
#include "MagickRuntime.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "SignalCloser.h"
#include "Utils.h"

#include <QFile>

int main(int argc, char** argv)
{
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
