// Tokenizer: cuts a text into tokens at a set of delimiter characters.
// Runs of delimiters are skipped, a trailing delimiter gives no empty token, and an empty text
// (or one of delimiters only) gives exactly one empty token.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

class Tokenizer {
public:
    void Start(std::string_view delimiters, std::string_view text);
    // The next token, or none when the text is used up.
    [[nodiscard]] std::optional<std::string> Next();
    // The character that ended the token just given, 0 at the end of the text.
    [[nodiscard]] char LastDelimiter() const { return lastDelimiter; }

private:
    bool IsDelimiter(char c) const { return delimiter[static_cast<unsigned char>(c)]; }

    // A table rather than a search of the set for each character: model files run to hundreds
    // of kilobytes.
    std::array<bool, 256> delimiter{};
    std::string_view text;
    bool used = true;  // no text, or the text is used up
    size_t current = 0;
    size_t scan = 0;
    char lastDelimiter = 0;
};
