// The workshop test rig: the test installation and the Controller on the fake ports.
#include "WorkshopRig.h"

WorkshopRig::WorkshopRig(int32_t skinWidth, int32_t skinHeight) {
    WriteTestModel(f.dir.Path(), 1, skinWidth, skinHeight);
    // The model folder is read from the settings; its default is relative to the process.
    (void)f.dir.Write("MoPleat5.ini", "[Path]\nModel=" + f.dir.Path() + "/Model/\n");
    f.platform.makeGlSurface = [this](int32_t w, int32_t h) -> std::unique_ptr<GlSurface> {
        auto surface = std::make_unique<FakeGlSurface>(w, h);
        gl = surface.get();
        return surface;
    };
    c = std::make_unique<Controller>(f.window, f.platform);
    c->Tours().Stop();  // no tour: presses act
}

uint32_t WorkshopRig::Texel(int32_t x, int32_t y) {
    const uint8_t* p = V().texture.PixelAt(x, y);
    return p ? Rgb(p[2], p[1], p[0]) : 0xFFFFFFFF;
}

void WorkshopRig::Stroke(int32_t dy) {
    const Rect& canvas = L().canvas;
    Press(canvas.left + 20, canvas.top + 20 + dy);
    Move(canvas.left + 80, canvas.top + 20 + dy);
    Release(canvas.left + 80, canvas.top + 20 + dy);
}

void WorkshopRig::PaintPending() {
    const Rect update = f.window.TakeInvalidated();
    c->Paint(update.left, update.top, update.right, update.bottom);
}
