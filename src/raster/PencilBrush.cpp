// PencilInit, PencilBegin, PencilStrokeTo, PencilEnd and PencilRelease.
#include "raster/PencilBrush.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "raster/PenCacheFile.h"
#include "raster/PencilBlendAvx2.h"
#include "raster/VectorLevel.h"

namespace {

constexpr double kMinimumMove = 1.2;
// A segment longer than this many steps outside the block is skipped in one jump rather than
// walked dab by dab; no pointer move of the workshop comes near it.
constexpr double kMaxWalkedSteps = 4096;

int IsPaintTarget(const uint8_t* target) {
    return IsPixelBlock(target) && IsColourBlock(target);
}

// A strength that is not a number would poison the level of every dab.
double Finite(double strength) {
    return std::isfinite(strength) ? strength : 0.0;
}

// Reads a cache file from the installation's folder, else from the user's cache; when neither
// has it, computes it and keeps it in the cache. An existing file is never rewritten, even when
// it could not be read; a cache that cannot be written only costs the computing next time.
template <class PathIn, class Compute>
int LoadCached(const PenCacheFolders& folders, PathIn pathIn, uint8_t* out, size_t size,
               Compute compute) {
    for (std::string_view folder : {folders.installed, folders.cache})
        if (!folder.empty() && ReadCacheFile(pathIn(folder), out, size)) return 1;
    if (!compute()) return 0;
    if (folders.cache.empty()) return 1;
    const std::string path = pathIn(folders.cache);
    if (!CacheFileExists(path)) WriteCacheFile(path, out, size);
    return 1;
}

int LoadTips(BrushTipSet& set, uint32_t kind, const PencilParameters& parameters,
             const PenCacheFolders& folders) {
    return LoadCached(
        folders, [&](std::string_view f) { return TipFileName(f, kind, set.width, set.height); },
        set.tips.get(), kTipCount * set.TipBytes(),
        [&] { return ComputeBrushTips(set, parameters); });
}

void LoadLevels(BrushTipSet& set, uint32_t kind, const PencilParameters& parameters,
                const PenCacheFolders& folders) {
    LoadCached(
        folders, [&](std::string_view f) { return LevelFileName(f, kind); }, set.levels.get(),
        kLevelTableSize, [&] {
            ComputeLevelTable(set, parameters);
            return 1;
        });
}

// Coverage byte -> blend weight of one level at the current opacity.
const uint8_t* AlphaFor(PencilBrush& brush, int level) {
    if (brush.alphaLevel != level || brush.alphaOpacity != brush.opacity) {
        const uint8_t* tone = brush.tips.levels.get() + level * kLevelEntrySize;
        const uint8_t* linear = tone + 256;
        for (int b = 0; b < 256; ++b) {
            brush.alpha[b] = static_cast<uint8_t>(linear[tone[b]] * brush.opacity);
        }
        brush.alphaLevel = level;
        brush.alphaOpacity = brush.opacity;
    }
    return brush.alpha;
}

// The plain blend of one row; a weight of 0 leaves the pixel as it is.
void BlendRow(uint8_t* p, const uint8_t* cover, const uint8_t* alpha, const uint8_t colour[3],
              int64_t count) {
    for (int64_t x = 0; x < count; ++x, ++cover, p += 3) {
        const int a = alpha[*cover];
        if (a == 0) continue;
        for (int i = 0; i < 3; ++i)
            p[i] = static_cast<uint8_t>((colour[i] * a + p[i] * (256 - a)) >> 8);
    }
}

void BlendTip(PencilBrush& brush, const uint8_t* tip, const uint8_t* alpha, int64_t left,
              int64_t top, int64_t right, int64_t bottom) {
    uint8_t* target = brush.target;
    const int64_t width = BlockWidth(target), height = BlockHeight(target);
    // Only the part of the dab inside the block is visited; the tip keeps its own origin.
    const int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min(right, width);
    const int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min(bottom, height);
    if (x0 >= x1 || y0 >= y1) return;
    const uint8_t colour[3] = {static_cast<uint8_t>(BlueOf(brush.colour)),
                               static_cast<uint8_t>(GreenOf(brush.colour)),
                               static_cast<uint8_t>(RedOf(brush.colour))};
    const int64_t stride = brush.tips.stride, rowStride = BlockStride(target);
    const int64_t count = x1 - x0, groups = (count + 15) / 16;
    // Rows lie bottom-up in memory: each row of the dab is one stride below the one before.
    uint8_t* p = PixelAt(target, x0, y0);
    const uint8_t* cover = tip + (y0 - top) * stride + (x0 - left);
    int64_t y = y0;
    if (ActiveVectorLevel() == VectorLevel::Avx2) {
        // The vector blend rewrites whole groups of 16 pixels: the first rows, which lie last in
        // memory, stay plain while their last group would pass the block's last pixel.
        const uint8_t* end = BlockPixels(target) + (height - 1) * rowStride + width * 3;
        for (; y < y1 && p + groups * 48 > end; ++y, p -= rowStride, cover += stride)
            BlendRow(p, cover, alpha, colour, count);
        BlendDabAvx2(p, -rowStride, cover, stride, alpha, colour, count, y1 - y);
        return;
    }
    for (; y < y1; ++y, p -= rowStride, cover += stride) BlendRow(p, cover, alpha, colour, count);
}

void PaintDab(PencilBrush& brush, double cx, double cy, double strength) {
    const int32_t w = brush.tips.width, h = brush.tips.height;
    const double fx = std::floor(cx), fy = std::floor(cy);
    const double left = DabStart(fx, w), top = DabStart(fy, h);
    const double right = DabEnd(fx, w), bottom = DabEnd(fy, h);
    const double maxX = BlockWidth(brush.target) + w - 1.0;
    const double maxY = BlockHeight(brush.target) + w - 1.0;
    Rect limited;
    limited.Set(static_cast<int32_t>(std::clamp(left, -1.0 * w, maxX)),
                static_cast<int32_t>(std::clamp(top, -1.0 * w, maxY)),
                static_cast<int32_t>(std::clamp(right, -1.0 * w, maxX)),
                static_cast<int32_t>(std::clamp(bottom, -1.0 * w, maxY)));
    if (limited.IsEmpty()) return;
    const int px = static_cast<int>((cx - fx) * 10), py = static_cast<int>((cy - fy) * 10);
    if (px >= kTipPhases || py >= kTipPhases) return;
    const int level = static_cast<int>(std::clamp(strength, 0.0, 255.0));
    brush.changed = Union(brush.changed, limited);
    // Dabs touching the block are near it, so their unlimited corners fit 64 bits.
    BlendTip(brush, brush.tips.Tip(py * kTipPhases + px), AlphaFor(brush, level),
             static_cast<int64_t>(left), static_cast<int64_t>(top), static_cast<int64_t>(right),
             static_cast<int64_t>(bottom));
}

// The part [enter, exit] of the segment P0 + t u, 0 <= t <= length, whose dabs can reach the
// block; enter > exit when none can.
void ReachOfSegment(const PencilBrush& b, double ux, double uy, double length, double& enter,
                    double& exit) {
    const double margin = 2.0 * std::max(b.tips.width, b.tips.height) + 4;
    const double lo[2] = {-margin, -margin};
    const double hi[2] = {BlockWidth(b.target) + margin, BlockHeight(b.target) + margin};
    const double p0[2] = {static_cast<double>(b.previousX), static_cast<double>(b.previousY)};
    const double u[2] = {ux, uy};
    enter = 0.0, exit = length;
    for (int i = 0; i < 2; ++i) {
        if (u[i] == 0) {
            if (p0[i] < lo[i] || p0[i] > hi[i]) enter = length + 1, exit = -1;
            continue;
        }
        double t0 = (lo[i] - p0[i]) / u[i], t1 = (hi[i] - p0[i]) / u[i];
        enter = std::max(enter, std::min(t0, t1));
        exit = std::min(exit, std::max(t0, t1));
    }
}

// Lays the dabs of one segment; returns the position of the last dab, or -1 when none was laid.
double LayDabs(PencilBrush& b, double first, double length, double ux, double uy, double step) {
    const double delta = b.currentStrength - b.previousStrength;
    double enter = 0.0, exit = 0.0;
    ReachOfSegment(b, ux, uy, length, enter, exit);
    const double far = kMaxWalkedSteps * step;
    double last = -1.0;
    for (double t = first; t < length; t += step) {
        // Long stretches whose dabs cannot reach the block are jumped over.
        double goal = t < enter - far                  ? std::min(enter, length)
                      : (t > exit && t < length - far) ? length
                                                       : t;
        if (goal != t) t += std::floor((goal - t) / step - 2) * step;
        last = t;
        double strength = std::min(255.0, b.previousStrength + t / length * delta);
        PaintDab(b, b.previousX + t * ux, b.previousY + t * uy, strength);
    }
    return last;
}

}  // namespace

