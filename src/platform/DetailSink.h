// DetailSink: where an off-screen surface that renders finer than the window hands the fine
// pixels of a block it copied, so the screen can show them sharp.
#pragma once

#include <cstdint>
#include <functional>

#include "base/Rect.h"

// `dest` is the block in the window (logical pixels); `pixels` are 0x00RRGGBB, rows top-down,
// `stride` pixels apart, `width` x `height` of them covering dest. They live only for the call.
using DetailSink = std::function<void(const Rect& dest, const uint32_t* pixels, int32_t width,
                                      int32_t height, int32_t stride)>;
