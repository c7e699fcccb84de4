#pragma once

#include "FilterFilename.h"

#include <QMutex>
#include <QObject>
#include <QString>

// Every setting of the current job and every application setting, plus the
// run state and the live preview status. The panels, dialogs, job files and
// workers read and write the public fields directly. Application settings
// come from the settings store once at start (ReadRegistrySettings) and go
// back once, when the object is destroyed.
class CUserProfile : public QObject
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

    // Naming engine; a run copies it, undo snapshots copy it whole.
    CFilterFilename FilterFilename;

    // Step-1 view.
    bool Step1Preview = false;
    int DetailsSortColumn = 0; // -1 unsorted
    int DetailsSortOrder = 0;

    // Naming settings.
    bool Step2Preview = false;
    QString FilenameFormat;
    int PresetRename = 0;
    qint64 CounterStart = 0;
    qint64 CountStep = 0;
    int CounterDigits = 0;
    int ChangeCase = 0;
    bool LowerCaseExt = false;
    int DateType = 0;
    int DateFormat = 0;
    int ShowTime = 0;
    int TimeFormat = 0;
    QString SearchFor;
    QString ReplaceWith;

    // Output settings (step 3).
    int OutputFolderStruct = 0;
    QString OutputFolder;
    QString DestPath;
    bool Multipage = false;
    QString OutputFormat; // format id, or the translated keep-original text
    bool OpenOutputFolder = false;
    bool OriginalDate = false;
    bool DeleteSource = false;
    bool DisableNotifications = false;
    bool HideProcessing = false;
    int Destination = 0;
    bool SaveOnDiskMail = false;
    bool SaveOnDiskFTP = false;
    bool SaveOnDiskFacebook = false;
    bool SaveOnDiskFlickr = false;
    QString FTPUser;
    QString FTPPassword; // stored form (EncryptString)
    QString FTPHost;
    QString FTPPort;
    QString FTPFolder;

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

    // Format options.
    int Quality = 88;
    qint64 FileSize = 100; // KB, when FixedSize is set
    bool FixedSize = false;
    int PNGComp = 1; // used as a flag
    int Interlaced = 0;
    int JpegType = 1;
    int TiffType = 2;
    int TiffAlg = 0;
    int PdfAlg = 0;
    QString CustomProfile;
    QString DefaultFormat = QStringLiteral("JPG");

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
