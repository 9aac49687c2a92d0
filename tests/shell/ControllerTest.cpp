// The Controller's start-up, routing by mode, the exit button and its destruction, and the
// window and application around it, all over the fake ports.
#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/FakePlatform.h"
#include "graphics/Dib.h"
#include "shell/Application.h"
#include "shell/Controller.h"
#include "shell/MainWindow.h"

namespace {

// A one-colour picture in the face folder.
void WritePicture(FakePlatform& f, const std::string& name, int w, int h, uint8_t r, uint8_t g,
                  uint8_t b) {
    std::filesystem::create_directories(f.FaceDir());
    Dib dib = Dib::CreateBlank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = dib.PixelAt(x, y);
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    ASSERT_EQ(dib.SaveToFile(f.FaceDir() + name), 1);
}

TEST(ControllerTest, StartsInTheWorkshopWithTheCommandLinesModelAndLanguage) {
    FakePlatform f(1024, 768, "/opt/zephine-program e3");
    Controller c(f.window, f.platform);
    EXPECT_EQ(c.CurrentMode(), Mode::workshop);
    EXPECT_EQ(c.ModelNumber(), 4);
    EXPECT_EQ(c.ChildLanguage(), Language::english);
    EXPECT_EQ(c.Paths().faceDir, f.dir.Path() + "/Face/");
    EXPECT_EQ(c.Volume().Level(), 3);
    EXPECT_TRUE(c.Tours().IsRunning()) << "the opening tour";
    ASSERT_FALSE(f.window.invalidated.empty());
    EXPECT_EQ(f.window.invalidated.back(), (Rect{0, 0, 1024, 768}));
}

TEST(ControllerTest, LoadingPictureShowsCentredInTheLanguageOfTheCommandLine) {
    for (const char* line : {"zephine-program e3", "zephine-program c3"}) {
        FakePlatform f(1024, 768, line);
        WritePicture(f, "load-e.bmp", 100, 50, 255, 0, 0);
        WritePicture(f, "load-c.bmp", 100, 50, 0, 0, 255);
        Controller c(f.window, f.platform);
        const uint32_t expected = c.ChildLanguage() == Language::chinese ? 0x0000FF : 0xFF0000;
        // Design (350, 275, 450, 325) centred by (112, 84).
        EXPECT_EQ(f.window.client.PixelAt(462, 359), expected) << line;
        EXPECT_EQ(f.window.client.PixelAt(561, 408), expected) << line;
        EXPECT_EQ(f.window.client.PixelAt(461, 359), 0u) << line;
        EXPECT_EQ(f.window.client.PixelAt(562, 409), 0u) << line;
        EXPECT_GE(f.window.updates, 1) << "shown before the long set-up";
    }
}

TEST(ControllerTest, ExitEndsOnTheReleaseAfterAPressOnIt) {
    FakePlatform f;
    Controller c(f.window, f.platform);
    c.ButtonDown(783, 650);  // left of exit (784, 600, 912, 684)
    c.ButtonUp(783, 650);
    EXPECT_FALSE(f.window.destroyRequested);
    c.ButtonDown(912, 650);  // the right edge is outside
    c.ButtonUp(912, 650);
    EXPECT_FALSE(f.window.destroyRequested);

    c.ButtonDown(784, 650);
    EXPECT_TRUE(c.ExitHeld());
    EXPECT_EQ(f.window.invalidated.back(), (Rect{784, 600, 912, 684}));
    c.ButtonUp(10, 10);  // anywhere
    EXPECT_TRUE(f.window.destroyRequested);
}

// A release that opens something on the screen must not keep the program running.
TEST(ControllerTest, APressOnExitEndsTheProgramWhateverTheReleaseOpens) {
    FakePlatform f;
    Controller c(f.window, f.platform);
    c.Tours().Stop();
    const ScreenLayout& l = c.Layout();
    c.ButtonDown(l.picture.CentreX(), l.picture.CentreY());  // the stamp tool
    c.ButtonUp(l.picture.CentreX(), l.picture.CentreY());
    c.ButtonDown(l.exit.CentreX(), l.exit.CentreY());
    c.ButtonUp(l.rolepic.CentreX(), l.rolepic.CentreY());  // would open the stamp chooser
    EXPECT_TRUE(f.window.destroyRequested);
}

TEST(ControllerTest, AChangeOfScreenEndsTheDemonstration) {
    FakePlatform f;
    Controller c(f.window, f.platform);
    ASSERT_TRUE(c.Tours().IsRunning());
    c.SwitchTo(Mode::flight);
    EXPECT_FALSE(c.Tours().IsRunning());
    EXPECT_EQ(c.Prompts().CurrentCue(), " ");
}

TEST(ControllerTest, LaunchedItUsesTheLauncherLayoutAndLeavesTheMarkerStartedAloneItDoesNot) {
    FakePlatform alone;
    { Controller c(alone.window, alone.platform); }
    EXPECT_FALSE(std::filesystem::exists(alone.dir.File("mopleat5.txt")));

    FakePlatform f(1024, 768, "zephine-program c4");
    f.launcher.present = true;
    {
        Controller c(f.window, f.platform);
        EXPECT_EQ(c.Paths().faceDir, f.dir.Path() + "/Diy/Face/");
        EXPECT_EQ(c.Paths().effectDir, f.dir.Path() + "/Sound/Diy/Eff/");
    }
    EXPECT_TRUE(f.launcher.handedBack);
    EXPECT_EQ(ReadBytes(f.dir.File("mopleat5.txt")), std::vector<uint8_t>{'c'});
}

TEST(MainWindowTest, EventsBeforeTheControllerExistGetDefaultHandlingOnly) {
    FakePlatform f;
    MainWindow main(f.platform);
    main.OnPaint({0, 0, 10, 10});
    main.OnButtonDown(850, 650);
    main.OnMouseMove(1, 1);
    main.OnButtonUp(850, 650);
    main.OnTimer(1);
    main.OnIdle();
    EXPECT_EQ(main.GetController(), nullptr);
    EXPECT_FALSE(f.window.destroyRequested);
    EXPECT_TRUE(f.window.timers.empty());
}

TEST(MainWindowTest, CreationStartsTheThreeTimersAndDestructionStopsThem) {
    FakePlatform f;
    MainWindow main(f.platform);
    main.BeginModalState();
    EXPECT_FALSE(f.window.enabled) << "a modal state disables the window";
    main.EndModalState();
    EXPECT_TRUE(f.window.enabled);
    ASSERT_TRUE(f.window.Create({0, 0, 1024, 768}, "Zephine", main));
    ASSERT_NE(main.GetController(), nullptr);
    EXPECT_EQ(main.GetController()->CurrentMode(), Mode::workshop);
    EXPECT_EQ(f.window.timers, (std::map<int, uint32_t>{{1, 10}, {2, 100}, {3, 400}}));
    main.OnButtonDown(850, 650);
    main.OnButtonUp(850, 650);
    f.window.DeliverDestroy();
    EXPECT_TRUE(f.window.timers.empty());
    EXPECT_EQ(main.GetController(), nullptr);
    EXPECT_FALSE(main.Exists());
}

TEST(ApplicationTest, CreatesTheWindowOverTheDisplayTitledZephineAndHidesALauncher) {
    FakePlatform f(1280, 1024);
    f.launcher.present = true;
    Application app(f.platform);
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(f.window.area, (Rect{0, 0, 1280, 1024}));
    EXPECT_EQ(f.window.title, "Zephine");
    EXPECT_TRUE(f.launcher.hidden);
    EXPECT_TRUE(app.OnIdle()) << "more idle time while the window exists";
}

TEST(ApplicationTest, AFailedWindowOrDisplayEndsTheStart) {
    FakePlatform f;
    f.window.createFails = true;
    EXPECT_FALSE(Application(f.platform).Start());
    FakePlatform g;
    g.window.displayFails = true;
    EXPECT_FALSE(Application(g.platform).Start());
}

TEST(ApplicationTest, IdleHookRelaysAWaitingMessageOnlyWithoutDemonstration) {
    FakePlatform f;
    Application app(f.platform);
    ASSERT_TRUE(app.Start());
    Controller& c = *app.GetMainWindow().GetController();
    f.window.waiting.push_back({WindowMessage::Kind::MouseMove, 5, 6});
    app.GetMainWindow().OnIdle();
    EXPECT_TRUE(f.tips.relayed.empty()) << "the demonstration runs";
    c.Tours().Stop();
    app.GetMainWindow().OnIdle();
    ASSERT_EQ(f.tips.relayed.size(), 1u);
    EXPECT_EQ(f.tips.relayed[0].x, 5);
}

}  // namespace
