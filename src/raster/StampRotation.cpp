// AngleOf, RotateBlock, RotateMask and CropCentred.
#include "raster/StampRotation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "raster/StampRotationAvx2.h"
#include "raster/VectorLevel.h"

namespace {

constexpr double kHalfPi = 1.570796251296997;
constexpr double kPi = 3.141592502593994;
constexpr double kThreeHalvesPi = 4.712388753890991;

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

// The nearest-neighbour walk: each turned row starts at (x0, y0) + row * (vx, vy) and each
// column adds (ux, uy), every sum in single precision.
struct Walk {
    float x0, y0, ux, uy, vx, vy;
};

struct Source {
    const uint8_t* pixels;
    int64_t stride;
    int32_t width, height;
};

// One turned row's walk: where it is in the source and where its next pixel goes.
struct Lane {
    float x, y;
    uint8_t* out;
};

template <int kBytes>
inline void Visit(const Source& s, Lane& lane, float ux, float uy) {
    // Truncation toward zero, so points just left of or above the source still land on its
    // first column or row.
    const double sx = static_cast<double>(lane.x) + 0.5, sy = static_cast<double>(lane.y) + 0.5;
    lane.x += ux;
    lane.y += uy;
    uint8_t* to = lane.out;
    lane.out += kBytes;
    if (!(sx > -1.0 && sx < s.width && sy > -1.0 && sy < s.height)) return;
    const int64_t ix = static_cast<int64_t>(sx), iy = static_cast<int64_t>(sy);
    const uint8_t* from = s.pixels + (s.height - 1 - iy) * s.stride + ix * kBytes;
    to[0] = from[0];
    if constexpr (kBytes == 3) {
        to[1] = from[1];
        to[2] = from[2];
    }
}

// kRows turned rows walked side by side: each walk is a chain of dependent additions, and
// several independent chains keep the processor busy where one would make it wait.
template <int kBytes, int kRows>
void TurnRows(const Source& s, uint8_t* const* outs, int32_t firstRow, int32_t columns,
              const Walk& k) {
    Lane lanes[kRows];
    for (int i = 0; i < kRows; ++i) {
        lanes[i] = {k.x0 + static_cast<float>(firstRow + i) * k.vx,
                    k.y0 + static_cast<float>(firstRow + i) * k.vy, outs[i]};
    }
    const float ux = k.ux, uy = k.uy;
    for (int32_t col = 0; col < columns; ++col) {
        [&]<int... I>(std::integer_sequence<int, I...>) {
            (Visit<kBytes>(s, lanes[I], ux, uy), ...);
        }
        (std::make_integer_sequence<int, kRows>{});
    }
}

template <int kBytes>
void TurnAllRows(const Source& s, uint8_t* turned, const Walk& k) {
    const int32_t tw = BlockWidth(turned), th = BlockHeight(turned);
    int32_t row = 0;
    if (ActiveVectorLevel() == VectorLevel::Avx2) {
        for (; row + 8 <= th; row += 8) {
            uint8_t* outs[8];
            float x[8], y[8];
            for (int i = 0; i < 8; ++i) {
                outs[i] = PixelAt(turned, 0, row + i);
                x[i] = k.x0 + static_cast<float>(row + i) * k.vx;
                y[i] = k.y0 + static_cast<float>(row + i) * k.vy;
            }
            TurnEightRowsAvx2(s.pixels, s.stride, s.width, s.height, kBytes, outs, x, y, k.ux, k.uy,
                              tw);
        }
    }
    for (; row + 4 <= th; row += 4) {
        uint8_t* const outs[4] = {PixelAt(turned, 0, row), PixelAt(turned, 0, row + 1),
                                  PixelAt(turned, 0, row + 2), PixelAt(turned, 0, row + 3)};
        TurnRows<kBytes, 4>(s, outs, row, tw, k);
    }
    for (; row < th; ++row) {
        uint8_t* const outs[1] = {PixelAt(turned, 0, row)};
        TurnRows<kBytes, 1>(s, outs, row, tw, k);
    }
}

// Walks the turned block's rows through the source and copies the nearest source pixel.
void ResampleTurned(const uint8_t* source, uint8_t* turned, float angle) {
    int32_t w = BlockWidth(source), h = BlockHeight(source);
    int32_t tw = BlockWidth(turned), th = BlockHeight(turned);
    // Rows are addressed directly: the bounds test keeps every pixel inside.
    const Source s{BlockPixels(source), BlockStride(source), w, h};
    Corners k = CornersOf(tw, th);
    float xs[4], ys[4];
    for (int i = 0; i < 4; ++i) {
        double r = std::sqrt(k.x[i] * k.x[i] + k.y[i] * k.y[i]);
        float a = AngleOf(static_cast<float>(k.x[i]), static_cast<float>(-k.y[i])) - angle;
        xs[i] = static_cast<float>(std::cos(a) * r + (w / 2));
        ys[i] = static_cast<float>((h / 2) - std::sin(a) * r);
    }
    const Walk walk{xs[0],
                    ys[0],
                    (xs[1] - xs[0]) / static_cast<float>(tw),
                    (ys[1] - ys[0]) / static_cast<float>(tw),
                    (xs[3] - xs[1]) / static_cast<float>(th),
                    (ys[3] - ys[1]) / static_cast<float>(th)};
    if (BlockBytesPerPixel(source) == 3) {
        TurnAllRows<3>(s, turned, walk);
    } else {
        TurnAllRows<1>(s, turned, walk);
    }
}

// Width or height after the symmetric trim of a rotated grey mask. Each row is searched from
// both ends for its first covered pixel, so the covered middle is never visited.
void TrimmedSize(const uint8_t* mask, int32_t& outW, int32_t& outH) {
    int32_t w = BlockWidth(mask), h = BlockHeight(mask);
    int32_t minC = w, maxC = -1, minR = h, maxR = -1;
    for (int32_t r = 0; r < h; ++r) {
        const uint8_t* p = PixelAt(mask, 0, r);
        int32_t first = 0;
        while (first < w && p[first] < 20) ++first;
        if (first == w) continue;
        int32_t last = w - 1;
        while (p[last] < 20) --last;
        minC = std::min(minC, first), maxC = std::max(maxC, last);
        minR = std::min(minR, r), maxR = r;
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

}  // namespace

float AngleOf(float x, float y) {
    double dx = x, dy = y;
    if (dx == 0) return static_cast<float>(dy == 0 ? 0.0 : dy < 0 ? kThreeHalvesPi : kHalfPi);
    if (dx > 0) return static_cast<float>(dy == 0 ? 0.0 : std::atan(dy / dx));
    if (dy == 0) return static_cast<float>(kPi);
    if (dy < 0) return static_cast<float>(std::atan(dy / dx) + kPi);
    return static_cast<float>(std::atan(-dx / dy) + kHalfPi);
}

OwnedBlock RotateBlock(const uint8_t* block, float angle, uint32_t fill) {
    if (!IsPixelBlock(block) || !std::isfinite(angle)) return {};
    int32_t tw = 0, th = 0;
    if (!TurnedSize(BlockWidth(block), BlockHeight(block), angle, tw, th)) return {};
    OwnedBlock turned = CreateBitmapBlock(IsColourBlock(block), tw, th, nullptr, fill);
    if (turned) ResampleTurned(block, turned.get(), angle);
    return turned;
}

int RotateBlock(OwnedBlock& block, float angle, uint32_t fill) {
    OwnedBlock turned = RotateBlock(block.get(), angle, fill);
    if (!turned) return 0;
    block = std::move(turned);
    return 1;
}

OwnedBlock RotateMask(const uint8_t* mask, float angle, uint32_t fill) {
    OwnedBlock turned = RotateBlock(mask, angle, fill);
    if (!turned || IsColourBlock(turned.get())) return turned;
    int32_t w = 0, h = 0;
    TrimmedSize(turned.get(), w, h);
    CropCentred(turned, w, h);
    return turned;
}

int RotateMask(OwnedBlock& mask, float angle, uint32_t fill) {
    OwnedBlock turned = RotateMask(mask.get(), angle, fill);
    if (!turned) return 0;
    mask = std::move(turned);
    return 1;
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

int CropCentred(OwnedBlock& block, int32_t width, int32_t height) {
    OwnedBlock cut = CropCentred(block.get(), width, height);
    if (!cut) return 0;
    block = std::move(cut);
    return 1;
}
