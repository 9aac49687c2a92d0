// The AVX2 form of the pencil's blend of one dab, for processors that have it.
#pragma once

#include <cstdint>

// Blends `rows` rows of `count` 24-bit pixels towards the colour whose three bytes `colour`
// holds, each pixel by the weight alpha[cover] as (colour a + pixel (256 - a)) >> 8. Row r
// starts at row + r * rowStep and reads its cover bytes at cover + r * coverStep. Pixels go
// in whole groups of 16, those past `count` rewritten unchanged: the memory of every row must
// hold count rounded up to 16 pixels. count is at most 4096.
void BlendDabAvx2(uint8_t* row, int64_t rowStep, const uint8_t* cover, int64_t coverStep,
                  const uint8_t* alpha, const uint8_t colour[3], int64_t count, int64_t rows);
