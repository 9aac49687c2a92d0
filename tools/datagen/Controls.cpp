// Controls: the three button shapes and their idle, held and chosen looks. Held buttons sink
// and darken; chosen ones glow with a yellow ring, so a child sees the state from afar.
#include <algorithm>
#include <cmath>

#include "Paint.h"
#include "Scenes.h"

namespace {

void Sparkle(cairo_t* cr, double x, double y, double s) {
    StarPath(cr, x, y, 4, s, s * 0.35);
    SetColour(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    Outline(cr, 1, colours::glow);
    cairo_new_path(cr);
}

// The body of a button: shadow when raised, a face gradient, a highlight and an outline.
void Body(cairo_t* cr, uint32_t colour, Look look, double top, double bottom) {
    if (look != Look::held) DropShadow(cr, 0, 2.5, 0.35);
    const uint32_t face = look == Look::held ? Shade(colour, -0.25) : colour;
    FillVertical(cr, top, bottom, Shade(face, 0.35), face);
    Outline(cr, look == Look::chosen ? 2.5 : 2, colours::ink);
    cairo_new_path(cr);
}

}  // namespace

uint32_t SlotColour(int slot) {
    static const uint32_t slots[] = {0xFF5A5F, 0xFF9F1C, 0xFFC43D, 0x3DC47E, 0x2EC4B6, 0x3A86FF};
    return slots[std::clamp(slot, 1, 6) - 1];
}

Icon ToolIcon(int tool) {
    static const Icon icons[] = {Icon::pencil, Icon::spray, Icon::stamp,
                                 Icon::eraser, Icon::colourWheel, Icon::printer};
    return icons[std::clamp(tool, 1, 6) - 1];
}

const char* ToolEntry(int tool) {
    static const char* entries[] = {"pencil", "gush", "picture", "erase", "adjust", "print"};
    return entries[std::clamp(tool, 1, 6) - 1];
}

void DrawDiscButton(cairo_t* cr, const Rect& r, Icon icon, uint32_t colour, Look look) {
    const double sink = look == Look::held ? 2 : 0;
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0 + sink;
    const double radius = std::min(r.Width(), r.Height()) / 2.0 - 3;
    cairo_save(cr);
    if (look == Look::chosen) {
        cairo_arc(cr, cx, cy, radius + 3, 0, 2 * M_PI);
        SetColour(cr, colours::glow);
        cairo_fill(cr);
    }
    const double rr = look == Look::chosen ? radius - 1 : radius;
    cairo_arc(cr, cx, cy, rr, 0, 2 * M_PI);
    Body(cr, look == Look::chosen ? Shade(colour, 0.15) : colour, look, cy - rr, cy + rr);
    cairo_arc(cr, cx - rr * 0.3, cy - rr * 0.45, rr * 0.35, 0, 2 * M_PI);
    SetColour(cr, 0xFFFFFF, 0.35);
    cairo_fill(cr);
    DrawIcon(cr, icon, cx, cy, rr * (look == Look::chosen ? 1.45 : 1.35));
    if (look == Look::chosen) Sparkle(cr, cx + rr * 0.8, cy - rr * 0.8, 6);
    cairo_restore(cr);
}

void DrawSquareButton(cairo_t* cr, const Rect& r, Icon icon, uint32_t colour, Look look) {
    const double sink = look == Look::held ? 2 : 0;
    const double x = r.left + 3, y = r.top + 2 + sink;
    const double w = r.Width() - 6, h = r.Height() - 6;
    cairo_save(cr);
    if (look == Look::chosen) {
        RoundedRect(cr, x - 2, y - 2, w + 4, h + 4, 12);
        SetColour(cr, colours::glow);
        cairo_fill(cr);
    }
    RoundedRect(cr, x, y, w, h, 10);
    Body(cr, look == Look::chosen ? Shade(colour, 0.15) : colour, look, y, y + h);
    RoundedRect(cr, x + 4, y + 3, w - 8, h * 0.3, 6);
    SetColour(cr, 0xFFFFFF, 0.3);
    cairo_fill(cr);
    const double size = std::min(w, h) * (look == Look::chosen ? 0.85 : 0.78);
    DrawIcon(cr, icon, x + w / 2, y + h / 2, size);
    if (look == Look::chosen) Sparkle(cr, x + w - 4, y + 4, 6);
    cairo_restore(cr);
}

void DrawTab(cairo_t* cr, const Rect& r, Icon icon, uint32_t colour, Look look) {
    const bool chosen = look == Look::chosen;
    const double x = r.left + 2, w = r.Width() - 4;
    const double bottom = chosen ? r.bottom - 2 : r.bottom - 10;
    cairo_save(cr);
    cairo_move_to(cr, x, r.top - 10);
    cairo_line_to(cr, x + w, r.top - 10);
    cairo_line_to(cr, x + w, bottom - 14);
    cairo_curve_to(cr, x + w, bottom, x + w, bottom, x + w - 14, bottom);
    cairo_line_to(cr, x + 14, bottom);
    cairo_curve_to(cr, x, bottom, x, bottom, x, bottom - 14);
    cairo_close_path(cr);
    const uint32_t face = chosen ? colour : Shade(colour, 0.45);
    Body(cr, face, look, r.top, bottom);
    if (chosen) {
        cairo_rectangle(cr, x + 8, bottom - 9, w - 16, 4);
        SetColour(cr, colours::glow);
        cairo_fill(cr);
    }
    DrawIcon(cr, icon, x + w / 2, (r.top + bottom) / 2.0 - 2, chosen ? 46 : 38);
    if (chosen) Sparkle(cr, x + w - 10, r.top + 10, 6);
    cairo_restore(cr);
}
