// StampChooser: the stamp chooser, a sub-state of the stamp tool: 16 stamps a page in 4 rows of
// 4, 7 pages, each cell previewing its stamp laid as a press would lay it.
#pragma once

#include <cstdint>

#include "base/PathString.h"
#include "base/Rect.h"
#include "graphics/Dib.h"

class ScreenLayout;
class ToolContext;

class StampChooser {
public:
    static constexpr int32_t kPages = 7;
    static constexpr int32_t kCells = 16;

    // Cell c's rectangle on the window (0 to 15).
    [[nodiscard]] static Rect CellRect(const ScreenLayout& l, int32_t cell);
    // The cell under the point, or -1.
    [[nodiscard]] static int32_t CellAt(const ScreenLayout& l, int32_t x, int32_t y);
    // Stamp n's picture or mask file ("bmp" or "msk") in the picture library.
    [[nodiscard]] static PathString StampFile(const PathString& picLibDir, const char* kind,
                                              int32_t n);

    void Paint(ToolContext& c, const Rect& update);
    // Page up (-1) or down (+1) when there is one; true when the page changed.
    bool Turn(int32_t step);
    // The stamp under the point when both its files can be read; true when it did.
    bool Choose(ToolContext& c, int32_t x, int32_t y, Dib& image, Dib& mask) const;
    [[nodiscard]] int32_t Page() const { return page; }

    // The button held down: the press that armed it lies on it.
    bool armed = false;
    int32_t pressX = 0;
    int32_t pressY = 0;

private:
    int32_t page = 0;
    // The chooser picture with the previews of one page, made when that page is first shown.
    Dib composed;
    int32_t pageShown = -1;
};
