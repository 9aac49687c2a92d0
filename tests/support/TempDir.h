// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, without a trailing '/'.
    [[nodiscard]] const std::string& Path() const { return path; }
    // Path() + "/" + name.
    [[nodiscard]] std::string File(const std::string& name) const { return path + "/" + name; }
    // Writes the bytes (or text) to a file in the folder and returns its path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string path;
};

// The whole file, or nothing when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);
