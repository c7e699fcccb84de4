#include "MagickRuntime.h"

#include "ResourceRoot.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <Magick++.h>

bool StartMagickRuntime()
{
    static bool started = false;
    static bool policyFound = false;
    if (started)
        return policyFound;
    started = true;

    const QString root = ResourceRoot();
    policyFound = QFile::exists(root + "/policy.xml");
    if (!policyFound)
        QTextStream(stderr) << "ImageMagick policy not found in " << root << "; using the system limits\n";

    // ImageMagick reads MAGICK_CONFIGURE_PATH only while it initialises.
    qputenv("MAGICK_CONFIGURE_PATH", root.toUtf8());
    const QByteArray app = QCoreApplication::applicationFilePath().toUtf8();
    Magick::InitializeMagick(app.constData());

    // Pixel caches beyond the policy's memory limit go to disk: into the
    // per-user private folder, not the shared system one, unless the caller
    // named a folder for them.
    if (qEnvironmentVariableIsEmpty("MAGICK_TEMPORARY_PATH")) {
        const QByteArray folder = QFile::encodeName(BrandquillTempFolder());
        MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
        if (!folder.isEmpty())
            MagickCore::SetImageRegistry(MagickCore::StringRegistryType, "temporary-path", folder.constData(),
                                         exception);
        MagickCore::DestroyExceptionInfo(exception);
    }
    return policyFound;
}

QString MagickLibraryVersion()
{
    // The library names itself "ImageMagick <version> <quantum> <arch> ...".
    const QString text = QString::fromUtf8(MagickCore::GetMagickVersion(nullptr));
    return text.section(QLatin1Char(' '), 1, 1);
}
