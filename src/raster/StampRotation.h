// Rotation of stamp pictures and masks (nearest neighbour, single-precision angles,
// counter-clockwise on screen), the symmetric trim of a rotated mask and the centred crop.
//
// Each operation has two forms: one reads a borrowed block and returns a new block or none;
// the other replaces an owned block in place when it makes a new one.
#pragma once

#include <cstdint>

#include "raster/BitmapBlock.h"

// The angle of the vector (x, y), y pointing up, in 0..2 pi.
[[nodiscard]] float AngleOf(float x, float y);

// The block turned by `angle`, the uncovered corners filled with `fill`; none when the turned
// size is empty, the block is not a pixel block, or memory runs out.
[[nodiscard]] OwnedBlock RotateBlock(const uint8_t* block, float angle, uint32_t fill);
// 1 when `block` now holds the turned block, 0 when it was kept as it was.
int RotateBlock(OwnedBlock& block, float angle, uint32_t fill);

// RotateBlock, then for a grey mask a symmetric trim to the area whose value is 20 or more
// (1 by 1 when no pixel is covered). A 24-bit mask is turned but not trimmed.
[[nodiscard]] OwnedBlock RotateMask(const uint8_t* mask, float angle, uint32_t fill);
int RotateMask(OwnedBlock& mask, float angle, uint32_t fill);

// The centred width x height part of the block; none when the size is not positive, not
// smaller, or memory runs out (the caller then keeps the block as it is).
[[nodiscard]] OwnedBlock CropCentred(const uint8_t* block, int32_t width, int32_t height);
// 1 when `block` now holds the cut block, 0 when it was kept.
int CropCentred(OwnedBlock& block, int32_t width, int32_t height);
