// StretchCopy.
#include "raster/StampScaling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "raster/BitmapBlock.h"

namespace {

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

}  // namespace

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
