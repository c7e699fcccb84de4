#pragma once

#include <QByteArray>
#include <QString>

// Escaping and the whole-file write shared by everything that writes job
// files: the job file writer and the profile header rewrite.
class CJobDocument
{
public:
    // Text ready for element content (or, with `attribute`, for an attribute
    // value): characters XML 1.0 cannot carry are dropped, the five special
    // characters escaped, and line ends and tabs written as references
    // where a parser would otherwise normalise them away.
    static QString Escape(const QString& text, bool attribute);

    // Replaces the file at `path` by `bytes` through a temporary beside it:
    // true only when every byte reached the disk; otherwise a previous file
    // is left whole and no temporary remains.
    static bool WriteWhole(const QString& path, const QByteArray& bytes);

private:
    CJobDocument() = delete;
};
