// PngWriter: pictures as PNG files, through cairo.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Canvas.h"

// `alpha` (one byte a pixel, 255 opaque) makes the rest see-through, the colours then having
// been drawn over black.
[[nodiscard]] bool SavePng(const Canvas& canvas, const std::string& path,
                           const std::vector<uint8_t>* alpha = nullptr);
// Reads a PNG, laid over white; false when it cannot be read.
[[nodiscard]] bool LoadPng(const std::string& path, Canvas& out);
