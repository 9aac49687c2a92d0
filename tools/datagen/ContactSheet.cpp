// ContactSheet: every written picture, read back through the program's own loader, on one PNG
// page with its name, so the whole set can be judged by eye at once.
#include <cairo.h>

#include <algorithm>
#include <filesystem>

#include "FaceWriter.h"
#include "Paint.h"
#include "graphics/Dib.h"
#include "base/ScreenLayout.h"

namespace {

constexpr int tile = 170, label = 16, columns = 12;
constexpr double previewScale = columns * tile / 2400.0;

// What a screen shows: pictures at their layout rectangles in the program's drawing order.
struct Placed {
    const char* file;
    const char* entry;  // drawn at its top-left corner, cut to its size
    bool transparent = false;
    int x = 0, y = 0;   // added to the corner
};

const Placed kWorkshop[] = {
    {"paintbk.bmp", "DesignScreen"}, {"tb1.bmp", "pencil"}, {"ta2.bmp", "gush"},
    {"ta3.bmp", "picture"}, {"ta4.bmp", "erase"}, {"ta5.bmp", "adjust"}, {"ta6.bmp", "print"},
    {"tc1.bmp", "toolPanel"}, {"tc5.bmp", "thick", true, 0, 20}, {"tc5.bmp", "colortrans", true},
    {"tc0.bmp", "choosecolor", false, 60, 30}, {"ib3.bmp", "zoom"}, {"ia4.bmp", "move"},
    {"ia5.bmp", "rote"}, {"ia6.bmp", "undo"}, {"sp01.bmp", "modelUp"}, {"sp04.bmp", "modelDown"},
    {"ib7.bmp", "diy"}, {"ia8.bmp", "mov"}, {"s01.bmp", "modelColumn"}, {"ht04.bmp", "help"},
    {"l-se.bmp", "languageLabel"}, {"sound-s.bmp", "vol", true, 54, 2}, {"aim01.bmp", "toolLabel"},
    {"sign01.bmp", "pencil", true, 22, 22},
};
const Placed kChooser[] = {
    {"paintbk.bmp", "DesignScreen"}, {"ta1.bmp", "pencil"}, {"ta2.bmp", "gush"},
    {"tb3.bmp", "picture"}, {"ta4.bmp", "erase"}, {"ta5.bmp", "adjust"}, {"ta6.bmp", "print"},
    {"tc3.bmp", "toolPanel"}, {"tc7.bmp", "rolerotate", false, -4, 30},
    {"tc7.bmp", "rolesize", false, 0, 37}, {"ia3.bmp", "zoom"}, {"ia4.bmp", "move"},
    {"ib5.bmp", "rote"}, {"ib6.bmp", "undo"}, {"sp02.bmp", "modelUp"}, {"sp03.bmp", "modelDown"},
    {"out.bmp", "exit"}, {"ib7.bmp", "diy"}, {"ia8.bmp", "mov"}, {"pic1.bmp", "stampBox"},
    {"pic3.bmp", "chooserUp"}, {"pic4.bmp", "chooserDown"}, {"pic6.bmp", "roleqt"},
    {"ht07.bmp", "help"}, {"l-sc.bmp", "languageLabel"}, {"sound-s.bmp", "vol", true, 109, -4},
    {"aim03.bmp", "toolLabel"},
};
const Placed kFlight[] = {
    {"moviebk.bmp", "DesignScreen"}, {"ia7.bmp", "diy"}, {"ib8.bmp", "mov"},
    {"sp01.bmp", "modelUp"}, {"sp03.bmp", "modelDown"}, {"mova1.bmp", "first"},
    {"mova2.bmp", "pre"}, {"movb3.bmp", "play"}, {"mova4.bmp", "stop"}, {"mova5.bmp", "next"},
    {"mova6.bmp", "last"}, {"s01.bmp", "modelColumn"}, {"avi-A2.bmp", "stepPageUp"},
    {"avi-A5.bmp", "stepPageDown"}, {"tc2.bmp", "toolPanel"}, {"tc6.bmp", "erasesize", false, 130},
    {"ht13.bmp", "help"}, {"l-se.bmp", "languageLabel"}, {"sound-s.bmp", "vol", true, 0, 8},
    {"aim06.bmp", "toolLabel"}, {"mova0.bmp", "MovieArea"},
};

// A surface of the picture as the program would see it; null when it does not load.
cairo_surface_t* LoadAsSurface(const std::string& path) {
    const Dib dib = Dib::LoadFromFile(path);
    if (!dib.IsUsable()) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, dib.Width(), dib.Height());
    uint8_t* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            const uint8_t* p = dib.PixelAt(x, y);
            const uint32_t word = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            std::copy_n(reinterpret_cast<const uint8_t*>(&word), 4, data + y * stride + x * 4);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void PlaceTile(cairo_t* cr, cairo_surface_t* s, const std::string& name, double x, double y) {
    const double w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const double scale = std::min({1.0, (tile - 8) / w, (tile - label - 8) / h});
    DrawText(cr, name, "DejaVu Sans 8", x + tile / 2.0, y + label / 2.0 + 2, 0x222222);
    cairo_save(cr);
    cairo_translate(cr, x + (tile - w * scale) / 2, y + label + 4);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, x + (tile - w * scale) / 2 - 0.5, y + label + 3.5, w * scale + 1,
                    h * scale + 1);
    SetColour(cr, 0x888888);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// Pure white left out, as the program draws white-transparent pictures.
void ClearWhite(cairo_surface_t* s) {
    cairo_surface_t* out = s;
    uint8_t* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < cairo_image_surface_get_height(out); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < cairo_image_surface_get_width(out); ++x) {
            row[x] = (row[x] & 0xFFFFFF) == 0xFFFFFF ? 0 : row[x] | 0xFF000000u;
        }
    }
    cairo_surface_mark_dirty(out);
}

