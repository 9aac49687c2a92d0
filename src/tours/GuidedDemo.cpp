// The guide's and the pointer's animation, the tour steps, and starting and ending tours.
#include "tours/GuidedDemo.h"

#include <cstdio>

#include "graphics/DibDrawing.h"
#include "base/ScreenLayout.h"
#include "sound/SpokenPrompts.h"

namespace {

// Phases change when more than this many milliseconds have passed.
constexpr uint32_t phaseTime = 100;

}  // namespace

void GuidedDemo::LoadPictures(const PathString& faceDir) {
    for (int frame = 1; frame <= 15; ++frame) {
        char name[16];
        std::snprintf(name, sizeof name, "ht%02d.bmp", frame);
        GuideFrame(frame) = Dib::LoadFromFile(faceDir + name);
    }
    PointerPicture(1) = Dib::LoadFromFile(faceDir + "sign01.bmp");
    PointerPicture(2) = Dib::LoadFromFile(faceDir + "sign02.bmp");
}

void GuidedDemo::AnimateGuide(int32_t k) {
    if (k < 1 || k > 5) return;
    // Phase 1 shows the middle frame of the three, phase 2 the last, phase 3 the first.
    int frame = f.guidePhase == 1 ? 3 * k - 1 : f.guidePhase == 2 ? 3 * k : 3 * k - 2;
    const Rect& help = host.Layout().help;
    DrawAt(GuideFrame(frame), host.WindowDevice(), help, false, 0, 0);
    uint32_t now = host.Ticks();
    if (now - f.guidePhaseTime > phaseTime) {
        f.guidePhaseTime = now;
        f.guidePhase = f.guidePhase % 3 + 1;
    }
}

void GuidedDemo::DrawPointer(int32_t x, int32_t y) {
    f.pointerRect = {x - 10, y - 10, x + 28, y + 28};
    bool first = f.pointerPhase != 1;
    Dib& picture = PointerPicture(first ? 1 : 2);
    if (!picture.IsEmpty()) DrawTransparent(picture, host.WindowDevice(), x, y);
    uint32_t now = host.Ticks();
    if (now - f.pointerPhaseTime > phaseTime) {
        f.pointerPhaseTime = now;
        f.pointerPhase = first ? 1 : 2;
    }
}

void GuidedDemo::RunWorkshopTour(TourTarget& screen) {
    if (f.demoStep >= 1 && f.demoStep <= 54) RunStep(WorkshopTourSteps(), screen);
}

void GuidedDemo::RunFlightTour(TourTarget& screen) {
    if (f.demoStep >= 61 && f.demoStep <= 90) RunStep(FlightTourSteps(), screen);
}

void GuidedDemo::RunStep(std::span<const TourStep> steps, TourTarget& screen) {
    const TourStep* row = FindTourStep(steps, f.demoStep);
    if (row == nullptr) return;
    AnimateGuide(row->animation);
    if (row->target != nullptr) PointAt(*row);
    // The same step runs again on the next tick until the sentence has been spoken.
    if (!prompts.IsCueFinished()) return;
    if (row->cue == nullptr) {
        f.demoStep = 0;
        AnimateGuide(1);
        ErasePointer(screen);
        if (row->lastRepaint != nullptr) Repaint(row->lastRepaint);
        return;
    }
    prompts.PlayCue(row->cue);
    f.demoStep = row->step + 1;
    FinishStep(*row, screen);
}

void GuidedDemo::PointAt(const TourStep& row) {
    const Rect* target = host.Layout().Find(row.target);
    if (target == nullptr) return;
    if (row.corner) {
        DrawPointer(target->left, target->top);
    } else {
        DrawPointer(target->CentreX(), target->CentreY());
    }
}

void GuidedDemo::FinishStep(const TourStep& row, TourTarget& screen) {
    switch (row.extra) {
        case TourExtra::repaintPointer:
            ErasePointer(screen);
            break;
        case TourExtra::quiet:
            break;
        case TourExtra::chooseStamp:
        case TourExtra::chooseStampAndLabel:
            screen.ShowTool(Tool::stamp);
            screen.ShowToolLabel(3);
            Repaint("gush");
            if (row.extra == TourExtra::chooseStampAndLabel) Repaint("toolLabel");
            Repaint("picture");
            Repaint("toolPanel");
            break;
        case TourExtra::openStampChooser:
            Repaint("picture");
            screen.OpenStampChooser();
            screen.ShowToolLabel(4);
            Repaint("stampBox");
            break;
        case TourExtra::closeStampChooser:
            screen.ShowTool(Tool::pencil);
            screen.CloseStampChooser();
            screen.ShowToolLabel(1);
            Repaint("stampBox");
            Repaint("toolPanel");
            Repaint("pencil");
            break;
    }
}

void GuidedDemo::Repaint(const char* entry) {
    if (const Rect* r = host.Layout().Find(entry)) host.Invalidate(*r);
}

// The pointer was drawn over the window outside painting: its area is painted again from the
// backdrop up, whatever the screen's next paint would otherwise leave as it is.
void GuidedDemo::ErasePointer(TourTarget& screen) {
    if (f.pointerRect.IsEmpty()) return;
    screen.RestoreBackdrop(f.pointerRect);
    host.Invalidate(f.pointerRect);
}

void GuidedDemo::StartAtStartUp() {
    f.flightTourGiven = 0;
    f.demoStep = 1;
    f.workshopTourGiven = 1;
    prompts.PlayCue("c205");
}

bool GuidedDemo::WorkshopHelpPress(int32_t x, int32_t y, bool chooserOpen) {
    if (f.demoStep != 0 || chooserOpen || !host.Layout().help.Contains(x, y)) {
        return false;
    }
    if (f.workshopTourGiven == 1) {
        f.demoStep = 31;
        prompts.PlayCue("c250");
    } else {
        f.demoStep = 1;
        f.workshopTourGiven = 1;
        prompts.PlayCue("c205");
    }
    return true;
}

bool GuidedDemo::FlightHelpPress(int32_t x, int32_t y) {
    if (f.demoStep != 0 || !host.Layout().help.Contains(x, y)) return false;
    if (f.flightTourGiven != 1) {
        f.demoStep = 61;
        f.flightTourGiven = 1;
        prompts.StopCue();
        prompts.PlayCue("c251");
    } else {
        f.demoStep = 82;
        prompts.StopCue();
        prompts.PlayCue("c261");
    }
    return true;
}

bool GuidedDemo::EndTourOnPress(TourTarget& screen) {
    if (f.demoStep == 0) return false;
    f.demoStep = 0;
    screen.ShowToolLabel(1);
    EndTour(screen);
    return true;
}

void GuidedDemo::EndTourOnScreenChange(TourTarget& screen) {
    if (f.demoStep == 0) return;
    f.demoStep = 0;
    ErasePointer(screen);
    prompts.StopCue();
}

void GuidedDemo::EndTour(TourTarget& screen) {
    AnimateGuide(1);
    ErasePointer(screen);
    prompts.StopCue();
}
