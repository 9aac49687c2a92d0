// The vehicle and sky pages of the stamp chooser: things that go, fly and shine.
#include <cmath>

#include "StampKit.h"

using namespace stampkit;

namespace {

constexpr uint32_t white = 0xFFFFFF, glass = 0x90E0EF, ink = colours::ink;

void Wheel(cairo_t* cr, double x, double y, double r) {
    Circle(cr, x, y, r, 0x4A4E69);
    Dot(cr, x, y, r * 0.4, 0xD9D9E3);
}

void Car(cairo_t* cr) {
    Blob(cr, {26, 46, 36, 24, 64, 24, 76, 46}, 0xE63946);
    Box(cr, 6, 44, 88, 26, 10, 0xE63946);
    Poly(cr, {34, 44, 40, 30, 48, 30, 48, 44}, glass);
    Poly(cr, {54, 44, 54, 30, 62, 30, 68, 44}, glass);
    Wheel(cr, 28, 72, 12);
    Wheel(cr, 72, 72, 12);
    Dot(cr, 90, 52, 4, 0xFFE14D);
}

void Bus(cairo_t* cr) {
    Box(cr, 4, 18, 92, 58, 10, 0xFFC43D);
    for (int i = 0; i < 4; ++i) Box(cr, 10 + i * 20.0, 26, 15, 18, 3, glass);
    Box(cr, 84, 26, 8, 34, 2, glass);
    Line(cr, {8, 54, 80, 54}, 4, 0xE09F3E);
    Wheel(cr, 24, 78, 11);
    Wheel(cr, 76, 78, 11);
}

void Train(cairo_t* cr) {
    Box(cr, 50, 14, 40, 56, 6, 0x3A86FF);
    Box(cr, 46, 8, 48, 10, 4, 0xE63946);
    Box(cr, 8, 38, 46, 32, 6, 0x3A86FF);
    Box(cr, 16, 18, 12, 22, 3, 0x4A4E69);
    Box(cr, 12, 10, 20, 10, 4, 0x4A4E69);
    Box(cr, 58, 24, 24, 18, 3, glass);
    Poly(cr, {2, 84, 8, 68, 14, 84}, 0xE63946);
    Wheel(cr, 24, 78, 10);
    Wheel(cr, 50, 78, 10);
    Wheel(cr, 76, 78, 10);
}

void Truck(cairo_t* cr) {
    Box(cr, 4, 18, 58, 52, 4, 0x52B788);
    Blob(cr, {62, 70, 62, 32, 82, 32, 96, 50, 96, 70}, 0xFF9F1C);
    Poly(cr, {68, 38, 80, 38, 88, 50, 68, 50}, glass);
    Wheel(cr, 22, 74, 11);
    Wheel(cr, 78, 74, 11);
    Line(cr, {14, 32, 52, 32}, 3, 0x2D9D5F);
    Line(cr, {14, 44, 52, 44}, 3, 0x2D9D5F);
}

void Bicycle(cairo_t* cr) {
    for (double x : {24.0, 76.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, 66, 20, 0, 2 * M_PI);
        Outline(cr, 10, ink);
        Outline(cr, 4, 0x8D99AE);
        cairo_new_path(cr);
        Dot(cr, x, 66, 4, ink);
    }
    Line(cr, {24, 66, 44, 40, 70, 40, 76, 66}, 5, 0xE63946);
    Line(cr, {44, 40, 52, 66, 70, 40}, 5, 0xE63946);
    Line(cr, {24, 66, 52, 66}, 5, 0xE63946);
    Line(cr, {44, 40, 40, 28}, 5, 0xE63946);
    Box(cr, 30, 22, 20, 8, 4, ink);
    Line(cr, {70, 40, 66, 22, 76, 20}, 5, ink);
}

void Sailboat(cairo_t* cr) {
    Poly(cr, {52, 8, 52, 66, 88, 66}, white);
    Poly(cr, {46, 16, 46, 66, 16, 66}, 0xFF8FAB);
    Line(cr, {49, 6, 49, 70}, 4);
    Blob(cr, {4, 68, 96, 68, 80, 90, 20, 90}, 0x8C5A3C);
    Line(cr, {2, 96, 20, 92, 40, 96, 60, 92, 80, 96, 98, 92}, 3, 0x3A86FF);
}

void Submarine(cairo_t* cr) {
    Box(cr, 44, 10, 6, 24, 2, 0x4A4E69);
    Box(cr, 44, 8, 16, 6, 3, 0x4A4E69);
    Box(cr, 34, 24, 30, 20, 6, 0xFFC43D);
    Ellipse(cr, 48, 56, 42, 22, 0xFFC43D);
    Poly(cr, {86, 56, 98, 42, 98, 70}, 0xE09F3E);
    for (double x : {26.0, 46.0, 66.0}) {
        Circle(cr, x, 56, 8, glass);
        Shine(cr, x - 2, 54, 2.5);
    }
    Circle(cr, 20, 84, 4, 0xCDEFFF);
    Circle(cr, 10, 74, 3, 0xCDEFFF);
}

void Tractor(cairo_t* cr) {
    Box(cr, 10, 42, 70, 26, 5, 0x52B788);
    Box(cr, 14, 12, 34, 34, 4, 0x52B788);
    Box(cr, 20, 18, 22, 18, 3, glass);
    Box(cr, 64, 24, 8, 20, 2, 0x4A4E69);
    Circle(cr, 30, 72, 22, 0x4A4E69);
    Dot(cr, 30, 72, 10, 0xFFC43D);
    Circle(cr, 78, 80, 14, 0x4A4E69);
    Dot(cr, 78, 80, 6, 0xFFC43D);
}

void Jet(cairo_t* cr) {
    Poly(cr, {40, 46, 64, 6, 74, 6, 62, 46}, 0x9DB4D8);
    Poly(cr, {40, 54, 64, 94, 74, 94, 62, 54}, 0x9DB4D8);
    Poly(cr, {6, 50, 14, 30, 22, 30, 22, 50}, 0x9DB4D8);
    Blob(cr, {6, 44, 60, 42, 90, 44, 98, 50, 90, 56, 60, 58, 6, 56}, white);
    Blob(cr, {74, 45, 86, 45, 92, 50, 74, 50}, glass);
    Line(cr, {26, 50, 60, 50}, 2.5, 0xE63946);
}

void PaperPlane(cairo_t* cr) {
    Poly(cr, {4, 44, 96, 10, 40, 62}, white);
    Poly(cr, {40, 62, 96, 10, 50, 86}, 0xD7E3FC);
    Poly(cr, {40, 62, 50, 86, 36, 74}, 0xABC4FF);
    for (int i = 0; i < 3; ++i) Line(cr, {4.0 + i * 8, 74.0 + i * 8, 18.0 + i * 8, 66.0 + i * 8}, 3, 0x9B5DE5);
}

void PropPlane(cairo_t* cr) {
    Poly(cr, {36, 44, 40, 8, 54, 8, 56, 44}, 0xE63946);
    Poly(cr, {36, 56, 40, 92, 54, 92, 56, 56}, 0xE63946);
    Poly(cr, {8, 50, 10, 34, 18, 34, 22, 50}, 0xE63946);
    Blob(cr, {8, 44, 40, 40, 80, 42, 86, 50, 80, 58, 40, 60, 8, 56}, 0xFFC43D);
    Box(cr, 84, 44, 6, 12, 3, ink);
    Ellipse(cr, 92, 50, 4, 22, 0xD9D9E3);
    Blob(cr, {52, 42, 60, 34, 70, 42}, glass);
}

void Helicopter(cairo_t* cr) {
    Line(cr, {8, 12, 92, 12}, 6);
    Box(cr, 46, 12, 8, 14, 2, 0x4A4E69);
    Box(cr, 4, 42, 40, 10, 5, 0x3A86FF);
    Poly(cr, {2, 30, 10, 30, 12, 46, 4, 50}, 0x3A86FF);
    Ellipse(cr, 58, 50, 32, 24, 0x3A86FF);
    Blob(cr, {62, 34, 82, 40, 88, 54, 64, 54}, glass);
    Line(cr, {40, 76, 40, 86}, 4);
    Line(cr, {72, 76, 72, 86}, 4);
    Line(cr, {28, 88, 86, 88}, 5);
}

void HotAirBalloon(cairo_t* cr) {
    Line(cr, {32, 64, 40, 80}, 2.5);
    Line(cr, {68, 64, 60, 80}, 2.5);
    Box(cr, 38, 78, 24, 18, 4, 0x8C5A3C);
    Blob(cr, {50, 72, 18, 50, 14, 24, 50, 4, 86, 24, 82, 50, 50, 72}, 0xFF5A5F);
    cairo_save(cr);
    EllipsePath(cr, 50, 38, 12, 34);
    Fill(cr, 0xFFE14D);
    cairo_restore(cr);
}

void Kite(cairo_t* cr) {
    Tube(cr, {50, 80, 40, 88, 54, 92, 44, 99}, 2, ink);
    for (double y : {86.0, 94.0}) Poly(cr, {44, y - 4, 52, y, 44, y + 4}, 0xFF5A5F);
    Poly(cr, {50, 2, 84, 36, 50, 82, 16, 36}, 0x00BBF9);
    Poly(cr, {50, 2, 84, 36, 50, 36}, 0xFFE14D);
    Poly(cr, {16, 36, 50, 36, 50, 82}, 0xFFE14D);
}

void Parachute(cairo_t* cr) {
    for (double x : {8.0, 36.0, 64.0, 92.0}) Line(cr, {x, 40, 50, 76}, 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 42, 42, M_PI, 2 * M_PI);
    for (int i = 3; i >= 0; --i) cairo_arc_negative(cr, 22 + i * 28 - 14, 42, 14, 0, M_PI);
    cairo_close_path(cr);
    Fill(cr, 0x9B5DE5);
    Circle(cr, 50, 76, 8, 0xFFD6A5);
    Box(cr, 42, 84, 16, 14, 4, 0xFF9F1C);
}

void PartyBalloon(cairo_t* cr) {
    Tube(cr, {50, 74, 42, 84, 56, 90, 50, 99}, 1.5, ink);
    Poly(cr, {44, 76, 56, 76, 50, 68}, 0x3DC47E);
    Ellipse(cr, 50, 38, 28, 34, 0x3DC47E);
    Shine(cr, 38, 24, 7);
}

// Sky and space.

void Sun(cairo_t* cr) {
    StarPath(cr, 50, 50, 12, 48, 32);
    Fill(cr, 0xFF9F1C);
    Circle(cr, 50, 50, 30, 0xFFD23F);
    Dot(cr, 41, 45, 4, ink);
    Dot(cr, 59, 45, 4, ink);
    Bow(cr, 40, 58, 60, 58, 8, 3);
}

void Moon(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 48, 50, 44, 0.35 * M_PI, 1.65 * M_PI);
    cairo_arc_negative(cr, 66, 42, 34, 1.5 * M_PI, 0.6 * M_PI);
    cairo_close_path(cr);
    Fill(cr, 0xFFE14D);
    Dot(cr, 24, 50, 3.5, ink);
    Bow(cr, 16, 62, 28, 64, 3, 2.5);
}

