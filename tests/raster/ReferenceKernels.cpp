// The raster kernels as they were before they were made fast: the reference of the
// differential test.
#include "raster/ReferenceKernels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "raster/ColourAdjust.h"
#include "raster/StampRotation.h"

namespace reference {
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

struct Geometry {
    int64_t width, height, stride, bytes;
    uint8_t* pixels;
};

Geometry GeometryOf(const uint8_t* block) {
    return {BlockWidth(block), BlockHeight(block), BlockStride(block), BlockBytesPerPixel(block),
            const_cast<uint8_t*>(BlockPixels(block))};
}

uint8_t* Address(const Geometry& g, int64_t x, int64_t y) {
    return g.pixels + (g.height - 1 - y) * g.stride + x * g.bytes;
}

bool Inside(const Geometry& g, int64_t x, int64_t y) {
    return x >= 0 && y >= 0 && x < g.width && y < g.height;
}

// Equal sizes: rows copied unchanged. Rows or pixels missing in either block are skipped.
void CopyRows(const Geometry& d, int64_t dx, int64_t dy, int64_t dw, int64_t dh, const Geometry& s,
              int64_t sx, int64_t sy) {
    if (dx >= 0 && dy >= 0 && sx >= 0 && sy >= 0) {
        int64_t run = std::min({dw, d.width - dx, s.width - sx});
        if (run <= 0) return;
        for (int64_t r = 0; r < dh; ++r) {
            if (dy + r >= d.height || sy + r >= s.height) break;
            std::memmove(Address(d, dx, dy + r), Address(s, sx, sy + r), run * d.bytes);
        }
        return;
    }
    for (int64_t r = 0; r < dh; ++r) {
        for (int64_t c = 0; c < dw; ++c) {
            if (!Inside(d, dx + c, dy + r) || !Inside(s, sx + c, sy + r)) continue;
            std::memmove(Address(d, dx + c, dy + r), Address(s, sx + c, sy + r), d.bytes);
        }
    }
}

// One source coordinate of the bilinear sample: the two neighbours (the second replaced by
// the first when it lies outside) and the fraction.
struct Tap {
    int64_t lo, hi;
    double frac;
    bool inside, hiInside;
};

Tap TapAt(double pos, int64_t limit) {
    double lo = std::floor(pos);
    double hi = std::ceil(pos);
    Tap tap{0, 0, pos - lo, lo >= 0 && lo < static_cast<double>(limit),
            hi < static_cast<double>(limit)};
    if (tap.inside) {
        tap.lo = static_cast<int64_t>(lo);
        tap.hi = tap.hiInside ? static_cast<int64_t>(hi) : tap.lo;
    }
    return tap;
}

void SampleBilinear(uint8_t* out, const Geometry& s, const Tap& tx, const Tap& ty) {
    // Any of the other three neighbours outside the source falls back to the top-left one.
    const uint8_t* tl = Address(s, tx.lo, ty.lo);
    const uint8_t* tr = tx.hiInside ? Address(s, tx.hi, ty.lo) : tl;
    const uint8_t* bl = ty.hiInside ? Address(s, tx.lo, ty.hi) : tl;
    const uint8_t* br = tx.hiInside && ty.hiInside ? Address(s, tx.hi, ty.hi) : tl;
    for (int64_t i = 0; i < s.bytes; ++i) {
        double top = tl[i] + (tr[i] - tl[i]) * tx.frac;
        double bottom = bl[i] + (br[i] - bl[i]) * tx.frac;
        double value = top + (bottom - top) * ty.frac;
        out[i] = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
    }
}

int Scale(const Geometry& d, int64_t dx, int64_t dy, int64_t dw, int64_t dh, const Geometry& s,
          int64_t sx, int64_t sy, int64_t sw, int64_t sh) {
    double xs = static_cast<double>(dw) / static_cast<double>(sw);
    double ys = static_cast<double>(dh) / static_cast<double>(sh);
    // Only columns and rows that land in the destination are visited.
    int64_t c0 = std::max<int64_t>(0, -dx), c1 = std::min(dw, d.width - dx);
    int64_t r0 = std::max<int64_t>(0, -dy), r1 = std::min(dh, d.height - dy);
    if (c0 >= c1 || r0 >= r1) return 1;
    OwnedBlock columns = AllocOwned(static_cast<size_t>(c1 - c0) * sizeof(Tap));
    if (!columns) return 0;
    Tap* taps = reinterpret_cast<Tap*>(columns.get());
    for (int64_t c = c0; c < c1; ++c) {
        taps[c - c0] = TapAt(static_cast<double>(c) / xs + static_cast<double>(sx), s.width);
    }
    for (int64_t r = r0; r < r1; ++r) {
        Tap ty = TapAt(static_cast<double>(r) / ys + static_cast<double>(sy), s.height);
        if (!ty.inside) continue;
        uint8_t* out = Address(d, dx + c0, dy + r);
        for (int64_t c = c0; c < c1; ++c, out += d.bytes) {
            if (taps[c - c0].inside) SampleBilinear(out, s, taps[c - c0], ty);
        }
    }
    return 1;
}

// The corners of a width x height block around its centre, in the order top-left, top-right,
// bottom-left, bottom-right (screen y downwards), with halves truncated toward zero.
struct Corners {
    double x[4], y[4];
};

Corners CornersOf(int32_t width, int32_t height) {
    double hw = width / 2, hh = height / 2;
    return {{-hw, hw, -hw, hw}, {-hh, -hh, hh, hh}};
}

// A corner that lands on a whole pixel in exact arithmetic comes out a hair short of it after
// the single-precision angle and the trigonometry; truncating that would drop a whole row or
// column (a stamp turned by 0 or a quarter turn would shrink). Values this close are taken as
// the whole number they stand for.
double TrueWhole(double v) {
    double nearest = std::round(v);
    return std::fabs(v - nearest) < 1e-4 ? nearest : v;
}

// Maps the source's corners forward to find the turned size.
bool TurnedSize(int32_t width, int32_t height, float angle, int32_t& outW, int32_t& outH) {
    Corners k = CornersOf(width, height);
    int64_t minX = INT64_MAX, maxX = INT64_MIN, minY = INT64_MAX, maxY = INT64_MIN;
    for (int i = 0; i < 4; ++i) {
        double r = std::sqrt(k.x[i] * k.x[i] + k.y[i] * k.y[i]);
        float a = AngleOf(static_cast<float>(k.x[i]), static_cast<float>(-k.y[i])) + angle;
        auto x = static_cast<int64_t>(std::trunc(TrueWhole(std::cos(a) * r)));
        auto y = static_cast<int64_t>(std::trunc(TrueWhole(-std::sin(a) * r)));
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    if (maxX - minX <= 0 || maxY - minY <= 0) return false;
    if (maxX - minX > kMaxBlockSide || maxY - minY > kMaxBlockSide) return false;
    outW = static_cast<int32_t>(maxX - minX);
    outH = static_cast<int32_t>(maxY - minY);
    return true;
}

// Walks the turned block's rows through the source and copies the nearest source pixel.
void ResampleTurned(const uint8_t* source, uint8_t* turned, float angle) {
    int32_t w = BlockWidth(source), h = BlockHeight(source);
    int32_t tw = BlockWidth(turned), th = BlockHeight(turned);
    int bytes = BlockBytesPerPixel(source);
    // Rows are addressed directly: the bounds test below keeps every pixel inside.
    const uint8_t* pixels = BlockPixels(source);
    const int64_t stride = BlockStride(source);
    Corners k = CornersOf(tw, th);
    float xs[4], ys[4];
    for (int i = 0; i < 4; ++i) {
        double r = std::sqrt(k.x[i] * k.x[i] + k.y[i] * k.y[i]);
        float a = AngleOf(static_cast<float>(k.x[i]), static_cast<float>(-k.y[i])) - angle;
        xs[i] = static_cast<float>(std::cos(a) * r + (w / 2));
        ys[i] = static_cast<float>((h / 2) - std::sin(a) * r);
    }
    float ux = (xs[1] - xs[0]) / static_cast<float>(tw);
    float uy = (ys[1] - ys[0]) / static_cast<float>(tw);
    float vx = (xs[3] - xs[1]) / static_cast<float>(th);
    float vy = (ys[3] - ys[1]) / static_cast<float>(th);
    for (int32_t row = 0; row < th; ++row) {
        float x = xs[0] + static_cast<float>(row) * vx;
        float y = ys[0] + static_cast<float>(row) * vy;
        uint8_t* out = PixelAt(turned, 0, row);
        for (int32_t col = 0; col < tw; ++col, x += ux, y += uy, out += bytes) {
            // Truncation toward zero, so points just left of or above the source still land
            // on its first column or row.
            double sx = static_cast<double>(x) + 0.5, sy = static_cast<double>(y) + 0.5;
            if (!(sx > -1.0 && sx < w && sy > -1.0 && sy < h)) continue;
            const int64_t ix = static_cast<int64_t>(sx), iy = static_cast<int64_t>(sy);
            std::memcpy(out, pixels + (h - 1 - iy) * stride + ix * bytes, bytes);
        }
    }
}

// Width or height after the symmetric trim of a rotated grey mask.
void TrimmedSize(const uint8_t* mask, int32_t& outW, int32_t& outH) {
    int32_t w = BlockWidth(mask), h = BlockHeight(mask);
    int32_t minC = w, maxC = -1, minR = h, maxR = -1;
    for (int32_t r = 0; r < h; ++r) {
        const uint8_t* p = PixelAt(mask, 0, r);
        for (int32_t c = 0; c < w; ++c) {
            if (p[c] < 20) continue;
            minC = std::min(minC, c), maxC = std::max(maxC, c);
            minR = std::min(minR, r), maxR = std::max(maxR, r);
        }
    }
    if (maxC < 0) {
        outW = outH = 1;
        return;
    }
    int32_t marginX = std::min(minC, w - maxC - 1);
    int32_t marginY = std::min(minR, h - maxR - 1);
    outW = std::max(1, w - 2 * marginX);
    outH = std::max(1, h - 2 * marginY);
}

inline uint8_t Blend(uint8_t d, uint8_t s, int m) {
    // Integer division truncates toward zero, as the blend is defined.
    return static_cast<uint8_t>(d + m * (s - d) / 256);
}

// Blends `count` pixels; the picture advances by `pictureStep` bytes (0 for a plain colour).
void BlendRun(uint8_t* d, const uint8_t* s, int pictureStep, const uint8_t* m, int maskStep,
              int64_t count) {
    for (int64_t i = 0; i < count; ++i, d += 3, s += pictureStep, m += maskStep) {
        const int value = *m;
        if (value == 0) continue;
        for (int k = 0; k < 3; ++k) d[k] = value == 255 ? s[k] : Blend(d[k], s[k], value);
    }
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
    const int32_t width = BlockWidth(block), height = BlockHeight(block);
    const int32_t stride = BlockStride(block);
    uint8_t* pixels = BlockPixels(block);
    for (int32_t row = 0; row < height; ++row) {
        uint8_t* p = pixels + static_cast<size_t>(row) * stride;
        for (int32_t x = 0; x < width; ++x, p += 3) AdjustPixel(p, hueChange, dS, dV);
    }
    return 1;
}

int StretchCopy(uint8_t* destination, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                const uint8_t* source, int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    if (!IsPixelBlock(destination) || !IsPixelBlock(source)) return 0;
    if (BlockBytesPerPixel(destination) != BlockBytesPerPixel(source)) return 0;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return 0;
    Geometry d = GeometryOf(destination);
    Geometry s = GeometryOf(source);
    if (dw == sw && dh == sh) {
        CopyRows(d, dx, dy, dw, dh, s, sx, sy);
        return 1;
    }
    return Scale(d, dx, dy, dw, dh, s, sx, sy, sw, sh);
}

OwnedBlock RotateBlock(const uint8_t* block, float angle, uint32_t fill) {
    if (!IsPixelBlock(block) || !std::isfinite(angle)) return {};
    int32_t tw = 0, th = 0;
    if (!TurnedSize(BlockWidth(block), BlockHeight(block), angle, tw, th)) return {};
    OwnedBlock turned = CreateBitmapBlock(IsColourBlock(block), tw, th, nullptr, fill);
    if (turned) ResampleTurned(block, turned.get(), angle);
    return turned;
}

OwnedBlock RotateMask(const uint8_t* mask, float angle, uint32_t fill) {
    OwnedBlock turned = RotateBlock(mask, angle, fill);
    if (!turned || IsColourBlock(turned.get())) return turned;
    int32_t w = 0, h = 0;
    TrimmedSize(turned.get(), w, h);
    OwnedBlock cut = CropCentred(turned.get(), w, h);
    return cut ? std::move(cut) : std::move(turned);
}

OwnedBlock CropCentred(const uint8_t* block, int32_t width, int32_t height) {
    if (!IsPixelBlock(block)) return {};
    int32_t w = BlockWidth(block), h = BlockHeight(block);
    if (width < 1 || height < 1 || width > w || height > h || (width == w && height == h)) {
        return {};
    }
    OwnedBlock cut = CreateBitmapBlock(IsColourBlock(block), width, height, nullptr, 0);
    if (!cut) return {};
    int32_t left = (w - width) / 2, top = (h - height) / 2;
    size_t run = static_cast<size_t>(width) * BlockBytesPerPixel(block);
    for (int32_t r = 0; r < height; ++r) {
        std::memcpy(PixelAt(cut.get(), 0, r), PixelAt(block, left, r + top), run);
    }
    return cut;
}

int CompositeThroughMask(const CompositeRequest& q) {
    const uint8_t* picture = q.picture;
    if (!IsPixelBlock(q.destination) || !IsColourBlock(q.destination)) return 0;
    if (!IsPixelBlock(q.mask)) return 0;
    if (picture && (!IsPixelBlock(picture) || !IsColourBlock(picture))) return 0;
    int64_t dw = BlockWidth(q.destination), dh = BlockHeight(q.destination);
    int64_t dx = q.destX, dy = q.destY;
    int64_t width = std::min(dw - dx, int64_t{BlockWidth(q.mask)} - q.maskX);
    int64_t height = std::min(dh - dy, int64_t{BlockHeight(q.mask)} - q.maskY);
    if (picture) {
        width = std::min(width, int64_t{BlockWidth(picture)} - q.pictureX);
        height = std::min(height, int64_t{BlockHeight(picture)} - q.pictureY);
    }
    width = std::clamp<int64_t>(width, 0, std::max(0, q.widthLimit));
    height = std::clamp<int64_t>(height, 0, std::max(0, q.heightLimit));
    if (width == 0 || height == 0) return 0;
    const uint8_t plain[3] = {BlueOf(q.colour), GreenOf(q.colour), RedOf(q.colour)};
    // Columns where destination, mask and picture pixels all exist.
    int64_t c0 = std::max({int64_t{0}, -dx, -int64_t{q.maskX}});
    int64_t c1 = std::min({width, dw - dx, int64_t{BlockWidth(q.mask)} - q.maskX});
    if (picture) {
        c0 = std::max(c0, -int64_t{q.pictureX});
        c1 = std::min(c1, int64_t{BlockWidth(picture)} - q.pictureX);
    }
    if (c0 >= c1) return 1;
    const int maskStep = BlockBytesPerPixel(q.mask);
    for (int64_t r = std::max<int64_t>(0, -dy); r < std::min(height, dh - dy); ++r) {
        uint8_t* d = PixelAt(q.destination, dx + c0, dy + r);
        const uint8_t* m = PixelAt(q.mask, q.maskX + c0, q.maskY + r);
        const uint8_t* s = picture ? PixelAt(picture, q.pictureX + c0, q.pictureY + r) : plain;
        if (!d || !m || !s) continue;  // a row missing from the mask or picture
        BlendRun(d, s, picture ? 3 : 0, m, maskStep, c1 - c0);
    }
    return 1;
}

}  // namespace reference
