// Backdrop: the sky, the shelves and the frames that hold the panes, the model column and the
// tool panel at their layout rectangles.
#include <cmath>

#include "Paint.h"
#include "Scenes.h"
#include "base/ScreenLayout.h"

Rect Design(const char* entry) {
    const Rect* r = ScreenLayout::DesignRect(entry);
    return r ? *r : Rect{};
}

namespace {

void Cloud(cairo_t* cr, double x, double y, double s) {
    SetColour(cr, 0xFFFFFF, 0.75);
    const double puffs[][3] = {{0, 0, 1}, {0.9, -0.35, 1.2}, {1.9, 0, 0.95}, {1, 0.3, 1}};
    for (const auto& p : puffs) {
        cairo_arc(cr, x + p[0] * s, y + p[1] * s, p[2] * s, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void Sky(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    FillVertical(cr, 0, 600, colours::skyTop, colours::skyBottom);
    cairo_new_path(cr);
    Cloud(cr, 585, 112, 11);
    Cloud(cr, 690, 168, 8);
    Cloud(cr, 16, 520, 10);
    Cloud(cr, 560, 420, 9);
}

// A framed area; the frame lies outside r so the area itself stays as the layout gives it.
void Frame(cairo_t* cr, const Rect& r, double border, uint32_t frameColour, uint32_t fill) {
    RoundedRect(cr, r.left - border, r.top - border, r.Width() + 2 * border,
                r.Height() + 2 * border, border + 6);
    DropShadow(cr, 3, 4, 0.25);
    SetColour(cr, frameColour);
    cairo_fill(cr);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    SetColour(cr, fill);
    cairo_fill(cr);
}

void Shelves(cairo_t* cr) {
    // Top shelf for the screen tabs and the view buttons.
    RoundedRect(cr, 92, -20, 720, 100, 22);
    DropShadow(cr, 0, 4, 0.2);
    FillVertical(cr, 0, 80, 0xFFF8DC, colours::shelf);
    Outline(cr, 3, 0xE9C46A);
    cairo_new_path(cr);
    // The model column: a tall rounded board at the left.
    RoundedRect(cr, -16, 68, 112, 398, 20);
    DropShadow(cr, 3, 4, 0.25);
    FillVertical(cr, 68, 466, 0xFFB4A2, 0xFF8FAB);
    Outline(cr, 3, 0xE5989B);
    cairo_new_path(cr);
    // The painter's palette that carries the tool buttons around the tool picture.
    cairo_save(cr);
    cairo_translate(cr, 310, 560);
    cairo_scale(cr, 1.75, 1);
    cairo_arc(cr, 0, 0, 110, 0, 2 * M_PI);
    cairo_restore(cr);
    DropShadow(cr, 3, 4, 0.25);
    FillVertical(cr, 450, 600, 0xFFE8C2, 0xF4C27A);
    Outline(cr, 3, 0xD4A373);
    cairo_new_path(cr);
}

void VolumeRamp(cairo_t* cr) {
    const Rect v = Design("vol");
    cairo_move_to(cr, v.left + 2, v.bottom - 3);
    cairo_line_to(cr, v.right - 2, v.bottom - 3);
    cairo_line_to(cr, v.right - 2, v.top + 4);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(v.left, 0, v.right, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.24, 0.77, 0.49);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 1.0, 0.82, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.9, 0.22, 0.27);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    // A small loudspeaker says what the ramp is for.
    const double x = v.left - 26, y = v.top + 13;
    cairo_rectangle(cr, x, y - 4, 7, 8);
    cairo_move_to(cr, x + 7, y - 4);
    cairo_line_to(cr, x + 15, y - 10);
    cairo_line_to(cr, x + 15, y + 10);
    cairo_line_to(cr, x + 7, y + 4);
    cairo_close_path(cr);
    SetColour(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    cairo_arc(cr, x + 15, y, 7, -0.8, 0.8);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
}

void HelpStage(cairo_t* cr) {
    const Rect h = Design("help");
    cairo_arc(cr, h.CentreX(), h.bottom - 8, 38, M_PI, 2 * M_PI);
    cairo_save(cr);
    cairo_translate(cr, h.CentreX(), h.bottom - 4);
    cairo_scale(cr, 1, 0.28);
    cairo_arc(cr, 0, 0, 40, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, 0xFFFFFF, 0.45);
    cairo_fill(cr);
}

void Bunting(cairo_t* cr, double x0, double x1, double y) {
    const uint32_t flags[] = {0xE63946, 0xFF9F1C, 0xFFD23F, 0x3DC47E, 0x3A86FF, 0x9B5DE5};
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, (x0 + x1) / 2, y + 18, (x0 + x1) / 2, y + 18, x1, y);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    const int n = int((x1 - x0) / 24);
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n, x = x0 + (x1 - x0) * t;
        const double yy = y + 18 * 1.5 * t * (1 - t) * 2;
        cairo_move_to(cr, x - 9, yy);
        cairo_line_to(cr, x + 9, yy);
        cairo_line_to(cr, x, yy + 20);
        cairo_close_path(cr);
        SetColour(cr, flags[i % 6]);
        cairo_fill_preserve(cr);
        Outline(cr, 1.5, colours::ink);
        cairo_new_path(cr);
    }
}

void WorkshopParts(cairo_t* cr) {
    Frame(cr, Design("canvas"), 4, colours::frame, colours::pane);
    Frame(cr, Design("view"), 4, 0x00BBF9, 0xEAF8FF);
    // The skin pane and the model pane touch; one divider serves both frames.
    DrawSquareButton(cr, Design("docout"), Icon::openFolder, 0xF15BB5, Look::idle);
    DrawSquareButton(cr, Design("docin"), Icon::save, 0x00BBF9, Look::idle);
    DrawSquareButton(cr, Design("change"), Icon::swap, 0xFF9F1C, Look::idle);
}

void FlightParts(cairo_t* cr) {
    const Rect m = Design("MovieArea");
    Frame(cr, m, 10, 0x4A4E69, 0x22223B);
    for (int k = 1; k <= 4; ++k) {
        const std::string entry = "stepButton" + std::to_string(k);
        Frame(cr, Design(entry.c_str()), 4, 0xFF9F1C, colours::pane);
        DrawText(cr, std::to_string(k), "Comic Neue Bold 28", Design(entry.c_str()).CentreX(),
                 Design(entry.c_str()).CentreY(), 0xFFD6A5);
    }
    Bunting(cr, 530, 790, 8);
    Bunting(cr, 100, 330, 8);
}

}  // namespace

void DrawBackdrop(cairo_t* cr, Screen screen) {
    cairo_save(cr);
    Sky(cr);
    Shelves(cr);
    VolumeRamp(cr);
    HelpStage(cr);
    Frame(cr, Design("toolPanel"), 4, 0xE76F51, colours::panel);
    DrawSquareButton(cr, Design("exit"), Icon::door, 0xE63946, Look::idle);
    if (screen == Screen::workshop) {
        WorkshopParts(cr);
    } else {
        FlightParts(cr);
    }
    cairo_restore(cr);
}
