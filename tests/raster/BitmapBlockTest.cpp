// Block creation, header accessors and pixel addressing.
#include <gtest/gtest.h>

#include <cstring>

#include "raster/BitmapBlock.h"
#include "raster/RasterTestSupport.h"

TEST(BitmapBlockTest, ColourBlockHasPaddedStrideAndBottomUpRows) {
    OwnedBlock block = ColourBlock(5, 3);
    ASSERT_TRUE(block);
    EXPECT_EQ(BlockWidth(block.get()), 5);
    EXPECT_EQ(BlockHeight(block.get()), 3);
    EXPECT_EQ(BlockBitsPerPixel(block.get()), 24);
    EXPECT_EQ(BlockBytesPerPixel(block.get()), 3);
    EXPECT_EQ(BlockStride(block.get()), 16);
    EXPECT_EQ(IsColourBlock(block.get()), 1);
    EXPECT_EQ(BlockPixels(block.get()), block.get() + 40);
    // (0, 0) is the top row, stored last.
    EXPECT_EQ(PixelAt(block.get(), 0, 0), block.get() + 40 + 2 * 16);
    EXPECT_EQ(PixelAt(block.get(), 4, 2), block.get() + 40 + 12);
    EXPECT_EQ(PixelAt(block.get(), 5, 0), nullptr);
    EXPECT_EQ(PixelAt(block.get(), 0, 3), nullptr);
    EXPECT_EQ(PixelAt(block.get(), -1, 0), nullptr);
}

TEST(BitmapBlockTest, GreyBlockCarriesGreyColourTable) {
    OwnedBlock block = GreyBlock(5, 2, 7);
    ASSERT_TRUE(block);
    EXPECT_EQ(BlockStride(block.get()), 8);
    EXPECT_EQ(BlockBytesPerPixel(block.get()), 1);
    EXPECT_EQ(IsColourBlock(block.get()), 0);
    uint32_t used;
    std::memcpy(&used, block.get() + 32, 4);
    EXPECT_EQ(used, 256u);
    const uint8_t* entry = block.get() + 40 + 200 * 4;
    EXPECT_EQ(entry[0], 200);
    EXPECT_EQ(entry[1], 200);
    EXPECT_EQ(entry[2], 200);
    EXPECT_EQ(entry[3], 0);
    EXPECT_EQ(BlockPixels(block.get()), block.get() + 40 + 1024);
    // A grey fill covers the padding as well.
    for (int i = 0; i < 16; ++i) EXPECT_EQ(BlockPixels(block.get())[i], 7);
}

TEST(BitmapBlockTest, FillsSetPaddingOnlyForGreyColours) {
    OwnedBlock mid = ColourBlock(5, 2, Rgb(128, 128, 128));
    for (int i = 0; i < 32; ++i) EXPECT_EQ(BlockPixels(mid.get())[i], 128) << i;
    OwnedBlock red = ColourBlock(5, 2, Rgb(255, 0, 0));
    const uint8_t* row = BlockPixels(red.get());
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[1], 0);
    EXPECT_EQ(row[2], 255);
    EXPECT_EQ(row[14], 255);
    EXPECT_EQ(row[15], 0);  // padding
    EXPECT_EQ(ColourAt(red.get(), 4, 1), Rgb(255, 0, 0));
}

TEST(BitmapBlockTest, CopiesSourcePixels) {
    uint8_t source[8] = {1, 2, 3, 0, 4, 5, 6, 0};
    OwnedBlock block = CreateBitmapBlock(1, 1, 2, source, 0);
    ASSERT_TRUE(block);
    EXPECT_EQ(BlockStride(block.get()), 4);
    EXPECT_EQ(ColourAt(block.get(), 0, 1), Rgb(3, 2, 1));
    EXPECT_EQ(ColourAt(block.get(), 0, 0), Rgb(6, 5, 4));
}

TEST(BitmapBlockTest, RefusesDegenerateSizes) {
    EXPECT_FALSE(CreateBitmapBlock(1, 0, 5, nullptr, 0));
    EXPECT_FALSE(CreateBitmapBlock(1, 5, -1, nullptr, 0));
    EXPECT_FALSE(CreateBitmapBlock(0, kMaxBlockSide + 1, 1, nullptr, 0));
    EXPECT_EQ(AllocBlock(0), nullptr);
    EXPECT_EQ(AllocBlock(kMaxBlockBytes + 1), nullptr);
}

TEST(BitmapBlockTest, OtherHeaderSizesAreNoBitmap) {
    OwnedBlock block = ColourBlock(4, 4);
    for (uint32_t size : {12u, 108u}) {
        std::memcpy(block.get(), &size, 4);
        EXPECT_EQ(BlockWidth(block.get()), 0);
        EXPECT_EQ(BlockStride(block.get()), 0);
        EXPECT_EQ(BlockPixels(block.get()), nullptr);
        EXPECT_EQ(PixelAt(block.get(), 0, 0), nullptr);
    }
    EXPECT_EQ(BlockWidth(nullptr), 0);
    EXPECT_EQ(PixelAt(static_cast<uint8_t*>(nullptr), 0, 0), nullptr);
}

TEST(BitmapBlockTest, HeadersThatWouldAddressOutsideAreRefused) {
    OwnedBlock block = ColourBlock(4, 4);
    int32_t huge = 1 << 30;
    std::memcpy(block.get() + 4, &huge, 4);
    EXPECT_EQ(PixelAt(block.get(), 0, 0), nullptr);
    block = ColourBlock(4, 4);
    uint32_t colours = 1u << 31;
    std::memcpy(block.get() + 32, &colours, 4);
    EXPECT_EQ(BlockPixels(block.get()), nullptr);
    EXPECT_EQ(PixelAt(block.get(), 0, 0), nullptr);
    block = ColourBlock(4, 4);
    uint16_t bits = 32;
    std::memcpy(block.get() + 14, &bits, 2);
    EXPECT_EQ(PixelAt(block.get(), 0, 0), nullptr);
}

TEST(BitmapBlockTest, PixelAtInAddressesSeparateBuffer) {
    OwnedBlock geometry = ColourBlock(5, 3);
    uint8_t buffer[48] = {};
    EXPECT_EQ(PixelAtIn(buffer, geometry.get(), 1, 0), buffer + 2 * 16 + 3);
    EXPECT_EQ(PixelAtIn(buffer, geometry.get(), 5, 0), nullptr);
    EXPECT_EQ(PixelAtIn(nullptr, geometry.get(), 0, 0), nullptr);
    EXPECT_EQ(PixelAtIn(buffer, nullptr, 0, 0), nullptr);
}

TEST(BitmapBlockTest, ReleasedRawBlockIsFreed) {
    OwnedBlock block = ColourBlock(2, 2);
    EXPECT_EQ(FreeBitmapBlock(block.release()), 1);
    EXPECT_EQ(FreeBitmapBlock(nullptr), 1);
}
