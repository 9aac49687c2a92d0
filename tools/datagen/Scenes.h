// Scenes: the two screens' backdrops and the look of every control, all drawn in the 800 by
// 600 design coordinates of the layout table, so a control's picture is a crop of its screen.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "Icons.h"
#include "base/Rect.h"

enum class Screen { workshop, flight };
enum class Look { idle, held, chosen };

// One palette for the whole program, so every screen feels the same.
namespace colours {
inline constexpr uint32_t ink = 0x3A2E5C;
inline constexpr uint32_t skyTop = 0x6EC6FF;
inline constexpr uint32_t skyBottom = 0xD4F3FF;
inline constexpr uint32_t shelf = 0xFFF1C1;
inline constexpr uint32_t panel = 0xFFE3A3;
inline constexpr uint32_t frame = 0x9B5DE5;
inline constexpr uint32_t pane = 0xFFFDF5;
inline constexpr uint32_t glow = 0xFFE14D;
inline constexpr uint32_t scroll = 0x9B5DE5;
inline constexpr uint32_t view = 0x8E6CEF;
}  // namespace colours

// The design rectangle of a layout entry (all zero when unknown).
[[nodiscard]] Rect Design(const char* entry);

// The backdrop of a screen. The controls whose released look never changes on their own
// (open, save, swap, exit) are part of it; every other control is drawn by its own picture.
void DrawBackdrop(cairo_t* cr, Screen screen);

// A round button filling rect: tools, transport and the like.
void DrawDiscButton(cairo_t* cr, const Rect& r, Icon icon, uint32_t colour, Look look);
// A rounded square button: view modes, works, scrolling.
void DrawSquareButton(cairo_t* cr, const Rect& r, Icon icon, uint32_t colour, Look look);
// The screen tabs at the top: the workshop and the flight screen.
void DrawTab(cairo_t* cr, const Rect& r, Icon icon, uint32_t colour, Look look);

// The colour each tool slot wears; the flight screen's transport buttons stand in the same
// places and wear the same colours.
[[nodiscard]] uint32_t SlotColour(int slot);  // 1 to 6
[[nodiscard]] Icon ToolIcon(int tool);        // 1 to 6
[[nodiscard]] const char* ToolEntry(int tool);
