// SdlTipWindow: hover rules from TipHover, drawing with SDL2_ttf. The box is laid out in device
// pixels beside the scaled control, its text growing with the display's scale.
#include "platform/sdl/SdlTipWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// At scale 1; all grow with the scale (never below these, so a small display stays readable).
constexpr double kFontSize = 16;
constexpr double kPadding = 4;
constexpr double kBelowPointer = 20;  // the box sits under the cursor picture

}  // namespace

std::string SdlTipWindow::FontPath() {
    const char* chosen = std::getenv("ZEPHINE_TIP_FONT");
    if (chosen != nullptr && *chosen != '\0') return chosen;
    return "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
}

SdlTipWindow::~SdlTipWindow() {
    window.SetOverlay(nullptr);
    if (text != nullptr) SDL_DestroyTexture(text);
    if (font != nullptr) TTF_CloseFont(font);
    if (ttfStarted) TTF_Quit();
}

double SdlTipWindow::Scale() const { return std::max(1.0, window.Scaling().Scale()); }

bool SdlTipWindow::Create() {
    if (font != nullptr) return true;
    if (!ttfStarted) {
        if (TTF_Init() != 0) return false;
        ttfStarted = true;
    }
    font = TTF_OpenFont(FontPath().c_str(), int(std::lround(kFontSize * Scale())));
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
        if (text != nullptr) SDL_DestroyTexture(text);
        text = nullptr;
        rendered = wanted;
        SDL_Renderer* renderer = window.Renderer();
        if (!wanted.empty() && font != nullptr && renderer != nullptr) {
            if (SDL_Surface* s = TTF_RenderUTF8_Blended(font, wanted.c_str(), SDL_Color{0, 0, 0, 255})) {
                text = SDL_CreateTextureFromSurface(renderer, s);
                textWidth = s->w;
                textHeight = s->h;
                SDL_FreeSurface(s);
            }
        }
    }
    shown = {};
    if (text != nullptr) {
        const double scale = Scale();
        const int32_t pad = int32_t(std::lround(kPadding * scale));
        const int32_t w = textWidth + 2 * pad, h = textHeight + 2 * pad;
        // Under the pointer, kept on the screen.
        const DisplayScale& s = window.Scaling();
        int32_t width = 0, height = 0;
        window.DeviceSize(width, height);
        const int32_t px = s.DeviceX(hover.X()), py = s.DeviceY(hover.Y());
        const int32_t x = std::clamp(px, 0, std::max(0, width - w));
        int32_t y = py + int32_t(std::lround(kBelowPointer * scale));
        if (y + h > height) y = std::max(0, py - h - 2);
        shown = {x, y, x + w, y + h};
    }
    if (before != shown) window.Redraw();
}

void SdlTipWindow::Draw(SDL_Renderer* renderer) {
    if (text == nullptr || shown.IsEmpty()) return;
    const SDL_Rect box{shown.left, shown.top, shown.Width(), shown.Height()};
    (void)SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    (void)SDL_RenderFillRect(renderer, &box);
    const SDL_Rect inside{box.x + 1, box.y + 1, box.w - 2, box.h - 2};
    (void)SDL_SetRenderDrawColor(renderer, 255, 255, 225, 255);
    (void)SDL_RenderFillRect(renderer, &inside);
    const int32_t pad = (shown.Width() - textWidth) / 2;
    const SDL_Rect at{shown.left + pad, shown.top + pad, textWidth, textHeight};
    (void)SDL_RenderCopy(renderer, text, nullptr, &at);
}
