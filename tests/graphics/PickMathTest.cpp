// Face-picking arithmetic: normalised point, depth, choice of hit, texture coordinate and texel.
#include "graphics/PickMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using Corners = std::array<PickCorner, 3>;

// The texture triangle (0, 0), (1, 0), (0, 1), seen through a rotation by `degrees` in the
// screen plane, a scale and a shift, at constant depth.
Corners TurnedTriangle(double degrees, double scale, bool mirrored = false) {
    const double uv[3][2] = {{0, 0}, {1, 0}, {0, 1}};
    double a = degrees * 3.14159265358979 / 180, c = std::cos(a), s = std::sin(a);
    Corners out;
    for (int i = 0; i < 3; ++i) {
        double x = uv[i][0] * scale, y = uv[i][1] * scale * (mirrored ? -1 : 1);
        out[i] = {{c * x - s * y + 0.2, s * x + c * y - 0.1, 0.4}, uv[i][0], uv[i][1]};
    }
    return out;
}

// Where texture point (u, v) lands on the turned triangle.
Point3 OnTriangle(const Corners& t, double u, double v) {
    const Point3& o = t[0].position;
    const Point3& a = t[1].position;
    const Point3& b = t[2].position;
    return {o.x + u * (a.x - o.x) + v * (b.x - o.x), o.y + u * (a.y - o.y) + v * (b.y - o.y), o.z};
}

TEST(PickMathTest, NormalisedPointMapsViewCentreAndCorner) {
    Rect view{100, 50, 300, 150};
    auto centre = NormalisedPoint(view, 200, 100);
    ASSERT_TRUE(centre);
    EXPECT_DOUBLE_EQ(centre->x, 0);
    EXPECT_DOUBLE_EQ(centre->y, 0);
    auto corner = NormalisedPoint(view, 100, 50);
    ASSERT_TRUE(corner);
    EXPECT_DOUBLE_EQ(corner->x, -1);
    EXPECT_DOUBLE_EQ(corner->y, 1);
    EXPECT_FALSE(NormalisedPoint(Rect{5, 5, 5, 40}, 5, 5));
}

TEST(PickMathTest, DepthFollowsThePlaneAndRefusesEdgeOnTriangles) {
    Corners flat{{{{0, 0, 0.5}}, {{1, 0, 0.5}}, {{0, 1, 0.5}}}};
    EXPECT_DOUBLE_EQ(*DepthAt(flat, 0.3, 0.7), 0.5);
    Corners tilted{{{{0, 0, 0}}, {{1, 0, 1}}, {{0, 1, 0}}}};  // z = x
    EXPECT_NEAR(*DepthAt(tilted, 0.3, -2), 0.3, 1e-12);
    Corners edgeOn{{{{0, 0, 0}}, {{1, 1, 0.5}}, {{2, 2, 0.2}}}};
    EXPECT_FALSE(DepthAt(edgeOn, 0.5, 0.5));
}

TEST(PickMathTest, NearestHitTakesSmallestDepthKeepsEarlierOnTiesAndSkipsWhatItCannotUse) {
    // Records: names, min depth, max depth, 100, triangle.
    std::vector<uint32_t> buffer = {2, 0, 0, 100, 4, 2, 0, 0, 100, 1, 2, 0, 0, 100, 7};
    std::vector<double> depth = {0, 0.5, 0.2, 0.1, 0.5, 0, 0, 0.9, 0, 0.05};
    auto depthOf = [&](int32_t t) {
        return t == 3 ? std::nullopt : std::optional<double>(depth[size_t(t)]);
    };
    EXPECT_EQ(NearestHit(buffer, 3, 8, depthOf), 4);  // 4 and 1 tie at 0.5: 4 came first
    depth[1] = 0.25;
    EXPECT_EQ(NearestHit(buffer, 3, 8, depthOf), 1);
    EXPECT_EQ(NearestHit(buffer, 0, 8, depthOf), -1);
    // 9 is no triangle of a 5-triangle mesh; 3 has no depth; the count runs past the buffer.
    buffer = {2, 0, 0, 100, 9, 2, 0, 0, 100, 3, 2, 0, 0, 100, 2};
    EXPECT_EQ(NearestHit(buffer, 40, 5, depthOf), 2);
    buffer = {1, 0, 0, 100};
    EXPECT_EQ(NearestHit(buffer, 1, 5, depthOf), -1);
}

