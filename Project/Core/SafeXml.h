#pragma once

#include <QByteArray>
#include <QString>

// The guard in front of every XML parser that reads text from outside the
// program (job files, profile headers, the version feed). The DOM parsers
// bound nothing, so a shared file could otherwise exhaust memory through
// entity expansion, size or nesting. Nothing here touches the network.
class SafeXml
{
public:
    static constexpr qint64 JobFileCap = 32 * 1024 * 1024;
    static constexpr qint64 ProfileHeaderCap = 16 * 1024 * 1024;
    static constexpr int MaxDepth = 32;
    static constexpr qint64 MaxElements = 2000000;

    enum class Verdict {
        Ok,
        Unreadable,       // missing, not a plain file, or a read error
        TooLarge,         // more bytes than the cap
        NotWellFormed,    // any reader error, or no root element
        DeclaresEntities, // a DTD that declares an entity or a notation
        TooDeep,          // elements nested deeper than MaxDepth
        TooManyElements   // more than MaxElements elements
    };

    // Reads a plain file of at most `cap` bytes and decodes it (Decode).
    static Verdict ReadFile(const QString& path, qint64 cap, QString& text);

    // Decodes as UTF-8 whatever the XML declaration claims (files in
    // circulation say "utf-16" over UTF-8 bytes). A UTF-16 or UTF-32
    // byte-order mark is honoured, a UTF-8 one dropped, and invalid bytes
    // become U+FFFD.
    static QString Decode(const QByteArray& bytes);

    // Checks decoded text before any DOM is built from it. Stops at the DTD
    // token when it declares entities or notations, so nothing declared
    // there is ever expanded.
    static Verdict PreScan(const QString& text);

    // ReadFile, then PreScan.
    static Verdict Load(const QString& path, qint64 cap, QString& text);

private:
    SafeXml() = delete;
};
