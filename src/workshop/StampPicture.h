// StampPicture: a stamp made ready for laying (scaled, turned, cropped to its turned mask),
// shared by the stamp tool, its panel and the stamp chooser's previews.
#pragma once

#include <cstdint>

#include "graphics/Dib.h"
#include "raster/BitmapBlock.h"
#include "raster/StampComposite.h"

struct StampBlocks {
    OwnedBlock picture;
    OwnedBlock mask;
    int32_t width = 0;  // the turned mask's size: the stamp's final size
    int32_t height = 0;
};

// None (null blocks) when either picture is missing, the size comes to nothing or memory runs
// out.
[[nodiscard]] StampBlocks MakeStampBlocks(const Dib& image, const Dib& mask, float scale,
                                          float angle);
// Lays the stamp centred on (cx, cy) of the 24-bit destination block; `placement` keeps how.
void LayStamp(uint8_t* destination, const StampBlocks& stamp, int32_t cx, int32_t cy,
              CompositeRequest& placement);
