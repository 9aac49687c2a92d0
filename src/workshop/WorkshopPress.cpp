// The workshop's button-down routing: every step in its designed order, each in a helper.
#include <cstdio>
#include <utility>

#include "shell/Controller.h"
#include "workshop/PaintWorkshop.h"
#include "workshop/ToolPanels.h"
#include "workshop/ToolSliders.h"

namespace {

const Rect& ToolButton(const ScreenLayout& l, int32_t tool) {
    switch (tool) {
        case 1: return l.pencil;
        case 2: return l.gush;
        case 3: return l.picture;
        case 4: return l.erase;
        case 5: return l.adjust;
        default: return l.print;
    }
}

const Rect* ModeButton(const ScreenLayout& l, int32_t pressed) {
    if (pressed == kPressedZoomIn || pressed == kPressedZoomOut) return &l.zoom;
    if (pressed == kPressedMove) return &l.move;
    if (pressed == kPressedRotate) return &l.rote;
    return nullptr;
}

}  // namespace

void PaintWorkshop::InvalidateToolButton(int32_t tool) {
    if (tool >= 1 && tool <= 6) c.Invalidate(ToolButton(c.Layout(), tool));
}

void PaintWorkshop::ButtonDown(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const int32_t toolBefore = c.tool;
    // Printing arrives with the print panel's own work.
    if (c.demo.EndTourOnWorkshopPress()) return;
    const bool worksOpen = c.tool == 7;
    if (!worksOpen) {
        (void)c.demo.WorkshopHelpPress(x, y, c.pressed);
        PressScreenButtons(x, y);
        PressModelSlot(x, y);
        PressToolButtons(x, y);
    }
    PressPanel(x, y);
    if (c.tool != toolBefore) InvalidateToolButton(toolBefore);
    if (!worksOpen) {
        const int32_t modeBefore = c.pressed;
        PressViewModes(x, y);
        if (c.pressed != modeBefore)
            if (const Rect* before = ModeButton(l, modeBefore)) c.Invalidate(*before);
    }
    if (c.tool >= 1 && c.tool <= 4 && !ViewModeActive() && HasPaintTarget(c)) {
        SkinPress(c, stroke, x, y);
        ModelPress(c, stroke, x, y);
    }
    // The works box's own presses arrive with the saved works.
    if (c.tool != 7 && l.change.Contains(x, y)) SwapPanes();
    (void)c.volumeBar.Press(c.soundHost, x, y);
}

void PaintWorkshop::PressScreenButtons(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (l.mov.Contains(x, y)) {
        c.pressed = kPressedMov;
        c.armed = 1;
        c.directPaint = 0;
        c.Invalidate(l.mov);
    }
    // Scroll buttons at the end of the column neither arm nor sound.
    if (l.modelUp.Contains(x, y) && c.modelListTop < 8) {
        c.pressed = kPressedModelUp;
        c.armed = 1;
        c.Invalidate(l.modelUp);
        c.PlayEffect("B100");
    }
    if (l.modelDown.Contains(x, y) && c.modelListTop > 0) {
        c.pressed = kPressedModelDown;
        c.armed = 1;
        c.Invalidate(l.modelDown);
        c.PlayEffect("B100");
    }
}

void PaintWorkshop::PressModelSlot(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const Rect* slots[3] = {&l.ModelPick1, &l.ModelPick2, &l.ModelPick3};
    for (int32_t k = 1; k <= 3; ++k) {
        const int32_t model = 3 * c.modelListTop + k;
        if (!slots[k - 1]->Contains(x, y) || c.modelNumber == model) continue;
        c.modelNumber = model;
        stroke = StrokeState{};
        c.ReloadModel();
        c.StopCue();
        c.PlayEffect("B100");
        char cue[32];
        std::snprintf(cue, sizeof cue, "%d-0%d", model, 1);
        c.PlayCue(cue);
        c.Invalidate(l.canvas);
        c.Invalidate(l.view);
        if (c.tool == 5) c.Invalidate(l.toolPanel);
    }
}

void PaintWorkshop::PressToolButtons(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    for (int32_t k = 1; k <= 6; ++k) {
        if (!ToolButton(l, k).Contains(x, y)) continue;
        c.tool = k;
        c.panelPage = k;
        if (k != 1) c.directPaint = 1;
        c.Invalidate(ToolButton(l, k));
        c.Invalidate(l.toolLabel);
        // The new tool's panel replaces the old one.
        c.Invalidate(l.toolPanel);
    }
}

void PaintWorkshop::PressPanel(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if ((c.tool == 1 || c.tool == 2) && l.choosecolor.Contains(x, y))
        PickColour(c, pictures, x, y);
    PressToolSliders(c, x, y);
    if (c.tool == 3 && c.pressed == kPressedStampChooser) PressChooserButtons(x, y);
    if (c.tool != 7) {
        const bool out = l.docout.Contains(x, y), in = l.docin.Contains(x, y);
        if (out || in) {
            c.pressed = out ? kPressedDocOut : kPressedDocIn;
            c.armed = 1;
            c.directPaint = 1;
            c.Invalidate(out ? l.docout : l.docin);
        }
    }
}

void PaintWorkshop::PressChooserButtons(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const Rect* button = nullptr;
    if (l.chooserUp.Contains(x, y) && c.stampPage > 0) {
        --c.stampPage;
        button = &l.chooserUp;
    } else if (l.chooserDown.Contains(x, y) && c.stampPage < StampChooser::kPages - 1) {
        ++c.stampPage;
        button = &l.chooserDown;
    } else if (l.roleqt.Contains(x, y)) {
        button = &l.roleqt;
    }
    if (button == nullptr) return;
    c.armed = 1;
    c.directPaint = 1;
    c.Invalidate(*button);
}

void PaintWorkshop::PressViewModes(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (l.zoom.Contains(x, y)) {
        c.pressed = c.pressed == kPressedZoomIn ? kPressedZoomOut : kPressedZoomIn;
        c.Invalidate(l.zoom);
    }
    if (l.move.Contains(x, y)) {
        c.pressed = kPressedMove;
        c.Invalidate(l.move);
    }
    if (l.rote.Contains(x, y)) {
        c.pressed = kPressedRotate;
        c.Invalidate(l.rote);
    }
    if (l.undo.Contains(x, y) && c.undoAvailable) Undo(c);
}

void PaintWorkshop::SwapPanes() {
    ScreenLayout& l = c.Layout();
    std::swap(l.canvas, l.view);
    std::swap(l.canvasGl, l.viewGl);
    View3D& v = *c.view3d;
    v.layout.canvas = l.canvas;
    v.layout.view = l.view;
    v.layout.canvasGl = l.canvasGl;
    v.layout.viewGl = l.viewGl;
    v.canvasOffsetX = 0;
    v.canvasOffsetY = 0;
    // The 3D surface still holds the model where the old pane was: start the new pane clean.
    c.DrawBackdropIntoGl();
    c.ClearGlDepth();
    v.paintTarget.fullRedraw = 1;
    c.Invalidate(l.canvas);
    c.Invalidate(l.view);
}
