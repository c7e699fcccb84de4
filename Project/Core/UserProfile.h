#pragma once

#include "JobSettings.h"

#include <QMutex>
#include <QObject>
#include <QString>

// Every setting of the current job and every application setting, plus the
// run state and the live preview status. The panels, dialogs, job files and
// workers read and write the public fields directly. Application settings
// come from the settings store once at start (ReadRegistrySettings) and go
// back once, when the object is destroyed.
class CUserProfile : public QObject, public SJobSettings
{
    Q_OBJECT

public:
    static CUserProfile* GetInstance();
    // Destroys the object, which writes the application settings.
    static void DeleteInstance();

    void ReadRegistrySettings();
    void WriteRegistrySettings();
    void SetDefaultCustomProfile();

    // Called from preview threads as well as the GUI thread; both take the
    // preview lock and emit UpdateStatusBar() after releasing it.
    void SetPreviewProgress(int percent);
    void SetPreviewComment(const QString& text);
    // Reads progress and comment as one consistent pair.
    void GetPreviewStatus(int& progress, QString& comment) const;

    // Monitor block: filled only from job files, never snapshotted.
    QString Id;
    QString Name;
    QString Folder;
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;
    quint8 PicCount = 0;
    QString Host;
    bool Type = false;

    // Run state.
    qint64 LaunchCounter = 0;
    int RunCount = 0;
    bool RunFromScript = false;
    bool SilentRun = false;
    bool ProcessEnvCVLog = true;
    bool MonitorMode = false;
    bool BuiltInProfileLoaded = false;

    // Application settings. The constructor gives them their store defaults,
    // so a destroy without a read writes those defaults, not zeros.
    int LanguageId = 1033;
    int ThemeId = 0;
    bool UseMulticore = true;
    bool ContextualMenu = true;
    bool ShowProfiles = false;
    bool ShowStartupWizard = true;
    bool MonitorLaunch = true;
    bool CheckNewAutoCheck = true;
    int RawDemosaic = 0;
    int RawWhiteBalance = 0;
    int RawHighlight = 0;
    int CheckNewInterval = 1;
    int MultipageWrite = 0;

    // Preview status. Written by preview threads: use the setters and
    // GetPreviewStatus rather than the fields.
    QString PreviewPath;
    int PreviewProgress = -1;
    QString PreviewComment;

signals:
    void UpdateStatusBar();

protected:
    CUserProfile();
    ~CUserProfile() override;

private:
    mutable QMutex m_previewLock;
    static CUserProfile* s_pInstance;
};
