// View3D: the airplane model, its skin and the 256 by 256 texture made from it, the model's
// transform, and what the view does with them: render through a GlDevice, and pick (turn a
// point on the 3D pane into the texel of the texture under it).
#pragma once

#include <array>
#include <cstdint>

#include "graphics/Dib.h"
#include "graphics/ModelMesh.h"
#include "graphics/PaintTarget.h"
#include "platform/GlDevice.h"
#include "base/PathString.h"
#include "base/Rect.h"

// A picture's rows as the GL surface takes them (empty rows for an unusable picture).
[[nodiscard]] BgrRows BgrRowsOf(const Dib& dib);
// The view's texture made from a skin picture: the skin stretched to 256 by 256. Empty when the
// skin is.
[[nodiscard]] Dib TextureOfSkin(const Dib& skin);

class View3D {
public:
    static constexpr int32_t kTextureSide = 256;
    static constexpr float kInitialScale = 4.5f;
    // The scale the model is drawn at while it turns on a machine too slow to turn it whole.
    static constexpr float kTurningScale = 2.0f;
    static constexpr size_t kSelectionWords = 512;

    // Loads the model file into the mesh; on failure the mesh is empty and the result false.
    [[nodiscard]] bool LoadModel(const PathString& path);
    // Loads the skin and makes the texture, the erase source and the undo snapshot from it. A skin that cannot be
    // read leaves the texture black and gives false; the view stays usable either way.
    bool LoadSkin(const PathString& path);

    // Draws the model into the device inside the viewport (left, top = lower edge, right,
    // bottom, bottom-up window coordinates, as the layout's viewGl).
    void Render(GlDevice& gl, const Rect& viewport);
    // True when a triangle lies under (x, y) (top-down surface coordinates) of the 3D pane,
    // shown at `pane` on the window and at `paneGl` in the device's upward coordinates; then the
    // paint target holds its texel, triangle and the point. A failed pick changes nothing there.
    [[nodiscard]] bool Pick(GlDevice& gl, const Rect& pane, const Rect& paneGl, int32_t x,
                            int32_t y, int32_t surfaceHeight);
    // Emits the triangles: all of them, or while a stroke redraws part of the model, those the
    // dirty rectangle may touch. A selection always emits all of them.
    void DrawMesh(GlDevice& gl);

    // What the workshop does to the view.
    // The flat pane's picture moves by (dx, dy) window pixels; centring puts it back.
    void Pan(float dx, float dy);
    void CentreCanvas();
    // The model turns by the pointer's move: up and down about x, sideways about y.
    void Turn(float dx, float dy);
    // The texture as it is becomes what an undo brings back; the undo brings it back and has
    // the next render draw every triangle.
    void TakeUndoSnapshot();
    void RestoreUndoSnapshot();
    // The texels of `texels` (inside the texture) as the skin gave them; false when nothing
    // was copied.
    [[nodiscard]] bool EraseToSource(const Rect& texels);
    // The thumbnails' view turns and scales as the workshop's does.
    void TurnLike(const View3D& other);

    float canvasOffsetX = 0;
    float canvasOffsetY = 0;
    float canvasZoom = 0;
    float rotationX = 0;
    float rotationY = 0;
    float modelScale = kInitialScale;
    PaintTarget paintTarget;
    Dib skin;
    Dib texture;
    Dib eraseSource;   // the texture as the skin gave it: what the eraser brings back
    Dib undoSnapshot;  // the texture before the last painting press
    ModelMesh mesh;

private:
    // Triangles both counted and stored.
    [[nodiscard]] int32_t TriangleCount() const;
    // The three corners of triangle i, ready for the device; false (and the corners left as
    // they were) when an index is bad.
    bool CornersOf(int32_t triangle, std::array<GlCorner, 3>& corners) const;
    [[nodiscard]] bool ChooseTexel(const Rect& pane, std::span<const uint32_t> hits,
                                   int32_t count, int32_t x, int32_t y);

    std::array<uint32_t, kSelectionWords> selection{};
};
