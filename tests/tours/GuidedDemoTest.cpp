// The guided tours driven tick by tick through the fake audio port: each step waits for its
// sentence, the steps that show the spray and the stamp chooser drive the screen, the guide's
// and the pointer's animation, starting and ending tours.
#include "tours/GuidedDemo.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/ScreenLayout.h"
#include "sound/SoundTestKit.h"

namespace {

constexpr uint32_t pointerColour[2] = {0x0000F0, 0x00F000};  // sign01, sign02

uint32_t FrameColour(int frame) { return Rgb(uint8_t(frame * 10), 100, 0); }

// The program as the tours see it, on a 1024 by 768 display.
class FakeTourHost final : public TourHost {
public:
    const ScreenLayout& Layout() const override { return layout; }
    void Invalidate(const Rect& r) override { invalidated.push_back(r); }
    Surface& WindowDevice() override { return screen; }
    uint32_t Ticks() const override { return now; }

    ScreenLayout layout{1024, 768};
    Surface screen{1024, 768};
    std::vector<Rect> invalidated;
    uint32_t now = 0;
};

// The workshop as the tours drive it.
struct RecordingTarget final : TourTarget {
    void ShowTool(Tool n) override { tool = n; }
    void ShowToolLabel(int32_t page) override { label = page; }
    void OpenStampChooser() override { chooser = true; }
    void CloseStampChooser() override { chooser = false; }
    void RestoreBackdrop(const Rect& area) override { restored.push_back(area); }
    Tool tool = Tool::pencil;
    int32_t label = 1;
    bool chooser = false;
    std::vector<Rect> restored;
};

struct TourRig : VoiceRig {
    explicit TourRig(const std::string& language = "c", bool withCues = true)
        : VoiceRig(language, withCues) {
        const Rect& help = host.layout.help;
        for (int frame = 1; frame <= 15; ++frame) {
            demo.GuideFrame(frame) = SolidPicture(help.Width(), help.Height(), FrameColour(frame));
        }
        demo.PointerPicture(1) = SolidPicture(18, 18, pointerColour[0]);
        demo.PointerPicture(2) = SolidPicture(18, 18, pointerColour[1]);
    }
    // One step-timer tick on the workshop or the flight screen.
    void Tick(bool workshop = true) {
        host.now += 100;
        host.invalidated.clear();
        target.restored.clear();
        if (workshop) {
            demo.RunWorkshopTour(target);
        } else {
            demo.RunFlightTour(target);
        }
    }
    // Ticks until the step has started its sentence, which then finishes at once.
    void Advance(int32_t throughStep, bool workshop = true) {
        for (int guard = 0; guard < 200 && demo.State().demoStep != 0 &&
                            demo.State().demoStep <= throughStep;
             ++guard) {
            device.FinishAll();
            Tick(workshop);
        }
    }
    // The guide frame last drawn in `help`, 0 when none, and the animation it belongs to.
    [[nodiscard]] int DrawnFrame() const {
        const Rect& help = host.layout.help;
        const uint32_t pixel = host.screen.PixelAt(help.left + 5, help.top + 5);
        for (int frame = 1; frame <= 15; ++frame)
            if (FrameColour(frame) == pixel) return frame;
        return 0;
    }
    [[nodiscard]] int DrawnAnimation() const { return (DrawnFrame() + 2) / 3; }
    [[nodiscard]] Rect Entry(const char* name) const { return *host.layout.Find(name); }
    [[nodiscard]] const DemoState& State() const { return demo.State(); }