void Star(cairo_t* cr) {
    StarPath(cr, 50, 54, 5, 46, 20);
    Fill(cr, 0xFFD23F);
    Shine(cr, 40, 38, 5);
}

void Cloud(cairo_t* cr) {
    Blob(cr, {8, 66, 10, 46, 28, 40, 36, 24, 60, 20, 74, 36, 90, 40, 94, 62, 80, 72, 20, 72, 8, 66}, white);
    Dot(cr, 40, 52, 3.5, ink);
    Dot(cr, 60, 52, 3.5, ink);
    Bow(cr, 44, 60, 56, 60, 4, 2.5);
}

void RainCloud(cairo_t* cr) {
    for (int i = 0; i < 4; ++i) {
        const double x = 20 + i * 20, y = 74 + (i % 2) * 10;
        Blob(cr, {x, y - 8, x + 6, y + 6, x, y + 10, x - 6, y + 6, x, y - 8}, 0x3A86FF);
    }
    Blob(cr, {6, 48, 14, 28, 34, 24, 46, 8, 72, 10, 82, 26, 96, 38, 90, 60, 10, 62, 6, 48}, 0xA9B4C9);
}

void Lightning(cairo_t* cr) {
    Poly(cr, {58, 2, 20, 54, 46, 54, 34, 98, 82, 38, 54, 38, 72, 2}, 0xFFE14D);
}

