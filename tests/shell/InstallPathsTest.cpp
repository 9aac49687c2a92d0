// Start-up's folders, the command line tail and the model file names.
#include "shell/StartupPaths.h"

#include <gtest/gtest.h>

#include "base/BinaryFile.h"
#include "support/TempDir.h"

namespace {

StartupEnvironment Environment(const TempDir& dir, const std::string& current) {
    return StartupEnvironment{dir.Path(), current, "/home/child/.local/share",
                              "/home/child/.cache", false};
}

}  // namespace

TEST(CommandLineTest, TailNamesLanguageAndModelCountedFromZero) {
    struct Case {
        const char* line;
        int model;
        const char* language;
    };
    for (const Case& c : {Case{"zephine c4", 5, "c"}, Case{"zephine e12", 13, "e"},
                          Case{"zephine c9", 10, "c"}, Case{"zephine c05", 6, "c"},
                          Case{"zephine c30", 1, "c"}, Case{"zephine run", 1, "c"},
                          Case{"zephine", 1, "c"}, Case{"", 1, "c"}, Case{"7", 8, "e"},
                          Case{"zephine x24", 25, "e"}}) {
        const ModelChoice choice = ReadCommandLine(c.line);
        EXPECT_EQ(choice.modelNumber, c.model) << c.line;
        EXPECT_EQ(choice.language, LanguageOf(c.language)) << c.line;
    }
}

TEST(InstallPathsTest, OnItsOwnTheFoldersHangOffTheCurrentFolder) {
    TempDir dir;
    const InstallPaths p = ReadInstallPaths(Environment(dir, "/opt/zephine/Diy"));
    EXPECT_EQ(p.faceDir, "/opt/zephine/Diy/Face/");
    EXPECT_EQ(p.movieDir, "/opt/zephine/Diy/Movie/");
    EXPECT_EQ(p.penDataDir, "/opt/zephine/Diy/PenData/");
    EXPECT_EQ(p.penCacheDir, "/home/child/.cache/zephine/");
    EXPECT_EQ(p.picLibDir, "/opt/zephine/Diy/Piclib/");
    EXPECT_EQ(p.effectDir, "/opt/zephine/Diy/../Sound/Diy/Eff/");
    EXPECT_EQ(p.chineseDir, "/opt/zephine/Diy/../Sound/Diy/C/");
    EXPECT_EQ(p.englishDir, "/opt/zephine/Diy/../Sound/Diy/E/");
    EXPECT_EQ(p.modelDir, "./Model/");
    EXPECT_EQ(p.saveDir, "/home/child/.local/share/zephine/works/");
    // The root folder gets no doubled separator.
    EXPECT_EQ(ReadInstallPaths(Environment(dir, "/")).faceDir, "/Face/");
}

TEST(InstallPathsTest, LaunchedFoldersAndSettingsFileValues) {
    TempDir dir;
    StartupEnvironment env = Environment(dir, "/srv");
    env.launched = true;
    InstallPaths p = ReadInstallPaths(env);
    EXPECT_EQ(p.faceDir, "/srv/Diy/Face/");
    EXPECT_EQ(p.effectDir, "/srv/Sound/Diy/Eff/");
    EXPECT_EQ(p.modelDir, "./Diy/Model/");

    // Windows-style values turn into '/' paths; long values are kept whole.
    const std::string longFolder = "/media/" + std::string(150, 'x') + "/";
    dir.Write("MoPleat5.ini", "[path]\r\nmodel = .\\Models\\\r\nSave=" + longFolder + "\r\n");
    p = ReadInstallPaths(env);
    EXPECT_EQ(p.modelDir, "./Models/");
    EXPECT_EQ(p.saveDir, longFolder);
}

TEST(ModelFilesTest, NamesFollowTheModelNumber) {
    TempDir dir;
    const std::string folder = dir.Path() + "/";
    EXPECT_EQ(ModelStem(9), "Fly09");
    EXPECT_EQ(ModelStem(10), "Fly10");
    EXPECT_EQ(BuildModelFileNames(folder, 7).model, folder + "Fly07.fly");
    dir.Write("Fly07.ini", "[SUM]\n");
    const ModelFileNames names = BuildModelFileNames(folder, 7);
    EXPECT_EQ(names.model, folder + "Fly07.ini");
    EXPECT_EQ(names.texture, folder + "Fly07.bmp");
}

TEST(LanguageMarkerTest, WritesOneLetterWithNoLineEnd) {
    TempDir dir;
    const StartupEnvironment env = Environment(dir, "/");
    dir.Write("mopleat5.txt", "old contents that are longer");
    ASSERT_TRUE(WriteLanguageMarker(env, Language::chinese));
    EXPECT_EQ(ReadBytes(dir.File("mopleat5.txt")), std::vector<uint8_t>{'c'});
    ASSERT_TRUE(WriteLanguageMarker(env, Language::english));
    EXPECT_EQ(ReadBytes(dir.File("mopleat5.txt")), std::vector<uint8_t>{'e'});
    StartupEnvironment nowhere = env;
    nowhere.systemFolder = dir.File("missing");
    EXPECT_FALSE(WriteLanguageMarker(nowhere, Language::chinese));
}
