// StretchCopy: plain copies at equal sizes, bilinear sampling otherwise.
#include <gtest/gtest.h>

#include "raster/RasterTestSupport.h"
#include "raster/StampScaling.h"

namespace {

OwnedBlock GreyRamp(int32_t width, int32_t height) {
    OwnedBlock block = GreyBlock(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            *PixelAt(block.get(), x, y) = static_cast<uint8_t>(x * 10 + y * 50 + 1);
    }
    return block;
}

}  // namespace

TEST(StampScalingTest, EqualSizeCopiesExactly) {
    OwnedBlock source = ColourBlock(3, 2);
    SetColour(source.get(), 0, 0, Rgb(1, 2, 3));
    SetColour(source.get(), 2, 1, Rgb(4, 5, 6));
    OwnedBlock dest = ColourBlock(3, 2, Rgb(9, 9, 9));
    ASSERT_EQ(StretchCopy(dest.get(), 0, 0, 3, 2, source.get(), 0, 0, 3, 2), 1);
    EXPECT_EQ(ColourAt(dest.get(), 0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(ColourAt(dest.get(), 2, 1), Rgb(4, 5, 6));
    EXPECT_EQ(ColourAt(dest.get(), 1, 0), Rgb(0, 0, 0));
}

TEST(StampScalingTest, EqualSizeCopySkipsRowsAndPixelsOutsideEitherBlock) {
    OwnedBlock source = GreyRamp(4, 4);
    OwnedBlock dest = GreyBlock(4, 4, 0);
    // Rows beyond the destination's bottom are not written.
    ASSERT_EQ(StretchCopy(dest.get(), 1, 2, 4, 4, source.get(), 0, 0, 4, 4), 1);
    EXPECT_EQ(GreyAt(dest.get(), 1, 2), 1);
    EXPECT_EQ(GreyAt(dest.get(), 3, 3), 71);
    EXPECT_EQ(GreyAt(dest.get(), 0, 2), 0);
    // Negative offsets go pixel by pixel.
    OwnedBlock shifted = GreyBlock(4, 4, 0);
    ASSERT_EQ(StretchCopy(shifted.get(), -1, 0, 4, 4, source.get(), 0, -1, 4, 4), 1);
    EXPECT_EQ(GreyAt(shifted.get(), 0, 1), 11);  // source (1, 0)
    EXPECT_EQ(GreyAt(shifted.get(), 0, 0), 0);   // source row -1 does not exist
}

TEST(StampScalingTest, EnlargementSamplesBetweenPixelsWithoutCentring) {
    OwnedBlock source = GreyBlock(2, 1);
    *PixelAt(source.get(), 0, 0) = 10;
    *PixelAt(source.get(), 1, 0) = 21;
    OwnedBlock dest = GreyBlock(4, 2);
    ASSERT_EQ(StretchCopy(dest.get(), 0, 0, 4, 2, source.get(), 0, 0, 2, 1), 1);
    EXPECT_EQ(GreyAt(dest.get(), 0, 0), 10);
    EXPECT_EQ(GreyAt(dest.get(), 1, 0), 15);  // 10 + 11 * 0.5, truncated
    EXPECT_EQ(GreyAt(dest.get(), 2, 0), 21);
    // Beyond the last column the right neighbour falls back to the pixel itself.
    EXPECT_EQ(GreyAt(dest.get(), 3, 0), 21);
    // Below the last row both lower neighbours fall back to the top-left one:
    // top 15.5, bottom 10, so 15.5 + (10 - 15.5) * 0.5.
    EXPECT_EQ(GreyAt(dest.get(), 1, 1), 12);
}

TEST(StampScalingTest, EnlargementBlendsFourNeighboursPerByte) {
    OwnedBlock source = ColourBlock(2, 2);
    SetColour(source.get(), 0, 0, Rgb(0, 100, 200));
    SetColour(source.get(), 1, 0, Rgb(100, 100, 0));
    SetColour(source.get(), 0, 1, Rgb(0, 0, 0));
    SetColour(source.get(), 1, 1, Rgb(201, 0, 50));
    OwnedBlock dest = ColourBlock(4, 4);
    ASSERT_EQ(StretchCopy(dest.get(), 0, 0, 4, 4, source.get(), 0, 0, 2, 2), 1);
    // (1, 1) samples (0.5, 0.5): red (0 + 50) then (0 + 100.5), mean 75.25.
    EXPECT_EQ(ColourAt(dest.get(), 1, 1), Rgb(75, 50, 62));
}

TEST(StampScalingTest, ReductionPicksEveryOtherPixel) {
    OwnedBlock source = GreyRamp(4, 4);
    OwnedBlock dest = GreyBlock(2, 2);
    ASSERT_EQ(StretchCopy(dest.get(), 0, 0, 2, 2, source.get(), 0, 0, 4, 4), 1);
    EXPECT_EQ(GreyAt(dest.get(), 0, 0), 1);
    EXPECT_EQ(GreyAt(dest.get(), 1, 0), 21);
    EXPECT_EQ(GreyAt(dest.get(), 1, 1), 121);
}

TEST(StampScalingTest, DestinationPartlyOutsideIsClipped) {
    OwnedBlock source = GreyRamp(4, 4);
    OwnedBlock dest = GreyBlock(3, 3, 0);
    ASSERT_EQ(StretchCopy(dest.get(), -2, 1, 8, 8, source.get(), 0, 0, 4, 4), 1);
    EXPECT_EQ(GreyAt(dest.get(), 0, 1), 11);  // column 2 of the enlargement: source x 1
    EXPECT_EQ(GreyAt(dest.get(), 0, 0), 0);
}

TEST(StampScalingTest, RefusesMismatchedOrDegenerateInput) {
    OwnedBlock colour = ColourBlock(4, 4), grey = GreyBlock(4, 4);
    EXPECT_EQ(StretchCopy(colour.get(), 0, 0, 4, 4, grey.get(), 0, 0, 4, 4), 0);
    EXPECT_EQ(StretchCopy(nullptr, 0, 0, 4, 4, grey.get(), 0, 0, 4, 4), 0);
    EXPECT_EQ(StretchCopy(grey.get(), 0, 0, 0, 4, grey.get(), 0, 0, 4, 4), 0);
    EXPECT_EQ(StretchCopy(grey.get(), 0, 0, 4, 4, grey.get(), 0, 0, 4, -1), 0);
}
