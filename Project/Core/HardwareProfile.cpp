#include "HardwareProfile.h"

#include <QGuiApplication>
#include <QScreen>

#ifdef Q_OS_MACOS
#include <QOperatingSystemVersion>
#endif

CHardwareProfile* CHardwareProfile::s_pInstance = nullptr;

void CHardwareProfile::UseDesktopScaling()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

CHardwareProfile* CHardwareProfile::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CHardwareProfile();
    return s_pInstance;
}

void CHardwareProfile::DeleteInstance()
{
    delete s_pInstance;
    s_pInstance = nullptr;
}

CHardwareProfile::CHardwareProfile()
{
    ReadDisplayConfig();
    ReadOSVersion();
}

CHardwareProfile::~CHardwareProfile() = default;

bool CHardwareProfile::ReadDisplayConfig()
{
    // QScreen rather than QDesktopWidget, which is deprecated in Qt 5.15.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        // The desktop spans every screen, in device-independent pixels.
        const QRect desktop = screen->virtualGeometry();
        screenWidth = quint16(desktop.right() - desktop.left() + 1);
        screenHeight = quint16(desktop.bottom() - desktop.top() + 1);
        screenDepth = quint8(screen->depth());
        refreshRate = quint16(screen->refreshRate());
    } else {
        screenWidth = screenHeight = 0;
        screenDepth = 0;
        refreshRate = 0;
    }
    retina = qApp && qApp->devicePixelRatio() >= 2.0;
    return true;
}

bool CHardwareProfile::ReadOSVersion()
{
#ifdef Q_OS_MACOS
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    if (os.majorVersion() == 10 && os.minorVersion() >= 6 && os.minorVersion() <= 9)
        systemVersion += "Mac OSX 10." + QString::number(os.minorVersion());
#endif
    return true;
}

bool CHardwareProfile::ReadSystemConfig()
{
    return true;
}

bool CHardwareProfile::Is64BitWindows()
{
    return true;
}
