// Cues and effects over the sound engine.
#include "sound/SpokenPrompts.h"

#include "sound/SoundEngine.h"

namespace {
const PathString noCue = " ";
}

void SpokenPrompts::SetFolders(Language language, const PathString& chineseDir,
                               const PathString& englishDir, const PathString& effects) {
    cueDir = language == Language::chinese ? chineseDir : englishDir;
    effectDir = effects;
}

PathString SpokenPrompts::CueFile(const PathString& name) const { return cueDir + name + ".wav"; }

PathString SpokenPrompts::EffectFile(const PathString& name) const {
    return effectDir + name + ".wav";
}

void SpokenPrompts::StartBackgroundTune() {
    if (sound != nullptr) sound->Play(effectDir + "Diy.wav", true, false);
}

void SpokenPrompts::PlayCue(const PathString& name) {
    PathString file = CueFile(name);
    // A finished cue is released when another one starts, so the sentences of a long session
    // do not pile up in memory. One that still plays is left alone, and released at a later cue
    // once it has finished.
    if (sound != nullptr) {
        if (file != currentCue && currentCue != noCue) lingering.push_back(currentCue);
        std::erase(lingering, file);
        std::erase_if(lingering, [this](const PathString& cue) {
            if (sound->IsPlaying(cue) != 0) return false;
            sound->RemoveByName(cue);
            return true;
        });
    }
    currentCue = file;
    if (sound != nullptr) sound->Play(file, false, false);
}

void SpokenPrompts::PlayEffect(const PathString& name) {
    if (sound != nullptr) sound->Play(EffectFile(name), false, false);
}

bool SpokenPrompts::IsCueFinished() const {
    return sound == nullptr || sound->IsPlaying(currentCue) == 0;
}

void SpokenPrompts::StopCue() {
    if (currentCue == noCue) return;
    if (sound != nullptr) {
        sound->StopByName(currentCue);
        sound->RemoveByName(currentCue);
    }
    currentCue = noCue;
}
