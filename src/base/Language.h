// Language: the child's language, Chinese or English, as the command line's letter names it.
// The letter also names the cue folder's choice, the tip and text keys, the label picture and
// the launcher's marker.
#pragma once

#include <string_view>

enum class Language : char { chinese = 'c', english = 'e' };

// The language a name starts with: 'c' is Chinese, anything else (or nothing) English.
[[nodiscard]] constexpr Language LanguageOf(std::string_view name) {
    return !name.empty() && name[0] == 'c' ? Language::chinese : Language::english;
}
// 'c' or 'e', as the keys and the marker spell it.
[[nodiscard]] constexpr char LetterOf(Language language) { return static_cast<char>(language); }
