// The tool panels under the tool buttons (pencil and spray, stamp, eraser, colour adjustment,
// print) with their knobs, the colour chart's marker and the colour pick.
#pragma once

#include <cstdint>

#include "shell/Rect.h"

class Controller;
struct WorkshopPictures;

// Draws the current tool's panel where it meets `update`.
void DrawToolPanel(Controller& c, WorkshopPictures& p, const Rect& update);
// The chart marker, inverted onto the window centred on (x, y), only inside `clip`: a second
// draw at the same place takes it away again.
void DrawChartMarker(Controller& c, const WorkshopPictures& p, int32_t x, int32_t y,
                     const Rect& clip);
// Takes the colour shown on the window at (x, y) and moves the marker there.
void PickColour(Controller& c, const WorkshopPictures& p, int32_t x, int32_t y);

// 0x00BBGGRR (the tools' colour) from and to the window's 0x00RRGGBB.
[[nodiscard]] uint32_t ColourRefOf(uint32_t windowPixel);
[[nodiscard]] uint32_t WindowPixelOf(uint32_t colourRef);
