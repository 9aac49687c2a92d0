// The faces and the signs pages of the stamp chooser. Each face has its own outline (a hat, hands,
// tears, a thought), so no two stamps share a shape when only their mask is seen.
#include <cmath>

#include "StampKit.h"

using namespace stampkit;

namespace {

constexpr uint32_t yellow = 0xFFD23F, white = 0xFFFFFF, ink = colours::ink, tear = 0x4CC9F0;

void Head(cairo_t* cr, double cx = 50, double cy = 52, double r = 38) { Circle(cr, cx, cy, r, yellow); }

void Drop(cairo_t* cr, double x, double y, double s) {
    Blob(cr, {x, y - 2 * s, x + s, y, x, y + s, x - s, y, x, y - 2 * s}, tear);
}

void Happy(cairo_t* cr) {
    Head(cr, 50, 50, 44);
    Dot(cr, 36, 40, 5, ink);
    Dot(cr, 64, 40, 5, ink);
    Bow(cr, 30, 58, 70, 58, 18, 5);
}

void Sad(cairo_t* cr) {
    Ellipse(cr, 50, 46, 34, 40, yellow);
    Dot(cr, 38, 40, 5, ink);
    Dot(cr, 62, 40, 5, ink);
    Bow(cr, 36, 70, 64, 70, -12, 5);
    Drop(cr, 34, 96, 5);
}

void Laughing(cairo_t* cr) {
    Ellipse(cr, 50, 52, 44, 34, yellow);
    Bow(cr, 26, 40, 40, 40, -8, 4);
    Bow(cr, 60, 40, 74, 40, -8, 4);
    cairo_move_to(cr, 28, 54);
    cairo_curve_to(cr, 36, 82, 64, 82, 72, 54);
    cairo_close_path(cr);
    Fill(cr, 0xE63946);
    Drop(cr, 6, 34, 5);
    Drop(cr, 94, 34, 5);
}

void Surprised(cairo_t* cr) {
    Ellipse(cr, 50, 50, 32, 46, yellow);
    Eye(cr, 38, 38, 7);
    Eye(cr, 62, 38, 7);
    Ellipse(cr, 50, 70, 8, 11, ink);
    Bow(cr, 30, 24, 42, 22, -4, 3);
    Bow(cr, 58, 22, 70, 24, -4, 3);
}

void Angry(cairo_t* cr) {
    for (int side : {-1, 1}) {
        Circle(cr, 50 + side * 36, 14, 8, 0xE0E0E0);
        Circle(cr, 50 + side * 44, 6, 5, 0xE0E0E0);
    }
    Head(cr, 50, 58, 38);
    Line(cr, {30, 42, 44, 50}, 5);
    Line(cr, {70, 42, 56, 50}, 5);
    Dot(cr, 39, 56, 4, ink);
    Dot(cr, 61, 56, 4, ink);
    Bow(cr, 36, 78, 64, 78, -8, 5);
}

void Sleepy(cairo_t* cr) {
    Head(cr, 44, 58, 38);
    Bow(cr, 24, 54, 38, 54, 6, 4);
    Bow(cr, 50, 54, 64, 54, 6, 4);
    Ellipse(cr, 44, 76, 6, 4, ink);
    Glyph(cr, "Z", 22, 84, 18, 0x9DB4D8);
    Glyph(cr, "z", 14, 66, 6, 0x9DB4D8);
}

void Winking(cairo_t* cr) {
    Box(cr, 10, 10, 80, 80, 24, yellow);
    Dot(cr, 34, 40, 5, ink);
    Bow(cr, 56, 42, 72, 42, -6, 4);
    Bow(cr, 32, 60, 68, 60, 12, 5);
}

void InLove(cairo_t* cr) {
    HeartPath(cr, 50, 52, 96);
    Fill(cr, yellow);
    for (int side : {-1, 1}) {
        HeartPath(cr, 50 + side * 16, 36, 20);
        Fill(cr, 0xE63946);
    }
    Bow(cr, 36, 56, 64, 56, 10, 4);
}

void Silly(cairo_t* cr) {
    Box(cr, 48, 64, 18, 32, 9, 0xFF8FAB);
    Line(cr, {57, 72, 57, 86}, 2);
    Head(cr, 50, 46, 40);
    Eye(cr, 36, 38, 8, 1, 0);
    Eye(cr, 62, 36, 6, -1, 0);
    Line(cr, {36, 64, 70, 64}, 5);
}

void Cool(cairo_t* cr) {
    Head(cr, 50, 54, 38);
    Line(cr, {2, 38, 98, 38}, 5);
    Box(cr, 14, 34, 32, 18, 7, ink);
    Box(cr, 54, 34, 32, 18, 7, ink);
    Bow(cr, 38, 72, 64, 70, 6, 5);
}

void Crying(cairo_t* cr) {
    Ellipse(cr, 50, 92, 44, 6, tear);
    Head(cr, 50, 46, 38);
    Bow(cr, 28, 38, 42, 38, 6, 4);
    Bow(cr, 58, 38, 72, 38, 6, 4);
    Tube(cr, {34, 44, 30, 66, 26, 86}, 6, tear);
    Tube(cr, {66, 44, 70, 66, 74, 86}, 6, tear);
    Ellipse(cr, 50, 64, 10, 7, ink);
}

void Cold(cairo_t* cr) {
    Head(cr, 50, 60, 36);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 50, 46, 38, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    Fill(cr, 0x3A86FF);
    Box(cr, 10, 38, 80, 12, 6, white);
    Circle(cr, 50, 8, 8, white);
    Dot(cr, 38, 62, 4, ink);
    Dot(cr, 62, 62, 4, ink);
    Line(cr, {36, 80, 42, 76, 48, 80, 54, 76, 60, 80, 64, 77}, 3);
}

void StarStruck(cairo_t* cr) {
    StarPath(cr, 50, 54, 5, 50, 30);
    Fill(cr, yellow);
    for (int side : {-1, 1}) {
        StarPath(cr, 50 + side * 12, 46, 5, 8, 4);
        Fill(cr, 0xFF9F1C);
    }
    Bow(cr, 40, 62, 60, 62, 10, 4);
}

void Thinking(cairo_t* cr) {
    Circle(cr, 84, 16, 12, white);
    Circle(cr, 68, 34, 5, white);
    Head(cr, 42, 56, 36);
    Dot(cr, 32, 48, 4, ink);
    Dot(cr, 54, 48, 4, ink);
    Line(cr, {34, 72, 52, 68}, 4);
    Box(cr, 50, 76, 26, 20, 10, 0xFFC43D);
    Glyph(cr, "?", 16, 84, 16, 0x9B5DE5);
}

void Party(cairo_t* cr) {
    Head(cr, 50, 62, 36);
    Poly(cr, {30, 32, 50, 2, 70, 32}, 0x9B5DE5);
    Dot(cr, 44, 22, 3, 0xFFE14D);
    Dot(cr, 56, 26, 3, 0x00F5D4);
    Dot(cr, 38, 58, 5, ink);
    Dot(cr, 62, 58, 5, ink);
    Bow(cr, 36, 74, 64, 74, 10, 4);
    Poly(cr, {64, 76, 96, 70, 96, 82}, 0xFF5A5F);
}

void King(cairo_t* cr) {
    Head(cr, 50, 62, 36);
    Poly(cr, {20, 34, 16, 4, 34, 18, 50, 2, 66, 18, 84, 4, 80, 34}, 0xFFC43D);
    Dot(cr, 50, 18, 4, 0xE63946);
    Dot(cr, 38, 58, 5, ink);
    Dot(cr, 62, 58, 5, ink);
    Bow(cr, 38, 74, 62, 74, 8, 4);
}

// Signs, letters and numbers.

void Letter(cairo_t* cr, const char* text, uint32_t colour) { Glyph(cr, text, 96, 50, 50, colour); }
void LetterA(cairo_t* cr) { Letter(cr, "A", 0xFF5A5F); }
void LetterB(cairo_t* cr) { Letter(cr, "B", 0x3A86FF); }
void LetterC(cairo_t* cr) { Letter(cr, "C", 0x3DC47E); }
void One(cairo_t* cr) { Letter(cr, "1", 0xFF9F1C); }
void Two(cairo_t* cr) { Letter(cr, "2", 0x9B5DE5); }
void Three(cairo_t* cr) { Letter(cr, "3", 0x00BBF9); }

void Heart(cairo_t* cr) {
    HeartPath(cr, 50, 50, 92);
    Fill(cr, 0xFF5A5F);
    Shine(cr, 32, 32, 7);
}

void Arrow(cairo_t* cr) {
    Poly(cr, {6, 38, 54, 38, 54, 14, 96, 50, 54, 86, 54, 62, 6, 62}, 0x3DC47E);
}

void Stop(cairo_t* cr) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI / 8 + i * M_PI / 4;
        cairo_line_to(cr, 50 + 46 * std::cos(a), 50 + 46 * std::sin(a));
    }
    cairo_close_path(cr);
    Fill(cr, 0xE63946);
    Box(cr, 20, 44, 60, 12, 4, white);
}

