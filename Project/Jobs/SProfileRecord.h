#pragma once

#include <QString>

// The header of one profile file: what the profile browser lists and what the
// job file writer puts into a profile's "Profile" block.
struct SProfileRecord {
    QString Category;
    QString Name;
    QString Description;
    QString Path; // full path of the profile file
    int Icon = 0; // 0: the category's icon; 1000-1999 format sheet; 2000-2999 filter sheet
};
