// The workshop's painting: the back buffer, the controls in their designed order, the skin
// pane and the 3D pane.
#include "workshop/PaintWorkshop.h"

#include "graphics/DibDrawing.h"
#include "platform/Window.h"
#include "shell/Controller.h"
#include "workshop/SkinCanvas.h"
#include "workshop/ToolPanels.h"

PaintWorkshop::PaintWorkshop(Controller& controller) : c(controller) {
    pictures.Load(c.faceDir);
}

std::unique_ptr<Screen> MakeWorkshopScreen(Controller& controller) {
    return std::make_unique<PaintWorkshop>(controller);
}

bool PaintWorkshop::ViewModeActive() const {
    return c.pressed == kPressedZoomIn || c.pressed == kPressedZoomOut ||
           c.pressed == kPressedMove || c.pressed == kPressedRotate ||
           c.pressed == kPressedStampChooser;
}

void PaintWorkshop::Paint(const Rect& update) {
    const ScreenLayout& l = c.Layout();
    int32_t cx = 0, cy = 0;
    const bool cursorKnown = c.window.CursorPosition(cx, cy);
    const bool panning = c.pressed == kPressedMove && cursorKnown && l.canvas.Contains(cx, cy);
    Rect part;
    if (c.dragActive == 0 && c.directPaint == 0 && !panning) {
        if (Intersect(update, l.Screen, part))
            (void)c.clientDc.BitBlt(part.left, part.top, part.Width(), part.Height(), c.memDc,
                                    part.left - l.Screen.left, part.top - l.Screen.top);
    } else {
        c.directPaint = 0;
    }
    DrawControls(update);
    if (c.printFlag == 0) DrawPanes(update);
}

void PaintWorkshop::DrawPanes(const Rect& update) {
    const ScreenLayout& l = c.Layout();
    const bool covered = c.pressed == kPressedStampChooser || c.tool == 7;
    if (!covered && Meets(update, l.canvas))
        DrawSkin(*c.view3d, l.canvas, update, c.clientDc, c.memDc, l.Screen.left, l.Screen.top);
    if (c.glSurface) {
        const Rect& gl = l.viewGl;
        c.glSurface->SetViewport({gl.left, gl.top, gl.right - gl.left, gl.bottom - gl.top});
        // The last rendered model stands in the pane until the next tick renders it anew.
        Rect pane;
        if (!covered && Intersect(update, l.view, pane))
            (void)c.glSurface->CopyToWindow(pane.left, pane.top, pane, c.clientDc);
    }
    if (!ViewModeActive() || c.pressed == kPressedRotate)
        if (c.tool != 7) c.previewRefresh = 1;
}

void PaintWorkshop::DrawToolButtons(const Rect& update) {
    static const Rect ScreenLayout::*const kButtons[6] = {
        &ScreenLayout::pencil, &ScreenLayout::gush,   &ScreenLayout::picture,
        &ScreenLayout::erase,  &ScreenLayout::adjust, &ScreenLayout::print};
    for (int32_t k = 1; k <= 6; ++k) {
        const Dib& picture = c.tool == k ? pictures.tb[size_t(k)] : pictures.ta[size_t(k)];
        (void)DrawControl(picture, c.clientDc, c.Layout().*kButtons[k - 1], update);
    }
    DrawToolPanel(c, pictures, update);
}

void PaintWorkshop::DrawModeButtons(const Rect& update) {
    const ScreenLayout& l = c.Layout();
    auto& ia = pictures.ia;
    auto& ib = pictures.ib;
    const Dib& zoom = c.pressed == kPressedZoomIn    ? ib[3]
                      : c.pressed == kPressedZoomOut ? ib[9]
                                                     : ia[3];
    (void)DrawControl(zoom, c.clientDc, l.zoom, update);
    (void)DrawControl(c.pressed == kPressedMove ? ib[4] : ia[4], c.clientDc, l.move, update);
    (void)DrawControl(c.pressed == kPressedRotate ? ib[5] : ia[5], c.clientDc, l.rote, update);
    (void)DrawControl(c.armed == 1 && c.pressed == kPressedUndo ? ib[6] : ia[6], c.clientDc,
                      l.undo, update);
}

void PaintWorkshop::DrawControls(const Rect& update) {
    const ScreenLayout& l = c.Layout();
    Surface& dc = c.clientDc;
    DrawToolButtons(update);
    DrawModeButtons(update);
    auto& cb = pictures.columnButtons;
    (void)DrawControl(c.armed == 1 && c.pressed == kPressedModelUp ? cb[2] : cb[1], dc,
                      l.modelUp, update);
    (void)DrawControl(c.armed == 1 && c.pressed == kPressedModelDown ? cb[4] : cb[3], dc,
                      l.modelDown, update);
    if (c.pressed == kPressedDocOut) (void)DrawControl(pictures.ia[1], dc, l.docout, update);
    if (c.pressed == kPressedDocIn) (void)DrawControl(pictures.ia[2], dc, l.docin, update);
    if (c.pressed == kPressedExit) (void)DrawControl(pictures.exitPressed, dc, l.exit, update);
    (void)DrawControl(pictures.ib[7], dc, l.diy, update);
    (void)DrawControl(pictures.ia[8], dc, l.mov, update);
    if (c.pressed == kPressedStampChooser && Meets(update, l.stampBox))
        chooser.Paint(c, pictures, update);
    if (c.modelListTop >= 0 && c.modelListTop <= 8)
        (void)DrawControl(pictures.column[size_t(c.modelListTop + 1)], dc, l.modelColumn, update);
    // The works box (tool 7) arrives with the saved works.
    (void)DrawControl(c.demo.GuideFrame(1), dc, l.help, update);
    const bool chinese = !c.language.empty() && c.language[0] == 'c';
    (void)DrawControl(chinese ? pictures.chineseLabel : pictures.englishLabel, dc,
                      l.languageLabel, update);
    if (Meets(update, l.vol)) c.volumeBar.Draw(dc, l.vol, c.sound.get());
    if (c.panelPage >= 1 && c.panelPage <= 6)
        (void)DrawControl(pictures.toolLabels[size_t(c.panelPage)], dc, l.toolLabel, update);
}
