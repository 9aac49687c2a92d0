// Panels: tool panels, knobs, the language badge and the loading card.
#include "Panels.h"

#include <cmath>

#include "Paint.h"

namespace {

void PanelBase(cairo_t* cr) {
    const Rect p = Design("toolPanel");
    cairo_rectangle(cr, p.left, p.top, p.Width() + 4, p.Height());
    FillVertical(cr, p.top, p.bottom, 0xFFF3D6, colours::panel);
    cairo_new_path(cr);
}

void Track(cairo_t* cr, const Rect& r) {
    RoundedRect(cr, r.left, r.top, r.Width(), r.Height(), 5);
    SetColour(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
}

// A wedge that grows from `from` (0 left, 1 top, 2 bottom) across the rectangle.
void Wedge(cairo_t* cr, const Rect& r, int from, uint32_t colour) {
    const double l = r.left + 2, t = r.top + 2, ri = r.right - 2, b = r.bottom - 2;
    const double mx = (l + ri) / 2, my = (t + b) / 2;
    if (from == 0) {
        cairo_move_to(cr, l, my);
        cairo_line_to(cr, ri, t);
        cairo_line_to(cr, ri, b);
    } else if (from == 2) {
        cairo_move_to(cr, mx, b);
        cairo_line_to(cr, l, t);
        cairo_line_to(cr, ri, t);
    } else {
        cairo_move_to(cr, mx, t);
        cairo_line_to(cr, l, b);
        cairo_line_to(cr, ri, b);
    }
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void HorizontalGradient(cairo_t* cr, const Rect& r, const uint32_t* stops, int count) {
    cairo_pattern_t* p = cairo_pattern_create_linear(r.left, 0, r.right, 0);
    for (int i = 0; i < count; ++i) {
        const uint32_t c = stops[i];
        cairo_pattern_add_color_stop_rgb(p, double(i) / (count - 1), ((c >> 16) & 255) / 255.0,
                                         ((c >> 8) & 255) / 255.0, (c & 255) / 255.0);
    }
    RoundedRect(cr, r.left, r.top, r.Width(), r.Height(), 6);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
}

const uint32_t kRainbow[] = {0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xFF0000};

// Hue across, light at the top and dark at the bottom, with a grey column for black and white.
void ColourChart(cairo_t* cr) {
    const Rect c = Design("choosecolor");
    const Rect hues{c.left, c.top, c.right - 16, c.bottom};
    cairo_pattern_t* hue = cairo_pattern_create_linear(hues.left, 0, hues.right, 0);
    for (int i = 0; i < 7; ++i) {
        const uint32_t v = kRainbow[i];
        cairo_pattern_add_color_stop_rgb(hue, i / 6.0, (v >> 16) / 255.0, ((v >> 8) & 255) / 255.0,
                                         (v & 255) / 255.0);
    }
    cairo_rectangle(cr, hues.left, hues.top, hues.Width(), hues.Height());
    cairo_set_source(cr, hue);
    cairo_fill(cr);
    cairo_pattern_destroy(hue);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, c.top, 0, c.bottom);
    cairo_pattern_add_color_stop_rgba(shade, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(shade, 0.45, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(shade, 0.55, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 1);
    cairo_rectangle(cr, hues.left, hues.top, hues.Width(), hues.Height());
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_rectangle(cr, hues.right, c.top, 16, c.Height());
    FillVertical(cr, c.top, c.bottom, 0xFFFFFF, 0x000000);
    cairo_new_path(cr);
    cairo_rectangle(cr, c.left - 1, c.top - 1, c.Width() + 2, c.Height() + 2);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
}

void PencilPanel(cairo_t* cr) {
    ColourChart(cr);
    const Rect thick = Design("thick"), trans = Design("colortrans");
    Track(cr, thick);
    Wedge(cr, thick, 2, 0x3A2E5C);
    Track(cr, trans);
    cairo_rectangle(cr, trans.left + 3, trans.top + 3, trans.Width() - 6, trans.Height() - 6);
    FillVertical(cr, trans.top, trans.bottom, 0x3A86FF, 0xE6F0FF);
    cairo_new_path(cr);
    const Rect swatch = Design("colourSwatch");
    RoundedRect(cr, swatch.left - 3, swatch.top - 3, swatch.Width() + 6, swatch.Height() + 6, 5);
    SetColour(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
}

void PrintPanel(cairo_t* cr) {
    DrawDiscButton(cr, Design("steppri"), Icon::printer, SlotColour(6), Look::idle);
    const Rect size = Design("erasesize");
    Track(cr, size);
    Wedge(cr, size, 0, SlotColour(6));
    DrawIcon(cr, Icon::plane, size.left + 90, size.top - 20, 34);
    DrawIcon(cr, Icon::plane, size.left + 125, size.top - 22, 46);
}

void StampPanel(cairo_t* cr) {
    const Rect pic = Design("rolepic");
    RoundedRect(cr, pic.left, pic.top, pic.Width(), pic.Height(), 8);
    SetColour(cr, colours::pane);
    cairo_fill_preserve(cr);
    Outline(cr, 3, SlotColour(3));
    cairo_new_path(cr);
    const Rect rot = Design("rolerotate"), size = Design("rolesize");
    Track(cr, rot);
    cairo_arc(cr, rot.CentreX(), rot.CentreY(), 5, 0, 1.6 * M_PI);
    Outline(cr, 2, 0x3DC47E);
    cairo_new_path(cr);
    Track(cr, size);
    Wedge(cr, size, 1, SlotColour(3));
}

void AdjustPanel(cairo_t* cr) {
    const uint32_t saturation[] = {0x9E9E9E, 0xFF3B7F};
    const uint32_t lightness[] = {0x1B1B3A, 0xFFD23F, 0xFFFCEB};
    HorizontalGradient(cr, Design("adjusth"), kRainbow, 7);
    HorizontalGradient(cr, Design("adjusts"), saturation, 2);
    HorizontalGradient(cr, Design("adjustl"), lightness, 3);
    const Icon icons[] = {Icon::colourWheel, Icon::spray, Icon::undo};
    const char* rows[] = {"adjusth", "adjusts", "adjustl"};
    for (int i = 0; i < 3; ++i) {
        const Rect r = Design(rows[i]);
        if (i == 2) {
            StarPath(cr, r.left - 12, r.CentreY(), 8, 9, 5);
            SetColour(cr, 0xFFD23F);
            cairo_fill_preserve(cr);
            Outline(cr, 1.5, colours::ink);
            cairo_new_path(cr);
        } else {
            DrawIcon(cr, icons[i], r.left - 12, r.CentreY(), 20);
        }
    }
}

void EraserPanel(cairo_t* cr) {
    const Rect size = Design("erasesize");
    Track(cr, size);
    Wedge(cr, size, 0, SlotColour(4));
    DrawIcon(cr, Icon::eraser, size.left + 30, size.top - 26, 34);
    DrawIcon(cr, Icon::eraser, size.left + 100, size.top - 30, 50);
}

}  // namespace

void DrawToolPanel(cairo_t* cr, int picture) {
    cairo_save(cr);
    PanelBase(cr);
    switch (picture) {
        case 1: PencilPanel(cr); break;
        case 2: PrintPanel(cr); break;
        case 3: StampPanel(cr); break;
        case 4: AdjustPanel(cr); break;
        default: EraserPanel(cr); break;
    }
    cairo_restore(cr);
}

void DrawKnob(cairo_t* cr, int picture, int width, int height) {
    cairo_save(cr);
    if (picture == 0) {
        // Drawn by inverting the chart: black changes nothing, the white ring shows.
        cairo_rectangle(cr, 0, 0, width, height);
        SetColour(cr, 0x000000);
        cairo_fill(cr);
        cairo_arc(cr, width / 2.0, height / 2.0, width / 2.0 - 3, 0, 2 * M_PI);
        SetColour(cr, 0xFFFFFF);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    } else if (picture == 5 || picture == 8) {
        RoundedRect(cr, 1, 1, width - 2, height - 2, height / 2.0 - 1);
        SetColour(cr, picture == 5 ? 0xFF5A5F : 0xFFD23F);
        cairo_fill_preserve(cr);
        Outline(cr, 1.5, colours::ink);
    } else {
        // Opaque knobs fill their whole picture, so they look the same drawn either way.
        cairo_rectangle(cr, 0, 0, width, height);
        FillVertical(cr, 0, height, 0xFFE14D, 0xFF9F1C);
        cairo_new_path(cr);
        cairo_rectangle(cr, 0.75, 0.75, width - 1.5, height - 1.5);
        Outline(cr, 1.5, colours::ink);
    }
    cairo_restore(cr);
}

void DrawLoading(cairo_t* cr, char language, int width, int height, const Labels& labels) {
    const std::string prefix = std::string("load.") + language + ".";
    cairo_rectangle(cr, 0, 0, width, height);
    FillVertical(cr, 0, height, colours::skyTop, colours::skyBottom);
    cairo_new_path(cr);
    RoundedRect(cr, 6, 6, width - 12, height - 12, 28);
    Outline(cr, 8, colours::glow);
    cairo_new_path(cr);
    cairo_move_to(cr, 60, 250);
    cairo_curve_to(cr, 160, 300, 260, 120, 330, 150);
    SetColour(cr, 0xFFFFFF, 0.8);
    cairo_set_line_width(cr, 4);
    const double dash[] = {10, 8};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    DrawIcon(cr, Icon::plane, 380, 120, 120);
    const std::string font = language == 'c' ? "WenQuanYi Micro Hei Bold" : "Comic Neue Bold";
    auto label = [&](const char* key) {
        const auto it = labels.find(prefix + key);
        return it == labels.end() ? std::string() : it->second;
    };
    DrawText(cr, label("title"), font + (language == 'c' ? " 34" : " 28"), width / 2.0, 200,
             0xE63946, 8, 0xFFFFFF);
    DrawText(cr, label("wait"), font + " 20", width / 2.0, 262, colours::ink, 5, 0xFFFFFF);
}

void DrawLanguageLabel(cairo_t* cr, char language, const Labels& labels) {
    const Rect r = Design("languageLabel");
    RoundedRect(cr, r.left + 2, r.top + 2, r.Width() - 4, r.Height() - 6, 12);
    DropShadow(cr, 0, 2, 0.3);
    FillVertical(cr, r.top, r.bottom, 0xFFFFFF, language == 'c' ? 0xFFD6D6 : 0xD6E8FF);
    Outline(cr, 2.5, colours::ink);
    cairo_new_path(cr);
    const auto big = labels.find(std::string("lang.") + language + ".big");
    const auto small = labels.find(std::string("lang.") + language + ".small");
    const std::string font = language == 'c' ? "WenQuanYi Micro Hei Bold" : "Comic Neue Bold";
    const uint32_t colour = language == 'c' ? 0xE63946 : 0x3A86FF;
    if (big != labels.end()) DrawText(cr, big->second, font + " 24", r.CentreX(), r.top + 28, colour);
    if (small != labels.end()) {
        DrawText(cr, small->second, font + " 11", r.CentreX(), r.bottom - 16, colours::ink);
    }
}

void DrawToolLabel(cairo_t* cr, int tool) {
    for (int t = 1; t <= 6; ++t) {
        DrawDiscButton(cr, Design(ToolEntry(t)), ToolIcon(t), SlotColour(t),
                       t == tool ? Look::chosen : Look::idle);
    }
    // The card sits in the gap the buttons leave around the middle of the palette.
    RoundedRect(cr, 252, 515, 110, 80, 18);
    DropShadow(cr, 0, 3, 0.3);
    FillVertical(cr, 515, 595, 0xFFFFFF, Shade(SlotColour(tool), 0.55));
    Outline(cr, 3, SlotColour(tool));
    cairo_new_path(cr);
    DrawIcon(cr, ToolIcon(tool), 307, 555, 66);
}

void DrawVolumeKnob(cairo_t* cr, int width, int height) {
    RoundedRect(cr, 1.5, 1.5, width - 3, height - 3, 5);
    FillVertical(cr, 0, height, 0xFFFFFF, 0xB8C0FF);
    Outline(cr, 2, colours::ink);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 5, 5.5 + i * 3.5);
        cairo_line_to(cr, width - 5, 5.5 + i * 3.5);
    }
    Outline(cr, 1, 0x6C63FF);
}

void DrawMovieWaiting(cairo_t* cr) {
    const Rect m = Design("MovieArea");
    cairo_rectangle(cr, m.left, m.top, m.Width() + 4, m.Height());
    FillVertical(cr, m.top, m.bottom, 0x22223B, 0x4A4E69);
    cairo_new_path(cr);
    DrawIcon(cr, Icon::film, m.CentreX(), m.CentreY() - 10, 110);
    DrawIcon(cr, Icon::plane, m.CentreX() + 90, m.CentreY() - 70, 50);
}

void DrawStepFrame(cairo_t* cr) {
    const Rect s = Design("stepButton1");
    cairo_rectangle(cr, s.left, s.top, s.Width() + 4, s.Height());
    SetColour(cr, colours::pane);
    cairo_fill(cr);
    RoundedRect(cr, s.left + 2, s.top + 2, s.Width() - 4, s.Height() - 4, 8);
    Outline(cr, 3, 0xFF9F1C);
    cairo_new_path(cr);
    DrawIcon(cr, Icon::film, s.CentreX(), s.CentreY(), 50);
}
