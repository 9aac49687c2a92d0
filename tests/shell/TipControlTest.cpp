// The tooltips: texts from Zephine.ini by language, the workshop, panel and flight tables, and
// a control that could not be made.
#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "shell/Controller.h"

namespace {

const char* kIni =
    "[eTip]\n"
    "exit = Leave the workshop \n"
    "pencil=Pencil\n"
    "sprite=Pick a plane\n"
    "colortrans=Opacity\nthick=Thickness\nchoosecolor=Colours\n"
    "erasesize=Eraser size\n"
    "first=First step\n"
    "roleup=Up\nroledn=Down\nroleqt=Close\n"
    "[cTip]\n"
    "exit=\xE9\x80\x80\xE5\x87\xBA\n";

struct TipRig {
    explicit TipRig(const std::string& line = "zephine-program e0") : f(1024, 768, line) {
        f.dir.Write("Zephine.ini", std::string(kIni));
    }
    FakePlatform f;
    std::string Text(int id) { return f.tips.tools.at(id).text; }
};

TEST(TipControlTest, WorkshopTipsComeFromTheLanguagesSection) {
    TipRig r;
    Controller c(r.f.window, r.f.platform);
    EXPECT_TRUE(r.f.tips.active);
    EXPECT_EQ(r.Text(19), "Leave the workshop");
    EXPECT_EQ(r.f.tips.tools.at(19).rect, c.Layout().exit);
    EXPECT_EQ(r.Text(12), "Pencil");
    EXPECT_EQ(r.Text(32), "Pick a plane");
    EXPECT_EQ(r.f.tips.tools.at(33).rect, c.Layout().ModelPick3);
    EXPECT_EQ(r.Text(1), "") << "a missing key gives an empty text";
    // The pencil's panel.
    EXPECT_EQ(r.Text(21), "Opacity");
    EXPECT_EQ(r.Text(22), "Thickness");
    EXPECT_EQ(r.Text(23), "Colours");
    EXPECT_EQ(r.f.tips.tools.size(), 26u);
}

TEST(TipControlTest, ChineseTextsComeFromTheChineseSection) {
    TipRig r("zephine-program c0");
    Controller c(r.f.window, r.f.platform);
    EXPECT_EQ(r.Text(19), "\xE9\x80\x80\xE5\x87\xBA");
    EXPECT_EQ(r.Text(12), "");
}

// A click at the centre of a layout entry, as a child gives it.
void Click(Controller& c, const Rect& r) {
    c.ButtonDown(r.CentreX(), r.CentreY());
    c.ButtonUp(r.CentreX(), r.CentreY());
}

TEST(TipControlTest, PencilToEraserLeavesOnePanelTip) {
    TipRig r;
    Controller c(r.f.window, r.f.platform);
    c.Tours().Stop();
    Click(c, c.Layout().erase);
    EXPECT_EQ(r.Text(21), "Eraser size");
    EXPECT_EQ(r.f.tips.tools.at(21).rect, c.Layout().erasesize);
    EXPECT_EQ(r.f.tips.tools.count(22), 0u);
    EXPECT_EQ(r.f.tips.tools.count(23), 0u);
    EXPECT_EQ(r.Text(19), "Leave the workshop") << "the workshop tips stay";
}

TEST(TipControlTest, OpenStampChooserGivesItsBoardTips) {
    TipRig r;
    Controller c(r.f.window, r.f.platform);
    c.Tours().Stop();
    Click(c, c.Layout().picture);
    Click(c, c.Layout().rolepic);
    EXPECT_EQ(r.Text(21), "Up");
    EXPECT_EQ(r.f.tips.tools.at(21).rect, c.Layout().chooserUp);
    EXPECT_EQ(r.Text(23), "Close");
}

TEST(TipControlTest, FlightTipsReplaceTheWorkshopsWithoutPanelTips) {
    TipRig r;
    Controller c(r.f.window, r.f.platform);
    c.Tours().Stop();
    Click(c, c.Layout().mov);
    ASSERT_EQ(c.CurrentMode(), Mode::flight);
    EXPECT_EQ(r.Text(12), "First step");
    EXPECT_EQ(r.f.tips.tools.at(12).rect, c.Layout().first);
    EXPECT_EQ(r.f.tips.tools.count(4), 0u);
    EXPECT_EQ(r.f.tips.tools.at(21).rect, c.Layout().erasesize);
    EXPECT_EQ(r.Text(22), "Up");
    EXPECT_EQ(r.f.tips.tools.at(22).rect, c.Layout().stepPageUp);
    EXPECT_EQ(r.f.tips.tools.size(), 20u);
}

TEST(TipControlTest, MissingSettingsFileGivesToolsWithEmptyTexts) {
    FakePlatform f;
    Controller c(f.window, f.platform);
    ASSERT_EQ(f.tips.tools.size(), 26u);
    for (const auto& [id, tool] : f.tips.tools) EXPECT_EQ(tool.text, "") << id;
}

TEST(TipControlTest, LongTextsAreCutTo99Characters) {
    FakePlatform f;
    f.dir.Write("Zephine.ini", "[eTip]\nexit=" + std::string(150, 'x') + "\n");
    Controller c(f.window, f.platform);
    EXPECT_EQ(f.tips.tools.at(19).text, std::string(99, 'x'));
}

TEST(TipControlTest, WithoutAControlEverythingElseWorks) {
    FakePlatform f;
    f.tips.createFails = true;
    Controller c(f.window, f.platform);
    EXPECT_TRUE(f.tips.tools.empty());
    c.Tours().Stop();
    f.window.waiting.push_back({WindowMessage::Kind::MouseMove, 1, 1});
    c.Timer(1);
    Click(c, c.Layout().mov);
    EXPECT_TRUE(f.tips.relayed.empty());
    EXPECT_TRUE(f.tips.tools.empty());
}

}  // namespace
