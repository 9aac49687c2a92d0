// The nine timer steps: zoom stepping, the narration of the flight movie, the preview refresh,
// the tours, and the cursor and tooltip upkeep.
#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "shell/Controller.h"

namespace {

struct TimerRig {
    FakePlatform f;
    Controller c{f.window, f.platform};
    TimerRig() { c.demoStep = 0; }
};

TEST(ControllerTimerTest, HeldZoomInStepsEvery100msUntilPast3) {
    TimerRig r;
    r.c.pressed = kPressedZoomIn;
    r.c.pressX = r.c.Layout().canvas.left;
    r.c.pressY = r.c.Layout().canvas.top;
    int steps = 0;
    for (int tick = 0; tick < 40; ++tick) {
        const float before = r.c.view3d->canvasZoom;
        r.c.Timer(1);  // only timer 2 zooms
        r.c.Timer(3);
        r.c.Timer(2);
        if (r.c.view3d->canvasZoom != before) ++steps;
    }
    EXPECT_EQ(steps, 21);
    EXPECT_FLOAT_EQ(r.c.view3d->canvasZoom, 3.0999992f);
    EXPECT_EQ(r.c.view3d->canvasZoom, 3.0999992f);
    EXPECT_EQ(r.c.dragActive, 1);
    EXPECT_EQ(r.f.window.invalidated.back(), r.c.Layout().canvas);
}

TEST(ControllerTimerTest, HeldZoomOutStopsJustBelowHalf) {
    TimerRig r;
    r.c.pressed = kPressedZoomOut;
    r.c.pressX = r.c.Layout().canvas.CentreX();
    r.c.pressY = r.c.Layout().canvas.CentreY();
    for (int tick = 0; tick < 10; ++tick) r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->canvasZoom, 0.49999991f);
}

TEST(ControllerTimerTest, ZoomWaitsForAPressInTheCanvasAndTheWorkshop) {
    TimerRig r;
    r.c.pressed = kPressedZoomIn;
    r.c.pressX = 0;
    r.c.pressY = 0;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->canvasZoom, 1.0f);
    r.c.pressX = r.c.Layout().canvas.left;
    r.c.pressY = r.c.Layout().canvas.top;
    r.c.mode = kModeFlight;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->canvasZoom, 1.0f);
}

TEST(ControllerTimerTest, NarrationStartsOnTheFrameAfterAMark) {
    const int32_t marks[] = {10, 40, 70, 90};
    NarrationStep s = ChooseNarration(71, marks, 4, 12, true);
    EXPECT_EQ(s.cue, "12-04");
    EXPECT_EQ(s.target, -1);
    s = ChooseNarration(11, marks, 4, 7, false);
    EXPECT_EQ(s.cue, "7-02");
}

TEST(ControllerTimerTest, MovieHoldsOnAMarkUntilTheNarrationEnds) {
    const int32_t marks[] = {10, 40};
    EXPECT_EQ(ChooseNarration(40, marks, 2, 3, false).target, 40);
    EXPECT_EQ(ChooseNarration(40, marks, 2, 3, true).target, -1);
    EXPECT_TRUE(ChooseNarration(40, marks, 2, 3, false).cue.empty());
    EXPECT_EQ(ChooseNarration(25, marks, 2, 3, false).target, -1);
    EXPECT_EQ(ChooseNarration(41, marks, 0, 3, false).target, -1) << "no marks: run on";
}

TEST(ControllerTimerTest, PreviewUsesTheSmallModelWhileRotatingOnASlowMachine) {
    TimerRig r;
    r.c.previewRefresh = 1;
    r.c.pressed = kPressedRotate;
    r.c.renderTime = 111;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->modelScale, 2.0f);
    EXPECT_EQ(r.c.view3d->paintTarget.fullRedraw, 1);
    r.c.pressed = kPressedNone;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->modelScale, 4.5f);
    r.c.pressed = kPressedRotate;
    r.c.renderTime = 110;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->modelScale, 4.5f) << "fast enough for the big model";
}

TEST(ControllerTimerTest, PreviewWaitsWhileZoomingPanningChoosingOrInTheWorksBox) {
    for (int32_t pressed : {1, 2, 3, 6}) {
        TimerRig r;
        r.c.previewRefresh = 1;
        r.c.pressed = pressed;
        r.c.view3d->modelScale = 2.0f;
        r.c.Timer(2);
        EXPECT_EQ(r.c.view3d->modelScale, 2.0f) << pressed;
    }
    TimerRig r;
    r.c.previewRefresh = 1;
    r.c.tool = 7;
    r.c.view3d->modelScale = 2.0f;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->modelScale, 2.0f);
}

TEST(ControllerTimerTest, DragFullRedrawFollowsTheMeasuredRenderTime) {
    TimerRig r;
    r.c.previewRefresh = 1;
    r.c.dragActive = 1;
    r.c.renderTime = 50;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->paintTarget.fullRedraw, 1);
    r.c.renderTime = 200;
    r.c.Timer(2);
    EXPECT_EQ(r.c.view3d->paintTarget.fullRedraw, 0);
}

TEST(ControllerTimerTest, WithoutSoundTheDemonstrationDoesNotWait) {
    FakePlatform f;
    Controller c(f.window, f.platform);
    ASSERT_EQ(c.demoStep, 1);
    EXPECT_TRUE(c.IsCueFinished());
    c.Timer(1);
    EXPECT_EQ(c.demoStep, 1) << "tours step on timer 2 only";
    c.Timer(2);
    EXPECT_EQ(c.demoStep, 2) << "one step per tick, without waiting";
    for (int tick = 0; tick < 21; ++tick) c.Timer(2);
    EXPECT_EQ(c.demoStep, 0) << "the long tour has 22 steps";
}

TEST(ControllerTimerTest, EveryTimerChoosesTheCursorWhenThePointerCanBeRead) {
    TimerRig r;
    r.f.window.cursorX = r.c.Layout().vol.left;
    r.f.window.cursorY = r.c.Layout().vol.top;
    for (int id : {1, 2, 3}) {
        r.f.cursors.set.clear();
        r.c.Timer(id);
        EXPECT_EQ(r.f.cursors.set, std::vector<int>{159}) << id;
    }
    r.f.window.cursorReadable = false;
    r.f.cursors.set.clear();
    r.c.Timer(1);
    EXPECT_TRUE(r.f.cursors.set.empty());
}

TEST(ControllerTimerTest, WaitingMessagesReachTheTooltipsOnlyWithoutDemonstration) {
    TimerRig r;
    r.c.demoStep = 3;
    r.f.window.waiting.push_back({WindowMessage::Kind::MouseMove, 1, 2});
    r.c.Timer(1);
    EXPECT_TRUE(r.f.tips.relayed.empty());
    r.c.demoStep = 0;
    r.c.Timer(3);
    ASSERT_EQ(r.f.tips.relayed.size(), 1u);
    EXPECT_EQ(r.f.tips.updates, 1) << "a hidden tip is asked to update";
    r.f.tips.visible = true;
    r.f.window.waiting.push_back({WindowMessage::Kind::ButtonDown, 3, 4});
    r.c.Timer(1);
    EXPECT_EQ(r.f.tips.relayed.size(), 2u);
    EXPECT_EQ(r.f.tips.updates, 1);
    r.c.Timer(1);
    EXPECT_EQ(r.f.tips.relayed.size(), 2u) << "nothing waiting, nothing relayed";
}

}  // namespace
