// Boxes: the stamp chooser and the works box, the two panels that open over the panes.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "Paint.h"
#include "Panels.h"

namespace {

void BoxBody(cairo_t* cr, const Rect& b, uint32_t top, uint32_t bottom, Icon icon) {
    RoundedRect(cr, b.left + 2, b.top + 2, b.Width() - 6, b.Height() - 6, 22);
    DropShadow(cr, 3, 4, 0.35);
    FillVertical(cr, b.top, b.bottom, top, bottom);
    Outline(cr, 3, colours::ink);
    cairo_new_path(cr);
    DrawIcon(cr, icon, b.left + 40, b.top + 34, 48);
}

void Cell(cairo_t* cr, double x, double y, double w, double h, uint32_t border) {
    RoundedRect(cr, x, y, w, h, 8);
    SetColour(cr, colours::pane);
    cairo_fill_preserve(cr);
    Outline(cr, 2, border);
    cairo_new_path(cr);
}

// An airplane picture for the model, or its number when the airplanes are not there yet.
void ModelCell(cairo_t* cr, int model, double x, double y, const std::string& planesDir) {
    Cell(cr, x + 2, y + 2, 46, 46, 0xFF8FAB);
    char name[32];
    std::snprintf(name, sizeof name, "/%02d.png", model);
    cairo_surface_t* plane = planesDir.empty()
                                 ? nullptr
                                 : cairo_image_surface_create_from_png((planesDir + name).c_str());
    if (plane != nullptr && cairo_surface_status(plane) == CAIRO_STATUS_SUCCESS) {
        const double w = cairo_image_surface_get_width(plane);
        const double h = cairo_image_surface_get_height(plane);
        const double s = 42 / std::max(w, h);
        cairo_save(cr);
        cairo_translate(cr, x + 25 - w * s / 2, y + 25 - h * s / 2);
        cairo_scale(cr, s, s);
        cairo_set_source_surface(cr, plane, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
    } else {
        DrawIcon(cr, Icon::plane, x + 25, y + 20, 30);
        DrawText(cr, std::to_string(model), "Comic Neue Bold 12", x + 25, y + 38, colours::ink);
    }
    if (plane != nullptr) cairo_surface_destroy(plane);
}

}  // namespace

void DrawStampChooser(cairo_t* cr) {
    const Rect b = Design("stampBox");
    cairo_save(cr);
    BoxBody(cr, b, 0xF3E8FF, 0xD7C2FF, Icon::stamp);
    const Rect c = Design("stampCell");
    for (int i = 0; i < 16; ++i) {
        const double x = c.left + (c.Width() + 8) * (i % 4);
        const double y = c.top + (c.Height() + 10) * (i / 4);
        Cell(cr, x, y, c.Width(), c.Height(), colours::scroll);
    }
    DrawSquareButton(cr, Design("chooserUp"), Icon::arrowUp, colours::scroll, Look::idle);
    DrawSquareButton(cr, Design("chooserDown"), Icon::arrowDown, colours::scroll, Look::idle);
    DrawSquareButton(cr, Design("roleqt"), Icon::close, 0xE63946, Look::idle);
    cairo_restore(cr);
}

void DrawWorksBox(cairo_t* cr, const std::string& planesDir) {
    const Rect b = Design("worksBox");
    cairo_save(cr);
    BoxBody(cr, b, 0xFFF0F6, 0xFFD6E8, Icon::openFolder);
    const Rect grid = Design("worksModelGrid");
    for (int i = 0; i < 25; ++i) {
        ModelCell(cr, i + 1, grid.left + 50 * (i % 4), grid.top + 50 * (i / 4), planesDir);
    }
    const Rect w = Design("worksCell");
    for (int c = 0; c < 8; ++c) {
        const double x = w.left + (c % 2 == 1 ? w.Width() + 10 : 0);
        const double y = w.top + (w.Height() + 10) * (c / 2);
        Cell(cr, x, y, w.Width(), w.Height(), 0x00BBF9);
    }
    DrawSquareButton(cr, Design("worksUp"), Icon::arrowUp, colours::scroll, Look::idle);
    DrawSquareButton(cr, Design("worksDown"), Icon::arrowDown, colours::scroll, Look::idle);
    DrawSquareButton(cr, Design("saveback"), Icon::back, 0x3DC47E, Look::idle);
    DrawSquareButton(cr, Design("saveash"), Icon::trash, 0xE63946, Look::idle);
    cairo_restore(cr);
}

void DrawChosenModelCell(cairo_t* cr) {
    RoundedRect(cr, 1, 1, 48, 48, 9);
    FillVertical(cr, 0, 50, 0xFFF9C4, colours::glow);
    Outline(cr, 3, 0xFF9F1C);
    cairo_new_path(cr);
    DrawIcon(cr, Icon::plane, 25, 22, 34);
    StarPath(cr, 40, 39, 5, 8, 3.5);
    SetColour(cr, 0xE63946);
    cairo_fill(cr);
}

bool DrawModelColumn(cairo_t* cr, int page, const std::string& planesDir) {
    if (planesDir.empty()) return false;
    const char* picks[] = {"ModelPick1", "ModelPick2", "ModelPick3"};
    for (int k = 0; k < 3; ++k) {
        const Rect r = Design(picks[k]);
        const int model = page * 3 + k + 1;
        char name[32];
        std::snprintf(name, sizeof name, "/%02d.png", model);
        cairo_surface_t* plane = cairo_image_surface_create_from_png((planesDir + name).c_str());
        const bool ok = cairo_surface_status(plane) == CAIRO_STATUS_SUCCESS;
        if (ok) {
            Cell(cr, r.left, r.top, r.Width(), r.Height(), 0xFFFFFF);
            const double w = cairo_image_surface_get_width(plane);
            const double h = cairo_image_surface_get_height(plane);
            const double s = std::min((r.Width() - 6) / w, (r.Height() - 6) / h);
            cairo_save(cr);
            cairo_translate(cr, r.CentreX() - w * s / 2, r.CentreY() - h * s / 2);
            cairo_scale(cr, s, s);
            cairo_set_source_surface(cr, plane, 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
            DrawText(cr, std::to_string(model), "Comic Neue Bold 11", r.left + 10, r.top + 10,
                     colours::ink, 3, 0xFFFFFF);
        }
        cairo_surface_destroy(plane);
        if (!ok) return false;
    }
    return true;
}