int PencilInit(PencilBrush& brush, uint8_t* target, uint32_t kind, int32_t width, int32_t height,
               const PenCacheFolders& folders) {
    brush = PencilBrush{};
    brush.target = target;
    brush.kind = kind;
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width > kMaxTipSize || height > kMaxTipSize) return 0;
    brush.parameters = PencilParametersFor(kind, width);
    BrushTipSet& set = brush.tips;
    set.width = width;
    set.height = height;
    set.stride = width + 2;
    set.tips = AllocOwned(kTipCount * set.TipBytes());
    set.levels = AllocOwned(kLevelTableSize);
    if (!set.tips || !set.levels) return 0;
    if (!LoadTips(set, kind, brush.parameters, folders)) return 0;
    LoadLevels(set, kind, brush.parameters, folders);
    return 1;
}

int PencilBegin(PencilBrush& brush, uint8_t* target, int32_t x, int32_t y, double strength,
                uint32_t tag) {
    if (!IsPaintTarget(target)) return 0;
    brush.target = target;
    brush.previousX = brush.currentX = x;
    brush.previousY = brush.currentY = y;
    brush.previousStrength = brush.currentStrength = Finite(strength);
    brush.carried = 0.0;
    brush.active = 1;
    brush.state = PencilState::firstSegment;
    brush.tag = tag;
    return 1;
}

