// A small test model and its skin in a test installation, for the screens' tests.
#pragma once

#include <cstdint>
#include <string>

// Writes Model/Fly0<n>.ini (a square facing the camera that fills the 3D pane) and its skin
// Fly0<n>.bmp of the given size, filled with (r, g, b). With `seam` the square's left half
// wears the skin's left quarter and its right half the right quarter.
void WriteTestModel(const std::string& root, int n, int32_t skinWidth, int32_t skinHeight,
                    uint8_t r = 128, uint8_t g = 128, uint8_t b = 128, bool seam = false);
