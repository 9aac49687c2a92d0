// The animal and sea-life pages of the stamp chooser.
#include <cmath>

#include "StampKit.h"

using namespace stampkit;

namespace {

constexpr uint32_t pink = 0xFF8FAB, white = 0xFFFFFF, ink = colours::ink;

void Whiskers(cairo_t* cr, double y) {
    for (int side : {-1, 1}) {
        Line(cr, {50 + side * 14.0, y, 50 + side * 40.0, y - 6}, 2);
        Line(cr, {50 + side * 14.0, y + 5, 50 + side * 40.0, y + 9}, 2);
    }
}

void Cat(cairo_t* cr) {
    Poly(cr, {18, 50, 24, 8, 50, 30}, 0xFF9F1C);
    Poly(cr, {82, 50, 76, 8, 50, 30}, 0xFF9F1C);
    Poly(cr, {26, 36, 28, 20, 38, 30}, pink);
    Poly(cr, {74, 36, 72, 20, 62, 30}, pink);
    Ellipse(cr, 50, 58, 36, 32, 0xFF9F1C);
    Line(cr, {40, 30, 42, 40}, 3);
    Line(cr, {60, 30, 58, 40}, 3);
    Eye(cr, 36, 54, 7, 0.5, 0);
    Eye(cr, 64, 54, 7, -0.5, 0);
    Poly(cr, {44, 66, 56, 66, 50, 73}, pink);
    Whiskers(cr, 72);
}

void Dog(cairo_t* cr) {
    Ellipse(cr, 50, 52, 30, 34, 0xD9A066);
    Ellipse(cr, 18, 54, 11, 26, 0x8C5A3C);
    Ellipse(cr, 82, 54, 11, 26, 0x8C5A3C);
    Ellipse(cr, 50, 72, 18, 13, 0xF6E0C2);
    Eye(cr, 39, 46, 6);
    Eye(cr, 61, 46, 6);
    Ellipse(cr, 50, 64, 8, 6, ink);
    Box(cr, 44, 80, 12, 16, 6, 0xFF5A5F);
    Line(cr, {50, 82, 50, 90}, 2);
}

void Rabbit(cairo_t* cr) {
    for (int side : {-1, 1}) {
        Ellipse(cr, 50 + side * 14, 28, 10, 26, 0xF4F4F8);
        Ellipse(cr, 50 + side * 14, 30, 4, 17, pink);
    }
    Circle(cr, 50, 68, 28, 0xF4F4F8);
    Eye(cr, 40, 62, 5);
    Eye(cr, 60, 62, 5);
    Dot(cr, 50, 73, 4, pink);
    Box(cr, 45, 78, 10, 10, 2, white);
    Dot(cr, 32, 74, 5, pink, 0.7);
    Dot(cr, 68, 74, 5, pink, 0.7);
}

void Bear(cairo_t* cr) {
    Circle(cr, 22, 28, 14, 0xA0674B);
    Circle(cr, 78, 28, 14, 0xA0674B);
    Dot(cr, 22, 28, 6, 0xE2B07E);
    Dot(cr, 78, 28, 6, 0xE2B07E);
    Circle(cr, 50, 56, 36, 0xA0674B);
    Ellipse(cr, 50, 70, 16, 12, 0xE2B07E);
    Ellipse(cr, 50, 64, 6, 4, ink);
    Bow(cr, 44, 74, 56, 74, 4, 2.5);
    Dot(cr, 36, 50, 5, ink);
    Dot(cr, 64, 50, 5, ink);
}

void Pig(cairo_t* cr) {
    Poly(cr, {18, 36, 14, 10, 38, 24}, 0xF7A1C4);
    Poly(cr, {82, 36, 86, 10, 62, 24}, 0xF7A1C4);
    Ellipse(cr, 50, 56, 40, 34, 0xFFB5CF);
    Ellipse(cr, 50, 64, 16, 11, 0xF7A1C4);
    Ellipse(cr, 44, 64, 3, 5, ink);
    Ellipse(cr, 56, 64, 3, 5, ink);
    Dot(cr, 34, 46, 5, ink);
    Dot(cr, 66, 46, 5, ink);
}

void Mouse(cairo_t* cr) {
    Circle(cr, 24, 30, 20, 0xA8A8BC);
    Circle(cr, 76, 30, 20, 0xA8A8BC);
    Dot(cr, 24, 30, 11, pink);
    Dot(cr, 76, 30, 11, pink);
    Blob(cr, {50, 90, 30, 74, 26, 52, 50, 40, 74, 52, 70, 74, 50, 90}, 0xA8A8BC);
    Eye(cr, 41, 58, 5);
    Eye(cr, 59, 58, 5);
    Dot(cr, 50, 84, 5, pink);
    Whiskers(cr, 76);
}

void Lion(cairo_t* cr) {
    StarPath(cr, 50, 52, 12, 48, 36);
    Fill(cr, 0xC8641E);
    Circle(cr, 50, 52, 28, 0xFFC43D);
    Dot(cr, 40, 46, 4.5, ink);
    Dot(cr, 60, 46, 4.5, ink);
    Poly(cr, {44, 56, 56, 56, 50, 63}, 0x8C4A1E);
    Bow(cr, 42, 66, 50, 64, 4, 2.5);
    Bow(cr, 50, 64, 58, 66, 4, 2.5);
}

void Elephant(cairo_t* cr) {
    Ellipse(cr, 20, 42, 20, 28, 0x9DB4D8);
    Ellipse(cr, 80, 42, 20, 28, 0x9DB4D8);
    Ellipse(cr, 20, 42, 11, 18, pink);
    Ellipse(cr, 80, 42, 11, 18, pink);
    Ellipse(cr, 50, 40, 24, 28, 0x9DB4D8);
    Tube(cr, {50, 54, 50, 74, 56, 88, 66, 90}, 14, 0x9DB4D8);
    Eye(cr, 40, 36, 5);
    Eye(cr, 60, 36, 5);
    Poly(cr, {36, 58, 30, 70, 40, 62}, white);
    Poly(cr, {64, 58, 70, 70, 60, 62}, white);
}

void Frog(cairo_t* cr) {
    Circle(cr, 28, 30, 15, 0x5FC45F);
    Circle(cr, 72, 30, 15, 0x5FC45F);
    Ellipse(cr, 50, 62, 42, 28, 0x5FC45F);
    Eye(cr, 28, 28, 9, 0, 0.3);
    Eye(cr, 72, 28, 9, 0, 0.3);
    Bow(cr, 26, 64, 74, 64, 14, 3.5);
    Dot(cr, 22, 70, 6, pink, 0.8);
    Dot(cr, 78, 70, 6, pink, 0.8);
}

void Owl(cairo_t* cr) {
    Poly(cr, {20, 30, 22, 4, 40, 18}, 0x8C5A3C);
    Poly(cr, {80, 30, 78, 4, 60, 18}, 0x8C5A3C);
    Ellipse(cr, 50, 56, 34, 40, 0x8C5A3C);
    Ellipse(cr, 50, 70, 20, 22, 0xE8C9A0);
    for (int side : {-1, 1}) {
        Circle(cr, 50 + side * 15, 36, 13, 0xFFC43D);
        Eye(cr, 50 + side * 15, 36, 8);
    }
    Poly(cr, {44, 48, 56, 48, 50, 60}, 0xFF9F1C);
    for (int i = 0; i < 3; ++i) Bow(cr, 40 + i * 7, 66 + i * 6, 46 + i * 7, 66 + i * 6, 4, 2);
}

void Chick(cairo_t* cr) {
    Line(cr, {40, 86, 38, 96}, 4, 0xFF9F1C);
    Line(cr, {58, 86, 60, 96}, 4, 0xFF9F1C);
    Blob(cr, {46, 16, 52, 4, 54, 14}, 0xFFD23F);
    Circle(cr, 48, 54, 36, 0xFFD23F);
    Poly(cr, {82, 46, 98, 52, 82, 58}, 0xFF9F1C);
    Eye(cr, 64, 42, 6, 0.6, 0);
    Blob(cr, {20, 56, 40, 50, 44, 64, 30, 74, 20, 56}, 0xFFC43D);
}

void Snail(cairo_t* cr) {
    Line(cr, {76, 60, 80, 30}, 3);
    Line(cr, {86, 62, 94, 34}, 3);
    Dot(cr, 80, 30, 5, ink);
    Dot(cr, 94, 34, 5, ink);
    Blob(cr, {4, 88, 30, 80, 70, 80, 90, 64, 96, 76, 86, 90, 4, 88}, 0xB8E186);
    Circle(cr, 44, 50, 32, 0xF4A261);
    cairo_new_path(cr);
    for (double a = 0; a < 5 * M_PI; a += 0.2) {
        const double r = 26 * (1 - a / (5.4 * M_PI));
        cairo_line_to(cr, 44 + r * std::cos(a), 50 + r * std::sin(a));
    }
    Outline(cr, 3, ink);
    cairo_new_path(cr);
    Eye(cr, 88, 72, 3);
}

void Butterfly(cairo_t* cr) {
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, 50, 50);
        cairo_scale(cr, side, 1);
        Blob(cr, {4, -8, 24, -44, 46, -40, 40, -6, 4, -8}, 0x9B5DE5);
        Blob(cr, {4, 4, 36, 8, 34, 38, 12, 36, 4, 4}, 0x00BBF9);
        Dot(cr, 28, -26, 6, 0xFFE14D);
        Dot(cr, 22, 22, 5, 0xFFE14D);
        cairo_restore(cr);
    }
    Box(cr, 45, 26, 10, 52, 5, ink);
    Bow(cr, 48, 28, 38, 8, -4, 2.5);
    Bow(cr, 52, 28, 62, 8, -4, 2.5);
}

