// WorkFiles port: the file operations on the save folder. None of them ever replaces an existing
// file, so a child's work can only be lost by an explicit delete, and even that goes to the
// desktop's trash when there is one.
#pragma once

#include <cstdint>
#include <span>

#include "base/PathString.h"

enum class CreateResult { created, exists, failed };

class WorkFiles {
public:
    virtual ~WorkFiles() = default;
    // True when the file can be opened for reading.
    [[nodiscard]] virtual bool Exists(const PathString& path) = 0;
    // Makes the folder and its parents; true when it exists afterwards.
    [[nodiscard]] virtual bool MakeFolder(const PathString& folder) = 0;
    // Writes a new file at `path`: written beside it, then moved into place only while nothing
    // is there. `exists` when something already was (and nothing is written); `failed` when the
    // write could not be done (no permission, a full disk), leaving no file behind.
    [[nodiscard]] virtual CreateResult CreateNew(const PathString& path,
                                                 std::span<const uint8_t> bytes) = 0;
    // Renames `from` to `to` only when `to` does not exist.
    [[nodiscard]] virtual bool RenameNoReplace(const PathString& from, const PathString& to) = 0;
    // Moves the file to the desktop's trash, from where a parent can restore it; false when no
    // trash can be had (the file then stays).
    [[nodiscard]] virtual bool MoveToTrash(const PathString& path) = 0;
    [[nodiscard]] virtual bool Remove(const PathString& path) = 0;
    // Removes what writes cut short by a crash left in the folder (never a work: their names
    // differ).
    virtual void RemoveLeftovers(const PathString& folder) = 0;
};
