// The volume bar.
#include "sound/VolumeBar.h"

#include <algorithm>

#include "graphics/DibDrawing.h"
#include "sound/SoundEngine.h"

namespace {
constexpr int32_t topLevel = 6;
// The area redrawn around the bar, so the knob's old place is painted over.
constexpr int32_t redrawMargin = 20;
}  // namespace

void VolumeBar::LoadKnob(const PathString& faceDir) {
    knob = Dib::LoadFromFile(faceDir + "sound-s.bmp");
}

int32_t VolumeBar::KnobX(const Rect& vol) const {
    return vol.left + ((vol.Width() - knob.Width()) * level) / topLevel;
}

int32_t VolumeBar::KnobY(const Rect& vol) const { return vol.top + (4 - level) * 2; }

void VolumeBar::Draw(Surface& device, const Rect& vol, SoundEngine* sound) {
    if (!knob.IsEmpty()) DrawTransparent(knob, device, KnobX(vol), KnobY(vol));
    if (sound != nullptr) sound->SetOutputVolume(SoundEngine::OutputVolumeForLevel(level));
}

bool VolumeBar::Press(const Rect& vol, int32_t x, int32_t y) {
    if (!vol.Contains(x, y)) return false;
    held = true;
    return true;
}

bool VolumeBar::Move(const Rect& vol, int32_t x, int32_t y) {
    if (!held || !vol.Contains(x, y)) return false;
    level = LevelAt(vol, x);
    return true;
}

bool VolumeBar::Release(const Rect& vol, int32_t x) {
    if (!held) return false;
    held = false;
    level = LevelAt(vol, x);
    return true;
}

Rect VolumeBar::RedrawArea(const Rect& vol) {
    Rect area = vol;
    area.Inflate(redrawMargin, redrawMargin);
    return area;
}

int32_t VolumeBar::LevelAt(const Rect& vol, int32_t x) const {
    int32_t room = vol.Width() - knob.Width();
    if (room <= 0) return level;
    // Left of the bar the level would come out negative: that is silence, nothing less.
    return std::clamp(((x - vol.left) * topLevel) / room, 0, topLevel);
}
