// The workshop under test: a Controller on the fake ports with a small model and skin in its
// installation, and a fake 3D surface whose selection mode reports the triangles that cover the
// centre of the pick region, as OpenGL does for a one-pixel region.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakePlatform.h"
#include "platform/GlSurface.h"
#include "shell/Controller.h"
#include "workshop/PaintWorkshop.h"

class FakeGlSurface final : public GlSurface {
public:
    FakeGlSurface(int32_t w, int32_t h) : width(w), height(h) {}
    bool HasContext() const override { return true; }
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    void UploadTexture(const BgrRows&) override { ++uploads; }
    void SetViewport(const GlViewport& v) override { viewport = v; }
    GlViewport Viewport() const override { return viewport; }
    void LoadMatrices(const GlMatrix& p, const GlMatrix& m) override {
        projection = p;
        modelView = m;
    }
    void BeginSelection(std::span<uint32_t> buffer) override;
    int32_t EndSelection() override;
    bool IsSelecting() const override { return selecting; }
    void LoadName(uint32_t name) override { names.back() = name; }
    void PushName(uint32_t name) override { names.push_back(name); }
    void PopName() override { names.pop_back(); }
    void DrawTriangles(std::span<const GlCorner> corners) override;
    void Flush() override {}
    int DrawPicture(const BgrRows&, const Rect&, int32_t, int32_t) override {
        ++pictures;
        return 1;
    }
    void ClearDepth(const Rect&) override { ++depthClears; }
    // Fills the destination with kRendered, so a test sees where the model pane was copied.
    int CopyToWindow(int32_t, int32_t, const Rect& dest, Surface& window) override;

    static constexpr uint32_t kRendered = 0x123456;
    int32_t width, height;
    GlViewport viewport{};
    bool selecting = false;
    std::span<uint32_t> selection;
    size_t used = 0;
    int32_t hits = 0;
    std::vector<uint32_t> names;
    GlMatrix projection{}, modelView{};
    int uploads = 0, pictures = 0, depthClears = 0, copies = 0, drawnTriangles = 0;
};

// Writes Model/Fly0<n>.ini (a square facing the camera that fills the 3D pane) and its skin
// Fly0<n>.bmp of the given size, filled with (r, g, b). With `seam` the square's left half
// wears the skin's left quarter and its right half the right quarter.
void WriteTestModel(const std::string& root, int n, int32_t skinWidth, int32_t skinHeight,
                    uint8_t r = 128, uint8_t g = 128, uint8_t b = 128, bool seam = false);

struct WorkshopRig {
    explicit WorkshopRig(int32_t skinWidth = 256, int32_t skinHeight = 256);
    [[nodiscard]] PaintWorkshop& W() { return static_cast<PaintWorkshop&>(*c->workshop); }
    [[nodiscard]] const ScreenLayout& L() { return c->Layout(); }
    [[nodiscard]] View3D& V() { return *c->view3d; }
    // The texel's colour as 0x00RRGGBB.
    [[nodiscard]] uint32_t Texel(int32_t x, int32_t y);
    void Press(int32_t x, int32_t y) { c->ButtonDown(x, y); }
    void Move(int32_t x, int32_t y) { c->MouseMove(x, y); }
    void Release(int32_t x, int32_t y) { c->ButtonUp(x, y); }
    void Click(int32_t x, int32_t y) { Press(x, y), Release(x, y); }
    // A paint of the whole window, as after InvalidateAll.
    void PaintAll() { c->Paint(0, 0, f.window.width, f.window.height); }

    FakePlatform f;
    FakeGlSurface* gl = nullptr;
    std::unique_ptr<Controller> c;
};
