// SdlWindow: window creation, the event loop, painting, presenting and the timers.
#include "platform/sdl/SdlWindow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <unistd.h>

namespace {

// Taken when the program is loaded, for the start-up trace ($ZEPHINE_TRACE).
const auto processStart = std::chrono::steady_clock::now();

bool Tracing() {
    static const bool on = std::getenv("ZEPHINE_TRACE") != nullptr;
    return on;
}

void TraceFirstFrame() {
    static bool done = false;
    if (done || !Tracing()) return;
    done = true;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - processStart);
    // The processor time of all threads too: on a loaded machine the wall time says little.
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "zephine: first painted frame presented after %lld ms (%lld ms of processor)\n",
                 static_cast<long long>(ms.count()),
                 static_cast<long long>(cpu.tv_sec) * 1000 + cpu.tv_nsec / 1000000);
}

// Each release of the left button, once the program has handled its click and shown the
// result, or let the whole click fall (a message box was up): the end-to-end harness waits on
// these, not on time.
void TraceRelease(bool handled) {
    if (Tracing()) std::fprintf(stderr, "zephine: release %s\n", handled ? "handled" : "ignored");
}

}  // namespace

// Until a screen names its own: a soft blue-grey, calm beside any backdrop.
constexpr uint32_t kDefaultMargin = 0x00B4C8D7;

SdlWindow::SdlWindow(int32_t developmentWidth, int32_t developmentHeight, bool unscaled)
    : devWidth(developmentWidth), devHeight(developmentHeight), unscaled(unscaled),
      marginColour(kDefaultMargin) {
    // The window surface must not be backed by SDL's own OpenGL renderer; the renderer made
    // below is, and it shares GL's current context with OSMesa (see Present).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The first click on the window counts even when it did not have the focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

SdlWindow::~SdlWindow() {
    DropDetail();
    if (frame != nullptr) SDL_DestroyTexture(frame);
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

namespace {

// SDL falls back to its "offscreen" or "dummy" driver when no display answers; the program would
// then run on with no window. Those count only when SDL_VIDEODRIVER names them.
bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
}

bool VideoDriverAsked() { return EnvSet("SDL_VIDEODRIVER"); }

bool RealVideoDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return false;
    const bool standIn = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    return !standIn || VideoDriverAsked();
}

}  // namespace

bool SdlWindow::DisplayAvailable() {
    // Without a display named, SDL's own probing only prints noise before it gives up.
    if (!VideoDriverAsked() && !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY")) return false;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (RealVideoDriver()) return true;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
}

// The logical display: the device's size over the scale.
bool SdlWindow::DisplaySize(int32_t& width, int32_t& height) {
    // Video stays up from DisplayAvailable when that was asked first: closing the only
    // connection lets an X server reset, and a new one made meanwhile fails.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (!RealVideoDriver()) return false;
    int32_t w = devWidth, h = devHeight;
    if (w <= 0 || h <= 0) {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0) return false;
        w = mode.w;
        h = mode.h;
    }
    scaling = DisplayScale(w, h, unscaled);
    deviceWidth = w;
    deviceHeight = h;
    width = scaling.LogicalWidth();
    height = scaling.LogicalHeight();
    return true;
}

namespace {

// GL drawn by the processor (Mesa's llvmpipe or softpipe: no graphics card, or a virtual machine).
// Asked of the renderer's context, current right after it is made.
bool GlIsSoftware() {
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    const auto* name = reinterpret_cast<const char*>(getString(0x1F01));  // GL_RENDERER
    return name != nullptr && (std::strstr(name, "llvmpipe") != nullptr ||
                               std::strstr(name, "softpipe") != nullptr ||
                               std::strstr(name, "Software Rasterizer") != nullptr);
}

// No graphics card's device node: GL could only run on the processor, so it is not even tried.
bool NoGraphicsDevice() {
    return access("/dev/dri", F_OK) != 0 && access("/dev/nvidiactl", F_OK) != 0;
}

// A renderer named in SDL_RENDER_DRIVER is always the one used.
bool DriverNamed() { return SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr; }

// The processor draws the frames: SDL's software renderer, unless a driver is named.
bool SoftwareFirst() { return !DriverNamed() && NoGraphicsDevice(); }

}  // namespace

bool SdlWindow::MakeRenderer() {
    if (!SoftwareFirst()) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    // Where GL runs on the processor, SDL's software renderer does the same linear stretch in
    // half the time and compiles no shaders (bench/PresentBench).
    SDL_RendererInfo info;
    if (renderer != nullptr && !DriverNamed() &&
        SDL_GetRendererInfo(renderer, &info) == 0 && std::strncmp(info.name, "opengl", 6) == 0 &&
        GlIsSoftware()) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
    if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) return false;
    glRenderer = SDL_GetRendererInfo(renderer, &info) == 0 &&
                 std::strncmp(info.name, "opengl", 6) == 0;
    frame = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                              client.Width(), client.Height());
    if (frame == nullptr) return false;
    (void)SDL_SetTextureScaleMode(frame, SDL_ScaleModeLinear);
    return true;
}

