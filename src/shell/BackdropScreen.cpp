// BackdropScreen: repaint from the back buffer; a press ends a running demonstration.
#include "shell/BackdropScreen.h"

#include "graphics/DibDrawing.h"
#include "platform/Window.h"
#include "shell/Controller.h"

BackdropScreen::BackdropScreen(Controller& controller)
    : c(controller), exitPressed(Dib::LoadFromFile(controller.faceDir + "out.bmp")) {}

void BackdropScreen::Paint(const Rect& update) {
    const ScreenLayout& l = c.Layout();
    Rect part;
    if (Intersect(update, l.Screen, part)) {
        // The back buffer is in design coordinates: take the part from there, unscaled.
        (void)c.clientDc.BitBlt(part.left, part.top, part.Width(), part.Height(), c.memDc,
                                part.left - l.Screen.left, part.top - l.Screen.top);
    }
    Rect exitPart;
    if (c.pressed == kPressedExit && Intersect(update, l.exit, exitPart)) {
        (void)DrawAt(exitPressed, c.clientDc,
                     {l.exit.left, l.exit.top, l.exit.left + exitPressed.Width(),
                      l.exit.top + exitPressed.Height()},
                     false, c.window.Width(), c.window.Height());
    }
}

void BackdropScreen::ButtonDown(int32_t /*x*/, int32_t /*y*/) {
    // A press ends the guided demonstration and does nothing else.
    if (c.demoStep != 0) {
        c.demoStep = 0;
        c.StopCue();
    }
}

void BackdropScreen::MouseMove(int32_t /*x*/, int32_t /*y*/) {}

void BackdropScreen::ButtonUp(int32_t /*x*/, int32_t /*y*/) {
    if (c.pressed != kPressedExit) {
        c.pressed = kPressedNone;
        c.armed = 0;
    }
}

std::unique_ptr<Screen> MakeFlightScreen(Controller& controller) {
    return std::make_unique<BackdropScreen>(controller);
}
