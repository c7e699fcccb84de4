#pragma once

#include <QString>

// Escaping shared by everything that writes job files.
class CJobDocument
{
public:
    // Text ready for element content (or, with `attribute`, for an attribute
    // value): characters XML 1.0 cannot carry are dropped, the five special
    // characters escaped, and line ends and tabs written as references
    // where a parser would otherwise normalise them away.
    static QString Escape(const QString& text, bool attribute);

private:
    CJobDocument() = delete;
};
