// FakeWindow: the Window port in memory. It records invalidations, timers and destruction, and
// lets a test set the cursor position and queue mouse messages for the tooltip relay.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Window.h"

class FakeWindow final : public Window {
public:
    FakeWindow(int32_t width = 1024, int32_t height = 768) : width(width), height(height) {}

    bool DisplaySize(int32_t& w, int32_t& h) override;
    bool Create(const Rect& area, const char* title, WindowEvents& events) override;
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    Surface& Client() override { return client; }
    void Update() override { ++updates; }
    void Invalidate(const Rect& r) override { invalidated.push_back(r); }
    void InvalidateAll() override { invalidated.push_back({0, 0, width, height}); }
    void Destroy() override { destroyRequested = true; }
    void StartTimer(int id, uint32_t periodMs) override { timers[id] = periodMs; }
    void StopTimer(int id) override { timers.erase(id); }
    bool CursorPosition(int32_t& x, int32_t& y) const override;
    bool PeekMessage(WindowMessage& message) override;
    void SetEnabled(bool on) override { enabled = on; }

    // Runs the destroy message as the adapter does after the handler returns.
    void DeliverDestroy();
    // Paints the union of everything invalidated, as the adapter does when the queue is empty.
    void PaintPending();

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
    bool destroyRequested = false;
    bool enabled = true;
    int updates = 0;
    bool cursorReadable = true;
    int32_t cursorX = 0;
    int32_t cursorY = 0;
    std::deque<WindowMessage> waiting;  // peeked front to back, each once
};
