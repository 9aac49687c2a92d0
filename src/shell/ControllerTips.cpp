// The Controller's tooltips: texts from "Zephine.ini" in the current folder, section
// language + "Tip", one key per button.
#include <span>
#include <string_view>

#include "platform/ProfileReader.h"
#include "shell/Controller.h"

namespace {

struct TipRow {
    int id;
    std::string_view key;
    std::string_view rect;  // layout entry
};

constexpr TipRow kWorkshopTips[] = {
    {1, "diy", "diy"},         {2, "mov", "mov"},         {4, "docout", "docout"},
    {5, "docin", "docin"},     {6, "vol", "vol"},         {7, "zoom", "zoom"},
    {8, "move", "move"},       {9, "rote", "rote"},       {10, "undo", "undo"},
    {11, "change", "change"},  {12, "pencil", "pencil"},  {13, "gush", "gush"},
    {14, "picture", "picture"}, {15, "erase", "erase"},   {16, "adjust", "adjust"},
    {17, "print", "print"},    {18, "help", "help"},      {19, "exit", "exit"},
    {31, "sprite", "ModelPick1"}, {32, "sprite", "ModelPick2"}, {33, "sprite", "ModelPick3"},
    {34, "roleup", "modelUp"}, {35, "roledn", "modelDown"},
};

constexpr TipRow kFlightTips[] = {
    {1, "diy", "diy"},       {2, "mov", "mov"},         {6, "vol", "vol"},
    {12, "first", "first"},  {13, "pre", "pre"},        {14, "play", "play"},
    {15, "stop", "stop"},    {16, "next", "next"},      {17, "last", "last"},
    {18, "help", "help"},    {19, "exit", "exit"},      {20, "steppri", "steppri"},
    {21, "printsize", "erasesize"}, {22, "roleup", "stepPageUp"}, {23, "roledn", "stepPageDown"},
    {31, "sprite", "ModelPick1"}, {32, "sprite", "ModelPick2"}, {33, "sprite", "ModelPick3"},
    {34, "roleup", "modelUp"}, {35, "roledn", "modelDown"},
};

// Panel rows 1 to 8; ids 21 onwards in order.
constexpr TipRow kPanelPencil[] = {
    {21, "colortrans", "colortrans"}, {22, "thick", "thick"}, {23, "choosecolor", "choosecolor"}};
constexpr TipRow kPanelStamp[] = {
    {21, "rolerotate", "rolerotate"}, {22, "rolesize", "rolesize"}, {23, "rolepic", "rolepic"}};
constexpr TipRow kPanelEraser[] = {{21, "erasesize", "erasesize"}};
constexpr TipRow kPanelAdjust[] = {
    {21, "adjusth", "adjusth"}, {22, "adjusts", "adjusts"}, {23, "adjustl", "adjustl"}};
constexpr TipRow kPanelPrint[] = {{21, "steppri", "steppri"}, {22, "printsize", "erasesize"}};
constexpr TipRow kPanelWorks[] = {{21, "roleup", "worksUp"},
                                  {22, "roledn", "worksDown"},
                                  {23, "saveboxall", "saveboxall"},
                                  {24, "saveash", "saveash"},
                                  {25, "saveback", "saveback"}};
constexpr TipRow kPanelChooser[] = {
    {21, "roleup", "chooserUp"}, {22, "roledn", "chooserDown"}, {23, "roleqt", "roleqt"}};

std::span<const TipRow> PanelRows(int panel) {
    switch (panel) {
        case 1:
        case 2: return kPanelPencil;
        case 3: return kPanelStamp;
        case 4: return kPanelEraser;
        case 5: return kPanelAdjust;
        case 6: return kPanelPrint;
        case 7: return kPanelWorks;
        case 8: return kPanelChooser;
        default: return {};
    }
}

constexpr size_t kMaxTipText = 99;

// The path and section of the tooltip texts, read once per build.
ProfileFile TipTexts(const StartupEnvironment& env) {
    PathString path = env.currentFolder;
    if (path.empty() || path.back() != '/') path += "/";
    return ProfileFile(path + "Zephine.ini");
}

void AddTips(TipControl& tips, const ScreenLayout& layout, const ProfileFile& texts,
                    const std::string& section, std::span<const TipRow> rows) {
    for (const TipRow& row : rows) {
        const Rect* rect = layout.Find(row.rect);
        if (rect == nullptr) continue;
        tips.AddTool(row.id, *rect, texts.Get(section, row.key, "", kMaxTipText));
    }
}

}  // namespace

void Controller::BuildWorkshopTips() {
    if (!tips) return;
    const ProfileFile texts = TipTexts(platform.environment);
    for (int id = 1; id <= 39; ++id) tips->DeleteTool(id);
    tips->Activate(true);
    AddTips(*tips, *layout, texts, language + "Tip", kWorkshopTips);
    if (tool >= 1 && tool <= 7) BuildToolTips(tool);
    if (pressed == kPressedStampChooser) BuildToolTips(8);
}

void Controller::BuildToolTips(int panel) {
    if (!tips) return;
    const ProfileFile texts = TipTexts(platform.environment);
    for (int id = 20; id <= 29; ++id) tips->DeleteTool(id);
    tips->Activate(true);
    AddTips(*tips, *layout, texts, language + "Tip", PanelRows(panel));
}

void Controller::BuildFlightTips() {
    if (!tips) return;
    const ProfileFile texts = TipTexts(platform.environment);
    for (int id = 1; id <= 39; ++id) tips->DeleteTool(id);
    tips->Activate(true);
    AddTips(*tips, *layout, texts, language + "Tip", kFlightTips);
}
