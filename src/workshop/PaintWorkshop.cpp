// The workshop's set-up, its painting (the back buffer, the controls in their designed order,
// the skin pane and the 3D pane), its timer steps, its cursors and what the tours ask of it.
#include "workshop/PaintWorkshop.h"

#include "graphics/DibDrawing.h"
#include "graphics/View3D.h"
#include "platform/GlSurface.h"
#include "tours/GuidedDemo.h"
#include "workshop/SkinCanvas.h"

namespace {

constexpr TipRow kWorkshopTips[] = {
    {1, "diy", "diy"},         {2, "mov", "mov"},         {4, "docout", "docout"},
    {5, "docin", "docin"},     {6, "vol", "vol"},         {7, "zoom", "zoom"},
    {8, "move", "move"},       {9, "rote", "rote"},       {10, "undo", "undo"},
    {11, "change", "change"},  {12, "pencil", "pencil"},  {13, "gush", "gush"},
    {14, "picture", "picture"}, {15, "erase", "erase"},   {16, "adjust", "adjust"},
    {17, "print", "print"},    {18, "help", "help"},      {19, "exit", "exit"},
    {31, "sprite", "ModelPick1"}, {32, "sprite", "ModelPick2"}, {33, "sprite", "ModelPick3"},
    {34, "roleup", "modelUp"}, {35, "roledn", "modelDown"},
};

}  // namespace

bool StepCanvasZoom(float& zoom, bool in) {
    // The bound is tested before the step, so the last step may pass it by up to 0.1.
    if (in && zoom < 3.0f) {
        zoom += 0.1f;
        return true;
    }
    if (!in && zoom > 0.5f) {
        zoom -= 0.1f;
        return true;
    }
    return false;
}

PaintWorkshop::PaintWorkshop(ScreenHost& h) : host(h), shelf(h.Files(), h.Paths().saveDir) {
    const InstallPaths& paths = host.Paths();
    pictures.Load(paths.faceDir);
    works.LoadPictures(paths.faceDir);
    shelf.Tidy();
    stamp.LoadFirstStamp(paths.picLibDir);
    backdrop = Dib::LoadFromFile(paths.faceDir + "paintbk.bmp");
    marginColour = EdgeColour(backdrop, kCalmMargin);
    if (!backdrop.IsEmpty()) {
        DrawAt(backdrop, host.BackBuffer(), host.Layout().DesignScreen, false,
                     host.DisplayWidth(), host.DisplayHeight());
        DrawBackdropIntoGl();
    }
    pen.pickX = host.Layout().choosecolor.left;
    pen.pickY = host.Layout().choosecolor.bottom;
    PaintingLoaded();
    shownModel = host.ModelNumber();
}

PaintWorkshop::~PaintWorkshop() = default;

Rect PaintWorkshop::CoveredArea() const {
    return works.IsOpen() ? host.Layout().worksBox : Rect{};
}

// Coming back from the flight screen: its backdrop is in the back buffer, and it may have
// loaded another model.
void PaintWorkshop::Enter() {
    if (!backdrop.IsEmpty())
        DrawAt(backdrop, host.BackBuffer(), host.Layout().DesignScreen, false,
                     host.DisplayWidth(), host.DisplayHeight());
    // The flight screen reloaded the model: the new painting is shown afresh.
    if (host.ModelNumber() != shownModel) {
        EndStrokes();
        ShowNewPainting();
    }
    ShowTips();
}

void PaintWorkshop::ShowTips() {
    host.ShowTips(kWorkshopTips);
    host.ShowPanelTips(works.IsOpen() ? WorksBox::Tips() : tool->PanelTips());
}

PaintTool& PaintWorkshop::ToolOf(Tool kind) {
    switch (kind) {
        case Tool::pencil: return pencil;
        case Tool::spray: return spray;
        case Tool::stamp: return stamp;
        case Tool::eraser: return eraser;
        case Tool::adjust: return adjust;
        case Tool::print: return print;
    }
    return pencil;
}

void PaintWorkshop::SelectTool(Tool kind) {
    if (kind == tool->Kind()) return;
    tool->PutDown(context);
    tool = &ToolOf(kind);
}

void PaintWorkshop::SetPressed(Pressed next) {
    if (next != Pressed::none && stamp.ChooserOpen()) stamp.CloseChooser(context);
    pressed = next;
}

bool PaintWorkshop::ChooserShown() const { return tool == &stamp && stamp.ChooserOpen(); }

bool PaintWorkshop::ViewModeActive() const {
    return pressed == Pressed::zoomIn || pressed == Pressed::zoomOut || pressed == Pressed::move ||
           pressed == Pressed::rotate;
}

bool PaintWorkshop::HasPaintTarget() {
    const View3D& v = host.View();
    return v.paintTarget.textureBlock != nullptr && v.texture.Width() == View3D::kTextureSide &&
           v.texture.Height() == View3D::kTextureSide;
}

