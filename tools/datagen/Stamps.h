// Stamps: the 112 pictures of the stamp chooser, seven themed pages of sixteen drawings; the
// mask of a stamp is its drawing's coverage.
#pragma once

#include <cairo.h>

inline constexpr int stampPages = 7;

// Draws stamp `number` (1 to 112) on a stampSide by stampSide picture at the origin.
void DrawStamp(cairo_t* cr, int number);
// The theme of chooser page `page` (0 to 6), for the contact sheet.
[[nodiscard]] const char* StampPageName(int page);
