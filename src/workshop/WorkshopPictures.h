// WorkshopPictures: the face-folder pictures the workshop draws its controls with, loaded once
// at set-up. A picture that cannot be read stays empty and is simply not drawn.
#pragma once

#include <array>

#include "graphics/Dib.h"
#include "platform/Surface.h"
#include "base/PathString.h"

struct WorkshopPictures {
    void Load(const PathString& faceDir);

    std::array<Dib, 10> ia, ib;        // index k: "ia" k ".bmp", "ib" k ".bmp" (1 to 9)
    std::array<Dib, 7> ta, tb;         // tool buttons, index 1 to 6
    std::array<Dib, 11> tc;            // panel parts, index 0 to 10
    std::array<Dib, 8> pic;            // stamp chooser, index 1 to 7
    std::array<Dib, 10> column;        // "s0" k ".bmp", index k 1 to 9
    std::array<Dib, 5> columnButtons;  // "sp0" k ".bmp", index 1 to 4
    std::array<Dib, 7> toolLabels;     // "aim0" k ".bmp", index 1 to 6
    Dib chineseLabel, englishLabel;    // l-sc.bmp, l-se.bmp
    Surface marker;                    // tc0.bmp as a surface, for the inverting draws
};
