// The drawn movie: which source plays (the painting folded and flown, or the movie file), and the
// pictures drawn from the animation through the fake 3D surface, on their own and on the screen.
#include "flight/FoldMovieSource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "FlightRig.h"
#include "fakes/FakeGlSurface.h"
#include "fakes/FakeMovieSource.h"
#include "graphics/View3D.h"
#include "support/TempDir.h"
#include "support/TestFoldAnimation.h"

namespace {

struct SheetMesh {
    float u, v, x;
};

struct SourceRig {
    SourceRig() {
        files.movies["Fly01.mov"] = 100;
        const std::vector<uint8_t> bytes = FoldAnimationBytes(SheetAnimation(7, {0, 3}));
        (void)dir.Write("Fly01.fan", bytes);
        texture.assign(size_t(12) * 4, 0x80);
    }
    [[nodiscard]] BgrRows Texture() const { return {texture.data(), 4, 4, 12}; }

    TempDir dir;
    FakeMovieSource files;
    std::vector<FakeGlSurface*> surfaces;
    std::vector<uint8_t> texture;
    FoldMovieSource source{&files, [this](int32_t w, int32_t h) -> std::unique_ptr<GlSurface> {
                               auto s = std::make_unique<FakeGlSurface>(w, h);
                               surfaces.push_back(s.get());
                               return s;
                           }};
};

}  // namespace

TEST(FoldMovieSourceTest, APaintingIsDrawnFromTheAnimationWithTheSkinsMapping) {
    SourceRig r;
    r.source.UseTexture(r.Texture());
    ASSERT_TRUE(r.source.Open(r.dir.File("Fly01.mov")));
    EXPECT_TRUE(r.source.Drawing());
    EXPECT_TRUE(r.files.open.empty()) << "the movie file stays shut";
    EXPECT_EQ(r.source.Duration(), 7);
    EXPECT_EQ(r.source.TimeScale(), 15);
    ASSERT_EQ(r.surfaces.size(), 1u);
    FakeGlSurface& gl = *r.surfaces[0];
    EXPECT_EQ(gl.Width(), 320);
    EXPECT_EQ(gl.Height(), 240);

    MoviePicture picture;
    ASSERT_TRUE(r.source.PictureAt(2, picture));
    EXPECT_EQ(picture.width, 320);
    EXPECT_EQ(picture.height, 240);
    EXPECT_EQ(picture.stride, 960);
    EXPECT_EQ(gl.texture.width, 4) << "the painting, not the skin";
    EXPECT_EQ(gl.pictures, 1) << "the backdrop";
    // Six corners in the file's triangle order, each with its texture coordinate; the frame's
    // transform moves the sheet 0.02 to the right at frame 2.
    const SheetMesh expected[6] = {{0, 0, -1}, {1, 0, 1}, {1, 1, 1}, {0, 0, -1}, {1, 1, 1}, {0, 1, -1}};
    ASSERT_EQ(gl.drawn.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(gl.drawn[i].u, expected[i].u) << i;
        EXPECT_FLOAT_EQ(gl.drawn[i].v, expected[i].v) << i;
        EXPECT_NEAR(gl.drawn[i].x, expected[i].x + 0.02f, 1e-4) << i;
    }
    // Frames past either end give the first and the last.
    ASSERT_TRUE(r.source.PictureAt(99, picture));
    EXPECT_NEAR(gl.drawn[0].x, -1 + 0.06f, 1e-4);
    ASSERT_TRUE(r.source.PictureAt(-5, picture));
    EXPECT_NEAR(gl.drawn[0].x, -1, 1e-4);

    // The surface is kept for the next movie.
    r.source.Close();
    ASSERT_TRUE(r.source.Open(r.dir.File("Fly01.mov")));
    EXPECT_EQ(r.surfaces.size(), 1u);
}

