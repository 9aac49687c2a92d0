// TipControl: forwards to the tooltip control while it exists.
#include "shell/TipControl.h"

#include "platform/TipWindow.h"

bool TipControl::Create() {
    control = platform.Create();
    return control;
}

void TipControl::Activate(bool on) {
    if (control) platform.Activate(on);
}

void TipControl::AddTool(int id, const Rect& rect, const std::string& text) {
    if (control) platform.AddTool(id, rect, text);
}

void TipControl::DeleteTool(int id) {
    if (control) platform.DeleteTool(id);
}

void TipControl::Relay(const WindowMessage& message) {
    if (control) platform.Relay(message);
}

bool TipControl::IsVisible() const { return control && platform.IsVisible(); }

void TipControl::Update() {
    if (control) platform.Update();
}
