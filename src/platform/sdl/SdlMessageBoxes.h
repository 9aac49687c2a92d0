// SdlMessageBoxes: the MessageBoxes port over SDL_ShowMessageBox, modal for the main window.
#pragma once

#include "platform/MessageBoxes.h"

class SdlWindow;

class SdlMessageBoxes final : public MessageBoxes {
public:
    explicit SdlMessageBoxes(SdlWindow& window) : window(window) {}
    void Show(const std::string& caption, const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;

private:
    SdlWindow& window;
};
