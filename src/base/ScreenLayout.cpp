// The layout table and its placement on the display.
#include "base/ScreenLayout.h"

#include <algorithm>
#include <array>

namespace {

enum class Placement { Centred, Design, Flipped };

struct Entry {
    std::string_view name;
    Rect ScreenLayout::*field;
    Rect design;
    Placement placement;
};

const Entry kEntries[] = {
    {"canvas", &ScreenLayout::canvas, {140, 120, 535, 425}, Placement::Centred},
    {"view", &ScreenLayout::view, {540, 205, 749, 364}, Placement::Centred},
    {"canvasGl", &ScreenLayout::canvasGl, {140, 120, 535, 425}, Placement::Flipped},
    {"viewGl", &ScreenLayout::viewGl, {540, 205, 749, 364}, Placement::Flipped},
    {"DesignScreen", &ScreenLayout::DesignScreen, {0, 0, 800, 600}, Placement::Design},
    {"Screen", &ScreenLayout::Screen, {0, 0, 800, 600}, Placement::Centred},
    {"docout", &ScreenLayout::docout, {96, 8, 153, 63}, Placement::Centred},
    {"docin", &ScreenLayout::docin, {165, 1, 223, 50}, Placement::Centred},
    {"zoom", &ScreenLayout::zoom, {531, 0, 591, 56}, Placement::Centred},
    {"move", &ScreenLayout::move, {597, 0, 657, 53}, Placement::Centred},
    {"rote", &ScreenLayout::rote, {667, 1, 726, 59}, Placement::Centred},
    {"undo", &ScreenLayout::undo, {732, 17, 792, 77}, Placement::Centred},
    {"pencil", &ScreenLayout::pencil, {186, 552, 231, 597}, Placement::Centred},
    {"gush", &ScreenLayout::gush, {202, 501, 245, 541}, Placement::Centred},
    {"picture", &ScreenLayout::picture, {256, 468, 298, 507}, Placement::Centred},
    {"erase", &ScreenLayout::erase, {318, 464, 363, 511}, Placement::Centred},
    {"adjust", &ScreenLayout::adjust, {367, 502, 405, 543}, Placement::Centred},
    {"print", &ScreenLayout::print, {383, 546, 430, 588}, Placement::Centred},
    {"toolPanel", &ScreenLayout::toolPanel, {461, 474, 670, 596}, Placement::Centred},
    {"choosecolor", &ScreenLayout::choosecolor, {473, 493, 601, 579}, Placement::Centred},
    {"thick", &ScreenLayout::thick, {611, 493, 630, 540}, Placement::Centred},
    {"colortrans", &ScreenLayout::colortrans, {639, 493, 659, 540}, Placement::Centred},
    {"colourSwatch", &ScreenLayout::colourSwatch, {613, 557, 646, 579}, Placement::Centred},
    {"adjusth", &ScreenLayout::adjusth, {485, 500, 645, 515}, Placement::Centred},
    {"adjusts", &ScreenLayout::adjusts, {485, 528, 645, 543}, Placement::Centred},
    {"adjustl", &ScreenLayout::adjustl, {485, 555, 645, 570}, Placement::Centred},
    {"rolepic", &ScreenLayout::rolepic, {473, 493, 601, 579}, Placement::Centred},
    {"rolerotate", &ScreenLayout::rolerotate, {614, 495, 630, 570}, Placement::Centred},
    {"rolesize", &ScreenLayout::rolesize, {636, 495, 659, 570}, Placement::Centred},
    {"stampBox", &ScreenLayout::stampBox, {202, 31, 678, 443}, Placement::Centred},
    {"stampGrid", &ScreenLayout::stampGrid, {215, 103, 640, 429}, Placement::Centred},
    {"chooserUp", &ScreenLayout::chooserUp, {647, 132, 676, 182}, Placement::Centred},
    {"chooserDown", &ScreenLayout::chooserDown, {647, 182, 676, 231}, Placement::Centred},
    {"roleqt", &ScreenLayout::roleqt, {648, 355, 675, 433}, Placement::Centred},
    {"stampCell", &ScreenLayout::stampCell, {213, 102, 316, 177}, Placement::Centred},
    {"erasesize", &ScreenLayout::erasesize, {491, 544, 634, 570}, Placement::Centred},
    {"steppri", &ScreenLayout::steppri, {482, 502, 535, 540}, Placement::Centred},
    {"exit", &ScreenLayout::exit, {672, 516, 800, 600}, Placement::Centred},
    {"first", &ScreenLayout::first, {196, 555, 231, 587}, Placement::Centred},
    {"pre", &ScreenLayout::pre, {208, 507, 245, 540}, Placement::Centred},
    {"play", &ScreenLayout::play, {257, 473, 295, 505}, Placement::Centred},
    {"stop", &ScreenLayout::stop, {322, 468, 358, 505}, Placement::Centred},
    {"next", &ScreenLayout::next, {369, 503, 407, 536}, Placement::Centred},
    {"last", &ScreenLayout::last, {391, 550, 427, 584}, Placement::Centred},
    {"diy", &ScreenLayout::diy, {350, 0, 430, 69}, Placement::Centred},
    {"mov", &ScreenLayout::mov, {429, 0, 510, 69}, Placement::Centred},
    {"MovieArea", &ScreenLayout::MovieArea, {163, 172, 483, 412}, Placement::Centred},
    {"stepButton1", &ScreenLayout::stepButton1, {507, 207, 617, 288}, Placement::Centred},
    {"stepButton2", &ScreenLayout::stepButton2, {624, 207, 734, 288}, Placement::Centred},
    {"stepButton3", &ScreenLayout::stepButton3, {507, 295, 617, 376}, Placement::Centred},
    {"stepButton4", &ScreenLayout::stepButton4, {624, 295, 734, 376}, Placement::Centred},
    {"stepPageUp", &ScreenLayout::stepPageUp, {742, 243, 763, 263}, Placement::Centred},
    {"stepPageDown", &ScreenLayout::stepPageDown, {741, 305, 762, 325}, Placement::Centred},
    {"modelColumn", &ScreenLayout::modelColumn, {0, 124, 87, 409}, Placement::Centred},
    {"ModelPick1", &ScreenLayout::ModelPick1, {2, 152, 77, 217}, Placement::Centred},
    {"ModelPick2", &ScreenLayout::ModelPick2, {1, 247, 76, 312}, Placement::Centred},
    {"ModelPick3", &ScreenLayout::ModelPick3, {3, 331, 78, 396}, Placement::Centred},
    {"modelUp", &ScreenLayout::modelUp, {7, 74, 87, 120}, Placement::Centred},
    {"modelDown", &ScreenLayout::modelDown, {3, 420, 93, 459}, Placement::Centred},
    {"change", &ScreenLayout::change, {771, 205, 801, 300}, Placement::Centred},
    {"worksBox", &ScreenLayout::worksBox, {202, 51, 679, 444}, Placement::Centred},
    {"worksModelGrid", &ScreenLayout::worksModelGrid, {205, 93, 410, 439}, Placement::Centred},
    {"worksUp", &ScreenLayout::worksUp, {650, 140, 673, 179}, Placement::Centred},
    {"worksDown", &ScreenLayout::worksDown, {650, 188, 672, 226}, Placement::Centred},
    {"saveback", &ScreenLayout::saveback, {314, 396, 356, 437}, Placement::Centred},
    {"saveash", &ScreenLayout::saveash, {364, 396, 406, 437}, Placement::Centred},
    {"saveboxall", &ScreenLayout::saveboxall, {430, 98, 649, 435}, Placement::Centred},
    {"worksCell", &ScreenLayout::worksCell, {436, 103, 536, 178}, Placement::Centred},
    {"help", &ScreenLayout::help, {695, 391, 774, 489}, Placement::Centred},
    {"languageLabel", &ScreenLayout::languageLabel, {70, 504, 124, 575}, Placement::Centred},
    {"vol", &ScreenLayout::vol, {165, 73, 290, 98}, Placement::Centred},
    {"toolLabel", &ScreenLayout::toolLabel, {231, 508, 389, 600}, Placement::Centred},};

const Entry* FindEntry(std::string_view name) {
    for (const Entry& e : kEntries) {
        if (e.name == name) return &e;
    }
    return nullptr;
}

}  // namespace

