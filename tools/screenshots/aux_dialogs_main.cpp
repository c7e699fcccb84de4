// bq-shots-auxdialogs OUTDIR: pictures of the auxiliary dialogs, the tip
// dialog and the tip balloons, in the light and then the dark palette.
#include "AuxDialogShots.h"
#include "BqTestMain.h"
#include "HardwareProfile.h"
#include "MagickRuntime.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QTextStream>

namespace
{
// A plain dark palette on Fusion, enough to see the dialogs on a dark theme
// in this program of their own; the window applies the product's real theme.
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), accent(0x26, 0xA3, 0xE2);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, accent);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    return p;
}
} // namespace

int main(int argc, char** argv)
{
    CHardwareProfile::UseDesktopScaling();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvelline"));
    QApplication::setApplicationName(QStringLiteral("Brandquill"));
    if (argc < 2) {
        QTextStream(stderr) << "usage: bq-shots-auxdialogs OUTDIR\n";
        return 2;
    }
    StartMagickRuntime();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    ShootAuxDialogs(outDir, false);
    QApplication::setPalette(DarkPalette());
    ShootAuxDialogs(outDir, true);
    return 0;
}
