// Rect operations.
#include "base/Rect.h"

#include <algorithm>
#include <cstdlib>

void Rect::Set(int32_t l, int32_t t, int32_t r, int32_t b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
}

// Widths are taken in 64 bits so that extreme corners cannot overflow.
int32_t Rect::Width() const {
    return static_cast<int32_t>(std::llabs(int64_t{right} - left));
}

int32_t Rect::Height() const {
    return static_cast<int32_t>(std::llabs(int64_t{bottom} - top));
}

void Rect::Offset(int32_t dx, int32_t dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void Rect::Inflate(int32_t dx, int32_t dy) {
    left -= dx;
    right += dx;
    top -= dy;
    bottom += dy;
}

void Rect::Scale(float fx, float fy) {
    left = static_cast<int32_t>(left * fx);
    right = static_cast<int32_t>(right * fx);
    top = static_cast<int32_t>(top * fy);
    bottom = static_cast<int32_t>(bottom * fy);
}

bool Intersect(const Rect& a, const Rect& b, Rect& out) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty() || a.IsEmpty() || b.IsEmpty()) {
        out = Rect{};
        return false;
    }
    out = r;
    return true;
}

Rect Union(const Rect& a, const Rect& b) {
    // An empty rectangle adds nothing to the other one.
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}
