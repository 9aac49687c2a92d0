// SdlTipWindow: hover rules from TipHover, drawing with SDL2_ttf.
#include "platform/sdl/SdlTipWindow.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kFontSize = 14;
constexpr int kPadding = 4;
constexpr int kBelowPointer = 20;  // the box sits under the cursor picture

}  // namespace

std::string SdlTipWindow::FontPath() {
    const char* chosen = std::getenv("ZEPHINE_TIP_FONT");
    if (chosen != nullptr && *chosen != '\0') return chosen;
    return "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
}

SdlTipWindow::~SdlTipWindow() {
    window.SetOverlay(nullptr);
    if (text != nullptr) SDL_FreeSurface(text);
    if (font != nullptr) TTF_CloseFont(font);
    if (ttfStarted) TTF_Quit();
}

bool SdlTipWindow::Create() {
    if (font != nullptr) return true;
    if (!ttfStarted) {
        if (TTF_Init() != 0) return false;
        ttfStarted = true;
    }
    font = TTF_OpenFont(FontPath().c_str(), kFontSize);
    if (font == nullptr) return false;
    window.SetOverlay(this);
    return true;
}

void SdlTipWindow::Activate(bool on) {
    hover.SetActive(on);
    Refresh();
}

void SdlTipWindow::AddTool(int id, const Rect& rect, const std::string& t) {
    hover.AddTool(id, rect, t);
}

void SdlTipWindow::DeleteTool(int id) {
    hover.DeleteTool(id);
    Refresh();
}

void SdlTipWindow::Relay(const WindowMessage& message) {
    hover.Relay(message, SDL_GetTicks());
    Refresh();
}

void SdlTipWindow::Update() {
    hover.Update();
    Refresh();
}

void SdlTipWindow::Tick(uint32_t now) {
    if (hover.Tick(now)) Refresh();
}

void SdlTipWindow::Refresh() {
    const Rect before = shown;
    const std::string& wanted = hover.Visible() ? hover.Text() : std::string();
    if (wanted != rendered) {
        if (text != nullptr) SDL_FreeSurface(text);
        text = nullptr;
        rendered = wanted;
        if (!wanted.empty() && font != nullptr) {
            text = TTF_RenderUTF8_Blended(font, wanted.c_str(), SDL_Color{0, 0, 0, 255});
        }
    }
    shown = {};
    if (text != nullptr) {
        const int32_t w = text->w + 2 * kPadding, h = text->h + 2 * kPadding;
        // Under the pointer, kept on the screen.
        const int32_t x = std::clamp(hover.X(), 0, std::max(0, window.Width() - w));
        int32_t y = hover.Y() + kBelowPointer;
        if (y + h > window.Height()) y = std::max(0, hover.Y() - h - 2);
        shown = {x, y, x + w, y + h};
    }
    if (before == shown) return;
    Rect both;
    (void)Union(before, shown, both);
    if (!both.IsEmpty()) window.Present(both);
}

bool SdlTipWindow::Bounds(Rect& area) const {
    area = shown;
    return !shown.IsEmpty();
}

void SdlTipWindow::Draw(SDL_Surface* target) {
    if (text == nullptr || shown.IsEmpty()) return;
    SDL_Rect box{shown.left, shown.top, shown.Width(), shown.Height()};
    (void)SDL_FillRect(target, &box, SDL_MapRGB(target->format, 0, 0, 0));
    SDL_Rect inside{box.x + 1, box.y + 1, box.w - 2, box.h - 2};
    (void)SDL_FillRect(target, &inside, SDL_MapRGB(target->format, 255, 255, 225));
    SDL_Rect at{shown.left + kPadding, shown.top + kPadding, text->w, text->h};
    (void)SDL_BlitSurface(text, nullptr, target, &at);
}
