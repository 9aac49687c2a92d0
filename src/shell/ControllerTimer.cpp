// The Controller's timer tick, the cursor and the tooltip relay.
#include "platform/Cursors.h"
#include "platform/Window.h"
#include "shell/Controller.h"

void Controller::Timer(int id) {
    Screen* screen = Current();
    if (screen == nullptr) return;
    screen->Tick(id, demo.IsRunning());
    StepTours(id);
    UpkeepCursorAndTips();
}

void Controller::StepTours(int id) {
    if (id != 2 || !demo.IsRunning()) return;
    if (mode == Mode::workshop) demo.RunWorkshopTour(*workshop);
    if (mode == Mode::flight) demo.RunFlightTour(*flight);
}

// The window covers the screen from (0, 0): screen and window points agree.
void Controller::UpkeepCursorAndTips() {
    int32_t x = 0, y = 0;
    if (window.CursorPosition(x, y)) UpdateCursor(x, y);
    if (RelayWaitingMessage() && !tips->IsVisible()) tips->Update();
}

void Controller::UpdateCursor(int32_t x, int32_t y) {
    Screen* screen = Current();
    if (screen == nullptr) return;
    const CursorAsked asked{x, y, mode, demo.IsRunning(), true};
    if (asked == cursorAsked) return;  // an invalidated one never matches
    cursorAsked = asked;
    const CursorId cursor = screen->CursorAt(x, y, demo.IsRunning());
    if (cursor != CursorId::keep) (void)platform.cursors.Set(static_cast<int>(cursor));
}

bool Controller::RelayWaitingMessage() {
    if (Current() == nullptr || demo.IsRunning() || !tips) return false;
    WindowMessage message;
    if (!window.PeekMessage(message)) return false;
    tips->Relay(message);
    return true;
}
