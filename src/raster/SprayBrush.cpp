// SprayInit, SprayPaint and SprayRelease.
#include "raster/SprayBrush.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t kConeKind = 3;

void BuildCone(uint8_t* pattern, int32_t pw, int32_t ph) {
    int32_t cx = pw / 2, cy = ph / 2;
    double radius = pw / 2;
    for (int32_t j = 0; j < ph; ++j) {
        for (int32_t i = 0; i < pw; ++i) {
            double d = std::sqrt(static_cast<double>((i - cx) * (i - cx) + (j - cy) * (j - cy)));
            if (d <= radius) pattern[j * pw + i] = static_cast<uint8_t>((1 - d / radius) * 255);
        }
    }
}

}  // namespace

int SprayInit(SprayBrush& brush, uint32_t kind, int32_t width, int32_t height) {
    brush = SprayBrush{};
    width = std::max(width, 1);
    height = std::max(height, 1);
    brush.kind = kind;
    brush.minimumStrength = 0.1;
    if (width > kMaxSpraySize || height > kMaxSpraySize) return 0;
    // Only the cone is designed; other kinds get no pattern and paint nothing visible.
    if (kind != kConeKind) return 0;
    int32_t pw = 2 * width, ph = 2 * height;
    brush.pattern = AllocOwned(static_cast<size_t>(pw) * ph);
    if (!brush.pattern) return 0;
    brush.patternWidth = pw;
    brush.patternHeight = ph;
    BuildCone(brush.pattern.get(), pw, ph);
    return 1;
}

int SprayPaint(SprayBrush& brush, uint8_t* target, int32_t x, int32_t y, int32_t width,
               int32_t height, int opacity, double strength, uint32_t colour, Rect* changed) {
    if (!IsPixelBlock(target) || !IsColourBlock(target)) return 0;
    brush.target = target;
    brush.x = x, brush.y = y, brush.width = width, brush.height = height;
    brush.colour = colour;
    brush.strength = strength;
    brush.opacity = std::clamp(opacity, 0, 255) / 255.0;
    double factor = std::min(1.0, std::max(brush.minimumStrength, strength));
    int64_t pw = brush.patternWidth, ph = brush.patternHeight;
    int64_t left = int64_t{x} - pw / 2, top = int64_t{y} - ph / 2;
    int64_t right = int64_t{x} + pw / 2, bottom = int64_t{y} + ph / 2;
    int64_t bw = BlockWidth(target), bh = BlockHeight(target);
    // Only the part of the puff inside the block is visited.
    int64_t x0 = std::clamp<int64_t>(left, 0, bw), x1 = std::clamp<int64_t>(right, 0, bw);
    int64_t y0 = std::clamp<int64_t>(top, 0, bh), y1 = std::clamp<int64_t>(bottom, 0, bh);
    const uint8_t blue = BlueOf(colour), green = GreenOf(colour), red = RedOf(colour);
    for (int64_t row = y0; row < y1 && brush.pattern; ++row) {
        const uint8_t* cover = brush.pattern.get() + (row - top) * pw;
        uint8_t* p = PixelAt(target, x0, row);
        for (int64_t col = x0; col < x1; ++col, p += 3) {
            int a = static_cast<int>(cover[col - left] * factor * brush.opacity);
            if (a == 0) continue;
            p[0] = static_cast<uint8_t>((blue * a + p[0] * (256 - a)) >> 8);
            p[1] = static_cast<uint8_t>((green * a + p[1] * (256 - a)) >> 8);
            p[2] = static_cast<uint8_t>((red * a + p[2] * (256 - a)) >> 8);
        }
    }
    if (changed) {
        changed->Set(static_cast<int32_t>(x0), static_cast<int32_t>(y0), static_cast<int32_t>(x1),
                     static_cast<int32_t>(y1));
    }
    return 1;
}

void SprayRelease(SprayBrush& brush) { brush = SprayBrush{}; }
