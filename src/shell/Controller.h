// Controller: the one central object. It owns the program's state, routes paint, mouse and
// timer events by mode to the screen that shows, and runs the nine steps of every timer tick.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "graphics/Dib.h"
#include "graphics/View3D.h"
#include "platform/GlSurface.h"
#include "platform/Surface.h"
#include "shell/InstallPaths.h"
#include "shell/PathString.h"
#include "shell/Platform.h"
#include "shell/Rect.h"
#include "shell/Screen.h"
#include "shell/ScreenLayout.h"
#include "shell/TipControl.h"
#include "raster/PencilBrush.h"
#include "raster/SprayBrush.h"
#include "raster/StampComposite.h"
#include "sound/ControllerSoundHost.h"
#include "sound/GuidedDemo.h"
#include "sound/SpokenPrompts.h"
#include "sound/VolumeBar.h"

class Window;
class SoundEngine;

// Pressed-control codes: the control a press began on.
enum PressedCode : int32_t {
    kPressedNone = 0,
    kPressedZoomIn = 1,
    kPressedZoomOut = 2,
    kPressedMove = 3,
    kPressedRotate = 4,
    kPressedUndo = 5,
    kPressedStampChooser = 6,
    kPressedExit = 8,
    kPressedDiy = 9,
    kPressedMov = 10,
    kPressedModelUp = 11,
    kPressedModelDown = 12,
    kPressedStepUp = 13,
    kPressedStepDown = 14,
    kPressedFirst = 15,
    kPressedLast = 20,
    kPressedDocOut = 21,
    kPressedDocIn = 22,
    kPressedWorksUp = 23,
    kPressedWorksDown = 24,
    kPressedWorksModel = 25,
    kPressedVolume = 26,
};

enum Mode : int32_t { kModeLoading = 1, kModeWorkshop = 3, kModeFlight = 4 };

