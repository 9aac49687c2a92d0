// DisplayScale: how the 800 x 600 design is shown on a display of another size. The design
// keeps its shape at the largest scale that fits, centred; the logic works on a display of
// (size / scale) pixels, so its own centring still holds, and the window adapter maps pointer
// positions back into those logical pixels.
#pragma once

#include <cstdint>

#include "base/Rect.h"

class DisplayScale {
public:
    static constexpr int32_t kDesignWidth = 800;
    static constexpr int32_t kDesignHeight = 600;

    DisplayScale() = default;
    // A display (or window) of width x height device pixels. `unscaled` keeps the design 1:1.
    DisplayScale(int32_t width, int32_t height, bool unscaled);

    // Device pixels per design pixel: min(W / 800, H / 600), or 1 unscaled.
    [[nodiscard]] double Scale() const { return scale; }
    // The display the logic sees: at least the design, the device size over the scale.
    [[nodiscard]] int32_t LogicalWidth() const { return logicalWidth; }
    [[nodiscard]] int32_t LogicalHeight() const { return logicalHeight; }
    // The design area in logical pixels, placed as the logic places it (size / 2 - 400).
    [[nodiscard]] Rect DesignArea() const;
    // Where the design area shows on the device: the scaled design, centred.
    [[nodiscard]] Rect DeviceArea() const { return device; }

    // A device pixel to the logical pixel under its centre. Points off the design area map
    // to logical points off it too, where the logic ignores them.
    [[nodiscard]] int32_t LogicalX(int32_t deviceX) const;
    [[nodiscard]] int32_t LogicalY(int32_t deviceY) const;
    // A logical pixel to the device pixel under its centre.
    [[nodiscard]] int32_t DeviceX(int32_t logicalX) const;
    [[nodiscard]] int32_t DeviceY(int32_t logicalY) const;
    // The device rectangle covering a logical one (grown to whole device pixels).
    [[nodiscard]] Rect DeviceRect(const Rect& logical) const;

private:
    double scale = 1.0;
    int32_t logicalWidth = kDesignWidth;
    int32_t logicalHeight = kDesignHeight;
    Rect device{0, 0, kDesignWidth, kDesignHeight};
};
