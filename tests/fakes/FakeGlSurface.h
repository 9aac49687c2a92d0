// FakeGlSurface: the 3D surface without OpenGL. Its selection mode reports the triangles that
// cover the centre of the pick region, as OpenGL does for a one-pixel region, so the view's own
// pick arithmetic runs on real hits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/GlSurface.h"

class FakeGlSurface final : public GlSurface {
public:
    FakeGlSurface(int32_t w, int32_t h) : width(w), height(h) {}
    bool HasContext() const override { return true; }
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    void UploadTexture(const BgrRows& rows) override { texture = rows; }
    void SetViewport(const GlViewport& v) override { viewport = v; }
    GlViewport Viewport() const override { return viewport; }
    void LoadMatrices(const GlMatrix& p, const GlMatrix& m) override {
        projection = p;
        modelView = m;
    }
    void BeginSelection(std::span<uint32_t> buffer) override {
        selecting = true, selection = buffer, used = 0, hits = 0;
        names.assign(1, 0xFFFFFFFFu);
    }
    int32_t EndSelection() override { return selecting = false, hits; }
    bool IsSelecting() const override { return selecting; }
    void LoadName(uint32_t name) override { names.back() = name; }
    void PushName(uint32_t name) override { names.push_back(name); }
    void PopName() override { names.pop_back(); }
    void SetShade(float) override {}
    void DrawTriangles(std::span<const GlCorner> corners) override;
    void Flush() override {}
    int DrawPicture(const BgrRows&, const Rect&, int32_t, int32_t) override {
        ++pictures;
        return 1;
    }
    void ClearDepth(const Rect&) override {}
    // Fills the destination with kRendered, so a test sees where the model pane was copied.
    int CopyToWindow(int32_t, int32_t, const Rect& dest, Surface& window) override {
        ++copies;
        window.Fill(dest, kRendered);
        return 1;
    }

    static constexpr uint32_t kRendered = 0x123456;
    int32_t width, height;
    GlViewport viewport{};
    bool selecting = false;
    std::span<uint32_t> selection;
    size_t used = 0;
    int32_t hits = 0;
    std::vector<uint32_t> names;
    GlMatrix projection{}, modelView{};
    int pictures = 0, copies = 0, drawnTriangles = 0;
    BgrRows texture;                // the last uploaded
    std::vector<GlCorner> drawn;    // the corners of the last triangles drawn
};
