// The settings-file reader.
#include "platform/ProfileReader.h"

#include <fstream>

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 32);
        if (y >= 'a' && y <= 'z') y = char(y - 32);
        if (x != y) return false;
    }
    return true;
}

// Cuts UTF-8 text to at most maxLength bytes without splitting a character.
std::string CutUtf8(std::string_view text, size_t maxLength) {
    if (text.size() <= maxLength) return std::string(text);
    size_t end = maxLength;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

}  // namespace

ProfileFile::ProfileFile(const PathString& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    exists = true;
    std::string line;
    std::string section;
    bool first = true;
    while (std::getline(in, line)) {
        std::string_view text = line;
        if (first && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // UTF-8 mark
        first = false;
        text = Trim(text);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            const size_t close = text.find(']');
            section = std::string(Trim(text.substr(1, close == std::string_view::npos
                                                          ? std::string_view::npos
                                                          : close - 1)));
            continue;
        }
        const size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        entries.push_back({section, std::string(Trim(text.substr(0, equals))),
                           std::string(Trim(text.substr(equals + 1)))});
    }
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    for (const Entry& e : entries) {
        if (SameIgnoringCase(e.section, section) && SameIgnoringCase(e.key, key)) return e.value;
    }
    return std::nullopt;
}

std::string ProfileFile::Get(std::string_view section, std::string_view key,
                             std::string_view fallback, size_t maxLength) const {
    const std::optional<std::string> value = Find(section, key);
    return CutUtf8(value ? std::string_view(*value) : fallback, maxLength);
}

std::string ReadProfileString(const PathString& path, std::string_view section,
                              std::string_view key, std::string_view fallback, size_t maxLength) {
    return ProfileFile(path).Get(section, key, fallback, maxLength);
}
