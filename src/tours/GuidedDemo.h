// GuidedDemo: the guided demonstration. An animated guide in `help` talks while a blinking
// pointer moves from button to button; each step waits until the previous sentence has been
// spoken. The step timer calls the tours once per tick.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "graphics/Dib.h"
#include "base/PathString.h"
#include "base/Rect.h"
#include "tours/TourHost.h"
#include "tours/TourScripts.h"

class SpokenPrompts;

// The tours' state, as set up for the workshop.
struct DemoState {
    int32_t demoStep = 0;  // 0: no tour
    uint8_t workshopTourGiven = 0;
    uint8_t flightTourGiven = 0;
    int32_t pointerPhase = 1;
    int32_t guidePhase = 1;
    uint32_t pointerPhaseTime = 0;
    uint32_t guidePhaseTime = 0;
    Rect pointerRect;  // the area the pointer was last drawn in
};

class GuidedDemo {
public:
    GuidedDemo(TourHost& host, SpokenPrompts& prompts) : host(host), prompts(prompts) {}

    // The guide frames ht01.bmp to ht15.bmp and the pointer pictures sign01.bmp and sign02.bmp;
    // a picture that cannot be read stays empty and is not drawn.
    void LoadPictures(const PathString& faceDir);
    // Guide frame 1 to 15 (frame 1 stands in `help` when no tour runs).
    [[nodiscard]] Dib& GuideFrame(int frame) { return guideFrames[size_t(frame - 1)]; }
    // Pointer picture 1 (sign01.bmp) or 2 (sign02.bmp).
    [[nodiscard]] Dib& PointerPicture(int n) { return pointerPictures[size_t(n - 1)]; }

    // One tick of guide animation k (1 to 5), drawn in `help` on the screen device.
    void AnimateGuide(int32_t k);
    // One tick of the blinking pointer with its top-left corner at (x, y).
    void DrawPointer(int32_t x, int32_t y);
    // One step of a workshop tour (steps 1 to 54) or of a flight tour (steps 61 to 90) on the
    // screen that shows.
    void RunWorkshopTour(TourTarget& screen);
    void RunFlightTour(TourTarget& screen);

    // The long workshop tour that opens the program.
    void StartAtStartUp();
    // A workshop press while no tour runs: a press in `help`, unless the stamp chooser is open,
    // starts a tour. True when it did.
    bool WorkshopHelpPress(int32_t x, int32_t y, bool chooserOpen);
    // A flight-screen press in `help` while no tour runs starts a tour. True when it did.
    bool FlightHelpPress(int32_t x, int32_t y);
    // A press while a tour runs ends it; the screen then does nothing else with the press and
    // shows its first tool label again (a screen without tools has none). True when a tour was
    // running.
    bool EndTourOnPress(TourTarget& screen);
    // The screen changes: a running tour ends without a word, and the pointer's area is painted
    // afresh on the screen that now shows.
    void EndTourOnScreenChange(TourTarget& screen);

    [[nodiscard]] bool IsRunning() const { return f.demoStep != 0; }
    [[nodiscard]] const DemoState& State() const { return f; }
    // Ends any tour without a word (a test, or a screen that starts without one).
    void Stop() { f.demoStep = 0; }

private:
    void RunStep(std::span<const TourStep> steps, TourTarget& screen);
    void PointAt(const TourStep& row);
    void FinishStep(const TourStep& row, TourTarget& screen);
    void Repaint(const char* entry);
    void ErasePointer(TourTarget& screen);
    void EndTour(TourTarget& screen);

    TourHost& host;
    SpokenPrompts& prompts;
    DemoState f;
    std::array<Dib, 15> guideFrames;
    std::array<Dib, 2> pointerPictures;
};
