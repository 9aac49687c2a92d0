// Icons: the symbols of the buttons, drawn with cairo in a square box so one drawing serves
// every button size.
#pragma once

#include <cairo.h>

enum class Icon {
    pencil, spray, stamp, eraser, colourWheel, printer, zoomIn, zoomOut, hand, rotate, undo,
    openFolder, save, swap, film, brush, door, first, previous, play, stop, next, last,
    arrowUp, arrowDown, close, back, trash, plane,
};

// Draws the icon centred on (cx, cy) in a box of size by size pixels.
void DrawIcon(cairo_t* cr, Icon icon, double cx, double cy, double size);
