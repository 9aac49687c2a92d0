// FakeMovieSource: the movie port in memory, at 15 frames a second. Movies are known by file
// name with their length; the picture of time t is one colour that tells t, and every picture
// asked for is recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/MovieSource.h"

class FakeMovieSource final : public MovieSource {
public:
    [[nodiscard]] bool Open(const std::string& path) override {
        opened.push_back(path);
        const std::string name = path.substr(path.find_last_of('/') + 1);
        open = movies.count(name) != 0 ? name : std::string();
        return !open.empty();
    }
    void Close() override { open.clear(); }
    [[nodiscard]] int32_t Duration() const override {
        return movies.count(open) != 0 ? movies.at(open) : 0;
    }
    [[nodiscard]] int32_t TimeScale() const override { return open.empty() ? 0 : 15; }
    [[nodiscard]] bool PictureAt(int32_t t, MoviePicture& picture) override {
        fetched.push_back(t);
        if (open.empty() || failPictures) return false;
        picture.width = 8, picture.height = 6, picture.stride = 24;
        picture.pixels.resize(24 * 6);
        const uint32_t colour = ColourOf(t);
        for (size_t i = 0; i < picture.pixels.size(); i += 3) {
            picture.pixels[i] = uint8_t(colour);
            picture.pixels[i + 1] = uint8_t(colour >> 8);
            picture.pixels[i + 2] = uint8_t(colour >> 16);
        }
        return true;
    }

    // The colour (0x00RRGGBB) every pixel of the picture at time t has.
    [[nodiscard]] static uint32_t ColourOf(int32_t t) { return 0x400000u | uint32_t(t & 0xFFFF); }

    // Movies by file name (without the folder) and their durations.
    std::map<std::string, int32_t> movies;
    bool failPictures = false;

    std::string open;                 // the file name of the open movie, empty when none
    std::vector<std::string> opened;  // every path asked to open
    std::vector<int32_t> fetched;     // every time asked for, in order
};
