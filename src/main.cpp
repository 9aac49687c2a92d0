// Zephine: wires the SDL adapters to the program's logic and runs the one event loop.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/LauncherLink.h"
#include "platform/ProfileReader.h"
#include "platform/SystemFolders.h"
#include "platform/audio/SdlAudioDevice.h"
#include "platform/files/DiskWorkFiles.h"
#include "platform/gl/OsMesaSurface.h"
#include "platform/movie/FfmpegMovieSource.h"
#include "platform/print/GtkPrinter.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlCursors.h"
#include "platform/sdl/SdlMessageBoxes.h"
#include "platform/sdl/SdlNativeWindow.h"
#include "platform/sdl/SdlTipWindow.h"
#include "platform/sdl/SdlWindow.h"
#include "shell/Application.h"
#include "shell/LaunchOptions.h"
#include "shell/StartupPaths.h"

namespace {

// [Display] Scale=1 in the settings file keeps the designed 1:1 presentation.
bool SettingsAskUnscaled(const StartupEnvironment& environment) {
    return ReadProfileString(SettingsFilePath(environment), "Display", "Scale", "") == "1";
}

}  // namespace

int main(int argc, char** argv) {
    const LaunchOptions options = ReadLaunchOptions(argc, argv);
    switch (options.action) {
        case LaunchOptions::Action::help: std::fputs(LaunchUsage(), stdout); return 0;
        case LaunchOptions::Action::version: std::puts("zephine " ZEPHINE_VERSION); return 0;
        case LaunchOptions::Action::error: std::fprintf(stderr, "%s\n", options.error.c_str()); return 2;
        case LaunchOptions::Action::run: break;
    }
    if (!SdlWindow::DisplayAvailable()) {
        std::fputs("zephine: cannot open a display (is DISPLAY set?)\n", stderr);
        return 1;
    }
    const StartupEnvironment environment = ReadStartupEnvironment();
    SdlWindow window(options.windowWidth, options.windowHeight,
                     options.unscaled || SettingsAskUnscaled(environment));
    SdlClock clock;
    SdlCursors cursors;
    SdlTipWindow tipWindow(window);
    SdlMessageBoxes messageBoxes(window);
    NoLauncher launcher;
    SdlAudioDevice audio;  // made before the window's Controller, so it outlives the engine
    FfmpegMovieSource movies;
    Platform platform{window,
                      clock,
                      cursors,
                      tipWindow,
                      messageBoxes,
                      launcher,
                      environment,
                      JoinCommandLine(int(options.args.size()), options.args.data())};
    platform.audio = &audio;
    DiskWorkFiles workFiles(platform.environment.dataFolder);
    platform.workFiles = &workFiles;
    GtkPrinter printer({[&window] { window.ServeWhileModal(); },
                        [&window](bool on) { window.SetEnabled(on); },
                        [&window] { return X11WindowId(window.Handle()); }});
    platform.printer = &printer;
    platform.movies = &movies;
    platform.makeGlSurface = [](int32_t width, int32_t height) -> std::unique_ptr<GlSurface> {
        return std::make_unique<OsMesaSurface>(width, height);
    };
    // The panes render at the display's scale, so the model is as sharp as the screen, and
    // twice over near scale 1 for smooth edges; the window shows those fine pixels.
    platform.makeWindowGlSurface = [&window](int32_t width, int32_t height) {
        const float scale = float(std::max(window.Scaling().Scale(), 1.0));
        auto surface = std::make_unique<OsMesaSurface>(width, height, scale,
                                                       OsMesaSurface::SupersampleFor(scale));
        if (surface->Scale() != 1.0f && window.Scaling().Scale() > 1.0)
            surface->SetDetailSink(window.Detail());
        return std::unique_ptr<GlSurface>(std::move(surface));
    };
    Application application(platform);
    if (!application.Start()) {
        std::fputs("zephine: the window could not be opened\n", stderr);
        return 1;
    }
    SetWindowIcon(window.Handle());
    window.Run();
    return 0;
}
