// Pencil strokes: dab placement along segments, blending and clipping at the block's edges.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>

#include "raster/PencilBrush.h"
#include "raster/RasterTestSupport.h"

namespace {

constexpr uint32_t kTag = 7;
const uint32_t kWhite = Rgb(255, 255, 255);

struct Canvas {
    OwnedBlock block;
    PencilBrush brush;
    Rect changed;

    explicit Canvas(int32_t size, int32_t side = 64, uint32_t fill = 0)
        : block(ColourBlock(side, side, fill)) {
        EXPECT_EQ(PencilInit(brush, block.get(), 0, size, size, {}), 1);
    }
    int Begin(int32_t x, int32_t y) { return PencilBegin(brush, block.get(), x, y, 255, kTag); }
    // A stroke to (x, y); `changed` takes what it reports.
    int To(int32_t x, int32_t y, int opacity = 255, uint32_t colour = kWhite) {
        return PencilStrokeTo(brush, block.get(), x, y, opacity, 255, colour, kTag, changed);
    }
    bool SameAs(const Canvas& other) const {
        size_t size = 40 + static_cast<size_t>(BlockStride(block.get())) * BlockHeight(block.get());
        return std::memcmp(block.get(), other.block.get(), size) == 0;
    }
    bool Untouched(uint32_t fill = 0) const {
        for (int32_t y = 0; y < BlockHeight(block.get()); ++y) {
            for (int32_t x = 0; x < BlockWidth(block.get()); ++x) {
                if (ColourAt(block.get(), x, y) != fill) return false;
            }
        }
        return true;
    }
};

}  // namespace

TEST(PencilTest, PressAndReleaseWithoutMovePaintNothing) {
    Canvas c(10);
    ASSERT_EQ(c.Begin(20, 20), 1);
    EXPECT_EQ(PencilEnd(c.brush, c.block.get(), 20, 20, 255), 1);
    EXPECT_EQ(c.To(40, 40), 0);
    EXPECT_TRUE(c.Untouched());
    PencilRelease(c.brush);
    EXPECT_FALSE(c.brush.tips.tips);
}

TEST(PencilTest, SmallMovesAccumulateFromTheStartPoint) {
    Canvas c(10), direct(10);
    ASSERT_EQ(c.Begin(20, 20), 1);
    EXPECT_EQ(c.To(21, 20), 0);
    EXPECT_TRUE(c.Untouched());
    EXPECT_EQ(c.To(22, 20), 1);
    ASSERT_EQ(direct.Begin(20, 20), 1);
    ASSERT_EQ(direct.To(22, 20), 1);
    EXPECT_TRUE(c.SameAs(direct));
    EXPECT_FALSE(c.Untouched());
}

TEST(PencilTest, StrokeCarriesDistanceAcrossSegments) {
    // Size 10 steps 2.5 pixels: 0, 2.5, 5, 7.5 on the first segment, 2.5 carried, so the
    // second segment's dabs continue the same spacing as one long segment would.
    Canvas split(10), whole(10);
    ASSERT_EQ(split.Begin(10, 30), 1);
    ASSERT_EQ(split.To(20, 30), 1);
    EXPECT_DOUBLE_EQ(split.brush.carried, 2.5);
    ASSERT_EQ(split.To(30, 30), 1);
    ASSERT_EQ(whole.Begin(10, 30), 1);
    ASSERT_EQ(whole.To(30, 30), 1);
    EXPECT_TRUE(split.SameAs(whole));
    // A move shorter than the carried distance lays nothing but carries on.
    Canvas shortMove(10);
    ASSERT_EQ(shortMove.Begin(10, 30), 1);
    ASSERT_EQ(shortMove.To(12, 30), 1);  // one dab at the start, 2 carried
    ASSERT_DOUBLE_EQ(shortMove.brush.carried, 2.0);
    ASSERT_EQ(shortMove.To(10, 30), 1);
    EXPECT_DOUBLE_EQ(shortMove.brush.carried, 1.5);  // 2 + 2 >= 2.5: a dab at 0.5
}

TEST(PencilTest, SingleDabBlendsTipThroughLevelCurves) {
    Canvas c(4, 32, Rgb(100, 100, 100));
    ASSERT_EQ(c.Begin(10, 10), 1);
    // A move of 1.41 is accepted but shorter than the 1.6 step: one dab at (10, 10), phase 0.
    ASSERT_EQ(c.To(11, 11, 255, Rgb(200, 0, 0)), 1);
    EXPECT_TRUE(c.changed.Equals(8, 8, 13, 13));
    const uint8_t* tone = c.brush.tips.levels.get() + 255 * kLevelEntrySize;
    const uint8_t* linear = tone + 256;
    int a = linear[tone[205]];  // tip 0, row 1, column 1
    EXPECT_EQ(ColourAt(c.block.get(), 9, 9), Rgb((200 * a + 100 * (256 - a)) >> 8,
                                                 (100 * (256 - a)) >> 8, (100 * (256 - a)) >> 8));
    EXPECT_EQ(ColourAt(c.block.get(), 7, 9), Rgb(100, 100, 100));
    EXPECT_EQ(ColourAt(c.block.get(), 13, 9), Rgb(100, 100, 100));
}

