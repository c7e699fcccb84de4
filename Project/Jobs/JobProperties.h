#pragma once

#include "SJobContent.h"

#include <QString>

class CUserProfile;

// The Properties blocks of a job file that carry CUserProfile settings: for
// each property its name, its value format and its setting, in the order
// written. The "Profile" block holds no settings and is not here.
class CJobProperties
{
public:
    enum Block { Script, Rename, Output, Format, Interface, Monitor };

    // The block read for a "Class" attribute; false for any other class.
    static bool BlockOfClass(const QString& className, Block& block);

    // Appends the whole block: start line, one line per property, end line.
    static void Write(Block block, const CUserProfile& profile, QString& text);

    // A number property whose text does not say the value it is stored as.
    struct SReadOtherwise {
        QString name;
        QString text;
        qint64 value; // as stored
        bool number;  // false: no number at all, read as 0
        bool asWritten;
    };

    // Stores each property that the block names and whose text is not
    // empty (an empty FTPFolder is stored: it means the root); everything
    // else keeps its value. A number property is stored as a whole number in
    // its range; one whose text is not that is, when `readOtherwise` is
    // given, appended there. When the block changes the FTP host, port or
    // user and gives no password, the stored password is cleared.
    static void Read(Block block, const QList<SJobProperty>& properties, CUserProfile& profile,
                     QList<SReadOtherwise>* readOtherwise = nullptr);

private:
    CJobProperties() = delete;
};