void Ladybug(cairo_t* cr) {
    Line(cr, {40, 16, 32, 4}, 3);
    Line(cr, {60, 16, 68, 4}, 3);
    Circle(cr, 50, 24, 16, ink);
    Circle(cr, 50, 58, 38, 0xE63946);
    Line(cr, {50, 22, 50, 94}, 4);
    const double spots[][2] = {{32, 46}, {68, 46}, {30, 70}, {70, 70}, {42, 84}, {58, 84}};
    for (const auto& s : spots) Dot(cr, s[0], s[1], 6.5, ink);
    Dot(cr, 44, 20, 3.5, white);
    Dot(cr, 56, 20, 3.5, white);
}

void Bee(cairo_t* cr) {
    Ellipse(cr, 38, 24, 16, 20, 0xCDEFFF);
    Ellipse(cr, 62, 24, 16, 20, 0xCDEFFF);
    Poly(cr, {88, 58, 98, 60, 88, 64}, ink);
    Ellipse(cr, 52, 60, 38, 26, 0xFFD23F);
    for (double x : {44.0, 60.0, 76.0}) {
        cairo_save(cr);
        EllipsePath(cr, 52, 60, 38, 26);
        cairo_clip(cr);
        cairo_rectangle(cr, x, 30, 8, 60);
        SetColour(cr, ink);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    EllipsePath(cr, 52, 60, 38, 26);
    Outline(cr, outline, ink);
    cairo_new_path(cr);
    Eye(cr, 26, 54, 6);
    Bow(cr, 20, 68, 32, 68, 4, 2.5);
}

void Fox(cairo_t* cr) {
    Poly(cr, {14, 40, 18, 4, 42, 26}, 0xF3722C);
    Poly(cr, {86, 40, 82, 4, 58, 26}, 0xF3722C);
    Blob(cr, {8, 40, 30, 22, 70, 22, 92, 40, 70, 70, 50, 92, 30, 70, 8, 40}, 0xF3722C);
    Blob(cr, {14, 46, 34, 56, 50, 92, 26, 70, 14, 46}, white);
    Blob(cr, {86, 46, 66, 56, 50, 92, 74, 70, 86, 46}, white);
    Dot(cr, 50, 88, 5, ink);
    Ellipse(cr, 36, 44, 4, 6, ink);
    Ellipse(cr, 64, 44, 4, 6, ink);
}

// Sea life.

void Fish(cairo_t* cr) {
    Poly(cr, {74, 50, 96, 28, 96, 72}, 0x00BBF9);
    Blob(cr, {8, 50, 40, 20, 78, 50, 40, 80, 8, 50}, 0x3A86FF);
    Blob(cr, {30, 26, 46, 10, 58, 30}, 0x00BBF9);
    Eye(cr, 26, 44, 6, -0.5, 0);
    for (double x : {44.0, 56.0}) Bow(cr, x, 38, x, 62, 0, 2.5, 0x00BBF9);
}

void Clownfish(cairo_t* cr) {
    Blob(cr, {84, 50, 96, 30, 98, 50, 96, 70, 84, 50}, 0xFF9F1C);
    Blob(cr, {40, 24, 52, 8, 66, 26}, 0xFF9F1C);
    Ellipse(cr, 48, 52, 38, 26, 0xFF9F1C);
    for (double x : {30.0, 54.0, 74.0}) {
        cairo_save(cr);
        EllipsePath(cr, 48, 52, 38, 26);
        cairo_clip(cr);
        Ellipse(cr, x, 52, 5, 30, white);
        cairo_restore(cr);
    }
    EllipsePath(cr, 48, 52, 38, 26);
    Outline(cr, outline, ink);
    cairo_new_path(cr);
    Eye(cr, 22, 46, 5, -0.5, 0);
    Blob(cr, {40, 70, 48, 88, 58, 74}, 0xFF9F1C);
}

void Whale(cairo_t* cr) {
    Tube(cr, {40, 24, 40, 10, 30, 4}, 4, 0x90E0EF);
    Tube(cr, {40, 10, 50, 4}, 4, 0x90E0EF);
    Blob(cr, {4, 60, 20, 30, 60, 30, 84, 54, 96, 36, 94, 70, 70, 86, 20, 86, 4, 60}, 0x3A86FF);
    Blob(cr, {12, 72, 40, 84, 70, 84, 40, 92, 12, 72}, 0xCDEFFF);
    Eye(cr, 24, 58, 5);
    Bow(cr, 14, 70, 34, 74, 6, 2.5);
}

void Octopus(cairo_t* cr) {
    for (int i = 0; i < 6; ++i) {
        const double x = 18 + i * 13;
        const double s = i % 2 == 0 ? 1 : -1;
        Tube(cr, {x + 6, 56, x, 72, x + 8 * s, 84, x + 2, 94}, 9, 0xC77DFF);
    }
    Blob(cr, {14, 62, 14, 30, 50, 6, 86, 30, 86, 62, 14, 62}, 0xC77DFF);
    Eye(cr, 38, 40, 8);
    Eye(cr, 62, 40, 8);
    Bow(cr, 42, 54, 58, 54, 6, 3);
    Shine(cr, 30, 22, 6);
}

void Crab(cairo_t* cr) {
    for (int side : {-1, 1}) {
        for (int k = 0; k < 3; ++k)
            Tube(cr, {50 + side * 26.0, 62.0 + k * 8, 50 + side * 40.0, 72.0 + k * 8, 50 + side * 44.0, 84.0 + k * 4},
                 4, 0xE63946);
        Tube(cr, {50 + side * 22.0, 50, 50 + side * 34.0, 36, 50 + side * 34.0, 26}, 6, 0xE63946);
        Blob(cr, {50 + side * 22.0, 24, 50 + side * 34.0, 4, 50 + side * 46.0, 16, 50 + side * 40.0, 30,
                  50 + side * 22.0, 24},
             0xE63946);
        Line(cr, {50 + side * 10.0, 48, 50 + side * 12.0, 34}, 3);
        Eye(cr, 50 + side * 12, 32, 6);
    }
    Ellipse(cr, 50, 64, 30, 20, 0xE63946);
    Bow(cr, 42, 68, 58, 68, 5, 2.5);
}

void Starfish(cairo_t* cr) {
    // Stroked wide with round joins, so the arms end in round tips.
    StarPath(cr, 50, 54, 5, 44, 20);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 8 + 2 * outline);
    SetColour(cr, ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 8);
    SetColour(cr, 0xFF8C61);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        for (double r : {16.0, 28.0}) Dot(cr, 50 + r * std::cos(a), 54 + r * std::sin(a), 3, 0xFFE1C6);
    }
    Dot(cr, 44, 50, 3, ink);
    Dot(cr, 56, 50, 3, ink);
}

