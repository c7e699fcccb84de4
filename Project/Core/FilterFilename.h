#pragma once

#include <QString>
#include <QtGlobal>

// The naming engine: turns a naming pattern with bracketed keywords
// ("[Filename]", "[FolderName]", "[Extension]", "[Counter]", "[DateTime]")
// into the output file name of one photo.
//
// A plain value class, copied member by member: the settings object embeds
// one for previews, every worker of a run takes its own copy and the undo
// list snapshots it whole. The per-photo inputs (source fields, extension,
// list position, Exif date) are stored by the caller before each call.
class CFilterFilename
{
public:
    CFilterFilename() = default;

    // Builds the name of the current photo into `result`. `count` is the size
    // of the whole photo list. Presets 0 to 2 rewrite the pattern and the
    // options inside this object. The name does not depend on `preview`.
    void GenerateFilename(int count, bool preview);

    // Replaces `text` with the date (and time) text of the current photo.
    void ComputeDateTime(QString& text, int showTime, int dateSource, int dateFormat, int timeFormat) const;

    // True when the pattern differs, case-sensitively, from "[Filename].[Extension]".
    bool IsOutputModified() const;

    bool operator==(const CFilterFilename& other) const;
    bool operator!=(const CFilterFilename& other) const { return !(*this == other); }

    QString pattern;     // ends in ".[Extension]" when it comes from the rename settings
    QString workPattern; // scratch copy of the pattern during GenerateFilename
    qint32 caseMode = 0; // 0 unchanged, 1 lower, 2 upper, 3 mixed (ChangeCase)
    qint32 preset = 3;   // 0 photo's name, 1 folder name, 2 photo date, 3 custom (PresetRename)
    bool lowerCaseExtension = true;
    qint64 counterStart = 1;
    qint32 counterDigits = 2;
    qint64 counterStep = 1;
    qint32 dateSource = 0; // 0 the photo's own date, otherwise the current date (DateType)
    qint32 dateFormat = 0; // 0 to 11 (DateFormat)
    qint32 timeFormat = 0; // 0 HH-MM, 1 HH-MM-SS (TimeFormat)
    qint32 showTime = 0;   // 0 AM/PM, 1 24h, 2 no time (ShowTime)
    bool searchReplaceOn = false;
    QString searchText;  // SearchFor
    QString replaceText; // ReplaceWith
    QString result;      // the generated file name: name, "." and extension, no folder
    QString sourcePath;
    QString sourceFolder;
    QString sourceName; // without extension
    QString extension;  // output extension without the dot
    qint64 listPosition = 0;
    QString exifDate; // "YYYY:MM:DD HH:MM:SS" or empty
    bool monitorNumbering = false;
    quint8 monitorPicCount = 1;
};
