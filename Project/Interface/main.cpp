// Temporary entry point: starts the core and reports what it loaded.
#include "MagickRuntime.h"

#include <QApplication>
#include <QTextStream>

#include <Magick++.h>

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName("Quorvelline");
    QCoreApplication::setApplicationName("Brandquill");
    QApplication app(argc, argv);
    StartMagickRuntime();
    QTextStream out(stdout);
    out << "ImageMagick quantum depth " << QString::number(MAGICKCORE_QUANTUM_DEPTH) << "\n";
    return 0;
}
