// StampKit: the few strokes every stamp is drawn with, on a 100 by 100 grid: bright fills with
// the program's dark outline, so a stamp reads on any skin colour.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "Paint.h"
#include "Scenes.h"

namespace stampkit {

using Draw = void (*)(cairo_t*);
inline constexpr double outline = 4;

// Fills the current path and outlines it; the path is cleared.
inline void Fill(cairo_t* cr, uint32_t colour) {
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    Outline(cr, outline, colours::ink);
    cairo_new_path(cr);
}

// A dot with no outline: eyes, spots, shine.
inline void Dot(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha = 1) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

inline void Circle(cairo_t* cr, double x, double y, double r, uint32_t colour) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    Fill(cr, colour);
}

inline void EllipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

inline void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, uint32_t colour) {
    EllipsePath(cr, x, y, rx, ry);
    Fill(cr, colour);
}

// A closed polygon through x0, y0, x1, y1, ...
inline void Poly(cairo_t* cr, std::initializer_list<double> xy, uint32_t colour) {
    const double* p = xy.begin();
    cairo_new_sub_path(cr);
    for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
    Fill(cr, colour);
}

inline void Box(cairo_t* cr, double x, double y, double w, double h, double r, uint32_t colour) {
    RoundedRect(cr, x, y, w, h, r);
    Fill(cr, colour);
}

// A round-capped stroke through the points.
inline void Line(cairo_t* cr, std::initializer_list<double> xy, double width,
                 uint32_t colour = colours::ink) {
    const double* p = xy.begin();
    for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColour(cr, colour);
    cairo_stroke(cr);
}

// A smooth path through the points (a Catmull-Rom curve), left open.
inline void Through(cairo_t* cr, std::initializer_list<double> xy) {
    const double* p = xy.begin();
    const size_t n = xy.size() / 2;
    auto at = [&](size_t i, int k) { return p[2 * (i < n ? i : n - 1) + k]; };
    cairo_move_to(cr, p[0], p[1]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const size_t a = i == 0 ? 0 : i - 1;
        cairo_curve_to(cr, at(i, 0) + (at(i + 1, 0) - at(a, 0)) / 6, at(i, 1) + (at(i + 1, 1) - at(a, 1)) / 6,
                       at(i + 1, 0) - (at(i + 2, 0) - at(i, 0)) / 6, at(i + 1, 1) - (at(i + 2, 1) - at(i, 1)) / 6,
                       at(i + 1, 0), at(i + 1, 1));
    }
}

// A thick outlined band along a smooth path: legs, trunks, tails.
inline void Tube(cairo_t* cr, std::initializer_list<double> xy, double width, uint32_t colour) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Through(cr, xy);
    cairo_set_line_width(cr, width + 2 * outline);
    SetColour(cr, colours::ink);
    cairo_stroke(cr);
    Through(cr, xy);
    cairo_set_line_width(cr, width);
    SetColour(cr, colour);
    cairo_stroke(cr);
}

// A smooth closed shape through the points, outlined.
inline void Blob(cairo_t* cr, std::initializer_list<double> xy, uint32_t colour) {
    Through(cr, xy);
    cairo_close_path(cr);
    Fill(cr, colour);
}

// A bow from a to b bulging by `bend` (a smile when positive, left to right).
inline void Bow(cairo_t* cr, double ax, double ay, double bx, double by, double bend, double width,
                uint32_t colour = colours::ink) {
    cairo_move_to(cr, ax, ay);
    cairo_curve_to(cr, ax + (bx - ax) * 0.25, ay + bend, ax + (bx - ax) * 0.75, by + bend, bx, by);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, colour);
    cairo_stroke(cr);
}

// An eye: white with a dark pupil looking along (dx, dy).
inline void Eye(cairo_t* cr, double x, double y, double r, double dx = 0, double dy = 0) {
    Circle(cr, x, y, r, 0xFFFFFF);
    Dot(cr, x + dx * r * 0.35, y + dy * r * 0.35, r * 0.55, colours::ink);
    Dot(cr, x + dx * r * 0.35 - r * 0.2, y + dy * r * 0.35 - r * 0.2, r * 0.18, 0xFFFFFF);
}

// The white gleam that makes a shape look round.
inline void Shine(cairo_t* cr, double x, double y, double r) { Dot(cr, x, y, r, 0xFFFFFF, 0.6); }

// A bold letter or number as an outlined shape, centred on (cx, cy).
void Glyph(cairo_t* cr, const char* text, double size, double cx, double cy, uint32_t colour);

}  // namespace stampkit

// The sixteen drawings of each chooser page.
const stampkit::Draw* AnimalStamps();
const stampkit::Draw* SeaStamps();
const stampkit::Draw* VehicleStamps();
const stampkit::Draw* SkyStamps();
const stampkit::Draw* PlantAndFoodStamps();
const stampkit::Draw* FaceStamps();
const stampkit::Draw* SignStamps();
