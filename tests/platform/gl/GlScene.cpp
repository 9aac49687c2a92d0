// Test scenes of the 3D view.
#include "GlScene.h"

#include <cmath>

void AddQuad(ModelMesh& mesh, float half, float z, float u0, float v0, float u1, float v1) {
    int16_t v = int16_t(mesh.vertexCount), t = int16_t(mesh.textureCount);
    mesh.vertices.insert(mesh.vertices.end(),
                         {-half, -half, z, half, -half, z, half, half, z, -half, half, z});
    mesh.textureCoords.insert(mesh.textureCoords.end(), {u0, v0, u1, v0, u1, v1, u0, v1});
    mesh.triangles.insert(mesh.triangles.end(),
                          {v, int16_t(v + 1), int16_t(v + 3), 0, 0, 0, t, int16_t(t + 1),
                           int16_t(t + 3), int16_t(v + 1), int16_t(v + 2), int16_t(v + 3), 0, 0,
                           0, int16_t(t + 1), int16_t(t + 2), int16_t(t + 3)});
    mesh.vertexCount += 4;
    mesh.textureCount += 4;
    mesh.triangleCount += 2;
}

namespace {

void Fill(View3D& view, uint32_t (*colourAt)(int32_t, int32_t)) {
    view.texture = Dib::CreateBlank(256, 256);
    for (int32_t y = 0; y < 256; ++y)
        for (int32_t x = 0; x < 256; ++x) {
            uint32_t c = colourAt(x, y);
            uint8_t* p = view.texture.PixelAt(x, y);
            p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (c >> 16) & 0xFF;
        }
    view.paintTarget.textureBlock = view.texture.Block();
}

uint32_t fillColour = 0;

}  // namespace

void PaintQuarters(View3D& view) {
    Fill(view, [](int32_t x, int32_t y) {
        return y < 128 ? (x < 128 ? kUpperLeft : kUpperRight)
                       : (x < 128 ? kLowerLeft : kLowerRight);
    });
}

void FillTexture(View3D& view, uint32_t colour) {
    fillColour = colour;
    Fill(view, [](int32_t, int32_t) { return fillColour; });
}

GlScene::GlScene(float renderScale, int32_t supersample)
    : surface(1024, 768, renderScale, supersample) {
    AddQuad(view.mesh, 0.4f, 0);
    PaintQuarters(view);
}

void GlScene::RenderPane() {
    view.Render(surface, layout.viewGl);
    const Rect& pane = layout.view;
    (void)surface.CopyToWindow(pane.left, pane.top, pane, window);
}

int32_t GlScene::WindowX(double x) const {
    const Rect& pane = layout.view;
    return pane.left + int32_t(std::lround((x + 1) / 2 * pane.Width()));
}

int32_t GlScene::WindowY(double y) const {
    const Rect& pane = layout.view;
    return pane.top + int32_t(std::lround((1 - y) / 2 * pane.Height()));
}

uint32_t GlScene::PaneAt(double x, double y) const {
    return window.PixelAt(WindowX(x), WindowY(y));
}