void Jellyfish(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        const double x = 24 + i * 13;
        Tube(cr, {x, 50, x - 5, 66, x + 5, 80, x - 3, 96}, 3, 0xF7A1C4);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 52, 36, M_PI, 2 * M_PI);
    cairo_curve_to(cr, 80, 62, 74, 56, 62, 60);
    cairo_curve_to(cr, 54, 64, 46, 64, 38, 60);
    cairo_curve_to(cr, 26, 56, 20, 62, 14, 52);
    cairo_close_path(cr);
    Fill(cr, 0xF7A1C4);
    Eye(cr, 40, 38, 5);
    Eye(cr, 60, 38, 5);
    Shine(cr, 34, 26, 5);
}

void Seahorse(cairo_t* cr) {
    Tube(cr, {56, 30, 64, 50, 58, 72, 44, 86, 34, 80, 40, 72, 48, 76}, 16, 0xFFC43D);
    Poly(cr, {68, 46, 84, 40, 80, 58, 68, 58}, 0xFF9F1C);
    Circle(cr, 52, 26, 18, 0xFFC43D);
    Box(cr, 16, 26, 26, 10, 5, 0xFFC43D);
    Poly(cr, {50, 8, 58, 0, 62, 12}, 0xFF9F1C);
    Eye(cr, 54, 22, 5, -0.5, 0);
}

