// The volume bar.
#include "sound/VolumeBar.h"

#include <algorithm>

#include "graphics/DibDrawing.h"
#include "shell/ScreenLayout.h"
#include "sound/SoundEngine.h"
#include "sound/SoundHost.h"

namespace {
constexpr int32_t topLevel = 6;
// The area redrawn around the bar, so the knob's old place is painted over.
constexpr int32_t redrawMargin = 20;
}  // namespace

void VolumeBar::LoadKnob(const PathString& faceDir) {
    knob = Dib::LoadFromFile(faceDir + "sound-s.bmp");
}

int32_t VolumeBar::KnobX(const Rect& vol) const {
    return vol.left + ((vol.Width() - knob.Width()) * volumeLevel) / topLevel;
}

int32_t VolumeBar::KnobY(const Rect& vol) const { return vol.top + (4 - volumeLevel) * 2; }

void VolumeBar::Draw(Surface& device, const Rect& vol, SoundEngine* sound) {
    if (!knob.IsEmpty()) DrawTransparent(knob, device, KnobX(vol), KnobY(vol));
    if (sound != nullptr) (void)sound->SetOutputVolume(SoundEngine::OutputVolumeForLevel(volumeLevel));
}

bool VolumeBar::Press(SoundHost& host, int32_t x, int32_t y) {
    if (!host.Layout().vol.Contains(x, y)) return false;
    host.SetPressed(pressedCode);
    host.SetArmed(1);
    return true;
}

void VolumeBar::Move(SoundHost& host, int32_t x, int32_t y) {
    if (host.Pressed() != pressedCode || host.Armed() != 1) return;
    if (!host.Layout().vol.Contains(x, y)) return;
    SetLevelFrom(host, x);
}

bool VolumeBar::Release(SoundHost& host, int32_t x) {
    if (host.Pressed() != pressedCode || host.Armed() != 1) return false;
    host.SetPressed(0);
    host.SetArmed(0);
    SetLevelFrom(host, x);
    return true;
}

int32_t VolumeBar::LevelAt(const Rect& vol, int32_t x) const {
    int32_t room = vol.Width() - knob.Width();
    if (room <= 0) return volumeLevel;
    // Left of the bar the level would come out negative: that is silence, nothing less.
    return std::clamp(((x - vol.left) * topLevel) / room, 0, topLevel);
}

void VolumeBar::SetLevelFrom(SoundHost& host, int32_t x) {
    const Rect& vol = host.Layout().vol;
    volumeLevel = LevelAt(vol, x);
    Rect area = vol;
    area.Inflate(redrawMargin, redrawMargin);
    host.Invalidate(area);
}
