// Which press, move and release does what in which state: the view modes, the tool buttons,
// the sliders, the model column, the stamp chooser, the pane swap and the screen buttons.
#include <gtest/gtest.h>

#include "WorkshopRig.h"

namespace {

TEST(WorkshopRoutingTest, ZoomButtonEntersInThenOutAndAHoldStepsEveryTickUntilPastItsBound) {
    WorkshopRig r;
    const Rect& zoom = r.L().zoom;
    r.Click(zoom.left + 1, zoom.top + 1);
    EXPECT_EQ(r.W().PressedControl(), Pressed::zoomIn) << "a release on the button keeps the mode";
    r.Press(zoom.left + 1, zoom.top + 1);
    EXPECT_EQ(r.W().PressedControl(), Pressed::zoomOut);
    r.Release(zoom.left + 1, zoom.top + 1);
    // Holding in the canvas zooms out on the ticks; the release there ends the mode.
    const Rect& canvas = r.L().canvas;
    r.Press(canvas.CentreX(), canvas.CentreY());
    r.c->Timer(2);
    EXPECT_FLOAT_EQ(r.V().canvasZoom, 0.9f);
    EXPECT_FALSE(r.W().UndoAvailable()) << "a view mode never paints";
    r.Release(canvas.CentreX(), canvas.CentreY());
    EXPECT_EQ(r.W().PressedControl(), Pressed::none);

    r.Click(zoom);
    r.c->Timer(2);
    EXPECT_FLOAT_EQ(r.V().canvasZoom, 0.9f) << "no press in the canvas yet";
    r.Press(canvas.CentreX(), canvas.CentreY());
    for (int tick = 0; tick < 40; ++tick) r.c->Timer(2);
    EXPECT_NEAR(r.V().canvasZoom, 3.0f, 0.11f);
    EXPECT_GE(r.V().canvasZoom, 3.0f);
    r.c->Timer(1);
    r.c->Timer(3);
    const float held = r.V().canvasZoom;
    r.c->Timer(2);
    EXPECT_EQ(r.V().canvasZoom, held) << "stopped past 3";
}

TEST(WorkshopRoutingTest, MoveModePansOnlyWhileBothPointsLieInTheCanvas) {
    WorkshopRig r;
    const Rect& canvas = r.L().canvas;
    r.Click(r.L().move.left + 2, r.L().move.top + 2);
    ASSERT_EQ(r.W().PressedControl(), Pressed::move);
    r.Press(canvas.left + 10, canvas.top + 10);
    r.Move(canvas.left + 30, canvas.top + 5);
    EXPECT_EQ(r.V().canvasOffsetX, 20);
    EXPECT_EQ(r.V().canvasOffsetY, -5);
    r.Move(canvas.right + 5, canvas.top + 5);  // outside: no pan
    EXPECT_EQ(r.V().canvasOffsetX, 20);
    r.Release(canvas.left + 40, canvas.top + 40);
    EXPECT_EQ(r.W().PressedControl(), Pressed::none);
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
    EXPECT_EQ(r.W().PressedControl(), Pressed::none);
    EXPECT_FALSE(r.W().UndoAvailable());
}

TEST(WorkshopRoutingTest, ToolButtonsChooseToolAndPanelAndRedrawTheOldButton) {
    WorkshopRig r;
    const Rect* buttons[6] = {&r.L().pencil, &r.L().gush,   &r.L().picture,
                              &r.L().erase,  &r.L().adjust, &r.L().print};
    for (int k = 6; k >= 1; --k) {
        const int before = NumberOf(r.W().CurrentTool());
        r.f.window.invalidated.clear();
        r.Click(*buttons[k - 1]);
        EXPECT_EQ(NumberOf(r.W().CurrentTool()), k);
        EXPECT_EQ(r.W().LabelPage(), k);
        const auto& inv = r.f.window.invalidated;
        EXPECT_NE(std::find(inv.begin(), inv.end(), *buttons[before - 1]), inv.end()) << k;
    }
}

TEST(WorkshopRoutingTest, PenSlidersPressGivesZeroButDragNeverBelowOne) {
    WorkshopRig r;
    const Rect& thick = r.L().thick;
    r.Press(thick.left + 1, thick.bottom - 1);
    EXPECT_EQ(r.W().Pen().thickness, 0);
    EXPECT_EQ(r.W().Flags().hold, Hold::drag);
    r.Move(thick.left + 1, thick.bottom - 1);
    EXPECT_EQ(r.W().Pen().thickness, 1);
    r.Move(thick.left + 1, thick.top);
    EXPECT_EQ(r.W().Pen().thickness, 24);
    r.Move(thick.right + 20, thick.bottom - 1);  // leaving the slider freezes it
    EXPECT_EQ(r.W().Pen().thickness, 24);
    r.Release(thick.right + 20, thick.bottom - 1);
    EXPECT_EQ(r.W().Flags().hold, Hold::none);
    const Rect& opacity = r.L().colortrans;
    r.Click(opacity.left, opacity.top);
    EXPECT_EQ(r.W().Pen().opacity, 255);
}

TEST(WorkshopRoutingTest, StampSlidersTurnAndSizeWithATenthAsTheDragFloor) {
    WorkshopRig r;
    r.Click(r.L().picture);
    const Rect& size = r.L().rolesize;
    r.Press(size.left + 1, size.top);
    EXPECT_EQ(r.W().Stamp().Scale(), 0.0f);
    EXPECT_EQ(r.W().Flags().hold, Hold::stampSize);
    r.Move(size.left + 1, size.top);
    EXPECT_FLOAT_EQ(r.W().Stamp().Scale(), 0.1f);
    r.Release(size.left + 1, size.top);
    const Rect& turn = r.L().rolerotate;
    r.Click(turn.left + 1, turn.top + turn.Height() / 2);
    EXPECT_NEAR(r.W().Stamp().Angle(), 3.14f, 0.1f);
    EXPECT_EQ(r.W().Flags().hold, Hold::none);
}

TEST(WorkshopRoutingTest, EraserAndPrintSizesShareTheirSlider) {
    WorkshopRig r;
    const Rect& size = r.L().erasesize;
    r.Click(r.L().erase);
    r.Click(size.left + size.Width() / 4, size.CentreY());
    EXPECT_EQ(r.W().Eraser().Size(), 24);
    r.Click(r.L().print);
    r.Click(size.left, size.CentreY());
    EXPECT_EQ(r.W().PrintPanel().Size(), 0);
    EXPECT_EQ(r.c->PrintSize(), 0) << "the size the flight screen's steps print at too";
    EXPECT_EQ(r.W().Eraser().Size(), 24);
}

TEST(WorkshopRoutingTest, ModelColumnScrollsOnlyWhereItCan) {
    WorkshopRig r;
    const Rect& up = r.L().modelUp;
    const Rect& down = r.L().modelDown;
    r.Press(down.CentreX(), down.CentreY());
    EXPECT_EQ(r.W().Armed(), 0) << "page 0 has no page below";
    r.Release(down.CentreX(), down.CentreY());
    for (int i = 0; i < 10; ++i) r.Click(up);
    EXPECT_EQ(r.W().ModelListTop(), 8);
    EXPECT_EQ(r.c->ModelNumber(), 1) << "scrolling does not change the model";
    r.Click(down);
    EXPECT_EQ(r.W().ModelListTop(), 7);
    EXPECT_EQ(r.W().PressedControl(), Pressed::none);
}

TEST(WorkshopRoutingTest, ModelSlotLoadsAnotherModelOnceAndSpeaksItsCue) {
    WorkshopRig r;
    WriteTestModel(r.f.dir.Path(), 2, 64, 64, 10, 200, 30);
    const std::string greeting = r.c->Prompts().CurrentCue();
    r.Click(r.L().ModelPick1);  // model 1 is chosen already
    EXPECT_EQ(r.c->Prompts().CurrentCue(), greeting);
    r.Click(r.L().ModelPick2);
    EXPECT_EQ(r.c->ModelNumber(), 2);
    EXPECT_TRUE(r.c->Prompts().CurrentCue().ends_with("/2-01.wav")) << r.c->Prompts().CurrentCue();
    EXPECT_EQ(r.Texel(100, 100), 0x0AC81Eu);
    EXPECT_EQ(r.V().skin.Width(), 64);
}

TEST(WorkshopRoutingTest, MissingModelShowsLoadErrorAndTheWorkshopGoesOn) {
    WorkshopRig r;
    r.f.boxes.shown.clear();
    for (int i = 0; i < 8; ++i) r.Click(r.L().modelUp);
    r.Click(r.L().ModelPick3);  // model 27: no such files
    EXPECT_EQ(r.c->ModelNumber(), 27);
    ASSERT_EQ(r.f.boxes.shown.size(), 1u);
    EXPECT_EQ(r.f.boxes.shown[0].first, "Load Error");
    // The empty model still has a black texture to paint on, and the panes still draw.
    r.Click(r.L().canvas.left + 50, r.L().canvas.top + 50);
    EXPECT_TRUE(r.W().UndoAvailable());
    r.PaintAll();
    r.c->Timer(2);
}

TEST(WorkshopRoutingTest, StampChooserOpensPagesAndCloses) {
    WorkshopRig r;
    r.Click(r.L().picture);
    r.Click(r.L().rolepic);
    ASSERT_TRUE(r.W().ChooserShown());
    r.Click(r.L().chooserUp);
    EXPECT_EQ(r.W().Stamp().ChooserPage(), 0);
    for (int i = 0; i < 9; ++i) r.Click(r.L().chooserDown);
    EXPECT_EQ(r.W().Stamp().ChooserPage(), 6);
    r.PaintAll();  // the chooser paints with no stamp files
    r.Click(r.L().canvas.left + 5, r.L().canvas.top + 5);
    EXPECT_FALSE(r.W().UndoAvailable()) << "the open chooser covers the skin";
    r.Click(r.L().roleqt);
    EXPECT_FALSE(r.W().ChooserShown());
}

TEST(WorkshopRoutingTest, AnyPressDuringTheTourOnlyStopsIt) {
    WorkshopRig r;
    r.c->Tours().StartAtStartUp();
    r.Click(r.L().gush);
    EXPECT_FALSE(r.c->Tours().IsRunning());
    EXPECT_EQ(NumberOf(r.W().CurrentTool()), 1);
}

TEST(WorkshopRoutingTest, AClickThatEndsTheTourLeavesNoPointerBehind) {
    WorkshopRig r;
    constexpr uint32_t kPointer = 0xFF0000;
    for (int n : {1, 2}) {
        Dib& picture = r.c->Tours().PointerPicture(n);
        picture = Dib::CreateBlank(18, 18);
        for (int32_t y = 0; y < 18; ++y)
            for (int32_t x = 0; x < 18; ++x) picture.PixelAt(x, y)[2] = 0xFF;
    }
    r.c->Tours().StartAtStartUp();
    r.PaintAll();
    r.c->Timer(2);
    r.c->Timer(2);  // the pointer shows on `diy`
    const Rect pointer = r.c->Tours().State().pointerRect;
    ASSERT_EQ(r.f.window.client.PixelAt(pointer.left + 15, pointer.top + 15), kPointer);
    // Press and release come before the window is painted again; the pencil's release asks
    // for a paint straight over the window.
    r.Click(r.L().canvas);
    r.PaintPending();
    for (int32_t y = pointer.top; y < pointer.bottom; ++y)
        for (int32_t x = pointer.left; x < pointer.right; ++x)
            ASSERT_NE(r.f.window.client.PixelAt(x, y), kPointer) << x << ", " << y;
}

TEST(WorkshopRoutingTest, ChangeSwapsThePanesAndBack) {
    WorkshopRig r;
    const Rect canvas = r.L().canvas, view = r.L().view;
    r.V().canvasOffsetX = 12;
    r.Click(r.L().change);
    EXPECT_EQ(r.L().canvas, view);
    EXPECT_EQ(r.L().view, canvas);
    EXPECT_EQ(r.V().canvasOffsetX, 0);
    r.Click(r.L().change);
    EXPECT_EQ(r.L().canvas, canvas);
}

TEST(WorkshopRoutingTest, VolumeReactsWhateverTheTool) {
    WorkshopRig r;
    r.Click(r.L().adjust);
    const Rect& vol = r.L().vol;
    r.Press(vol.left + 1, vol.CentreY());
    r.Release(vol.left + 1, vol.CentreY());
    EXPECT_EQ(r.c->Volume().Level(), 0);
    EXPECT_EQ(r.W().PressedControl(), Pressed::none);
}

}  // namespace
