// Tool: the workshop's tools, with the designed numbers that the tours and the pictures' names
// use.
#pragma once

#include <cstdint>

enum class Tool : int32_t { pencil = 1, spray = 2, stamp = 3, eraser = 4, adjust = 5, print = 6 };
inline constexpr int32_t kToolCount = 6;

[[nodiscard]] constexpr int32_t NumberOf(Tool tool) { return static_cast<int32_t>(tool); }
