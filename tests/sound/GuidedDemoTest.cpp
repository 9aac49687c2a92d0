// The guided tours driven tick by tick through the fake audio port, step by step against the
// tours' tables; the guide's and the pointer's animation; starting and ending tours.
#include "sound/GuidedDemo.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "sound/SoundTestKit.h"

namespace {

constexpr uint32_t pointerColour[2] = {0x0000F0, 0x00F000};  // sign01, sign02

uint32_t FrameColour(int frame) { return Rgb(uint8_t(frame * 10), 100, 0); }

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
        if (workshop) {
            demo.RunWorkshopTour();
        } else {
            demo.RunFlightTour();
        }
    }
    // The guide animation last drawn in `help`.
    [[nodiscard]] int DrawnAnimation() const {
        const Rect& help = host.layout.help;
        uint32_t pixel = host.screen.PixelAt(help.left + 5, help.top + 5);
        for (int frame = 1; frame <= 15; ++frame) {
            if (FrameColour(frame) == pixel) return (frame + 2) / 3;
        }
        return 0;
    }
    [[nodiscard]] Rect Entry(const char* name) const { return *host.layout.Find(name); }

    FakeSoundHost host;
    DemoState state;
    GuidedDemo demo{host, prompts, state.Fields()};
};

// One row of a tour as the tables give it: the step, its guide animation, where the pointer
// shows (null: nowhere), and the cue that starts when the previous one has finished (null on
// the last step).
struct Row {
    int32_t step;
    int animation;
    const char* target;
    const char* cue;
};

Rect PointerArea(const Rect& target, bool corner) {
    int32_t x = corner ? target.left : target.CentreX();
    int32_t y = corner ? target.top : target.CentreY();
    return {x - 10, y - 10, x + 28, y + 28};
}

// Walks a tour's rows: on each, one tick while the cue still plays (the step waits, the guide
// and pointer show), then one tick after the cue has finished (the next cue starts). Returns
// the invalidations of each advancing tick, by step.
std::map<int32_t, std::vector<Rect>> WalkTour(TourRig& rig, const std::vector<Row>& rows,
                                              bool workshop) {
    std::map<int32_t, std::vector<Rect>> repainted;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        Rect before = rig.state.pointerRect;
        rig.Tick(workshop);
        EXPECT_EQ(rig.state.demoStep, row.step);
        EXPECT_EQ(rig.DrawnAnimation(), row.animation);
        if (row.target == nullptr) {
            EXPECT_EQ(rig.state.pointerRect, before);
        } else {
            bool corner = std::string(row.target) == "roleqt";
            EXPECT_EQ(rig.state.pointerRect, PointerArea(rig.Entry(row.target), corner));
        }
        EXPECT_TRUE(rig.host.invalidated.empty());

        rig.device.FinishAll();
        rig.Tick(workshop);
        repainted[row.step] = rig.host.invalidated;
        if (row.cue != nullptr) {
            EXPECT_EQ(rig.state.demoStep, row.step + 1);
            EXPECT_EQ(rig.currentCue, rig.prompts.CueFile(row.cue));
            EXPECT_TRUE(rig.CuePlays(row.cue));
        } else {
            EXPECT_EQ(rig.state.demoStep, 0);
            EXPECT_EQ(rig.DrawnAnimation(), 1);
        }
    }
    return repainted;
}

const std::vector<Row> longWorkshopTour = {
    {1, 1, nullptr, "c206"},        {2, 2, "diy", "c207"},       {3, 2, "mov", "c208"},
    {4, 5, "languageLabel", "c209"}, {5, 2, "ModelPick2", "c210"}, {6, 2, "docout", "c211"},
    {7, 2, "docin", "c212"},        {8, 2, "vol", "c213"},       {9, 3, "zoom", "c214"},
    {10, 3, "move", "c215"},        {11, 3, "rote", "c216"},     {12, 3, "undo", "c217"},
    {13, 3, "change", "c218"},      {14, 4, "pencil", "c219"},   {15, 4, "gush", "c220"},
    {16, 4, "picture", "c221"},     {17, 2, "roleqt", "c222"},   {18, 4, "erase", "c223"},
    {19, 4, "adjust", "c224"},      {20, 4, "print", "c225"},    {21, 1, "exit", "c226"},
    {22, 1, nullptr, nullptr},
};

