// FakeWindow: the Window port in memory. Creation runs OnCreate at once; destruction runs when
// asked. It records invalidations, timers and destruction, and lets a test queue mouse messages
// for the tooltip relay. The cursor is always readable, at (0, 0).
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Window.h"

class FakeWindow final : public Window {
public:
    FakeWindow(int32_t width = 1024, int32_t height = 768) : width(width), height(height) {}

    bool DisplaySize(int32_t& w, int32_t& h) override {
        if (displayFails) return false;
        w = width, h = height;
        return true;
    }
    bool Create(const Rect& a, const char* t, WindowEvents& e) override {
        if (createFails) return false;
        area = a, title = t, events = &e;
        return events->OnCreate();
    }
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    Surface& Client() override { return client; }
    void Update() override { ++updates; }
    void Invalidate(const Rect& r) override { invalidated.push_back(r); }
    void InvalidateAll() override { invalidated.push_back({0, 0, width, height}); }
    void Destroy() override { destroyRequested = true; }
    void StartTimer(int id, uint32_t periodMs) override { timers[id] = periodMs; }
    void StopTimer(int id) override { timers.erase(id); }
    void RestTimer(int id, bool rest) override {
        if (rest) resting.insert(id); else resting.erase(id);
    }
    bool CursorPosition(int32_t& x, int32_t& y) const override {
        x = y = 0;
        return true;
    }
    bool PeekMessage(WindowMessage& message) override {
        if (waiting.empty()) return false;
        message = waiting.front();
        waiting.pop_front();
        return true;
    }
    void SetEnabled(bool on) override { enabled = on; }

    // Runs the destroy message as the adapter does after the handler returns.
    void DeliverDestroy() {
        if (!destroyRequested || events == nullptr) return;
        destroyRequested = false;
        events->OnDestroy();
        events = nullptr;
    }
    // The union of everything invalidated, which is then forgotten: what the adapter paints
    // when its queue is empty.
    [[nodiscard]] Rect TakeInvalidated() {
        Rect all;
        for (const Rect& r : invalidated) all = Union(all, r);
        invalidated.clear();
        return all;
    }

    int32_t width;
    int32_t height;
    Surface client{width, height};
    WindowEvents* events = nullptr;
    bool createFails = false;
    bool displayFails = false;
    std::string title;
    Rect area;
    std::vector<Rect> invalidated;
    std::map<int, uint32_t> timers;
    std::set<int> resting;
    bool destroyRequested = false;
    bool enabled = true;
    int updates = 0;
    std::deque<WindowMessage> waiting;  // peeked front to back, each once
};
