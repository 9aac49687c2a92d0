// A picture for the raster benchmarks: varied colours, so that no shortcut of a plain picture
// hides the cost.
#pragma once

#include "raster/BitmapBlock.h"

inline OwnedBlock Patterned(int32_t width, int32_t height, int bits = 24) {
    OwnedBlock block = CreateBitmapBlock(bits == 24, width, height, nullptr, 0);
    const int bytes = bits / 8;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = PixelAt(block.get(), x, y);
            for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(x * (3 + i) + y * (7 - i));
        }
    }
    return block;
}
