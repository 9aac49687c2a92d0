// Tokenizer: see the header for the rules.
#include "base/Tokenizer.h"

void Tokenizer::Start(std::string_view delims, std::string_view source) {
    delimiter.fill(false);
    for (const char c : delims) delimiter[static_cast<unsigned char>(c)] = true;
    text = source;
    used = false;
    current = 0;
    scan = 0;
    lastDelimiter = 0;
}

std::optional<std::string> Tokenizer::Next() {
    if (used) return std::nullopt;
    while (scan < text.size()) {
        if (IsDelimiter(text[scan])) {
            if (current != scan) break;
            ++current;  // nothing collected yet: skip the delimiter
        }
        ++scan;
    }
    lastDelimiter = scan < text.size() ? text[scan] : 0;
    std::string token(text.substr(current, scan - current));
    if (scan >= text.size()) {
        used = true;
    } else {
        ++scan;  // past the delimiter
        if (scan >= text.size()) {
            used = true;
        } else {
            current = scan;
        }
    }
    return token;
}
