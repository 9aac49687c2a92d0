// FakeMovieSource: the movie port in memory. Movies are known by file name with their length;
// the picture of time t is one colour that tells t, and every picture asked for is recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/MovieSource.h"

class FakeMovieSource final : public MovieSource {
public:
    [[nodiscard]] bool Open(const std::string& path) override;
    void Close() override { open.clear(); }
    [[nodiscard]] int32_t Duration() const override;
    [[nodiscard]] int32_t TimeScale() const override { return open.empty() ? 0 : timeScale; }
    [[nodiscard]] bool PictureAt(int32_t t, MoviePicture& picture) override;

    // The colour (0x00RRGGBB) every pixel of the picture at time t has.
    [[nodiscard]] static uint32_t ColourOf(int32_t t);

    // Movies by file name (without the folder) and their durations.
    std::map<std::string, int32_t> movies;
    int32_t timeScale = 15;
    bool failPictures = false;

    std::string open;                 // the file name of the open movie, empty when none
    std::vector<std::string> opened;  // every path asked to open
    std::vector<int32_t> fetched;     // every time asked for, in order
};
