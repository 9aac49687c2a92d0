// The AVX2 form of the bilinear rows of StretchCopy, for processors that have it.
#pragma once

#include <cstdint>

// A destination column and its two source neighbours' byte offsets in a row (hi is lo when
// the right neighbour is outside), with the fraction between them.
struct ScaleColumn {
    int64_t lo, hi;
    double frac;
};

// The first step of the 24-bit sample, for `count` columns of one source row: each byte's
// left + (right - left) * frac, exactly as the plain code computes it, three doubles a column
// into `out`, which holds one double more. Reads four bytes at each neighbour: the caller
// keeps the last columns out when that would pass the end of the source.
void InterpolateColourRowAvx2(double* out, const uint8_t* row, const ScaleColumn* columns,
                              int64_t count);
// The second step: the `count` bytes upper + (lower - upper) * fy of two rows of the first,
// clamped to 0..255 and truncated, exactly as the plain code does.
void BlendColourRowsAvx2(uint8_t* out, const double* upper, const double* lower, double fy,
                         int64_t count);