TEST(FoldMovieSourceTest, WithoutAPaintingAnAnimationOrA3DSurfaceTheFilePlays) {
    {
        SourceRig r;  // nothing painted
        ASSERT_TRUE(r.source.Open(r.dir.File("Fly01.mov")));
        EXPECT_FALSE(r.source.Drawing());
        EXPECT_EQ(r.files.open, "Fly01.mov");
        EXPECT_EQ(r.source.Duration(), 100);
        MoviePicture picture;
        ASSERT_TRUE(r.source.PictureAt(3, picture));
        EXPECT_EQ(r.files.fetched.back(), 3);
        EXPECT_TRUE(r.surfaces.empty());
    }
    for (const std::string& broken : {std::string(), std::string("ZFAN\1\0", 6)}) {
        SourceRig r;
        if (broken.empty()) std::filesystem::remove(r.dir.File("Fly01.fan"));
        else (void)r.dir.Write("Fly01.fan", broken);
        r.source.UseTexture(r.Texture());
        ASSERT_TRUE(r.source.Open(r.dir.File("Fly01.mov")));
        EXPECT_FALSE(r.source.Drawing());
        EXPECT_EQ(r.files.open, "Fly01.mov");
    }
    {
        SourceRig r;
        r.source.UseTexture(r.Texture());
        r.source.UseTexture({});  // the painting went
        ASSERT_TRUE(r.source.Open(r.dir.File("Fly01.mov")));
        EXPECT_FALSE(r.source.Drawing());
    }
    {
        FakeMovieSource files;
        FoldMovieSource source(&files, nullptr);  // no 3D surface at all
        TempDir dir;
        (void)dir.Write("Fly01.fan", FoldAnimationBytes(SheetAnimation()));
        const std::vector<uint8_t> pixels(12 * 4);
        source.UseTexture({pixels.data(), 4, 4, 12});
        EXPECT_FALSE(source.Open(dir.File("Fly01.mov"))) << "no file either";
        EXPECT_FALSE(source.Drawing());
    }
}

// The child painted the airplane: the flight screen folds and flies that painting, in the movie
// and in the step thumbnails; another airplane chosen there plays its movie file.
TEST(FoldMovieSourceTest, TheFlightScreenFoldsThePaintingOfTheWorkshopsAirplane) {
    FlightRig r("Frame1=3,0,40,90\nFrame9=2,0,30\nFrame10=2,0,20\n", true);
    std::ofstream(r.paths.movieDir + "Fly01.fan", std::ios::binary) << [] {
        const std::vector<uint8_t> b = FoldAnimationBytes(SheetAnimation(101, {0, 40, 90}));
        return std::string(b.begin(), b.end());
    }();
    // Unpainted: the movie file.
    r.EnterFlight();
    EXPECT_EQ(r.movies.open, "Fly01.mov");
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), FakeMovieSource::ColourOf(0));
    r.ClickAndPaint(r.L().diy);

    // Painted: the drawn movie, with the workshop's texture.
    Dib& texture = r.c->View().texture;
    texture.PixelAt(10, 10)[2] ^= 0xFF;
    r.EnterFlight();
    EXPECT_TRUE(r.movies.open.empty());
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), FakeGlSurface::kRendered);
    EXPECT_EQ(r.ColourIn(r.L().stepButton2), FakeGlSurface::kRendered);
    ASSERT_GE(r.surfaces.size(), 2u);
    const BgrRows worn = r.surfaces.back()->texture;
    EXPECT_EQ(worn.width, View3D::kTextureSide);
    EXPECT_EQ(std::memcmp(worn.pixels, texture.PixelBytes(), size_t(worn.stride) * size_t(worn.height)), 0)
        << "a copy of the painting";

    // Another airplane on this screen: its own movie file.
    r.Click(r.L().modelUp);
    r.Click(r.L().modelUp);
    r.ClickAndPaint(r.L().ModelPick3);
    EXPECT_EQ(r.movies.open, "Fly09.mov");
    EXPECT_EQ(r.ColourIn(r.L().MovieArea), FakeMovieSource::ColourOf(0));
}