class Controller {
public:
    // Start-up: paths, settings, command line, loading picture, sound, workshop, mode 3.
    Controller(Window& window, Platform& platform);
    // Hands the screen back to the launcher, then releases everything in a fixed order.
    ~Controller();
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    void Paint(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void ButtonDown(int32_t x, int32_t y);
    void ButtonUp(int32_t x, int32_t y);
    void MouseMove(int32_t x, int32_t y);
    void Timer(int id);
    // Marks for repainting without erasing.
    void Invalidate(const Rect& r);
    void InvalidateAll();

    // Sound and prompts; skipped while there is no sound engine.
    void PlayCue(const std::string& name);
    void PlayEffect(const std::string& name);
    // A missing engine counts as a finished cue.
    [[nodiscard]] bool IsCueFinished() const;
    void StopCue();

    // Cursor and tooltips.
    void UpdateCursor(int32_t x, int32_t y);
    void BuildWorkshopTips();
    void BuildToolTips(int panel);
    void BuildFlightTips();
    // Relays a waiting mouse message to the tooltips when no demonstration runs (the idle hook
    // and timer step 9); true when one was relayed.
    bool RelayWaitingMessage();

    // Discards the view and loads the model `modelNumber` with its skin; a held stroke ends.
    void ReloadModel();
    // The workshop backdrop into the 3D surface at `Screen`, and its depth cleared over `view`:
    // what the surface must hold before the model is drawn afresh.
    void DrawBackdropIntoGl();
    void ClearGlDepth();

    // --- Services the screens use ---
    [[nodiscard]] Window& GetWindow() { return window; }
    [[nodiscard]] Platform& GetPlatform() { return platform; }
    [[nodiscard]] const ScreenLayout& Layout() const { return *layout; }
    [[nodiscard]] ScreenLayout& Layout() { return *layout; }
    [[nodiscard]] TipControl* Tips() { return tips.get(); }

    // --- State (plain fields, as designed) ---
    Window& window;
    Surface& clientDc;
    Surface& screenDc;
    Surface memDc;  // the 800 by 600 back buffer, in design coordinates

    PathString faceDir, modelDir, movieDir, effectDir, englishDir, chineseDir, saveDir, penDataDir,
        picLibDir;
    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t modelNumber = 1;
    int32_t workshopModel = 0;
    int32_t modelListTop = 0;
    int32_t stepPage = 0;
    int32_t worksPage = 0;
    std::string language;
    std::string currentCue;
    int32_t pointerPhase = 0;
    int32_t guidePhase = 0;
    uint32_t pointerPhaseTime = 0;
    uint32_t guidePhaseTime = 0;
    int32_t demoStep = 0;
    uint8_t workshopTourGiven = 0;
    uint8_t flightTourGiven = 0;
    int32_t volumeLevel = 0;
    Rect pointerRect;
    uint8_t printFlag = 0;
    int32_t panelPage = 0;
    std::unique_ptr<TipControl> tips;
    std::unique_ptr<ScreenLayout> layout;
    // The off-screen 3D surface (none when the platform gives none) and the view; the view
    // always exists once the workshop is set up.
    std::unique_ptr<GlSurface> glSurface;
    std::unique_ptr<View3D> view3d;
    int32_t markCount = 0;
    std::array<int32_t, 30> stepMarks{};
    Dib backdrop;  // the workshop backdrop, paintbk.bmp
    std::unique_ptr<Screen> workshop;
    std::unique_ptr<Screen> flight;
    int32_t mode = 0;
    int32_t tool = 0;
    int32_t pressed = 0;
    int32_t dragActive = 0;
    int32_t armed = 0;
    int32_t cursorState = 0;
    int32_t moviePlaying = 0;
    uint32_t paintColour = 0;
    int32_t pressX = 0;
    int32_t pressY = 0;
    int32_t pickX = 0, pickY = 0, penThickness = 0, penOpacity = 0;
    int32_t hueShift = 0, saturationShift = 0, lightnessShift = 0;
    int32_t prevHueShift = 0, prevSaturationShift = 0, prevLightnessShift = 0;
    float stampAngle = 0.0f;
    float stampScale = 0.0f;
    int32_t stampPage = 0, printSize = 0, eraseSize = 0;
    uint8_t recolourPending = 0, previewRefresh = 0, directPaint = 0, undoAvailable = 0;
    int32_t renderTime = 0;
    int32_t selectedWork = 0;
    Dib stampImage, stampMask;
    PencilBrush pencilBrush;
    SprayBrush sprayBrush;
    CompositeRequest stampPlacement;

    // Sound and voice over the fields above: the engine (none when sound could not start), the
    // prompts, the guided tours and the volume bar.
    std::unique_ptr<SoundEngine> sound;
    SpokenPrompts prompts{currentCue};
    ControllerSoundHost soundHost{*this};
    GuidedDemo demo{soundHost, prompts,
                    {demoStep, workshopTourGiven, flightTourGiven, pointerPhase, guidePhase,
                     pointerPhaseTime, guidePhaseTime, pointerRect}};
    VolumeBar volumeBar{volumeLevel};

private:
    void EnterWorkshop();
    void ShowLoadingPicture();
    void StartSound();
    void ShutSound();
    void SetWorkshopDefaults();
    void HandBackToLauncher();
    [[nodiscard]] Screen* ScreenForMode();

    // Timer steps.
    void StepZoom(int id);
    void StepMovieWithNarration();
    void StepRecolour();
    void RefreshPreview();
    void StepTours(int id);
    void UpkeepCursorAndTips();

    // Seams for the parts that arrive later (the 3D view, the movie player, the tours).
    [[nodiscard]] bool MovieIsOpen() const;
    [[nodiscard]] int32_t MovieFrame() const;
    void StepMovie(const Rect& area, int32_t target);
    [[nodiscard]] int ApplyAdjustment(int component, int32_t amount);
    void RenderPreview();
    void LoadView();
    void StepWorkshopTour();
    void StepFlightTour();

    Platform& platform;
};

// Timer steps 1 and 2: one zoom step when the bound allows it; true when it stepped.
bool StepCanvasZoom(float& zoom, bool in);

// Timer step 3's choice for frame f: the target frame (-1: run on by time) and the narration
// cue to start, empty when none.
struct NarrationStep {
    int32_t target = -1;
    std::string cue;
};
[[nodiscard]] NarrationStep ChooseNarration(int32_t frame, const int32_t* marks, int32_t markCount,
                                            int32_t modelNumber, bool cueFinished);
