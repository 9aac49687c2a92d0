// Picking on the rendered model: the texel, triangle and depth choice, and the picks that must
// fail without harm.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GlScene.h"

namespace {

// Renders once (the pick uses the pane's viewport) and picks at the window point.
bool PickAt(GlScene& scene, int32_t x, int32_t y) {
    scene.RenderPane();
    return scene.view.Pick(scene.surface, scene.layout.view, scene.layout.viewGl, x, y,
                           scene.surface.Height());
}

void ExpectTexelNear(const PaintTarget& target, int32_t x, int32_t y) {
    EXPECT_LE(std::abs(target.texelX - x), 1) << target.texelX;
    EXPECT_LE(std::abs(target.texelY - y), 1) << target.texelY;
}

// The pane on the 1024 by 768 screen is (652, 289, 861, 448), centre (756, 368). The quad of
// half-side 0.4 at scale 4.5 is 1.5745 (x) by 2.0993 (y) normalised units per model unit.
TEST(View3DPickTest, PickInsideATriangleFindsItsTexel) {
    GlScene scene;
    // (700, 400): normalised (-0.5359, -0.4025), model (-0.3404, -0.1917): u 0.0745, v 0.2603.
    ASSERT_TRUE(PickAt(scene, 700, 400));
    EXPECT_EQ(scene.view.paintTarget.triangle, 0);
    ExpectTexelNear(scene.view.paintTarget, 19, 189);
    EXPECT_EQ(scene.view.paintTarget.pickX, 700);
    EXPECT_EQ(scene.view.paintTarget.pickY, 400);
    EXPECT_EQ(scene.view.paintTarget.textureBlock, scene.view.texture.Block());

    // (800, 330): normalised (0.4211, 0.4780), model (0.2674, 0.2277): u 0.8343, v 0.7846.
    ASSERT_TRUE(PickAt(scene, 800, 330));
    EXPECT_EQ(scene.view.paintTarget.triangle, 1);
    ExpectTexelNear(scene.view.paintTarget, 213, 55);
}

TEST(View3DPickTest, PickFarFromEveryCornerStillHits) {
    // One huge triangle whose corners all lie far outside the pane: drawn as corner points the
    // selection pass would find nothing.
    GlScene scene;
    scene.view.mesh.Clear();
    AddQuad(scene.view.mesh, 3.0f, 0);
    ASSERT_TRUE(PickAt(scene, 740, 380));
    EXPECT_EQ(scene.view.paintTarget.triangle, 0);
    // (740, 380): normalised (-0.1531, -0.1509), model (-0.0972, -0.0719): u 0.4838, v 0.4880.
    ExpectTexelNear(scene.view.paintTarget, 123, 131);
}

TEST(View3DPickTest, MissKeepsThePaintTarget) {
    GlScene scene;
    ASSERT_TRUE(PickAt(scene, 700, 400));
    PaintTarget before = scene.view.paintTarget;
    EXPECT_FALSE(PickAt(scene, 660, 295));  // pane corner, off the model
    EXPECT_EQ(scene.view.paintTarget.texelX, before.texelX);
    EXPECT_EQ(scene.view.paintTarget.texelY, before.texelY);
    EXPECT_EQ(scene.view.paintTarget.pickX, 700);
}

TEST(View3DPickTest, NearerTriangleWinsAndTiesKeepTheFirst) {
    GlScene scene;
    // A smaller quad in front, showing the skin's upper-right quarter.
    AddQuad(scene.view.mesh, 0.2f, 0.3f, 0.5f, 0.5f, 1, 1);
    ASSERT_TRUE(PickAt(scene, 740, 380));
    EXPECT_EQ(scene.view.paintTarget.triangle, 2);
    EXPECT_GT(scene.view.paintTarget.texelX, 128);
    EXPECT_LT(scene.view.paintTarget.texelX, 192);
    EXPECT_GT(scene.view.paintTarget.texelY, 64);
    EXPECT_LT(scene.view.paintTarget.texelY, 128);

    GlScene twins;
    AddQuad(twins.view.mesh, 0.4f, 0);  // the same quad again: equal depth
    ASSERT_TRUE(PickAt(twins, 700, 400));
    EXPECT_EQ(twins.view.paintTarget.triangle, 0);
}

TEST(View3DPickTest, TooManyHitsForTheSelectionBufferFail) {
    GlScene scene;
    // 120 triangles under the point, 5 words each: more than 512 words.
    for (int i = 0; i < 120; ++i) AddQuad(scene.view.mesh, 0.4f, 0.001f * float(i));
    EXPECT_FALSE(PickAt(scene, 700, 400));
}

TEST(View3DPickTest, EdgeOnTriangleIsNotPicked) {
    // A triangle in the plane x = 0, which holds the eye: it projects onto one line.
    GlScene scene;
    ModelMesh& mesh = scene.view.mesh;
    mesh.Clear();
    mesh.triangleCount = 1;
    mesh.vertexCount = mesh.textureCount = 3;
    mesh.vertices = {0, -0.4f, -0.4f, 0, 0.4f, -0.4f, 0, 0, 0.4f};
    mesh.textureCoords = {0, 0, 1, 0, 0, 1};
    mesh.triangles = {0, 1, 2, 0, 0, 0, 0, 1, 2};
    for (int32_t x : {755, 756, 757}) EXPECT_FALSE(PickAt(scene, x, 368)) << x;
}

TEST(View3DPickTest, AnEmptyModelHasNothingToPick) {
    GlScene empty;
    empty.view.mesh.Clear();
    EXPECT_FALSE(PickAt(empty, 756, 368));
}

}  // namespace
