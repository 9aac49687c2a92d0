// The SDL window and its event loop on the dummy video driver: what reaches the window's
// handler, in which order, and what gets presented.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/SdlTipWindow.h"
#include "platform/sdl/SdlWindow.h"

namespace {

// Records the messages; ends the window after a number of ticks of timer 3 or on a release.
class Recorder final : public WindowEvents {
public:
    explicit Recorder(SdlWindow& w) : w(w) {}
    bool OnCreate() override {
        log.push_back("create");
        return createResult;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    void OnPaint(const Rect& update) override {
        log.push_back("paint");
        paints.push_back(update);
        w.Client().Fill(update, 0x00FF00);
    }
    void OnButtonDown(int32_t x, int32_t y) override {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnButtonUp(int32_t, int32_t) override {
        log.push_back("up");
        w.Destroy();
    }
    void OnMouseMove(int32_t, int32_t) override { log.push_back("move"); }
    void OnTimer(int id) override {
        log.push_back("timer " + std::to_string(id));
        if (id == 3 && ++slowTicks == stopAfterSlowTicks) w.Destroy();
    }
    void OnIdle() override { ++idles; }

    SdlWindow& w;
    bool createResult = true;
    int stopAfterSlowTicks = 1;
    int slowTicks = 0;
    int idles = 0;
    std::vector<std::string> log;
    std::vector<Rect> paints;
};

// The colour of a device pixel of the window as shown, 0x00RRGGBB.
uint32_t ScreenPixel(SdlWindow& window, int x, int y) {
    SDL_Surface* screen = SDL_GetWindowSurface(window.Handle());
    if (screen == nullptr) return 0xFFFFFFFF;
    Uint8 r = 0, g = 0, b = 0;
    const auto* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
    SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], screen->format, &r, &g, &b);
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}

struct WindowRig : testing::Test {
    void SetUp() override { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    SdlWindow window{320, 240, true};
    Recorder rec{window};
    // The development size is asked first, as the program does, then the window is made.
    [[nodiscard]] bool Open() {
        int32_t w = 0, h = 0;
        EXPECT_TRUE(window.DisplaySize(w, h));
        EXPECT_EQ(w, 320);
        EXPECT_EQ(h, 240);
        return window.Create({0, 0, 320, 240}, "Zephine", rec);
    }
    static void Push(Uint32 type, Uint8 button, Uint8 clicks, int x, int y) {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_MOUSEMOTION) {
            e.motion.x = x;
            e.motion.y = y;
        } else {
            e.button.button = button;
            e.button.clicks = clicks;
            e.button.x = x;
            e.button.y = y;
        }
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    int Count(const std::string& what) const {
        return int(std::count(rec.log.begin(), rec.log.end(), what));
    }
};

TEST_F(WindowRig, AFailedCreateMessageClosesTheWindow) {
    rec.createResult = false;
    EXPECT_FALSE(Open());
    EXPECT_FALSE(window.IsOpen());
}

TEST_F(WindowRig, TimersTickInOrderAndTheLoopEndsAfterDestroy) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(rec.log.front(), "create");
    EXPECT_EQ(window.Client().Width(), 320);
    window.StartTimer(3, 400);
    window.StartTimer(1, 10);
    window.StartTimer(2, 100);
    window.StartTimer(4, 5);
    window.RestTimer(4, true);
    rec.stopAfterSlowTicks = 2;
    const Uint32 start = SDL_GetTicks();
    window.Run();
    const Uint32 took = SDL_GetTicks() - start;
    EXPECT_GE(took, 790u);
    EXPECT_EQ(rec.log.back(), "destroy");
    EXPECT_FALSE(window.IsOpen());
    // Upper bounds only: a busy machine delays ticks, and missed ticks are never made up.
    EXPECT_GE(Count("timer 1"), 1);
    EXPECT_LE(Count("timer 1"), int(took / 10) + 1);
    EXPECT_GE(Count("timer 2"), 1);
    EXPECT_LE(Count("timer 2"), int(took / 100) + 1);
    EXPECT_EQ(Count("timer 4"), 0) << "a resting timer ticks not at all";
}

// The right button is proven ignored by the end-to-end case RightButtonDoesNothing.
TEST_F(WindowRig, NoSecondClickReachesTheWindow) {
    ASSERT_TRUE(Open());
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 7, 8);
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 7, 8);  // the double click
    Push(SDL_MOUSEMOTION, 0, 0, 9, 9);
    Push(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 2, 7, 8);  // ends the window
    window.Run();
    const std::vector<std::string> input = [&] {
        std::vector<std::string> v;
        for (const std::string& s : rec.log)
            if (s.rfind("down", 0) == 0 || s == "up" || s == "move") v.push_back(s);
        return v;
    }();
    EXPECT_EQ(input, (std::vector<std::string>{"down 7,8", "move", "up"}));
}

