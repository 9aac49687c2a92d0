// pshufb patterns for 24-bit pixels, 16 at a time in three 16-byte parts: kSpread repeats each
// of 16 bytes (a weight or mask per pixel) three times, kRepeat lays the three bytes of a colour
// over all of them.
#pragma once

#include <array>
#include <cstdint>

using ShufflePattern = std::array<int8_t, 16>;

constexpr ShufflePattern SpreadPattern(int part) {
    ShufflePattern p{};
    for (int n = 0; n < 16; ++n) p[n] = static_cast<int8_t>((16 * part + n) / 3);
    return p;
}

constexpr ShufflePattern RepeatPattern(int part) {
    ShufflePattern p{};
    for (int n = 0; n < 16; ++n) p[n] = static_cast<int8_t>((16 * part + n) % 3);
    return p;
}

inline constexpr ShufflePattern kSpread[3] = {SpreadPattern(0), SpreadPattern(1), SpreadPattern(2)};
inline constexpr ShufflePattern kRepeat[3] = {RepeatPattern(0), RepeatPattern(1), RepeatPattern(2)};
