// SpokenPrompts: the cues (spoken sentences in the child's language) and the sound effects,
// one cue at a time, and whether the current cue has finished.
#pragma once

#include <vector>

#include "base/Language.h"
#include "base/PathString.h"

class SoundEngine;

class SpokenPrompts {
public:
    // Folders end in '/'. The cues come from the folder of the language.
    void SetFolders(Language language, const PathString& chineseDir,
                    const PathString& englishDir, const PathString& effectDir);
    // The engine, or null when the program runs without sound (every request is then skipped).
    void SetEngine(SoundEngine* engine) { sound = engine; }

    [[nodiscard]] PathString CueFile(const PathString& name) const;
    [[nodiscard]] PathString EffectFile(const PathString& name) const;

    // The background tune, in a loop.
    void StartBackgroundTune();
    // Plays a cue once; a cue that still plays is not stopped by this.
    void PlayCue(const PathString& name);
    // Plays an effect once; the current cue stays as it is.
    void PlayEffect(const PathString& name);
    // True without sound, and when the current cue is not playing (never started, missing,
    // ended, or none).
    [[nodiscard]] bool IsCueFinished() const;
    // Stops the current cue and releases it; then no cue is current.
    void StopCue();
    [[nodiscard]] const PathString& CurrentCue() const { return currentCue; }

private:
    PathString currentCue = " ";  // the full path of the cue last started, " " when none
    // Cues a newer cue overtook while they still played: released once they have finished.
    std::vector<PathString> lingering;
    SoundEngine* sound = nullptr;
    PathString cueDir;
    PathString effectDir;
};
