// The AVX2 form of the blend through a grey mask, for processors that have it.
#pragma once

#include <cstdint>

// Blends the leading pixels of a run of `count` 24-bit destination pixels, 16 at a time, with
// the picture run `picture` (or, with pictureStep 0, the 48 bytes of a plain colour repeated)
// through one mask byte per pixel; returns how many it did, a multiple of 16.
[[nodiscard]] int64_t BlendRunAvx2(uint8_t* destination, const uint8_t* picture, int pictureStep,
                                   const uint8_t* mask, int64_t count);
