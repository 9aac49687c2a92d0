// Icons: each symbol is drawn on a 100 by 100 grid, scaled into its box: white and bright
// shapes with a dark outline read well on every button colour.
#include "Icons.h"

#include <cmath>

#include "Paint.h"

namespace {

constexpr uint32_t ink = 0x3A2E5C;
constexpr double line = 6;

void Solid(cairo_t* cr, uint32_t fill) {
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    Outline(cr, line, ink);
    cairo_new_path(cr);
}

void Pencil(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 50, 50);
    cairo_rotate(cr, M_PI / 4);
    RoundedRect(cr, -12, -42, 24, 56, 4);
    Solid(cr, 0xFFD23F);
    cairo_move_to(cr, -12, 14);
    cairo_line_to(cr, 12, 14);
    cairo_line_to(cr, 0, 40);
    cairo_close_path(cr);
    Solid(cr, 0xF6D7A7);
    cairo_move_to(cr, -5, 29);
    cairo_line_to(cr, 5, 29);
    cairo_line_to(cr, 0, 40);
    cairo_close_path(cr);
    Solid(cr, 0xE63946);
    RoundedRect(cr, -12, -46, 24, 12, 4);
    Solid(cr, 0xFF8FAB);
    cairo_restore(cr);
}

void Spray(cairo_t* cr) {
    RoundedRect(cr, 30, 36, 34, 56, 8);
    Solid(cr, 0x4CC9F0);
    RoundedRect(cr, 38, 22, 18, 16, 3);
    Solid(cr, 0xFFFFFF);
    cairo_rectangle(cr, 30, 52, 34, 14);
    Solid(cr, 0xFFD23F);
    SetColour(cr, 0xE63946);
    const double dots[][3] = {{74, 18, 5}, {86, 28, 4}, {80, 40, 5}, {92, 12, 3}, {70, 30, 3}};
    for (const auto& d : dots) {
        cairo_arc(cr, d[0], d[1], d[2], 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void Stamp(cairo_t* cr) {
    RoundedRect(cr, 14, 64, 72, 22, 6);
    Solid(cr, 0xE63946);
    RoundedRect(cr, 30, 50, 40, 16, 4);
    Solid(cr, 0xB5838D);
    cairo_arc(cr, 50, 30, 20, 0, 2 * M_PI);
    Solid(cr, 0xFF9F1C);
    StarPath(cr, 50, 75, 5, 8, 3.5);
    SetColour(cr, 0xFFFFFF);
    cairo_fill(cr);
}

void Eraser(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 50, 52);
    cairo_rotate(cr, -M_PI / 6);
    RoundedRect(cr, -38, -18, 76, 36, 8);
    Solid(cr, 0xFF8FAB);
    RoundedRect(cr, 2, -18, 36, 36, 8);
    Solid(cr, 0x4CC9F0);
    cairo_restore(cr);
}

void ColourWheel(cairo_t* cr) {
    const uint32_t colours[] = {0xE63946, 0xFF9F1C, 0xFFD23F, 0x3DC47E, 0x3A86FF, 0x8E6CEF};
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 50, 50);
        cairo_arc(cr, 50, 50, 40, i * M_PI / 3, (i + 1) * M_PI / 3);
        cairo_close_path(cr);
        SetColour(cr, colours[i]);
        cairo_fill(cr);
    }
    cairo_arc(cr, 50, 50, 40, 0, 2 * M_PI);
    Outline(cr, line, ink);
    cairo_new_path(cr);
    cairo_arc(cr, 50, 50, 13, 0, 2 * M_PI);
    Solid(cr, 0xFFFFFF);
}

void Printer(cairo_t* cr) {
    cairo_rectangle(cr, 28, 12, 44, 30);
    Solid(cr, 0xFFFFFF);
    RoundedRect(cr, 10, 36, 80, 36, 8);
    Solid(cr, 0x8E9AAF);
    cairo_rectangle(cr, 26, 60, 48, 30);
    Solid(cr, 0xFFFFFF);
    SetColour(cr, 0x3DC47E);
    cairo_arc(cr, 78, 46, 4, 0, 2 * M_PI);
    cairo_fill(cr);
    StarPath(cr, 50, 75, 5, 9, 4);
    SetColour(cr, 0xFF9F1C);
    cairo_fill(cr);
}