TexCoord At(const Corners& t, const Point3& p) {
    std::optional<TexCoord> uv = TexCoordAt(t, p.x, p.y);
    EXPECT_TRUE(uv);
    return uv.value_or(TexCoord{-1, -1});
}

TEST(PickMathTest, PointOnCornerTakesThatCornersCoordinate) {
    Corners t = TurnedTriangle(0, 1);
    TexCoord uv = At(t, t[1].position);
    EXPECT_EQ(uv.u, 1.0);  // u = 1 is not reduced
    EXPECT_EQ(uv.v, 0.0);
    auto texel = TexelOf(uv, 256, 256);
    ASSERT_TRUE(texel);
    EXPECT_EQ(texel->x, 256);
    EXPECT_EQ(texel->y, 256);

    t[2].u = 1.25;
    uv = At(t, t[2].position);
    EXPECT_DOUBLE_EQ(uv.u, 0.25);  // reduced once
    EXPECT_EQ(TexelOf(uv, 256, 256)->x, 64);
}

TEST(PickMathTest, TurnedScaledAndMirroredTrianglesInterpolateTheirTexture) {
    for (double degrees : {0.0, 30.0, 90.0, 200.0}) {
        for (bool mirrored : {false, true}) {
            Corners t = TurnedTriangle(degrees, 0.5, mirrored);
            TexCoord uv = At(t, OnTriangle(t, 0.25, 0.375));
            EXPECT_NEAR(uv.u, 0.25, 1e-9) << degrees << " " << mirrored;
            EXPECT_NEAR(uv.v, 0.375, 1e-9) << degrees << " " << mirrored;
        }
    }
}

TEST(PickMathTest, SkewedTriangleWithTurnedTextureGivesTheBlendOfItsCorners) {
    // Neither the screen triangle nor its texture triangle has a right angle or an axis-aligned
    // side, and their sizes differ.
    Corners t{{{{0.2, -0.1, 0.5}, 0.1, 0.2}, {{0.5, 0.3, 0.5}, 0.7, 0.3},
               {{-0.3, 0.4, 0.5}, 0.4, 0.9}}};
    const double w[3] = {0.2, 0.3, 0.5};
    Point3 p{};
    double u = 0, v = 0;
    for (int i = 0; i < 3; ++i) {
        p.x += w[i] * t[i].position.x, p.y += w[i] * t[i].position.y;
        u += w[i] * t[i].u, v += w[i] * t[i].v;
    }
    TexCoord uv = At(t, p);
    EXPECT_NEAR(uv.u, u, 1e-9);
    EXPECT_NEAR(uv.v, v, 1e-9);
}

TEST(PickMathTest, PerspectiveIsCorrectedWithTheCornersW) {
    // A triangle leaning away from the eye: its far corner is three times as far as the near
    // ones. The point is the projection of the model point with texture (0.4, 0.3).
    const Point3 model[3] = {{-1, -1, -2}, {1, -1, -2}, {0, 1, -6}};
    const double texture[3][2] = {{0, 0}, {1, 0}, {0.5, 1}};
    Matrix4 projection = ViewProjection();
    Corners t;
    for (int i = 0; i < 3; ++i) {
        ProjectedPoint clip = ProjectPoint(projection, model[i]);
        t[i] = {clip.ndc, texture[i][0], texture[i][1], clip.w};
    }
    // Texture (0.4, 0.3) is 0.45 of corner 1, 0.25 of corner 2 and 0.3 of corner 3.
    Point3 onModel{0, 0, 0};
    const double share[3] = {0.45, 0.25, 0.3};
    for (int i = 0; i < 3; ++i) {
        onModel.x += share[i] * model[i].x;
        onModel.y += share[i] * model[i].y;
        onModel.z += share[i] * model[i].z;
    }
    Point3 p = ProjectPoint(projection, onModel).ndc;
    TexCoord uv = At(t, p);
    EXPECT_NEAR(uv.u, 0.4, 1e-6);
    EXPECT_NEAR(uv.v, 0.3, 1e-6);
}

