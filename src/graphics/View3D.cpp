// The 3D view: skin and texture, rendering, partial redraw and face picking.
#include "graphics/View3D.h"

#include <algorithm>
#include <vector>

#include "graphics/PartialRedraw.h"
#include "graphics/PickMath.h"
#include "graphics/ViewMath.h"
#include "raster/StampScaling.h"

namespace {

// The outer selection name, under which every triangle is named by its index.
constexpr uint32_t kMeshName = 100;

}  // namespace

BgrRows BgrRowsOf(const Dib& dib) {
    if (!dib.IsUsable()) return {};
    return {dib.PixelBytes(), dib.Width(), dib.Height(), dib.Stride()};
}

bool View3D::LoadModel(const PathString& path) { return mesh.Load(path); }

Dib TextureOfSkin(const Dib& skin) {
    const int32_t side = View3D::kTextureSide;
    Dib texture = Dib::CreateBlank(side, side);
    if (skin.IsEmpty() || texture.IsEmpty() ||
        StretchCopy(texture.Block(), 0, 0, side, side, skin.Block(), 0, 0, skin.Width(), skin.Height()) != 1)
        return Dib();
    return texture;
}

bool View3D::LoadSkin(const PathString& path) {
    skin = Dib::LoadFromFile(path);
    texture = TextureOfSkin(skin);
    const bool scaled = !texture.IsEmpty();
    if (!scaled) texture = Dib::CreateBlank(kTextureSide, kTextureSide);
    if (canvasZoom == 0) canvasZoom = 1.0f;
    eraseSource = Dib::CreateBlank(kTextureSide, kTextureSide);
    undoSnapshot = Dib::CreateBlank(kTextureSide, kTextureSide);
    texture.CopyBlockTo(eraseSource, 0, 0, kTextureSide, kTextureSide, 0, 0);
    texture.CopyBlockTo(undoSnapshot, 0, 0, kTextureSide, kTextureSide, 0, 0);
    paintTarget.textureBlock = texture.Block();
    return scaled;
}

void View3D::Pan(float dx, float dy) {
    canvasOffsetX += dx;
    canvasOffsetY += dy;
}

void View3D::CentreCanvas() {
    canvasOffsetX = 0;
    canvasOffsetY = 0;
}

void View3D::Turn(float dx, float dy) {
    rotationX += dy;
    rotationY += dx;
}

void View3D::TakeUndoSnapshot() {
    texture.CopyBlockTo(undoSnapshot, 0, 0, kTextureSide, kTextureSide, 0, 0);
}

void View3D::RestoreUndoSnapshot() {
    undoSnapshot.CopyBlockTo(texture, 0, 0, kTextureSide, kTextureSide, 0, 0);
    paintTarget.fullRedraw = true;
}

bool View3D::EraseToSource(const Rect& t) {
    return eraseSource.CopyBlockTo(texture, t.left, t.top, t.Width(), t.Height(), t.left, t.top) ==
           1;
}

void View3D::TurnLike(const View3D& other) {
    rotationX = other.rotationX;
    rotationY = other.rotationY;
    modelScale = other.modelScale;
}

int32_t View3D::TriangleCount() const {
    size_t stored = mesh.triangles.size() / ModelMesh::triangleSize;
    return mesh.triangleCount < 0 ? 0 : int32_t(std::min(size_t(mesh.triangleCount), stored));
}

bool View3D::CornersOf(int32_t triangle, std::array<GlCorner, 3>& corners) const {
    const int16_t* record = &mesh.triangles[size_t(triangle) * ModelMesh::triangleSize];
    for (int c = 0; c < 3; ++c) {
        // Loading keeps only sound triangles; a mesh filled by hand is checked all the same.
        size_t vertex = size_t(record[c]) * ModelMesh::vertexSize;
        size_t uv = size_t(record[6 + c]) * ModelMesh::textureSize;
        if (record[c] < 0 || record[6 + c] < 0 || vertex + 3 > mesh.vertices.size() ||
            uv + 2 > mesh.textureCoords.size())
            return false;
        corners[c] = {mesh.textureCoords[uv], mesh.textureCoords[uv + 1], mesh.vertices[vertex],
                      mesh.vertices[vertex + 1], mesh.vertices[vertex + 2]};
    }
    return true;
}

void View3D::Render(GlDevice& gl, const Rect& viewport) {
    // Without a texture of the fixed size there is no picture to show.
    if (!gl.HasContext() || texture.Width() != kTextureSide || texture.Height() != kTextureSide)
        return;
    gl.UploadTexture(BgrRowsOf(texture));
    gl.SetViewport({viewport.left, viewport.top, viewport.right - viewport.left,
                    viewport.bottom - viewport.top});
    gl.LoadMatrices(ViewProjection(), ViewModelView(modelScale, rotationX, rotationY));
    DrawMesh(gl);
    gl.Flush();
}

