// Fakes of the small ports: the clock, the cursors, the tooltip control, the message boxes and
// the launcher link. Each records what the tests look at.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "platform/Cursors.h"
#include "platform/LauncherLink.h"
#include "platform/MessageBoxes.h"
#include "platform/TipWindow.h"

class FakeClock final : public Clock {
public:
    uint32_t Ticks() const override { return now; }
    uint32_t now = 1000;
};

class FakeCursors final : public Cursors {
public:
    bool Set(int) override { return true; }
};

class FakeTipWindow final : public TipWindow {
public:
    struct Tool {
        Rect rect;
        std::string text;
    };
    bool Create() override { return !createFails; }
    void Activate(bool on) override { active = on; }
    void AddTool(int id, const Rect& rect, const std::string& text) override {
        tools[id] = {rect, text};
    }
    void DeleteTool(int id) override { tools.erase(id); }
    void Relay(const WindowMessage& message) override { relayed.push_back(message); }
    bool IsVisible() const override { return false; }
    void Update() override {}

    bool createFails = false;
    bool active = false;
    std::map<int, Tool> tools;
    std::vector<WindowMessage> relayed;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    void Show(const std::string& caption, const std::string& text) override {
        shown.emplace_back(caption, text);
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        asked.emplace_back(caption, text);
        return answer;
    }
    bool answer = false;
    std::vector<std::pair<std::string, std::string>> shown;
    std::vector<std::pair<std::string, std::string>> asked;
};

class FakeLauncherLink final : public LauncherLink {
public:
    bool Find() override { return present; }
    void HideUnderCentre() override { hidden = present; }
    bool HandBack() override {
        handedBack = present;
        return present;
    }
    bool present = false;
    bool hidden = false;
    bool handedBack = false;
};
