// FfmpegMovieSource: the movie port over FFmpeg. A picture in order is decoded from where the
// decoder stands; a jump seeks to the key frame at or before it and decodes forward.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/MovieSource.h"

class FfmpegMovieSource final : public MovieSource {
public:
    FfmpegMovieSource();
    ~FfmpegMovieSource() override;
    FfmpegMovieSource(const FfmpegMovieSource&) = delete;
    FfmpegMovieSource& operator=(const FfmpegMovieSource&) = delete;

    [[nodiscard]] bool Open(const std::string& path) override;
    void Close() override;
    [[nodiscard]] int32_t Duration() const override;
    [[nodiscard]] int32_t TimeScale() const override;
    [[nodiscard]] bool PictureAt(int32_t t, MoviePicture& picture) override;

    // Frames the decoder gave and seeks made since the movie was opened (tests, benchmarks).
    [[nodiscard]] int64_t FramesDecoded() const;
    [[nodiscard]] int64_t Seeks() const;

private:
    struct Movie;
    std::unique_ptr<Movie> movie;
};
