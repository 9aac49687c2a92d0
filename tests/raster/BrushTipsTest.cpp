// The pencil's brush tips and level table against worked values and the sample-by-sample
// formula.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "raster/BrushTips.h"

namespace {

BrushTipSet TipsOfSize(int32_t w, int32_t h) {
    BrushTipSet set;
    set.width = w;
    set.height = h;
    set.stride = w + 2;
    set.tips = AllocOwned(kTipCount * set.TipBytes());
    set.levels = AllocOwned(kLevelTableSize);
    EXPECT_EQ(ComputeBrushTips(set, PencilParametersFor(0, w)), 1);
    ComputeLevelTable(set, PencilParametersFor(0, w));
    return set;
}

// The coverage formula written out sample by sample.
std::vector<uint8_t> PlainTips(int32_t w, int32_t h) {
    std::vector<uint8_t> out;
    const double R = w * 0.5;
    for (int py = 0; py < 10; ++py) {
        for (int px = 0; px < 10; ++px) {
            double cx = std::floor(w * 0.5) + px * 0.1, cy = std::floor(h * 0.5) + py * 0.1;
            int left = static_cast<int>(std::floor(std::floor(cx) - w * 0.5));
            int top = static_cast<int>(std::floor(std::floor(cy) - h * 0.5));
            for (int r = 0; r < h + 2; ++r) {
                for (int c = 0; c < w + 2; ++c) {
                    double sum = 0;
                    for (int sy = 0; sy < 10; ++sy) {
                        for (int sx = 0; sx < 10; ++sx) {
                            double dx = left + c + sx * 0.1 + 0.05 - cx;
                            double dy = top + r + sy * 0.1 + 0.05 - cy;
                            double d = std::sqrt(dx * dx + dy * dy);
                            if (d > std::sqrt(1.0) * R) continue;
                            double a = d * 1.570796251296997 / R + 1.570796251296997;
                            sum +=
                                (a <= 3.141592502593994 ? std::sin(a) : -(std::sin(a) + 1)) * 2.55;
                        }
                    }
                    out.push_back(static_cast<uint8_t>(std::clamp(sum, 0.0, 255.0)));
                }
            }
        }
    }
    return out;
}

}  // namespace

TEST(BrushTipsTest, SizeFourTipMatchesWorkedValues) {
    BrushTipSet set = TipsOfSize(4, 4);
    const uint8_t expected[6][6] = {{12, 76, 76, 12, 0, 0},   {76, 205, 205, 76, 0, 0},
                                    {76, 205, 205, 76, 0, 0}, {12, 76, 76, 12, 0, 0},
                                    {0, 0, 0, 0, 0, 0},       {0, 0, 0, 0, 0, 0}};
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(set.Tip(0)[r * 6 + c], expected[r][c]) << r << "," << c;
    }
}

TEST(BrushTipsTest, TipsAreBitIdenticalToSampleBySampleFormula) {
    for (auto [w, h] : {std::pair{1, 1}, {2, 2}, {5, 5}, {12, 12}, {6, 9}, {24, 24}}) {
        BrushTipSet set = TipsOfSize(w, h);
        std::vector<uint8_t> plain = PlainTips(w, h);
        ASSERT_EQ(plain.size(), kTipCount * set.TipBytes());
        EXPECT_TRUE(std::equal(plain.begin(), plain.end(), set.tips.get())) << w << "x" << h;
    }
}

TEST(BrushTipsTest, TipOriginIsZeroForEvenAndMinusOneForOddSizes) {
    EXPECT_EQ(DabStart(std::floor(10 * 0.5), 10), 0.0);
    EXPECT_EQ(DabStart(std::floor(11 * 0.5), 11), -1.0);
    EXPECT_EQ(DabEnd(5.0, 10), 11.0);
}

TEST(BrushTipsTest, FullStrengthLevelCurves) {
    BrushTipSet set = TipsOfSize(4, 4);
    const uint8_t* tone = set.levels.get() + 255 * kLevelEntrySize;
    const uint8_t* linear = tone + 256;
    EXPECT_EQ(tone[0], 0);
    EXPECT_EQ(tone[1], 1);
    EXPECT_EQ(tone[128], 132);
    EXPECT_EQ(tone[254], 254);
    EXPECT_EQ(tone[255], 255);
    EXPECT_EQ(linear[250], 252);
    EXPECT_EQ(linear[253], 255);
    EXPECT_EQ(linear[255], 255);
}

TEST(BrushTipsTest, LowLevelsShareTheMinimumGain) {
    BrushTipSet set = TipsOfSize(4, 4);
    for (int level = 0; level <= 136; ++level) {
        const uint8_t* entry = set.levels.get() + level * kLevelEntrySize;
        EXPECT_EQ(entry[256 + 255], 206) << level;
        EXPECT_TRUE(std::equal(entry, entry + 512, set.levels.get())) << level;
    }
    // A falling tone curve (k below the curve centre) still runs from 0 to 255.
    const uint8_t* mid = set.levels.get() + 150 * kLevelEntrySize;
    EXPECT_EQ(mid[0], 0);
    EXPECT_EQ(mid[255], 255);
    EXPECT_FALSE(std::equal(mid, mid + 256, set.levels.get()));
}

TEST(BrushTipsTest, GainIsAppliedAfterDividingTheLevel) {
    // k = 153 / 255 * 1.5 lies just below 0.9, so linear[33] truncates 29.99... to 29;
    // multiplying before dividing would give 30. Cache files in the field depend on the order.
    BrushTipSet set = TipsOfSize(4, 4);
    EXPECT_EQ(set.levels[153 * kLevelEntrySize + 256 + 33], 29);
}
