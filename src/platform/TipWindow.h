// TipWindow port: the platform's tooltip control. Tools are rectangles of the main window with
// a text each; relayed mouse messages decide when a tip shows (after 100 ms of hover) and hides
// (on leaving the tool or on a press).
#pragma once

#include <string>

#include "platform/Window.h"
#include "base/Rect.h"

class TipWindow {
public:
    virtual ~TipWindow() = default;
    // Makes the control (its font and its window); false when it cannot exist.
    [[nodiscard]] virtual bool Create() = 0;
    virtual void Activate(bool on) = 0;
    // Replaces any tool of the same id.
    virtual void AddTool(int id, const Rect& rect, const std::string& text) = 0;
    virtual void DeleteTool(int id) = 0;
    virtual void Relay(const WindowMessage& message) = 0;
    [[nodiscard]] virtual bool IsVisible() const = 0;
    // Re-reads the tip under the last relayed point (its text may have changed).
    virtual void Update() = 0;
};
