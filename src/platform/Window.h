// Window port: the program's one full-screen window as the logic sees it. The adapter owns the
// event loop and hands every message to the window's WindowEvents.
#pragma once

#include <cstdint>

#include "platform/Surface.h"
#include "base/Rect.h"

// A mouse message of the window, as the tooltip relay sees it.
struct WindowMessage {
    enum class Kind { MouseMove, ButtonDown, ButtonUp };
    Kind kind = Kind::MouseMove;
    int32_t x = 0;
    int32_t y = 0;
};

// What the window does with its messages (implemented by MainWindow). The adapter calls these
// on the one UI thread, never from inside another handler.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // After the window exists and is shown; false aborts the creation.
    [[nodiscard]] virtual bool OnCreate() = 0;
    virtual void OnDestroy() = 0;
    // The bounding rectangle of everything invalidated since the last paint.
    virtual void OnPaint(const Rect& update) = 0;
    virtual void OnButtonDown(int32_t x, int32_t y) = 0;
    virtual void OnButtonUp(int32_t x, int32_t y) = 0;
    virtual void OnMouseMove(int32_t x, int32_t y) = 0;
    virtual void OnTimer(int id) = 0;
    // The queue has run empty.
    virtual void OnIdle() = 0;
};

class Window {
public:
    virtual ~Window() = default;

    // The primary display's size (with the development option, the window size asked for).
    [[nodiscard]] virtual bool DisplaySize(int32_t& width, int32_t& height) = 0;
    // Opens the window over the area and runs events.OnCreate() in it; false when either fails.
    // Messages go to `events` from then on.
    [[nodiscard]] virtual bool Create(const Rect& area, const char* title,
                                      WindowEvents& events) = 0;

    // The client area's size (the whole display for the full-screen window).
    [[nodiscard]] virtual int32_t Width() const = 0;
    [[nodiscard]] virtual int32_t Height() const = 0;
    // The client device: drawing here shows at the next present.
    [[nodiscard]] virtual Surface& Client() = 0;
    // Shows at once what was drawn on Client() outside painting (the loading picture).
    virtual void Update() = 0;

    // Marks an area for repainting, without erasing. Painting runs when the queue is empty.
    virtual void Invalidate(const Rect& r) = 0;
    virtual void InvalidateAll() = 0;
    // Ends the window: OnDestroy runs once the current handler has returned (so a handler may
    // end the window and still return through its own object), then the event loop returns.
    virtual void Destroy() = 0;

    // Window timers; a tick arrives as OnTimer(id) on the UI thread, never overlapping.
    virtual void StartTimer(int id, uint32_t periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // A resting timer keeps its period but wakes nobody until it is woken again, so an idle
    // program sleeps. Waking it ticks a period later.
    virtual void RestTimer(int id, bool resting) = 0;

    // The pointer position in window coordinates; false when it cannot be read.
    [[nodiscard]] virtual bool CursorPosition(int32_t& x, int32_t& y) const = 0;
    // A mouse message waiting for the window that the tooltip relay has not seen yet;
    // it is looked at, not removed from the queue. False when there is none.
    [[nodiscard]] virtual bool PeekMessage(WindowMessage& message) = 0;

    // Modal boxes disable the window while they are open.
    virtual void SetEnabled(bool enabled) = 0;
    // The colour shown around the design where the display is larger than it (0x00RRGGBB).
    virtual void SetMarginColour(uint32_t /*colour*/) {}
    // While another toolkit's modal dialog runs its own loop: the window's due timers and its
    // painting, as the window's own loop would run them; input is left out.
    virtual void ServeWhileModal() {}
};
