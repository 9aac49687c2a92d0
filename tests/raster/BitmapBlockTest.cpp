// Block creation, header accessors and pixel addressing.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "raster/BitmapBlock.h"
#include "raster/RasterTestSupport.h"

TEST(BitmapBlockTest, ColourBlockHasPaddedStrideAndBottomUpRows) {
    OwnedBlock block = ColourBlock(5, 3);
    ASSERT_TRUE(block);
    EXPECT_EQ(BlockWidth(block.get()), 5);
    EXPECT_EQ(BlockHeight(block.get()), 3);
    EXPECT_EQ(BlockBitsPerPixel(block.get()), 24);
    EXPECT_EQ(BlockStride(block.get()), 16);
    EXPECT_EQ(IsColourBlock(block.get()), 1);
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
    EXPECT_EQ(std::vector<uint8_t>(entry, entry + 4), (std::vector<uint8_t>{200, 200, 200, 0}));
    EXPECT_EQ(BlockPixels(block.get()), block.get() + 40 + 1024);
    // A grey fill covers the padding as well.
    for (int i = 0; i < 16; ++i) EXPECT_EQ(BlockPixels(block.get())[i], 7);
}

TEST(BitmapBlockTest, FillsSetPaddingOnlyForGreyColours) {
    OwnedBlock mid = ColourBlock(5, 2, Rgb(128, 128, 128));
    for (int i = 0; i < 32; ++i) EXPECT_EQ(BlockPixels(mid.get())[i], 128) << i;
    OwnedBlock red = ColourBlock(5, 2, Rgb(255, 0, 0));
    const uint8_t* row = BlockPixels(red.get());
    EXPECT_EQ(std::vector<uint8_t>(row, row + 3), (std::vector<uint8_t>{0, 0, 255}));
    EXPECT_EQ(row[14], 255);
    EXPECT_EQ(row[15], 0);  // padding
    EXPECT_EQ(ColourAt(red.get(), 4, 1), Rgb(255, 0, 0));
}

TEST(BitmapBlockTest, RefusesDegenerateSizes) {
    EXPECT_FALSE(CreateBitmapBlock(1, 0, 5, nullptr, 0));
    EXPECT_FALSE(CreateBitmapBlock(1, 5, -1, nullptr, 0));
    EXPECT_FALSE(CreateBitmapBlock(0, kMaxBlockSide + 1, 1, nullptr, 0));
    EXPECT_EQ(AllocBlock(0), nullptr);
    EXPECT_EQ(AllocBlock(kMaxBlockBytes + 1), nullptr);
}

// A header of another size is no bitmap; one that would address outside the block gives no pixel.
TEST(BitmapBlockTest, BadHeadersAddressNothing) {
    struct Case {
        size_t offset;
        uint32_t value;
        size_t bytes;
        bool noBitmap;
    } cases[] = {{0, 12, 4, true},         {0, 108, 4, true},  // header sizes
                 {4, 1u << 30, 4, false},  {14, 32, 2, false},  // width, bits per pixel
                 {32, 1u << 31, 4, false}};                     // colours in the table
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " = " << c.value);
        OwnedBlock block = ColourBlock(4, 4);
        std::memcpy(block.get() + c.offset, &c.value, c.bytes);
        EXPECT_EQ(PixelAt(block.get(), 0, 0), nullptr);
        if (c.noBitmap) {
            EXPECT_EQ(BlockWidth(block.get()), 0);
            EXPECT_EQ(BlockStride(block.get()), 0);
        }
        if (c.noBitmap || c.offset == 32) {
            EXPECT_EQ(BlockPixels(block.get()), nullptr);
        }
    }
    EXPECT_EQ(BlockWidth(nullptr), 0);
    EXPECT_EQ(PixelAt(static_cast<uint8_t*>(nullptr), 0, 0), nullptr);
}
