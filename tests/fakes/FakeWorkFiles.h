// FakeWorkFiles: the save folder's operations on the real disk (so the readers see the files),
// with switches for the failures a test cannot make for real: a full disk, no trash, a file that
// appears between the test and the write.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/WorkFiles.h"

class FakeWorkFiles final : public WorkFiles {
public:
    bool Exists(const PathString& path) override {
        return std::filesystem::is_regular_file(path);
    }
    bool MakeFolder(const PathString& folder) override {
        std::error_code e;
        std::filesystem::create_directories(folder, e);
        return !failWrites && std::filesystem::is_directory(folder, e);
    }
    CreateResult CreateNew(const PathString& path, std::span<const uint8_t> bytes) override {
        if (beforeCreate) beforeCreate(path);
        if (std::filesystem::exists(path)) return CreateResult::exists;
        if (failWrites) return CreateResult::failed;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        ++writes;
        return out ? CreateResult::created : CreateResult::failed;
    }
    bool RenameNoReplace(const PathString& from, const PathString& to) override {
        std::error_code e;
        if (std::filesystem::exists(to) || !std::filesystem::exists(from)) return false;
        std::filesystem::rename(from, to, e);
        return !e;
    }
    bool MoveToTrash(const PathString& path) override {
        if (noTrash || !std::filesystem::exists(path)) return false;
        trashed.push_back(path);
        std::error_code e;
        return std::filesystem::remove(path, e);
    }
    bool Remove(const PathString& path) override {
        std::error_code e;
        return !failRemove && std::filesystem::remove(path, e);
    }
    void RemoveLeftovers(const PathString&) override {}

    bool failWrites = false;
    bool noTrash = false;
    bool failRemove = false;
    int writes = 0;
    std::vector<std::string> trashed;
    std::function<void(const PathString&)> beforeCreate;
};
