// CompositeThroughMask: blending through a grey mask, clipped to the destination.
#include <gtest/gtest.h>

#include "raster/RasterTestSupport.h"
#include "raster/StampComposite.h"

namespace {

struct Scene {
    OwnedBlock dest = ColourBlock(8, 8, Rgb(0, 0, 0));
    OwnedBlock picture = ColourBlock(4, 4, Rgb(255, 255, 255));
    OwnedBlock mask = GreyBlock(4, 4, 255);

    CompositeRequest At(int32_t x, int32_t y) const {
        CompositeRequest q;
        q.destination = dest.get();
        q.destX = x;
        q.destY = y;
        q.picture = picture.get();
        q.mask = mask.get();
        q.widthLimit = 4;
        q.heightLimit = 4;
        return q;
    }
};

}  // namespace

TEST(StampCompositeTest, MaskValuesCopyBlendOrKeep) {
    Scene s;
    *PixelAt(s.mask.get(), 1, 0) = 128;
    *PixelAt(s.mask.get(), 2, 0) = 0;
    *PixelAt(s.mask.get(), 3, 0) = 1;
    ASSERT_EQ(CompositeThroughMask(s.At(2, 3)), 1);
    EXPECT_EQ(ColourAt(s.dest.get(), 2, 3), Rgb(255, 255, 255));
    EXPECT_EQ(ColourAt(s.dest.get(), 3, 3), Rgb(127, 127, 127));  // 128 * 255 / 256
    EXPECT_EQ(ColourAt(s.dest.get(), 4, 3), Rgb(0, 0, 0));
    EXPECT_EQ(ColourAt(s.dest.get(), 5, 3), Rgb(0, 0, 0));  // 1 * 255 / 256 truncates to 0
    EXPECT_EQ(ColourAt(s.dest.get(), 1, 3), Rgb(0, 0, 0));
    EXPECT_EQ(ColourAt(s.dest.get(), 2, 2), Rgb(0, 0, 0));
}

TEST(StampCompositeTest, DarkeningBlendTruncatesTowardZero) {
    Scene s;
    s.dest = ColourBlock(8, 8, Rgb(200, 200, 200));
    s.picture = ColourBlock(4, 4, Rgb(0, 100, 199));
    s.mask = GreyBlock(4, 4, 100);
    ASSERT_EQ(CompositeThroughMask(s.At(0, 0)), 1);
    // 200 + trunc(100 * -200 / 256) = 200 - 78; -100 -> -39; -1 -> 0.
    EXPECT_EQ(ColourAt(s.dest.get(), 0, 0), Rgb(122, 161, 200));
}

TEST(StampCompositeTest, PlainColourWithoutPicture) {
    Scene s;
    CompositeRequest q = s.At(0, 0);
    q.picture = nullptr;
    q.colour = Rgb(10, 20, 30);
    ASSERT_EQ(CompositeThroughMask(q), 1);
    EXPECT_EQ(ColourAt(s.dest.get(), 3, 3), Rgb(10, 20, 30));
    EXPECT_EQ(ColourAt(s.dest.get(), 4, 4), Rgb(0, 0, 0));
}

TEST(StampCompositeTest, NegativeDestinationBlendsOnlyInsideColumns) {
    Scene s;
    ASSERT_EQ(CompositeThroughMask(s.At(-2, -3)), 1);
    EXPECT_EQ(ColourAt(s.dest.get(), 0, 0), Rgb(255, 255, 255));  // picture (2, 3)
    EXPECT_EQ(ColourAt(s.dest.get(), 1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(ColourAt(s.dest.get(), 2, 0), Rgb(0, 0, 0));
    EXPECT_EQ(ColourAt(s.dest.get(), 0, 1), Rgb(0, 0, 0));
}

TEST(StampCompositeTest, RequestsBeyondTheDestinationAreClipped) {
    Scene s;
    ASSERT_EQ(CompositeThroughMask(s.At(6, 6)), 1);
    EXPECT_EQ(ColourAt(s.dest.get(), 7, 7), Rgb(255, 255, 255));
    EXPECT_EQ(CompositeThroughMask(s.At(8, 0)), 0);
    EXPECT_EQ(CompositeThroughMask(s.At(1000000, 0)), 0);
    EXPECT_EQ(CompositeThroughMask(s.At(-2000000000, -2000000000)), 1);  // nothing lands
    CompositeRequest limited = s.At(0, 0);
    limited.widthLimit = 1;
    limited.heightLimit = 0;
    EXPECT_EQ(CompositeThroughMask(limited), 0);
}

TEST(StampCompositeTest, PictureAndMaskOffsetsShrinkTheOverlap) {
    Scene s;
    CompositeRequest q = s.At(0, 0);
    q.maskX = 3;
    q.pictureY = 2;
    ASSERT_EQ(CompositeThroughMask(q), 1);
    EXPECT_EQ(ColourAt(s.dest.get(), 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(ColourAt(s.dest.get(), 1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(ColourAt(s.dest.get(), 0, 2), Rgb(0, 0, 0));
}

TEST(StampCompositeTest, ColourMaskIsReadByItsFirstByte) {
    Scene s;
    s.mask = ColourBlock(4, 4, Rgb(0, 0, 128));
    ASSERT_EQ(CompositeThroughMask(s.At(0, 0)), 1);
    EXPECT_EQ(ColourAt(s.dest.get(), 0, 0), Rgb(127, 127, 127));
}

TEST(StampCompositeTest, InvalidBlocksAreRefused) {
    Scene s;
    CompositeRequest q = s.At(0, 0);
    q.mask = nullptr;
    EXPECT_EQ(CompositeThroughMask(q), 0);
    q = s.At(0, 0);
    q.destination = s.mask.get();  // grey destination
    EXPECT_EQ(CompositeThroughMask(q), 0);
    q = s.At(0, 0);
    q.picture = s.mask.get();
    EXPECT_EQ(CompositeThroughMask(q), 0);
}
