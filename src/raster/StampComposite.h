// Blending a picture (or a plain colour) into a 24-bit block through a grey mask.
#pragma once

#include <cstdint>

struct CompositeRequest {
    uint8_t* destination = nullptr;  // 24-bit
    int32_t destX = 0;
    int32_t destY = 0;
    const uint8_t* picture = nullptr;  // 24-bit, or none to paint `colour`
    int32_t pictureX = 0;
    int32_t pictureY = 0;
    const uint8_t* mask = nullptr;  // grey; a 24-bit mask is read by its first (blue) byte
    int32_t maskX = 0;
    int32_t maskY = 0;
    uint32_t colour = 0;  // 0x00BBGGRR
    int32_t widthLimit = 0;
    int32_t heightLimit = 0;
};

// 1 after blending, 0 when a block is invalid or the overlap is empty: then nothing changed,
// and a caller need do nothing.
int CompositeThroughMask(const CompositeRequest& request);