const std::vector<Row> shortWorkshopTour = {
    {31, 1, nullptr, "c227"},         {32, 1, "diy", "c228"},        {33, 1, "mov", "c229"},
    {34, 1, "languageLabel", "c230"}, {35, 1, "ModelPick2", "c231"}, {36, 1, "docout", "c232"},
    {37, 1, "docin", "c233"},         {38, 1, "vol", "c234"},        {39, 1, "zoom", "c235"},
    {40, 1, "move", "c236"},          {41, 1, "rote", "c237"},       {42, 1, "undo", "c238"},
    {43, 1, "change", "c239"},        {44, 1, "pencil", "c240"},     {45, 1, "gush", "c241"},
    {46, 1, "picture", "c242"},       {47, 1, "chooserUp", "c243"},  {48, 1, "chooserDown", "c244"},
    {49, 1, "roleqt", "c245"},        {50, 1, "erase", "c246"},      {51, 1, "adjust", "c247"},
    {52, 1, "print", "c248"},         {53, 1, "exit", "c249"},       {54, 1, "help", nullptr},
};

const std::vector<Row> longFlightTour = {
    {61, 1, nullptr, "c252"}, {62, 2, "MovieArea", "c253"}, {63, 3, "stepButton1", "c254"},
    {64, 5, "first", "c255"}, {65, 5, "pre", "c256"},       {66, 5, "play", "c257"},
    {67, 5, "stop", "c258"},  {68, 5, "next", "c259"},      {69, 5, "last", "c260"},
    {70, 4, "steppri", nullptr},
};

const std::vector<Row> shortFlightTour = {
    {82, 1, "MovieArea", "c262"}, {83, 1, "stepButton1", "c263"}, {84, 1, "first", "c264"},
    {85, 1, "pre", "c265"},       {86, 1, "play", "c266"},        {87, 1, "stop", "c267"},
    {88, 5, "next", "c268"},      {89, 5, "last", "c269"},        {90, 4, "steppri", nullptr},
};

// The pointer's area around a step's target.
Rect PointerOf(const TourRig& rig, const char* target) {
    return PointerArea(rig.Entry(target), std::string(target) == "roleqt");
}

TEST(GuidedDemoTest, TheLongWorkshopTourFollowsItsTable) {
    TourRig rig;
    rig.demo.StartAtStartUp();
    EXPECT_EQ(rig.state.workshopTourGiven, 1);
    EXPECT_TRUE(rig.CuePlays("c205"));
    auto repainted = WalkTour(rig, longWorkshopTour, true);

    EXPECT_TRUE(repainted[1].empty());
    for (int32_t step : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19, 20, 21}) {
        EXPECT_EQ(repainted[step], std::vector<Rect>{PointerOf(rig, longWorkshopTour[step - 1].target)})
            << step;
    }
    EXPECT_EQ(repainted[15], (std::vector<Rect>{rig.Entry("gush"), rig.Entry("picture"),
                                                rig.Entry("toolPanel")}));
    EXPECT_EQ(repainted[16], (std::vector<Rect>{rig.Entry("picture"), rig.Entry("stampBox")}));
    EXPECT_EQ(repainted[17], (std::vector<Rect>{rig.Entry("stampBox"), rig.Entry("toolPanel"),
                                                rig.Entry("pencil")}));
    EXPECT_EQ(repainted[22], std::vector<Rect>{rig.Entry("exit")});
}

