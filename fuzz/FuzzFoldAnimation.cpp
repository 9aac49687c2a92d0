// Fuzzes the fold-animation reader, and draws what it accepts (on a surface without OpenGL that
// takes every call), so that every count, index and number it lets through is one the renderer
// can use.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "graphics/FoldAnimation.h"
#include "graphics/FoldRenderer.h"
#include "platform/Surface.h"

namespace {

class NullSurface final : public GlSurface {
public:
    bool HasContext() const override { return true; }
    int32_t Width() const override { return 320; }
    int32_t Height() const override { return 240; }
    void UploadTexture(const BgrRows&) override {}
    void SetViewport(const GlViewport&) override {}
    GlViewport Viewport() const override { return {}; }
    void LoadMatrices(const GlMatrix&, const GlMatrix&) override {}
    void BeginSelection(std::span<uint32_t>) override {}
    int32_t EndSelection() override { return 0; }
    bool IsSelecting() const override { return false; }
    void LoadName(uint32_t) override {}
    void PushName(uint32_t) override {}
    void PopName() override {}
    void SetShade(float) override {}
    void DrawTriangles(std::span<const GlCorner> corners) override {
        for (const GlCorner& c : corners) sum += c.u + c.v + c.x + c.y + c.z;
    }
    void Flush() override {}
    int DrawPicture(const BgrRows&, const Rect&, int32_t, int32_t) override { return 1; }
    void ClearDepth(const Rect&) override {}
    int CopyToWindow(int32_t, int32_t, const Rect& dest, Surface& window) override {
        window.Fill(dest, 0x808080);
        return 1;
    }
    double sum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FoldAnimation a;
    std::string error;
    if (!ReadFoldAnimation(std::span<const uint8_t>(data, size), a, error)) {
        if (!a.frames.empty() || error.empty()) __builtin_trap();
        return 0;
    }
    // Only small pictures are drawn here: the drawing is the same at any size, and a large one
    // only slows the search. The seeds are 64 by 48. One frame a run, chosen by the input, and
    // the renderer kept between runs: drawing is most of each run's time.
    if (a.width > 64 || a.height > 48) return 0;
    static NullSurface gl;
    static FoldRenderer renderer;
    static Canvas out;
    const uint8_t texel[4] = {1, 2, 3, 0};
    const int32_t t = int32_t(data[size / 2] % a.frames.size());
    if (!renderer.Render(a, t, {texel, 1, 1, 4}, gl, out) || out.Width() != a.width) __builtin_trap();
    return 0;
}
