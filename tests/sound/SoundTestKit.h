// What the sound tests share: a fake Controller side for the prompts, the volume bar and the
// tours, and WAVE files in a fresh folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/FakeAudioDevice.h"
#include "fakes/FakeAudioFiles.h"
#include "fakes/FakePorts.h"
#include "sound/SoundEngine.h"
#include "sound/SpokenPrompts.h"
#include "support/TempDir.h"
#include "support/TestPictures.h"

// The message boxes shown, as caption and text.
using Messages = std::vector<std::pair<std::string, std::string>>;

// Writes a tone as a WAVE file in the folder and returns its path.
inline std::string WriteTone(const TempDir& dir, const std::string& name, const ToneSpec& tone = {}) {
    return dir.Write(name, ToneWave(tone));
}

// A picture of one colour (0x00RRGGBB), with pure white at its top-left pixel.
inline Dib SolidPicture(int32_t width, int32_t height, uint32_t colour) {
    return PaintedDib(width, height, [colour](int32_t x, int32_t y) {
        return x == 0 && y == 0 ? 0xFFFFFFu : colour;
    });
}

// The prompts over an engine on the fake port, with the cues c205 to c269 (short tones) in the
// folder of the chosen language and an effect "B100". The Chinese folder is <dir>/c/, the
// English one <dir>/e/, the effects <dir>/eff/.
struct VoiceRig {
    explicit VoiceRig(const std::string& language = "c", bool withCues = true) {
        for (const char* sub : {"c", "e", "eff"}) std::filesystem::create_directories(Folder(sub));
        prompts.SetFolders(LanguageOf(language), Folder("c"), Folder("e"), Folder("eff"));
        EXPECT_EQ(engine.Init(), 0);
        prompts.SetEngine(&engine);
        ToneSpec shortTone{.frames = 64};
        std::string cues = language.starts_with("c") ? "c" : "e";
        for (int n = 205; withCues && n <= 269; ++n) {
            WriteTone(dir, cues + "/c" + std::to_string(n) + ".wav", shortTone);
        }
        WriteTone(dir, "eff/B100.wav", shortTone);
        WriteTone(dir, "eff/Diy.wav", shortTone);
    }
    [[nodiscard]] std::string Folder(const std::string& sub) const { return dir.File(sub) + "/"; }
    // True when the named cue file of the language's folder is playing.
    [[nodiscard]] bool CuePlays(const std::string& name) const {
        return engine.IsPlaying(prompts.CueFile(name)) == 1;
    }

    TempDir dir;
    FakeAudioDevice device;
    FakeMessageBoxes boxes;
    SoundEngine engine{device, boxes};
    SpokenPrompts prompts;
};
