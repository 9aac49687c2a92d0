// StretchCopy.
#include "raster/StampScaling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "raster/BitmapBlock.h"
#include "raster/StampScalingAvx2.h"
#include "raster/VectorLevel.h"

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

// Columns whose neighbours both lie in the source. A fraction of 0 makes the sample the left
// neighbour's bytes exactly (x + (y - x) * 0 is x), so such columns copy, and rows with a
// fraction of 0 skip the lower neighbours the same way.
using Column = ScaleColumn;

inline uint8_t Lerp(int a, int b, double frac) {
    return static_cast<uint8_t>(std::clamp(a + (b - a) * frac, 0.0, 255.0));
}

template <int kBytes>
void ScaleRow(uint8_t* out, const uint8_t* top, const uint8_t* bottom, double fy,
              const Column* columns, int64_t count) {
    if (fy == 0) {
        for (int64_t c = 0; c < count; ++c, out += kBytes) {
            const Column& k = columns[c];
            const uint8_t* tl = top + k.lo;
            if (k.frac == 0) {
                for (int i = 0; i < kBytes; ++i) out[i] = tl[i];
            } else {
                const uint8_t* tr = top + k.hi;
                for (int i = 0; i < kBytes; ++i) out[i] = Lerp(tl[i], tr[i], k.frac);
            }
        }
        return;
    }
    for (int64_t c = 0; c < count; ++c, out += kBytes) {
        const Column& k = columns[c];
        const uint8_t* tl = top + k.lo;
        const uint8_t* bl = bottom + k.lo;
        if (k.frac == 0) {
            for (int i = 0; i < kBytes; ++i) out[i] = Lerp(tl[i], bl[i], fy);
            continue;
        }
        const uint8_t* tr = top + k.hi;
        const uint8_t* br = bottom + k.hi;
        for (int i = 0; i < kBytes; ++i) {
            double upper = tl[i] + (tr[i] - tl[i]) * k.frac;
            double lower = bl[i] + (br[i] - bl[i]) * k.frac;
            double value = upper + (lower - upper) * fy;
            out[i] = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
        }
    }
}

// The part of a row whose four neighbours all exist, between the source rows of `ty`.
void ScaleInner(uint8_t* out, const Geometry& s, const Tap& ty, const Column* columns,
                int64_t count) {
    const uint8_t* top = Address(s, 0, ty.lo);
    const uint8_t* bottom = Address(s, 0, ty.hi);
    if (s.bytes == 1) {
        ScaleRow<1>(out, top, bottom, ty.frac, columns, count);
    } else {
        ScaleRow<3>(out, top, bottom, ty.frac, columns, count);
    }
}

// The vector path's source rows interpolated across the inner columns, the last two made, so
// that destination rows between the same source rows (every row of an enlargement but a few)
// only blend them.
class RowCache {
  public:
    [[nodiscard]] bool Init(const Column* columns, int64_t count) {
        const size_t doubles = static_cast<size_t>(count) * 3 + 1;
        memory_ = AllocOwned(2 * doubles * sizeof(double));
        if (!memory_) return false;
        rows_[0] = reinterpret_cast<double*>(memory_.get());
        rows_[1] = rows_[0] + doubles;
        columns_ = columns;
        count_ = count;
        return true;
    }

    // Source row y interpolated, made unless kept; the row `keep` is not given up for it.
    const double* Row(const Geometry& s, int64_t y, int64_t keep) {
        for (int i = 0; i < 2; ++i) {
            if (source_[i] == y) return rows_[i];
        }
        const int slot = source_[0] == keep ? 1 : 0;
        Interpolate(rows_[slot], s, y);
        source_[slot] = y;
        return rows_[slot];
    }

  private:
    void Interpolate(double* out, const Geometry& s, int64_t y) const {
        const uint8_t* row = Address(s, 0, y);
        // The vector reads four bytes a neighbour: the last columns stay plain where that would
        // pass the source's end.
        const int64_t room = s.pixels + s.height * s.stride - row;
        int64_t vectorCount = count_;
        while (vectorCount > 0 && columns_[vectorCount - 1].hi + 4 > room) --vectorCount;
        InterpolateColourRowAvx2(out, row, columns_, vectorCount);
        for (int64_t c = vectorCount; c < count_; ++c) {
            const Column& k = columns_[c];
            for (int i = 0; i < 3; ++i)
                out[3 * c + i] = row[k.lo + i] + (row[k.hi + i] - row[k.lo + i]) * k.frac;
        }
    }