TEST(PencilTest, OpacityZeroLeavesTargetAndFullCoverageIsNotQuiteTheColour) {
    Canvas clear(12, 64, Rgb(100, 100, 100));
    ASSERT_EQ(clear.Begin(10, 10), 1);
    ASSERT_EQ(clear.To(50, 40, 0), 1);
    EXPECT_TRUE(clear.Untouched(Rgb(100, 100, 100)));
    Canvas full(24, 64, Rgb(100, 100, 100));
    ASSERT_EQ(full.Begin(30, 30), 1);
    ASSERT_EQ(full.To(32, 30, 255, Rgb(200, 200, 200)), 1);  // one dab at (30, 30)
    // The dab's centre is fully covered: (200 * 255 + 100) >> 8.
    EXPECT_EQ(ColourAt(full.block.get(), 30, 30), Rgb(199, 199, 199));
}

TEST(PencilTest, DabsAtTheEdgesPaintOnlyInsideAndReportInside) {
    for (auto [x0, y0, x1, y1] : {std::array{0, 0, 256, 256},
                                  {-5, 128, 260, 128},
                                  {256, 0, 256, 255},
                                  {-30, -30, -3, -3},
                                  {255, 256, 250, 300}}) {
        Canvas c(24, 256);
        ASSERT_EQ(c.Begin(x0, y0), 1);
        ASSERT_EQ(c.To(x1, y1), 1);
        const Rect& r = c.changed;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 256 && r.bottom <= 256)
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
    // A dab touching only the last column reports that column.
    Canvas edge(4, 16);
    ASSERT_EQ(edge.Begin(17, 8), 1);
    ASSERT_EQ(edge.To(18, 9), 1);
    EXPECT_TRUE(edge.changed.Equals(15, 6, 16, 11));
    EXPECT_NE(ColourAt(edge.block.get(), 15, 8), Rgb(0, 0, 0));
}

TEST(PencilTest, OddSizeDabLeftOfTheBlockKeepsTipAligned) {
    // Size 11 at x = -6: the dab covers -12..0, and column 0 takes the tip's last column.
    Canvas c(11, 32, 0);
    ASSERT_EQ(c.Begin(-6, 16), 1);
    ASSERT_EQ(c.To(-5, 17), 1);
    EXPECT_EQ(ColourAt(c.block.get(), 0, 16), Rgb(0, 0, 0));  // that column has no coverage
}

TEST(PencilTest, FarAwayPointsFinishQuickly) {
    Canvas c(12, 256);
    ASSERT_EQ(c.Begin(INT_MIN, 100), 1);
    ASSERT_EQ(c.To(INT_MAX, 100), 1);
    EXPECT_NE(ColourAt(c.block.get(), 128, 100), Rgb(0, 0, 0));
    EXPECT_TRUE(c.changed.Equals(0, 94, 256, 107));
    ASSERT_EQ(c.To(INT_MAX, INT_MIN), 1);
}

TEST(PencilTest, RefusesWrongTagInactiveBrushAndBadTargets) {
    Canvas c(8);
    EXPECT_EQ(c.To(30, 30), 0);
    ASSERT_EQ(c.Begin(10, 10), 1);
    EXPECT_EQ(PencilStrokeTo(c.brush, c.block.get(), 30, 30, 255, 255, kWhite, kTag + 1, c.changed),
              0);
    OwnedBlock grey = GreyBlock(64, 64);
    EXPECT_EQ(PencilStrokeTo(c.brush, grey.get(), 30, 30, 255, 255, kWhite, kTag, c.changed), 0);
    EXPECT_EQ(PencilBegin(c.brush, nullptr, 1, 1, 255, kTag), 0);
    EXPECT_EQ(PencilEnd(c.brush, grey.get(), 1, 1, 255), 0);
    EXPECT_TRUE(c.Untouched());
    PencilBrush big;
    EXPECT_EQ(PencilInit(big, c.block.get(), 0, kMaxTipSize + 1, 4, {}), 0);
}

TEST(PencilTest, SizesBelowOneAreRaisedToOne) {
    Canvas c(0, 16);
    EXPECT_EQ(c.brush.tips.width, 1);
    EXPECT_EQ(c.brush.tips.height, 1);
    ASSERT_EQ(c.Begin(2, 2), 1);
    ASSERT_EQ(c.To(12, 2), 1);
    EXPECT_FALSE(c.Untouched());
}
