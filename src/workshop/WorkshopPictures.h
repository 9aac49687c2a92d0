// WorkshopPictures: the face-folder pictures the workshop draws its controls with, loaded once
// at set-up. A picture that cannot be read stays empty and is simply not drawn.
#pragma once

#include <array>

#include "graphics/Dib.h"
#include "platform/Surface.h"
#include "shell/PathString.h"
#include "shell/Rect.h"

struct WorkshopPictures {
    void Load(const PathString& faceDir);

    std::array<Dib, 10> ia, ib;        // index k: "ia" k ".bmp", "ib" k ".bmp" (1 to 9)
    std::array<Dib, 7> ta, tb;         // tool buttons, index 1 to 6
    std::array<Dib, 11> tc;            // panel parts, index 0 to 10
    std::array<Dib, 8> pic;            // stamp chooser, index 1 to 7
    std::array<Dib, 10> column;        // "s0" k ".bmp", index k 1 to 9
    std::array<Dib, 5> columnButtons;  // "sp0" k ".bmp", index 1 to 4
    std::array<Dib, 7> toolLabels;     // "aim0" k ".bmp", index 1 to 6
    Dib exitPressed;                   // out.bmp
    Dib chineseLabel, englishLabel;    // l-sc.bmp, l-se.bmp
    Surface marker;                    // tc0.bmp as a surface, for the inverting draws
};

[[nodiscard]] inline bool Meets(const Rect& a, const Rect& b) {
    Rect common;
    return Intersect(a, b, common);
}

// Draws the part of the picture, placed with its top-left corner at (x, y), that lies inside
// `clip`; unscaled. 1 when something was drawn.
int DrawPictureClipped(const Dib& picture, Surface& device, int32_t x, int32_t y,
                       const Rect& clip);
// Draws the picture at the rectangle's top-left, clipped to the rectangle and to `update`.
int DrawControl(const Dib& picture, Surface& device, const Rect& at, const Rect& update);