void Shell(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 50, 88);
    cairo_line_to(cr, 8, 44);
    cairo_curve_to(cr, 12, 6, 88, 6, 92, 44);
    cairo_close_path(cr);
    Fill(cr, 0xFFB4A2);
    for (int i = 1; i < 6; ++i) Line(cr, {50, 84, 12 + i * 12.7, 16 + std::abs(i - 3) * 6.0}, 2.5);
    Box(cr, 36, 82, 28, 14, 5, 0xF08080);
}

void Turtle(cairo_t* cr) {
    for (int sx : {-1, 1})
        for (int sy : {-1, 1}) Ellipse(cr, 50 + sx * 30, 50 + sy * 24, 10, 8, 0x8ACB88);
    Circle(cr, 88, 50, 12, 0x8ACB88);
    Poly(cr, {10, 50, 20, 44, 20, 56}, 0x8ACB88);
    Ellipse(cr, 50, 50, 34, 28, 0x3D8B4F);
    const double plates[][2] = {{50, 50}, {34, 38}, {66, 38}, {34, 62}, {66, 62}};
    for (const auto& p : plates) {
        StarPath(cr, p[0], p[1], 3, 10, 8, M_PI / 6);
        Fill(cr, 0x6BBF59);
    }
    Dot(cr, 92, 46, 3, ink);
}

