// Screen: what the Controller routes a mode's events and timer ticks to. The paint workshop
// (mode 3) and the flight movie screen (mode 4) are screens; each owns its own state and reaches
// the Controller through its ScreenHost. A screen is also what the guided tours show.
#pragma once

#include <cstdint>

#include "base/Rect.h"
#include "platform/Cursors.h"
#include "tours/TourHost.h"

enum class Mode : int32_t { loading = 1, workshop = 3, flight = 4 };

// The control a press began on; the designed numbers, for the tooltips and the tours.
enum class Pressed : int32_t {
    none = 0,
    zoomIn = 1,
    zoomOut = 2,
    move = 3,
    rotate = 4,
    undo = 5,
    diy = 9,
    mov = 10,
    modelUp = 11,
    modelDown = 12,
    stepUp = 13,
    stepDown = 14,
    first = 15,
    pre = 16,
    play = 17,
    stop = 18,
    next = 19,
    last = 20,
    docOut = 21,
    docIn = 22,
    worksUp = 23,
    worksDown = 24,
    worksModel = 25,
};

class Screen : public TourTarget {
public:
    // `update` is the window's update rectangle in window coordinates.
    virtual void Paint(const Rect& update) = 0;
    virtual void ButtonDown(int32_t x, int32_t y) = 0;
    virtual void MouseMove(int32_t x, int32_t y) = 0;
    virtual void ButtonUp(int32_t x, int32_t y) = 0;
    // One tick of timer `id` (1 every 10 ms, 2 every 100 ms, 3 every 400 ms), before the tours'
    // step. `touring`: a guided tour runs.
    virtual void Tick(int id, bool touring) = 0;
    // Whether the 10 ms ticks have work here; without it they rest until input comes.
    [[nodiscard]] virtual bool WantsFastTicks(bool /*touring*/) const { return false; }
    // The screen becomes the one shown (the Controller repaints it all afterwards).
    virtual void Enter() = 0;
    // The area an open box covers (the works box), which the shared controls must not draw
    // over; empty when none is open.
    [[nodiscard]] virtual Rect CoveredArea() const { return {}; }
    // The colour around the design on a larger display: the backdrop's edge, or a calm
    // blue-grey without one.
    [[nodiscard]] virtual uint32_t MarginColour() const { return kCalmMargin; }
    static constexpr uint32_t kCalmMargin = 0x00B4C8D7;
    // The cursor over (x, y); `touring`: a guided tour runs.
    [[nodiscard]] virtual CursorId CursorAt(int32_t x, int32_t y, bool touring) const = 0;
};