void Rainbow(cairo_t* cr) {
    const uint32_t bands[] = {0xE63946, 0xFF9F1C, 0xFFD23F, 0x3DC47E, 0x3A86FF, 0x9B5DE5};
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 74, 48, M_PI, 2 * M_PI);
    cairo_arc_negative(cr, 50, 74, 14, 2 * M_PI, M_PI);
    cairo_close_path(cr);
    Outline(cr, 2 * outline, ink);
    cairo_new_path(cr);
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, 50, 74, 45 - i * 5.8, M_PI, 2 * M_PI);
        SetColour(cr, bands[i]);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    Ellipse(cr, 14, 78, 14, 8, white);
    Ellipse(cr, 86, 78, 14, 8, white);
}

void Snowflake(cairo_t* cr) {
    for (int pass = 0; pass < 2; ++pass) {
        const double w = pass == 0 ? 7 + 2 * outline : 7;
        const uint32_t c = pass == 0 ? ink : 0xCDEFFF;
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3, ca = std::cos(a), sa = std::sin(a);
            Line(cr, {50, 50, 50 + 44 * ca, 50 + 44 * sa}, w, c);
            for (double r : {22.0, 34.0}) {
                const double bx = 50 + r * ca, by = 50 + r * sa;
                Line(cr, {bx + 10 * std::cos(a + 0.9), by + 10 * std::sin(a + 0.9), bx, by,
                          bx + 10 * std::cos(a - 0.9), by + 10 * std::sin(a - 0.9)},
                     w, c);
            }
        }
    }
}

