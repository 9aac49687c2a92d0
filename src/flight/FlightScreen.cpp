// The flight screen's backdrop, its tooltips and tour start, and the narration choice.
#include "flight/FlightScreen.h"

#include <cstdio>

#include "graphics/DibDrawing.h"
#include "tours/GuidedDemo.h"

namespace {

constexpr TipRow kFlightTips[] = {
    {1, "diy", "diy"},       {2, "mov", "mov"},         {6, "vol", "vol"},
    {12, "first", "first"},  {13, "pre", "pre"},        {14, "play", "play"},
    {15, "stop", "stop"},    {16, "next", "next"},      {17, "last", "last"},
    {18, "help", "help"},    {19, "exit", "exit"},      {20, "steppri", "steppri"},
    {21, "printsize", "erasesize"}, {22, "roleup", "stepPageUp"}, {23, "roledn", "stepPageDown"},
    {31, "sprite", "ModelPick1"}, {32, "sprite", "ModelPick2"}, {33, "sprite", "ModelPick3"},
    {34, "roleup", "modelUp"}, {35, "roledn", "modelDown"},
};

}  // namespace

void FlightScreen::Enter() {
    const Dib backdrop = Dib::LoadFromFile(host.Paths().faceDir + "moviebk.bmp");
    if (!backdrop.IsEmpty())
        (void)DrawAt(backdrop, host.BackBuffer(), host.Layout().DesignScreen, false,
                     host.DisplayWidth(), host.DisplayHeight());
    host.ShowTips(kFlightTips);
}

void FlightScreen::Paint(const Rect& update) {
    const ScreenLayout& l = host.Layout();
    Rect part;
    // The back buffer is in design coordinates: take the part from there, unscaled.
    if (Intersect(update, l.Screen, part))
        (void)host.WindowDevice().BitBlt(part.left, part.top, part.Width(), part.Height(),
                                         host.BackBuffer(), part.left - l.Screen.left,
                                         part.top - l.Screen.top);
}

void FlightScreen::ButtonDown(int32_t x, int32_t y) { (void)host.Tours().FlightHelpPress(x, y); }

CursorId FlightScreen::CursorAt(int32_t x, int32_t y, bool touring) const {
    const ScreenLayout& l = host.Layout();
    if (!touring && l.erasesize.Contains(x, y)) return CursorId::slider;
    return CommonCursor(l, x, y, touring);
}

NarrationStep ChooseNarration(int32_t frame, const int32_t* marks, int32_t markCount,
                              int32_t modelNumber, bool cueFinished) {
    NarrationStep step;
    for (int32_t i = 0; i < markCount; ++i) {
        if (frame == marks[i]) {
            // Hold the movie on the mark until the narration has finished.
            step.target = cueFinished ? -1 : frame;
            return step;
        }
        if (frame == marks[i] + 1) {
            char name[32];
            std::snprintf(name, sizeof name, "%d-%02d", modelNumber, i + 2);
            step.cue = name;
            return step;
        }
    }
    return step;
}
