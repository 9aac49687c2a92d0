// Surface: pixel storage and the raster operations.
#include "platform/Surface.h"

#include <algorithm>

namespace {

// A surface never grows beyond a large display: a bad size must not allocate gigabytes.
constexpr int64_t kMaxPixels = int64_t(16384) * 16384;

uint32_t Apply(uint32_t dst, uint32_t src, Rop rop) {
    switch (rop) {
        case Rop::Copy: return src;
        case Rop::Invert: return (dst ^ src) & 0xFFFFFF;
    }
    return dst;
}

}  // namespace

Surface::Surface(int32_t w, int32_t h) {
    if (w < 1 || h < 1 || int64_t(w) * h > kMaxPixels) return;
    width = w;
    height = h;
    pixels.assign(size_t(w) * size_t(h), 0);
}

uint32_t Surface::PixelAt(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return Row(y)[x];
}

void Surface::SetPixel(int32_t x, int32_t y, uint32_t colour) { Combine(x, y, colour, Rop::Copy); }

void Surface::Combine(int32_t x, int32_t y, uint32_t source, Rop rop) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    uint32_t& p = Row(y)[x];
    p = Apply(p, source & 0xFFFFFF, rop);
    Touch({x, y, x + 1, y + 1});
}

void Surface::Fill(const Rect& r, uint32_t colour, Rop rop) {
    Rect c;
    if (!Intersect(r, Bounds(), c)) return;
    for (int32_t y = c.top; y < c.bottom; ++y) {
        uint32_t* row = Row(y);
        for (int32_t x = c.left; x < c.right; ++x) row[x] = Apply(row[x], colour & 0xFFFFFF, rop);
    }
    Touch(c);
}

void Surface::BitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const Surface& source,
                     int32_t sx, int32_t sy, Rop rop) {
    if (IsEmpty() || source.IsEmpty()) return;
    // Clip against the source, then the destination, moving both corners together.
    // In 64 bits, so that far-away corners cannot overflow.
    const int64_t X = x, Y = y, SX = sx, SY = sy;
    const int64_t left = std::max<int64_t>({0, -SX, -X});
    const int64_t top = std::max<int64_t>({0, -SY, -Y});
    const int64_t right = std::min<int64_t>({w, source.width - SX, width - X});
    const int64_t bottom = std::min<int64_t>({h, source.height - SY, height - Y});
    if (right <= left || bottom <= top) return;
    for (int64_t j = top; j < bottom; ++j) {
        const uint32_t* from = source.Row(int32_t(SY + j)) + SX;
        uint32_t* to = Row(int32_t(Y + j)) + X;
        if (rop == Rop::Copy) {
            std::copy(from + left, from + right, to + left);
        } else {
            for (int64_t i = left; i < right; ++i) to[i] = Apply(to[i], from[i], rop);
        }
    }
    Touch({int32_t(X + left), int32_t(Y + top), int32_t(X + right), int32_t(Y + bottom)});
}

Rect Surface::TakeTouched() {
    Rect r = touched;
    touched = {};
    return r;
}

void Surface::Touch(const Rect& r) {
    Rect clipped;
    if (!Intersect(r, Bounds(), clipped)) return;
    touched = Union(touched, clipped);
}
