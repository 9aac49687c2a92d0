// SdlWindow: the Window port over SDL2, with the one event loop. A borderless window at (0, 0)
// covering the primary display (or a plain window of a given size). The client Surface holds
// the logical display (the device size over the scale, see DisplayScale); it is uploaded to a
// streaming texture, changed rectangles only, and SDL's renderer shows its design area scaled
// with linear filtering, centred, with margins of the screen's own colour. Painting runs when
// the queue is empty, and the timers are deadlines the loop waits for.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/DetailSink.h"
#include "platform/DisplayScale.h"
#include "platform/Window.h"

// Something drawn over the presented picture (the tooltip), in device pixels. The loop lets it
// see the time.
class SdlOverlay {
public:
    virtual ~SdlOverlay() = default;
    virtual void Tick(uint32_t now) = 0;
    // How long until Tick has something to do; -1 when nothing waits.
    [[nodiscard]] virtual int32_t MsUntilDue(uint32_t now) const = 0;
    virtual void Draw(SDL_Renderer* renderer) = 0;
};

class SdlWindow final : public Window {
public:
    // A width and height above 0 ask for a plain window of that size instead; `unscaled`
    // shows the design 1:1 instead of filling the display.
    SdlWindow(int32_t developmentWidth, int32_t developmentHeight, bool unscaled);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // False when no display can be opened. SDL would otherwise fall back to its off-screen
    // driver and run on with no window; that driver serves only when asked for by name.
    // When true, video stays initialised for the window, which then owns it.
    [[nodiscard]] static bool DisplayAvailable();

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
    void RestTimer(int id, bool resting) override;
    bool CursorPosition(int32_t& x, int32_t& y) const override;
    bool PeekMessage(WindowMessage& message) override;
    void SetEnabled(bool on) override { enabled = on; }
    void SetMarginColour(uint32_t colour) override;
    void ServeWhileModal() override;

    // Runs the event loop until the window is gone. `idle` runs whenever the queue is empty.
    void Run();
    [[nodiscard]] bool IsOpen() const { return window != nullptr; }
    [[nodiscard]] SDL_Window* Handle() const { return window; }
    void SetOverlay(SdlOverlay* o) { overlay = o; }
    [[nodiscard]] const DisplayScale& Scaling() const { return scaling; }
    [[nodiscard]] SDL_Renderer* Renderer() const { return renderer; }
    void DeviceSize(int32_t& width, int32_t& height) const {
        width = deviceWidth;
        height = deviceHeight;
    }
    // Uploads the area of the client surface and shows the frame (with the overlay over it).
    void Present(const Rect& area);
    // Shows the frame again with nothing uploaded (the overlay changed).
    void Redraw() { Present({}); }
    // Where an off-screen surface that renders finer than the logical display hands the fine
    // pixels of what it copied into the client surface: they show instead of those logical
    // pixels, scaled down from their own size, until the logical pixels there change. What is
    // then drawn over them (a brush outline, another screen) shows over them.
    [[nodiscard]] DetailSink Detail();

private:
    // Fine pixels over a block of the logical display, with the logical pixels they stand for;
    // `patch` holds those of them changed since, over the fine ones.
    struct DetailLayer {
        Rect dest;
        int32_t width = 0, height = 0;
        SDL_Texture* fine = nullptr;
        int32_t fineWidth = 0, fineHeight = 0;  // the texture's size, at least width x height
        SDL_Texture* patch = nullptr;
        bool patched = false;
        std::vector<uint32_t> base;
    };
    void ShowDetail(const Rect& dest, const uint32_t* pixels, int32_t w, int32_t h,
                    int32_t stride);
    // Compares the layers' blocks with the client surface where `area` changed it.
    void UpdatePatches(const Rect& area);
    void DrawDetail();
    static void DestroyLayer(DetailLayer& layer);
    void DropDetail();
    struct TimerSlot {
        int id;
        uint32_t period;
        uint32_t due;
        bool resting = false;
    };
    void Dispatch(const SDL_Event& e);
    void Turn();
    void DeliverDueTimers();
    void PaintIfInvalid();
    void DestroyNow();
    [[nodiscard]] bool MakeRenderer();
    void FillLogicalMargins();
    [[nodiscard]] int WaitTimeout() const;

    int32_t devWidth;
    int32_t devHeight;
    bool unscaled;
    DisplayScale scaling;
    int32_t deviceWidth = DisplayScale::kDesignWidth;
    int32_t deviceHeight = DisplayScale::kDesignHeight;
    uint32_t marginColour;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* frame = nullptr;  // the client surface, logical size
    bool glRenderer = false;
    WindowEvents* events = nullptr;
    Surface client;
    Rect invalid;
    std::vector<TimerSlot> timers;
    SdlOverlay* overlay = nullptr;
    bool destroyRequested = false;
    bool enabled = true;
    bool releaseToReport = false;  // for the trace
    bool pressTaken = false;
    // The pointer in window pixels, as its events last placed it.
    mutable int pointerX = 0, pointerY = 0;
    mutable bool pointerKnown = false;
    bool serving = false;  // ServeWhileModal runs
    std::vector<DetailLayer> detail;
    std::vector<uint32_t> patchPixels;
    bool haveUnrelayed = false;
    WindowMessage unrelayed;
};
