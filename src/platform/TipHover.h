// TipHover: when a tooltip shows and which text it carries, from the relayed mouse messages and
// the passing time. The tooltip adapters use it; it draws nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "base/Rect.h"

class TipHover {
public:
    // How long the pointer rests on a tool before its tip shows.
    static constexpr uint32_t kInitialDelayMs = 100;

    void SetActive(bool on);
    void AddTool(int id, const Rect& rect, const std::string& text);
    void DeleteTool(int id);
    void Relay(const WindowMessage& message, uint32_t now);
    // Lets time pass; true when the tip appeared or disappeared.
    bool Tick(uint32_t now);
    // How long until Tick shows a tip; -1 when none is waiting to show.
    [[nodiscard]] int32_t MsUntilShow(uint32_t now) const;
    // Picks up a changed text of the tool under the pointer.
    void Update();

    [[nodiscard]] bool Visible() const { return visible; }
    // The text shown, empty when hidden.
    [[nodiscard]] const std::string& Text() const { return shownText; }
    // The point the pointer last rested on.
    [[nodiscard]] int32_t X() const { return x; }
    [[nodiscard]] int32_t Y() const { return y; }

private:
    struct Tool {
        int id;
        Rect rect;
        std::string text;
    };
    [[nodiscard]] const Tool* ToolAt(int32_t px, int32_t py) const;
    [[nodiscard]] const Tool* FindTool(int id) const;
    void Hide();

    std::vector<Tool> tools;
    bool active = false;
    int hovered = 0;  // tool id under the pointer; 0 = none
    uint32_t hoverSince = 0;
    bool suppressed = false;  // a press hid the tip until the pointer leaves the tool
    bool visible = false;
    std::string shownText;
    int32_t x = 0;
    int32_t y = 0;
};
