// The cursor and icon pictures, drawn from filled shapes and outlined in white so that each
// shows on dark and light backdrops alike.
#include "platform/CursorPictures.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

constexpr int N = CursorPicture::kSize;
using Point = std::pair<float, float>;

struct Ink {
    bool on[N][N] = {};

    void Dot(int x, int y) {
        if (x >= 0 && y >= 0 && x < N && y < N) on[y][x] = true;
    }
    void Box(int l, int t, int r, int b, bool value = true) {
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                if (x >= 0 && y >= 0 && x < N && y < N) on[y][x] = value;
    }
    // Filled polygon by the even-odd rule at pixel centres.
    void Polygon(std::initializer_list<Point> pts) {
        const Point* p = pts.begin();
        const size_t n = pts.size();
        for (int y = 0; y < N; ++y) {
            for (int x = 0; x < N; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                bool inside = false;
                for (size_t i = 0, j = n - 1; i < n; j = i++) {
                    const auto [xi, yi] = p[i];
                    const auto [xj, yj] = p[j];
                    if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
                        inside = !inside;
                }
                if (inside) Dot(x, y);
            }
        }
    }
    // A ring between two radii around (cx, cy); with inner 0 a disc.
    void Ring(float cx, float cy, float outer, float inner) {
        for (int y = 0; y < N; ++y)
            for (int x = 0; x < N; ++x) {
                const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
                if (d <= outer && d >= inner) Dot(x, y);
            }
    }
    // A thick straight stroke.
    void Line(float x0, float y0, float x1, float y1, float half) {
        const float dx = x1 - x0, dy = y1 - y0;
        const float len = std::hypot(dx, dy);
        const float nx = -dy / len * half, ny = dx / len * half;
        Polygon({{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}});
    }
};

void DrawArrow(Ink& ink) {
    ink.Polygon({{0, 0}, {0, 17}, {4.5f, 13}, {8, 20}, {10.5f, 19}, {7.5f, 12}, {13, 12}});
}

void DrawMagnifier(Ink& ink, bool plus) {
    ink.Ring(11, 11, 9.5f, 7);
    ink.Line(17, 17, 29, 29, 2);
    ink.Box(7, 10, 16, 12);
    if (plus) ink.Box(10, 7, 12, 16);
}

void DrawShape(int id, Ink& ink, int& hx, int& hy) {
    switch (id) {
        case 156: DrawArrow(ink); hx = 0; hy = 0; break;
        case 157:  // pencil, tip at the lower left
            ink.Line(6, 25, 26, 5, 3);
            ink.Polygon({{1, 30}, {3, 23}, {8, 28}});
            hx = 1; hy = 30; break;
        case 158:  // four arrows: move
            ink.Box(15, 5, 17, 27);
            ink.Box(5, 15, 27, 17);
            ink.Polygon({{16, 0}, {10.5f, 6}, {21.5f, 6}});
            ink.Polygon({{16, 32}, {10.5f, 26}, {21.5f, 26}});
            ink.Polygon({{0, 16}, {6, 10.5f}, {6, 21.5f}});
            ink.Polygon({{32, 16}, {26, 10.5f}, {26, 21.5f}});
            hx = 16; hy = 16; break;
        case 159:  // up-down arrow: a slider
            ink.Box(15, 6, 17, 26);
            ink.Polygon({{16, 0}, {9.5f, 7}, {22.5f, 7}});
            ink.Polygon({{16, 32}, {9.5f, 25}, {22.5f, 25}});
            ink.Box(9, 15, 23, 17);
            hx = 16; hy = 16; break;
        case 160:  // spray can with its puff at the upper left
            ink.Box(14, 12, 26, 30);
            ink.Box(17, 8, 23, 12);
            for (int i = 0; i < 5; ++i) ink.Dot(2 + 3 * (i % 3), 2 + 3 * (i / 2));
            ink.Box(4, 4, 6, 6);
            hx = 4; hy = 4; break;
        case 161:  // a round arrow: rotate
            ink.Ring(16, 16, 12, 9);
            ink.Box(16, 0, 32, 16, false);  // three quarters of the ring, then the arrow head
            ink.Polygon({{22, 2}, {30, 11}, {19, 12}});
            ink.Box(15, 15, 17, 17);  // the centre the model turns about
            hx = 16; hy = 16; break;
        case 162:  // eraser block
            ink.Polygon({{4, 20}, {16, 8}, {28, 16}, {16, 28}});
            hx = 16; hy = 18; break;
        case 163:  // stamp: handle over a wide foot
            ink.Ring(16, 6, 5, 0);
            ink.Box(13, 10, 19, 20);
            ink.Box(5, 20, 27, 27);
            hx = 16; hy = 27; break;
        case 164: DrawMagnifier(ink, false); hx = 11; hy = 11; break;
        case 165: DrawMagnifier(ink, true); hx = 11; hy = 11; break;
        case 167:  // pointing hand
            ink.Box(7, 0, 12, 14);
            ink.Box(4, 12, 22, 28);
            ink.Box(12, 9, 16, 14);
            ink.Box(16, 10, 20, 14);
            hx = 9; hy = 0; break;
        default: break;
    }
}

}  // namespace

bool MakeCursorPicture(int id, CursorPicture& out) {
    bool known = false;
    for (int k : kCursorIds) known = known || k == id;
    if (!known) return false;
    Ink ink;
    int hx = 0, hy = 0;
    DrawShape(id, ink, hx, hy);
    for (int y = 0; y < N; ++y) {
        for (int x = 0; x < N; ++x) {
            char c = ' ';
            if (ink.on[y][x]) {
                c = 'X';
            } else {
                for (int dy = -1; dy <= 1 && c == ' '; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int u = x + dx, v = y + dy;
                        if (u >= 0 && v >= 0 && u < N && v < N && ink.on[v][u]) c = '.';
                    }
            }
            out.pixels[y][x] = c;
        }
    }
    out.hotX = hx;
    out.hotY = hy;
    return true;
}

std::array<uint32_t, 32 * 32> MakeWindowIcon() {
    // A white paper airplane with a grey fold on a sky-blue tile.
    Ink plane, fold;
    plane.Polygon({{2, 16}, {30, 4}, {12, 20}});
    plane.Polygon({{12, 20}, {30, 4}, {18, 28}});
    fold.Polygon({{12, 20}, {30, 4}, {14, 26}});
    std::array<uint32_t, 32 * 32> icon{};
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            uint32_t c = 0xFF3C9BE6;
            if (plane.on[y][x]) c = 0xFFFFFFFF;
            if (fold.on[y][x]) c = 0xFFC8C8D2;
            icon[size_t(y) * N + x] = c;
        }
    return icon;
}
