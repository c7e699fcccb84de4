#pragma once
// A file's own attributes carried from a source photo to the file written
// for it, and the locked (immutable) flag cleared before a file is replaced.
// The workers keep the handle as an opaque pointer between Read and Write.
//
// Carried: access and modification times to the nanosecond, the permission
// bits (mode & 0777) and the owner where the process may set it. Never
// carried: set-id and sticky bits, and the immutable or append-only flags,
// which would make the output impossible to replace on the next run.

class FileAttributes
{
public:
    // `path` in UTF-8. Stores a new handle (or null) where `attributes`
    // points; true when the file's attributes could be read. Every handle
    // stored goes back through Free.
    static bool Read(const char* path, void** attributes);
    // Applies a handle from Read to the file at `path`. False, touching
    // nothing, when `attributes` is null; else whether the times and
    // permissions were set (a refused change of owner does not count).
    static bool Write(const char* path, void* attributes);
    // True when the file carried the immutable flag and it is now cleared;
    // false when it was not locked, the file system keeps no such flags, or
    // the process may not clear it.
    static bool DisableReadOnly(const char* path);
    // Releases a handle from Read; null is allowed.
    static void Free(void* attributes);
};
