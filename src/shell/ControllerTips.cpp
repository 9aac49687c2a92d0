// The Controller's tooltips and messages: texts from "Zephine.ini" in the current folder, section
// LetterOf(language) + std::string("Tip"), one key per button; the rows come from the screens.
#include "platform/ProfileReader.h"
#include "shell/Controller.h"

namespace {

constexpr size_t kMaxTipText = 99;
constexpr size_t kMaxMessageText = 100;

// The tooltip texts, read anew for each build.
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

std::string Controller::Text(std::string_view name, std::string_view fallback) const {
    const std::string key = LetterOf(language) + std::string(name);
    return TipTexts(platform.environment).Get("String", key, fallback, kMaxMessageText);
}

void Controller::ShowTips(std::span<const TipRow> rows) {
    if (!tips) return;
    for (int id = 1; id <= 39; ++id) tips->DeleteTool(id);
    tips->Activate(true);
    AddTips(*tips, *layout, TipTexts(platform.environment), LetterOf(language) + std::string("Tip"), rows);
}

void Controller::ShowPanelTips(std::span<const TipRow> rows) {
    if (!tips) return;
    for (int id = 20; id <= 29; ++id) tips->DeleteTool(id);
    tips->Activate(true);
    AddTips(*tips, *layout, TipTexts(platform.environment), LetterOf(language) + std::string("Tip"), rows);
}
