// SdlMessageBoxes: the window is disabled while a box is open, as a modal state.
#include "platform/sdl/SdlMessageBoxes.h"

#include <SDL.h>

#include "platform/sdl/SdlWindow.h"

void SdlMessageBoxes::Show(const std::string& caption, const std::string& text) {
    window.SetEnabled(false);
    // A box that cannot be shown (no display fonts) is skipped; the program goes on.
    (void)SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(),
                                   window.Handle());
    window.SetEnabled(true);
}

bool SdlMessageBoxes::AskYesNo(const std::string& caption, const std::string& text) {
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
    };
    const SDL_MessageBoxData data{SDL_MESSAGEBOX_INFORMATION, window.Handle(), caption.c_str(),
                                  text.c_str(), 2, buttons, nullptr};
    int answer = 0;
    window.SetEnabled(false);
    const bool shown = SDL_ShowMessageBox(&data, &answer) == 0;
    window.SetEnabled(true);
    // A question that cannot be asked is answered no: nothing gets deleted unasked.
    return shown && answer == 1;
}
