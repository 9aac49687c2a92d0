// OsMesaSurface: the GlSurface on OSMesa, rendering into a buffer we own with no display.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/GlSurface.h"

struct osmesa_context;

class OsMesaSurface : public GlSurface {
public:
    // A black surface of width x height with the view's one-time state set and its context
    // current. When no context can be made (or a side is beyond what OpenGL draws, 16384) it
    // is a plain bitmap; beyond 32768 a side, or 2^26 pixels, it is empty.
    OsMesaSurface(int32_t width, int32_t height);
    ~OsMesaSurface() override;
    OsMesaSurface(const OsMesaSurface&) = delete;
    OsMesaSurface& operator=(const OsMesaSurface&) = delete;

    [[nodiscard]] bool HasContext() const override { return context != nullptr; }
    [[nodiscard]] int32_t Width() const override { return width; }
    [[nodiscard]] int32_t Height() const override { return height; }

    void UploadTexture(const BgrRows& rows) override;
    void SetViewport(const GlViewport& viewport) override;
    [[nodiscard]] GlViewport Viewport() const override;
    void LoadMatrices(const GlMatrix& projection, const GlMatrix& modelView) override;
    void BeginSelection(std::span<uint32_t> buffer) override;
    [[nodiscard]] int32_t EndSelection() override;
    [[nodiscard]] bool IsSelecting() const override { return selecting; }
    void LoadName(uint32_t name) override;
    void PushName(uint32_t name) override;
    void PopName() override;
    void SetShade(float shade) override;
    void DrawTriangles(std::span<const GlCorner> corners) override;
    void Flush() override;

    int DrawPicture(const BgrRows& picture, const Rect& dest, int32_t sx, int32_t sy) override;
    void ClearDepth(const Rect& area) override;
    int CopyToWindow(int32_t sx, int32_t sy, const Rect& dest, Surface& window) override;

private:
    // Makes this surface's context current when another one is; false without a context.
    bool Current() const;
    void SetOneTimeState();
    void DrawPictureGl(const BgrRows& picture, const Rect& dest, int32_t sx, int32_t sy);

    osmesa_context* context = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    bool selecting = false;
    // OSMesa's colour buffer (blue, green, red, alpha). Without a context it is the plain
    // bitmap, rows top-down.
    std::vector<uint32_t> pixels;
    std::vector<uint32_t> readBack;
};
