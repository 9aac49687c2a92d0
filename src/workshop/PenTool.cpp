// The pen panel: the colour chart (the colour is read back from the window, so whatever the
// chart shows is what the child gets), the thickness and the opacity sliders.
#include "workshop/PenTool.h"

#include <algorithm>

#include "workshop/PanelKnobs.h"
#include "workshop/WorkshopPictures.h"

namespace {

constexpr TipRow kPenTips[] = {
    {21, "colortrans", "colortrans"}, {22, "thick", "thick"}, {23, "choosecolor", "choosecolor"}};

void PickColour(ToolContext& c, PenSettings& pen, int32_t x, int32_t y) {
    const Rect everywhere = c.Device().Bounds();
    DrawChartMarker(c, pen.pickX, pen.pickY, everywhere);  // takes the old marker away
    pen.colour = ColourRefOf(c.Device().PixelAt(x, y));
    pen.pickX = x;
    pen.pickY = y;
    DrawChartMarker(c, x, y, everywhere);
    c.Invalidate(c.Layout().colourSwatch);
}

}  // namespace

uint32_t ColourRefOf(uint32_t windowPixel) {
    return ((windowPixel & 0xFF) << 16) | (windowPixel & 0xFF00) | ((windowPixel >> 16) & 0xFF);
}

uint32_t WindowPixelOf(uint32_t colourRef) { return ColourRefOf(colourRef); }

int32_t ThicknessAt(const ScreenLayout& l, int32_t y) {
    return (l.thick.bottom - y) * 24 / l.thick.Height();
}

int32_t OpacityAt(const ScreenLayout& l, int32_t y) {
    return (l.colortrans.bottom - y) * 255 / l.colortrans.Height();
}

void DrawChartMarker(ToolContext& c, int32_t x, int32_t y, const Rect& clip) {
    const Surface& marker = c.pictures.marker;
    if (marker.IsEmpty()) return;
    const Rect at{x - marker.Width() / 2, y - marker.Height() / 2,
                  x - marker.Width() / 2 + marker.Width(), y - marker.Height() / 2 + marker.Height()};
    Rect part;
    if (!Intersect(at, clip, part)) return;
    c.Device().BitBlt(part.left, part.top, part.Width(), part.Height(), marker,
                            part.left - at.left, part.top - at.top, Rop::Invert);
}

void PenTool::DrawPanel(ToolContext& c, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    DrawPanelBackground(c, c.pictures.penPanel, update);
    Rect swatch;
    if (Intersect(l.colourSwatch, update, swatch)) c.Device().Fill(swatch, WindowPixelOf(pen.colour));
    Dib& knob = c.pictures.penKnob;
    DrawKnob(c, knob, l.thick.left,
             l.thick.bottom - knob.Height() / 2 - l.thick.Height() * pen.thickness / 24);
    // Drawn at opacity / 256 while a press sets it by / 255: as designed, so an opacity of 255
    // sits just under the slider's top.
    DrawKnob(c, knob, l.colortrans.left,
             l.colortrans.bottom - l.colortrans.Height() * pen.opacity / 256);
    DrawChartMarker(c, pen.pickX, pen.pickY, update);
}

void PenTool::PressPanel(ToolContext& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (l.choosecolor.Contains(x, y)) PickColour(c, pen, x, y);
    const bool thick = l.thick.Contains(x, y), opacity = l.colortrans.Contains(x, y);
    if (!thick && !opacity) return;
    if (thick) pen.thickness = ThicknessAt(l, y);
    if (opacity) pen.opacity = OpacityAt(l, y);
    DropBrush();
    c.flags.hold = Hold::drag;
    c.ShowSlider(thick ? l.thick : l.colortrans, 5, 10);
}

void PenTool::DragPanel(ToolContext& c, int32_t x, int32_t y) {
    const ScreenLayout& l = c.Layout();
    if (c.flags.hold != Hold::drag) return;
    if (l.thick.Contains(x, y)) {
        pen.thickness = std::max(ThicknessAt(l, y), 1);
        c.ShowSlider(l.thick, 5, 8);
    }
    if (l.colortrans.Contains(x, y)) {
        pen.opacity = OpacityAt(l, y);
        c.ShowSlider(l.colortrans, 5, 10);
    }
}

std::span<const TipRow> PenTool::PanelTips() const { return kPenTips; }
