// SdlWindow: window creation, the event loop, painting, presenting and the timers.
#include "platform/sdl/SdlWindow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Taken when the program is loaded, for the start-up trace ($ZEPHINE_TRACE).
const auto processStart = std::chrono::steady_clock::now();

void TraceFirstFrame() {
    static bool done = false;
    if (done || std::getenv("ZEPHINE_TRACE") == nullptr) return;
    done = true;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - processStart);
    std::fprintf(stderr, "zephine: first painted frame presented after %lld ms\n",
                 static_cast<long long>(ms.count()));
}

}  // namespace

SdlWindow::SdlWindow(int32_t developmentWidth, int32_t developmentHeight)
    : devWidth(developmentWidth), devHeight(developmentHeight) {
    // SDL's OpenGL presentation and OSMesa in one process crash in the first present.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The first click on the window counts even when it did not have the focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

SdlWindow::~SdlWindow() {
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlWindow::DisplaySize(int32_t& width, int32_t& height) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (devWidth > 0 && devHeight > 0) {
        width = devWidth;
        height = devHeight;
        return true;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return false;
    width = mode.w;
    height = mode.h;
    return width > 0 && height > 0;
}

bool SdlWindow::Create(const Rect& area, const char* title, WindowEvents& handler) {
    const bool plain = devWidth > 0 && devHeight > 0;
    const Uint32 flags = SDL_WINDOW_SHOWN | (plain ? 0u : Uint32(SDL_WINDOW_BORDERLESS));
    const int x = plain ? int(SDL_WINDOWPOS_CENTERED) : area.left;
    const int y = plain ? int(SDL_WINDOWPOS_CENTERED) : area.top;
    window = SDL_CreateWindow(title, x, y, area.Width(), area.Height(), flags);
    if (window == nullptr) return false;
    client = Surface(area.Width(), area.Height());
    if (client.IsEmpty()) {
        DestroyNow();
        return false;
    }
    events = &handler;
    if (!events->OnCreate()) {
        events = nullptr;
        DestroyNow();
        return false;
    }
    return true;
}

void SdlWindow::Update() {
    // Painting first, as an update of the window does; then whatever was drawn directly.
    PaintIfInvalid();
    const Rect touched = client.TakeTouched();
    if (!touched.IsEmpty()) Present(touched);
}

void SdlWindow::Invalidate(const Rect& r) {
    Rect clipped;
    if (!Intersect(r, client.Bounds(), clipped)) return;
    Rect u;
    (void)Union(invalid, clipped, u);
    invalid = u;
}

void SdlWindow::InvalidateAll() { Invalidate(client.Bounds()); }

void SdlWindow::StartTimer(int id, uint32_t periodMs) {
    StopTimer(id);
    const uint32_t period = std::max<uint32_t>(periodMs, 1);
    timers.push_back({id, period, SDL_GetTicks() + period});
    std::sort(timers.begin(), timers.end(),
              [](const TimerSlot& a, const TimerSlot& b) { return a.id < b.id; });
}

void SdlWindow::StopTimer(int id) {
    std::erase_if(timers, [id](const TimerSlot& t) { return t.id == id; });
}

bool SdlWindow::CursorPosition(int32_t& x, int32_t& y) const {
    if (window == nullptr) return false;
    int gx = 0, gy = 0, wx = 0, wy = 0;
    (void)SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(window, &wx, &wy);
    x = gx - wx;
    y = gy - wy;
    return true;
}

bool SdlWindow::PeekMessage(WindowMessage& message) {
    SDL_Event e;
    if (SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP) == 1) {
        if (e.type == SDL_MOUSEMOTION) {
            message = {WindowMessage::Kind::MouseMove, e.motion.x, e.motion.y};
            return true;
        }
        if (e.button.button == SDL_BUTTON_LEFT) {
            message = {e.type == SDL_MOUSEBUTTONDOWN ? WindowMessage::Kind::ButtonDown
                                                     : WindowMessage::Kind::ButtonUp,
                       e.button.x, e.button.y};
            return true;
        }
    }
    // The loop hands messages over as soon as they arrive; the last one waits here until the
    // relay has seen it.
    if (!haveUnrelayed) return false;
    message = unrelayed;
    haveUnrelayed = false;
    return true;
}

void SdlWindow::Dispatch(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: Destroy(); break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) InvalidateAll();
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) Destroy();
            break;
        case SDL_MOUSEMOTION:
            if (!enabled) break;
            unrelayed = {WindowMessage::Kind::MouseMove, e.motion.x, e.motion.y};
            haveUnrelayed = true;
            events->OnMouseMove(e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            // Only the left button reaches the window; a second press of a double click is
            // the double-click message, which gets default handling only.
            if (!enabled || e.button.button != SDL_BUTTON_LEFT) break;
            const bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (down && e.button.clicks >= 2) break;
            unrelayed = {down ? WindowMessage::Kind::ButtonDown : WindowMessage::Kind::ButtonUp,
                         e.button.x, e.button.y};
            haveUnrelayed = true;
            if (down) {
                events->OnButtonDown(e.button.x, e.button.y);
            } else {
                events->OnButtonUp(e.button.x, e.button.y);
            }
            break;
        }
        default: break;
    }
}