TEST(GuidedDemoTest, TheShortWorkshopTourFollowsItsTable) {
    TourRig rig;
    rig.state.workshopTourGiven = 1;
    ASSERT_TRUE(rig.demo.WorkshopHelpPress(rig.Entry("help").left, rig.Entry("help").top, 0));
    EXPECT_EQ(rig.state.demoStep, 31);
    EXPECT_TRUE(rig.CuePlays("c250"));
    auto repainted = WalkTour(rig, shortWorkshopTour, true);

    EXPECT_TRUE(repainted[31].empty());
    EXPECT_EQ(repainted[45], (std::vector<Rect>{rig.Entry("gush"), rig.Entry("toolLabel"),
                                                rig.Entry("picture"), rig.Entry("toolPanel")}));
    EXPECT_EQ(repainted[46], (std::vector<Rect>{rig.Entry("picture"), rig.Entry("stampBox")}));
    EXPECT_EQ(repainted[47], std::vector<Rect>{PointerOf(rig, "chooserUp")});
    EXPECT_EQ(repainted[49], (std::vector<Rect>{rig.Entry("stampBox"), rig.Entry("toolPanel"),
                                                rig.Entry("pencil")}));
    EXPECT_EQ(repainted[53], std::vector<Rect>{PointerOf(rig, "exit")});
    EXPECT_EQ(repainted[54], std::vector<Rect>{rig.Entry("help")});
}

TEST(GuidedDemoTest, TheToursShowTheSprayAndTheStampChooserOnTheWay) {
    TourRig rig;
    rig.demo.StartAtStartUp();
    std::vector<Row> upToSpray(longWorkshopTour.begin(), longWorkshopTour.begin() + 15);
    WalkTour(rig, upToSpray, true);
    EXPECT_EQ(rig.host.tool, 3);
    EXPECT_EQ(rig.host.panelPage, 3);
    EXPECT_EQ(rig.host.pressed, 0);
    WalkTour(rig, {longWorkshopTour[15]}, true);
    EXPECT_EQ(rig.host.tool, 3);
    EXPECT_EQ(rig.host.pressed, 6);
    EXPECT_EQ(rig.host.panelPage, 4);
    WalkTour(rig, {longWorkshopTour[16]}, true);
    EXPECT_EQ(rig.host.tool, 1);
    EXPECT_EQ(rig.host.pressed, 0);
    EXPECT_EQ(rig.host.panelPage, 1);
}

TEST(GuidedDemoTest, TheFlightToursFollowTheirTables) {
    TourRig rig;
    const Rect& help = rig.Entry("help");
    ASSERT_TRUE(rig.demo.FlightHelpPress(help.left, help.top));
    EXPECT_EQ(rig.state.demoStep, 61);
    EXPECT_TRUE(rig.CuePlays("c251"));
    auto repainted = WalkTour(rig, longFlightTour, false);
    EXPECT_TRUE(repainted[61].empty());
    EXPECT_EQ(repainted[63], std::vector<Rect>{PointerOf(rig, "stepButton1")});
    EXPECT_EQ(repainted[70], std::vector<Rect>{PointerOf(rig, "steppri")});

    ASSERT_TRUE(rig.demo.FlightHelpPress(help.left, help.top));
    EXPECT_EQ(rig.state.demoStep, 82);
    EXPECT_TRUE(rig.CuePlays("c261"));
    repainted = WalkTour(rig, shortFlightTour, false);
    EXPECT_EQ(repainted[82], std::vector<Rect>{PointerOf(rig, "MovieArea")});
    EXPECT_EQ(repainted[90], std::vector<Rect>{PointerOf(rig, "steppri")});
}

TEST(GuidedDemoTest, EachScreenRunsOnlyItsOwnTours) {
    TourRig rig;
    rig.state.demoStep = 61;
    rig.Tick(true);
    EXPECT_EQ(rig.currentCue, " ");
    rig.state.demoStep = 1;
    rig.Tick(false);
    EXPECT_EQ(rig.currentCue, " ");
    EXPECT_EQ(rig.state.demoStep, 1);
}