void Magnifier(cairo_t* cr, bool plus) {
    cairo_move_to(cr, 62, 62);
    cairo_line_to(cr, 88, 88);
    SetColour(cr, ink);
    cairo_set_line_width(cr, 16);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, 42, 42, 28, 0, 2 * M_PI);
    Solid(cr, 0xCFF4FF);
    SetColour(cr, plus ? 0x3DC47E : 0xE63946);
    cairo_set_line_width(cr, 9);
    cairo_move_to(cr, 28, 42);
    cairo_line_to(cr, 56, 42);
    if (plus) {
        cairo_move_to(cr, 42, 28);
        cairo_line_to(cr, 42, 56);
    }
    cairo_stroke(cr);
}

void Hand(cairo_t* cr) {
    const double fingers[][2] = {{28, 30}, {42, 18}, {56, 16}, {70, 24}};
    for (const auto& f : fingers) {
        RoundedRect(cr, f[0] - 7, f[1], 14, 50, 7);
        Solid(cr, 0xFFD6A5);
    }
    RoundedRect(cr, 20, 46, 58, 44, 18);
    Solid(cr, 0xFFD6A5);
    cairo_save(cr);
    cairo_translate(cr, 80, 58);
    cairo_rotate(cr, 0.7);
    RoundedRect(cr, -7, -22, 14, 34, 7);
    Solid(cr, 0xFFD6A5);
    cairo_restore(cr);
}

void ArrowArc(cairo_t* cr, double a0, double a1, uint32_t colour) {
    cairo_arc(cr, 50, 50, 32, a0, a1);
    SetColour(cr, ink);
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cairo_arc(cr, 50, 50, 32, a0, a1);
    SetColour(cr, colour);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    const double x = 50 + 32 * std::cos(a1), y = 50 + 32 * std::sin(a1);
    const double tx = -std::sin(a1), ty = std::cos(a1);  // direction of travel
    const double nx = std::cos(a1), ny = std::sin(a1);
    cairo_move_to(cr, x + tx * 18, y + ty * 18);
    cairo_line_to(cr, x + nx * 14, y + ny * 14);
    cairo_line_to(cr, x - nx * 14, y - ny * 14);
    cairo_close_path(cr);
    Solid(cr, colour);
}

void Rotate(cairo_t* cr) {
    ArrowArc(cr, M_PI * 1.05, M_PI * 1.85, 0x3DC47E);
    ArrowArc(cr, M_PI * 0.05, M_PI * 0.85, 0xFF9F1C);
}

void Undo(cairo_t* cr) {
    cairo_move_to(cr, 30, 40);
    cairo_line_to(cr, 64, 40);
    cairo_curve_to(cr, 92, 40, 92, 82, 64, 82);
    cairo_line_to(cr, 40, 82);
    SetColour(cr, ink);
    cairo_set_line_width(cr, 18);
    cairo_stroke(cr);
    cairo_move_to(cr, 30, 40);
    cairo_line_to(cr, 64, 40);
    cairo_curve_to(cr, 92, 40, 92, 82, 64, 82);
    cairo_line_to(cr, 40, 82);
    SetColour(cr, 0xFFD23F);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 40);
    cairo_line_to(cr, 34, 18);
    cairo_line_to(cr, 34, 62);
    cairo_close_path(cr);
    Solid(cr, 0xFFD23F);
}

void Folder(cairo_t* cr, bool open) {
    cairo_move_to(cr, 10, 26);
    cairo_line_to(cr, 38, 26);
    cairo_line_to(cr, 44, 34);
    cairo_line_to(cr, 84, 34);
    cairo_line_to(cr, 84, 82);
    cairo_line_to(cr, 10, 82);
    cairo_close_path(cr);
    Solid(cr, 0xFFB703);
    if (open) {
        cairo_rectangle(cr, 22, 24, 50, 30);
        Solid(cr, 0xFFFFFF);
        cairo_move_to(cr, 10, 46);
        cairo_line_to(cr, 94, 46);
        cairo_line_to(cr, 84, 82);
        cairo_line_to(cr, 10, 82);
        cairo_close_path(cr);
        Solid(cr, 0xFFD23F);
    }
}