void SdlWindow::DeliverDueTimers() {
    const uint32_t now = SDL_GetTicks();
    // In timer order; a late timer ticks once, not once for every period it missed.
    for (size_t i = 0; i < timers.size() && !destroyRequested; ++i) {
        if (int32_t(now - timers[i].due) < 0) continue;
        timers[i].due = now + timers[i].period;
        events->OnTimer(timers[i].id);
    }
}

void SdlWindow::PaintIfInvalid() {
    if (invalid.IsEmpty() || events == nullptr) return;
    const Rect update = invalid;
    invalid = {};
    events->OnPaint(update);
}

int SdlWindow::WaitTimeout() const {
    if (!invalid.IsEmpty()) return 0;
    if (timers.empty()) return -1;
    const uint32_t now = SDL_GetTicks();
    int best = 1 << 30;
    for (const TimerSlot& t : timers) best = std::min(best, std::max(0, int32_t(t.due - now)));
    return best;
}

void SdlWindow::Run() {
    while (window != nullptr) {
        SDL_Event e;
        while (!destroyRequested && SDL_PollEvent(&e)) Dispatch(e);
        const bool painted = !invalid.IsEmpty();
        if (!destroyRequested) PaintIfInvalid();
        if (painted && !destroyRequested) {
            Present(client.TakeTouched());
            TraceFirstFrame();
        }
        if (!destroyRequested) DeliverDueTimers();
        if (!destroyRequested) events->OnIdle();
        if (destroyRequested) {
            DestroyNow();
            break;
        }
        const Rect touched = client.TakeTouched();
        if (!touched.IsEmpty()) Present(touched);
        if (overlay != nullptr) overlay->Tick(SDL_GetTicks());
        // Sleeps until an event arrives or the nearest timer is due: no busy waiting.
        const int timeout = WaitTimeout();
        if (timeout != 0) (void)SDL_WaitEventTimeout(nullptr, timeout);
    }
}

void SdlWindow::ServeWhileModal() {
    if (window == nullptr || serving || destroyRequested) return;
    serving = true;
    SDL_Event e;
    while (SDL_PollEvent(&e)) Dispatch(e);
    if (!destroyRequested) PaintIfInvalid();
    const Rect touched = client.TakeTouched();
    if (!touched.IsEmpty()) Present(touched);
    if (!destroyRequested) DeliverDueTimers();
    serving = false;
}

void SdlWindow::DestroyNow() {
    if (events != nullptr) {
        WindowEvents* handler = events;
        events = nullptr;
        handler->OnDestroy();
    }
    timers.clear();
    if (window != nullptr) SDL_DestroyWindow(window);
    window = nullptr;
    destroyRequested = false;
}

void SdlWindow::Present(const Rect& area) {
    if (window == nullptr) return;
    SDL_Surface* target = SDL_GetWindowSurface(window);
    Rect r;
    if (target == nullptr || !Intersect(area, client.Bounds(), r)) return;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        client.Row(0), client.Width(), client.Height(), 32, client.Width() * 4,
        SDL_PIXELFORMAT_RGB888);
    if (source == nullptr) return;
    SDL_Rect rect{r.left, r.top, r.Width(), r.Height()};
    SDL_Rect to = rect;
    (void)SDL_BlitSurface(source, &rect, target, &to);
    SDL_FreeSurface(source);
    Rect tip;
    if (overlay != nullptr && overlay->Bounds(tip) && Intersect(tip, r, tip)) {
        SDL_SetClipRect(target, &rect);
        overlay->Draw(target);
        SDL_SetClipRect(target, nullptr);
    }
    (void)SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}
