// RotateBlock, RotateMask and CropCentred.
#include <gtest/gtest.h>

#include "raster/RasterTestSupport.h"
#include "raster/StampRotation.h"

namespace {

constexpr float kQuarterTurn = 1.5707964f;
constexpr float kHalfTurn = 3.1415927f;

// A colour block whose every pixel is distinct: red = x, green = y.
OwnedBlock Numbered(int32_t width, int32_t height) {
    OwnedBlock block = ColourBlock(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) SetColour(block.get(), x, y, Rgb(x, y, 99));
    }
    return block;
}

}  // namespace

TEST(StampRotationTest, ZeroAngleCopiesEvenSizes) {
    for (auto [w, h] : {std::pair{4, 2}, {6, 4}, {100, 100}, {30, 18}}) {
        OwnedBlock source = Numbered(w, h);
        OwnedBlock turned = RotateBlock(source.get(), 0.0f, 0);
        ASSERT_EQ(BlockWidth(turned.get()), w);
        ASSERT_EQ(BlockHeight(turned.get()), h);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) ASSERT_EQ(ColourAt(turned.get(), x, y), Rgb(x, y, 99));
        }
    }
}

TEST(StampRotationTest, ZeroAngleDropsLastColumnAndRowOfOddSizes) {
    OwnedBlock source = Numbered(101, 51);
    OwnedBlock turned = RotateBlock(source.get(), 0.0f, 0);
    EXPECT_EQ(BlockWidth(turned.get()), 100);
    EXPECT_EQ(BlockHeight(turned.get()), 50);
    EXPECT_EQ(ColourAt(turned.get(), 99, 49), Rgb(99, 49, 99));
}

TEST(StampRotationTest, QuarterTurnsMapPixelCornersNearestNeighbour) {
    OwnedBlock source = Numbered(4, 2);
    OwnedBlock turned = RotateBlock(source.get(), kQuarterTurn, Rgb(7, 7, 7));
    ASSERT_EQ(BlockWidth(turned.get()), 2);
    ASSERT_EQ(BlockHeight(turned.get()), 4);
    // Turned counter-clockwise: the right end comes to the top. Corners map to corners, so
    // the top row falls just outside the source and keeps the fill.
    EXPECT_EQ(ColourAt(turned.get(), 0, 0), Rgb(7, 7, 7));
    EXPECT_EQ(ColourAt(turned.get(), 0, 1), Rgb(3, 0, 99));
    EXPECT_EQ(ColourAt(turned.get(), 1, 3), Rgb(1, 1, 99));
    OwnedBlock back = RotateBlock(source.get(), -kQuarterTurn, 0);
    EXPECT_EQ(BlockWidth(back.get()), 2);
    EXPECT_EQ(BlockHeight(back.get()), 4);
    OwnedBlock half = RotateBlock(source.get(), kHalfTurn, Rgb(7, 7, 7));
    EXPECT_EQ(BlockWidth(half.get()), 4);
    EXPECT_EQ(BlockHeight(half.get()), 2);
    EXPECT_EQ(ColourAt(half.get(), 1, 1), Rgb(3, 1, 99));
}

TEST(StampRotationTest, EighthTurnWidensSquareAndLeavesCornersFilled) {
    OwnedBlock source = ColourBlock(100, 100, Rgb(255, 255, 255));
    OwnedBlock turned = RotateBlock(source.get(), 0.7853982f, Rgb(1, 2, 3));
    EXPECT_EQ(BlockWidth(turned.get()), 140);
    EXPECT_EQ(BlockHeight(turned.get()), 140);
    for (auto [x, y] : {std::pair{0, 0}, {139, 0}, {0, 139}, {139, 139}, {20, 20}}) {
        EXPECT_EQ(ColourAt(turned.get(), x, y), Rgb(1, 2, 3)) << x << "," << y;
    }
    EXPECT_EQ(ColourAt(turned.get(), 70, 70), Rgb(255, 255, 255));
    EXPECT_EQ(ColourAt(turned.get(), 70, 2), Rgb(255, 255, 255));
}

TEST(StampRotationTest, OwnedFormReplacesOnlyOnSuccess) {
    OwnedBlock block = Numbered(4, 2);
    ASSERT_EQ(RotateBlock(block, kQuarterTurn, 0), 1);
    EXPECT_EQ(BlockWidth(block.get()), 2);
    OwnedBlock tiny = Numbered(1, 1);  // turns to nothing
    uint8_t* before = tiny.get();
    EXPECT_EQ(RotateBlock(tiny, 0.3f, 0), 0);
    EXPECT_EQ(tiny.get(), before);
    EXPECT_FALSE(RotateBlock(static_cast<const uint8_t*>(nullptr), 0.0f, 0));
}

TEST(StampRotationTest, MaskIsTrimmedSymmetricallyToCoveredArea) {
    OwnedBlock mask = GreyBlock(10, 10, 0);
    *PixelAt(mask.get(), 1, 1) = 255;
    *PixelAt(mask.get(), 5, 5) = 19;  // below the coverage threshold
    OwnedBlock trimmed = RotateMask(mask.get(), 0.0f, 0);
    ASSERT_TRUE(trimmed);
    // Margin min(1, 8) on each side keeps 8 x 8, the covered pixel in its corner.
    EXPECT_EQ(BlockWidth(trimmed.get()), 8);
    EXPECT_EQ(BlockHeight(trimmed.get()), 8);
    EXPECT_EQ(GreyAt(trimmed.get(), 0, 0), 255);
    EXPECT_EQ(GreyAt(trimmed.get(), 4, 4), 19);
}

TEST(StampRotationTest, UncoveredMaskShrinksToOnePixelAndColourMaskIsNotTrimmed) {
    OwnedBlock empty = GreyBlock(6, 6, 10);
    OwnedBlock one = RotateMask(empty.get(), 0.0f, 0);
    EXPECT_EQ(BlockWidth(one.get()), 1);
    EXPECT_EQ(BlockHeight(one.get()), 1);
    OwnedBlock colourMask = ColourBlock(6, 4, 0);
    OwnedBlock turned = RotateMask(colourMask.get(), 0.0f, 0);
    EXPECT_EQ(BlockWidth(turned.get()), 6);
    EXPECT_EQ(BlockHeight(turned.get()), 4);
}

TEST(StampRotationTest, CropCentredCutsMiddleOrKeepsInput) {
    OwnedBlock block = Numbered(5, 3);
    OwnedBlock cut = CropCentred(block.get(), 3, 1);
    EXPECT_EQ(BlockWidth(cut.get()), 3);
    EXPECT_EQ(ColourAt(cut.get(), 0, 0), Rgb(1, 1, 99));
    EXPECT_EQ(ColourAt(cut.get(), 2, 0), Rgb(3, 1, 99));
    EXPECT_FALSE(CropCentred(block.get(), 5, 3));
    EXPECT_FALSE(CropCentred(block.get(), 6, 2));
    EXPECT_FALSE(CropCentred(block.get(), 0, 2));
    uint8_t* before = block.get();
    EXPECT_EQ(CropCentred(block, 5, 3), 0);
    EXPECT_EQ(block.get(), before);
    EXPECT_EQ(CropCentred(block, 2, 2), 1);
    EXPECT_EQ(BlockWidth(block.get()), 2);
}
