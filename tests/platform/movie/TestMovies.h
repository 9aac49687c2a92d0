// Small movies the movie tests encode themselves with FFmpeg: frame i shows the bits of i as
// eight white or black bands from left to right (the lowest bit first), so any decoded picture
// tells which frame it is.
#pragma once

#include <cstdint>
#include <string>

#include "platform/MovieSource.h"

struct TestMovie {
    int frames = 40;
    int fps = 15;
    int width = 128;
    int height = 96;
    int keyInterval = 12;           // frames from one key frame to the next
    const char* container = "mov";  // an FFmpeg muxer name
};

// Writes the movie with libx264 (with B-frames); false with a message when it cannot.
[[nodiscard]] bool WriteTestMovie(const std::string& path, const TestMovie& movie,
                                  std::string& error);
// The frame number a picture shows, -1 when a band is neither clearly white nor black.
[[nodiscard]] int32_t FrameShown(const MoviePicture& picture);