TEST_F(WindowRig, InvalidationsArePaintedOnceAsOneAreaAndPresented) {
    ASSERT_TRUE(Open());
    window.Invalidate({10, 10, 20, 20});
    window.Invalidate({30, 5, 40, 15});
    window.Invalidate({-50, -50, -10, -10});  // off the window: nothing
    window.StartTimer(3, 50);
    window.Run();
    ASSERT_EQ(rec.paints.size(), 1u);
    EXPECT_EQ(rec.paints[0], (Rect{10, 5, 40, 20}));
}

TEST_F(WindowRig, WaitingMouseMessagesArePeekedOnceForTheTooltips) {
    ASSERT_TRUE(Open());
    WindowMessage m;
    EXPECT_FALSE(window.PeekMessage(m));
    Push(SDL_MOUSEMOTION, 0, 0, 12, 34);
    ASSERT_TRUE(window.PeekMessage(m)) << "queued and not yet delivered";
    EXPECT_EQ(m.kind, WindowMessage::Kind::MouseMove);
    EXPECT_EQ(m.x, 12);
    window.StartTimer(3, 30);
    window.Run();  // delivers the move
    EXPECT_EQ(Count("move"), 1);
}

// Under load an X server may refuse a connection while it resets; SDL then falls back to its
// off-screen driver, and the program ran on with no window at all.
TEST(SdlWindowDisplayTest, AFallbackDriverIsNoDisplay) {
    unsetenv("SDL_VIDEODRIVER");
    setenv("DISPLAY", ":987", 1);  // no such server
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(SdlWindow::DisplayAvailable());
    {
        SdlWindow window(320, 240, true);
        int32_t w = 0, h = 0;
        EXPECT_FALSE(window.DisplaySize(w, h));
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_TRUE(SdlWindow::DisplayAvailable());  // asked for by name
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(SdlWindowScaleTest, FinePixelsShowOverTheirBlockUntilDrawnOver) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlWindow window(2000, 1200, false);  // scale 2: logical (x, y) shows at (2x, 2y)
    Recorder rec(window);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(window.DisplaySize(w, h));
    ASSERT_TRUE(window.Create({0, 0, w, h}, "Zephine", rec));
    const Rect block{200, 100, 300, 200};
    window.Client().Fill(window.Client().Bounds(), 0x808080);
    // The fine block: red, with one fine column of green that no logical pixel could show.
    std::vector<uint32_t> fine(200 * 200, 0xFF0000);
    for (int y = 0; y < 200; ++y) fine[size_t(y) * 200 + 101] = 0x00FF00;
    window.Detail()(block, fine.data(), 200, 200, 200);
    window.Present(window.Client().Bounds());
    EXPECT_EQ(ScreenPixel(window, 400 + 101, 300), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(window, 400 + 50, 300), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(window, 398, 300), 0x808080u);  // outside the block
    // A brush outline drawn over part of it shows over the fine pixels; the rest stays fine.
    window.Client().Fill({200, 100, 210, 200}, 0xFFFFFF);
    window.Present({200, 100, 210, 200});
    EXPECT_EQ(ScreenPixel(window, 400 + 10, 300), 0xFFFFFFu);
    EXPECT_EQ(ScreenPixel(window, 400 + 101, 300), 0x00FF00u);
    // Another screen drawn over it all: only the logical pixels show.
    window.Client().Fill(block, 0x0000FF);
    window.Present(block);
    EXPECT_EQ(ScreenPixel(window, 400 + 101, 300), 0x0000FFu);
}

TEST(SdlTipWindowTest, AMissingFontLeavesNoControl) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("ZEPHINE_TIP_FONT", "/nonexistent/font.ttc", 1);
    SdlWindow window(64, 64, true);
    SdlTipWindow tip(window);
    EXPECT_FALSE(tip.Create());
    unsetenv("ZEPHINE_TIP_FONT");
}

}  // namespace
