// The workshop's button-down routing: every step in its designed order, each in a helper.
#include <cstdio>
#include <utility>

#include "graphics/View3D.h"
#include "platform/GlSurface.h"
#include "tours/GuidedDemo.h"
#include "workshop/PaintWorkshop.h"
#include "workshop/SkinCanvas.h"

namespace {

const Rect* ModeButton(const ScreenLayout& l, Pressed pressed) {
    if (pressed == Pressed::zoomIn || pressed == Pressed::zoomOut) return &l.zoom;
    if (pressed == Pressed::move) return &l.move;
    if (pressed == Pressed::rotate) return &l.rote;
    return nullptr;
}

}  // namespace

void PaintWorkshop::ButtonDown(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    pressX = x;
    pressY = y;
    // The open box takes every press; `change` still works once the press has closed it.
    if (works.IsOpen()) {
        PressWorks(x, y);
        if (!works.IsOpen() && l.change.Contains(x, y)) SwapPanes();
        return;
    }
    if (tool == &print && l.steppri.Contains(x, y)) PrintSheet();
    const Tool toolBefore = tool->Kind();
    host.Tours().WorkshopHelpPress(x, y, ChooserShown());
    PressScreenButtons(x, y);
    PressModelSlot(x, y);
    PressToolButtons(x, y);
    PressPanel(x, y);
    if (tool->Kind() != toolBefore) host.Invalidate(ToolButton(l, toolBefore));
    const Pressed modeBefore = pressed;
    PressViewModes(x, y);
    if (pressed != modeBefore)
        if (const Rect* before = ModeButton(l, modeBefore)) host.Invalidate(*before);
    if (tool->Paints() && !PaintingBlocked() && HasPaintTarget()) PressPanes(x, y);
    if (l.change.Contains(x, y)) SwapPanes();
}

void PaintWorkshop::PressScreenButtons(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    if (l.mov.Contains(x, y)) {
        SetPressed(Pressed::mov);
        armed = true;
        flags.directPaint = false;
        host.Invalidate(l.mov);
    }
    // Scroll buttons at the end of the column neither arm nor sound.
    if (l.modelUp.Contains(x, y) && modelListTop < 8) {
        SetPressed(Pressed::modelUp);
        armed = true;
        host.Invalidate(l.modelUp);
        host.PlayEffect("B100");
    }
    if (l.modelDown.Contains(x, y) && modelListTop > 0) {
        SetPressed(Pressed::modelDown);
        armed = true;
        host.Invalidate(l.modelDown);
        host.PlayEffect("B100");
    }
}

void PaintWorkshop::PressModelSlot(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    const Rect* slots[3] = {&l.ModelPick1, &l.ModelPick2, &l.ModelPick3};
    for (int32_t k = 1; k <= 3; ++k) {
        const int32_t model = 3 * modelListTop + k;
        if (!slots[k - 1]->Contains(x, y) || host.ModelNumber() == model) continue;
        if (!LoadModel(model)) return;
        host.StopCue();
        host.PlayEffect("B100");
        char cue[32];
        std::snprintf(cue, sizeof cue, "%d-0%d", model, 1);
        host.PlayCue(cue);
        host.Invalidate(l.canvas);
        host.Invalidate(l.view);
        if (tool == &adjust) host.Invalidate(l.toolPanel);
    }
}

// The painting that goes is kept first; the host marks the new one as kept.
bool PaintWorkshop::LoadModel(int32_t model) {
    if (!KeepPainting()) return false;
    EndStrokes();
    host.ReloadModel(model);
    ShowNewPainting();
    return true;
}

// A held stroke's brush points into the texture about to go: it ends first.
void PaintWorkshop::EndStrokes() {
    pencil.PutDown(context);
    spray.PutDown(context);
    eraser.PutDown(context);
    flags.hold = Hold::none;
    undoAvailable = false;
}

