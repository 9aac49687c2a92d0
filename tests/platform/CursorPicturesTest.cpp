// The built-in cursor and icon pictures.
#include <gtest/gtest.h>

#include "platform/CursorPictures.h"

namespace {

TEST(CursorPicturesTest, EveryCursorHasAnOutlinedShapeAndAHotSpotOnIt) {
    for (int id : kCursorIds) {
        CursorPicture p;
        ASSERT_TRUE(MakeCursorPicture(id, p)) << id;
        int black = 0, white = 0;
        for (const auto& row : p.pixels)
            for (char c : row) {
                black += c == 'X';
                white += c == '.';
            }
        EXPECT_GT(black, 20) << id;
        EXPECT_GT(white, 20) << id << ": outlined, to show on dark backdrops";
        ASSERT_GE(p.hotX, 0);
        ASSERT_LT(p.hotX, CursorPicture::kSize);
        ASSERT_GE(p.hotY, 0);
        ASSERT_LT(p.hotY, CursorPicture::kSize);
        EXPECT_NE(p.pixels[p.hotY][p.hotX], ' ') << id << ": the hot spot lies on the picture";
    }
}

TEST(CursorPicturesTest, UnknownIdsAreRefused) {
    CursorPicture p;
    EXPECT_FALSE(MakeCursorPicture(166, p));
    EXPECT_FALSE(MakeCursorPicture(101, p));
}

TEST(CursorPicturesTest, IconIsOpaque) {
    for (uint32_t pixel : MakeWindowIcon()) EXPECT_EQ(pixel >> 24, 0xFFu);
}

}  // namespace
