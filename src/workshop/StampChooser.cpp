// The stamp chooser: its painter with cached page previews, and the choice of a stamp.
#include "workshop/StampChooser.h"

#include <string>

#include "graphics/DibDrawing.h"
#include "workshop/PaintTool.h"
#include "workshop/StampPicture.h"
#include "workshop/WorkshopPictures.h"

Rect StampChooser::CellRect(const ScreenLayout& l, int32_t cell) {
    Rect r = l.stampCell;
    r.Offset((r.Width() + 8) * (cell % 4), (r.Height() + 10) * (cell / 4));
    return r;
}

int32_t StampChooser::CellAt(const ScreenLayout& l, int32_t x, int32_t y) {
    for (int32_t cell = 0; cell < kCells; ++cell)
        if (CellRect(l, cell).Contains(x, y)) return cell;
    return -1;
}

PathString StampChooser::StampFile(const PathString& picLibDir, const char* kind, int32_t n) {
    return picLibDir + kind + (n < 10 ? "/0" : "/") + std::to_string(n) + ".bmp";
}

bool StampChooser::Turn(int32_t step) {
    const int32_t next = page + step;
    if (next < 0 || next >= kPages) return false;
    page = next;
    return true;
}

void StampChooser::Paint(ToolContext& c, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    auto& pic = c.pictures.pic;
    if (pageShown != page || composed.IsEmpty()) {
        // Loading and laying 16 stamps is slow: a page is composed once and kept.
        composed = pic[1].Clone();
        pageShown = page;
        const PathString& dir = c.host.Paths().picLibDir;
        for (int32_t cell = 0; cell < kCells && composed.IsUsable(); ++cell) {
            const int32_t n = kCells * page + cell + 1;
            const StampBlocks stamp = MakeStampBlocks(Dib::LoadFromFile(StampFile(dir, "bmp", n)),
                                                      Dib::LoadFromFile(StampFile(dir, "msk", n)),
                                                      0.5f, 0.0f);
            if (!stamp.picture) continue;
            const Rect r = CellRect(l, cell);
            CompositeRequest placement;
            LayStamp(composed.Block(), stamp, r.CentreX() - l.stampBox.left,
                           r.CentreY() - l.stampBox.top, placement);
        }
    }
    DrawControl(composed, c.Device(), l.stampBox, update);
    auto held = [&](const Rect& r) { return armed && r.Contains(pressX, pressY); };
    DrawControl(pic[held(l.chooserUp) ? 3 : 2], c.Device(), l.chooserUp, update);
    DrawControl(pic[held(l.chooserDown) ? 5 : 4], c.Device(), l.chooserDown, update);
    DrawControl(pic[held(l.roleqt) ? 7 : 6], c.Device(), l.roleqt, update);
}

bool StampChooser::Choose(ToolContext& c, int32_t x, int32_t y, Dib& image, Dib& mask) const {
    const int32_t cell = CellAt(c.Layout(), x, y);
    if (cell < 0) return false;
    const int32_t n = kCells * page + cell + 1;
    const PathString& dir = c.host.Paths().picLibDir;
    Dib chosenImage = Dib::LoadFromFile(StampFile(dir, "bmp", n));
    Dib chosenMask = Dib::LoadFromFile(StampFile(dir, "msk", n));
    if (chosenImage.IsEmpty() || chosenMask.IsEmpty()) return false;
    image = std::move(chosenImage);
    mask = std::move(chosenMask);
    return true;
}
