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
    // A paint of the whole window, as after InvalidateAll.
    void PaintAll() { c->Paint(0, 0, f.window.width, f.window.height); }

    FakePlatform f;
    FakeGlSurface* gl = nullptr;
    std::unique_ptr<Controller> c;
};
