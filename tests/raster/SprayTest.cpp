// The spray's cone pattern and puff.
#include <gtest/gtest.h>

#include <vector>

#include "raster/RasterTestSupport.h"
#include "raster/SprayBrush.h"

namespace {

std::vector<int> PatternOf(const SprayBrush& brush) {
    const uint8_t* p = brush.pattern.get();
    return std::vector<int>(p, p + brush.patternWidth * brush.patternHeight);
}

}  // namespace

TEST(SprayTest, ConePatternsOfSmallSizes) {
    SprayBrush brush;
    ASSERT_EQ(SprayInit(brush, 3, 1, 1), 1);
    EXPECT_EQ(PatternOf(brush), (std::vector<int>{0, 0, 0, 255}));
    ASSERT_EQ(SprayInit(brush, 3, 2, 2), 1);
    EXPECT_EQ(PatternOf(brush), (std::vector<int>{0, 0, 0, 0, 0, 74, 127, 74,  //
                                                  0, 127, 255, 127, 0, 74, 127, 74}));
    ASSERT_EQ(SprayInit(brush, 3, 0, -4), 1);  // raised to 1
    EXPECT_EQ(brush.patternWidth, 2);
    SprayRelease(brush);
    EXPECT_FALSE(brush.pattern);
}

TEST(SprayTest, PuffCoversTwiceTheSizeAndReportsIt) {
    SprayBrush brush;
    ASSERT_EQ(SprayInit(brush, 3, 10, 10), 1);
    OwnedBlock target = ColourBlock(64, 64, Rgb(100, 100, 100));
    Rect changed;
    ASSERT_EQ(SprayPaint(brush, target.get(), 30, 30, 10, 10, 255, 255, Rgb(200, 0, 0), &changed),
              1);
    EXPECT_TRUE(changed.Equals(20, 20, 40, 40));
    // Centre: (colour * 255 + pixel) >> 8.
    EXPECT_EQ(ColourAt(target.get(), 30, 30), Rgb(199, 0, 0));
    EXPECT_EQ(ColourAt(target.get(), 20, 30), Rgb(100, 100, 100));  // rim, coverage 0
    EXPECT_EQ(ColourAt(target.get(), 40, 30), Rgb(100, 100, 100));  // outside
}

TEST(SprayTest, OpacityAndStrengthScaleCoverage) {
    SprayBrush brush;
    ASSERT_EQ(SprayInit(brush, 3, 2, 2), 1);
    OwnedBlock target = ColourBlock(8, 8, Rgb(0, 0, 0));
    // Strength 0 still sprays at a tenth; opacity 128 halves: 255 * 0.1 * 128 / 255 = 12.8.
    ASSERT_EQ(SprayPaint(brush, target.get(), 4, 4, 2, 2, 128, 0, Rgb(255, 255, 255), nullptr), 1);
    EXPECT_EQ(ColourAt(target.get(), 4, 4), Rgb(11, 11, 11));  // 255 * 12 >> 8
    OwnedBlock untouched = ColourBlock(8, 8, Rgb(9, 9, 9));
    ASSERT_EQ(SprayPaint(brush, untouched.get(), 4, 4, 2, 2, 0, 255, Rgb(255, 0, 0), nullptr), 1);
    EXPECT_EQ(ColourAt(untouched.get(), 4, 4), Rgb(9, 9, 9));
}

TEST(SprayTest, PuffsAtOrBeyondTheEdgesStayInside) {
    SprayBrush brush;
    ASSERT_EQ(SprayInit(brush, 3, 10, 10), 1);
    OwnedBlock target = ColourBlock(256, 256);
    Rect changed;
    ASSERT_EQ(SprayPaint(brush, target.get(), 0, 0, 10, 10, 255, 255, Rgb(255, 255, 255), &changed),
              1);
    EXPECT_TRUE(changed.Equals(0, 0, 10, 10));
    EXPECT_NE(ColourAt(target.get(), 0, 0), Rgb(0, 0, 0));
    ASSERT_EQ(
        SprayPaint(brush, target.get(), 256, 256, 10, 10, 255, 255, Rgb(255, 255, 255), &changed),
        1);
    EXPECT_TRUE(changed.Equals(246, 246, 256, 256));
    ASSERT_EQ(
        SprayPaint(brush, target.get(), 2000000000, -2000000000, 10, 10, 255, 255, 0, &changed), 1);
    EXPECT_TRUE(changed.IsEmpty());
    EXPECT_GE(changed.left, 0);
    EXPECT_LE(changed.right, 256);
}

TEST(SprayTest, RefusesTargetsItCannotPaint) {
    SprayBrush brush;
    ASSERT_EQ(SprayInit(brush, 3, 4, 4), 1);
    OwnedBlock grey = GreyBlock(8, 8);
    EXPECT_EQ(SprayPaint(brush, grey.get(), 4, 4, 4, 4, 255, 255, 0, nullptr), 0);
    EXPECT_EQ(SprayPaint(brush, nullptr, 4, 4, 4, 4, 255, 255, 0, nullptr), 0);
    EXPECT_EQ(SprayInit(brush, 3, kMaxSpraySize + 1, 4), 0);
    EXPECT_EQ(SprayInit(brush, 7, 4, 4), 0);
    // Without a pattern nothing visible is painted.
    OwnedBlock target = ColourBlock(8, 8, Rgb(5, 5, 5));
    EXPECT_EQ(SprayPaint(brush, target.get(), 4, 4, 4, 4, 255, 255, 0, nullptr), 1);
    EXPECT_EQ(ColourAt(target.get(), 4, 4), Rgb(5, 5, 5));
}
