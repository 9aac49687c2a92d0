// Controller: start-up, destruction and the routing of paint and mouse events to the screen of
// the mode, with the exit button and the volume bar that every screen shares.
#include "shell/Controller.h"

#include "flight/FlightScreen.h"
#include "graphics/DibDrawing.h"
#include "platform/LauncherLink.h"
#include "platform/Window.h"
#include "shell/StartupPaths.h"
#include "sound/SoundEngine.h"
#include "workshop/PaintWorkshop.h"

Controller::Controller(Window& w, Platform& p) : window(w), platform(p), clientDc(w.Client()) {
    // The launcher decides the folder layout at the moment the paths are read.
    platform.environment.launched = platform.launcher.Find();
    paths = ReadInstallPaths(platform.environment);
    const ModelChoice choice = ReadCommandLine(platform.commandLine);
    modelNumber = choice.modelNumber;
    language = choice.language;

    mode = Mode::loading;
    ShowLoadingPicture();
    StartSound();

    memDc = Surface(800, 600);
    layout = std::make_unique<ScreenLayout>(window.Width(), window.Height());
    if (const auto& make = platform.makeWindowGlSurface ? platform.makeWindowGlSurface
                                                        : platform.makeGlSurface)
        glSurface = make(window.Width(), window.Height());
    demo.LoadPictures(paths.faceDir);
    volumeBar.LoadKnob(paths.faceDir);
    exitPressed = Dib::LoadFromFile(paths.faceDir + "out.bmp");
    LoadView();
    tips = std::make_unique<TipControl>(platform.tipWindow);
    if (tips->Create()) tips->Activate(true);
    workshop = std::make_unique<PaintWorkshop>(*this);
    movies = std::make_unique<FoldMovieSource>(platform.movies, platform.makeGlSurface);
    flight = std::make_unique<FlightScreen>(*this, movies.get());

    mode = Mode::workshop;
    workshop->Enter();
    window.SetMarginColour(workshop->MarginColour());
    demo.StartAtStartUp();  // the greeting that opens the guided demonstration
    InvalidateAll();
}

void Controller::ShowLoadingPicture() {
    const Dib picture = Dib::LoadFromFile(
        paths.faceDir + (language == Language::chinese ? "load-c.bmp" : "load-e.bmp"));
    if (picture.IsEmpty()) return;
    const int32_t w = picture.Width(), h = picture.Height();
    const Rect design{400 - w / 2, 300 - h / 2, 400 + w / 2, 300 + h / 2};
    DrawAt(picture, clientDc, design, true, window.Width(), window.Height());
    // Drawn outside painting: show it now, the set-up that follows takes a while.
    window.Update();
}

Controller::~Controller() {
    // The painting on the easel goes into the works box before anything is released.
    if (workshop) workshop->KeepPainting(false);
    HandBackToLauncher();
    memDc = Surface();
    // The screens go first: a held stroke's brush points into the view's texture.
    workshop.reset();
    flight.reset();
    layout.reset();
    glSurface.reset();
    view3d.reset();
    ShutSound();
    tips.reset();
}

void Controller::HandBackToLauncher() {
    if (!platform.launcher.HandBack()) return;
    // A marker that cannot be written is simply missing; the launcher then keeps its language.
    WriteLanguageMarker(platform.environment, language);
}

Screen* Controller::Current() {
    if (mode == Mode::workshop) return workshop.get();
    if (mode == Mode::flight) return flight.get();
    return nullptr;
}

void Controller::SwitchTo(Mode next) {
    mode = next;
    if (Screen* screen = Current()) {
        screen->Enter();
        window.SetMarginColour(screen->MarginColour());
        // A tour explains the screen it started on: it ends with that screen.
        demo.EndTourOnScreenChange(*screen);
    }
    InvalidateAll();
}

void Controller::Paint(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    Screen* screen = Current();
    if (screen == nullptr) return;
    const Rect update{left, top, right, bottom};
    screen->Paint(update);
    PaintSharedControls(update, screen->CoveredArea());
}

void Controller::PaintSharedControls(const Rect& update, const Rect& covered) {
    if (Meets(update, layout->vol)) {
        // An open box covers the slider: what the box drew there is put back over it.
        Rect under;
        Surface kept;
        if (Intersect(covered, layout->vol, under)) {
            kept = Surface(under.Width(), under.Height());
            kept.BitBlt(0, 0, under.Width(), under.Height(), clientDc, under.left, under.top);
        }
        volumeBar.Draw(clientDc, layout->vol, sound.get());
        if (!kept.IsEmpty())
            clientDc.BitBlt(under.left, under.top, under.Width(), under.Height(), kept, 0, 0);
    }
    if (exitHeld) DrawControl(exitPressed, clientDc, layout->exit, update);
}

void Controller::ButtonDown(int32_t x, int32_t y) {
    cursorAsked.valid = false;  // a press may change the tool, and with it the cursor
    PaceFastTimer(true);
    if (Screen* screen = Current()) {
        // A press while a tour runs only ends the tour.
        if (!demo.EndTourOnPress(*screen)) {
            screen->ButtonDown(x, y);
            volumeBar.Press(layout->vol, x, y);
        }
    }
    exitHeld = layout->exit.Contains(x, y);
    if (exitHeld) Invalidate(layout->exit);  // drawn pressed
}

void Controller::ButtonUp(int32_t x, int32_t y) {
    cursorAsked.valid = false;
    PaceFastTimer(true);
    if (Screen* screen = Current()) {
        if (volumeBar.Release(layout->vol, x)) Invalidate(VolumeBar::RedrawArea(layout->vol));
        screen->ButtonUp(x, y);
    }
    // The release after a press on exit ends the program, wherever it happens and whatever the
    // screen made of it; a painting that could not be kept may hold it back.
    if (!exitHeld) return;
    exitHeld = false;
    if (!workshop || workshop->KeepPainting()) {
        window.Destroy();
    } else {
        Invalidate(layout->exit);  // drawn released
    }
}

void Controller::MouseMove(int32_t x, int32_t y) {
    Screen* screen = Current();
    if (screen == nullptr) return;
    PaceFastTimer(true);
    screen->MouseMove(x, y);
    if (volumeBar.Move(layout->vol, x, y)) Invalidate(VolumeBar::RedrawArea(layout->vol));
}

void Controller::Invalidate(const Rect& r) { window.Invalidate(r); }

void Controller::InvalidateAll() { window.InvalidateAll(); }

int32_t Controller::DisplayWidth() const { return window.Width(); }

int32_t Controller::DisplayHeight() const { return window.Height(); }

bool Controller::CursorPosition(int32_t& x, int32_t& y) const {
    return window.CursorPosition(x, y);
}
