// The plants and food page of the stamp chooser.
#include <cmath>
#include <utility>

#include "StampKit.h"

using namespace stampkit;

namespace {

constexpr uint32_t green = 0x52B788, leafGreen = 0x80B918, white = 0xFFFFFF, ink = colours::ink;

void Daisy(cairo_t* cr) {
    Tube(cr, {50, 60, 48, 80, 50, 98}, 5, green);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        cairo_save(cr);
        cairo_translate(cr, 50, 40);
        cairo_rotate(cr, a);
        EllipsePath(cr, 22, 0, 15, 8);
        Fill(cr, white);
        cairo_restore(cr);
    }
    Circle(cr, 50, 40, 12, 0xFFD23F);
}

void Tulip(cairo_t* cr) {
    Tube(cr, {50, 56, 50, 98}, 5, green);
    Blob(cr, {50, 96, 30, 84, 18, 62, 40, 78, 50, 96}, leafGreen);
    Blob(cr, {50, 90, 70, 76, 84, 56, 60, 70, 50, 90}, leafGreen);
    Blob(cr, {28, 10, 40, 22, 50, 8, 60, 22, 72, 10, 74, 40, 50, 60, 26, 40, 28, 10}, 0xFF5A5F);
}

void Tree(cairo_t* cr) {
    Box(cr, 42, 60, 16, 38, 4, 0x8C5A3C);
    Blob(cr, {14, 56, 8, 36, 24, 22, 34, 6, 60, 4, 74, 18, 92, 32, 90, 56, 70, 68, 30, 68, 14, 56}, 0x3DC47E);
    for (const auto& a : {std::pair{32.0, 36.0}, {62.0, 28.0}, {70.0, 52.0}}) Circle(cr, a.first, a.second, 5, 0xE63946);
}

void Pine(cairo_t* cr) {
    Box(cr, 42, 80, 16, 18, 3, 0x8C5A3C);
    Poly(cr, {50, 40, 88, 84, 12, 84}, 0x2D9D5F);
    Poly(cr, {50, 20, 80, 60, 20, 60}, 0x2D9D5F);
    Poly(cr, {50, 2, 72, 36, 28, 36}, 0x2D9D5F);
}

void Leaf(cairo_t* cr) {
    cairo_move_to(cr, 12, 88);
    cairo_curve_to(cr, 10, 30, 50, 8, 94, 6);
    cairo_curve_to(cr, 92, 50, 70, 90, 12, 88);
    cairo_close_path(cr);
    Fill(cr, leafGreen);
    Line(cr, {6, 96, 70, 30}, 3, 0x55A630);
    Line(cr, {36, 64, 36, 40}, 2.5, 0x55A630);
    Line(cr, {50, 50, 70, 52}, 2.5, 0x55A630);
}

void Mushroom(cairo_t* cr) {
    Box(cr, 36, 50, 28, 46, 12, 0xFFF1D6);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 54, 46, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    Fill(cr, 0xE63946);
    Dot(cr, 30, 36, 7, white);
    Dot(cr, 56, 22, 8, white);
    Dot(cr, 76, 42, 6, white);
}

void Cactus(cairo_t* cr) {
    Tube(cr, {30, 60, 18, 56, 18, 34}, 12, 0x52B788);
    Tube(cr, {70, 50, 84, 46, 84, 26}, 12, 0x52B788);
    Box(cr, 36, 8, 28, 80, 14, 0x52B788);
    Poly(cr, {24, 76, 76, 76, 70, 98, 30, 98}, 0xE76F51);
    Circle(cr, 50, 8, 6, 0xFF8FAB);
}

void Apple(cairo_t* cr) {
    Line(cr, {50, 30, 54, 10}, 5, 0x8C5A3C);
    Blob(cr, {54, 20, 70, 6, 84, 12, 68, 24, 54, 20}, leafGreen);
    Blob(cr, {50, 30, 70, 20, 92, 40, 84, 82, 62, 94, 50, 88, 38, 94, 16, 82, 8, 40, 30, 20, 50, 30},
         0xE63946);
    Shine(cr, 28, 44, 6);
}

void Banana(cairo_t* cr) {
    cairo_move_to(cr, 14, 30);
    cairo_curve_to(cr, 20, 80, 70, 92, 94, 56);
    cairo_curve_to(cr, 72, 74, 34, 70, 26, 26);
    cairo_close_path(cr);
    Fill(cr, 0xFFE14D);
    Box(cr, 12, 18, 14, 14, 3, 0x8C5A3C);
}

