// Building the pencil's brush tips and level table.
//
// A tip pixel's coverage is the sum of a falloff over 10 x 10 sub-samples, and the 100 tips
// need millions of samples. The distances along each axis repeat across tips, pixels and
// sub-samples, so each falloff is computed once per distinct pair of squared axis distances
// and the sums read it from a table, in the same order and with the same operands as the
// sample-by-sample formula: the tips come out bit for bit the same.
#include "raster/BrushTips.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHalfPi = 1.570796251296997;
constexpr double kPi = 3.141592502593994;
// Beyond this many table entries the falloffs are computed row by row instead.
constexpr size_t kMaxTableEntries = size_t{1} << 23;

// The squared sub-sample distances along one axis: the distinct values, sorted, and for every
// (phase, cell, sub-sample) the index of its value.
struct AxisSamples {
    OwnedBlock valueBlock, indexBlock;
    const double* values = nullptr;
    size_t count = 0;
    const uint32_t* index = nullptr;  // [phase][cell][sub]
};

bool BuildAxis(AxisSamples& axis, int32_t size) {
    const int32_t cells = size + 2;
    const size_t total = static_cast<size_t>(kTipPhases) * cells * kTipPhases;
    axis.valueBlock = AllocOwned(total * sizeof(double) * 2);
    axis.indexBlock = AllocOwned(total * sizeof(uint32_t));
    if (!axis.valueBlock || !axis.indexBlock) return false;
    auto* all = reinterpret_cast<double*>(axis.valueBlock.get());
    double* sorted = all + total;
    const double whole = std::floor(size * 0.5);
    const auto origin = static_cast<int32_t>(DabStart(whole, size));
    size_t n = 0;
    for (int p = 0; p < kTipPhases; ++p) {
        const double centre = whole + p * 0.1;
        for (int32_t cell = 0; cell < cells; ++cell) {
            for (int s = 0; s < kTipPhases; ++s, ++n) {
                double d = (origin + cell) + s * 0.1 + 0.05 - centre;
                all[n] = d * d;
            }
        }
    }
    std::copy(all, all + total, sorted);
    std::sort(sorted, sorted + total);
    axis.count = static_cast<size_t>(std::unique(sorted, sorted + total) - sorted);
    auto* index = reinterpret_cast<uint32_t*>(axis.indexBlock.get());
    for (size_t i = 0; i < total; ++i) {
        index[i] =
            static_cast<uint32_t>(std::lower_bound(sorted, sorted + axis.count, all[i]) - sorted);
    }
    axis.values = sorted;
    axis.index = index;
    return true;
}

// One sub-sample's contribution to a tip pixel.
double Contribution(double squared, double radius, double limit) {
    double d = std::sqrt(squared);
    if (!(d <= limit)) return 0.0;
    double a = d * kHalfPi / radius + kHalfPi;
    double falloff = a <= kPi ? std::sin(a) : -(std::sin(a) + 1);
    return falloff * 2.55;
}

void FillRow(double* row, double ySquared, const AxisSamples& xs, double radius, double limit) {
    for (size_t i = 0; i < xs.count; ++i)
        row[i] = Contribution(xs.values[i] + ySquared, radius, limit);
}

// Sums one tip pixel from the contribution rows of its ten sub-sample rows.
uint8_t SumPixel(const double* const rows[kTipPhases], const uint32_t* xIndex) {
    double sum = 0.0;
    for (int sy = 0; sy < kTipPhases; ++sy) {
        for (int sx = 0; sx < kTipPhases; ++sx) sum += rows[sy][xIndex[sx]];
    }
    // A sample just past the rim can contribute a small negative amount.
    return static_cast<uint8_t>(std::clamp(sum, 0.0, 255.0));
}

}  // namespace

PencilParameters PencilParametersFor(uint32_t /*kind*/, int32_t tipWidth) {
    // Every kind is the soft pencil: it is the only brush the workshop has.
    PencilParameters p;
    p.spacing = std::clamp(2.5 / tipWidth, 0.2, 0.4);
    p.minimumGain = 0.8;
    p.gain = 1.5;
    p.curveCentre = 0.99;
    p.curveScale = 7.0;
    p.radiusFactor = 1.0;
    return p;
}

int ComputeBrushTips(BrushTipSet& set, const PencilParameters& parameters) {
    const int32_t w = set.width, h = set.height;
    AxisSamples xs, ys;
    if (!BuildAxis(xs, w) || !BuildAxis(ys, h)) return 0;
    const double radius = w * 0.5;
    const double limit = std::sqrt(parameters.radiusFactor) * radius;
    const bool whole = xs.count * ys.count <= kMaxTableEntries;
    OwnedBlock table = AllocOwned((whole ? ys.count : kTipPhases) * xs.count * sizeof(double));
    if (!table) return 0;
    auto* contributions = reinterpret_cast<double*>(table.get());
    if (whole) {
        for (size_t iy = 0; iy < ys.count; ++iy) {
            FillRow(contributions + iy * xs.count, ys.values[iy], xs, radius, limit);
        }
    }
    const int32_t rowsPerTip = h + 2, cols = w + 2;
    const double* rows[kTipPhases];
    for (int py = 0; py < kTipPhases; ++py) {
        for (int32_t r = 0; r < rowsPerTip; ++r) {
            const uint32_t* yIndex =
                ys.index + (static_cast<size_t>(py) * rowsPerTip + r) * kTipPhases;
            for (int sy = 0; sy < kTipPhases; ++sy) {
                double* row = contributions + (whole ? yIndex[sy] : sy) * xs.count;
                if (!whole) FillRow(row, ys.values[yIndex[sy]], xs, radius, limit);
                rows[sy] = row;
            }
            for (int px = 0; px < kTipPhases; ++px) {
                uint8_t* out = set.tips.get() + (py * kTipPhases + px) * set.TipBytes() + r * cols;
                const uint32_t* xIndex = xs.index + static_cast<size_t>(px) * cols * kTipPhases;
                for (int32_t c = 0; c < cols; ++c) out[c] = SumPixel(rows, xIndex + c * kTipPhases);
            }
        }
    }
    return 1;
}

void ComputeLevelTable(BrushTipSet& set, const PencilParameters& p) {
    double curve[256];
    for (int level = 0; level < 256; ++level) {
        uint8_t* tone = set.levels.get() + level * kLevelEntrySize;
        uint8_t* linear = tone + 256;
        double k = level / 255.0 * p.gain;
        if (k < p.minimumGain) k = p.minimumGain;
        if (k > 1.0) k = 1.0;
        const double c = (k - p.curveCentre) / p.curveScale;
        const double step = std::fabs(c);
        double s = 0.0, q = 1.0;
        for (int m = 0; m < 256; ++m) {
            // A falling curve is recorded from the top end down.
            curve[c > 0 ? m : 255 - m] = s / q;
            s = s + q * step;
            q = q + s * step;
        }
        for (int m = 0; m < 256; ++m) {
            double t = 0.0;
            if (c > 0) {
                t = curve[m] * 255 / curve[255];
            } else if (curve[0] != 0) {
                t = (1 - curve[m] / curve[0]) * 255;
            } else {
                t = m;  // a flat curve (c = 0) passes the coverage through
            }
            tone[m] = static_cast<uint8_t>(std::clamp(t, 0.0, 255.0));
            linear[m] = static_cast<uint8_t>(std::min(255.0, m * k * 1.0101010101010102));
        }
    }
}
