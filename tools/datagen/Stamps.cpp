// Stamps: sixteen motifs drawn on a 100 by 100 grid and scaled to the stamp size.
#include "Stamps.h"

#include <cmath>

#include "FaceTable.h"
#include "Paint.h"
#include "Scenes.h"

namespace {

struct Colours {
    uint32_t main;
    uint32_t accent;
};

const Colours kPages[7] = {
    {0xFF5A5F, 0xFFD23F}, {0xFF9F1C, 0x3A86FF}, {0xFFC43D, 0xE63946}, {0x3DC47E, 0xFF8FAB},
    {0x2EC4B6, 0xFF9F1C}, {0x3A86FF, 0xFFE14D}, {0x9B5DE5, 0x00F5D4},
};

void Fill(cairo_t* cr, uint32_t colour) {
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    Outline(cr, 4, colours::ink);
    cairo_new_path(cr);
}

void Dot(cairo_t* cr, double x, double y, double r, uint32_t colour) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void Star(cairo_t* cr, Colours c) {
    StarPath(cr, 50, 54, 5, 44, 20);
    Fill(cr, c.main);
    Dot(cr, 42, 50, 4, colours::ink);
    Dot(cr, 58, 50, 4, colours::ink);
}

void Heart(cairo_t* cr, Colours c) {
    HeartPath(cr, 50, 48, 90);
    Fill(cr, c.main);
    cairo_arc(cr, 34, 32, 8, 0, 2 * M_PI);
    SetColour(cr, 0xFFFFFF, 0.6);
    cairo_fill(cr);
}

void Flower(cairo_t* cr, Colours c) {
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        cairo_arc(cr, 50 + 26 * std::cos(a), 50 + 26 * std::sin(a), 18, 0, 2 * M_PI);
        Fill(cr, c.main);
    }
    cairo_arc(cr, 50, 50, 16, 0, 2 * M_PI);
    Fill(cr, c.accent);
}

void Sun(cairo_t* cr, Colours c) {
    StarPath(cr, 50, 50, 12, 46, 30);
    Fill(cr, c.accent);
    cairo_arc(cr, 50, 50, 28, 0, 2 * M_PI);
    Fill(cr, c.main);
    cairo_arc(cr, 50, 54, 12, 0.15 * M_PI, 0.85 * M_PI);
    Outline(cr, 4, colours::ink);
    cairo_new_path(cr);
    Dot(cr, 41, 44, 4, colours::ink);
    Dot(cr, 59, 44, 4, colours::ink);
}

void Cloud(cairo_t* cr, Colours c) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 30, 60, 20, M_PI / 2, 3 * M_PI / 2);
    cairo_arc(cr, 46, 38, 22, M_PI, 1.9 * M_PI);
    cairo_arc(cr, 70, 48, 20, 1.3 * M_PI, 2.5 * M_PI);
    cairo_close_path(cr);
    Fill(cr, Shade(c.main, 0.7));
    const double drops[][2] = {{30, 90}, {50, 94}, {70, 90}};
    for (const auto& d : drops) Dot(cr, d[0], d[1], 5, c.main);
}

void Moon(cairo_t* cr, Colours c) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 50, 42, 0.35 * M_PI, 1.65 * M_PI);
    cairo_arc_negative(cr, 66, 42, 34, 1.5 * M_PI, 0.6 * M_PI);
    cairo_close_path(cr);
    Fill(cr, c.accent);
    StarPath(cr, 80, 76, 5, 12, 5);
    Fill(cr, c.main);
}

void Fish(cairo_t* cr, Colours c) {
    cairo_move_to(cr, 8, 50);
    cairo_curve_to(cr, 30, 16, 70, 16, 80, 50);
    cairo_curve_to(cr, 70, 84, 30, 84, 8, 50);
    cairo_close_path(cr);
    Fill(cr, c.main);
    cairo_move_to(cr, 76, 50);
    cairo_line_to(cr, 96, 30);
    cairo_line_to(cr, 96, 70);
    cairo_close_path(cr);
    Fill(cr, c.accent);
    Dot(cr, 26, 44, 5, colours::ink);
}

void Butterfly(cairo_t* cr, Colours c) {
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, 50, 50);
        cairo_scale(cr, side, 1);
        cairo_arc(cr, 22, -16, 22, 0, 2 * M_PI);
        Fill(cr, c.main);
        cairo_arc(cr, 20, 22, 16, 0, 2 * M_PI);
        Fill(cr, c.accent);
        cairo_restore(cr);
    }
    RoundedRect(cr, 44, 18, 12, 64, 6);
    Fill(cr, colours::ink);
}

