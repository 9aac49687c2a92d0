// The Controller's fields and services handed to the sound code.
#include "sound/ControllerSoundHost.h"

#include "platform/Clock.h"
#include "shell/Controller.h"

const ScreenLayout& ControllerSoundHost::Layout() const { return c.Layout(); }

void ControllerSoundHost::Invalidate(const Rect& r) { c.Invalidate(r); }

Surface& ControllerSoundHost::ScreenDevice() { return c.screenDc; }

uint32_t ControllerSoundHost::Ticks() const { return c.GetPlatform().clock.Ticks(); }

int32_t ControllerSoundHost::Pressed() const { return c.pressed; }

void ControllerSoundHost::SetPressed(int32_t pressed) { c.pressed = pressed; }

int32_t ControllerSoundHost::Armed() const { return c.armed; }

void ControllerSoundHost::SetArmed(int32_t armed) { c.armed = armed; }

void ControllerSoundHost::SetTool(int32_t tool) { c.tool = tool; }

void ControllerSoundHost::SetPanelPage(int32_t panelPage) { c.panelPage = panelPage; }
