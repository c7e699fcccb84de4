#pragma once

#include "SProfileRecord.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class QDomDocument;
class QDomElement;
class QDomNodeList;

// The headers of profile files, without any widget: reading the "Profile"
// blocks of one file, the browser's icon rule, and the in-place rewrite of a
// user profile's name and description.
class ProfileHeaders
{
public:
    // Reads one file through SafeXml (16 MiB cap, pre-scan) and appends one
    // record for each Properties element of class "Profile". False, with
    // `reason` set and nothing appended, for a file that is refused, not a
    // "Profile" root, or without such a block.
    static bool Read(const QString& path, QList<SProfileRecord>& records, QString& reason);
    // The same check, handing back the document and its "Profile" blocks in
    // document order instead of records.
    static bool ReadBlocks(const QString& path, QDomDocument& document, QList<QDomElement>& blocks, QString& reason);

    // One record from the children of a "Profile" block: "Name", "Description",
    // "NameId" and "DescriptionId" (through GetProfileDescription), "Category"
    // and "Icon"; empty texts are skipped and a later property wins.
    static SProfileRecord ParseRecord(const QDomNodeList& properties, const QString& path);

    // The first of `keys` equal to `category` with both lower-cased, -1 when
    // none is.
    static int CategoryIndex(const QString& category, const QStringList& keys);

    // The index into the browser's icon set (format cells, then filter cells
    // in the order the sheet loader gives them) for a record's Icon: 0 the
    // category's own cell, 1000-1999 a format cell, 2000-2999 a filter cell
    // ("2xyy": loader row x, column yy). Any other Icon, and an index beyond
    // a non-empty set of `iconCount`, give the category's cell.
    static int IconIndex(int icon, const QPoint& categoryCell, const QSize& filterGrid, const QSize& formatGrid,
                         int iconCount);

    enum class Rewrite { Done, Unreadable, TooLarge, HasNul, NoHeader, NotAProfile, WriteFailed };

    // Writes `name` and `description` into the first "Profile" block of the
    // file, byte for byte everything else: each value replaces the text of
    // its property, or a missing property is added as the block's last.
    // Refused files and failed writes leave the file as it was. On Done,
    // `reread` holds the file's first record read back.
    static Rewrite RewriteHeader(const QString& path, const QString& name, const QString& description,
                                 SProfileRecord& reread);

private:
    ProfileHeaders() = delete;
};
