// AppIcon: the program's menu icon, a folded paper airplane on a soft rounded sky tile, drawn
// on a 256 by 256 grid and scaled to each size the desktop asks for.
#include "AppIcon.h"

#include <cairo-svg.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "Paint.h"

namespace {

constexpr uint32_t ink = 0x3A2E5C;

void Polygon(cairo_t* cr, const double (*points)[2], int count) {
    cairo_move_to(cr, points[0][0], points[0][1]);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i][0], points[i][1]);
    cairo_close_path(cr);
}

void Draw(cairo_t* cr, double size) {
    cairo_scale(cr, size / 256.0, size / 256.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    // The sky tile, with a light rim so it reads on dark and light panels alike.
    RoundedRect(cr, 12, 12, 232, 232, 52);
    FillVertical(cr, 12, 244, 0x9ADCF5, 0xD9F3FF);
    RoundedRect(cr, 12, 12, 232, 232, 52);
    Outline(cr, 8, 0x5AA9D6);
    cairo_new_path(cr);

    // Two soft clouds.
    SetColour(cr, 0xFFFFFF, 0.9);
    cairo_arc(cr, 70, 190, 22, 0, 2 * M_PI);
    cairo_arc(cr, 98, 182, 28, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 124, 194, 20, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 190, 66, 14, 0, 2 * M_PI);
    cairo_arc(cr, 208, 60, 18, 0, 2 * M_PI);
    cairo_fill(cr);

    // The flight's dashed trail behind the tail.
    SetColour(cr, 0xFF8FAB);
    cairo_set_line_width(cr, 9);
    const double dash[] = {14, 16};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, 40, 150);
    cairo_curve_to(cr, 52, 120, 70, 124, 84, 134);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);

    // The airplane, nose to the upper right: the far wing, the keel, then the near wing.
    const double farWing[][2] = {{222, 50}, {70, 108}, {118, 124}};
    const double keel[][2] = {{222, 50}, {118, 124}, {128, 170}};
    const double nearWing[][2] = {{222, 50}, {108, 136}, {92, 196}, {128, 170}};
    Polygon(cr, farWing, 3);
    DropShadow(cr, 6, 8, 0.25);
    cairo_new_path(cr);
    Polygon(cr, nearWing, 4);
    DropShadow(cr, 6, 8, 0.25);
    cairo_new_path(cr);

    // Each facet filled, then outlined in ink.
    auto facet = [&](const auto& points, int count, uint32_t colour) {
        Polygon(cr, points, count);
        SetColour(cr, colour);
        cairo_fill_preserve(cr);
        Outline(cr, 7, ink);
        cairo_new_path(cr);
    };
    facet(farWing, 3, 0xFFFFFF);
    facet(keel, 3, 0xFFD23F);
    facet(nearWing, 4, 0xFFF4E0);
    // A painted heart on the near wing: the child's own paint.
    HeartPath(cr, 140, 132, 26);
    SetColour(cr, 0xE63946);
    cairo_fill(cr);
}

}  // namespace

bool WriteAppIcons(const std::string& root, const std::string& name) {
    const std::string base = root + "/share/icons/hicolor/";
    std::error_code ec;
    for (int size : {48, 128, 256}) {
        const std::string dir = base + std::to_string(size) + "x" + std::to_string(size) + "/apps/";
        std::filesystem::create_directories(dir, ec);
        Picture picture(size, size);
        Draw(picture.Cr(), size);
        cairo_surface_flush(picture.Surface());
        if (cairo_surface_write_to_png(picture.Surface(), (dir + name + ".png").c_str()) !=
            CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "zephine-datagen: cannot write %s%s.png\n", dir.c_str(), name.c_str());
            return false;
        }
    }
    const std::string dir = base + "scalable/apps/";
    std::filesystem::create_directories(dir, ec);
    const std::string svg = dir + name + ".svg";
    cairo_surface_t* surface = cairo_svg_surface_create(svg.c_str(), 256, 256);
    cairo_t* cr = cairo_create(surface);
    Draw(cr, 256);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) std::fprintf(stderr, "zephine-datagen: cannot write %s\n", svg.c_str());
    return ok;
}
