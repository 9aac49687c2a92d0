// ControllerSoundHost: the Controller as the prompts, the volume bar and the tours see it.
#pragma once

#include "sound/SoundHost.h"

class Controller;

class ControllerSoundHost final : public SoundHost {
public:
    explicit ControllerSoundHost(Controller& controller) : c(controller) {}

    [[nodiscard]] const ScreenLayout& Layout() const override;
    void Invalidate(const Rect& r) override;
    [[nodiscard]] Surface& ScreenDevice() override;
    [[nodiscard]] uint32_t Ticks() const override;
    [[nodiscard]] int32_t Pressed() const override;
    void SetPressed(int32_t pressed) override;
    [[nodiscard]] int32_t Armed() const override;
    void SetArmed(int32_t armed) override;
    void SetTool(int32_t tool) override;
    void SetPanelPage(int32_t panelPage) override;

private:
    Controller& c;
};
