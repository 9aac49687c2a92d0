// The workshop's mouse-move and button-up routing, each step in its designed order.
#include "graphics/DibDrawing.h"
#include "platform/Window.h"
#include "shell/Controller.h"
#include "workshop/PaintWorkshop.h"
#include "workshop/ToolSliders.h"

void PaintWorkshop::MouseMove(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    View3D& v = *c.view3d;
    if (c.pressed == kPressedMove && l.canvas.Contains(x, y) &&
        l.canvas.Contains(c.pressX, c.pressY)) {
        v.canvasOffsetX += float(x - c.pressX);
        v.canvasOffsetY += float(y - c.pressY);
        c.pressX = x;
        c.pressY = y;
        c.Invalidate(l.canvas);
    }
    if (c.pressed == kPressedRotate && l.view.Contains(x, y) &&
        l.view.Contains(c.pressX, c.pressY)) {
        v.rotationX += float(y - c.pressY);
        v.rotationY += float(x - c.pressX);
        c.pressX = x;
        c.pressY = y;
        c.directPaint = 1;
        c.Invalidate(l.view);
    }
    if ((c.tool == 1 || c.tool == 4) && !ViewModeActive() && HasPaintTarget(c)) {
        SkinDrag(c, stroke, x, y);
        ModelDrag(c, stroke, x, y);
    }
    DragToolSliders(c, x, y);
    c.volumeBar.Move(c.soundHost, x, y);
}

void PaintWorkshop::ButtonUp(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    (void)c.volumeBar.Release(c.soundHost, x);
    if (c.pressed == kPressedMov && c.armed == 1) {
        EnterFlightScreen();
        return;
    }
    ReleaseButtons(x, y);
    // A stroke ends wherever the release happens, on a pane or not.
    if (c.tool == 1 || c.tool == 2 || c.tool == 4) {
        SkinRelease(c, stroke);
        ModelRelease(c, stroke);
    }
    if (c.tool == 5 && c.dragActive == 1) {
        c.recolourPending = 1;
        c.dragActive = 0;
    }
    if (c.tool == 3 && c.dragActive > 0) {
        if (c.dragActive == 1) {
            c.directPaint = 1;
            c.Invalidate(l.rolepic);
        }
        c.dragActive = 0;
    }
    if (c.tool == 6 && c.dragActive == 1) c.dragActive = 0;
    ReleaseViewModes(x, y);
    if (c.tool == 3) ReleaseStampChooser(x, y);
    if (!l.mov.Contains(x, y)) {
        if (c.tool >= 1 && c.tool <= 7) c.BuildToolTips(c.tool);
        if (c.pressed == kPressedStampChooser) c.BuildToolTips(8);
    }
}

void PaintWorkshop::ReleaseButtons(int32_t /*x*/, int32_t /*y*/) {
    const ScreenLayout& l = c.Layout();
    if (c.armed == 1 && c.pressed == kPressedModelUp && c.modelListTop < 8) ++c.modelListTop;
    if (c.armed == 1 && c.pressed == kPressedModelDown && c.modelListTop > 0) --c.modelListTop;
    if (c.armed == 1 && (c.pressed == kPressedModelUp || c.pressed == kPressedModelDown)) {
        c.Invalidate(c.pressed == kPressedModelUp ? l.modelUp : l.modelDown);
        c.Invalidate(l.modelColumn);
        c.armed = 0;
        c.pressed = kPressedNone;
    }
    // Opening and saving works arrive with the works box; until then the buttons only spring
    // back, so the child is never left in a box without its controls.
    if (c.armed == 1 && (c.pressed == kPressedDocOut || c.pressed == kPressedDocIn)) {
        c.Invalidate(c.pressed == kPressedDocOut ? l.docout : l.docin);
        c.armed = 0;
        c.pressed = kPressedNone;
        c.directPaint = 1;
    }
}

void PaintWorkshop::ReleaseViewModes(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    const bool inCanvas = l.canvas.Contains(x, y);
    if ((c.pressed == kPressedZoomIn || c.pressed == kPressedZoomOut) && !l.zoom.Contains(x, y)) {
        c.pressed = kPressedNone;
        c.dragActive = 0;
        c.directPaint = 0;
        c.Invalidate(l.zoom);
        if (inCanvas) c.Invalidate(l.canvas);
    } else if (c.pressed == kPressedMove && !l.move.Contains(x, y)) {
        c.pressed = kPressedNone;
        c.directPaint = 0;
        c.dragActive = 0;
        c.Invalidate(l.move);
        if (inCanvas) c.Invalidate(l.canvas);
    } else if (c.pressed == kPressedRotate && !l.rote.Contains(x, y)) {
        c.pressed = kPressedNone;
        c.dragActive = 0;
        Rect r = l.rote;
        r.Inflate(30, 50);
        c.Invalidate(r);
    } else if (c.pressed == kPressedUndo && c.armed == 1) {
        c.armed = 0;
        c.pressed = kPressedNone;
        c.Invalidate(l.undo);
    }
}

void PaintWorkshop::ReleaseStampChooser(int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (c.pressed != kPressedStampChooser) {
        if (l.rolepic.Contains(x, y)) {
            c.pressed = kPressedStampChooser;
            c.Invalidate(l.stampBox);
        }
        return;
    }
    if (l.stampBox.Contains(x, y)) (void)chooser.ChooseStamp(c, x, y);
    if (c.armed != 1) return;
    if (l.chooserUp.Contains(x, y) || l.chooserDown.Contains(x, y)) {
        c.armed = 0;
        c.directPaint = 1;
        c.Invalidate(l.chooserUp.Contains(x, y) ? l.chooserUp : l.chooserDown);
        c.Invalidate(l.stampGrid);
    } else if (l.roleqt.Contains(x, y)) {
        c.armed = 0;
        c.pressed = kPressedNone;
        c.directPaint = 0;
        c.Invalidate(l.stampBox);
    }
}

void PaintWorkshop::EnterFlightScreen() {
    c.mode = kModeFlight;
    c.pressed = kPressedNone;
    c.armed = 0;
    c.moviePlaying = 0;
    c.stepPage = 0;
    const Dib backdrop = Dib::LoadFromFile(c.faceDir + "moviebk.bmp");
    if (!backdrop.IsEmpty())
        (void)DrawAt(backdrop, c.memDc, c.Layout().DesignScreen, false, c.window.Width(),
                     c.window.Height());
    c.workshopModel = c.modelNumber;
    c.BuildFlightTips();
    c.InvalidateAll();
}
