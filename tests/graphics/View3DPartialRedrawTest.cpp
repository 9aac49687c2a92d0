// The partial redraw: which triangles a dirty rectangle brings back, and how DrawMesh names
// and counts them for rendering and for selection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/PartialRedraw.h"
#include "graphics/View3D.h"

namespace {

// A device that writes down what the view asks of it.
class RecordingDevice : public GlDevice {
public:
    bool HasContext() const override { return true; }
    void UploadTexture(const BgrRows&) override { log.push_back("texture"); }
    void SetViewport(const GlViewport&) override {}
    GlViewport Viewport() const override { return {0, 0, 800, 600}; }
    void LoadMatrices(const GlMatrix&, const GlMatrix&) override {}
    void BeginSelection(std::span<uint32_t>) override { selecting = true; }
    int32_t EndSelection() override { return selecting = false, 0; }
    bool IsSelecting() const override { return selecting; }
    void LoadName(uint32_t name) override { log.push_back("load " + std::to_string(name)); }
    void PushName(uint32_t name) override { log.push_back("push " + std::to_string(name)); }
    void PopName() override { log.push_back("pop"); }
    void SetShade(float) override {}
    void DrawTriangles(std::span<const GlCorner> corners) override {
        log.push_back("draw " + std::to_string(corners.size() / 3));
    }
    void Flush() override { log.push_back("flush"); }

    bool selecting = false;
    std::vector<std::string> log;
};

// Triangle 0 is the lower-left half of the skin, triangle 1 the upper-right half.
void TwoHalves(ModelMesh& mesh) {
    mesh.triangleCount = 2;
    mesh.vertexCount = mesh.textureCount = 4;
    mesh.vertices = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
    mesh.textureCoords = {0, 0, 1, 0, 1, 1, 0, 1};
    mesh.triangles = {0, 1, 3, 0, 0, 0, 0, 1, 3, 1, 2, 3, 0, 0, 0, 1, 2, 3};
}

std::array<TexCoord, 3> LowerLeft() { return {{{0, 0}, {1, 0}, {0, 1}}}; }

TEST(View3DPartialRedrawTest, RectanglesInsideAcrossAndOutsideATriangleAndMirroredOnes) {
    // The lower-left half is, top-down, where texel x <= texel y.
    EXPECT_TRUE(NeedsRedraw({10, 200, 40, 240}, LowerLeft()));    // wholly inside
    EXPECT_TRUE(NeedsRedraw({100, 100, 160, 160}, LowerLeft()));  // across the diagonal
    EXPECT_TRUE(NeedsRedraw({0, 250, 300, 300}, LowerLeft()));    // across an outer edge
    EXPECT_FALSE(NeedsRedraw({200, 10, 250, 50}, LowerLeft()));   // outside, beyond the diagonal
    // A small triangle far from the rectangle.
    std::array<TexCoord, 3> small{{{0.8, 0.8}, {0.9, 0.8}, {0.8, 0.9}}};
    EXPECT_FALSE(NeedsRedraw({10, 200, 40, 240}, small));
    EXPECT_TRUE(NeedsRedraw({210, 30, 220, 40}, small));
    // u = 1.25 is mirrored to -0.25, off the skin's left edge.
    std::array<TexCoord, 3> mirrored{{{1.25, 0.0}, {1.3, 0.0}, {1.25, 1.0}}};
    EXPECT_FALSE(NeedsRedraw({50, 0, 100, 200}, mirrored));
}

TEST(View3DPartialRedrawTest, DrawMeshDrawsNearTrianglesThenAsksForAFullRedraw) {
    EXPECT_FALSE(HasRedrawArea({10, 10, 10, 50}));
    EXPECT_FALSE(HasRedrawArea({10, 10, 50, 9}));
    EXPECT_TRUE(HasRedrawArea({10, 10, 11, 11}));
    View3D view;
    TwoHalves(view.mesh);
    RecordingDevice gl;
    view.paintTarget.fullRedraw = 0;
    view.paintTarget.dirtyRect = {10, 10, 10, 50};
    view.DrawMesh(gl);
    EXPECT_TRUE(gl.log.empty()) << "a rectangle without area draws nothing";
    EXPECT_EQ(view.paintTarget.fullRedraw, 0) << "and keeps the flag";

    view.paintTarget.dirtyRect = {10, 200, 40, 240};
    view.DrawMesh(gl);
    EXPECT_EQ(gl.log, std::vector<std::string>{"draw 1"});
    EXPECT_EQ(view.paintTarget.fullRedraw, 1);
    gl.log.clear();
    view.DrawMesh(gl);
    EXPECT_EQ(gl.log, std::vector<std::string>{"draw 2"});
}

TEST(View3DPartialRedrawTest, SelectionNamesEveryTriangleUnderTheMeshName) {
    View3D view;
    TwoHalves(view.mesh);
    RecordingDevice gl;
    gl.selecting = true;
    view.DrawMesh(gl);
    std::vector<std::string> expected = {"load 100", "push 0", "draw 1", "pop",
                                         "push 1",   "draw 1", "pop",    "pop"};
    EXPECT_EQ(gl.log, expected);

    // While a stroke redraws only part of the model, a pick still sees every triangle, and the
    // render after it still redraws only the part.
    for (const Rect dirty : {Rect{}, Rect{10, 200, 40, 240}}) {
        gl.log.clear();
        view.paintTarget.fullRedraw = 0;
        view.paintTarget.dirtyRect = dirty;
        view.DrawMesh(gl);
        EXPECT_EQ(gl.log, expected);
        EXPECT_EQ(view.paintTarget.fullRedraw, 0);
    }
}

TEST(View3DPartialRedrawTest, EmptyOrBrokenMeshDrawsNothing) {
    View3D view;
    RecordingDevice gl;
    view.DrawMesh(gl);
    EXPECT_TRUE(gl.log.empty());
    // A count larger than the list, and an index past the vertices: only the sound one draws.
    TwoHalves(view.mesh);
    view.mesh.triangleCount = 5;
    view.mesh.triangles[9] = 40;
    view.DrawMesh(gl);
    EXPECT_EQ(gl.log, std::vector<std::string>{"draw 1"});
}

}  // namespace
