// StampSheet: the seven chooser pages on one PNG, each stamp laid by the program's own stamp
// chain twice: at the chooser's half size on the chooser's colour, and full size, turned a
// little, on a dark skin, where a white halo or a ragged edge would show at once.
#include <cairo.h>

#include "FaceTable.h"
#include "Paint.h"
#include "StampSheet.h"
#include "Stamps.h"
#include "graphics/Dib.h"
#include "workshop/StampPicture.h"

namespace {

constexpr int cell = 104, pageGap = 16, title = 22;

// The stamp laid on a square of `ground`, as the workshop lays it.
Dib Laid(const Dib& image, const Dib& mask, uint32_t ground, float scale, float angle) {
    Dib back = Dib::CreateBlank(cell, cell);
    if (back.IsEmpty()) return back;
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            uint8_t* p = back.PixelAt(x, y);
            p[0] = uint8_t(ground), p[1] = uint8_t(ground >> 8), p[2] = uint8_t(ground >> 16);
        }
    }
    const StampBlocks stamp = MakeStampBlocks(image, mask, scale, angle);
    CompositeRequest placement;
    if (stamp.picture) LayStamp(back.Block(), stamp, cell / 2, cell / 2, placement);
    return back;
}

void Paint(cairo_t* cr, const Dib& dib, double x, double y) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, dib.Width(), dib.Height());
    uint8_t* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int r = 0; r < dib.Height(); ++r) {
        for (int c = 0; c < dib.Width(); ++c) {
            const uint8_t* p = dib.PixelAt(c, r);
            auto* to = reinterpret_cast<uint32_t*>(data + r * stride) + c;
            *to = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    cairo_surface_mark_dirty(s);
    cairo_set_source_surface(cr, s, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(s);
}

}  // namespace

bool WriteStampSheet(const std::string& piclib, const std::string& path) {
    const int pageWidth = 4 * 2 * cell, pageHeight = title + 4 * cell;
    Picture sheet(2 * pageWidth + 3 * pageGap, 4 * (pageHeight + pageGap) + pageGap);
    cairo_t* cr = sheet.Cr();
    SetColour(cr, 0xF4F4F4);
    cairo_paint(cr);
    for (int page = 0; page < stampPages; ++page) {
        const double px = pageGap + (page % 2) * (pageWidth + pageGap);
        const double py = pageGap + (page / 2) * (pageHeight + pageGap);
        DrawText(cr, std::to_string(page + 1) + "  " + StampPageName(page), "DejaVu Sans Bold 11",
                 px + pageWidth / 2.0, py + title / 2.0, 0x222222);
        for (int c = 0; c < 16; ++c) {
            const int n = page * 16 + c + 1;
            const Dib image = Dib::LoadFromFile(piclib + "bmp/" + StampName(n));
            const Dib mask = Dib::LoadFromFile(piclib + "msk/" + StampName(n));
            const double x = px + (c % 4) * 2 * cell, y = py + title + (c / 4) * cell;
            Paint(cr, Laid(image, mask, 0xF3E8FF, 0.5f, 0), x, y);
            Paint(cr, Laid(image, mask, 0x1B2A4A, 0.75f, 0.3f), x + cell, y);
        }
    }
    cairo_surface_flush(sheet.Surface());
    return cairo_surface_write_to_png(sheet.Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}
