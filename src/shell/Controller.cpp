// Controller: start-up, workshop set-up, destruction and the routing of events by mode.
#include "shell/Controller.h"

#include "graphics/DibDrawing.h"
#include "platform/LauncherLink.h"
#include "platform/Window.h"
#include "sound/SoundEngine.h"

Controller::Controller(Window& w, Platform& p)
    : window(w), clientDc(w.Client()), screenDc(w.Client()), platform(p) {
    pointerRect = Rect{};
    centreX = window.Width() / 2;
    centreY = window.Height() / 2;

    // The launcher decides the folder layout at the moment the paths are read.
    platform.environment.launched = platform.launcher.Find();
    const InstallPaths paths = ReadInstallPaths(platform.environment);
    faceDir = paths.faceDir;
    modelDir = paths.modelDir;
    movieDir = paths.movieDir;
    effectDir = paths.effectDir;
    englishDir = paths.englishDir;
    chineseDir = paths.chineseDir;
    saveDir = paths.saveDir;
    penDataDir = paths.penDataDir;
    picLibDir = paths.picLibDir;

    const ModelChoice choice = ReadCommandLine(platform.commandLine);
    modelNumber = choice.modelNumber;
    language = choice.language;

    mode = kModeLoading;
    ShowLoadingPicture();
    StartSound();
    EnterWorkshop();
    mode = kModeWorkshop;
    flightTourGiven = 0;
    demoStep = 1;
    workshopTourGiven = 1;
    PlayCue("c205");  // the greeting that opens the guided demonstration
    InvalidateAll();
}

void Controller::ShowLoadingPicture() {
    const bool chinese = !language.empty() && language[0] == 'c';
    const Dib picture = Dib::LoadFromFile(faceDir + (chinese ? "load-c.bmp" : "load-e.bmp"));
    if (picture.IsEmpty()) return;
    const int32_t w = picture.Width(), h = picture.Height();
    const Rect design{400 - w / 2, 300 - h / 2, 400 + w / 2, 300 + h / 2};
    (void)DrawAt(picture, screenDc, design, true, window.Width(), window.Height());
    // Drawn outside painting: show it now, the set-up that follows takes a while.
    window.Update();
}

void Controller::EnterWorkshop() {
    memDc = Surface(800, 600);
    modelListTop = 0;
    stepPage = 0;
    worksPage = 0;
    selectedWork = -1;
    layout = std::make_unique<ScreenLayout>(window.Width(), window.Height());
    if (platform.makeGlSurface) glSurface = platform.makeGlSurface(2 * centreX, 2 * centreY);
    pencilBrush = PencilBrush{};
    (void)SprayRelease(sprayBrush);
    stampPlacement = CompositeRequest{};
    stampImage = Dib::LoadFromFile(picLibDir + "bmp/01.bmp");
    stampMask = Dib::LoadFromFile(picLibDir + "msk/01.bmp");
    backdrop = Dib::LoadFromFile(faceDir + "paintbk.bmp");
    demo.LoadPictures(faceDir);
    volumeBar.LoadKnob(faceDir);
    if (!backdrop.IsEmpty()) {
        (void)DrawAt(backdrop, memDc, layout->DesignScreen, false, window.Width(),
                     window.Height());
        DrawBackdropIntoGl();
    }
    LoadView();
    SetWorkshopDefaults();
    workshop = MakeWorkshopScreen(*this);
    flight = MakeFlightScreen(*this);
    pointerPhase = 1;
    guidePhase = 1;
    pointerPhaseTime = 0;
    guidePhaseTime = 0;
    demoStep = 0;
    printFlag = 0;
    panelPage = 1;
    tips = std::make_unique<TipControl>(platform.tipWindow);
    if (tips->Create()) {
        tips->Activate(true);
        BuildWorkshopTips();
    }
}

void Controller::SetWorkshopDefaults() {
    tool = 1;
    pressed = kPressedNone;
    dragActive = 0;
    armed = 0;
    cursorState = 0;
    moviePlaying = 0;
    recolourPending = 0;
    renderTime = 0;
    paintColour = 0;
    pickX = layout->choosecolor.left;
    pickY = layout->choosecolor.bottom;
    penThickness = 12;
    penOpacity = 255;
    hueShift = saturationShift = lightnessShift = 0;
    prevHueShift = prevSaturationShift = prevLightnessShift = 0;
    stampAngle = 0.0f;
    stampScale = 0.5f;
    stampPage = 0;
    printSize = 100;
    eraseSize = 100;
    previewRefresh = 0;
    directPaint = 0;
    undoAvailable = 0;
}

Controller::~Controller() {
    HandBackToLauncher();
    memDc = Surface();
    workshop.reset();
    flight.reset();
    layout.reset();
    glSurface.reset();
    view3d.reset();
    (void)PencilRelease(pencilBrush);
    (void)SprayRelease(sprayBrush);
    ShutSound();
    tips.reset();
}

void Controller::HandBackToLauncher() {
    if (!platform.launcher.HandBack()) return;
    // A marker that cannot be written is simply missing; the launcher then keeps its language.
    (void)WriteLanguageMarker(platform.environment, language);
}

Screen* Controller::ScreenForMode() {
    if (mode == kModeWorkshop) return workshop.get();
    if (mode == kModeFlight) return flight.get();
    return nullptr;
}

void Controller::Paint(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (Screen* screen = ScreenForMode()) screen->Paint({left, top, right, bottom});
}

void Controller::ButtonDown(int32_t x, int32_t y) {
    pressX = x;
    pressY = y;
    if (Screen* screen = ScreenForMode()) screen->ButtonDown(x, y);
    if (layout->exit.Contains(x, y)) {
        pressed = kPressedExit;
        Invalidate(layout->exit);  // drawn pressed
    }
}

void Controller::ButtonUp(int32_t x, int32_t y) {
    if (Screen* screen = ScreenForMode()) screen->ButtonUp(x, y);
    // The release after a press on exit ends the program, wherever it happens.
    if (pressed == kPressedExit) window.Destroy();
}

void Controller::MouseMove(int32_t x, int32_t y) {
    if (Screen* screen = ScreenForMode()) screen->MouseMove(x, y);
}

void Controller::Invalidate(const Rect& r) { window.Invalidate(r); }

void Controller::InvalidateAll() { window.InvalidateAll(); }