template <size_t N>
void Preview(cairo_t* cr, const std::string& face, const Placed (&screen)[N], double x) {
    cairo_save(cr);
    cairo_translate(cr, x, 0);
    cairo_scale(cr, previewScale, previewScale);
    for (const Placed& p : screen) {
        cairo_surface_t* s = LoadAsSurface(face + p.file);
        const Rect* r = ScreenLayout::DesignRect(p.entry);
        if (s == nullptr || r == nullptr) continue;
        if (p.transparent) {
            cairo_surface_t* argb = cairo_image_surface_create(
                CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
            cairo_t* c = cairo_create(argb);
            cairo_set_source_surface(c, s, 0, 0);
            cairo_paint(c);
            cairo_destroy(c);
            cairo_surface_destroy(s);
            s = argb;
            ClearWhite(s);
        }
        const double w = p.transparent ? cairo_image_surface_get_width(s) : r->Width();
        const double h = p.transparent ? cairo_image_surface_get_height(s) : r->Height();
        cairo_rectangle(cr, r->left + p.x, r->top + p.y, w, h);
        cairo_clip(cr);
        cairo_set_source_surface(cr, s, r->left + p.x, r->top + p.y);
        cairo_paint(cr);
        cairo_reset_clip(cr);
        cairo_surface_destroy(s);
    }
    cairo_restore(cr);
}

}  // namespace

bool WriteContactSheet(const std::vector<std::string>& pictures, const std::string& face,
                       const std::string& path) {
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    const double top = 600 * previewScale + 10;
    Picture sheet(columns * tile, int(top) + rows * tile);
    cairo_t* cr = sheet.Cr();
    SetColour(cr, 0xF4F4F4);
    cairo_paint(cr);
    Preview(cr, face, kWorkshop, 0);
    Preview(cr, face, kChooser, 800 * previewScale);
    Preview(cr, face, kFlight, 1600 * previewScale);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const double x = double(i % columns) * tile, y = top + double(i / columns) * tile;
        const std::filesystem::path p(pictures[i]);
        const std::string name = p.parent_path().filename().string() + "/" + p.filename().string();
        cairo_surface_t* s = LoadAsSurface(pictures[i]);
        if (s == nullptr) {
            DrawText(cr, name + "\nDOES NOT LOAD", "DejaVu Sans Bold 9", x + tile / 2.0,
                     y + tile / 2.0, 0xCC0000);
            continue;
        }
        PlaceTile(cr, s, name, x, y);
        cairo_surface_destroy(s);
    }
    cairo_surface_flush(sheet.Surface());
    return cairo_surface_write_to_png(sheet.Surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}
