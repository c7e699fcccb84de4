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