void PaintWorkshop::Paint(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    int32_t cx = 0, cy = 0;
    const bool cursorKnown = host.CursorPosition(cx, cy);
    const bool panning = pressed == Pressed::move && cursorKnown && l.canvas.Contains(cx, cy);
    const bool direct = flags.hold != Hold::none || flags.directPaint || panning;
    Rect part;
    if ((!direct || flags.restoreBackdrop) && Intersect(update, l.Screen, part))
        host.WindowDevice().BitBlt(part.left, part.top, part.Width(), part.Height(),
                                         host.BackBuffer(), part.left - l.Screen.left,
                                         part.top - l.Screen.top);
    if (direct) flags.directPaint = false;
    flags.restoreBackdrop = false;
    DrawControls(update);
    if (!printing) DrawPanes(update);
}

void PaintWorkshop::DrawPanes(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    const bool covered = ChooserShown() || works.IsOpen();
    Surface& device = host.WindowDevice();
    if (!covered && Meets(update, l.canvas))
        DrawSkin(host.View(), l.canvas, update, device, host.BackBuffer(), l.Screen.left,
                 l.Screen.top);
    // The last rendered model stands in the pane until the next tick renders it anew.
    Rect pane;
    if (GlSurface* gl = host.Gl(); gl != nullptr && !covered && Intersect(update, l.view, pane))
        gl->CopyToWindow(pane.left, pane.top, pane, device);
    if (!works.IsOpen() && (!PaintingBlocked() || pressed == Pressed::rotate))
        previewRefresh = true;
}

void PaintWorkshop::DrawToolButtons(const Rect& update) {
    // While the works box is open no tool is chosen and no panel shows.
    const int32_t current = works.IsOpen() ? 0 : NumberOf(tool->Kind());
    for (int32_t k = 1; k <= kToolCount; ++k) {
        const Tool kind = static_cast<Tool>(k);
        const Dib& picture =
            current == k ? pictures.toolButtonsPressed[kind] : pictures.toolButtons[kind];
        DrawControl(picture, host.WindowDevice(), ToolButton(host.Layout(), static_cast<Tool>(k)), update);
    }
    if (works.IsOpen() || !Meets(host.Layout().toolPanel, update)) return;
    tool->DrawPanel(context, update);
}

void PaintWorkshop::DrawModeButtons(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    Surface& dc = host.WindowDevice();
    const WorkshopPictures& p = pictures;
    const Dib& zoom = pressed == Pressed::zoomIn    ? p.zoomInPressed
                      : pressed == Pressed::zoomOut ? p.zoomOutPressed
                                                    : p.zoom;
    DrawControl(zoom, dc, l.zoom, update);
    DrawControl(pressed == Pressed::move ? p.movePressed : p.move, dc, l.move, update);
    DrawControl(pressed == Pressed::rotate ? p.rotatePressed : p.rotate, dc, l.rote, update);
    DrawControl(armed && pressed == Pressed::undo ? p.undoPressed : p.undo, dc, l.undo,
                      update);
}

void PaintWorkshop::DrawControls(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    Surface& dc = host.WindowDevice();
    DrawToolButtons(update);
    DrawModeButtons(update);
    auto& cb = pictures.columnButtons;
    DrawControl(armed && pressed == Pressed::modelUp ? cb[2] : cb[1], dc, l.modelUp, update);
    DrawControl(armed && pressed == Pressed::modelDown ? cb[4] : cb[3], dc, l.modelDown,
                      update);
    if (pressed == Pressed::docOut) DrawControl(pictures.docOutPressed, dc, l.docout, update);
    if (pressed == Pressed::docIn) DrawControl(pictures.docInPressed, dc, l.docin, update);
    DrawControl(pictures.diy, dc, l.diy, update);
    DrawControl(pictures.flight, dc, l.mov, update);
    if (tool == &stamp) stamp.PaintChooser(context, update);
    if (modelListTop >= 0 && modelListTop <= 8)
        DrawControl(pictures.column[size_t(modelListTop + 1)], dc, l.modelColumn, update);
    if (works.IsOpen()) works.Paint(update, backdrop);
    DrawControl(host.Tours().GuideFrame(1), dc, l.help, update);
    const bool chinese = host.ChildLanguage() == Language::chinese;
    DrawControl(chinese ? pictures.chineseLabel : pictures.englishLabel, dc, l.languageLabel,
                      update);
    if (labelPage >= 1 && labelPage <= kToolCount)
        DrawControl(pictures.toolLabels[size_t(labelPage)], dc, l.toolLabel, update);
}

void PaintWorkshop::Tick(int id, bool /*touring*/) {
    if (id != 2) return;
    StepZoom();
    if (adjust.RecolourPending()) adjust.StepRecolour(context);
    const bool viewHeld =
        pressed == Pressed::zoomIn || pressed == Pressed::zoomOut || pressed == Pressed::move;
    // Under an open box the pane waits: a render would be copied over the box.
    if (previewRefresh && !viewHeld && !ChooserShown() && !works.IsOpen() && !printing)
        RefreshPreview();
}

