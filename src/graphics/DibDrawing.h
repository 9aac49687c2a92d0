// Drawing a Dib on a Surface: the operations that hand a picture to the window or to an
// off-screen bitmap. Each returns 1 when it drew, 0 when the picture is empty or not 24-bit
// (unless said otherwise). Rectangles are (left, top, right, bottom), top-down.
#pragma once

#include <cstdint>

#include "graphics/Dib.h"
#include "platform/GlDevice.h"
#include "platform/Surface.h"
#include "base/Rect.h"

// Scales the source rectangle of the picture into the destination rectangle (nearest pixel,
// plain copy). 0 also for a rectangle without area.
int DrawStretched(const Dib& dib, Surface& device, const Rect& dest, const Rect& source);

// Scales all of the rows into the destination rectangle (nearest pixel, plain copy), clipped to
// the device. 0 when the rows have no pixels or the rectangle has no area.
int DrawRowsStretched(const BgrRows& rows, Surface& device, const Rect& dest);

// Draws unscaled with the picture's top-left at the rectangle's top-left; the size drawn is
// the rectangle's, taken from the picture's bottom-left corner as the device call does. With
// `centred` the rectangle is first moved from the 800 by 600 design onto the centre of a
// screen of the given size.
void DrawAt(const Dib& dib, Surface& device, Rect rect, bool centred, int32_t screenWidth,
            int32_t screenHeight);

// Draws the whole picture at (x, y) with pure white left out. Makes the device bitmap first.
void DrawTransparent(Dib& dib, Surface& device, int32_t x, int32_t y);

// The device copy of the picture, made from the block now and kept by the Dib. Null when the
// picture is empty or not 24-bit.
Dib::DeviceBitmap* MakeDeviceBitmap(Dib& dib);

// The picture as a surface of its own size (empty when the picture is not usable).
[[nodiscard]] Surface ToSurface(const Dib& dib);

// The average colour of the picture's outermost pixels (0x00RRGGBB): what a margin around it
// shows so that it seems to go on. `fallback` for a picture that is not usable.
[[nodiscard]] uint32_t EdgeColour(const Dib& picture, uint32_t fallback);

// True when the rectangles share at least one pixel.
[[nodiscard]] bool Meets(const Rect& a, const Rect& b);
// Draws the part of the picture, placed with its top-left corner at (x, y), that lies inside
// `clip`; unscaled.
void DrawPictureClipped(const Dib& picture, Surface& device, int32_t x, int32_t y,
                        const Rect& clip);
// Draws a control's picture at the rectangle's top-left, clipped to the rectangle and to
// `update`.
void DrawControl(const Dib& picture, Surface& device, const Rect& at, const Rect& update);
