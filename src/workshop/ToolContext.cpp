// The tools' shared steps.
#include "graphics/View3D.h"
#include "workshop/PaintTool.h"
#include "workshop/SkinCanvas.h"

const Rect& ToolButton(const ScreenLayout& l, Tool tool) {
    switch (tool) {
        case Tool::pencil: return l.pencil;
        case Tool::spray: return l.gush;
        case Tool::stamp: return l.picture;
        case Tool::eraser: return l.erase;
        case Tool::adjust: return l.adjust;
        case Tool::print: return l.print;
    }
    return l.pencil;
}

void ToolContext::ShowTexels(const Rect& texels) {
    if (texels.IsEmpty()) return;
    ++flags.textureEdits;
    PaintTarget& t = View().paintTarget;
    t.dirtyRect = Union(t.dirtyRect, texels);
    Rect shown = TextureToWindow(PlaceSkin(View(), Layout().canvas), texels);
    // Scaling truncates: one more pixel keeps the last partly covered column and row.
    shown.right += 1;
    shown.bottom += 1;
    Rect visible;
    if (Intersect(shown, Layout().canvas, visible)) Invalidate(visible);
}

void ToolContext::ShowSlider(Rect slider, int32_t dx, int32_t dy) {
    slider.Inflate(dx, dy);
    flags.directPaint = true;
    Invalidate(slider);
}