void Rocket(cairo_t* cr) {
    Poly(cr, {34, 60, 16, 84, 36, 80}, 0xE63946);
    Poly(cr, {66, 60, 84, 84, 64, 80}, 0xE63946);
    Blob(cr, {42, 84, 50, 99, 58, 84}, 0xFF9F1C);
    Blob(cr, {50, 2, 70, 26, 68, 60, 62, 84, 38, 84, 32, 60, 30, 26, 50, 2}, white);
    Circle(cr, 50, 40, 10, glass);
    Blob(cr, {50, 2, 62, 14, 38, 14, 50, 2}, 0xE63946);
}

void Ring(cairo_t* cr, bool frontHalf) {
    cairo_save(cr);
    cairo_translate(cr, 50, 52);
    cairo_rotate(cr, -0.35);
    if (frontHalf) {
        cairo_rectangle(cr, -60, 0, 120, 40);
        cairo_clip(cr);
    }
    EllipsePath(cr, 0, 0, 48, 14);
    Outline(cr, 10, ink);
    Outline(cr, 4, 0xFFD23F);
    cairo_new_path(cr);
    cairo_restore(cr);
}

// The ring passes behind the planet and in front of it.
void Planet(cairo_t* cr) {
    Ring(cr, false);
    Circle(cr, 50, 52, 28, 0xC77DFF);
    Ring(cr, true);
    Dot(cr, 40, 40, 5, 0xE0AAFF);
}

