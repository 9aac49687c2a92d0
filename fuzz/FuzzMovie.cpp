// Fuzzes the movie adapter: any file opens as a movie or is refused, and a movie gives whole
// pictures (or none) at every time asked, the last frame and past the end included. The bytes
// go through a file, as the program reads movies by path.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "ScratchFolder.h"
#include "platform/movie/FfmpegMovieSource.h"

namespace {

const std::string& InputPath() {
    static const std::string path =
        ScratchFolder() + "/zephine-fuzz-movie-" + std::to_string(getpid());
    return path;
}

void Check(FfmpegMovieSource& source, int32_t t, MoviePicture& picture) {
    if (!source.PictureAt(t, picture)) return;
    if (picture.width < 1 || picture.height < 1 || picture.stride < picture.width * 3 ||
        picture.pixels.size() < size_t(picture.stride) * size_t(picture.height))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!WriteScratchFile(InputPath(), data, size)) return 0;
    FfmpegMovieSource source;
    if (!source.Open(InputPath())) {
        if (source.Duration() != 0 || source.TimeScale() != 0) std::abort();
        return 0;
    }
    const int32_t frames = source.Duration();
    if (frames < 1 || source.TimeScale() < 1) std::abort();
    MoviePicture picture;
    // In order, a jump back, the end and past it, as the flight screen asks.
    for (int32_t t : {0, 1, 2, frames / 2, 1, frames - 1, frames, frames + 5})
        Check(source, t, picture);
    return 0;
}
