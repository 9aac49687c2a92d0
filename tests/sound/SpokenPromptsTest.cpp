// Cues and effects: the file names by language, what counts as finished, stopping, and the
// background tune.
#include "sound/SpokenPrompts.h"

#include <gtest/gtest.h>

#include "sound/SoundTestKit.h"

namespace {

TEST(SpokenPromptsTest, CuesComeFromTheFolderOfTheLanguage) {
    VoiceRig chinese("c");
    EXPECT_EQ(chinese.prompts.CueFile("c207"), chinese.Folder("c") + "c207.wav");
    EXPECT_EQ(chinese.prompts.EffectFile("B100"), chinese.Folder("eff") + "B100.wav");
    VoiceRig english("e");
    english.prompts.PlayCue("c207");
    EXPECT_EQ(english.prompts.CurrentCue(), english.Folder("e") + "c207.wav");
    EXPECT_TRUE(english.CuePlays("c207"));
    // Any first letter but 'c' means English; so does no language at all.
    SpokenPrompts other;
    other.SetFolders(LanguageOf("x"), "zh/", "en/", "fx/");
    EXPECT_EQ(other.CueFile("7-02"), "en/7-02.wav");
    other.SetFolders(LanguageOf(""), "zh/", "en/", "fx/");
    EXPECT_EQ(other.CueFile("7-02"), "en/7-02.wav");
}

TEST(SpokenPromptsTest, ACueIsFinishedWhenItIsNotPlaying) {
    VoiceRig rig;
    EXPECT_TRUE(rig.prompts.IsCueFinished());  // none yet
    rig.prompts.PlayCue("c205");
    EXPECT_FALSE(rig.prompts.IsCueFinished());
    rig.device.FinishAll();
    EXPECT_TRUE(rig.prompts.IsCueFinished());
    rig.prompts.PlayCue("nosuchcue");  // a missing file counts as finished at once
    EXPECT_EQ(rig.prompts.CurrentCue(), rig.prompts.CueFile("nosuchcue"));
    EXPECT_TRUE(rig.prompts.IsCueFinished());
    EXPECT_TRUE(rig.boxes.shown.empty());
}

TEST(SpokenPromptsTest, WithoutSoundEveryCueIsFinishedAndNothingPlays) {
    SpokenPrompts prompts;
    prompts.SetFolders(Language::chinese, "zh/", "en/", "fx/");
    prompts.StartBackgroundTune();
    prompts.PlayCue("c205");
    prompts.PlayEffect("B100");
    EXPECT_EQ(prompts.CurrentCue(), "zh/c205.wav");
    EXPECT_TRUE(prompts.IsCueFinished());
    prompts.StopCue();
    EXPECT_EQ(prompts.CurrentCue(), " ");
}

TEST(SpokenPromptsTest, ANewCueDoesNotStopOneThatStillPlaysButReleasesItOnceFinished) {
    VoiceRig rig;
    rig.prompts.PlayCue("c205");
    rig.prompts.PlayCue("c206");
    EXPECT_TRUE(rig.CuePlays("c205"));
    EXPECT_TRUE(rig.CuePlays("c206"));
    // Overtaken cues do not stay in memory for the rest of the session (a long random session
    // grew by one sentence's buffer for each).
    rig.device.FinishAll();
    rig.prompts.PlayCue("c207");
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c205")), nullptr);
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c206")), nullptr);
    EXPECT_TRUE(rig.CuePlays("c207"));
    // The same cue again is a restart, not a release.
    rig.prompts.PlayCue("c207");
    EXPECT_TRUE(rig.CuePlays("c207"));
    EXPECT_EQ(rig.device.sounds.size(), 3u);
}

TEST(SpokenPromptsTest, StopCueStopsAndReleasesTheCueButNotEffects) {
    VoiceRig rig;
    rig.prompts.StartBackgroundTune();
    rig.prompts.PlayCue("c205");
    rig.prompts.PlayEffect("B100");
    EXPECT_EQ(rig.prompts.CurrentCue(), rig.prompts.CueFile("c205"));
    rig.prompts.StopCue();
    EXPECT_EQ(rig.prompts.CurrentCue(), " ");
    EXPECT_EQ(rig.engine.Find(rig.prompts.CueFile("c205")), nullptr);
    EXPECT_EQ(rig.engine.IsPlaying(rig.prompts.EffectFile("B100")), 1);
    EXPECT_EQ(rig.engine.IsPlaying(rig.prompts.EffectFile("Diy")), 1);
    rig.prompts.StopCue();  // nothing current: nothing happens
    EXPECT_EQ(rig.engine.Nodes().size(), 2u);
}

}  // namespace