TEST(GuidedDemoTest, WithoutSpeechATourRunsOneStepPerTick) {
    // No sound engine at all, and an engine whose cue files are missing.
    for (bool withEngine : {false, true}) {
        TourRig rig("c", false);
        if (!withEngine) rig.prompts.SetEngine(nullptr);
        rig.demo.StartAtStartUp();
        int ticks = 0;
        while (rig.state.demoStep != 0 && ticks < 100) {
            int32_t before = rig.state.demoStep;
            rig.Tick(true);
            ++ticks;
            EXPECT_TRUE(rig.state.demoStep == before + 1 || rig.state.demoStep == 0);
        }
        EXPECT_EQ(ticks, 22) << withEngine;
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
}

TEST(GuidedDemoTest, HelpPressesChooseTheTour) {
    TourRig rig;
    const Rect& help = rig.Entry("help");
    // Not in `help`, or with the stamp chooser open: nothing.
    EXPECT_FALSE(rig.demo.WorkshopHelpPress(help.left - 1, help.top, 0));
    EXPECT_FALSE(rig.demo.WorkshopHelpPress(help.left, help.top, 6));
    // The long tour when it has not been given yet, then the short one.
    ASSERT_TRUE(rig.demo.WorkshopHelpPress(help.left, help.top, 0));
    EXPECT_EQ(rig.state.demoStep, 1);
    EXPECT_EQ(rig.state.workshopTourGiven, 1);
    EXPECT_TRUE(rig.CuePlays("c205"));
    EXPECT_FALSE(rig.demo.WorkshopHelpPress(help.left, help.top, 0));  // a tour runs
    EXPECT_TRUE(rig.demo.EndTourOnWorkshopPress());
    ASSERT_TRUE(rig.demo.WorkshopHelpPress(help.left, help.top, 0));
    EXPECT_EQ(rig.state.demoStep, 31);
    // On the flight screen the cue that was speaking stops first.
    EXPECT_TRUE(rig.demo.EndTourOnWorkshopPress());
    rig.demo.StartAtStartUp();
    rig.state.demoStep = 0;
    EXPECT_FALSE(rig.demo.FlightHelpPress(help.right, help.top));
    EXPECT_TRUE(rig.demo.FlightHelpPress(help.left, help.top));
    EXPECT_FALSE(rig.CuePlays("c205"));
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c205")), nullptr);
}

TEST(GuidedDemoTest, APressEndsATourAndLeavesTheToursChangesButThePanel) {
    TourRig rig;
    rig.demo.StartAtStartUp();
    std::vector<Row> upToChooser(longWorkshopTour.begin(), longWorkshopTour.begin() + 16);
    WalkTour(rig, upToChooser, true);
    rig.Tick(true);  // the pointer now shows the stamp chooser's close button
    Rect pointer = rig.state.pointerRect;
    rig.host.invalidated.clear();

    EXPECT_TRUE(rig.demo.EndTourOnWorkshopPress());
    EXPECT_EQ(rig.state.demoStep, 0);
    EXPECT_EQ(rig.host.panelPage, 1);
    EXPECT_EQ(rig.host.tool, 3);
    EXPECT_EQ(rig.host.pressed, 6);
    EXPECT_EQ(rig.DrawnAnimation(), 1);
    EXPECT_EQ(rig.host.invalidated, std::vector<Rect>{pointer});
    EXPECT_EQ(rig.currentCue, " ");
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c221")), nullptr);
    EXPECT_FALSE(rig.demo.EndTourOnWorkshopPress());

    rig.state.demoStep = 65;
    rig.host.panelPage = 5;
    EXPECT_TRUE(rig.demo.EndTourOnFlightPress());
    EXPECT_EQ(rig.host.panelPage, 5);
    EXPECT_EQ(rig.state.demoStep, 0);
}

TEST(GuidedDemoTest, TheGuideCyclesItsThreeFramesEveryHundredMilliseconds) {
    TourRig rig;
    const Rect& help = rig.Entry("help");
    auto drawnFrame = [&] {
        uint32_t pixel = rig.host.screen.PixelAt(help.left + 5, help.top + 5);
        for (int frame = 1; frame <= 15; ++frame) {
            if (FrameColour(frame) == pixel) return frame;
        }
        return 0;
    };
    // (time, frame drawn) for animation 2, frames 4, 5 and 6.
    const std::pair<uint32_t, int> ticks[] = {{0, 5}, {100, 5}, {101, 5}, {150, 6},
                                              {202, 6}, {250, 4}, {303, 4}, {404, 5}};
    for (auto [time, frame] : ticks) {
        rig.host.now = time;
        rig.demo.AnimateGuide(2);
        EXPECT_EQ(drawnFrame(), frame) << time;
    }
    rig.demo.AnimateGuide(0);  // no such animation: nothing drawn
    rig.demo.AnimateGuide(6);
    EXPECT_EQ(drawnFrame(), 5);
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
    EXPECT_EQ(rig.state.pointerRect, (Rect{490, 290, 528, 328}));
}

}  // namespace
