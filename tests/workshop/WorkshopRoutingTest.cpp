// Which press, move and release does what in which state: the view modes, the tool buttons,
// the sliders, the model column, the stamp chooser, the pane swap and the screen buttons.
#include <gtest/gtest.h>

#include "WorkshopRig.h"

namespace {

TEST(WorkshopRoutingTest, ZoomButtonEntersInThenOutAndEndsOnReleaseElsewhere) {
    WorkshopRig r;
    const Rect& zoom = r.L().zoom;
    r.Click(zoom.left + 1, zoom.top + 1);
    EXPECT_EQ(r.c->pressed, kPressedZoomIn) << "a release on the button keeps the mode";
    r.Press(zoom.left + 1, zoom.top + 1);
    EXPECT_EQ(r.c->pressed, kPressedZoomOut);
    r.Release(zoom.left + 1, zoom.top + 1);
    // Holding in the canvas zooms out on the ticks; the release there ends the mode.
    const Rect& canvas = r.L().canvas;
    r.Press(canvas.CentreX(), canvas.CentreY());
    r.c->Timer(2);
    EXPECT_FLOAT_EQ(r.V().canvasZoom, 0.9f);
    EXPECT_FALSE(r.c->undoAvailable) << "a view mode never paints";
    r.Release(canvas.CentreX(), canvas.CentreY());
    EXPECT_EQ(r.c->pressed, kPressedNone);
}

TEST(WorkshopRoutingTest, MoveModePansOnlyWhileBothPointsLieInTheCanvas) {
    WorkshopRig r;
    const Rect& canvas = r.L().canvas;
    r.Click(r.L().move.left + 2, r.L().move.top + 2);
    ASSERT_EQ(r.c->pressed, kPressedMove);
    r.Press(canvas.left + 10, canvas.top + 10);
    r.Move(canvas.left + 30, canvas.top + 5);
    EXPECT_EQ(r.V().canvasOffsetX, 20);
    EXPECT_EQ(r.V().canvasOffsetY, -5);
    r.Move(canvas.right + 5, canvas.top + 5);  // outside: no pan
    EXPECT_EQ(r.V().canvasOffsetX, 20);
    r.Release(canvas.left + 40, canvas.top + 40);
    EXPECT_EQ(r.c->pressed, kPressedNone);
}

TEST(WorkshopRoutingTest, RotateModeTurnsTheModelByThePointerMotion) {
    WorkshopRig r;
    const Rect& view = r.L().view;
    r.Click(r.L().rote.left + 2, r.L().rote.top + 2);
    r.Press(view.left + 10, view.top + 10);
    r.Move(view.left + 25, view.top + 4);
    EXPECT_EQ(r.V().rotationY, 15);
    EXPECT_EQ(r.V().rotationX, -6);
    r.Release(view.left + 25, view.top + 4);
    EXPECT_EQ(r.c->pressed, kPressedNone);
    EXPECT_FALSE(r.c->undoAvailable);
}

TEST(WorkshopRoutingTest, ToolButtonsChooseToolAndPanelAndRedrawTheOldButton) {
    WorkshopRig r;
    const Rect* buttons[6] = {&r.L().pencil, &r.L().gush,   &r.L().picture,
                              &r.L().erase,  &r.L().adjust, &r.L().print};
    for (int k = 6; k >= 1; --k) {
        const int before = r.c->tool;
        r.f.window.invalidated.clear();
        r.Click(buttons[k - 1]->CentreX(), buttons[k - 1]->CentreY());
        EXPECT_EQ(r.c->tool, k);
        EXPECT_EQ(r.c->panelPage, k);
        const auto& inv = r.f.window.invalidated;
        EXPECT_NE(std::find(inv.begin(), inv.end(), *buttons[before - 1]), inv.end()) << k;
    }
}

TEST(WorkshopRoutingTest, PenSlidersPressGivesZeroButDragNeverBelowOne) {
    WorkshopRig r;
    const Rect& thick = r.L().thick;
    r.Press(thick.left + 1, thick.bottom - 1);
    EXPECT_EQ(r.c->penThickness, 0);
    EXPECT_EQ(r.c->dragActive, 1);
    r.Move(thick.left + 1, thick.bottom - 1);
    EXPECT_EQ(r.c->penThickness, 1);
    r.Move(thick.left + 1, thick.top);
    EXPECT_EQ(r.c->penThickness, 24);
    r.Move(thick.right + 20, thick.bottom - 1);  // leaving the slider freezes it
    EXPECT_EQ(r.c->penThickness, 24);
    r.Release(thick.right + 20, thick.bottom - 1);
    EXPECT_EQ(r.c->dragActive, 0);
    const Rect& opacity = r.L().colortrans;
    r.Click(opacity.left, opacity.top);
    EXPECT_EQ(r.c->penOpacity, 255);
}

TEST(WorkshopRoutingTest, AdjustSliderRecoloursOnceOnTheTickAfterRelease) {
    WorkshopRig r;
    r.Click(r.L().adjust.CentreX(), r.L().adjust.CentreY());
    const Rect& hue = r.L().adjusth;
    const uint32_t before = r.Texel(5, 5);
    r.Press(hue.left + hue.Width() / 2, hue.CentreY());
    EXPECT_EQ(r.c->prevHueShift, 0);
    r.Move(hue.right - 1, hue.CentreY());
    EXPECT_EQ(r.c->prevHueShift, 0) << "a drag keeps the value from before the press";
    r.Release(hue.right - 1, hue.CentreY());
    EXPECT_TRUE(r.c->recolourPending);
    // A grey skin has no hue: lightness shows the re-colouring instead.
    const Rect& light = r.L().adjustl;
    r.Click(light.right - 1, light.CentreY());
    r.c->Timer(2);
    EXPECT_FALSE(r.c->recolourPending);
    EXPECT_NE(r.Texel(5, 5), before);
    const uint32_t once = r.Texel(5, 5);
    r.Click(light.right - 1, light.CentreY());  // the same value again
    r.c->Timer(2);
    EXPECT_EQ(r.Texel(5, 5), once);
}

TEST(WorkshopRoutingTest, StampSlidersTurnAndSizeWithATenthAsTheDragFloor) {
    WorkshopRig r;
    r.Click(r.L().picture.CentreX(), r.L().picture.CentreY());
    const Rect& size = r.L().rolesize;
    r.Press(size.left + 1, size.top);
    EXPECT_EQ(r.c->stampScale, 0.0f);
    EXPECT_EQ(r.c->dragActive, 2);
    r.Move(size.left + 1, size.top);
    EXPECT_FLOAT_EQ(r.c->stampScale, 0.1f);
    r.Release(size.left + 1, size.top);
    const Rect& turn = r.L().rolerotate;
    r.Click(turn.left + 1, turn.top + turn.Height() / 2);
    EXPECT_NEAR(r.c->stampAngle, 3.14f, 0.1f);
    EXPECT_EQ(r.c->dragActive, 0);
}

TEST(WorkshopRoutingTest, EraserAndPrintSizesShareTheirSlider) {
    WorkshopRig r;
    const Rect& size = r.L().erasesize;
    r.Click(r.L().erase.CentreX(), r.L().erase.CentreY());
    r.Click(size.left + size.Width() / 4, size.CentreY());
    EXPECT_EQ(r.c->eraseSize, 24);
    r.Click(r.L().print.CentreX(), r.L().print.CentreY());
    r.Click(size.left, size.CentreY());
    EXPECT_EQ(r.c->printSize, 0);
    EXPECT_EQ(r.c->eraseSize, 24);
}

TEST(WorkshopRoutingTest, ModelColumnScrollsOnlyWhereItCan) {
    WorkshopRig r;
    const Rect& up = r.L().modelUp;
    const Rect& down = r.L().modelDown;
    r.Press(down.CentreX(), down.CentreY());
    EXPECT_EQ(r.c->armed, 0) << "page 0 has no page below";
    r.Release(down.CentreX(), down.CentreY());
    for (int i = 0; i < 10; ++i) r.Click(up.CentreX(), up.CentreY());
    EXPECT_EQ(r.c->modelListTop, 8);
    EXPECT_EQ(r.c->modelNumber, 1) << "scrolling does not change the model";
    r.Click(down.CentreX(), down.CentreY());
    EXPECT_EQ(r.c->modelListTop, 7);
    EXPECT_EQ(r.c->pressed, kPressedNone);
}

TEST(WorkshopRoutingTest, ModelSlotLoadsAnotherModelOnceAndSpeaksItsCue) {
    WorkshopRig r;
    WriteTestModel(r.f.dir.Path(), 2, 64, 64, 10, 200, 30);
    const std::string greeting = r.c->currentCue;
    const Rect& slot1 = r.L().ModelPick1;
    r.Click(slot1.CentreX(), slot1.CentreY());  // model 1 is chosen already
    EXPECT_EQ(r.c->currentCue, greeting);
    const Rect& slot2 = r.L().ModelPick2;
    r.Click(slot2.CentreX(), slot2.CentreY());
    EXPECT_EQ(r.c->modelNumber, 2);
    EXPECT_TRUE(r.c->currentCue.ends_with("/2-01.wav")) << r.c->currentCue;
    EXPECT_EQ(r.Texel(100, 100), 0x0AC81Eu);
    EXPECT_EQ(r.V().skin.Width(), 64);
}

TEST(WorkshopRoutingTest, MissingModelShowsLoadErrorAndTheWorkshopGoesOn) {
    WorkshopRig r;
    r.f.boxes.shown.clear();
    for (int i = 0; i < 8; ++i) r.Click(r.L().modelUp.CentreX(), r.L().modelUp.CentreY());
    const Rect& slot = r.L().ModelPick3;
    r.Click(slot.CentreX(), slot.CentreY());  // model 27: no such files
    EXPECT_EQ(r.c->modelNumber, 27);
    ASSERT_EQ(r.f.boxes.shown.size(), 1u);
    EXPECT_EQ(r.f.boxes.shown[0].first, "Load Error");
    // The empty model still has a black texture to paint on, and the panes still draw.
    const Rect& canvas = r.L().canvas;
    r.Click(canvas.left + 50, canvas.top + 50);
    EXPECT_TRUE(r.c->undoAvailable);
    r.PaintAll();
    r.c->Timer(2);
}

TEST(WorkshopRoutingTest, StampChooserOpensPagesAndCloses) {
    WorkshopRig r;
    r.Click(r.L().picture.CentreX(), r.L().picture.CentreY());
    r.Click(r.L().rolepic.CentreX(), r.L().rolepic.CentreY());
    ASSERT_EQ(r.c->pressed, kPressedStampChooser);
    const Rect& up = r.L().chooserUp;
    const Rect& down = r.L().chooserDown;
    r.Click(up.CentreX(), up.CentreY());
    EXPECT_EQ(r.c->stampPage, 0);
    for (int i = 0; i < 9; ++i) r.Click(down.CentreX(), down.CentreY());
    EXPECT_EQ(r.c->stampPage, 6);
    r.PaintAll();  // the chooser paints with no stamp files
    const Rect& canvas = r.L().canvas;
    r.Click(canvas.left + 5, canvas.top + 5);
    EXPECT_FALSE(r.c->undoAvailable) << "the open chooser covers the skin";
    r.Click(r.L().roleqt.CentreX(), r.L().roleqt.CentreY());
    EXPECT_EQ(r.c->pressed, kPressedNone);
}

TEST(WorkshopRoutingTest, AnyPressDuringTheTourOnlyStopsIt) {
    WorkshopRig r;
    r.c->demoStep = 5;
    r.Click(r.L().gush.CentreX(), r.L().gush.CentreY());
    EXPECT_EQ(r.c->demoStep, 0);
    EXPECT_EQ(r.c->tool, 1);
}

TEST(WorkshopRoutingTest, ChangeSwapsThePanesAndBack) {
    WorkshopRig r;
    const Rect canvas = r.L().canvas, view = r.L().view;
    r.V().canvasOffsetX = 12;
    r.Click(r.L().change.CentreX(), r.L().change.CentreY());
    EXPECT_EQ(r.L().canvas, view);
    EXPECT_EQ(r.V().layout.view, canvas);
    EXPECT_EQ(r.V().canvasOffsetX, 0);
    r.Click(r.L().change.CentreX(), r.L().change.CentreY());
    EXPECT_EQ(r.L().canvas, canvas);
}

TEST(WorkshopRoutingTest, MovReleaseEntersTheFlightScreen) {
    WorkshopRig r;
    r.Click(r.L().mov.CentreX(), r.L().mov.CentreY());
    EXPECT_EQ(r.c->mode, kModeFlight);
    EXPECT_EQ(r.c->pressed, kPressedNone);
    EXPECT_EQ(r.c->workshopModel, 1);
}

TEST(WorkshopRoutingTest, WorksButtonsSpringBackUntilTheWorksBoxExists) {
    WorkshopRig r;
    r.Press(r.L().docout.CentreX(), r.L().docout.CentreY());
    EXPECT_EQ(r.c->pressed, kPressedDocOut);
    r.Release(r.L().docout.CentreX(), r.L().docout.CentreY());
    EXPECT_EQ(r.c->pressed, kPressedNone);
    EXPECT_EQ(r.c->tool, 1);
}

TEST(WorkshopRoutingTest, VolumeReactsWhateverTheTool) {
    WorkshopRig r;
    r.Click(r.L().adjust.CentreX(), r.L().adjust.CentreY());
    const Rect& vol = r.L().vol;
    r.Press(vol.left + 1, vol.CentreY());
    EXPECT_EQ(r.c->pressed, kPressedVolume);
    r.Release(vol.left + 1, vol.CentreY());
    EXPECT_EQ(r.c->volumeLevel, 0);
    EXPECT_EQ(r.c->pressed, kPressedNone);
}

}  // namespace
