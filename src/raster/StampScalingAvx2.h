// The AVX2 form of the bilinear row of StretchCopy, for processors that have it.
#pragma once

#include <cstdint>

// A destination column and its two source neighbours' byte offsets in a row (hi is lo when
// the right neighbour is outside), with the fraction between them.
struct ScaleColumn {
    int64_t lo, hi;
    double frac;
};

// Samples `count` 24-bit pixels between the rows `top` and `bottom` (fraction fy) into `out`,
// exactly as the plain row does. Reads four bytes at each neighbour: the caller keeps the last
// columns out when that would pass the end of the source.
void ScaleColourRowAvx2(uint8_t* out, const uint8_t* top, const uint8_t* bottom, double fy,
                        const ScaleColumn* columns, int64_t count);
