// The fake movie source.
#include "fakes/FakeMovieSource.h"

#include <algorithm>

bool FakeMovieSource::Open(const std::string& path) {
    opened.push_back(path);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    open = movies.count(name) != 0 ? name : std::string();
    return !open.empty();
}

int32_t FakeMovieSource::Duration() const {
    const auto found = movies.find(open);
    return found == movies.end() ? 0 : found->second;
}

uint32_t FakeMovieSource::ColourOf(int32_t t) { return 0x400000u | uint32_t(t & 0xFFFF); }

bool FakeMovieSource::PictureAt(int32_t t, MoviePicture& picture) {
    fetched.push_back(t);
    if (open.empty() || failPictures) return false;
    picture.width = 8;
    picture.height = 6;
    picture.stride = 24;
    picture.pixels.assign(24 * 6, 0);
    const uint32_t colour = ColourOf(t);
    for (size_t i = 0; i < picture.pixels.size(); i += 3) {
        picture.pixels[i] = uint8_t(colour);
        picture.pixels[i + 1] = uint8_t(colour >> 8);
        picture.pixels[i + 2] = uint8_t(colour >> 16);
    }
    return true;
}
