// When the tooltip shows and hides.
#include <gtest/gtest.h>

#include "platform/TipHover.h"

namespace {

WindowMessage Move(int32_t x, int32_t y) { return {WindowMessage::Kind::MouseMove, x, y}; }

struct HoverRig {
    TipHover h;
    HoverRig() {
        h.SetActive(true);
        h.AddTool(19, {100, 100, 200, 200}, "Exit");
        h.AddTool(12, {300, 100, 400, 200}, "Pencil");
        h.AddTool(1, {500, 100, 600, 200}, "");
    }
};

TEST(TipHoverTest, ShowsAfterTheInitialDelayOnATool) {
    HoverRig r;
    EXPECT_EQ(r.h.MsUntilShow(1000), -1);
    r.h.Relay(Move(150, 150), 1000);
    EXPECT_EQ(r.h.MsUntilShow(1040), 60) << "the window sleeps until then";
    EXPECT_FALSE(r.h.Tick(1099));
    EXPECT_TRUE(r.h.Tick(1100));
    EXPECT_TRUE(r.h.Visible());
    EXPECT_EQ(r.h.Text(), "Exit");
    r.h.Relay(Move(160, 150), 1200);
    EXPECT_TRUE(r.h.Visible()) << "moving within the tool keeps it";
}

TEST(TipHoverTest, LeavingOrPressingHidesIt) {
    HoverRig r;
    r.h.Relay(Move(150, 150), 0);
    (void)r.h.Tick(200);
    r.h.Relay(Move(350, 150), 300);
    EXPECT_FALSE(r.h.Visible());
    (void)r.h.Tick(450);
    EXPECT_EQ(r.h.Text(), "Pencil");
    r.h.Relay({WindowMessage::Kind::ButtonDown, 350, 150}, 500);
    EXPECT_FALSE(r.h.Visible());
    (void)r.h.Tick(2000);
    EXPECT_FALSE(r.h.Visible()) << "a press hides the tip until the pointer leaves";
    r.h.Relay(Move(10, 10), 2100);
    r.h.Relay(Move(350, 150), 2200);
    (void)r.h.Tick(2300);
    EXPECT_TRUE(r.h.Visible());
}

TEST(TipHoverTest, EmptyTextsAndInactiveControlsShowNothing) {
    HoverRig r;
    r.h.Relay(Move(550, 150), 0);
    EXPECT_EQ(r.h.MsUntilShow(10), -1) << "nothing to wake for";
    (void)r.h.Tick(500);
    EXPECT_FALSE(r.h.Visible());
    r.h.SetActive(false);
    r.h.Relay(Move(150, 150), 1000);
    (void)r.h.Tick(1500);
    EXPECT_FALSE(r.h.Visible());
}

TEST(TipHoverTest, RebuiltToolsGoOnAndDeletedOnesHide) {
    HoverRig r;
    r.h.Relay(Move(150, 150), 0);
    (void)r.h.Tick(200);
    r.h.DeleteTool(19);
    EXPECT_FALSE(r.h.Visible());
    r.h.AddTool(19, {100, 100, 200, 200}, "Leave");
    (void)r.h.Tick(300);
    EXPECT_EQ(r.h.Text(), "Leave");
    r.h.AddTool(19, {100, 100, 200, 200}, "Bye");
    r.h.Update();
    (void)r.h.Tick(400);
    EXPECT_EQ(r.h.Text(), "Bye");
}

}  // namespace
