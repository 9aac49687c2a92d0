// SdlWindow: the Window port over SDL2, with the one event loop. A borderless window at (0, 0)
// covering the primary display (or, for development, a plain window of a given size); the
// client Surface is presented through the window surface, painting runs when the queue is
// empty, and the timers are deadlines the loop waits for.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/Window.h"

// Something drawn over the presented picture (the tooltip). The loop lets it see the time.
class SdlOverlay {
public:
    virtual ~SdlOverlay() = default;
    virtual void Tick(uint32_t now) = 0;
    // The area covered now; false when nothing is shown.
    [[nodiscard]] virtual bool Bounds(Rect& area) const = 0;
    virtual void Draw(SDL_Surface* target) = 0;
};

class SdlWindow final : public Window {
public:
    // A width and height above 0 ask for a plain window of that size instead.
    SdlWindow(int32_t developmentWidth, int32_t developmentHeight);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool DisplaySize(int32_t& width, int32_t& height) override;
    bool Create(const Rect& area, const char* title, WindowEvents& events) override;
    int32_t Width() const override { return client.Width(); }
    int32_t Height() const override { return client.Height(); }
    Surface& Client() override { return client; }
    void Update() override;
    void Invalidate(const Rect& r) override;
    void InvalidateAll() override;
    void Destroy() override { destroyRequested = true; }
    void StartTimer(int id, uint32_t periodMs) override;
    void StopTimer(int id) override;
    bool CursorPosition(int32_t& x, int32_t& y) const override;
    bool PeekMessage(WindowMessage& message) override;
    void SetEnabled(bool on) override { enabled = on; }
    void ServeWhileModal() override;

    // Runs the event loop until the window is gone. `idle` runs whenever the queue is empty.
    void Run();
    [[nodiscard]] bool IsOpen() const { return window != nullptr; }
    [[nodiscard]] SDL_Window* Handle() const { return window; }
    void SetOverlay(SdlOverlay* o) { overlay = o; }
    // Copies the area of the client surface (and the overlay over it) to the screen.
    void Present(const Rect& area);

private:
    struct TimerSlot {
        int id;
        uint32_t period;
        uint32_t due;
    };
    void Dispatch(const SDL_Event& e);
    void DeliverDueTimers();
    void PaintIfInvalid();
    void DestroyNow();
    [[nodiscard]] int WaitTimeout() const;

    int32_t devWidth;
    int32_t devHeight;
    SDL_Window* window = nullptr;
    WindowEvents* events = nullptr;
    Surface client;
    Rect invalid;
    std::vector<TimerSlot> timers;
    SdlOverlay* overlay = nullptr;
    bool destroyRequested = false;
    bool enabled = true;
    bool serving = false;  // ServeWhileModal runs
    bool haveUnrelayed = false;
    WindowMessage unrelayed;
};
