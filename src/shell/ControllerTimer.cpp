// The Controller's timer tick: nine steps in a fixed order on every tick of every timer.
#include <algorithm>
#include <cstdio>

#include "platform/Clock.h"
#include "platform/Window.h"
#include "shell/Controller.h"

bool StepCanvasZoom(float& zoom, bool in) {
    // The bound is tested before the step, so the last step may pass it by up to 0.1.
    if (in && zoom < 3.0f) {
        zoom += 0.1f;
        return true;
    }
    if (!in && zoom > 0.5f) {
        zoom -= 0.1f;
        return true;
    }
    return false;
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

void Controller::Timer(int id) {
    if (mode == kModeWorkshop && id == 2) StepZoom(id);
    if (mode == kModeFlight && id == 1 && MovieIsOpen() && moviePlaying != 0 && demoStep == 0)
        StepMovieWithNarration();
    if (mode == kModeWorkshop && id == 2 && recolourPending) StepRecolour();
    if (mode == kModeWorkshop && id == 2 && previewRefresh && pressed != kPressedZoomIn &&
        pressed != kPressedZoomOut && pressed != kPressedMove &&
        pressed != kPressedStampChooser && tool != 7)
        RefreshPreview();
    StepTours(id);
    UpkeepCursorAndTips();
}

// Steps 1 and 2: the zoom keeps stepping while the zoom mode is held and the last press lies
// in the canvas.
void Controller::StepZoom(int /*id*/) {
    if (pressed != kPressedZoomIn && pressed != kPressedZoomOut) return;
    if (!layout->canvas.Contains(pressX, pressY)) return;
    if (StepCanvasZoom(view3d->canvasZoom, pressed == kPressedZoomIn)) {
        dragActive = 1;
        Invalidate(layout->canvas);
    }
}

// Step 3.
void Controller::StepMovieWithNarration() {
    const NarrationStep step =
        ChooseNarration(MovieFrame(), stepMarks.data(), std::min<int32_t>(markCount, 30),
                        modelNumber, IsCueFinished());
    if (!step.cue.empty()) PlayCue(step.cue);
    const Rect& area = layout->MovieArea;
    StepMovie(area, step.target);
}

// Step 4: each changed component is taken back out and applied anew; the workshop moves the
// previous values on.
void Controller::StepRecolour() {
    const int32_t previous[3] = {prevHueShift, prevSaturationShift, prevLightnessShift};
    const int32_t current[3] = {hueShift, saturationShift, lightnessShift};
    for (int c = 0; c < 3; ++c) {
        if (previous[c] == current[c]) continue;
        (void)ApplyAdjustment(c, -previous[c]);
        if (ApplyAdjustment(c, current[c]) != 0) {
            Invalidate(layout->canvas);
            recolourPending = 0;
        }
    }
}

// Step 5: the preview is measured once; a slow machine draws a smaller model while rotating.
void Controller::RefreshPreview() {
    view3d->paintTarget.fullRedraw = 1;
    if (dragActive == 1) view3d->paintTarget.fullRedraw = (renderTime == 0 || renderTime >= 110) ? 0 : 1;
    if (pressed == kPressedRotate) {
        if (renderTime != 0 && renderTime >= 111) view3d->modelScale = 2.0f;
        DrawBackdropIntoGl();
        view3d->paintTarget.fullRedraw = 1;
        ClearGlDepth();
    } else {
        if (view3d->modelScale <= 2.5f) {
            DrawBackdropIntoGl();
            view3d->paintTarget.fullRedraw = 1;
            ClearGlDepth();
        }
        view3d->modelScale = 4.5f;
    }
    if (renderTime == 0 && view3d->paintTarget.fullRedraw != 0) {
        const uint32_t start = platform.clock.Ticks();
        RenderPreview();
        renderTime = static_cast<int32_t>(platform.clock.Ticks() - start);
    } else {
        RenderPreview();
    }
}

// Steps 6 and 7.
void Controller::StepTours(int id) {
    if (id != 2 || demoStep == 0) return;
    if (mode == kModeWorkshop) {
        StepWorkshopTour();
    } else if (mode == kModeFlight) {
        StepFlightTour();
    }
}

// Steps 8 and 9. The window covers the screen from (0, 0): screen and window points agree.
void Controller::UpkeepCursorAndTips() {
    if (mode != kModeWorkshop && mode != kModeFlight) return;
    int32_t x = 0, y = 0;
    if (window.CursorPosition(x, y)) UpdateCursor(x, y);
    if (RelayWaitingMessage() && !tips->IsVisible()) tips->Update();
}

bool Controller::RelayWaitingMessage() {
    if (mode != kModeWorkshop && mode != kModeFlight) return false;
    if (demoStep != 0 || !tips) return false;
    WindowMessage message;
    if (!window.PeekMessage(message)) return false;
    tips->Relay(message);
    return true;
}
