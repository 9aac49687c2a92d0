// The stamp chooser: its painter with cached page previews, and the choice of a stamp.
#include "workshop/StampChooser.h"

#include <string>

#include "shell/Controller.h"
#include "workshop/StampPicture.h"
#include "workshop/WorkshopPictures.h"

Rect StampChooser::CellRect(const Controller& c, int32_t cell) {
    Rect r = c.Layout().stampCell;
    r.Offset((r.Width() + 8) * (cell % 4), (r.Height() + 10) * (cell / 4));
    return r;
}

int32_t StampChooser::CellAt(const Controller& c, int32_t x, int32_t y) {
    for (int32_t cell = 0; cell < kCells; ++cell)
        if (CellRect(c, cell).Contains(x, y)) return cell;
    return -1;
}

PathString StampChooser::StampFile(const PathString& picLibDir, const char* kind, int32_t n) {
    return picLibDir + kind + (n < 10 ? "/0" : "/") + std::to_string(n) + ".bmp";
}

void StampChooser::Paint(Controller& c, WorkshopPictures& p, const Rect& update) {
    const ScreenLayout& l = c.Layout();
    if (pageShown != c.stampPage || page.IsEmpty()) {
        // Loading and laying 16 stamps is slow: a page is composed once and kept.
        page = p.pic[1].Clone();
        pageShown = c.stampPage;
        for (int32_t cell = 0; cell < kCells && page.IsUsable(); ++cell) {
            const int32_t n = kCells * c.stampPage + cell + 1;
            const Dib image = Dib::LoadFromFile(StampFile(c.picLibDir, "bmp", n));
            const Dib mask = Dib::LoadFromFile(StampFile(c.picLibDir, "msk", n));
            const StampBlocks stamp = MakeStampBlocks(image, mask, 0.5f, 0.0f);
            if (!stamp.picture) continue;
            const Rect r = CellRect(c, cell);
            CompositeRequest placement;
            (void)LayStamp(page.Block(), stamp, r.CentreX() - l.stampBox.left,
                           r.CentreY() - l.stampBox.top, placement);
        }
    }
    (void)DrawControl(page, c.clientDc, l.stampBox, update);
    // A button shows held while the press that armed it is on it.
    auto held = [&](const Rect& r) { return c.armed == 1 && r.Contains(c.pressX, c.pressY); };
    (void)DrawControl(p.pic[held(l.chooserUp) ? 3 : 2], c.clientDc, l.chooserUp, update);
    (void)DrawControl(p.pic[held(l.chooserDown) ? 5 : 4], c.clientDc, l.chooserDown, update);
    (void)DrawControl(p.pic[held(l.roleqt) ? 7 : 6], c.clientDc, l.roleqt, update);
}

bool StampChooser::ChooseStamp(Controller& c, int32_t x, int32_t y) {
    const int32_t cell = CellAt(c, x, y);
    if (cell < 0) return false;
    const int32_t n = kCells * c.stampPage + cell + 1;
    Dib image = Dib::LoadFromFile(StampFile(c.picLibDir, "bmp", n));
    Dib mask = Dib::LoadFromFile(StampFile(c.picLibDir, "msk", n));
    if (image.IsEmpty() || mask.IsEmpty()) return false;
    c.stampImage = std::move(image);
    c.stampMask = std::move(mask);
    c.directPaint = 1;
    c.Invalidate(c.Layout().rolepic);
    return true;
}
