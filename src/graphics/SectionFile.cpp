// SectionFile: the text is read once; a section's entries are rebuilt when another is asked for.
#include "graphics/SectionFile.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/BinaryFile.h"

namespace {

// Model files are a few hundred kilobytes; this only keeps a stray huge file out of memory.
constexpr size_t maxTextSize = size_t{256} << 20;

constexpr std::array<bool, 256> kBlankOrLineEnd = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\r', '\n'}) table[c] = true;
    return table;
}();

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) return false;
    }
    return true;
}

// One line of a section, spaces already dropped: a new entry, or the continuation of one.
void AddLine(std::string& line, std::optional<std::string>& current,
             std::vector<std::string>& entries) {
    if (line.empty()) return;
    if (line.find('=') != std::string::npos) {
        if (current) entries.push_back(std::move(*current));
        current = std::move(line);
    } else if (current) {
        *current += line;
    } else {
        current = std::move(line);
    }
    line.clear();
}

}  // namespace

bool SectionFile::Open(const PathString& path) {
    BinaryFile file;
    if (!file.Open(path) || static_cast<uint64_t>(file.Size()) > maxTextSize) return false;
    std::string contents;
    char buffer[16384];
    size_t got = 0;
    while ((got = file.Read(buffer, sizeof buffer)) > 0) {
        contents.append(buffer, got);
        // Nothing after the first 0xFF is ever read, so there is no need to hold it.
        if (contents.find('\xFF', contents.size() - got) != std::string::npos) break;
        if (contents.size() > maxTextSize) return false;  // the file grew while being read
    }
    OpenText(contents);
    return true;
}

void SectionFile::OpenText(std::string_view contents) {
    text = contents.substr(0, contents.find('\xFF'));
    lastSection.reset();
    entries.clear();
}

std::optional<std::string> SectionFile::Value(std::string_view section, std::string_view key) {
    if (!lastSection || !EqualsIgnoringCase(*lastSection, section)) ReadSection(section);
    for (const std::string& entry : entries) {
        size_t equals = entry.find('=');
        if (!EqualsIgnoringCase(std::string_view(entry).substr(0, equals), key)) continue;
        if (equals == std::string::npos) return std::string();
        size_t end = entry.find('=', equals + 1);
        return entry.substr(equals + 1, end == std::string::npos ? end : end - equals - 1);
    }
    return std::nullopt;
}

std::optional<std::string> SectionFile::Value(std::string_view section, std::string_view baseKey,
                                              int number) {
    return Value(section, std::string(baseKey) + std::to_string(number));
}

// Where the wanted section's contents begin (just after its "]"), or npos.
size_t SectionFile::FindSection(std::string_view section) const {
    size_t open = text.find('[');
    while (open != std::string::npos) {
        size_t close = text.find(']', open + 1);
        std::string_view name = std::string_view(text).substr(open + 1, close - open - 1);
        if (EqualsIgnoringCase(name, section)) return close == std::string::npos ? text.size() : close + 1;
        if (close == std::string::npos) break;
        open = text.find('[', close + 1);
    }
    return std::string::npos;
}

void SectionFile::ReadSection(std::string_view section) {
    lastSection = std::string(section);
    entries.clear();
    size_t pos = FindSection(section);
    if (pos == std::string::npos) return;
    const size_t end = std::min(text.find('[', pos), text.size());
    std::string line;
    std::optional<std::string> current;
    // The bytes since the last blank or line end go to the line in one piece, not one by one.
    size_t kept = pos;
    for (; pos < end; ++pos) {
        if (!kBlankOrLineEnd[static_cast<unsigned char>(text[pos])]) continue;
        line.append(text, kept, pos - kept);
        if (text[pos] == '\r' || text[pos] == '\n') AddLine(line, current, entries);
        kept = pos + 1;
    }
    line.append(text, kept, end - kept);
    AddLine(line, current, entries);
    if (current) entries.push_back(std::move(*current));
}
