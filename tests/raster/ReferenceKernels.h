// The raster kernels as they were before they were made fast, kept word for word as the
// reference the fast kernels must match byte for byte. Only the differential test uses them.
#pragma once

#include <cstdint>

#include "raster/BitmapBlock.h"
#include "raster/StampComposite.h"

namespace reference {

[[nodiscard]] int AdjustHsv(uint8_t* block, int hueChange, int saturationChange,
                            int lightnessChange);
[[nodiscard]] int StretchCopy(uint8_t* destination, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                              const uint8_t* source, int32_t sx, int32_t sy, int32_t sw,
                              int32_t sh);
[[nodiscard]] OwnedBlock RotateBlock(const uint8_t* block, float angle, uint32_t fill);
[[nodiscard]] OwnedBlock RotateMask(const uint8_t* mask, float angle, uint32_t fill);
[[nodiscard]] OwnedBlock CropCentred(const uint8_t* block, int32_t width, int32_t height);
[[nodiscard]] int CompositeThroughMask(const CompositeRequest& request);

}  // namespace reference
