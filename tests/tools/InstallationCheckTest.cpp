// zephine-data check: the generated installation passes, and each kind of broken file in a
// copy of it is reported by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "InstallationTree.h"
#include "base/BinaryFile.h"
#include "support/BitmapBytes.h"

namespace {

// An 8-bit grey mask of the stamp size with every pixel at `value`.
std::vector<uint8_t> EvenMask(uint8_t value) {
    std::vector<uint8_t> file = MakeBitmapFile({.width = 96, .height = 96, .bits = 8});
    std::fill(file.begin() + std::ptrdiff_t(GetU32(&file[10])), file.end(), value);
    return file;
}

class CheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(GeneratedTree().empty()) << "the build has not generated the installation";
        ASSERT_TRUE(CopyGeneratedTree(dir));
    }
    CheckRun Check(const std::string& options = " --airplanes-optional") {
        return RunDataTool("check '" + dir.Path() + "'" + options);
    }
    TempDir dir;
};

bool Has(const CheckRun& run, const std::string& text) {
    return run.output.find(text) != std::string::npos;
}

}  // namespace

TEST_F(CheckTest, GeneratedInstallationHasNoProblems) {
    const CheckRun run = Check();
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(Has(run, " files checked, 0 problems\n")) << run.output;
}

TEST_F(CheckTest, MissingAirplaneFilesCountUnlessAllowed) {
    // The column pages show the airplanes' pictures when those were made first: take one away.
    std::filesystem::remove(dir.File("Diy/Face/s01.bmp"));
    const CheckRun run = Check("");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Has(run, "Airplane files:\n"));
    EXPECT_TRUE(Has(run, "Diy/Face/s01.bmp: missing"));
    EXPECT_TRUE(Has(run, "Diy/Model/Fly07.ini: missing") || Has(run, "Diy/Model/Fly07.fly: missing"));
    EXPECT_TRUE(Has(run, "Diy/Movie/frame.ini: missing"));
}

// Pictures of the wrong size or kind, stamps without a matching grey mask or with one that
// covers almost nothing or almost all, and sounds the program cannot play, in one copy: each is
// reported by name, and nothing else.
TEST_F(CheckTest, ReportsPicturesMasksAndSoundsTheProgramCannotUse) {
    // zoom is 60 by 56: a picture 4 pixels wider is refused, and so is a paletted backdrop and
    // a 24-bit picture whose width is not a multiple of 4.
    ReplaceFile(dir, "Diy/Face/ia3.bmp", MakeBitmapFile({.width = 64, .height = 56}));
    ReplaceFile(dir, "Diy/Face/paintbk.bmp",
                MakeBitmapFile({.width = 800, .height = 600, .bits = 8}));
    ReplaceFile(dir, "Diy/Face/ht05.bmp", MakeBitmapFile({.width = 79, .height = 98}));
    std::filesystem::remove(dir.File("Diy/Face/sign02.bmp"));
    std::filesystem::remove(dir.File("Diy/Piclib/msk/07.bmp"));
    ReplaceFile(dir, "Diy/Piclib/msk/08.bmp", MakeBitmapFile({.width = 96, .height = 96}));
    ReplaceFile(dir, "Diy/Piclib/msk/112.bmp",
                MakeBitmapFile({.width = 48, .height = 48, .bits = 8}));
    ReplaceFile(dir, "Diy/Piclib/msk/20.bmp", EvenMask(0));
    ReplaceFile(dir, "Diy/Piclib/msk/21.bmp", EvenMask(10));   // 4%
    ReplaceFile(dir, "Diy/Piclib/msk/22.bmp", EvenMask(20));   // 8%: a faint stamp, but one
    ReplaceFile(dir, "Diy/Piclib/msk/23.bmp", EvenMask(250));  // 98%
    const std::string e = "Sound/Diy/E/";
    std::vector<uint8_t> cut = ReadBytes(dir.File(e + "c230.wav"));
    cut.resize(cut.size() / 2);
    ReplaceFile(dir, e + "c230.wav", cut);
    ReplaceFile(dir, e + "c231.wav", {'R', 'I', 'F', 'X'});
    std::vector<uint8_t> blocks = ReadBytes(dir.File(e + "c232.wav"));
    blocks.at(38) = blocks.at(39) = 0xFF;  // more samples a block than its bytes hold
    ReplaceFile(dir, e + "c232.wav", blocks);
    std::filesystem::remove(dir.File("Sound/Diy/Eff/B100.wav"));
    const CheckRun run = Check();
    EXPECT_EQ(run.exitCode, 1);
    for (const char* report : {"Diy/Face/ia3.bmp: is 64x56, must be 60x56\n",
                               "Diy/Face/paintbk.bmp: is 8-bit", "Diy/Face/ht05.bmp: ",
                               "multiple of 4\n", "Diy/Face/sign02.bmp: missing\n",
                               "Diy/Piclib/msk/07.bmp: missing\n",
                               "Diy/Piclib/msk/08.bmp: is 24-bit; a mask is 8-bit grey\n",
                               "Diy/Piclib/msk/112.bmp: is 48x48, its stamp is 96x96\n",
                               "Diy/Piclib/msk/20.bmp: covers 0% of its cell",
                               "Diy/Piclib/msk/21.bmp: covers 4% of its cell",
                               "Diy/Piclib/msk/23.bmp: covers 98% of its cell",
                               "E/c230.wav: the WAVE reader refuses it (code 57603)\n",
                               "E/c231.wav: the WAVE reader refuses it",
                               "E/c232.wav: IMA ADPCM blocks of 65535 samples",
                               "Eff/B100.wav: missing\n"})
        EXPECT_TRUE(Has(run, report)) << report;
    EXPECT_FALSE(Has(run, "msk/22.bmp"));
    EXPECT_TRUE(Has(run, ", 14 problems\n")) << run.output;
}