void Cherries(cairo_t* cr) {
    Tube(cr, {28, 64, 44, 30, 62, 8}, 2.5, 0x55A630);
    Tube(cr, {72, 70, 66, 36, 62, 8}, 2.5, 0x55A630);
    Blob(cr, {62, 8, 80, 4, 92, 14, 74, 18, 62, 8}, leafGreen);
    Circle(cr, 28, 72, 20, 0xD00000);
    Circle(cr, 72, 76, 20, 0xD00000);
    Shine(cr, 22, 66, 5);
    Shine(cr, 66, 70, 5);
}

void Strawberry(cairo_t* cr) {
    Blob(cr, {50, 96, 20, 64, 14, 32, 50, 24, 86, 32, 80, 64, 50, 96}, 0xEF233C);
    StarPath(cr, 50, 24, 6, 24, 8);
    Fill(cr, leafGreen);
    const double seeds[][2] = {{34, 44}, {50, 42}, {66, 44}, {40, 60}, {60, 60}, {50, 76}, {30, 58}, {70, 58}};
    for (const auto& s : seeds) Ellipse(cr, s[0], s[1], 2, 3, 0xFFE14D);
}

void Carrot(cairo_t* cr) {
    Blob(cr, {64, 24, 60, 4, 72, 18, 86, 6, 80, 28}, leafGreen);
    Blob(cr, {56, 26, 80, 46, 22, 96, 10, 94, 56, 26}, 0xFF9F1C);
    Line(cr, {44, 52, 54, 58}, 2.5);
    Line(cr, {32, 70, 40, 76}, 2.5);
    Line(cr, {56, 40, 62, 44}, 2.5);
}

void Watermelon(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 50, 30, 46, M_PI, 0);
    cairo_close_path(cr);
    Fill(cr, 0x3DC47E);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 50, 30, 38, M_PI, 0);
    cairo_close_path(cr);
    Fill(cr, 0xFF5A5F);
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (0.2 + i * 0.15);
        Ellipse(cr, 50 + 24 * std::cos(a), 30 + 24 * std::sin(a), 2.5, 4, ink);
    }
}

void IceCream(cairo_t* cr) {
    Poly(cr, {26, 50, 74, 50, 50, 98}, 0xE9C46A);
    Line(cr, {34, 60, 58, 84}, 2, 0xC9A227);
    Line(cr, {66, 60, 42, 84}, 2, 0xC9A227);
    Circle(cr, 36, 42, 16, 0xFF8FAB);
    Circle(cr, 64, 42, 16, 0xA3E4D7);
    Circle(cr, 50, 22, 17, 0xFFF1D6);
    Circle(cr, 54, 6, 5, 0xE63946);
}

void Cupcake(cairo_t* cr) {
    Poly(cr, {20, 56, 80, 56, 72, 96, 28, 96}, 0x4CC9F0);
    for (double x : {34.0, 46.0, 58.0, 70.0}) Line(cr, {x - 2, 60, x - 4, 92}, 2, 0x3A86FF);
    Blob(cr, {14, 58, 16, 38, 34, 30, 50, 16, 68, 30, 84, 38, 86, 58, 14, 58}, 0xFFB5CF);
    Circle(cr, 50, 12, 8, 0xE63946);
    for (const auto& d : {std::pair{30.0, 46.0}, {50.0, 36.0}, {68.0, 48.0}, {42.0, 50.0}})
        Dot(cr, d.first, d.second, 2.5, 0x9B5DE5);
}

void Pizza(cairo_t* cr) {
    Poly(cr, {10, 18, 90, 18, 50, 96}, 0xFFD166);
    Box(cr, 6, 8, 88, 16, 8, 0xE9C46A);
    for (const auto& p : {std::pair{36.0, 36.0}, {62.0, 38.0}, {50.0, 62.0}}) Circle(cr, p.first, p.second, 7, 0xE63946);
    Dot(cr, 46, 44, 3, leafGreen);
    Dot(cr, 60, 54, 3, leafGreen);
}

}  // namespace

const Draw* PlantAndFoodStamps() {
    static const Draw page[16] = {Daisy,  Tulip,  Tree,     Pine,       Leaf,   Mushroom,   Cactus,   Apple,
                                  Banana, Cherries, Strawberry, Carrot, Watermelon, IceCream, Cupcake, Pizza};
    return page;
}
