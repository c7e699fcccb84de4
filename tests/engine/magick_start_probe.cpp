// Starts the ImageMagick runtime as the program does and prints the memory
// limit it ended with. The runtime test runs copies of it from folders with
// and without a policy beside them.
#include "MagickRuntime.h"

#include <QCoreApplication>
#include <QTextStream>

#include <Magick++.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StartMagickRuntime();
    QTextStream(stdout) << QString::number(static_cast<qulonglong>(Magick::ResourceLimits::memory())) << "\n";
    return 0;
}
