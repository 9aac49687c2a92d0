// TipHover: the show and hide rules of the tooltip.
#include "platform/TipHover.h"

#include <algorithm>

void TipHover::SetActive(bool on) {
    active = on;
    if (!on) Hide();
}

void TipHover::AddTool(int id, const Rect& rect, const std::string& text) {
    DeleteTool(id);
    tools.push_back({id, rect, text});
}

void TipHover::DeleteTool(int id) {
    // The hover is kept: a rebuild that adds the same id again goes on where it was.
    if (id == hovered) Hide();
    std::erase_if(tools, [id](const Tool& t) { return t.id == id; });
}

const TipHover::Tool* TipHover::ToolAt(int32_t px, int32_t py) const {
    for (const Tool& t : tools) {
        if (t.rect.Contains(px, py)) return &t;
    }
    return nullptr;
}

const TipHover::Tool* TipHover::FindTool(int id) const {
    for (const Tool& t : tools) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

void TipHover::Hide() {
    visible = false;
    shownText.clear();
}

void TipHover::Relay(const WindowMessage& message, uint32_t now) {
    x = message.x;
    y = message.y;
    const Tool* tool = ToolAt(message.x, message.y);
    const int id = tool != nullptr ? tool->id : 0;
    if (id != hovered) {
        Hide();
        hovered = id;
        hoverSince = now;
        suppressed = false;
    }
    if (message.kind != WindowMessage::Kind::MouseMove) {
        Hide();
        suppressed = true;
    }
}

bool TipHover::Tick(uint32_t now) {
    const bool was = visible;
    if (MsUntilShow(now) == 0) {
        visible = true;
        shownText = FindTool(hovered)->text;
    }
    return visible != was;
}

int32_t TipHover::MsUntilShow(uint32_t now) const {
    if (!active || visible || suppressed || hovered == 0) return -1;
    // A tool without text never shows: nothing to wake for.
    const Tool* tool = FindTool(hovered);
    if (tool == nullptr || tool->text.empty()) return -1;
    const uint32_t rested = now - hoverSince;
    return rested >= kInitialDelayMs ? 0 : int32_t(kInitialDelayMs - rested);
}

void TipHover::Update() {
    const Tool* tool = FindTool(hovered);
    if (!visible) return;
    if (tool == nullptr || tool->text.empty()) {
        Hide();
    } else {
        shownText = tool->text;
    }
}
