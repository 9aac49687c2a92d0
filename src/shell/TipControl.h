// TipControl: the tooltips of the main window over the platform's tooltip control. Without a
// control (it could not be made) every operation does nothing.
#pragma once

#include <string>

#include "platform/Window.h"
#include "base/Rect.h"

class TipWindow;

class TipControl {
public:
    explicit TipControl(TipWindow& platform) : platform(platform) {}

    // Makes the control for the main window with its 100 ms initial delay; true when it exists.
    bool Create();
    void Activate(bool on);
    void AddTool(int id, const Rect& rect, const std::string& text);
    void DeleteTool(int id);
    void Relay(const WindowMessage& message);
    [[nodiscard]] bool IsVisible() const;
    void Update();

private:
    TipWindow& platform;
    bool control = false;
};