    OwnedBlock memory_;
    double* rows_[2] = {};
    int64_t source_[2] = {-1, -1};
    const Column* columns_ = nullptr;
    int64_t count_ = 0;
};

// Whole source columns and a whole source row: the sample is the left neighbour's bytes.
void CopyColumns(uint8_t* out, const uint8_t* row, const Column* columns, int64_t count) {
    for (int64_t c = 0; c < count; ++c, out += 3) std::memcpy(out, row + columns[c].lo, 3);
}

int Scale(const Geometry& d, int64_t dx, int64_t dy, int64_t dw, int64_t dh, const Geometry& s,
          int64_t sx, int64_t sy, int64_t sw, int64_t sh) {
    double xs = static_cast<double>(dw) / static_cast<double>(sw);
    double ys = static_cast<double>(dh) / static_cast<double>(sh);
    // Only columns and rows that land in the destination are visited.
    int64_t c0 = std::max<int64_t>(0, -dx), c1 = std::min(dw, d.width - dx);
    int64_t r0 = std::max<int64_t>(0, -dy), r1 = std::min(dh, d.height - dy);
    if (c0 >= c1 || r0 >= r1) return 1;
    const size_t n = static_cast<size_t>(c1 - c0);
    OwnedBlock memory = AllocOwned(n * (sizeof(Tap) + sizeof(Column)));
    if (!memory) return 0;
    Tap* taps = reinterpret_cast<Tap*>(memory.get());
    Column* columns = reinterpret_cast<Column*>(memory.get() + n * sizeof(Tap));
    // The source x grows with the column, so the columns whose both neighbours exist form one
    // run [inner0, inner1); the few beside it (at the source's edges) go the general way.
    int64_t inner0 = c1, inner1 = c1;
    for (int64_t c = c0; c < c1; ++c) {
        Tap& tap = taps[c - c0];
        tap = TapAt(static_cast<double>(c) / xs + static_cast<double>(sx), s.width);
        columns[c - c0] = {tap.lo * s.bytes, tap.hi * s.bytes, tap.frac};
        const bool inner = tap.inside && tap.hiInside;
        if (inner && inner0 == c1) inner0 = c;
        if (inner) inner1 = c + 1;
    }
    for (int64_t c = inner0; c < inner1; ++c) {
        if (!taps[c - c0].inside || !taps[c - c0].hiInside) inner0 = inner1 = c1;  // not one run
    }
    RowCache cache;
    const bool vector = s.bytes == 3 && inner0 < inner1 &&
                        ActiveVectorLevel() == VectorLevel::Avx2 &&
                        cache.Init(columns + (inner0 - c0), inner1 - inner0);
    bool wholeColumns = true;
    for (int64_t c = inner0; c < inner1; ++c) wholeColumns &= columns[c - c0].frac == 0;
    for (int64_t r = r0; r < r1; ++r) {
        Tap ty = TapAt(static_cast<double>(r) / ys + static_cast<double>(sy), s.height);
        if (!ty.inside) continue;
        uint8_t* out = Address(d, dx + c0, dy + r);
        // A row whose lower neighbours fall outside goes the general way throughout.
        const int64_t from = ty.hiInside ? inner0 : c1, to = ty.hiInside ? inner1 : c1;
        if (from < to && vector && wholeColumns && ty.frac == 0) {
            CopyColumns(out + (from - c0) * 3, Address(s, 0, ty.lo), columns + (from - c0),
                        to - from);
        } else if (from < to && vector) {
            const double* upper = cache.Row(s, ty.lo, ty.hi);
            const double* lower = ty.hi == ty.lo ? upper : cache.Row(s, ty.hi, ty.lo);
            BlendColourRowsAvx2(out + (from - c0) * 3, upper, lower, ty.frac, (to - from) * 3);
        } else if (from < to) {
            ScaleInner(out + (from - c0) * d.bytes, s, ty, columns + (from - c0), to - from);
        }
        for (int64_t c = c0; c < c1; ++c) {
            if (c == from) c = to;
            if (c < c1 && taps[c - c0].inside) {
                SampleBilinear(out + (c - c0) * d.bytes, s, taps[c - c0], ty);
            }
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
