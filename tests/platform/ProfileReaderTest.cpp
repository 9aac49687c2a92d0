// The settings-file reader used for MoPleat5.ini and Zephine.ini.
#include "platform/ProfileReader.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

TEST(ProfileReaderTest, MatchesSectionsAndKeysWithoutRegardToCase) {
    TempDir dir;
    const std::string path = dir.Write("z.ini",
                                       "\xEF\xBB\xBF[eTip]\r\n"
                                       "  Pencil =  Draw soft lines  \r\n"
                                       "pencil=second one loses\n"
                                       "; a comment=no\n"
                                       "[cTip]\n"
                                       "pencil=\xE9\x93\x85\xE7\xAC\x94\n");
    const ProfileFile file(path);
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.Get("ETIP", "PENCIL", "-"), "Draw soft lines");  // inner spaces kept
    EXPECT_EQ(file.Get("cTip", "pencil", "-"), "\xE9\x93\x85\xE7\xAC\x94");
    EXPECT_EQ(file.Get("eTip", "; a comment", "-"), "-");
    EXPECT_EQ(file.Get("eTip", "gush", "default"), "default");
    EXPECT_EQ(file.Get("String", "pencil", ""), "");
    EXPECT_EQ(file.Get("eTip\npencil", "", "-"), "-");  // a line break joins nothing
}

TEST(ProfileReaderTest, FindsLongSectionAndKeyNames) {
    TempDir dir;
    const std::string section(40, 's'), key(40, 'k');
    const std::string path = dir.Write("z.ini", "[" + section + "]\n" + key + "=far\n");
    EXPECT_EQ(ProfileFile(path).Find(std::string(40, 'S'), key), "far");
    EXPECT_EQ(ProfileFile(path).Find(section, key + "k"), std::nullopt);
}

TEST(ProfileReaderTest, CutsLongValuesWithoutBreakingCharacters) {
    TempDir dir;
    const std::string path = dir.Write("z.ini", "[s]\nlong=" + std::string(120, 'a') +
                                                    "\nwide=ab\xE9\x93\x85\n");
    EXPECT_EQ(ReadProfileString(path, "s", "long", "", 99).size(), 99u);
    EXPECT_EQ(ReadProfileString(path, "s", "wide", "", 4), "ab");
    EXPECT_EQ(ReadProfileString(path, "s", "long", "").size(), 120u);
}

TEST(ProfileReaderTest, AMissingFileGivesTheDefault) {
    TempDir dir;
    EXPECT_FALSE(ProfileFile(dir.File("none.ini")).Exists());
    EXPECT_EQ(ReadProfileString(dir.File("none.ini"), "a", "b", "fallback"), "fallback");
    EXPECT_EQ(ReadProfileString(dir.Path(), "a", "b", "fallback"), "fallback");  // a folder
}