TEST(PickMathTest, CoversHoldsInsideAndOnEdgesAndAPointOutsideTakesTheNearestEdge) {
    Corners t{{{{0, 0, 0.5}, 0, 0}, {{1, 0, 0.5}, 1, 0}, {{0, 1, 0.5}, 0, 1}}};
    EXPECT_TRUE(Covers(t, 0.2, 0.2));
    EXPECT_TRUE(Covers(t, 0.5, 0.5));  // on the shared diagonal of a square
    EXPECT_TRUE(Covers(t, 0, 0));
    EXPECT_FALSE(Covers(t, 0.5, -0.01));
    EXPECT_FALSE(Covers(t, 0.6, 0.6));
    // Just outside the lower edge: the nearest point of that edge, not an extrapolation.
    TexCoord uv = At(t, {0.5, -0.1, 0});
    EXPECT_NEAR(uv.u, 0.5, 1e-12);
    EXPECT_NEAR(uv.v, 0, 1e-12);
    uv = At(t, {-0.2, 1.3, 0});  // beyond corner 3
    EXPECT_NEAR(uv.u, 0, 1e-12);
    EXPECT_NEAR(uv.v, 1, 1e-12);
}

TEST(PickMathTest, DegenerateTrianglesGiveNoCoordinate) {
    Corners point{{{{0.3, 0.3, 0.5}, 0, 0}, {{0.3, 0.3, 0.5}, 1, 0}, {{0.3, 0.3, 0.5}, 0, 1}}};
    EXPECT_FALSE(TexCoordAt(point, 0.31, 0.3));
    EXPECT_FALSE(Covers(point, 0.3, 0.3));
    Corners line{{{{0, 0, 0.5}, 0, 0}, {{1, 1, 0.5}, 1, 0}, {{2, 2, 0.5}, 0, 1}}};
    EXPECT_FALSE(TexCoordAt(line, 1, 1));
    double nan = std::numeric_limits<double>::quiet_NaN();
    Corners broken = TurnedTriangle(0, 1);
    broken[1].position.x = nan;
    EXPECT_FALSE(TexCoordAt(broken, 0.4, 0.1));
    EXPECT_FALSE(Covers(broken, 0.4, 0.1));
    // A corner at or behind the eye has no perspective.
    for (double w : {0.0, -1.0, nan}) {
        Corners behind = TurnedTriangle(0, 1);
        behind[2].w = w;
        EXPECT_FALSE(TexCoordAt(behind, 0.4, -0.05)) << w;
    }
    // A texture triangle without area still gives its one coordinate.
    Corners flatTexture = TurnedTriangle(10, 1);
    for (PickCorner& c : flatTexture) c.u = 0.5, c.v = 0.5;
    TexCoord uv = At(flatTexture, OnTriangle(flatTexture, 0.2, 0.2));
    EXPECT_DOUBLE_EQ(uv.u, 0.5);
}

TEST(PickMathTest, TexelTruncatesTowardZeroAndRefusesTheUnrepresentable) {
    EXPECT_EQ(TexelOf({0.5, 0.5}, 256, 256)->x, 128);
    auto below = TexelOf({-0.001, 1.002}, 256, 256);
    ASSERT_TRUE(below);
    EXPECT_EQ(below->x, 0);  // -0.256 truncates to 0
    EXPECT_EQ(below->y, 0);
    EXPECT_FALSE(TexelOf({1e30, 0}, 256, 256));
    EXPECT_FALSE(TexelOf({0, std::numeric_limits<double>::infinity()}, 256, 256));
}

}  // namespace
