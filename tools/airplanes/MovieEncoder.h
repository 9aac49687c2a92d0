// MovieEncoder: writes frames into a .mov file with libx264, one time unit a frame. The only
// file of the tool that sees FFmpeg.
#pragma once

#include <memory>
#include <string>

#include "graphics/Canvas.h"

class MovieEncoder {
public:
    MovieEncoder();
    ~MovieEncoder();
    MovieEncoder(const MovieEncoder&) = delete;
    MovieEncoder& operator=(const MovieEncoder&) = delete;

    // False with a message when the file or the encoder cannot be set up.
    [[nodiscard]] bool Open(const std::string& path, int width, int height, int fps, std::string& error);
    // `key` makes this frame one the player can jump to directly.
    [[nodiscard]] bool Add(const Canvas& frame, bool key);
    // Flushes the encoder and finishes the file.
    [[nodiscard]] bool Finish();

private:
    struct State;
    std::unique_ptr<State> state;
};
