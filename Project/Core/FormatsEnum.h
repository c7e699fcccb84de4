#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One image format the program knows.
struct SFormatRecord {
    QString id;         // upper case, e.g. "JPG"; job files and settings name formats by it
    QString extensions; // upper case, separated by "/", e.g. "JPG/JPEG/JPE"
    bool readable = false;
    bool writable = false;
    int icon = 0;        // cell in the format icon sheets
    QString description; // English, shown beside the id
    bool raw = false;    // decoded by the camera raw decoder
    bool needsGhostscript = false;
};

// The table of image formats: which files may be added as photos, which
// formats may be written, which files are camera raw, and the name filter of
// the photo choosers. Filled once at start-up, read-only afterwards, so every
// thread may read it without a lock.
class CFormatsEnum
{
public:
    static CFormatsEnum* GetInstance();
    static void DeleteInstance();

    // Fills the table and the derived lists and filter.
    void GenerateList();
    void AddFormat(const QString& id, const QString& extensions, bool readable, bool writable, int icon,
                   const QString& description, bool raw, bool needsGhostscript);
    // Rebuilds the extension lists and the open-dialog filter from the records.
    void GenerateReadableFormats();
    // Matches the id ignoring case (not the extensions: "JPEG" finds nothing).
    // A miss gives the empty record.
    SFormatRecord GetRecordById(const QString& id) const;
    // Whether one file of the format can hold every photo of a run as its
    // pages (GIF, PDF, TIF), the id compared ignoring case.
    static bool HoldsPages(const QString& id);

    QList<SFormatRecord> records;
    QStringList readableExtensions; // every extension of every readable format
    QStringList rawExtensions;      // the extensions of the readable raw formats
    QString openDialogFilter;       // Qt file dialog name filter of the readable formats

protected:
    CFormatsEnum() = default;
    virtual ~CFormatsEnum();

private:
    static CFormatsEnum* s_pInstance;
};
