// Stamps: each page's drawings on a 100 by 100 grid, scaled to the stamp size.
#include "Stamps.h"

#include <pango/pangocairo.h>

#include "FaceTable.h"
#include "StampKit.h"

namespace stampkit {

void Glyph(cairo_t* cr, const char* text, double size, double cx, double cy, uint32_t colour) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string("DejaVu Sans Bold");
    pango_font_description_set_absolute_size(desc, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_layout_set_text(layout, text, -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    // Centred on the ink, not the line box, so every glyph sits in the middle of its cell.
    cairo_move_to(cr, cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0);
    pango_cairo_layout_path(cr, layout);
    SetColour(cr, colours::ink);
    cairo_set_line_width(cr, 2 * outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
    pango_font_description_free(desc);
    g_object_unref(layout);
}

}  // namespace stampkit

namespace {

using PageDrawings = const stampkit::Draw* (*)();

const struct {
    const char* name;
    PageDrawings drawings;
} kPages[stampPages] = {
    {"animals", AnimalStamps},
    {"sea life", SeaStamps},
    {"vehicles and flying things", VehicleStamps},
    {"sky and space", SkyStamps},
    {"plants and food", PlantAndFoodStamps},
    {"faces and feelings", FaceStamps},
    {"signs, letters and numbers", SignStamps},
};

}  // namespace

void DrawStamp(cairo_t* cr, int number) {
    const int index = (number - 1) % stampCount;
    cairo_save(cr);
    cairo_scale(cr, stampSide / 100.0, stampSide / 100.0);
    // Keep the outline inside the picture, so the mask never touches the border.
    cairo_translate(cr, 4, 4);
    cairo_scale(cr, 0.92, 0.92);
    kPages[index / 16].drawings()[index % 16](cr);
    cairo_restore(cr);
}

const char* StampPageName(int page) { return kPages[page % stampPages].name; }
