// Scaling copy between blocks of the same pixel size: a plain row copy at equal sizes,
// otherwise a bilinear sample without half-pixel centring.
#pragma once

#include <cstdint>

// Copies the source rectangle (sx, sy, sw, sh) onto the destination rectangle (dx, dy, dw, dh).
// Pixels outside either block are skipped. 1, or 0 when either block is not a pixel block,
// their pixel sizes differ, or a size is 0 or negative.
[[nodiscard]] int StretchCopy(uint8_t* destination, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                              const uint8_t* source, int32_t sx, int32_t sy, int32_t sw,
                              int32_t sh);
