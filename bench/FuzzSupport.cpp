#include "FuzzSupport.h"

#include "BqTestMain.h"
#include "MagickRuntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <Magick++.h>

#include <cstdio>
#include <cstdlib>

namespace BqTest
{

namespace
{
[[noreturn]] void Stop(const char* what)
{
    std::fprintf(stdout, "fuzz driver: %s\n", what);
    std::fflush(stdout);
    std::abort();
}
} // namespace

QString StartEngineFuzzer(int* argc, char*** argv, void (*seed)(const QString& folder))
{
    const QString home = IsolateEnvironment();
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QCoreApplication app(qtArgc, qtArgv);
    CheckSettingsIsolated();
    if (!StartMagickRuntime())
        Stop("the ImageMagick policy was not found");
    // The program's policy lets pixel caches take 3 GiB of memory, which a
    // small hostile file can fill (a GIF of 80 KB does); here the caches
    // beyond 512 MiB go to the disk, as they do beyond 3 GiB in a run, so
    // that the fuzzer's memory limit catches the program's own allocations.
    Magick::ResourceLimits::memory(MagickCore::MagickSizeType(512) << 20);
    // The first argument that is no option names the corpus folder.
    for (int i = 1; i < *argc; ++i) {
        const char* arg = (*argv)[i];
        if (arg[0] == '-')
            continue;
        QDir folder(QString::fromLocal8Bit(arg));
        if (folder.exists() && folder.isEmpty())
            seed(folder.path());
        break;
    }
    return home;
}

void WriteFuzzInput(const QString& path, const uint8_t* data, size_t size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        Stop("cannot write the input");
}

} // namespace BqTest
