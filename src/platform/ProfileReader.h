// The settings-file reader: sections in brackets and key=value lines. Sections and keys match
// without regard to case; a value is the text after the first '=' with blanks trimmed at both
// ends (inner spaces are kept: tooltip texts have them). The file is read once, and each
// look-up goes straight to its value: the tooltips make dozens.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

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
    [[nodiscard]] const std::string* Value(std::string_view section, std::string_view key) const;

    // By section and key, upper-cased and joined by a line break: no line of the file holds
    // one, so a name that does matches nothing.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_map<std::string, std::string, NameHash, std::equal_to<>> values;
    bool exists = false;
};

// One look-up in one file, as the program's callers make it.
[[nodiscard]] std::string ReadProfileString(const PathString& path, std::string_view section,
                                            std::string_view key, std::string_view fallback,
                                            size_t maxLength = std::string::npos);