namespace {

// A GL renderer made on a window without SDL_WINDOW_OPENGL destroys that window and makes a new
// one: for a moment the program has no window at all. So the window is made for GL from the start
// when SDL's first choice of renderer is GL; a software renderer works on it all the same.
Uint32 GlWindowFlag() {
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (asked != nullptr && std::strcmp(asked, "software") == 0) return 0;
    if (SoftwareFirst()) return 0;
    SDL_RendererInfo first;
    const bool gl = SDL_GetRenderDriverInfo(0, &first) == 0 &&
                    std::strncmp(first.name, "opengl", 6) == 0;
    return gl ? Uint32(SDL_WINDOW_OPENGL) : 0u;
}

}  // namespace

bool SdlWindow::Create(const Rect& area, const char* title, WindowEvents& handler) {
    const bool plain = devWidth > 0 && devHeight > 0;
    const Uint32 flags = SDL_WINDOW_SHOWN | (plain ? 0u : Uint32(SDL_WINDOW_BORDERLESS));
    const int x = plain ? int(SDL_WINDOWPOS_CENTERED) : area.left;
    const int y = plain ? int(SDL_WINDOWPOS_CENTERED) : area.top;
    // The area is the logical display; the window covers the device.
    window = SDL_CreateWindow(title, x, y, deviceWidth, deviceHeight, flags | GlWindowFlag());
    // Without a GL library the window is made plain, for the software renderer.
    if (window == nullptr) window = SDL_CreateWindow(title, x, y, deviceWidth, deviceHeight, flags);
    if (window == nullptr) return false;
    client = Surface(area.Width(), area.Height());
    if (client.IsEmpty() || !MakeRenderer()) {
        DestroyNow();
        return false;
    }
    FillLogicalMargins();
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
    invalid = Union(invalid, clipped);
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

void SdlWindow::RestTimer(int id, bool resting) {
    for (TimerSlot& t : timers) {
        if (t.id != id || t.resting == resting) continue;
        t.resting = resting;
        if (!resting) t.due = SDL_GetTicks() + t.period;
    }
}

// From the window's own pointer events, kept as they come: asking the X server at every tick
// was most of an idle program's work. Until the first event, the server is asked once.
bool SdlWindow::CursorPosition(int32_t& x, int32_t& y) const {
    if (window == nullptr) return false;
    if (!pointerKnown) {
        int gx = 0, gy = 0, wx = 0, wy = 0;
        (void)SDL_GetGlobalMouseState(&gx, &gy);
        SDL_GetWindowPosition(window, &wx, &wy);
        pointerX = gx - wx;
        pointerY = gy - wy;
        pointerKnown = true;
    }
    x = scaling.LogicalX(pointerX);
    y = scaling.LogicalY(pointerY);
    return true;
}

void SdlWindow::SetMarginColour(uint32_t colour) {
    if (colour == marginColour) return;
    marginColour = colour;
    FillLogicalMargins();
    // Shown by the next present, with the screen that asked for the colour: at 4K one more
    // present of the whole display would cost tens of milliseconds.
    client.Touch(client.Bounds());
}

// The logic draws only inside the design; the client's margins take the margin colour, so
// that the filtered edge of the design blends into it rather than into black.
void SdlWindow::FillLogicalMargins() {
    const Rect all = client.Bounds(), d = scaling.DesignArea();
    for (const Rect& r : {Rect{all.left, all.top, all.right, d.top},
                          Rect{all.left, d.bottom, all.right, all.bottom},
                          Rect{all.left, d.top, d.left, d.bottom},
                          Rect{d.right, d.top, all.right, d.bottom}}) {
        Rect part;
        if (Intersect(r, all, part)) client.Fill(part, marginColour);
    }
}

bool SdlWindow::PeekMessage(WindowMessage& message) {
    SDL_Event e;
    if (SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP) == 1) {
        if (e.type == SDL_MOUSEMOTION) {
            message = {WindowMessage::Kind::MouseMove, scaling.LogicalX(e.motion.x),
                       scaling.LogicalY(e.motion.y)};
            return true;
        }
        if (e.button.button == SDL_BUTTON_LEFT) {
            message = {e.type == SDL_MOUSEBUTTONDOWN ? WindowMessage::Kind::ButtonDown
                                                     : WindowMessage::Kind::ButtonUp,
                       scaling.LogicalX(e.button.x), scaling.LogicalY(e.button.y)};
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
            // Gone to another window: off every control, so no tip stays up.
            if (e.window.event == SDL_WINDOWEVENT_LEAVE) pointerX = pointerY = -10000;
            break;
        case SDL_MOUSEMOTION: {
            pointerX = e.motion.x;
            pointerY = e.motion.y;
            pointerKnown = true;
            if (!enabled) break;
            const int32_t x = scaling.LogicalX(e.motion.x), y = scaling.LogicalY(e.motion.y);
            unrelayed = {WindowMessage::Kind::MouseMove, x, y};
            haveUnrelayed = true;
            events->OnMouseMove(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            // Only the left button reaches the window; a second press of a double click is
            // the double-click message, which gets default handling only.
            pointerX = e.button.x;
            pointerY = e.button.y;
            pointerKnown = true;
            if (e.button.button != SDL_BUTTON_LEFT) break;
            const bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (!enabled) {
                // A press may itself start what disables the window (printing): its click
                // counts as handled.
                if (!down) {
                    if (pressTaken) releaseToReport = true;
                    else TraceRelease(false);
                    pressTaken = false;
                }
                break;
            }
            if (down && e.button.clicks >= 2) break;
            const int32_t x = scaling.LogicalX(e.button.x), y = scaling.LogicalY(e.button.y);
            unrelayed = {down ? WindowMessage::Kind::ButtonDown : WindowMessage::Kind::ButtonUp,
                         x, y};
            haveUnrelayed = true;
            pressTaken = down;
            if (down) {
                events->OnButtonDown(x, y);
            } else {
                events->OnButtonUp(x, y);
                releaseToReport = true;  // once what it changed is on the screen
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
        if (timers[i].resting || int32_t(now - timers[i].due) < 0) continue;
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

// -1: nothing is due, wait for an event.
int SdlWindow::WaitTimeout() const {
    if (!invalid.IsEmpty()) return 0;
    const uint32_t now = SDL_GetTicks();
    int best = overlay != nullptr ? overlay->MsUntilDue(now) : -1;
    for (const TimerSlot& t : timers) {
        if (t.resting) continue;
        const int left = std::max(0, int32_t(t.due - now));
        best = best < 0 ? left : std::min(best, left);
    }
    return best;
}

// One turn of the loop without its wait: the events that came, the paint they asked for and
// the timers due. The loop and the modal waits of printing both take it.
void SdlWindow::Turn() {
    SDL_Event e;
    while (!destroyRequested && SDL_PollEvent(&e)) Dispatch(e);
    const bool painted = !invalid.IsEmpty();
    if (!destroyRequested) PaintIfInvalid();
    if (painted && !destroyRequested) {
        Present(client.TakeTouched());
        TraceFirstFrame();
    }
    if (!destroyRequested) DeliverDueTimers();
}

void SdlWindow::Run() {
    while (window != nullptr) {
        Turn();
        if (!destroyRequested) events->OnIdle();
        if (destroyRequested) {
            DestroyNow();
            break;
        }
        const Rect touched = client.TakeTouched();
        if (!touched.IsEmpty()) Present(touched);
        if (releaseToReport) TraceRelease(true);
        releaseToReport = false;
        if (overlay != nullptr) overlay->Tick(SDL_GetTicks());
        // Sleeps until an event arrives or the nearest timer is due: no busy waiting.
        const int timeout = WaitTimeout();
        if (timeout != 0) (void)SDL_WaitEventTimeout(nullptr, timeout);
    }
}

void SdlWindow::ServeWhileModal() {
    if (window == nullptr || serving || destroyRequested) return;
    serving = true;
    Turn();
    const Rect touched = client.TakeTouched();
    if (!touched.IsEmpty()) Present(touched);
    serving = false;
}

void SdlWindow::DestroyNow() {
    if (events != nullptr) {
        WindowEvents* handler = events;
        events = nullptr;
        handler->OnDestroy();
    }
    timers.clear();
    DropDetail();
    if (frame != nullptr) SDL_DestroyTexture(frame);
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    if (window != nullptr) SDL_DestroyWindow(window);
    frame = nullptr;
    renderer = nullptr;
    window = nullptr;
    destroyRequested = false;
}

void SdlWindow::Present(const Rect& area) {
    if (window == nullptr || renderer == nullptr) return;
    // OSMesa and the GL renderer share GL's current context; with no context current, SDL
    // makes its own current again before it uploads or draws.
    if (glRenderer) (void)SDL_GL_MakeCurrent(window, nullptr);
    Rect r;
    if (Intersect(area, client.Bounds(), r)) {
        const SDL_Rect changed{r.left, r.top, r.Width(), r.Height()};
        (void)SDL_UpdateTexture(frame, &changed, client.Row(r.top) + r.left, client.Width() * 4);
        UpdatePatches(r);
    }
    (void)SDL_SetRenderDrawColor(renderer, Uint8(marginColour >> 16), Uint8(marginColour >> 8),
                                 Uint8(marginColour), 255);
    (void)SDL_RenderClear(renderer);
    // Only the design shows: what lies around it is margin. (On a display smaller than the
    // design, unscaled, only the part on the display.)
    Rect design;
    if (Intersect(scaling.DesignArea(), client.Bounds(), design)) {
        const Rect device = scaling.DeviceRect(design);
        const SDL_Rect from{design.left, design.top, design.Width(), design.Height()};
        const SDL_Rect to{device.left, device.top, device.Width(), device.Height()};
        (void)SDL_RenderCopy(renderer, frame, &from, &to);
    }
    DrawDetail();
    if (overlay != nullptr) overlay->Draw(renderer);
    SDL_RenderPresent(renderer);
}
