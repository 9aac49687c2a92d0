// The flight screen's test rig.
#include "FlightRig.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "fakes/FakeAudioFiles.h"
#include "shell/StartupPaths.h"
#include "support/TestModel.h"

namespace {

// Each narration has its own length, so that its sound tells which it is.
uint32_t NarrationFrames(int model, int step) { return uint32_t(1000 + model * 10 + step); }

void WriteWave(const PathString& path, uint32_t frames) {
    const std::vector<uint8_t> bytes = ToneWave(ToneSpec{.frames = frames});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size()));
}

}  // namespace

FlightRig::FlightRig(const char* frames, bool gl) {
    const std::string root = f.dir.Path();
    // Started from ROOT/Diy inside the test's own folder, so that the sound folders beside it
    // (ROOT/Sound) are the test's own too.
    f.platform.environment.currentFolder = root + "/Diy";
    for (int model : {1, 9, 10}) WriteTestModel(root, model, 256, 256);
    (void)f.dir.Write("MoPleat5.ini", "[Path]\nModel=" + root + "/Model/\n");
    paths = ReadInstallPaths(f.platform.environment);
    for (const PathString& folder : {paths.movieDir, paths.effectDir, paths.englishDir})
        std::filesystem::create_directories(folder);
    if (frames != nullptr) std::ofstream(paths.movieDir + "frame.ini") << "[FRAME]\n" << frames;
    WriteWave(paths.effectDir + "B100.wav", 64);
    // Each screen's backdrop in one colour of its own.
    std::filesystem::create_directories(paths.faceDir);
    for (const auto& [name, colour] : {std::pair{"paintbk.bmp", kWorkshopBackdrop},
                                       std::pair{"moviebk.bmp", kFlightBackdrop}}) {
        Dib backdrop = Dib::CreateBlank(800, 600);
        for (int32_t y = 0; y < 600; ++y)
            for (int32_t x = 0; x < 800; ++x) {
                uint8_t* p = backdrop.PixelAt(x, y);
                p[0] = uint8_t(colour), p[1] = uint8_t(colour >> 8), p[2] = uint8_t(colour >> 16);
            }
        (void)backdrop.SaveToFile(paths.faceDir + name);
    }
    for (int model : {1, 9, 10})
        for (int step = 1; step <= 5; ++step)
            WriteWave(paths.englishDir + NarrationName(model, step) + ".wav",
                      NarrationFrames(model, step));
    for (const char* name : {"Fly01.mov", "Fly09.mov", "Fly10.mov"}) movies.movies[name] = 100;
    f.platform.audio = &audio;
    f.platform.movies = &movies;
    if (gl)
        f.platform.makeGlSurface = [this](int32_t w, int32_t h) -> std::unique_ptr<GlSurface> {
            auto surface = std::make_unique<FakeGlSurface>(w, h);
            surfaces.push_back(surface.get());
            return surface;
        };
    c = std::make_unique<Controller>(f.window, f.platform);
    c->Tours().Stop();  // no tour: presses act
}

void FlightRig::Click(const Rect& r) {
    c->ButtonDown(r.CentreX(), r.CentreY());
    c->ButtonUp(r.CentreX(), r.CentreY());
}

void FlightRig::EnterFlight() {
    Click(L().mov);
    PaintPending();
}

void FlightRig::ChooseModel9() {
    Click(L().modelUp);
    Click(L().modelUp);
    Click(L().ModelPick3);
}

void FlightRig::PaintPending() {
    const Rect all = f.window.TakeInvalidated();
    if (!all.IsEmpty()) c->Paint(all.left, all.top, all.right, all.bottom);
}

void FlightRig::Tick(uint32_t ms) {
    f.clock.now += ms;
    c->Timer(1);
}

int FlightRig::Starts(const std::string& narration) const {
    const size_t dash = narration.find('-');
    const int model = std::stoi(narration.substr(0, dash));
    const int step = std::stoi(narration.substr(dash + 1));
    const size_t bytes = size_t(NarrationFrames(model, step)) * 2;  // 16-bit mono
    int plays = 0;
    for (const auto& sound : audio.sounds)
        if (sound->samples.size() == bytes) plays += sound->plays;
    return plays;
}
