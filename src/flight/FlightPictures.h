// FlightPictures: the face-folder pictures the flight screen draws its backdrop and controls
// with, loaded once. A picture that cannot be read stays empty and is simply not drawn.
#pragma once

#include <array>

#include "base/PathString.h"
#include "graphics/Dib.h"

struct FlightPictures {
    void Load(const PathString& faceDir);

    Dib backdrop;                           // moviebk.bmp
    Dib diy, mov;                           // ia7.bmp, ib8.bmp
    std::array<Dib, 5> columnButtons;       // "sp0" k ".bmp", index 1 to 4
    std::array<Dib, 10> column;             // "s0" k ".bmp", index 1 to 9
    std::array<Dib, 7> transport;           // "mova" k ".bmp", index 1 to 6
    std::array<Dib, 7> transportPressed;    // "movb" k ".bmp", index 1 to 6
    std::array<Dib, 6> stepPageButtons;     // "avi-A" k ".bmp", index 2 to 5
    Dib panel, knob;                        // tc2.bmp, tc6.bmp: the print panel and its knob
    Dib chineseLabel, englishLabel;         // l-sc.bmp, l-se.bmp
};
