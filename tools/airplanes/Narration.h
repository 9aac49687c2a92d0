// Narration: the spoken texts of one airplane through espeak-ng, "N-01" (the introduction)
// to "N-(k+1)" in both voice folders.
#pragma once

#include <string>
#include <vector>

#include "Description.h"

struct Spoken {
    std::string name;  // "9-01"
    std::string en, zh;
};

// Introduction, one text a fold, the opening, the flight: narration i + 2 follows mark i.
[[nodiscard]] std::vector<Spoken> NarrationTexts(const PlaneDescription& d, int model);
// Speaks every text into ROOT/Sound/Diy/E and C; false with a message when espeak-ng fails.
[[nodiscard]] bool Speak(const std::string& espeak, const std::vector<Spoken>& texts,
                         const std::string& root, std::string& error);
