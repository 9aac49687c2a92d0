// Test scenes of the 3D view.
#include "GlScene.h"

#include <cmath>
#include <utility>

#include "support/TestPictures.h"

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

void SetTexture(View3D& view, Dib texture) {
    view.texture = std::move(texture);
    view.paintTarget.textureBlock = view.texture.Block();
}

}  // namespace

void PaintQuarters(View3D& view) {
    SetTexture(view, PaintedDib(256, 256, [](int32_t x, int32_t y) {
                   return y < 128 ? (x < 128 ? kUpperLeft : kUpperRight)
                                  : (x < 128 ? kLowerLeft : kLowerRight);
               }));
}

void FillTexture(View3D& view, uint32_t colour) { SetTexture(view, SolidDib(256, 256, colour)); }

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