    FakeTourHost host;
    RecordingTarget target;
    GuidedDemo demo{host, prompts};
};

Rect PointerArea(const Rect& target) {
    return {target.CentreX() - 10, target.CentreY() - 10, target.CentreX() + 28,
            target.CentreY() + 28};
}

TEST(GuidedDemoTest, AStepWaitsForItsSentenceThenPointsAndSpeaksTheNext) {
    TourRig rig;
    rig.demo.StartAtStartUp();
    EXPECT_TRUE(rig.CuePlays("c205"));
    rig.Tick();  // the greeting still plays: step 1 waits
    EXPECT_EQ(rig.State().demoStep, 1);
    EXPECT_TRUE(rig.host.invalidated.empty());
    rig.device.FinishAll();
    rig.Tick();
    EXPECT_EQ(rig.State().demoStep, 2);
    EXPECT_TRUE(rig.CuePlays("c206"));
    rig.Tick();  // step 2 shows `diy` with guide animation 2 while c206 plays
    EXPECT_EQ(rig.State().pointerRect, PointerArea(rig.Entry("diy")));
    EXPECT_EQ(rig.DrawnAnimation(), 2);
    EXPECT_EQ(rig.State().demoStep, 2);
    rig.device.FinishAll();
    rig.Tick();
    EXPECT_EQ(rig.State().demoStep, 3);
    EXPECT_TRUE(rig.CuePlays("c207"));
    // The pointer's old place is repainted when the step moves on.
    EXPECT_EQ(rig.host.invalidated, std::vector<Rect>{PointerArea(rig.Entry("diy"))});
}

TEST(GuidedDemoTest, TheToursShowTheSprayAndTheStampChooserOnTheWay) {
    TourRig rig;
    rig.demo.StartAtStartUp();
    rig.Advance(15);
    EXPECT_EQ(rig.target.tool, Tool::stamp);
    EXPECT_EQ(rig.target.label, 3);
    EXPECT_FALSE(rig.target.chooser);
    rig.Advance(16);
    EXPECT_TRUE(rig.target.chooser);
    EXPECT_EQ(rig.target.label, 4);
    rig.Advance(17);
    EXPECT_EQ(rig.target.tool, Tool::pencil);
    EXPECT_FALSE(rig.target.chooser);
    EXPECT_EQ(rig.target.label, 1);
    rig.Advance(22);
    EXPECT_EQ(rig.State().demoStep, 0);
    // The last pointer (on `exit`) and `exit` itself are painted again.
    EXPECT_EQ(rig.host.invalidated,
              (std::vector<Rect>{PointerArea(rig.Entry("exit")), rig.Entry("exit")}));
}

TEST(GuidedDemoTest, WithoutSpeechATourRunsOneStepPerTick) {
    // No sound engine at all, and an engine whose cue files are missing.
    for (bool withEngine : {false, true}) {
        TourRig rig("c", false);
        if (!withEngine) rig.prompts.SetEngine(nullptr);
        rig.demo.StartAtStartUp();
        int ticks = 0;
        while (rig.State().demoStep != 0 && ticks < 100) {
            int32_t before = rig.State().demoStep;
            rig.Tick(true);
            ++ticks;
            EXPECT_TRUE(rig.State().demoStep == before + 1 || rig.State().demoStep == 0);
        }
        EXPECT_EQ(ticks, 22) << withEngine;
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
}

TEST(GuidedDemoTest, HelpPressesChooseTheTour) {
    TourRig rig;
    const Rect& help = rig.Entry("help");
    // Not in `help`, or with the stamp chooser open: nothing.
    EXPECT_FALSE(rig.demo.WorkshopHelpPress(help.left - 1, help.top, false));
    EXPECT_FALSE(rig.demo.WorkshopHelpPress(help.left, help.top, true));
    // The long tour when it has not been given yet, then the short one.
    ASSERT_TRUE(rig.demo.WorkshopHelpPress(help.left, help.top, false));
    EXPECT_EQ(rig.State().demoStep, 1);
    EXPECT_EQ(rig.State().workshopTourGiven, 1);
    EXPECT_TRUE(rig.CuePlays("c205"));
    EXPECT_FALSE(rig.demo.WorkshopHelpPress(help.left, help.top, false));  // a tour runs
    EXPECT_TRUE(rig.demo.EndTourOnPress(rig.target));
    ASSERT_TRUE(rig.demo.WorkshopHelpPress(help.left, help.top, false));
    EXPECT_EQ(rig.State().demoStep, 31);
    EXPECT_TRUE(rig.CuePlays("c250"));
    // On the flight screen the cue that was speaking stops first.
    EXPECT_TRUE(rig.demo.EndTourOnPress(rig.target));
    rig.demo.StartAtStartUp();
    rig.demo.Stop();
    EXPECT_FALSE(rig.demo.FlightHelpPress(help.right, help.top));
    EXPECT_TRUE(rig.demo.FlightHelpPress(help.left, help.top));
    EXPECT_EQ(rig.State().demoStep, 61);
    EXPECT_FALSE(rig.CuePlays("c205"));
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c205")), nullptr);
    EXPECT_TRUE(rig.CuePlays("c251"));
    // Each screen runs only its own tours.
    rig.device.FinishAll();
    rig.Tick(true);
    EXPECT_EQ(rig.State().demoStep, 61);
    rig.Tick(false);
    EXPECT_EQ(rig.State().demoStep, 62);
}

TEST(GuidedDemoTest, APressEndsATourAndLeavesTheToursChangesButTheLabel) {
    TourRig rig;
    rig.demo.StartAtStartUp();
    rig.Advance(16);
    rig.Tick(true);  // the pointer now shows the stamp chooser's close button
    Rect pointer = rig.State().pointerRect;
    rig.host.invalidated.clear();

    EXPECT_TRUE(rig.demo.EndTourOnPress(rig.target));
    EXPECT_EQ(rig.State().demoStep, 0);
    EXPECT_EQ(rig.target.label, 1);
    EXPECT_EQ(rig.target.tool, Tool::stamp);
    EXPECT_TRUE(rig.target.chooser);
    EXPECT_EQ(rig.DrawnAnimation(), 1);
    EXPECT_EQ(rig.host.invalidated, std::vector<Rect>{pointer});
    EXPECT_EQ(rig.target.restored, std::vector<Rect>{pointer});
    EXPECT_EQ(rig.prompts.CurrentCue(), " ");
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c221")), nullptr);
    EXPECT_FALSE(rig.demo.EndTourOnPress(rig.target));
}

// However a tour ends, the screen is told that its pointer's area must be painted from the
// backdrop up: a paint that draws straight over the window would leave the pointer behind.
TEST(GuidedDemoTest, EveryWayATourEndsPaintsThePointersAreaFromTheBackdrop) {
    TourRig rig;
    const Rect& help = rig.Entry("help");
    // The last step of the short workshop tour points at `help` and ends there.
    rig.demo.StartAtStartUp();
    rig.demo.Stop();
    ASSERT_TRUE(rig.demo.WorkshopHelpPress(help.left, help.top, false));
    rig.Advance(54);
    EXPECT_EQ(rig.State().demoStep, 0);
    EXPECT_EQ(rig.target.restored, std::vector<Rect>{PointerArea(help)});
    EXPECT_EQ(rig.host.invalidated, (std::vector<Rect>{PointerArea(help), help}));

    // The last step of the long flight tour points at `steppri`.
    ASSERT_TRUE(rig.demo.FlightHelpPress(help.left, help.top));
    rig.Advance(70, false);
    EXPECT_EQ(rig.State().demoStep, 0);
    EXPECT_EQ(rig.target.restored, std::vector<Rect>{PointerArea(rig.Entry("steppri"))});

    // A change of screen in the middle of a tour.
    rig.demo.StartAtStartUp();
    rig.Advance(5);
    rig.Tick();  // the pointer shows on `docout`
    Rect pointer = rig.State().pointerRect;
    ASSERT_EQ(pointer, PointerArea(rig.Entry("docout")));
    rig.host.invalidated.clear();
    rig.demo.EndTourOnScreenChange(rig.target);
    EXPECT_FALSE(rig.demo.IsRunning());
    EXPECT_EQ(rig.target.restored, std::vector<Rect>{pointer});
    EXPECT_EQ(rig.host.invalidated, std::vector<Rect>{pointer});
    EXPECT_EQ(rig.prompts.CurrentCue(), " ");
    rig.target.restored.clear();
    rig.demo.EndTourOnScreenChange(rig.target);  // no tour: nothing to do
    EXPECT_TRUE(rig.target.restored.empty());
}

TEST(GuidedDemoTest, TheGuideCyclesItsThreeFramesEveryHundredMilliseconds) {
    TourRig rig;
    // (time, frame drawn) for animation 2, frames 4, 5 and 6.
    const std::pair<uint32_t, int> ticks[] = {{0, 5}, {100, 5}, {101, 5}, {150, 6},
                                              {202, 6}, {250, 4}, {303, 4}, {404, 5}};
    for (auto [time, frame] : ticks) {
        rig.host.now = time;
        rig.demo.AnimateGuide(2);
        EXPECT_EQ(rig.DrawnFrame(), frame) << time;
    }
    rig.demo.AnimateGuide(0);  // no such animation: nothing drawn
    rig.demo.AnimateGuide(6);
    EXPECT_EQ(rig.DrawnFrame(), 5);
}

TEST(GuidedDemoTest, ThePointerBlinksBetweenItsTwoPictures) {
    TourRig rig;
    const std::pair<uint32_t, int> ticks[] = {{0, 2}, {100, 2}, {101, 2}, {150, 1}, {202, 1}, {250, 2}};
    for (auto [time, picture] : ticks) {
        rig.host.now = time;
        rig.demo.DrawPointer(500, 300);
        EXPECT_EQ(rig.host.screen.PixelAt(505, 305), pointerColour[picture - 1]) << time;
    }
    EXPECT_EQ(rig.host.screen.PixelAt(500, 300), 0u);  // drawn white transparent
    EXPECT_EQ(rig.State().pointerRect, (Rect{490, 290, 528, 328}));
}

}  // namespace