// The view holds a new painting: the colour adjustment starts afresh and the 3D pane clean.
void PaintWorkshop::ShowNewPainting() {
    shownModel = host.ModelNumber();
    DrawBackdropIntoGl();
    host.View().paintTarget.fullRedraw = true;
    ClearGlDepth();
    adjust.Reset();
    previewRefresh = true;
}

void PaintWorkshop::PressToolButtons(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    for (int32_t k = 1; k <= kToolCount; ++k) {
        const Tool kind = static_cast<Tool>(k);
        if (!ToolButton(l, kind).Contains(x, y)) continue;
        SelectTool(kind);
        labelPage = k;
        if (kind != Tool::pencil) flags.directPaint = true;
        host.Invalidate(ToolButton(l, kind));
        host.Invalidate(l.toolLabel);
        // The new tool's panel replaces the old one.
        host.Invalidate(l.toolPanel);
    }
}

void PaintWorkshop::PressPanel(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    tool->PressPanel(context, x, y);
    const bool out = l.docout.Contains(x, y), in = l.docin.Contains(x, y);
    if (out || in) {
        SetPressed(out ? Pressed::docOut : Pressed::docIn);
        armed = true;
        flags.directPaint = true;
        host.Invalidate(out ? l.docout : l.docin);
    }
}

void PaintWorkshop::PressViewModes(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    if (l.zoom.Contains(x, y)) {
        SetPressed(pressed == Pressed::zoomIn ? Pressed::zoomOut : Pressed::zoomIn);
        host.Invalidate(l.zoom);
    }
    if (l.move.Contains(x, y)) {
        SetPressed(Pressed::move);
        host.Invalidate(l.move);
    }
    if (l.rote.Contains(x, y)) {
        SetPressed(Pressed::rotate);
        host.Invalidate(l.rote);
    }
    if (l.undo.Contains(x, y) && undoAvailable) Undo();
}

// Puts back the texture as it was before the last painting press.
void PaintWorkshop::Undo() {
    host.View().RestoreUndoSnapshot();
    ++flags.textureEdits;
    armed = true;
    flags.directPaint = true;
    SetPressed(Pressed::undo);
    undoAvailable = false;
    const ScreenLayout& l = host.Layout();
    host.Invalidate(l.undo);
    host.Invalidate(l.canvas);
    host.Invalidate(l.view);
}

bool PaintWorkshop::SkinTexel(int32_t x, int32_t y) {
    const Rect& canvas = host.Layout().canvas;
    if (!canvas.Contains(x, y)) return false;
    PaintTarget& t = host.View().paintTarget;
    MapSkinPoint(PlaceSkin(host.View(), canvas), x, y, t.texelX, t.texelY);
    return true;
}

// On a hit the paint target holds the texel.
bool PaintWorkshop::ModelTexel(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    GlSurface* gl = host.Gl();
    if (!l.view.Contains(x, y) || gl == nullptr) return false;
    return host.View().Pick(*gl, l.view, l.viewGl, x, y, gl->Height());
}

// A painting press on either pane: the undo copy is taken, then the tool paints.
void PaintWorkshop::PressPanes(int32_t x, int32_t y) {
    const bool onSkin = SkinTexel(x, y);
    const bool onModel = !onSkin && ModelTexel(x, y);
    if (!onSkin && !onModel) return;
    View3D& v = host.View();
    v.TakeUndoSnapshot();
    undoAvailable = true;
    tool->Press(context, v.paintTarget.texelX, v.paintTarget.texelY, onModel);
    if (onModel) host.Invalidate(host.Layout().view);
}

void PaintWorkshop::SwapPanes() {
    ScreenLayout& l = host.EditLayout();
    std::swap(l.canvas, l.view);
    std::swap(l.canvasGl, l.viewGl);
    View3D& v = host.View();
    v.CentreCanvas();
    // The 3D surface still holds the model where the old pane was: start the new pane clean.
    DrawBackdropIntoGl();
    ClearGlDepth();
    v.paintTarget.fullRedraw = true;
    host.Invalidate(l.canvas);
    host.Invalidate(l.view);
}
