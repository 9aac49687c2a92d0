// DiskWorkFiles: the save folder's file operations on Linux. Renames use renameat2 with
// RENAME_NOREPLACE, or link and unlink where the file system lacks it; deleted works go to the
// freedesktop.org trash ($XDG_DATA_HOME/Trash, else ~/.local/share/Trash).
#pragma once

#include "platform/WorkFiles.h"

class DiskWorkFiles final : public WorkFiles {
public:
    // `trashHome` is the folder that holds (or will hold) Trash/files and Trash/info.
    explicit DiskWorkFiles(PathString trashHome);

    [[nodiscard]] bool Exists(const PathString& path) override;
    [[nodiscard]] bool MakeFolder(const PathString& folder) override;
    [[nodiscard]] CreateResult CreateNew(const PathString& path,
                                         std::span<const uint8_t> bytes) override;
    [[nodiscard]] bool RenameNoReplace(const PathString& from, const PathString& to) override;
    [[nodiscard]] bool MoveToTrash(const PathString& path) override;
    [[nodiscard]] bool Remove(const PathString& path) override;
    void RemoveLeftovers(const PathString& folder) override;

private:
    PathString trashHome;
};
