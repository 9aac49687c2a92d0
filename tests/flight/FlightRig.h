// The flight screen under test: a Controller on the fake ports with a fake sound device and a
// fake movie source, a test model, a frame file and narrations for models 1, 9 and 10.
#pragma once

#include <memory>
#include <string>

#include "fakes/FakeAudioDevice.h"
#include "fakes/FakeGlSurface.h"
#include "fakes/FakeMovieSource.h"
#include "fakes/FakePlatform.h"
#include "flight/FlightScreen.h"
#include "shell/Controller.h"

struct FlightRig {
    static constexpr uint32_t kWorkshopBackdrop = 0x203040;
    static constexpr uint32_t kFlightBackdrop = 0x80A0C0;

    // `frames`: the frame file's FRAME section; none writes no frame file. `gl`: the platform
    // makes fake 3D surfaces, kept in `surfaces`.
    explicit FlightRig(const char* frames = "Frame1=3,0,40,90\nFrame9=2,0,30\nFrame10=2,0,20\n",
                       bool gl = false);

    [[nodiscard]] FlightScreen& F() { return static_cast<FlightScreen&>(c->FlightMovieScreen()); }
    [[nodiscard]] const ScreenLayout& L() { return c->Layout(); }
    void Click(const Rect& r);
    // A click and the paint that follows it.
    void ClickAndPaint(const Rect& r) { Click(r), PaintPending(); }
    // The workshop's `mov` and the first paint of the flight screen.
    void EnterFlight();
    // Model 9, on the model column's third page.
    void ChooseModel9();
    // Paints what was invalidated, as the window does when its queue is empty.
    void PaintPending();
    // One tick of the 10 ms timer, `ms` after the last.
    void Tick(uint32_t ms = 10);
    // The colour in the middle of a rectangle of the window.
    [[nodiscard]] uint32_t ColourIn(const Rect& r) { return f.window.client.PixelAt(r.CentreX(), r.CentreY()); }
    // How many times the narration was started.
    [[nodiscard]] int Starts(const std::string& narration) const;

    FakePlatform f;
    FakeAudioDevice audio;
    FakeMovieSource movies;
    std::vector<FakeGlSurface*> surfaces;
    InstallPaths paths;
    std::unique_ptr<Controller> c;
};
