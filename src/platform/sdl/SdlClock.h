// SdlClock: the Clock port over SDL's millisecond tick count.
#pragma once

#include <SDL.h>

#include "platform/Clock.h"

class SdlClock final : public Clock {
public:
    uint32_t Ticks() const override { return SDL_GetTicks(); }
};
