#pragma once

#include <QObject>
#include <QString>

// What the interface needs to know about the display, read once at start:
// desktop size, colour depth, refresh rate, whether the screen is
// high-density, and the system version text.
class CHardwareProfile : public QObject
{
public:
    static CHardwareProfile* GetInstance();
    static void DeleteInstance();
    // Before the application object: the desktop's scale factor as it is,
    // 150 % as 1.5 rather than rounded up to 2, which would leave a 1920 x
    // 1080 screen 960 x 540 pixels to lay out.
    static void UseDesktopScaling();

    bool IsRetina() const { return retina; }
    // Reads the five display fields again; true.
    bool ReadDisplayConfig();
    // Appends the system version text ("" outside macOS 10.6 to 10.9); true.
    bool ReadOSVersion();
    // Kept for the callers' interface; they do nothing and return true.
    bool ReadSystemConfig();
    bool Is64BitWindows();

    quint16 screenWidth = 0;
    quint16 screenHeight = 0;
    quint8 screenDepth = 0;
    quint16 refreshRate = 0;
    bool retina = false;
    QString systemVersion;

protected:
    CHardwareProfile();
    ~CHardwareProfile() override;

private:
    static CHardwareProfile* s_pInstance;
};
