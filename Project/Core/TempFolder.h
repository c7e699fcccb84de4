#pragma once

#include <QString>

// The per-user folder QDir::tempPath() + "/BrandquillTemp" that holds the
// outputs of an upload-only run and composed mail files. The system temp
// folder is writable by everyone, so the name alone proves nothing: the
// folder is made with mode 0700, and an existing one is accepted only when it
// is a real folder (not a symbolic link) owned by this user; its mode is then
// narrowed to 0700. When another user holds that name (or it is refused
// for any reason), "BrandquillTemp-<uid>" in the same folder is tried, then
// "BrandquillTemp" in $XDG_RUNTIME_DIR, with the same checks.
// Returns the folder's path, or "" with the reason (the first refusal's) in *error.
QString BrandquillTempFolder(QString* error = nullptr);

// A new folder of mode 0700 inside BrandquillTempFolder() for the temporary
// outputs of one run, named so that no other run uses it: a run never
// replaces what another left. "" with the reason in *error.
QString RunTempFolder(QString* error = nullptr);

// Removes a run's folder when nothing but empty folders is left in it (an
// upload deletes the files it sent, not the source folders mirrored for
// them); true when it is gone. Its empty subfolders go deepest first.
bool RemoveEmptyRunFolder(const QString& path);
