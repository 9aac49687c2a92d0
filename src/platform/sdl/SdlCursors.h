// SdlCursors: the Cursors port over SDL cursors made from the built-in pictures, and the
// window icon.
#pragma once

#include <SDL.h>

#include <map>

#include "platform/Cursors.h"

class SdlCursors final : public Cursors {
public:
    SdlCursors() = default;
    ~SdlCursors() override;
    SdlCursors(const SdlCursors&) = delete;
    SdlCursors& operator=(const SdlCursors&) = delete;

    bool Set(int id) override;
    [[nodiscard]] int Current() const { return current; }

private:
    std::map<int, SDL_Cursor*> made;
    int current = 0;
};

// Gives the window the built-in icon 101; false when SDL refuses it.
bool SetWindowIcon(SDL_Window* window);
