// Paint: cairo helpers and the bitmap writers.
#include "Paint.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "graphics/Dib.h"
#include "base/BinaryFile.h"
#include "raster/BitmapBlock.h"

Picture::Picture(int w, int h)
    : width(w),
      height(h),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
      cr(cairo_create(surface)) {}

Picture::~Picture() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

namespace {

struct Rgba {
    uint8_t r, g, b, a;
};

// Cairo keeps premultiplied native-endian ARGB words.
Rgba PixelOf(const uint8_t* data, int stride, int x, int y) {
    uint32_t word;
    std::copy_n(data + y * stride + x * 4, 4, reinterpret_cast<uint8_t*>(&word));
    return {uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word), uint8_t(word >> 24)};
}

// Lays a premultiplied pixel over white.
uint8_t OverWhite(uint8_t premultiplied, uint8_t alpha) {
    return uint8_t(std::min(255, premultiplied + (255 - alpha)));
}

}  // namespace

bool SaveBitmap(const Picture& picture, const std::string& path, bool whiteTransparent) {
    cairo_surface_flush(picture.Surface());
    const uint8_t* data = cairo_image_surface_get_data(picture.Surface());
    const int stride = cairo_image_surface_get_stride(picture.Surface());
    Dib dib = Dib::CreateBlank(picture.Width(), picture.Height());
    if (dib.IsEmpty()) return false;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgba p = PixelOf(data, stride, x, y);
            uint8_t* to = dib.PixelAt(x, y);
            if (to == nullptr) return false;
            uint8_t r = OverWhite(p.r, p.a), g = OverWhite(p.g, p.a), b = OverWhite(p.b, p.a);
            if (whiteTransparent) {
                if (p.a < 128) {
                    r = g = b = 255;
                } else if (r == 255 && g == 255 && b == 255) {
                    r = g = b = 254;
                }
            }
            to[0] = b;
            to[1] = g;
            to[2] = r;
        }
    }
    return dib.SaveToFile(path) == 1;
}

bool SaveStampPicture(const Picture& picture, const std::string& path) {
    cairo_surface_flush(picture.Surface());
    const uint8_t* data = cairo_image_surface_get_data(picture.Surface());
    const int stride = cairo_image_surface_get_stride(picture.Surface());
    const int w = picture.Width(), h = picture.Height();
    struct Colour {
        double r = 0, g = 0, b = 0;
        bool known = false;
    };
    std::vector<Colour> colours(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Rgba p = PixelOf(data, stride, x, y);
            if (p.a == 0) continue;
            colours[size_t(y * w + x)] = {p.r * 255.0 / p.a, p.g * 255.0 / p.a, p.b * 255.0 / p.a, true};
        }
    }
    // Grow the drawn colours outwards a few pixels; what is left takes the outline's ink.
    for (int pass = 0; pass < 4; ++pass) {
        std::vector<Colour> grown = colours;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (colours[size_t(y * w + x)].known) continue;
                Colour sum;
                int n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || !colours[size_t(ny * w + nx)].known) continue;
                        const Colour& c = colours[size_t(ny * w + nx)];
                        sum.r += c.r, sum.g += c.g, sum.b += c.b, ++n;
                    }
                }
                if (n > 0) grown[size_t(y * w + x)] = {sum.r / n, sum.g / n, sum.b / n, true};
            }
        }
        colours.swap(grown);
    }
    Dib dib = Dib::CreateBlank(w, h);
    if (dib.IsEmpty()) return false;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Colour& c = colours[size_t(y * w + x)];
            uint8_t* to = dib.PixelAt(x, y);
            if (to == nullptr) return false;
            const uint32_t ink = 0x3A2E5C;
            to[0] = c.known ? uint8_t(std::min(255.0, c.b + 0.5)) : uint8_t(ink);
            to[1] = c.known ? uint8_t(std::min(255.0, c.g + 0.5)) : uint8_t(ink >> 8);
            to[2] = c.known ? uint8_t(std::min(255.0, c.r + 0.5)) : uint8_t(ink >> 16);
        }
    }
    return dib.SaveToFile(path) == 1;
}

bool SaveGreyMask(const Picture& picture, const std::string& path) {
    cairo_surface_flush(picture.Surface());
    const uint8_t* data = cairo_image_surface_get_data(picture.Surface());
    const int stride = cairo_image_surface_get_stride(picture.Surface());
    const int w = picture.Width(), h = picture.Height();
    // The raster library makes the grey block (header and grey table) the program reads.
    const OwnedBlock mask = CreateBitmapBlock(0, w, h, nullptr, 0);
    if (!mask) return false;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) *PixelAt(mask.get(), x, y) = PixelOf(data, stride, x, y).a;
    }
    const uint32_t pixelsAt = 40 + 256 * 4;
    const uint32_t imageSize = uint32_t(BlockStride(mask.get())) * uint32_t(h);
    PutU32(mask.get() + 20, imageSize);
    uint8_t fileHeader[14] = {'B', 'M'};
    PutU32(fileHeader + 2, 14 + pixelsAt + imageSize);
    PutU32(fileHeader + 10, 14 + pixelsAt);
    return WriteFileAtomically(path, {{fileHeader, sizeof fileHeader},
                                      {mask.get(), size_t{pixelsAt} + imageSize}});
}

void SetColour(cairo_t* cr, uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                          (rgb & 255) / 255.0, alpha);
}

uint32_t Shade(uint32_t rgb, double amount) {
    uint32_t out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double c = (rgb >> shift) & 255;
        const double v = amount >= 0 ? c + (255 - c) * amount : c * (1 + amount);
        out |= uint32_t(std::clamp(std::lround(v), 0L, 255L)) << shift;
    }
    return out;
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    auto stop = [p](double at, uint32_t c) {
        cairo_pattern_add_color_stop_rgb(p, at, ((c >> 16) & 255) / 255.0,
                                         ((c >> 8) & 255) / 255.0, (c & 255) / 255.0);
    };
    stop(0, top);
    stop(1, bottom);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, double width, uint32_t rgb) {
    SetColour(cr, rgb);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
}

void DrawText(cairo_t* cr, const std::string& text, const std::string& font, double cx,
              double cy, uint32_t colour, double outline, uint32_t outlineColour) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(layout, desc);
    pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    pango_layout_set_text(layout, text.c_str(), -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    cairo_save(cr);
    cairo_move_to(cr, cx - logical.x - logical.width / 2.0, cy - logical.y - logical.height / 2.0);
    pango_cairo_layout_path(cr, layout);
    if (outline > 0) {
        SetColour(cr, outlineColour);
        cairo_set_line_width(cr, outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
    pango_font_description_free(desc);
    g_object_unref(layout);
}

void DropShadow(cairo_t* cr, double dx, double dy, double alpha) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_source_rgba(cr, 0.1, 0.05, 0.25, alpha);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

void StarPath(cairo_t* cr, double cx, double cy, int n, double r, double ri, double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * n; ++i) {
        const double a = -M_PI / 2 + turn + i * M_PI / n;
        const double rr = i % 2 == 0 ? r : ri;
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.45);
    cairo_curve_to(cr, cx - s * 0.7, cy - s * 0.05, cx - s * 0.45, cy - s * 0.6, cx, cy - s * 0.25);
    cairo_curve_to(cr, cx + s * 0.45, cy - s * 0.6, cx + s * 0.7, cy - s * 0.05, cx, cy + s * 0.45);
    cairo_close_path(cr);
}
