// Integer hue/saturation/value conversion and the whole-block adjustment.
#include "raster/ColourAdjust.h"

#include <algorithm>
#include <array>

#include "raster/BitmapBlock.h"
#include "raster/ColourAdjustAvx2.h"
#include "raster/VectorLevel.h"

namespace {

// Exact quotients n / d for 0 <= n < 2^16 and 1 <= d <= 255 by one multiplication: the two
// divisions per pixel dominate the adjustment otherwise.
struct Reciprocals {
    std::array<uint64_t, 256> magic{};
    constexpr Reciprocals() {
        for (uint64_t d = 1; d < 256; ++d) magic[d] = ((uint64_t{1} << 32) + d - 1) / d;
    }
};
constexpr Reciprocals kReciprocals;

inline int Divide(int n, int d) {
    return static_cast<int>((static_cast<uint64_t>(n) * kReciprocals.magic[d]) >> 32);
}

// Truncates toward zero like the integer division it replaces.
inline int DivideSigned(int n, int d) {
    return n < 0 ? -Divide(-n, d) : Divide(n, d);
}

// The conversion for byte components, where the reciprocal divisions are exact.
inline Hsv ByteRgbToHsv(int red, int green, int blue) {
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    const int delta = max - min;
    if (delta == 0) return {kNoHue, 0, max};  // saturation (max - min) * 255 / max is 0
    Hsv hsv{0, Divide(delta * 255, max), max};
    if (hsv.saturation == 0) {
        hsv.hue = kNoHue;
        return hsv;
    }
    if (red == max) {
        hsv.hue = DivideSigned((green - blue) * 60, delta);
    } else if (green == max) {
        hsv.hue = DivideSigned((blue - red) * 60, delta) + 120;
    } else {
        hsv.hue = DivideSigned((red - green) * 60, delta) + 240;
    }
    if (hsv.hue < 0) hsv.hue += 360;
    return hsv;
}

}  // namespace

Hsv RgbToHsv(int red, int green, int blue) {
    if (red >= 0 && green >= 0 && blue >= 0 && red <= 255 && green <= 255 && blue <= 255) {
        return ByteRgbToHsv(red, green, blue);
    }
    int max = std::max({red, green, blue});
    int min = std::min({red, green, blue});
    Hsv hsv;
    hsv.value = max;
    if (max != 0) hsv.saturation = (max - min) * 255 / max;
    if (hsv.saturation == 0) {
        hsv.hue = kNoHue;
        return hsv;
    }
    int delta = max - min;
    if (red == max) {
        hsv.hue = (green - blue) * 60 / delta;
    } else if (green == max) {
        hsv.hue = (blue - red) * 60 / delta + 120;
    } else {
        hsv.hue = (red - green) * 60 / delta + 240;
    }
    if (hsv.hue < 0) hsv.hue += 360;
    return hsv;
}

void HsvToRgb(const Hsv& hsv, int& red, int& green, int& blue) {
    int v = hsv.value;
    int s = hsv.saturation;
    if (s == 0) {
        red = green = blue = v;
        return;
    }
    if (hsv.hue < 0 || hsv.hue > 360) return;
    int hue = hsv.hue == 360 ? 0 : hsv.hue;
    int sector = hue / 60;
    int f = hue % 60;
    int p = v - (s * v) / 255;
    int q = v - ((f * s * v) / 255) / 60;
    int t = v - (((60 - f) * s * v) / 255) / 60;
    switch (sector) {
        case 0:
            red = v, green = t, blue = p;
            break;
        case 1:
            red = q, green = v, blue = p;
            break;
        case 2:
            red = p, green = v, blue = t;
            break;
        case 3:
            red = p, green = q, blue = v;
            break;
        case 4:
            red = t, green = p, blue = v;
            break;
        default:
            red = v, green = p, blue = q;
            break;
    }
}

namespace {

// Which of (value, p, q, t) each sector gives to red, green and blue.
constexpr uint8_t kSectorPick[6][3] = {{0, 3, 1}, {2, 0, 1}, {1, 0, 3},
                                       {1, 2, 0}, {3, 1, 0}, {0, 1, 2}};

// One pixel of AdjustHsv, written without data-dependent branches where it can be: the hue
// sector and the largest component change from pixel to pixel, and mispredicted branches
// would cost more than the arithmetic. The results are those of RgbToHsv and HsvToRgb.
inline void AdjustPixel(uint8_t* px, int hueChange, int dS, int dV) {
    const int red = px[2], green = px[1], blue = px[0];
    const int max = std::max({red, green, blue});
    const int delta = max - std::min({red, green, blue});
    if (delta == 0) {
        // Grey: no hue. It becomes grey of the new value only when the saturation stays 0.
        if (dS <= 0) px[0] = px[1] = px[2] = static_cast<uint8_t>(std::clamp(max + dV, 0, 255));
        return;
    }
    const bool redMax = red == max, greenMax = !redMax && green == max;
    const int numerator = redMax ? green - blue : greenMax ? blue - red : red - green;
    const int offset = redMax ? 0 : greenMax ? 120 : 240;
    const int sign = numerator >> 31;
    const int magnitude = Divide(((numerator ^ sign) - sign) * 60, delta);
    int hue = ((magnitude ^ sign) - sign) + offset;
    hue += hue < 0 ? 360 : 0;
    hue += hueChange;
    hue -= hue > 360 ? 360 * ((hue - 1) / 360) : 0;
    hue = hue == 360 ? 0 : hue;
    const int sat = std::clamp(Divide(delta * 255, max) + dS, 0, 255);
    const int v = std::clamp(max + dV, 0, 255);
    const int sector = hue / 60, f = hue - sector * 60;
    const int values[4] = {v, v - (sat * v) / 255, v - ((f * sat * v) / 255) / 60,
                           v - (((60 - f) * sat * v) / 255) / 60};
    const uint8_t* pick = kSectorPick[sector];
    px[2] = static_cast<uint8_t>(sat == 0 ? v : values[pick[0]]);
    px[1] = static_cast<uint8_t>(sat == 0 ? v : values[pick[1]]);
    px[0] = static_cast<uint8_t>(sat == 0 ? v : values[pick[2]]);
}

}  // namespace

int AdjustHsv(uint8_t* block, int hueChange, int saturationChange, int lightnessChange) {
    if (!IsPixelBlock(block) || !IsColourBlock(block)) return 0;
    // Changes beyond the designed ranges act like their in-range equivalents (and cannot
    // overflow): a hue is periodic and a full percentage already saturates.
    if (hueChange > 360 || hueChange < -360) hueChange %= 360;
    if (hueChange < 0) hueChange += 360;
    const int dS = std::clamp(saturationChange, -100, 100) * 255 / 100;
    const int dV = std::clamp(lightnessChange, -100, 100) * 255 / 100;
    const int64_t width = BlockWidth(block), height = BlockHeight(block);
    const int64_t stride = BlockStride(block);
    uint8_t* pixels = BlockPixels(block);
    // Rows without padding run on as one, so that the vector path has fewer leftovers.
    const bool joined = stride == width * 3;
    const int64_t rows = joined ? 1 : height, run = joined ? width * height : width;
    const bool vector = ActiveVectorLevel() == VectorLevel::Avx2;
    for (int64_t row = 0; row < rows; ++row) {
        uint8_t* p = pixels + row * stride;
        const int64_t done = vector ? AdjustHsvRunAvx2(p, run, hueChange, dS, dV) : 0;
        p += done * 3;
        for (int64_t x = done; x < run; ++x, p += 3) AdjustPixel(p, hueChange, dS, dV);
    }
    return 1;
}
