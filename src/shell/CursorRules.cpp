// CursorRules: the cursor rules in their order, and UpdateCursor.
#include "shell/CursorRules.h"

#include "platform/Cursors.h"
#include "shell/Controller.h"

namespace {

constexpr int kArrow = 156, kPencil = 157, kMove = 158, kSlider = 159, kSpray = 160,
              kRotate = 161, kEraser = 162, kStamp = 163, kZoomOut = 164, kZoomIn = 165,
              kPick = 167;

// The painting cursor of a tool; 0 for a tool that paints nothing.
int ToolCursor(int32_t tool) {
    switch (tool) {
        case 1: return kPencil;
        case 2: return kSpray;
        case 3: return kStamp;
        case 4: return kEraser;
        default: return 0;
    }
}

}  // namespace

CursorChoice ChooseCursor(const Controller& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const bool quiet = c.demoStep == 0;
    const bool workshopFree =
        c.mode == kModeWorkshop && c.pressed != kPressedStampChooser && quiet;
    const CursorChoice arrow{kArrow, 0};
    const CursorChoice keep{0, c.pressed};
    auto with = [&](int cursor) { return CursorChoice{cursor, c.pressed}; };

    if (workshopFree && c.tool != 7 && l.canvas.Contains(x, y)) {
        if (c.pressed == kPressedZoomIn) return with(kZoomIn);
        if (c.pressed == kPressedZoomOut) return with(kZoomOut);
        if (c.pressed == kPressedMove) return with(kMove);
        const int cursor = ToolCursor(c.tool);
        return cursor != 0 ? with(cursor) : arrow;
    }
    if (workshopFree && c.tool != 7 && l.view.Contains(x, y)) {
        if (c.pressed == kPressedRotate) return with(kRotate);
        const int cursor = ToolCursor(c.tool);
        return cursor != 0 ? with(cursor) : keep;
    }
    if (workshopFree && c.tool == 5 && l.toolPanel.Contains(x, y)) return with(kSlider);
    if (workshopFree && c.tool == 3 && (l.rolerotate.Contains(x, y) || l.rolesize.Contains(x, y)))
        return with(kSlider);
    if (workshopFree && (c.tool == 4 || c.tool == 6) && l.erasesize.Contains(x, y))
        return with(kSlider);
    if (c.mode == kModeFlight && quiet && l.erasesize.Contains(x, y)) return with(kSlider);
    if (quiet && l.vol.Contains(x, y)) return with(kSlider);
    if (l.ModelPick1.Contains(x, y) || l.ModelPick2.Contains(x, y) ||
        l.ModelPick3.Contains(x, y) || l.help.Contains(x, y))
        return quiet ? with(kPick) : arrow;
    return arrow;
}

void Controller::UpdateCursor(int32_t x, int32_t y) {
    const CursorChoice choice = ChooseCursor(*this, x, y);
    cursorState = choice.cursorState;
    if (choice.cursor != 0) (void)platform.cursors.Set(choice.cursor);
}