ScreenLayout::ScreenLayout(int32_t displayWidth, int32_t displayHeight)
    : dx(displayWidth / 2 - 400), dy(displayHeight / 2 - 300), flipHeight((displayHeight / 2) * 2) {
    for (const Entry& e : kEntries) {
        Rect r = e.design;
        if (e.placement == Placement::Centred) r = ToScreen(r);
        if (e.placement == Placement::Flipped) r = FlipForGl(ToScreen(r));
        this->*e.field = r;
    }
}

Rect* ScreenLayout::Find(std::string_view name) {
    const Entry* e = FindEntry(name);
    return e ? &(this->*e->field) : nullptr;
}

const Rect* ScreenLayout::Find(std::string_view name) const {
    const Entry* e = FindEntry(name);
    return e ? &(this->*e->field) : nullptr;
}

const Rect* ScreenLayout::DesignRect(std::string_view name) {
    const Entry* e = FindEntry(name);
    return e ? &e->design : nullptr;
}

std::span<const std::string_view> ScreenLayout::Names() {
    static const auto names = [] {
        std::array<std::string_view, std::size(kEntries)> all{};
        std::transform(std::begin(kEntries), std::end(kEntries), all.begin(),
                       [](const Entry& e) { return e.name; });
        return all;
    }();
    return names;
}

Rect ScreenLayout::ToScreen(Rect r) const {
    r.Offset(dx, dy);
    return r;
}

Rect ScreenLayout::ToDesign(Rect r) const {
    r.Offset(-dx, -dy);
    return r;
}

Rect ScreenLayout::FlipForGl(Rect r) const {
    return Rect{r.left, flipHeight - r.bottom, r.right, flipHeight - r.top};
}
