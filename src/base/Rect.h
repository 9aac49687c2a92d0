// Rect: the rectangle of the screen layout and of all drawing. Right and bottom are exclusive.
#pragma once

#include <cstdint>

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    void Set(int32_t l, int32_t t, int32_t r, int32_t b);
    [[nodiscard]] int32_t Width() const;
    [[nodiscard]] int32_t Height() const;
    [[nodiscard]] int32_t CentreX() const { return left + Width() / 2; }
    [[nodiscard]] int32_t CentreY() const { return top + Height() / 2; }
    // An empty or inverted rectangle contains no point.
    [[nodiscard]] bool Contains(int32_t x, int32_t y) const {
        return left <= x && x < right && top <= y && y < bottom;
    }
    [[nodiscard]] bool Equals(int32_t l, int32_t t, int32_t r, int32_t b) const {
        return left == l && top == t && right == r && bottom == b;
    }
    [[nodiscard]] bool IsEmpty() const { return right <= left || bottom <= top; }
    void Offset(int32_t dx, int32_t dy);
    void Inflate(int32_t dx, int32_t dy);
    // Products are truncated toward zero.
    void Scale(float fx, float fy);

    bool operator==(const Rect&) const = default;
};

// out := the common part of a and b (all zero when there is none); true when not empty.
bool Intersect(const Rect& a, const Rect& b, Rect& out);
// The smallest rectangle holding a and b.
[[nodiscard]] Rect Union(const Rect& a, const Rect& b);