void Shark(cairo_t* cr) {
    Poly(cr, {42, 34, 52, 6, 64, 34}, 0x7A8CA6);
    Poly(cr, {84, 48, 98, 24, 96, 56, 98, 80, 84, 58}, 0x7A8CA6);
    Blob(cr, {4, 54, 24, 34, 60, 30, 88, 52, 60, 74, 24, 74, 4, 54}, 0x7A8CA6);
    Blob(cr, {8, 60, 30, 70, 60, 72, 40, 76, 8, 60}, white);
    for (int i = 0; i < 4; ++i) Poly(cr, {14.0 + i * 6, 62, 17.0 + i * 6, 67, 20.0 + i * 6, 62}, white);
    Eye(cr, 26, 48, 4);
    for (double x : {48.0, 54.0}) Line(cr, {x, 48, x - 2, 58}, 2);
}

void Dolphin(cairo_t* cr) {
    Blob(cr, {6, 74, 20, 40, 50, 20, 78, 30, 90, 12, 96, 30, 86, 44, 80, 40, 62, 40, 40, 54, 24, 80, 6, 74},
         0x5FA8D3);
    Poly(cr, {48, 26, 52, 8, 62, 24}, 0x5FA8D3);
    Poly(cr, {36, 54, 26, 72, 44, 60}, 0x5FA8D3);
    Eye(cr, 20, 56, 4);
    Bow(cr, 8, 72, 18, 68, 2, 2);
}

