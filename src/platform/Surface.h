// Surface: a CPU pixel buffer that stands in for a device context (the window, the back buffer,
// off-screen bitmaps). It implements the raster operations the screens use; the window adapter
// presents the window's surface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Rect.h"

// Raster operations, named after the device operations they replace.
enum class Rop {
    Copy,    // SRCCOPY: destination := source
    Invert,  // SRCINVERT: destination := destination XOR source; twice restores it
};

// Pixels are 0x00RRGGBB, rows top-down.
class Surface {
public:
    Surface() = default;
    // A black surface; empty when a side is below 1 or the size is absurd.
    Surface(int32_t width, int32_t height);

    [[nodiscard]] bool IsEmpty() const { return pixels.empty(); }
    [[nodiscard]] int32_t Width() const { return width; }
    [[nodiscard]] int32_t Height() const { return height; }
    [[nodiscard]] Rect Bounds() const { return {0, 0, width, height}; }
    [[nodiscard]] uint32_t* Row(int32_t y) { return pixels.data() + size_t(y) * size_t(width); }
    [[nodiscard]] const uint32_t* Row(int32_t y) const {
        return pixels.data() + size_t(y) * size_t(width);
    }
    // The pixel, or 0 (black) outside.
    [[nodiscard]] uint32_t PixelAt(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t colour);

    // Combines one source pixel into (x, y); outside points are skipped.
    void Combine(int32_t x, int32_t y, uint32_t source, Rop rop);
    // Fills the rectangle (clipped) with the colour under the operation.
    void Fill(const Rect& r, uint32_t colour, Rop rop = Rop::Copy);
    // Copies the w x h block at (sx, sy) of source to (x, y) with the operation, clipped to
    // both surfaces; nothing when either is empty.
    void BitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const Surface& source, int32_t sx,
                int32_t sy, Rop rop = Rop::Copy);

    // The bounding rectangle of everything drawn since the last call (used to present only
    // what changed); empty when nothing was drawn. Taken and dropped, it forgets.
    Rect TakeTouched();
    void Touch(const Rect& r);

private:
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
    Rect touched;
};

[[nodiscard]] inline uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}
