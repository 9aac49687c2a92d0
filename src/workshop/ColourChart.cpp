// The colour chart: the colour is read back from the window, so whatever the chart shows is
// what the child gets.
#include "graphics/DibDrawing.h"
#include "shell/Controller.h"
#include "workshop/ToolPanels.h"
#include "workshop/WorkshopPictures.h"

uint32_t ColourRefOf(uint32_t windowPixel) {
    return ((windowPixel & 0xFF) << 16) | (windowPixel & 0xFF00) | ((windowPixel >> 16) & 0xFF);
}

uint32_t WindowPixelOf(uint32_t colourRef) { return ColourRefOf(colourRef); }

void DrawChartMarker(Controller& c, const WorkshopPictures& p, int32_t x, int32_t y,
                     const Rect& clip) {
    if (p.marker.IsEmpty()) return;
    const Rect at{x - p.marker.Width() / 2, y - p.marker.Height() / 2,
                  x - p.marker.Width() / 2 + p.marker.Width(),
                  y - p.marker.Height() / 2 + p.marker.Height()};
    Rect part;
    if (!Intersect(at, clip, part)) return;
    (void)c.clientDc.BitBlt(part.left, part.top, part.Width(), part.Height(), p.marker,
                            part.left - at.left, part.top - at.top, Rop::Invert);
}

void PickColour(Controller& c, const WorkshopPictures& p, int32_t x, int32_t y) {
    const Rect everywhere = c.clientDc.Bounds();
    DrawChartMarker(c, p, c.pickX, c.pickY, everywhere);  // takes the old marker away
    c.paintColour = ColourRefOf(c.clientDc.PixelAt(x, y));
    c.pickX = x;
    c.pickY = y;
    DrawChartMarker(c, p, x, y, everywhere);
    c.Invalidate(c.Layout().colourSwatch);
}
