// The workshop's mouse-move and button-up routing, each step in its designed order.
#include "graphics/View3D.h"
#include "workshop/PaintWorkshop.h"

void PaintWorkshop::MouseMove(int32_t x, int32_t y) {
    if (works.IsOpen()) return;
    DragViews(x, y);
    if (tool->FollowsPointer() && flags.hold == Hold::drag && !PaintingBlocked() && HasPaintTarget())
        DragPanes(x, y);
    tool->DragPanel(context, x, y);
}

// Panning the flat pane and turning the model.
void PaintWorkshop::DragViews(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    View3D& v = host.View();
    if (pressed == Pressed::move && l.canvas.Contains(x, y) && l.canvas.Contains(pressX, pressY)) {
        v.Pan(float(x - pressX), float(y - pressY));
        pressX = x;
        pressY = y;
        host.Invalidate(l.canvas);
    }
    if (pressed == Pressed::rotate && l.view.Contains(x, y) && l.view.Contains(pressX, pressY)) {
        v.Turn(float(x - pressX), float(y - pressY));
        pressX = x;
        pressY = y;
        flags.directPaint = true;
        host.Invalidate(l.view);
    }
}

// A stroke follows the pointer onto either pane.
void PaintWorkshop::DragPanes(int32_t x, int32_t y) {
    const PaintTarget& t = host.View().paintTarget;
    if (SkinTexel(x, y)) tool->Drag(context, t.texelX, t.texelY, false);
    if (ModelTexel(x, y)) tool->Drag(context, t.texelX, t.texelY, true);
}

void PaintWorkshop::ButtonUp(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    if (pressed == Pressed::mov && armed) {
        EnterFlightScreen();
        return;
    }
    if (works.IsOpen()) {
        ReleaseWorks();
    } else {
        ReleaseButtons();
        // A stroke or a slider ends wherever the release happens.
        tool->Release(context, x, y);
        ReleaseViewModes(x, y);
    }
    if (!l.mov.Contains(x, y))
        host.ShowPanelTips(works.IsOpen() ? WorksBox::Tips() : tool->PanelTips());
}

void PaintWorkshop::ReleaseButtons() {
    const ScreenLayout& l = host.Layout();
    if (!armed) return;
    if (pressed == Pressed::modelUp || pressed == Pressed::modelDown) {
        const bool up = pressed == Pressed::modelUp;
        if (up && modelListTop < 8) ++modelListTop;
        if (!up && modelListTop > 0) --modelListTop;
        host.Invalidate(up ? l.modelUp : l.modelDown);
        host.Invalidate(l.modelColumn);
        armed = false;
        pressed = Pressed::none;
    }
    if (pressed == Pressed::docOut || pressed == Pressed::docIn) {
        const bool open = pressed == Pressed::docOut;
        host.Invalidate(open ? l.docout : l.docin);
        armed = false;
        pressed = Pressed::none;
        flags.directPaint = true;
        if (open) {
            tool->PutDown(context);
            works.Open();
        } else {
            SaveWork();
        }
    }
}

void PaintWorkshop::ReleaseViewModes(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    const bool inCanvas = l.canvas.Contains(x, y);
    if ((pressed == Pressed::zoomIn || pressed == Pressed::zoomOut) && !l.zoom.Contains(x, y)) {
        pressed = Pressed::none;
        flags.hold = Hold::none;
        flags.directPaint = false;
        host.Invalidate(l.zoom);
        if (inCanvas) host.Invalidate(l.canvas);
    } else if (pressed == Pressed::move && !l.move.Contains(x, y)) {
        pressed = Pressed::none;
        flags.directPaint = false;
        flags.hold = Hold::none;
        host.Invalidate(l.move);
        if (inCanvas) host.Invalidate(l.canvas);
    } else if (pressed == Pressed::rotate && !l.rote.Contains(x, y)) {
        pressed = Pressed::none;
        flags.hold = Hold::none;
        Rect r = l.rote;
        r.Inflate(30, 50);
        host.Invalidate(r);
    } else if (pressed == Pressed::undo && armed) {
        armed = false;
        pressed = Pressed::none;
        host.Invalidate(l.undo);
    }
}

void PaintWorkshop::EnterFlightScreen() {
    pressed = Pressed::none;
    armed = false;
    host.SwitchTo(Mode::flight);
}
