// The workshop under test: a Controller on the fake ports, the fake 3D surface among them, with a
// small model and skin in its installation.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeGlSurface.h"
#include "fakes/FakePlatform.h"
#include "shell/Controller.h"
#include "support/TestModel.h"
#include "workshop/PaintWorkshop.h"

struct WorkshopRig {
    explicit WorkshopRig(int32_t skinWidth = 256, int32_t skinHeight = 256);
    [[nodiscard]] PaintWorkshop& W() { return c->WorkshopScreen(); }
    [[nodiscard]] const ScreenLayout& L() { return c->Layout(); }
    [[nodiscard]] View3D& V() { return c->View(); }
    // The texel's colour as 0x00RRGGBB.
    [[nodiscard]] uint32_t Texel(int32_t x, int32_t y);
    void Press(int32_t x, int32_t y) { c->ButtonDown(x, y); }
    void Move(int32_t x, int32_t y) { c->MouseMove(x, y); }
    void Release(int32_t x, int32_t y) { c->ButtonUp(x, y); }
    void Click(int32_t x, int32_t y) { Press(x, y), Release(x, y); }
    // A click in the middle of a layout rectangle, as a child gives it.
    void Click(const Rect& r) { Click(r.CentreX(), r.CentreY()); }
    // A short pencil stroke on the flat pane, from (20, 20 + dy) to (80, 20 + dy) of its corner.
    void Stroke(int32_t dy = 0);
    // A paint of the whole window, as after InvalidateAll.
    void PaintAll() { c->Paint(0, 0, f.window.width, f.window.height); }
    // A paint of what was invalidated, as the window does when its queue is empty.
    void PaintPending();

    FakePlatform f;
    FakeGlSurface* gl = nullptr;
    std::unique_ptr<Controller> c;
};
