// The movie of an airplane: the marks the flight screen and its tests rely on, the fold line on
// the paper from each fold's mark, and a flight in which the airplane stays the subject.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AirplaneBuild.h"
#include "SheetPictures.h"
#include "graphics/View3D.h"
#include "graphics/FoldRenderer.h"
#include "platform/gl/OsMesaSurface.h"

namespace {

int Near(const Canvas& frame, RgbPixel colour) {
    int n = 0;
    for (const RgbPixel& p : frame.Pixels())
        n += std::abs(p.r - colour.r) + std::abs(p.g - colour.g) + std::abs(p.b - colour.b) < 40;
    return n;
}

// Folds the airplane and makes its movie's animation.
bool Animate(const char* plane, PlaneDescription& d, FoldedPlane& folded, FoldAnimation& a, MovieResult& result,
             std::string& error) {
    return ReadDescription(std::string(ZEPHINE_PLANES_DIR) + "/" + plane, d, error) && FoldPlane(d, folded, error) &&
           MakeFoldAnimation(d, folded.paper, folded.scenes, a, result, error);
}

}  // namespace

// The stunt airplane: its loop is the hardest flight to keep large in the frame.
TEST(AirplaneMovieTest, MarksStayPutFoldLinesShowAndTheFlightFillsTheFrame) {
    PlaneDescription d;
    FoldedPlane folded;
    FoldAnimation animation;
    MovieResult result;
    std::string error;
    ASSERT_TRUE(Animate("06.plane", d, folded, animation, result, error)) << error;
    std::vector<Canvas> frames;
    const FrameSink keep = [&](const Canvas& frame, bool) {
        frames.push_back(frame);
        return true;
    };
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

// The first frame is the flat sheet as the skin shows it: a texture of four coloured quarters
// lands on the paper quarter by quarter, each where the animation's mesh puts it, the top left
// quarter up and to the left.
TEST(AirplaneMovieTest, TheFirstFrameShowsTheTextureAsTheFlatSheetDoes) {
    PlaneDescription d;
    FoldedPlane folded;
    FoldAnimation a;
    MovieResult result;
    std::string error;
    ASSERT_TRUE(Animate("01.plane", d, folded, a, result, error)) << error;
    a.frames[0].guide = FoldGuideKind::none;

    const RgbPixel quarter[2][2] = {{{220, 30, 30}, {30, 200, 30}}, {{30, 30, 220}, {230, 220, 20}}};
    Dib texture = Dib::CreateBlank(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const RgbPixel c = quarter[y / 128][x / 128];  // rows from the top
            uint8_t* p = texture.PixelAt(x, y);
            p[0] = c.b, p[1] = c.g, p[2] = c.r;
        }
    OsMesaSurface gl(kMovieWidth, kMovieHeight);
    ASSERT_TRUE(gl.HasContext());
    FoldRenderer renderer;
    Canvas frame;
    ASSERT_TRUE(renderer.Render(a, 0, BgrRowsOf(texture), gl, frame));

    // Where the mesh puts a point of the skin in the picture: the triangle holding it in the
    // texture, its corners through the frame.
    const FoldFrame& f = a.frames[0];
    auto at = [&](double u, double v) {
        for (size_t t = 0; t + 2 < a.triangles.size(); t += 3) {
            Vec2 uv[3];
            Vec3 p[3];
            for (size_t k = 0; k < 3; ++k) {
                const size_t i = a.triangles[t + k];
                uv[k] = {a.uv[i * 2], a.uv[i * 2 + 1]};
                const std::array<float, 3> q = a.Position(a.poses[f.pose], i);
                const auto& m = f.transform;
                p[k] = {m[0] * q[0] + m[1] * q[1] + m[2] * q[2] + m[3], m[4] * q[0] + m[5] * q[1] + m[6] * q[2] + m[7],
                        m[8] * q[0] + m[9] * q[1] + m[10] * q[2] + m[11]};
            }
            const double area = Cross(uv[1] - uv[0], uv[2] - uv[0]);
            if (std::abs(area) < 1e-12) continue;
            const double b1 = Cross(Vec2{u, v} - uv[0], uv[2] - uv[0]) / area;
            const double b2 = Cross(uv[1] - uv[0], Vec2{u, v} - uv[0]) / area;
            if (b1 < 0 || b2 < 0 || b1 + b2 > 1) continue;
            Vec2 out;
            EXPECT_TRUE(ProjectToPicture(f.camera, a.width, a.height, p[0] + (p[1] - p[0]) * b1 + (p[2] - p[0]) * b2, out));
            return out;
        }
        ADD_FAILURE() << "no triangle holds " << u << ", " << v;
        return Vec2{};
    };
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            const Vec2 p = at(0.25 + 0.5 * column, 0.75 - 0.5 * row);
            // The paper is lit by how it faces the light: the quarter's colour, a little darker.
            const RgbPixel seen = frame.Get(int(p.x), int(p.y)), want = quarter[row][column];
            const double k = double(std::max({seen.r, seen.g, seen.b})) / std::max({want.r, want.g, want.b});
            EXPECT_GT(k, 0.6);
            EXPECT_LT(std::abs(seen.r - want.r * k) + std::abs(seen.g - want.g * k) + std::abs(seen.b - want.b * k), 30)
                << "quarter " << row << "," << column << " at " << p.x << "," << p.y;
        }
    const Vec2 topLeft = at(0.25, 0.75), bottomRight = at(0.75, 0.25);
    EXPECT_LT(topLeft.x + 40, bottomRight.x);
    EXPECT_LT(topLeft.y + 20, bottomRight.y);
}