int PencilStrokeTo(PencilBrush& brush, uint8_t* target, int32_t x, int32_t y, int opacity,
                   double strength, uint32_t colour, uint32_t tag, Rect& changed) {
    if (!IsPaintTarget(target) || !brush.active || tag != brush.tag) return 0;
    // Without tips (a failed PencilInit) there is nothing to paint with.
    if (!brush.tips.tips || !brush.tips.levels) return 0;
    brush.target = target;
    brush.changed = Rect{};
    brush.currentX = x, brush.currentY = y;
    brush.currentStrength = Finite(strength);
    brush.colour = colour;
    brush.opacity = std::clamp(opacity, 0, 255) / 255.0;
    const double dx = static_cast<double>(x) - brush.previousX;
    const double dy = static_cast<double>(y) - brush.previousY;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length <= kMinimumMove) return 0;
    const double step = brush.parameters.spacing * brush.tips.width;
    double first = 0.0;
    if (brush.state != PencilState::firstSegment) first = brush.carried + length >= step ? step - brush.carried : length;
    const double last = LayDabs(brush, first, length, dx / length, dy / length, step);
    // Without a dab the whole segment adds to the distance carried to the next one.
    brush.carried = last < 0 ? brush.carried + length : length - last;
    brush.state = PencilState::continuing;
    const int32_t width = BlockWidth(target), height = BlockHeight(target);
    changed.Set(std::clamp(brush.changed.left, 0, width), std::clamp(brush.changed.top, 0, height),
                std::clamp(brush.changed.right, 0, width),
                std::clamp(brush.changed.bottom, 0, height));
    brush.previousX = x, brush.previousY = y;
    brush.previousStrength = brush.currentStrength;
    return 1;
}

int PencilEnd(PencilBrush& brush, uint8_t* target, int32_t x, int32_t y, double strength) {
    if (!IsPaintTarget(target)) return 0;
    brush.active = 0;
    brush.carried = 0.0;
    brush.previousX = brush.currentX = x;
    brush.previousY = brush.currentY = y;
    brush.previousStrength = brush.currentStrength = Finite(strength);
    brush.state = PencilState::ended;
    return 1;
}

void PencilRelease(PencilBrush& brush) { brush = PencilBrush{}; }
