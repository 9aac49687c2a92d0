// ToolSliders: the sliders of the tool panels (thickness, opacity, the three colour shifts,
// stamp turn and size, eraser and print size): a press sets a value, a drag inside the slider
// follows the pointer.
#pragma once

#include <cstdint>

class Controller;

// Button-down on the current tool's sliders.
void PressToolSliders(Controller& c, int32_t x, int32_t y);
// Mouse move while a slider is held; leaving the slider freezes its value.
void DragToolSliders(Controller& c, int32_t x, int32_t y);

// The slider values for a point.
[[nodiscard]] int32_t ThicknessAt(const Controller& c, int32_t y);
[[nodiscard]] int32_t OpacityAt(const Controller& c, int32_t y);
// component 0 hue, 1 saturation, 2 lightness.
[[nodiscard]] int32_t ShiftAt(const Controller& c, int component, int32_t x);
[[nodiscard]] int32_t SizePercentAt(const Controller& c, int32_t x);
