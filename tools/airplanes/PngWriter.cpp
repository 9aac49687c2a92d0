// PNG output through cairo, kept in its own file: the rest of the tool needs no cairo header.
#include <cairo.h>

#include <algorithm>

#include "PngWriter.h"

bool SavePng(const Canvas& canvas, const std::string& path, const std::vector<uint8_t>* alpha) {
    const int width = canvas.Width(), height = canvas.Height();
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return false;
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < width; ++x) {
            const RgbPixel c = canvas.Get(x, y);
            const uint32_t a = alpha != nullptr ? (*alpha)[size_t(y) * size_t(width) + size_t(x)] : 255;
            // The colours were drawn over black, so they already carry their alpha, as cairo
            // keeps them.
            row[x] = a << 24 | uint32_t(std::min<int>(c.r, a)) << 16 |
                     uint32_t(std::min<int>(c.g, a)) << 8 | uint32_t(std::min<int>(c.b, a));
        }
    }
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

bool LoadPng(const std::string& path, Canvas& out) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
                    cairo_image_surface_get_format(s) != CAIRO_FORMAT_INVALID;
    if (ok) {
        const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const bool rgb = cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24 ||
                         cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
        out = Canvas(w, h, {255, 255, 255});
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; rgb && y < h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
            for (int x = 0; x < w; ++x) {
                // Over white: premultiplied colour plus the white left showing.
                const uint32_t p = row[x], a = p >> 24, keep = 255 - a;
                out.Set(x, y, {uint8_t(((p >> 16) & 255) + keep), uint8_t(((p >> 8) & 255) + keep),
                               uint8_t((p & 255) + keep)});
            }
        }
    }
    cairo_surface_destroy(s);
    return ok;
}
