// Stamps: the 112 pictures of the stamp chooser, sixteen motifs on each of seven pages, each
// page in its own colours; the mask of a stamp is its drawing's coverage.
#pragma once

#include <cairo.h>

// Draws stamp `number` (1 to 112) on a stampSide by stampSide picture at the origin.
void DrawStamp(cairo_t* cr, int number);