void Saucer(cairo_t* cr) {
    Line(cr, {30, 74, 22, 96}, 3, 0xFFE14D);
    Line(cr, {70, 74, 78, 96}, 3, 0xFFE14D);
    Ellipse(cr, 50, 38, 20, 20, glass);
    Eye(cr, 50, 34, 6);
    Ellipse(cr, 50, 58, 46, 16, 0x9DB4D8);
    for (double x : {22.0, 40.0, 60.0, 78.0}) Dot(cr, x, 60, 4, 0xFFE14D);
}

void Comet(cairo_t* cr) {
    Poly(cr, {60, 14, 26, 44, 2, 98, 46, 76, 88, 42}, 0xFFC43D);
    Poly(cr, {64, 26, 30, 56, 20, 84, 50, 64, 78, 40}, 0xFFE14D);
    Circle(cr, 74, 30, 20, 0xFF9F1C);
    Shine(cr, 68, 24, 5);
}

void Satellite(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 50, 50);
    cairo_rotate(cr, -M_PI / 6);
    for (int side : {-1, 1}) {
        Box(cr, side > 0 ? 18 : -56, -12, 38, 24, 2, 0x3A86FF);
        Line(cr, {side * 37.0, -12, side * 37.0, 12}, 2);
        Line(cr, {side * 14.0, 0, side * 18.0, 0}, 4);
    }
    Box(cr, -14, -16, 28, 32, 4, 0xD9D9E3);
    Line(cr, {0, -16, 0, -30}, 3);
    Circle(cr, 0, -32, 5, 0xE63946);
    cairo_restore(cr);
}

void Astronaut(cairo_t* cr) {
    Box(cr, 18, 64, 64, 34, 14, white);
    Circle(cr, 50, 42, 38, white);
    Ellipse(cr, 50, 44, 26, 22, 0x3A4E8C);
    Blob(cr, {34, 36, 42, 28, 50, 30}, 0x90E0EF);
    Box(cr, 40, 76, 20, 12, 3, 0xE63946);
}

// The earth with its moon, so it is not one more plain disc.
void Earth(cairo_t* cr) {
    Circle(cr, 84, 16, 10, 0xD9D9E3);
    Dot(cr, 81, 14, 2.5, 0xA9A9B8);
    Circle(cr, 44, 56, 40, 0x3A86FF);
    cairo_save(cr);
    cairo_arc(cr, 44, 56, 38, 0, 2 * M_PI);
    cairo_clip(cr);
    Blob(cr, {14, 30, 34, 22, 40, 40, 28, 54, 34, 70, 18, 76, 8, 52, 14, 30}, 0x52B788);
    Blob(cr, {54, 46, 74, 38, 86, 58, 70, 84, 56, 72, 54, 46}, 0x52B788);
    cairo_restore(cr);
    cairo_arc(cr, 44, 56, 40, 0, 2 * M_PI);
    Outline(cr, outline, ink);
    cairo_new_path(cr);
    Shine(cr, 28, 38, 5);
}

void SunAndCloud(cairo_t* cr) {
    StarPath(cr, 62, 38, 10, 36, 24);
    Fill(cr, 0xFF9F1C);
    Circle(cr, 62, 38, 22, 0xFFD23F);
    Blob(cr, {6, 86, 6, 66, 22, 58, 30, 42, 54, 42, 62, 58, 76, 62, 78, 86, 6, 86}, white);
}

}  // namespace

const Draw* VehicleStamps() {
    static const Draw page[16] = {Car, Bus,        Train,      Truck,         Bicycle, Sailboat,  Submarine,
                                  Tractor, Jet, PaperPlane, PropPlane, Helicopter, HotAirBalloon, Kite,
                                  Parachute, PartyBalloon};
    return page;
}

const Draw* SkyStamps() {
    static const Draw page[16] = {Sun,    Moon,   Star,   Cloud,     RainCloud, Lightning, Rainbow, Snowflake,
                                  Rocket, Planet, Saucer, Comet,     Satellite, Astronaut, Earth,   SunAndCloud};
    return page;
}
