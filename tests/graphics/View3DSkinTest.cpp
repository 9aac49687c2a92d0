// View3D's model and skin loading: the texture and its copies, and what missing files give.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/View3D.h"
#include "support/TempDir.h"

namespace {

// A 64 x 32 skin: red on the left half, blue on the right.
std::string WriteSkin(const TempDir& dir) {
    Dib skin = Dib::CreateBlank(64, 32);
    for (int32_t y = 0; y < 32; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            uint8_t* p = skin.PixelAt(x, y);
            p[0] = x < 32 ? 0 : 255, p[2] = x < 32 ? 255 : 0;
        }
    std::string path = dir.File("Fly01.bmp");
    EXPECT_EQ(skin.SaveToFile(path), 1);
    return path;
}

TEST(View3DSkinTest, SkinIsScaledOntoTheTextureAndCopiedTwiceAndAMissingOneLeavesBlack) {
    TempDir dir;
    View3D view;
    ASSERT_TRUE(view.LoadSkin(WriteSkin(dir)));
    EXPECT_EQ(view.canvasZoom, 1.0f);
    ASSERT_EQ(view.texture.Width(), 256);
    ASSERT_EQ(view.texture.Height(), 256);
    EXPECT_EQ(view.texture.PixelAt(20, 100)[2], 255);  // left quarter: red
    EXPECT_EQ(view.texture.PixelAt(230, 100)[0], 255);  // right quarter: blue
    for (const Dib* copy : {&view.eraseSource, &view.undoSnapshot}) {
        ASSERT_EQ(copy->BlockSize(), view.texture.BlockSize());
        EXPECT_EQ(0, std::memcmp(copy->PixelBytes(), view.texture.PixelBytes(), 256 * 256 * 3));
    }
    EXPECT_EQ(view.paintTarget.textureBlock, view.texture.Block());

    // A zoom already set is kept when another skin is loaded.
    view.canvasZoom = 2.5f;
    ASSERT_TRUE(view.LoadSkin(WriteSkin(dir)));
    EXPECT_EQ(view.canvasZoom, 2.5f);

    // A missing skin leaves a black texture, copies and all.
    EXPECT_FALSE(view.LoadSkin(dir.File("none.bmp")));
    EXPECT_TRUE(view.skin.IsEmpty());
    ASSERT_EQ(view.texture.Width(), 256);
    EXPECT_EQ(view.texture.PixelAt(20, 100)[2], 0);
    EXPECT_EQ(view.eraseSource.PixelAt(20, 100)[2], 0);
    EXPECT_EQ(view.paintTarget.textureBlock, view.texture.Block());
}

}  // namespace