// The zoom keeps stepping while the zoom mode is held and the last press lies in the canvas.
void PaintWorkshop::StepZoom() {
    if (pressed != Pressed::zoomIn && pressed != Pressed::zoomOut) return;
    if (!host.Layout().canvas.Contains(pressX, pressY)) return;
    if (StepCanvasZoom(host.View().canvasZoom, pressed == Pressed::zoomIn)) {
        flags.hold = Hold::drag;
        host.Invalidate(host.Layout().canvas);
    }
}

namespace {

// The first full render's time decides how the pane keeps up; the refresh tick comes every
// 100 ms, so a render that takes longer cannot follow the pointer.
// From this many ms (and until it is measured) a stroke redraws only the triangles it touched.
constexpr int32_t kPartialStrokeRenderMs = 110;
// From this many ms the model turns at View3D::kTurningScale, which draws fewer pixels.
constexpr int32_t kSmallTurnRenderMs = 111;
// A scale at or below this was the turning one: the full-size model must be drawn on a clean
// backdrop, or the small one would show around it.
constexpr float kDrawnSmallScale = 2.5f;

}  // namespace

// The preview is measured once; a slow machine draws a smaller model while turning. It renders
// only when a paint asked for it: an idle workshop renders nothing.
void PaintWorkshop::RefreshPreview() {
    View3D& v = host.View();
    PaintTarget& t = v.paintTarget;
    t.fullRedraw = true;
    if (flags.hold == Hold::drag)
        t.fullRedraw = renderTime != 0 && renderTime < kPartialStrokeRenderMs;
    if (pressed == Pressed::rotate) {
        if (renderTime != 0 && renderTime >= kSmallTurnRenderMs) v.modelScale = View3D::kTurningScale;
        DrawBackdropIntoGl();
        t.fullRedraw = true;
        ClearGlDepth();
    } else {
        if (v.modelScale <= kDrawnSmallScale) {
            DrawBackdropIntoGl();
            t.fullRedraw = true;
            ClearGlDepth();
        }
        v.modelScale = View3D::kInitialScale;
    }
    if (renderTime == 0 && t.fullRedraw) {
        const uint32_t start = host.Ticks();
        RenderPreview();
        renderTime = static_cast<int32_t>(host.Ticks() - start);
    } else {
        RenderPreview();
    }
    previewRefresh = false;
}

void PaintWorkshop::RenderPreview() {
    GlSurface* gl = host.Gl();
    if (gl == nullptr) return;
    const ScreenLayout& l = host.Layout();
    host.View().Render(*gl, l.viewGl);
    // The partial redraw covers what was painted since the last render; start collecting anew.
    host.View().paintTarget.dirtyRect = {};
    // Drawn outside painting: marked so that the window presents it.
    if (gl->CopyToWindow(l.view.left, l.view.top, l.view, host.WindowDevice()) == 1)
        host.WindowDevice().Touch(l.view);
}

// The workshop backdrop into the 3D surface: what it must hold before the model is drawn afresh.
// Only under the pane, the one part of the surface the workshop shows: on a scaled display the
// surface is finer, and the whole screen's backdrop at each turn of the model would cost more
// than the model.
void PaintWorkshop::DrawBackdropIntoGl() {
    const ScreenLayout& l = host.Layout();
    if (GlSurface* gl = host.Gl(); gl != nullptr && !backdrop.IsEmpty())
        gl->DrawPicture(BgrRowsOf(backdrop), l.view, l.view.left - l.Screen.left,
                              l.view.top - l.Screen.top);
}

// Only the pane is cleared: clearing the whole screen-sized buffer would cost more than the
// render itself.
void PaintWorkshop::ClearGlDepth() {
    if (GlSurface* gl = host.Gl()) gl->ClearDepth(host.Layout().view);
}

CursorId PaintWorkshop::CursorAt(int32_t x, int32_t y, bool touring) const {
    const ScreenLayout& l = host.Layout();
    const bool free = !touring && !ChooserShown() && !works.IsOpen();
    if (free && l.canvas.Contains(x, y)) {
        if (pressed == Pressed::zoomIn) return CursorId::zoomIn;
        if (pressed == Pressed::zoomOut) return CursorId::zoomOut;
        if (pressed == Pressed::move) return CursorId::move;
        const CursorId cursor = tool->PaneCursor();
        return cursor != CursorId::keep ? cursor : CursorId::arrow;
    }
    if (free && l.view.Contains(x, y))
        return pressed == Pressed::rotate ? CursorId::rotate : tool->PaneCursor();
    if (free && tool->SliderAt(l, x, y)) return CursorId::slider;
    return CommonCursor(l, x, y, touring);
}

void PaintWorkshop::ShowToolLabel(int32_t page) { labelPage = page; }

void PaintWorkshop::OpenStampChooser() {
    SelectTool(Tool::stamp);
    stamp.OpenChooser(context);
}

void PaintWorkshop::CloseStampChooser() {
    stamp.CloseChooser(context);
    pressed = Pressed::none;
}

// A release that paints directly (the pencil's, after the press that ended a tour) may come
// before the next paint; the backdrop must still be copied under the tour's pointer.
void PaintWorkshop::RestoreBackdrop(const Rect& /*area*/) { flags.restoreBackdrop = true; }