void Balloon(cairo_t* cr, Colours c) {
    cairo_move_to(cr, 50, 74);
    cairo_curve_to(cr, 40, 84, 60, 90, 50, 98);
    Outline(cr, 3, colours::ink);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 50, 40);
    cairo_scale(cr, 0.85, 1);
    cairo_arc(cr, 0, 0, 36, 0, 2 * M_PI);
    cairo_restore(cr);
    Fill(cr, c.main);
    cairo_arc(cr, 40, 26, 7, 0, 2 * M_PI);
    SetColour(cr, 0xFFFFFF, 0.6);
    cairo_fill(cr);
}

void Rainbow(cairo_t* cr, Colours) {
    const uint32_t bands[] = {0xE63946, 0xFF9F1C, 0xFFD23F, 0x3DC47E, 0x3A86FF, 0x9B5DE5};
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, 50, 78, 46 - i * 6, M_PI, 2 * M_PI);
        SetColour(cr, bands[i]);
        cairo_set_line_width(cr, 6.5);
        cairo_stroke(cr);
    }
}

void Ladybug(cairo_t* cr, Colours c) {
    cairo_arc(cr, 50, 22, 14, 0, 2 * M_PI);
    Fill(cr, colours::ink);
    cairo_arc(cr, 50, 56, 36, 0, 2 * M_PI);
    Fill(cr, c.main);
    cairo_move_to(cr, 50, 20);
    cairo_line_to(cr, 50, 92);
    Outline(cr, 4, colours::ink);
    cairo_new_path(cr);
    const double spots[][2] = {{34, 46}, {66, 46}, {32, 68}, {68, 68}};
    for (const auto& s : spots) Dot(cr, s[0], s[1], 7, colours::ink);
}

void Smiley(cairo_t* cr, Colours c) {
    cairo_arc(cr, 50, 50, 44, 0, 2 * M_PI);
    Fill(cr, c.accent);
    Dot(cr, 36, 40, 6, colours::ink);
    Dot(cr, 64, 40, 6, colours::ink);
    cairo_arc(cr, 50, 54, 22, 0.15 * M_PI, 0.85 * M_PI);
    Outline(cr, 6, colours::ink);
    cairo_new_path(cr);
    Dot(cr, 26, 60, 7, Shade(c.main, 0.3));
    Dot(cr, 74, 60, 7, Shade(c.main, 0.3));
}

void Note(cairo_t* cr, Colours c) {
    cairo_move_to(cr, 36, 76);
    cairo_line_to(cr, 36, 16);
    cairo_line_to(cr, 80, 8);
    cairo_line_to(cr, 80, 66);
    Outline(cr, 8, colours::ink);
    cairo_new_path(cr);
    cairo_arc(cr, 26, 78, 14, 0, 2 * M_PI);
    Fill(cr, c.main);
    cairo_arc(cr, 70, 68, 14, 0, 2 * M_PI);
    Fill(cr, c.main);
}

void Leaf(cairo_t* cr, Colours c) {
    cairo_move_to(cr, 12, 88);
    cairo_curve_to(cr, 10, 30, 50, 8, 92, 8);
    cairo_curve_to(cr, 92, 50, 70, 90, 12, 88);
    cairo_close_path(cr);
    Fill(cr, c.main);
    cairo_move_to(cr, 12, 88);
    cairo_line_to(cr, 70, 30);
    Outline(cr, 3, Shade(c.main, -0.4));
    cairo_new_path(cr);
}

void PlaneStamp(cairo_t* cr, Colours c) {
    DrawIcon(cr, Icon::plane, 50, 50, 92);
    Dot(cr, 20, 82, 6, c.main);
    Dot(cr, 32, 90, 4, c.accent);
}

void Rocket(cairo_t* cr, Colours c) {
    cairo_move_to(cr, 50, 4);
    cairo_curve_to(cr, 72, 24, 70, 60, 64, 76);
    cairo_line_to(cr, 36, 76);
    cairo_curve_to(cr, 30, 60, 28, 24, 50, 4);
    cairo_close_path(cr);
    Fill(cr, c.main);
    cairo_arc(cr, 50, 36, 9, 0, 2 * M_PI);
    Fill(cr, 0x90E0EF);
    cairo_move_to(cr, 40, 78);
    cairo_line_to(cr, 50, 98);
    cairo_line_to(cr, 60, 78);
    cairo_close_path(cr);
    Fill(cr, c.accent);
}

using Motif = void (*)(cairo_t*, Colours);
const Motif kMotifs[16] = {Star,   Heart,   Flower, Sun,      Cloud, Moon,       Fish, Butterfly,
                           Balloon, Rainbow, Ladybug, Smiley, Note, PlaneStamp, Rocket, Leaf};

}  // namespace

void DrawStamp(cairo_t* cr, int number) {
    const int index = (number - 1) % stampCount;
    cairo_save(cr);
    cairo_scale(cr, stampSide / 100.0, stampSide / 100.0);
    // Keep the outline inside the picture, so the mask never touches the border.
    cairo_translate(cr, 4, 4);
    cairo_scale(cr, 0.92, 0.92);
    kMotifs[index % 16](cr, kPages[index / 16]);
    cairo_restore(cr);
}
