// Screen: what the Controller routes a mode's events to. The paint workshop (mode 3) and the
// flight movie screen (mode 4) are screens; each receives the Controller by reference.
#pragma once

#include <cstdint>
#include <memory>

#include "shell/Rect.h"

class Controller;

class Screen {
public:
    virtual ~Screen() = default;
    // `update` is the window's update rectangle in window coordinates.
    virtual void Paint(const Rect& update) = 0;
    virtual void ButtonDown(int32_t x, int32_t y) = 0;
    virtual void MouseMove(int32_t x, int32_t y) = 0;
    virtual void ButtonUp(int32_t x, int32_t y) = 0;
};

// Made during the workshop set-up, after the layout and the backdrop; never null.
[[nodiscard]] std::unique_ptr<Screen> MakeWorkshopScreen(Controller& controller);
[[nodiscard]] std::unique_ptr<Screen> MakeFlightScreen(Controller& controller);
