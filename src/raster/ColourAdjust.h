// Hue, saturation and lightness adjustment of a 24-bit block in integer arithmetic. The round
// trip through hue/saturation/value is deliberately not exact: repeated adjustments drift.
#pragma once

#include <cstdint>

// Hue code of a grey pixel: it has no hue.
inline constexpr int kNoHue = 10000;

struct Hsv {
    int hue = 0;         // 0..359, or kNoHue
    int saturation = 0;  // 0..255
    int value = 0;       // 0..255
};

[[nodiscard]] Hsv RgbToHsv(int red, int green, int blue);
// Leaves red, green and blue as they were when the hue has no sector (outside 0..360, such as
// kNoHue).
void HsvToRgb(const Hsv& hsv, int& red, int& green, int& blue);

// Shifts every pixel: hue in degrees (-360..360), saturation and lightness in percent
// (-100..100). 1 after processing, 0 when the block is absent or not 24-bit.
[[nodiscard]] int AdjustHsv(uint8_t* block, int hueChange, int saturationChange,
                            int lightnessChange);
