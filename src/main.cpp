// Zephine: wires the SDL adapters to the program's logic and runs the one event loop.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/LauncherLink.h"
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

namespace {

struct Options {
    int32_t windowWidth = 0;  // --window WxH: a plain window for development
    int32_t windowHeight = 0;
    std::vector<const char*> args;  // the command line without the option
};

// "--window WxH" may come before the tail; it is taken out so that the tail rule sees the
// command line as it would be without it.
Options ReadOptions(int argc, char** argv) {
    Options o;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i > 0 && arg == "--window" && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[i + 1], "%dx%d", &w, &h) == 2 && w >= 1 && h >= 1 &&
                w <= 16384 && h <= 16384) {
                o.windowWidth = w;
                o.windowHeight = h;
            } else {
                std::fprintf(stderr, "zephine: --window wants WIDTHxHEIGHT, got \"%s\"\n",
                             argv[i + 1]);
            }
            ++i;
            continue;
        }
        o.args.push_back(argv[i]);
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ReadOptions(argc, argv);
    SdlWindow window(options.windowWidth, options.windowHeight);
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
                      ReadStartupEnvironment(),
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
    Application application(platform);
    if (!application.Start()) return 1;
    (void)SetWindowIcon(window.Handle());
    window.Run();
    return 0;
}
