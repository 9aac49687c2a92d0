// Canvas: a top-down RGB picture with the few drawing operations the airplane skins, line
// overlays, steps sheets and fold movies need; written out through Dib.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Dib.h"
#include "graphics/Geometry.h"

struct RgbPixel {
    uint8_t r = 0, g = 0, b = 0;
};
static_assert(sizeof(RgbPixel) == 3, "pictures are packed red, green, blue");
inline RgbPixel RgbOf(uint32_t rrggbb) {
    return {uint8_t(rrggbb >> 16), uint8_t(rrggbb >> 8), uint8_t(rrggbb)};
}
inline RgbPixel Mix(RgbPixel a, RgbPixel b, double t) {
    return {uint8_t(a.r + (b.r - a.r) * t), uint8_t(a.g + (b.g - a.g) * t),
            uint8_t(a.b + (b.b - a.b) * t)};
}

// Dash patterns in pixels: on, off, on, off ...; empty draws a solid line.
using Dashes = std::vector<double>;

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, RgbPixel fill);

    [[nodiscard]] int Width() const { return width; }
    [[nodiscard]] int Height() const { return height; }
    [[nodiscard]] RgbPixel Get(int x, int y) const;
    void Set(int x, int y, RgbPixel c);
    void Blend(int x, int y, RgbPixel c, double alpha);
    [[nodiscard]] const std::vector<RgbPixel>& Pixels() const { return pixels; }
    [[nodiscard]] std::vector<RgbPixel>& Pixels() { return pixels; }

    void FillRect(int x, int y, int w, int h, RgbPixel c);
    // Even-odd fill of any simple polygon, with its edges smoothed.
    void FillPolygon(const Polygon& p, RgbPixel c, double alpha = 1);
    void FillCircle(Vec2 centre, double radius, RgbPixel c);
    // A line of the given width; dashes start at a.
    void Line(Vec2 a, Vec2 b, double thickness, RgbPixel c, const Dashes& dashes = {});
    void Outline(const Polygon& p, double thickness, RgbPixel c);
    // An arrow with its head at b.
    void Arrow(Vec2 a, Vec2 b, double thickness, RgbPixel c);
    // A curved arrow from a to b, bowed to the left of its way: how a flap turns over.
    void Bow(Vec2 a, Vec2 b, double thickness, RgbPixel c);
    // Digits 0-9 in a blocky face, `size` pixels high, top-left at (x, y).
    void Digits(const std::string& text, double x, double y, double size, RgbPixel c);
    // Copies `other` scaled (nearest) into the rectangle.
    void Paste(const Canvas& other, int x, int y, int w, int h);

    // The bytes of a 24-bit bitmap's rows, bottom row first, blue, green, red, each `stride`
    // bytes (at least width * 3).
    void ToBgrRows(uint8_t* rows, int32_t stride) const;
    // The padded stride of such rows: width * 3 rounded up to a multiple of 4.
    [[nodiscard]] static int32_t BgrStride(int width) { return (width * 3 + 3) / 4 * 4; }
    // As a 24-bit Dib; empty when the canvas is.
    [[nodiscard]] Dib ToDib() const;
    // Through Dib: 24-bit, the width must be a multiple of 4. 1 on success.
    [[nodiscard]] int SaveBmp(const std::string& path) const;
    // A paletted bitmap of 8 or 4 bits: its colours when there are at most 256 (or 16), else a
    // median-cut palette of them, each pixel taking the nearest entry (for pictures of few
    // colours: line overlays, steps sheets). 1 on success.
    [[nodiscard]] int SavePalettedBmp(const std::string& path, int bits = 8) const;

private:
    int width = 0, height = 0;
    std::vector<RgbPixel> pixels;
};

