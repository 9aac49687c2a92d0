// BackdropScreen: a screen that shows the back buffer and the pressed exit button. It stands in
// for the flight screen until that is built.
#pragma once

#include "graphics/Dib.h"
#include "shell/Screen.h"

class BackdropScreen final : public Screen {
public:
    explicit BackdropScreen(Controller& controller);

    void Paint(const Rect& update) override;
    void ButtonDown(int32_t x, int32_t y) override;
    void MouseMove(int32_t x, int32_t y) override;
    void ButtonUp(int32_t x, int32_t y) override;

private:
    Controller& c;
    Dib exitPressed;  // out.bmp
};
