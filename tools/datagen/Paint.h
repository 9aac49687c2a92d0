// Paint: the small drawing kit of the generator over cairo and pango, and the writers that turn
// a drawing into the bitmap files the program reads.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

// A drawing surface with its context; every picture starts fully transparent.
class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    [[nodiscard]] cairo_t* Cr() const { return cr; }
    [[nodiscard]] cairo_surface_t* Surface() const { return surface; }
    [[nodiscard]] int Width() const { return width; }
    [[nodiscard]] int Height() const { return height; }

private:
    int width;
    int height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

// Writes a 24-bit bitmap file through the program's Dib. For a white-transparent picture every
// pixel less than half covered becomes pure white and every drawn pixel that happens to be pure
// white becomes (254, 254, 254), so white means "not drawn" and nothing else. Opaque pictures
// are laid over white. False when the file cannot be written.
[[nodiscard]] bool SaveBitmap(const Picture& picture, const std::string& path,
                              bool whiteTransparent);
// Writes a stamp's picture: each drawn pixel in its own colour, not laid over white, and each
// pixel the drawing leaves clear in the colour of the drawing next to it, so that the stamp's
// soft edge blends into the skin under it (and its scaling blends with no white either).
[[nodiscard]] bool SaveStampPicture(const Picture& picture, const std::string& path);
// Writes an 8-bit grey bitmap (256-entry grey colour table) from the picture's coverage: the
// stamp masks. Width must be a multiple of 4.
[[nodiscard]] bool SaveGreyMask(const Picture& picture, const std::string& path);

// Colours are 0xRRGGBB.
void SetColour(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
// A colour lightened (amount > 0) toward white or darkened (amount < 0) toward black.
[[nodiscard]] uint32_t Shade(uint32_t rgb, double amount);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with a vertical gradient from top to bottom colour.
void FillVertical(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom);
// Strokes the current path with a dark outline, keeping the path.
void Outline(cairo_t* cr, double width, uint32_t rgb = 0x3A2E5C);
// Draws text centred on (cx, cy). font is a pango description ("Comic Neue Bold 20").
// A non-zero outline width draws a halo of outlineColour first.
void DrawText(cairo_t* cr, const std::string& text, const std::string& font, double cx,
              double cy, uint32_t colour, double outline = 0, uint32_t outlineColour = 0xFFFFFF);
// A soft shadow under the current path, kept as the path.
void DropShadow(cairo_t* cr, double dx, double dy, double alpha);
// A star with n points of outer radius r and inner radius ri, as the current path.
void StarPath(cairo_t* cr, double cx, double cy, int n, double r, double ri, double turn = 0);
// A heart of size s centred on (cx, cy), as the current path.
void HeartPath(cairo_t* cr, double cx, double cy, double s);
