// Guide: a small pilot with a cap, goggles and a scarf that talks, points and waves.
#include "Guide.h"

#include <cmath>

#include "Paint.h"
#include "Scenes.h"

namespace {

constexpr uint32_t skin = 0xFFD6A5;

void Arm(cairo_t* cr, double x0, double y0, double x1, double y1, bool finger) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColour(cr, colours::ink);
    cairo_set_line_width(cr, 10);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColour(cr, 0x3A86FF);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_arc(cr, x1, y1, 5.5, 0, 2 * M_PI);
    SetColour(cr, skin);
    cairo_fill_preserve(cr);
    Outline(cr, 1.5, colours::ink);
    cairo_new_path(cr);
    if (finger) {
        const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
        cairo_move_to(cr, x1, y1);
        cairo_line_to(cr, x1 + dx / len * 9, y1 + dy / len * 9);
        SetColour(cr, colours::ink);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_move_to(cr, x1, y1);
        cairo_line_to(cr, x1 + dx / len * 9, y1 + dy / len * 9);
        SetColour(cr, skin);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
}

void Body(cairo_t* cr, int phase) {
    cairo_move_to(cr, 24, 62);
    cairo_line_to(cr, 56, 62);
    cairo_line_to(cr, 62, 96);
    cairo_line_to(cr, 18, 96);
    cairo_close_path(cr);
    SetColour(cr, 0x3A86FF);
    cairo_fill_preserve(cr);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    // The scarf flutters from frame to frame.
    const double flap = phase * 3.0;
    cairo_move_to(cr, 46, 62);
    cairo_curve_to(cr, 58, 60 - flap, 66, 66 + flap, 74, 60 + flap);
    cairo_line_to(cr, 70, 70 + flap);
    cairo_curve_to(cr, 62, 72, 56, 70, 46, 68);
    cairo_close_path(cr);
    SetColour(cr, 0xE63946);
    cairo_fill_preserve(cr);
    Outline(cr, 1.5, colours::ink);
    cairo_new_path(cr);
    RoundedRect(cr, 26, 58, 28, 8, 4);
    SetColour(cr, 0xE63946);
    cairo_fill_preserve(cr);
    Outline(cr, 1.5, colours::ink);
    cairo_new_path(cr);
}

void Head(cairo_t* cr, int mouth, bool blink) {
    cairo_arc(cr, 40, 38, 21, 0, 2 * M_PI);
    SetColour(cr, skin);
    cairo_fill_preserve(cr);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    // Cap with ear flaps and goggles pushed up.
    cairo_arc(cr, 40, 36, 22, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    SetColour(cr, 0xA0522D);
    cairo_fill_preserve(cr);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    for (double gx : {31.0, 49.0}) {
        cairo_arc(cr, gx, 24, 7, 0, 2 * M_PI);
        SetColour(cr, 0x90E0EF);
        cairo_fill_preserve(cr);
        Outline(cr, 2, colours::ink);
        cairo_new_path(cr);
    }
    SetColour(cr, colours::ink);
    for (double ex : {33.0, 47.0}) {
        if (blink) {
            cairo_rectangle(cr, ex - 3, 40, 6, 2);
        } else {
            cairo_arc(cr, ex, 40, 2.8, 0, 2 * M_PI);
        }
        cairo_fill(cr);
    }
    SetColour(cr, 0xFF8FAB, 0.7);
    cairo_arc(cr, 28, 47, 4, 0, 2 * M_PI);
    cairo_arc(cr, 52, 47, 4, 0, 2 * M_PI);
    cairo_fill(cr);
    if (mouth == 0) {
        cairo_arc(cr, 40, 46, 6, 0.2 * M_PI, 0.8 * M_PI);
        Outline(cr, 2, colours::ink);
        cairo_new_path(cr);
    } else {
        cairo_save(cr);
        cairo_translate(cr, 40, 50);
        cairo_scale(cr, 1, mouth == 1 ? 0.9 : 0.5);
        cairo_arc(cr, 0, 0, 5, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColour(cr, 0xC1121F);
        cairo_fill_preserve(cr);
        Outline(cr, 1.5, colours::ink);
        cairo_new_path(cr);
    }
}

}  // namespace

void DrawGuide(cairo_t* cr, int frame) {
    const int animation = (frame - 1) / 3 + 1, phase = (frame - 1) % 3;
    const int mouths[] = {0, 1, 2};
    const Rect h = Design("help");
    cairo_save(cr);
    cairo_translate(cr, h.left, h.top);
    const double bob = phase == 1 ? -2 : 0;
    cairo_translate(cr, 0, bob);
    Body(cr, phase);
    switch (animation) {
        case 2: Arm(cr, 26, 66, 6 - phase * 2, 52 + phase, true); break;
        case 3: Arm(cr, 54, 66, 66, 18 + phase * 3, true); break;
        case 4: Arm(cr, 26, 66, 6, 84 - phase * 2, true); break;
        case 5: {
            const double a = -1.2 + phase * 0.35;
            Arm(cr, 54, 66, 54 + 26 * std::cos(a), 66 + 26 * std::sin(a), false);
            break;
        }
        default: break;
    }
    if (animation != 2 && animation != 4) Arm(cr, 26, 66, 20, 88, false);
    if (animation == 1 || animation == 2 || animation == 4) Arm(cr, 54, 66, 60, 88, false);
    Head(cr, mouths[phase], animation == 1 && phase == 2);
    cairo_restore(cr);
}

void DrawPointerSign(cairo_t* cr, int phase) {
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 15, 8);
    cairo_line_to(cr, 9, 10);
    cairo_line_to(cr, 13, 16);
    cairo_line_to(cr, 10, 17);
    cairo_line_to(cr, 6, 11);
    cairo_line_to(cr, 2, 15);
    cairo_close_path(cr);
    SetColour(cr, phase == 1 ? 0xFF3B3B : 0xFFE14D);
    cairo_fill_preserve(cr);
    Outline(cr, 1.5, colours::ink);
    cairo_new_path(cr);
}
