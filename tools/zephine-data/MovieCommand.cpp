// zephine-data movie FILE [T OUT.bmp [--size WxH]]: the movie as the flight screen reads it,
// and the picture at time T drawn as the screen draws it (scaled to W by H when asked).
#include <cstdio>

#include "Commands.h"
#include "graphics/Dib.h"
#include "graphics/DibDrawing.h"
#include "platform/movie/FfmpegMovieSource.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: zephine-data movie FILE [T OUT.bmp [--size WxH]]\n");
    return 1;
}

bool WritePicture(const MoviePicture& picture, int32_t width, int32_t height,
                  const std::string& path) {
    Surface drawn(width, height);
    if (DrawRowsStretched(picture.Rows(), drawn, drawn.Bounds()) != 1) return false;
    Dib out = Dib::CreateBlank(width, height);
    if (out.IsEmpty()) return false;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t c = drawn.PixelAt(x, y);
            uint8_t* p = out.PixelAt(x, y);
            p[0] = uint8_t(c), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c >> 16);
        }
    return out.SaveToFile(path) == 1;
}

}  // namespace

int RunMovie(const Args& args) {
    if (args.size() != 1 && args.size() != 3 && args.size() != 5) return Usage();
    FfmpegMovieSource source;
    if (!source.Open(args[0])) {
        std::printf("movie=none\n");
        return 1;
    }
    std::printf("frames=%d timescale=%d", source.Duration(), source.TimeScale());
    if (args.size() == 1) {
        std::printf("\n");
        return 0;
    }
    long t = 0;
    MoviePicture picture;
    if (!ParseInt(args[1], t) || t < 0 || !source.PictureAt(int32_t(t), picture)) {
        std::printf(" picture=none\n");
        return 1;
    }
    int width = picture.width, height = picture.height;
    if (args.size() == 5 &&
        (args[3] != "--size" || std::sscanf(args[4].c_str(), "%dx%d", &width, &height) != 2 ||
         width < 1 || height < 1 || width > 4096 || height > 4096))
        return Usage();
    if (!WritePicture(picture, width, height, args[2])) {
        std::printf(" picture=unwritten\n");
        return 1;
    }
    std::printf(" width=%d height=%d\n", width, height);
    return 0;
}
