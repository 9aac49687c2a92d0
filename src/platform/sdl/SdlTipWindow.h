// SdlTipWindow: the TipWindow port as a small box of our own drawn over the window, its text
// set by SDL2_ttf in a font that covers Simplified Chinese.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "platform/TipHover.h"
#include "platform/TipWindow.h"
#include "platform/sdl/SdlWindow.h"

class SdlTipWindow final : public TipWindow, public SdlOverlay {
public:
    // The font file; $ZEPHINE_TIP_FONT when set, else the WenQuanYi Micro Hei of Debian.
    static std::string FontPath();

    explicit SdlTipWindow(SdlWindow& window) : window(window) {}
    ~SdlTipWindow() override;
    SdlTipWindow(const SdlTipWindow&) = delete;
    SdlTipWindow& operator=(const SdlTipWindow&) = delete;

    bool Create() override;
    void Activate(bool on) override;
    void AddTool(int id, const Rect& rect, const std::string& text) override;
    void DeleteTool(int id) override;
    void Relay(const WindowMessage& message) override;
    bool IsVisible() const override { return hover.Visible(); }
    void Update() override;

    void Tick(uint32_t now) override;
    [[nodiscard]] int32_t MsUntilDue(uint32_t now) const override { return hover.MsUntilShow(now); }
    void Draw(SDL_Renderer* renderer) override;

private:
    // Re-renders the text and shows the frame again when the box changed.
    void Refresh();
    // Device pixels per design pixel for the box, never below 1.
    [[nodiscard]] double Scale() const;

    SdlWindow& window;
    TipHover hover;
    TTF_Font* font = nullptr;
    bool ttfStarted = false;
    SDL_Texture* text = nullptr;
    int32_t textWidth = 0;
    int32_t textHeight = 0;
    std::string rendered;
    Rect shown;  // the box on the screen in device pixels; empty when hidden
};
