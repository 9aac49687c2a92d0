// MovieSource port: a movie file read one picture at a time, as the flight screen's player asks
// for it. One time unit is one frame, whatever the file counts time in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/GlDevice.h"

// A 24-bit picture laid out as a bitmap's pixels: bottom row first, bytes blue, green, red, each
// row `stride` bytes (width * 3 rounded up to a multiple of 4). `pixels` may be longer than
// stride * height; the storage is kept from one picture to the next.
struct MoviePicture {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    std::vector<uint8_t> pixels;

    [[nodiscard]] BgrRows Rows() const { return {pixels.data(), width, height, stride}; }
};

class MovieSource {
public:
    virtual ~MovieSource() = default;

    // The picture the paper of the movies opened from now on wears, for a source that draws
    // them (the rows are copied; empty rows: none). A movie file has its pictures and ignores it.
    virtual void UseTexture(const BgrRows& /*texture*/) {}
    // Opens the movie file, closing any movie open before. False when the file cannot be read,
    // holds no pictures the source can decode, or its length cannot be told.
    [[nodiscard]] virtual bool Open(const std::string& path) = 0;
    virtual void Close() = 0;

    // The number of frames of the open movie; 0 when none is open.
    [[nodiscard]] virtual int32_t Duration() const = 0;
    // Frames a second, rounded to a whole number and at least 1; 0 when none is open.
    [[nodiscard]] virtual int32_t TimeScale() const = 0;
    // Frame t (counted from 0) into `picture`. A time past the last frame gives the last frame,
    // a time before 0 the first. False when no movie is open or the picture cannot be decoded;
    // `picture` then holds nothing usable.
    [[nodiscard]] virtual bool PictureAt(int32_t t, MoviePicture& picture) = 0;
};