TEST_F(CheckTest, ReportsMissingAndOverlongTooltipTexts) {
    const std::string tips =
        "[cTip]\n" + std::string("diy=") + std::string(100, 'x') +
        "\n[eTip]\ndiy=Paint workshop\n[String]\ncdelete=?\nedelete=\xff\xfe\n";
    ReplaceFile(dir, "Diy/Zephine.ini", std::vector<uint8_t>(tips.begin(), tips.end()));
    const CheckRun run = Check();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Has(run, "[cTip] diy: 100 bytes, the program keeps 99")) << run.output;
    EXPECT_TRUE(Has(run, "[cTip] roledn: missing"));
    EXPECT_TRUE(Has(run, "[eTip] roledn: missing"));
    EXPECT_FALSE(Has(run, "[eTip] diy:"));
    EXPECT_TRUE(Has(run, "[String] edelete: not UTF-8"));
}

TEST_F(CheckTest, ReportsStepMarksTheFlightScreenCannotUse) {
    dir.Write("Diy/Movie/frame.ini",
              "[FRAME]\nFrame1=3;10,5,20\nFrame2=2;4;9\nFrame3=31;1\nFrame4=2;1;x\n");
    const CheckRun run = Check();
    EXPECT_TRUE(Has(run, "frame.ini: Frame1: marks must increase")) << run.output;
    EXPECT_FALSE(Has(run, "frame.ini: Frame2"));
    EXPECT_TRUE(Has(run, "frame.ini: Frame3: the mark count must be 0 to 30"));
    EXPECT_TRUE(Has(run, "frame.ini: Frame4: not a number: x"));
    EXPECT_TRUE(Has(run, "frame.ini: no key Frame5"));
    // Model 2 has two marks, so its narrations run to 2-03.
    EXPECT_TRUE(Has(run, "C/2-03.wav: missing"));
    EXPECT_FALSE(Has(run, "C/2-04.wav"));
}

TEST(CheckCommandTest, BadArgumentsGiveAMessageNotACrash) {
    TempDir empty;
    CheckRun run = RunDataTool("check");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("usage: zephine-data check ROOT"), std::string::npos);
    run = RunDataTool("check '" + empty.Path() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("holds no Diy folder"), std::string::npos);
}

// The installed forms of an airplane's pictures: a small skin, a 4-bit overlay, an 8-bit steps
// sheet. The 24-bit forms of before are reported.
TEST_F(CheckTest, ReportsAirplanePicturesOfAnotherForm) {
    std::filesystem::create_directories(dir.File("Diy/Model"));
    std::filesystem::create_directories(dir.File("Diy/Movie"));
    ReplaceFile(dir, "Diy/Model/Fly01.bmp", MakeBitmapFile({.width = 1024, .height = 724}));
    ReplaceFile(dir, "Diy/Model/Fly01m.bmp", MakeBitmapFile({.width = 1024, .height = 724, .bits = 8}));
    ReplaceFile(dir, "Diy/Movie/Step01.bmp", MakeBitmapFile({.width = 1024, .height = 724}));
    const CheckRun run = Check("");
    for (const char* report : {"Fly01.bmp: is 1024x724; its long side must be 256",
                               "Fly01m.bmp: is 8-bit; an overlay is 4-bit paletted",
                               "Step01.bmp: is 24-bit; a steps sheet is 8-bit paletted"})
        EXPECT_TRUE(Has(run, report)) << report << "\n" << run.output;
}
