// FlightScreen: the mode-4 screen. Until the movie player arrives it shows its backdrop with the
// volume bar, the exit button and the tour; the Controller routes to it as to any screen.
#pragma once

#include <cstdint>
#include <string>

#include "screen/ScreenHost.h"

class FlightScreen final : public Screen {
public:
    explicit FlightScreen(ScreenHost& host) : host(host) {}

    void Paint(const Rect& update) override;
    void ButtonDown(int32_t x, int32_t y) override;
    void MouseMove(int32_t /*x*/, int32_t /*y*/) override {}
    void ButtonUp(int32_t /*x*/, int32_t /*y*/) override {}
    void Tick(int /*id*/, bool /*touring*/) override {}
    void Enter() override;
    [[nodiscard]] CursorId CursorAt(int32_t x, int32_t y, bool touring) const override;

private:
    ScreenHost& host;
};

// The narration step of the movie at frame f: the frame to hold (-1: run on by time) and the
// narration cue to start, empty when none.
struct NarrationStep {
    int32_t target = -1;
    std::string cue;
};
[[nodiscard]] NarrationStep ChooseNarration(int32_t frame, const int32_t* marks, int32_t markCount,
                                            int32_t modelNumber, bool cueFinished);