void Puffer(cairo_t* cr) {
    StarPath(cr, 48, 52, 16, 46, 34);
    Fill(cr, 0xF6BD60);
    Circle(cr, 48, 52, 34, 0xFFE14D);
    Poly(cr, {80, 52, 96, 40, 96, 64}, 0xF6BD60);
    Eye(cr, 36, 44, 7);
    Eye(cr, 58, 44, 7);
    Circle(cr, 46, 66, 6, 0xFF8C61);
    Dot(cr, 26, 58, 4, pink, 0.8);
}

void Squid(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        const double x = 32 + i * 9;
        Tube(cr, {x, 60, x + (i - 2) * 4.0, 78, x + (i - 2) * 7.0, 96}, 5, 0xF28482);
    }
    Blob(cr, {50, 2, 78, 26, 70, 40, 72, 66, 28, 66, 30, 40, 22, 26, 50, 2}, 0xF28482);
    Eye(cr, 42, 50, 6);
    Eye(cr, 58, 50, 6);
    Dot(cr, 50, 26, 4, 0xF6BD60);
}

void Coral(cairo_t* cr) {
    Tube(cr, {50, 96, 50, 60, 30, 40, 24, 14}, 10, 0xFF6F91);
    Tube(cr, {50, 60, 74, 38, 78, 10}, 10, 0xFF6F91);
    Tube(cr, {38, 48, 46, 22}, 8, 0xFF6F91);
    Tube(cr, {68, 44, 86, 42, 92, 28}, 8, 0xFF6F91);
    Tube(cr, {30, 40, 12, 34, 8, 22}, 8, 0xFF6F91);
    Box(cr, 26, 86, 48, 10, 5, 0xC9B79C);
}

void Seaweed(cairo_t* cr) {
    Tube(cr, {30, 96, 24, 70, 36, 46, 26, 20}, 10, 0x52B788);
    Tube(cr, {52, 96, 58, 66, 46, 40, 56, 8}, 12, 0x2D9D5F);
    Tube(cr, {74, 96, 68, 74, 78, 54}, 9, 0x52B788);
    Circle(cr, 80, 28, 8, 0xCDEFFF);
    Circle(cr, 88, 12, 5, 0xCDEFFF);
    Circle(cr, 14, 40, 6, 0xCDEFFF);
}

}  // namespace

const Draw* AnimalStamps() {
    static const Draw page[16] = {Cat,  Dog,   Rabbit, Bear,  Pig,       Mouse,   Lion, Elephant,
                                  Frog, Owl,   Chick,  Snail, Butterfly, Ladybug, Bee,  Fox};
    return page;
}

const Draw* SeaStamps() {
    static const Draw page[16] = {Fish,    Clownfish, Whale, Octopus, Crab,   Starfish, Jellyfish, Seahorse,
                                  Shell,   Turtle,    Shark, Dolphin, Puffer, Squid,    Coral,     Seaweed};
    return page;
}