void Save(cairo_t* cr) {
    Folder(cr, false);
    cairo_move_to(cr, 50, 84);
    cairo_line_to(cr, 26, 58);
    cairo_line_to(cr, 40, 58);
    cairo_line_to(cr, 40, 10);
    cairo_line_to(cr, 60, 10);
    cairo_line_to(cr, 60, 58);
    cairo_line_to(cr, 74, 58);
    cairo_close_path(cr);
    Solid(cr, 0x3DC47E);
}

void StraightArrow(cairo_t* cr, double x0, double x1, double y, uint32_t colour) {
    const double dir = x1 > x0 ? 1 : -1;
    cairo_move_to(cr, x0, y - 7);
    cairo_line_to(cr, x1 - dir * 18, y - 7);
    cairo_line_to(cr, x1 - dir * 18, y - 17);
    cairo_line_to(cr, x1, y);
    cairo_line_to(cr, x1 - dir * 18, y + 17);
    cairo_line_to(cr, x1 - dir * 18, y + 7);
    cairo_line_to(cr, x0, y + 7);
    cairo_close_path(cr);
    Solid(cr, colour);
}

void Swap(cairo_t* cr) {
    StraightArrow(cr, 12, 90, 30, 0x3DC47E);
    StraightArrow(cr, 88, 10, 70, 0xFF9F1C);
}

void Film(cairo_t* cr) {
    RoundedRect(cr, 8, 22, 84, 56, 6);
    Solid(cr, 0x4A4E69);
    SetColour(cr, 0xFFFFFF);
    for (int i = 0; i < 6; ++i) {
        cairo_rectangle(cr, 14 + i * 13.5, 27, 7, 7);
        cairo_rectangle(cr, 14 + i * 13.5, 66, 7, 7);
    }
    cairo_fill(cr);
    cairo_rectangle(cr, 18, 38, 64, 24);
    Solid(cr, 0x90E0EF);
    cairo_move_to(cr, 44, 42);
    cairo_line_to(cr, 60, 50);
    cairo_line_to(cr, 44, 58);
    cairo_close_path(cr);
    SetColour(cr, 0xE63946);
    cairo_fill(cr);
}

void Brush(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 50, 50);
    cairo_rotate(cr, M_PI / 4);
    RoundedRect(cr, -7, -46, 14, 52, 6);
    Solid(cr, 0xB5651D);
    cairo_rectangle(cr, -10, 4, 20, 12);
    Solid(cr, 0xCED4DA);
    cairo_move_to(cr, -10, 16);
    cairo_curve_to(cr, -14, 30, -4, 42, 0, 46);
    cairo_curve_to(cr, 4, 42, 14, 30, 10, 16);
    cairo_close_path(cr);
    Solid(cr, 0xE63946);
    cairo_restore(cr);
}

void Door(cairo_t* cr) {
    cairo_rectangle(cr, 22, 8, 56, 86);
    Solid(cr, 0x8D5524);
    cairo_move_to(cr, 26, 12);
    cairo_line_to(cr, 60, 20);
    cairo_line_to(cr, 60, 96);
    cairo_line_to(cr, 26, 90);
    cairo_close_path(cr);
    Solid(cr, 0xE76F51);
    SetColour(cr, 0xFFD23F);
    cairo_arc(cr, 52, 56, 5, 0, 2 * M_PI);
    cairo_fill(cr);
    StraightArrow(cr, 66, 98, 50, 0x3DC47E);
}

void Triangle(cairo_t* cr, double x, double dir, double half) {
    cairo_move_to(cr, x, 50 - half);
    cairo_line_to(cr, x + dir * half * 1.5, 50);
    cairo_line_to(cr, x, 50 + half);
    cairo_close_path(cr);
    Solid(cr, 0xFFFFFF);
}

void Bar(cairo_t* cr, double x) {
    RoundedRect(cr, x, 22, 14, 56, 3);
    Solid(cr, 0xFFFFFF);
}

