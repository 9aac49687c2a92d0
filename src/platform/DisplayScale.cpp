// DisplayScale: the scale, the logical display and the two-way mapping of positions.
#include "platform/DisplayScale.h"

#include <algorithm>
#include <cmath>

namespace {

// floor((v + 0.5) * num / den) in whole numbers: the pixel under a pixel's centre.
int32_t Centre(int64_t v, int64_t num, int64_t den) {
    const int64_t n = (2 * v + 1) * num;
    const int64_t d = 2 * den;
    return int32_t(n >= 0 ? n / d : -((-n + d - 1) / d));
}

}  // namespace

DisplayScale::DisplayScale(int32_t width, int32_t height, bool unscaled) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (unscaled) {
        scale = 1.0;
        logicalWidth = width;
        logicalHeight = height;
        device = {width / 2 - kDesignWidth / 2, height / 2 - kDesignHeight / 2, 0, 0};
        device.right = device.left + kDesignWidth;
        device.bottom = device.top + kDesignHeight;
        return;
    }
    scale = std::min(double(width) / kDesignWidth, double(height) / kDesignHeight);
    // The side that limits the scale is filled; the other, rounded to the nearest pixel in
    // whole numbers (so that the test harness can follow the same rule), has margins.
    int32_t w = width, h = height;
    if (int64_t(width) * kDesignHeight <= int64_t(height) * kDesignWidth) {
        h = int32_t((3 * int64_t(width) + 2) / 4);
    } else {
        w = int32_t((8 * int64_t(height) + 3) / 6);
    }
    w = std::clamp(w, 1, width);
    h = std::clamp(h, 1, height);
    device = {(width - w) / 2, (height - h) / 2, (width - w) / 2 + w, (height - h) / 2 + h};
    logicalWidth = std::max(kDesignWidth, int32_t(std::lround(width / scale)));
    logicalHeight = std::max(kDesignHeight, int32_t(std::lround(height / scale)));
}

Rect DisplayScale::DesignArea() const {
    const int32_t left = logicalWidth / 2 - kDesignWidth / 2;
    const int32_t top = logicalHeight / 2 - kDesignHeight / 2;
    return {left, top, left + kDesignWidth, top + kDesignHeight};
}

int32_t DisplayScale::LogicalX(int32_t deviceX) const {
    return DesignArea().left + Centre(deviceX - device.left, kDesignWidth, device.Width());
}

int32_t DisplayScale::LogicalY(int32_t deviceY) const {
    return DesignArea().top + Centre(deviceY - device.top, kDesignHeight, device.Height());
}

int32_t DisplayScale::DeviceX(int32_t logicalX) const {
    return device.left + Centre(logicalX - DesignArea().left, device.Width(), kDesignWidth);
}

int32_t DisplayScale::DeviceY(int32_t logicalY) const {
    return device.top + Centre(logicalY - DesignArea().top, device.Height(), kDesignHeight);
}

Rect DisplayScale::DeviceRect(const Rect& logical) const {
    const Rect d = DesignArea();
    auto low = [](int64_t v, int64_t num, int64_t den) {
        const int64_t n = v * num;
        return int32_t(n >= 0 ? n / den : -((-n + den - 1) / den));
    };
    auto high = [](int64_t v, int64_t num, int64_t den) {
        const int64_t n = v * num;
        return int32_t(n >= 0 ? (n + den - 1) / den : -((-n) / den));
    };
    return {device.left + low(logical.left - d.left, device.Width(), kDesignWidth),
            device.top + low(logical.top - d.top, device.Height(), kDesignHeight),
            device.left + high(logical.right - d.left, device.Width(), kDesignWidth),
            device.top + high(logical.bottom - d.top, device.Height(), kDesignHeight)};
}
