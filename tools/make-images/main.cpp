// Placeholder generator: writes an empty resource file until the drawings land.
#include <QDir>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QDir().mkpath(argv[1]);
    QFile qrc(QString::fromLocal8Bit(argv[1]) + "/interface-images.qrc");
    if (!qrc.open(QIODevice::WriteOnly))
        return 1;
    qrc.write("<RCC><qresource prefix=\"/\"></qresource></RCC>\n");
    return 0;
}
