#pragma once
// Names of job files: the kind a path stands for, the name a title shows, and
// the extension a save dialog on Linux does not add by itself.

#include <QString>

// The text after the last "."; the whole path when it has none.
QString JobExtension(const QString& path);
// The text after the last "/", cut before its last "."; each cut only where
// the character occurs.
QString JobBaseName(const QString& path);
// `path` with "." + `suffix` appended unless it already ends with exactly that.
QString WithJobSuffix(const QString& path, const QString& suffix);
