// The movie of an airplane: the marks the flight screen and its tests rely on, the fold line on
// the paper from each fold's mark, and a flight in which the airplane stays the subject.
#include <gtest/gtest.h>

#include <cstdlib>

#include "AirplaneBuild.h"
#include "SheetPictures.h"
#include "graphics/View3D.h"
#include "platform/gl/OsMesaSurface.h"

namespace {

int Near(const Canvas& frame, RgbPixel colour) {
    int n = 0;
    for (const RgbPixel& p : frame.Pixels())
        n += std::abs(p.r - colour.r) + std::abs(p.g - colour.g) + std::abs(p.b - colour.b) < 40;
    return n;
}

}  // namespace

// The stunt airplane: its loop is the hardest flight to keep large in the frame.
TEST(AirplaneMovieTest, MarksStayPutFoldLinesShowAndTheFlightFillsTheFrame) {
    PlaneDescription d;
    FoldedPlane folded;
    std::string error;
    ASSERT_TRUE(ReadDescription(std::string(ZEPHINE_PLANES_DIR) + "/06.plane", d, error)) << error;
    ASSERT_TRUE(FoldPlane(d, folded, error)) << error;
    std::vector<Canvas> frames;
    const FrameSink keep = [&](const Canvas& frame, bool) {
        frames.push_back(frame);
        return true;
    };
    MovieResult result;
    FoldAnimation animation;
    ASSERT_TRUE(MakeFoldAnimation(d, folded.paper, folded.scenes, animation, result, error)) << error;
    const Dib texture = TextureOfSkin(PaintSkin(d).ToDib());
    OsMesaSurface gl(kMovieWidth, kMovieHeight);
    ASSERT_TRUE(RenderFoldMovie(animation, BgrRowsOf(texture), gl, keep));

    // The flight screen's tests and the step thumbnails are tied to these frame numbers.
    EXPECT_EQ(result.marks, (std::vector<int>{0, 40, 64, 88, 112, 136, 160, 184, 208, 232, 270}));
    EXPECT_EQ(result.frames, 346);
    ASSERT_EQ(int(frames.size()), result.frames);

    // At each fold's mark its line and the arrow of the turn are drawn; once the flap has
    // landed they are gone.
    for (size_t i = 0; i < folded.scenes.size(); ++i) {
        const Canvas& atMark = frames[size_t(result.marks[i])];
        const Canvas& landed = frames[size_t(result.marks[i + 1] - 1)];
        const RgbPixel line = FoldColour(folded.scenes[i].kind);
        EXPECT_GT(Near(atMark, line), Near(landed, line) + 20) << "fold " << i + 1;
        EXPECT_GT(Near(atMark, kTurnArrow), Near(landed, kTurnArrow) + 10) << "fold " << i + 1;
    }
    EXPECT_GE(result.flightCover, 0.25);
}
