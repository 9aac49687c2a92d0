// The cursor rules, checked where they compete: the panes, the tool panel, the sliders, the
// model column and the demonstration.
#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "shell/Controller.h"
#include "shell/CursorRules.h"

namespace {

struct CursorRig {
    FakePlatform f;
    Controller c{f.window, f.platform};
    CursorRig() { c.demoStep = 0; }
    int At(const Rect& r) {
        c.UpdateCursor(r.left, r.top);
        return f.cursors.current;
    }
};

TEST(CursorRulesTest, CanvasShowsTheViewModeOrTheToolsCursor) {
    CursorRig r;
    const Rect canvas = r.c.Layout().canvas;
    r.c.pressed = kPressedZoomIn;
    EXPECT_EQ(r.At(canvas), 165);
    EXPECT_EQ(r.c.cursorState, kPressedZoomIn);
    r.c.pressed = kPressedZoomOut;
    EXPECT_EQ(r.At(canvas), 164);
    r.c.pressed = kPressedMove;
    EXPECT_EQ(r.At(canvas), 158);
    r.c.pressed = kPressedNone;
    const int byTool[] = {157, 160, 163, 162};
    for (int tool = 1; tool <= 4; ++tool) {
        r.c.tool = tool;
        EXPECT_EQ(r.At(canvas), byTool[tool - 1]) << tool;
    }
    r.c.tool = 5;
    r.c.pressed = kPressedRotate;
    EXPECT_EQ(r.At(canvas), 156);
    EXPECT_EQ(r.c.cursorState, 0);
}

TEST(CursorRulesTest, ViewShowsRotationOrTheToolAndKeepsTheShapeForOtherTools) {
    CursorRig r;
    const Rect view = r.c.Layout().view;
    r.c.pressed = kPressedRotate;
    EXPECT_EQ(r.At(view), 161);
    r.c.pressed = kPressedNone;
    r.c.tool = 2;
    EXPECT_EQ(r.At(view), 160);
    r.c.tool = 5;
    r.f.cursors.set.clear();
    r.c.pressed = kPressedUndo;
    r.c.UpdateCursor(view.left, view.top);
    EXPECT_TRUE(r.f.cursors.set.empty()) << "the adjustment tool keeps the shape over the view";
    EXPECT_EQ(r.c.cursorState, kPressedUndo);
}

TEST(CursorRulesTest, SlidersShowTheSliderCursorForTheirTools) {
    CursorRig r;
    const ScreenLayout& l = r.c.Layout();
    r.c.tool = 5;
    EXPECT_EQ(r.At(l.toolPanel), 159);
    r.c.tool = 3;
    EXPECT_EQ(r.At(l.rolerotate), 159);
    EXPECT_EQ(r.At(l.rolesize), 159);
    r.c.tool = 1;
    EXPECT_EQ(r.At(l.rolerotate), 156) << "not the stamp tool";
    for (int tool : {4, 6}) {
        r.c.tool = tool;
        EXPECT_EQ(r.At(l.erasesize), 159) << tool;
    }
    r.c.tool = 1;
    EXPECT_EQ(r.At(l.erasesize), 156);
    r.c.mode = kModeFlight;
    EXPECT_EQ(r.At(l.erasesize), 159);
    EXPECT_EQ(r.At(l.vol), 159);
}

TEST(CursorRulesTest, OpenStampChooserOrWorksBoxLeavesThePanesAlone) {
    CursorRig r;
    r.c.pressed = kPressedStampChooser;
    EXPECT_EQ(r.At(r.c.Layout().canvas), 156);
    r.c.pressed = kPressedNone;
    r.c.tool = 7;
    EXPECT_EQ(r.At(r.c.Layout().canvas), 156);
}

TEST(CursorRulesTest, ModelSlotsAndHelpShowThePickCursor) {
    CursorRig r;
    const ScreenLayout& l = r.c.Layout();
    for (const Rect& rect : {l.ModelPick1, l.ModelPick2, l.ModelPick3, l.help})
        EXPECT_EQ(r.At(rect), 167);
    EXPECT_EQ(r.At({0, 0, 1, 1}), 156);
}

TEST(CursorRulesTest, DuringADemonstrationTheCursorIsAlwaysTheArrow) {
    CursorRig r;
    r.c.demoStep = 4;
    const ScreenLayout& l = r.c.Layout();
    r.c.pressed = kPressedZoomIn;
    for (const Rect& rect : {l.canvas, l.view, l.vol, l.toolPanel, l.ModelPick2, l.help}) {
        EXPECT_EQ(r.At(rect), 156);
        EXPECT_EQ(r.c.cursorState, 0);
    }
}

}  // namespace
