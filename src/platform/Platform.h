// Platform: the ports the logic runs on, wired by main (real adapters) or by tests (fakes).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/InstallPaths.h"

class Window;
class Clock;
class Cursors;
class TipWindow;
class MessageBoxes;
class LauncherLink;
class AudioDevice;
class GlSurface;
class WorkFiles;
class Printer;
class MovieSource;

struct Platform {
    Window& window;
    Clock& clock;
    Cursors& cursors;
    TipWindow& tipWindow;
    MessageBoxes& messageBoxes;
    LauncherLink& launcher;
    StartupEnvironment environment;  // `launched` is decided when the paths are read
    std::string commandLine;
    AudioDevice* audio = nullptr;  // none: the program runs without sound
    WorkFiles* workFiles = nullptr;  // none: works can be neither saved nor deleted
    Printer* printer = nullptr;      // none: nothing prints
    MovieSource* movies = nullptr;  // none: only movies drawn from fold animations show
    // Makes the off-screen 3D surface of the given size; unset or none: no 3D drawing.
    std::function<std::unique_ptr<GlSurface>(int32_t, int32_t)> makeGlSurface = nullptr;
    // The same for the surface whose copies go straight to the window's client surface (the
    // panes), which may render finer for a scaled display; unset: makeGlSurface.
    std::function<std::unique_ptr<GlSurface>(int32_t, int32_t)> makeWindowGlSurface = nullptr;
};
