// VolumeBar: the `vol` bar of both screens: the volume level, the knob's place for it, dragging
// and release, and the output volume that goes with the level.
#pragma once

#include <cstdint>

#include "graphics/Dib.h"
#include "base/PathString.h"
#include "base/Rect.h"

class SoundEngine;
class Surface;

class VolumeBar {
public:
    // The knob picture "sound-s.bmp"; a missing picture leaves it empty (nothing is drawn).
    void LoadKnob(const PathString& faceDir);

    // The knob's top-left corner for the current level; it rises slightly as it moves right.
    [[nodiscard]] int32_t KnobX(const Rect& vol) const;
    [[nodiscard]] int32_t KnobY(const Rect& vol) const;
    // Draws the knob (white transparent) and sets the output volume for the level.
    void Draw(Surface& device, const Rect& vol, SoundEngine* sound);

    // A press inside `vol` takes hold of the bar. True when it did.
    bool Press(const Rect& vol, int32_t x, int32_t y);
    // While the bar is held and the pointer is inside `vol`: the level follows x. True when
    // the bar must be redrawn.
    bool Move(const Rect& vol, int32_t x, int32_t y);
    // The release of a held bar, wherever it happens: the level from x, and the bar is let go.
    // True when the bar was held.
    bool Release(const Rect& vol, int32_t x);
    // What to redraw after the level changed: the bar and the knob's old place.
    [[nodiscard]] static Rect RedrawArea(const Rect& vol);

    // The level for a pointer at x, between 0 and 6; the current level when the bar leaves the
    // knob no room to move.
    [[nodiscard]] int32_t LevelAt(const Rect& vol, int32_t x) const;
    [[nodiscard]] int32_t Level() const { return level; }
    [[nodiscard]] bool IsHeld() const { return held; }

private:
    int32_t level = 3;  // 0 (silent) to 6
    bool held = false;
    Dib knob;
};
