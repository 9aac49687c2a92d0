// SoundHost: what the spoken prompts, the volume bar and the guided tours need of the Controller.
// The Controller owns these fields; the sound code reads and sets them through here, so that it
// runs in tests without a window.
#pragma once

#include <cstdint>

#include "shell/Rect.h"

class ScreenLayout;
class Surface;

class SoundHost {
public:
    virtual ~SoundHost() = default;

    [[nodiscard]] virtual const ScreenLayout& Layout() const = 0;
    // Marks a window area for repainting, without erasing.
    virtual void Invalidate(const Rect& r) = 0;
    // The window's device: the guide and the pointer are drawn straight to it, outside painting.
    [[nodiscard]] virtual Surface& ScreenDevice() = 0;
    // The tick count in milliseconds.
    [[nodiscard]] virtual uint32_t Ticks() const = 0;

    // The pressed-control code and its armed flag.
    [[nodiscard]] virtual int32_t Pressed() const = 0;
    virtual void SetPressed(int32_t pressed) = 0;
    [[nodiscard]] virtual int32_t Armed() const = 0;
    virtual void SetArmed(int32_t armed) = 0;
    // The workshop's tool and tool-panel display code, which the tours change as they show
    // the tools.
    virtual void SetTool(int32_t tool) = 0;
    virtual void SetPanelPage(int32_t panelPage) = 0;
};
