// The pictures built into the program: the eleven cursors (156 to 167) and the window icon.
// They are drawn from a few shapes when asked for, so no picture file can be missing.
#pragma once

#include <array>
#include <cstdint>

struct CursorPicture {
    static constexpr int kSize = 32;
    // One character a pixel: 'X' black, '.' white, ' ' transparent. Rows top-down.
    std::array<std::array<char, kSize>, kSize> pixels{};
    int hotX = 0;
    int hotY = 0;
};

// The cursor ids in the order of the table: 156 to 165 and 167.
inline constexpr std::array<int, 11> kCursorIds = {156, 157, 158, 159, 160, 161,
                                                   162, 163, 164, 165, 167};

// False for an id the program has no cursor for.
[[nodiscard]] bool MakeCursorPicture(int id, CursorPicture& out);

// Icon 101: 32 by 32 pixels, 0xAARRGGBB, rows top-down.
[[nodiscard]] std::array<uint32_t, 32 * 32> MakeWindowIcon();
