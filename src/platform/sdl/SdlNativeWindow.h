// The X11 window under an SDL window, for toolkits whose dialogs must stay above it. Kept apart
// from the window port: the X11 headers take the name Window.
#pragma once

struct SDL_Window;

// 0 when the window is not on X11.
[[nodiscard]] unsigned long X11WindowId(SDL_Window* window);
