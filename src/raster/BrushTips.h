// The soft pencil's brush tips (100 sub-pixel phases of a round tip with a cosine falloff) and
// its level table (a tone curve and a linear curve per strength level).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "raster/BitmapBlock.h"

inline constexpr int kTipPhases = 10;
inline constexpr int kTipCount = kTipPhases * kTipPhases;
inline constexpr size_t kLevelEntrySize = 512;
inline constexpr size_t kLevelTableSize = 256 * kLevelEntrySize;
// Tips are built for sizes up to this; the workshop's brushes are at most 24.
inline constexpr int32_t kMaxTipSize = 256;

// The shape of a brush kind.
struct PencilParameters {
    double spacing = 0.0;  // step between dabs as a fraction of the tip width
    double minimumGain = 0.0;
    double gain = 0.0;
    double curveCentre = 0.0;
    double curveScale = 0.0;
    double radiusFactor = 0.0;
};

[[nodiscard]] PencilParameters PencilParametersFor(uint32_t kind, int32_t tipWidth);

struct BrushTipSet {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;  // width + 2
    OwnedBlock tips;     // kTipCount tips of (width + 2) x (height + 2) bytes, row-major
    OwnedBlock levels;   // kLevelTableSize bytes: per level the tone then the linear curve

    [[nodiscard]] size_t TipBytes() const {
        return static_cast<size_t>(width + 2) * static_cast<size_t>(height + 2);
    }
    [[nodiscard]] const uint8_t* Tip(int index) const { return tips.get() + index * TipBytes(); }
};

// Fills set.tips (already allocated for set.width x set.height). 1, or 0 when scratch memory
// cannot be had.
[[nodiscard]] int ComputeBrushTips(BrushTipSet& set, const PencilParameters& parameters);
// Fills set.levels.
void ComputeLevelTable(BrushTipSet& set, const PencilParameters& parameters);

// Left (or top) of the rectangle a dab of `size` covers around a centre whose whole part is
// `whole`; right (or bottom) is DabEnd.
[[nodiscard]] inline double DabStart(double whole, int32_t size) {
    return std::floor(whole - size * 0.5);
}
[[nodiscard]] inline double DabEnd(double whole, int32_t size) {
    return std::ceil(whole + size * 0.5 + 0.9);
}
