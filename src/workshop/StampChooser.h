// StampChooser: the stamp chooser over the workshop: 16 stamps a page in 4 rows of 4, 7 pages,
// each cell previewing its stamp laid as a press would lay it.
#pragma once

#include <cstdint>

#include "graphics/Dib.h"
#include "shell/PathString.h"
#include "shell/Rect.h"

class Controller;
struct WorkshopPictures;

class StampChooser {
public:
    static constexpr int32_t kPages = 7;
    static constexpr int32_t kCells = 16;

    // Cell c's rectangle on the window (0 to 15).
    [[nodiscard]] static Rect CellRect(const Controller& c, int32_t cell);
    // The cell under the point, or -1.
    [[nodiscard]] static int32_t CellAt(const Controller& c, int32_t x, int32_t y);
    // Stamp n's picture or mask file ("bmp" or "msk") in the picture library.
    [[nodiscard]] static PathString StampFile(const PathString& picLibDir, const char* kind,
                                              int32_t n);

    void Paint(Controller& c, WorkshopPictures& p, const Rect& update);
    // Takes the stamp under the point when both its files can be read; true when it did.
    bool ChooseStamp(Controller& c, int32_t x, int32_t y);

private:
    // The chooser picture with the previews of one page, made when that page is first shown.
    Dib page;
    int32_t pageShown = -1;
};
