// The page printer: fits a picture on the page at a percentage, keeping its proportions, and
// sends it row by row, each row resampled bilinearly from the two source rows it lies between.
// Only the output row and the two source rows are held, whatever the printer's resolution.
#pragma once

#include <cstdint>

#include "platform/Printer.h"

class Dib;

// A picture's pixels as the page printer reads them: 24 bits a pixel, rows of `stride` bytes,
// bottom-up, or top-down when `height` is negative.
struct PictureRows {
    const uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    int32_t bitsPerPixel = 24;
};

[[nodiscard]] PictureRows RowsOf(const Dib& picture);

struct PrintArea {
    int32_t width = 0;
    int32_t height = 0;
};

// A percentage below this prints at this size: the slider's left end never sends an empty page.
inline constexpr int32_t kSmallestPrint = 10;

// The picture's size on a page of pageWidth x pageHeight at `percentage`, limited by whichever
// side of the page runs out first.
[[nodiscard]] PrintArea FitOnPage(int32_t width, int32_t height, int32_t pageWidth,
                                  int32_t pageHeight, int32_t percentage);
// Draws the picture from the page's top-left corner; stops after the row during which Cancel
// was pressed. The number of rows sent.
int32_t PrintPicture(const PictureRows& picture, int32_t percentage, PrintRows& page,
                     int32_t pageWidth, int32_t pageHeight);
