#pragma once

#include <QByteArray>
#include <QString>

class QDomDocument;

// Reading and escaping shared by everything that handles job files: the job
// file reader and writer and the profile browser.
class CJobDocument
{
public:
    // Reads the file through SafeXml (size cap, pre-scan) and builds its DOM.
    // False, with `document` untouched, for anything SafeXml refuses or the
    // DOM parser rejects.
    static bool Read(const QString& path, qint64 cap, QDomDocument& document);

    // Builds the DOM from decoded text, without namespace processing and
    // keeping whitespace-only text, so that a setting of " " survives.
    static bool Parse(const QString& text, QDomDocument& document);

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
