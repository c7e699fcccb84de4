#pragma once

#include "FilterFilename.h"

#include <QString>

// The job settings that undo snapshots keep: the naming engine and the
// step-1 view, naming, output and format groups. CUserProfile derives from
// it, so the panels, job files and workers reach the fields on the profile
// while the undo list copies the whole group in one assignment.
struct SJobSettings {
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
    // The codes step 3 offers: 1 folder on disk, 2 e-mail, 3 FTP, 4 Flickr.
    static bool OffersDestination(int code) { return code >= 1 && code <= 4; }
    bool SaveOnDiskMail = false;
    bool SaveOnDiskFTP = false;
    bool SaveOnDiskFacebook = false;
    bool SaveOnDiskFlickr = false;
    // Whether a run keeps its output in the output folder, or only hands it on.
    bool KeepsOutputOnDisk() const
    {
        switch (Destination) {
        case 1:
            return true;
        case 2:
            return SaveOnDiskMail;
        case 3:
            return SaveOnDiskFTP;
        case 4:
            return SaveOnDiskFlickr;
        case 5:
            return SaveOnDiskFacebook;
        default:
            return false;
        }
    }
    QString FTPUser;
    QString FTPPassword; // stored form (EncryptString)
    QString FTPHost;
    QString FTPPort;
    QString FTPFolder;


    // Puts the rename settings into the naming engine: pattern (with
    // `extensionSuffix` appended), counter, case, date, time and search and
    // replace (switched on). The preset and per-photo fields stay.
    void ApplyRenameSettings(const QString& extensionSuffix)
    {
        FilterFilename.pattern = FilenameFormat + extensionSuffix;
        FilterFilename.caseMode = ChangeCase;
        FilterFilename.lowerCaseExtension = LowerCaseExt;
        FilterFilename.counterStart = CounterStart;
        FilterFilename.counterStep = CountStep;
        FilterFilename.counterDigits = CounterDigits;
        FilterFilename.dateSource = DateType;
        FilterFilename.dateFormat = DateFormat;
        FilterFilename.showTime = ShowTime;
        FilterFilename.timeFormat = TimeFormat;
        FilterFilename.searchReplaceOn = true;
        FilterFilename.searchText = SearchFor;
        FilterFilename.replaceText = ReplaceWith;
    }

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
};
