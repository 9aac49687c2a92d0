// The flight screen's button-down, pointer-move and button-up routing, each step in its
// designed order. A press is tested against every control: a point in several acts on each.
#include <algorithm>

#include "flight/FlightScreen.h"

#include "platform/Printer.h"
#include "print/PrintSheets.h"
#include "tours/GuidedDemo.h"

namespace {

// The transport buttons in the order of their pressed codes, first to last.
const Rect* TransportButton(const ScreenLayout& l, int32_t k) {
    const Rect* buttons[6] = {&l.first, &l.pre, &l.play, &l.stop, &l.next, &l.last};
    return buttons[std::clamp(k, 1, 6) - 1];
}

Pressed TransportCode(int32_t k) { return Pressed(int32_t(Pressed::first) + k - 1); }

}  // namespace

void FlightScreen::ButtonDown(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    host.Tours().FlightHelpPress(x, y);
    if (l.diy.Contains(x, y)) Arm(Pressed::diy, l.diy);
    PressTransport(x, y);
    PressModelColumn(x, y);
    PressSteps(x, y);
    if (l.erasesize.Contains(x, y)) {
        dragActive = true;
        FollowSlider(x);
    }
    if (l.steppri.Contains(x, y)) PrintStepsSheet();
}

// The folding steps of the model shown, at the print size the workshop's panel shares.
void FlightScreen::PrintStepsSheet() {
    Printer* printer = host.Printing();
    if (printer == nullptr) return;
    PrintSteps(*printer, host.Paths().movieDir, modelNumber, host.PrintSize(), [this] {
        host.Tell("noprinter", "Aucune imprimante disponible !");
    });
}

void FlightScreen::Arm(Pressed control, const Rect& button) {
    pressed = control;
    armed = true;
    host.Invalidate(button);
}

void FlightScreen::PressTransport(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    for (int32_t k = 1; k <= 6; ++k) {
        const Rect& button = *TransportButton(l, k);
        if (!button.Contains(x, y)) continue;
        Arm(TransportCode(k), button);
        directPaint = true;
        if (TransportCode(k) == Pressed::stop) host.StopCue();
    }
}

void FlightScreen::PressModelColumn(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    // Scroll buttons at the end of the column neither arm nor sound.
    if (l.modelUp.Contains(x, y) && modelListTop < 8) {
        Arm(Pressed::modelUp, l.modelUp);
        host.PlayEffect("B100");
    }
    if (l.modelDown.Contains(x, y) && modelListTop > 0) {
        Arm(Pressed::modelDown, l.modelDown);
        host.PlayEffect("B100");
    }
    const Rect* slots[3] = {&l.ModelPick1, &l.ModelPick2, &l.ModelPick3};
    for (int32_t k = 1; k <= 3; ++k) {
        const int32_t model = modelListTop * 3 + k;
        if (slots[k - 1]->Contains(x, y) && model != modelNumber) ChooseModel(model);
    }
}

// Another airplane: its marks, its movie from the start, and the narration of its first step.
void FlightScreen::ChooseModel(int32_t model) {
    modelNumber = model;
    LoadMarks();
    CloseMovie();
    stepPage = 0;
    host.InvalidateAll();
    host.StopCue();
    host.PlayEffect("B100");
    host.PlayCue(NarrationName(model, 1));
}

void FlightScreen::PressSteps(int32_t x, int32_t y) {
    const ScreenLayout& l = host.Layout();
    if (l.stepPageUp.Contains(x, y) && stepPage > 0) Arm(Pressed::stepUp, l.stepPageUp);
    if (l.stepPageDown.Contains(x, y) && stepPage * 4 + 4 < marks.count)
        Arm(Pressed::stepDown, l.stepPageDown);
    for (int32_t k = 1; k <= 4; ++k) {
        if (!StepButton(k).Contains(x, y) || !StepShown(k)) continue;
        player.SetCurrentTime(marks.marks[size_t(stepPage * 4 + k - 1)]);
        moviePlaying = true;
        host.StopCue();
    }
}

void FlightScreen::FollowSlider(int32_t x) {
    const Rect& slider = host.Layout().erasesize;
    host.PrintSize() = (x - slider.left) * 100 / slider.Width();
    directPaint = true;
    Rect knobArea = slider;
    knobArea.Inflate(10, 0);  // the knob stands out of the slider by half its width
    host.Invalidate(knobArea);
}

void FlightScreen::MouseMove(int32_t x, int32_t y) {
    if (dragActive && host.Layout().erasesize.Contains(x, y)) FollowSlider(x);
}

void FlightScreen::ButtonUp(int32_t /*x*/, int32_t /*y*/) {
    if (armed && pressed == Pressed::diy) {
        LeaveForWorkshop();
        return;
    }
    if (armed) {
        ReleaseTransport();
        ReleasePages();
    }
    pressed = Pressed::none;
    armed = false;
    dragActive = false;
}

void FlightScreen::ReleaseTransport() {
    const int32_t k = int32_t(pressed) - int32_t(Pressed::first) + 1;
    if (k < 1 || k > 6) return;
    const int32_t now = player.CurrentTime();
    switch (pressed) {
        case Pressed::first: player.SetCurrentTime(player.StartTime()); break;
        case Pressed::pre:
            if (const std::optional<int32_t> mark = marks.Previous(now)) player.SetCurrentTime(*mark);
            break;
        case Pressed::play: moviePlaying = true; break;
        case Pressed::stop: moviePlaying = false; break;
        case Pressed::next:
            if (const std::optional<int32_t> mark = marks.Next(now)) player.SetCurrentTime(*mark);
            break;
        case Pressed::last: player.SetCurrentTime(player.EndTime()); break;
        default: break;
    }
    // The button springs back, and a stopped movie shows its new time.
    directPaint = true;
    pressed = Pressed::none;
    host.Invalidate(*TransportButton(host.Layout(), k));
    host.Invalidate(host.Layout().MovieArea);
}

void FlightScreen::ReleasePages() {
    const ScreenLayout& l = host.Layout();
    switch (pressed) {
        case Pressed::modelUp:
        case Pressed::modelDown:
            modelListTop = std::clamp(modelListTop + (pressed == Pressed::modelUp ? 1 : -1), 0, 8);
            host.Invalidate(pressed == Pressed::modelUp ? l.modelUp : l.modelDown);
            host.Invalidate(l.modelColumn);
            break;
        case Pressed::stepUp:
        case Pressed::stepDown:
            stepPage = std::max(0, stepPage + (pressed == Pressed::stepDown ? 1 : -1));
            host.Invalidate(pressed == Pressed::stepDown ? l.stepPageDown : l.stepPageUp);
            for (int32_t k = 1; k <= 4; ++k) host.Invalidate(StepButton(k));
            break;
        default: break;
    }
}

// Back to the workshop: the movie closes, and the workshop loads the model chosen here when it
// differs from its own; otherwise its painting stays as it was.
void FlightScreen::LeaveForWorkshop() {
    pressed = Pressed::none;
    armed = false;
    dragActive = false;
    moviePlaying = false;
    CloseMovie();
    if (modelNumber != host.ModelNumber()) host.ReloadModel(modelNumber);
    host.SwitchTo(Mode::workshop);
}