void Warning(cairo_t* cr) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Poly(cr, {50, 6, 96, 90, 4, 90}, 0xFFD23F);
    Box(cr, 45, 34, 10, 32, 5, ink);
    Dot(cr, 50, 78, 6, ink);
}

void Question(cairo_t* cr) { Glyph(cr, "?", 92, 50, 50, 0x9B5DE5); }
void Exclamation(cairo_t* cr) { Glyph(cr, "!", 92, 50, 50, 0xFF9F1C); }

void Check(cairo_t* cr) {
    Line(cr, {12, 52, 38, 80, 90, 18}, 16 + 2 * outline);
    Line(cr, {12, 52, 38, 80, 90, 18}, 16, 0x3DC47E);
}

void Note(cairo_t* cr) {
    Line(cr, {36, 76, 36, 16, 82, 6, 82, 66}, 8);
    Ellipse(cr, 26, 78, 15, 12, 0x3A86FF);
    Ellipse(cr, 72, 68, 15, 12, 0x3A86FF);
}

void Plus(cairo_t* cr) {
    Poly(cr, {36, 6, 64, 6, 64, 36, 94, 36, 94, 64, 64, 64, 64, 94, 36, 94, 36, 64, 6, 64, 6, 36, 36, 36},
         0xE63946);
}

void Speech(cairo_t* cr) {
    Blob(cr, {20, 70, 8, 40, 30, 10, 70, 10, 94, 40, 80, 70, 40, 74, 14, 94, 24, 72}, white);
    Glyph(cr, "Hi", 34, 52, 40, 0xFF5A5F);
}

}  // namespace

const Draw* FaceStamps() {
    static const Draw page[16] = {Happy,  Sad,  Laughing, Surprised,  Angry,    Sleepy, Winking, InLove,
                                  Silly,  Cool, Crying,   Cold,       StarStruck, Thinking, Party, King};
    return page;
}

const Draw* SignStamps() {
    static const Draw page[16] = {LetterA, LetterB, LetterC, One,    Two,   Three,       Heart, Arrow,
                                  Stop,    Warning, Question, Exclamation, Check, Note, Plus,  Speech};
    return page;
}
