#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Rules that keep generated file names and paths safe on a Linux file
// system. Every piece of code that turns user text into a name goes through
// here, so that previews, runs and job files agree on one rule.
class CPathSafety
{
public:
    // Longest file name a Linux file system takes, in UTF-8 bytes.
    static constexpr int MaxNameBytes = 255;
    // Room kept free for a " (NNN)" suffix added when a name is taken.
    static constexpr int SuffixRoomBytes = 6;
    // Longest name SanitizeFileName gives.
    static constexpr int MaxFileNameBytes = MaxNameBytes - SuffixRoomBytes;

    // One safe file name: "/", NUL and the control characters U+0001 to
    // U+001F and U+007F become "_", an unpaired surrogate becomes U+FFFD,
    // "", "." and ".." become "_", and the name part (before the last ".")
    // is cut on a character boundary so that the whole name stays within
    // MaxFileNameBytes. The extension part is cut only when even a
    // one-character name part would not fit beside it.
    static QString SanitizeFileName(const QString& name);

    // Length of `text` in UTF-8 bytes, an unpaired surrogate counted as U+FFFD.
    static int Utf8Length(const QString& text);
    // The longest leading part of `text` that fits in `maxBytes` UTF-8 bytes,
    // never splitting a surrogate pair.
    static QString TruncateUtf8(const QString& text, int maxBytes);

    // A relative folder made of safe names, for folders taken from job files:
    // split at "/", empty and "." segments dropped, ".." turned into "_",
    // every other segment through SanitizeFileName. "../up" gives "_/up",
    // "/abs/x" gives "abs/x", "" and "." give "".
    static QString SanitizeSubfolder(const QString& subfolder);

    // `path` with "." parts and doubled "/" removed as text. ".." is left to
    // the file system: in an absolute path, everything up to the last ".."
    // becomes its canonical folder when that exists, since a linked folder's
    // ".." is not the folder written before it. Otherwise ".." stays, and the
    // path leads where the system says (nowhere, for a missing folder).
    static QString ResolvePath(const QString& path);

    // Whether two paths name one file. When both exist, by device and inode
    // (links, "//", "/./" and letter case are seen through); otherwise by the
    // canonical folder plus the file name, compared case-sensitively.
    static bool IsSameFile(const QString& a, const QString& b);

    // The key for "is this the same name?": Unicode NFKC with full case
    // folding (ICU's NFKC_Casefold), so that "Straße" meets "STRASSE", NFC
    // meets NFD, "ς" meets "Σ" and "ﬁ" meets "fi", as folding file systems
    // and servers may make them one file. Only for comparing, never a name.
    static QString NameKey(const QString& name);
    // NameKey of a whole path, every folder folded as the name is: a
    // folding file system makes "Trip/a.jpg" and "TRIP/A.JPG" one file, and
    // exfat-fuse gives each spelling an inode number of its own.
    static QString PathKey(const QString& path);

    // Why `path` must not be opened as a photo: "" when it leads, after
    // links, to a regular file; otherwise a short reason ("... is a named
    // pipe, not a regular file"). A pipe or a device would block a reader.
    static QString NotRegularFileReason(const QString& path);

    // Why `path` cannot be reached: "" when the system finds a file there
    // (after links); otherwise the system's own reason, in lower case ("too
    // many levels of symbolic links" for a link loop).
    static QString UnreachableReason(const QString& path);

    // Makes `path` and its missing parents, as mkdir -p does; "" when done,
    // else the system's reason (QDir::mkpath keeps it to itself).
    static QString MakeFolders(const QString& path);

    // The longest leading run of whole path components that every folder
    // shares: "/a/b/c" and "/a/b/d" give "/a/b"; "/a" and "/ab/c" give "".
    // No folder gives "", one folder gives itself (without a trailing "/").
    static QString CommonRoot(const QStringList& folders);

    // `path` with its leading `root` replaced by `replacement` ("/"-joined),
    // when `path` is `root` or lies below it by whole components; otherwise
    // a null string. Only the leading occurrence counts.
    static QString ReplaceRoot(const QString& path, const QString& root, const QString& replacement);

    // name + " (n)" + extension (the extension with its dot, or empty), the
    // name part cut on a character boundary so that the result fits in
    // MaxNameBytes with `tailBytes` to spare: the files of a name may add
    // that much before the extension (a page's "-10").
    static QString AppendSuffix(const QString& name, qint64 n, const QString& extension, int tailBytes = 0);
    // The rule for a name that is taken: name + extension unless `taken`
    // refuses it (never tried when `from` > 1), else the first of its
    // AppendSuffix forms from " (2)" (or " (from)") that `taken` accepts.
    static QString FreeName(const QString& name, const QString& extension,
                            const std::function<bool(const QString& fileName)>& taken, qint64 from = 1,
                            int tailBytes = 0);

    // The entries of `folder` whose names the system's encoding cannot give
    // as text (a Latin-1 "caf\xE9.jpg" where names are UTF-8): QDir lists
    // them altered, under names that lead nowhere. Files whose name matches
    // the wildcard `mask` (every file for "") and, with `folders`, folders;
    // each as its path, the name's stray bytes escaped ("\xE9"), a folder's
    // ending in "/".
    static QStringList UndecodableEntries(const QString& folder, const QString& mask, bool folders);

private:
    CPathSafety() = delete;
};
