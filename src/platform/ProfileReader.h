// The settings-file reader: sections in brackets and key=value lines. Sections and keys match
// without regard to case; a value is the text after the first '=' with blanks trimmed at both
// ends (inner spaces are kept: tooltip texts have them). The file is read once.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PathString.h"

class ProfileFile {
public:
    // An empty profile (every lookup gives the default) when the file cannot be read.
    explicit ProfileFile(const PathString& path);
    ProfileFile() = default;

    [[nodiscard]] bool Exists() const { return exists; }
    // The first matching value, or none when the section or key is missing.
    [[nodiscard]] std::optional<std::string> Find(std::string_view section,
                                                  std::string_view key) const;
    // The value cut to maxLength bytes (never inside a UTF-8 character), or the fallback.
    [[nodiscard]] std::string Get(std::string_view section, std::string_view key,
                                  std::string_view fallback,
                                  size_t maxLength = std::string::npos) const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> entries;
    bool exists = false;
};

// One look-up in one file, as the program's callers make it.
[[nodiscard]] std::string ReadProfileString(const PathString& path, std::string_view section,
                                            std::string_view key, std::string_view fallback,
                                            size_t maxLength = std::string::npos);
