// The AVX2 form of the hue/saturation/lightness adjustment, for processors that have it.
#pragma once

#include <cstdint>

// Adjusts the leading pixels of a run of `count` 24-bit pixels, 16 at a time, and returns how
// many it did (a multiple of 16); the caller finishes the rest. hueChange is 0..360, dS and dV
// the changes in 0..255 units.
[[nodiscard]] int64_t AdjustHsvRunAvx2(uint8_t* pixels, int64_t count, int hueChange, int dS,
                                       int dV);