void Transport(cairo_t* cr, Icon icon) {
    switch (icon) {
        case Icon::first: Bar(cr, 12); Triangle(cr, 70, -1, 26); Triangle(cr, 96, -1, 26); break;
        case Icon::previous: Triangle(cr, 50, -1, 28); Triangle(cr, 86, -1, 28); break;
        case Icon::play: Triangle(cr, 30, 1, 34); break;
        case Icon::stop: RoundedRect(cr, 24, 24, 52, 52, 6); Solid(cr, 0xFFFFFF); break;
        case Icon::next: Triangle(cr, 14, 1, 28); Triangle(cr, 50, 1, 28); break;
        default: Triangle(cr, 4, 1, 26); Triangle(cr, 30, 1, 26); Bar(cr, 74); break;
    }
}

void Chevron(cairo_t* cr, bool up) {
    const double y0 = up ? 68 : 32, y1 = up ? 24 : 76;
    cairo_move_to(cr, 14, y0);
    cairo_line_to(cr, 50, y1);
    cairo_line_to(cr, 86, y0);
    SetColour(cr, ink);
    cairo_set_line_width(cr, 26);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
}

void Cross(cairo_t* cr) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, 22, 22);
        cairo_line_to(cr, 78, 78);
        cairo_move_to(cr, 78, 22);
        cairo_line_to(cr, 22, 78);
        SetColour(cr, pass == 0 ? ink : 0xFFFFFF);
        cairo_set_line_width(cr, pass == 0 ? 28 : 15);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void Trash(cairo_t* cr) {
    cairo_move_to(cr, 22, 30);
    cairo_line_to(cr, 78, 30);
    cairo_line_to(cr, 70, 92);
    cairo_line_to(cr, 30, 92);
    cairo_close_path(cr);
    Solid(cr, 0xADB5BD);
    RoundedRect(cr, 14, 16, 72, 12, 4);
    Solid(cr, 0xCED4DA);
    RoundedRect(cr, 40, 6, 20, 12, 4);
    Solid(cr, 0xCED4DA);
}

void Plane(cairo_t* cr) {
    cairo_move_to(cr, 6, 48);
    cairo_line_to(cr, 94, 14);
    cairo_line_to(cr, 64, 86);
    cairo_line_to(cr, 46, 60);
    cairo_close_path(cr);
    Solid(cr, 0xFFFFFF);
    cairo_move_to(cr, 46, 60);
    cairo_line_to(cr, 94, 14);
    cairo_line_to(cr, 40, 80);
    cairo_close_path(cr);
    Solid(cr, 0xBDE0FE);
}

}  // namespace

void DrawIcon(cairo_t* cr, Icon icon, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx - size / 2, cy - size / 2);
    cairo_scale(cr, size / 100, size / 100);
    cairo_new_path(cr);
    switch (icon) {
        case Icon::pencil: Pencil(cr); break;
        case Icon::spray: Spray(cr); break;
        case Icon::stamp: Stamp(cr); break;
        case Icon::eraser: Eraser(cr); break;
        case Icon::colourWheel: ColourWheel(cr); break;
        case Icon::printer: Printer(cr); break;
        case Icon::zoomIn: Magnifier(cr, true); break;
        case Icon::zoomOut: Magnifier(cr, false); break;
        case Icon::hand: Hand(cr); break;
        case Icon::rotate: Rotate(cr); break;
        case Icon::undo: Undo(cr); break;
        case Icon::openFolder: Folder(cr, true); break;
        case Icon::save: Save(cr); break;
        case Icon::swap: Swap(cr); break;
        case Icon::film: Film(cr); break;
        case Icon::brush: Brush(cr); break;
        case Icon::door: Door(cr); break;
        case Icon::arrowUp: Chevron(cr, true); break;
        case Icon::arrowDown: Chevron(cr, false); break;
        case Icon::close: Cross(cr); break;
        case Icon::back: StraightArrow(cr, 90, 10, 50, 0x3DC47E); break;
        case Icon::trash: Trash(cr); break;
        case Icon::plane: Plane(cr); break;
        default: Transport(cr, icon); break;
    }
    cairo_restore(cr);
}
