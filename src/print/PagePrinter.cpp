// The page printer's fit and bilinear rows.
#include "print/PagePrinter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "graphics/Dib.h"

namespace {

// One source row, counted from the top.
const uint8_t* SourceRow(const PictureRows& p, int32_t rows, int32_t y) {
    const int32_t stored = p.height < 0 ? y : rows - 1 - y;
    return p.pixels + size_t(stored) * size_t(p.stride);
}

// The sample position and the neighbour it is blended with; at the last source pixel the blend
// turns back to the one before it, so nothing is read beyond the picture.
void Neighbours(double at, int32_t size, int32_t& i0, int32_t& i1, double& f) {
    i0 = int32_t(at);
    if (i0 >= size - 1) {
        i0 = size - 1;
        i1 = std::max(size - 2, 0);
    } else {
        i1 = i0 + 1;
    }
    f = at - i0;
}

}  // namespace

PictureRows RowsOf(const Dib& picture) {
    if (!picture.IsUsable()) return {};
    return {picture.PixelBytes(), picture.Width(), picture.Height(), picture.Stride(), 24};
}

PrintArea FitOnPage(int32_t width, int32_t height, int32_t pageWidth, int32_t pageHeight,
                    int32_t percentage) {
    if (width < 1 || height < 1 || pageWidth < 1 || pageHeight < 1) return {};
    PrintArea out;
    if (double(pageHeight) / height <= double(pageWidth) / width) {
        out.height = int32_t(int64_t{pageHeight} * percentage / 100);
        out.width = int32_t(std::floor(double(width) / height * out.height + 0.5));
    } else {
        out.width = int32_t(int64_t{pageWidth} * percentage / 100);
        out.height = int32_t(std::floor(double(height) / width * out.width + 0.5));
    }
    return out;
}

int32_t PrintPicture(const PictureRows& picture, int32_t percentage, PrintRows& page,
                     int32_t pageWidth, int32_t pageHeight) {
    if (picture.pixels == nullptr || picture.bitsPerPixel != 24) return 0;
    const int32_t w = picture.width, h = std::abs(picture.height);
    if (w < 1 || h < 1 || picture.stride < w * 3) return 0;
    const PrintArea out =
        FitOnPage(w, h, pageWidth, pageHeight, std::clamp(percentage, kSmallestPrint, 100));
    if (out.width < 1 || out.height < 1) return 0;
    const double sx = double(w) / out.width, sy = double(h) / out.height;
    std::vector<uint8_t> row(size_t(out.width) * 3);
    int32_t sent = 0;
    for (int32_t r = 0; r < out.height; ++r) {
        int32_t y0 = 0, y1 = 0;
        double fy = 0;
        Neighbours(r * sy, h, y0, y1, fy);
        const uint8_t* top = SourceRow(picture, h, y0);
        const uint8_t* bottom = SourceRow(picture, h, y1);
        for (int32_t k = 0; k < out.width; ++k) {
            int32_t x0 = 0, x1 = 0;
            double fx = 0;
            Neighbours(k * sx, w, x0, x1, fx);
            for (int c = 0; c < 3; ++c) {
                const double p = top[x0 * 3 + c], q = top[x1 * 3 + c];
                const double rr = bottom[x0 * 3 + c], s = bottom[x1 * 3 + c];
                const double value = p + fx * (q - p) + fy * (rr - p) + fx * fy * (s - rr - q + p);
                row[size_t(k) * 3 + size_t(c)] = uint8_t(std::clamp(int(value), 0, 255));
            }
        }
        page.DrawRow(r, row);
        ++sent;
        if (page.CancelRequested()) break;
    }
    return sent;
}
