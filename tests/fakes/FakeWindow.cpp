// FakeWindow: creation runs OnCreate at once; painting and destruction run when asked.
#include "fakes/FakeWindow.h"

bool FakeWindow::DisplaySize(int32_t& w, int32_t& h) {
    if (displayFails) return false;
    w = width;
    h = height;
    return true;
}

bool FakeWindow::Create(const Rect& a, const char* t, WindowEvents& e) {
    if (createFails) return false;
    area = a;
    title = t;
    events = &e;
    return events->OnCreate();
}

bool FakeWindow::CursorPosition(int32_t& x, int32_t& y) const {
    if (!cursorReadable) return false;
    x = cursorX;
    y = cursorY;
    return true;
}

bool FakeWindow::PeekMessage(WindowMessage& message) {
    if (waiting.empty()) return false;
    message = waiting.front();
    waiting.pop_front();
    return true;
}

void FakeWindow::DeliverDestroy() {
    if (!destroyRequested || events == nullptr) return;
    destroyRequested = false;
    events->OnDestroy();
    events = nullptr;
}

void FakeWindow::PaintPending() {
    Rect all;
    for (const Rect& r : invalidated) {
        Rect u;
        (void)Union(all, r, u);
        all = u;
    }
    invalidated.clear();
    if (events != nullptr && !all.IsEmpty()) events->OnPaint(all);
}
