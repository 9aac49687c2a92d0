// SectionFile: reads sectioned key=value text files (the model files and the frame file).
//
// The rules: "[" starts a section name that runs to the next "]", matched without regard to
// the case of a to z. Inside a section spaces and tabs are dropped wherever they stand, a line
// holding "=" starts an entry and a line without one continues the entry before it, and "[" ends
// the section. A key's value is the text after its first "=" up to the next "=". The byte 0xFF
// ends the input like the end of the file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PathString.h"

class SectionFile {
public:
    // Reads the file's text; false when it cannot be opened or is beyond any sensible size.
    [[nodiscard]] bool Open(const PathString& path);
    // Takes the text directly, as if read from a file.
    void OpenText(std::string_view contents);

    // The value of the first entry of `section` whose key is `key`; none when either is absent.
    [[nodiscard]] std::optional<std::string> Value(std::string_view section, std::string_view key);
    // The same for a key formed as a base name followed by a decimal number ("Frame3").
    [[nodiscard]] std::optional<std::string> Value(std::string_view section,
                                                   std::string_view baseKey, int number);

    // Bytes of text that can be read: what the file could possibly hold is bounded by it.
    [[nodiscard]] size_t Size() const { return text.size(); }

private:
    void ReadSection(std::string_view section);
    [[nodiscard]] size_t FindSection(std::string_view section) const;

    std::string text;
    // The section whose entries are held, so that looking up several keys reads it once.
    std::optional<std::string> lastSection;
    std::vector<std::string> entries;  // "key=value" with spaces and tabs removed, in file order
};
