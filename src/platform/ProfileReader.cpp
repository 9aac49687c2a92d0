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

// The look-up key of a section and key, written to `out` (which must hold both and a byte
// between): case folded as the file's readers always have (ASCII letters only).
size_t JoinKey(std::string_view section, std::string_view key, char* out) {
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    char* at = out;
    for (const char c : section) *at++ = fold(c);
    *at++ = '\n';
    for (const char c : key) *at++ = fold(c);
    return size_t(at - out);
}

std::string JoinedKey(std::string_view section, std::string_view key) {
    std::string joined(section.size() + key.size() + 1, '\0');
    joined.resize(JoinKey(section, key, joined.data()));
    return joined;
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
        // The first value of a key is the one kept.
        values.try_emplace(JoinedKey(section, Trim(text.substr(0, equals))),
                           Trim(text.substr(equals + 1)));
    }
}

const std::string* ProfileFile::Value(std::string_view section, std::string_view key) const {
    // The program's names are short: they are joined on the stack, not in a new string.
    char joined[64];
    const auto found = section.size() + key.size() < sizeof joined
                           ? values.find(std::string_view(joined, JoinKey(section, key, joined)))
                           : values.find(JoinedKey(section, key));
    return found == values.end() ? nullptr : &found->second;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    const std::string* value = Value(section, key);
    if (value == nullptr) return std::nullopt;
    return *value;
}

std::string ProfileFile::Get(std::string_view section, std::string_view key,
                             std::string_view fallback, size_t maxLength) const {
    const std::string* value = Value(section, key);
    return CutUtf8(value != nullptr ? std::string_view(*value) : fallback, maxLength);
}

std::string ReadProfileString(const PathString& path, std::string_view section,
                              std::string_view key, std::string_view fallback, size_t maxLength) {
    return ProfileFile(path).Get(section, key, fallback, maxLength);
}
