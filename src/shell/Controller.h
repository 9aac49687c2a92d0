// Controller: the one central object. It owns what every screen shares (the window and its
// devices, the layout, the paths, sound and the tours, the model and its view, the tooltips, the
// mode), routes paint, mouse and timer events to the screen of the mode, and keeps the exit
// button and the volume bar, which work the same on every screen.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "flight/FoldMovieSource.h"
#include "graphics/View3D.h"
#include "platform/GlSurface.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "screen/ScreenHost.h"
#include "shell/TipControl.h"
#include "sound/SpokenPrompts.h"
#include "sound/VolumeBar.h"
#include "tours/GuidedDemo.h"
#include "workshop/PaintWorkshop.h"

class Window;
class SoundEngine;

class Controller final : public ScreenHost {
public:
    // Start-up: paths, settings, command line, loading picture, sound, the screens, then the
    // workshop with the opening tour.
    Controller(Window& window, Platform& platform);
    // Hands the screen back to the launcher, then releases everything in a fixed order.
    ~Controller() override;
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    void Paint(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void ButtonDown(int32_t x, int32_t y);
    void ButtonUp(int32_t x, int32_t y);
    void MouseMove(int32_t x, int32_t y);
    // Every tick: the screen's own steps, the tour's step, then the cursor and the tooltips.
    void Timer(int id);
    // Relays a waiting mouse message to the tooltips when no tour runs (the idle hook and every
    // tick); true when one was relayed.
    bool RelayWaitingMessage();

    // ScreenHost.
    [[nodiscard]] const ScreenLayout& Layout() const override { return *layout; }
    void Invalidate(const Rect& r) override;
    [[nodiscard]] Surface& WindowDevice() override { return clientDc; }
    [[nodiscard]] uint32_t Ticks() const override;
    [[nodiscard]] Surface& BackBuffer() override { return memDc; }
    [[nodiscard]] int32_t DisplayWidth() const override;
    [[nodiscard]] int32_t DisplayHeight() const override;
    [[nodiscard]] bool CursorPosition(int32_t& x, int32_t& y) const override;
    void InvalidateAll() override;
    [[nodiscard]] ScreenLayout& EditLayout() override { return *layout; }
    [[nodiscard]] const InstallPaths& Paths() const override { return paths; }
    [[nodiscard]] Language ChildLanguage() const override { return language; }
    void ShowMessage(const std::string& caption, const std::string& text) override;
    void PlayCue(const std::string& name) override;
    void PlayEffect(const std::string& name) override;
    void StopCue() override;
    [[nodiscard]] bool IsCueFinished() const override;
    [[nodiscard]] GuidedDemo& Tours() override { return demo; }
    [[nodiscard]] int32_t ModelNumber() const override { return modelNumber; }
    void ReloadModel(int32_t model) override;
    [[nodiscard]] View3D& View() override { return *view3d; }
    [[nodiscard]] GlSurface* Gl() override { return glSurface.get(); }
    [[nodiscard]] BgrRows PaintedTexture() const override;
    [[nodiscard]] std::string Text(std::string_view name,
                                   std::string_view fallback) const override;
    [[nodiscard]] bool AskYesNo(const std::string& text) override;
    [[nodiscard]] WorkFiles* Files() override { return platform.workFiles; }
    [[nodiscard]] Printer* Printing() override { return platform.printer; }
    [[nodiscard]] int32_t& PrintSize() override { return printSize; }
    void SwitchTo(Mode mode) override;
    void ShowTips(std::span<const TipRow> rows) override;
    void ShowPanelTips(std::span<const TipRow> rows) override;

    // What tests and tools look at.
    [[nodiscard]] Mode CurrentMode() const { return mode; }
    [[nodiscard]] PaintWorkshop& WorkshopScreen() { return *workshop; }
    [[nodiscard]] Screen& FlightMovieScreen() { return *flight; }
    [[nodiscard]] const SpokenPrompts& Prompts() const { return prompts; }
    [[nodiscard]] const VolumeBar& Volume() const { return volumeBar; }
    [[nodiscard]] const SoundEngine* Sound() const { return sound.get(); }
    [[nodiscard]] bool ExitHeld() const { return exitHeld; }

private:
    void ShowLoadingPicture();
    void StartSound();
    void ShutSound();
    void LoadView();
    void HandBackToLauncher();
    [[nodiscard]] Screen* Current();
    void PaintSharedControls(const Rect& update, const Rect& covered);
    void StepTours(int id);
    // True when the cursor or the tooltip had something new.
    bool UpdateCursor(int32_t x, int32_t y);
    bool UpkeepCursorAndTips();
    void PaceFastTimer(bool busy);

    Window& window;
    Platform& platform;
    Surface& clientDc;
    Surface memDc;  // the 800 by 600 back buffer, in design coordinates
    InstallPaths paths;
    int32_t modelNumber = 1;
    int32_t printSize = 100;
    Language language = Language::chinese;
    Mode mode = Mode::loading;
    bool exitHeld = false;  // the last press began on `exit`: its release ends the program
    // The 10 ms timer rests while its ticks would find nothing new; input wakes it.
    bool fastTimerAwake = true;
    // What the cursor was last chosen for: a tick re-chooses it only when one of these, or a
    // press, changed it.
    struct CursorAsked {
        int32_t x = 0, y = 0;
        Mode mode = Mode::loading;
        bool demo = false, valid = false;
        bool operator==(const CursorAsked&) const = default;
    } cursorAsked;
    Dib exitPressed;        // out.bmp

    std::unique_ptr<ScreenLayout> layout;
    std::unique_ptr<TipControl> tips;
    // The off-screen 3D surface (none when the platform gives none) and the view; the view
    // always exists once set-up has run.
    std::unique_ptr<GlSurface> glSurface;
    std::unique_ptr<View3D> view3d;
    Dib unpaintedTexture;  // the texture as the model's skin makes it
    std::unique_ptr<FoldMovieSource> movies;

    // The engine is none when sound could not start; the prompts and tours then stay quiet.
    std::unique_ptr<SoundEngine> sound;
    SpokenPrompts prompts;
    GuidedDemo demo{*this, prompts};
    VolumeBar volumeBar;

    std::unique_ptr<PaintWorkshop> workshop;
    std::unique_ptr<Screen> flight;
};
