// The AVX2 form of the rotation's nearest-neighbour walk, for processors that have it.
#pragma once

#include <cstdint>

// Eight turned rows walked side by side, one per vector lane: row i starts at (x[i], y[i]) and
// every column adds (ux, uy) in single precision; a point inside the source copies its nearest
// pixel (`bytes` 1 or 3) into outs[i]. The same sums and tests as the plain walk.
void TurnEightRowsAvx2(const uint8_t* pixels, int64_t stride, int32_t width, int32_t height,
                       int bytes, uint8_t* const* outs, const float* x, const float* y, float ux,
                       float uy, int32_t columns);
