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

    // Stores each property that the block names and whose text is not
    // empty; everything else keeps its value. A number property whose text
    // is not an integer is stored as the conversion reads it (0) and, when
    // `notNumbers` is given, appended there.
    static void Read(Block block, const QList<SJobProperty>& properties, CUserProfile& profile,
                     QList<SJobProperty>* notNumbers = nullptr);

private:
    CJobProperties() = delete;
};
