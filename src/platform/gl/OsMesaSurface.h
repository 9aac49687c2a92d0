// OsMesaSurface: the GlSurface on OSMesa, rendering into a buffer we own with no display.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/DetailSink.h"
#include "platform/GlSurface.h"

struct osmesa_context;

class OsMesaSurface : public GlSurface {
public:
    // A black surface of width x height with the view's one-time state set and its context
    // current. When no context can be made (or a side is beyond what OpenGL draws, 16384) it
    // is a plain bitmap; beyond 32768 a side, or 2^26 pixels, it is empty.
    // Its buffers are renderScale x supersample times finer than width x height (rounded;
    // back to 1 when that would pass the limits above); every call still takes and gives
    // width x height coordinates, and CopyToWindow averages the fine pixels down.
    OsMesaSurface(int32_t width, int32_t height, float renderScale = 1.0f, int32_t supersample = 1);
    // The supersampling that keeps a preview frame within its time at this render scale.
    [[nodiscard]] static int32_t SupersampleFor(float renderScale);
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

    // Called by CopyToWindow, after the window's pixels are written, with the fine pixels of
    // the copied block. On the thread that copies.
    void SetDetailSink(DetailSink sink) { detailSink = std::move(sink); }
    // How many buffer pixels one logical pixel spans, and the buffer's size.
    [[nodiscard]] float Scale() const { return scale; }
    [[nodiscard]] int32_t BufferWidth() const { return bufferWidth; }
    [[nodiscard]] int32_t BufferHeight() const { return bufferHeight; }

private:
    // Makes this surface's context current when another one is; false without a context.
    bool Current() const;
    void SetOneTimeState();
    void DrawPictureGl(const BgrRows& picture, const Rect& dest, int32_t sx, int32_t sy);
    void DrawPictureScaled(const BgrRows& picture, const Rect& dest, int32_t sx, int32_t sy);
    // A logical coordinate (top-down, or x) in buffer pixels.
    [[nodiscard]] int32_t Fine(int64_t v) const;

    osmesa_context* context = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    float scale = 1.0f;
    int32_t bufferWidth = 0;
    int32_t bufferHeight = 0;
    bool selecting = false;
    // Selection and the view's arithmetic work in logical pixels, so this is what was set.
    GlViewport viewport{};
    DetailSink detailSink;
    // OSMesa's colour buffer (blue, green, red, alpha). Without a context it is the plain
    // bitmap, rows top-down.
    std::vector<uint32_t> pixels;
    std::vector<uint32_t> readBack;
    std::vector<uint32_t> fine;
};
