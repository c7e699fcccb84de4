#include "ShotCheck.h"

#include "BqTestMain.h"
#include "CoreMetaTypes.h"
#include "HardwareProfile.h"
#include "MagickRuntime.h"
#include "Utils.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

QString IsolateShotProcess()
{
    const QString home = BqTest::IsolateEnvironment();
    CHardwareProfile::UseDesktopScaling();
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    return home;
}

QString StartShotRuntime(QApplication* app, const char* outArg)
{
    app->setQuitOnLastWindowClosed(false);
    StartMagickRuntime();
    RegisterCoreMetaTypes();
    const QString outDir = QString::fromLocal8Bit(outArg);
    QDir().mkpath(outDir);
    return outDir;
}

int VerifyShots(const QStringList& files, const QList<QSize>& sizes)
{
    int failures = 0;
    for (int i = 0; i < files.size(); ++i) {
        const QImage image(files.at(i));
        const QSize size = i < sizes.size() ? sizes.at(i) : QSize();
        bool flat = true;
        for (int y = 0; flat && y < image.height(); y += 3)
            for (int x = 0; flat && x < image.width(); x += 3)
                flat = image.pixel(x, y) == image.pixel(0, 0);
        if (image.isNull() || (size.isValid() && image.size() != size) || flat) {
            QTextStream(stderr) << "bad screenshot: " << files.at(i) << "\n";
            ++failures;
        }
    }
    return failures == 0 && !files.isEmpty() ? 0 : 1;
}
