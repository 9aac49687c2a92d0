// Pictures of known pixels for the tests.
#pragma once

#include <cstdint>

#include "graphics/Dib.h"

// A width x height picture whose pixel (x, y) has the colour colourAt(x, y), 0x00RRGGBB.
template <typename ColourAt>
[[nodiscard]] Dib PaintedDib(int32_t width, int32_t height, ColourAt colourAt) {
    Dib dib = Dib::CreateBlank(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t c = colourAt(x, y);
            uint8_t* p = dib.PixelAt(x, y);
            p[0] = uint8_t(c), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c >> 16);
        }
    return dib;
}

// A picture of one colour, 0x00RRGGBB.
[[nodiscard]] inline Dib SolidDib(int32_t width, int32_t height, uint32_t colour) {
    return PaintedDib(width, height, [colour](int32_t, int32_t) { return colour; });
}