void View3D::DrawMesh(GlDevice& gl) {
    const bool selecting = gl.IsSelecting();
    // A pick must find any triangle under the point: the partial redraw is for drawing only.
    // (On a machine slow enough to redraw part of the model while painting, a stroke on the
    // model picked nothing after its first texel.)
    const bool full = selecting || paintTarget.fullRedraw;
    // A rectangle without area keeps the flag, so the next render again takes this path.
    if (!full && !HasRedrawArea(paintTarget.dirtyRect)) return;
    if (selecting) gl.LoadName(kMeshName);

    std::vector<GlCorner> batch;
    int32_t count = TriangleCount();
    for (int32_t i = 0; i < count; ++i) {
        std::array<GlCorner, 3> corners;
        if (!CornersOf(i, corners)) continue;
        if (!full) {
            const TexCoord uv[3] = {{corners[0].u, corners[0].v}, {corners[1].u, corners[1].v},
                                    {corners[2].u, corners[2].v}};
            if (!NeedsRedraw(paintTarget.dirtyRect, uv)) continue;
        }
        if (selecting) {
            // Each triangle under its own name, so the hit records say which ones were hit.
            gl.PushName(uint32_t(i));
            gl.DrawTriangles(corners);
            gl.PopName();
        } else {
            batch.insert(batch.end(), corners.begin(), corners.end());
        }
    }
    if (!batch.empty()) gl.DrawTriangles(batch);
    if (selecting) gl.PopName();
    else paintTarget.fullRedraw = true;
}

bool View3D::Pick(GlDevice& gl, const Rect& pane, const Rect& paneGl, int32_t x, int32_t y,
                  int32_t surfaceHeight) {
    if (!gl.HasContext()) return false;
    gl.SetViewport({paneGl.left, paneGl.top, paneGl.right - paneGl.left, paneGl.bottom - paneGl.top});
    GlViewport viewport = gl.Viewport();
    gl.BeginSelection(selection);
    // The region is the pixel under the pointer, centred where the arithmetic below takes the
    // point (the pane's sides are odd, so its normalised centre is a pixel's centre).
    Matrix4 region = PickRegionMatrix(x + 0.5, double(surfaceHeight) - y - 0.5, 1, 1, viewport);
    gl.LoadMatrices(Multiply(region, ViewProjection()),
                    ViewModelView(modelScale, rotationX, rotationY));
    DrawMesh(gl);
    gl.Flush();
    int32_t hits = gl.EndSelection();
    if (hits < 1) return false;
    return ChooseTexel(pane, selection, hits, x, y);
}

bool View3D::ChooseTexel(const Rect& pane, std::span<const uint32_t> hits, int32_t count,
                         int32_t x, int32_t y) {
    std::optional<NdcPoint> point = NormalisedPoint(pane, x, y);
    if (!point) return false;
    Matrix4 modelView = ViewModelView(modelScale, rotationX, rotationY);
    Matrix4 projection = ViewProjection();
    auto project = [&](int32_t triangle) {
        std::array<GlCorner, 3> corners{};
        std::array<PickCorner, 3> out;
        CornersOf(triangle, corners);  // hits name only triangles that were drawn
        for (int c = 0; c < 3; ++c) {
            Point3 p = TransformPoint(modelView, {corners[c].x, corners[c].y, corners[c].z});
            ProjectedPoint clip = ProjectPoint(projection, p);
            out[c] = {clip.ndc, corners[c].u, corners[c].v, clip.w};
        }
        return out;
    };
    // The nearest of the hit triangles that hold the point. A hit triangle may only touch the
    // pixel, and the plane of one beside a fold can pass in front of the face that was drawn;
    // only when no hit triangle holds the point (the pixel's centre is off the model) is every
    // hit's plane taken.
    auto nearest = [&](bool holding) {
        return NearestHit(hits, count, TriangleCount(), [&](int32_t triangle) {
            std::array<PickCorner, 3> corners = project(triangle);
            if (holding && !Covers(corners, point->x, point->y)) return std::optional<double>();
            return DepthAt(corners, point->x, point->y);
        });
    };
    int32_t best = nearest(true);
    if (best < 0) best = nearest(false);
    if (best < 0) return false;
    std::optional<TexCoord> uv = TexCoordAt(project(best), point->x, point->y);
    if (!uv) return false;
    std::optional<Texel> texel = TexelOf(*uv, kTextureSide, kTextureSide);
    if (!texel) return false;
    paintTarget.textureBlock = texture.Block();
    paintTarget.texelX = texel->x;
    paintTarget.texelY = texel->y;
    paintTarget.triangle = best;
    paintTarget.pickX = x;
    paintTarget.pickY = y;
    return true;
}
