// Guide: the guide figure in the help area (five animations of three frames) and the blinking
// demonstration pointer.
#pragma once

#include <cairo.h>

// Frame 1 to 15 in design coordinates at help: animation k holds frames 3k - 2 to 3k.
// 1 talking, 2 pointing left, 3 pointing up, 4 pointing down, 5 waving.
void DrawGuide(cairo_t* cr, int frame);
// The pointer at the origin, its tip at the top-left corner; phase 1 or 2 of the blink.
void DrawPointerSign(cairo_t* cr, int phase);
