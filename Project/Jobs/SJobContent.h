#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a job file holds, as texts the parser delivered (entities resolved,
// nothing else converted), taken from the document in one streaming pass so
// that only what the job keeps is ever held in memory.
struct SJobProperty {
    QString name; // the Name attribute
    QString text; // the element's whole text
};

struct SJobBlock {
    QString className;
    QList<SJobProperty> properties; // the Property children, document order
};

struct SJobSearch {
    QString path;
    QString subfolders;
};

struct SJobFilter {
    QString id;
    QString active;      // empty when absent
    QStringList numbers; // "float" Params below the Filter, document order
    QStringList strings; // "string" Params
    // The Type of the first other Params, which are not read; a filter may
    // hold many more, and only their number is kept.
    QStringList otherTypes;
    int otherCount = 0;
    static constexpr int MaxOtherTypes = 8;
};

struct SJobContent {
    QString rootTag;
    QString version; // root attributes
    QString mode;
    QString rootName;
    int imagesElements = 0;     // Images elements below the root
    QStringList imagePaths;     // Image children of the first of them
    QList<SJobSearch> searches; // its Search children
    QList<SJobFilter> filters;  // Filter children of the document's first Filters
    QList<SJobBlock> blocks;    // every Properties element, document order
};
