// Small helpers for the raster tests: blocks with known pixels and readable colours.
#pragma once

#include <cstdint>

#include "raster/BitmapBlock.h"

// A 24-bit block of width x height filled with `fill` (0x00BBGGRR).
inline OwnedBlock ColourBlock(int32_t width, int32_t height, uint32_t fill = 0) {
    return CreateBitmapBlock(1, width, height, nullptr, fill);
}

inline OwnedBlock GreyBlock(int32_t width, int32_t height, uint8_t fill = 0) {
    return CreateBitmapBlock(0, width, height, nullptr, fill);
}

inline uint32_t Rgb(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
           static_cast<uint32_t>(blue) << 16;
}

// The colour of pixel (x, y) as 0x00BBGGRR, or 0xFFFFFFFF when there is no such pixel.
inline uint32_t ColourAt(const uint8_t* block, int32_t x, int32_t y) {
    const uint8_t* p = PixelAt(block, x, y);
    return p ? Rgb(p[2], p[1], p[0]) : 0xFFFFFFFFu;
}

inline void SetColour(uint8_t* block, int32_t x, int32_t y, uint32_t colour) {
    uint8_t* p = PixelAt(block, x, y);
    p[0] = BlueOf(colour);
    p[1] = GreenOf(colour);
    p[2] = RedOf(colour);
}

inline int GreyAt(const uint8_t* block, int32_t x, int32_t y) {
    const uint8_t* p = PixelAt(block, x, y);
    return p ? *p : -1;
}
