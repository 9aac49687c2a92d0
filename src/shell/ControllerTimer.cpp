// The Controller's timer tick, the cursor and the tooltip relay.
#include "platform/Cursors.h"
#include "platform/Window.h"
#include "shell/Controller.h"

namespace {
constexpr int kFastTimer = 1;
}

void Controller::Timer(int id) {
    Screen* screen = Current();
    if (screen == nullptr) return;
    screen->Tick(id, demo.IsRunning());
    StepTours(id);
    const bool changed = UpkeepCursorAndTips();
    // Only the fast timer's own quiet tick lets it rest; a slower tick may wake it (a tour's
    // end can start a movie).
    if (id == kFastTimer) {
        PaceFastTimer(changed);
    } else if (screen->WantsFastTicks(demo.IsRunning())) {
        PaceFastTimer(true);
    }
}

void Controller::PaceFastTimer(bool busy) {
    Screen* screen = Current();
    const bool wanted = busy || (screen != nullptr && screen->WantsFastTicks(demo.IsRunning()));
    if (wanted == fastTimerAwake) return;
    fastTimerAwake = wanted;
    window.RestTimer(kFastTimer, !wanted);
}

void Controller::StepTours(int id) {
    if (id != 2 || !demo.IsRunning()) return;
    if (mode == Mode::workshop) demo.RunWorkshopTour(*workshop);
    if (mode == Mode::flight) demo.RunFlightTour(*flight);
}

// The window covers the screen from (0, 0): screen and window points agree.
bool Controller::UpkeepCursorAndTips() {
    int32_t x = 0, y = 0;
    const bool moved = window.CursorPosition(x, y) && UpdateCursor(x, y);
    const bool relayed = RelayWaitingMessage();
    if (relayed && !tips->IsVisible()) tips->Update();
    return moved || relayed;
}

bool Controller::UpdateCursor(int32_t x, int32_t y) {
    Screen* screen = Current();
    if (screen == nullptr) return false;
    const CursorAsked asked{x, y, mode, demo.IsRunning(), true};
    if (asked == cursorAsked) return false;  // an invalidated one never matches
    cursorAsked = asked;
    const CursorId cursor = screen->CursorAt(x, y, demo.IsRunning());
    if (cursor != CursorId::keep) platform.cursors.Set(static_cast<int>(cursor));
    return true;
}

bool Controller::RelayWaitingMessage() {
    if (Current() == nullptr || demo.IsRunning() || !tips) return false;
    WindowMessage message;
    if (!window.PeekMessage(message)) return false;
    tips->Relay(message);
    return true;
}
